#include "core/ZufallU.h"
#include "tests/support/Zufallsskript.h"

#include <QTest>
#include <map>

using namespace kalmiro;

class TstZufall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bereiche();
    void zweistelligOhneNull();
    void zehntelUndKomma();
    void tempoVerteilung();
    void geskripteteWerteWerdenBegrenzt();
};

void TstZufall::bereiche() {
    RandSeed(7);
    bool gesehen[10] = {};
    for (int i = 0; i < 10000; ++i) {
        const int r = Random(10);
        QVERIFY(r >= 0 && r < 10);
        gesehen[r] = true;
        const int z = Zufall1bis9();
        QVERIFY(z >= 1 && z <= 9);
        const int zehner = ZufallZehner();
        QVERIFY(zehner % 10 == 0 && zehner >= 10 && zehner <= 90);
    }
    for (bool g : gesehen)
        QVERIFY(g);
    QCOMPARE(Random(0), 0);
    QCOMPARE(Random(-5), 0);
}

void TstZufall::zweistelligOhneNull() {
    RandSeed(11);
    for (int i = 0; i < 20000; ++i) {
        const int z = ZufallZweistellig();
        QVERIFY(z >= 11 && z <= 99);
        QVERIFY(z % 10 != 0);
    }
}

void TstZufall::zehntelUndKomma() {
    RandSeed(3);
    for (int i = 0; i < 5000; ++i) {
        const float z = ZufallZehntel();
        QVERIFY(z >= 0.09f && z <= 0.91f);
        const float k = ZufallEinstelligKomma();
        QVERIFY(k >= 1.09f && k <= 9.91f);
        const int zehntel = qRound(k * 10);
        QVERIFY(zehntel % 10 != 0);
    }
}

void TstZufall::tempoVerteilung() {
    RandSeed(5);
    std::map<int, int> zaehler;
    const int n = 150000;
    for (int i = 0; i < n; ++i)
        ++zaehler[ZufallTempo()];
    QCOMPARE(static_cast<int>(zaehler.size()), 11);
    for (const auto& [tempo, anzahl] : zaehler) {
        QVERIFY(tempo >= 800 && tempo <= 900 && tempo % 10 == 0);
        const double erwartet = tempo == 850 ? n / 3.0 : n / 15.0;
        QVERIFY2(std::abs(anzahl - erwartet) < erwartet * 0.05, qPrintable(QString::number(tempo)));
    }
}

void TstZufall::geskripteteWerteWerdenBegrenzt() {
    test::ZufallsSkript s;
    s.Werte({0, 8, 42, -3, 2, 4});
    QCOMPARE(Zufall1bis9(), 1);
    QCOMPARE(Zufall1bis9(), 9);
    QCOMPARE(Random(10), 9); // 42 is out of range for 10
    QCOMPARE(Random(10), 0);
    QCOMPARE(ZufallTempo(), 850 + 10 * 1 * 5); // s = 2 - 1, f = 4 + 1
    QVERIFY(s.Leer());
}

QTEST_GUILESS_MAIN(TstZufall)
#include "tst_zufall.moc"
