#pragma once

#include <QColor>

class QImage;
class QPainter;
class QTime;

namespace kalmiro {

// Analogue clocks in world units of the module-level mapping; centre (x, y), radius r.
void DrawClockFace(QPainter& canvas, const QColor& rand, const QColor& ziffernblatt,
                   int ziffernGroesse, float x, float y, float r);
void DrawClockFaceBitmap(QPainter& canvas, const QColor& ziffernblatt, const QImage& muster,
                         float x, float y, float r);
void DrawClockHands(QPainter& canvas, const QColor& stunde, const QColor& minute,
                    const QColor& sekunde, int breiteStunde, int breiteMinute, int breiteSekunde,
                    const QTime& zeit, float x, float y, float r);
void DrawClockHandsHM(QPainter& canvas, const QColor& stunde, const QColor& minute,
                      int breiteStunde, int breiteMinute, int stunden, int minuten, float x,
                      float y, float r);
void DrawClockHandsShifted(QPainter& canvas, const QColor& stunde, const QColor& minute,
                           const QColor& sekunde, int breiteStunde, int breiteMinute,
                           int breiteSekunde, const QTime& zeit, int verschiebungStunden,
                           int verschiebungMinuten, float x, float y, float r);

} // namespace kalmiro
