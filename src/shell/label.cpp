#include "label.h"

#include "designcontrols.h"
#include "textdisplay.h"

#include <QEvent>

#include <algorithm>

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
    m_placed = geometry;
    setFixedSize(geometry.size());
    QLabel::setGeometry(geometry);
    fitOneLine();
}

void Label::keepOnOneLine(int leftmost)
{
    m_leftmost = leftmost;
    setWordWrap(false);
    fitOneLine();
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitOneLine();
}

void Label::fitOneLine()
{
    if (m_leftmost < 0 || m_placed.isNull())
        return;
    const int textWidth = fontMetrics().boundingRect(QRect(), int(alignment()), text()).width();
    const int needed = textWidth + 2 * (frameWidth() + margin());
    const int left = std::clamp(m_placed.right() + 1 - needed,
                                std::min(m_leftmost, m_placed.left()), m_placed.left());
    if (left == x() && width() == m_placed.right() + 1 - left)
        return;
    const QRect geometry(QPoint(left, m_placed.top()), m_placed.bottomRight());
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
    fitOneLine();
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
