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

bool Gleich(float a, float b) {
    return std::abs(a - b) < 1e-4f;
}

int Minuten(const Rechenzeile& z) {
    return 60 * z.stunden + z.minuten;
}

// What is wrong with a state: a row that is not written as a time, or a computation
// whose result does not follow from its operands.
QString Rechenfehler(const Zeitstand& s, bool fertig) {
    for (const Rechenzeile& z : s.zeilen)
        if (z.stunden < 0 || z.minuten < 0 || z.minuten >= 120)
            return QStringLiteral("row ") + Zeilentext(z);
    for (const Rechenzeichen& z : s.zeichen) {
        const Rechenzeile* oben = s.Zeile(z.basis, z.y + Zeilenabstand);
        const Rechenzeile* unten = s.Zeile(z.basis, z.y);
        const Rechenzeile* ergebnis = s.Zeile(z.basis, z.y - Zeilenabstand);
        if (!oben || !unten) return QStringLiteral("sign without its operands");
        if (!ergebnis) continue;
        const int soll = z.art == Rechenart::Plus ? Minuten(*oben) + Minuten(*unten)
                                                  : Minuten(*oben) - Minuten(*unten);
        if (Minuten(*ergebnis) != soll)
            return QStringLiteral("%1 %2 %3 is not %4")
                .arg(Zeilentext(*oben), z.art == Rechenart::Plus ? "+" : "-", Zeilentext(*unten),
                     Zeilentext(*ergebnis));
        // Once a step is done every result is written as a time, unless an hour of it has
        // been taken apart for a subtraction that follows.
        const bool geborgt =
            std::any_of(s.zeichen.begin(), s.zeichen.end(), [&](const Rechenzeichen& w) {
                return w.art == Rechenart::Minus && Gleich(w.basis, z.basis) &&
                       Gleich(w.y, ergebnis->y - Zeilenabstand);
            });
        if (fertig && ergebnis->minuten > 59 && !geborgt)
            return QStringLiteral("result ") + Zeilentext(*ergebnis);
    }
    return {};
}

// The one row a slide's leg changes, and by how many minutes it does so.
QString Aenderung(const Zeitstand& vorher, const Zeitstand& nachher, int stunden, int minuten,
                  const QString& label, float x, float y) {
    if (vorher.zeilen.size() != nachher.zeilen.size()) return QStringLiteral("rows come or go");
    int geaendert = 0;
    for (std::size_t i = 0; i < vorher.zeilen.size(); ++i) {
        Rechenzeile z = vorher.zeilen[i];
        if (z == nachher.zeilen[i]) continue;
        ++geaendert;
        z.stunden += stunden;
        z.minuten += minuten;
        if (z != nachher.zeilen[i]) return QStringLiteral("row changes wrongly");
        // The label leaves from or arrives at the row's own column.
        const float spalte = label.endsWith(u'h') ? z.basis : z.basis + Minutenspalte;
        if (!Gleich(x, spalte) || std::abs(y - z.y) > 0.5f + 1e-4f)
            return QStringLiteral("label away from its row");
    }
    return geaendert == 1 ? QString() : QStringLiteral("%1 rows change").arg(geaendert);
}

QString Pruefe(const Zeitschritt& s) {
    if (!s.uebertrag) {
        // Without a slide a step only adds to what it shows.
        for (const Rechenzeile& z : s.stand.zeilen)
            if (const Rechenzeile* e = s.ende.Zeile(z.basis, z.y); !e || *e != z)
                return QStringLiteral("row changes without a slide");
        return Rechenfehler(s.ende, true);
    }
    const Zeituebertrag& u = *s.uebertrag;
    const bool borgen = u.strecken[0].label == u"1h";
    // A borrow goes up, right and down; a carry down, left and up; 1.5 and 3.7 units.
    const float dy = borgen ? Zeilenabstand : -Zeilenabstand;
    const float dx = borgen ? Minutenspalte : -Minutenspalte;
    const std::array<QPointF, 3> ziele{QPointF(u.x, u.y + dy), QPointF(u.x + dx, u.y + dy),
                                       QPointF(u.x + dx, u.y)};
    const QStringList labels =
        borgen ? QStringList{"1h", "60min", "60min"} : QStringList{"60min", "1h", "1h"};
    for (std::size_t i = 0; i < 3; ++i) {
        const Zeitstrecke& l = u.strecken[i];
        if (!Gleich(l.x, static_cast<float>(ziele[i].x())) ||
            !Gleich(l.y, static_cast<float>(ziele[i].y())) || l.label != labels[int(i)])
            return QStringLiteral("leg %1").arg(i + 1);
        if (l.halbwegs.has_value() == (i == 1))
            return QStringLiteral("change on leg %1").arg(i + 1);
    }
    const Zeitstand& mitte = *u.strecken[0].halbwegs;
    const Zeitstand& spaeter = *u.strecken[2].halbwegs;
    QString f = Aenderung(s.stand, mitte, borgen ? -1 : 0, borgen ? 0 : -60, labels[0], u.x, u.y);
    if (f.isEmpty())
        f = Aenderung(mitte, spaeter, borgen ? 0 : 1, borgen ? 60 : 0, labels[2], u.strecken[2].x,
                      u.strecken[2].y);
    if (!f.isEmpty()) return f;
    // What the slide took to: the row it ends on is in the finished step, unchanged.
    for (const Rechenzeile& z : spaeter.zeilen) {
        const Rechenzeile* e = s.ende.Zeile(z.basis, z.y);
        if (!e || *e != z) return QStringLiteral("finished step lost a row");
    }
    // Only where needed: a borrow leaves the minuend no richer than the subtrahend, a
    // carry takes from a sum of at least 60 minutes.
    for (std::size_t i = 0; i < mitte.zeilen.size(); ++i) {
        const Rechenzeile& z = s.stand.zeilen[i];
        if (z == mitte.zeilen[i]) continue;
        if (borgen) {
            const Rechenzeile* sub = s.stand.Zeile(z.basis, z.y - Zeilenabstand);
            if (!sub || z.minuten >= sub->minuten) return QStringLiteral("needless borrow");
            if (u.satz !=
                QStringLiteral("Da %1min nicht von %2min subtrahiert werden können  borgt "
                               "man sich eine Stunde aus!")
                    .arg(sub->minuten)
                    .arg(z.minuten))
                return QStringLiteral("borrow sentence ") + u.satz;
        } else {
            if (z.minuten < 60) return QStringLiteral("needless carry");
            if (u.satz !=
                QStringLiteral("Da %1min größer als 60min ist werden 60m in 1h verwandelt.")
                    .arg(z.minuten))
                return QStringLiteral("carry sentence ") + u.satz;
        }
    }
    // Half way the amount is on its way, in neither row.
    for (const Zeitstand* z : {&s.stand, &spaeter})
        if (QString f2 = Rechenfehler(*z, false); !f2.isEmpty()) return f2;
    return Rechenfehler(s.ende, true);
}

// The maroon rows of the finished example: one per way.
QStringList Ergebnisse(const Zeitstand& s) {
    QStringList e;
    for (const Rechenzeile& z : s.zeilen)
        if (z.tinte == Zeittinte::Rotbraun) e << Zeilentext(z);
    return e;
}

// The sentence each example closes with, at its last step (4: at step 5, 6: at 5 and 8).
QString Schlusssatz(const TZugaufgabe& a) {
    switch (a.Aufgabenart) {
    case 1:
    case 4:
        return FahrzeitSatz(a.FahrzeitStunden, a.FahrzeitMinuten);
    case 2:
        return QStringLiteral("Die Ankunftszeit lautet ") +
               Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute);
    case 3:
        return QStringLiteral("Die Abfahrtszeit lautet ") +
               Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute);
    case 5:
        return QStringLiteral("Die Ankunftszeit am nächsten Tag lautet ") +
               Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute);
    default:
        return QStringLiteral("Die Abfahrtszeit am Vortag lautet ") +
               Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute);
    }
}

QString Fehler(const TZugaufgabe& a, QList<int>& gleitet) {
    const int art = a.Aufgabenart;
    const int reise = 60 * a.FahrzeitStunden + a.FahrzeitMinuten;
    const int ab = 60 * a.AbfahrtStunde + a.AbfahrtMinute,
              an = 60 * a.AnkunftStunde + a.AnkunftMinute;
    if (a.AbfahrtMinute == a.AnkunftMinute || a.FahrzeitMinuten > 59)
        return QStringLiteral("times");
    if (a.UeberNacht() ? reise != 24 * 60 - ab + an : reise != an - ab)
        return QStringLiteral("travel time");
    const auto schritte = Zeitpunktschritte(a);
    if (static_cast<int>(schritte.size()) != Schrittzahl(art)) return QStringLiteral("steps");
    for (std::size_t i = 0; i < schritte.size(); ++i) {
        const QString f = Pruefe(schritte[i]);
        if (!f.isEmpty()) return QStringLiteral("step %1: ").arg(i + 1) + f;
        if (schritte[i].uebertrag) gleitet << int(i + 1);
    }
    // The results are the example's own times, in every way of working them out.
    const Zeitstand& ende = schritte.back().ende;
    const int gesucht = a.Gesucht() == FahrzeitGesucht  ? reise
                        : a.Gesucht() == AnkunftGesucht ? an
                                                        : ab;
    const QString soll =
        QStringLiteral("%1h %2min").arg(gesucht / 60).arg(ZweiStellig(gesucht % 60));
    const QStringList ergebnisse = Ergebnisse(ende);
    if (ergebnisse != QStringList(art == 4 || art == 6 ? 2 : 1, soll))
        return QStringLiteral("results ") + ergebnisse.join(u',') + QStringLiteral(" for ") + soll;
    const int satzschritt = art == 4 ? 5 : art == 6 ? 5 : Schrittzahl(art);
    if (schritte[std::size_t(satzschritt - 1)].text != Schlusssatz(a) ||
        (art == 6 && schritte.back().text != Schlusssatz(a)))
        return QStringLiteral("sentence ") + schritte[std::size_t(satzschritt - 1)].text;
    const QString dauer = Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten);
    if (ende.fahrzeittext != dauer) return QStringLiteral("travel-time label ") + ende.fahrzeittext;
    return {};
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
    void schreibweisen_data();
    void schreibweisen();
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

// For many seeds every step of an example writes times, computes right, slides only
// where needed, and ends on the example's own times in every way.
void TstZeitpunktschritte::vieleBeispiele() {
    QFETCH(int, art);
    QList<int> alle;
    int ohne = 0;
    for (std::uint32_t saat = 1; saat <= 2000; ++saat) {
        RandSeed(saat);
        const TZugaufgabe a = NeuesZeitbeispiel(art);
        QList<int> gleitet;
        const QString fehler = Fehler(a, gleitet);
        QVERIFY2(fehler.isEmpty(), qPrintable(QStringLiteral("seed %1, %2:%3 -> %4:%5: ")
                                                  .arg(saat)
                                                  .arg(a.AbfahrtStunde)
                                                  .arg(a.AbfahrtMinute)
                                                  .arg(a.AnkunftStunde)
                                                  .arg(a.AnkunftMinute) +
                                              fehler));
        ohne += gleitet.isEmpty() ? 1 : 0;
        for (int s : gleitet)
            if (!alle.contains(s)) alle << s;
    }
    std::sort(alle.begin(), alle.end());
    QTEST(alle, "gleitet");
    QVERIFY(ohne > 0); // and examples that need no slide at all
}

// Examples with set times: the rows of one computation at the start and the end of a step.
void TstZeitpunktschritte::kanten_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("zeiten"); // departure h, m, arrival h, m
    QTest::addColumn<int>("schritt");
    QTest::addColumn<float>("basis");
    QTest::addColumn<QStringList>("anfang"); // at the start of the step
    QTest::addColumn<QStringList>("ende");
    using L = QList<int>;
    using S = QStringList;
    // clang-format off
    QTest::newRow("1 borgt")                << 1 << L{9, 40, 17, 25} << 3 << 0.0f   << S{"17h 25min", "9h 40min"} << S{"16h 85min", "9h 40min", "7h 45min"};
    QTest::newRow("1 ohne Borgen")          << 1 << L{9, 25, 17, 40} << 3 << 0.0f   << S{"17h 40min", "9h 25min"} << S{"17h 40min", "9h 25min", "8h 15min"};
    QTest::newRow("2 trägt")                << 2 << L{9, 40, 17, 15} << 3 << 0.0f   << S{"9h 40min", "7h 35min", "16h 75min"} << S{"9h 40min", "7h 35min", "17h 15min"};
    QTest::newRow("2 ohne Übertrag")        << 2 << L{9, 10, 17, 15} << 3 << 0.0f   << S{"9h 10min", "8h 05min", "17h 15min"} << S{"9h 10min", "8h 05min", "17h 15min"};
    QTest::newRow("3 borgt")                << 3 << L{9, 40, 17, 10} << 3 << 0.0f   << S{"17h 10min", "7h 30min"} << S{"16h 70min", "7h 30min", "9h 40min"};
    QTest::newRow("4 ab 20:00, 1. Art")     << 4 << L{20, 0, 5, 10}  << 4 << -14.0f << S{"24h 00min", "20h 00min", "4h 0min", "5h 10min", "9h 10min"} << S{"24h 00min", "20h 00min", "4h 0min", "5h 10min", "9h 10min"};
    QTest::newRow("4 ab 20:00, 2. Art")     << 4 << L{20, 0, 5, 10}  << 8 << 12.0f  << S{"24h 00min", "5h 10min", "29h 10min", "20h 00min"} << S{"24h 00min", "5h 10min", "29h 10min", "20h 00min", "9h 10min"};
    QTest::newRow("4 ab 20:35, 1. Art")     << 4 << L{20, 35, 5, 10} << 4 << -14.0f << S{"23h 60min", "20h 35min", "3h 25min", "5h 10min", "8h 35min"} << S{"23h 60min", "20h 35min", "3h 25min", "5h 10min", "8h 35min"};
    QTest::newRow("4 ab 20:35, borgt")      << 4 << L{20, 35, 5, 10} << 8 << 12.0f  << S{"29h 10min", "20h 35min"} << S{"24h 00min", "5h 10min", "28h 70min", "20h 35min", "8h 35min"};
    QTest::newRow("4 trägt")                << 4 << L{20, 10, 5, 55} << 4 << -14.0f << S{"23h 60min", "20h 10min", "3h 50min", "5h 55min", "8h 105min"} << S{"23h 60min", "20h 10min", "3h 50min", "5h 55min", "9h 45min"};
    QTest::newRow("5 trägt")                << 5 << L{20, 35, 5, 10} << 3 << 0.0f   << S{"20h 35min", "8h 35min", "28h 70min"} << S{"20h 35min", "8h 35min", "29h 10min"};
    QTest::newRow("5 nächster Tag")        << 5 << L{20, 35, 5, 10} << 5 << 0.0f   << S{"20h 35min", "8h 35min", "29h 10min", "24h 00min", "5h 10min"} << S{"20h 35min", "8h 35min", "29h 10min", "24h 00min", "5h 10min"};
    QTest::newRow("6 ab 20:35, 1. Art")     << 6 << L{20, 35, 5, 10} << 3 << -14.0f << S{"8h 35min", "5h 10min", "3h 25min"} << S{"8h 35min", "5h 10min", "3h 25min"};
    QTest::newRow("6 ab 20:35, vom Tag")    << 6 << L{20, 35, 5, 10} << 4 << -6.0f  << S{"23h 60min", "3h 25min", "20h 35min"} << S{"23h 60min", "3h 25min", "20h 35min"};
    QTest::newRow("6 ab 20:35, borgt")      << 6 << L{20, 35, 5, 10} << 7 << 12.0f  << S{"29h 10min", "8h 35min"} << S{"24h 00min", "5h 10min", "28h 70min", "8h 35min", "20h 35min"};
    QTest::newRow("6 gleiche Minuten")      << 6 << L{21, 0, 5, 35}  << 7 << 12.0f  << S{"24h 00min", "5h 35min", "29h 35min", "8h 35min"} << S{"24h 00min", "5h 35min", "29h 35min", "8h 35min", "21h 00min"};
    QTest::newRow("6 gleiche Min., vom Tag")<< 6 << L{21, 0, 5, 35}  << 4 << -6.0f  << S{"24h 00min", "3h 00min", "21h 00min"} << S{"24h 00min", "3h 00min", "21h 00min"};
    QTest::newRow("6 borgt zuerst")         << 6 << L{20, 10, 5, 35} << 2 << -14.0f << S{"9h 25min", "5h 35min"} << S{"8h 85min", "5h 35min"};
    QTest::newRow("6 borgt zuerst, danach") << 6 << L{20, 10, 5, 35} << 8 << -14.0f << S{"8h 85min", "5h 35min", "3h 50min"} << S{"8h 85min", "5h 35min", "3h 50min"};
    // clang-format on
}

void TstZeitpunktschritte::kanten() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    QFETCH(int, schritt);
    QFETCH(float, basis);
    const auto schritte = Zeitpunktschritte(ZeitbeispielAus(art, zeiten));
    const Zeitschritt& s = schritte[static_cast<std::size_t>(schritt - 1)];
    QTEST(Spalte(s.stand, basis), "anfang");
    QTEST(Spalte(s.ende, basis), "ende");
}

// Sentences with their numbers, and the odd spellings the program keeps.
void TstZeitpunktschritte::texte_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("zeiten");
    QTest::addColumn<int>("schritt");
    QTest::addColumn<QString>("satz"); // of the slide, empty: none
    QTest::addColumn<QString>("text");
    QTest::addColumn<Zeittinte>("farbe");
    using L = QList<int>;
    const Zeittinte schwarz = Zeittinte::Schwarz, rotbraun = Zeittinte::Rotbraun;
    // clang-format off
    QTest::newRow("1 borgt")   << 1 << L{9, 40, 17, 25} << 3 << "Da 40min nicht von 25min subtrahiert werden können  borgt man sich eine Stunde aus!" << "Die Fahrzeit wird durch die Subtraktion der Ankuftszeit minus der Abfahrtszeit ermittelt." << rotbraun;
    QTest::newRow("1 Ergebnis")<< 1 << L{9, 40, 17, 25} << 4 << "" << "Die Fahrzeit beträgt 07h 45min" << rotbraun;
    QTest::newRow("2 trägt")   << 2 << L{9, 40, 17, 15} << 3 << "Da 75min größer als 60min ist werden 60m in 1h verwandelt." << "Die Ankunftszeit wird durch die Addition der Fahrzeit zur Abfahrtszeit ermittelt." << schwarz;
    QTest::newRow("2 Ergebnis")<< 2 << L{9, 5, 17, 15}  << 4 << "" << "Die Ankunftszeit lautet 17:15" << schwarz;
    QTest::newRow("3 Ergebnis")<< 3 << L{9, 5, 17, 15}  << 4 << "" << "Die Abfahrtszeit lautet 9:05" << schwarz;
    QTest::newRow("4 Skizze")  << 4 << L{20, 0, 5, 10}  << 1 << "" << "Erstelle eine Skizze mit einer Zeitleiste und trage die Ankunfts- bzw. Fahrzeit näherungsweise ein." << schwarz;
    QTest::newRow("4 Ergebnis")<< 4 << L{20, 0, 5, 10}  << 5 << "" << "Die Fahrzeit beträgt 09h 10min" << rotbraun;
    QTest::newRow("4 2. Art")  << 4 << L{20, 0, 5, 10}  << 6 << "" << "Wandel die Ankunftsszeit in die Schreibweise Stunden und Minuten um verlängere den 1.Tag um diese Zeit." << schwarz;
    QTest::newRow("4 Abfaht")  << 4 << L{20, 0, 5, 10}  << 7 << "" << "Wandel die Abfahtszeit in die Schreibweise Stunden und Minuten um." << schwarz;
    QTest::newRow("4 borgt")   << 4 << L{20, 35, 5, 10} << 8 << "Da 35min nicht von 10min subtrahiert werden können  borgt man sich eine Stunde aus!" << "Die gesamte Fahrzeit wird durch die Subtraktion der beiden Teilzeiten ermittelt." << schwarz;
    QTest::newRow("5 Anbfahrt")<< 5 << L{20, 35, 5, 10} << 1 << "" << "Erstelle eine Skizze mit einer Zeitleiste und trage die Anbfahrts- bzw. Fahrzeit näherungsweise ein." << schwarz;
    QTest::newRow("5 Ergebnis")<< 5 << L{20, 35, 5, 10} << 5 << "" << "Die Ankunftszeit am nächsten Tag lautet 5:10" << schwarz;
    QTest::newRow("6 ohne Borgen") << 6 << L{20, 35, 5, 10} << 2 << "" << "Wandel den Zeitpunkt für die Ankunftszeit in die Schreibweise Stunden und Minuten um und subtrahierre diese von der Fahrzeit." << schwarz;
    QTest::newRow("6 borgt, leert") << 6 << L{20, 10, 5, 35} << 2 << "Da 35min nicht von 25min subtrahiert werden können  borgt man sich eine Stunde aus!" << "" << schwarz;
    QTest::newRow("6 Vortag")  << 6 << L{20, 35, 5, 10} << 8 << "" << "Die Abfahrtszeit am Vortag lautet 20:35" << schwarz;
    // clang-format on
}

void TstZeitpunktschritte::texte() {
    QFETCH(int, art);
    QFETCH(QList<int>, zeiten);
    QFETCH(int, schritt);
    QFETCH(QString, satz);
    const auto schritte = Zeitpunktschritte(ZeitbeispielAus(art, zeiten));
    const Zeitschritt& s = schritte[static_cast<std::size_t>(schritt - 1)];
    QCOMPARE(s.uebertrag ? s.uebertrag->satz : QString(), satz);
    QTEST(s.text, "text");
    QTEST(s.farbe, "farbe");
}

// The four points of the "Begriffe" page reach every hour of their bands.
void TstZeitpunktschritte::begriffe() {
    const std::array<QList<int>, 4> baender{
        {{1, 2, 3}, {6, 7, 8, 9}, {12, 13, 14, 15}, {20, 21, 22, 23}}};
    std::array<QList<int>, 4> gesehen;
    for (std::uint32_t saat = 1; saat <= 300; ++saat) {
        RandSeed(saat);
        const auto punkte = NeueZeitpunkte();
        for (std::size_t i = 0; i < 4; ++i) {
            QVERIFY(baender[i].contains(punkte[i].stunden));
            QVERIFY(punkte[i].minuten >= 0 && punkte[i].minuten <= 59);
            if (!gesehen[i].contains(punkte[i].stunden)) gesehen[i] << punkte[i].stunden;
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        std::sort(gesehen[i].begin(), gesehen[i].end());
        QCOMPARE(gesehen[i], baender[i]);
    }
}

void TstZeitpunktschritte::schreibweisen_data() {
    QTest::addColumn<QList<int>>("zeiten"); // from h, m, to h, m
    QTest::addColumn<QString>("dauer");
    QTest::addColumn<QString>("schreibweisen"); // of the first
    QTest::newRow("7:05") << QList<int>{7, 5, 9, 0} << "1h 55min"
                          << "7:05   7.05   7^0^5";
    QTest::newRow("kurz") << QList<int>{1, 5, 3, 10} << "2h 5min"
                          << "1:05   1.05   1^0^5";
    QTest::newRow("glatt") << QList<int>{20, 30, 23, 30} << "3h 0min"
                           << "20:30   20.30   20^3^0";
}

void TstZeitpunktschritte::schreibweisen() {
    QFETCH(QList<int>, zeiten);
    const Uhrzeit von{zeiten[0], zeiten[1]}, bis{zeiten[2], zeiten[3]};
    QTEST(Dauertext(von, bis), "dauer");
    QTEST(Schreibweisen(von), "schreibweisen");
}

QTEST_GUILESS_MAIN(TstZeitpunktschritte)
#include "tst_zeitpunktschritte.moc"
