#include "core/FlugzieleU.h"
#include "tests/support/Bildpruefung.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <numbers>
#include <vector>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

const QString karte = QStringLiteral(":/bilder/zeitzonen/imgKarte.jpg");
const QString relief = QStringLiteral(":/bilder/zeitzonen/imgBild.jpg");
const QColor punktfarbe(208, 24, 36);
// JPEG blurs a small dot's colour a little.
constexpr int punkttoleranz = 50;

QString Flugzeug(int n) {
    return QStringLiteral(":/bilder/zeitzonen/imgFl%1.png").arg(n, 2, 10, QLatin1Char('0'));
}

// The pixel of the map under world point (x, y) of the paint box, as the screen rounds it.
QPoint Kartenpixel(const TFlugziel& z) {
    return {static_cast<int>(std::nearbyint(483.0f + 20.0f * z.X)),
            static_cast<int>(std::nearbyint(260.0f - 19.0f * z.Y))};
}

double Winkelabstand(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0));
}

} // namespace

class TstBilderZeitzonen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gruppe();
    void stadtpunkt_data();
    void stadtpunkt();
    void punkteNurBeiDenStaedten();
    void zonenstreifen_data();
    void zonenstreifen();
    void nachtseiteDunkler();
    void flugzeug_data();
    void flugzeug();
    void karteLaden();
};

void TstBilderZeitzonen::gruppe() {
    QList<std::pair<QString, QSize>> bilder{{karte, {966, 529}}, {relief, {350, 200}}};
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        bilder.append({Flugzeug(n), {34, 34}});
    const QString fehler = GruppeFehler(QStringLiteral("zeitzonen"), bilder);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TstBilderZeitzonen::stadtpunkt_data() {
    QTest::addColumn<int>("nummer");
    for (const TFlugziel& z : Flugziele)
        QTest::newRow(qPrintable(z.Stadt)) << z.Nummer;
}

// The route of a flight ends where the screen puts the city: its dot must be there.
void TstBilderZeitzonen::stadtpunkt() {
    QFETCH(int, nummer);
    static const QImage bild(karte);
    const QPoint p = Kartenpixel(Flugziele[nummer]);
    QVERIFY2(
        FarbeEtwa(bild, p.x(), p.y(), punktfarbe, punkttoleranz),
        qPrintable(
            QStringLiteral("(%1, %2) is %3").arg(p.x()).arg(p.y()).arg(bild.pixelColor(p).name())));
}

// The dot colour marks the 59 cities and nothing else: every patch of it is one dot,
// centred on a city within a pixel.
void TstBilderZeitzonen::punkteNurBeiDenStaedten() {
    const QImage bild(karte);
    const int w = bild.width(), h = bild.height();
    std::vector<char> rot(static_cast<std::size_t>(w) * h), gesehen(rot.size(), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rot[static_cast<std::size_t>(y) * w + x] =
                FarbeEtwa(bild, x, y, punktfarbe, punkttoleranz);

    std::vector<bool> gefunden(Flugziele.size(), false);
    int flecken = 0;
    for (int y0 = 0; y0 < h; ++y0) {
        for (int x0 = 0; x0 < w; ++x0) {
            const std::size_t i0 = static_cast<std::size_t>(y0) * w + x0;
            if (!rot[i0] || gesehen[i0]) continue;
            std::vector<QPoint> offen{{x0, y0}};
            gesehen[i0] = 1;
            double sx = 0, sy = 0;
            int n = 0;
            while (!offen.empty()) {
                const QPoint p = offen.back();
                offen.pop_back();
                sx += p.x(), sy += p.y(), ++n;
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + d;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h) continue;
                    const std::size_t iq = static_cast<std::size_t>(q.y()) * w + q.x();
                    if (rot[iq] && !gesehen[iq]) {
                        gesehen[iq] = 1;
                        offen.push_back(q);
                    }
                }
            }
            ++flecken;
            const QPointF mitte(sx / n, sy / n);
            bool passt = false;
            for (const TFlugziel& z : Flugziele) {
                const QPointF soll(483.0 + 20.0 * z.X, 260.0 - 19.0 * z.Y);
                if (std::hypot(mitte.x() - soll.x(), mitte.y() - soll.y()) <= 1.0) {
                    passt = true;
                    gefunden[z.Nummer] = true;
                }
            }
            QVERIFY2(passt,
                     qPrintable(QStringLiteral("a red patch of %1 pixels at (%2, %3) is no city")
                                    .arg(n)
                                    .arg(mitte.x(), 0, 'f', 1)
                                    .arg(mitte.y(), 0, 'f', 1)));
        }
    }
    QCOMPARE(flecken, AnzahlFlugziele);
    for (const TFlugziel& z : Flugziele)
        QVERIFY2(gefunden[z.Nummer], qPrintable(z.Stadt));
}

void TstBilderZeitzonen::zonenstreifen_data() {
    QTest::addColumn<int>("zone");
    for (int z = -10; z <= 12; ++z)
        QTest::newRow(qPrintable(QString::number(z))) << z;
}

// Zone z covers columns 433 + 40 z .. 472 + 40 z: its band along the top edge is one
// colour from edge to edge and differs from the band of the zone to the west.
void TstBilderZeitzonen::zonenstreifen() {
    QFETCH(int, zone);
    static const QImage bild(karte);
    const int links = 433 + 40 * zone;
    // The outermost rows, clear of the labels and of the blur JPEG puts round them.
    for (const int y : {0, bild.height() - 1}) {
        const QColor innen = bild.pixelColor(links + 2, y);
        QVERIFY2(FarbeEtwa(bild, links + 37, y, innen, 12), "the strip's band changes inside it");
        const QColor westlich = bild.pixelColor(links - 3, y);
        QVERIFY2(std::abs(Helligkeit(innen) - Helligkeit(westlich)) > 12,
                 "no edge between the strip and its western neighbour");
    }
}

// The sun stands over 60 W: the world round 120 E lies in the night.
void TstBilderZeitzonen::nachtseiteDunkler() {
    const QImage bild(relief);
    const auto band = [&](double laenge) {
        const int mitte = static_cast<int>((laenge + 180) / 360 * bild.width());
        double summe = 0;
        int n = 0;
        for (int x = mitte - 15; x <= mitte + 15; ++x)
            for (int y = 0; y < bild.height(); ++y, ++n)
                summe += Helligkeit(bild.pixelColor(x, y));
        return summe / n;
    };
    const double tag = band(-60), nacht = band(120);
    QVERIFY2(tag > 1.8 * nacht, qPrintable(QStringLiteral("day %1, night %2").arg(tag).arg(nacht)));
}

void TstBilderZeitzonen::flugzeug_data() {
    QTest::addColumn<int>("bild");
    QTest::addColumn<double>("kurs");
    const TFlugziel& wien = Flugziele[Heimatstadt];
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n) {
        // The routes on the screen: 20 pixels a unit across, 19 down, y growing downwards.
        double sx = 0, sy = 0;
        for (const TFlugziel& z : Flugziele) {
            if (z.Nummer == Heimatstadt || z.Bild != n) continue;
            const double dx = 20.0 * (z.X - wien.X), dy = -19.0 * (z.Y - wien.Y);
            sx += dx / std::hypot(dx, dy);
            sy += dy / std::hypot(dx, dy);
        }
        QTest::newRow(qPrintable(Flugzeug(n))) << n << std::atan2(sy, sx) * 180 / std::numbers::pi;
    }
}

// The map shows round the aircraft; the aircraft itself is solid, whole and centred,
// since the screen centres the picture on the route. The nose points along the routes:
// from the coloured tail through the middle of the aircraft lies its heading.
void TstBilderZeitzonen::flugzeug() {
    QFETCH(int, bild);
    QFETCH(double, kurs);
    const QImage flugzeug(Flugzeug(bild));
    QVERIFY(flugzeug.hasAlphaChannel());
    for (const QPoint ecke : {QPoint(0, 0), QPoint(33, 0), QPoint(0, 33), QPoint(33, 33)})
        QCOMPARE(flugzeug.pixelColor(ecke).alpha(), 0);
    QCOMPARE(flugzeug.pixelColor(17, 17).alpha(), 255);
    const QRect umriss = Umriss(flugzeug, [](const QColor& c) { return c.alpha() > 0; });
    QVERIFY2(umriss.left() > 0 && umriss.top() > 0 && umriss.right() < 33 && umriss.bottom() < 33,
             "the aircraft is cut off at the picture's edge");
    const QPointF mitte = QRectF(umriss).center();
    QVERIFY2(std::hypot(mitte.x() - 17, mitte.y() - 17) < 4, "the aircraft is off centre");

    double ax = 0, ay = 0, tx = 0, ty = 0;
    int a = 0, t = 0;
    for (int y = 0; y < flugzeug.height(); ++y) {
        for (int x = 0; x < flugzeug.width(); ++x) {
            const QColor c = flugzeug.pixelColor(x, y);
            if (c.alpha() < 128) continue;
            ax += x, ay += y, ++a;
            if (c.red() > 170 && c.red() - c.green() > 70 && c.red() - c.blue() > 90)
                tx += x, ty += y, ++t;
        }
    }
    QVERIFY2(a > 150, "hardly any aircraft to see");
    QVERIFY2(t > 10, "no coloured tail");
    const double gemessen = std::atan2(ay / a - ty / t, ax / a - tx / t) * 180 / std::numbers::pi;
    QVERIFY2(Winkelabstand(gemessen, kurs) <= 15,
             qPrintable(QStringLiteral("heading %1 instead of %2")
                            .arg(gemessen, 0, 'f', 1)
                            .arg(kurs, 0, 'f', 1)));
}

// What showing the time-zone screen costs for its map.
void TstBilderZeitzonen::karteLaden() {
    QBENCHMARK {
        const QImage bild(karte);
        QVERIFY(!bild.isNull());
    }
}

QTEST_GUILESS_MAIN(TstBilderZeitzonen)
#include "tst_bilder_zeitzonen.moc"
