#include "tests/support/Bildpruefung.h"

#include <QImage>
#include <QTest>
#include <cmath>
#include <set>

using namespace kalmiro::test;

class TstBilderZuege : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gruppe();
    void keinPlatzhalter_data();
    void keinPlatzhalter();
    void keineZweiGleich();
    void lackierung_data();
    void lackierung();
};

namespace {

constexpr int anzahl = 66;

QString Pfad(int nummer) {
    return QStringLiteral(":/bilder/zuege/img%1.jpg").arg(nummer, 2, 10, QLatin1Char('0'));
}

// Mean difference per channel of two pictures of the same size.
double Abstand(const QImage& a, const QImage& b) {
    double summe = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            summe += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                     std::abs(p.blue() - q.blue());
        }
    return summe / (a.width() * a.height() * 3.0);
}

// The share of pixels of a vivid hue between von and bis degrees (bis < von wraps past
// red), at least this saturated and within this range of value.
double Anteil(const QImage& bild, int von, int bis, double saettigung, double hell0, double hell1) {
    int treffer = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            float h, s, v;
            bild.pixelColor(x, y).getHsvF(&h, &s, &v);
            const double grad = h * 360;
            const bool farbton =
                von <= bis ? grad >= von && grad <= bis : grad >= von || grad <= bis;
            if (h >= 0 && farbton && s >= saettigung && v >= hell0 && v <= hell1) ++treffer;
        }
    return static_cast<double>(treffer) / (bild.width() * bild.height());
}

} // namespace

// Exactly img01 ... img66, each 160 x 120: a missing number would leave the window
// without its picture.
void TstBilderZuege::gruppe() {
    QList<std::pair<QString, QSize>> bilder;
    for (int n = 1; n <= anzahl; ++n)
        bilder.append({Pfad(n), {160, 120}});
    const QString fehler = GruppeFehler(QStringLiteral("zuege"), bilder);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TstBilderZuege::keinPlatzhalter_data() {
    QTest::addColumn<QString>("pfad");
    for (int n = 1; n <= anzahl; ++n)
        QTest::newRow(qPrintable(Pfad(n))) << Pfad(n);
}

// A scene, not a flat box: light and shade, and many colours.
void TstBilderZuege::keinPlatzhalter() {
    QFETCH(QString, pfad);
    const QImage bild(pfad);
    QVERIFY(!bild.isNull());
    std::set<int> toene;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            toene.insert((c.red() / 32) * 64 + (c.green() / 32) * 8 + c.blue() / 32);
        }
    const double streuung = Helligkeitsstreuung(bild);
    QVERIFY2(streuung > 12, qPrintable(QStringLiteral("flat: brightness spread %1").arg(streuung)));
    QVERIFY2(toene.size() >= 24, qPrintable(QStringLiteral("only %1 colours").arg(toene.size())));
}

// Compared as small thumbnails, so that the pictures must differ in their whole look
// (colours, shape, scene), not in a few pixels of noise.
void TstBilderZuege::keineZweiGleich() {
    std::vector<QImage> klein;
    for (int n = 1; n <= anzahl; ++n)
        klein.push_back(
            QImage(Pfad(n)).scaled(20, 15, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    for (int i = 0; i < anzahl; ++i)
        for (int j = i + 1; j < anzahl; ++j) {
            const double d =
                Abstand(klein[static_cast<std::size_t>(i)], klein[static_cast<std::size_t>(j)]);
            QVERIFY2(d > 5, qPrintable(QStringLiteral("img%1 and img%2 nearly alike (%3)")
                                           .arg(i + 1)
                                           .arg(j + 1)
                                           .arg(d)));
        }
}

void TstBilderZuege::lackierung_data() {
    QTest::addColumn<int>("nummer");
    QTest::addColumn<int>("von");
    QTest::addColumn<int>("bis");
    QTest::addColumn<double>("saettigung");
    QTest::addColumn<double>("hell0");
    QTest::addColumn<double>("hell1");
    QTest::addColumn<double>("mindestens");
    // The trains best known by their colour: a row of the table that drew the wrong train
    // would lose it.
    QTest::newRow("Thalys PBA burgundy") << 3 << 330 << 10 << 0.45 << 0.2 << 0.6 << 0.012;
    QTest::newRow("High Speed Train yellow front")
        << 14 << 42 << 62 << 0.55 << 0.55 << 1.0 << 0.015;
    QTest::newRow("TGV La Poste yellow at dusk") << 20 << 12 << 62 << 0.6 << 0.55 << 1.0 << 0.015;
    QTest::newRow("TGV PSE orange") << 22 << 12 << 32 << 0.6 << 0.55 << 1.0 << 0.04;
    QTest::newRow("ETR 500P red") << 26 << 345 << 8 << 0.6 << 0.45 << 1.0 << 0.01;
    QTest::newRow("Doctor Yellow") << 35 << 42 << 62 << 0.55 << 0.55 << 1.0 << 0.01;
    QTest::newRow("Railjet red") << 51 << 345 << 8 << 0.6 << 0.45 << 1.0 << 0.03;
    QTest::newRow("Eurostar yellow nose") << 66 << 42 << 62 << 0.55 << 0.55 << 1.0 << 0.012;
}

void TstBilderZuege::lackierung() {
    QFETCH(int, nummer);
    QFETCH(int, von);
    QFETCH(int, bis);
    QFETCH(double, saettigung);
    QFETCH(double, hell0);
    QFETCH(double, hell1);
    QFETCH(double, mindestens);
    const double anteil = Anteil(QImage(Pfad(nummer)), von, bis, saettigung, hell0, hell1);
    QVERIFY2(
        anteil >= mindestens,
        qPrintable(QStringLiteral("only %1 of the picture in the livery's colour").arg(anteil)));
}

QTEST_GUILESS_MAIN(TstBilderZuege)
#include "tst_bilder_zuege.moc"
