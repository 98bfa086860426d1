#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <vector>

class Program;
class QWidget;

// Plays the whole program as a user would, on whatever screen Qt has: every
// window opened from the menu and seen on screen, the three drills finished, a box of every kind
// answered, the certificate made out, and the run ended with "E&xit". Each step
// waits until the program is ready for it; boxes are answered as they open.
// With THORNAX_PLAYTHROUGH_SHOTS set to a folder, it leaves there a numbered picture
// of the screen before each step and box (on screens that let a program take one).
class PlayThrough : public QObject
{
public:
    explicit PlayThrough(Program &program);
    ~PlayThrough() override;

    // Every step taken, or one waited for in vain.
    bool isOver() const { return m_over; }
    // What the run missed or saw wrong, empty when all was as it should be.
    QStringList faults() const;
    // The score panel's line once every drill was done.
    QString scoreLine() const { return m_scoreLine; }

private:
    struct Step;
    void addSteps();
    void poll();
    void answer(QWidget *box);
    void takeShot(const QString &what);

    Program &m_program;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    bool m_acting = false;
    bool m_over = false;
    QTimer m_poll;
    QElapsedTimer m_clock;
    QSet<int> m_answered;  // the icons of the message boxes answered
    QStringList m_prompts; // of the plain boxes, in order
    QString m_elapsed;     // the Typing drill's time when the sentence was nearly typed
    QString m_scoreLine;
    QString m_certificate;
    bool m_certificateItemLeftOn = false;
    int m_shots = 0;
};
