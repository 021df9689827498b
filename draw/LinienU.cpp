// Not drawn yet: the bodies come with the drawing toolkit.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "draw/LinienU.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTime>

namespace kalmiro {

void DrawLine(QPainter& canvas, int breite, const QColor& farbe, float x1, float y1, float x2, float y2, int stil) {}

void DrawArrowH(QPainter& canvas, int breite, const QColor& farbe, float x1, float x2, float y, char art) {}

void DrawArrowV(QPainter& canvas, int breite, const QColor& farbe, float x, float y1, float y2, char art) {}

void DrawCircle(QPainter& canvas, int breite, const QColor& stift, float x, float y, float radius, const QColor& fuellung, bool gefuellt) {}

void DrawBitmapCircle(QPainter& canvas, const QImage& muster, float x, float y, float radius) {}

} // namespace kalmiro
