#include "systemlanguages.h"

#include "languages.h"

QStringList systemLanguages()
{
    return messageLanguages([](const char *name) { return qEnvironmentVariable(name); });
}
