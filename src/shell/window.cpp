#include "window.h"

#include "accessibility.h"
#include "childwindowkeys.h"
#include "design.h"
#include "mdiform1.h"
#include "pictures.h"
#include "program.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

Window::Window(Program &program, WindowDesign design)
    : m_program(program), m_design(std::move(design))
{
}

Window::~Window()
{
    delete m_subWindow;
}

void Window::Load()
{
    if (isLoaded())
        return;
    build();
    Form_Load();
    if (isLoaded())
        m_subWindow->show();
}

void Window::Show()
{
    Load();
    if (!isLoaded())
        return;
    m_subWindow->show();
    m_subWindow->raise();
    m_program.mainWindow().mdiArea()->setActiveSubWindow(m_subWindow);
    if (takesFocus(m_subWindow))
        focusFirstControl(m_subWindow);
}

void Window::Hide()
{
    if (!isLoaded()) {
        build();
        Form_Load();
    }
    if (isLoaded()) {
        passActivationOn(m_subWindow);
        m_subWindow->hide();
    }
}

void Window::Unload()
{
    if (!isLoaded())
        return;
    QMdiSubWindow *subWindow = m_subWindow;
    m_subWindow = nullptr;
    // The handler that unloads may still be running inside one of the
    // controls' signals, so the widgets go later; their signals and timers go now.
    delete m_loadScope;
    m_loadScope = nullptr;
    for (QTimer *timer : subWindow->findChildren<QTimer *>())
        timer->stop();
    // The window goes only later; the keyboard moves on to another one now.
    passActivationOn(subWindow);
    releaseControls();
    subWindow->removeEventFilter(this);
    subWindow->hide();
    subWindow->deleteLater();
}

bool Window::isVisible() const
{
    return isLoaded() && !m_subWindow->isHidden();
}

int Window::Left()
{
    Load();
    return twips(m_subWindow->x());
}

int Window::Top()
{
    Load();
    return twips(m_subWindow->y());
}

int Window::Width()
{
    Load();
    return twips(m_subWindow->width());
}

void Window::move(int leftTwips, int topTwips)
{
    Load();
    m_subWindow->move(pixels(leftTwips), pixels(topTwips));
}

QString Window::Caption()
{
    Load();
    return m_subWindow->windowTitle();
}

void Window::SetCaption(const QString &caption)
{
    Load();
    m_subWindow->setWindowTitle(caption);
}

bool Window::eventFilter(QObject *watched, QEvent *event)
{
    // The type first: a sub-window that is being destroyed still sends events
    // here, and must not be looked at as a sub-window any more.
    if (event->type() == QEvent::Close && watched == m_subWindow) {
        event->ignore();
        // A window without a border offers no way to close it, keyboard included.
        if (m_design.border != WindowDesign::Border::None)
            Unload();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Window::runHandler(const HandlerSource &source, const std::function<void()> &handler)
{
    m_program.runHandler(source, handler);
}

void Window::build()
{
    m_loadScope = new QObject(this);

    auto *client = new QWidget;
    client->setFixedSize(twipsSize(m_design.clientTwips.width(), m_design.clientTwips.height()));

    auto *subWindow = new QMdiSubWindow;
    subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    if (m_design.border == WindowDesign::Border::None) {
        subWindow->setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
        // Nothing to work with inside: the keyboard passes it by.
        subWindow->setFocusPolicy(Qt::NoFocus);
    } else {
        subWindow->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }
    subWindow->setWidget(client);
    subWindow->setWindowTitle(m_design.caption);
    if (!m_design.spokenName.isEmpty())
        speakWindowAs(subWindow, m_design.spokenName);
    subWindow->setWindowIcon(m_design.hasIcon ? programIcon() : QIcon());
    m_program.mainWindow().mdiArea()->addSubWindow(subWindow);
    subWindow->setFixedSize(subWindow->sizeHint());
    subWindow->installEventFilter(this);
    m_subWindow = subWindow;

    createControls(client);
}
