#include "screens/zeitzonen/ZeitzonenU.h"

#include "core/GlobaleU.h"
#include "core/ZonenU.h"
#include "core/ZufallU.h"
#include "draw/AnaloguhrU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"
#include "platform/SystemU.h"
#include "platform/TPaintBox.h"
#include "platform/TSekundentakt.h"
#include "screens/zeitzonen/Zonenauswahl.h"
#include "ui_ZeitzonenU.h"

#include <QHideEvent>
#include <QPainter>
#include <QPixmap>
#include <QTime>
#include <algorithm>

namespace kalmiro {
namespace {

constexpr int FlugRundenart = 4; // the entry of MaxDurchgaenge the flights use

const QColor Schwarz(0, 0, 0);
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
    {0.5f, Art::Text, u"Die 24 Zonen unterscheiden sich in ihrer Orstzeit jeweils um eine volle Stunde und bilden die Grundlage zur Zeitbestimmung."},
    {-0.5f, Art::Text, u"Die Zeiten in den anderen Zeitzonen ergeben sich durch Hinzufügen oder Abziehen einer (meistens) ganzzahligen Anzahl von"},
    {-1.5f, Art::Text, u"Stunden, je nach ihrem (mittleren) Abstand vom #nullten Längengrad#."},
};
// clang-format on
constexpr float InfoX = -24.5f;

} // namespace

TfrmZeitzonen::TfrmZeitzonen(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZeitzonen>()),
      m_timer1(new TSekundentakt(this)), m_timer2(new QTimer(this)) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(255, 255, 255));

    ui->imgKarte->setPixmap(QPixmap(QStringLiteral(":/bilder/zeitzonen/imgKarte.jpg")));
    ui->imgBild->setPixmap(QPixmap(QStringLiteral(":/bilder/zeitzonen/imgBild.jpg")));
    // The aircraft by name, each with the picture of its number.
    Flugzeug = {nullptr,     ui->imgFl01, ui->imgFl02, ui->imgFl03, ui->imgFl04, ui->imgFl05,
                ui->imgFl06, ui->imgFl07, ui->imgFl08, ui->imgFl09, ui->imgFl10, ui->imgFl11,
                ui->imgFl12, ui->imgFl13, ui->imgFl14, ui->imgFl15, ui->imgFl16, ui->imgFl17,
                ui->imgFl18, ui->imgFl19, ui->imgFl20, ui->imgFl21};
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        Flugzeug[static_cast<std::size_t>(n)]->setPixmap(QPixmap(
            QStringLiteral(":/bilder/zeitzonen/imgFl%1.png").arg(n, 2, 10, QLatin1Char('0'))));

    // The panel is white whatever the desktop's colours.
    QPalette weiss = ui->pnlAnzeige->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    ui->pnlAnzeige->setPalette(weiss);

    ui->pntUhren->OnPaint = [this](QPainter& canvas) { pntUhrenPaint(canvas); };
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    connect(ui->menAuswahl, &QAction::triggered, this, &TfrmZeitzonen::menAuswahlClick);
    connect(ui->menInfo, &QAction::triggered, this, &TfrmZeitzonen::menInfoNrClick);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer1, &QTimer::timeout, this, &TfrmZeitzonen::Timer1Timer);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setTimerType(Qt::PreciseTimer);
    m_timer2->setInterval(10);
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

bool TfrmZeitzonen::Flugmodus() const {
    return BeispielArt == 2;
}

void TfrmZeitzonen::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    FarbenSetzen();
    Randomize();
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 700);
    SetBackColor(KeineFarbe);
    if (Bildschirm1024) Maximieren();

    Versuche = 0;
    Versuch = 1;
    Punkte = 0;
    GesamtPunkte = 0;
    GesamtVersuche = 0;
    ui->lblAktVersuche->setText(QStringLiteral("0"));
    ui->lblAktPunkte->setText(QStringLiteral("0"));
    ui->lblDurchgang->setText(QStringLiteral("1 / ") +
                              QString::number(MaxDurchgaenge[FlugRundenart]));

    ZeigeRichtig = false;
    ZeigeFalsch = false;
    ui->edtEingabe->show();
    ui->edtEingabe->clear();
    ui->edtEingabe->setFocus();
    ui->pnlAnzeige->hide();

    Randfarbe = fbBraun;
    GewaehlteZone = KeineZone;
    Seite = 1;
    HeimUhrY = (Flugziele[Heimatstadt].Y + 15.0f) / 2.0f;
    // A visit that ended on the information page starts with the map again.
    KarteZeigen(true);
    m_auswahlOffen = false;

    const bool flug = Flugmodus();
    ModusZeigen(flug);
    if (flug)
        m_timer1->stop();
    else
        m_timer1->Starte();
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
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        Flugzeug[static_cast<std::size_t>(n)]->hide();
}

void TfrmZeitzonen::KarteZeigen(bool karte) {
    ui->imgKarte->setVisible(karte);
    ui->imgBild->setVisible(!karte);
}

void TfrmZeitzonen::menAuswahlClick() {
    Seite = 1;
    KarteZeigen(true);
    m_auswahlOffen = true;
    ui->pntUhren->update();
    if (m_fenster.frmZonenauswahl) m_fenster.frmZonenauswahl->ZeigeModal();
    m_auswahlOffen = false;
    ui->pntUhren->update();
}

void TfrmZeitzonen::menInfoNrClick() {
    Seite = 2;
    KarteZeigen(false);
    NeuZeichnen();
}

void TfrmZeitzonen::Timer1Timer() {
    ui->pntUhren->update();
}

void TfrmZeitzonen::pntUhrenPaint(QPainter& canvas) {
    PaintBackground(canvas);
    // The flight exercises draw their routes and clocks here.
    if (Flugmodus()) return;
    if (Seite == 2)
        ZeichneInfo(canvas);
    else
        ZeichneKarte(canvas);
}

void TfrmZeitzonen::ZeichneUhr(QPainter& canvas, float x, float y, const QTime& zeit, int stunden) {
    DrawClockFace(canvas, Randfarbe, fbGrau240, 7, x, y, Uhrradius);
    DrawClockHandsShifted(canvas, Schwarz, fbGrau128, fbPink, 3, 2, 1, zeit, stunden, 0, x, y,
                          Uhrradius);
}

void TfrmZeitzonen::ZeichneKarte(QPainter& canvas) {
    // Every clock reads the one instant, so the two never disagree by a second.
    const QDateTime jetzt = Jetzt();
    ZeichneUhr(canvas, HeimUhrX, HeimUhrHoehe, Heimatzeit(jetzt), 0);
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
        ZeichneUhr(canvas, x, ZonenUhrHoehe, Weltzeit(jetzt), zone);
        DrawArrowV(canvas, 3, fbPink, x, -12.0f, -14.8f, 'O');
    }
    ZeichneZonentexte(canvas, zone);
}

void TfrmZeitzonen::ZeichneZonentexte(QPainter& canvas, int zone) {
    const Zonentexte* texte = TexteDerZone(zone);
    if (!texte) return;
    const float x = ZonentextX(zone);
    TextLeft(canvas, texte->titel, x, ZonenTitelY, fbPink, 12, true);
    const qsizetype spalten = zone == AndereZonen ? std::size(AndereSpalten) : 1;
    const qsizetype anzahl = std::min<qsizetype>(texte->zeilen.size(), spalten * ZonenZeilen);
    for (qsizetype i = 0; i < anzahl; ++i) {
        const float sx = spalten > 1 ? AndereSpalten[i % spalten] : x;
        const float sy = ZonenZeile1Y - static_cast<float>(i / spalten);
        TextLeft(canvas, texte->zeilen[i], sx, sy, Schwarz, 10, true);
    }
}

void TfrmZeitzonen::ZeichneInfo(QPainter& canvas) {
    for (const Infozeile& z : Infotext) {
        const QString text = QString::fromUtf16(z.text);
        if (z.art == Art::Ueberschrift)
            TextLeft(canvas, text, InfoX, z.y, Blau, 14, true);
        else
            TextLeft2(canvas, text, InfoX, z.y, Schwarz, Rot, 12, true);
    }
    TextCentre(canvas, QStringLiteral("Weltkarte mit Tag-Nacht-Grenze"), 0, -15, Schwarz, 12, true);
}

} // namespace kalmiro
