#include "draw/KoordSysU.h"

#include "draw/Runden.h"

#include <QPainter>

namespace kalmiro {

TKSys::TKSys(float xmin, float xmax, float ymin, float ymax, int left, int right, int top,
             int bottom) {
    AbbildungBerechnen(m_a, xmin, xmax, ymin, ymax, left, right, top, bottom);
    m_a.backColor = KeineFarbe;
}

float TKSys::XToPixel(float x) const {
    return static_cast<float>(m_a.unitx) * x + static_cast<float>(m_a.offx);
}

float TKSys::YToPixel(float y) const {
    return static_cast<float>(m_a.offy) - static_cast<float>(m_a.unity) * y;
}

void TKSys::ToPixel(float x, float y, int& px, int& py) const {
    px = Round(XToPixel(x)) + m_a.left;
    py = Round(YToPixel(y)) + m_a.top;
}

void TKSys::Paint(QPainter& canvas) const {
    const Weltabbildung& a = m_a;
    if (IstFarbe(a.backColor)) {
        const QColor farbe = QColor::fromRgb(a.backColor);
        canvas.setBrush(farbe);
        canvas.fillRect(a.left, a.top, a.right - a.left, a.bottom - a.top, farbe);
    }
    if (!m_gitter) return;

    QPen stift(QColor(128, 128, 128));
    stift.setWidth(1);
    stift.setStyle(Qt::SolidLine);
    canvas.setPen(stift);
    canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const int ax = a.left + a.offx;
    const int ay = a.top + a.offy;
    canvas.drawLine(ax, a.top, ax, a.bottom);
    canvas.drawLine(a.left, ay, a.right, ay);

    // A scale of 0 pixels per unit would never advance; then there is no lattice.
    if (a.unitx <= 0 || a.unity <= 0) return;
    canvas.setPen(QColor(0, 0, 0));
    const auto spalte = [&](int x) {
        for (int y = ay; y <= a.bottom; y += a.unity)
            if (y >= a.top) canvas.drawPoint(x, y);
        for (int y = ay - a.unity; y >= a.top; y -= a.unity)
            if (y <= a.bottom) canvas.drawPoint(x, y);
    };
    for (int x = ax; x <= a.right; x += a.unitx)
        if (x >= a.left) spalte(x);
    for (int x = ax - a.unitx; x >= a.left; x -= a.unitx)
        if (x <= a.right) spalte(x);
}

} // namespace kalmiro
