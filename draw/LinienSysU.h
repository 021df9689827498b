#pragma once

#include <QColor>

class QPainter;

namespace kalmiro {

// As DrawLine, on the shared KSys mapping; style 3 is dash-dot.
void SysLine(QPainter& canvas, int breite, const QColor& farbe, float x1, float y1, float x2,
             float y2, int stil);

} // namespace kalmiro
