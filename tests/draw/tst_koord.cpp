#include "draw/KoordSysU.h"
#include "draw/KoordU.h"
#include "draw/Runden.h"
#include "draw/VektorU.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>

using namespace kalmiro;

class TstKoord : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void abbildungen_data();
    void abbildungen();
    void zeitzonenAbbildung();
    void hauptfensterAbbildung();
    void rundungHalbZuGerade();
    void hintergrund();
    void gitter();
    void vektoren();
};

// clang-format off
void TstKoord::abbildungen_data() {
    QTest::addColumn<QList<float>>("welt");
    QTest::addColumn<QList<int>>("pixel");
    QTest::addColumn<int>("unitx");
    QTest::addColumn<int>("unity");
    QTest::addColumn<int>("offx");
    QTest::addColumn<int>("offy");
    // Every mapping a screen sets.
    QTest::newRow("Hauptfenster") << QList<float>{-10, 10, -10, 10} << QList<int>{0, 500, 0, 500} << 25 << 25 << 250 << 250;
    QTest::newRow("Musterbeispiele") << QList<float>{-21, 21, -16, 16} << QList<int>{0, 840, 0, 640} << 20 << 20 << 420 << 320;
    QTest::newRow("Uebungen") << QList<float>{-25, 25, -15, 15} << QList<int>{0, 1000, 0, 600} << 20 << 20 << 500 << 300;
    QTest::newRow("Zeitpunkte") << QList<float>{-25, 25, -19, 19} << QList<int>{0, 1000, 0, 760} << 20 << 20 << 500 << 380;
    QTest::newRow("Zugreisen") << QList<float>{-25, 25, -18, 18} << QList<int>{0, 1000, 0, 720} << 20 << 20 << 500 << 360;
    QTest::newRow("Zeitzonen") << QList<float>{-25, 25, -18, 18} << QList<int>{0, 1000, 0, 700} << 20 << 19 << 500 << 350;
    QTest::newRow("Einheiten") << QList<float>{-50, 50, -30, 30} << QList<int>{0, 1000, 0, 600} << 10 << 10 << 500 << 300;
}
// clang-format on

void TstKoord::abbildungen() {
    QFETCH(QList<float>, welt);
    QFETCH(QList<int>, pixel);
    InitWorld(welt[0], welt[1], welt[2], welt[3], pixel[0], pixel[1], pixel[2], pixel[3]);
    QTEST(Abbildung().unitx, "unitx");
    QTEST(Abbildung().unity, "unity");
    QTEST(Abbildung().offx, "offx");
    QTEST(Abbildung().offy, "offy");
    const TKSys k(welt[0], welt[1], welt[2], welt[3], pixel[0], pixel[1], pixel[2], pixel[3]);
    QTEST(k.Werte().unitx, "unitx");
    QTEST(k.Werte().offy, "offy");
}

void TstKoord::zeitzonenAbbildung() {
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 700);
    int px = 0, py = 0;
    WorldToPixel(0, 0, px, py);
    QCOMPARE(QPoint(px, py), QPoint(500, 350));
    WorldToPixel(25, 18, px, py);
    QCOMPARE(QPoint(px, py), QPoint(1000, 8));
    WorldToPixel(-25, -18, px, py);
    QCOMPARE(QPoint(px, py), QPoint(0, 692));
}

void TstKoord::hauptfensterAbbildung() {
    InitWorld(-10, 10, -10, 10, 0, 500, 0, 500);
    int px = 0, py = 0;
    WorldToPixel(7, 0, px, py);
    QCOMPARE(QPoint(px, py), QPoint(425, 250));
    WorldToPixel(0, -7, px, py);
    QCOMPARE(QPoint(px, py), QPoint(250, 425));
    // An offset pixel rectangle moves every point with it.
    InitWorld(-10, 10, -10, 10, 100, 600, 50, 550);
    WorldToPixel(0, 0, px, py);
    QCOMPARE(QPoint(px, py), QPoint(350, 300));
}

void TstKoord::rundungHalbZuGerade() {
    // 2 pixels per unit, origin at pixel 2: x = 0.25 lies at 2.5, x = 0.75 at 3.5.
    InitWorld(-1, 1, -1, 1, 498, 502, 0, 4);
    int px = 0, py = 0;
    WorldToPixel(1.25f, 0, px, py);
    QCOMPARE(px, 498 + 2 + 2); // 502.5 -> 502
    WorldToPixel(0.25f, 0, px, py);
    QCOMPARE(px, 500); // 500.5 -> 500
    WorldToPixel(0.75f, 0, px, py);
    QCOMPARE(px, 502); // 501.5 -> 502
    const TKSys k(-1, 1, -1, 1, 498, 502, 0, 4);
    k.ToPixel(0.25f, 0, px, py);
    QCOMPARE(px, 500); // Round(2.5) + 498
    k.ToPixel(0.75f, 0, px, py);
    QCOMPARE(px, 502); // Round(3.5) + 498
    QCOMPARE(Round(-2.5), -2);
    QCOMPARE(Round(-3.5), -4);
    // A point far outside any screen must not overflow.
    QCOMPARE(Round(1e20), 2147483647);
    QCOMPARE(Round(-1e20), -2147483647 - 1);
    QCOMPARE(Round(std::nan("")), 0);
}

void TstKoord::hintergrund() {
    QImage bild(20, 20, QImage::Format_RGB32);
    bild.fill(Qt::white);
    InitWorld(-1, 1, -1, 1, 0, 10, 0, 10);
    QCOMPARE(Abbildung().backColor, KeineFarbe);
    {
        QPainter p(&bild);
        PaintBackground(p);
    }
    QCOMPARE(bild.pixel(5, 5), qRgb(255, 255, 255));
    SetBackColor(Rgb(10, 20, 30));
    SetWorld(-1, 1, -1, 1, 0, 10, 0, 10); // keeps the back colour
    {
        QPainter p(&bild);
        PaintBackground(p);
    }
    QCOMPARE(bild.pixel(5, 5), qRgb(10, 20, 30));
    QCOMPARE(bild.pixel(9, 9), qRgb(10, 20, 30));
    QCOMPARE(bild.pixel(10, 10), qRgb(255, 255, 255));
    InitWorld(-1, 1, -1, 1, 0, 10, 0, 10);
    QCOMPARE(Abbildung().backColor, KeineFarbe);
}

void TstKoord::gitter() {
    QImage bild(1001, 601, QImage::Format_RGB32);
    bild.fill(Qt::white);
    TKSys k(-50, 50, -30, 30, 0, 1000, 0, 600);
    {
        QPainter p(&bild);
        k.Paint(p); // lattice off: nothing
    }
    QCOMPARE(bild.pixel(500, 300), qRgb(255, 255, 255));
    k.ShowLattice(true);
    {
        QPainter p(&bild);
        k.Paint(p);
    }
    const QRgb schwarz = qRgb(0, 0, 0), grau = qRgb(128, 128, 128), weiss = qRgb(255, 255, 255);
    for (QPoint punkt : {QPoint(0, 0), QPoint(10, 0), QPoint(1000, 600), QPoint(500, 300),
                         QPoint(490, 290), QPoint(0, 600), QPoint(1000, 0)})
        QCOMPARE(bild.pixel(punkt), schwarz);
    QCOMPARE(bild.pixel(500, 295), grau);
    QCOMPARE(bild.pixel(505, 300), grau);
    QCOMPARE(bild.pixel(5, 5), weiss);
    QCOMPARE(bild.pixel(15, 10), weiss);
    int punkte = 0;
    for (int y = 0; y <= 600; ++y)
        for (int x = 0; x <= 1000; ++x)
            punkte += bild.pixel(x, y) == schwarz;
    QCOMPARE(punkte, 101 * 61);
}

void TstKoord::vektoren() {
    float x = 9, y = 9;
    VecNormalize(3, 4, x, y);
    QCOMPARE(x, 0.6f);
    QCOMPARE(y, 0.8f);
    x = 9;
    y = 7;
    VecNormalize(0, 0, x, y);
    QCOMPARE(x, 9.0f);
    QCOMPARE(y, 7.0f);
    const struct {
        float x, y, nx, ny;
    } normalen[] = {{1, 0, 0, 1},  {0, -1, 1, 0}, {0, 1, 1, 0},
                    {-1, 0, 0, 1}, {2, 3, 3, -2}, {-2, 3, 3, 2}};
    for (const auto& n : normalen) {
        VecNormal(n.x, n.y, x, y);
        QCOMPARE(x, n.nx);
        QCOMPARE(y, n.ny);
        QVERIFY(x > 0 || y > 0);
    }
    VecSub(1, 2, 4, 6, x, y);
    QCOMPARE(QPointF(x, y), QPointF(3, 4));
    VecAdd(1, 2, 4, 6, x, y);
    QCOMPARE(QPointF(x, y), QPointF(5, 8));
    VecScale(3.5f, 2, -1, x, y);
    QCOMPARE(QPointF(x, y), QPointF(7, -3.5));
}

QTEST_GUILESS_MAIN(TstKoord)
#include "tst_koord.moc"
