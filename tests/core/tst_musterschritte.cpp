#include "core/MusterschritteU.h"
#include "core/ZufallU.h"
#include "tests/support/Attrappen.h"
#include "tests/support/Aufgabenliste.h"

#include <QRegularExpression>
#include <QTest>

using namespace kalmiro;

Q_DECLARE_METATYPE(kalmiro::Textfarbe)

namespace {

const char* Namen[] = {"Addition", "Subtraktion", "Multiplikation", "Division"};

Zeitmenge Spaltenrechnung(int art, const TZeitAufgabe& a) {
    switch (art) {
    case ArtAddition:
        return Addiere(a.Stunden1, a.Minuten1, a.Sekunden1, a.Stunden2, a.Minuten2, a.Sekunden2);
    case ArtSubtraktion:
        return Subtrahiere(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, a.Stunden2, a.Minuten2,
                           a.Sekunden2);
    case ArtMultiplikation:
        return Multipliziere(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, a.k);
    default:
        return Dividiere(a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, a.k);
    }
}

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

// What is wrong with the steps of the example, or empty.
QString Fehler(int art, int n, const TZeitAufgabe& a) {
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
    if (ergebnis.wert != Spaltenrechnung(art, a))
        return QStringLiteral("result differs from the column arithmetic");
    return {};
}

} // namespace

class TstMusterschritte : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ergebnisWieSpaltenrechnung_data();
    void ergebnisWieSpaltenrechnung();
    void ablauf_data();
    void ablauf();
    void texte_data();
    void texte();
    void beispielbereiche_data();
    void beispielbereiche();
    void ziehReihenfolge();
};

void TstMusterschritte::ergebnisWieSpaltenrechnung_data() {
    QTest::addColumn<int>("art");
    for (int art = 1; art <= 4; ++art)
        QTest::newRow(Namen[art - 1]) << art;
}

void TstMusterschritte::ergebnisWieSpaltenrechnung() {
    QFETCH(int, art);
    for (std::uint32_t saat = 1; saat <= 500; ++saat) {
        RandSeed(saat);
        const auto beispiele = NeueMusterbeispiele(art);
        for (int n = 1; n <= 4; ++n) {
            const TZeitAufgabe& a = beispiele[static_cast<std::size_t>(n - 1)];
            const QString fehler = Fehler(art, n, a);
            QVERIFY2(fehler.isEmpty(),
                     qPrintable(QStringLiteral("seed %1, example %2, ").arg(saat).arg(n) +
                                test::Beschreibung(a) + QStringLiteral(": ") + fehler));
        }
    }
}

// Which steps carry, from which column to which, and where the result appears.
void TstMusterschritte::ablauf_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("beispiel");
    QTest::addColumn<QString>("wege"); // per step: "-" none, otherwise from and to (T, H, M, S)
    // clang-format off
    QTest::newRow("Addition 1")       << 1 << 1 << "- -";
    QTest::newRow("Addition 4")       << 1 << 4 << "- - SM MH HT";
    QTest::newRow("Subtraktion 2")    << 2 << 2 << "- MS -";
    QTest::newRow("Subtraktion 4")    << 2 << 4 << "- TH HM MS -";
    QTest::newRow("Multiplikation 3") << 3 << 3 << "- - SM MH";
    QTest::newRow("Multiplikation 4") << 3 << 4 << "- - SM MH HT";
    QTest::newRow("Division 3")       << 4 << 3 << "- HM MS -";
    QTest::newRow("Division 4")       << 4 << 4 << "- TH HM MS -";
    // clang-format on
}

void TstMusterschritte::ablauf() {
    QFETCH(int, art);
    QFETCH(int, beispiel);
    QFETCH(QString, wege);
    RandSeed(7);
    const auto schritte = Musterschritte(
        art, beispiel, NeueMusterbeispiele(art)[static_cast<std::size_t>(beispiel - 1)]);
    QStringList ist;
    for (const Musterschritt& s : schritte) {
        if (!s.uebertrag) {
            ist << QStringLiteral("-");
            continue;
        }
        const auto buchstabe = [](Spalte sp) {
            return QString(QStringLiteral("THMS")[static_cast<int>(sp)]);
        };
        ist << buchstabe(s.uebertrag->von) + buchstabe(s.uebertrag->nach);
    }
    QCOMPARE(ist.join(u' '), wege);
}

void TstMusterschritte::texte_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("beispiel");
    QTest::addColumn<QList<int>>("aufgabe"); // d1 h1 m1 s1 h2 m2 s2 k
    QTest::addColumn<int>("schritt");
    QTest::addColumn<Textfarbe>("farbe");
    QTest::addColumn<QStringList>(
        "texte"); // text, label away, label converted, across, up, closing
    using L = QList<int>;
    const Textfarbe pink = Textfarbe::Pink, rotbraun = Textfarbe::Rotbraun,
                    schwarz = Textfarbe::Schwarz;
    const L mal5{0, 2, 13, 13, 0, 0, 0, 5};
    // clang-format off
    QTest::newRow("Addition 1, Schritt 1") << 1 << 1 << L{0, 3, 10, 20, 4, 5, 6, 0} << 1 << schwarz << QStringList{"Die beiden Zeiten werden untereinander angeschrieben."};
    QTest::newRow("Addition 1, Schritt 2") << 1 << 1 << L{0, 3, 10, 20, 4, 5, 6, 0} << 2 << rotbraun << QStringList{"Die Summe der Sekunden, Minuten und Stunden werden ermittelt und das Ergebnis angezeigt."};
    QTest::newRow("Addition 2, Schritt 3") << 1 << 2 << L{0, 3, 10, 40, 4, 5, 30, 0} << 3 << pink << QStringList{"Da die Summe der Sekunden über 60s liegt, werden diese abgezogen.", "60s", "1min", "Die 60s werden in 1min verwandelt.", "Diese Minute wird den restlichen Minuten hinzugezählt.", "Das Ergebnis der Addition wird angezeigt."};
    QTest::newRow("Addition 3, Schritt 3") << 1 << 3 << L{0, 3, 40, 40, 4, 25, 30, 0} << 3 << pink << QStringList{"Da die Summe der Sekunden über 60s liegt, werden diese abgezogen.", "60s", "1min", "Die 60s werden in 1min verwandelt.", "Diese Minute wird den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Addition 3, Schritt 4") << 1 << 3 << L{0, 3, 40, 40, 4, 25, 30, 0} << 4 << pink << QStringList{"Da die Summe der Minuten über 60min liegt, werden diese abgezogen.", "60min", "1h", "Die 60min werden in 1h verwandelt.", "Diese Stunde wird den restlichen Stunden hinzugezählt.", "Das Ergebnis der Addition wird angezeigt."};
    QTest::newRow("Addition 4, Schritt 3") << 1 << 4 << L{0, 13, 40, 40, 14, 25, 30, 0} << 3 << pink << QStringList{"Da die Sekundensumme über 60s liegt, werden diese abgezogen.", "60s", "1min", "Die 60s werden in 1min verwandelt.", "Diese Minute wird den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Addition 4, Schritt 4") << 1 << 4 << L{0, 13, 40, 40, 14, 25, 30, 0} << 4 << pink << QStringList{"Da die Minutensumme über 60min liegt, werden diese abgezogen.", "60min", "1h", "Die 60min werden in 1h verwandelt.", "Diese Stunde wird den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Addition 4, Schritt 5") << 1 << 4 << L{0, 13, 40, 40, 14, 25, 30, 0} << 5 << pink << QStringList{"Da die Stundensumme über 24h liegt, werden diese abgezogen.", "24h", "1d", "Die 24h werden in 1d verwandelt.", "Dieser Tag wird eingetragen.", "Das Ergebnis der Addition wird angezeigt."};
    QTest::newRow("Subtraktion 1, Schritt 2") << 2 << 1 << L{0, 13, 30, 5, 1, 30, 2, 0} << 2 << rotbraun << QStringList{"Die Differenz der Sekunden, Minuten und Stunden werden ermittelt und das Ergebnis angezeigt."};
    QTest::newRow("Subtraktion 2, Schritt 2") << 2 << 2 << L{0, 13, 30, 5, 1, 20, 42, 0} << 2 << pink << QStringList{"Da 42s nicht von 5s subtrahiert werden können rechnet man eine der Minuten in Sekunden um (ausborgen).", "1min", "60s", "Die 1min wird abgezogen und in 60s verwandelt.", "Die 60s werden zu den restlichen Sekunden hinzugezählt.", ""};
    QTest::newRow("Subtraktion 4, Schritt 2") << 2 << 4 << L{1, 3, 10, 5, 20, 30, 42, 0} << 2 << pink << QStringList{"Da 20h nicht von 3h subtrahiert werden können rechnet man einen Tag in Stunden um (ausborgen).", "1d", "24h", "Der 1d wird in 24h verwandelt.", "Die 24h werden zu den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Subtraktion 4, Schritt 3") << 2 << 4 << L{1, 3, 10, 5, 20, 30, 42, 0} << 3 << pink << QStringList{"Da 30min nicht von 10min subtrahiert werden können rechnet man eine der Stunden in Minuten um (ausborgen).", "1h", "60min", "Die 1h wird abgezogen und in 60min verwandelt.", "Die 60min werden zu den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Subtraktion 4, Schritt 5") << 2 << 4 << L{1, 3, 10, 5, 20, 30, 42, 0} << 5 << rotbraun << QStringList{"Die Differenz der Sekunden, Minuten und Stunden werden ermittelt und das Ergebnis angezeigt."};
    QTest::newRow("Multiplikation 1, Schritt 1") << 3 << 1 << L{0, 2, 3, 4, 0, 0, 0, 5} << 1 << schwarz << QStringList{"Die Zeit wird mit dem Multiplikationsfaktor angeschrieben."};
    QTest::newRow("Multiplikation 2, Schritt 2") << 3 << 2 << L{0, 2, 3, 40, 0, 0, 0, 4} << 2 << rotbraun << QStringList{"Das Produkt der Sekunden, Minuten und Stunden wird ermittelt."};
    QTest::newRow("Multiplikation 2, Schritt 3") << 3 << 2 << L{0, 2, 3, 40, 0, 0, 0, 4} << 3 << pink << QStringList{"Da die Anzahl der Sekunden über 120s liegt, werden diese abgezogen.", "120s", "2min", "Die 120s werden in 2min verwandelt.", "Diese 2 Minuten werden den restlichen Minuten hinzugezählt.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Multiplikation 3, Schritt 2") << 3 << 3 << mal5 << 2 << pink << QStringList{"Das Produkt der Sekunden, Minuten und Stunden wird ermittelt."};
    QTest::newRow("Multiplikation 3, Schritt 3") << 3 << 3 << mal5 << 3 << pink << QStringList{"Da die Sekundenanzahl über 60s liegt, werden diese abgezogen.", "60s", "1min", "Die 60s werden in 1min verwandelt.", "Diese 1 Minute wird den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Multiplikation 3, Schritt 4") << 3 << 3 << mal5 << 4 << pink << QStringList{"Da die Minutenanzahl über 60min liegt, werden diese abgezogen.", "60min", "1h", "Die 60min werden in 1h verwandelt.", "Diese 1 Stunde wird den restlichen Stunden hinzugezählt.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Multiplikation 4, Schritt 4") << 3 << 4 << L{0, 23, 59, 59, 0, 0, 0, 5} << 4 << pink << QStringList{"Da die Minutenanzahl über 240min liegt, werden diese abgezogen.", "240min", "4h", "Die 240min werden in 4h verwandelt.", "Diese 4 Stunden werden den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Multiplikation 4, Tage") << 3 << 4 << L{0, 23, 59, 59, 0, 0, 0, 5} << 5 << pink << QStringList{"Da die Stundenanzahl über 96h liegt, werden diese abgezogen.", "96h", "4d", "Die 96h werden in 4d verwandelt.", "Diese 4 Tage werden eingetragen.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Multiplikation 4, ein Tag") << 3 << 4 << L{0, 5, 13, 13, 0, 0, 0, 5} << 5 << pink << QStringList{"Da die Stundenanzahl über 24h liegt, werden diese abgezogen.", "24h", "1d", "Die 24h werden in 1d verwandelt.", "Dieser 1 Tag wird eingetragen.", "Das Ergebnis wird angezeigt."};
    QTest::newRow("Division 1, Schritt 2") << 4 << 1 << L{0, 46, 118, 118, 0, 0, 0, 2} << 2 << rotbraun << QStringList{"Der Quotient der Stunden, Minuten und Sekunden wird ermittelt und das Ergebnis angezeigt."};
    QTest::newRow("Division 2, Schritt 2") << 4 << 2 << L{0, 7, 2, 30, 0, 0, 0, 3} << 2 << pink << QStringList{"Da die Division der Stunden durch den Teiler einen Rest von 1h gibt, wird dieser abgezogen.", "1h", "60min", "Die 1h werden 60min verwandelt.", "Die 60min werden zu den restlichen Minuten hinzugezählt.", ""};
    QTest::newRow("Division 2, Schritt 3") << 4 << 2 << L{0, 7, 2, 30, 0, 0, 0, 3} << 3 << rotbraun << QStringList{"Der Quotient der Stunden, Minuten und Sekunden wird ermittelt und angezeigt."};
    QTest::newRow("Division 3, Minutenrest") << 4 << 3 << L{0, 7, 5, 0, 0, 0, 0, 3} << 3 << pink << QStringList{"Da die Division der Minuten durch den Teiler einen Rest von 2min gibt, wird dieser abgezogen.", "2min", "120s", "Die 2min werden 120s verwandelt.", "Die 120s werden zu den restlichen Sekunden hinzugezählt.", ""};
    QTest::newRow("Division 4, Tage") << 4 << 4 << L{5, 3, 1, 0, 0, 0, 0, 3} << 2 << pink << QStringList{"Da die Division der Tage durch den Teiler einen Rest von 2d gibt, wird dieser abgezogen.", "2d", "48h", "Die Resttage 2d werden 48h verwandelt.", "Die 48h werden zu den restlichen Stunden hinzugezählt.", ""};
    QTest::newRow("Division 4, Stundenrest 0") << 4 << 4 << L{5, 3, 1, 0, 0, 0, 0, 3} << 3 << pink << QStringList{"Da die Division der Stunden durch den Teiler einen Rest von 0h gibt, wird dieser abgezogen.", "0h", "0min", "Die Reststunden 0h werden 0min verwandelt.", "Die 0min werden zu den restlichen Minuten hinzugezählt.", ""};
    // clang-format on
}

void TstMusterschritte::texte() {
    QFETCH(int, art);
    QFETCH(int, beispiel);
    QFETCH(QList<int>, aufgabe);
    QFETCH(int, schritt);
    QFETCH(QStringList, texte);
    const auto schritte = Musterschritte(art, beispiel, test::AufgabeAus(aufgabe));
    QCOMPARE(int(schritte.size()), beispiel + 1);
    const Musterschritt& s = schritte[static_cast<std::size_t>(schritt - 1)];
    QCOMPARE(s.text, texte[0]);
    QTEST(s.farbe, "farbe");
    QCOMPARE(s.uebertrag.has_value(), texte.size() > 1);
    if (!s.uebertrag) return;
    QCOMPARE(s.uebertrag->abzug, texte[1]);
    QCOMPARE(s.uebertrag->zugabe, texte[2]);
    QCOMPARE(s.uebertrag->umwandlung, texte[3]);
    QCOMPARE(s.uebertrag->hinzufuegen, texte[4]);
    QCOMPARE(s.schluss, texte[5]);
}

// The worked examples' own ranges, over many draws.
void TstMusterschritte::beispielbereiche_data() {
    QTest::addColumn<int>("art");
    for (int art = 1; art <= 4; ++art)
        QTest::newRow(Namen[art - 1]) << art;
}

void TstMusterschritte::beispielbereiche() {
    QFETCH(int, art);
    int kleinstesK = 99, groesstesK = 0, groessteStunden = 0, elfer = 0;
    for (std::uint32_t saat = 1; saat <= 2000; ++saat) {
        RandSeed(saat);
        const auto beispiele = NeueMusterbeispiele(art);
        for (int n = 1; n <= 4; ++n) {
            const TZeitAufgabe& a = beispiele[static_cast<std::size_t>(n - 1)];
            QCOMPARE(a.Stufe, n);
            switch (art) {
            case ArtAddition:
                QVERIFY(a.Stunden1 >= 1 && a.Stunden1 <= 23 && a.Stunden2 >= 1 && a.Stunden2 <= 23);
                groessteStunden = std::max({groessteStunden, a.Stunden1, a.Stunden2});
                break;
            case ArtMultiplikation:
                QVERIFY(a.k >= 2 && a.k <= 5);
                if (n == 3) QCOMPARE(a.k, 5);
                kleinstesK = std::min(kleinstesK, a.k);
                groesstesK = std::max(groesstesK, a.k);
                break;
            case ArtDivision: {
                QVERIFY(a.k >= 2 && a.k <= 11);
                kleinstesK = std::min(kleinstesK, a.k);
                groesstesK = std::max(groesstesK, a.k);
                if (n == 4 && a.k == 11) {
                    QCOMPARE(a.Tage1, 12);
                    ++elfer;
                }
                // Example 3 always has a remainder of minutes to pass on.
                if (n == 3)
                    QVERIFY(Musterschritte(art, 3, a)[2].uebertrag->abzug !=
                            QStringLiteral("0min"));
                break;
            }
            default:
                break;
            }
        }
    }
    switch (art) {
    case ArtAddition:
        QCOMPARE(groessteStunden, 23);
        break;
    case ArtMultiplikation:
        QCOMPARE(kleinstesK, 2);
        QCOMPARE(groesstesK, 5);
        break;
    case ArtDivision:
        QCOMPARE(kleinstesK, 2);
        QCOMPARE(groesstesK, 11);
        QVERIFY(elfer > 0);
        break;
    default:
        break;
    }
}

// Example 1 is drawn first, then 2, 3 and 4; example 3 of the multiplication draws no k.
void TstMusterschritte::ziehReihenfolge() {
    test::ZufallsSkript skript;
    // k, h, m, s of example 1; k, s, m, h of example 2; s, m, h of 3; k, s, m, h of 4.
    skript.Werte({0, 0, 0, 0, 0, 30, 0, 0, 12, 12, 1, 3, 12, 12, 4});
    const auto b = NeueMusterbeispiele(ArtMultiplikation);
    QVERIFY(skript.Leer());
    QCOMPARE(skript.Grenzen(),
             (std::vector<int>{4, 23, 59, 59, 4, 59, 59, 23, 59, 59, 23, 4, 59, 59, 23}));
    QCOMPARE(Multipliziere(0, b[0].Stunden1, b[0].Minuten1, b[0].Sekunden1, b[0].k),
             (Zeitmenge{0, 2, 2, 2}));
    QCOMPARE(b[1].Sekunden1 * b[1].k, 62);
    QCOMPARE((QList<int>{b[2].Stunden1, b[2].Minuten1, b[2].Sekunden1, b[2].k}),
             (QList<int>{2, 13, 13, 5}));
    QCOMPARE((QList<int>{b[3].Stunden1, b[3].Minuten1, b[3].Sekunden1, b[3].k}),
             (QList<int>{5, 13, 13, 5}));
}

QTEST_GUILESS_MAIN(TstMusterschritte)
#include "tst_musterschritte.moc"
