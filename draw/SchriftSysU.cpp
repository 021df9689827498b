// Not drawn yet: the bodies come with the drawing toolkit.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "draw/SchriftSysU.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTime>

namespace kalmiro {

void InitMarkupPalette() {}

int SysTextWidth(QPainter& canvas, const QString& text, int groesse) { return 0; }

float SysTextWidthW(QPainter& canvas, const QString& text, int groesse) { return 0; }

void SysDrawText(QPainter& canvas, const QString& text, int x, int y, int groesse) {}

void SysDrawTextC(QPainter& canvas, const QString& text, int x, int y, const QColor& farbe, int groesse, bool fett) {}

float SysText(QPainter& canvas, const QString& text, int groesse, float x, float y, char horizontal, char vertikal) { return 0; }

float SysTextC(QPainter& canvas, const QString& text, int groesse, float x, float y, const QColor& farbe, char horizontal, char vertikal) { return 0; }

float SysFractionWidth(QPainter& canvas, const QString& zaehler, const QString& nenner, int groesse, char code) { return 0; }

float SysFraction(QPainter& canvas, const QString& zaehler, const QString& nenner, float x, float y, int groesse, const QColor& farbe, char code) { return 0; }

float SysMixedWidth(QPainter& canvas, const QString& ganz, const QString& zaehler, const QString& nenner, int groesse) { return 0; }

float SysMixed(QPainter& canvas, const QString& ganz, const QString& zaehler, const QString& nenner, float x, float y, int groesse, const QColor& farbe) { return 0; }

float SysFractionUnitWidth(QPainter& canvas, const QString& zaehler, const QString& nenner, int groesse, const QString& einheit) { return 0; }

float SysFractionUnit(QPainter& canvas, const QString& zaehler, const QString& nenner, float x, float y, int groesse, const QColor& farbe, const QString& einheit) { return 0; }

} // namespace kalmiro
