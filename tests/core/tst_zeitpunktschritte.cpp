#include "core/TexteU.h"
#include "core/ZeiteingabeU.h"
#include "core/ZeitpunktschritteU.h"
#include "core/ZufallU.h"
#include "tests/support/Zeitstandtext.h"

#include <QTest>

using namespace kalmiro;
using namespace kalmiro::test;

Q_DECLARE_METATYPE(kalmiro::Zeittinte)

namespace {

int Minuten(const Rechenzeile& z) {
    return 60 * z.stunden + z.minuten;
}

// What is wrong with a state: a row that is no time, or a result that does not follow
// from its operands. Once a step is done a result has at most 59 minutes, unless an hour
// of it is taken apart for the subtraction under it.
QString Rechenfehler(const Zeitstand& s, bool fertig) {
    for (const Rechenzeile& z : s.zeilen)
        if (z.stunden < 0 || z.minuten < 0) return QStringLiteral("row ") + Zeilentext(z);
    for (const Rechenzeichen& z : s.zeichen) {
        const Rechenzeile* oben = s.Zeile(z.basis, z.y + Zeilenabstand);
        const Rechenzeile* unten = s.Zeile(z.basis, z.y);
        const Rechenzeile* ergebnis = s.Zeile(z.basis, z.y - Zeilenabstand);
        if (!oben || !unten) return QStringLiteral("sign without its operands");
        if (!ergebnis) continue;
        const int vorzeichen = z.art == Rechenart::Plus ? 1 : -1;
        if (Minuten(*ergebnis) != Minuten(*oben) + vorzeichen * Minuten(*unten))
            return Zeilentext(*oben) + QStringLiteral(" and ") + Zeilentext(*unten) +
                   QStringLiteral(" give ") + Zeilentext(*ergebnis);
        const bool geborgt =
            std::any_of(s.zeichen.begin(), s.zeichen.end(), [&](const Rechenzeichen& w) {
                return w.art == Rechenart::Minus && w.basis == z.basis &&
                       w.y == ergebnis->y - Zeilenabstand;
            });
        if (fertig && ergebnis->minuten > 59 && !geborgt)
            return QStringLiteral("result ") + Zeilentext(*ergebnis);
    }
    return {};
}

// The sentence that names the result, and the step that says it.
std::pair<int, QString> Ergebnissatz(const TZugaufgabe& a) {
    const QString ab = Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute);
    const QString an = Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute);
    switch (a.Aufgabenart) {
    case 1:
        return {4, FahrzeitSatz(a.FahrzeitStunden, a.FahrzeitMinuten)};
    case 2:
        return {4, QStringLiteral("Die Ankunftszeit lautet ") + an};
    case 3:
        return {4, QStringLiteral("Die Abfahrtszeit lautet ") + ab};
    case 4:
        return {5, FahrzeitSatz(a.FahrzeitStunden, a.FahrzeitMinuten)};
    case 5:
        return {5, QStringLiteral("Die Ankunftszeit am nächsten Tag lautet ") + an};
    default:
        return {8, QStringLiteral("Die Abfahrtszeit am Vortag lautet ") + ab};
    }
}

QString Fehler(const TZugaufgabe& a, QList<int>& gleitet) {
    const auto schritte = Zeitpunktschritte(a);
    if (int(schritte.size()) != Schrittzahl(a.Aufgabenart)) return QStringLiteral("steps");
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const Zeitschritt& s = schritte[i];
        QString f = Rechenfehler(s.stand, false);
        if (f.isEmpty() && s.uebertrag) f = Rechenfehler(*s.uebertrag->strecken[2].halbwegs, false);
        if (f.isEmpty()) f = Rechenfehler(s.ende, true);
        if (!f.isEmpty()) return QStringLiteral("step %1: ").arg(i + 1) + f;
        if (s.uebertrag) gleitet << int(i + 1);
    }
    // The results are the example's own times, the same in both ways.
    const int gesucht = a.Gesucht() == FahrzeitGesucht  ? 60 * a.FahrzeitStunden + a.FahrzeitMinuten
                        : a.Gesucht() == AnkunftGesucht ? 60 * a.AnkunftStunde + a.AnkunftMinute
                                                        : 60 * a.AbfahrtStunde + a.AbfahrtMinute;
    QStringList ergebnisse;
    for (const Rechenzeile& z : schritte.back().ende.zeilen)
        if (z.tinte == Zeittinte::Rotbraun) ergebnisse << Zeilentext(z);
    const QString soll = Zeitdauertext(gesucht / 60, gesucht % 60);
    if (ergebnisse != QStringList(a.Aufgabenart == 4 || a.Aufgabenart == 6 ? 2 : 1, soll))
        return QStringLiteral("results ") + ergebnisse.join(u',') + QStringLiteral(" for ") + soll;
    const auto [schritt, satz] = Ergebnissatz(a);
    if (schritte[std::size_t(schritt - 1)].text != satz) return QStringLiteral("sentence");
    if (schritte.back().ende.fahrzeittext != Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten))
        return QStringLiteral("travel-time label");
    return {};
}

// The columns of a table of single steps: the kind, the departure h, m and arrival h, m,
// and the step.
void SchrittSpalten() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("zeiten");
    QTest::addColumn<int>("schritt");
}

// The step the current row names.
Zeitschritt Schritt() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    QFETCH(int, schritt);
    return Zeitpunktschritte(ZeitbeispielAus(art, zeiten))[static_cast<std::size_t>(schritt - 1)];
}

} // namespace

class TstZeitpunktschritte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vieleBeispiele_data();
    void vieleBeispiele();
    void kanten_data();
    void kanten();
    void texte_data();
    void texte();
    void begriffe();
    void vorgelesen_data();
    void vorgelesen();
};

// Where each example slides a label: the steps that borrow or carry.
void TstZeitpunktschritte::vieleBeispiele_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("gleitet");
    QTest::newRow("1") << 1 << QList<int>{3};
    QTest::newRow("2") << 2 << QList<int>{3};
    QTest::newRow("3") << 3 << QList<int>{3};
    QTest::newRow("4") << 4 << QList<int>{4, 8};
    QTest::newRow("5") << 5 << QList<int>{3};
    QTest::newRow("6") << 6 << QList<int>{2, 7};
}

// For many seeds every step of an example writes times, computes right, and ends on the
// example's own times in every way; a borrow or carry where none is needed, or one left
// out, leaves a result of 60 minutes or more, or below 0.
void TstZeitpunktschritte::vieleBeispiele() {
    QFETCH(int, art);
    QList<int> alle;
    for (std::uint32_t saat = 1; saat <= 2000; ++saat) {
        RandSeed(saat);
        const TZugaufgabe a = NeuesZeitbeispiel(art);
        QList<int> gleitet;
        const QString fehler = Fehler(a, gleitet);
        QVERIFY2(fehler.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, %2 -> %3: ")
                                .arg(saat)
                                .arg(Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute),
                                     Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute)) +
                            fehler));
        for (int s : gleitet)
            if (!alle.contains(s)) alle << s;
    }
    std::sort(alle.begin(), alle.end());
    QTEST(alle, "gleitet");
}

// Examples with set times: the rows of one computation at the start and at the end of a
// step.
void TstZeitpunktschritte::kanten_data() {
    SchrittSpalten();
    QTest::addColumn<float>("basis");
    QTest::addColumn<QStringList>("anfang");
    QTest::addColumn<QStringList>("ende");
    using L = QList<int>;
    using S = QStringList;
    // clang-format off
    QTest::newRow("1 borgt")              << 1 << L{9, 40, 17, 25} << 3 << 0.0f   << S{"17h 25min", "9h 40min"} << S{"16h 85min", "9h 40min", "7h 45min"};
    QTest::newRow("1 ohne Borgen")        << 1 << L{9, 25, 17, 40} << 3 << 0.0f   << S{"17h 40min", "9h 25min"} << S{"17h 40min", "9h 25min", "8h 15min"};
    QTest::newRow("2 trägt")              << 2 << L{9, 40, 17, 15} << 3 << 0.0f   << S{"9h 40min", "7h 35min", "16h 75min"} << S{"9h 40min", "7h 35min", "17h 15min"};
    QTest::newRow("4 ab 20:00, 1. Art")   << 4 << L{20, 0, 5, 10}  << 4 << -14.0f << S{"24h 00min", "20h 00min", "4h 0min", "5h 10min", "9h 10min"} << S{"24h 00min", "20h 00min", "4h 0min", "5h 10min", "9h 10min"};
    QTest::newRow("4 ab 20:00, 2. Art")   << 4 << L{20, 0, 5, 10}  << 8 << 12.0f  << S{"24h 00min", "5h 10min", "29h 10min", "20h 00min"} << S{"24h 00min", "5h 10min", "29h 10min", "20h 00min", "9h 10min"};
    QTest::newRow("4 ab 20:35, 1. Art")   << 4 << L{20, 35, 5, 10} << 3 << -14.0f << S{"23h 60min", "20h 35min", "3h 25min", "5h 10min"} << S{"23h 60min", "20h 35min", "3h 25min", "5h 10min"};
    QTest::newRow("4 ab 20:35, borgt")    << 4 << L{20, 35, 5, 10} << 8 << 12.0f  << S{"29h 10min", "20h 35min"} << S{"24h 00min", "5h 10min", "28h 70min", "20h 35min", "8h 35min"};
    QTest::newRow("4 trägt")              << 4 << L{20, 10, 5, 55} << 4 << -14.0f << S{"23h 60min", "20h 10min", "3h 50min", "5h 55min", "8h 105min"} << S{"23h 60min", "20h 10min", "3h 50min", "5h 55min", "9h 45min"};
    QTest::newRow("5 nächster Tag")       << 5 << L{20, 35, 5, 10} << 5 << 0.0f   << S{"20h 35min", "8h 35min", "29h 10min", "24h 00min", "5h 10min"} << S{"20h 35min", "8h 35min", "29h 10min", "24h 00min", "5h 10min"};
    QTest::newRow("6 ab 20:35, vom Tag")  << 6 << L{20, 35, 5, 10} << 4 << -6.0f  << S{"23h 60min", "3h 25min", "20h 35min"} << S{"23h 60min", "3h 25min", "20h 35min"};
    QTest::newRow("6 ab 20:35, borgt")    << 6 << L{20, 35, 5, 10} << 7 << 12.0f  << S{"29h 10min", "8h 35min"} << S{"24h 00min", "5h 10min", "28h 70min", "8h 35min", "20h 35min"};
    QTest::newRow("6 gleiche Minuten")    << 6 << L{21, 0, 5, 35}  << 7 << 12.0f  << S{"24h 00min", "5h 35min", "29h 35min", "8h 35min"} << S{"24h 00min", "5h 35min", "29h 35min", "8h 35min", "21h 00min"};
    QTest::newRow("6 gleiche, vom Tag")   << 6 << L{21, 0, 5, 35}  << 4 << -6.0f  << S{"24h 00min", "3h 00min", "21h 00min"} << S{"24h 00min", "3h 00min", "21h 00min"};
    QTest::newRow("6 borgt zuerst, bleibt") << 6 << L{20, 10, 5, 35} << 8 << -14.0f << S{"8h 85min", "5h 35min", "3h 50min"} << S{"8h 85min", "5h 35min", "3h 50min"};
    // clang-format on
}

void TstZeitpunktschritte::kanten() {
    QFETCH(float, basis);
    const Zeitschritt s = Schritt();
    QTEST(Spalte(s.stand, basis), "anfang");
    QTEST(Spalte(s.ende, basis), "ende");
}

// The sentences of the slides with their numbers, and the odd spellings that stay.
void TstZeitpunktschritte::texte_data() {
    SchrittSpalten();
    QTest::addColumn<QString>("satz"); // of the slide, empty: none
    QTest::addColumn<QString>("text");
    QTest::addColumn<Zeittinte>("farbe");
    using L = QList<int>;
    const Zeittinte schwarz = Zeittinte::Schwarz, rotbraun = Zeittinte::Rotbraun;
    // clang-format off
    QTest::newRow("1 borgt")    << 1 << L{9, 40, 17, 25} << 3 << "Da 40min nicht von 25min subtrahiert werden können  borgt man sich eine Stunde aus!" << "Die Fahrzeit wird durch die Subtraktion der Ankuftszeit minus der Abfahrtszeit ermittelt." << rotbraun;
    QTest::newRow("1 Ergebnis") << 1 << L{9, 40, 17, 25} << 4 << "" << "Die Fahrzeit beträgt 07h 45min" << rotbraun;
    QTest::newRow("2 trägt")    << 2 << L{9, 40, 17, 15} << 3 << "Da 75min größer als 60min ist werden 60m in 1h verwandelt." << "Die Ankunftszeit wird durch die Addition der Fahrzeit zur Abfahrtszeit ermittelt." << schwarz;
    QTest::newRow("4 Abfaht")   << 4 << L{20, 0, 5, 10}  << 7 << "" << "Wandel die Abfahtszeit in die Schreibweise Stunden und Minuten um." << schwarz;
    QTest::newRow("5 Anbfahrt") << 5 << L{20, 35, 5, 10} << 1 << "" << "Erstelle eine Skizze mit einer Zeitleiste und trage die Anbfahrts- bzw. Fahrzeit näherungsweise ein." << schwarz;
    QTest::newRow("6 ohne Borgen")  << 6 << L{20, 35, 5, 10} << 2 << "" << "Wandel den Zeitpunkt für die Ankunftszeit in die Schreibweise Stunden und Minuten um und subtrahierre diese von der Fahrzeit." << schwarz;
    QTest::newRow("6 borgt, leert") << 6 << L{20, 10, 5, 35} << 2 << "Da 35min nicht von 25min subtrahiert werden können  borgt man sich eine Stunde aus!" << "" << schwarz;
    // clang-format on
}

void TstZeitpunktschritte::texte() {
    const Zeitschritt s = Schritt();
    QTEST(s.uebertrag ? s.uebertrag->satz : QString(), "satz");
    QTEST(s.text, "text");
    QTEST(s.farbe, "farbe");
}

// The four points of the "Begriffe" page reach every hour of their bands; durations and
// notations as the page writes them.
void TstZeitpunktschritte::begriffe() {
    const std::array<QList<int>, 4> baender{
        {{1, 2, 3}, {6, 7, 8, 9}, {12, 13, 14, 15}, {20, 21, 22, 23}}};
    std::array<QList<int>, 4> gesehen;
    for (std::uint32_t saat = 1; saat <= 300; ++saat) {
        RandSeed(saat);
        const auto punkte = NeueZeitpunkte();
        for (std::size_t i = 0; i < 4; ++i) {
            QVERIFY(punkte[i].minuten >= 0 && punkte[i].minuten <= 59);
            if (!gesehen[i].contains(punkte[i].stunden)) gesehen[i] << punkte[i].stunden;
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        std::sort(gesehen[i].begin(), gesehen[i].end());
        QCOMPARE(gesehen[i], baender[i]);
    }
    QCOMPARE(Dauertext({1, 5}, {3, 10}), QStringLiteral("2h 5min"));
    QCOMPARE(Dauertext({7, 5}, {9, 0}), QStringLiteral("1h 55min"));
    QCOMPARE(Schreibweisen({7, 5}), QStringLiteral("7:05   7.05   7^0^5"));
    QCOMPARE(SchreibweisenGelesen({21, 40}), QStringLiteral("21:40, 21.40, 21 hochgestellt 40"));
}

// The computations read block by block, each heading before its blocks, the signs in
// front of their rows; a label on its way changes the rows it has reached.
void TstZeitpunktschritte::vorgelesen_data() {
    SchrittSpalten();
    QTest::addColumn<QStringList>("texte");
    using L = QList<int>;
    // clang-format off
    QTest::newRow("4, zwei Arten")     << 4 << L{20, 35, 5, 10} << 7 << QStringList{"1.Art", "23h 60min", "minus 20h 35min", "3h 25min", "plus 5h 10min", "8h 35min",
                                                                                  "2.Art", "24h 00min", "plus 5h 10min", "29h 10min", "minus 20h 35min"};
    QTest::newRow("6, drei Blöcke")    << 6 << L{20, 35, 5, 10} << 8 << QStringList{"1.Art", "8h 35min", "minus 5h 10min", "3h 25min", "23h 60min", "minus 3h 25min", "20h 35min",
                                                                                  "2.Art", "24h 00min", "plus 5h 10min", "28h 70min", "minus 8h 35min", "20h 35min"};
    QTest::newRow("nichts geschrieben")<< 2 << L{9, 40, 17, 15} << 1 << QStringList{};
    // clang-format on
}

void TstZeitpunktschritte::vorgelesen() {
    QTEST(Rechnungstexte(Schritt().ende), "texte");
}

QTEST_GUILESS_MAIN(TstZeitpunktschritte)
#include "tst_zeitpunktschritte.moc"
