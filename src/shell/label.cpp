#include "label.h"

#include "designcontrols.h"
#include "textdisplay.h"

Label::Label(QWidget *parent, const QString &caption) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Opaque, so that repainting it does not repaint the window beneath.
    setAutoFillBackground(true);
    SetCaption(caption);
}

void Label::setGeometry(const QRect &geometry)
{
    setFixedSize(geometry.size());
    QLabel::setGeometry(geometry);
}

void Label::SetCaption(const QString &caption)
{
    // The score panel rewrites its line every second; an unchanged caption costs no layout.
    if (caption == m_caption)
        return;
    m_caption = caption;
    setText(displayText(caption));
}

QColor Label::ForeColour() const
{
    return palette().color(QPalette::WindowText);
}

void Label::SetForeColour(const QColor &colour)
{
    if (ForeColour() == colour)
        return;
    setDesignColour(this, QPalette::WindowText, colour);
}

void Label::SetBackColour(const QColor &colour)
{
    fillDesignBackground(this, colour);
}
