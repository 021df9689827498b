#include "tests/support/Bildpruefung.h"

#include <QImage>
#include <QTest>

using namespace kalmiro::test;

namespace {

// The mean colour of the opaque pixels, and how much of the picture they cover.
struct Deckung {
    double rot = 0, gruen = 0, blau = 0;
    double anteil = 0;
};

Deckung Auszaehlen(const QImage& bild) {
    Deckung d;
    int n = 0;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.alpha() < 250) continue;
            d.rot += c.red();
            d.gruen += c.green();
            d.blau += c.blue();
            ++n;
        }
    }
    if (n > 0) d.rot /= n, d.gruen /= n, d.blau /= n;
    d.anteil = static_cast<double>(n) / (bild.width() * bild.height());
    return d;
}

} // namespace

class TstBilderEinheiten : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gruppe();
    void farbeUndFreistellung_data();
    void farbeUndFreistellung();
    void gesichterUnterscheidenSich();
};

void TstBilderEinheiten::gruppe() {
    QList<std::pair<QString, QSize>> bilder;
    for (const char* name : {"gesicht_blau", "gesicht_gruen", "gesicht_orange", "gesicht_rot"})
        bilder.append(
            {QStringLiteral(":/bilder/einheiten/%1.png").arg(QLatin1String(name)), {63, 69}});
    for (const char* name : {"haken", "kreuz"})
        bilder.append(
            {QStringLiteral(":/bilder/einheiten/%1.png").arg(QLatin1String(name)), {40, 40}});
    const QString fehler = GruppeFehler(QStringLiteral("einheiten"), bilder);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

// clang-format off
void TstBilderEinheiten::farbeUndFreistellung_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("farbe");
    QTest::newRow("blau") << "gesicht_blau" << "blau";
    QTest::newRow("grün") << "gesicht_gruen" << "gruen";
    QTest::newRow("orange") << "gesicht_orange" << "orange";
    QTest::newRow("rot") << "gesicht_rot" << "rot";
    QTest::newRow("Haken grün") << "haken" << "gruen";
    QTest::newRow("Kreuz rot") << "kreuz" << "rot";
}
// clang-format on

// Each picture stands free on a transparent ground and shows its colour.
void TstBilderEinheiten::farbeUndFreistellung() {
    QFETCH(QString, name);
    QFETCH(QString, farbe);
    const QImage bild(QStringLiteral(":/bilder/einheiten/%1.png").arg(name));
    QVERIFY(!bild.isNull());
    QVERIFY(bild.hasAlphaChannel());
    const int r = bild.width() - 1, u = bild.height() - 1;
    for (const QPoint ecke : {QPoint(0, 0), QPoint(r, 0), QPoint(0, u), QPoint(r, u)})
        QCOMPARE(bild.pixelColor(ecke).alpha(), 0);

    const Deckung d = Auszaehlen(bild);
    const bool gesicht = name.startsWith(u"gesicht");
    // A face fills most of its picture; a mark is a stroke, not a block.
    if (gesicht)
        QVERIFY2(d.anteil > 0.6, qPrintable(QString::number(d.anteil)));
    else
        QVERIFY2(d.anteil > 0.15 && d.anteil < 0.6, qPrintable(QString::number(d.anteil)));
    const QString werte = QStringLiteral("%1 %2 %3").arg(d.rot).arg(d.gruen).arg(d.blau);
    if (farbe == u"blau") QVERIFY2(d.blau > d.rot + 60 && d.blau > d.gruen + 20, qPrintable(werte));
    if (farbe == u"gruen")
        QVERIFY2(d.gruen > d.rot + 50 && d.gruen > d.blau + 50, qPrintable(werte));
    if (farbe == u"rot") QVERIFY2(d.rot > d.gruen + 80 && d.rot > d.blau + 80, qPrintable(werte));
    if (farbe == u"orange")
        QVERIFY2(d.rot > d.gruen + 40 && d.gruen > d.blau + 60, qPrintable(werte));

    // A dark outline: somewhere the picture is much darker than its mean.
    int dunkelste = 255;
    for (int y = 0; y <= u; ++y)
        for (int x = 0; x <= r; ++x)
            if (bild.pixelColor(x, y).alpha() == 255)
                dunkelste = qMin(dunkelste, bild.pixelColor(x, y).value());
    QVERIFY2(dunkelste < 140, qPrintable(QString::number(dunkelste)));
}

// Right and wrong must be told apart by the mouth too, not only by the colour.
void TstBilderEinheiten::gesichterUnterscheidenSich() {
    const QImage gruen(QStringLiteral(":/bilder/einheiten/gesicht_gruen.png"));
    const QImage orange(QStringLiteral(":/bilder/einheiten/gesicht_orange.png"));
    // At the middle column a smile hangs low, a sad mouth rises high.
    const auto mitte = [](const QImage& bild) {
        for (int y = 40; y < 60; ++y)
            if (bild.pixelColor(31, y).value() < 90) return y;
        return -1;
    };
    QVERIFY(mitte(orange) > 0);
    QVERIFY2(mitte(gruen) > mitte(orange) + 2,
             qPrintable(QStringLiteral("%1 %2").arg(mitte(gruen)).arg(mitte(orange))));
}

QTEST_GUILESS_MAIN(TstBilderEinheiten)
#include "tst_bilder_einheiten.moc"
