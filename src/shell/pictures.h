#pragma once

#include <QIcon>
#include <QPixmap>

// The program's three pictures, drawn from their SVG sources at their design
// sizes (and crisp at any screen scale).
QIcon ProgramIcon(); // 48 x 48
QPixmap Banner();    // 150 x 300, the drill windows' side picture
QPixmap Medal();     // 256 x 256, the certificate's seal
