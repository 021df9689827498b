#include "core/TexteU.h"
#include "core/ZeitenU.h"
#include "core/ZufallU.h"
#include "tests/support/Attrappen.h"

#include <QRegularExpression>
#include <QTest>
#include <numeric>

using namespace kalmiro;
using kalmiro::test::ZufallsSkript;

Q_DECLARE_METATYPE(kalmiro::Urteil)

namespace {

// Scripted values are what Random(n) returns: r(x) stands for a draw of x in 1..100,
// z(x) for Zufall1bis9 giving x.
constexpr int r(int x) {
    return x - 1;
}
constexpr int z(int x) {
    return x - 1;
}

// An exact rational number, kept in lowest terms.
struct Bruch {
    long long p = 0, q = 1;
    Bruch(long long zaehler = 0, long long nenner = 1) : p(zaehler), q(nenner) {
        const long long g = std::gcd(p, q);
        if (g > 1) p /= g, q /= g;
    }
    friend Bruch operator*(Bruch a, Bruch b) { return {a.p * b.p, a.q * b.q}; }
    friend bool operator==(Bruch a, Bruch b) { return a.p == b.p && a.q == b.q; }
};

long long Sekunden(const QString& einheit) {
    if (einheit == u"d") return 86400;
    if (einheit == u"h") return 3600;
    if (einheit == u"min") return 60;
    if (einheit == u"s") return 1;
    return 0;
}

// A decimal text with a comma, read exactly.
bool LiesDezimal(const QString& text, Bruch& wert) {
    static const QRegularExpression muster(QStringLiteral("^(\\d+)(?:,(\\d+))?$"));
    const auto m = muster.match(text);
    if (!m.hasMatch()) return false;
    long long nenner = 1;
    for (qsizetype i = 0; i < m.captured(2).size(); ++i)
        nenner *= 10;
    wert = Bruch(m.captured(1).toLongLong() * nenner + m.captured(2).toLongLong(), nenner);
    return true;
}

// What the given quantity is worth in the answer's unit, worked out from the texts alone.
bool ErwarteterWert(const Umwandlungsaufgabe& a, Bruch& wert) {
    const long long nach = Sekunden(a.NachEinheit);
    if (nach == 0) return false;
    if (a.VonEinheit.isEmpty()) {
        static const QRegularExpression muster(QStringLiteral("^(\\d+)(h|min) (\\d+)(min|s)$"));
        const auto m = muster.match(a.AngabeText);
        if (!m.hasMatch()) return false;
        const long long s = m.captured(1).toLongLong() * Sekunden(m.captured(2)) +
                            m.captured(3).toLongLong() * Sekunden(m.captured(4));
        wert = Bruch(s, nach);
        return true;
    }
    Bruch angabe;
    if (a.BruchAngabe)
        angabe = Bruch(a.ZaehlerText.toLongLong(), a.NennerText.toLongLong());
    else if (!LiesDezimal(a.AngabeText, angabe))
        return false;
    wert = angabe * Bruch(Sekunden(a.VonEinheit), nach);
    return true;
}

} // namespace

class TstZeiten : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tabelle_data();
    void tabelle();
    void nennerDerBruchangaben_data();
    void nennerDerBruchangaben();
    void jederAufrufZiehtZuerstDreiZahlen();
    void eigenschaften_data();
    void eigenschaften();
    void nurGueltigeZeilen();
    void festkomma_data();
    void festkomma();
    void normalisiert_data();
    void normalisiert();
    void tastenfilter_data();
    void tastenfilter();
    void bewerte_data();
    void bewerte();
    void vorgelesen_data();
    void vorgelesen();
};

// clang-format off
void TstZeiten::tabelle_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QList<int>>("skript");
    QTest::addColumn<QString>("angabe");
    QTest::addColumn<QString>("von");
    QTest::addColumn<QString>("nach");
    QTest::addColumn<QString>("loesung");
    QTest::addColumn<int>("stellenLoesung");
    QTest::addColumn<QString>("bruch"); // "" plain, "A" given a fraction, "L" answer a fraction

    using L = QList<int>;
    // ohne Brüche: the kinds A to E in bands of 20, the unit pairs by r2, sizes by r3.
    QTest::newRow("A1 Einer") << 1 << L{r(1), r(1), r(1), z(7)} << "7" << "min" << "s" << "420" << 0 << "";
    QTest::newRow("A1 Zehner") << 1 << L{r(20), r(25), r(35), z(3)} << "30" << "min" << "s" << "1800" << 0 << "";
    QTest::newRow("A1 zweistellig") << 1 << L{r(5), r(10), r(68), z(4), z(7)} << "47" << "min" << "s" << "2820" << 0 << "";
    QTest::newRow("A2 zweistellig") << 1 << L{r(1), r(26), r(100), z(9), z(9)} << "99" << "h" << "min" << "5940" << 0 << "";
    QTest::newRow("A2 Zehner") << 1 << L{r(1), r(50), r(67), z(2)} << "20" << "h" << "min" << "1200" << 0 << "";
    QTest::newRow("A3") << 1 << L{r(1), r(51), r(99), z(3)} << "3" << "h" << "s" << "10800" << 0 << "";
    QTest::newRow("A4 Einer") << 1 << L{r(1), r(76), r(50), z(2)} << "2" << "d" << "h" << "48" << 0 << "";
    QTest::newRow("A4 Zehner") << 1 << L{r(1), r(100), r(51), z(5)} << "50" << "d" << "h" << "1200" << 0 << "";
    QTest::newRow("B1 Einer") << 1 << L{r(21), r(1), r(1), z(4)} << "240" << "s" << "min" << "4" << 0 << "";
    QTest::newRow("B1 Zehner") << 1 << L{r(21), r(25), r(51), z(2)} << "1200" << "s" << "min" << "20" << 0 << "";
    QTest::newRow("B2") << 1 << L{r(30), r(26), r(51), z(9)} << "5400" << "min" << "h" << "90" << 0 << "";
    QTest::newRow("B3") << 1 << L{r(40), r(75), r(1), z(2)} << "7200" << "s" << "h" << "2" << 0 << "";
    QTest::newRow("B4 Einer") << 1 << L{r(40), r(76), r(1), z(3)} << "72" << "h" << "d" << "3" << 0 << "";
    QTest::newRow("B4 Zehner") << 1 << L{r(40), r(100), r(100), z(1)} << "240" << "h" << "d" << "10" << 0 << "";
    QTest::newRow("C1 Zehntel") << 1 << L{r(41), r(1), r(1), z(3)} << "0,3" << "min" << "s" << "18" << 0 << "";
    QTest::newRow("C1 Komma") << 1 << L{r(41), r(50), r(51), z(4), z(5)} << "4,5" << "min" << "s" << "270" << 0 << "";
    QTest::newRow("C2 Komma") << 1 << L{r(60), r(51), r(100), z(9), z(9)} << "9,9" << "h" << "min" << "594" << 0 << "";
    QTest::newRow("C2 Zehntel") << 1 << L{r(60), r(100), r(50), z(7)} << "0,7" << "h" << "min" << "42" << 0 << "";
    QTest::newRow("D1") << 1 << L{r(61), r(1), r(1), z(1)} << "6" << "s" << "min" << "0,1" << 1 << "";
    QTest::newRow("D2") << 1 << L{r(80), r(100), r(1), z(9)} << "54" << "min" << "h" << "0,9" << 1 << "";
    QTest::newRow("E1") << 1 << L{r(81), r(1), r(1), z(2), z(5)} << "2h 5min" << "" << "min" << "125" << 0 << "";
    QTest::newRow("E2") << 1 << L{r(90), r(26), r(1), z(7), z(8)} << "7min 8s" << "" << "s" << "428" << 0 << "";
    // b is drawn again until it is below 59: 65 is dropped.
    QTest::newRow("E3") << 1 << L{r(100), r(51), r(1), z(3), z(6), z(5), z(4), z(5)} << "3h 45min" << ""
                        << "min" << "225" << 0 << "";
    QTest::newRow("E4 ohne 59") << 1 << L{r(100), r(76), r(1), z(7), z(5), z(9), z(3), z(8)} << "7min 38s"
                                << "" << "s" << "458" << 0 << "";
    QTest::newRow("E4 58") << 1 << L{r(100), r(100), r(1), z(1), z(5), z(8)} << "1min 58s" << "" << "s"
                           << "118" << 0 << "";

    // mit Brüchen: the same kinds in bands of 8, then the fraction kinds.
    QTest::newRow("mB A2 bei 8") << 2 << L{r(8), r(26), r(1), z(3)} << "3" << "h" << "min" << "180" << 0 << "";
    QTest::newRow("mB B1 bei 9") << 2 << L{r(9), r(1), r(1), z(5)} << "300" << "s" << "min" << "5" << 0 << "";
    QTest::newRow("mB B4 bei 16") << 2 << L{r(16), r(76), r(1), z(1)} << "24" << "h" << "d" << "1" << 0 << "";
    QTest::newRow("mB C1 bei 17") << 2 << L{r(17), r(1), r(1), z(3)} << "0,3" << "min" << "s" << "18" << 0 << "";
    QTest::newRow("mB C2 bei 24") << 2 << L{r(24), r(51), r(51), z(1), z(1)} << "1,1" << "h" << "min" << "66"
                                  << 0 << "";
    QTest::newRow("mB D1 bei 25") << 2 << L{r(25), r(1), r(1), z(1)} << "6" << "s" << "min" << "0,1" << 1 << "";
    QTest::newRow("mB D2 bei 32") << 2 << L{r(32), r(51), r(1), z(5)} << "30" << "min" << "h" << "0,5" << 1 << "";
    QTest::newRow("mB E1 bei 33") << 2 << L{r(33), r(1), r(1), z(4), z(9)} << "4h 9min" << "" << "min" << "249"
                                  << 0 << "";
    QTest::newRow("mB E4 bei 40") << 2 << L{r(40), r(76), r(1), z(2), z(1), z(1)} << "2min 11s" << "" << "s"
                                  << "131" << 0 << "";

    // Given a fraction: r1 41-50 h -> min, 51-60 min -> s, 61-70 h -> s.
    QTest::newRow("Stundenbruch /60") << 2 << L{r(41), r(1), r(1), 6} << "7/60" << "h" << "min" << "7" << 0 << "A";
    // 45 does not divide 60: r2 is drawn again (30 here).
    QTest::newRow("/45 bei 60 neu") << 2 << L{r(50), r(10), r(1), r(25), 6} << "7/30" << "h" << "min" << "14" << 0
                                    << "A";
    // The numerator is drawn again while it shares a factor with the denominator.
    QTest::newRow("Minutenbruch /15") << 2 << L{r(51), r(40), r(1), 5, 3} << "4/15" << "min" << "s" << "16" << 0
                                      << "A";
    QTest::newRow("Minutenbruch /3") << 2 << L{r(60), r(80), r(1), 1} << "2/3" << "min" << "s" << "40" << 0 << "A";
    QTest::newRow("Minutenbruch /2") << 2 << L{r(55), r(100), r(1)} << "1/2" << "min" << "s" << "30" << 0 << "A";
    // With 3600 the band of 45 stays: 7/45 h is 560 s.
    QTest::newRow("Sekunden /45") << 2 << L{r(61), r(19), r(1), 6} << "7/45" << "h" << "s" << "560" << 0 << "A";
    QTest::newRow("Sekunden /4") << 2 << L{r(70), r(70), r(1), 2} << "3/4" << "h" << "s" << "2700" << 0 << "A";

    // Answer a fraction: r1 71-80 min -> h, 81-90 s -> min, 91-100 s -> h; the
    // denominator index 0..4 stands for 2, 3, 5, 6, 10.
    QTest::newRow("20 min als Bruch") << 2 << L{r(71), r(1), r(1), 1, 0} << "20" << "min" << "h" << "1/3" << 0
                                      << "L";
    QTest::newRow("Minutenbruch als Antwort") << 2 << L{r(81), r(1), r(1), 4, 6} << "42" << "s" << "min" << "7/10"
                                              << 0 << "L";
    QTest::newRow("Sekunden als Stundenbruch") << 2 << L{r(100), r(1), r(1), 3, 0} << "600" << "s" << "h" << "1/6"
                                               << 0 << "L";
    // Drawn again while not in lowest terms (2/2) or not proper (10/5).
    QTest::newRow("gekuerzt und echt") << 2 << L{r(91), r(1), r(1), 0, 1, 2, 9, 2, 2} << "2160" << "s" << "h"
                                       << "3/5" << 0 << "L";
}
// clang-format on

void TstZeiten::tabelle() {
    QFETCH(int, modus);
    QFETCH(QList<int>, skript);
    QFETCH(QString, bruch);
    ZufallsSkript zufall;
    for (int w : skript)
        zufall.Anhaengen(w);
    if (modus == 1)
        AufgabeOhneBrueche(3);
    else
        AufgabeMitBruechen(3);
    QVERIFY2(zufall.Leer(), "not every scripted value was drawn");
    QCOMPARE(zufall.Grenzen().size(), static_cast<std::size_t>(skript.size()));

    const Umwandlungsaufgabe& a = Umwandlungsaufgaben[3];
    const QString angabe = a.BruchAngabe ? a.ZaehlerText + u'/' + a.NennerText : a.AngabeText;
    QTEST(angabe, "angabe");
    QTEST(a.VonEinheit, "von");
    QTEST(a.NachEinheit, "nach");
    QTEST(a.LoesungText, "loesung");
    QTEST(a.StellenLoesung, "stellenLoesung");
    QCOMPARE(a.Bruchart, !bruch.isEmpty());
    QCOMPARE(a.BruchAngabe, bruch == u"A");
    QCOMPARE(a.BruchLoesung, bruch == u"L");
    QCOMPARE(a.EingabeLinks, 425);
    QVERIFY(!a.Offen && !a.Geloest && !a.Aufgedeckt);
}

// clang-format off
void TstZeiten::nennerDerBruchangaben_data() {
    QTest::addColumn<int>("r2");
    QTest::addColumn<int>("nenner");
    const int baender[][3] = {{1, 9, 60},   {10, 19, 45}, {20, 29, 30}, {30, 39, 20}, {40, 49, 15},
                              {50, 59, 10}, {60, 69, 5},  {70, 79, 4},  {80, 89, 3},  {90, 100, 2}};
    for (const auto& b : baender) {
        QTest::addRow("%d", b[0]) << b[0] << b[2];
        QTest::addRow("%d", b[1]) << b[1] << b[2];
    }
}
// clang-format on

// Every band of the denominator table, with the factor 3600 where none is redrawn.
void TstZeiten::nennerDerBruchangaben() {
    QFETCH(int, r2);
    QFETCH(int, nenner);
    ZufallsSkript zufall;
    zufall.Werte({r(65), r(r2), r(1), 0});
    AufgabeMitBruechen(1);
    const Umwandlungsaufgabe& a = Umwandlungsaufgaben[1];
    QCOMPARE(a.Nenner, nenner);
    QCOMPARE(a.Zaehler, 1);
    QCOMPARE(a.LoesungText, QString::number(3600 / nenner));
    // The numerator draw takes denominator - 1 values (none for 2).
    if (nenner == 2)
        QCOMPARE(zufall.Grenzen().size(), std::size_t{3});
    else
        QCOMPARE(zufall.Grenzen().back(), nenner - 1);
}

void TstZeiten::jederAufrufZiehtZuerstDreiZahlen() {
    for (int modus : {1, 2}) {
        for (int lauf = 0; lauf < 200; ++lauf) {
            ZufallsSkript zufall(static_cast<std::uint32_t>(lauf + 1));
            modus == 1 ? AufgabeOhneBrueche(5) : AufgabeMitBruechen(5);
            const auto& g = zufall.Grenzen();
            QVERIFY(g.size() >= 3);
            QCOMPARE(g[0], 100);
            QCOMPARE(g[1], 100);
            QCOMPARE(g[2], 100);
        }
    }
}

// clang-format off
void TstZeiten::eigenschaften_data() {
    QTest::addColumn<int>("modus");
    QTest::newRow("ohne Brüche") << 1;
    QTest::newRow("mit Brüchen") << 2;
}
// clang-format on

void TstZeiten::eigenschaften() {
    QFETCH(int, modus);
    ZufallsQuelleSetzen(nullptr);
    RandSeed(static_cast<std::uint32_t>(20240 + modus));
    constexpr int anzahl = 100000;
    int einfache = 0;
    static const QRegularExpression zusammengesetzt(
        QStringLiteral("^(\\d+)(h|min) (\\d+)(min|s)$"));
    for (int n = 0; n < anzahl; ++n) {
        const int zeile = n % 5 + 1;
        modus == 1 ? AufgabeOhneBrueche(zeile) : AufgabeMitBruechen(zeile);
        const Umwandlungsaufgabe& a = Umwandlungsaufgaben[static_cast<std::size_t>(zeile)];
        const auto fehler = [&](const char* was) {
            return qPrintable(QStringLiteral("%1: %2 %3 -> %4 %5")
                                  .arg(QLatin1String(was), a.AngabeText, a.VonEinheit,
                                       a.LoesungText, a.NachEinheit));
        };
        if (!a.Bruchart) ++einfache;
        QVERIFY2(modus == 2 || !a.Bruchart, fehler("fraction kind without fractions"));
        QVERIFY2(a.AngabeText.size() <= 20 && a.LoesungText.size() <= 20, fehler("text too long"));

        // The answer is exact, and in the form a normalised entry takes, so it can be hit.
        Bruch soll;
        QVERIFY2(ErwarteterWert(a, soll), fehler("given quantity unreadable"));
        QCOMPARE(EingabeNormalisiert(a.LoesungText), a.LoesungText);
        for (QChar c : a.LoesungText)
            QVERIFY2(ZeichenErlaubt(a, c), fehler("answer cannot be typed"));
        if (a.BruchLoesung) {
            QString z, nn;
            BruchTeilen(a.LoesungText, z, nn);
            const long long p = z.toLongLong(), q = nn.toLongLong();
            QVERIFY2(p > 0 && p < q, fehler("fraction not proper"));
            QVERIFY2(std::gcd(p, q) == 1, fehler("fraction not in lowest terms"));
            QVERIFY2(Bruch(p, q) == soll, fehler("wrong fraction"));
        } else {
            Bruch ist;
            QVERIFY2(LiesDezimal(a.LoesungText, ist), fehler("answer unreadable"));
            QVERIFY2(ist == soll, fehler("answer not exact"));
        }

        // Kind D: a decimal answer below 1, never 1 h or 1 min.
        if (a.StellenLoesung == 1)
            QVERIFY2(a.LoesungText.startsWith(u"0,"), fehler("kind D reached 1"));
        // Kind E: the second number below 59 and without a 0 digit.
        if (a.VonEinheit.isEmpty()) {
            const auto m = zusammengesetzt.match(a.AngabeText);
            QVERIFY2(m.hasMatch(), fehler("compound text"));
            const QString b = m.captured(3);
            QVERIFY2(!b.contains(u'0') && b.toInt() < 59, fehler("second number"));
        }
    }
    if (modus == 2) {
        const double anteil = static_cast<double>(einfache) / anzahl;
        QVERIFY2(anteil > 0.39 && anteil < 0.41, qPrintable(QString::number(anteil)));
    } else {
        QCOMPARE(einfache, anzahl);
    }
}

void TstZeiten::nurGueltigeZeilen() {
    ZufallsSkript zufall;
    for (int i : {0, 6, -1, 1000}) {
        AufgabeOhneBrueche(i);
        AufgabeMitBruechen(i);
        AufgabeLoeschen(i);
    }
    QVERIFY(zufall.Grenzen().empty());
    AufgabeOhneBrueche(2);
    QVERIFY(!Umwandlungsaufgaben[2].LoesungText.isEmpty());
    Umwandlungsaufgaben[2].Geloest = true;
    AufgabeLoeschen(2);
    QVERIFY(Umwandlungsaufgaben[2].LoesungText.isEmpty());
    QVERIFY(!Umwandlungsaufgaben[2].Geloest);
    QCOMPARE(Umwandlungsaufgaben[2].EingabeLinks, 0);
}

// clang-format off
void TstZeiten::festkomma_data() {
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("stellen");
    QTest::addColumn<QString>("text");
    // The single-precision products, written with their decimals.
    QTest::newRow("0,3 min x 60") << static_cast<double>(0.3f * 60.0f) << 0 << "18";
    QTest::newRow("6 s / 60") << static_cast<double>(6.0f / 60.0f) << 1 << "0,1";
    QTest::newRow("9,9 h x 60") << static_cast<double>(9.9f * 60.0f) << 0 << "594";
    QTest::newRow("54 / 60") << static_cast<double>(54.0f / 60.0f) << 1 << "0,9";
    QTest::newRow("ohne Tausenderpunkt") << 5940.0 << 0 << "5940";
    QTest::newRow("gegeben 0,7") << static_cast<double>(0.7f) << 1 << "0,7";
    // The points and percentages of the exercise screens and the evaluation.
    QTest::newRow("halber Punkt") << static_cast<double>(2.5f) << 1 << "2,5";
    QTest::newRow("nichts falsch") << static_cast<double>(3.0f - 3.0f) << 1 << "0,0";
    QTest::newRow("minus null") << -0.0 << 1 << "0,0";
    QTest::newRow("Prozent") << static_cast<double>(62.5f) << 3 << "62,500";
    QTest::newRow("viele Punkte") << static_cast<double>(1234567.5f) << 1 << "1234567,5";
}
// clang-format on

void TstZeiten::festkomma() {
    QFETCH(double, wert);
    QFETCH(int, stellen);
    QTEST(Festkomma(wert, stellen), "text");
}

// clang-format off
void TstZeiten::normalisiert_data() {
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("180") << "180" << "180";
    QTest::newRow("180,0") << "180,0" << "180";
    QTest::newRow("0180") << "0180" << "180";
    QTest::newRow("0,10") << "0,10" << "0,1";
    QTest::newRow(",1") << ",1" << "0,1";
    QTest::newRow("00,50") << "00,50" << "0,5";
    QTest::newRow("2/6 bleibt") << "2/6" << "2/6";
    QTest::newRow("01/3") << "01/3" << "1/3";
    QTest::newRow("nur Komma Null") << ",0" << "0";
    QTest::newRow("lang") << QString(5000, u'7') << QString(40, u'7');
}
// clang-format on

void TstZeiten::normalisiert() {
    QFETCH(QString, eingabe);
    QTEST(EingabeNormalisiert(eingabe), "ergebnis");
}

// clang-format off
void TstZeiten::tastenfilter_data() {
    QTest::addColumn<int>("stellenLoesung");
    QTest::addColumn<bool>("bruchLoesung");
    QTest::addColumn<QString>("erlaubt");
    QTest::addColumn<QString>("verboten");
    // The comma passes for whole numbers too: 180,0 is read as 180.
    QTest::newRow("ganze Zahl") << 0 << false << "0123456789," << "/.-+ eh";
    QTest::newRow("Dezimalzahl") << 1 << false << "0123456789," << "/.-+ e";
    QTest::newRow("Bruch") << 0 << true << "0123456789/" << ",.-+ e:";
}
// clang-format on

void TstZeiten::tastenfilter() {
    QFETCH(int, stellenLoesung);
    QFETCH(bool, bruchLoesung);
    QFETCH(QString, erlaubt);
    QFETCH(QString, verboten);
    Umwandlungsaufgabe a;
    a.StellenLoesung = stellenLoesung;
    a.BruchLoesung = bruchLoesung;
    for (QChar c : erlaubt)
        QVERIFY2(ZeichenErlaubt(a, c), qPrintable(QString(c)));
    for (QChar c : verboten)
        QVERIFY2(!ZeichenErlaubt(a, c), qPrintable(QString(c)));
    // Digits of other scripts are no digits here.
    QVERIFY(!ZeichenErlaubt(a, QChar(0x0663)));
}

// clang-format off
void TstZeiten::bewerte_data() {
    QTest::addColumn<int>("versuchVorher");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<Urteil>("urteil");
    QTest::addColumn<int>("versuchNachher");
    QTest::addColumn<bool>("geloest");
    QTest::addColumn<bool>("aufgedeckt");
    QTest::newRow("richtig beim ersten") << 1 << "1/3" << Urteil::RichtigBeimErsten << 1 << true << false;
    QTest::newRow("falsch beim ersten") << 1 << "2/6" << Urteil::FalschBeimErsten << 2 << false << false;
    QTest::newRow("richtig beim zweiten") << 2 << "1/3" << Urteil::RichtigBeimZweiten << 1 << true << false;
    QTest::newRow("falsch beim zweiten") << 2 << "2/6" << Urteil::FalschBeimZweiten << 1 << false << true;
    QTest::newRow("nur gleicher Text zählt") << 1 << "1/3 " << Urteil::FalschBeimErsten << 2 << false << false;
}
// clang-format on

void TstZeiten::bewerte() {
    QFETCH(int, versuchVorher);
    QFETCH(QString, eingabe);
    QFETCH(Urteil, urteil);
    QFETCH(bool, geloest);
    QFETCH(bool, aufgedeckt);
    Umwandlungsaufgabe a;
    a.LoesungText = QStringLiteral("1/3");
    a.Offen = true;
    int versuch = versuchVorher;
    QCOMPARE(Bewerte(a, versuch, eingabe), urteil);
    QTEST(versuch, "versuchNachher");
    QCOMPARE(a.Geloest, geloest);
    QCOMPARE(a.Aufgedeckt, aufgedeckt);
    QCOMPARE(a.Offen, !geloest && !aufgedeckt);
}

// What a screen reader says of a task and of its finished row.
void TstZeiten::vorgelesen_data() {
    QTest::addColumn<QString>("angabe");
    QTest::addColumn<QString>("von");
    QTest::addColumn<QString>("nach");
    QTest::addColumn<QString>("frage");
    QTest::addColumn<QString>("satz"); // with the answer 40
    // clang-format off
    QTest::newRow("einfach") << "2400" << "min" << "h" << "2400 min in h" << "2400 min = 40 h";
    QTest::newRow("Komma") << "0,3" << "min" << "s" << "0,3 min in s" << "0,3 min = 40 s";
    QTest::newRow("zusammengesetzt") << "3h 45min" << "" << "min" << "3h 45min in min" << "3h 45min = 40 min";
    QTest::newRow("Bruch gegeben") << "7/60" << "h" << "min" << "7/60 h in min" << "7/60 h = 40 min";
    // clang-format on
}

void TstZeiten::vorgelesen() {
    QFETCH(QString, angabe);
    QFETCH(QString, von);
    QFETCH(QString, nach);
    Umwandlungsaufgabe a;
    a.AngabeText = angabe;
    a.VonEinheit = von;
    a.NachEinheit = nach;
    QTEST(Aufgabentext(a), "frage");
    QTEST(Loesungssatz(a, QStringLiteral("40")), "satz");
}

QTEST_GUILESS_MAIN(TstZeiten)
#include "tst_zeiten.moc"
