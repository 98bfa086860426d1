#pragma once

#include "webview.h"
#include "webviewmodule.h"
#include "window.h"

class QLineEdit;

// The browser window's controls, as the window's design lays them out.
struct Form5Controls
{
    explicit Form5Controls(QWidget *client);

    QWidget *WebBrowser1Site;       // where the view goes
    WebView *WebBrowser1 = nullptr; // put in place by the window
    QLineEdit *Text1;
};

// The browser window: an address box over a page view that only ever opens one
// download page. Whatever is typed, Enter is told the site is censored and the
// view goes back to that page.
class Form5 : public Form<Form5Controls>
{
    Q_OBJECT
public:
    static constexpr WindowName Name = WindowName::Form5;

    // The site's root (scheme and host), shown in the address box at design, and
    // the one page the window opens.
    static inline const QString SiteRoot = QStringLiteral("http://www.microsoft.com");
    static inline const QString StartAddress = QStringLiteral(
        "http://www.microsoft.com/downloads/release.asp?releaseid=32210&area=top&ordinal=1");

    explicit Form5(Program &program);

    // Views are made by the web view module unless a factory is set here.
    void setWebViewFactory(WebViewFactory factory);

protected:
    void connectControls(Form5Controls &controls) override;
    void Form_Load() override;

private:
    // Raised by Enter only: every other key just edits the address box.
    void Text1_KeyPress();
    // Sends the view to the start page and shows its address in the box.
    void returnToStartAddress();

    WebViewFactory m_createView;
    WebViewModule m_module;
};
