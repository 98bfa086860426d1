#pragma once

#include "variant.h"

// The progress record of one training run: the values the windows share. All
// are Empty when the program starts; the main window's load sets the first ones.
struct Module1
{
    Variant ScrollDrift;
    Variant TotalScore;
    Variant RightClicks;
    Variant InstallerLevel;
    Variant TimeUsed;
};
