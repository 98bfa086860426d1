#pragma once

// The child windows of the frame, one instance each for the whole run.
enum class WindowName { Form1, Form2, Form3, Form4, Form5, frmAbout };
