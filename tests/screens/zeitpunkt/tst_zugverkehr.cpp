#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "platform/TEdit.h"
#include "platform/TPaintBox.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "screens/zeitpunkt/ZugverkehrU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Uebungsfenster.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

const QString Aufforderung[] = {
    QStringLiteral("Gib die Zeitdauer der Fahrzeit ein und drücke die Enter–Taste."),
    QStringLiteral("Gib den Zeitpunkt der Ankunftsszeit ein und drücke die Enter–Taste."),
    QStringLiteral("Gib den Zeitpunkt der Abfahrtszeit ein und drücke die Enter–Taste."),
};

// The draws of one task as Random returns them: kind, hours, minutes, picture.
QList<int> Aufgabe(int art, int abH, int abM, int anH, int anM, int bild = 1) {
    static constexpr int wert[] = {0, 0, 10, 20, 30, 53, 76};
    const int basis = art >= 4 ? 3 : 1;
    return {wert[art], abH - basis, anH - basis, abM, anM, bild - 1};
}

// The tasks the edge cases talk about.
const QList<int> Ankunft1325 = Aufgabe(2, 7, 40, 13, 25);
const QList<int> Fahrzeit620 = Aufgabe(1, 8, 50, 15, 10);
const QList<int> Fahrzeit705 = Aufgabe(1, 10, 0, 17, 5);
const QList<int> Nacht601 = Aufgabe(4, 20, 59, 3, 0);
const QList<int> NachtAnkunft = Aufgabe(5, 9, 30, 7, 45, 40);
const QList<int> NachtAbfahrt = Aufgabe(6, 16, 10, 11, 20);
const QList<int> Abfahrt1200 = Aufgabe(3, 12, 0, 19, 35, 12);

// World to client pixels: the paint box lies at (8, 2), 20 pixels a unit, (0, 0) at its
// pixel (500, 360).
int X(float x) {
    return qRound(508 + 20 * x);
}
int Y(float y) {
    return qRound(362 - 20 * y);
}

bool Blau(const QColor& c) {
    return c.blue() > 180 && c.red() < 90 && c.green() < 90;
}
bool Pink(const QColor& c) {
    return c.red() > 200 && c.green() < 90 && c.blue() > 50 && c.blue() < 160;
}
const auto Seegruen = test::Etwa(QColor(60, 179, 113), 39);

// A text row of size 12 whose top is at world y, from x1 to x2.
QRect Zeile(float y, float x1 = -25, float x2 = 25) {
    return QRect(X(x1), Y(y), X(x2) - X(x1), 17);
}

// The screen with the windows it opens, its tasks scripted, shown as the main window
// would show it.
struct Strecke : test::Uebungsfenster<TfrmZugverkehr> {
    explicit Strecke(const QList<QList<int>>& aufgaben = {}, int grenze = 5, bool warten = true)
        : Uebungsfenster(aufgaben, 3, grenze, warten) {}
};

} // namespace

class TstZugverkehr : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aufbau();
    void zugbilder();
    void feldUndAufforderung_data();
    void feldUndAufforderung();
    void tastenfilter();
    void ausgaenge_data();
    void ausgaenge();
    void antwortVorDemErstenZeichnen();
    void weiterAufOffenerAufgabe_data();
    void weiterAufOffenerAufgabe();
    void ganzeSerie();
    void letzteRundeBleibtOffen();
    void grenzeImDialogGeaendert();
    void neuesOeffnenBeginntVonVorn();
    void auswertungNichtErreichbar();
    void zeichnung_data();
    void zeichnung();
    void zugang_data();
    void zugang();
    void serieNurMitTastatur();
    void doppelteAufloesung();
};

void TstZugverkehr::init() {
    test::Attrappen::Aktuell().Zuruecksetzen();
}

void TstZugverkehr::aufbau() {
    Strecke z({Fahrzeit620});
    QCOMPARE(z.w->windowTitle(), QStringLiteral("Zeitpunkt-Zeitdauer: Übungssbeispiele"));
    QCOMPARE(z.w->ClientGroesse(), QSize(1016, 722));
    QCOMPARE(z.w->font().pixelSize(), 16);
    const std::tuple<const char*, QRect, int> teile[] = {
        {"lblAnzeige", {0, 0, 1016, 68}, 19},    {"pnt", {8, 2, 1001, 720}, 16},
        {"grpDurchgang", {7, 642, 218, 70}, 24}, {"grpVersuche", {240, 642, 153, 70}, 24},
        {"grpPunkte", {408, 642, 153, 70}, 24},  {"btnAuswertung", {800, 670, 200, 40}, 19},
        {"btnWeiter", {800, 670, 200, 40}, 19},  {"img01", {70, 95, 160, 120}, 16},
        {"img66", {70, 95, 160, 120}, 16},
    };
    for (const auto& [name, ort, schrift] : teile) {
        QWidget* teil = z.w->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(teil, name);
        QCOMPARE(teil->geometry(), ort);
        QCOMPARE(teil->font().pixelSize(), schrift);
    }
    QCOMPARE(z.w->findChild<QGroupBox*>(QStringLiteral("grpPunkte"))->title(),
             QStringLiteral(" Punkte "));
    QCOMPARE(z.w->findChild<QAction*>(QStringLiteral("menMaxanzahl"))->text(),
             QStringLiteral("Anzahl der Durchgänge"));
    QCOMPARE(z.feld()->size(), QSize(100, 27));
    QVERIFY(z.feld()->hasFocus());
    QVERIFY(z.feld()->text().isEmpty());
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("1 / 5"));
    QCOMPARE(z.text("lblAktVersuche"), QStringLiteral("0"));
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("0"));
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    QVERIFY(z.knopf("btnAuswertung")->isHidden());
    // Enter leaves the field for "Weiter", next in the tab order; empty, it is not judged.
    QTest::keyClick(z.feld(), Qt::Key_Return);
    QVERIFY(z.knopf("btnWeiter")->hasFocus());
    QVERIFY(z.meldungen().isEmpty());
    QCOMPARE(GesamtVersuche, 0);
}

// Every picture component is there by its name, in its place in the table, and every
// picture decodes at 160 x 120; exactly the chosen one is shown, with its picture.
void TstZugverkehr::zugbilder() {
    Strecke z({Aufgabe(1, 8, 50, 15, 10, 37)});
    QCOMPARE(z.w->Bildnummer(), 37);
    for (int n = 1; n <= AnzahlZuege; ++n) {
        const QString name = QStringLiteral("img%1").arg(n, 2, 10, QLatin1Char('0'));
        auto* bild = z.w->findChild<QLabel*>(name);
        QVERIFY2(bild, qPrintable(name));
        QCOMPARE(z.w->Zugbilder()[static_cast<std::size_t>(n - 1)], bild);
        const QString fehler = test::BildFehler(ZugbildPfad(n), QSize(160, 120));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(bild->isVisible(), n == 37);
        if (n == 37) QCOMPARE(bild->pixmap().size(), QSize(160, 120));
    }
}

// clang-format off
void TstZugverkehr::feldUndAufforderung_data() {
    QTest::addColumn<QList<int>>("aufgabe");
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<float>("feldX"); // world x of the field's left edge
    QTest::addColumn<float>("feldY");
    QTest::addColumn<int>("gesucht");
    QTest::newRow("Fahrzeit")         << Fahrzeit620  << "6h 20min"  << -2.5f                    << -11.0f << 1;
    QTest::newRow("Ankunft")          << Ankunft1325  << "13:25"     << 2.0f + 25.0f / 30 - 2.5f << 4.0f   << 2;
    QTest::newRow("Abfahrt")          << Abfahrt1200  << "12:00"     << -2.5f                    << 4.0f   << 3;
    QTest::newRow("Nacht, Fahrzeit")  << Nacht601     << "6h 01min"  << (-4 + 59.0f / 60 + 3) / 2 - 2.5f << -11.0f << 1;
    QTest::newRow("Nacht, Ankunft")   << NachtAnkunft << "7:45"      << 7.75f - 2.5f             << 4.0f   << 2;
    QTest::newRow("Nacht, Abfahrt")   << NachtAbfahrt << "16:10"     << -8 + 10.0f / 60 - 2.5f   << 4.0f   << 3;
}
// clang-format on

void TstZugverkehr::feldUndAufforderung() {
    QFETCH(QList<int>, aufgabe);
    QFETCH(float, feldX);
    QFETCH(float, feldY);
    QFETCH(int, gesucht);
    Strecke z({aufgabe});
    QTEST(z.ergebnis(), "ergebnis");
    QCOMPARE(Ergebnis, z.ergebnis());
    QCOMPARE(z.feld()->pos(), QPoint(X(feldX), Y(feldY) - 2));
    QCOMPARE(z.anzeige(), Aufforderung[gesucht - 1]);
    QCOMPARE(z.anzeigeFarbe(), QColor::fromRgb(fbBraun));
    // A verdict gives way to the prompt as soon as the pupil types again.
    z.Antworte(QStringLiteral("1"));
    QVERIFY(z.anzeige() != Aufforderung[gesucht - 1]);
    QTest::keyClick(z.feld(), Qt::Key_1);
    QCOMPARE(z.anzeige(), Aufforderung[gesucht - 1]);
}

void TstZugverkehr::tastenfilter() {
    Strecke z({Fahrzeit620, Ankunft1325});
    QTest::keyClicks(z.feld(), QStringLiteral("6H 2:0MIN;x"));
    QCOMPARE(z.feld()->text(), QStringLiteral("6h 20min"));
    // A huge paste is cut to the field's 20 characters; so many digits are no number.
    z.feld()->clear();
    QInputMethodEvent riesig;
    riesig.setCommitString(QString(100000, u'7') + QStringLiteral("h"));
    QCoreApplication::sendEvent(z.feld(), &riesig);
    QCOMPARE(z.feld()->text(), QString(20, u'7'));
    QTest::keyClick(z.feld(), Qt::Key_Return);
    QCOMPARE(z.meldungen(), QStringList{Fehler});
    QCOMPARE(GesamtVersuche, 0);
    // A time of day takes digits and ":" only.
    z.Klick("btnWeiter");
    QCOMPARE(z.w->Aufgabe().Aufgabenart, 2);
    QTest::keyClicks(z.feld(), QStringLiteral("1h3: 2m5"));
    QCOMPARE(z.feld()->text(), QStringLiteral("13:25"));
}

// One task answered in the four ways: counters, message, field, and the attempt.
// clang-format off
void TstZugverkehr::ausgaenge_data() {
    QTest::addColumn<QStringList>("antworten");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<QString>("versuche");
    QTest::addColumn<bool>("fertig");
    QTest::addColumn<int>("versuch");
    const QString falsch = QStringLiteral("7h 50min");
    QTest::newRow("richtig")          << QStringList{"7h 05min"}           << Bravo   << "1,0" << "1" << true  << 1;
    QTest::newRow("zweiter Versuch")  << QStringList{falsch, "7h5min"}     << Zweiter << "0,5" << "2" << true  << 1;
    QTest::newRow("aufgedeckt")       << QStringList{falsch, falsch}       << WiederFalsch("7h  05min ") << "0,0" << "2" << true << 1;
    QTest::newRow("einmal falsch")    << QStringList{falsch}               << Falsch1 << "0"   << "1" << false << 2;
    QTest::newRow("Fehler zählt nicht") << QStringList{falsch, "7h 5 min"} << Aufforderung[0] << "0" << "1" << false << 2;
}
// clang-format on

void TstZugverkehr::ausgaenge() {
    QFETCH(QStringList, antworten);
    QFETCH(QString, meldung);
    QFETCH(bool, fertig);
    Strecke z({Fahrzeit705});
    for (const QString& a : antworten)
        z.Antworte(a);
    QCOMPARE(z.anzeige(), meldung);
    const bool richtig = meldung == Bravo || meldung == Zweiter;
    QCOMPARE(z.anzeigeFarbe(), QColor::fromRgb(richtig                      ? fbKornblau
                                               : meldung == Aufforderung[0] ? fbBraun
                                                                            : fbPink));
    QTEST(z.text("lblAktPunkte"), "punkte");
    QTEST(z.text("lblAktVersuche"), "versuche");
    QTEST(Versuch, "versuch");
    QCOMPARE(z.feld()->isVisible(), !fertig);
    QCOMPARE(z.w->Stand().Fertig(), fertig);
    // The field keeps the entry as typed; "Weiter" takes the focus once the task is done.
    QCOMPARE(z.feld()->text(), antworten.last());
    QCOMPARE(z.knopf("btnWeiter")->hasFocus(), fertig);
    // A final task takes no more answers.
    const int vorher = GesamtVersuche;
    QTest::keyClick(z.feld(), Qt::Key_Return);
    if (fertig) QCOMPARE(GesamtVersuche, vorher);
}

// The task is fixed when it is made, not when it is painted.
void TstZugverkehr::antwortVorDemErstenZeichnen() {
    Strecke z({Ankunft1325}, 5, false);
    Malzaehler gezeichnet;
    z.w->findChild<TPaintBox*>(QStringLiteral("pnt"))->installEventFilter(&gezeichnet);
    // Activated at once, without the event loop that would paint.
    QApplication::setActiveWindow(z.w.get());
    z.Antworte(QStringLiteral("13:25"));
    QCOMPARE(gezeichnet.anzahl, 0);
    QCOMPARE(z.anzeige(), Bravo);
    QCOMPARE(GesamtPunkte, 1.0f);
    z.Aktivieren();
    QVERIFY(gezeichnet.anzahl > 0);
    // Painting twice draws the same.
    const QImage eins = z.Bild();
    QCOMPARE(z.Bild(), eins);
    QCOMPARE(z.ergebnis(), QStringLiteral("13:25"));
}

// "Weiter" on a task still open: the click leaves the field, which judges the entry
// first; a task left open is given up, and the next one starts at attempt 1.
// clang-format off
void TstZugverkehr::weiterAufOffenerAufgabe_data() {
    QTest::addColumn<QStringList>("eingaben");
    QTest::addColumn<int>("gezaehlt");
    QTest::addColumn<int>("fehler"); // "Fehler in der Eingabe!" shown
    QTest::newRow("nach erstem Fehlversuch")  << QStringList{"13:26"}        << 2 << 0;
    QTest::newRow("nach Fehler in der Eingabe") << QStringList{"13:"}        << 0 << 2;
    QTest::newRow("Fehlversuch, dann Fehler") << QStringList{"13:26", "13:"} << 1 << 2;
}
// clang-format on

void TstZugverkehr::weiterAufOffenerAufgabe() {
    QFETCH(QStringList, eingaben);
    QFETCH(int, fehler);
    Strecke z({Ankunft1325, Fahrzeit620});
    for (const QString& e : eingaben)
        z.Antworte(e);
    z.Klick("btnWeiter");
    QCOMPARE(z.meldungen().size(), fehler);
    QCOMPARE(Durchgang, 2);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("2 / 5"));
    QCOMPARE(z.ergebnis(), QStringLiteral("6h 20min"));
    QCOMPARE(Versuch, 1);
    QCOMPARE(z.w->Stand().versuch, 1);
    QVERIFY(z.feld()->isVisible());
    QVERIFY(z.feld()->text().isEmpty());
    QVERIFY(z.feld()->hasFocus());
    QTEST(GesamtVersuche, "gezaehlt");
    z.Antworte(QStringLiteral("6h 21min"));
    QCOMPARE(z.anzeige(), Falsch1);
    z.Antworte(QStringLiteral("6h 20min"));
    QCOMPARE(z.anzeige(), Zweiter);
}

// Five rounds: right at once, at the second attempt, revealed, and so on; the
// evaluation, and the new series.
void TstZugverkehr::ganzeSerie() {
    Strecke z({Fahrzeit620, Ankunft1325, Nacht601, NachtAnkunft, Abfahrt1200, Fahrzeit705});
    z.Antworte(QStringLiteral("6h 20min"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("13:52"));
    z.Antworte(QStringLiteral("13:25"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("6h 10min"));
    z.Antworte(QStringLiteral("6h 10min"));
    z.Tour(QStringLiteral("zug_aufgedeckt"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("7:45"));
    z.Klick("btnWeiter");
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("5 / 5"));
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("2,5"));
    QCOMPARE(z.text("lblAktVersuche"), QStringLiteral("6"));
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    z.Antworte(QStringLiteral("12:00"));
    QCOMPARE(GesamtPunkte, 3.5f);
    QCOMPARE(GesamtVersuche, 7);
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("3,5"));
    QVERIFY(z.knopf("btnWeiter")->isHidden());
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    QVERIFY(z.knopf("btnAuswertung")->hasFocus());
    z.Tour(QStringLiteral("zug_serienende"));

    QCOMPARE(z.Auswerten(QStringLiteral("zug_auswertung")), QStringLiteral("3,5 / 7"));
    z.NeueSeriePruefen(5);
    QCOMPARE(z.ergebnis(), QStringLiteral("7h 05min"));
    z.Antworte(QStringLiteral("7h 05min"));
    QCOMPARE(z.anzeige(), Bravo);
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("1,0"));
}

// In the last round "Weiter" does not go past the limit while the task is open.
void TstZugverkehr::letzteRundeBleibtOffen() {
    Strecke z({Fahrzeit620, Ankunft1325}, 2);
    z.Antworte(QStringLiteral("6h 20min"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("13:52"));
    z.Antworte(QStringLiteral("13:"));
    z.Klick("btnWeiter");
    QCOMPARE(z.meldungen(), (QStringList{Fehler, Fehler}));
    QCOMPARE(Durchgang, 2);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("2 / 2"));
    QCOMPARE(z.ergebnis(), QStringLiteral("13:25"));
    QCOMPARE(z.anzeige(), Aufforderung[1]);
    QVERIFY(z.feld()->hasFocus());
    QVERIFY(z.knopf("btnAuswertung")->isHidden());
    // Emptied, the field asks for an entry.
    z.Antworte(QString());
    z.Klick("btnWeiter");
    QCOMPARE(z.meldungen().last(), KeinEintrag);
    QCOMPARE(Durchgang, 2);
    // The second attempt is still this task's.
    z.Antworte(QStringLiteral("13:25"));
    QCOMPARE(z.anzeige(), Zweiter);
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    QVERIFY(z.knopf("btnWeiter")->isHidden());
    QCOMPARE(z.Auswerten(), QStringLiteral("1,5 / 3"));
}

void TstZugverkehr::grenzeImDialogGeaendert() {
    Strecke z({}, 3);
    const auto grenzeSetzen = [&z](int grenze) {
        QCOMPARE(test::DurchgaengeSetzen(*z.w, grenze), 3);
    };
    z.Antworte(z.ergebnis());
    z.Klick("btnWeiter");
    z.Antworte(z.ergebnis());
    // Round 2 of 3 finished; lowered to 2 it is the last one.
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    grenzeSetzen(2);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("2 / 2"));
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    QVERIFY(z.knopf("btnWeiter")->isHidden());
    // Raised again, the series goes on.
    grenzeSetzen(4);
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    QVERIFY(z.knopf("btnAuswertung")->isHidden());
    z.Klick("btnWeiter");
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("3 / 4"));
    // Lowered below the round reached: this round still ends the series.
    grenzeSetzen(2);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("3 / 2"));
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    QVERIFY(z.feld()->hasFocus());
    z.Antworte(QStringLiteral("1"));
    z.Antworte(z.ergebnis());
    QCOMPARE(Durchgang, 3);
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    QCOMPARE(z.Auswerten(), QStringLiteral("2,5 / 4"));
}

void TstZugverkehr::neuesOeffnenBeginntVonVorn() {
    Strecke z({}, 2);
    z.Antworte(z.ergebnis());
    z.Klick("btnWeiter");
    z.Antworte(z.ergebnis());
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    z.w->findChild<QAction*>(QStringLiteral("menSchliessen"))->trigger();
    QVERIFY(!z.w->isVisible());
    Durchgang = 1; // as the main window sets it on its activation
    z.w->show();
    z.Aktivieren();
    QCOMPARE(GesamtVersuche, 0);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("1 / 2"));
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("0"));
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    QVERIFY(z.knopf("btnAuswertung")->isHidden());
    QVERIFY(z.feld()->isVisible());
    QVERIFY(z.feld()->hasFocus());
}

// While "Weiter" is shown, Tab never reaches "Auswertung".
void TstZugverkehr::auswertungNichtErreichbar() {
    Strecke z({Fahrzeit620}, 2);
    z.Antworte(QStringLiteral("6h 20min"));
    for (int i = 0; i < 6; ++i) {
        QVERIFY(QApplication::focusWidget() != z.knopf("btnAuswertung"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Durchgang, 2);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

// What is drawn for each kind before and after the answer: the marks, the travel time,
// the wrong entry of a revealed task.
// clang-format off
void TstZugverkehr::zeichnung_data() {
    QTest::addColumn<QList<int>>("aufgabe");
    QTest::addColumn<QStringList>("antworten");
    QTest::addColumn<QString>("tour");
    QTest::newRow("Fahrzeit offen")       << Fahrzeit705  << QStringList{}                     << "zug_eintag";
    QTest::newRow("Fahrzeit aufgedeckt")  << Fahrzeit705  << QStringList{"7h 50min", "7h 50min"} << "zug_eintag_aufgedeckt";
    QTest::newRow("Ankunft gelöst")       << Ankunft1325  << QStringList{"13:25"}              << "";
    QTest::newRow("Ankunft aufgedeckt")   << Ankunft1325  << QStringList{"13:52", "13:52"}     << "";
    QTest::newRow("Nacht, Ankunft offen") << NachtAnkunft << QStringList{}                     << "zug_nacht";
    QTest::newRow("Nacht, Abfahrt offen") << NachtAbfahrt << QStringList{}                     << "";
    QTest::newRow("Nacht, Abfahrt gelöst")<< NachtAbfahrt << QStringList{"16:10"}              << "zug_nacht_geloest";
}
// clang-format on

void TstZugverkehr::zeichnung() {
    QFETCH(QList<int>, aufgabe);
    QFETCH(QStringList, antworten);
    QFETCH(QString, tour);
    Strecke z({aufgabe});
    for (const QString& a : antworten)
        z.Antworte(a);
    const QImage bild = z.Bild();
    if (!tour.isEmpty()) z.Tour(tour);

    const TZugaufgabe& a = z.w->Aufgabe();
    const bool nacht = a.UeberNacht();
    const float ab = nacht ? a.AbfahrtStunde - 24 + a.AbfahrtMinute / 60.0f
                           : 2 * a.AbfahrtStunde - 24 + a.AbfahrtMinute / 30.0f;
    const float an = nacht ? a.AnkunftStunde + a.AnkunftMinute / 60.0f
                           : 2 * a.AnkunftStunde - 24 + a.AnkunftMinute / 30.0f;
    const float mitte = (ab + an) / 2;
    const bool fertig = z.w->Stand().Fertig();
    const bool aufgedeckt = z.w->Stand().aufgedeckt;
    const int gesucht = a.Gesucht();

    // A mark's green arrow between clock and axis, where its time is shown.
    const auto pfeil = [&bild](float x) { return Seegruen(bild.pixelColor(X(x), Y(-5))); };
    QCOMPARE(pfeil(ab), gesucht != 3 || fertig);
    QCOMPARE(pfeil(an), gesucht != 2 || fertig);
    // The travel-time arrow always; its text when given or when the task is done.
    QVERIFY(Blau(bild.pixelColor(X(mitte), Y(-9.2f))));
    const QRect fahrzeit = Umriss(bild, Blau, Zeile(-9.5f, mitte - 3, mitte + 3));
    QCOMPARE(!fahrzeit.isEmpty(), gesucht != 1 || fertig);
    if (!fahrzeit.isEmpty()) QVERIFY(std::abs(fahrzeit.center().x() - X(mitte)) <= 2);
    // The wrong entry in pink where the field was.
    const float x = gesucht == 1 ? mitte : gesucht == 2 ? an : ab;
    const QRect eintrag = Umriss(bild, Pink, Zeile(gesucht == 1 ? -11 : 3.5f, x - 4, x + 4));
    QCOMPARE(!eintrag.isEmpty(), aufgedeckt);
    if (aufgedeckt) QVERIFY(std::abs(eintrag.center().x() - X(x)) <= 2);
    // Two days meet at "24 Uhr = 0 Uhr" in the middle of the line; "12 Uhr" is shorter.
    QCOMPARE(!Umriss(bild, Blau, Zeile(-8, -2.4f, -1.6f)).isEmpty(), nacht);
}

// What a screen reader reads: the field by the time sought with the task; the drawing's
// texts top down, the marks by what they mark, a wrong entry where it was written.
// clang-format off
void TstZugverkehr::zugang_data() {
    QTest::addColumn<QList<int>>("aufgabe");
    QTest::addColumn<QStringList>("antworten");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("aufgabentext");
    QTest::addColumn<QStringList>("zeilen"); // below the train's data
    const QString tag = QStringLiteral("Zeitleiste: 0 Uhr, 3 Uhr, 6 Uhr, 9 Uhr, 12 Uhr, 15 Uhr, 18 Uhr, 21 Uhr, 24 Uhr");
    QTest::newRow("Ankunft aufgedeckt") << Ankunft1325 << QStringList{"13:52", "13:52"} << "Ankunftszeit" << "Geg.: Abfahrt 7:40, Fahrzeit 5h 45min, Ges.: Ankunft, Fahrt an einem Tag"
                                        << QStringList{"Geg.: Abfahrt, Fahrzeit", "Ges.: Ankunft", "deine Eingabe 13:52, falsch", "Abfahrt 7:40, Ankunft 13:25", tag, "Fahrzeit 5h 45min"};
    QTest::newRow("Fahrzeit offen")     << Fahrzeit705 << QStringList{"7h 50min"} << "Fahrzeit" << "Geg.: Abfahrt 10:00, Ankunft 17:05, Ges.: Fahrzeit, Fahrt an einem Tag"
                                        << QStringList{"Geg.: Abfahrt, Ankunft", "Ges.: Fahrzeit", "Abfahrt 10:00, Ankunft 17:05", tag};
    QTest::newRow("Nacht, Abfahrt")     << NachtAbfahrt << QStringList{} << "Abfahrtszeit" << "Geg.: Ankunft 11:20, Fahrzeit 19h 10min, Ges.: Abfahrt, Fahrt über Nacht"
                                        << QStringList{"Geg.: Ankunft, Fahrzeit", "Ges.: Abfahrt", "Ankunft 11:20",
                                                       "Zeitleiste: 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr = 0 Uhr, 6 Uhr, 12 Uhr, 18 Uhr, 24 Uhr", "Fahrzeit 19h 10min"};
}
// clang-format on

void TstZugverkehr::zugang() {
    QFETCH(QList<int>, aufgabe);
    QFETCH(QStringList, antworten);
    Zugangsprotokoll bildschirmleser;
    Strecke z({aufgabe});
    for (const QString& a : antworten)
        z.Antworte(a);
    QTEST(Name(z.feld()), "name");
    QTEST(Beschreibung(z.feld()), "aufgabentext");
    QCOMPARE(Namenlos(*z.w), QStringList());
    QWidget* pnt = z.w->findChild<QWidget*>(QStringLiteral("pnt"));
    QCOMPARE(Name(pnt), QStringLiteral("Zeitleiste und Zugdaten"));
    const QStringList zeilen = Beschreibung(pnt).split(u'\n');
    const QStringList zug = Zugdatentexte(Zug(z.w->Bildnummer()));
    QCOMPARE(zeilen.mid(0, 5), QStringList{QStringLiteral("Zugdaten")} + zug);
    QTEST(zeilen.mid(5), "zeilen");
    QCOMPARE(Name(z.w->Zugbilder()[static_cast<std::size_t>(z.w->Bildnummer() - 1)]),
             QStringLiteral("Zugfoto: ") + zug.first());
}

// A series of two rounds by keys alone: the rounds set through the menu's access key, a
// second attempt after Ctrl+A and Backspace, Enter on "Weiter" and on "Auswertung", Enter
// in the evaluation; every verdict read out, none of the prompts.
void TstZugverkehr::serieNurMitTastatur() {
    Strecke z({Ankunft1325, Fahrzeit705, NachtAbfahrt}, 3);
    Zugangsprotokoll protokoll;
    QCOMPARE(Menuepfade(*z.w), (QStringList{"Schließen", "Anzahl der Durchgänge"}));
    QCOMPARE(Tabfolge(*z.w), (QStringList{"edtEingabe", "btnWeiter"}));
    BeimNaechstenModal([](QWidget& dialog) {
        QVERIFY(test::Aktivieren(dialog));
        Tippe(QStringLiteral("2"));
        for (Qt::Key taste : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})
            Taste(taste);
    });
    QVERIFY(Menue(*z.w, {QStringLiteral("Anzahl der Durchgänge")}));
    z.Aktivieren();
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("1 / 2"));
    QVERIFY(z.feld()->hasFocus());

    AntworteNeu(QStringLiteral("13:52"));
    AntworteNeu(QStringLiteral("13:25"));
    QVERIFY(z.knopf("btnWeiter")->hasFocus());
    Taste(Qt::Key_Return);
    QCOMPARE(Name(z.label("lblDurchgang")), QStringLiteral("Durchgang: 2 von 2"));
    QCOMPARE(Name(QApplication::focusWidget()), QStringLiteral("Fahrzeit"));
    Tippe(QStringLiteral("7h 05"));
    z.Tour(QStringLiteral("zug_tastatur"));
    AntworteNeu(QStringLiteral("7h 50min"));
    AntworteNeu(QStringLiteral("7h 50min"));
    QCOMPARE(protokoll.ansagen,
             (QStringList{Falsch1, Zweiter, Falsch1, WiederFalsch(QStringLiteral("7h  05min "))}));
    QVERIFY(z.knopf("btnAuswertung")->hasFocus());
    bool ausgewertet = false;
    BeimNaechstenModal([&ausgewertet](QWidget& fenster) {
        QVERIFY(test::Aktivieren(fenster));
        QTRY_VERIFY(fenster.findChild<QPushButton*>(QStringLiteral("btnSchliessen"))->isVisible());
        Taste(Qt::Key_Return);
        ausgewertet = !fenster.isVisible();
    });
    Taste(Qt::Key_Return);
    QVERIFY(ausgewertet);
    z.Aktivieren();
    z.NeueSeriePruefen(2);
    QVERIFY(Menue(*z.w, {QStringLiteral("Schließen")}));
    QVERIFY(!z.w->isVisible());
}

// At 200 % the time line, three pixels at 1:1, is six device pixels; the clock and the
// texts are drawn at the full resolution.
void TstZugverkehr::doppelteAufloesung() {
    Strecke z({Ankunft1325});
    const QPoint uhr(X(-8 + 40.0f / 30), Y(-1));
    const QString fehler =
        DoppeltScharf(*z.w->Client(), QRect(uhr - QPoint(45, 45), QSize(90, 90)),
                      Strichprobe{{X(-23.5f), Y(-7)}, Qt::Vertical, QColor(0, 0, 0), 3});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstZugverkehr)
#include "tst_zugverkehr.moc"
