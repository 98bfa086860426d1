#pragma once

#include <QIcon>
#include <QPixmap>

// The program's three pictures, drawn from their sources at their design
// sizes for the device pixel ratio they are shown at (1x, 1.5x, 2x, 3x, ...),
// so that they stay crisp on any screen. Nothing is drawn before it is asked for.

// Offers 16 to 256 pixels; each size is drawn the first time it is asked for.
QIcon programIcon();
// The icon at its design size of 48 x 48, as a picture box shows it; by default
// for the application's pixel ratio.
QPixmap iconPicture(qreal pixelRatio = 0);
// 150 x 300, the drill windows' side picture.
QPixmap banner(qreal pixelRatio);
// 256 x 256, the certificate's seal; by default for the application's pixel ratio.
QPixmap medal(qreal pixelRatio = 0);
