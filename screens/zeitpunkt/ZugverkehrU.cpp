#include "screens/zeitpunkt/ZugverkehrU.h"

#include "core/GlobaleU.h"
#include "core/LesefolgeU.h"
#include "core/ZufallU.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"
#include "draw/ZeitachseU.h"
#include "platform/Anzeige.h"
#include "platform/TEdit.h"
#include "platform/TPaintBox.h"
#include "platform/Zugang.h"
#include "ui_ZugverkehrU.h"

#include <QPainter>

namespace kalmiro {
namespace {

constexpr int Rundenart = 3;      // the entry of MaxDurchgaenge this screen uses
constexpr float Achse = -7.0f;    // height of the time line
constexpr int Paintboxrand = 8;   // the paint box's left offset in the window
constexpr float Feldhalbe = 2.5f; // half the entry field's width in world units
// The train's data beside its picture: "Zugdaten", the heading, three speed lines.
constexpr float ZugdatenX = -12.0f;
constexpr float ZugdatenTitelY = 13.6f;
constexpr float UeberschriftY = 12.0f;

const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Blau(0, 0, 255);

// The prompt, by what is sought ("Ankunftsszeit" is the program's own wording).
const QString Aufforderung[] = {
    QStringLiteral("Gib die Zeitdauer der Fahrzeit ein und drücke die Enter–Taste."),
    QStringLiteral("Gib den Zeitpunkt der Ankunftsszeit ein und drücke die Enter–Taste."),
    QStringLiteral("Gib den Zeitpunkt der Abfahrtszeit ein und drücke die Enter–Taste."),
};

} // namespace

QString ZugbildPfad(int nummer) {
    return QStringLiteral(":/bilder/zuege/img%1.jpg").arg(nummer, 2, 10, QLatin1Char('0'));
}

TfrmZugverkehr::TfrmZugverkehr(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZugverkehr>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(255, 255, 255));

    // clang-format off
    m_zugbilder = {
        ui->img01, ui->img02, ui->img03, ui->img04, ui->img05, ui->img06,
        ui->img07, ui->img08, ui->img09, ui->img10, ui->img11, ui->img12,
        ui->img13, ui->img14, ui->img15, ui->img16, ui->img17, ui->img18,
        ui->img19, ui->img20, ui->img21, ui->img22, ui->img23, ui->img24,
        ui->img25, ui->img26, ui->img27, ui->img28, ui->img29, ui->img30,
        ui->img31, ui->img32, ui->img33, ui->img34, ui->img35, ui->img36,
        ui->img37, ui->img38, ui->img39, ui->img40, ui->img41, ui->img42,
        ui->img43, ui->img44, ui->img45, ui->img46, ui->img47, ui->img48,
        ui->img49, ui->img50, ui->img51, ui->img52, ui->img53, ui->img54,
        ui->img55, ui->img56, ui->img57, ui->img58, ui->img59, ui->img60,
        ui->img61, ui->img62, ui->img63, ui->img64, ui->img65, ui->img66
    };
    // clang-format on

    ui->pnt->OnPaint = [this](QPainter& canvas) { pntPaint(canvas); };
    m_runde = std::make_unique<TZeituebung>(
        m_fenster, Rundenart,
        Zeituebungsteile{ui->edtEingabe, ui->lblAnzeige, ui->lblDurchgang, ui->lblAktVersuche,
                         ui->lblAktPunkte, ui->btnWeiter, ui->btnAuswertung});
    // Typing again after a verdict brings the prompt back.
    connect(ui->edtEingabe, &TEdit::Change, this, [this] { m_runde->AufforderungZeigen(); });
    connect(ui->edtEingabe, &TEdit::Exit, this, &TfrmZugverkehr::edtEingabeExit);
    connect(ui->btnWeiter, &QPushButton::clicked, this, &TfrmZugverkehr::btnWeiterClick);
    connect(ui->btnAuswertung, &QPushButton::clicked, this, &TfrmZugverkehr::btnAuswertungClick);
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    connect(ui->menMaxanzahl, &QAction::triggered, this, &TfrmZugverkehr::menMaxanzahlClick);

    // What a screen reader reads: the field by the time sought, with the task; the
    // drawing's texts as they stand. Verdicts and counters come with the rounds.
    Beschreiben(
        ui->edtEingabe, [this] { return GesuchteZeit(m_aufgabe.Gesucht()); },
        [this] { return Zugaufgabentext(m_aufgabe); });
    Beschreiben(
        ui->pnt, [] { return QStringLiteral("Zeitleiste und Zugdaten"); },
        [this] { return Vorgelesen(); });
}

TfrmZugverkehr::~TfrmZugverkehr() = default;

void TfrmZugverkehr::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
    FarbenSetzen();
    Randomize();
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 720);
    // Every opening starts a series of its own, whatever the last one came to.
    m_runde->SerieBeginnen();
    NeueAufgabe();
}

void TfrmZugverkehr::NeueAufgabe() {
    m_aufgabe = NeueZugaufgabe();
    const Zeitachsenart art = Achsenart();
    m_abfahrtX = ZeitachseX(art, m_aufgabe.AbfahrtStunde, m_aufgabe.AbfahrtMinute);
    m_ankunftX = ZeitachseX(art, m_aufgabe.AnkunftStunde, m_aufgabe.AnkunftMinute, true);
    m_mitte = (m_abfahrtX + m_ankunftX) / 2;
    ZugWaehlen();

    EingabePlatzieren();
    m_runde->Aufforderung(Aufforderung[m_aufgabe.Gesucht() - 1]);
    m_runde->NeueAufgabe(m_aufgabe.Ergebnis, m_aufgabe.Form());
    NeuZeichnen();
}

void TfrmZugverkehr::ZugWaehlen() {
    m_bildnummer = Random(AnzahlZuege) + 1;
    QLabel* bild = m_zugbilder[static_cast<std::size_t>(m_bildnummer - 1)];
    BildLaden(bild, ZugbildPfad(m_bildnummer));
    bild->setAccessibleName(QStringLiteral("Zugfoto: ") + Zugdatentexte(Zug(m_bildnummer)).first());
    for (int n = 1; n <= AnzahlZuege; ++n)
        m_zugbilder[static_cast<std::size_t>(n - 1)]->setVisible(n == m_bildnummer);
}

float TfrmZugverkehr::GesuchtX() const {
    switch (m_aufgabe.Gesucht()) {
    case FahrzeitGesucht:
        return m_mitte;
    case AnkunftGesucht:
        return m_ankunftX;
    default:
        return m_abfahrtX;
    }
}

float TfrmZugverkehr::EingabeY(bool feld) const {
    // Under the travel-time arrow, or above the clock; a wrong entry is written where the
    // field was.
    if (m_aufgabe.Gesucht() == FahrzeitGesucht) return -11.0f;
    return feld ? 4.0f : 3.5f;
}

TfrmZugverkehr::Gezeigt TfrmZugverkehr::Sichtbar() const {
    const int gesucht = m_aufgabe.Gesucht();
    const bool fertig = Stand().Fertig();
    return {gesucht != AbfahrtGesucht || fertig, gesucht != AnkunftGesucht || fertig,
            gesucht != FahrzeitGesucht || fertig, Stand().aufgedeckt};
}

void TfrmZugverkehr::EingabePlatzieren() {
    const float y = EingabeY(true);
    int px = 0, py = 0;
    WorldToPixel(GesuchtX() - Feldhalbe, y, px, py);
    ui->edtEingabe->move(px + Paintboxrand, py);
}

void TfrmZugverkehr::edtEingabeExit() {
    if (m_runde->Pruefen()) NeuZeichnen();
}

void TfrmZugverkehr::btnWeiterClick() {
    if (m_runde->Weiter()) NeueAufgabe();
}

void TfrmZugverkehr::btnAuswertungClick() {
    m_runde->Auswerten();
    NeueAufgabe();
}

void TfrmZugverkehr::menMaxanzahlClick() {
    m_runde->Rundendialog();
    NeuZeichnen();
}

void TfrmZugverkehr::pntPaint(QPainter& canvas) {
    PaintBackground(canvas);
    AufgabeZeichnen(canvas);
    ZugdatenZeichnen(canvas);
}

Zeitachsenart TfrmZugverkehr::Achsenart() const {
    return m_aufgabe.UeberNacht() ? Zeitachsenart::ZweiTage : Zeitachsenart::EinTag;
}

void TfrmZugverkehr::AufgabeZeichnen(QPainter& canvas) {
    const TZugaufgabe& a = m_aufgabe;
    const int gesucht = a.Gesucht();
    const Gezeigt gezeigt = Sichtbar();
    TextLeft(canvas, QStringLiteral("Zugdaten"), ZugdatenX, ZugdatenTitelY, Blau, 14, true);
    DrawZeitachse(canvas, Achsenart(), Achse, a.UeberNacht() ? 1.0f : 2.0f);
    TextLeft(canvas, GegebenText(gesucht), -24, 6.5f, Schwarz, ZeitachseSchrift, true);
    TextLeft(canvas, GesuchtText(gesucht), -24, 5.5f, Schwarz, ZeitachseSchrift, true);

    const QColor seegruen = QColor::fromRgb(fbSeegruen);
    if (gezeigt.abfahrt)
        DrawZeitmarke(canvas, m_abfahrtX, Achse, a.AbfahrtStunde, a.AbfahrtMinute, seegruen);
    if (gezeigt.ankunft)
        DrawZeitmarke(canvas, m_ankunftX, Achse, a.AnkunftStunde, a.AnkunftMinute, seegruen);
    DrawFahrzeitpfeil(canvas, Achse, m_abfahrtX, m_ankunftX,
                      gezeigt.fahrzeit ? Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten)
                                       : QString());

    if (!gezeigt.eingabe) return;
    // The wrong entry exactly as typed, where the field was.
    TextCentre(canvas, ui->edtEingabe->text(), GesuchtX(), EingabeY(false), QColor::fromRgb(fbPink),
               ZeitachseSchrift, true);
}

float TfrmZugverkehr::ZugdatenY(int zeile) const {
    // The heading, then the speed lines, a little lower for the first 28 trains.
    if (zeile == 0) return UeberschriftY;
    const float oben = m_bildnummer <= 28 ? 9.8f : 10.8f;
    return oben - 1.2f * static_cast<float>(zeile - 1);
}

void TfrmZugverkehr::ZugdatenZeichnen(QPainter& canvas) {
    const TZugdaten& zug = Zug(m_bildnummer);
    TextLeft2(canvas, zug.Ueberschrift, ZugdatenX, ZugdatenY(0), Schwarz, Rot, ZeitachseSchrift,
              true);
    const std::array<QString, 3> zeilen = Geschwindigkeitszeilen(zug);
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        TextLeft2(canvas, zeilen[i], ZugdatenX, ZugdatenY(static_cast<int>(i) + 1), Schwarz, Rot,
                  ZeitachseSchrift, true);
}

QString TfrmZugverkehr::Vorgelesen() const {
    const TZugaufgabe& a = m_aufgabe;
    const Gezeigt gezeigt = Sichtbar();
    std::vector<Lesestueck> texte{{ZugdatenX, ZugdatenTitelY, QStringLiteral("Zugdaten")}};
    const QStringList zug = Zugdatentexte(Zug(m_bildnummer));
    for (int i = 0; i < zug.size(); ++i)
        texte.push_back({ZugdatenX, ZugdatenY(i), zug[i]});
    texte.push_back({-24, 6.5f, GegebenText(a.Gesucht())});
    texte.push_back({-24, 5.5f, GesuchtText(a.Gesucht())});
    const float marke = Achse + ZeitmarkeTextAbstand;
    if (gezeigt.abfahrt)
        texte.push_back(
            {m_abfahrtX, marke,
             QStringLiteral("Abfahrt ") + Uhrzeittext(a.AbfahrtStunde, a.AbfahrtMinute)});
    if (gezeigt.ankunft)
        texte.push_back(
            {m_ankunftX, marke,
             QStringLiteral("Ankunft ") + Uhrzeittext(a.AnkunftStunde, a.AnkunftMinute)});
    texte.push_back({-24, Achse - 1, Zeitleistentext(Achsenart())});
    if (gezeigt.fahrzeit)
        texte.push_back(
            {m_mitte, Achse - FahrzeitTextTiefe,
             QStringLiteral("Fahrzeit ") + Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten)});
    if (gezeigt.eingabe)
        texte.push_back({GesuchtX(), EingabeY(false),
                         QStringLiteral("deine Eingabe ") + ui->edtEingabe->text() +
                             QStringLiteral(", falsch")});
    return Lesefolge(std::move(texte), QStringLiteral(", ")).join(u'\n');
}

} // namespace kalmiro
