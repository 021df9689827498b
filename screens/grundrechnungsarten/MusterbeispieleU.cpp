#include "screens/grundrechnungsarten/MusterbeispieleU.h"

#include "core/GlobaleU.h"
#include "core/ZufallU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"
#include "platform/SystemU.h"
#include "ui_MusterbeispieleU.h"

#include <QPainter>
#include <algorithm>

namespace kalmiro {
namespace {

constexpr int Schriftgroesse = 16; // points, the drawn rows

const QColor Schwarz(0, 0, 0);
const QColor Rotbraun(128, 0, 0);
const QColor Navy(0, 0, 128);

float SpalteX(Spalte spalte) {
    switch (spalte) {
    case Spalte::Tage:
        return -1.8f;
    case Spalte::Stunden:
        return 1.0f;
    case Spalte::Minuten:
        return 5.3f;
    case Spalte::Sekunden:
        break;
    }
    return 8.0f;
}

// The row whose values the label carries: it starts there and goes 1.5 units below.
float LabelZeile(int art) {
    switch (art) {
    case ArtAddition:
        return -1.5f;
    case ArtDivision:
        return 1.5f;
    default:
        return 0.0f;
    }
}

// A time quantity in its columns, each value right-aligned at its column.
void Zeile(QPainter& canvas, const Zeitmenge& z, float y, const QColor& farbe, bool mitTagen) {
    for (Spalte s : {Spalte::Tage, Spalte::Stunden, Spalte::Minuten, Spalte::Sekunden}) {
        if (s == Spalte::Tage && !mitTagen) continue;
        TextRight(canvas, QString::number(Wert(z, s)) + Einheit(s), SpalteX(s), y, farbe,
                  Schriftgroesse, true);
    }
}
void Zeile(QPainter& canvas, const Musterzeile& z, float y, const QColor& farbe) {
    if (z.sichtbar) Zeile(canvas, z.wert, y, farbe, z.mitTagen);
}

void Text(QPainter& canvas, const QString& text, float x, float y) {
    TextRight(canvas, text, x, y, Schwarz, Schriftgroesse, true);
}
void Strich(QPainter& canvas, float x1, float x2, float y) {
    DrawLine(canvas, 3, Schwarz, x1, y, x2, y, 1);
}

} // namespace

TfrmMuster::TfrmMuster(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmMuster>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(240, 240, 240));
    m_knoepfe = {ui->btn01, ui->btn02, ui->btn03, ui->btn04, ui->btn05};
    for (int i = 0; i < static_cast<int>(m_knoepfe.size()); ++i)
        connect(m_knoepfe[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { btnClick(i + 1); });
    ui->grpBeispiele->SetzeItemIndex(0);
    connect(ui->grpBeispiele, &TRadioGroup::Click, this, &TfrmMuster::grpBeispieleClick);
    connect(ui->btnWiederholung, &QPushButton::clicked, this, &TfrmMuster::btnWiederholungClick);
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmMuster::~TfrmMuster() = default;

const TZeitAufgabe& TfrmMuster::Beispiel(int n) const {
    return m_beispiele[static_cast<std::size_t>(std::clamp(n, 1, MusterBeispiele) - 1)];
}

void TfrmMuster::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
    Randomize();
    FarbenSetzen();
    m_pink = fbPink;
    m_art = std::clamp(MusterArt, ArtAddition, ArtDivision);
    InitWorld(-21, 21, -16, 16, 0, 840, 0, 640);
    Reset();
    ui->grpBeispiele->setEnabled(true);
    static const char* verben[] = {"Addieren", "Subtrahieren", "Multiplizieren", "Dividieren"};
    Erklaerung(QStringLiteral("Durch Klicken auf die jeweilige Schaltfläche kannst du das ") +
                   QLatin1String(verben[m_art - 1]) +
                   QStringLiteral(" von Zeiten Schritt für Schritt lernen!"),
               Textfarbe::Rotbraun);
    NeueBeispiele();
}

void TfrmMuster::Reset() {
    // A showing closed during a slide starts here afresh.
    m_laeuft = false;
    m_label = {};
    m_stand = {};
    m_schritt = 0;
    ui->grpBeispiele->SetzeItemIndex(0);
    m_beispiel = 1;
    Schrittleiste();
}

void TfrmMuster::NeueBeispiele() {
    static const char* titel[] = {
        "Vier Musterbeispiele zur Addition von Zeiten",
        "Vier Musterbeispiele zur Subtraktion von Zeiten",
        "Vier Musterbeispiele zur Multiplikation von Zeiten",
        "Vier Musterbeispiele zur Divison von Zeiten",
    };
    ui->pnlAnzeige->setText(QString::fromUtf8(titel[m_art - 1]));
    m_beispiele = NeueMusterbeispiele(m_art);
    BeispielWaehlen();
    NeuZeichnen();
}

void TfrmMuster::BeispielWaehlen() {
    m_beispiel = std::clamp(ui->grpBeispiele->ItemIndex() + 1, 1, MusterBeispiele);
    m_schritte = Musterschritte(m_art, m_beispiel, Beispiel(m_beispiel));
    m_schritt = 0;
    m_stand = {};
    m_label = {};
    Schrittleiste();
}

void TfrmMuster::Schrittleiste() {
    // Example n has n + 1 steps; only the first can be taken.
    for (int i = 0; i < static_cast<int>(m_knoepfe.size()); ++i) {
        QPushButton* knopf = m_knoepfe[static_cast<std::size_t>(i)];
        knopf->setVisible(i <= m_beispiel);
        knopf->setEnabled(i == 0);
    }
    ui->btnWiederholung->hide();
}

void TfrmMuster::grpBeispieleClick() {
    if (m_laeuft || m_schritt > 0) return;
    BeispielWaehlen();
    NeuZeichnen();
}

void TfrmMuster::btnClick(int nummer) {
    // Only the step that comes next, one at a time: a click that waited while a label
    // slid arrives after its step has ended.
    const int letzter = static_cast<int>(m_schritte.size());
    if (m_laeuft || nummer != m_schritt + 1 || nummer > letzter) return;
    const Musterschritt schritt = m_schritte[static_cast<std::size_t>(nummer - 1)];
    const auto weiter = [this, nummer, letzter] {
        if (nummer == letzter)
            ui->btnWiederholung->show();
        else
            m_knoepfe[static_cast<std::size_t>(nummer)]->setEnabled(true);
    };

    m_schritt = nummer;
    m_knoepfe[static_cast<std::size_t>(nummer - 1)]->setEnabled(false);
    if (nummer == 1) ui->grpBeispiele->setEnabled(false);
    m_stand = schritt.stand;
    Erklaerung(schritt.text, schritt.farbe);
    if (!schritt.uebertrag) {
        weiter();
        NeuZeichnen();
        return;
    }
    m_laeuft = true;
    if (!Gleite(*schritt.uebertrag)) return; // closed meanwhile: the next showing resets
    m_laeuft = false;
    m_stand = schritt.ende;
    Erklaerung(schritt.schluss, Textfarbe::Navy);
    weiter();
    NeuZeichnen();
}

bool TfrmMuster::Gleite(const Musteruebertrag& u) {
    const float zeile = LabelZeile(m_art);
    const float unten = zeile - 1.5f;
    m_label.text = u.abzug;
    m_label.x = SpalteX(u.von);
    m_label.y = zeile;
    Wanderung wanderung;
    wanderung.strecken = {
        {SpalteX(u.von), unten, {}, [this, &u] { m_stand = u.nachAbzug; }},
        {SpalteX(u.nach),
         unten,
         [this, &u] {
             m_label.text = u.zugabe;
             Erklaerung(u.umwandlung, Textfarbe::Pink);
         },
         {}},
        {SpalteX(u.nach), zeile, [this, &u] { Erklaerung(u.hinzufuegen, Textfarbe::Pink); },
         [this, &u] { m_stand = u.nachZugabe; }},
    };
    return Wandere(*Client(), m_label, wanderung);
}

void TfrmMuster::btnWiederholungClick() {
    // Only once the example has shown its result.
    if (m_laeuft || m_schritt < static_cast<int>(m_schritte.size())) return;
    ui->grpBeispiele->setEnabled(true);
    NeueBeispiele();
    Erklaerung(QStringLiteral("Wähle ein Beispiel aus und klicken auf die jeweilige "
                              "Schaltfläche.\rDu  kannst dabei das Berechnen von Zeiten Schritt "
                              "für Schritt lernen!"),
               Textfarbe::Rotbraun);
}

QColor TfrmMuster::Ton(Textfarbe farbe) const {
    switch (farbe) {
    case Textfarbe::Schwarz:
        return Schwarz;
    case Textfarbe::Rotbraun:
        return Rotbraun;
    case Textfarbe::Pink:
        return QColor::fromRgb(m_pink);
    case Textfarbe::Navy:
        break;
    }
    return Navy;
}

void TfrmMuster::Erklaerung(const QString& text, Textfarbe farbe) {
    QPalette pal = ui->lbltxt->palette();
    pal.setColor(QPalette::WindowText, Ton(farbe));
    ui->lbltxt->setPalette(pal);
    ui->lbltxt->setText(Zeilenumbrueche(text));
}

void TfrmMuster::FormPaint(QPainter& canvas) {
    PaintBackground(canvas);
    if (m_schritt < 1) return;
    TextLeft(canvas, QString::number(m_beispiel) + QStringLiteral(". Beispiel"), -20, 3,
             QColor::fromRgb(fbBraun), Schriftgroesse, true);
    ZeichneRechnung(canvas);
    if (m_label.sichtbar)
        TextRight(canvas, m_label.text, m_label.x, m_label.y, QColor::fromRgb(m_pink),
                  Schriftgroesse, true);
}

void TfrmMuster::ZeichneRechnung(QPainter& canvas) const {
    const TZeitAufgabe& a = Beispiel(m_beispiel);
    const Zeitmenge erster{a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1};
    const Zeitmenge zweiter{0, a.Stunden2, a.Minuten2, a.Sekunden2};
    const bool tage = a.Tage1 != 0;
    const Musterzeile& spalten = m_stand.spalten;
    const Musterzeile& arbeit = m_stand.arbeit;
    const auto gleich = [&](float y) {
        if (m_stand.fertig) Text(canvas, QStringLiteral("="), arbeit.mitTagen ? -3.3f : -1.8f, y);
    };
    const auto faktor = [&](float y) {
        Text(canvas, m_art == ArtMultiplikation ? QString(QChar(0xB7)) : QStringLiteral(":"), 8.7f,
             y);
        TextLeft(canvas, QString::number(a.k), 9, y, Schwarz, Schriftgroesse, true);
    };

    switch (m_art) {
    case ArtAddition:
        Zeile(canvas, erster, 3, Schwarz, false);
        Zeile(canvas, zweiter, 1.5f, Schwarz, false);
        Text(canvas, QStringLiteral("+"), -1.8f, 1.5f);
        Strich(canvas, -0.8f, 8, 0.2f);
        Zeile(canvas, spalten, 0, Rotbraun);
        Zeile(canvas, arbeit, -1.5f, Navy);
        gleich(-1.5f);
        break;
    case ArtSubtraktion:
        Zeile(canvas, erster, 3, Schwarz, tage);
        Zeile(canvas, zweiter, 1.5f, Schwarz, false);
        // The minus sign and the line make room for the minuend's day.
        Strich(canvas, tage ? -4.3f : -2.3f, tage ? -3.8f : -1.8f, 0.8f);
        Strich(canvas, tage ? -2.8f : -0.8f, 8, 0.2f);
        Zeile(canvas, arbeit, 0, Schwarz);
        if (m_stand.fertig) {
            Zeile(canvas, zweiter, -1.5f, Schwarz, false);
            Strich(canvas, -2.3f, -1.8f, -2.2f);
            Strich(canvas, -0.8f, 8, -2.8f);
        }
        Zeile(canvas, spalten, arbeit.sichtbar ? -3.0f : 0.0f, Rotbraun);
        break;
    case ArtMultiplikation:
        Zeile(canvas, erster, 3, Schwarz, false);
        faktor(3);
        Strich(canvas, -1, 8, 1.7f);
        Zeile(canvas, spalten, 1.5f, Rotbraun);
        Zeile(canvas, arbeit, 0, Navy);
        gleich(0);
        break;
    default:
        Zeile(canvas, erster, 3, Schwarz, tage);
        faktor(3);
        Strich(canvas, tage ? -3.8f : -1.0f, 8, 1.7f);
        Zeile(canvas, arbeit, 1.5f, Schwarz);
        if (m_stand.fertig) {
            faktor(1.5f);
            Strich(canvas, tage ? -3.8f : -1.0f, 8, 0.2f);
        }
        Zeile(canvas, spalten, arbeit.sichtbar ? 0.0f : 1.5f, Rotbraun);
        break;
    }
}

} // namespace kalmiro
