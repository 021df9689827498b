#include "draw/KoordU.h"

#include "draw/Runden.h"

#include <QColor>
#include <QPainter>
#include <cstdlib>

namespace kalmiro {
namespace {
Weltabbildung welt;
}

void AbbildungBerechnen(Weltabbildung& a, float xmin, float xmax, float ymin, float ymax, int left,
                        int right, int top, int bottom) {
    a.xmin = xmin;
    a.xmax = xmax;
    a.ymin = ymin;
    a.ymax = ymax;
    a.left = left;
    a.right = right;
    a.top = top;
    a.bottom = bottom;
    // An empty world range is never passed; keep the scale finite if it is.
    const long double bx = static_cast<long double>(xmax) - xmin;
    const long double by = static_cast<long double>(ymax) - ymin;
    const float sx = bx != 0 ? static_cast<float>((right - left) / bx) : 0.0f;
    const float sy = by != 0 ? static_cast<float>((bottom - top) / by) : 0.0f;
    a.offx = Round(-static_cast<double>(xmin) * sx);
    a.offy = Round(static_cast<double>(ymin) * sy) + (bottom - top);
    a.unitx = Round(sx);
    a.unity = std::abs(Round(sy));
}

const Weltabbildung& Abbildung() {
    return welt;
}

void InitWorld(float xmin, float xmax, float ymin, float ymax, int left, int right, int top,
               int bottom) {
    AbbildungBerechnen(welt, xmin, xmax, ymin, ymax, left, right, top, bottom);
    welt.backColor = KeineFarbe;
}

void SetWorld(float xmin, float xmax, float ymin, float ymax, int left, int right, int top,
              int bottom) {
    AbbildungBerechnen(welt, xmin, xmax, ymin, ymax, left, right, top, bottom);
}

void SetBackColor(Farbe farbe) {
    welt.backColor = farbe;
}

float XToPixel(float x) {
    return static_cast<float>(welt.unitx) * x + static_cast<float>(welt.offx);
}

float YToPixel(float y) {
    return static_cast<float>(welt.offy) - static_cast<float>(welt.unity) * y;
}

void WorldToPixel(float x, float y, int& px, int& py) {
    px = Round(static_cast<double>(XToPixel(x)) + welt.left);
    py = Round(static_cast<double>(YToPixel(y)) + welt.top);
}

void PaintBackground(QPainter& canvas) {
    if (!IstFarbe(welt.backColor)) return;
    const QColor farbe = QColor::fromRgb(welt.backColor);
    canvas.setBrush(farbe);
    canvas.fillRect(welt.left, welt.top, welt.right - welt.left, welt.bottom - welt.top, farbe);
}

} // namespace kalmiro
