#pragma once

class QObject;
class Window;

// What raised a handler: a control of a child window, or an item of the frame's
// menu (no window then). Ticks are the timeout signals of a window's timers.
struct HandlerSource
{
    const Window *window;
    const QObject *control;
    bool isTick = false;
};
