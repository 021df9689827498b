#pragma once

#include <QColor>
#include <QImage>
#include <QString>

class QWidget;

namespace kalmiro::test {

// The widget as it paints, in an image of its size.
QImage Aufnahme(QWidget& widget);
// Writes the picture to the tour folder for people to look at (KALMIRO_TOUR).
void Tour(const QImage& bild, const QString& name);
// True if the pixel lies within toleranz of the colour in each channel.
bool FarbeEtwa(const QImage& bild, int x, int y, const QColor& farbe, int toleranz = 0);

} // namespace kalmiro::test
