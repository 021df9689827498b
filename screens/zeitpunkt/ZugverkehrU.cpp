#include "screens/zeitpunkt/ZugverkehrU.h"

#include "core/GlobaleU.h"
#include "core/ZufallU.h"
#include "draw/KoordU.h"
#include "draw/SchriftU.h"
#include "draw/ZeitachseU.h"
#include "platform/TEdit.h"
#include "platform/TPaintBox.h"
#include "ui_ZugverkehrU.h"

#include <QPainter>
#include <QPixmap>

namespace kalmiro {
namespace {

constexpr int Rundenart = 3;      // the entry of MaxDurchgaenge this screen uses
constexpr float Achse = -7.0f;    // height of the time line
constexpr int Paintboxrand = 8;   // the paint box's left offset in the window
constexpr float Feldhalbe = 2.5f; // half the entry field's width in world units

const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Blau(0, 0, 255);

// The prompt, by what is sought.
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
    RichteEin(Rahmen::Einfach, Rgb(255, 255, 255));

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
    for (int n = 1; n <= AnzahlZuege; ++n)
        m_zugbilder[static_cast<std::size_t>(n - 1)]->setPixmap(QPixmap(ZugbildPfad(n)));

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
}

TfrmZugverkehr::~TfrmZugverkehr() = default;

void TfrmZugverkehr::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
    FarbenSetzen();
    Randomize();
    InitWorld(-25, 25, -18, 18, 0, 1000, 0, 720);
    // Every opening starts a series of its own, whatever the last one came to.
    m_runde->SerieBeginnen();
    NeueAufgabe();
}

void TfrmZugverkehr::NeueAufgabe() {
    m_aufgabe = NeueZugaufgabe();
    const Zeitachsenart art =
        m_aufgabe.UeberNacht() ? Zeitachsenart::ZweiTage : Zeitachsenart::EinTag;
    m_abfahrtX = ZeitachseX(art, m_aufgabe.AbfahrtStunde, m_aufgabe.AbfahrtMinute);
    m_ankunftX = ZeitachseX(art, m_aufgabe.AnkunftStunde, m_aufgabe.AnkunftMinute, true);
    m_mitte = (m_abfahrtX + m_ankunftX) / 2;
    ZugWaehlen();

    EingabePlatzieren();
    m_runde->Aufforderung(Aufforderung[m_aufgabe.Gesucht() - 1]);
    m_runde->NeueAufgabe(m_aufgabe.Ergebnis, m_aufgabe.Form());
    ui->pnt->update();
}

void TfrmZugverkehr::ZugWaehlen() {
    m_bildnummer = Random(AnzahlZuege) + 1;
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

void TfrmZugverkehr::EingabePlatzieren() {
    const float y = m_aufgabe.Gesucht() == FahrzeitGesucht ? -11.0f : 4.0f;
    int px = 0, py = 0;
    WorldToPixel(GesuchtX() - Feldhalbe, y, px, py);
    ui->edtEingabe->move(px + Paintboxrand, py);
}

void TfrmZugverkehr::edtEingabeExit() {
    if (m_runde->Pruefen()) ui->pnt->update();
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
    ui->pnt->update();
}

void TfrmZugverkehr::pntPaint(QPainter& canvas) {
    PaintBackground(canvas);
    AufgabeZeichnen(canvas);
    ZugdatenZeichnen(canvas);
}

void TfrmZugverkehr::AufgabeZeichnen(QPainter& canvas) {
    const TZugaufgabe& a = m_aufgabe;
    const int gesucht = a.Gesucht();
    const bool fertig = Stand().Fertig();
    TextLeft(canvas, QStringLiteral("Zugdaten"), -12, 13.6f, Blau, 14, true);
    DrawZeitachse(canvas, a.UeberNacht() ? Zeitachsenart::ZweiTage : Zeitachsenart::EinTag, Achse,
                  a.UeberNacht() ? 1.0f : 2.0f);
    TextLeft(canvas, GegebenText(gesucht), -24, 6.5f, Schwarz, ZeitachseSchrift, true);
    TextLeft(canvas, GesuchtText(gesucht), -24, 5.5f, Schwarz, ZeitachseSchrift, true);

    const QColor seegruen = QColor::fromRgb(fbSeegruen);
    if (gesucht != AbfahrtGesucht || fertig)
        DrawZeitmarke(canvas, m_abfahrtX, Achse, a.AbfahrtStunde, a.AbfahrtMinute, seegruen);
    if (gesucht != AnkunftGesucht || fertig)
        DrawZeitmarke(canvas, m_ankunftX, Achse, a.AnkunftStunde, a.AnkunftMinute, seegruen);
    const bool fahrzeitZeigen = gesucht != FahrzeitGesucht || fertig;
    DrawFahrzeitpfeil(canvas, Achse, m_abfahrtX, m_ankunftX,
                      fahrzeitZeigen ? Zeitdauertext(a.FahrzeitStunden, a.FahrzeitMinuten)
                                     : QString());

    if (!Stand().aufgedeckt) return;
    // The wrong entry exactly as typed, where the field was.
    TextCentre(canvas, ui->edtEingabe->text(), GesuchtX(), gesucht == FahrzeitGesucht ? -11 : 3.5f,
               QColor::fromRgb(fbPink), ZeitachseSchrift, true);
}

void TfrmZugverkehr::ZugdatenZeichnen(QPainter& canvas) {
    const TZugdaten& zug = Zug(m_bildnummer);
    TextLeft2(canvas, zug.Ueberschrift, -12, 12, Schwarz, Rot, ZeitachseSchrift, true);
    const float oben = m_bildnummer <= 28 ? 9.8f : 10.8f;
    const std::array<QString, 3> zeilen = Geschwindigkeitszeilen(zug);
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        TextLeft2(canvas, zeilen[i], -12, oben - 1.2f * static_cast<float>(i), Schwarz, Rot,
                  ZeitachseSchrift, true);
}

} // namespace kalmiro
