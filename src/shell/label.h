#pragma once

#include <QColor>
#include <QLabel>

// A label with a caption: always plain text (a typed name is never markup), a
// carriage return starts a new line, and Caption() gives back exactly what was set.
// Drills rewrite captions up to ten times a second, so a new caption repaints the
// label alone: it keeps the size it was placed at and paints its own background.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr, const QString &caption = QString());

    // Places the label and fixes its size there: without a fixed size, every new
    // caption asks the window to lay itself out again, which a sub-window answers
    // by measuring its title anew.
    using QLabel::setGeometry;
    void setGeometry(const QRect &geometry);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    // Shows every caption whole on one line: the label never wraps, and a caption
    // wider than the label moves its left edge back (to x = leftmost at the most)
    // while its right edge stays where it was placed.
    void keepOnOneLine(int leftmost);

    QColor ForeColour() const;
    void SetForeColour(const QColor &colour);
    // Paints the label's own background instead of its container's.
    void SetBackColour(const QColor &colour);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitOneLine();

    QString m_caption;
    QRect m_placed;
    int m_leftmost = -1; // below 0: the label wraps as placed
};
