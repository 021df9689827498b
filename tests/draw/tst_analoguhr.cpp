#include "draw/AnaloguhrU.h"
#include "draw/KoordU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Zeichenpruefung.h"

#include <QPainter>
#include <QPainterPath>
#include <QTest>
#include <QTime>
#include <cmath>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {
const QColor gruen(0, 160, 0);
const QColor grau(240, 240, 240);
const QColor holzbraun(170, 110, 60);
const QPoint mitte(250, 250);
constexpr float R = 7;

enum class Art { Hands, HM, Shifted };

struct Uhrzeit {
    Art art = Art::Hands;
    QTime zeit;
    int stunden = 0, minuten = 0; // HM: the time; Shifted: the shift
};

// The main window's clock: 25 pixels per unit, centre at pixel (250, 250), radius 175.
QImage Zeiger(const Uhrzeit& u) {
    InitWorld(-10, 10, -10, 10, 0, 500, 0, 500);
    QImage bild = Leinwand(500, 500);
    QPainter canvas(&bild);
    switch (u.art) {
    case Art::Hands:
        DrawClockHands(canvas, rot, blau, gruen, 7, 5, 3, u.zeit, 0, 0, R);
        break;
    case Art::HM:
        DrawClockHandsHM(canvas, rot, blau, 7, 5, u.stunden, u.minuten, 0, 0, R);
        break;
    case Art::Shifted:
        DrawClockHandsShifted(canvas, rot, blau, gruen, 7, 5, 3, u.zeit, u.stunden, u.minuten, 0, 0,
                              R);
        break;
    }
    return bild;
}

QImage Zifferblatt(bool bitmap, int zifferGroesse = 14) {
    InitWorld(-10, 10, -10, 10, 0, 500, 0, 500);
    QImage holz(67, 67, QImage::Format_RGB32);
    holz.fill(holzbraun);
    QImage bild = Leinwand(500, 500);
    QPainter canvas(&bild);
    if (bitmap)
        DrawClockFaceBitmap(canvas, grau, holz, 0, 0, R);
    else
        DrawClockFace(canvas, holzbraun, grau, zifferGroesse, 0, 0, R);
    return bild;
}

QString Ort(QPoint p) {
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}
} // namespace

Q_DECLARE_METATYPE(Uhrzeit)

class TstAnaloguhr : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void richtungen_data();
    void richtungen();
    void gleicheStellung_data();
    void gleicheStellung();
    void laengen();
    void mittelpunkt_data();
    void mittelpunkt();
    void radienHauptuhr();
    void minutenpunkteUndStriche_data();
    void minutenpunkteUndStriche();
    void zahlenZentriert_data();
    void zahlenZentriert();
};

// clang-format off
void TstAnaloguhr::richtungen_data() {
    QTest::addColumn<Uhrzeit>("uhr");
    QTest::addColumn<double>("stunde"); // degrees clockwise from twelve
    QTest::addColumn<double>("minute");
    QTest::addColumn<double>("sekunde"); // negative: no second hand
    QTest::newRow("03:00:00") << Uhrzeit{Art::Hands, QTime(3, 0, 0)} << 90.0 << 0.0 << 0.0;
    QTest::newRow("09:30:45") << Uhrzeit{Art::Hands, QTime(9, 30, 45)} << 285.0 << 184.5 << 270.0;
    QTest::newRow("15:20:10 wie 3 Uhr") << Uhrzeit{Art::Hands, QTime(15, 20, 10)} << 100.0 << 121.0 << 60.0;
    QTest::newRow("HM 9:30") << Uhrzeit{Art::HM, {}, 9, 30} << 285.0 << 180.0 << -1.0;
    QTest::newRow("HM 27:00") << Uhrzeit{Art::HM, {}, 27, 0} << 90.0 << 0.0 << -1.0;
    QTest::newRow("HM -2:00") << Uhrzeit{Art::HM, {}, -2, 0} << 300.0 << 0.0 << -1.0;
    QTest::newRow("HM 0:-15") << Uhrzeit{Art::HM, {}, 0, -15} << 352.5 << 270.0 << -1.0;
    QTest::newRow("05:00 -11 h zeigt 18:00") << Uhrzeit{Art::Shifted, QTime(5, 0, 0), -11, 0} << 180.0 << 0.0 << 0.0;
    QTest::newRow("23:30 +11 h zeigt 10:30") << Uhrzeit{Art::Shifted, QTime(23, 30, 0), 11, 0} << 315.0 << 180.0 << 0.0;
    QTest::newRow("10:50:30 +20 min zeigt 11:10") << Uhrzeit{Art::Shifted, QTime(10, 50, 30), 0, 20} << 335.0 << 63.0 << 180.0;
    QTest::newRow("00:10 -1 h -20 min zeigt 22:50") << Uhrzeit{Art::Shifted, QTime(0, 10, 0), -1, -20} << 325.0 << 300.0 << 0.0;
}
// clang-format on

// Each hand probed on its own stretch: the hour hand at 80 pixels, the minute hand at
// 131 (past the hour hand's end), the second hand at 157 (past the minute hand's).
void TstAnaloguhr::richtungen() {
    QFETCH(Uhrzeit, uhr);
    QFETCH(double, stunde);
    QFETCH(double, minute);
    QFETCH(double, sekunde);
    const QImage bild = Zeiger(uhr);
    const QPoint s = Richtung(mitte, stunde, 80);
    QVERIFY2(FarbeEtwa(bild, s.x(), s.y(), rot), qPrintable(Ort(s)));
    QPoint m = Richtung(mitte, minute, 131);
    // The second hand lies over the minute hand when they point the same way.
    if (sekunde == minute) m = Richtung(m, minute + 90, 2);
    QVERIFY2(FarbeEtwa(bild, m.x(), m.y(), blau), qPrintable(Ort(m)));
    if (sekunde >= 0) {
        const QPoint z = Richtung(mitte, sekunde, 157);
        QVERIFY2(FarbeEtwa(bild, z.x(), z.y(), gruen), qPrintable(Ort(z)));
    } else {
        QVERIFY(Umriss(bild, Etwa(gruen, 0)).isEmpty());
    }
    // Half a turn away from the hour hand there is none of it.
    const QPoint gegenueber = Richtung(mitte, stunde + 180, 80);
    QVERIFY(!FarbeEtwa(bild, gegenueber.x(), gegenueber.y(), rot));
}

// clang-format off
void TstAnaloguhr::gleicheStellung_data() {
    QTest::addColumn<Uhrzeit>("a");
    QTest::addColumn<Uhrzeit>("b");
    QTest::newRow("27 wie 3") << Uhrzeit{Art::HM, {}, 27, 0} << Uhrzeit{Art::HM, {}, 3, 0};
    QTest::newRow("-2 wie 10") << Uhrzeit{Art::HM, {}, -2, 0} << Uhrzeit{Art::HM, {}, 10, 0};
    QTest::newRow("-2:15 wie 10:15") << Uhrzeit{Art::HM, {}, -2, 15} << Uhrzeit{Art::HM, {}, 10, 15};
    QTest::newRow("Verschiebung -11 wie 18 Uhr")
        << Uhrzeit{Art::Shifted, QTime(5, 0, 0), -11, 0} << Uhrzeit{Art::Shifted, QTime(18, 0, 0), 0, 0};
    QTest::newRow("Verschiebung +11 wie 10:30")
        << Uhrzeit{Art::Shifted, QTime(23, 30, 0), 11, 0} << Uhrzeit{Art::Shifted, QTime(10, 30, 0), 0, 0};
    QTest::newRow("riesige Verschiebung um ganze Tage")
        << Uhrzeit{Art::Shifted, QTime(7, 15, 0), 24 * 1000, 0} << Uhrzeit{Art::Shifted, QTime(7, 15, 0), 0, 0};
}
// clang-format on

void TstAnaloguhr::gleicheStellung() {
    QFETCH(Uhrzeit, a);
    QFETCH(Uhrzeit, b);
    QCOMPARE(Zeiger(a), Zeiger(b));
}

// 03:00:00: hour hand to 0.6 R (105 pixels) to the right, minute hand to 0.85 R (149)
// and second hand to 0.92 R (161) straight up; the round ends add half a pen width.
void TstAnaloguhr::laengen() {
    const QImage bild = Zeiger({Art::Hands, QTime(3, 0, 0)});
    QVERIFY(FarbeEtwa(bild, 250 + 104, 250, rot));
    QVERIFY(FarbeEtwa(bild, 250 + 110, 250, weiss));
    QVERIFY(FarbeEtwa(bild, 252, 250 - 148, blau));
    QVERIFY(FarbeEtwa(bild, 252, 250 - 153, weiss));
    QVERIFY(FarbeEtwa(bild, 250, 250 - 160, gruen));
    QVERIFY(FarbeEtwa(bild, 250, 250 - 164, weiss));
}

// clang-format off
void TstAnaloguhr::mittelpunkt_data() {
    QTest::addColumn<Uhrzeit>("uhr");
    QTest::addColumn<int>("radius");
    QTest::newRow("Hands 0,4") << Uhrzeit{Art::Hands, QTime(3, 0, 0)} << 10;
    QTest::newRow("HM 0,2") << Uhrzeit{Art::HM, {}, 3, 0} << 5;
    QTest::newRow("Shifted 0,2") << Uhrzeit{Art::Shifted, QTime(3, 0, 0), 0, 0} << 5;
}
// clang-format on

// To the left and below, where no hand points at three o'clock.
void TstAnaloguhr::mittelpunkt() {
    QFETCH(Uhrzeit, uhr);
    QFETCH(int, radius);
    const QImage bild = Zeiger(uhr);
    QCOMPARE(Umriss(bild, Etwa(schwarz, 0)),
             QRect(QPoint(250 - radius, 250 - radius), QPoint(250 + radius, 250 + radius)));
    QVERIFY(FarbeEtwa(bild, 250 - radius + 1, 250, schwarz));
    QVERIFY(FarbeEtwa(bild, 250, 250 + radius - 1, schwarz));
}

// Face 175 pixels, rim 187 (Round(25 x 7.49)), each ringed by a black pixel.
void TstAnaloguhr::radienHauptuhr() {
    const QImage bild = Zifferblatt(true);
    for (double grad : {90.0, 180.0, 270.0, 0.0}) {
        const auto bei = [&](int abstand, const QColor& farbe) {
            const QPoint p = Richtung(mitte, grad, abstand);
            return FarbeEtwa(bild, p.x(), p.y(), farbe);
        };
        QVERIFY(bei(60, grau));
        QVERIFY(bei(174, grau));
        QVERIFY(bei(175, schwarz));
        QVERIFY(bei(176, holzbraun));
        QVERIFY(bei(186, holzbraun));
        QVERIFY(bei(187, schwarz));
        QVERIFY(bei(188, weiss));
    }
}

// clang-format off
void TstAnaloguhr::minutenpunkteUndStriche_data() {
    QTest::addColumn<bool>("bitmap");
    QTest::addColumn<double>("punktAbstand"); // fractions of R
    QTest::addColumn<int>("punktRadius");     // pixels
    QTest::addColumn<int>("strichVon");       // pixels from the centre
    QTest::addColumn<int>("strichBis");
    QTest::newRow("Hauptuhr") << true << 0.95 << 2 << 149 << 166;
    // 25 x 0.06 as a 32-bit real is just under 1.5 and rounds to 1.
    QTest::newRow("Zifferblatt") << false << 0.9 << 1 << 140 << 166;
}
// clang-format on

void TstAnaloguhr::minutenpunkteUndStriche() {
    QFETCH(bool, bitmap);
    QFETCH(double, punktAbstand);
    QFETCH(int, punktRadius);
    QFETCH(int, strichVon);
    QFETCH(int, strichBis);
    const QImage bild = Zifferblatt(bitmap);
    // Every minute that is not a five: a black dot of the radius at its place.
    for (int i : {1, 7, 14, 22, 29, 38, 44, 59}) {
        const double w = i * 6 * 3.14159265358979323846 / 180;
        const QPoint p(static_cast<int>(std::nearbyint(250 + 25 * punktAbstand * R * std::sin(w))),
                       static_cast<int>(std::nearbyint(250 - 25 * punktAbstand * R * std::cos(w))));
        const QRect punkt = Umriss(bild, Etwa(schwarz, 0), QRect(p - QPoint(4, 4), QSize(9, 9)));
        QCOMPARE(punkt,
                 QRect(p - QPoint(punktRadius, punktRadius), p + QPoint(punktRadius, punktRadius)));
    }
    // The five-minute stroke at three o'clock, on the row of the centre.
    QVERIFY(FarbeEtwa(bild, 250 + (strichVon + strichBis) / 2, 250, schwarz));
    QVERIFY(FarbeEtwa(bild, 250 + strichVon + 1, 250, schwarz));
    QVERIFY(FarbeEtwa(bild, 250 + strichBis - 1, 250, schwarz));
    QVERIFY(FarbeEtwa(bild, 250 + strichVon - 4, 250, grau));
}

void TstAnaloguhr::zahlenZentriert_data() {
    QTest::addColumn<bool>("bitmap");
    QTest::addColumn<int>("zahl");
    QTest::addColumn<double>("abstand"); // fraction of R
    for (int q : {12, 3, 6, 9, 1, 10}) {
        QTest::addRow("Hauptuhr %d", q) << true << q << 0.75;
        QTest::addRow("Zifferblatt %d", q) << false << q << 0.65;
    }
}

// The ink of each numeral is centred on its point, within what the glyphs' own shapes
// allow (a digit sits a little above the middle of its line).
void TstAnaloguhr::zahlenZentriert() {
    QFETCH(bool, bitmap);
    QFETCH(int, zahl);
    QFETCH(double, abstand);
    QImage bild = Zifferblatt(bitmap);
    // Strokes and dots whited out, so only the numerals are left to find.
    {
        QPainter canvas(&bild);
        QPainterPath ring;
        const double innen = (bitmap ? 0.84 : 0.78) * 25 * R;
        ring.addEllipse(QPointF(250, 250), 250, 250);
        ring.addEllipse(QPointF(250, 250), innen, innen);
        canvas.fillPath(ring, Qt::white);
    }
    const double w = zahl * 30 * 3.14159265358979323846 / 180;
    const QPointF punkt(250 + 25 * abstand * R * std::sin(w), 250 - 25 * abstand * R * std::cos(w));
    const QRect fenster(punkt.toPoint() - QPoint(22, 22), QSize(45, 45));
    const QRect tinte = Umriss(bild, Tinte, fenster);
    QVERIFY(!tinte.isEmpty());
    // Not cut off by the window: the numeral lies wholly inside it.
    QVERIFY2(fenster.adjusted(1, 1, -1, -1).contains(tinte), qPrintable(Ort(tinte.topLeft())));
    const QPointF m((tinte.left() + tinte.right() + 1) / 2.0,
                    (tinte.top() + tinte.bottom() + 1) / 2.0);
    QVERIFY2(std::abs(m.x() - punkt.x()) <= 2.0 && std::abs(m.y() - punkt.y()) <= 2.5,
             qPrintable(QStringLiteral("ink centre %1, %2, point %3, %4")
                            .arg(m.x())
                            .arg(m.y())
                            .arg(punkt.x())
                            .arg(punkt.y())));
}

QTEST_MAIN(TstAnaloguhr)
#include "tst_analoguhr.moc"
