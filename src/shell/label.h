#pragma once

#include <QColor>
#include <QLabel>

// A label with a caption: always plain text (a typed name is never markup), a
// carriage return starts a new line, and Caption() gives back exactly what was set.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget *parent = nullptr, const QString &caption = QString());

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);

    QColor ForeColour() const;
    void SetForeColour(const QColor &colour);
    // Paints the label's own background instead of its container's.
    void SetBackColour(const QColor &colour);

private:
    QString m_caption;
};
