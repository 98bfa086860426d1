#include "systemlanguages.h"

#include <QLocale>

QStringList systemLanguages()
{
    // "de-CH" names the translation file "thornax_de_CH", which falls back to "thornax_de".
    QStringList languages = QLocale::system().uiLanguages();
    for (QString &language : languages)
        language.replace(u'-', u'_');
    return languages;
}
