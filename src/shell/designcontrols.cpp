#include "designcontrols.h"

#include "accessibility.h"
#include "colours.h"
#include "pictures.h"

#include "label.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void setDesignColour(QWidget *control, QPalette::ColorRole role, const QColor &colour)
{
    const QPalette palette = designPalette(control, role, colour);
    if (palette != control->palette())
        control->setPalette(palette);
}

void fillDesignBackground(QWidget *control, const QColor &colour)
{
    setDesignColour(control, QPalette::Window, colour);
    control->setBackgroundRole(QPalette::Window);
    control->setAutoFillBackground(true);
}

Label *designLabel(QWidget *parent, const char *name, const QString &caption, TwipsPlace place,
                   const QFont &font, WordWrap wrap)
{
    auto *label = placed(new Label(parent, caption), name, place);
    label->setFont(font);
    label->setWordWrap(wrap == WordWrap::Yes);
    return label;
}

QPushButton *designButton(QWidget *parent, const char *name, const QString &caption,
                          TwipsPlace place, const QFont &font)
{
    auto *button = placed(new QPushButton(caption, parent), name, place);
    button->setFont(font);
    return button;
}

QTimer *designTimer(QObject *parent, const char *name, int interval, Qt::TimerType type)
{
    auto *timer = named(new QTimer(parent), name);
    timer->setInterval(interval);
    timer->setTimerType(type);
    return timer;
}

namespace {

// Draws its picture when it is first shown, for the pixel ratio of the screen
// it is shown on: the Installer is loaded hidden at start-up, and start-up need
// not draw a banner that nobody sees yet.
class PictureBox : public QLabel
{
public:
    PictureBox(QWidget *parent, QPixmap (*draw)(qreal pixelRatio)) : QLabel(parent), m_draw(draw)
    {
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        if (pixmap().isNull() || pixmap().devicePixelRatio() != devicePixelRatioF())
            setPixmap(m_draw(devicePixelRatioF()));
        QLabel::showEvent(event);
    }

private:
    QPixmap (*m_draw)(qreal);
};

} // namespace

QLabel *designPicture(QWidget *parent, const char *name, TwipsPlace place,
                      QPixmap (*draw)(qreal pixelRatio))
{
    return placed<QLabel>(new PictureBox(parent, draw), name, place);
}

QLabel *bannerPicture(QWidget *client, TwipsPlace place)
{
    QLabel *picture = designPicture(client, "Picture1", place, banner);
    picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    speak({{picture, QCoreApplication::translate("DesignControls", "Thornax banner")}});
    return picture;
}

QGroupBox *designFrame(QWidget *parent, const char *name, const QString &caption, TwipsPlace place,
                       const QFont &font)
{
    auto *frame = placed(new QGroupBox(caption, parent), name, place);
    frame->setFont(font);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    return frame;
}
