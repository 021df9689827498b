#include "tests/support/Bildpruefung.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace kalmiro::test;

class TstBilderSymbol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void png_data();
    void png();
    void alleGeprueft();
    void svg();
};

void TstBilderSymbol::png_data() {
    QTest::addColumn<int>("groesse");
    for (int g : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::newRow(qPrintable(QString::number(g))) << g;
}

// Each size decodes, stands free on a transparent ground and shows a light face with
// the dark hands and a red rim, however small.
void TstBilderSymbol::png() {
    QFETCH(int, groesse);
    const QString pfad = QStringLiteral(":/bilder/symbol/kalmiro-%1.png").arg(groesse);
    const QString fehler = BildFehler(pfad, QSize(groesse, groesse));
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    const QImage bild = QImage(pfad).convertToFormat(QImage::Format_ARGB32);
    const auto bei = [&](double x, double y) {
        return bild.pixelColor(qMin(groesse - 1, int(x * groesse / 256)),
                               qMin(groesse - 1, int(y * groesse / 256)));
    };
    for (const QPointF ecke : {QPointF(0, 0), QPointF(255, 0), QPointF(0, 255), QPointF(255, 255)})
        QCOMPARE(bei(ecke.x(), ecke.y()).alpha(), 0);
    const QColor gesicht = bei(128, 196);
    QVERIFY2(gesicht.alpha() == 255 && gesicht.lightness() > 200, "no light face");
    const QColor rand = bei(128, 240);
    QVERIFY2(rand.red() > rand.green() + 60 && rand.red() > rand.blue() + 60, "no red rim");
    int dunkel = 0;
    for (const QColor& c : {bei(110, 128), bei(104, 124), bei(150, 130), bei(160, 124)})
        if (c.alpha() == 255 && c.lightness() < 150) ++dunkel;
    QVERIFY2(dunkel >= 2, "hands not to be seen");
}

void TstBilderSymbol::alleGeprueft() {
    QStringList erwartet;
    for (int g : {128, 16, 22, 24, 256, 32, 48, 64})
        erwartet << QStringLiteral(":/bilder/symbol/kalmiro-%1.png").arg(g);
    QCOMPARE(BilderDerGruppe(QStringLiteral("symbol")), erwartet);
}

// The scalable symbol is well-formed SVG in the same 256 box, and every fill it refers
// to is defined.
void TstBilderSymbol::svg() {
    QFile datei(QStringLiteral(KALMIRO_QUELLEN "/resources/bilder/symbol/kalmiro.svg"));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&datei);
    QSet<QString> verlaeufe, benutzt;
    int kreise = 0, linien = 0;
    bool wurzel = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"svg") {
            wurzel = true;
            QCOMPARE(a.value(QStringLiteral("viewBox")).toString(), QStringLiteral("0 0 256 256"));
        }
        if (xml.name() == u"linearGradient") verlaeufe << a.value(QStringLiteral("id")).toString();
        if (xml.name() == u"circle") ++kreise;
        if (xml.name() == u"line") ++linien;
        for (const QString& name : {QStringLiteral("fill"), QStringLiteral("stroke")}) {
            const QString wert = a.value(name).toString();
            if (wert.startsWith(u"url(#"))
                benutzt << wert.mid(5).chopped(1);
            else if (!wert.isEmpty())
                QVERIFY2(QColor::isValidColorName(wert), qPrintable(wert));
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(wurzel);
    QVERIFY(kreise >= 5);
    QVERIFY(linien >= 4);
    QVERIFY(!benutzt.isEmpty());
    QVERIFY(benutzt.subtract(verlaeufe).isEmpty());
}

QTEST_GUILESS_MAIN(TstBilderSymbol)
#include "tst_bilder_symbol.moc"
