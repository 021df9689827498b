// Not drawn yet: the bodies come with the drawing toolkit.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "draw/AnaloguhrU.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTime>

namespace kalmiro {

void DrawClockFace(QPainter& canvas, const QColor& rand, const QColor& ziffernblatt, int ziffernGroesse, float x, float y, float r) {}

void DrawClockFaceBitmap(QPainter& canvas, const QColor& ziffernblatt, const QImage& muster, float x, float y, float r) {}

void DrawClockHands(QPainter& canvas, const QColor& stunde, const QColor& minute, const QColor& sekunde, int breiteStunde, int breiteMinute, int breiteSekunde, const QTime& zeit, float x, float y, float r) {}

void DrawClockHandsHM(QPainter& canvas, const QColor& stunde, const QColor& minute, int breiteStunde, int breiteMinute, int stunden, int minuten, float x, float y, float r) {}

void DrawClockHandsShifted(QPainter& canvas, const QColor& stunde, const QColor& minute, const QColor& sekunde, int breiteStunde, int breiteMinute, int breiteSekunde, const QTime& zeit, int verschiebungStunden, int verschiebungMinuten, float x, float y, float r) {}

} // namespace kalmiro
