#pragma once

#include "handlersource.h"

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <type_traits>

#include "windowname.h"

// The kinds of controls that windows are built from.
class Label;
class Program;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QWidget;

// How a child window looks before any handler runs.
struct WindowDesign
{
    enum class Border { Fixed, None };

    QString caption;
    QSize clientTwips;
    Border border = Border::Fixed;
    bool hasIcon = true;
    // What a screen reader calls the window, when its caption is not what it shows.
    QString spokenName = {};
    // Whether a handler of the window may open a message or input box.
    bool opensBoxes = true;
};

// One child window of the frame. The object lives for the whole run and keeps
// its own fields; its controls exist only while it is loaded. Load, Show, Hide
// and Unload move it between not loaded, loaded and hidden, and loaded and
// visible. Closing it with its close box unloads it; one without a border
// cannot be closed by the user.
class Window : public QObject
{
    Q_OBJECT
public:
    ~Window() override;

    // Creates the controls from the design and runs Form_Load; a loaded child
    // window becomes visible at once. Nothing if already loaded.
    void Load();
    // Loads if needed, makes visible and brings to the front, with the keyboard
    // focus on its first control in tab order.
    void Show();
    // Loads if needed (without showing), then makes invisible.
    void Hide();
    // Discards the window and its controls. The window object and its fields stay.
    void Unload();

    bool isLoaded() const { return m_subWindow != nullptr; }
    bool isVisible() const;

    // Position and outer size in twips, in the frame's client coordinates.
    int Left();
    int Top();
    int Width();
    void move(int leftTwips, int topTwips);

    QString Caption();
    void SetCaption(const QString &caption);

    // The frame's sub-window while loaded, else null.
    QMdiSubWindow *subWindow() const { return m_subWindow; }

    bool opensBoxes() const { return m_design.opensBoxes; }

protected:
    Window(Program &program, WindowDesign design);

    // Builds the controls on the window's client area, and forgets them again.
    virtual void createControls(QWidget *client) = 0;
    virtual void releaseControls() = 0;
    virtual void Form_Load() {}

    // Runs a handler on a control's signal for as long as this load lasts: a
    // signal that an unloaded control still sends never reaches the window.
    // The program decides what runs while a box is open.
    template<class Sender, class Signal, class Handler>
    void on(Sender *sender, Signal signal, Handler &&handler)
    {
        const HandlerSource source{this, sender, std::is_base_of_v<QTimer, Sender>};
        QObject::connect(sender, signal, m_loadScope,
                         // The result type lets Qt pass only the arguments the handler takes.
                         [this, source, handler = std::forward<Handler>(handler)](
                             auto &&...args) -> decltype(handler(args...)) {
                             runHandler(source, [&] { handler(args...); });
                         });
    }

    bool eventFilter(QObject *watched, QEvent *event) override;

    Program &m_program;

private:
    void build();
    void runHandler(const HandlerSource &source, const std::function<void()> &handler);

    WindowDesign m_design;
    QPointer<QMdiSubWindow> m_subWindow;
    QObject *m_loadScope = nullptr;
};

// A window whose controls are the struct Controls, built with the client area as
// parent. ui() gives the controls, loading the window first when needed.
template<class Controls> class Form : public Window
{
public:
    // The window's controls, loading it first when needed.
    Controls &controls() { return ui(); }

protected:
    using Window::Window;

    Controls &ui()
    {
        Load();
        return *m_controls;
    }

    // Connects the controls' signals to the window's handlers (with On()).
    virtual void connectControls(Controls &controls) = 0;

private:
    void createControls(QWidget *client) final
    {
        m_controls = std::make_unique<Controls>(client);
        connectControls(*m_controls);
    }
    void releaseControls() final { m_controls.reset(); }

    std::unique_ptr<Controls> m_controls;
};
