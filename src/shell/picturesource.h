#pragma once

#include <QPixmap>

// Where the program's pictures come from: drawn from their SVG sources where
// Qt can draw SVG, else taken from PNGs rendered at build time at 1x, 2x and 3x,
// and the icon at each size it offers, each size from the smallest rendering at
// or above it (the build picks the one source file). Both serve pictures by name
// ("icon", "banner", "medal") at a size in device-independent pixels for a pixel ratio.
QPixmap drawPicture(const QString &name, QSize size, qreal pixelRatio);
