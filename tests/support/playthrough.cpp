#include "playthrough.h"

#include "certificatetext.h"
#include "label.h"
#include "mdiform1.h"
#include "program.h"
#include "window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

#include <functional>

using namespace Qt::StringLiterals;

// One thing the user does, once the program is ready for it.
struct PlayThrough::Step
{
    const char *what;
    std::function<bool()> ready;
    std::function<void()> act;
};

namespace {

constexpr int StepTimeoutMs = 20000;
const QString Name = u"Ada Lovelace"_s;

bool onScreen(const QWidget *widget)
{
    const QWindow *window = widget ? widget->window()->windowHandle() : nullptr;
    return widget && widget->isVisible() && window && window->isExposed();
}

QWidget *loaded(const Program &program, WindowName name)
{
    const Window *window = program.existingWindow(name);
    return window ? window->subWindow() : nullptr;
}

// The child window if it is on screen, else null. A compositor that is slow to
// draw may take it off screen for a moment; what is done in it is done all the same.
QWidget *shown(const Program &program, WindowName name)
{
    QWidget *window = loaded(program, name);
    return onScreen(window) ? window : nullptr;
}

template<class T = QWidget> T *control(const Program &program, WindowName name, const char *object)
{
    QWidget *window = loaded(program, name);
    return window ? window->findChild<T *>(QLatin1String(object)) : nullptr;
}

QString caption(const Program &program, WindowName name, const char *label)
{
    const auto *shown = control<Label>(program, name, label);
    return shown ? shown->Caption() : QString();
}

// Clicks the Installer's drill button that reads "Next" at this moment.
void clickNext(const Program &program)
{
    for (const char *object : {"Command1", "Command2", "Command3"}) {
        auto *button = control<QAbstractButton>(program, WindowName::Form1, object);
        if (button && button->isVisible() && button->text() == "Next"_L1)
            return button->click();
    }
}

void typeSentence(const Program &program, int chop)
{
    auto *box = control<QPlainTextEdit>(program, WindowName::Form2, "Text1");
    box->selectAll();
    box->insertPlainText(caption(program, WindowName::Form2, "Label1").chopped(chop));
}

} // namespace

PlayThrough::PlayThrough(Program &program) : m_program(program)
{
    addSteps();
    connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
    m_poll.start(50);
    m_clock.start();
}

PlayThrough::~PlayThrough() = default;

QStringList PlayThrough::faults() const
{
    QStringList faults;
    if (m_next < m_steps.size())
        faults << u"waited in vain for "_s + QLatin1String(m_steps[m_next].what);
    const QString done = u"You have completed this module!"_s;
    const QString level = u"You finished level %1.Get ready for the next one!"_s;
    if (m_prompts != QStringList{level.arg(1), level.arg(2), done, done, done})
        faults << u"the drills said: "_s + m_prompts.join(u" / "_s);
    if (!QRegularExpression(u"^Finished with \\d+ points!$"_s).match(m_scoreLine).hasMatch())
        faults << u"the score panel said: "_s + m_scoreLine;
    if (m_certificate != certificateText(Name))
        faults << u"the certificate read: "_s + m_certificate;
    if (m_certificateItemLeftOn)
        faults << u"a second certificate could be had"_s;
    return faults;
}

void PlayThrough::addSteps()
{
    const Program &program = m_program;
    MDIForm1 &frame = m_program.mainWindow();
    const auto choose = [](MenuItem &item) { return [&item] { item.action()->trigger(); }; };
    const auto showing = [&program](WindowName name) {
        return [&program, name] { return shown(program, name) != nullptr; };
    };
    // The drill's START button on screen, hidden while the drill runs.
    const auto started = [&program](WindowName name, const char *start, bool running) {
        return [&program, name, start, running] {
            auto *button = control(program, name, start);
            return shown(program, name) && button && button->isHidden() == running;
        };
    };
    const auto press = [&program](WindowName name, const char *button) {
        return
            [&program, name, button] { control<QAbstractButton>(program, name, button)->click(); };
    };

    m_steps.push_back({"the frame on screen", [&frame] { return onScreen(frame.widget()); },
                       choose(frame.Guiden)});
    for (int level = 1; level <= 3; ++level) {
        m_steps.push_back({"the Installer's START", started(WindowName::Form1, "Command4", false),
                           press(WindowName::Form1, "Command4")});
        for (int right = 0; right < 15; ++right)
            m_steps.push_back({"a Next button", started(WindowName::Form1, "Command4", true),
                               [&program] { clickNext(program); }});
    }
    m_steps.push_back(
        {"the Installer done", [&frame] { return frame.Guiden.Checked(); }, choose(frame.Scroll)});
    m_steps.push_back({"the Scrolling drill on screen", showing(WindowName::Form3),
                       press(WindowName::Form3, "Command1")});
    m_steps.push_back(
        {"the magic number", started(WindowName::Form3, "Command1", true), [&program] {
             const int magic = caption(program, WindowName::Form3, "Label5").toInt();
             for (auto *bar : loaded(program, WindowName::Form3)->findChildren<QScrollBar *>())
                 bar->setValue(magic);
         }});
    m_steps.push_back({"the Scrolling drill done", [&frame] { return frame.Scroll.Checked(); },
                       choose(frame.mnuTyping)});
    m_steps.push_back({"the Typing drill on screen", showing(WindowName::Form2),
                       press(WindowName::Form2, "Command1")});
    // All but the last character first, then, once a tick has shown a new time,
    // the sentence whole.
    const auto typing = started(WindowName::Form2, "Command1", true);
    const auto time = [&program] { return caption(program, WindowName::Form2, "Label2"); };
    m_steps.push_back({"the sentence to type", typing, [this, &program, time] {
                           m_elapsed = time();
                           typeSentence(program, 1);
                       }});
    m_steps.push_back({"a tick of the Typing drill",
                       [this, typing, time] { return typing() && time() != m_elapsed; },
                       [&program] { typeSentence(program, 0); }});
    m_steps.push_back({"the certificate item enabled",
                       [&frame] { return frame.mnuCertificate.Enabled(); },
                       [this, &program, &frame] {
                           m_scoreLine = caption(program, WindowName::frmAbout, "Pryl");
                           frame.mnuCertificate.action()->trigger();
                       }});
    m_steps.push_back(
        {"the certificate on screen", showing(WindowName::Form4), [this, &program, &frame] {
             m_certificate = caption(program, WindowName::Form4, "Label2");
             m_certificateItemLeftOn = frame.mnuCertificate.Enabled();
             frame.mnuAbout.action()->trigger();
         }});
    m_steps.push_back({"the About box answered",
                       [this] { return m_answered.contains(QMessageBox::Information); },
                       choose(frame.mnuBrowser)});
    m_steps.push_back(
        {"the browser on screen", showing(WindowName::Form5), [&program] {
             QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
             QApplication::sendEvent(control(program, WindowName::Form5, "Text1"), &enter);
         }});
    m_steps.push_back({"the censored box answered",
                       [this] { return m_answered.contains(QMessageBox::Critical); },
                       choose(frame.Quit)});
}

void PlayThrough::poll()
{
    if (QWidget *box = QApplication::activeModalWidget()) {
        if (onScreen(box))
            answer(box);
        return;
    }
    if (m_acting || m_over)
        return;
    if (m_next == m_steps.size()) {
        m_over = true;
        return;
    }
    const Step &step = m_steps[m_next];
    if (!step.ready()) {
        if (m_clock.elapsed() > StepTimeoutMs) {
            m_over = true;
            QCoreApplication::exit(1);
        }
        return;
    }
    qInfo("playthrough: %s", step.what);
    if (m_next == 0 || qstrcmp(step.what, m_steps[m_next - 1].what) != 0)
        takeShot(QLatin1String(step.what));
    ++m_next;
    m_clock.restart();
    // Run from the event loop, not from this tick: what it does may open a box,
    // and this timer must go on ticking to answer it.
    // Ending the program may end this driver within the step (Qt 6.8 says it is
    // about to quit from inside exit()).
    m_acting = true;
    QTimer::singleShot(0, this, [this, act = step.act] {
        const QPointer<PlayThrough> alive(this);
        act();
        if (alive)
            m_acting = false;
    });
}

void PlayThrough::answer(QWidget *box)
{
    takeShot(u"box "_s + box->windowTitle());
    if (auto *message = qobject_cast<QMessageBox *>(box)) {
        qInfo("playthrough: answered a box: %s", qPrintable(message->text()));
        m_answered.insert(message->icon());
        if (message->icon() == QMessageBox::NoIcon)
            m_prompts << message->text();
        message->button(QMessageBox::Ok)->click();
    } else if (auto *input = qobject_cast<QInputDialog *>(box)) {
        qInfo("playthrough: answered an input box: %s", qPrintable(input->labelText()));
        input->setTextValue(Name);
        input->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    }
}

// A picture of the whole screen, where the folder for them is set.
void PlayThrough::takeShot(const QString &what)
{
    static const QString folder = qEnvironmentVariable("THORNAX_PLAYTHROUGH_SHOTS");
    if (folder.isEmpty())
        return;
    const QString name =
        u"%1/%2 %3.png"_s.arg(folder).arg(++m_shots, 2, 10, QLatin1Char('0')).arg(what);
    QGuiApplication::primaryScreen()->grabWindow(0).save(name);
}
