#pragma once

#include <QColor>
#include <QString>

class QFont;
class QPainter;

namespace kalmiro {

// "Arial" at a size in points, turned into pixels at 96 dpi whatever the device.
QFont Arial(int punkte, bool fett);
// The size of a raised or lowered character: Round(0.75 x size).
int KleineGroesse(int groesse);

// Marked-up text: '^' raises and '!' lowers the next character; in the two-colour
// routines '#' toggles between the base and the second colour.
int TextWidthMarked(QPainter& canvas, const QString& text, int groesse, bool fett);
void DrawMarkedText(QPainter& canvas, const QString& text, int x, int y, const QColor& farbe,
                    int groesse, bool fett);
void DrawMarkedText2(QPainter& canvas, const QString& text, int x, int y, const QColor& basis,
                     const QColor& zweite, int groesse, bool fett);

// Texts at a world point of the module-level mapping; the point is the top of the text.
void TextLeft(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
              int groesse, bool fett);
void TextRight(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
               int groesse, bool fett);
void TextCentre(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
                int groesse, bool fett);
void TextCentreBox(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe,
                   const QColor& box, int groesse, bool fett);
void TextLeft2(QPainter& canvas, const QString& text, float x, float y, const QColor& basis,
               const QColor& zweite, int groesse, bool fett);

} // namespace kalmiro
