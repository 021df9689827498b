#include "tests/support/Bildpruefung.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace kalmiro::test {

QImage Aufnahme(QWidget& widget) {
    QImage bild(widget.size(), QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    widget.render(&bild);
    return bild;
}

QImage AufnahmeBei(QWidget& widget, qreal verhaeltnis) {
    QImage bild((QSizeF(widget.size()) * verhaeltnis).toSize(), QImage::Format_ARGB32);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(Qt::transparent);
    widget.render(&bild);
    return bild;
}

Lauf Strich(const QImage& bild, int x, int y, Qt::Orientation richtung,
            const std::function<bool(const QColor&)>& passt) {
    const auto gilt = [&](int i) {
        const QPoint p = richtung == Qt::Vertical ? QPoint(x, i) : QPoint(i, y);
        return bild.valid(p) && passt(bild.pixelColor(p));
    };
    const int mitte = richtung == Qt::Vertical ? y : x;
    if (!gilt(mitte)) return {};
    Lauf lauf{mitte, mitte};
    while (gilt(lauf.von - 1)) --lauf.von;
    while (gilt(lauf.bis + 1)) ++lauf.bis;
    return lauf;
}

double Abweichung(const QImage& eins, const QImage& doppelt) {
    const QImage a = eins.convertToFormat(QImage::Format_ARGB32);
    const QImage b = doppelt.convertToFormat(QImage::Format_ARGB32);
    const int w = std::min(a.width(), b.width() / 2), h = std::min(a.height(), b.height() / 2);
    if (w <= 0 || h <= 0) return 255;
    double summe = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q[] = {b.pixel(2 * x, 2 * y), b.pixel(2 * x + 1, 2 * y),
                              b.pixel(2 * x, 2 * y + 1), b.pixel(2 * x + 1, 2 * y + 1)};
            using Kanal = int (*)(QRgb);
            for (Kanal kanal : std::initializer_list<Kanal>{qRed, qGreen, qBlue}) {
                const double mittel = (kanal(q[0]) + kanal(q[1]) + kanal(q[2]) + kanal(q[3])) / 4.0;
                summe += std::abs(kanal(p) - mittel);
            }
        }
    }
    return summe / (3.0 * w * h);
}

double FeineBloecke(const QImage& doppelt, const QRect& bereich) {
    int bloecke = 0, fein = 0;
    for (int y = bereich.top() & ~1; y + 1 <= bereich.bottom(); y += 2) {
        for (int x = bereich.left() & ~1; x + 1 <= bereich.right(); x += 2) {
            if (!doppelt.valid(x + 1, y + 1)) continue;
            const QRgb p = doppelt.pixel(x, y);
            ++bloecke;
            if (doppelt.pixel(x + 1, y) != p || doppelt.pixel(x, y + 1) != p ||
                doppelt.pixel(x + 1, y + 1) != p)
                ++fein;
        }
    }
    return bloecke ? static_cast<double>(fein) / bloecke : 0.0;
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
