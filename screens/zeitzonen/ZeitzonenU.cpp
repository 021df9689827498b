#include "screens/zeitzonen/ZeitzonenU.h"

#include "core/GlobaleU.h"
#include "core/ZonenU.h"
#include "core/ZufallU.h"
#include "draw/AnaloguhrU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/TEdit.h"
#include "platform/TPaintBox.h"
#include "platform/TSekundentakt.h"
#include "platform/Zugang.h"
#include "screens/zeitzonen/Zonenauswahl.h"
#include "ui_ZeitzonenU.h"

#include <QHideEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTime>
#include <algorithm>

namespace kalmiro {
namespace {

constexpr int FlugRundenart = 4; // the entry of MaxDurchgaenge the flights use

const QColor Schwarz(0, 0, 0);
const QColor Weiss(255, 255, 255);
const QColor Blau(0, 0, 255);
const QColor Rot(255, 0, 0);

// The clocks: the home clock above the map, a zone's clock below its strip, which is
// 2 world units wide; the home zone's strip is centred on x = 0.5.
constexpr float Uhrradius = 1.8f;
constexpr float HeimUhrX = 0.5f, HeimUhrHoehe = 16.3f;
constexpr float ZonenUhrHoehe = -17.0f;
float ZonenUhrX(int zone) {
    return 2.0f * static_cast<float>(zone) - 1.7f;
}

struct Ort {
    float x, y;
};

// Top-left corners of the home zone's title and five lines.
constexpr Ort HeimTitel{-25, 18};
constexpr Ort HeimZeilen[] = {{-25, 17}, {-25, 16}, {-25, 15}, {3, 17}, {3, 16}};

// The chosen zone's texts: the title row, then up to three rows of countries.
constexpr float ZonenTitelY = -14.5f;
constexpr float ZonenZeile1Y = -15.5f;
constexpr int ZonenZeilen = 3;
// The nine other zones stand in three columns.
constexpr float AndereSpalten[] = {-24.5f, -5.0f, 8.0f};
qsizetype Textspalten(int zone) {
    return zone == AndereZonen ? static_cast<qsizetype>(std::size(AndereSpalten)) : 1;
}

// Zones west of home write beside their own strip; Greenwich beside the home strip.
float ZonentextX(int zone) {
    if (zone == 0) return 0.5f;
    if (zone < 0 && zone != AndereZonen) return 2.0f * static_cast<float>(zone) + 0.5f;
    return -24.5f;
}

enum class Art { Ueberschrift, Text };
struct Infozeile {
    float y;
    Art art;
    const char16_t* text; // '#' marks the parts in red
};

// clang-format off
constexpr Infozeile Infotext[] = {
    {18.0f, Art::Ueberschrift, u"Zeitzone"},
    {16.5f, Art::Text, u"Eine Zeitzone ist ein Abschnitt der Erdoberfläche, auf dem zu einem gegebenen Zeitpunkt die gleiche Uhrzeit und das gleiche"},
    {15.5f, Art::Text, u"Datum gilt."},
    {14.0f, Art::Ueberschrift, u"Entstehung"},
    {12.5f, Art::Text, u"Ursprünglich verfügte jeder größere Ort über seine eigene Uhrzeit, die nach der Sonne synchronisiert wurde."},
    {11.5f, Art::Text, u"Wenn die Sonne ihren höchsten Punkt über dem Horizont erreichte, war es 12 Uhr mittags."},
    {10.5f, Art::Text, u"In den #1840-1860er Jahren# wurden in fast allen Europäischen Ländern landesweit einheitliche Zeitenzonen festgelegt."},
    {9.5f, Art::Text, u"Diese folgten jedoch keinem festen Raster, sondern waren meist auf die Lokalzeit der jeweiligen Hauptstadt bezogen."},
    {8.5f, Art::Text, u"Mit der Entstehung grenzüberschreitender Bahnlinien wurde für die jeweilige Strecke eine bestimmte Zeit verwendet,"},
    {7.5f, Art::Text, u"was dazu führte, dass die Ortszeit von der Bahnzeit abwich."},
    {6.5f, Art::Text, u"Ein weltweites Zeitzonensystem wurde erstmals #1879# vom kanadischen Eisenbahningenieur #Sandford Fleming (1827–1915)#"},
    {5.5f, Art::Text, u"als #Eisenbahnzeit# vorgeschlagen."},
    {4.0f, Art::Ueberschrift, u"Heutige Situation"},
    {2.5f, Art::Text, u"Auf einer Konferenz in Washington (1884) wurde die Erdkugel in Normalzeitzonen aufgeteilt. Man bestimmte den Meridian der"},
    {1.5f, Art::Text, u"durch den Ort #Greenwich# bei London läuft, zum #0–Meridian# und teilte die 360 Grad des Erdumfangs in #24 Zonen# zu je #15 Grad#."},
    // "Orstzeit" is the program's own wording.
    {0.5f, Art::Text, u"Die 24 Zonen unterscheiden sich in ihrer Orstzeit jeweils um eine volle Stunde und bilden die Grundlage zur Zeitbestimmung."},
    {-0.5f, Art::Text, u"Die Zeiten in den anderen Zeitzonen ergeben sich durch Hinzufügen oder Abziehen einer (meistens) ganzzahligen Anzahl von"},
    {-1.5f, Art::Text, u"Stunden, je nach ihrem (mittleren) Abstand vom #nullten Längengrad#."},
};
// clang-format on
constexpr float InfoX = -24.5f;
const QString Bildunterschrift = QStringLiteral("Weltkarte mit Tag-Nacht-Grenze");

// A clock's time as a screen reader reads it.
QString Uhrzeitgelesen(const QTime& zeit) {
    return QStringLiteral("Uhrzeit: ") + zeit.toString(QStringLiteral("H:mm:ss"));
}

// The flights.
constexpr int Abflugpause = 1000; // ms between a new task and the take-off
const QString Flugaufforderung =
    QStringLiteral("Gib den Zeitpunkt bzw. die Zeitdauer ein und drücke die Enter–Taste");
constexpr float WienBeschriftungY = 15.0f;
constexpr float WienPfeilY = 14.0f;
// The clock at Wien stands halfway between the city and its label.
float HeimUhrY() {
    return (Flugziele[Heimatstadt].Y + WienBeschriftungY) / 2.0f;
}
constexpr int Randpixel = 4; // a label's box and a little air within the paint box
constexpr float FlugUhrradius = 1.6f;
// A clock on its own gets longer hands than one of a pair; both stay within the face.
constexpr float ZeigerEinzeln = 1.8f;
constexpr float ZeigerPaar = 1.6f;
constexpr Ort Zeile1Ort{-24.0f, 18.0f};
constexpr Ort Zeile2Ort{-21.85f, 16.5f};
constexpr Ort GesuchtOrt{-24.0f, 15.0f};
constexpr Ort FlugtitelOrt{-24.5f, -16.5f};
constexpr Ort StreckeOrt{-24.5f, -18.0f};

} // namespace

QString FlugzeugbildPfad(int n) {
    return QStringLiteral(":/bilder/zeitzonen/imgFl%1.png").arg(n, 2, 10, QLatin1Char('0'));
}

TfrmZeitzonen::TfrmZeitzonen(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZeitzonen>()),
      m_timer1(new TSekundentakt(this)), m_timer2(new QTimer(this)) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(255, 255, 255));

    // The aircraft by name; each gets the picture of its number when it is first shown.
    Flugzeug = {nullptr,     ui->imgFl01, ui->imgFl02, ui->imgFl03, ui->imgFl04, ui->imgFl05,
                ui->imgFl06, ui->imgFl07, ui->imgFl08, ui->imgFl09, ui->imgFl10, ui->imgFl11,
                ui->imgFl12, ui->imgFl13, ui->imgFl14, ui->imgFl15, ui->imgFl16, ui->imgFl17,
                ui->imgFl18, ui->imgFl19, ui->imgFl20, ui->imgFl21};

    // The panel is white whatever the desktop's colours.
    Hintergrundfarbe(ui->pnlAnzeige, Qt::white);

    ui->pntUhren->OnPaint = [this](QPainter& canvas) { pntUhrenPaint(canvas); };
    m_runde = std::make_unique<TZeituebung>(
        m_fenster, FlugRundenart,
        Zeituebungsteile{ui->edtEingabe, ui->lblAnzeige, ui->lblDurchgang, ui->lblAktVersuche,
                         ui->lblAktPunkte, ui->btnWeiter, ui->btnAuswertung});
    connect(ui->edtEingabe, &TEdit::Exit, this, &TfrmZeitzonen::edtEingabeExit);
    connect(ui->btnWeiter, &QPushButton::clicked, this, &TfrmZeitzonen::btnWeiterClick);
    connect(ui->btnAuswertung, &QPushButton::clicked, this, &TfrmZeitzonen::btnAuswertungClick);
    connect(ui->menMaxanzahl, &QAction::triggered, this, &TfrmZeitzonen::menMaxanzahlClick);

    // What a screen reader reads of a flight: the quantity asked and the task for the
    // field, the drawn texts and the judged answer for the map, the aircraft by name.
    Beschreiben(
        ui->edtEingabe, [this] { return Flugmodus() ? m_aufgabe.Gesucht : QString(); },
        [this] {
            return Flugmodus() ? Flugtexte(m_aufgabe).join(QStringLiteral(", ")) : QString();
        });
    Beschreiben(
        ui->pntUhren,
        [this] {
            return Flugmodus()  ? QStringLiteral("Flugkarte")
                   : Seite == 2 ? QStringLiteral("Infotext")
                                : QStringLiteral("Uhren der Zeitzonen");
        },
        [this] {
            return (Flugmodus()  ? Vorgelesen()
                    : Seite == 2 ? InfoVorgelesen()
                                 : KarteVorgelesen())
                .join(u'\n');
        });
    Beschreiben(ui->imgKarte, [] { return QStringLiteral("Weltkarte mit den Zeitzonen"); });
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        Beschreiben(Flugzeug[static_cast<std::size_t>(n)],
                    [] { return QStringLiteral("Flugzeug"); });
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    connect(ui->menAuswahl, &QAction::triggered, this, &TfrmZeitzonen::menAuswahlClick);
    connect(ui->menInfo, &QAction::triggered, this, &TfrmZeitzonen::menInfoNrClick);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TfrmZeitzonen::Timer1Timer);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setTimerType(Qt::PreciseTimer);
    m_timer2->setInterval(10);
    connect(m_timer2, &QTimer::timeout, this, &TfrmZeitzonen::Timer2Timer);
}

TfrmZeitzonen::~TfrmZeitzonen() = default;

QLabel* TfrmZeitzonen::Flugzeugbild(int n) const {
    if (n < 1 || n > AnzahlFlugzeugbilder) return nullptr;
    return Flugzeug[static_cast<std::size_t>(n)];
}

TPaintBox* TfrmZeitzonen::Uhren() const {
    return ui->pntUhren;
}

QTimer* TfrmZeitzonen::Timer1() const {
    return m_timer1;
}

QTimer* TfrmZeitzonen::Timer2() const {
    return m_timer2;
}

bool TfrmZeitzonen::Flugmodus() const {
    return BeispielArt == 2;
}

void TfrmZeitzonen::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
    FarbenSetzen();
    Randomize();
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 700);
    SetBackColor(KeineFarbe);

    // Every opening starts a series of its own, whatever the last one came to.
    m_runde->SerieBeginnen();

    ui->edtEingabe->show();
    ui->edtEingabe->clear();
    ui->edtEingabe->setFocus();
    ui->pnlAnzeige->hide();

    GewaehlteZone = KeineZone;
    Seite = 1;
    // A visit that ended on the information page starts with the map again.
    KarteZeigen(true);
    m_auswahlOffen = false;

    const bool flug = Flugmodus();
    ModusZeigen(flug);
    if (flug) {
        m_timer1->stop();
        NeueFlugaufgabe();
        // The show event comes before the window is on the screen; the pause starts once
        // it is.
        QTimer::singleShot(0, this, [this, nummer = m_flugnummer] { Abflug(nummer); });
    } else {
        m_timer2->stop();
        m_timer1->Starten();
    }
    NeuZeichnen();
}

void TfrmZeitzonen::hideEvent(QHideEvent* e) {
    TForm::hideEvent(e);
    // Nothing ticks for a window that was put away; its activation starts the clocks.
    if (e->spontaneous()) return;
    m_timer1->stop();
    m_timer2->stop();
}

void TfrmZeitzonen::ModusZeigen(bool flug) {
    ui->menAuswahl->setVisible(!flug);
    ui->menInfo->setVisible(!flug);
    ui->menMaxanzahl->setVisible(flug);
    const std::initializer_list<QWidget*> flugteile{ui->grpDurchgang, ui->grpVersuche,
                                                    ui->grpPunkte,    ui->btnWeiter,
                                                    ui->edtEingabe,   ui->lblAnzeige};
    for (QWidget* w : flugteile)
        w->setVisible(flug);
    // "Auswertung" takes the place of "Weiter" only once a series is done.
    ui->btnAuswertung->hide();
    FlugzeugZeigen(0);
}

void TfrmZeitzonen::KarteZeigen(bool karte) {
    if (karte)
        BildLaden(ui->imgKarte, QStringLiteral(":/bilder/zeitzonen/imgKarte.jpg"));
    else
        BildLaden(ui->imgBild, QStringLiteral(":/bilder/zeitzonen/imgBild.jpg"));
    ui->imgKarte->setVisible(karte);
    ui->imgBild->setVisible(!karte);
}

void TfrmZeitzonen::FlugzeugZeigen(int n) {
    if (QLabel* bild = Flugzeugbild(n)) BildLaden(bild, FlugzeugbildPfad(n));
    for (int i = 1; i <= AnzahlFlugzeugbilder; ++i)
        Flugzeug[static_cast<std::size_t>(i)]->setVisible(i == n);
}

void TfrmZeitzonen::menAuswahlClick() {
    Seite = 1;
    KarteZeigen(true);
    m_auswahlOffen = true;
    ui->pntUhren->update();
    const bool gewaehlt =
        m_fenster.frmZonenauswahl && m_fenster.frmZonenauswahl->ZeigeModal() == Ergebnis::Ok;
    m_auswahlOffen = false;
    ui->pntUhren->update();
    // The zone chosen is said with its clock, as the eye finds it below the map.
    const QStringList zone = ZoneVorgelesen(GewaehlteZone, Jetzt());
    if (gewaehlt && !zone.isEmpty())
        Ansagen(ui->pntUhren,
                zone.mid(0, IstStundenzone(GewaehlteZone) ? 2 : 1).join(QStringLiteral(", ")));
}

void TfrmZeitzonen::menInfoNrClick() {
    Seite = 2;
    KarteZeigen(false);
    NeuZeichnen();
    Ansagen(ui->pntUhren, QStringLiteral("Infotext"));
}

void TfrmZeitzonen::Timer1Timer() {
    ui->pntUhren->update();
}

void TfrmZeitzonen::pntUhrenPaint(QPainter& canvas) {
    PaintBackground(canvas);
    if (Flugmodus())
        FlugZeichnen(canvas);
    else if (Seite == 2)
        InfoZeichnen(canvas);
    else
        KarteZeichnen(canvas);
}

QStringList TfrmZeitzonen::KarteVorgelesen() const {
    // Every clock reads the one instant, as on the screen.
    const QDateTime jetzt = Jetzt();
    const Zonentexte& heimat = TexteDerHeimatzone(m_auswahlOffen);
    QStringList zeilen{heimat.titel, Uhrzeitgelesen(Heimatzeit(jetzt))};
    zeilen << heimat.zeilen.mid(0, static_cast<qsizetype>(std::size(HeimZeilen)))
           << ZoneVorgelesen(GewaehlteZone, jetzt);
    return zeilen;
}

QStringList TfrmZeitzonen::ZoneVorgelesen(int zone, const QDateTime& jetzt) {
    const Zonentexte* texte = TexteDerZone(zone);
    if (!texte) return {};
    QStringList zeilen{texte->titel};
    if (IstStundenzone(zone)) zeilen << Uhrzeitgelesen(Weltzeit(jetzt).addSecs(3600 * zone));
    return zeilen << texte->zeilen.mid(0, Textspalten(zone) * ZonenZeilen);
}

QStringList TfrmZeitzonen::InfoVorgelesen() const {
    QStringList zeilen;
    for (const Infozeile& z : Infotext)
        zeilen << QString::fromUtf16(z.text).remove(u'#');
    return zeilen << Bildunterschrift;
}

void TfrmZeitzonen::UhrZeichnen(QPainter& canvas, float x, float y, const QTime& zeit,
                                int stunden) {
    DrawClockFace(canvas, fbBraun, fbGrau240, 7, x, y, Uhrradius);
    DrawClockHandsShifted(canvas, Schwarz, fbGrau128, fbPink, 3, 2, 1, zeit, stunden, 0, x, y,
                          Uhrradius);
}

void TfrmZeitzonen::KarteZeichnen(QPainter& canvas) {
    // Every clock reads the one instant, so the two never disagree by a second.
    const QDateTime jetzt = Jetzt();
    UhrZeichnen(canvas, HeimUhrX, HeimUhrHoehe, Heimatzeit(jetzt), 0);
    DrawArrowV(canvas, 3, fbPink, HeimUhrX, 14.2f, 12.0f, 'U');

    const Zonentexte& heimat = TexteDerHeimatzone(m_auswahlOffen);
    TextLeft(canvas, heimat.titel, HeimTitel.x, HeimTitel.y, fbPink, 12, true);
    const qsizetype zeilen = std::min<qsizetype>(heimat.zeilen.size(), std::size(HeimZeilen));
    for (qsizetype i = 0; i < zeilen; ++i) {
        const Ort& o = HeimZeilen[i];
        TextLeft(canvas, heimat.zeilen[i], o.x, o.y, Schwarz, 10, true);
    }

    const int zone = GewaehlteZone;
    if (IstStundenzone(zone)) {
        const float x = ZonenUhrX(zone);
        UhrZeichnen(canvas, x, ZonenUhrHoehe, Weltzeit(jetzt), zone);
        DrawArrowV(canvas, 3, fbPink, x, -12.0f, -14.8f, 'O');
    }
    ZonentexteZeichnen(canvas, zone);
}

void TfrmZeitzonen::ZonentexteZeichnen(QPainter& canvas, int zone) {
    const Zonentexte* texte = TexteDerZone(zone);
    if (!texte) return;
    const float x = ZonentextX(zone);
    TextLeft(canvas, texte->titel, x, ZonenTitelY, fbPink, 12, true);
    const qsizetype spalten = Textspalten(zone);
    const qsizetype anzahl = std::min<qsizetype>(texte->zeilen.size(), spalten * ZonenZeilen);
    for (qsizetype i = 0; i < anzahl; ++i) {
        const float sx = spalten > 1 ? AndereSpalten[i % spalten] : x;
        const float sy = ZonenZeile1Y - static_cast<float>(i / spalten);
        TextLeft(canvas, texte->zeilen[i], sx, sy, Schwarz, 10, true);
    }
}

void TfrmZeitzonen::InfoZeichnen(QPainter& canvas) {
    for (const Infozeile& z : Infotext) {
        const QString text = QString::fromUtf16(z.text);
        if (z.art == Art::Ueberschrift)
            TextLeft(canvas, text, InfoX, z.y, Blau, 14, true);
        else
            TextLeft2(canvas, text, InfoX, z.y, Schwarz, Rot, 12, true);
    }
    TextCentre(canvas, Bildunterschrift, 0, -15, Schwarz, 12, true);
}

void TfrmZeitzonen::NeueFlugaufgabe() {
    // The previous flight ends where it is; this one starts at Wien.
    m_timer2->stop();
    ++m_flugnummer;
    m_aufgabe = FlugaufgabeZiehen();
    m_route = Flugroute(m_aufgabe.Flugziel());
    Flugschritt = 0;
    FlugzeugSetzen(m_route.Start);
    FlugzeugZeigen(m_aufgabe.Flugziel().Bild);

    EingabePlatzieren();
    m_runde->Aufforderung(Flugaufforderung);
    m_runde->NeueAufgabe(m_aufgabe.Ergebnis, m_aufgabe.Form());
    AntwortZeigen(); // an open task: no panel
    ui->pntUhren->update();
}

void TfrmZeitzonen::Abflug(int flug) {
    if (flug != m_flugnummer) return;
    QPointer<TfrmZeitzonen> selbst(this);
    Warte(Abflugpause);
    // Closed meanwhile, or a newer task on the screen: this aircraft stays where it is.
    if (!selbst || !isVisible() || !Flugmodus() || flug != m_flugnummer) return;
    m_timer2->start();
}

void TfrmZeitzonen::Timer2Timer() {
    ++Flugschritt;
    // Moving the picture repaints what it leaves and what it covers.
    FlugzeugSetzen(Flugposition(m_route, Flugschritt));
    if (Flugschritt >= m_route.Flugschritte) m_timer2->stop();
}

void TfrmZeitzonen::FlugzeugSetzen(Weltpunkt ort) {
    QLabel* bild = Flugzeugbild(m_aufgabe.Flugziel().Bild);
    if (!bild) return;
    int px = 0, py = 0;
    WorldToPixel(ort.x, ort.y, px, py);
    const QPoint box = ui->pntUhren->pos();
    bild->move(box.x() + px - bild->width() / 2, box.y() + py - bild->height() / 2);
}

void TfrmZeitzonen::EingabePlatzieren() {
    const TFlugziel& wien = Flugziele[Heimatstadt];
    const TFlugziel& ziel = m_aufgabe.Flugziel();
    Weltpunkt ort;
    int dx = 30, dy = 0, breite = 80;
    TEdit* feld = ui->edtEingabe;
    switch (m_aufgabe.Aufgabenart) {
    case AnkunftGefragt: // below and right of the destination
        ort = m_route.Ziel;
        dy = 20;
        break;
    case AbflugGefragt: // above and right of Wien
        ort = m_route.Start;
        dy = -feld->height();
        break;
    default: // beside the middle of the route: above a flight west, below one east
        ort = wien.X >= ziel.X ? m_route.Feld1 : m_route.Feld2;
        dx = -60;
        dy = -14;
        breite = 120;
        break;
    }
    // The paint box's pixels, taken as the window's.
    int px = 0, py = 0;
    WorldToPixel(ort.x, ort.y, px, py);
    feld->setGeometry(px + dx, py + dy, breite, feld->height());
    ui->pnlAnzeige->setGeometry(px + dx, py + dy, breite, ui->pnlAnzeige->height());
}

void TfrmZeitzonen::AntwortZeigen() {
    QLabel* panel = ui->pnlAnzeige;
    if (ZeigeRichtig())
        Anzeigen(panel, m_aufgabe.Ergebnis, Blau, false);
    else if (ZeigeFalsch())
        Anzeigen(panel, ui->edtEingabe->text(), Rot, false);
    panel->setVisible(ZeigeRichtig() || ZeigeFalsch());
}

void TfrmZeitzonen::edtEingabeExit() {
    if (m_runde->Pruefen()) AntwortZeigen();
}

void TfrmZeitzonen::btnWeiterClick() {
    if (!m_runde->Weiter()) return;
    NeueFlugaufgabe();
    NeuZeichnen();
    Abflug(m_flugnummer);
}

void TfrmZeitzonen::btnAuswertungClick() {
    m_runde->Auswerten();
    // The new series' first aircraft waits at Wien.
    NeueFlugaufgabe();
    NeuZeichnen();
}

void TfrmZeitzonen::menMaxanzahlClick() {
    m_runde->Rundendialog();
    NeuZeichnen();
}

QStringList TfrmZeitzonen::Vorgelesen() const {
    QStringList zeilen = Flugtexte(m_aufgabe);
    if (ZeigeRichtig())
        zeilen << m_aufgabe.Gesucht + QStringLiteral(": ") + m_aufgabe.Ergebnis +
                      QStringLiteral(", richtig");
    else if (ZeigeFalsch())
        zeilen << QStringLiteral("deine Eingabe ") + ui->edtEingabe->text() +
                      QStringLiteral(", falsch");
    return zeilen;
}

void TfrmZeitzonen::FlugZeichnen(QPainter& canvas) {
    const TFlugziel& wien = Flugziele[Heimatstadt];
    const TFlugziel& ziel = m_aufgabe.Flugziel();
    const TFlugaufgabe& a = m_aufgabe;

    DrawLine(canvas, 3, QColor::fromRgb(fbBraun), wien.X, wien.Y, ziel.X, ziel.Y, 1);
    TextCentreBox(canvas, wien.Stadt, wien.X, WienBeschriftungY, Rot, Weiss, 12, true);
    DrawArrowV(canvas, 3, Rot, wien.X, WienPfeilY, wien.Y + 0.3f, 'U');
    TextLeft(canvas, Flugtitel(ziel), FlugtitelOrt.x, FlugtitelOrt.y, Rot, 12, true);
    TextLeft(canvas, Flugstrecke(ziel), StreckeOrt.x, StreckeOrt.y, Rot, 12, true);
    // Centred below the city, but whole: Anchorage's label would run off the left edge.
    const QString beschriftung = Zielbeschriftung(ziel);
    const Weltabbildung& welt = Abbildung();
    const float halbe =
        (static_cast<float>(TextWidthMarked(canvas, beschriftung, 12, true)) / 2.0f + Randpixel) /
        static_cast<float>(welt.unitx);
    const float mitte = std::max(welt.xmin + halbe, std::min(ziel.X, welt.xmax - halbe));
    TextCentreBox(canvas, beschriftung, mitte, Zielbeschriftungshoehe, Blau, Weiss, 12, true);
    DrawArrowV(canvas, 3, Blau, ziel.X, ziel.Y - 0.25f, Zielbeschriftungshoehe, 'O');

    TextLeft2(canvas, a.Zeile1, Zeile1Ort.x, Zeile1Ort.y, Schwarz, Rot, 12, true);
    TextLeft2(canvas, a.Zeile2, Zeile2Ort.x, Zeile2Ort.y, Schwarz, Rot, 12, true);
    TextLeft(canvas, Gesuchtzeile(a), GesuchtOrt.x, GesuchtOrt.y, Schwarz, 12, true);

    // The given times on clocks: both for the flight time, else the one given time.
    const bool abflug = a.Aufgabenart != AbflugGefragt;
    const bool ankunft = a.Aufgabenart != AnkunftGefragt;
    const float zeiger = abflug && ankunft ? ZeigerPaar : ZeigerEinzeln;
    const auto uhr = [&canvas, zeiger](float x, float y, int h, int m) {
        DrawClockFace(canvas, QColor::fromRgb(fbGrau128), QColor::fromRgb(fbGrau240), 7, x, y,
                      FlugUhrradius);
        DrawClockHandsHM(canvas, QColor::fromRgb(fbGrau53), QColor::fromRgb(fbGrau128), 3, 2, h, m,
                         x, y, zeiger);
    };
    if (abflug) uhr(wien.X, HeimUhrY(), a.AbflugStunde, a.AbflugMinute);
    if (ankunft) uhr(ziel.X, m_route.ZielUhrY, a.AnkunftStunde, a.AnkunftMinute);
}

} // namespace kalmiro
