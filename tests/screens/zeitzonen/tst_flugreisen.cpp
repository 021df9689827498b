#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "platform/TPaintBox.h"
#include "screens/zeitzonen/ZeitzonenU.h"
#include "tests/support/Flugziehungen.h"
#include "tests/support/Kartenpruefung.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Uebungsfenster.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QPointer>
#include <QTimer>
#include <cmath>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

const QString Aufforderung =
    QStringLiteral("Gib den Zeitpunkt bzw. die Zeitdauer ein und drücke die Enter–Taste");

// The flights the tests talk about.
const QList<int> NewYorkFlugzeit = Flugziehungen(3, 850, 1, 14, 35); // 8h 00min
const QList<int> NewYorkAnkunft = Flugziehungen(3, 850, 2, 14, 35);  // 16:35
const QList<int> NewYorkAbflug = Flugziehungen(3, 850, 3, 14, 35);   // 14:35
const QList<int> KairoFlugzeit = Flugziehungen(22, 850, 1, 8, 0);    // 2h 48min, 30 steps
const QList<int> SydneAnkunft = Flugziehungen(32, 800, 2, 22, 59);   // 3:58
const QList<int> TokioAbflug = Flugziehungen(51, 850, 3, 6, 15);     // 6:15
const QList<int> AnchorageFlugzeit = Flugziehungen(1, 900, 1, 5, 10);

// The paint box lies at (8, 2) in the window; the clocks' rims are grey here.
const QPoint Paintbox(8, 2);
const auto Uhrrand = Etwa(grau128, 12);

// The time-zone screen in its flight mode, its tasks scripted.
struct Flugschirm : Uebungsfenster<TfrmZeitzonen> {
    explicit Flugschirm(const QList<QList<int>>& aufgaben = {}, int grenze = 5, bool warten = true)
        : Uebungsfenster(aufgaben, 4, grenze, warten) {}

    QLabel* flugzeug() { return w->Flugzeugbild(w->Aufgabe().Flugziel().Bild); }
    // The centre of the aircraft picture in window pixels.
    QPoint flugzeugMitte() { return flugzeug()->pos() + QPoint(17, 17); }
    QPoint Stadt(const TFlugziel& z) { return Paintbox + Pixel(z.X, z.Y); }
    QLabel* panel() { return label("pnlAnzeige"); }
    QColor panelFarbe() { return panel()->palette().color(QPalette::WindowText); }
    void Landen() { QTRY_VERIFY_WITH_TIMEOUT(!w->Timer2()->isActive(), 30000); }
    // What the paint box draws, on white without the map below it.
    QImage Zeichnung() { return Aufnahme(*w->Uhren(), Qt::white); }
};

} // namespace

class TstFlugreisen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void flug_data();
    void flug();
    void antworten_data();
    void antworten();
    void neueAufgabeHaeltDenFlugAn();
    void geschlossenInDerPause();
    void ganzeSerie();
    void rundendialog();
    void zugangUndTastatur();
    void doppelteAufloesung();
};

void TstFlugreisen::init() {
    Attrappen::Aktuell().Zuruecksetzen();
    BeispielArt = 2;
    Bildschirm1024 = false;
}

// Each kind: the task, the field's place, the aircraft waiting at Wien through the pause,
// then flying tick by tick, gliding, until it stands on the destination with Timer2 off;
// what is drawn.
// clang-format off
void TstFlugreisen::flug_data() {
    QTest::addColumn<QList<int>>("aufgabe");
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<QString>("tour");
    QTest::newRow("New York, Flugzeit")  << NewYorkFlugzeit   << "8h 00min"  << "flug_flugzeit";
    QTest::newRow("Kairo, Flugzeit")     << KairoFlugzeit     << "2h 48min"  << "";
    QTest::newRow("Anchorage, Flugzeit") << AnchorageFlugzeit << "19h 46min" << "flug_anchorage";
    QTest::newRow("New York, Ankunft")   << NewYorkAnkunft    << "16:35"     << "";
    QTest::newRow("Sydne, Ankunft")      << SydneAnkunft      << "3:58"      << "flug_ankunft";
    QTest::newRow("New York, Abflug")    << NewYorkAbflug     << "14:35"     << "";
    QTest::newRow("Tokio, Abflug")       << TokioAbflug       << "6:15"      << "flug_abflug";
}
// clang-format on

void TstFlugreisen::flug() {
    QFETCH(QList<int>, aufgabe);
    QFETCH(QString, tour);
    // Through the pause the aircraft waits at Wien.
    QList<QPoint> inDerPause;
    bool timerInDerPause = true;
    Flugschirm* schirm = nullptr;
    Attrappen::Aktuell().beiWarte = [&](int ms) {
        QCOMPARE(ms, 1000);
        if (!schirm) return;
        inDerPause << schirm->flugzeugMitte();
        timerInDerPause = schirm->w->Timer2()->isActive();
    };
    Flugschirm z({aufgabe}, 5, false);
    schirm = &z;
    // Tick by tick: where the aircraft is after each step.
    QList<QPoint> orte;
    QTimer* timer2 = z.w->Timer2();
    QObject::connect(timer2, &QTimer::timeout, z.w.get(), [&] {
        orte << z.flugzeugMitte();
        QCOMPARE(z.w->Schritte(), orte.size());
        if (!tour.isEmpty() && orte.size() == z.w->Route().Flugschritte / 2)
            z.Tour(tour + QStringLiteral("_unterwegs"));
    });
    z.Aktivieren();
    QCOMPARE(timer2->objectName(), QStringLiteral("Timer2"));
    QCOMPARE(timer2->interval(), 10);
    QCOMPARE(timer2->timerType(), Qt::PreciseTimer);

    const TFlugaufgabe& a = z.w->Aufgabe();
    const TFlugziel& ziel = a.Flugziel();
    const TFlugziel& wien = Flugziele[Heimatstadt];
    QTEST(z.ergebnis(), "ergebnis");
    QCOMPARE(Ergebnis, z.ergebnis());
    QCOMPARE(z.anzeige(), Aufforderung);
    QCOMPARE(z.anzeigeFarbe(), QColor::fromRgb(fbBraun));
    QVERIFY(z.feld()->isVisible() && z.feld()->hasFocus() && z.feld()->text().isEmpty());
    QVERIFY(z.panel()->isHidden());
    QCOMPARE(inDerPause, QList<QPoint>{z.Stadt(wien)});
    QVERIFY(!timerInDerPause);
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        QCOMPARE(z.w->Flugzeugbild(n)->isVisible(), n == ziel.Bild);

    // The field: beside the route's middle for the flight time, at the destination for
    // the arrival, at Wien for the departure; the panel in its place.
    const QPoint stadt = Pixel(ziel.X, ziel.Y);
    QRect feld;
    if (a.Aufgabenart == FlugzeitGefragt) {
        const Weltpunkt f = wien.X >= ziel.X ? z.w->Route().Feld1 : z.w->Route().Feld2;
        feld = QRect(Pixel(f.x, f.y) - QPoint(60, 14), QSize(120, 27));
        const int mitteY = Pixel(0, (wien.Y + ziel.Y) / 2).y();
        // Above a route to the west, below one to the east.
        QCOMPARE(feld.center().y() < mitteY, ziel.X < wien.X);
    } else if (a.Aufgabenart == AnkunftGefragt) {
        feld = QRect(stadt + QPoint(30, 20), QSize(80, 27));
    } else {
        feld = QRect(Pixel(wien.X, wien.Y) + QPoint(30, -27), QSize(80, 27));
    }
    QCOMPARE(z.feld()->geometry(), feld);
    QCOMPARE(z.panel()->geometry(), QRect(feld.topLeft(), QSize(feld.width(), 30)));

    z.Landen();
    const int schritte = z.w->Route().Flugschritte;
    QCOMPARE(orte.size(), schritte);
    QCOMPARE(z.w->Schritte(), schritte);
    QCOMPARE(orte.last(), z.Stadt(ziel));
    // It glides: a couple of pixels each tick, never back.
    QPoint vorher = z.Stadt(wien);
    for (const QPoint& p : orte) {
        const QPoint d = p - vorher;
        QVERIFY(std::max(std::abs(d.x()), std::abs(d.y())) <= 3 && d != QPoint());
        QVERIFY(d.x() * (ziel.X - wien.X) >= 0 && -d.y() * (ziel.Y - wien.Y) >= 0);
        vorher = p;
    }
    if (!tour.isEmpty()) z.Tour(tour + QStringLiteral("_gelandet"));

    const QImage bild = z.Zeichnung();
    QCOMPARE(z.Zeichnung(), bild);
    // The route in brown, halfway.
    const QPoint halb = Pixel((wien.X + ziel.X) / 2, (wien.Y + ziel.Y) / 2);
    QVERIFY(FarbeEtwa(bild, halb.x(), halb.y(), braun, 40));
    // "Wien" above its city, the destination's label below the map, centred on the city
    // and whole.
    const QRect wienText = Umriss(bild, Rot, Zeilenband(15, 16, 400, 600));
    QVERIFY(std::abs(wienText.center().x() - Pixel(wien.X, 0).x()) <= 2);
    const QRect zielText = Umriss(bild, Blau, Zeilenband(-14.6, 16));
    QVERIFY(zielText.left() > 2 && zielText.right() < 997);
    QVERIFY(std::abs(zielText.center().x() - stadt.x()) <= 3 || zielText.left() <= 6);
    // The given lines and the sought quantity in black from the left, the flight in red.
    for (const double y : {18.0, 16.5, 15.0})
        QVERIFY(!Umriss(bild, Dunkel, Zeilenband(y, 16, 0, 300)).isEmpty());
    for (const double y : {-16.5, -18.0})
        QCOMPARE(Umriss(bild, Rot, Zeilenband(y, 16)).left(), Pixel(-24.5, 0).x() + 1);
    // The given times on clocks: at Wien unless the departure is asked, at the destination
    // unless the arrival is.
    const auto uhr = [&bild](double x, double y) {
        const QPoint m = Pixel(x, y);
        return !Umriss(bild, Uhrrand, QRect(m - QPoint(40, 40), m + QPoint(40, 40))).isEmpty();
    };
    QCOMPARE(uhr(wien.X, (wien.Y + 15) / 2), a.Aufgabenart != AbflugGefragt);
    QCOMPARE(uhr(ziel.X, (ziel.Y - 14.6) / 2), a.Aufgabenart != AnkunftGefragt);
}

// One task answered in the ways a pupil might: message, counters, the field, the panel.
// clang-format off
void TstFlugreisen::antworten_data() {
    QTest::addColumn<QList<int>>("aufgabe");
    QTest::addColumn<QStringList>("eingaben");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("versuche");
    QTest::addColumn<QString>("punkte");
    QTest::addColumn<int>("fehler");  // "Fehler in der Eingabe!" shown
    QTest::addColumn<QString>("panel"); // empty: hidden
    QTest::addColumn<bool>("richtig");
    const QString ny = QStringLiteral("16:53");
    QTest::newRow("Flugzeit richtig")       << NewYorkFlugzeit << QStringList{"8h 00min"}     << Bravo   << "1" << "1,0" << 0 << "8h 00min" << true;
    QTest::newRow("Flugzeit ohne Leerzeichen") << NewYorkFlugzeit << QStringList{"8h0min"}   << Bravo   << "1" << "1,0" << 0 << "8h 00min" << true;
    QTest::newRow("Flugzeit in Großbuchstaben") << NewYorkFlugzeit << QStringList{"8H 00MIN"} << Bravo  << "1" << "1,0" << 0 << "8h 00min" << true;
    QTest::newRow("8h ohne Minuten")        << NewYorkFlugzeit << QStringList{"8h"}           << Aufforderung << "0" << "0" << 1 << "" << false;
    QTest::newRow("Leerzeichen um Zahlen")  << NewYorkFlugzeit << QStringList{"8 h 0 min"}    << Aufforderung << "0" << "0" << 1 << "" << false;
    QTest::newRow("Ankunft einmal falsch")  << NewYorkAnkunft  << QStringList{ny}             << Falsch1 << "1" << "0" << 0 << "" << false;
    QTest::newRow("Ankunft beim zweiten")   << NewYorkAnkunft  << QStringList{ny, "16:35"}    << Zweiter << "2" << "0,5" << 0 << "16:35" << true;
    QTest::newRow("Ankunft aufgedeckt")     << NewYorkAnkunft  << QStringList{ny, ny}         << WiederFalsch("16:35") << "2" << "0,0" << 0 << ny << false;
    QTest::newRow("Fehler zählt nicht")     << NewYorkAnkunft  << QStringList{ny, "16:", "16:35"} << Zweiter << "2" << "0,5" << 1 << "16:35" << true;
    QTest::newRow("Minuten einstellig")     << SydneAnkunft    << QStringList{"3:58"}         << Bravo   << "1" << "1,0" << 0 << "3:58" << true;
    QTest::newRow("Stunde mit Null")        << SydneAnkunft    << QStringList{"03:58"}        << Falsch1 << "1" << "0" << 0 << "" << false;
    QTest::newRow("Abflug aufgedeckt")      << NewYorkAbflug   << QStringList{"14:53", "1:435"} << WiederFalsch("14:35") << "2" << "0,0" << 0 << "1:435" << false;
}
// clang-format on

void TstFlugreisen::antworten() {
    QFETCH(QList<int>, aufgabe);
    QFETCH(QStringList, eingaben);
    QFETCH(QString, panel);
    QFETCH(bool, richtig);
    Flugschirm z({aufgabe});
    for (const QString& e : eingaben)
        z.Antworte(e);
    QTEST(z.anzeige(), "meldung");
    QTEST(z.text("lblAktVersuche"), "versuche");
    QTEST(z.text("lblAktPunkte"), "punkte");
    QTEST(static_cast<int>(z.meldungen().count(Fehler)), "fehler");
    const bool fertig = !panel.isEmpty();
    QCOMPARE(z.w->Stand().Fertig(), fertig);
    QCOMPARE(z.feld()->isVisible(), !fertig);
    QCOMPARE(z.panel()->isVisible(), fertig);
    QCOMPARE(Versuch, z.w->Stand().versuch);
    if (fertig) {
        QCOMPARE(z.panel()->text(), panel);
        QCOMPARE(z.panelFarbe(), richtig ? QColor(0, 0, 255) : QColor(255, 0, 0));
        QCOMPARE(z.anzeigeFarbe(), QColor::fromRgb(richtig ? fbKornblau : fbPink));
        QVERIFY(z.knopf("btnWeiter")->hasFocus());
        // A judged task takes no more answers.
        const int vorher = GesamtVersuche;
        z.feld()->show();
        z.Antworte(QStringLiteral("1"));
        QCOMPARE(GesamtVersuche, vorher);
    }
}

// "Weiter" on a task still open: with nothing typed it asks for an entry; with an entry
// it goes on, and the new task starts at attempt 1 with its aircraft at Wien, the last
// one's flight stopped wherever it was.
void TstFlugreisen::neueAufgabeHaeltDenFlugAn() {
    Flugschirm z({SydneAnkunft, KairoFlugzeit});
    QVERIFY(z.w->Timer2()->isActive());
    z.Klick("btnWeiter");
    QCOMPARE(z.meldungen(), QStringList{KeinEintrag});
    QCOMPARE(Durchgang, 1);
    QVERIFY(z.feld()->hasFocus());

    z.Antworte(QStringLiteral("3:59"));
    QCOMPARE(Versuch, 2);
    QLabel* sydne = z.flugzeug();
    bool timerInDerPause = true;
    QPoint inDerPause;
    Attrappen::Aktuell().beiWarte = [&](int) {
        timerInDerPause = z.w->Timer2()->isActive();
        inDerPause = z.flugzeugMitte();
    };
    z.Antworte(QStringLiteral("3:5"));
    z.Klick("btnWeiter");
    QCOMPARE(z.anzeige(), Aufforderung);
    QCOMPARE(z.ergebnis(), QStringLiteral("2h 48min"));
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("2 / 5"));
    QCOMPARE(Versuch, 1);
    QCOMPARE(z.w->Stand().versuch, 1);
    QCOMPARE(GesamtVersuche, 2);
    QVERIFY(!timerInDerPause);
    QCOMPARE(inDerPause, z.Stadt(Flugziele[Heimatstadt]));
    QVERIFY(sydne == z.flugzeug() || !sydne->isVisible());
    z.Antworte(QStringLiteral("2h 84min"));
    QCOMPARE(z.anzeige(), Falsch1);
    z.Landen();
    QCOMPARE(z.w->Schritte(), 30);
    QCOMPARE(z.flugzeugMitte(), z.Stadt(z.w->Aufgabe().Flugziel()));
}

// A window closed during the pause sends no aircraft off, at its opening or after
// "Weiter"; opened again it flies the new task.
void TstFlugreisen::geschlossenInDerPause() {
    Flugschirm* schirm = nullptr;
    int pausen = 0;
    Attrappen::Aktuell().beiWarte = [&](int) {
        ++pausen;
        if (schirm) schirm->w->close();
    };
    Flugschirm z({}, 5, false);
    schirm = &z;
    QTRY_COMPARE(pausen, 1);
    QVERIFY(!z.w->isVisible());
    QTest::qWait(30);
    QVERIFY(!z.w->Timer2()->isActive());
    QCOMPARE(z.w->Schritte(), 0);

    schirm = nullptr;
    z.w->show();
    z.Aktivieren();
    QTRY_COMPARE(pausen, 2);
    QVERIFY(z.w->Timer2()->isActive() || z.w->Schritte() > 0);
    z.Antworte(z.ergebnis());
    schirm = &z;
    z.Klick("btnWeiter");
    QCOMPARE(pausen, 3);
    QVERIFY(!z.w->isVisible());
    QVERIFY(!z.w->Timer2()->isActive());
    QCOMPARE(z.w->Schritte(), 0);
}

// Five rounds: right at once, at the second attempt, revealed, right, right; the
// evaluation, and a new series with nothing of the old one on the screen.
void TstFlugreisen::ganzeSerie() {
    Flugschirm z(
        {NewYorkFlugzeit, NewYorkAnkunft, NewYorkAbflug, SydneAnkunft, TokioAbflug, KairoFlugzeit});
    z.Antworte(QStringLiteral("8h 00min"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("16:53"));
    z.Antworte(QStringLiteral("16:35"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("14:53"));
    z.Antworte(QStringLiteral("14:53"));
    z.Landen();
    z.Tour(QStringLiteral("flug_aufgedeckt"));
    z.Klick("btnWeiter");
    z.Antworte(QStringLiteral("3:58"));
    z.Klick("btnWeiter");
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("5 / 5"));
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    QVERIFY(z.knopf("btnAuswertung")->isHidden());
    z.Antworte(QStringLiteral("6:15"));
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("3,5"));
    QCOMPARE(z.text("lblAktVersuche"), QStringLiteral("7"));
    QVERIFY(z.knopf("btnWeiter")->isHidden());
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    z.Landen();
    z.Tour(QStringLiteral("flug_serienende"));

    QCOMPARE(z.Auswerten(QStringLiteral("flug_auswertung")), QStringLiteral("3,5 / 7"));
    z.NeueSeriePruefen(5);
    QVERIFY(z.panel()->isHidden());
    QCOMPARE(z.anzeige(), Aufforderung);
    // The new series' first aircraft waits at Wien.
    QCOMPARE(z.ergebnis(), QStringLiteral("2h 48min"));
    QVERIFY(!z.w->Timer2()->isActive());
    QCOMPARE(z.flugzeugMitte(), z.Stadt(Flugziele[Heimatstadt]));
    z.Tour(QStringLiteral("flug_neue_serie"));
    z.Antworte(QStringLiteral("2h 48min"));
    QCOMPARE(z.anzeige(), Bravo);
    QCOMPARE(z.text("lblAktPunkte"), QStringLiteral("1,0"));
}

// The rounds dialog goes on from the round reached; it gives no judged task back.
void TstFlugreisen::rundendialog() {
    Flugschirm z({NewYorkAnkunft, KairoFlugzeit}, 3);
    z.Antworte(QStringLiteral("16:35"));
    QCOMPARE(DurchgaengeSetzen(*z.w, 4), 4);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("1 / 4"));
    QVERIFY(z.feld()->isHidden());
    QVERIFY(z.panel()->isVisible());
    QVERIFY(z.knopf("btnWeiter")->isVisible());
    QCOMPARE(GesamtVersuche, 1);
    // Lowered to the round reached, the judged task ends the series.
    QCOMPARE(DurchgaengeSetzen(*z.w, 1), 4);
    QCOMPARE(z.text("lblDurchgang"), QStringLiteral("1 / 1"));
    QVERIFY(z.knopf("btnAuswertung")->isVisible());
    QVERIFY(z.knopf("btnWeiter")->isHidden());
    QCOMPARE(DurchgaengeSetzen(*z.w, 2), 4);
    z.Klick("btnWeiter");
    // An open task gets its field back, focused.
    QCOMPARE(DurchgaengeSetzen(*z.w, 5), 4);
    QVERIFY(z.feld()->isVisible() && z.feld()->hasFocus());
    QVERIFY(z.panel()->isHidden());
    z.Antworte(QStringLiteral("2h 48min"));
    QCOMPARE(z.anzeige(), Bravo);
    QCOMPARE(GesamtVersuche, 2);
}

// A pupil with a screen reader and without a mouse: the field says what is asked and
// the task, the map what it shows, every verdict is read out, and a series runs to its
// evaluation by keys alone.
void TstFlugreisen::zugangUndTastatur() {
    Flugschirm z({KairoFlugzeit, NewYorkAnkunft}, 2);
    Zugangsprotokoll protokoll;
    QCOMPARE(Name(z.feld()), QStringLiteral("Flugzeit"));
    QCOMPARE(Beschreibung(z.feld()),
             QStringLiteral("Geg.: Abflug 8:00 (Ortszeit), Ankunft 11:48 (Ortszeit), Ges.: "
                            "Flugzeit, Flug von Wien nach Kairo (Ägypten), Flugstrecke: 2386 km, "
                            "Kairo (+1h)"));
    QCOMPARE(Name(z.w->Uhren()), QStringLiteral("Flugkarte"));
    QCOMPARE(Namenlos(*z.w), QStringList());
    QCOMPARE(Tabfolge(*z.w), (QStringList{"edtEingabe", "btnWeiter"}));

    AntworteNeu(QStringLiteral("2h 84min"));
    AntworteNeu(QStringLiteral("2h 48min"));
    QCOMPARE(protokoll.ansagen, (QStringList{Falsch1, Zweiter}));
    QCOMPARE(Name(z.label("lblAktVersuche")), QStringLiteral("Versuche: 2"));
    QVERIFY(Beschreibung(z.w->Uhren()).endsWith(QStringLiteral("\nFlugzeit: 2h 48min, richtig")));
    QVERIFY(z.knopf("btnWeiter")->hasFocus());
    Taste(Qt::Key_Return);
    QCOMPARE(Name(z.label("lblDurchgang")), QStringLiteral("Durchgang: 2 von 2"));
    QCOMPARE(Name(z.feld()), QStringLiteral("Ankunft"));
    QVERIFY(z.feld()->hasFocus());
    AntworteNeu(QStringLiteral("16:53"));
    AntworteNeu(QStringLiteral("16:53"));
    QCOMPARE(protokoll.ansagen.last(), WiederFalsch(QStringLiteral("16:35")));
    QVERIFY(Beschreibung(z.w->Uhren()).endsWith(QStringLiteral("\ndeine Eingabe 16:53, falsch")));
    QVERIFY(z.knopf("btnAuswertung")->hasFocus());
    bool ausgewertet = false;
    BeimNaechstenModal([&ausgewertet](QWidget& fenster) {
        auto* schliessen = fenster.findChild<QPushButton*>(QStringLiteral("btnSchliessen"));
        QTRY_VERIFY(schliessen->isVisible());
        ausgewertet = true;
        schliessen->click();
    });
    Taste(Qt::Key_Return);
    QVERIFY(ausgewertet);
    QCOMPARE(Durchgang, 1);
}

// At 200 % the clocks are drawn at the full resolution, and the destination's arrow,
// between the map and the label, is twice as wide in device pixels and sharp.
void TstFlugreisen::doppelteAufloesung() {
    Flugschirm z({KairoFlugzeit});
    z.Landen();
    const QPoint uhr = Paintbox + Pixel(0.5, (3.45 + 15) / 2);
    const QPoint pfeil(Paintbox.x() + Pixel(2.55, 0).x(), 625);
    const QString fehler = DoppeltScharf(*z.w->Client(), QRect(uhr - QPoint(30, 30), QSize(60, 60)),
                                         Strichprobe{pfeil, Qt::Horizontal, QColor(0, 0, 255), 3});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstFlugreisen)
#include "tst_flugreisen.moc"
