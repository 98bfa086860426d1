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

constexpr int megabyte = 1 << 20;

// A megabyte of typing: lines of the given length, or one paragraph when 0.
QString filler(int lineLength)
{
    const QString words = QStringLiteral("the quick brown fox jumps over the lazy dog ");
    QString text;
    text.reserve(megabyte);
    while (text.size() < megabyte) {
        if (lineLength > 0 && text.size() % (lineLength + 1) == lineLength)
            text.append(u'\n');
        else
            text.append(words.at(text.size() % words.size()));
    }
    return text;
}

// Processor time of this thread, in nanoseconds: what the keystroke costs,
// whatever else the machine is busy with meanwhile.
qint64 threadNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 keystroke(QPlainTextEdit *box, Qt::Key key, const QString &text)
{
    const qint64 started = threadNanoseconds();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QCoreApplication::sendEvent(box, &release);
    QCoreApplication::sendPostedEvents();
    box->viewport()->repaint();
    return threadNanoseconds() - started;
}

double percentile(std::vector<qint64> samples, double share)
{
    std::sort(samples.begin(), samples.end());
    const auto index = std::min(samples.size() - 1, std::size_t(share * double(samples.size())));
    return double(samples[index]) / 1e6;
}

void measure(QPlainTextEdit *box, const char *shape, int lineLength, int keystrokes)
{
    box->selectAll();
    box->insertPlainText(filler(lineLength));
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
    QCoreApplication::processEvents();

    std::vector<qint64> samples;
    for (int i = 0; i < keystrokes; ++i)
        samples.push_back(i % 2 == 0 ? keystroke(box, Qt::Key_A, QStringLiteral("a"))
                                     : keystroke(box, Qt::Key_Backspace, QString()));
    report(QByteArray("keystroke_").append(shape).append("_p50_ms").constData(),
           percentile(samples, 0.50));
    report(QByteArray("keystroke_").append(shape).append("_p99_ms").constData(),
           percentile(samples, 0.99));
}

} // namespace

void measureTyping()
{
    QMdiSubWindow *typing = chooseMenuItem(QStringLiteral("Module 3: Typing"));
    if (QAbstractButton *start = buttonWithCaption(typing, QStringLiteral("START")))
        start->click();
    auto *box = typing ? typing->findChild<QPlainTextEdit *>() : nullptr;
    if (box) {
        box->setFocus();
        measure(box, "lines", 79, 400);
        // Each of these takes a good part of a second.
        measure(box, "paragraph", 0, 20);
    }
    QCoreApplication::quit();
}
