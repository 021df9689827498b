#include "core/FlugaufgabenU.h"
#include "core/ZufallU.h"
#include "tests/support/Attrappen.h"
#include "tests/support/Flugziehungen.h"

#include <QTest>

using namespace kalmiro;
using kalmiro::test::Flugziehungen;

namespace {

constexpr int Tag = 24 * 60;

TFlugaufgabe Gezogen(const QList<int>& werte) {
    test::ZufallsSkript skript;
    for (int w : werte)
        skript.Anhaengen(w);
    return FlugaufgabeZiehen();
}

// What is wrong with a task, or empty; worked out again in minutes from the table.
QString Fehler(const TFlugaufgabe& a) {
    if (a.Ziel < 1 || a.Ziel > 58) return QStringLiteral("destination");
    if (a.Tempo < 800 || a.Tempo > 900 || a.Tempo % 10 != 0) return QStringLiteral("speed");
    if (a.Aufgabenart < 1 || a.Aufgabenart > 3) return QStringLiteral("kind");
    if (a.AbflugStunde < 0 || a.AbflugStunde > 22 || a.AbflugMinute < 0 || a.AbflugMinute > 59)
        return QStringLiteral("departure");
    if (a.AnkunftStunde < 0 || a.AnkunftStunde > 23 || a.AnkunftMinute < 0 || a.AnkunftMinute > 59)
        return QStringLiteral("arrival out of the day");
    const TFlugziel& z = Flugziele[a.Ziel];
    const double stunden = static_cast<double>(z.Entfernung) / a.Tempo;
    const double minuten = (stunden - static_cast<int>(stunden)) * 60;
    // The minutes rounded; what would round to 60 is 59.
    const bool gerundet =
        std::abs(minuten - a.FlugMinuten) <= 0.5 + 1e-9 || (a.FlugMinuten == 59 && minuten > 59.5);
    if (a.FlugStunden != static_cast<int>(stunden) || a.FlugMinuten > 59 || !gerundet)
        return QStringLiteral("flight time");
    const int ankunft = a.AbflugStunde * 60 + a.AbflugMinute + a.FlugStunden * 60 + a.FlugMinuten +
                        z.Stunden * 60 + z.Minuten;
    if ((a.AnkunftStunde * 60 + a.AnkunftMinute) != (ankunft % Tag + Tag) % Tag)
        return QStringLiteral("arrival");
    const QString erwartet = a.Aufgabenart == 1   ? Zeitdauertext(a.FlugStunden, a.FlugMinuten)
                             : a.Aufgabenart == 2 ? Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute)
                                                  : Uhrzeittext(a.AbflugStunde, a.AbflugMinute);
    if (a.Ergebnis != erwartet) return QStringLiteral("expected answer ") + a.Ergebnis;
    return {};
}

} // namespace

class TstFlugaufgaben : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void beispiele_data();
    void beispiele();
    void texte_data();
    void texte();
    void vorgelesen();
    void ziehungenInIhrerReihenfolge();
    void vieleAufgaben();
    void zielbeschriftung_data();
    void zielbeschriftung();
};

// clang-format off
void TstFlugaufgaben::beispiele_data() {
    QTest::addColumn<QList<int>>("ziehungen");
    QTest::addColumn<QString>("flugzeit");
    QTest::addColumn<QString>("ankunft");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("New York, Flugzeit") << Flugziehungen(3, 850, 1, 14, 35)  << "8h 00min"  << "16:35" << "8h 00min";
    QTest::newRow("New York, Ankunft")  << Flugziehungen(3, 850, 2, 14, 35)  << "8h 00min"  << "16:35" << "16:35";
    QTest::newRow("New York, Abflug")   << Flugziehungen(3, 850, 3, 14, 35)  << "8h 00min"  << "16:35" << "14:35";
    // 19.99 h: the 60 minutes become 59; 42:58 at home is 3:58 the next day there.
    QTest::newRow("Sydne")              << Flugziehungen(32, 800, 2, 22, 59) << "19h 59min" << "3:58"  << "3:58";
    // 58.5 minutes go to the even neighbour.
    QTest::newRow("Lusaka")             << Flugziehungen(28, 800, 1, 9, 0)   << "8h 58min"  << "18:58" << "8h 58min";
    QTest::newRow("Kabul +3h 30min")    << Flugziehungen(35, 850, 2, 10, 45) << "5h 23min"  << "19:38" << "19:38";
    QTest::newRow("Katmandu +4h 45min") << Flugziehungen(52, 850, 3, 0, 30)  << "7h 21min"  << "12:36" << "0:30";
    QTest::newRow("Anchorage -10h")     << Flugziehungen(1, 900, 2, 22, 50)  << "19h 46min" << "8:36"  << "8:36";
    QTest::newRow("Rabat -1h")          << Flugziehungen(21, 900, 2, 0, 0)   << "2h 46min"  << "1:46"  << "1:46";
    QTest::newRow("Teheran über Nacht") << Flugziehungen(54, 800, 2, 20, 10) << "3h 59min"  << "2:39"  << "2:39";
}
// clang-format on

void TstFlugaufgaben::beispiele() {
    QFETCH(QList<int>, ziehungen);
    const TFlugaufgabe a = Gezogen(ziehungen);
    QTEST(Zeitdauertext(a.FlugStunden, a.FlugMinuten), "flugzeit");
    QTEST(Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute), "ankunft");
    QTEST(a.Ergebnis, "ergebnis");
    QCOMPARE(Fehler(a), QString());
}

// The given data in two lines, the parts in red between '#'; hours without a leading zero.
// clang-format off
void TstFlugaufgaben::texte_data() {
    QTest::addColumn<QList<int>>("ziehungen");
    QTest::addColumn<QString>("zeile1");
    QTest::addColumn<QString>("zeile2");
    QTest::addColumn<QString>("gesucht");
    QTest::addColumn<Zeitform>("form");
    QTest::newRow("Flugzeit") << Flugziehungen(3, 850, 1, 14, 7) << "Geg.: Abflug #14:07# (Ortszeit)" << "Ankunft #16:07# (Ortszeit)" << "Flugzeit" << Zeitform::Zeitdauer;
    QTest::newRow("Ankunft")  << Flugziehungen(3, 850, 2, 9, 5)  << "Geg.: Abflug #9:05# (Ortszeit)"  << "Flugzeit #8h 00min"         << "Ankunft"  << Zeitform::Uhrzeit;
    QTest::newRow("Abflug")   << Flugziehungen(3, 850, 3, 0, 0)  << "Geg.: Flugzeit #8h 00min#"       << "Ankunft #2:00# Ortszeit"     << "Abflug"   << Zeitform::Uhrzeit;
}
// clang-format on

void TstFlugaufgaben::texte() {
    QFETCH(QList<int>, ziehungen);
    const TFlugaufgabe a = Gezogen(ziehungen);
    QTEST(a.Zeile1, "zeile1");
    QTEST(a.Zeile2, "zeile2");
    QTEST(a.Gesucht, "gesucht");
    QTEST(a.Form(), "form");
}

// What the screen shows, as a screen reader reads it.
void TstFlugaufgaben::vorgelesen() {
    const TFlugaufgabe a = Gezogen(Flugziehungen(35, 850, 1, 10, 45));
    QCOMPARE(Flugtexte(a), (QStringList{"Geg.: Abflug 10:45 (Ortszeit)", "Ankunft 19:38 (Ortszeit)",
                                        "Ges.: Flugzeit", "Flug von Wien nach Kabul (Afghanistan)",
                                        "Flugstrecke: 4571 km", "Kabul (+3h 30min)"}));
}

// Destination, speed (two draws), kind, hour and minute, and nothing else.
void TstFlugaufgaben::ziehungenInIhrerReihenfolge() {
    test::ZufallsSkript skript;
    const TFlugaufgabe a = FlugaufgabeZiehen();
    QCOMPARE(skript.Grenzen(), (std::vector<int>{58, 3, 5, 3, 23, 60}));
    QCOMPARE(Fehler(a), QString());
    // The largest draws reach the last destination, the fastest speed, the last kind and 22:59.
    const TFlugaufgabe b = Gezogen({57, 2, 4, 2, 22, 59});
    QCOMPARE((QList<int>{b.Ziel, b.Tempo, b.Aufgabenart}), (QList<int>{58, 900, 3}));
    QCOMPARE(Uhrzeittext(b.AbflugStunde, b.AbflugMinute), QStringLiteral("22:59"));
    const TFlugaufgabe c = Gezogen({0, 0, 4, 0, 0, 0});
    QCOMPARE((QList<int>{c.Ziel, c.Tempo, c.Aufgabenart}), (QList<int>{1, 800, 1}));
}

// Every destination, speed and departure: the times hold together and the arrival lies
// within the day.
void TstFlugaufgaben::vieleAufgaben() {
    RandSeed(12);
    for (int i = 0; i < 20000; ++i) {
        const TFlugaufgabe a = FlugaufgabeZiehen();
        QVERIFY2(Fehler(a).isEmpty(), qPrintable(a.Flugziel().Stadt + u' ' + Fehler(a)));
    }
    // The earliest and the latest departure to every destination at both extreme speeds.
    for (int ziel = 1; ziel <= 58; ++ziel)
        for (int tempo : {800, 900})
            for (const auto& [h, m] : {std::pair{0, 0}, std::pair{22, 59}}) {
                const TFlugaufgabe a = Gezogen(Flugziehungen(ziel, tempo, 2, h, m));
                QVERIFY2(Fehler(a).isEmpty(), qPrintable(a.Flugziel().Stadt));
            }
}

// clang-format off
void TstFlugaufgaben::zielbeschriftung_data() {
    QTest::addColumn<int>("ziel");
    QTest::addColumn<QString>("text");
    QTest::newRow("New York")  << 3  << "New York (–6h)";
    QTest::newRow("Anchorage") << 1  << "Anchorage (–10h)";
    QTest::newRow("Kinshasa")  << 27 << "Kinshasa (0h)";
    QTest::newRow("Sydne")     << 32 << "Sydne (+9h)";
    QTest::newRow("Kabul")     << 35 << "Kabul (+3h 30min)";
    QTest::newRow("Neu Dheli") << 37 << "Neu Dheli (+4h 30min)";
    QTest::newRow("Mumbai")    << 38 << "Mumbai (+4h 30min)";
    QTest::newRow("Teheran")   << 54 << "Teheran (+2h 30min)";
    QTest::newRow("Katmandu")  << 52 << "Katmandu (+4h 45min)";
}
// clang-format on

void TstFlugaufgaben::zielbeschriftung() {
    QFETCH(int, ziel);
    QTEST(Zielbeschriftung(Flugziele[ziel]), "text");
}

QTEST_GUILESS_MAIN(TstFlugaufgaben)
#include "tst_flugaufgaben.moc"
