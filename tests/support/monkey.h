#pragma once

#include "testprogram.h"
#include "variant.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

#include <memory>
#include <optional>

class QTimer;
class QWidget;

struct MonkeyFailure
{
    int event;        // the number of the event after which an invariant broke
    int episodeStart; // the event that started the program it broke in
    QString message;
};

// A seeded random user of the whole program, in-process, with the fake services:
// it chooses menu commands, clicks any visible control, presses keys, pastes,
// closes windows, lets timers tick (moving the fake clock on) and answers boxes at
// once, later or after ticks. Each event draws from a generator of its own, made
// from the seed and the event's number, so any list of event numbers replays
// exactly. A fresh program starts at the first event and after every Exit.
// After each event it checks the invariants that must hold in every state.
class Monkey
{
public:
    explicit Monkey(quint32 seed) : m_seed(seed) {}
    ~Monkey();

    std::optional<MonkeyFailure> play(const QList<int> &events);
    // Plays events 0 to count - 1 and, on a failure, also looks for a shorter
    // list of events that fails the same way; gives the failure with its replay.
    std::optional<QString> playAndShrink(int count);

    // What the monkey got to: programs started, modules finished, certificates.
    struct Stats
    {
        int episodes = 0;
        int modules = 0;
        int certificates = 0;
    } stats;

private:
    void startProgram();
    void playEvent();
    void chooseMenuCommand();
    void choose(class MenuItem &item);
    void click(QWidget *control);
    void clickHelpfully();
    void pressKey(QWidget *target);
    void paste(QWidget *target);
    void closeAWindow();
    void tick();
    void boxIsOpen();
    void beforeEvent();
    void afterEvent();
    QString brokenInvariant();
    QString brokenModuleInvariant();
    void fail(const QString &message);
    // Says what the monkey does, when THORNAX_MONKEY_TRACE is set.
    void trace(const QString &what);

    QList<QWidget *> visibleControls() const;
    QWidget *typingTarget();
    QList<QTimer *> runningTimers() const;
    int below(int bound) { return int(m_random.bounded(bound)); }

    quint32 m_seed;
    QRandomGenerator m_random;
    std::unique_ptr<TestProgram> m_test;
    int m_event = 0;
    int m_episodeStart = 0;
    QString m_failure;

    // What the monkey knows of the run, to check the program against.
    Variant m_expectedTotal; // the sum of what each module has added
    Variant m_panelTotal;    // the total at the score panel's last tick
    bool m_panelFinished = false;
    int m_openBoxes = 0;
    int m_messagesSeen = 0;
    int m_completions = 0;
    qint16 m_scrollTicksBefore = 0; // at the scrolling drill's latest tick
    qint16 m_scrollTicks = 0;
    qint16 m_typingSeconds = 0;
    bool m_checked[3] = {};
    QString m_name; // the answer given to the name box
    bool m_named = false;
};
