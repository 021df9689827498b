#include "draw/LinienSysU.h"

#include "draw/KoordSysU.h"
#include "draw/LinienU.h"

#include <QPainter>

namespace kalmiro {

void SysLine(QPainter& canvas, int breite, const QColor& farbe, float x1, float y1, float x2,
             float y2, int stil) {
    // Before the unit-conversion screen has made its mapping there is nothing to draw on.
    if (!KSys || !canvas.isActive()) return;
    Linienstift(canvas, breite, farbe, stil, true);
    int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
    KSys->ToPixel(x1, y1, px1, py1);
    KSys->ToPixel(x2, y2, px2, py2);
    canvas.drawLine(px1, py1, px2, py2);
}

} // namespace kalmiro
