#include "screens/zeitpunkt/ZeitpunktU.h"

#include "core/GlobaleU.h"
#include "core/LesefolgeU.h"
#include "core/ZeiteingabeU.h"
#include "core/ZufallU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"
#include "draw/ZeitachseU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/TPaintBox.h"
#include "platform/Zugang.h"
#include "ui_ZeitpunktU.h"

#include <QPainter>
#include <algorithm>

namespace kalmiro {
namespace {

constexpr int Rechenschrift = 14; // points, the written computations
constexpr int Titelschrift = 16;  // points, the two headings of the "Begriffe" page

// The radio items in their order: two rows reading Bsp. 1 2 3 and Bsp. 4 5 6.
constexpr std::array<int, ZeitBeispiele> Itembeispiel{1, 4, 2, 5, 3, 6};

const QColor Schwarz(0, 0, 0);
const QColor Blau(0, 0, 255);

// The heading of an example and its given and sought quantities, at the left edge.
constexpr float KopfX = -24.0f;
constexpr float BeispielY = 16.0f, GegebenY = 14.5f, GesuchtY = 13.5f;

// The headings of the "Begriffe" page.
const QString TitelZeitpunkte = QStringLiteral("Zeitpunkte");
const QString TitelZeitdauer = QStringLiteral("Zeitdauer");
const QString TitelSchreibweise = QStringLiteral("Schreibweise für Zeitpunkte");

QString Beispieltitel(int art) {
    return QString::number(art) + QStringLiteral(".Beispiel");
}

QColor Ton(Zeittinte tinte) {
    return QColor::fromRgb(Tintenfarbe(tinte));
}

// A part of the day: a double arrow in its colour with its name.
void Tagespfeil(QPainter& canvas, float x1, float x2, float y, Zeittinte tinte,
                const QString& text = {}, float textX = 0, float textY = 0) {
    DrawArrowH(canvas, 3, Ton(tinte), x1, x2, y, 'B');
    if (!text.isEmpty()) TextCentre(canvas, text, textX, textY, Ton(tinte), ZeitachseSchrift, true);
}

} // namespace

TfrmZeitpunkt::TfrmZeitpunkt(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZeitpunkt>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(240, 240, 240));
    m_leiste = Schrittleiste(
        {ui->btn01, ui->btn02, ui->btn03, ui->btn04, ui->btn05, ui->btn06, ui->btn07, ui->btn08},
        ui->btnWiederholung, ui->grpBeispiele, Schrittleiste::Auswahl::AuchAmEnde);
    for (int i = 1; i <= m_leiste.Knoepfe(); ++i)
        connect(m_leiste.Knopf(i), &QPushButton::clicked, this, [this, i] { btnClick(i); });
    ui->pnt->OnPaint = [this](QPainter& canvas) { pntPaint(canvas); };
    ui->grpBeispiele->ItemIndexSetzen(0);
    connect(ui->grpBeispiele, &TRadioGroup::Click, this, &TfrmZeitpunkt::grpBeispieleClick);
    connect(ui->btnWiederholung, &QPushButton::clicked, this, &TfrmZeitpunkt::btnWiederholungClick);
    // "menSchlissen" is the program's own wording, the name the menu item goes by.
    connect(ui->menSchlissen, &QAction::triggered, this, [this] { close(); });

    // What a screen reader reads: the examples by name, the drawing line by line.
    for (int i = 0; i < ZeitBeispiele; ++i)
        ui->grpBeispiele->Eintrag(i)->setAccessibleName(
            QStringLiteral("Beispiel %1").arg(Itembeispiel[static_cast<std::size_t>(i)]));
    Beschreiben(
        ui->pnt,
        [this] {
            return m_begriffe ? QStringLiteral("Zeitpunkte und Zeitdauer")
                              : QStringLiteral("Skizze");
        },
        [this] { return Vorgelesen(); });
}

TfrmZeitpunkt::~TfrmZeitpunkt() = default;

void TfrmZeitpunkt::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
    Randomize();
    FarbenSetzen();
    InitWorld(-25, 25, -19, 19, 0, 1000, 0, 760);
    m_begriffe = ZeitpunktArt != 2;
    setWindowTitle(m_begriffe ? QStringLiteral("Zeitpunkt-Zeitdauer: Begriffe")
                              : QStringLiteral("Zeitpunkt-Zeitdauer: Musterbeispiele"));
    ui->lbltxt->setVisible(!m_begriffe);
    ui->grpBeispiele->setVisible(!m_begriffe);
    ui->grpSchritte->setVisible(!m_begriffe);
    // A showing closed during a slide starts here afresh, with example 1.
    ui->grpBeispiele->ItemIndexSetzen(0);
    m_zeitpunkte = NeueZeitpunkte();
    NeuerAnfang();
    // The arrow keys choose the example, Tab goes on to its first step.
    if (!m_begriffe) ui->grpBeispiele->FokusAufAuswahl();
}

void TfrmZeitpunkt::BeispielWaehlen() {
    const int item = ui->grpBeispiele->ItemIndex();
    const int art =
        item >= 0 && item < ZeitBeispiele ? Itembeispiel[static_cast<std::size_t>(item)] : 1;
    m_beispiel = NeuesZeitbeispiel(art);
    m_schritte = Zeitpunktschritte(m_beispiel);
    m_stand = {};
    m_label = {};
    m_leiste.Anfang(static_cast<int>(m_schritte.size()));
}

// The chosen example with new times, nothing of it shown yet.
void TfrmZeitpunkt::NeuerAnfang() {
    BeispielWaehlen();
    Erklaerung(WahlAufforderung(), Zeittinte::Rotbraun);
    ui->pnt->update();
}

void TfrmZeitpunkt::grpBeispieleClick() {
    if (m_begriffe || !m_leiste.AuswahlOffen()) return;
    NeuerAnfang();
}

void TfrmZeitpunkt::btnWiederholungClick() {
    if (m_begriffe || !m_leiste.Fertig()) return;
    NeuerAnfang();
}

void TfrmZeitpunkt::btnClick(int nummer) {
    if (m_begriffe || !m_leiste.Beginnen(nummer)) return;
    const Zeitschritt schritt = m_schritte[static_cast<std::size_t>(nummer - 1)];
    m_stand = schritt.stand;
    if (schritt.uebertrag && !Gleiten(*schritt.uebertrag, schritt.ende)) return; // closed
    m_stand = schritt.ende;
    m_leiste.Weiter();
    Erklaerung(schritt.text, schritt.farbe);
    ui->pnt->update();
}

bool TfrmZeitpunkt::Gleiten(const Zeituebertrag& u, const Zeitstand& ende) {
    Erklaerung(u.satz, Zeittinte::Pink);
    // The label has no text until it sets off, so the first pause shows none.
    m_label = {};
    m_label.x = u.x;
    m_label.y = u.y;
    Wanderung wanderung;
    wanderung.pauseVorher = 1000;
    wanderung.pauseNachher = u.pauseNachher;
    for (const Zeitstrecke& s : u.strecken) {
        Wanderstrecke strecke{s.x,
                              s.y,
                              [this, &s] {
                                  m_label.text = s.label;
                                  if (!s.satz.isEmpty()) Erklaerung(s.satz, Zeittinte::Pink);
                              },
                              {}};
        if (s.halbwegs) strecke.halbwegs = [this, &s] { m_stand = *s.halbwegs; };
        wanderung.strecken.push_back(std::move(strecke));
    }
    wanderung.amEnde = [this, &ende] { m_stand = ende; };
    return Wandere(*ui->pnt, m_label, wanderung);
}

void TfrmZeitpunkt::Erklaerung(const QString& text, Zeittinte tinte) {
    // Each sentence is read out as it comes; the terms page has none to read.
    Anzeigen(ui->lbltxt, text, Ton(tinte), !m_begriffe);
}

void TfrmZeitpunkt::pntPaint(QPainter& canvas) const {
    PaintBackground(canvas);
    if (m_begriffe) {
        BegriffeZeichnen(canvas);
        return;
    }
    if (Schritt() < 1) return;
    TextLeft(canvas, Beispieltitel(m_beispiel.Aufgabenart), KopfX, BeispielY, Ton(Zeittinte::Braun),
             Rechenschrift, true);
    TextLeft(canvas, GegebenText(m_beispiel.Gesucht()), KopfX, GegebenY, Schwarz, ZeitachseSchrift,
             true);
    TextLeft(canvas, GesuchtText(m_beispiel.Gesucht()), KopfX, GesuchtY, Schwarz, ZeitachseSchrift,
             true);
    ZeitleisteZeichnen(canvas);
    RechnungZeichnen(canvas);
    if (m_label.Gezeigt())
        TextRight(canvas, m_label.text, m_label.x, m_label.y, Ton(Zeittinte::Pink), Rechenschrift,
                  true);
}

void TfrmZeitpunkt::BegriffeZeichnen(QPainter& canvas) const {
    const QColor pink = Ton(Zeittinte::Pink);
    DrawZeitachse(canvas, Zeitachsenart::EinTag, 0, 1, 12);
    std::array<float, 4> x{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        const Uhrzeit& z = m_zeitpunkte[i];
        x[i] = ZeitachseX(Zeitachsenart::EinTag, z.stunden, z.minuten);
        DrawZeitmarke(canvas, x[i], 0, z.stunden, z.minuten, pink, {}, 1);
        DrawLine(canvas, 3, pink, -1.5f + static_cast<float>(i), 15.5f, x[i], 11, 1);
        TextLeft(canvas, Schreibweisen(z), -24 + 12 * static_cast<float>(i), -14, pink,
                 Rechenschrift, true);
    }
    TextCentre(canvas, TitelZeitpunkte, 0, 17, pink, Titelschrift, true);

    // The durations between the first two and the last two points.
    for (std::size_t p = 0; p < 2; ++p) {
        const float von = x[2 * p], bis = x[2 * p + 1];
        const float mitte = (von + bis) / 2;
        DrawArrowH(canvas, 3, Blau, von, bis, -2, 'B');
        TextCentre(canvas, Dauertext(m_zeitpunkte[2 * p], m_zeitpunkte[2 * p + 1]), mitte, -2.3f,
                   Blau, ZeitachseSchrift, true);
        DrawLine(canvas, 3, Blau, p == 0 ? -1.0f : 1.0f, -9.5f, mitte, -3.3f, 1);
    }
    TextCentre(canvas, TitelZeitdauer, 0, -10, Blau, Titelschrift, true);
    TextLeft(canvas, TitelSchreibweise, -24, -12, Schwarz, Rechenschrift, true);
}

Zeitachsenart TfrmZeitpunkt::Achsenart() const {
    return m_beispiel.UeberNacht() ? Zeitachsenart::ZweiTage : Zeitachsenart::EinTag;
}

float TfrmZeitpunkt::Achsenhoehe() const {
    return m_beispiel.UeberNacht() ? 3.0f : 2.0f;
}

float TfrmZeitpunkt::AbfahrtX() const {
    return ZeitachseX(Achsenart(), m_beispiel.AbfahrtStunde, m_beispiel.AbfahrtMinute);
}

float TfrmZeitpunkt::AnkunftX() const {
    return ZeitachseX(Achsenart(), m_beispiel.AnkunftStunde, m_beispiel.AnkunftMinute, true);
}

std::vector<TfrmZeitpunkt::Zeitleistenteil> TfrmZeitpunkt::Zeitleiste() const {
    using Art = Zeitleistenteil::Art;
    const TZugaufgabe& a = m_beispiel;
    const float ab = AbfahrtX(), an = AnkunftX();
    const int s = Schritt();
    std::vector<Zeitleistenteil> teile;
    const auto abfahrt = [&] {
        teile.push_back({Art::Marke, ab, 0, 0, a.AbfahrtStunde, a.AbfahrtMinute, Zeittinte::Pink,
                         QStringLiteral("Abfahrt")});
    };
    const auto ankunft = [&] {
        teile.push_back({Art::Marke, an, 0, 0, a.AnkunftStunde, a.AnkunftMinute, Zeittinte::Pink,
                         QStringLiteral("Ankunft")});
    };
    const auto lote = [&] { teile.push_back({.art = Art::Lote, .x = ab, .bis = an}); };
    const auto pfeil = [&](float x1, float x2, float y, Zeittinte tinte, const QString& text = {},
                           float textX = 0, float textY = 0) {
        teile.push_back({Art::Pfeil, x1, x2, y, 0, 0, tinte, text, textX, textY});
    };

    switch (a.Aufgabenart) {
    case 1:
        abfahrt();
        ankunft();
        break;
    case 2:
        abfahrt();
        if (s >= 4) ankunft();
        break;
    case 3:
        ankunft();
        if (s >= 4) abfahrt();
        break;
    case 4:
        abfahrt();
        ankunft();
        if (s >= 2 && s < 5)
            pfeil(ab, 0, 4, Zeittinte::Orange, QStringLiteral("1.Tag"), ab / 2, 5.2f);
        if (s >= 3 && s < 5)
            pfeil(0, an, 4, Zeittinte::Dunkelgruen, QStringLiteral("2.Tag"), an / 2, 5.2f);
        // "Ankunfszeit" is the program's own wording.
        if (s >= 6 && s < 8)
            pfeil(-24, an, 4, Zeittinte::Orange, QStringLiteral("1.Tag + Ankunfszeit"),
                  (an - 24) / 2, 5);
        if (s == 7)
            pfeil(-24, ab, 6, Zeittinte::Dunkelgruen, QStringLiteral("Abfahrtszeit"), (ab - 24) / 2,
                  5.9f);
        break;
    case 5:
        abfahrt();
        lote();
        if (s >= 2)
            pfeil(-24, ab, 0.8f, Zeittinte::Orange, QStringLiteral("Abfahrtszeit"), (ab - 24) / 2,
                  0.5f);
        if (s >= 4) pfeil(-24, 0, 5, Zeittinte::Braun, QStringLiteral("1.Tag"), -12, 6.3f);
        if (s >= 5) ankunft();
        break;
    default:
        ankunft();
        lote();
        if (s == 3 || s == 4) pfeil(ab, 0, 4.5f, Zeittinte::Orange);
        if (s == 5 || s == 8) abfahrt();
        if (s == 6 || s == 7) // "Ankunfszeit": the program's own wording
            pfeil(-24, an, 4, Zeittinte::Orange, QStringLiteral("1.Tag + Ankunfszeit"),
                  (an - 24) / 2, 5);
        break;
    }
    return teile;
}

void TfrmZeitpunkt::ZeitleisteZeichnen(QPainter& canvas) const {
    const TZugaufgabe& a = m_beispiel;
    const float achse = Achsenhoehe();
    const float ab = AbfahrtX(), an = AnkunftX();

    DrawZeitachse(canvas, Achsenart(), achse, 1);
    // The result of example 1 stands a little closer under its arrow than the question.
    const bool ergebnis1 = a.Aufgabenart == 1 && Schritt() >= 4;
    DrawFahrzeitpfeil(canvas, achse, ab, an, ergebnis1 ? QString() : m_stand.fahrzeittext);
    if (ergebnis1)
        TextCentre(canvas, m_stand.fahrzeittext, (ab + an) / 2, achse - 2.3f, Blau,
                   ZeitachseSchrift, true);

    for (const Zeitleistenteil& t : Zeitleiste()) {
        switch (t.art) {
        case Zeitleistenteil::Art::Marke:
            DrawZeitmarke(canvas, t.x, achse, t.stunden, t.minuten, Ton(Zeittinte::Pink));
            break;
        case Zeitleistenteil::Art::Pfeil:
            Tagespfeil(canvas, t.x, t.bis, t.y, t.tinte, t.text, t.textX, t.textY);
            break;
        case Zeitleistenteil::Art::Lote:
            DrawLotlinie(canvas, t.x, achse, achse - 3);
            DrawLotlinie(canvas, t.bis, achse, achse - 3);
            break;
        }
    }
}

void TfrmZeitpunkt::RechnungZeichnen(QPainter& canvas) const {
    for (const Rechentitel& t : m_stand.titel)
        TextLeft(canvas, t.text, t.x, t.y, Ton(Zeittinte::Braun), Rechenschrift, true);
    for (const Rechenzeile& z : m_stand.zeilen) {
        TextRight(canvas, z.StundenText(), z.basis, z.y, Ton(z.tinte), Rechenschrift, true);
        TextRight(canvas, z.MinutenText(), z.basis + Minutenspalte, z.y, Ton(z.tinte),
                  Rechenschrift, true);
    }
    for (const Rechenzeichen& z : m_stand.zeichen) {
        const float b = z.basis;
        if (z.art == Rechenart::Plus)
            TextRight(canvas, QStringLiteral("+"), b - 2.5f, z.y, Schwarz, Rechenschrift, true);
        else
            DrawLine(canvas, 3, Schwarz, b - 3, z.y - 0.55f, b - 2.5f, z.y - 0.55f, 1);
        DrawLine(canvas, 3, Schwarz, b - 2.4f, z.y - 1.3f, b + Minutenspalte, z.y - 1.3f, 1);
    }
}

QString TfrmZeitpunkt::Vorgelesen() const {
    QStringList zeilen;
    if (m_begriffe) {
        // The page from the top: the points, the line, the durations, the notations.
        const auto zeit = [this](std::size_t i) {
            return Uhrzeittext(m_zeitpunkte[i].stunden, m_zeitpunkte[i].minuten);
        };
        zeilen << TitelZeitpunkte
               << QStringList{zeit(0), zeit(1), zeit(2), zeit(3)}.join(QStringLiteral(", "))
               << Zeitleistentext(Zeitachsenart::EinTag, 12);
        for (std::size_t p = 0; p < 2; ++p)
            zeilen << QStringLiteral("von %1 bis %2: %3")
                          .arg(zeit(2 * p), zeit(2 * p + 1),
                               Dauertext(m_zeitpunkte[2 * p], m_zeitpunkte[2 * p + 1]));
        zeilen << TitelZeitdauer << TitelSchreibweise;
        for (const Uhrzeit& z : m_zeitpunkte)
            zeilen << SchreibweisenGelesen(z);
        return zeilen.join(u'\n');
    }
    if (Schritt() < 1) return {};

    // The heading and the time line by their places, the computations block by block.
    const TZugaufgabe& a = m_beispiel;
    const float achse = Achsenhoehe();
    std::vector<Lesestueck> texte{{KopfX, BeispielY, Beispieltitel(a.Aufgabenart)},
                                  {KopfX, GegebenY, GegebenText(a.Gesucht())},
                                  {KopfX, GesuchtY, GesuchtText(a.Gesucht())},
                                  {-24, achse - 1, Zeitleistentext(Achsenart())}};
    for (const Zeitleistenteil& t : Zeitleiste()) {
        if (t.art == Zeitleistenteil::Art::Marke)
            texte.push_back({t.x, achse + ZeitmarkeTextAbstand,
                             t.text + u' ' + Uhrzeittext(t.stunden, t.minuten)});
        else if (t.art == Zeitleistenteil::Art::Pfeil)
            texte.push_back({t.textX, t.textY, t.text});
    }
    const QString& fahrzeit = m_stand.fahrzeittext;
    texte.push_back({(AbfahrtX() + AnkunftX()) / 2, achse - FahrzeitTextTiefe,
                     fahrzeit.startsWith(QStringLiteral("Fahrzeit"))
                         ? fahrzeit
                         : QStringLiteral("Fahrzeit ") + fahrzeit});
    zeilen << Lesefolge(std::move(texte), QStringLiteral(", ")) << Rechnungstexte(m_stand);
    if (m_label.Gezeigt()) zeilen << Unterwegs(m_label);
    return zeilen.join(u'\n');
}

} // namespace kalmiro
