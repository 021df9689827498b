#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "core/TexteU.h"
#include "platform/TEdit.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "screens/grundrechnungsarten/UebungsbeispieleU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Uebungsfenster.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>

using namespace kalmiro;

namespace {

using test::Bravo;
using test::Falsch1;
using test::Zweiter;
const QString Tippen = QStringLiteral("Gib die jeweilgen Zeiten nacheinander ein.\nDrücke die "
                                      "Enter-Taste oder klicke mit der Maus ins nächste Feld");
const QString Start = QStringLiteral("Gib die jeweiligen Zeiten nacheinander ein.\nDrücke die "
                                     "Enter–Taste oder klicke mit der Maus ins nächste Feld!");
// Never right: no result has 99 hours.
const QString Unmoeglich = QStringLiteral("99h1min1s");

const char* Namen[] = {"add", "sub", "mult", "div"};

// World to client pixels of the screen's mapping.
int X(float x) {
    return qRound(500 + 20 * x);
}
int Y(float y) {
    return qRound(300 - 20 * y);
}
float BlockX(int pos) {
    return std::array{-24.0f, -7.0f, 10.0f}[static_cast<std::size_t>((pos - 1) % 3)];
}
float BlockY(int pos) {
    return pos <= 3 ? 7.0f : -6.0f;
}

bool Navy(const QColor& c) {
    return c.red() < 60 && c.green() < 60 && c.blue() > 90 && c.blue() < 170;
}
bool Schwarz(const QColor& c) {
    return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}
bool Rot(const QColor& c) {
    return c.red() > 190 && c.green() < 70 && c.blue() < 70;
}
const auto Braun = test::Etwa(QColor(153, 102, 51), 29);

// The screen with the windows it opens, shown as the main window would show it.
struct Uebung {
    Fensterverbund verbund;
    std::unique_ptr<TfrmAuswertung> auswertung;
    std::unique_ptr<TfrmMaxanzahl> maxanzahl;
    std::unique_ptr<TfrmUebung> w;

    explicit Uebung(int art, int grenze = 2) {
        UebungArt = art;
        MaxDurchgaenge = StandardDurchgaenge;
        MaxDurchgaenge[2] = grenze;
        auswertung = std::make_unique<TfrmAuswertung>(verbund);
        maxanzahl = std::make_unique<TfrmMaxanzahl>(verbund);
        verbund.frmAuswertung = auswertung.get();
        verbund.frmMaxanzahl = maxanzahl.get();
        w = std::make_unique<TfrmUebung>(verbund);
        w->show();
        Aktivieren();
    }

    void Aktivieren() { QVERIFY(test::Aktivieren(*w)); }

    TEdit* feld(int pos) { return w->findChild<TEdit*>(QStringLiteral("edtBsp%1").arg(pos)); }
    QString text(const char* name) { return w->findChild<QLabel*>(QLatin1String(name))->text(); }
    QString anzeige() { return text("lblAnzeige"); }
    QColor anzeigeFarbe() {
        return w->findChild<QLabel*>(QStringLiteral("lblAnzeige"))
            ->palette()
            .color(QPalette::WindowText);
    }
    QPushButton* knopf(const char* name) { return w->findChild<QPushButton*>(QLatin1String(name)); }
    QString erwartet(int pos) { return w->Aufgabe(pos).Erwartet; }

    void Antworte(int pos, const QString& antwort) { test::Eintippen(*feld(pos), antwort); }
    void AllesRichtig() {
        for (int pos = 1; pos <= 6; ++pos)
            Antworte(pos, erwartet(pos));
    }
    void Klick(const char* name) { QTest::mouseClick(knopf(name), Qt::LeftButton); }

    QImage Bild() { return test::Aufnahme(*w->Client()); }
};

// The ink of one kind within a rectangle of the client, in pixels.
QRect Tinte(const QImage& bild, const std::function<bool(const QColor&)>& art, int x1, int y1,
            int x2, int y2) {
    return test::Umriss(bild, art, QRect(QPoint(x1, y1), QPoint(x2, y2)));
}

void AlleArten() {
    QTest::addColumn<int>("art");
    for (int art = 1; art <= 4; ++art)
        QTest::newRow(Namen[art - 1]) << art;
}

} // namespace

class TstUebungsbeispiele : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aufbau_data() { AlleArten(); }
    void aufbau();
    void tastenfilterUndLangeEingaben();
    void antwortformen_data();
    void antwortformen();
    void vierAusgaenge();
    void versuchGehoertZurAufgabe();
    void weiterMitFehlendenEintraegen_data();
    void weiterMitFehlendenEintraegen();
    void ganzeSerie_data() { AlleArten(); }
    void ganzeSerie();
    void grenzeImDialogGeaendert();
    void neuesOeffnenBeginntVonVorn();
    void zeichnung_data() { AlleArten(); }
    void zeichnung();
    void tageImErgebnis_data();
    void tageImErgebnis();
    void zugang_data() { AlleArten(); }
    void zugang();
    void serieNurMitTastatur_data() { AlleArten(); }
    void serieNurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstUebungsbeispiele::init() {
    test::Attrappen::Aktuell().Zuruecksetzen();
}

void TstUebungsbeispiele::aufbau() {
    QFETCH(int, art);
    Uebung u(art);
    static const char* titel[] = {
        "Übungsbeispiele zur Addition von Zeiten", "Übungsbeispiele zur Subtraktion von Zeiten",
        "Übungsbeispiele zur Multiplikation von Zeiten", "Übungsbeispiele zur Division von Zeiten"};
    QCOMPARE(u.w->windowTitle(), QStringLiteral("Grundrechenarten"));
    QCOMPARE(u.w->ClientGroesse(), QSize(1016, 722));
    QCOMPARE(u.text("pnlAnzeige"), QString::fromUtf8(titel[art - 1]));
    QCOMPARE(u.w->findChild<QAction*>(QStringLiteral("menSchliessen"))->text(),
             QStringLiteral("Schließen"));
    QCOMPARE(u.w->findChild<QAction*>(QStringLiteral("menMaxanzahl"))->text(),
             QStringLiteral("Anzahl der Durchgänge"));
    const std::pair<const char*, QRect> teile[] = {
        {"pnlAnzeige", {8, 5, 1001, 41}},       {"lblAnzeige", {8, 48, 1000, 73}},
        {"grpDurchgang", {7, 648, 218, 64}},    {"grpVersuche", {240, 648, 153, 64}},
        {"grpPunkte", {408, 648, 153, 64}},     {"btnWeiter", {808, 670, 200, 40}},
        {"btnAuswertung", {808, 670, 200, 40}},
    };
    for (const auto& [name, ort] : teile)
        QCOMPARE(u.w->findChild<QWidget*>(QLatin1String(name))->geometry(), ort);
    // The fields lie under the result lines of their blocks.
    const QPoint orte[] = {{50, 270}, {390, 270}, {730, 270}, {50, 530}, {390, 530}, {730, 530}};
    for (int pos = 1; pos <= 6; ++pos) {
        QCOMPARE(u.feld(pos)->geometry(), QRect(orte[pos - 1], QSize(200, 30)));
        QVERIFY(u.feld(pos)->isVisible());
        QCOMPARE(u.feld(pos)->maxLength(), 20);
    }
    QVERIFY(u.feld(1)->hasFocus());
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("1 / 2"));
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("0"));
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("0"));
    QVERIFY(u.knopf("btnWeiter")->isVisible());
    QVERIFY(!u.knopf("btnAuswertung")->isVisible());
    QCOMPARE(u.anzeige(), Start);
    QCOMPARE(u.anzeigeFarbe(), QColor(fbBraun));
    QCOMPARE(MaxanzahlArt, 2);
    // Enter walks the fields in their order.
    QTest::keyClick(u.feld(1), Qt::Key_Return);
    QVERIFY(u.feld(2)->hasFocus());
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_%1_neu").arg(Namen[art - 1]));
}

void TstUebungsbeispiele::tastenfilterUndLangeEingaben() {
    Uebung u(ArtAddition);
    TEdit* f = u.feld(1);
    QTest::keyClicks(f, QStringLiteral("1D2HIMNSdhimns x;,.-3"));
    QCOMPARE(f->text(), QStringLiteral("12himnsdhimns 3"));
    QCOMPARE(u.anzeige(), Tippen);
    QCOMPARE(u.anzeigeFarbe(), QColor(fbBraun));

    // A huge paste stays within the field and counts as one answer.
    f->clear();
    QInputMethodEvent riesig;
    riesig.setCommitString(QString(100000, u'7') + QStringLiteral("Hx"));
    QCoreApplication::sendEvent(f, &riesig);
    QCOMPARE(f->text(), QString(20, u'7'));
    QTest::keyClick(f, Qt::Key_Return);
    QCOMPARE(u.anzeige(), Falsch1);
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("1"));
    QCOMPARE(GesamtVersuche, 1);
}

void TstUebungsbeispiele::antwortformen_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("skript"); // the draws of task 1
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QString>("antwort");
    QTest::addColumn<bool>("richtig");
    // Subtraction level 1: 13h 30min 5s - 1h 30min 2s.
    const QList<int> zwoelf{0, 12, 0, 29, 29, 4, 1};
    const QString e12 = QStringLiteral("12h0min3s");
    QTest::newRow("12h0min3s") << 2 << zwoelf << e12 << "12h0min3s" << true;
    QTest::newRow("mit Leerzeichen") << 2 << zwoelf << e12 << "12h 0min 3s" << true;
    QTest::newRow("führende Null") << 2 << zwoelf << e12 << "012h0min3s" << true;
    QTest::newRow("Leerzeichen vorn") << 2 << zwoelf << e12 << "  012h0min3s" << true;
    QTest::newRow("Großbuchstaben") << 2 << zwoelf << e12 << "12H0MIN3S" << true;
    QTest::newRow("Minuten fehlen") << 2 << zwoelf << e12 << "12h3s" << false;
    QTest::newRow("Null vor Sekunden") << 2 << zwoelf << e12 << "12h0min03s" << false;
    QTest::newRow("Tage, wo keine sind") << 2 << zwoelf << e12 << "0d12h0min3s" << false;
    // Subtraction level 1: 5h 20min 5s - 5h 8min 2s.
    const QList<int> null{0, 4, 4, 19, 7, 4, 1};
    const QString e0 = QStringLiteral("0h12min3s");
    QTest::newRow("0h12min3s") << 2 << null << e0 << "0h12min3s" << true;
    QTest::newRow("00h12min3s") << 2 << null << e0 << "00h12min3s" << true;
    QTest::newRow("Stunden fehlen") << 2 << null << e0 << "h12min3s" << false;
    QTest::newRow("12min3s") << 2 << null << e0 << "12min3s" << false;
    // Addition level 4: 11h 32min 35s + 12h 32min 34s.
    const QList<int> tag{80, 10, 11, 31, 31, 34, 33};
    const QString e1 = QStringLiteral("1d0h5min9s");
    QTest::newRow("mit Tag") << 1 << tag << e1 << "1d0h5min9s" << true;
    QTest::newRow("Tag fehlt") << 1 << tag << e1 << "0h5min9s" << false;
    QTest::newRow("großes D kommt nicht an") << 1 << tag << e1 << "1D0h5min9s" << false;
}

void TstUebungsbeispiele::antwortformen() {
    QFETCH(int, art);
    QFETCH(QList<int>, skript);
    QFETCH(QString, antwort);
    QFETCH(bool, richtig);
    test::ZufallsSkript zufall(3);
    for (int wert : skript)
        zufall.Anhaengen(wert);
    Uebung u(art);
    QTEST(u.erwartet(1), "erwartet");
    u.Antworte(1, antwort);
    QCOMPARE(u.anzeige(), richtig ? Bravo : Falsch1);
    QCOMPARE(GesamtPunkte, richtig ? 1.0f : 0.0f);
    QCOMPARE(u.feld(1)->isVisible(), !richtig);
}

void TstUebungsbeispiele::vierAusgaenge() {
    Uebung u(ArtMultiplikation);
    const QColor blau(fbKornblau), pink(fbPink);

    u.Antworte(1, u.erwartet(1));
    QCOMPARE(u.anzeige(), Bravo);
    QCOMPARE(u.anzeigeFarbe(), blau);
    QVERIFY(!u.feld(1)->isVisible());
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("1,0"));
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("1"));
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_mult_richtig"));

    // Wrong, then right at the second attempt.
    u.Antworte(2, QStringLiteral("00099h1min1s"));
    QCOMPARE(u.anzeige(), Falsch1);
    QCOMPARE(u.anzeigeFarbe(), pink);
    QVERIFY(u.feld(2)->hasFocus());
    QVERIFY(u.feld(2)->isVisible());
    QCOMPARE(u.feld(2)->text(), Unmoeglich); // written back normalised
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("2"));
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("1,0"));
    QCOMPARE(Versuch, 2);
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_mult_falsch"));
    u.Antworte(2, u.erwartet(2));
    QCOMPARE(u.anzeige(), Zweiter);
    QCOMPARE(u.anzeigeFarbe(), blau);
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("1,5"));
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("3"));
    QCOMPARE(Versuch, 1);

    // Wrong twice; leaving the field again unchanged is the second attempt.
    u.Antworte(3, Unmoeglich);
    QTest::keyClick(u.feld(3), Qt::Key_Return);
    QCOMPARE(u.anzeige(),
             QStringLiteral("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet ") +
                 EinheitenLeerzeichen(u.erwartet(3)) +
                 QStringLiteral("!\nVergleiche das Ergebnis mit deiner Eingabe und "
                                "überlege, warum du den Fehler begangen hast!"));
    QCOMPARE(u.anzeigeFarbe(), pink);
    QVERIFY(!u.feld(3)->isVisible());
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("5"));
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("1,5"));
    QCOMPARE(GesamtPunkte, 1.5f);
    QCOMPARE(GesamtVersuche, 5);
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_mult_zweimal_falsch"));

    // A final task cannot be judged again, and an empty field is not judged at all.
    u.feld(4)->setFocus();
    QTest::keyClick(u.feld(4), Qt::Key_Return);
    QCOMPARE(GesamtVersuche, 5);
}

void TstUebungsbeispiele::versuchGehoertZurAufgabe() {
    Uebung u(ArtSubtraktion);
    u.Antworte(1, Unmoeglich);
    QCOMPARE(u.anzeige(), Falsch1);
    // The pupil empties the pending field and goes on elsewhere.
    u.Antworte(1, QString());
    QCOMPARE(GesamtVersuche, 1);
    u.Antworte(2, u.erwartet(2));
    QCOMPARE(u.anzeige(), Bravo);
    QCOMPARE(GesamtPunkte, 1.0f);
    // Task 1 still has its second attempt to come.
    u.Antworte(1, Unmoeglich);
    QVERIFY(u.anzeige().startsWith(QStringLiteral("Deine Eingabe ist leider wieder falsch!")));
    QVERIFY(!u.feld(1)->isVisible());
    QCOMPARE(GesamtVersuche, 3);
}

void TstUebungsbeispiele::weiterMitFehlendenEintraegen_data() {
    QTest::addColumn<QList<int>>("beantwortet");
    QTest::addColumn<int>("fehlend");
    QTest::addColumn<int>("erstesLeeres");
    QTest::newRow("alle leer") << QList<int>{} << 6 << 1;
    QTest::newRow("eines leer") << QList<int>{1, 2, 4, 5, 6} << 1 << 3;
    QTest::newRow("zwei leer") << QList<int>{1, 3, 4, 6} << 2 << 2;
}

void TstUebungsbeispiele::weiterMitFehlendenEintraegen() {
    QFETCH(QList<int>, beantwortet);
    QFETCH(int, fehlend);
    QFETCH(int, erstesLeeres);
    Uebung u(ArtDivision);
    for (int pos : beantwortet)
        u.Antworte(pos, u.erwartet(pos));
    u.Klick("btnWeiter");
    QCOMPARE(test::Attrappen::Aktuell().meldungen,
             QStringList{QStringLiteral("Es fehlen noch %1 Einträge!").arg(fehlend)});
    QVERIFY(u.feld(erstesLeeres)->hasFocus());
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("1 / 2"));
    QCOMPARE(Durchgang, 1);
}

void TstUebungsbeispiele::ganzeSerie() {
    QFETCH(int, art);
    const QString name = QString::fromLatin1(Namen[art - 1]);
    Uebung u(art);

    // Round 1: five right at once, one right at the second attempt.
    u.Antworte(1, Unmoeglich);
    u.Antworte(1, u.erwartet(1));
    for (int pos = 2; pos <= 6; ++pos)
        u.Antworte(pos, u.erwartet(pos));
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("5,5"));
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("7"));
    QVERIFY(u.knopf("btnWeiter")->isVisible());
    const QString vorher = u.erwartet(1) + u.erwartet(2) + u.erwartet(3);
    u.Klick("btnWeiter");
    QVERIFY(test::Attrappen::Aktuell().meldungen.isEmpty());
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("2 / 2"));
    QCOMPARE(u.text("lblAktVersuche"), QStringLiteral("0"));
    QCOMPARE(u.text("lblAktPunkte"), QStringLiteral("0,0"));
    QCOMPARE(GesamtPunkte, 5.5f);
    QCOMPARE(GesamtVersuche, 7);
    QVERIFY(u.feld(1)->hasFocus());
    for (int pos = 1; pos <= 6; ++pos) {
        QVERIFY(u.feld(pos)->isVisible());
        QVERIFY(u.feld(pos)->text().isEmpty());
    }
    QVERIFY(u.erwartet(1) + u.erwartet(2) + u.erwartet(3) != vorher);
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_%1_runde2").arg(name));

    // Round 2: the last task pending does not end the series yet.
    for (int pos = 1; pos <= 5; ++pos)
        u.Antworte(pos, u.erwartet(pos));
    u.Antworte(6, Unmoeglich);
    QVERIFY(u.knopf("btnWeiter")->isVisible());
    QVERIFY(!u.knopf("btnAuswertung")->isVisible());
    u.Antworte(6, Unmoeglich);
    QVERIFY(!u.knopf("btnWeiter")->isVisible());
    QVERIFY(u.knopf("btnAuswertung")->isVisible());
    QCOMPARE(GesamtPunkte, 10.5f);
    QCOMPARE(GesamtVersuche, 14);
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_%1_serie_fertig").arg(name));

    QString panel, satz;
    bool gezeigt = false;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        gezeigt = &fenster == u.auswertung.get();
        auto* schliessen = fenster.findChild<QPushButton*>(QStringLiteral("btnSchliessen"));
        QTRY_VERIFY(schliessen->isVisible());
        panel = fenster.findChild<QLabel*>(QStringLiteral("pnlRichtig"))->text();
        satz = fenster.findChild<QLabel*>(QStringLiteral("lblAnzeige"))->text();
        test::Tour(test::Aufnahme(fenster), QStringLiteral("uebung_%1_auswertung").arg(name));
        schliessen->click();
    });
    u.Klick("btnAuswertung");
    QVERIFY(gezeigt);
    QCOMPARE(panel, QStringLiteral("10,5 / 14"));
    QCOMPARE(satz, QStringLiteral("Du bist schon recht gut. Ein wenig Übung wäre aber günstig."));

    // A new series.
    u.Aktivieren();
    test::NeueSeriePruefen(*u.w, 2,
                           {u.feld(1), u.feld(2), u.feld(3), u.feld(4), u.feld(5), u.feld(6)});
    u.Antworte(1, u.erwartet(1));
    QCOMPARE(u.anzeige(), Bravo);
}

void TstUebungsbeispiele::grenzeImDialogGeaendert() {
    Uebung u(ArtAddition, 3);
    const auto grenzeSetzen = [&u](int grenze) {
        QCOMPARE(test::DurchgaengeSetzen(*u.w, grenze), 2);
    };
    u.AllesRichtig();
    u.Klick("btnWeiter");
    // Round 2 of 3 complete; lowered to 2 it is the last one.
    u.AllesRichtig();
    QVERIFY(u.knopf("btnWeiter")->isVisible());
    grenzeSetzen(2);
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("2 / 2"));
    QVERIFY(u.knopf("btnAuswertung")->isVisible());
    // Raised again, the series goes on.
    grenzeSetzen(4);
    QVERIFY(u.knopf("btnWeiter")->isVisible());
    QVERIFY(!u.knopf("btnAuswertung")->isVisible());
    u.Klick("btnWeiter");
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("3 / 4"));
    // Lowered below the round reached: this round still ends the series.
    grenzeSetzen(2);
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("3 / 2"));
    u.Antworte(1, u.erwartet(1));
    u.Antworte(2, Unmoeglich);
    u.Antworte(2, QString()); // pending and emptied
    // "Weiter" in the last round asks for the missing and the pending answers.
    u.Klick("btnWeiter");
    QCOMPARE(test::Attrappen::Aktuell().meldungen.last(),
             QStringLiteral("Es fehlen noch 5 Einträge!"));
    QCOMPARE(Durchgang, 3);
    for (int pos = 2; pos <= 6; ++pos)
        u.Antworte(pos, u.erwartet(pos));
    QVERIFY(u.knopf("btnAuswertung")->isVisible());
}

void TstUebungsbeispiele::neuesOeffnenBeginntVonVorn() {
    Uebung u(ArtSubtraktion);
    u.AllesRichtig();
    u.Klick("btnWeiter");
    u.AllesRichtig();
    QVERIFY(u.knopf("btnAuswertung")->isVisible());
    u.w->findChild<QAction*>(QStringLiteral("menSchliessen"))->trigger();
    QVERIFY(!u.w->isVisible());
    u.w->show();
    u.Aktivieren();
    QCOMPARE(Durchgang, 1);
    QCOMPARE(GesamtVersuche, 0);
    QVERIFY(u.knopf("btnWeiter")->isVisible());
    QVERIFY(!u.knopf("btnAuswertung")->isVisible());
    QCOMPARE(u.anzeige(), Start);
}

void TstUebungsbeispiele::zeichnung() {
    QFETCH(int, art);
    Uebung u(art);
    QImage bild = u.Bild();
    for (int pos = 1; pos <= 6; ++pos) {
        const float cx = BlockX(pos), cy = BlockY(pos);
        const QRect titel = Tinte(bild, Braun, X(cx) - 5, Y(cy) - 3, X(cx) + 150, Y(cy) + 25);
        QVERIFY2(std::abs(titel.left() - X(cx)) <= 2, qPrintable(QString::number(titel.left())));
        // The first operand ends at its seconds column; its row depends on the operation.
        const float y1 = art <= 2 ? cy - 2 : cy - 3.5f;
        const QRect erster = Tinte(bild, Schwarz, X(cx + 4) - 5, Y(y1), X(cx + 11) + 3, Y(y1) + 20);
        QVERIFY2(std::abs(erster.right() - X(cx + 11)) <= 2,
                 qPrintable(QString::number(erster.right())));
        // The result line, 3 pixels wide.
        QVERIFY(Schwarz(bild.pixelColor(X(cx + 6.5f), Y(cy - 5))));
        QVERIFY(!Schwarz(bild.pixelColor(X(cx + 6.5f), Y(cy - 5) + 3)));
        const int zeile = Y(cy - 3.5f);
        switch (art) {
        case 1:
            QVERIFY(!Tinte(bild, Schwarz, X(cx + 1) - 14, zeile, X(cx + 1), zeile + 20).isEmpty());
            break;
        case 2:
            QVERIFY(Schwarz(bild.pixelColor(X(cx + 0.75f), Y(cy - 4.2f))));
            break;
        default: {
            // The sign ends at cx + 11.7, right of the seconds.
            const QRect zeichen =
                Tinte(bild, Schwarz, X(cx + 11) + 3, zeile, X(cx + 11.7f) + 1, zeile + 20);
            QVERIFY(!zeichen.isEmpty());
            // Its ink lies within its advance of 7 pixels before that point.
            QVERIFY(zeichen.right() <= X(cx + 11.7f) && zeichen.left() >= X(cx + 11.7f) - 7);
            break;
        }
        }
    }
    // An accepted result in navy ending at the seconds column; two wrong answers in red
    // from cx + 4.
    u.Antworte(1, u.erwartet(1));
    u.Antworte(5, Unmoeglich);
    u.Antworte(5, Unmoeglich);
    bild = u.Bild();
    const QRect navy = Tinte(bild, Navy, X(-24) - 10, Y(1.8f), X(-13) + 3, Y(1.8f) + 22);
    QVERIFY(!navy.isEmpty());
    QVERIFY(std::abs(navy.right() - X(-13)) <= 2);
    const QRect rot = Tinte(bild, Rot, X(-7) - 10, Y(-11.2f), X(5) + 40, Y(-11.2f) + 22);
    QVERIFY(!rot.isEmpty());
    QVERIFY(std::abs(rot.left() - X(-3)) <= 2);
    // The right result appears only in the message.
    QVERIFY(Tinte(bild, Navy, X(-7) - 10, Y(-11.2f), X(5) + 40, Y(-11.2f) + 22).isEmpty());
}

void TstUebungsbeispiele::tageImErgebnis_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<QList<int>>("skript"); // the draws of tasks 1 and 2
    // Addition level 4 (1 d) and level 1.
    QTest::newRow("Addition") << 1 << QList<int>{80, 10, 11, 31, 31, 34, 33, 0, 1, 1, 1, 1, 1, 1};
    // Multiplication level 4: 10h 21min 21s times 6 (2 d); level 1: 5h 10min 10s times 2.
    QTest::newRow("Multiplikation") << 3 << QList<int>{80, 4, 20, 20, 9, 0, 0, 4, 9, 9};
}

// Each block shows its own result's days, at cx + 1.5 of the result row.
void TstUebungsbeispiele::tageImErgebnis() {
    QFETCH(int, art);
    QFETCH(QList<int>, skript);
    test::ZufallsSkript zufall(8);
    for (int wert : skript)
        zufall.Anhaengen(wert);
    Uebung u(art);
    QVERIFY(u.w->Aufgabe(1).ErgebnisTage > 0);
    QCOMPARE(u.w->Aufgabe(2).ErgebnisTage, 0);
    u.AllesRichtig();
    const QImage bild = u.Bild();
    for (int pos = 1; pos <= 6; ++pos) {
        const float cx = BlockX(pos), cy = BlockY(pos);
        const QRect tage =
            Tinte(bild, Navy, X(cx) - 12, Y(cy - 5.2f), X(cx + 1.5f), Y(cy - 5.2f) + 22);
        QCOMPARE(!tage.isEmpty(), u.w->Aufgabe(pos).ErgebnisTage != 0);
    }
    test::Tour(test::Aufnahme(*u.w), QStringLiteral("uebung_%1_tage").arg(Namen[art - 1]));
}

// A screen reader hears each field's example, the drawn blocks as they stand, the
// counters by name and every verdict; the instruction that typing brings back is not
// read out over the typing.
void TstUebungsbeispiele::zugang() {
    QFETCH(int, art);
    test::Zugangsprotokoll protokoll;
    Uebung u(art);
    for (int pos = 1; pos <= 6; ++pos) {
        QCOMPARE(test::Name(u.feld(pos)), QStringLiteral("Beispiel %1, Ergebnis").arg(pos));
        QCOMPARE(test::Beschreibung(u.feld(pos)), Aufgabentext(art, u.w->Aufgabe(pos)));
    }
    QCOMPARE(test::Name(u.w->Client()), u.text("pnlAnzeige"));
    QCOMPARE(test::Namenlos(*u.w), QStringList());
    QCOMPARE(test::Menuepfade(*u.w), (QStringList{"Schließen", "Anzahl der Durchgänge"}));

    u.Antworte(1, u.erwartet(1));
    u.Antworte(2, Unmoeglich);
    u.Antworte(2, Unmoeglich);
    const QString zweimal = u.anzeige();
    u.Antworte(3, Unmoeglich);
    const auto block = [&](int pos) {
        return test::Beschreibung(u.w->Client()).split(u'\n').value(pos - 1);
    };
    const QString aufgabe3 = QStringLiteral("3. Beispiel: ") + Aufgabentext(art, u.w->Aufgabe(3));
    QCOMPARE(block(3), aufgabe3 + QStringLiteral(", erster Versuch falsch"));
    u.Antworte(3, u.erwartet(3));
    QCOMPARE(protokoll.ansagen, (QStringList{Bravo, Falsch1, zweimal, Falsch1, Zweiter}));
    QCOMPARE(block(1), QStringLiteral("1. Beispiel: ") + Aufgabentext(art, u.w->Aufgabe(1)) +
                           QStringLiteral(" = ") + EinheitenLeerzeichen(u.erwartet(1)) +
                           QStringLiteral(", richtig"));
    QCOMPARE(block(2), QStringLiteral("2. Beispiel: ") + Aufgabentext(art, u.w->Aufgabe(2)) +
                           QStringLiteral(", deine Eingabe ") + Unmoeglich +
                           QStringLiteral(", falsch"));
    QVERIFY(block(3).startsWith(aufgabe3 + QStringLiteral(" = ")));
    QCOMPARE(block(4), QStringLiteral("4. Beispiel: ") + Aufgabentext(art, u.w->Aufgabe(4)));
    const auto name = [&](const char* label) {
        return test::Name(u.w->findChild<QLabel*>(QLatin1String(label)));
    };
    QCOMPARE(name("lblAktVersuche"), QStringLiteral("Versuche: 5"));
    QCOMPARE(name("lblAktPunkte"), QStringLiteral("Punkte: 1,5"));
    QCOMPARE(name("lblDurchgang"), QStringLiteral("Durchgang: 1 von 2"));

    u.feld(4)->setFocus();
    test::Tippe(QStringLiteral("1"));
    QCOMPARE(u.anzeige(), Tippen);
    QCOMPARE(protokoll.ansagen.size(), 5);
}

// A whole series of two rounds through the evaluation by keyboard alone: Enter from
// field to field, a second attempt in the same field, Tab to the button and Space on
// it; in the evaluation Escape does nothing and Enter closes it.
void TstUebungsbeispiele::serieNurMitTastatur() {
    QFETCH(int, art);
    Uebung u(art);
    QCOMPARE(test::Tabfolge(*u.w), (QStringList{"edtBsp1", "edtBsp2", "edtBsp3", "edtBsp4",
                                                "edtBsp5", "edtBsp6", "btnWeiter"}));
    for (int runde = 1; runde <= 2; ++runde) {
        QCOMPARE(QApplication::focusWidget(), u.feld(1));
        test::Antworte(u.erwartet(1));
        test::Antworte(QStringLiteral("1h"));
        QCOMPARE(QApplication::focusWidget(), u.feld(2));
        test::Taste(Qt::Key_A, Qt::ControlModifier);
        test::Taste(Qt::Key_Backspace);
        for (int pos = 2; pos <= 6; ++pos) {
            test::Antworte(u.erwartet(pos));
            if (runde == 1 && pos == 3)
                test::Tour(
                    test::Aufnahme(*u.w),
                    QStringLiteral("uebung_%1_tastatur").arg(QString::fromLatin1(Namen[art - 1])));
        }
        QPushButton* knopf = u.knopf(runde == 1 ? "btnWeiter" : "btnAuswertung");
        for (int i = 0; i < 10 && QApplication::focusWidget() != knopf; ++i)
            test::Taste(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), knopf);
        if (runde == 2) break;
        test::Taste(Qt::Key_Space);
        QCOMPARE(u.text("lblDurchgang"), QStringLiteral("2 / 2"));
    }
    QCOMPARE(GesamtPunkte, 11.0f);
    QCOMPARE(GesamtVersuche, 14);

    bool gezeigt = false, nachEscapeOffen = false;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        gezeigt = &fenster == u.auswertung.get();
        QVERIFY(test::Aktivieren(fenster));
        QTRY_VERIFY(fenster.findChild<QPushButton*>(QStringLiteral("btnSchliessen"))->isVisible());
        test::Taste(Qt::Key_Escape);
        nachEscapeOffen = fenster.isVisible();
        test::Taste(Qt::Key_Return);
    });
    test::Taste(Qt::Key_Space);
    QVERIFY(gezeigt);
    QVERIFY(nachEscapeOffen);
    QVERIFY(!u.auswertung->isVisible());
    u.Aktivieren();
    QCOMPARE(u.text("lblDurchgang"), QStringLiteral("1 / 2"));
    QCOMPARE(GesamtVersuche, 0);
    QCOMPARE(QApplication::focusWidget(), u.feld(1));
}

// At 200 % the result line, three pixels at 1:1, is six device pixels; the tasks are
// drawn at the full resolution.
void TstUebungsbeispiele::scharfBeiDoppelterAufloesung() {
    Uebung u(ArtAddition);
    u.Antworte(1, u.erwartet(1));
    const QString fehler =
        test::DoppeltScharf(*u.w->Client(), QRect(20, 170, 300, 130),
                            test::Strichprobe{{150, 260}, Qt::Vertical, QColor(0, 0, 0), 3});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstUebungsbeispiele)
#include "tst_uebungsbeispiele.moc"
