#include "core/MusterschritteU.h"
#include "core/ZufallU.h"
#include "tests/support/Aufgabenliste.h"

#include <QRegularExpression>
#include <QTest>

using namespace kalmiro;

Q_DECLARE_METATYPE(kalmiro::Textfarbe)

namespace {

// The amount a label shows, in seconds: "2h" is 7200.
long long InSekunden(const QString& label) {
    static const QRegularExpression form(QStringLiteral("^(\\d+)(d|h|min|s)$"));
    const auto m = form.match(label);
    if (!m.hasMatch()) return -1;
    const long long zahl = m.captured(1).toLongLong();
    const QString e = m.captured(2);
    return zahl * (e == u"d" ? 86400 : e == u"h" ? 3600 : e == u"min" ? 60 : 1);
}

long long Sekunden(Spalte s) {
    static constexpr long long je[] = {86400, 3600, 60, 1};
    return je[static_cast<int>(s)];
}

// What is wrong with the example or its steps, or empty.
QString Fehler(int art, int n, const TZeitAufgabe& a) {
    // The worked examples' own ranges: summands' hours to 23, k to 5 (example 3 always
    // 5), divisors to 11, and so 12 days for 11.
    if (a.Stufe != n) return QStringLiteral("level");
    if (art == ArtAddition && (a.Stunden1 > 23 || a.Stunden2 > 23)) return QStringLiteral("hours");
    if (art == ArtMultiplikation && (a.k < 2 || a.k > 5 || (n == 3 && a.k != 5)))
        return QStringLiteral("factor");
    if (art == ArtDivision && (a.k < 2 || a.k > 11 || (n == 4 && a.k == 11 && a.Tage1 != 12)))
        return QStringLiteral("divisor");
    const std::vector<Musterschritt> schritte = Musterschritte(art, n, a);
    if (static_cast<int>(schritte.size()) != n + 1) return QStringLiteral("number of steps");
    if (schritte[0].farbe != Textfarbe::Schwarz || schritte[0].stand != Musterstand{})
        return QStringLiteral("step 1");
    Musterstand vorher;
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const Musterschritt& s = schritte[i];
        const bool letzter = i + 1 == schritte.size();
        const QString wo = QStringLiteral("step %1: ").arg(i + 1);
        // Each step goes on from what the last one left.
        if (s.stand.arbeit.sichtbar && vorher.arbeit.sichtbar && s.stand.arbeit != vorher.arbeit)
            return wo + QStringLiteral("working row jumps");
        if (!s.uebertrag) {
            if (s.ende != s.stand || !s.schluss.isEmpty())
                return wo + QStringLiteral("changes without a carry");
            vorher = s.ende;
            continue;
        }
        const Musteruebertrag& u = *s.uebertrag;
        if (s.farbe != Textfarbe::Pink) return wo + QStringLiteral("carry not in pink");
        // The label carries what the columns lose and gain, converted exactly.
        const long long weg = InSekunden(u.abzug);
        if (weg < 0 || weg != InSekunden(u.zugabe))
            return wo + QStringLiteral("label ") + u.abzug + u' ' + u.zugabe;
        if (!u.abzug.endsWith(Einheit(u.von)) || !u.zugabe.endsWith(Einheit(u.nach)))
            return wo + QStringLiteral("label units");
        Musterstand erwartet = s.stand;
        Wert(erwartet.arbeit.wert, u.von) -= static_cast<int>(weg / Sekunden(u.von));
        if (u.nachAbzug != erwartet) return wo + QStringLiteral("after taking away");
        if (Wert(erwartet.arbeit.wert, u.von) < 0) return wo + QStringLiteral("negative");
        Wert(erwartet.arbeit.wert, u.nach) += static_cast<int>(weg / Sekunden(u.nach));
        if (u.nach == Spalte::Tage) erwartet.arbeit.mitTagen = true;
        if (u.nachZugabe != erwartet) return wo + QStringLiteral("after adding");
        erwartet.fertig = s.ende.fertig;
        if (s.ende != erwartet) return wo + QStringLiteral("end");
        // A carry leaves its column within the unit; a borrow or remainder leaves it
        // divisible or enough.
        const int rest = Wert(u.nachAbzug.arbeit.wert, u.von);
        if ((art == ArtAddition || art == ArtMultiplikation) &&
            rest >= (u.von == Spalte::Stunden ? 24 : 60))
            return wo + QStringLiteral("carry leaves too much");
        if (art == ArtDivision && rest % a.k != 0) return wo + QStringLiteral("remainder left");
        // Example 3 of the division always passes minutes on.
        if (art == ArtDivision && n == 3 && u.von == Spalte::Minuten && weg == 0)
            return wo + QStringLiteral("no minutes remainder");
        if (s.schluss.isEmpty() == (letzter && art != ArtSubtraktion && art != ArtDivision))
            return wo + QStringLiteral("closing sentence");
        vorher = s.ende;
    }
    const Musterstand& ende = schritte.back().ende;
    if ((n > 1) != ende.fertig) return QStringLiteral("final flag");
    // The result: the maroon row of example 1 and of the last step of subtraction and
    // division, otherwise the navy result row.
    const bool inArbeit = n > 1 && (art == ArtAddition || art == ArtMultiplikation);
    const Musterzeile& ergebnis = inArbeit ? ende.arbeit : ende.spalten;
    if (!ergebnis.sichtbar) return QStringLiteral("result not shown");
    // The task's own result is the column arithmetic's.
    if (ergebnis.wert != a.Ergebnis())
        return QStringLiteral("result differs from the column arithmetic");
    return {};
}

} // namespace

class TstMusterschritte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vieleBeispiele_data();
    void vieleBeispiele();
    void texte_data();
    void texte();
};

void TstMusterschritte::vieleBeispiele_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("spanne"); // of k over all draws; addition: of the hours
    QTest::newRow("Addition") << 1 << QList<int>{1, 23};
    QTest::newRow("Subtraktion") << 2 << QList<int>{0, 0};
    QTest::newRow("Multiplikation") << 3 << QList<int>{2, 5};
    QTest::newRow("Division") << 4 << QList<int>{2, 11};
}

// For many seeds, every example's steps end on the column arithmetic's result.
void TstMusterschritte::vieleBeispiele() {
    QFETCH(int, art);
    QList<int> spanne{99, 0};
    for (std::uint32_t saat = 1; saat <= 1000; ++saat) {
        RandSeed(saat);
        const auto beispiele = NeueMusterbeispiele(art);
        for (int n = 1; n <= 4; ++n) {
            const TZeitAufgabe& a = beispiele[static_cast<std::size_t>(n - 1)];
            const QString fehler = Fehler(art, n, a);
            QVERIFY2(fehler.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, example %2, ").arg(saat).arg(n) +
                                test::Beschreibung(a) + QStringLiteral(": ") + fehler));
            for (int w :
                 {art == ArtAddition ? a.Stunden1 : a.k, art == ArtAddition ? a.Stunden2 : a.k}) {
                spanne[0] = std::min(spanne[0], w);
                spanne[1] = std::max(spanne[1], w);
            }
        }
    }
    QTEST(spanne, "spanne");
}

void TstMusterschritte::texte_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("beispiel");
    QTest::addColumn<QList<int>>("aufgabe"); // d1 h1 m1 s1 h2 m2 s2 k
    QTest::addColumn<int>("schritt");
    QTest::addColumn<Textfarbe>("farbe");
    QTest::addColumn<QStringList>("texte"); // text, label away, converted, across, up, closing
    using L = QList<int>;
    const Textfarbe pink = Textfarbe::Pink, rotbraun = Textfarbe::Rotbraun;
    const L mal5{0, 2, 13, 13, 0, 0, 0, 5}, mal5tage{0, 23, 59, 59, 0, 0, 0, 5};
    // clang-format off
    QTest::newRow("Addition 1")       << 1 << 1 << L{0, 3, 10, 20, 4, 5, 6, 0} << 2 << rotbraun << QStringList{"Die Summe der Sekunden, Minuten und Stunden werden ermittelt und das Ergebnis angezeigt."};
    QTest::newRow("Addition 2")       << 1 << 2 << L{0, 3, 10, 40, 4, 5, 30, 0} << 3 << pink << QStringList{"Da die Summe der Sekunden über 60s liegt, werden diese abgezogen.", "60s", "1min", "Die 60s werden in 1min verwandelt.", "Diese Minute wird den restlichen Minuten hinzugezählt.", "Das Ergebnis der Addition wird angezeigt."};
    QTest::newRow("Addition 3")       << 1 << 3 << L{0, 3, 40, 40, 4, 25, 30, 0} << 3 << pink << QStringList{"Da die Summe der Sekunden über 60s liegt, werden diese abgezogen.", "60s", "1min", "Die 60s werden in 1min verwandelt.", "Diese Minute wird den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Addition 4, Tag")  << 1 << 4 << L{0, 13, 40, 40, 14, 25, 30, 0} << 5 << pink << QStringList{"Da die Stundensumme über 24h liegt, werden diese abgezogen.", "24h", "1d", "Die 24h werden in 1d verwandelt.", "Dieser Tag wird eingetragen.", "Das Ergebnis der Addition wird angezeigt."};
    QTest::newRow("Subtraktion 2")    << 2 << 2 << L{0, 13, 30, 5, 1, 20, 42, 0} << 2 << pink << QStringList{"Da 42s nicht von 5s subtrahiert werden können rechnet man eine der Minuten in Sekunden um (ausborgen).", "1min", "60s", "Die 1min wird abgezogen und in 60s verwandelt.", "Die 60s werden zu den restlichen Sekunden hinzugezählt.", ""};
    QTest::newRow("Subtraktion 4")    << 2 << 4 << L{1, 3, 10, 5, 20, 30, 42, 0} << 2 << pink << QStringList{"Da 20h nicht von 3h subtrahiert werden können rechnet man einen Tag in Stunden um (ausborgen).", "1d", "24h", "Der 1d wird in 24h verwandelt.", "Die 24h werden zu den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Multiplikation 2") << 3 << 2 << L{0, 2, 3, 40, 0, 0, 0, 4} << 3 << pink << QStringList{"Da die Anzahl der Sekunden über 120s liegt, werden diese abgezogen.", "120s", "2min", "Die 120s werden in 2min verwandelt.", "Diese 2 Minuten werden den restlichen Minuten hinzugezählt.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Multiplikation 3") << 3 << 3 << mal5 << 2 << pink << QStringList{"Das Produkt der Sekunden, Minuten und Stunden wird ermittelt."};
    QTest::newRow("Multiplikation 4") << 3 << 4 << mal5tage << 4 << pink << QStringList{"Da die Minutenanzahl über 240min liegt, werden diese abgezogen.", "240min", "4h", "Die 240min werden in 4h verwandelt.", "Diese 4 Stunden werden den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Multiplikation 4, Tage")    << 3 << 4 << mal5tage << 5 << pink << QStringList{"Da die Stundenanzahl über 96h liegt, werden diese abgezogen.", "96h", "4d", "Die 96h werden in 4d verwandelt.", "Diese 4 Tage werden eingetragen.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Multiplikation 4, ein Tag") << 3 << 4 << L{0, 5, 13, 13, 0, 0, 0, 5} << 5 << pink << QStringList{"Da die Stundenanzahl über 24h liegt, werden diese abgezogen.", "24h", "1d", "Die 24h werden in 1d verwandelt.", "Dieser 1 Tag wird eingetragen.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Division 2")       << 4 << 2 << L{0, 7, 2, 30, 0, 0, 0, 3} << 2 << pink << QStringList{"Da die Division der Stunden durch den Teiler einen Rest von 1h gibt, wird dieser abgezogen.", "1h", "60min", "Die 1h werden 60min verwandelt.", "Die 60min werden zu den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Division 3, Minutenrest")   << 4 << 3 << L{0, 7, 5, 0, 0, 0, 0, 3} << 3 << pink << QStringList{"Da die Division der Minuten durch den Teiler einen Rest von 2min gibt, wird dieser abgezogen.", "2min", "120s", "Die 2min werden 120s verwandelt.", "Die 120s werden zu den restlichen Sekunden hinzugezählt.", ""};
    QTest::newRow("Division 4, Tage")          << 4 << 4 << L{5, 3, 1, 0, 0, 0, 0, 3} << 2 << pink << QStringList{"Da die Division der Tage durch den Teiler einen Rest von 2d gibt, wird dieser abgezogen.", "2d", "48h", "Die Resttage 2d werden 48h verwandelt.", "Die 48h werden zu den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Division 4, Stundenrest 0") << 4 << 4 << L{5, 3, 1, 0, 0, 0, 0, 3} << 3 << pink << QStringList{"Da die Division der Stunden durch den Teiler einen Rest von 0h gibt, wird dieser abgezogen.", "0h", "0min", "Die Reststunden 0h werden 0min verwandelt.", "Die 0min werden zu den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Division 4, Quotient")      << 4 << 4 << L{5, 3, 1, 0, 0, 0, 0, 3} << 5 << rotbraun << QStringList{"Der Quotient der Stunden, Minuten und Sekunden wird ermittelt und angezeigt."};
    // clang-format on
}

void TstMusterschritte::texte() {
    QFETCH(int, art);
    QFETCH(int, beispiel);
    QFETCH(QList<int>, aufgabe);
    QFETCH(int, schritt);
    QFETCH(QStringList, texte);
    const auto schritte = Musterschritte(art, beispiel, test::AufgabeAus(aufgabe));
    const Musterschritt& s = schritte[static_cast<std::size_t>(schritt - 1)];
    QCOMPARE(s.text, texte[0]);
    QTEST(s.farbe, "farbe");
    QCOMPARE(s.uebertrag.has_value(), texte.size() > 1);
    if (!s.uebertrag) return;
    QCOMPARE((QStringList{s.uebertrag->abzug, s.uebertrag->zugabe, s.uebertrag->umwandlung,
                          s.uebertrag->hinzufuegen, s.schluss}),
             texte.mid(1));
}

QTEST_GUILESS_MAIN(TstMusterschritte)
#include "tst_musterschritte.moc"
