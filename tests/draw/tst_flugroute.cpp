#include "draw/FlugrouteU.h"

#include <QTest>
#include <cmath>

using namespace kalmiro;

class TstFlugroute : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void flugschritte_data();
    void flugschritte();
    void jedesZiel();
};

// A tenth of a unit a step along the longer side of the route, rounded half to even.
// clang-format off
void TstFlugroute::flugschritte_data() {
    QTest::addColumn<int>("ziel");
    QTest::addColumn<int>("schritte");
    QTest::newRow("Kairo, 3 units down")     << 22 << 30;
    QTest::newRow("Rabat, 3.25 units west")  << 21 << 32;
    QTest::newRow("Anchorage, 22.2 west")    << 1  << 222;
    QTest::newRow("Kinshasa, 7.8 down")      << 27 << 78;
    QTest::newRow("Sydne, 18.2 east")        << 32 << 182;
    QTest::newRow("Ulan Bator, due east")    << 46 << 119;
}
// clang-format on

void TstFlugroute::flugschritte() {
    QFETCH(int, ziel);
    const TFlugroute r = Flugroute(Flugziele[ziel]);
    QTEST(r.Flugschritte, "schritte");
    QCOMPARE(r.Richtung.x, Flugziele[ziel].X - 0.5f);
    QCOMPARE(r.Richtung.y, Flugziele[ziel].Y - 3.45f);
}

// For every destination: the two field places lie 3.5 units either side of the midpoint,
// across the route, the destination's clock halfway between the city and its label; every
// step carries the aircraft the same real fraction of the way, a tenth of a unit or so,
// from Wien to exactly the destination.
void TstFlugroute::jedesZiel() {
    for (int ziel = 1; ziel < AnzahlFlugziele; ++ziel) {
        const TFlugziel& z = Flugziele[ziel];
        const TFlugroute r = Flugroute(z);
        const QByteArray stadt = z.Stadt.toUtf8();
        QCOMPARE(r.Routenmitte.x, (0.5f + z.X) / 2);
        QCOMPARE(r.Routenmitte.y, (3.45f + z.Y) / 2);
        QCOMPARE(r.ZielUhrY, (z.Y - 14.6f) / 2);
        for (const Weltpunkt& f : {r.Feld1, r.Feld2}) {
            const float dx = f.x - r.Routenmitte.x, dy = f.y - r.Routenmitte.y;
            QVERIFY2(std::abs(std::hypot(dx, dy) - 3.5f) < 1e-4f, stadt.constData());
            QVERIFY2(std::abs(dx * r.Richtung.x + dy * r.Richtung.y) < 1e-3f, stadt.constData());
        }
        QVERIFY2(std::abs(r.Feld1.x + r.Feld2.x - 2 * r.Routenmitte.x) < 1e-5f, stadt.constData());
        // Feld1 lies above a route to the west, below one to the east.
        if (z.X < 0.5f) QVERIFY2(r.Feld1.y > r.Routenmitte.y, stadt.constData());
        if (z.X > 0.5f) QVERIFY2(r.Feld2.y < r.Routenmitte.y, stadt.constData());

        const int n = r.Flugschritte;
        const Weltpunkt start = Flugposition(r, 0);
        QVERIFY(start.x == 0.5f && start.y == 3.45f);
        for (const int nachher : {n, n + 1, 1000000}) {
            const Weltpunkt p = Flugposition(r, nachher);
            QVERIFY2(p.x == z.X && p.y == z.Y, stadt.constData());
        }
        QCOMPARE(Flugposition(r, -1).x, 0.5f);
        Weltpunkt vorher = start;
        for (int k = 1; k <= n; ++k) {
            const Weltpunkt p = Flugposition(r, k);
            const float dx = p.x - vorher.x, dy = p.y - vorher.y;
            const float schritt = std::max(std::abs(dx), std::abs(dy));
            QVERIFY2(
                schritt > 0.09f && schritt < 0.11f,
                qPrintable(QStringLiteral("%1, step %2: %3").arg(z.Stadt).arg(k).arg(schritt)));
            QVERIFY2(dx * r.Richtung.x >= 0 && dy * r.Richtung.y >= 0, stadt.constData());
            vorher = p;
        }
    }
}

QTEST_GUILESS_MAIN(TstFlugroute)
#include "tst_flugroute.moc"
