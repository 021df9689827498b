#include "tests/support/Bildpruefung.h"

#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

using namespace kalmiro::test;

namespace {

struct Kasten {
    const char* name;
    QSize groesse;
};

// The boxes the information window shows its pictures in.
const Kasten kaesten[] = {{"img01", {140, 177}}, {"img02", {203, 143}}, {"img03", {112, 86}},
                          {"img04", {160, 163}}, {"img05", {148, 154}}, {"img06", {141, 176}},
                          {"img07", {120, 120}}, {"img08", {113, 209}}, {"img09", {102, 211}},
                          {"img10", {147, 175}}, {"img11", {144, 98}}};

QString Pfad(const char* name) {
    return QStringLiteral(":/bilder/information/%1.jpg").arg(QLatin1String(name));
}

bool Weiss(const QColor& c) {
    return c.red() >= 245 && c.green() >= 245 && c.blue() >= 245;
}

// How the picture's pixels spread: brightness, colourfulness and the share of its
// commonest colour (in steps of 16 per channel).
struct Streuung {
    double helligkeit = 0;
    double buntheit = 0;
    double groessterAnteil = 0;
};

Streuung Messen(const QImage& bild) {
    double bunt = 0;
    std::map<int, int> haeufigkeit;
    const int n = bild.width() * bild.height();
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            bunt +=
                std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()});
            ++haeufigkeit[(c.red() / 16) << 8 | (c.green() / 16) << 4 | c.blue() / 16];
        }
    }
    int meiste = 0;
    for (const auto& [farbe, anzahl] : haeufigkeit)
        meiste = std::max(meiste, anzahl);
    return {Helligkeitsstreuung(bild), bunt / n, static_cast<double>(meiste) / n};
}

// The pixels along the four edges.
QList<QColor> Rand(const QImage& bild) {
    QList<QColor> rand;
    const int w = bild.width(), h = bild.height();
    for (int x = 0; x < w; ++x)
        rand << bild.pixelColor(x, 0) << bild.pixelColor(x, h - 1);
    for (int y = 1; y < h - 1; ++y)
        rand << bild.pixelColor(0, y) << bild.pixelColor(w - 1, y);
    return rand;
}

} // namespace

class TstBilderInformation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void gruppe();
    void inhaltUndRand_data();
    void inhaltUndRand();
    void jedesBildEigen();
};

// Each picture fits its box.
void TstBilderInformation::gruppe() {
    QList<std::pair<QString, QSize>> bilder;
    for (const Kasten& k : kaesten)
        bilder.append({Pfad(k.name), k.groesse});
    const QString fehler = GruppeFehler(QStringLiteral("information"), bilder);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TstBilderInformation::inhaltUndRand_data() {
    QTest::addColumn<QString>("pfad");
    QTest::addColumn<bool>("aufWeiss");
    for (const Kasten& k : kaesten)
        QTest::newRow(k.name) << Pfad(k.name) << (QLatin1String(k.name) == QLatin1String("img09"));
}

// Light and dark parts, colour, and no single colour taking over the picture: an
// empty canvas, a flat fill or a washed-out grey all fail. The pendulum clock stands
// free on the white window, so its edges are white all round; every other picture fills
// its box, with no white strip left at an edge.
void TstBilderInformation::inhaltUndRand() {
    QFETCH(QString, pfad);
    QFETCH(bool, aufWeiss);
    const QImage bild(pfad);
    QVERIFY(!bild.isNull());
    const Streuung s = Messen(bild);
    QVERIFY2(s.helligkeit > 15,
             qPrintable(QStringLiteral("brightness spread %1").arg(s.helligkeit)));
    QVERIFY2(s.buntheit > 10, qPrintable(QStringLiteral("colourfulness %1").arg(s.buntheit)));
    QVERIFY2(s.groessterAnteil < 0.6,
             qPrintable(QStringLiteral("one colour covers %1").arg(s.groessterAnteil)));

    const QList<QColor> rand = Rand(bild);
    const auto weiss = std::count_if(rand.begin(), rand.end(), Weiss);
    if (aufWeiss) {
        QCOMPARE(weiss, rand.size());
    } else {
        QVERIFY2(weiss < rand.size() / 20,
                 qPrintable(QStringLiteral("%1 white edge pixels").arg(weiss)));
    }
}

// Two names drawn by the same routine would show one picture twice: every pair differs
// clearly once brought to the same small size.
void TstBilderInformation::jedesBildEigen() {
    QList<QImage> klein;
    for (const Kasten& k : kaesten)
        klein
            << QImage(Pfad(k.name)).scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int i = 0; i < klein.size(); ++i) {
        for (int j = i + 1; j < klein.size(); ++j) {
            double abstand = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    abstand += std::fabs(Helligkeit(klein[i].pixelColor(x, y)) -
                                         Helligkeit(klein[j].pixelColor(x, y)));
            abstand /= 256;
            QVERIFY2(abstand > 12, qPrintable(QStringLiteral("%1 and %2 look alike (%3)")
                                                  .arg(QLatin1String(kaesten[i].name),
                                                       QLatin1String(kaesten[j].name))
                                                  .arg(abstand)));
        }
    }
}

QTEST_GUILESS_MAIN(TstBilderInformation)
#include "tst_bilder_information.moc"
