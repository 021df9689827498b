#include "core/GlobaleU.h"
#include "core/UebungsprotokollU.h"

#include <QTest>

using namespace kalmiro;

Q_DECLARE_METATYPE(kalmiro::Hindernis)
Q_DECLARE_METATYPE(kalmiro::Weiterschritt)

namespace {

// A task as the screens meet it: o open, p pending (one wrong answer), g solved,
// a revealed.
Aufgabenstand Stand(char c) {
    Aufgabenstand a;
    if (c == 'p') a.versuch = 2;
    a.geloest = c == 'g';
    a.aufgedeckt = c == 'a';
    return a;
}

} // namespace

class TstUebungsprotokoll : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void antwortfolgen_data();
    void antwortfolgen();
    void weiter_data();
    void weiter();
};

void TstUebungsprotokoll::init() {
    Durchgang = 4;
    Versuch = 2;
    Versuche = 7;
    Punkte = 3.5f;
    GesamtPunkte = 9;
    GesamtVersuche = 12;
    SerieBeginnen();
    QCOMPARE(Durchgang, 1);
}

// Answers as the pupil gives them: r right, f wrong, | a new task. Counted through
// Anrechnen into the program-wide counters.
// clang-format off
void TstUebungsprotokoll::antwortfolgen_data() {
    QTest::addColumn<QString>("folge");
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("versuche");
    QTest::addColumn<int>("versuch");
    QTest::newRow("richtig")                  << "r"         << 1.0f << 1 << 1;
    QTest::newRow("zweiter Versuch")          << "fr"        << 0.5f << 2 << 1;
    QTest::newRow("aufgedeckt")               << "ff"        << 0.0f << 2 << 1;
    QTest::newRow("offen")                    << "f"         << 0.0f << 1 << 2;
    // A task left open does not hand its second attempt to the next one.
    QTest::newRow("offen verlassen")          << "f|r"       << 1.0f << 2 << 1;
    QTest::newRow("offen verlassen, falsch")  << "f|f"       << 0.0f << 2 << 2;
    QTest::newRow("fünf Runden richtig")      << "r|r|r|r|r" << 5.0f << 5 << 1;
    QTest::newRow("gemischt")                 << "r|fr|ff"   << 1.5f << 5 << 1;
}
// clang-format on

void TstUebungsprotokoll::antwortfolgen() {
    QFETCH(QString, folge);
    Aufgabenstand a;
    for (QChar c : folge) {
        if (c == u'|') {
            a = Aufgabenstand{};
            continue;
        }
        QVERIFY(!a.Fertig());
        Anrechnen(Beurteile(a, c == u'r'), a);
    }
    QTEST(Punkte, "punkte");
    QTEST(GesamtPunkte, "punkte");
    QTEST(Versuche, "versuche");
    QTEST(GesamtVersuche, "versuche");
    QTEST(Versuch, "versuch");
    QCOMPARE(a.versuch, Versuch);
    QCOMPARE(a.geloest, folge.endsWith(u'r'));
    QCOMPARE(a.aufgedeckt, folge.endsWith(u"ff"));
}

// One task in round durchgang of grenze, its field empty or not, and "Weiter".
// clang-format off
void TstUebungsprotokoll::weiter_data() {
    QTest::addColumn<char>("stand");
    QTest::addColumn<bool>("leer");
    QTest::addColumn<int>("durchgang");
    QTest::addColumn<Hindernis>("hindernis");
    QTest::addColumn<Weiterschritt>("schritt"); // also: "Auswertung" reachable once final
    QTest::newRow("leer")                     << 'o' << true  << 1 << Hindernis::OhneEintrag << Weiterschritt::Aufgehalten;
    QTest::newRow("offen, Eintrag")           << 'o' << false << 1 << Hindernis::Keins       << Weiterschritt::NaechsteRunde;
    QTest::newRow("zweiter Versuch offen")    << 'p' << false << 1 << Hindernis::Keins       << Weiterschritt::NaechsteRunde;
    QTest::newRow("gelöst")                   << 'g' << false << 2 << Hindernis::Keins       << Weiterschritt::NaechsteRunde;
    QTest::newRow("letzte Runde leer")        << 'o' << true  << 3 << Hindernis::OhneEintrag << Weiterschritt::Aufgehalten;
    QTest::newRow("letzte Runde offen")       << 'p' << false << 3 << Hindernis::Offen       << Weiterschritt::Aufgehalten;
    QTest::newRow("letzte Runde unbeurteilt") << 'o' << false << 3 << Hindernis::Offen       << Weiterschritt::Aufgehalten;
    QTest::newRow("letzte Runde gelöst")      << 'g' << false << 3 << Hindernis::Keins       << Weiterschritt::Auswerten;
    QTest::newRow("letzte Runde aufgedeckt")  << 'a' << false << 3 << Hindernis::Keins       << Weiterschritt::Auswerten;
    QTest::newRow("über der Grenze, offen")   << 'p' << false << 4 << Hindernis::Offen       << Weiterschritt::Aufgehalten;
    QTest::newRow("über der Grenze, fertig")  << 'g' << false << 4 << Hindernis::Keins       << Weiterschritt::Auswerten;
}
// clang-format on

void TstUebungsprotokoll::weiter() {
    QFETCH(char, stand);
    QFETCH(bool, leer);
    QFETCH(int, durchgang);
    QFETCH(Hindernis, hindernis);
    constexpr int grenze = 3;
    QCOMPARE(WeiterHindernis(Stand(stand), leer, LetzteRunde(durchgang, grenze)), hindernis);
    QFETCH(Weiterschritt, schritt);
    QCOMPARE(WeiterEntscheiden(durchgang, grenze, hindernis == Hindernis::Keins ? 0 : 1), schritt);
    QCOMPARE(AuswertungErreichbar(durchgang, grenze, Stand(stand).Fertig()),
             schritt == Weiterschritt::Auswerten);
}

QTEST_GUILESS_MAIN(TstUebungsprotokoll)
#include "tst_uebungsprotokoll.moc"
