#include "draw/KoordSysU.h"
#include "draw/KoordU.h"
#include "draw/LinienSysU.h"
#include "draw/LinienU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Zeichenpruefung.h"

#include <QPainter>
#include <QTest>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

// 20 pixels per unit, world (0, 0) at pixel (200, 100).
void Abbildung20() {
    InitWorld(-10, 10, -5, 5, 0, 400, 0, 200);
}

// How many of the pixels of a row from x1 to x2 have the colour.
int InDerZeile(const QImage& bild, int y, int x1, int x2, const QColor& farbe) {
    int n = 0;
    for (int x = x1; x <= x2; ++x)
        n += FarbeEtwa(bild, x, y, farbe) ? 1 : 0;
    return n;
}
} // namespace

class TstLinien : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Abbildung20(); }
    void breite_data();
    void breite();
    void stil_data();
    void stil();
    void pfeilH_data();
    void pfeilH();
    void pfeilV_data();
    void pfeilV();
    void kreisRadius_data();
    void kreisRadius();
    void kreisOhneFuellungUndOhneRand();
    void bitmapKreis();
    void sysLinie();
    void ohneAktiveLeinwand();
};

void TstLinien::breite_data() {
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("halb"); // rows either side of the centre row that are covered
    QTest::newRow("0 wie 1") << 0 << 0;
    QTest::newRow("1") << 1 << 0;
    QTest::newRow("3") << 3 << 1;
    QTest::newRow("7") << 7 << 3;
}

void TstLinien::breite() {
    QFETCH(int, breite);
    QFETCH(int, halb);
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    DrawLine(canvas, breite, rot, -5, 0, 5, 0, 1);
    canvas.end();
    for (int d = -halb; d <= halb; ++d)
        QVERIFY2(FarbeEtwa(bild, 200, 100 + d, rot), qPrintable(QString::number(d)));
    QVERIFY(FarbeEtwa(bild, 200, 100 - halb - 1, weiss));
    QVERIFY(FarbeEtwa(bild, 200, 100 + halb + 1, weiss));
    // From world x -5 to 5: pixels 100 to 300.
    QCOMPARE(InDerZeile(bild, 100, 100, 300, rot), 201);
    QVERIFY(FarbeEtwa(bild, 100 - halb - 2, 100, weiss));
}

void TstLinien::stil_data() {
    QTest::addColumn<int>("vorher"); // style of a first line, -1 for none
    QTest::addColumn<int>("stil");
    QTest::addColumn<bool>("luecken");
    QTest::newRow("durchgezogen") << -1 << 1 << false;
    QTest::newRow("punktiert") << -1 << 2 << true;
    QTest::newRow("anderer behaelt punktiert") << 2 << 0 << true;
    QTest::newRow("anderer behaelt durchgezogen") << 1 << 7 << false;
    QTest::newRow("durchgezogen nach punktiert") << 2 << 1 << false;
    // Dash-dot belongs to SysLine; DrawLine keeps the pen's style for 3.
    QTest::newRow("3 behaelt durchgezogen") << 1 << 3 << false;
}

void TstLinien::stil() {
    QFETCH(int, vorher);
    QFETCH(int, stil);
    QFETCH(bool, luecken);
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    if (vorher >= 0) DrawLine(canvas, 1, blau, -5, 3, 5, 3, vorher);
    DrawLine(canvas, 1, rot, -5, 0, 5, 0, stil);
    canvas.end();
    const int gezeichnet = InDerZeile(bild, 100, 100, 300, rot);
    if (luecken) {
        QVERIFY2(gezeichnet > 60 && gezeichnet < 150, qPrintable(QString::number(gezeichnet)));
    } else {
        QCOMPARE(gezeichnet, 201);
    }
}

void TstLinien::pfeilH_data() {
    QTest::addColumn<char>("art");
    QTest::addColumn<bool>("links");
    QTest::addColumn<bool>("rechts");
    QTest::newRow("L") << 'L' << true << false;
    QTest::newRow("R") << 'R' << false << true;
    QTest::newRow("B") << 'B' << true << true;
    QTest::newRow("ohne") << 'X' << false << false;
    QTest::newRow("klein b ist keine Art") << 'b' << false << false;
}

// From x -3 to 3 at y 0: shaft from pixel 140 to 260 on row 100; each barb goes 10
// pixels along and 4 across, so its middle lies 5 along and 2 across.
void TstLinien::pfeilH() {
    QFETCH(char, art);
    QFETCH(bool, links);
    QFETCH(bool, rechts);
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    DrawArrowH(canvas, 3, rot, -3, 3, 0, art);
    canvas.end();
    QVERIFY(FarbeEtwa(bild, 200, 100, rot));
    QCOMPARE(FarbeEtwa(bild, 145, 98, rot), links);
    QCOMPARE(FarbeEtwa(bild, 145, 102, rot), links);
    QCOMPARE(FarbeEtwa(bild, 255, 98, rot), rechts);
    QCOMPARE(FarbeEtwa(bild, 255, 102, rot), rechts);
    // Nothing but shaft and barbs: well off the line the canvas is untouched.
    QVERIFY(FarbeEtwa(bild, 200, 97, weiss));
    QVERIFY(FarbeEtwa(bild, 150, 92, weiss));
}

void TstLinien::pfeilV_data() {
    QTest::addColumn<char>("art");
    QTest::addColumn<bool>("oben");
    QTest::addColumn<bool>("unten");
    QTest::newRow("O") << 'O' << true << false;
    QTest::newRow("U") << 'U' << false << true;
    QTest::newRow("ohne") << 'B' << false << false;
}

// From y 3 to -3 at x 0: shaft from row 40 to 160; the head at y1 (row 40) points up,
// its barbs go down to row 50; the head at y2 (row 160) points down.
void TstLinien::pfeilV() {
    QFETCH(char, art);
    QFETCH(bool, oben);
    QFETCH(bool, unten);
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    DrawArrowV(canvas, 3, rot, 0, 3, -3, art);
    canvas.end();
    QVERIFY(FarbeEtwa(bild, 200, 100, rot));
    QCOMPARE(FarbeEtwa(bild, 198, 45, rot), oben);
    QCOMPARE(FarbeEtwa(bild, 202, 45, rot), oben);
    QCOMPARE(FarbeEtwa(bild, 198, 155, rot), unten);
    QCOMPARE(FarbeEtwa(bild, 202, 155, rot), unten);
    // A head at y1 never points down into the shaft's far side.
    QVERIFY(FarbeEtwa(bild, 198, 35, weiss));
}

void TstLinien::kreisRadius_data() {
    QTest::addColumn<QList<float>>("welt"); // xmin, xmax, ymin, ymax on 0..1000 x 0..700
    QTest::addColumn<float>("radius");
    QTest::addColumn<int>("pixel");
    QTest::newRow("0,06 bei 20 ist 1") << QList<float>{-25, 25, -17.5f, 17.5f} << 0.06f << 1;
    QTest::newRow("0,08 bei 25 ist 2") << QList<float>{-20, 20, -14, 14} << 0.08f << 2;
    QTest::newRow("Zifferblatt 175") << QList<float>{-20, 20, -14, 14} << 7.0f << 175;
    QTest::newRow("Rand 187") << QList<float>{-20, 20, -14, 14} << 7.49f << 187;
    // Unequal scales: 20 across, 19 up; the x scale serves both, the circle stays round.
    QTest::newRow("x-Massstab auch senkrecht") << QList<float>{-25, 25, -18, 18} << 5.0f << 100;
}

void TstLinien::kreisRadius() {
    QFETCH(QList<float>, welt);
    QFETCH(float, radius);
    QFETCH(int, pixel);
    InitWorld(welt[0], welt[1], welt[2], welt[3], 0, 1000, 0, 700);
    QImage bild = Leinwand(1000, 700);
    QPainter canvas(&bild);
    DrawCircle(canvas, 1, schwarz, 0, 0, radius, rot, true);
    canvas.end();
    int px = 0, py = 0;
    WorldToPixel(0, 0, px, py);
    const QRect umriss = Umriss(bild, Etwa(schwarz, 10));
    QCOMPARE(umriss, QRect(QPoint(px - pixel, py - pixel), QPoint(px + pixel, py + pixel)));
    QVERIFY(FarbeEtwa(bild, px + pixel, py, schwarz));
    QVERIFY(FarbeEtwa(bild, px, py - pixel, schwarz));
    if (pixel > 1) QVERIFY(FarbeEtwa(bild, px + pixel - 1, py, rot));
}

void TstLinien::kreisOhneFuellungUndOhneRand() {
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    DrawCircle(canvas, 1, schwarz, 0, 0, 2, rot, false);
    QVERIFY(FarbeEtwa(bild, 200, 100, weiss));
    QVERIFY(FarbeEtwa(bild, 240, 100, schwarz));
    // A clear pen stays clear: the circle then has its fill only.
    canvas.setPen(Qt::NoPen);
    DrawCircle(canvas, 1, schwarz, -5, 0, 2, rot, true);
    QCOMPARE(canvas.pen().style(), Qt::NoPen);
    canvas.end();
    QVERIFY(FarbeEtwa(bild, 100, 100, rot));
    QVERIFY(Umriss(bild, Etwa(schwarz, 10), QRect(50, 50, 100, 100)).isEmpty());
}

void TstLinien::bitmapKreis() {
    QImage muster(4, 4, QImage::Format_RGB32);
    muster.fill(rot);
    for (int i = 0; i < 4; ++i)
        muster.setPixelColor(i, 0, blau);
    QImage bild = Leinwand(400, 200);
    QPainter canvas(&bild);
    DrawBitmapCircle(canvas, muster, 0, 0, 3);
    canvas.end();
    // The pattern fills the disc, a black pen of one pixel rings it.
    QVERIFY(FarbeEtwa(bild, 260, 100, schwarz));
    QVERIFY(FarbeEtwa(bild, 259, 100, rot) || FarbeEtwa(bild, 259, 100, blau));
    QVERIFY(!Umriss(bild, Etwa(blau, 0), QRect(150, 50, 100, 100)).isEmpty());
    QVERIFY(!Umriss(bild, Etwa(rot, 0), QRect(150, 50, 100, 100)).isEmpty());
    QVERIFY(FarbeEtwa(bild, 262, 100, weiss));

    // Without its picture the disc is only ringed.
    QImage leer = Leinwand(400, 200);
    QPainter c2(&leer);
    DrawBitmapCircle(c2, QImage(), 0, 0, 3);
    c2.end();
    QVERIFY(FarbeEtwa(leer, 260, 100, schwarz));
    QVERIFY(FarbeEtwa(leer, 200, 100, weiss));
}

void TstLinien::sysLinie() {
    QImage bild = Leinwand(1000, 600);
    QPainter canvas(&bild);
    KSys.reset();
    SysLine(canvas, 1, rot, -10, 0, 10, 0, 1); // no mapping yet: nothing, and no crash
    QVERIFY(Umriss(bild, Etwa(rot, 0)).isEmpty());

    KSys = std::make_unique<TKSys>(-50, 50, -30, 30, 0, 1000, 0, 600);
    SysLine(canvas, 1, rot, -10, 0, 10, 0, 1);
    SysLine(canvas, 1, blau, -10, 5, 10, 5, 3);
    SysLine(canvas, 1, blau, -10, 10, 10, 10, 0); // keeps dash-dot
    canvas.end();
    QCOMPARE(Umriss(bild, Etwa(rot, 0)), QRect(QPoint(400, 300), QPoint(600, 300)));
    for (int zeile : {250, 200}) {
        const int n = InDerZeile(bild, zeile, 400, 600, blau);
        QVERIFY2(n > 80 && n < 160, qPrintable(QString::number(n)));
    }
    KSys.reset();
}

void TstLinien::ohneAktiveLeinwand() {
    QPainter canvas;
    DrawLine(canvas, 1, rot, 0, 0, 1, 1, 1);
    DrawArrowH(canvas, 1, rot, 0, 1, 0, 'B');
    DrawArrowV(canvas, 1, rot, 0, 0, 1, 'O');
    DrawCircle(canvas, 1, rot, 0, 0, 1, rot, true);
    DrawBitmapCircle(canvas, QImage(), 0, 0, 1);
    DrawCircle(canvas, 1, rot, 0, 0, 1e30f, rot, true);
    QVERIFY(!canvas.isActive());
}

QTEST_GUILESS_MAIN(TstLinien)
#include "tst_linien.moc"
