#pragma once

#include <QStringList>

// The languages the user reads, best first, as this platform records them:
// the environment's locale variables on Unix, the user's display language on
// Windows. Empty where the user asked for the untranslated texts.
QStringList systemLanguages();
