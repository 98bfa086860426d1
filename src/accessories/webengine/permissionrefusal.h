#pragma once

class QWebEnginePage;

// Every permission a page asks for (camera, microphone, location, notifications,
// ...) is refused at once, without asking the user. How a refusal is given
// differs between Qt versions: each has a file of its own, chosen by the build.
void refuseEveryPermission(QWebEnginePage *page);
