#pragma once

#include "tests/support/Zeichenpruefung.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cmath>

namespace kalmiro::test {

// The time-zone screen's world to paint-box pixels: 20 a unit across, 19 down, the
// origin at (500, 350).
inline QPoint Pixel(double x, double y) {
    return {static_cast<int>(std::lround(500 + 20 * x)),
            static_cast<int>(std::lround(350 - 19 * y))};
}

// Paint-box pixel rows of a text whose top lies at world height y, clear of its edges.
inline QRect Zeilenband(double y, int hoehe, int links = 0, int rechts = 999) {
    const int oben = Pixel(0, y).y();
    return QRect(QPoint(links, oben + 2), QPoint(rechts, oben + hoehe - 2));
}

// The inks of the map's texts, and the brown of its clocks' rims and of a route.
inline const auto Rot = Etwa(rot, 80);
inline const auto Blau = Etwa(blau, 90);
inline const auto Dunkel = Etwa(schwarz, 90);
inline const QColor braun(153, 102, 51);

} // namespace kalmiro::test
