#include "core/ZeitaufgabenU.h"
#include "core/ZufallU.h"
#include "tests/support/Aufgabenliste.h"
#include "tests/support/Zufallsskript.h"

#include <QTest>
#include <array>

using namespace kalmiro;

namespace {

long long Sekunden(long long d, long long h, long long m, long long s) {
    return ((d * 24 + h) * 60 + m) * 60 + s;
}

bool In(int wert, int von, int bis) {
    return wert >= von && wert <= bis;
}

// What is wrong with the task for its operation and level, or empty. Every check works
// from the operands, never from the generator's own conditions.
QString Fehler(int art, const TZeitAufgabe& a) {
    const int st = a.Stufe;
    const Zeitmenge e = a.Ergebnis();
    if (a.Erwartet != ErgebnisText(e.Tage, e.Stunden, e.Minuten, e.Sekunden))
        return QStringLiteral("expected text");
    if (!In(e.Minuten, 0, 59) || !In(e.Sekunden, 0, 59) || e.Tage < 0 || e.Stunden < 0)
        return QStringLiteral("result out of range");
    const long long erster = Sekunden(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1);
    const long long zweiter = Sekunden(0, a.Stunden2, a.Minuten2, a.Sekunden2);
    const long long ergebnis = Sekunden(e.Tage, e.Stunden, e.Minuten, e.Sekunden);

    switch (art) {
    case ArtAddition: {
        if (a.Tage1 != 0 || !In(a.Stunden1, 1, 59) || !In(a.Stunden2, 1, 59) ||
            !In(a.Minuten1, 1, 59) || !In(a.Minuten2, 1, 59) || !In(a.Sekunden1, 1, 59) ||
            !In(a.Sekunden2, 1, 59))
            return QStringLiteral("operand out of range");
        if (ergebnis != erster + zweiter || e.Stunden > 23) return QStringLiteral("sum");
        const int cs = (a.Sekunden1 + a.Sekunden2) / 60;
        const int cm = (a.Minuten1 + a.Minuten2 + cs) / 60;
        const int ch = (a.Stunden1 + a.Stunden2 + cm) / 24;
        static constexpr int muster[4][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}};
        if (cs != muster[st - 1][0] || cm != muster[st - 1][1] || ch != muster[st - 1][2])
            return QStringLiteral("carry pattern");
        if (st == 4 && (e.Tage != 1 || e.Stunden > 6)) return QStringLiteral("level 4 day");
        if (st < 4 && (a.Stunden1 > 23 || a.Stunden2 > 23)) return QStringLiteral("hours");
        break;
    }
    case ArtSubtraktion: {
        if (!In(a.Stunden1, 1, 23) || !In(a.Stunden2, 1, 23) || !In(a.Minuten1, 1, 59) ||
            !In(a.Minuten2, 1, 59) || !In(a.Sekunden1, 1, 59) || !In(a.Sekunden2, 1, 59))
            return QStringLiteral("operand out of range");
        if (a.Tage1 != (st == 4 ? 1 : 0)) return QStringLiteral("minuend days");
        if (ergebnis != erster - zweiter || e.Tage != 0 || e.Stunden > 23)
            return QStringLiteral("difference");
        const int bs = a.Sekunden1 < a.Sekunden2;
        const int bm = a.Minuten1 - bs < a.Minuten2;
        const int bh = a.Stunden1 - bm < a.Stunden2;
        static constexpr int muster[4][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1}};
        if (bs != muster[st - 1][0] || bm != muster[st - 1][1] || bh != muster[st - 1][2])
            return QStringLiteral("borrow pattern");
        if (st == 4 && !In(e.Stunden, 1, 22)) return QStringLiteral("level 4 hours");
        break;
    }
    case ArtMultiplikation: {
        if (!In(a.k, 2, 6) || a.Tage1 != 0 || !In(a.Stunden1, 1, 23) || !In(a.Minuten1, 1, 59) ||
            !In(a.Sekunden1, 1, 59))
            return QStringLiteral("operand out of range");
        if (ergebnis != erster * a.k || e.Stunden > 23) return QStringLiteral("product");
        const int cs = a.Sekunden1 * a.k / 60;
        const int cm = (a.Minuten1 * a.k + cs) / 60;
        const int ch = (a.Stunden1 * a.k + cm) / 24;
        const bool passt = st == 1   ? cs == 0 && cm == 0 && ch == 0
                           : st == 2 ? cs > 0 && cm == 0 && ch == 0
                           : st == 3 ? cs > 0 && cm > 0 && ch == 0
                                     : cs > 0 && cm > 0 && ch > 0;
        if (!passt) return QStringLiteral("carry pattern");
        break;
    }
    default: {
        if (!In(a.k, 2, 10) || a.Stunden1 < 1 || a.Minuten1 < 1 || a.Sekunden1 < 1)
            return QStringLiteral("operand out of range");
        if (st == 4 ? !In(a.Tage1, 3, 12) : a.Tage1 != 0) return QStringLiteral("dividend days");
        if (st == 1 && (a.Stunden1 > 230 || a.Minuten1 > 590 || a.Sekunden1 > 590))
            return QStringLiteral("level 1 dividend");
        if (st >= 2 && (a.Stunden1 > 24 || a.Minuten1 > 59 || (st > 2 && a.Sekunden1 > 59)))
            return QStringLiteral("dividend");
        if (ergebnis * a.k != erster) return QStringLiteral("not exact");
        // The quotient's hours stay below a day, except the 24 h of level 4.
        if (e.Stunden > (st == 4 ? 24 : 23) || (st < 4 && e.Tage != 0))
            return QStringLiteral("quotient");
        const int k = a.k;
        const int rd = a.Tage1 % k;
        const int rh = (a.Stunden1 + 24 * rd) % k;
        const int rm = (a.Minuten1 + 60 * rh) % k;
        const bool passt = st == 1   ? rh == 0 && rm == 0
                           : st == 2 ? a.Stunden1 % k != 0 && rh != 0 && rm == 0
                           : st == 3 ? rh != 0 && rm != 0
                                     : rd != 0 && a.Tage1 > k;
        if (!passt) return QStringLiteral("remainder pattern");
        break;
    }
    }
    return {};
}

void ArtUndStufe() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("stufe");
    const char* namen[] = {"Addition", "Subtraktion", "Multiplikation", "Division"};
    for (int art = 1; art <= 4; ++art)
        for (int stufe = 1; stufe <= 4; ++stufe)
            QTest::addRow("%s Stufe %d", namen[art - 1], stufe) << art << stufe;
}

} // namespace

class TstZeitaufgaben : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hunderttausendAufgaben_data() { ArtUndStufe(); }
    void hunderttausendAufgaben();
    void endetAuchBeiStarrerQuelle_data();
    void endetAuchBeiStarrerQuelle();
    void spaltenrechnung_data();
    void spaltenrechnung();
    void ergebnisText_data();
    void ergebnisText();
    void stufenGrenzen_data();
    void stufenGrenzen();
    void stufenVerteilung();
    void divisionBeginntMitStufe4();
    void randwerteKommenVor();
    void vorgelesen_data();
    void vorgelesen();
};

void TstZeitaufgaben::hunderttausendAufgaben() {
    QFETCH(int, art);
    QFETCH(int, stufe);
    RandSeed(static_cast<std::uint32_t>(1000 * art + stufe));
    for (int i = 0; i < 100000; ++i) {
        const TZeitAufgabe a = ErzeugeAufgabe(art, stufe);
        QCOMPARE(a.Stufe, stufe);
        const QString fehler = Fehler(art, a);
        if (!fehler.isEmpty())
            QFAIL(qPrintable(fehler + QStringLiteral(": ") + test::Beschreibung(a)));
    }
}

void TstZeitaufgaben::endetAuchBeiStarrerQuelle_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("stufe");
    QTest::addColumn<int>("wert");
    for (int art = 1; art <= 4; ++art)
        for (int stufe = 1; stufe <= 4; ++stufe)
            for (int wert : {0, -1})
                QTest::addRow("Art %d Stufe %d %s", art, stufe,
                              wert == 0 ? "kleinster" : "groesster")
                    << art << stufe << wert;
}

// A source that always gives its smallest or its largest value never meets most
// conditions; the generator must still end with a task of the right pattern.
void TstZeitaufgaben::endetAuchBeiStarrerQuelle() {
    QFETCH(int, art);
    QFETCH(int, stufe);
    QFETCH(int, wert);
    test::ZufallsSkript skript;
    skript.Danach(wert);
    const TZeitAufgabe a = ErzeugeAufgabe(art, stufe);
    QVERIFY2(Fehler(art, a).isEmpty(), qPrintable(Fehler(art, a) + u' ' + test::Beschreibung(a)));
}

// clang-format off
void TstZeitaufgaben::spaltenrechnung_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("operanden"); // d1 h1 m1 s1 h2 m2 s2 k
    QTest::addColumn<QString>("erwartet");
    using L = QList<int>;
    QTest::newRow("Addition ohne Übertrag") << 1 << L{0, 3, 10, 20, 4, 5, 6, 0} << "7h15min26s";
    QTest::newRow("Addition bis zum Tag") << 1 << L{0, 20, 40, 50, 9, 30, 30, 0} << "1d6h11min20s";
    QTest::newRow("Addition Tage des ersten zählen nicht")
        << 1 << L{5, 1, 1, 1, 1, 1, 1, 0} << "2h2min2s";
    QTest::newRow("Subtraktion ohne Borgen") << 2 << L{0, 12, 30, 3, 12, 18, 0, 0} << "0h12min3s";
    QTest::newRow("Subtraktion borgt den Tag") << 2 << L{1, 2, 5, 5, 23, 59, 59, 0} << "2h5min6s";
    QTest::newRow("Multiplikation mit Tagen") << 3 << L{0, 23, 59, 59, 0, 0, 0, 6} << "5d23h59min54s";
    QTest::newRow("Division Stufe 1") << 4 << L{0, 230, 590, 590, 0, 0, 0, 10} << "23h59min59s";
    QTest::newRow("Division 24 Stunden bleiben") << 4 << L{3, 24, 2, 2, 0, 0, 0, 2} << "1d24h1min1s";
    QTest::newRow("Division durch 7") << 4 << L{0, 8, 3, 7, 0, 0, 0, 7} << "1h9min1s";
    QTest::newRow("Division durch 0") << 4 << L{1, 1, 1, 1, 0, 0, 0, 0} << "0h0min0s";
}
// clang-format on

void TstZeitaufgaben::spaltenrechnung() {
    QFETCH(int, art);
    QFETCH(QList<int>, operanden);
    QFETCH(QString, erwartet);
    TZeitAufgabe a = test::AufgabeAus(operanden);
    Berechne(art, a);
    QCOMPARE(a.Erwartet, erwartet);
}

// clang-format off
void TstZeitaufgaben::ergebnisText_data() {
    QTest::addColumn<QList<int>>("teile");
    QTest::addColumn<QString>("text");
    QTest::newRow("mit Tagen und 0 h") << QList<int>{1, 0, 5, 9} << "1d0h5min9s";
    QTest::newRow("ohne Tage, 0 min") << QList<int>{0, 12, 0, 3} << "12h0min3s";
    QTest::newRow("0 h bleibt stehen") << QList<int>{0, 0, 12, 3} << "0h12min3s";
    QTest::newRow("alles 0") << QList<int>{0, 0, 0, 0} << "0h0min0s";
    QTest::newRow("zu lang wird gekürzt")
        << QList<int>{123456, 123456, 123456, 123456} << "123456d123456h123456";
}
// clang-format on

void TstZeitaufgaben::ergebnisText() {
    QFETCH(QList<int>, teile);
    QFETCH(QString, text);
    QCOMPARE(ErgebnisText(teile[0], teile[1], teile[2], teile[3]), text);
}

void TstZeitaufgaben::stufenGrenzen_data() {
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("stufe");
    for (auto [r, s] :
         {std::pair{1, 1}, {10, 1}, {11, 2}, {40, 2}, {41, 3}, {70, 3}, {71, 4}, {100, 4}})
        QTest::addRow("r = %d", r) << r << s;
}

void TstZeitaufgaben::stufenGrenzen() {
    QFETCH(int, r);
    QFETCH(int, stufe);
    test::ZufallsSkript skript;
    skript.Werte({r - 1});
    skript.Danach(0);
    QCOMPARE(ZieheStufe(), stufe);
}

void TstZeitaufgaben::stufenVerteilung() {
    RandSeed(42);
    std::array<int, 5> anzahl{};
    constexpr int n = 100000;
    for (int i = 0; i < n; ++i)
        ++anzahl[static_cast<std::size_t>(ZieheStufe())];
    const double soll[] = {0, 0.10, 0.30, 0.30, 0.30};
    for (std::size_t s = 1; s <= 4; ++s)
        QVERIFY2(std::abs(anzahl[s] / double(n) - soll[s]) < 0.01,
                 qPrintable(QStringLiteral("level %1: %2").arg(s).arg(anzahl[s])));
}

void TstZeitaufgaben::divisionBeginntMitStufe4() {
    RandSeed(9);
    std::array<int, 5> anzahl{};
    constexpr int runden = 20000;
    for (int r = 0; r < runden; ++r) {
        const auto reihe = NeueAufgabenreihe(ArtDivision);
        QCOMPARE(reihe[0].Stufe, 4);
        QVERIFY(reihe[0].Tage1 >= 3);
        for (std::size_t i = 1; i < reihe.size(); ++i) {
            QVERIFY(Fehler(ArtDivision, reihe[i]).isEmpty());
            ++anzahl[static_cast<std::size_t>(reihe[i].Stufe)];
        }
    }
    const double n = 5.0 * runden;
    QVERIFY(std::abs(anzahl[1] / n - 0.10) < 0.01);
    for (std::size_t s = 2; s <= 4; ++s)
        QVERIFY(std::abs(anzahl[s] / n - 0.30) < 0.01);

    // The other operations draw the first level like any other.
    test::ZufallsSkript skript;
    skript.Werte({0}); // r = 1: level 1
    skript.Danach(0);
    QCOMPARE(NeueAufgabenreihe(ArtAddition)[0].Stufe, 1);
}

// The extremes the tables allow turn up, so the ranges are not narrower than meant.
void TstZeitaufgaben::randwerteKommenVor() {
    RandSeed(5);
    bool tag24 = false, hoechsteDivision = false, nullStunden = false, sechsStunden = false;
    for (int i = 0; i < 200000; ++i) {
        const TZeitAufgabe d4 = ErzeugeAufgabe(ArtDivision, 4);
        tag24 |= d4.ErgebnisStunden == 24;
        const TZeitAufgabe d1 = ErzeugeAufgabe(ArtDivision, 1);
        hoechsteDivision |= d1.Stunden1 == 230 || d1.Minuten1 == 590;
        nullStunden |= ErzeugeAufgabe(ArtSubtraktion, 3).Erwartet.startsWith(u"0h");
        sechsStunden |= ErzeugeAufgabe(ArtAddition, 4).ErgebnisStunden == 6;
    }
    QVERIFY(tag24);
    QVERIFY(hoechsteDivision);
    QVERIFY(nullStunden);
    QVERIFY(sechsStunden);
}

// What a screen reader says of a task: every column written out, days only where the
// first operand has them, the operation as a word.
// clang-format off
void TstZeitaufgaben::vorgelesen_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("werte"); // d1 h1 m1 s1 h2 m2 s2 k
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("Addition") << ArtAddition << QList<int>{0, 5, 55, 50, 12, 43, 42, 0} << "5h 55min 50s plus 12h 43min 42s";
    QTest::newRow("Subtraktion mit Tagen") << ArtSubtraktion << QList<int>{1, 2, 0, 5, 3, 58, 19, 0} << "1d 2h 0min 5s minus 3h 58min 19s";
    QTest::newRow("Multiplikation") << ArtMultiplikation << QList<int>{0, 22, 43, 56, 0, 0, 0, 3} << "22h 43min 56s mal 3";
    QTest::newRow("Division mit Tagen") << ArtDivision << QList<int>{2, 0, 7, 0, 0, 0, 0, 4} << "2d 0h 7min 0s durch 4";
    // clang-format on
}
// clang-format on

void TstZeitaufgaben::vorgelesen() {
    QFETCH(int, art);
    QFETCH(QList<int>, werte);
    QTEST(Aufgabentext(art, test::AufgabeAus(werte)), "text");
}

QTEST_GUILESS_MAIN(TstZeitaufgaben)
#include "tst_zeitaufgaben.moc"
