// The Typing drill's text box holding a megabyte: the processor time one
// keystroke costs, from the key event to the box painted again, in the
// program's own process.

#include "probe.h"
#include "probing.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <time.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int Megabyte = 1 << 20;

// A megabyte of typing: lines of the given length, or one paragraph when 0.
QString Filler(int lineLength)
{
    const QString words = QStringLiteral("the quick brown fox jumps over the lazy dog ");
    QString text;
    text.reserve(Megabyte);
    while (text.size() < Megabyte) {
        if (lineLength > 0 && text.size() % (lineLength + 1) == lineLength)
            text.append(u'\n');
        else
            text.append(words.at(text.size() % words.size()));
    }
    return text;
}

// Processor time of this thread, in nanoseconds: what the keystroke costs,
// whatever else the machine is busy with meanwhile.
qint64 ThreadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 Keystroke(QPlainTextEdit *box, Qt::Key key, const QString &text)
{
    const qint64 started = ThreadNanoseconds();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QCoreApplication::sendEvent(box, &release);
    QCoreApplication::sendPostedEvents();
    box->viewport()->repaint();
    return ThreadNanoseconds() - started;
}

double Percentile(std::vector<qint64> samples, double share)
{
    std::sort(samples.begin(), samples.end());
    const auto index = std::min(samples.size() - 1, std::size_t(share * double(samples.size())));
    return double(samples[index]) / 1e6;
}

void Measure(QPlainTextEdit *box, const char *shape, int lineLength, int keystrokes)
{
    box->selectAll();
    box->insertPlainText(Filler(lineLength));
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
    QCoreApplication::processEvents();

    std::vector<qint64> samples;
    for (int i = 0; i < keystrokes; ++i)
        samples.push_back(i % 2 == 0 ? Keystroke(box, Qt::Key_A, QStringLiteral("a"))
                                     : Keystroke(box, Qt::Key_Backspace, QString()));
    Report(QByteArray("keystroke_").append(shape).append("_p50_ms").constData(),
           Percentile(samples, 0.50));
    Report(QByteArray("keystroke_").append(shape).append("_p99_ms").constData(),
           Percentile(samples, 0.99));
}

} // namespace

void MeasureTyping()
{
    QMdiSubWindow *typing = ChooseMenuItem(QStringLiteral("Module 3: Typing"));
    if (QAbstractButton *start = ButtonWithCaption(typing, QStringLiteral("START")))
        start->click();
    auto *box = typing ? typing->findChild<QPlainTextEdit *>() : nullptr;
    if (box) {
        box->setFocus();
        Measure(box, "lines", 79, 400);
        // Each of these takes a good part of a second.
        Measure(box, "paragraph", 0, 20);
    }
    QCoreApplication::quit();
}
