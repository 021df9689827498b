#include "tests/support/Bildpruefung.h"

#include <QDir>
#include <QWidget>
#include <cstdlib>

namespace kalmiro::test {

QImage Aufnahme(QWidget& widget) {
    QImage bild(widget.size(), QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    widget.render(&bild);
    return bild;
}

void Tour(const QImage& bild, const QString& name) {
    const QString ordner = qEnvironmentVariable("KALMIRO_TOUR");
    if (ordner.isEmpty()) return;
    QDir().mkpath(ordner);
    bild.save(ordner + QLatin1Char('/') + name + QLatin1String(".png"));
}

bool FarbeEtwa(const QImage& bild, int x, int y, const QColor& farbe, int toleranz) {
    if (!bild.valid(x, y)) return false;
    const QColor c = bild.pixelColor(x, y);
    return std::abs(c.red() - farbe.red()) <= toleranz &&
           std::abs(c.green() - farbe.green()) <= toleranz &&
           std::abs(c.blue() - farbe.blue()) <= toleranz;
}

} // namespace kalmiro::test
