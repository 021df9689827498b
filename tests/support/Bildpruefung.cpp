#include "tests/support/Bildpruefung.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QWidget>
#include <cstdlib>

namespace kalmiro::test {

QImage Aufnahme(QWidget& widget, const QColor& grund) {
    QImage bild(widget.size(), QImage::Format_ARGB32);
    bild.fill(grund);
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

QRect Umriss(const QImage& bild, const std::function<bool(const QColor&)>& passt, QRect bereich) {
    if (bereich.isNull()) bereich = bild.rect();
    bereich &= bild.rect();
    QRect umriss;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (passt(bild.pixelColor(x, y))) umriss |= QRect(x, y, 1, 1);
    return umriss;
}

QString BildFehler(const QString& pfad, QSize groesse) {
    QImageReader leser(pfad);
    const QImage bild = leser.read();
    if (bild.isNull()) return pfad + QLatin1String(": ") + leser.errorString();
    if (bild.size() != groesse)
        return QStringLiteral("%1: %2 x %3 instead of %4 x %5")
            .arg(pfad)
            .arg(bild.width())
            .arg(bild.height())
            .arg(groesse.width())
            .arg(groesse.height());
    return {};
}

QStringList BilderDerGruppe(const QString& gruppe) {
    QStringList dateien;
    QDirIterator it(QLatin1String(":/bilder/") + gruppe, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) dateien << it.next();
    dateien.sort();
    return dateien;
}

} // namespace kalmiro::test
