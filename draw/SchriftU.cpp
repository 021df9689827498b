// Not drawn yet: the bodies come with the drawing toolkit.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "draw/SchriftU.h"

#include "draw/Runden.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTime>

namespace kalmiro {

QFont Arial(int punkte, bool fett) {
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(qMax(1, PixelAusPunkten(punkte)));
    schrift.setBold(fett);
    return schrift;
}

int TextWidthMarked(QPainter& canvas, const QString& text, int groesse, bool fett) { return 0; }

void DrawMarkedText(QPainter& canvas, const QString& text, int x, int y, const QColor& farbe, int groesse, bool fett) {}

void DrawMarkedText2(QPainter& canvas, const QString& text, int x, int y, const QColor& basis, const QColor& zweite, int groesse, bool fett) {}

void TextLeft(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe, int groesse, bool fett) {}

void TextRight(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe, int groesse, bool fett) {}

void TextCentre(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe, int groesse, bool fett) {}

void TextCentreBox(QPainter& canvas, const QString& text, float x, float y, const QColor& farbe, const QColor& box, int groesse, bool fett) {}

void TextLeft2(QPainter& canvas, const QString& text, float x, float y, const QColor& basis, const QColor& zweite, int groesse, bool fett) {}

} // namespace kalmiro
