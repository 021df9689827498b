#pragma once

#include <QColor>
#include <QString>

class QPainter;

namespace kalmiro {

// Two-colour marked-up text at a pixel point, drawn exactly as DrawMarkedText2.
void FontTextOut(QPainter& canvas, int x, int y, const QString& text, const QColor& basis,
                 const QColor& zweite, int groesse, bool fett);

} // namespace kalmiro
