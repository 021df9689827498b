#include "draw/FontU.h"

#include "draw/SchriftU.h"

namespace kalmiro {

void FontTextOut(QPainter& canvas, int x, int y, const QString& text, const QColor& basis,
                 const QColor& zweite, int groesse, bool fett) {
    DrawMarkedText2(canvas, text, x, y, basis, zweite, groesse, fett);
}

} // namespace kalmiro
