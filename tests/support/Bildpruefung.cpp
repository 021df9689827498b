#include "tests/support/Bildpruefung.h"

#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QImageReader>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kalmiro::test {

QImage Aufnahme(QWidget& widget, const QColor& grund) {
    QImage bild(widget.size(), QImage::Format_ARGB32);
    bild.fill(grund);
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
    while (gilt(lauf.von - 1))
        --lauf.von;
    while (gilt(lauf.bis + 1))
        ++lauf.bis;
    return lauf;
}

double Abweichung(const QImage& eins, const QImage& doppelt) {
    const QImage a = eins.convertToFormat(QImage::Format_ARGB32);
    const QImage b = doppelt.convertToFormat(QImage::Format_ARGB32);
    const int w = std::min(a.width(), b.width() / 2), h = std::min(a.height(), b.height() / 2);
    if (w <= 0 || h <= 0) return 255;
    // The block of a pixel, or the block half a 1:1 pixel up or left: Qt centres a
    // doubled hard-edged line there.
    const auto block = [&b](int x, int y, int (*kanal)(QRgb)) {
        x = std::max(x, 0), y = std::max(y, 0);
        return (kanal(b.pixel(x, y)) + kanal(b.pixel(x + 1, y)) + kanal(b.pixel(x, y + 1)) +
                kanal(b.pixel(x + 1, y + 1))) /
               4.0;
    };
    double summe = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double beste = 3 * 255;
            for (const QPoint versatz :
                 {QPoint(0, 0), QPoint(-1, 0), QPoint(0, -1), QPoint(-1, -1)}) {
                double d = 0;
                using Kanal = int (*)(QRgb);
                for (Kanal kanal : std::initializer_list<Kanal>{qRed, qGreen, qBlue})
                    d += std::abs(kanal(a.pixel(x, y)) -
                                  block(2 * x + versatz.x(), 2 * y + versatz.y(), kanal));
                beste = std::min(beste, d);
            }
            summe += beste;
        }
    }
    return summe / (3.0 * w * h);
}

double FeineBloecke(const QImage& doppelt, const QRect& bereich) {
    const QRect innen = bereich & doppelt.rect();
    if (innen.isEmpty()) return 0.0;
    // The area's commonest colour is its ground; only blocks with something drawn count.
    QHash<QRgb, int> haeufigkeit;
    for (int y = innen.top(); y <= innen.bottom(); ++y)
        for (int x = innen.left(); x <= innen.right(); ++x)
            ++haeufigkeit[doppelt.pixel(x, y)];
    QRgb grund = 0;
    int meiste = 0;
    for (auto it = haeufigkeit.cbegin(); it != haeufigkeit.cend(); ++it)
        if (it.value() > meiste) meiste = it.value(), grund = it.key();
    int bloecke = 0, fein = 0;
    for (int y = innen.top() & ~1; y + 1 <= innen.bottom(); y += 2) {
        for (int x = innen.left() & ~1; x + 1 <= innen.right(); x += 2) {
            const QRgb p[] = {doppelt.pixel(x, y), doppelt.pixel(x + 1, y), doppelt.pixel(x, y + 1),
                              doppelt.pixel(x + 1, y + 1)};
            if (p[0] == grund && p[1] == grund && p[2] == grund && p[3] == grund) continue;
            ++bloecke;
            if (p[1] != p[0] || p[2] != p[0] || p[3] != p[0]) ++fein;
        }
    }
    return bloecke ? static_cast<double>(fein) / bloecke : 0.0;
}

QString DoppeltScharf(QWidget& widget, const QRect& detail, const std::optional<Strichprobe>& probe,
                      const QString& tour) {
    const QImage eins = Aufnahme(widget).convertToFormat(QImage::Format_ARGB32);
    const QImage zwei = AufnahmeBei(widget, 2).convertToFormat(QImage::Format_ARGB32);
    if (zwei.size() != eins.size() * 2) return QStringLiteral("not drawn at twice the size");
    Tour(zwei,
         tour.isEmpty() ? widget.window()->objectName() + QStringLiteral("_200_prozent") : tour);
    const double abweichung = Abweichung(eins, zwei);
    if (abweichung > 3)
        return QStringLiteral("layout not the 1:1 layout doubled (mean difference %1)")
            .arg(abweichung);
    const double fein = FeineBloecke(zwei, QRect(detail.topLeft() * 2, detail.size() * 2));
    if (fein < 0.2) return QStringLiteral("no detail finer than 1:1 (%1 of blocks)").arg(fein);
    if (!probe) return {};
    const Strichprobe& strich = *probe;

    const auto genau = [&strich](const QColor& c) { return c.rgb() == strich.farbe.rgb(); };
    const QPoint p = strich.punkt;
    const Lauf vorher = Strich(eins, p.x(), p.y(), strich.quer, genau);
    if (vorher.Laenge() != strich.breite)
        return QStringLiteral("the 1:1 line is %1 pixels wide").arg(vorher.Laenge());
    // Qt may centre the doubled line half a pixel of 1:1 earlier.
    Lauf danach = Strich(zwei, 2 * p.x(), 2 * p.y(), strich.quer, genau);
    if (danach.Laenge() == 0) {
        const QPoint frueher = strich.quer == Qt::Vertical ? QPoint(0, 1) : QPoint(1, 0);
        danach = Strich(zwei, 2 * p.x() - frueher.x(), 2 * p.y() - frueher.y(), strich.quer, genau);
    }
    if (danach.Laenge() != 2 * strich.breite)
        return QStringLiteral("the line is %1 device pixels wide at 2:1").arg(danach.Laenge());
    if (danach.von < 2 * vorher.von - 1 || danach.von > 2 * vorher.von)
        return QStringLiteral("the line moved: %1 at 2:1, %2 at 1:1")
            .arg(danach.von)
            .arg(vorher.von);
    // Just outside the line: the colour beside it at 1:1, not a blend with the line.
    const auto bei = [&](const QImage& bild, int i, int versatz) {
        return strich.quer == Qt::Vertical ? bild.pixelColor(versatz, i)
                                           : bild.pixelColor(i, versatz);
    };
    const int quer1 = strich.quer == Qt::Vertical ? p.x() : p.y();
    const std::pair<int, int> raender[] = {{danach.von - 1, vorher.von - 1},
                                           {danach.bis + 1, vorher.bis + 1}};
    for (const auto& [i2, i1] : raender) {
        const QColor a = bei(eins, i1, quer1), b = bei(zwei, i2, 2 * quer1);
        const int d = std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                std::abs(a.blue() - b.blue())});
        if (d > 24) return QStringLiteral("a blended edge at device pixel %1").arg(i2);
    }
    return {};
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
    while (it.hasNext())
        dateien << it.next();
    dateien.sort();
    return dateien;
}

double Helligkeitsstreuung(const QImage& bild) {
    double summe = 0, quadrate = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const double l = Helligkeit(bild.pixelColor(x, y));
            summe += l;
            quadrate += l * l;
        }
    const double n = static_cast<double>(bild.width()) * bild.height();
    return std::sqrt(std::max(0.0, quadrate / n - (summe / n) * (summe / n)));
}

QString GruppeFehler(const QString& gruppe, const QList<std::pair<QString, QSize>>& bilder) {
    QStringList fehler, erwartet;
    for (const auto& [pfad, groesse] : bilder) {
        erwartet << pfad;
        if (const QString f = BildFehler(pfad, groesse); !f.isEmpty()) fehler << f;
    }
    erwartet.sort();
    if (const QStringList da = BilderDerGruppe(gruppe); da != erwartet)
        fehler << QStringLiteral("the group holds %1 instead of %2")
                      .arg(da.join(QLatin1String(", ")), erwartet.join(QLatin1String(", ")));
    return fehler.join(QLatin1Char('\n'));
}

} // namespace kalmiro::test
