#include "core/GlobaleU.h"
#include "core/UebungsprotokollU.h"

#include <QTest>

using namespace kalmiro;

Q_DECLARE_METATYPE(kalmiro::Urteil)
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
    void beurteile_data();
    void beurteile();
    void antwortfolgen_data();
    void antwortfolgen();
    void wirdBeurteilt_data();
    void wirdBeurteilt();
    void rundenende_data();
    void rundenende();
    void weiter_data();
    void weiter();
    void serieBeginnen();
};

void TstUebungsprotokoll::init() {
    Durchgang = 4;
    Versuch = 2;
    Versuche = 7;
    Punkte = 3.5f;
    GesamtPunkte = 9;
    GesamtVersuche = 12;
    SerieBeginnen();
}

// clang-format off
void TstUebungsprotokoll::beurteile_data() {
    QTest::addColumn<char>("vorher");
    QTest::addColumn<bool>("richtig");
    QTest::addColumn<Urteil>("urteil");
    QTest::addColumn<char>("nachher");
    QTest::addColumn<float>("punkte");
    QTest::newRow("richtig beim ersten")  << 'o' << true  << Urteil::RichtigBeimErsten  << 'g' << 1.0f;
    QTest::newRow("falsch beim ersten")   << 'o' << false << Urteil::FalschBeimErsten   << 'p' << 0.0f;
    QTest::newRow("richtig beim zweiten") << 'p' << true  << Urteil::RichtigBeimZweiten << 'g' << 0.5f;
    QTest::newRow("falsch beim zweiten")  << 'p' << false << Urteil::FalschBeimZweiten  << 'a' << 0.0f;
}
// clang-format on

void TstUebungsprotokoll::beurteile() {
    QFETCH(char, vorher);
    QFETCH(bool, richtig);
    QFETCH(char, nachher);
    Aufgabenstand a = Stand(vorher);
    const Urteil u = Beurteile(a, richtig);
    QTEST(u, "urteil");
    QTEST(PunkteFuer(u), "punkte");
    const Aufgabenstand erwartet = Stand(nachher);
    QCOMPARE(a.versuch, erwartet.versuch);
    QCOMPARE(a.geloest, erwartet.geloest);
    QCOMPARE(a.aufgedeckt, erwartet.aufgedeckt);
    QCOMPARE(a.Fertig(), nachher == 'g' || nachher == 'a');
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
}

// clang-format off
void TstUebungsprotokoll::wirdBeurteilt_data() {
    QTest::addColumn<char>("stand");
    QTest::addColumn<bool>("leer");
    QTest::addColumn<bool>("lesbar");
    QTest::addColumn<bool>("beurteilt");
    QTest::newRow("offen")           << 'o' << false << true  << true;
    QTest::newRow("zweiter Versuch") << 'p' << false << true  << true;
    QTest::newRow("leer")            << 'o' << true  << true  << false;
    QTest::newRow("unlesbar")        << 'p' << false << false << false;
    QTest::newRow("gelöst")          << 'g' << false << true  << false;
    QTest::newRow("aufgedeckt")      << 'a' << false << true  << false;
}
// clang-format on

void TstUebungsprotokoll::wirdBeurteilt() {
    QFETCH(char, stand);
    QFETCH(bool, leer);
    QFETCH(bool, lesbar);
    QTEST(WirdBeurteilt(Stand(stand), leer, lesbar), "beurteilt");
}

// clang-format off
void TstUebungsprotokoll::rundenende_data() {
    QTest::addColumn<int>("durchgang");
    QTest::addColumn<int>("grenze");
    QTest::addColumn<bool>("rundeFertig");
    QTest::addColumn<bool>("letzte");
    QTest::addColumn<bool>("auswertung");
    QTest::newRow("erste Runde")               << 1 << 5 << true  << false << false;
    QTest::newRow("vorletzte Runde")           << 4 << 5 << true  << false << false;
    QTest::newRow("letzte Runde offen")        << 5 << 5 << false << true  << false;
    QTest::newRow("letzte Runde fertig")       << 5 << 5 << true  << true  << true;
    // A limit lowered below the round reached still ends the series.
    QTest::newRow("Grenze unterschritten")     << 3 << 2 << true  << true  << true;
    QTest::newRow("unterschritten, offen")     << 3 << 2 << false << true  << false;
}
// clang-format on

void TstUebungsprotokoll::rundenende() {
    QFETCH(int, durchgang);
    QFETCH(int, grenze);
    QFETCH(bool, rundeFertig);
    QTEST(LetzteRunde(durchgang, grenze), "letzte");
    QTEST(AuswertungErreichbar(durchgang, grenze, rundeFertig), "auswertung");
}

// One task in round durchgang of grenze, its field empty or not, and "Weiter".
// clang-format off
void TstUebungsprotokoll::weiter_data() {
    QTest::addColumn<char>("stand");
    QTest::addColumn<bool>("leer");
    QTest::addColumn<int>("durchgang");
    QTest::addColumn<Hindernis>("hindernis");
    QTest::addColumn<Weiterschritt>("schritt");
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
    QTEST(WeiterEntscheiden(durchgang, grenze, hindernis == Hindernis::Keins ? 0 : 1), "schritt");
}

void TstUebungsprotokoll::serieBeginnen() {
    QCOMPARE(Durchgang, 1);
    QCOMPARE(Versuch, 1);
    QCOMPARE(Versuche, 0);
    QCOMPARE(Punkte, 0.0f);
    QCOMPARE(GesamtPunkte, 0.0f);
    QCOMPARE(GesamtVersuche, 0);
}

QTEST_GUILESS_MAIN(TstUebungsprotokoll)
#include "tst_uebungsprotokoll.moc"
