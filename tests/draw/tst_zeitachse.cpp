#include "core/FarbenU.h"
#include "draw/KoordU.h"
#include "draw/ZeitachseU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Zeichenpruefung.h"

#include <QPainter>
#include <QTest>

using namespace kalmiro;
using namespace kalmiro::test;

Q_DECLARE_METATYPE(kalmiro::Zeitachsenart)

namespace {

// The mapping of the time-line screens: 20 pixels per unit, world (0, 0) at (500, 360).
int X(float x) {
    return qRound(500 + 20 * x);
}
int Y(float y) {
    return qRound(360 - 20 * y);
}

QImage Zeitleinwand() {
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 720);
    return Leinwand(1000, 720);
}

// How many pixels of the column x from y1 to y2 (world) have the colour.
int InDerSpalte(const QImage& bild, float x, float y1, float y2, const QColor& farbe) {
    int n = 0;
    for (int y = Y(y1); y <= Y(y2); ++y)
        n += FarbeEtwa(bild, X(x), y, farbe, 30) ? 1 : 0;
    return n;
}

} // namespace

class TstZeitachse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { FarbenSetzen(); }
    void achse_data();
    void achse();
    void zeitmarke_data();
    void zeitmarke();
};

// The trains' line (one tick an hour) and the worked examples' (one tick every half hour
// on one day), at their heights; the terms page labels every six hours only.
// clang-format off
void TstZeitachse::achse_data() {
    QTest::addColumn<Zeitachsenart>("art");
    QTest::addColumn<float>("hoehe");
    QTest::addColumn<float>("teilung");
    QTest::addColumn<bool>("strichBei23"); // a minor tick at x = -23
    QTest::addColumn<float>("haupt");
    QTest::addColumn<QString>("gelesen"); // the labels as a screen reader reads them
    const QString tag = QStringLiteral("Zeitleiste: 0 Uhr, 3 Uhr, 6 Uhr, 9 Uhr, 12 Uhr, 15 Uhr, 18 Uhr, 21 Uhr, 24 Uhr");
    const QString tage = QStringLiteral("Zeitleiste: 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr = 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr");
    QTest::newRow("Zug, ein Tag")       << Zeitachsenart::EinTag   << -7.0f << 2.0f << false << 6.0f  << tag;
    QTest::newRow("Zug, zwei Tage")     << Zeitachsenart::ZweiTage << -7.0f << 1.0f << true  << 6.0f  << tage;
    QTest::newRow("Beispiel, ein Tag")  << Zeitachsenart::EinTag   << 2.0f  << 1.0f << true  << 6.0f  << tag;
    QTest::newRow("Beispiel, zwei Tage")<< Zeitachsenart::ZweiTage << 3.0f  << 1.0f << true  << 6.0f  << tage;
    QTest::newRow("Begriffe")           << Zeitachsenart::EinTag   << 0.0f  << 1.0f << true  << 12.0f << "Zeitleiste: 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr";
}
// clang-format on

void TstZeitachse::achse() {
    QFETCH(Zeitachsenart, art);
    QFETCH(float, hoehe);
    QFETCH(float, teilung);
    QFETCH(bool, strichBei23);
    QFETCH(float, haupt);
    QImage bild = Zeitleinwand();
    {
        QPainter canvas(&bild);
        DrawZeitachse(canvas, art, hoehe, teilung, haupt);
    }
    // The axis, 3 pixels wide, from -24 to 24.
    for (float x : {-23.5f, 0.5f, 23.5f})
        QVERIFY(FarbeEtwa(bild, X(x), Y(hoehe), schwarz));
    QVERIFY(!FarbeEtwa(bild, X(-24) - 3, Y(hoehe), schwarz));
    // Major ticks in blue reach half a unit above the axis.
    for (float x = -24; x <= 24; x += haupt)
        QVERIFY2(FarbeEtwa(bild, X(x), Y(hoehe + 0.4f), blau), qPrintable(QString::number(x)));
    QCOMPARE(FarbeEtwa(bild, X(-18), Y(hoehe + 0.4f), blau), haupt == 6);
    QVERIFY(!FarbeEtwa(bild, X(0), Y(hoehe + 0.6f), blau));
    // Minor ticks in black reach 0.3 above it.
    QCOMPARE(FarbeEtwa(bild, X(-23), Y(hoehe + 0.2f), schwarz), strichBei23);
    QVERIFY(FarbeEtwa(bild, X(-22), Y(hoehe + 0.2f), schwarz));
    QVERIFY(!FarbeEtwa(bild, X(-22), Y(hoehe + 0.4f), schwarz));
    // The labels one unit below, the last ending at 25; two days meet at "24 Uhr = 0 Uhr".
    const auto blaueTinte = Etwa(blau, 90);
    const QRect zeile(0, Y(hoehe - 1), 1000, 20);
    const QRect alle = Umriss(bild, blaueTinte, zeile);
    QVERIFY(std::abs(alle.right() - X(25)) <= 3);
    QVERIFY(std::abs(alle.left() - X(-24)) <= 30);
    const QRect mitte =
        Umriss(bild, blaueTinte, QRect(X(-4.2f), Y(hoehe - 1), X(4.2f) - X(-4.2f), 20));
    const bool zweiTage = art == Zeitachsenart::ZweiTage;
    // A label under each major tick only.
    QCOMPARE(Umriss(bild, blaueTinte, QRect(X(-19), Y(hoehe - 1), X(-17) - X(-19), 20)).isEmpty(),
             haupt != 6);
    // "12 Uhr" is about 50 pixels wide, "24 Uhr = 0 Uhr" about 120.
    QVERIFY2(std::abs(mitte.width() - (zweiTage ? 120 : 50)) < 20,
             qPrintable(QString::number(mitte.width())));
    QVERIFY(std::abs(mitte.center().x() - X(zweiTage ? -0.2f : 0)) <= 3);
    QTEST(Zeitleistentext(art, haupt), "gelesen");
}

// The trains' mark in sea green on the axis at -7, the worked examples' in pink at 2, the
// terms page's a unit higher over its axis.
// clang-format off
void TstZeitachse::zeitmarke_data() {
    QTest::addColumn<float>("hoehe");
    QTest::addColumn<bool>("pink");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("hub");
    QTest::newRow("Zug")                 << -7.0f << false << ""      << 0.0f;
    QTest::newRow("Beispiel")            << 2.0f  << true  << ""      << 0.0f;
    QTest::newRow("berechneter Text")    << 3.0f  << true  << "18:25" << 0.0f;
    QTest::newRow("Begriffe")            << 0.0f  << true  << ""      << 1.0f;
}
// clang-format on

void TstZeitachse::zeitmarke() {
    QFETCH(float, hoehe);
    QFETCH(bool, pink);
    QFETCH(QString, text);
    QFETCH(float, hub);
    const QColor farbe = pink ? test::pink : QColor::fromRgb(fbSeegruen);
    constexpr float x = -5;
    QImage bild = Zeitleinwand();
    {
        QPainter canvas(&bild);
        DrawZeitmarke(canvas, x, hoehe, 9, 30, farbe, text, hub);
    }
    // The clock and the time are lifted, the arrow still reaches the axis.
    const float oben = hoehe + hub;
    // The arrow from under the clock down onto the axis, its head on the axis.
    QVERIFY(InDerSpalte(bild, x, oben + 3.8f, hoehe + 0.2f, farbe) >= 70 + 20 * hub);
    QCOMPARE(InDerSpalte(bild, x, oben + 4.3f, oben + 4.2f, farbe), 0);
    QVERIFY(FarbeEtwa(bild, X(x + 0.15f), Y(hoehe + 0.3f), farbe, 30));
    // The face, centred six units above the axis with radius 2: its grey fills the
    // quarter between 7 and 9 o'clock, the minute hand points down.
    QVERIFY(FarbeEtwa(bild, X(x - 1.5f), Y(oben + 6 - 0.6f), grau240, 4));
    QVERIFY(FarbeEtwa(bild, X(x), Y(oben + 6 - 1.2f), grau128, 40));
    QVERIFY(!FarbeEtwa(bild, X(x - 2.3f), Y(oben + 6), grau240, 4));
    // The time above the clock in the mark's colour, centred on x.
    const QRect tinte = Umriss(bild, Etwa(farbe, 60), QRect(0, Y(oben + 9.5f), 1000, 20));
    QVERIFY(!tinte.isEmpty());
    QVERIFY(std::abs(tinte.center().x() - X(x)) <= 2);
    QVERIFY(std::abs(tinte.width() - (text.isEmpty() ? 33 : 42)) <= 8);
    // The dotted drop line from the axis three units down: blue and gaps.
    const int blaue = InDerSpalte(bild, x, hoehe - 0.2f, hoehe - 2.9f, blau);
    QVERIFY2(blaue > 15 && blaue < 45, qPrintable(QString::number(blaue)));
    QCOMPARE(InDerSpalte(bild, x, hoehe - 3.2f, hoehe - 4, blau), 0);
}

QTEST_MAIN(TstZeitachse)
#include "tst_zeitachse.moc"
