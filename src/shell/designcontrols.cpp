#include "designcontrols.h"

#include "pictures.h"

#include <QGroupBox>
#include <QLabel>

void NameControls(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, name] : controls)
        control->setObjectName(QLatin1String(name));
}

QLabel *BannerPicture(QWidget *client, const QRect &geometry)
{
    auto *picture = new QLabel(client);
    picture->setGeometry(geometry);
    picture->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(Banner());
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
