#pragma once

#include <QString>

// The text as Qt should display it: the trainer breaks lines with a carriage
// return alone, which Qt does not, so a lone CR and a CR LF pair both become a
// line feed. Stored values keep their carriage returns.
QString displayText(const QString &text);
