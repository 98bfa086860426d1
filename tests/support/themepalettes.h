#pragma once

#include <QList>
#include <QPalette>
#include <QString>

struct ThemePalette
{
    QString name;
    QPalette palette;
};

// The dark palettes that Debian's desktops hand to Qt programs: qt6ct's
// "darker" scheme, and the GTK platform theme under Adwaita dark.
QList<ThemePalette> darkPalettes();
