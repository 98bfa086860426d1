#pragma once

// The child windows of the frame, one instance each for the whole run.
enum class WindowName {
    Form1,   // the Installer drill: hit the button that reads "Next"
    Form2,   // the Typing drill: retype a sentence while junk is appended
    Form3,   // the Scrolling drill: hold four drifting scroll bars on a number
    Form4,   // the certificate, made out to the name the user types
    Form5,   // the browser window that opens one page only
    frmAbout // the score panel in the frame's corner
};
