#include "monkey.h"

#include "certificatetext.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form4.h"
#include "form5.h"
#include "frmabout.h"
#include "installerrules.h"
#include "label.h"
#include "mdiform1.h"
#include "registerwindows.h"
#include "standinview.h"
#include "textbox.h"
#include "valuerules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <array>
#include <numeric>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString Done = u"You have completed this module!"_s;
const QString LevelDone = u"You finished level "_s;
const std::array ChildWindows = {WindowName::Form1, WindowName::Form2, WindowName::Form3,
                                 WindowName::Form4, WindowName::Form5, WindowName::frmAbout};
// One event in this many is Exit, so that a program lives long enough to be finished.
constexpr int ExitOneIn = 4000;

// A megabyte of short lines, as a user might paste a whole file.
const QString &megabyte()
{
    static const QString text = u"Lorem ipsum dolor sit amet, consectetur.\r\n"_s.repeated(24966);
    return text;
}

// Whether the box holds a control character that would be drawn as nothing.
bool showsInvisibleControl(const TextBox &box)
{
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        for (QChar c : b.text())
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return true;
    return false;
}

template<class W> W *existing(Program &program)
{
    return static_cast<W *>(program.existingWindow(W::Name));
}

template<class W> auto *loadedControls(Program &program)
{
    W *window = existing<W>(program);
    return window && window->isLoaded() ? &window->controls() : nullptr;
}

} // namespace

Monkey::~Monkey() = default;

std::optional<MonkeyFailure> Monkey::play(const QList<int> &events)
{
    m_test.reset();
    m_failure.clear();
    for (int event : events) {
        m_event = event;
        m_random = QRandomGenerator(std::array<quint32, 2>{m_seed, quint32(event)}.data(), 2);
        if (!m_test) {
            m_episodeStart = event;
            startProgram();
        }
        beforeEvent();
        trace(u"event %1"_s.arg(event));
        playEvent();
        afterEvent();
        if (m_failure.isEmpty())
            m_failure = brokenInvariant();
        if (!m_failure.isEmpty()) {
            m_test.reset();
            return MonkeyFailure{event, m_episodeStart, m_failure};
        }
        if (m_test->end->calls > 0)
            m_test.reset(); // Exit: the next event starts the program afresh
    }
    m_test.reset();
    return std::nullopt;
}

std::optional<QString> Monkey::playAndShrink(int count)
{
    QList<int> events(count);
    std::iota(events.begin(), events.end(), 0);
    const std::optional<MonkeyFailure> failure = play(events);
    if (!failure)
        return std::nullopt;

    // Only the program the failure happened in matters; then drop ever smaller
    // runs of events while the same invariant still breaks.
    QList<int> shortest;
    for (int e = failure->episodeStart; e <= failure->event; ++e)
        shortest.append(e);
    const QString broken = failure->message.section(u':', 0, 0);
    int replays = 0;
    for (qsizetype chunk = shortest.size() / 2; chunk >= 1 && replays < 300; chunk /= 2) {
        for (qsizetype from = 0; from + chunk <= shortest.size() && replays < 300;) {
            QList<int> candidate = shortest;
            candidate.remove(from, chunk);
            ++replays;
            const std::optional<MonkeyFailure> again = play(candidate);
            if (again && again->message.section(u':', 0, 0) == broken)
                shortest = candidate.first(candidate.indexOf(again->event) + 1);
            else
                from += chunk;
        }
    }
    QStringList numbers;
    for (int e : shortest)
        numbers.append(QString::number(e));
    return u"seed %1, event %2: %3\n  replay: THORNAX_MONKEY_SEED=%1 THORNAX_MONKEY_EVENTS=%4\n"
           "  shrunk to %5 events: THORNAX_MONKEY_SEED=%1 THORNAX_MONKEY_ONLY=%6"_s.arg(m_seed)
               .arg(failure->event)
               .arg(failure->message)
               .arg(failure->event + 1)
               .arg(shortest.size())
               .arg(numbers.join(u','));
}

void Monkey::startProgram()
{
    m_test = std::make_unique<TestProgram>();
    Program &program = *m_test->program;
    registerWindows(program);
    program.window<Form5>().setWebViewFactory(standInViews());
    m_test->dialogs->whileOpen = [this] { boxIsOpen(); };
    m_expectedTotal = Integer(0);
    m_panelTotal = Integer(0);
    m_panelFinished = false;
    m_messagesSeen = 0;
    m_completions = 0;
    m_scrollTicks = m_typingSeconds = 0;
    std::fill(std::begin(m_checked), std::end(m_checked), false);
    m_name.clear();
    m_named = false;
    ++stats.episodes;
    program.start();
}

void Monkey::playEvent()
{
    const int choice = below(100);
    if (below(ExitOneIn) == 0)
        m_test->program->mainWindow().Quit.action()->trigger();
    else if (choice < 6)
        chooseMenuCommand();
    else if (choice < 22)
        click(visibleControls().value(below(qMax(1, int(visibleControls().size())))));
    else if (choice < 42)
        clickHelpfully();
    else if (choice < 58)
        pressKey(below(2) ? QApplication::focusWidget() : typingTarget());
    else if (choice < 63)
        paste(typingTarget());
    else if (choice < 65)
        closeAWindow();
    else
        tick();
}

void Monkey::chooseMenuCommand()
{
    MDIForm1 &frame = m_test->program->mainWindow();
    MenuItem *items[] = {&frame.Guiden,         &frame.Scroll,   &frame.mnuTyping,
                         &frame.mnuCertificate, &frame.mnuAbout, &frame.mnuBrowser};
    choose(*items[below(std::size(items))]);
}

void Monkey::choose(MenuItem &item)
{
    // An abandoned level's right clicks count once more when the window is loaded again.
    MDIForm1 &frame = m_test->program->mainWindow();
    Form1 *installer = existing<Form1>(*m_test->program);
    if (&item == &frame.Guiden && !frame.Guiden.Checked() && !installer->isLoaded())
        m_expectedTotal = Add(m_expectedTotal, m_test->program->record().RightClicks);
    trace(u"menu "_s + item.action()->text());
    item.action()->trigger(); // a greyed item does nothing, as in the menu
}

QList<QWidget *> Monkey::visibleControls() const
{
    QList<QWidget *> controls;
    for (WindowName name : ChildWindows) {
        Window *window = m_test->program->existingWindow(name);
        if (!window || !window->isVisible())
            continue;
        for (QWidget *w : window->subWindow()->widget()->findChildren<QWidget *>())
            if (w->isVisible() &&
                (qobject_cast<QAbstractButton *>(w) || qobject_cast<QScrollBar *>(w) ||
                 qobject_cast<TextBox *>(w) || qobject_cast<QLineEdit *>(w)))
                controls.append(w);
    }
    return controls;
}

void Monkey::click(QWidget *control)
{
    if (!control)
        return;
    const QPoint at(below(control->width()), below(control->height()));
    trace(u"click %1 \"%2\""_s.arg(control->objectName(), control->property("text").toString()));
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
}

// What a user who knows the drills does: START, the button that reads "Next", a bar
// towards the magic number, the sentence's next character.
void Monkey::clickHelpfully()
{
    Program &program = *m_test->program;
    MDIForm1 &frame = program.mainWindow();
    // The modules still to do, then the certificate.
    QList<int> todo;
    const MenuItem *items[] = {&frame.Guiden, &frame.Scroll, &frame.mnuTyping};
    for (int i = 0; i < 3; ++i)
        if (!items[i]->Checked())
            todo.append(i);
    todo.append(3);
    switch (todo.at(below(int(todo.size())))) {
    case 0:
        if (Form1Controls *c = loadedControls<Form1>(program); c && c->Command4->isVisible()) {
            click(c->Command4);
        } else if (c && c->Command1->isVisible()) {
            for (QPushButton *b : {c->Command1, c->Command2, c->Command3})
                if (b->text() == u"Next"_s)
                    click(b);
        } else {
            choose(frame.Guiden);
        }
        break;
    case 1:
        if (Form3Controls *c = loadedControls<Form3>(program); c && c->Command1->isVisible()) {
            click(c->Command1);
        } else if (c) {
            QScrollBar *bar = c->bars()[below(4)];
            const int target = c->Label5->Caption().toInt();
            if (bar->value() != target)
                bar->triggerAction(bar->value() < target ? QScrollBar::SliderSingleStepAdd
                                                         : QScrollBar::SliderSingleStepSub);
        } else {
            choose(frame.Scroll);
        }
        break;
    case 2:
        if (Form2Controls *c = loadedControls<Form2>(program); c && c->Command1->isVisible()) {
            click(c->Command1);
        } else if (c) {
            const QString typed = c->Text1->Text();
            const QString sentence = c->Label1->Caption();
            if (sentence.startsWith(typed) && typed.size() < sentence.size()) {
                QTest::keyClicks(c->Text1, sentence.mid(typed.size(), 1 + below(3)));
            } else {
                // Far off, all goes; near, the last character.
                if (typed.size() > sentence.size() + 10)
                    QTest::keySequence(c->Text1, QKeySequence::SelectAll);
                else
                    QTest::keyClick(c->Text1, Qt::Key_End, Qt::ControlModifier);
                QTest::keyClick(c->Text1, Qt::Key_Backspace);
            }
        } else {
            choose(frame.mnuTyping);
        }
        break;
    default:
        choose(frame.mnuCertificate);
    }
}

// The typing box while it takes text, else any visible control.
QWidget *Monkey::typingTarget()
{
    Form2Controls *c = loadedControls<Form2>(*m_test->program);
    if (c && c->Text1->isEnabled() && c->Text1->isVisible())
        return c->Text1;
    const QList<QWidget *> controls = visibleControls();
    return controls.isEmpty() ? nullptr : controls.at(below(int(controls.size())));
}

void Monkey::pressKey(QWidget *target)
{
    if (!target || !m_test->program->mainWindow().widget()->isAncestorOf(target))
        return;
    static const Qt::Key keys[] = {
        Qt::Key_Tab,      Qt::Key_Backtab,   Qt::Key_Space,  Qt::Key_Return, Qt::Key_Escape,
        Qt::Key_Left,     Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,   Qt::Key_PageUp,
        Qt::Key_PageDown, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End};
    trace(u"key to "_s + target->objectName());
    switch (below(4)) {
    case 0:
        QTest::keySequence(target, QKeySequence::SelectAll);
        break;
    case 1: // a letter
        QTest::keyClick(target, char('a' + below(26)));
        break;
    case 2: { // a control character as a keyboard can send one, key unknown
        const QString code = CharOf(below(3) ? 1 + below(31) : 127);
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, code, Qt::NoModifier);
        break;
    }
    default:
        QTest::keyClick(target, keys[below(std::size(keys))]);
    }
}

void Monkey::paste(QWidget *target)
{
    if (!target)
        return;
    static const QStringList shortTexts = {u"abc"_s, u"A brown fox"_s, u"\r\n"_s, u"x\ty"_s,
                                           u"\u202Eright to left"_s};
    QString text;
    if (const int kind = below(100); kind < 2) {
        text = megabyte();
    } else if (kind < 40) {
        const int code = 1 + below(33);
        text = CharOf(code <= 31 ? code : (code == 32 ? 127 : 128));
    } else if (kind < 55) {
        if (Form2Controls *c = loadedControls<Form2>(*m_test->program))
            text = c->Label1->Caption();
    } else {
        text = shortTexts.at(below(int(shortTexts.size())));
    }
    trace(u"paste %1 characters to %2"_s.arg(text.size()).arg(target->objectName()));
    QGuiApplication::clipboard()->setText(text);
    QTest::keySequence(target, QKeySequence::Paste);
}

void Monkey::closeAWindow()
{
    Window *window = m_test->program->existingWindow(ChildWindows[below(ChildWindows.size())]);
    if (window && window->isVisible()) {
        trace(u"close "_s + window->subWindow()->windowTitle());
        window->subWindow()->close();
    }
}

QList<QTimer *> Monkey::runningTimers() const
{
    QList<QTimer *> timers;
    for (WindowName name : ChildWindows)
        if (Window *window = m_test->program->existingWindow(name); window && window->isLoaded())
            for (QTimer *timer : window->subWindow()->findChildren<QTimer *>())
                if (timer->isActive())
                    timers.append(timer);
    return timers;
}

// One timer's next tick; the clock moves on by its interval.
void Monkey::tick()
{
    FixedClock &clock = *m_test->clock;
    const QList<QTimer *> timers = runningTimers();
    QTimer *timer = timers.isEmpty() ? nullptr : timers.at(below(int(timers.size())));
    clock.seconds += timer ? float(timer->interval()) / 1000.0f : 1.0f;
    if (clock.seconds >= 86400.0f)
        clock.seconds -= 86400.0f;
    if (!timer)
        return;

    Program &program = *m_test->program;
    MDIForm1 &frame = program.mainWindow();
    Form3 *scrolling = existing<Form3>(program);
    frmAbout *panel = existing<frmAbout>(program);
    const bool panelTick = timer->parent() == panel->subWindow()->widget();
    const bool allDone =
        frame.Guiden.Checked() && frame.Scroll.Checked() && frame.mnuTyping.Checked();
    if (scrolling && scrolling->isLoaded() && timer == scrolling->controls().Timer1)
        m_scrollTicksBefore = scrolling->scrollTicks();
    trace(u"tick %1 of %2"_s.arg(
        timer->objectName(),
        static_cast<QWidget *>(timer->parent())->parentWidget()->windowTitle()));
    // The panel's tick comes even while a box is open.
    QMetaObject::invokeMethod(timer, "timeout");
    if (panelTick) {
        m_panelTotal = program.record().TotalScore;
        m_panelFinished = allDone;
    }
}

// A box is open: it is answered at once, after a while, or after some ticks.
void Monkey::boxIsOpen()
{
    if (m_openBoxes > 0)
        fail(u"two boxes: a box opened while another was open"_s);
    ++m_openBoxes;
    RecordingDialogs &dialogs = *m_test->dialogs;
    trace(u"box "_s + (dialogs.messages.isEmpty() ? QString() : dialogs.messages.last().prompt));
    if (dialogs.questions.size() == 1 && !m_named) {
        m_named = true;
        ++stats.certificates;
        static const QStringList names = {u""_s,
                                          u"abc"_s,
                                          u"\u202Eevil"_s,
                                          u"Ann\u2069\u202Ex"_s,
                                          u"<b>Bo</b> & Co"_s,
                                          u"tab\tand\rreturn"_s,
                                          u"\u05D0\u05D1\u05D2"_s,
                                          QString(300, u'W')};
        m_name = names.at(below(int(names.size())));
        dialogs.answers = {m_name};
    }
    if (const int answer = below(4); answer == 2) {
        m_test->clock->seconds += float(below(600)) / 10.0f;
    } else if (answer == 3) {
        for (int ticks = below(4); ticks >= 0; --ticks)
            tick();
    }
    --m_openBoxes;
}

// The program's draws during this event come from the event's generator too.
void Monkey::beforeEvent()
{
    m_failure.clear();
    QList<float> &draws = m_test->random->values;
    draws.clear();
    for (int i = 0; i < 128; ++i)
        draws.append(float(m_random.bounded(1 << 24)) / float(1 << 24));
}

void Monkey::afterEvent()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // What the modules have added, from what the user was told and what got checked.
    Program &program = *m_test->program;
    const QList<ShownMessage> &messages = m_test->dialogs->messages;
    for (; m_messagesSeen < messages.size(); ++m_messagesSeen) {
        const QString &prompt = messages.at(m_messagesSeen).prompt;
        if (prompt == Done)
            ++m_completions;
        else if (prompt.startsWith(LevelDone))
            m_expectedTotal =
                Add(m_expectedTotal,
                    Integer(qint16(15 * (prompt.mid(LevelDone.size(), 1).toInt() + 1))));
    }
    MDIForm1 &frame = program.mainWindow();
    const MenuItem *items[] = {&frame.Guiden, &frame.Scroll, &frame.mnuTyping};
    for (int i = 0; i < 3; ++i) {
        if (items[i]->Checked() == m_checked[i])
            continue;
        if (!items[i]->Checked())
            return fail(u"a check mark went: a module's mark was taken away"_s);
        m_checked[i] = true;
        ++stats.modules;
        const Variant added[] = {
            Integer(60), Subtract(Integer(500), Integer(m_scrollTicksBefore)),
            Integer(existing<Form2>(program) ? existing<Form2>(program)->TypingScore : 0)};
        m_expectedTotal = Add(m_expectedTotal, added[i]);
    }
}

void Monkey::trace(const QString &what)
{
    static const bool tracing = qEnvironmentVariableIsSet("THORNAX_MONKEY_TRACE");
    if (tracing)
        qInfo().noquote() << "monkey:" << what;
}

void Monkey::fail(const QString &message)
{
    if (m_failure.isEmpty())
        m_failure = message;
}

QString Monkey::brokenInvariant()
{
    Program &program = *m_test->program;
    MDIForm1 &frame = program.mainWindow();
    frmAbout *panel = existing<frmAbout>(program);
    if (!panel || !panel->isVisible())
        return u"score panel: it is not shown"_s;
    const QString t = ToText(Concat(m_panelTotal, Text(QString())));
    const QString line =
        m_panelFinished ? u"Finished with "_s + t + u" points!"_s : u"Total Score: "_s + t;
    if (panel->controls().Pryl->Caption() != line)
        return u"score panel: it reads \"%1\" instead of \"%2\""_s.arg(
            panel->controls().Pryl->Caption(), line);
    if (program.record().TotalScore.toDouble() != m_expectedTotal.toDouble())
        return u"total: TotalScore is %1, the modules added %2"_s.arg(
            ToText(program.record().TotalScore), ToText(m_expectedTotal));

    int checked = 0;
    for (const MenuItem *item : {&frame.Guiden, &frame.Scroll, &frame.mnuTyping}) {
        checked += item->Checked();
        if (item->Checked() != item->action()->isChecked())
            return u"check mark: the menu shows %1 otherwise"_s.arg(item->action()->text());
    }
    if (m_completions != checked)
        return u"completion: %1 completion messages for %2 checked modules"_s.arg(m_completions)
            .arg(checked);

    const qsizetype asked = m_test->dialogs->questions.size();
    Form4 *certificate = existing<Form4>(program);
    if (asked > 1 || (asked == 1 && !m_panelFinished))
        return u"certificate: the name was asked for %1 times, finished %2"_s.arg(asked).arg(
            m_panelFinished);
    if (frame.mnuCertificate.Enabled() && (!m_panelFinished || asked > 0))
        return u"certificate: the item is enabled"_s;
    if (certificate && certificate->isLoaded()) {
        if (asked != 1)
            return u"loaded: the certificate without a name"_s;
        if (certificate->controls().Label2->Caption() != certificateText(m_name))
            return u"certificate: its text is not made out to the name"_s;
    }
    if (Form1 *installer = existing<Form1>(program);
        frame.Guiden.Checked() && installer->isVisible())
        return u"loaded: the finished installer is shown"_s;
    Form2 *typing = existing<Form2>(program);
    Form3 *scrolling = existing<Form3>(program);
    if ((typing && typing->isLoaded() && frame.mnuTyping.Checked()) ||
        (scrolling && scrolling->isLoaded() && frame.Scroll.Checked()))
        return u"loaded: a finished drill is loaded"_s;
    return brokenModuleInvariant();
}

// The drills: START or the drill's controls, never both; the Installer's line
// follows TimeUsed; counters in range and never going back.
QString Monkey::brokenModuleInvariant()
{
    Program &program = *m_test->program;
    Module1 &record = program.record();
    if (record.RightClicks.kind() != Variant::Kind::Integer || record.RightClicks.toInteger() < 0 ||
        record.RightClicks.toInteger() > 14 ||
        record.InstallerLevel.kind() != Variant::Kind::Integer ||
        record.InstallerLevel.toInteger() < 0 || record.InstallerLevel.toInteger() > 3 ||
        record.TimeUsed.kind() != Variant::Kind::Integer)
        return u"counter: RightClicks %1, InstallerLevel %2, TimeUsed %3"_s.arg(
            ToText(record.RightClicks), ToText(record.InstallerLevel), ToText(record.TimeUsed));
    if (!record.ScrollDrift.isEmpty() &&
        !QList<double>{0, -1, -2}.contains(record.ScrollDrift.toDouble()))
        return u"counter: ScrollDrift %1"_s.arg(ToText(record.ScrollDrift));

    if (Form1Controls *c = loadedControls<Form1>(program)) {
        const bool drill = !c->Command1->isHidden();
        if (!c->Command4->isHidden() == drill || c->Command2->isHidden() == drill ||
            c->Command3->isHidden() == drill || c->Timer1->isActive() != drill ||
            c->Timer2->isActive() != drill)
            return u"installer: START and the drill buttons"_s;
        bool matches = !drill;
        for (int limit : {290, 280, 270})
            matches =
                matches || c->Label2->Caption() ==
                               remainingTimeText(Subtract(Integer(qint16(limit)), record.TimeUsed));
        if (!matches)
            return u"installer: \"%1\" with TimeUsed %2"_s.arg(c->Label2->Caption(),
                                                               ToText(record.TimeUsed));
    }
    if (Form3Controls *c = loadedControls<Form3>(program)) {
        const bool drill = c->Command1->isHidden();
        for (QScrollBar *bar : c->bars())
            if (bar->isEnabled() != drill || bar->value() < 0 || bar->value() > 10)
                return u"scrolling: START and the bars"_s;
        if (c->Timer1->isActive() != drill)
            return u"scrolling: START and the timer"_s;
    }
    if (Form3 *scrolling = existing<Form3>(program)) {
        if (scrolling->scrollTicks() < m_scrollTicks)
            return u"counter: ScrollTicks went back"_s;
        m_scrollTicks = scrolling->scrollTicks();
    }
    if (Form2Controls *c = loadedControls<Form2>(program)) {
        const bool drill = c->Command1->isHidden();
        if (c->Text1->isEnabled() != drill || c->startTimer->isActive() != drill)
            return u"typing: START and the text box"_s;
        // A megabyte in the box is read whole now and then, not after every event.
        if (c->Text1->TextLength() > 65536 && m_event % 50 != 0)
            return {};
        if (c->Text1->TextLength() != c->Text1->Text().size())
            return u"typing: the box counts %1 characters of %2"_s.arg(c->Text1->TextLength())
                .arg(c->Text1->Text().size());
        if (showsInvisibleControl(*c->Text1))
            return u"typing: the box holds a control character it does not show"_s;
    }
    if (Form2 *typing = existing<Form2>(program)) {
        if (typing->TypingSeconds < m_typingSeconds)
            return u"counter: TypingSeconds went back"_s;
        m_typingSeconds = typing->TypingSeconds;
    }
    return {};
}
