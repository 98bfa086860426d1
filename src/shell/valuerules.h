#pragma once

#include "variant.h"

#include <QString>
#include <QtGlobal>

// The value rules every window computes with. Arithmetic widens Integer to Long
// to Double as results leave each range; Single wins over the integer kinds and
// Double over everything.

Variant Add(const Variant &a, const Variant &b);
Variant Subtract(const Variant &a, const Variant &b);
Variant Multiply(const Variant &a, const Variant &b);
// Single when both operands are Empty, Integer or Single; otherwise Double.
// A division by zero gives the floating-point result (infinite or not a number).
Variant Divide(const Variant &a, const Variant &b);
// The text of a followed by the text of b.
Variant Concat(const Variant &a, const Variant &b);

// Numbers and Empty compare numerically, two Strings by their character codes.
// Any other pairing compares the two texts.
bool Equal(const Variant &a, const Variant &b);
bool NotEqual(const Variant &a, const Variant &b);
bool Less(const Variant &a, const Variant &b);
bool Greater(const Variant &a, const Variant &b);
bool GreaterOrEqual(const Variant &a, const Variant &b);

// The greatest integer not above x, of the same kind as x (Empty gives Integer 0).
Variant IntPart(const Variant &x);
// The nearest 16-bit integer, half-way values to the even neighbour. Values
// beyond the 16-bit range stop at its ends; not a number gives 0.
qint16 RoundToInteger(const Variant &x);
// Text of a number: no blank before positive values, 7 significant digits for a
// Single and 15 for a Double, no trailing zeros, the locale's decimal separator.
QString ToText(const Variant &x);

QString LowerCase(const QString &s);
int TextLength(const QString &s);
// One character: codes 0 to 255 go through the Western European code page, so
// 128 is the euro sign and 153 the trade mark sign.
QString CharOf(int code);
// red + 256 x green + 65536 x blue
int RgbColour(int red, int green, int blue);

// Adds one to a 16-bit counter that stops at the top of its range instead of
// wrapping round to a large negative count.
void countUp(qint16 &counter);
