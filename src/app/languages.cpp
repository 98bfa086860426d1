#include "languages.h"

#include "systemlanguages.h"

#include <QCoreApplication>
#include <QLibraryInfo>

const QString Translations::Pseudo = QStringLiteral("pseudo");

namespace {

// The program's translations are built into it.
const QString ProgramTranslations = QStringLiteral(":/i18n");

bool isCLocale(const QString &locale)
{
    return locale.isEmpty() || locale == u"C" || locale == u"POSIX" || locale.startsWith(u"C.") ||
           locale.startsWith(u"C@");
}

// "en", "en_GB": the program's own language, which has no catalogue. Both
// system seams give languages with "_" (systemlanguages_*.cpp).
bool isEnglish(const QString &language)
{
    return language == u"en" || language.startsWith(u"en_");
}

QString withoutCodesetAndModifier(QString language)
{
    language = language.section(u'@', 0, 0).section(u'.', 0, 0);
    return language.replace(u'-', u'_');
}

} // namespace

QStringList messageLanguages(const EnvironmentLookup &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    if (isCLocale(locale))
        return {};
    const QString preferred = environment("LANGUAGE");
    QStringList languages;
    for (const QString &language :
         preferred.isEmpty() ? QStringList{locale} : preferred.split(u':', Qt::SkipEmptyParts)) {
        if (!isCLocale(language))
            languages.append(withoutCodesetAndModifier(language));
    }
    return languages;
}

QStringList Translations::systemChoice()
{
    const QString pseudo = qEnvironmentVariable("THORNAX_PSEUDO_TRANSLATION");
    if (!pseudo.isEmpty() && pseudo != u"0")
        return {Pseudo};
    return systemLanguages();
}

Translations::Translations(const QStringList &languages)
{
    for (const QString &language : languages) {
        // Without this the search would pass English by, for want of its
        // catalogue, and take a later language the user reads less well.
        if (isEnglish(language))
            return;
        if (!m_program.load(QStringLiteral("thornax_") + language, ProgramTranslations))
            continue;
        m_language = language;
        // Qt's own texts (OK, Cancel, ...) from the system's Qt translations,
        // falling back from "de_AT" to "de" as the program's did.
        (void)m_toolkit.load(QStringLiteral("qtbase_") + language,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return;
    }
}

void Translations::install()
{
    if (!m_program.isEmpty())
        QCoreApplication::installTranslator(&m_program);
    if (!m_toolkit.isEmpty())
        QCoreApplication::installTranslator(&m_toolkit);
}

QString Translations::translate(const char *context, const char *source) const
{
    const QString translated = m_program.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}
