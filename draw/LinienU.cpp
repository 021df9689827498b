#include "draw/LinienU.h"

#include "draw/KoordU.h"
#include "draw/Runden.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace kalmiro {

void Linienstift(QPainter& canvas, int breite, const QColor& farbe, int stil, bool strichPunkt) {
    QPen stift = canvas.pen();
    // Width 0 would be Qt's cosmetic pen; on the canvas 0 and 1 both give one pixel.
    stift.setWidth(std::max(1, breite));
    stift.setColor(farbe);
    switch (stil) {
    case 1:
        stift.setStyle(Qt::SolidLine);
        break;
    case 2:
        stift.setDashPattern({3, 3});
        break;
    case 3:
        if (strichPunkt) stift.setDashPattern({9, 6, 3, 6});
        break;
    default:
        break;
    }
    // Round ends for solid strokes (the clock hands); dashes keep their length.
    const bool durchgehend = stift.style() == Qt::SolidLine;
    stift.setCapStyle(durchgehend ? Qt::RoundCap : Qt::FlatCap);
    stift.setJoinStyle(Qt::RoundJoin);
    canvas.setPen(stift);
    canvas.setBrush(Qt::NoBrush);
    // Lines and circles are drawn hard-edged, pixel for pixel.
    canvas.setRenderHint(QPainter::Antialiasing, false);
}

void DrawLine(QPainter& canvas, int breite, const QColor& farbe, float x1, float y1, float x2,
              float y2, int stil) {
    if (!canvas.isActive()) return;
    Linienstift(canvas, breite, farbe, stil, false);
    int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
    WorldToPixel(x1, y1, px1, py1);
    WorldToPixel(x2, y2, px2, py2);
    canvas.drawLine(px1, py1, px2, py2);
}

void DrawArrowH(QPainter& canvas, int breite, const QColor& farbe, float x1, float x2, float y,
                char art) {
    DrawLine(canvas, breite, farbe, x1, y, x2, y, 1);
    if (art == 'L' || art == 'B') {
        DrawLine(canvas, breite, farbe, x1, y, x1 + 0.5f, y + 0.2f, 1);
        DrawLine(canvas, breite, farbe, x1, y, x1 + 0.5f, y - 0.2f, 1);
    }
    if (art == 'R' || art == 'B') {
        DrawLine(canvas, breite, farbe, x2 - 0.5f, y + 0.2f, x2, y, 1);
        DrawLine(canvas, breite, farbe, x2 - 0.5f, y - 0.2f, x2, y, 1);
    }
}

void DrawArrowV(QPainter& canvas, int breite, const QColor& farbe, float x, float y1, float y2,
                char art) {
    DrawLine(canvas, breite, farbe, x, y1, x, y2, 1);
    if (art == 'O') {
        DrawLine(canvas, breite, farbe, x, y1, x + 0.2f, y1 - 0.5f, 1);
        DrawLine(canvas, breite, farbe, x, y1, x - 0.2f, y1 - 0.5f, 1);
    } else if (art == 'U') {
        DrawLine(canvas, breite, farbe, x, y2, x + 0.2f, y2 + 0.5f, 1);
        DrawLine(canvas, breite, farbe, x, y2, x - 0.2f, y2 + 0.5f, 1);
    }
}

namespace {

// The circle of DrawCircle with the pen and brush already set; the x scale serves both
// axes, so a circle stays round on a mapping with unequal scales.
void Kreis(QPainter& canvas, float x, float y, float radius) {
    int px = 0, py = 0;
    WorldToPixel(x, y, px, py);
    // Far beyond any canvas; keeps the conversion to int defined.
    const double produkt = std::clamp(static_cast<double>(Abbildung().unitx) * radius, -1e6, 1e6);
    const int r = std::abs(Round(produkt));
    canvas.drawEllipse(QPoint(px, py), r, r);
}

// Pen width and colour set, its style kept: after TextCentreBox the circle has no outline.
void Kreisstift(QPainter& canvas, int breite, const QColor& farbe) {
    QPen stift = canvas.pen();
    stift.setWidth(std::max(1, breite));
    stift.setColor(farbe);
    canvas.setPen(stift);
    canvas.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace

void DrawCircle(QPainter& canvas, int breite, const QColor& stift, float x, float y, float radius,
                const QColor& fuellung, bool gefuellt) {
    if (!canvas.isActive()) return;
    Kreisstift(canvas, breite, stift);
    if (gefuellt)
        canvas.setBrush(fuellung);
    else
        canvas.setBrush(Qt::NoBrush);
    Kreis(canvas, x, y, radius);
}

void DrawBitmapCircle(QPainter& canvas, const QImage& muster, float x, float y, float radius) {
    if (!canvas.isActive()) return;
    Kreisstift(canvas, 1, QColor(0, 0, 0));
    // Without its picture the rim is only outlined rather than filled with nothing known.
    if (muster.isNull())
        canvas.setBrush(Qt::NoBrush);
    else
        canvas.setBrush(QBrush(muster));
    Kreis(canvas, x, y, radius);
}

} // namespace kalmiro
