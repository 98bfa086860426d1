#include "textbox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

// The Unicode control pictures: U+2401 to U+241F for codes 1 to 31, U+2421 for 127.
constexpr char16_t FirstControlPicture = 0x2400;
constexpr char16_t DeletePicture = 0x2421;
constexpr char16_t Delete = 0x7F;

bool isControl(char16_t c)
{
    return (c >= 1 && c < 0x20) || c == Delete;
}

QChar pictureOf(char16_t control)
{
    return QChar(control == Delete ? DeletePicture : char16_t(FirstControlPicture + control));
}

QChar controlOf(QChar shown)
{
    const char16_t c = shown.unicode();
    if (c == DeletePicture)
        return QChar(Delete);
    if (c > FirstControlPicture && c < FirstControlPicture + 0x20)
        return QChar(char16_t(c - FirstControlPicture));
    return shown;
}

// How the box shows a text, and which text a shown one stands for; a line
// break between shown lines stands for a carriage return and a line feed.
QString shownText(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            shown.append(QLatin1Char('\n'));
            ++i;
        } else {
            shown.append(isControl(c) ? pictureOf(c) : QChar(c));
        }
    }
    return shown;
}

// A pasted text as the box shows it: each line break, of whatever kind, breaks
// the line as Enter does; every other control character is its picture.
QString shownPaste(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (QChar &c : text)
        if (c != QLatin1Char('\n') && isControl(c.unicode()))
            c = pictureOf(c.unicode());
    return text;
}

// A key that sends a control character of its own rather than editing: not
// Backspace, Delete, Escape, Tab or Enter, nor a shortcut.
bool typesControl(const QKeyEvent &event)
{
    static const QList<int> editingKeys = {Qt::Key_Backspace, Qt::Key_Delete,  Qt::Key_Escape,
                                           Qt::Key_Tab,       Qt::Key_Backtab, Qt::Key_Return,
                                           Qt::Key_Enter};
    const QString text = event.text();
    return text.size() == 1 && isControl(text.at(0).unicode()) &&
           !editingKeys.contains(event.key()) &&
           !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

QString textOfShown(QStringView shownLine)
{
    QString text;
    text.reserve(shownLine.size());
    for (QChar c : shownLine)
        text.append(controlOf(c));
    return text;
}

} // namespace

TextBox::TextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // Tab moves on to the next control, as in any form.
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &TextBox::Change);
}

QString TextBox::Text() const
{
    QString text;
    text.reserve(TextLength());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            text.append(LineBreak);
        text.append(textOfShown(block.text()));
    }
    return text;
}

void TextBox::SetText(const QString &text)
{
    const QString current = Text();
    QTextCursor cursor(document());
    if (text.startsWith(current)) {
        // Appending leaves what is shown alone, so a megabyte of text is not laid out again.
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(shownText(text.sliced(current.size())));
    } else {
        cursor.select(QTextCursor::Document);
        cursor.insertText(shownText(text));
    }
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

qsizetype TextBox::TextLength() const
{
    // Every shown character is one character of the text, and each of the
    // blockCount - 1 line breaks is two; characterCount counts one more for the end.
    const QTextDocument *doc = document();
    return qsizetype(doc->characterCount()) - 1 + (doc->blockCount() - 1);
}

bool TextBox::textEquals(const QString &text) const
{
    return TextLength() == text.size() && Text() == text;
}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QMimeData shown;
    shown.setText(shownPaste(source->text()));
    QPlainTextEdit::insertFromMimeData(&shown);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // The editor would drop a typed control character; it goes in as its picture.
    if (typesControl(*event)) {
        insertPlainText(pictureOf(event->text().at(0).unicode()));
        event->accept();
        return;
    }
    // Shift+Enter would break the line without a paragraph; every Enter is one line break here.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers().testFlag(Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
