#include "designcontrols.h"

#include "accessibility.h"
#include "pictures.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

void nameControls(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, name] : controls)
        control->setObjectName(QLatin1String(name));
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

QLabel *designPicture(QWidget *parent, const QRect &geometry, QPixmap (*draw)(qreal pixelRatio))
{
    auto *picture = new PictureBox(parent, draw);
    picture->setGeometry(geometry);
    return picture;
}

QLabel *bannerPicture(QWidget *client, const QRect &geometry)
{
    QLabel *picture = designPicture(client, geometry, banner);
    picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    speak({{picture, QCoreApplication::translate("DesignControls", "Thornax banner")}});
    return picture;
}

QGroupBox *designFrame(QWidget *parent, const QString &caption, const QRect &geometry,
                       const QFont &font)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setGeometry(geometry);
    frame->setFont(font);
    frame->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
    return frame;
}
