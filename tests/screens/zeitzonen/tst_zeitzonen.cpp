#include "core/FlugzieleU.h"
#include "core/GlobaleU.h"
#include "core/ZonenU.h"
#include "platform/TPaintBox.h"
#include "platform/TRadioGroup.h"
#include "screens/zeitzonen/ZeitzonenU.h"
#include "screens/zeitzonen/Zonenauswahl.h"
#include "tests/support/Bildpruefung.h"
#include "tests/support/Kartenpruefung.h"
#include "tests/support/Tastatur.h"
#include "tests/support/Testmain.h"
#include "tests/support/Zeichenpruefung.h"
#include "tests/support/Zugangspruefung.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <climits>
#include <cmath>

using namespace kalmiro;
using namespace kalmiro::test;

namespace {

QDateTime Utc(int monat, int tag, int h, int m, int s) {
    return QDateTime(QDate(2024, monat, tag), QTime(h, m, s), Qt::UTC);
}

// The point a world distance from a clock's centre in a compass direction: the two
// scales of the mapping flatten a hand's circle a little on the screen.
QPoint Auf(QPointF mitte, double grad, double abstand) {
    const double w = grad * 3.14159265358979323846 / 180.0;
    return Pixel(mitte.x() + abstand * std::sin(w), mitte.y() + abstand * std::cos(w));
}

// The colour at the point or one of its eight neighbours: a thin hand lies within a
// pixel of its ideal line.
bool Nahe(const QImage& bild, QPoint p, const QColor& farbe) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (FarbeEtwa(bild, p.x() + dx, p.y() + dy, farbe)) return true;
    return false;
}

// What is wrong with the hands of the clock at the world centre for the time, if anything.
QString Zeigerfehler(const QImage& bild, QPointF mitte, QTime zeit) {
    const double stunde = (zeit.hour() % 12 + zeit.minute() / 60.0) * 30;
    const double minute = (zeit.minute() + zeit.second() / 60.0) * 6;
    const double sekunde = zeit.second() * 6;
    const QString uhr = zeit.toString(QStringLiteral("HH:mm:ss"));
    if (!Nahe(bild, Auf(mitte, stunde, 0.55), schwarz)) return uhr + QStringLiteral(": hour hand");
    for (const double daneben : {stunde - 30, stunde + 30})
        if (Nahe(bild, Auf(mitte, daneben, 0.55), schwarz))
            return uhr + QStringLiteral(": an hour hand an hour off");
    if (!Nahe(bild, Auf(mitte, minute, 1.0), grau128)) return uhr + QStringLiteral(": minute hand");
    if (!Nahe(bild, Auf(mitte, sekunde, 1.3), pink)) return uhr + QStringLiteral(": second hand");
    return {};
}

constexpr QPointF HeimUhr(0.5, 16.3);
QPointF ZonenUhr(int zone) {
    return {2.0 * zone - 1.7, -17};
}

// The zone's title ink; the clocks' rim is a brown no text's edge blends into.
const auto Rosa = Etwa(pink, 60);
const auto Rand = Etwa(braun, 0);

// The screen with its choice dialog, opened as the main window opens it.
struct Zeitzonen {
    Fensterverbund verbund;
    std::unique_ptr<TfrmZonenauswahl> auswahl;
    std::unique_ptr<TfrmZeitzonen> w;

    explicit Zeitzonen(int art = 1, const QDateTime& zeit = Utc(3, 14, 9, 20, 30)) {
        BeispielArt = art;
        Attrappen::Aktuell().SetzeZeit(zeit);
        auswahl = std::make_unique<TfrmZonenauswahl>(verbund);
        verbund.frmZonenauswahl = auswahl.get();
        w = std::make_unique<TfrmZeitzonen>(verbund);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    template <typename T> T* Teil(const QString& name) { return w->findChild<T*>(name); }
    QAction* Menue(const char* name) { return Teil<QAction>(QLatin1String(name)); }
    QLabel* Bild(const char* name) { return Teil<QLabel>(QLatin1String(name)); }

    // Picks the zone in the dialog from the menu and confirms it, as the pupil does.
    void Waehle(int code) {
        BeimNaechstenModal([code](QWidget& dialog) {
            auto* k = dialog.findChild<QRadioButton*>(
                QStringLiteral("grpAuswahl_%1").arg(ZonenEintrag(code)));
            QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(8, k->height() / 2));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("btnOk")),
                              Qt::LeftButton);
            if (dialog.isVisible()) dialog.close();
        });
        Menue("menAuswahl")->trigger();
        QCOMPARE(GewaehlteZone, code);
    }

    // The paint box's drawing on white, without the map below it.
    QImage Zeichnung() { return Aufnahme(*w->Uhren(), Qt::white); }
};

} // namespace

class TstZeitzonen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { Attrappen::Aktuell().EchteZeit(); }
    void aufbau_data();
    void aufbau();
    void uhrzeiger_data();
    void uhrzeiger();
    void gleicherZeitpunktGleicheZeiger();
    void keineZonenuhr_data();
    void keineZonenuhr();
    void zonentexte_data();
    void zonentexte();
    void sechsteZeileWaehrendDerAuswahl();
    void infoseiteUndZurueck();
    void sekundentakt();
    void zugang_data();
    void zugang();
    void nurMitTastatur();
    void doppelteAufloesung();
};

void TstZeitzonen::init() {
    Attrappen::Aktuell().Zuruecksetzen();
    MaxDurchgaenge = StandardDurchgaenge;
    ZonenAuswahl = 0;
    Bildschirm1024 = false;
}

void TstZeitzonen::aufbau_data() {
    QTest::addColumn<int>("art");
    QTest::newRow("Zeitzonen") << 1;
    QTest::newRow("Flugreisen") << 2;
}

// The layout holds the flights' components, shown only for the flights, and the aircraft
// table each picture under its own number. Both modes start on the map, maximised on a
// 1024 x 768 screen.
void TstZeitzonen::aufbau() {
    QFETCH(int, art);
    const bool flug = art == 2;
    Bildschirm1024 = true;
    MaxDurchgaenge[4] = 7;
    Zeitzonen z(art);
    QCOMPARE(z.w->windowTitle(), QStringLiteral("Zeitzonen"));
    QVERIFY(z.w->windowState() & Qt::WindowMaximized);
    QCOMPARE(z.w->ClientGroesse(), QSize(1016, 722));
    QCOMPARE(z.Bild("imgKarte")->geometry(), QRect(25, 92, 966, 529));
    QCOMPARE(z.Bild("imgBild")->geometry(), QRect(320, 424, 350, 200));
    QCOMPARE(z.w->Uhren()->geometry(), QRect(8, 2, 1000, 720));
    QVERIFY(z.Bild("imgKarte")->isVisible() && !z.Bild("imgBild")->isVisible());
    QCOMPARE(z.Menue("menAuswahl")->isVisible(), !flug);
    QCOMPARE(z.Menue("menInfo")->isVisible(), !flug);
    QCOMPARE(z.Menue("menMaxanzahl")->isVisible(), flug);
    for (const char* name :
         {"grpDurchgang", "grpVersuche", "grpPunkte", "btnWeiter", "edtEingabe", "lblAnzeige"})
        QVERIFY2(z.Teil<QWidget>(QLatin1String(name))->isVisible() == flug, name);
    QVERIFY(!z.Teil<QWidget>(QStringLiteral("btnAuswertung"))->isVisible());
    QCOMPARE(z.Teil<QLabel>(QStringLiteral("lblDurchgang"))->text(), QStringLiteral("1 / 7"));

    QVERIFY(!z.w->Flugzeugbild(0) && !z.w->Flugzeugbild(AnzahlFlugzeugbilder + 1));
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n) {
        QLabel* bild = z.w->Flugzeugbild(n);
        QCOMPARE(bild, z.Teil<QLabel>(QStringLiteral("imgFl%1").arg(n, 2, 10, QLatin1Char('0'))));
        const QString fehler = BildFehler(FlugzeugbildPfad(n), QSize(34, 34));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        // The flights show their destination's aircraft on the map.
        if (flug) {
            if (bild->isVisible()) QCOMPARE(bild->pixmap().size(), QSize(34, 34));
            continue;
        }
        QCOMPARE(bild->geometry(), QRect(24 + 40 * (n - 1), 624, 34, 34));
        QVERIFY(!bild->isVisible());
    }
    // The flights have no live clock above the map.
    QCOMPARE(Zeigerfehler(z.Zeichnung(), HeimUhr, QTime(10, 20, 30)).isEmpty(), !flug);
    if (!flug) Tour(Aufnahme(*z.w), QStringLiteral("zeitzonen_karte"));
}

// clang-format off
void TstZeitzonen::uhrzeiger_data() {
    QTest::addColumn<QDateTime>("zeitpunkt");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QTime>("heimat");
    QTest::addColumn<QTime>("dort");
    QTest::newRow("Greenwich") << Utc(3, 14, 9, 20, 30) << 0 << QTime(10, 20, 30) << QTime(9, 20, 30);
    QTest::newRow("-10h") << Utc(3, 14, 4, 0, 0) << -10 << QTime(5, 0, 0) << QTime(18, 0, 0);
    QTest::newRow("+12h") << Utc(3, 14, 13, 0, 0) << 12 << QTime(14, 0, 0) << QTime(1, 0, 0);
    QTest::newRow("Juli -5h") << Utc(7, 14, 12, 0, 0) << -5 << QTime(14, 0, 0) << QTime(7, 0, 0);
    QTest::newRow("Juli +8h") << Utc(7, 14, 22, 15, 45) << 8 << QTime(0, 15, 45) << QTime(6, 15, 45);
}
// clang-format on

// The home clock shows Central European time, summer time included; a zone's clock
// Greenwich's time and the zone's offset, whatever the computer's own zone.
void TstZeitzonen::uhrzeiger() {
    QFETCH(QDateTime, zeitpunkt);
    QFETCH(int, zone);
    QFETCH(QTime, heimat);
    QFETCH(QTime, dort);
    Zeitzonen z(1, zeitpunkt);
    z.Waehle(zone);
    const QImage bild = z.Zeichnung();
    const QString fehler =
        Zeigerfehler(bild, HeimUhr, heimat) + Zeigerfehler(bild, ZonenUhr(zone), dort);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    const QPoint heim = Pixel(HeimUhr.x(), HeimUhr.y());
    QVERIFY(FarbeEtwa(bild, heim.x() + 37, heim.y(), braun));
    QVERIFY(Nahe(bild, Pixel(0.5, 13), pink));
    QVERIFY(Nahe(bild, Pixel(ZonenUhr(zone).x(), -13.5), pink));
    if (zone == -5) Tour(Aufnahme(*z.w), QStringLiteral("zeitzonen_westlich"));
    if (zone == 8) Tour(Aufnahme(*z.w), QStringLiteral("zeitzonen_oestlich"));
}

// The same instant as computers elsewhere give it draws exactly the same clocks.
void TstZeitzonen::gleicherZeitpunktGleicheZeiger() {
    const QDateTime utc = Utc(7, 14, 23, 41, 7);
    QList<QImage> bilder;
    for (const int sekundenVorUtc : {0, 19800, -28800, 50400}) {
        Zeitzonen z(1, utc.toTimeZone(QTimeZone(sekundenVorUtc)));
        z.Waehle(-7);
        bilder << z.Zeichnung();
        QCOMPARE(bilder.last(), bilder.first());
    }
    QVERIFY(Zeigerfehler(bilder[0], HeimUhr, QTime(1, 41, 7)).isEmpty());
    QVERIFY(Zeigerfehler(bilder[0], ZonenUhr(-7), QTime(16, 41, 7)).isEmpty());
}

// clang-format off
void TstZeitzonen::keineZonenuhr_data() {
    QTest::addColumn<int>("zone");
    QTest::addColumn<bool>("ausDemDialog");
    QTest::newRow("Andere Zeitzonen") << -20 << true;
    QTest::newRow("Keine Auswahl") << -30 << true;
    QTest::newRow("Heimatzone") << 1 << false;
    QTest::newRow("13") << 13 << false;
    QTest::newRow("-11") << -11 << false;
    QTest::newRow("INT_MIN") << INT_MIN << false;
    QTest::newRow("INT_MAX") << INT_MAX << false;
}
// clang-format on

// No clock below the map for the other zones and for no choice; a code the table does
// not know draws nothing at all.
void TstZeitzonen::keineZonenuhr() {
    QFETCH(int, zone);
    QFETCH(bool, ausDemDialog);
    Zeitzonen z;
    const QImage nurHeimat = z.Zeichnung();
    if (ausDemDialog) {
        z.Waehle(zone);
    } else {
        GewaehlteZone = zone;
        z.w->Uhren()->update();
    }
    const QImage bild = z.Zeichnung();
    QVERIFY(Umriss(bild, Rand, QRect(0, Pixel(0, -12).y(), 1000, 200)).isEmpty());
    QVERIFY(Umriss(bild, Rosa, QRect(0, Pixel(0, -12).y(), 1000, 45)).isEmpty());
    QCOMPARE(bild == nurHeimat, zone != AndereZonen);
}

// clang-format off
void TstZeitzonen::zonentexte_data() {
    QTest::addColumn<int>("zone");
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("zeilen");
    const int westen[] = {2, 1, 1, 2, 3, 2, 2, 1, 1, 1, 1};
    for (int i = 0; i <= 10; ++i)
        QTest::newRow(qPrintable(QString::number(-i))) << -i << (i == 0 ? 0.5 : -2.0 * i + 0.5) << westen[i];
    const int osten[] = {3, 2, 2, 1, 1, 1, 2, 1, 1, 1, 1};
    for (int zone = 2; zone <= 12; ++zone)
        QTest::newRow(qPrintable(QStringLiteral("+%1").arg(zone))) << zone << -24.5 << osten[zone - 2];
    QTest::newRow("andere") << -20 << -24.5 << 3;
}
// clang-format on

// The chosen zone's title in pink and its lines in black: west of home beside the zone's
// own strip, Greenwich beside the home strip, east of home from the left edge; the other
// zones in three columns. Nothing runs off the paint box.
void TstZeitzonen::zonentexte() {
    QFETCH(int, zone);
    QFETCH(double, x);
    QFETCH(int, zeilen);
    Zeitzonen z;
    z.Waehle(zone);
    const QImage bild = z.Zeichnung();
    const int links = Pixel(x, 0).x();
    // Right of the clock for zones west of home, left of it for the others.
    const int rechts = zone >= 2 ? Pixel(ZonenUhr(zone).x() - 2, 0).x() : 999;
    const QRect titel = Umriss(bild, Rosa, Zeilenband(-14.5, 16, links - 4, rechts));
    QVERIFY2(std::abs(titel.left() - links) <= 2,
             qPrintable(QStringLiteral("title at %1").arg(titel.left())));
    const QList<double> spalten =
        zone == AndereZonen ? QList<double>{-24.5, -5, 8} : QList<double>{x};
    for (int i = 0; i < 3; ++i) {
        for (qsizetype s = 0; s < spalten.size(); ++s) {
            const int von = Pixel(spalten[s], 0).x();
            const int bis = s + 1 < spalten.size() ? Pixel(spalten[s + 1], 0).x() - 8 : rechts;
            const QRect zeile = Umriss(bild, Dunkel, Zeilenband(-15.5 - i, 13, von - 4, bis));
            QVERIFY2(zeile.isEmpty() == (i >= zeilen),
                     qPrintable(QStringLiteral("line %1").arg(i + 1)));
            QVERIFY(zeile.isEmpty() || (std::abs(zeile.left() - von) <= 2 && zeile.right() < 995));
        }
    }
    if (zone == AndereZonen) Tour(Aufnahme(*z.w), QStringLiteral("zeitzonen_andere"));
}

// While the dialog is open the home zone's last line reads differently; the paint reads
// a flag and changes nothing, so painting twice gives the same picture.
void TstZeitzonen::sechsteZeileWaehrendDerAuswahl() {
    Zeitzonen z;
    QImage vorher = z.Zeichnung();
    QImage waehrend;
    bool gleich = false;
    BeimNaechstenModal([&](QWidget& dialog) {
        waehrend = z.Zeichnung();
        gleich = z.Zeichnung() == waehrend;
        dialog.close();
    });
    z.Menue("menAuswahl")->trigger();
    QVERIFY(gleich);
    QCOMPARE(z.Zeichnung(), vorher);
    // Only the sixth line differs, and it is longer.
    const QRect sechste = Zeilenband(16, 13, Pixel(3, 0).x() - 2, 999);
    QVERIFY(Umriss(waehrend, Dunkel, sechste).width() > Umriss(vorher, Dunkel, sechste).width());
    for (QImage* b : {&waehrend, &vorher})
        QPainter(b).fillRect(sechste.adjusted(-2, -3, 2, 3), Qt::white);
    QCOMPARE(waehrend, vorher);
}

// Headings in blue, the marked parts in red, every line within the paint box, nothing
// over the picture and its caption centred below it. Closing the window there, or
// choosing a zone, brings the map back.
void TstZeitzonen::infoseiteUndZurueck() {
    Zeitzonen z;
    const QImage karte = z.Zeichnung();
    z.Waehle(4);
    z.Menue("menInfo")->trigger();
    QVERIFY(!z.Bild("imgKarte")->isVisible() && z.Bild("imgBild")->isVisible());
    const QImage bild = z.Zeichnung();
    Tour(Aufnahme(*z.w), QStringLiteral("zeitzonen_info"));
    QVERIFY(Umriss(bild, Rand, bild.rect()).isEmpty());
    for (const double y : {18.0, 14.0, 4.0})
        QCOMPARE(Umriss(bild, Blau, Zeilenband(y, 19)).left(), Pixel(-24.5, 0).x() + 1);
    const QList<double> rot{10.5, 6.5, 5.5, 1.5, -1.5};
    for (const double y :
         {16.5, 15.5, 12.5, 11.5, 10.5, 9.5, 8.5, 7.5, 6.5, 5.5, 2.5, 1.5, 0.5, -0.5, -1.5}) {
        const QRect band = Zeilenband(y, 16);
        QVERIFY2(Umriss(bild, Rot, band).isEmpty() != rot.contains(y),
                 qPrintable(QString::number(y)));
        QVERIFY2(Umriss(bild, Dunkel, band).right() < 995, qPrintable(QString::number(y)));
    }
    const QRect bildflaeche(312, 422, 350, 200); // imgBild in paint-box pixels
    QVERIFY(Umriss(bild, Dunkel, bildflaeche.adjusted(-40, -20, 40, 0)).isEmpty());
    const QRect unterschrift = Umriss(bild, Dunkel, Zeilenband(-15, 16));
    QVERIFY(unterschrift.top() > bildflaeche.bottom() &&
            std::abs(unterschrift.center().x() - 500) <= 3);

    z.Menue("menSchliessen")->trigger();
    QVERIFY(!z.w->isVisible());
    z.w->show();
    QVERIFY(z.Bild("imgKarte")->isVisible() && !z.Bild("imgBild")->isVisible());
    QCOMPARE(GewaehlteZone, KeineZone);
    QCOMPARE(z.Zeichnung(), karte);
    z.Menue("menInfo")->trigger();
    z.Waehle(-3);
    QVERIFY(z.Bild("imgKarte")->isVisible() && !z.Bild("imgBild")->isVisible());
    QVERIFY(Zeigerfehler(z.Zeichnung(), ZonenUhr(-3), QTime(6, 20, 30)).isEmpty());
}

// The clocks tick just past each full second and repaint their paint box; they stop
// while the window is put away, and the flights have no live clocks.
void TstZeitzonen::sekundentakt() {
    Zeitzonen z(1, QDateTime(QDate(2024, 3, 14), QTime(12, 0, 0, 250)));
    QTimer* timer = z.w->Timer1();
    QCOMPARE(timer->objectName(), QStringLiteral("Timer1"));
    QVERIFY(timer->isActive() && timer->isSingleShot());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(timer->interval(), 755);
    Malzaehler uhren;
    z.w->Uhren()->installEventFilter(&uhren);
    QSignalSpy tick(timer, &QTimer::timeout);
    Attrappen::Aktuell().SetzeZeit(QDateTime(QDate(2024, 3, 14), QTime(12, 0, 1, 960)));
    QVERIFY(tick.wait(3000));
    QCOMPARE(timer->interval(), 45);
    QTRY_VERIFY(uhren.anzahl > 0);

    z.w->close();
    QVERIFY(!timer->isActive());
    BeispielArt = 2;
    z.w->show();
    QVERIFY(!timer->isActive());
}

// What a screen reader reads of the map: the home zone's title, its clock's time and its
// countries, then the chosen zone's the same way (the other zones without a clock); the
// choice is said as it is made.
void TstZeitzonen::zugang_data() {
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("uhr"); // the zone clock's time, empty for none
    QTest::newRow("Greenwich") << 0 << "9:20:30";
    QTest::newRow("-10h, am Vortag") << -10 << "23:20:30";
    QTest::newRow("andere") << AndereZonen << "";
    QTest::newRow("keine Auswahl") << OhneZone << "";
}

void TstZeitzonen::zugang() {
    QFETCH(int, zone);
    QFETCH(QString, uhr);
    Zeitzonen z;
    const Zonentexte& heimat = TexteDerHeimatzone(false);
    const QStringList zuhause = QStringList{heimat.titel, "Uhrzeit: 10:20:30"} + heimat.zeilen;
    QCOMPARE(Name(z.w->Uhren()), QStringLiteral("Uhren der Zeitzonen"));
    QCOMPARE(Beschreibung(z.w->Uhren()).split(u'\n'), zuhause);
    QCOMPARE(Namenlos(*z.w), QStringList());
    Zugangsprotokoll protokoll;
    z.Waehle(zone);
    QStringList dort;
    if (const Zonentexte* texte = TexteDerZone(zone)) {
        dort << texte->titel;
        if (!uhr.isEmpty()) dort << QStringLiteral("Uhrzeit: ") + uhr;
        QCOMPARE(protokoll.ansagen, QStringList{dort.join(QStringLiteral(", "))});
        dort << texte->zeilen;
    }
    QCOMPARE(Beschreibung(z.w->Uhren()).split(u'\n'), zuhause + dort);
    QCOMPARE(protokoll.ansagen.size(), dort.isEmpty() ? 0 : 1);
}

// The zone screen by keys alone: "Zeitzonen" by its access key, a zone chosen with the
// arrow keys and Enter, the information page by its key, read out and readable line by
// line; Escape in the dialog hands nothing over; Alt+S closes the window.
void TstZeitzonen::nurMitTastatur() {
    Zeitzonen z;
    z.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(z.w.get()));
    QCOMPARE(Menuepfade(*z.w), (QStringList{"Schließen", "Zeitzonen", "Infotext"}));
    Zugangsprotokoll protokoll;
    const auto waehle = [&z](QList<Qt::Key> tasten) {
        BeimNaechstenModal([tasten](QWidget& dialog) {
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            for (Qt::Key taste : tasten)
                Taste(taste);
            if (dialog.isVisible()) dialog.close();
        });
        QVERIFY(Menue(*z.w, {QStringLiteral("Zeitzonen")}));
        z.w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(z.w.get()));
    };
    waehle({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return});
    QCOMPARE(GewaehlteZone, -5);
    Tour(Aufnahme(*z.w), QStringLiteral("zeitzonen_tastatur"));
    QVERIFY(Menue(*z.w, {QStringLiteral("Infotext")}));
    QVERIFY(z.Bild("imgBild")->isVisible());
    QCOMPARE(Name(z.w->Uhren()), QStringLiteral("Infotext"));
    const QStringList info = Beschreibung(z.w->Uhren()).split(u'\n');
    QCOMPARE(info.size(), 19);
    QCOMPARE(info[10],
             QStringLiteral("Ein weltweites Zeitzonensystem wurde erstmals 1879 vom "
                            "kanadischen Eisenbahningenieur Sandford Fleming (1827–1915)"));
    QCOMPARE(info.last(), QStringLiteral("Weltkarte mit Tag-Nacht-Grenze"));
    QCOMPARE(Namenlos(*z.w), QStringList());
    waehle({Qt::Key_Up, Qt::Key_Escape});
    QCOMPARE(GewaehlteZone, -5);
    QVERIFY(z.Bild("imgKarte")->isVisible());
    QCOMPARE(protokoll.ansagen,
             (QStringList{"Länder für die Zeitzone -5h, Uhrzeit: 4:20:30", "Infotext"}));
    QVERIFY(Menue(*z.w, {QStringLiteral("Schließen")}));
    QVERIFY(!z.w->isVisible());
}

// At 200 % the home clock is drawn at the full resolution, and its arrow, three pixels
// wide at 1:1 above the map, is six device pixels and sharp.
void TstZeitzonen::doppelteAufloesung() {
    Zeitzonen z;
    z.Waehle(3);
    const QPoint box(8, 2); // the paint box in the window
    const QPoint uhr = box + Pixel(HeimUhr.x(), HeimUhr.y());
    const QString fehler =
        DoppeltScharf(*z.w->Client(), QRect(uhr - QPoint(40, 38), QSize(80, 76)),
                      Strichprobe{box + Pixel(0.5, 13.9), Qt::Horizontal, pink, 3},
                      QStringLiteral("zeitzonen_200_prozent"));
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

KALMIRO_TEST_MAIN(TstZeitzonen)
#include "tst_zeitzonen.moc"
