// Writes the pseudo-translation: every source text of the given .ts files,
// bracketed, its letters accented and lengthened by about a third, so that a
// text that escapes translation, or a control too small for a longer language,
// shows at a glance. Placeholders (%1, %n), access keys and line breaks stay.
// Usage: thornax-pseudo-translate OUTPUT.ts INPUT.ts...

#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cstdio>
#include <map>

namespace {

struct Message
{
    QString source;
    QString comment;
};

// Latin letters and an accented look-alike of each.
const QString Plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
const QString Accented = QStringLiteral("ÅƁĆĐÉƑĜĤÎĴĶĻḾÑÖÞǪŔŜŢÛṼŴẊÝŽåƀćđéƒĝĥîĵķļḿñöþǫŕŝţûṽŵẋýž");

QString Pseudo(const QString &source)
{
    QString text;
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        // A placeholder keeps its digit (or n) plain, an access key its letter.
        if (i + 1 < source.size() &&
            ((c == u'%' && (source.at(i + 1).isDigit() || source.at(i + 1) == u'n')) ||
             c == u'&')) {
            text += c;
            text += source.at(++i);
            continue;
        }
        const qsizetype letter = Plain.indexOf(c);
        text += letter >= 0 ? Accented.at(letter) : c;
    }
    const qsizetype padding = (source.size() + 2) / 3 + 1;
    return u'[' + text + u' ' + QString(padding, u'~') + u']';
}

// Reads every message of a .ts file into its context.
bool readMessages(const QString &path, std::map<QString, QList<Message>> &contexts)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == u"TS" || name == u"context" || name == u"message")
            continue;
        if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"source") {
            message = {xml.readElementText(), {}};
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            QList<Message> &messages = contexts[context];
            const bool known =
                std::any_of(messages.cbegin(), messages.cend(), [&](const Message &m) {
                    return m.source == message.source && m.comment == message.comment;
                });
            if (!known)
                messages.append(message);
            xml.skipCurrentElement();
        } else {
            xml.skipCurrentElement();
        }
    }
    return !xml.hasError();
}

bool writeMessages(const QString &path, const std::map<QString, QList<Message>> &contexts)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    xml.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    for (const auto &[context, messages] : contexts) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context);
        for (const Message &message : messages) {
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeTextElement(QStringLiteral("source"), message.source);
            if (!message.comment.isEmpty())
                xml.writeTextElement(QStringLiteral("comment"), message.comment);
            xml.writeTextElement(QStringLiteral("translation"), Pseudo(message.source));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fputs("usage: thornax-pseudo-translate OUTPUT.ts INPUT.ts...\n", stderr);
        return 2;
    }
    std::map<QString, QList<Message>> contexts;
    for (int i = 2; i < argc; ++i) {
        if (!readMessages(QString::fromLocal8Bit(argv[i]), contexts)) {
            std::fprintf(stderr, "thornax-pseudo-translate: cannot read %s\n", argv[i]);
            return 1;
        }
    }
    if (!writeMessages(QString::fromLocal8Bit(argv[1]), contexts)) {
        std::fprintf(stderr, "thornax-pseudo-translate: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
