#include "designcontrols.h"

#include "accessibility.h"
#include "pictures.h"

#include <QGroupBox>
#include <QLabel>

void NameControls(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, name] : controls)
        control->setObjectName(QLatin1String(name));
}

namespace {

// Gets its picture when it is first shown: the Installer is loaded hidden at
// start-up, and start-up need not draw a banner that nobody sees yet.
class BannerBox : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void showEvent(QShowEvent *event) override
    {
        if (pixmap().isNull())
            setPixmap(Banner());
        QLabel::showEvent(event);
    }
};

} // namespace

QLabel *BannerPicture(QWidget *client, const QRect &geometry)
{
    auto *picture = new BannerBox(client);
    picture->setGeometry(geometry);
    picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Speak({{picture, QStringLiteral("Thornax banner")}});
    return picture;
}

QGroupBox *DesignFrame(QWidget *parent, const QString &caption, const QRect &geometry,
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
