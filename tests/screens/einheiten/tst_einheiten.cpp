#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "core/ZeitenU.h"
#include "platform/TEdit.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "screens/einheiten/EinheitenU.h"
#include "screens/einheiten/VerwandlungsketteU.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Schueler.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Uebungsfenster.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <set>

using namespace kalmiro;

namespace {

// Scripted values as Random(n) returns them: r(x) draws x in 1..100, z(x) makes
// Zufall1bis9 give x.
constexpr int r(int x) {
    return x - 1;
}
constexpr int z(int x) {
    return x - 1;
}

// ohne Brüche: 3 h -> 180 min, 6 s -> 0,1 min, 3h 45min -> 225 min, 0,3 min -> 18 s,
// 72 h -> 3 d.
const QList<int> satzOhneBrueche{r(1),   r(26), r(1),  z(3),  r(61), r(1), r(1),  z(1),
                                 r(100), r(51), r(1),  z(3),  z(4),  z(5), r(41), r(1),
                                 r(1),   z(3),  r(40), r(76), r(1),  z(3)};
// mit Brüchen: 7/60 h -> 7 min, 20 min -> 1/3 h, 600 s -> 1/6 h, 4/15 h -> 960 s,
// 42 s -> 7/10 min.
const QList<int> satzMitBruechen{r(41), r(1),  r(1),  6,    r(71), r(1), r(1),  1,
                                 0,     r(91), r(1),  r(1), 3,     0,    r(61), r(40),
                                 r(1),  3,     r(81), r(1), r(1),  4,    6};

using test::Falsch1;
using test::Zweiter;
// With a comma, unlike the screens with a typed time.
const QString richtig1 = QStringLiteral("Bravo, deine Eingabe ist richtig!");

struct Bildschirm {
    Fensterverbund fenster;
    TfrmEinheiten w{fenster};
    test::ZufallsSkript zufall{7};

    // The set of the mode scripted.
    explicit Bildschirm(int modus) {
        EinheitenArt = modus;
        for (int wert : modus == 1 ? satzOhneBrueche : satzMitBruechen)
            zufall.Anhaengen(wert);
    }
    ~Bildschirm() { w.close(); }

    void Oeffnen() { QVERIFY(test::Aktivieren(w)); }
    template <typename T = QWidget> T* Teil(const QString& name) const {
        return w.findChild<T*>(name);
    }
    TEdit* Feld(int i) const { return Teil<TEdit>(QStringLiteral("Edt%1").arg(i)); }
    QLabel* Label(const QString& name) const { return Teil<QLabel>(name); }
    QString Anzeige() const { return Label(QStringLiteral("lblAnzeige"))->text(); }
    QColor AnzeigeFarbe() const {
        return Label(QStringLiteral("lblAnzeige"))->palette().color(QPalette::WindowText);
    }
    QString Versuche() const { return Label(QStringLiteral("lblAktVersuche"))->text(); }
    QString Punkte() const { return Label(QStringLiteral("lblAktPunkte"))->text(); }
    QAction* Aktion(const QString& name) const { return w.findChild<QAction*>(name); }

    // Which face a row shows: B, G, O or R.
    QString Gesicht(int i) const {
        const qint64 bild = Label(QStringLiteral("img%1").arg(i))->pixmap().cacheKey();
        for (QChar c : QStringLiteral("BGOR"))
            if (Label(QStringLiteral("img") + c)->pixmap().cacheKey() == bild) return c;
        return {};
    }
    // What a row's attempt mark shows: "richtig", "falsch" or "".
    QString Zeichen(int i, int versuch) const {
        const QPixmap p = Label(QStringLiteral("imgZ%1%2").arg(i).arg(versuch))->pixmap();
        if (p.isNull()) return {};
        if (p.cacheKey() == Label(QStringLiteral("imgRichtig"))->pixmap().cacheKey())
            return QStringLiteral("richtig");
        if (p.cacheKey() == Label(QStringLiteral("imgFalsch"))->pixmap().cacheKey())
            return QStringLiteral("falsch");
        return QStringLiteral("?");
    }

    void Antworte(int i, const QString& text) { test::Eintippen(*Feld(i), text); }
    QImage Bild() { return test::Aufnahme(*w.Client()); }
};

// Dark ink of text and strokes: a dark pixel with a dark neighbour, so the single
// dots of the lattice do not count.
bool Dunkel(const QImage& bild, int x, int y) {
    return bild.valid(x, y) && bild.pixelColor(x, y).lightness() < 90;
}
bool IstTinte(const QImage& bild, int x, int y) {
    return Dunkel(bild, x, y) && (Dunkel(bild, x - 1, y) || Dunkel(bild, x + 1, y) ||
                                  Dunkel(bild, x, y - 1) || Dunkel(bild, x, y + 1));
}
QRect Tinte(const QImage& bild, const QRect& bereich) {
    QRect umriss;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (IstTinte(bild, x, y)) umriss |= QRect(x, y, 1, 1);
    return umriss;
}
// How many pixels of the area pass.
int Zaehle(const QRect& bereich, const std::function<bool(int, int)>& passt) {
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (passt(x, y)) ++n;
    return n;
}
int TintenPixel(const QImage& bild, const QRect& bereich) {
    return Zaehle(bereich, [&](int x, int y) { return IstTinte(bild, x, y); });
}
// How many pixels of about this colour lie in the area.
int Pixel(const QImage& bild, const QRect& bereich, const QColor& farbe, int toleranz = 12) {
    return Zaehle(bereich,
                  [&](int x, int y) { return test::FarbeEtwa(bild, x, y, farbe, toleranz); });
}

// The pixel band of row i: its base line at world y 16.5 - 10 (i - 1), 10 pixels a unit.
int ZeilenMitte(int i) {
    return 300 - (165 - 100 * (i - 1));
}
QRect Zeile(int i, int links = 0, int rechts = 1000) {
    return QRect(QPoint(links, ZeilenMitte(i) - 25), QPoint(rechts, ZeilenMitte(i) + 25));
}

} // namespace

class TstEinheiten : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aufbau();
    void menue();
    void aktivierung_data();
    void aktivierung();
    void richtigBeimErsten_data();
    void richtigBeimErsten();
    void zweimalFalsch();
    void richtigBeimZweiten();
    void versuchGiltJeZeile();
    void weiterSetztZurueck();
    void leeresFeldBleibtUnbewertet();
    void tippenLoeschtDieMeldung();
    void tastenfilter_data();
    void tastenfilter();
    void riesigeEinfuegung();
    void verwandlungskette();
    void anzahlDerDurchgaenge();
    void zeitanzeige();
    void zeitanzeigeNachWiederoeffnen();
    void auswertungNurAmEndeDerSerie();
    void gitter();
    void zeichnungModus1();
    void zeichnungModus2();
    void zugang_data();
    void zugang();
    void satzNurMitTastatur();
    void scharfBeiDoppelterAufloesung();
};

void TstEinheiten::init() {
    test::Attrappen::Aktuell().Zuruecksetzen();
    test::Attrappen::Aktuell().EchteZeit();
    FarbenSetzen();
    MaxDurchgaenge = StandardDurchgaenge;
    Durchgang = 1;
    ZeitanzeigeEin = false;
    Bildschirm1024 = false;
}

void TstEinheiten::aufbau() {
    Bildschirm b(1);
    TfrmEinheiten& w = b.w;
    QCOMPARE(w.objectName(), QStringLiteral("frmEinheiten"));
    QCOMPARE(w.windowTitle(), QString());
    QCOMPARE(w.ClientGroesse(), QSize(1016, 722));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.Client()->palette().color(QPalette::Window), QColor(240, 240, 240));

    const auto geometrie = [&](const char* name, QRect ort) {
        QWidget* teil = b.Teil(QLatin1String(name));
        QVERIFY2(teil, name);
        QCOMPARE(teil->geometry(), ort);
    };
    geometrie("lblAnzeige", QRect(0, 0, 1015, 97));
    geometrie("grpDurchgang", QRect(7, 642, 218, 70));
    geometrie("grpVersuche", QRect(240, 642, 153, 70));
    geometrie("grpPunkte", QRect(408, 642, 153, 70));
    geometrie("btnWeiter", QRect(800, 670, 200, 40));
    geometrie("btnAuswertung", QRect(800, 670, 200, 40));
    geometrie("pnlZeit", QRect(800, 616, 201, 41));
    geometrie("imgRichtig", QRect(732, 112, 40, 40));
    geometrie("imgFalsch", QRect(731, 200, 40, 40));
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(b.Label(QStringLiteral("img%1").arg(i))->geometry(), QRect(40, 100 * i, 63, 69));
        QCOMPARE(b.Label(QStringLiteral("imgZ%1%2").arg(i).arg(1))->geometry(),
                 QRect(900, 120 + 100 * (i - 1), 40, 40));
        QCOMPARE(b.Label(QStringLiteral("imgZ%1%2").arg(i).arg(2))->geometry(),
                 QRect(955, 120 + 100 * (i - 1), 40, 40));
        // Before the first set the fields stand where the layout has them.
        QCOMPARE(b.Feld(i)->geometry(), QRect(400, 114 + 100 * (i - 1), 170, 37));
    }
    for (const char* name : {"imgB", "imgG", "imgO", "imgR", "imgRichtig", "imgFalsch"}) {
        QLabel* bild = b.Label(QLatin1String(name));
        QVERIFY(bild->isHidden());
        QVERIFY2(!bild->pixmap().isNull(), name);
    }
    for (const char* name : {"imgB", "imgG", "imgO", "imgR"}) {
        QCOMPARE(b.Label(QLatin1String(name))->x(), 800);
        QCOMPARE(b.Label(QLatin1String(name))->size(), QSize(63, 69));
    }

    QLabel* anzeige = b.Label(QStringLiteral("lblAnzeige"));
    QCOMPARE(anzeige->text(), QStringLiteral("Umwandeln von Einheiten"));
    QCOMPARE(anzeige->font().pixelSize(), 21);
    QVERIFY(anzeige->font().bold());
    QVERIFY(anzeige->wordWrap());
    QCOMPARE(anzeige->alignment(), Qt::AlignCenter);
    QCOMPARE(b.Feld(1)->font().pixelSize(), 24);
    QCOMPARE(b.Feld(1)->font().family(), QStringLiteral("Arial"));
    QCOMPARE(b.Teil<QPushButton>(QStringLiteral("btnWeiter"))->font().pixelSize(), 19);
    QCOMPARE(b.Teil<QPushButton>(QStringLiteral("btnWeiter"))->text(), QStringLiteral("Weiter"));
    QCOMPARE(b.Teil<QPushButton>(QStringLiteral("btnAuswertung"))->text(),
             QStringLiteral("Auswertung"));
    QLabel* zeit = b.Label(QStringLiteral("pnlZeit"));
    QVERIFY(zeit->isHidden());
    QCOMPARE(zeit->font().pixelSize(), 24);
    QCOMPARE(zeit->frameShadow(), QFrame::Sunken);
    QCOMPARE(zeit->palette().color(QPalette::WindowText), QColor(128, 0, 0));

    const auto gruppe = [&](const char* name, const char* titel, const char* label, QColor farbe) {
        auto* g = b.Teil<QGroupBox>(QLatin1String(name));
        QCOMPARE(g->title(), QString::fromUtf8(titel));
        QCOMPARE(g->palette().color(QPalette::WindowText), farbe);
        QCOMPARE(b.Label(QLatin1String(label))->parentWidget(), g);
    };
    gruppe("grpDurchgang", " Durchgang ", "lblDurchgang", QColor(0, 0, 128));
    gruppe("grpVersuche", " Versuche ", "lblAktVersuche", QColor(0, 0, 128));
    gruppe("grpPunkte", " Punkte ", "lblAktPunkte", QColor(128, 0, 0));
    QCOMPARE(b.Label(QStringLiteral("lblDurchgang"))->text(), QStringLiteral("1 / 1"));

    auto* timer = w.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(!timer->isActive());
}

void TstEinheiten::menue() {
    Bildschirm b(1);
    QStringList oben;
    for (QAction* a : b.w.menuBar()->actions())
        oben << a->text();
    QCOMPARE(oben,
             (QStringList{QStringLiteral("Schließen"), QStringLiteral("Verwandlungskette"),
                          QStringLiteral("Anzahl der Durchgänge"), QStringLiteral("Zeitanzeige")}));
    const auto name = [&](const char* n, const char* text) {
        QAction* a = b.Aktion(QLatin1String(n));
        QVERIFY2(a, n);
        QCOMPARE(a->text(), QString::fromUtf8(text));
    };
    name("menSchliessen", "Schließen");
    name("menVerwandlung", "Verwandlungskette");
    name("menMaxanzahl", "Anzahl der Durchgänge");
    name("menZeitart", "Ein");
    auto* zeitanzeige = b.Teil<QMenu>(QStringLiteral("menZeitanzeige"));
    QVERIFY(zeitanzeige);
    QCOMPARE(zeitanzeige->actions(), QList<QAction*>{b.Aktion(QStringLiteral("menZeitart"))});

    b.Oeffnen();
    b.Aktion(QStringLiteral("menSchliessen"))->trigger();
    QVERIFY(!b.w.isVisible());
}

// clang-format off
void TstEinheiten::aktivierung_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QString>("anweisung");
    QTest::newRow("ohne Brüche") << 1
                                 << "Gib die jeweiligen Zahlen nacheinander ein.\nDrücke die Enter-Taste oder "
                                    "klicke mit der Maus ins nächste Feld!";
    QTest::newRow("mit Brüchen") << 2
                                 << "Gib die jeweiligen Zahlen bzw. Brüche (Bruchstrich verwenden) nacheinander "
                                    "ein.\nDrücke die Enter-Taste oder klicke mit der Maus ins nächste Feld!";
}
// clang-format on

void TstEinheiten::aktivierung() {
    QFETCH(int, modus);
    Bildschirm b(modus);
    MaxanzahlArt = 3;
    b.Oeffnen();
    QTEST(b.Anzeige(), "anweisung");
    QCOMPARE(b.AnzeigeFarbe(), QColor(153, 102, 51));
    QCOMPARE(b.Versuche(), QStringLiteral("0"));
    QCOMPARE(b.Punkte(), QStringLiteral("0"));
    QCOMPARE(MaxanzahlArt, 1);
    QVERIFY(b.Feld(1)->hasFocus());
    QVERIFY(!b.Teil(QStringLiteral("btnAuswertung"))->isVisible());
    QVERIFY(b.Teil(QStringLiteral("btnWeiter"))->isVisible());
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(b.Feld(i)->geometry(), QRect(425, 114 + 100 * (i - 1), 150, 37));
        QVERIFY(b.Feld(i)->isVisible());
        QVERIFY(Umwandlungsaufgaben[static_cast<std::size_t>(i)].Offen);
        QCOMPARE(b.Gesicht(i), QStringLiteral("B"));
        QCOMPARE(b.Zeichen(i, 1), QString());
    }
    QCOMPARE(Umwandlungsaufgaben[2].LoesungText,
             modus == 1 ? QStringLiteral("0,1") : QStringLiteral("1/3"));
    test::Tour(test::Aufnahme(b.w), modus == 1 ? QStringLiteral("einheiten_offen_ohne_brueche")
                                               : QStringLiteral("einheiten_offen_mit_bruechen"));
}

// clang-format off
void TstEinheiten::richtigBeimErsten_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("normalisiert");
    QTest::newRow("3 h: 180") << 1 << 1 << "180" << "180";
    QTest::newRow("3 h: 180,0") << 1 << 1 << "180,0" << "180";
    QTest::newRow("3 h: 0180") << 1 << 1 << "0180" << "180";
    QTest::newRow("6 s: 0,10") << 1 << 2 << "0,10" << "0,1";
    QTest::newRow("6 s: ,1") << 1 << 2 << ",1" << "0,1";
    QTest::newRow("3h 45min: 225") << 1 << 3 << "225" << "225";
    QTest::newRow("0,3 min: 18") << 1 << 4 << "18" << "18";
    QTest::newRow("7/60 h: 7") << 2 << 1 << "7" << "7";
    QTest::newRow("20 min: 1/3") << 2 << 2 << "1/3" << "1/3";
    QTest::newRow("600 s: 01/6") << 2 << 3 << "01/6" << "1/6";
}
// clang-format on

void TstEinheiten::richtigBeimErsten() {
    QFETCH(int, modus);
    QFETCH(int, zeile);
    QFETCH(QString, eingabe);
    Bildschirm b(modus);
    b.Oeffnen();
    b.Antworte(zeile, eingabe);
    QTEST(b.w.EingabeDerZeile(zeile), "normalisiert");
    QTEST(b.Feld(zeile)->text(), "normalisiert");
    QVERIFY(b.Feld(zeile)->isHidden());
    QCOMPARE(b.Anzeige(), richtig1);
    QCOMPARE(b.AnzeigeFarbe(), QColor(102, 51, 255));
    QCOMPARE(b.Gesicht(zeile), QStringLiteral("G"));
    QCOMPARE(b.Zeichen(zeile, 1), QStringLiteral("richtig"));
    QCOMPARE(b.Zeichen(zeile, 2), QString());
    QCOMPARE(b.Versuche(), QStringLiteral("1"));
    QCOMPARE(b.Punkte(), QStringLiteral("1,0"));
    const Umwandlungsaufgabe& a = Umwandlungsaufgaben[static_cast<std::size_t>(zeile)];
    QVERIFY(a.Geloest && !a.Aufgedeckt && !a.Offen);
    // Enter went on to the next field.
    QVERIFY(b.Feld(zeile + 1)->hasFocus());
}

void TstEinheiten::zweimalFalsch() {
    Bildschirm b(2);
    b.Oeffnen();
    b.Antworte(2, QStringLiteral("2/6"));
    QCOMPARE(b.Anzeige(), Falsch1);
    QCOMPARE(b.AnzeigeFarbe(), QColor(255, 0, 102));
    QCOMPARE(b.Gesicht(2), QStringLiteral("R"));
    QCOMPARE(b.Zeichen(2, 1), QStringLiteral("falsch"));
    QVERIFY(b.Feld(2)->isVisible());
    QVERIFY(b.Feld(2)->hasFocus());
    QCOMPARE(b.Versuche(), QStringLiteral("1"));
    QCOMPARE(b.Punkte(), QStringLiteral("0"));
    test::Tour(test::Aufnahme(b.w), QStringLiteral("einheiten_falsch_beim_ersten"));

    b.Antworte(2, QStringLiteral("2/6"));
    const QStringList zeilen = b.Anzeige().split(u'\n');
    QCOMPARE(zeilen.size(), 3);
    QCOMPARE(zeilen[0], QStringLiteral("Deine Eingabe ist leider wieder falsch!"));
    QCOMPARE(zeilen[1], QStringLiteral("Das Ergebnis lautet 1/3!"));
    QCOMPARE(zeilen[2],
             QStringLiteral("Vergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                            "Fehler begangen hast!"));
    QCOMPARE(b.AnzeigeFarbe(), QColor(255, 0, 102));
    QCOMPARE(b.Gesicht(2), QStringLiteral("R"));
    QCOMPARE(b.Zeichen(2, 2), QStringLiteral("falsch"));
    QVERIFY(b.Feld(2)->isHidden());
    QCOMPARE(b.Versuche(), QStringLiteral("2"));
    QCOMPARE(b.Punkte(), QStringLiteral("0,0"));
    QVERIFY(Umwandlungsaufgaben[2].Aufgedeckt && !Umwandlungsaufgaben[2].Geloest);
}

void TstEinheiten::richtigBeimZweiten() {
    Bildschirm b(1);
    b.Oeffnen();
    b.Antworte(1, QStringLiteral("170"));
    b.Antworte(1, QStringLiteral("180"));
    QCOMPARE(b.Anzeige(), Zweiter);
    QCOMPARE(b.AnzeigeFarbe(), QColor(102, 51, 255));
    QCOMPARE(b.Gesicht(1), QStringLiteral("O"));
    QCOMPARE(b.Zeichen(1, 1), QStringLiteral("falsch"));
    QCOMPARE(b.Zeichen(1, 2), QStringLiteral("richtig"));
    QCOMPARE(b.Punkte(), QStringLiteral("0,5"));
    QCOMPARE(b.Versuche(), QStringLiteral("2"));
    // Points add up over the rows of the set.
    b.Antworte(2, QStringLiteral("0,1"));
    QCOMPARE(b.Punkte(), QStringLiteral("1,5"));
    QCOMPARE(b.Versuche(), QStringLiteral("3"));
    test::Tour(test::Aufnahme(b.w), QStringLiteral("einheiten_richtig_und_zweiter_versuch"));
}

// A pupil answers row 1 wrongly, empties it and answers row 2: row 2 is its first attempt.
void TstEinheiten::versuchGiltJeZeile() {
    Bildschirm b(1);
    b.Oeffnen();
    b.Antworte(1, QStringLiteral("170"));
    QVERIFY(b.Feld(1)->hasFocus());
    b.Feld(1)->selectAll();
    QTest::keyClick(b.Feld(1), Qt::Key_Backspace);
    QTest::mouseClick(b.Feld(2), Qt::LeftButton);
    QVERIFY(b.Feld(2)->hasFocus());
    b.Antworte(2, QStringLiteral("0,1"));
    QCOMPARE(b.Anzeige(), richtig1);
    QCOMPARE(b.Gesicht(2), QStringLiteral("G"));
    QCOMPARE(b.Zeichen(2, 1), QStringLiteral("richtig"));
    QCOMPARE(b.Punkte(), QStringLiteral("1,0"));
    // Row 1 still waits for its second attempt.
    b.Antworte(1, QStringLiteral("180"));
    QCOMPARE(b.Anzeige(), Zweiter);
    QCOMPARE(b.Gesicht(1), QStringLiteral("O"));
    QCOMPARE(b.Punkte(), QStringLiteral("1,5"));
    QCOMPARE(b.Versuche(), QStringLiteral("3"));
    // And a wrong row 3 after that is a first wrong answer, not a second.
    b.Antworte(3, QStringLiteral("200"));
    QCOMPARE(b.Anzeige(), Falsch1);
}

void TstEinheiten::weiterSetztZurueck() {
    Bildschirm b(1);
    b.Oeffnen();
    b.Antworte(1, QStringLiteral("180"));
    b.Antworte(2, QStringLiteral("5"));
    QCOMPARE(b.Versuche(), QStringLiteral("2"));
    QTest::mouseClick(b.Teil<QPushButton>(QStringLiteral("btnWeiter")), Qt::LeftButton);
    QCOMPARE(b.Punkte(), QStringLiteral("0,0"));
    QCOMPARE(b.Versuche(), QStringLiteral("0"));
    QCOMPARE(b.AnzeigeFarbe(), QColor(153, 102, 51));
    QVERIFY(b.Feld(1)->hasFocus());
    for (int i = 1; i <= 5; ++i) {
        TEdit* edt = b.Feld(i);
        QVERIFY(edt->isVisible());
        QVERIFY(edt->text().isEmpty());
        QCOMPARE(edt->geometry(), QRect(425, 114 + 100 * (i - 1), 150, 37));
        QVERIFY(b.w.EingabeDerZeile(i).isEmpty());
        QCOMPARE(b.Gesicht(i), QStringLiteral("B"));
        QCOMPARE(b.Zeichen(i, 1), QString());
        QCOMPARE(b.Zeichen(i, 2), QString());
        const Umwandlungsaufgabe& a = Umwandlungsaufgaben[static_cast<std::size_t>(i)];
        QVERIFY(a.Offen && !a.Geloest && !a.Aufgedeckt);
    }
    // Row 2 had a wrong first answer; in the new set its first answer is a first again.
    b.Antworte(2, Umwandlungsaufgaben[2].LoesungText + u'1');
    QCOMPARE(b.Anzeige(), Falsch1);
}

void TstEinheiten::leeresFeldBleibtUnbewertet() {
    Bildschirm b(1);
    b.Oeffnen();
    QTest::keyClick(b.Feld(1), Qt::Key_Return);
    QVERIFY(b.Feld(2)->hasFocus());
    QTest::mouseClick(b.Feld(4), Qt::LeftButton);
    QCOMPARE(b.Versuche(), QStringLiteral("0"));
    QCOMPARE(b.AnzeigeFarbe(), QColor(153, 102, 51));
    QVERIFY(b.Feld(1)->isVisible() && b.Feld(2)->isVisible());
    QCOMPARE(b.Gesicht(1), QStringLiteral("B"));
}

void TstEinheiten::tippenLoeschtDieMeldung() {
    Bildschirm b(1);
    b.Oeffnen();
    b.Antworte(1, QStringLiteral("180"));
    QCOMPARE(b.Anzeige(), richtig1);
    QTest::keyClicks(b.Feld(2), QStringLiteral("1"));
    QCOMPARE(b.AnzeigeFarbe(), QColor(153, 102, 51));
    QVERIFY(b.Anzeige().startsWith(QStringLiteral("Gib die jeweiligen Zahlen nacheinander ein.")));
}

// clang-format off
void TstEinheiten::tastenfilter_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("steht");
    QTest::addColumn<QString>("eingefuegt");
    QTest::addColumn<QString>("stehtDanach");
    QTest::newRow("ganze Zahl") << 1 << 1 << "1a8,0/ h" << "18,0" << "2,5 min/" << "18,02,5";
    QTest::newRow("Dezimalzahl") << 1 << 2 << "0,1/x" << "0,1" << "5 s." << "0,15";
    QTest::newRow("Bruch") << 2 << 2 << "1/3,5e" << "1/35" << "2, /7" << "1/352/7";
    QTest::newRow("ganze Zahl mit Brüchen") << 2 << 1 << "7/,8" << "7,8" << "1/2" << "7,812";
}
// clang-format on

void TstEinheiten::tastenfilter() {
    QFETCH(int, modus);
    QFETCH(int, zeile);
    QFETCH(QString, getippt);
    QFETCH(QString, eingefuegt);
    Bildschirm b(modus);
    b.Oeffnen();
    TEdit* edt = b.Feld(zeile);
    edt->setFocus();
    QTest::keyClicks(edt, getippt);
    QTEST(edt->text(), "steht");
    QGuiApplication::clipboard()->setText(eingefuegt);
    QTest::keyClick(edt, Qt::Key_End);
    QTest::keyClick(edt, Qt::Key_V, Qt::ControlModifier);
    if (edt->text() == b.Feld(zeile)->text() && QGuiApplication::clipboard()->text().isEmpty())
        QSKIP("no clipboard on this platform");
    QTEST(edt->text(), "stehtDanach");
    QCOMPARE(b.Versuche(), QStringLiteral("0"));
}

// Pasting a huge text neither crashes nor counts more than one attempt.
void TstEinheiten::riesigeEinfuegung() {
    Bildschirm b(1);
    b.Oeffnen();
    TEdit* edt = b.Feld(2);
    edt->setFocus();
    QGuiApplication::clipboard()->setText(QString(200000, u'0') + QStringLiteral(",10") +
                                          QString(5000, u'x'));
    QTest::keyClick(edt, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(edt->text().size() <= 40);
    QTest::keyClick(edt, Qt::Key_Return);
    QCOMPARE(b.Versuche(), QStringLiteral("1"));
    QVERIFY(b.w.EingabeDerZeile(2).size() <= 40);
    b.Bild();
}

void TstEinheiten::verwandlungskette() {
    Bildschirm b(1);
    TfrmVerwandlungsketten kette(b.fenster);
    b.fenster.frmVerwandlungsketten = &kette;
    b.Oeffnen();
    b.Antworte(1, QStringLiteral("180"));
    bool offen = false;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        offen = &fenster == &kette;
        test::Tour(test::Aufnahme(fenster), QStringLiteral("einheiten_verwandlungskette"));
        fenster.close();
    });
    b.Aktion(QStringLiteral("menVerwandlung"))->trigger();
    QVERIFY(offen);
    QVERIFY(test::Aktivieren(b.w));
    // Back in the first empty field; row 1 is answered and hidden.
    QVERIFY(b.Feld(2)->hasFocus());
    // Opening the chart judged nothing.
    QCOMPARE(b.Versuche(), QStringLiteral("1"));
}

void TstEinheiten::anzahlDerDurchgaenge() {
    Bildschirm b(1);
    TfrmMaxanzahl dialog(b.fenster);
    b.fenster.frmMaxanzahl = &dialog;
    b.Oeffnen();
    MaxanzahlArt = 4;
    int art = 0;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        art = MaxanzahlArt;
        auto* edt = fenster.findChild<TEdit*>(QStringLiteral("edtMaxzahl"));
        edt->selectAll();
        QTest::keyClicks(edt, QStringLiteral("7"));
        QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("BitBtn2")),
                          Qt::LeftButton);
    });
    b.Aktion(QStringLiteral("menMaxanzahl"))->trigger();
    QCOMPARE(art, 1);
    QCOMPARE(MaxDurchgaenge[1], 7);
    QCOMPARE(MaxDurchgaenge[4], 5);
    // The rounds do not advance on this screen: the series goes on.
    QVERIFY(!b.Teil(QStringLiteral("btnAuswertung"))->isVisible());
    QVERIFY(b.Teil(QStringLiteral("btnWeiter"))->isVisible());
}

void TstEinheiten::zeitanzeige() {
    test::Attrappen& attrappen = test::Attrappen::Aktuell();
    attrappen.SetzeZeit(QDateTime(QDate(2024, 3, 4), QTime(23, 59, 50)));
    Bildschirm b(1);
    b.Oeffnen();
    auto* timer = b.w.findChild<QTimer*>(QStringLiteral("Timer1"));
    QLabel* panel = b.Label(QStringLiteral("pnlZeit"));
    QAction* art = b.Aktion(QStringLiteral("menZeitart"));

    art->trigger();
    QVERIFY(ZeitanzeigeEin);
    QCOMPARE(art->text(), QStringLiteral("Aus"));
    QVERIFY(panel->isVisible());
    QVERIFY(timer->isActive());
    QCOMPARE(panel->text(), QStringLiteral("00:00:00"));

    const auto tick = [&](QTime jetzt) {
        attrappen.SetzeZeit(QDateTime(QDate(2024, 3, 4), jetzt));
        QMetaObject::invokeMethod(timer, "timeout");
    };
    // The panel trails by one tick.
    tick(QTime(23, 59, 55));
    QCOMPARE(panel->text(), QStringLiteral("00:00:00"));
    tick(QTime(23, 59, 56));
    QCOMPARE(panel->text(), QStringLiteral("00:00:05"));
    // Past midnight the span goes on counting.
    tick(QTime(0, 1, 10));
    tick(QTime(0, 1, 11));
    QCOMPARE(panel->text(), QStringLiteral("00:01:20"));
    test::Tour(test::Aufnahme(b.w), QStringLiteral("einheiten_zeitanzeige"));

    art->trigger();
    QVERIFY(!ZeitanzeigeEin);
    QCOMPARE(art->text(), QStringLiteral("Ein"));
    QVERIFY(panel->isHidden());
    QVERIFY(!timer->isActive());
    QCOMPARE(panel->text(), QStringLiteral("00:00:00"));
}

// The main window switches the flag off for every opening: the stopwatch follows it,
// so its menu item never reads "Aus" while the next click would switch it on.
void TstEinheiten::zeitanzeigeNachWiederoeffnen() {
    Bildschirm b(1);
    b.Oeffnen();
    QAction* art = b.Aktion(QStringLiteral("menZeitart"));
    art->trigger();
    QVERIFY(b.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    b.w.close();
    ZeitanzeigeEin = false;
    b.Oeffnen();
    QCOMPARE(art->text(), QStringLiteral("Ein"));
    QVERIFY(b.Label(QStringLiteral("pnlZeit"))->isHidden());
    QVERIFY(!b.w.findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    art->trigger();
    QVERIFY(ZeitanzeigeEin);
    QCOMPARE(art->text(), QStringLiteral("Aus"));
}

void TstEinheiten::auswertungNurAmEndeDerSerie() {
    Bildschirm b(1);
    b.Oeffnen();
    auto* weiter = b.Teil<QPushButton>(QStringLiteral("btnWeiter"));
    auto* auswertung = b.Teil<QPushButton>(QStringLiteral("btnAuswertung"));
    // Reached and passed: both end the series.
    for (int durchgang : {3, 4}) {
        Durchgang = durchgang;
        QTest::mouseClick(weiter, Qt::LeftButton);
        QVERIFY(auswertung->isVisible());
        QVERIFY(!weiter->isVisible());
        b.Antworte(1, Umwandlungsaufgaben[1].LoesungText);
        b.Antworte(2, QStringLiteral("9999"));
        // Leaving row 2 for the button judges its second attempt too.
        QTest::mouseClick(auswertung, Qt::LeftButton);
        QCOMPARE(GesamtPunkte, 1.0f);
        QCOMPARE(GesamtVersuche, 3);
        QCOMPARE(Durchgang, 1);
        QVERIFY(weiter->isVisible());
        QVERIFY(!auswertung->isVisible());
        QCOMPARE(b.Versuche(), QStringLiteral("0"));
        QCOMPARE(b.Punkte(), QStringLiteral("0,0"));
        QVERIFY(Umwandlungsaufgaben[1].Offen);
        // Weiter comes back, so the pupil can go on.
        weiter->click();
    }
    Durchgang = 2;
    weiter->click();
    QVERIFY(!auswertung->isVisible());
}

// The lattice of KSys: a grey cross through pixel (500, 300) and a black dot every
// 10 pixels over 1000 x 600.
void TstEinheiten::gitter() {
    Bildschirm b(1);
    b.Oeffnen();
    const QImage bild = b.Bild();
    const QColor schwarz(0, 0, 0), grau(128, 128, 128), grund(240, 240, 240);
    for (QPoint p : {QPoint(500, 300), QPoint(510, 300), QPoint(10, 590), QPoint(990, 10),
                     QPoint(1000, 600), QPoint(0, 600), QPoint(300, 500)})
        QVERIFY2(test::FarbeEtwa(bild, p.x(), p.y(), schwarz),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    QVERIFY(test::FarbeEtwa(bild, 500, 305, grau));
    QVERIFY(test::FarbeEtwa(bild, 705, 300, grau));
    QVERIFY(test::FarbeEtwa(bild, 15, 595, grund));
    QVERIFY(test::FarbeEtwa(bild, 1005, 610, grund));
    // Nothing beyond the 1000 x 600 area.
    QVERIFY(test::FarbeEtwa(bild, 1010, 610, grund));
}

void TstEinheiten::zeichnungModus1() {
    Bildschirm b(1);
    b.Oeffnen();
    const QColor lila(102, 51, 255), pink(255, 0, 102), blau(0, 0, 255);
    QImage bild = b.Bild();
    // Open: the given quantity ends left of the field (pixel 410), the unit starts right
    // of it (pixel 590); no answer is shown in this mode.
    const QRect links = Tinte(bild, Zeile(1, 100, 424));
    QVERIFY(!links.isEmpty());
    QVERIFY2(links.right() <= 411 && links.right() >= 400,
             qPrintable(QString::number(links.right())));
    const QRect einheit = Tinte(bild, Zeile(1, 576, 890));
    QVERIFY2(einheit.left() >= 589 && einheit.left() <= 595,
             qPrintable(QString::number(einheit.left())));
    QCOMPARE(Pixel(bild, Zeile(1, 600, 890), blau), 0);

    b.Antworte(1, QStringLiteral("180"));
    b.Antworte(2, QStringLiteral("5"));
    b.Antworte(2, QStringLiteral("7"));
    bild = b.Bild();
    // Right: the line centred on x 0 with the answer in violet; failed: the pupil's
    // entry in pink.
    const QRect richtig = Tinte(bild, Zeile(1, 120, 890));
    QVERIFY2(qAbs(richtig.center().x() - 500) <= 3,
             qPrintable(QString::number(richtig.center().x())));
    QVERIFY(Pixel(bild, Zeile(1, 420, 580), lila) > 40);
    QVERIFY(Pixel(bild, Zeile(2, 420, 580), pink) > 20);
    QCOMPARE(Pixel(bild, Zeile(1), pink), 0);
    QCOMPARE(Pixel(bild, Zeile(2), lila), 0);
    test::Tour(bild, QStringLiteral("einheiten_modus1_gezeichnet"));
}

void TstEinheiten::zeichnungModus2() {
    Bildschirm b(2);
    b.Oeffnen();
    const QColor schwarz(0, 0, 0), blau(0, 0, 255), rot(255, 0, 0), lila(102, 51, 255),
        pink(255, 0, 102);
    QImage bild = b.Bild();
    // Every open row shows its answer in blue from x 29 (pixel 790).
    for (int i = 1; i <= 5; ++i) {
        const QRect antwort = test::Umriss(
            bild, [](const QColor& c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; },
            Zeile(i, 600, 899));
        QVERIFY2(!antwort.isEmpty(), qPrintable(QString::number(i)));
        QVERIFY2(antwort.left() >= 789 && antwort.left() <= 795,
                 qPrintable(QString::number(antwort.left())));
    }
    // Row 1 is the stacked 7/60: a black bar 3 pixels thick at the base line, left of
    // the field, with digits above and below it.
    const int y1 = ZeilenMitte(1);
    int bar = 0;
    for (int x = 300; x < 410; ++x)
        if (test::FarbeEtwa(bild, x, y1, schwarz, 30) &&
            test::FarbeEtwa(bild, x, y1 - 1, schwarz, 30) &&
            test::FarbeEtwa(bild, x, y1 + 1, schwarz, 30))
            ++bar;
    QVERIFY2(bar >= 20, qPrintable(QString::number(bar)));
    QVERIFY(TintenPixel(bild, QRect(300, y1 - 25, 110, 20)) > 20);
    QVERIFY(TintenPixel(bild, QRect(300, y1 + 4, 110, 20)) > 20);
    // Row 2's blue answer is a fraction too: a blue bar.
    const int y2 = ZeilenMitte(2);
    QVERIFY(Pixel(bild, QRect(790, y2 - 1, 40, 3), blau, 30) > 30);

    b.Antworte(2, QStringLiteral("1/3"));
    b.Antworte(1, QStringLiteral("8"));
    b.Antworte(1, QStringLiteral("9"));
    b.Antworte(3, QStringLiteral("2"));
    b.Antworte(3, QStringLiteral("5"));
    b.Antworte(5, QStringLiteral("1/2"));
    b.Antworte(5, QStringLiteral("3/4"));
    bild = b.Bild();
    test::Tour(bild, QStringLiteral("einheiten_modus2_brueche"));
    test::Tour(test::Aufnahme(b.w), QStringLiteral("einheiten_modus2_fenster"));

    // The red strokes of a row: the columns of pure red in its band.
    const auto striche = [&](int i) {
        std::set<int> spalten;
        for (int y = ZeilenMitte(i) - 30; y <= ZeilenMitte(i) + 30; ++y)
            for (int x = 0; x < 1000; ++x)
                if (test::FarbeEtwa(bild, x, y, rot, 8)) spalten.insert(x);
        return spalten;
    };
    // Row 2 solved: "20 min =" with the violet 1/3 and "h"; two red strokes, one at
    // the start of the line and one where the unit starts, 60 pixels tall.
    const std::set<int> spalten = striche(2);
    QCOMPARE(spalten.size(), std::size_t{2});
    const int anfang = *spalten.begin(), einheit = *spalten.rbegin();
    QVERIFY(anfang < 500 && einheit > anfang + 100);
    QVERIFY(test::FarbeEtwa(bild, anfang, y2 - 20, rot, 8) &&
            test::FarbeEtwa(bild, anfang, y2 + 20, rot, 8));
    QVERIFY(test::FarbeEtwa(bild, einheit, y2 + 25, rot, 8));
    QVERIFY(Pixel(bild, QRect(QPoint(anfang, y2 - 25), QPoint(einheit, y2 + 25)), lila) > 30);
    // The unit "h" follows the second stroke.
    const QRect h = Tinte(bild, QRect(einheit + 1, y2 - 20, 60, 40));
    QVERIFY(!h.isEmpty() && h.left() - einheit < 20);

    // Row 1 failed twice: the fraction given, the pupil's 9 in pink, no red strokes.
    QVERIFY(Pixel(bild, Zeile(1, 300, 700), pink) > 15);
    QVERIFY(striche(1).empty());
    // Row 3 failed twice without a slash: "600 s = #5# h" in one line.
    QVERIFY(Pixel(bild, Zeile(3, 300, 700), pink) > 10);
    QVERIFY(striche(3).empty());
    // Row 5 failed with a fraction: the pupil's 3/4 stacked in pink, with the strokes.
    QVERIFY(Pixel(bild, Zeile(5, 300, 700), pink) > 15);
    QCOMPARE(striche(5).size(), std::size_t{2});
    // Answered rows show no blue answer any more; the open row 4 still does.
    for (int i : {1, 2, 3, 5})
        QCOMPARE(Pixel(bild, Zeile(i, 780, 899), blau, 30), 0);
    QVERIFY(Pixel(bild, Zeile(4, 780, 899), blau, 30) > 10);
}

void TstEinheiten::zugang_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QStringList>("fragen");
    // clang-format off
    QTest::newRow("ohne Brüche") << 1 << QStringList{"3 h in min", "6 s in min", "3h 45min in min", "0,3 min in s", "72 h in d"};
    QTest::newRow("mit Brüchen") << 2 << QStringList{"7/60 h in min", "20 min in h", "600 s in h", "4/15 h in s", "42 s in min"};
    // clang-format on
}

// A screen reader hears what each field asks, the rows as drawn, the counters by name
// and every verdict as it comes; the instruction that typing brings back is not read
// out over the typing.
void TstEinheiten::zugang() {
    QFETCH(int, modus);
    QFETCH(QStringList, fragen);
    test::Zugangsprotokoll protokoll;
    Bildschirm b(modus);
    b.Oeffnen();
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(test::Name(b.Feld(i)), QStringLiteral("Aufgabe %1: ").arg(i) + fragen[i - 1]);
    QCOMPARE(test::Namenlos(b.w), QStringList());
    QCOMPARE(test::Menuepfade(b.w), (QStringList{"Schließen", "Verwandlungskette",
                                                 "Anzahl der Durchgänge", "Zeitanzeige > Ein"}));
    QVERIFY(protokoll.ansagen.isEmpty());

    const Umwandlungsaufgabe& eins = Umwandlungsaufgaben[1];
    b.Antworte(1, eins.LoesungText);
    b.Antworte(2, QStringLiteral("99"));
    b.Antworte(2, QStringLiteral("99"));
    QCOMPARE(protokoll.ansagen, (QStringList{richtig1, Falsch1, b.Anzeige()}));
    QCOMPARE(protokoll.quellen.value(0), b.Label(QStringLiteral("lblAnzeige")));
    QCOMPARE(test::Name(b.Label(QStringLiteral("lblAktVersuche"))), QStringLiteral("Versuche: 3"));
    QCOMPARE(test::Name(b.Label(QStringLiteral("lblAktPunkte"))), QStringLiteral("Punkte: 1,0"));
    QCOMPARE(test::Name(b.Label(QStringLiteral("lblDurchgang"))),
             QStringLiteral("Durchgang: 1 von 1"));
    QCOMPARE(test::Name(b.Label(QStringLiteral("img1"))),
             QStringLiteral("Aufgabe 1: grünes lachendes Gesicht"));
    QCOMPARE(test::Name(b.Label(QStringLiteral("imgZ22"))), QStringLiteral("Aufgabe 2: Kreuz"));
    QCOMPARE(test::Name(b.Label(QStringLiteral("imgZ12"))), QString());

    const QStringList zeilen = test::Beschreibung(b.w.Client()).split(u'\n');
    QCOMPARE(zeilen.size(), 5);
    QCOMPARE(zeilen[0], QStringLiteral("Aufgabe 1: ") + Loesungssatz(eins, eins.LoesungText) +
                            QStringLiteral(", richtig"));
    QCOMPARE(zeilen[1], QStringLiteral("Aufgabe 2: ") + Loesungssatz(Umwandlungsaufgaben[2], "99") +
                            QStringLiteral(", falsch"));
    QVERIFY(zeilen[2].startsWith(QStringLiteral("Aufgabe 3: ") + fragen[2]));
    // The second mode draws each open row's answer beside it; the ear learns it too.
    QCOMPARE(zeilen[2].endsWith(QStringLiteral(", daneben in Blau: ") +
                                Umwandlungsaufgaben[3].LoesungText),
             modus == 2);

    b.Feld(3)->setFocus();
    test::Tippe(QStringLiteral("1"));
    QCOMPARE(protokoll.ansagen.size(), 3);
    test::Taste(Qt::Key_Return);
    QVERIFY(test::Beschreibung(b.w.Client())
                .split(u'\n')[2]
                .contains(QStringLiteral("erster Versuch falsch")));
}

// One whole set and the start of the next by keyboard alone: Enter from field to field,
// a second attempt in the same field, Space on "Weiter", every menu by its letters.
void TstEinheiten::satzNurMitTastatur() {
    Bildschirm b(1);
    TfrmMaxanzahl dialog(b.fenster);
    TfrmVerwandlungsketten kette(b.fenster);
    b.fenster.frmMaxanzahl = &dialog;
    b.fenster.frmVerwandlungsketten = &kette;
    b.Oeffnen();
    QCOMPARE(test::Tabfolge(b.w),
             (QStringList{"Edt1", "Edt2", "Edt3", "Edt4", "Edt5", "btnWeiter"}));
    QCOMPARE(QApplication::focusWidget(), b.Feld(1));

    test::Antworte(QStringLiteral("180"));
    test::Antworte(QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), b.Feld(2));
    test::Taste(Qt::Key_A, Qt::ControlModifier);
    test::Taste(Qt::Key_Backspace);
    test::Antworte(QStringLiteral("0,1"));
    for (const char* antwort : {"225", "18", "3"})
        test::Antworte(QString::fromLatin1(antwort));
    QCOMPARE(b.Versuche(), QStringLiteral("6"));
    QCOMPARE(b.Punkte(), QStringLiteral("4,5"));
    QCOMPARE(QApplication::focusWidget(), b.Teil(QStringLiteral("btnWeiter")));
    test::Taste(Qt::Key_Space);
    QCOMPARE(b.Versuche(), QStringLiteral("0"));
    QCOMPARE(QApplication::focusWidget(), b.Feld(1));

    // The rounds dialog: the number typed over the one shown, Tab to OK, Enter.
    test::BeimNaechstenModal([](QWidget& fenster) {
        QVERIFY(test::Aktivieren(fenster));
        test::Tippe(QStringLiteral("7"));
        test::Taste(Qt::Key_Tab);
        test::Taste(Qt::Key_Tab);
        test::Taste(Qt::Key_Return);
    });
    QVERIFY(test::Menue(b.w, {QStringLiteral("Anzahl der Durchgänge")}));
    QCOMPARE(MaxDurchgaenge[1], 7);
    // The chart closes with Escape; the focus is back in the first empty field.
    b.Oeffnen();
    bool kettenfenster = false;
    test::BeimNaechstenModal([&](QWidget& fenster) {
        kettenfenster = &fenster == &kette;
        QVERIFY(test::Aktivieren(fenster));
        test::Taste(Qt::Key_Escape);
    });
    QVERIFY(test::Menue(b.w, {QStringLiteral("Verwandlungskette")}));
    QVERIFY(kettenfenster);
    QVERIFY(!kette.isVisible());
    b.Oeffnen();
    QCOMPARE(QApplication::focusWidget(), b.Feld(1));
    QVERIFY(test::Menue(b.w, {QStringLiteral("Zeitanzeige"), QStringLiteral("Ein")}));
    QVERIFY(b.Label(QStringLiteral("pnlZeit"))->isVisible());
}

// At 200 % the axis of the lattice, one grey pixel at 1:1, is two device pixels; the
// tasks are drawn at the full resolution and the faces smoothly scaled.
void TstEinheiten::scharfBeiDoppelterAufloesung() {
    Bildschirm b(1);
    b.Oeffnen();
    b.Antworte(1, QStringLiteral("180"));
    const QString fehler =
        test::DoppeltScharf(*b.w.Client(), Zeile(1, 300, 700),
                            test::Strichprobe{{155, 300}, Qt::Vertical, QColor(128, 128, 128), 1});
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    const QImage doppelt = test::AufnahmeBei(*b.w.Client(), 2);
    QVERIFY(test::FeineBloecke(doppelt, QRect(80, 200, 126, 138)) > 0.2);
}

KALMIRO_TEST_MAIN(TstEinheiten)
#include "tst_einheiten.moc"
