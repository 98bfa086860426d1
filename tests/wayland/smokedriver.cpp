// Plays the whole program as a user would, on whatever screen Qt is given (the
// smoke test gives it a Wayland compositor): every window opened from the menu,
// the three drills finished, a box of every kind answered, and the run ended
// with "E&xit". Exits with the program's own code when everything was seen,
// and with 1, naming what was missing, when not. With THORNAX_SMOKE_SHOTS set
// to a folder, it leaves there a picture of the screen before each step and
// each box, numbered in order (on screens that let a program take one).

#include "mdiform1.h"
#include "program.h"
#include "runtrainer.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>

namespace {

constexpr int StepTimeoutMs = 60000;
constexpr const char *NextStep = "a Next button";

// One thing the user does, once the program is ready for it.
struct Step
{
    const char *what;
    std::function<bool()> ready;
    std::function<void()> act;
};

bool onScreen(const QWidget *widget)
{
    const QWidget *top = widget ? widget->window() : nullptr;
    return widget && widget->isVisible() && top->windowHandle() && top->windowHandle()->isExposed();
}

class SmokeDriver : public QObject
{
public:
    explicit SmokeDriver(Program &program) : m_program(program)
    {
        buildSteps();
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start(50);
        m_clock.start();
    }

    // What the run missed, empty when it saw everything.
    QStringList missingSteps() const
    {
        QStringList missing;
        if (m_next < m_steps.size())
            missing << QStringLiteral("step: %1").arg(QLatin1String(m_steps[m_next].what));
        for (const char *kind : {"message", "information", "error", "input"})
            if (!m_answered.contains(QLatin1String(kind)))
                missing << QStringLiteral("a box: %1").arg(QLatin1String(kind));
        for (WindowName name : AllWindows)
            if (!m_seen.contains(name))
                missing << QStringLiteral("window number %1").arg(int(name));
        return missing;
    }

private:
    static constexpr WindowName AllWindows[] = {WindowName::Form1, WindowName::Form2,
                                                WindowName::Form3, WindowName::Form4,
                                                WindowName::Form5, WindowName::frmAbout};

    MDIForm1 &frame() { return m_program.mainWindow(); }

    QMdiSubWindow *shown(WindowName name)
    {
        QMdiSubWindow *window = m_program.window(name).subWindow();
        return onScreen(window) ? window : nullptr;
    }

    template<class T = QWidget> T *control(WindowName name, const char *object)
    {
        QMdiSubWindow *window = m_program.window(name).subWindow();
        return window ? window->findChild<T *>(QLatin1String(object)) : nullptr;
    }

    void click(WindowName name, const char *object)
    {
        if (auto *button = control<QAbstractButton>(name, object))
            button->click();
    }

    // The Installer's drill button that reads "Next" at this moment.
    void clickNext()
    {
        for (const char *object : {"Command1", "Command2", "Command3"}) {
            auto *button = control<QAbstractButton>(WindowName::Form1, object);
            if (button && button->isVisible() && button->text() == QLatin1String("Next")) {
                button->click();
                return;
            }
        }
    }

    bool running(WindowName name, const char *startButton)
    {
        auto *start = control<QAbstractButton>(name, startButton);
        return shown(name) && start && start->isHidden();
    }

    void buildSteps()
    {
        const auto trigger = [](MenuItem &item) { return [&item] { item.action()->trigger(); }; };
        m_steps << Step{"the frame on screen", [this] { return onScreen(frame().widget()); },
                        trigger(frame().Guiden)};
        for (int level = 1; level <= 3; ++level) {
            m_steps << Step{"the Installer's START",
                            [this] {
                                auto *start = control(WindowName::Form1, "Command4");
                                return shown(WindowName::Form1) && start && start->isVisible();
                            },
                            [this] { click(WindowName::Form1, "Command4"); }};
            for (int right = 0; right < 15; ++right)
                m_steps << Step{"a Next button",
                                [this] { return running(WindowName::Form1, "Command4"); },
                                [this] { clickNext(); }};
        }
        m_steps << Step{"the Installer done", [this] { return frame().Guiden.Checked(); },
                        trigger(frame().Scroll)};
        m_steps << Step{"the Scrolling drill on screen",
                        [this] { return shown(WindowName::Form3) != nullptr; },
                        [this] { click(WindowName::Form3, "Command1"); }};
        m_steps << Step{
            "the magic number", [this] { return running(WindowName::Form3, "Command1"); },
            [this] {
                const int magic = control<QLabel>(WindowName::Form3, "Label5")->text().toInt();
                for (const char *bar : {"VScroll1", "VScroll2", "VScroll3", "VScroll4"})
                    control<QScrollBar>(WindowName::Form3, bar)->setValue(magic);
            }};
        m_steps << Step{"the Scrolling drill done", [this] { return frame().Scroll.Checked(); },
                        trigger(frame().mnuTyping)};
        m_steps << Step{"the Typing drill on screen",
                        [this] { return shown(WindowName::Form2) != nullptr; },
                        [this] { click(WindowName::Form2, "Command1"); }};
        // All but the last character first, then the sentence whole.
        for (int chop : {1, 0})
            m_steps << Step{
                "the sentence", [this] { return running(WindowName::Form2, "Command1"); },
                [this, chop] {
                    auto *box = control<QPlainTextEdit>(WindowName::Form2, "Text1");
                    box->selectAll();
                    box->insertPlainText(
                        control<QLabel>(WindowName::Form2, "Label1")->text().chopped(chop));
                }};
        m_steps << Step{"the certificate item enabled",
                        [this] { return frame().mnuCertificate.Enabled(); },
                        trigger(frame().mnuCertificate)};
        m_steps << Step{"the certificate on screen",
                        [this] { return shown(WindowName::Form4) != nullptr; },
                        trigger(frame().mnuAbout)};
        m_steps << Step{"the About box answered",
                        [this] { return m_answered.contains(QStringLiteral("information")); },
                        trigger(frame().mnuBrowser)};
        m_steps << Step{"the browser on screen",
                        [this] { return shown(WindowName::Form5) != nullptr; },
                        [this] {
                            auto *address = control<QLineEdit>(WindowName::Form5, "Text1");
                            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                                            QStringLiteral("\r"));
                            QApplication::sendEvent(address, &press);
                        }};
        m_steps << Step{"the censored box answered",
                        [this] { return m_answered.contains(QStringLiteral("error")); },
                        trigger(frame().Quit)};
    }

    // A picture of the whole screen, where the folder for them is set.
    void takeShot(const QString &what)
    {
        static const QString folder = qEnvironmentVariable("THORNAX_SMOKE_SHOTS");
        if (folder.isEmpty())
            return;
        const QString name = QStringLiteral("%1/%2 %3.png")
                                 .arg(folder)
                                 .arg(++m_shots, 2, 10, QLatin1Char('0'))
                                 .arg(what);
        QGuiApplication::primaryScreen()->grabWindow(0).save(name);
    }

    void poll()
    {
        for (WindowName name : AllWindows)
            if (shown(name))
                m_seen.insert(name);
        if (QWidget *box = QApplication::activeModalWidget()) {
            if (onScreen(box))
                answer(box);
            return;
        }
        if (m_acting || m_next >= m_steps.size())
            return;
        const Step &step = m_steps[m_next];
        if (!step.ready()) {
            if (m_clock.elapsed() > StepTimeoutMs) {
                std::fprintf(stderr, "smoke: waited in vain for %s\n", step.what);
                QCoreApplication::exit(1);
            }
            return;
        }
        std::printf("smoke: %s\n", step.what);
        if (qstrcmp(step.what, NextStep) != 0)
            takeShot(QLatin1String(step.what));
        ++m_next;
        m_clock.restart();
        // Run from the event loop, not from this tick: what it does may open a box,
        // and this timer must go on ticking to answer it.
        m_acting = true;
        QTimer::singleShot(0, this, [this, act = step.act] {
            act();
            m_acting = false;
        });
    }

    void answer(QWidget *box)
    {
        takeShot(QStringLiteral("box ") + box->windowTitle());
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            const QString kind = message->icon() == QMessageBox::Information ? "information"
                                 : message->icon() == QMessageBox::Critical  ? "error"
                                                                             : "message";
            std::printf("smoke: answered a box (%s): %s\n", qPrintable(kind),
                        qPrintable(message->text().replace(u'\n', u' ')));
            m_answered.insert(kind);
            message->button(QMessageBox::Ok)->click();
        } else if (auto *input = qobject_cast<QInputDialog *>(box)) {
            std::printf("smoke: answered an input box: %s\n", qPrintable(input->labelText()));
            m_answered.insert(QStringLiteral("input"));
            input->findChild<QLineEdit *>()->setText(QStringLiteral("Wayland Tester"));
            input->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        }
    }

    Program &m_program;
    QList<Step> m_steps;
    qsizetype m_next = 0;
    bool m_acting = false;
    QTimer m_poll;
    QElapsedTimer m_clock;
    QSet<QString> m_answered;
    QSet<WindowName> m_seen;
    int m_shots = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::unique_ptr<SmokeDriver> driver;
    QStringList missing{QStringLiteral("the program's start")};
    const int code = runTrainer(argc, argv, [&](Program &program) {
        driver = std::make_unique<SmokeDriver>(program);
        // Read while the program and its event loop are still there.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&] {
            missing = driver->missingSteps();
            driver.reset();
        });
    });
    for (const QString &what : missing)
        std::fprintf(stderr, "smoke: missing %s\n", qPrintable(what));
    std::fflush(stdout);
    return missing.isEmpty() ? code : 1;
}
