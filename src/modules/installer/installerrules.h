#pragma once

#include "variant.h"

#include <QString>

#include <array>

// The Installer drill's derived quantities, computed with the value rules.

// Time limit of a level in ticks: 300 - 10 x level.
Variant timeLimit(const Variant &level);
// "Remaining time:" followed by the ticks in seconds and " seconds."
QString remainingTimeText(const Variant &ticks);
// Interval of the shuffle clock in milliseconds: 1000 - 10 x level, at least 1.
int shufflePeriod(const Variant &level);

// The caption of the button to hit, in the user's language.
QString nextCaption();

// The captions of Command1, Command2 and Command3 for the draw k (1 to 3):
// "Cancel" follows "Next" in the cycle of the three buttons and "Back" precedes it.
using Arrangement = std::array<QString, 3>;
Arrangement arrangementFor(const Variant &k);
