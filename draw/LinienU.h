#pragma once

#include <QColor>

class QImage;
class QPainter;

namespace kalmiro {

// Lines, arrows and circles in world units of the module-level mapping (KoordU).
// Style 1 sets the pen solid, 2 dotted; any other value keeps the pen's style.
void DrawLine(QPainter& canvas, int breite, const QColor& farbe, float x1, float y1, float x2,
              float y2, int stil);
// art 'L': head at x1, 'R': head at x2, 'B': both, other: none.
void DrawArrowH(QPainter& canvas, int breite, const QColor& farbe, float x1, float x2, float y,
                char art);
// art 'O': head at y1 pointing up, 'U': head at y2 pointing down, other: none.
void DrawArrowV(QPainter& canvas, int breite, const QColor& farbe, float x, float y1, float y2,
                char art);
void DrawCircle(QPainter& canvas, int breite, const QColor& stift, float x, float y, float radius,
                const QColor& fuellung, bool gefuellt);
void DrawBitmapCircle(QPainter& canvas, const QImage& muster, float x, float y, float radius);

// Sets the pen of a line: width and colour; style 1 solid, 2 dotted, 3 dash-dot where
// strichPunkt allows it, any other keeps the pen's style. The brush is cleared.
void Linienstift(QPainter& canvas, int breite, const QColor& farbe, int stil, bool strichPunkt);

} // namespace kalmiro
