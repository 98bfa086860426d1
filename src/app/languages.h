#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <functional>

// The languages the user reads, best first, as the environment names them:
// LANGUAGE (a colon-separated list) unless the messages' locale (LC_ALL,
// LC_MESSAGES, LANG, the first one set) is C or POSIX, in which case none.
// Codesets and modifiers are dropped: "de_DE.UTF-8" gives "de_DE".
using EnvironmentLookup = std::function<QString(const char *name)>;
QStringList messageLanguages(const EnvironmentLookup &environment);

// The program's texts and Qt's own in one language, the first of the given
// ones that the program is translated into; English (nothing loaded) when none
// is, or when English ("en", any region) comes first.
class Translations
{
public:
    explicit Translations(const QStringList &languages);
    // The languages of the system locale, or the pseudo-translation when
    // THORNAX_PSEUDO_TRANSLATION is set to anything but 0.
    static QStringList systemChoice();
    // The name of the pseudo-translation among the languages.
    static const QString Pseudo;

    // The language loaded ("de", "fr_CA", ...); empty for English.
    QString language() const { return m_language; }
    // Installs both into the application object, which must exist.
    void install();
    // A text translated before the application object exists.
    QString translate(const char *context, const char *source) const;

private:
    QTranslator m_program;
    QTranslator m_toolkit;
    QString m_language;
};
