#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace kalmiro {

// Texts, fractions and mixed numbers at world points of the shared KSys object.
// Markers: '^' raised, '\' lowered, '@' a Symbol-font (Greek) character, and the colour
// toggles '#', '_', '~', '$', '§', '&'. Horizontal codes 'L', 'M', 'R'; vertical 'O', 'M', 'U'.
// The routines that place text return a world-unit distance for chaining.

void InitMarkupPalette();
// The letter the Symbol font shows for a character (p is pi, a alpha, ...), as Unicode;
// characters it draws as they are come back unchanged.
QChar SymbolNachUnicode(QChar zeichen);
int SysTextWidth(QPainter& canvas, const QString& text, int groesse);
float SysTextWidthW(QPainter& canvas, const QString& text, int groesse);
void SysDrawText(QPainter& canvas, const QString& text, int x, int y, int groesse);
void SysDrawTextC(QPainter& canvas, const QString& text, int x, int y, const QColor& farbe,
                  int groesse, bool fett);
float SysText(QPainter& canvas, const QString& text, int groesse, float x, float y, char horizontal,
              char vertikal);
float SysTextC(QPainter& canvas, const QString& text, int groesse, float x, float y,
               const QColor& farbe, char horizontal, char vertikal);
float SysFractionWidth(QPainter& canvas, const QString& zaehler, const QString& nenner, int groesse,
                       char code);
float SysFraction(QPainter& canvas, const QString& zaehler, const QString& nenner, float x, float y,
                  int groesse, const QColor& farbe, char code);
float SysMixedWidth(QPainter& canvas, const QString& ganz, const QString& zaehler,
                    const QString& nenner, int groesse);
float SysMixed(QPainter& canvas, const QString& ganz, const QString& zaehler, const QString& nenner,
               float x, float y, int groesse, const QColor& farbe);
float SysFractionUnitWidth(QPainter& canvas, const QString& zaehler, const QString& nenner,
                           int groesse, const QString& einheit);
float SysFractionUnit(QPainter& canvas, const QString& zaehler, const QString& nenner, float x,
                      float y, int groesse, const QColor& farbe, const QString& einheit);

} // namespace kalmiro
