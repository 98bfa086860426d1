#pragma once

#include "services.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A clock that reads what the test sets.
class FixedClock : public Clock
{
public:
    float SecondsSinceMidnight() override { return seconds; }
    float seconds = 43200.0f;
};

// Hands out the listed values in order (then 0), and records every reseed.
class ScriptedRandom : public RandomSource
{
public:
    void Reseed(float seed) override { seeds.append(seed); }
    float RandomUnit() override { return values.isEmpty() ? 0.0f : values.takeFirst(); }

    // Queues the unit value that makes IntPart(RandomUnit() x n) + 1 come out as k.
    void queueDraw(int k, int n)
    {
        values.append((static_cast<float>(k) - 0.5f) / static_cast<float>(n));
    }

    QList<float> values;
    QList<float> seeds;
};

struct ShownMessage
{
    QString prompt;
    MessageIcon icon;
};

// Records every box instead of showing it; answers input boxes from a script
// and can run a callback while a box is "open", as a tick arriving then would.
class RecordingDialogs : public Dialogs
{
public:
    void ShowMessage(const QString &prompt, MessageIcon icon) override;
    QString AskText(const QString &prompt) override;

    QList<ShownMessage> messages;
    QStringList questions;
    QStringList answers;             // taken in order; "" when none is left
    std::function<void()> whileOpen; // run once per box, while it is open

    QStringList prompts() const;
};

class RecordingEnd : public ProgramEnd
{
public:
    void EndProgram() override { ++calls; }
    int calls = 0;
};
