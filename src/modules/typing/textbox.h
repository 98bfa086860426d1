#pragma once

#include <QPlainTextEdit>
#include <QString>

// A multi-line text box whose text is exactly what was typed, pasted and
// assigned: a line break typed with Enter or pasted is a carriage return and a
// line feed, and every other control character stays one character of the
// text, shown as its visible sign so that the user can see it and delete it.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    QString Text() const;
    // Replaces the text (raising Change once) and leaves the caret at the start.
    void SetText(const QString &text);
    // The length of Text(), without building it.
    qsizetype TextLength() const;
    // Whether Text() equals text; reads the box only when the lengths agree.
    bool textEquals(const QString &text) const;

signals:
    // The text has changed, by typing, pasting, deleting or SetText.
    void Change();

protected:
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
};
