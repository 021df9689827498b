#include "tests/support/Bildpruefung.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>

using namespace kalmiro::test;

class TstBilderUhr : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gruppe();
    void holzIstHolz();
    void holzKachelt();
};

void TstBilderUhr::gruppe() {
    const QString fehler =
        GruppeFehler(QStringLiteral("uhr"), {{QStringLiteral(":/bilder/uhr/holz.png"), {67, 67}}});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

// Warm brown, with grain: light and dark bands, not a flat colour.
void TstBilderUhr::holzIstHolz() {
    const QImage holz(QStringLiteral(":/bilder/uhr/holz.png"));
    QVERIFY(!holz.isNull());
    double rot = 0, gruen = 0, blau = 0;
    const int n = holz.width() * holz.height();
    for (int y = 0; y < holz.height(); ++y) {
        for (int x = 0; x < holz.width(); ++x) {
            const QColor c = holz.pixelColor(x, y);
            QCOMPARE(c.alpha(), 255);
            rot += c.red();
            gruen += c.green();
            blau += c.blue();
        }
    }
    rot /= n, gruen /= n, blau /= n;
    QVERIFY2(rot > gruen + 25 && gruen > blau + 25, "not a warm brown");
    QVERIFY2(rot > 120 && rot < 245, "too dark or too pale for wood");
    QVERIFY2(Helligkeitsstreuung(holz) > 8, "no grain to be seen");
}

// The rim repeats the tile: from its last column to its first (its last row to its
// first) the wood changes no more than it does somewhere between two inside.
void TstBilderUhr::holzKachelt() {
    const QImage holz(QStringLiteral(":/bilder/uhr/holz.png"));
    const int w = holz.width(), h = holz.height();
    const auto spalten = [&](int a, int b) {
        double s = 0;
        for (int y = 0; y < h; ++y)
            s += std::abs(Helligkeit(holz.pixelColor(a, y)) - Helligkeit(holz.pixelColor(b, y)));
        return s;
    };
    const auto zeilen = [&](int a, int b) {
        double s = 0;
        for (int x = 0; x < w; ++x)
            s += std::abs(Helligkeit(holz.pixelColor(x, a)) - Helligkeit(holz.pixelColor(x, b)));
        return s;
    };
    double innenSpalten = 0, innenZeilen = 0;
    for (int x = 1; x < w; ++x)
        innenSpalten = std::max(innenSpalten, spalten(x - 1, x));
    for (int y = 1; y < h; ++y)
        innenZeilen = std::max(innenZeilen, zeilen(y - 1, y));
    QVERIFY2(spalten(w - 1, 0) <= innenSpalten, "seam between the right and the left edge");
    QVERIFY2(zeilen(h - 1, 0) <= innenZeilen, "seam between the bottom and the top edge");
}

QTEST_GUILESS_MAIN(TstBilderUhr)
#include "tst_bilder_uhr.moc"
