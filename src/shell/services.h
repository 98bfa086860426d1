#pragma once

#include <QString>

#include <memory>

// The runtime services the windows use: clock, random numbers, modal boxes and
// ending the program. The program uses the Qt-backed ones; tests put fakes in.

class Clock
{
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with a fractional part.
    virtual float SecondsSinceMidnight() = 0;
};

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void Reseed(float seed) = 0;
    // Uniform in [0, 1).
    virtual float RandomUnit() = 0;
};

enum class MessageIcon { None, Information, Error };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A modal box with one OK button, titled with the program's name.
    virtual void ShowMessage(const QString &prompt, MessageIcon icon) = 0;
    // A modal one-line input box; "" when cancelled.
    virtual QString AskText(const QString &prompt) = 0;
};

class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void EndProgram() = 0;
};

struct Services
{
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<ProgramEnd> end;
};

// The services of the running program: the local clock, the trainer's random
// generator, Qt's message and input boxes, and leaving the event loop.
Services desktopServices();
