#include "screens/grundrechnungsarten/MusterbeispieleU.h"

#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "core/LesefolgeU.h"
#include "core/ZufallU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/Zugang.h"
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

// One piece of the drawn computation: a text with its right end (or, left, its start) at
// (x, y), or a line from x to bis at y. A screen reader reads it as gelesen, in the row at
// height zeile; a line with nothing to read is a rule.
struct Stueck {
    enum class Art { Rechts, Links, Linie };
    Art art = Art::Rechts;
    float x = 0;
    float y = 0;
    QString text;
    QColor farbe;
    QString gelesen;
    float zeile = 0;
    float bis = 0;
};

// The pieces in the order they are drawn.
class Rechnung {
public:
    std::vector<Stueck> stuecke;

    void Text(const QString& text, float x, float y, const QColor& farbe = Schwarz,
              QString gelesen = {}) {
        if (gelesen.isEmpty()) gelesen = text;
        stuecke.push_back({Stueck::Art::Rechts, x, y, text, farbe, gelesen, y});
    }
    void TextLinks(const QString& text, float x, float y) {
        stuecke.push_back({Stueck::Art::Links, x, y, text, Schwarz, text, y});
    }
    // A time quantity in its columns, each value right-aligned at its column.
    void Zeile(const Zeitmenge& z, float y, const QColor& farbe, bool mitTagen) {
        for (Spalte s : {Spalte::Tage, Spalte::Stunden, Spalte::Minuten, Spalte::Sekunden}) {
            if (s == Spalte::Tage && !mitTagen) continue;
            Text(QString::number(Wert(z, s)) + Einheit(s), SpalteX(s), y, farbe);
        }
    }
    void Zeile(const Musterzeile& z, float y, const QColor& farbe) {
        if (z.sichtbar) Zeile(z.wert, y, farbe, z.mitTagen);
    }
    void Strich(float x1, float x2, float y) { Zeichen(x1, x2, y, {}, y); }
    // A short line that is a minus sign in the row at height zeile.
    void Minus(float x1, float x2, float y, float zeile) {
        Zeichen(x1, x2, y, QStringLiteral("minus"), zeile);
    }

    void Zeichne(QPainter& canvas) const {
        for (const Stueck& s : stuecke) {
            switch (s.art) {
            case Stueck::Art::Rechts:
                TextRight(canvas, s.text, s.x, s.y, s.farbe, Schriftgroesse, true);
                break;
            case Stueck::Art::Links:
                TextLeft(canvas, s.text, s.x, s.y, s.farbe, Schriftgroesse, true);
                break;
            case Stueck::Art::Linie:
                DrawLine(canvas, 3, s.farbe, s.x, s.y, s.bis, s.y, 1);
                break;
            }
        }
    }

    // The rows from top to bottom, each read from left to right.
    QStringList Zeilen() const {
        std::vector<Lesestueck> gelesen;
        for (const Stueck& s : stuecke)
            gelesen.push_back({s.x, s.zeile, s.gelesen});
        return Lesefolge(std::move(gelesen));
    }

private:
    void Zeichen(float x1, float x2, float y, const QString& gelesen, float zeile) {
        stuecke.push_back({Stueck::Art::Linie, x1, y, {}, Schwarz, gelesen, zeile, x2});
    }
};

// The colour of a sentence.
QColor Ton(Textfarbe farbe) {
    switch (farbe) {
    case Textfarbe::Schwarz:
        return Schwarz;
    case Textfarbe::Rotbraun:
        return Rotbraun;
    case Textfarbe::Pink:
        return QColor::fromRgb(fbPink);
    case Textfarbe::Navy:
        break;
    }
    return Navy;
}

QString Beispieltitel(int n) {
    return QString::number(n) + QStringLiteral(". Beispiel");
}

// The computation of example a as the step has drawn it so far.
Rechnung Rechenbild(int art, const TZeitAufgabe& a, const Musterstand& stand) {
    Rechnung r;
    const Zeitmenge erster{a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1};
    const Zeitmenge zweiter{0, a.Stunden2, a.Minuten2, a.Sekunden2};
    const bool tage = a.Tage1 != 0;
    const Musterzeile& spalten = stand.spalten;
    const Musterzeile& arbeit = stand.arbeit;
    const auto gleich = [&](float y) {
        if (stand.fertig) r.Text(QStringLiteral("="), arbeit.mitTagen ? -3.3f : -1.8f, y);
    };
    const auto faktor = [&](float y) {
        if (art == ArtMultiplikation)
            r.Text(QString(QChar(0xB7)), 8.7f, y, Schwarz, QStringLiteral("mal"));
        else
            r.Text(QStringLiteral(":"), 8.7f, y, Schwarz, QStringLiteral("durch"));
        r.TextLinks(QString::number(a.k), 9, y);
    };

    switch (art) {
    case ArtAddition:
        r.Zeile(erster, 3, Schwarz, false);
        r.Zeile(zweiter, 1.5f, Schwarz, false);
        r.Text(QStringLiteral("+"), -1.8f, 1.5f, Schwarz, QStringLiteral("plus"));
        r.Strich(-0.8f, 8, 0.2f);
        r.Zeile(spalten, 0, Rotbraun);
        r.Zeile(arbeit, -1.5f, Navy);
        gleich(-1.5f);
        break;
    case ArtSubtraktion:
        r.Zeile(erster, 3, Schwarz, tage);
        r.Zeile(zweiter, 1.5f, Schwarz, false);
        // The minus sign and the line make room for the minuend's day.
        r.Minus(tage ? -4.3f : -2.3f, tage ? -3.8f : -1.8f, 0.8f, 1.5f);
        r.Strich(tage ? -2.8f : -0.8f, 8, 0.2f);
        r.Zeile(arbeit, 0, Schwarz);
        if (stand.fertig) {
            r.Zeile(zweiter, -1.5f, Schwarz, false);
            r.Minus(-2.3f, -1.8f, -2.2f, -1.5f);
            r.Strich(-0.8f, 8, -2.8f);
        }
        r.Zeile(spalten, arbeit.sichtbar ? -3.0f : 0.0f, Rotbraun);
        break;
    case ArtMultiplikation:
        r.Zeile(erster, 3, Schwarz, false);
        faktor(3);
        r.Strich(-1, 8, 1.7f);
        r.Zeile(spalten, 1.5f, Rotbraun);
        r.Zeile(arbeit, 0, Navy);
        gleich(0);
        break;
    default:
        r.Zeile(erster, 3, Schwarz, tage);
        faktor(3);
        r.Strich(tage ? -3.8f : -1.0f, 8, 1.7f);
        r.Zeile(arbeit, 1.5f, Schwarz);
        if (stand.fertig) {
            faktor(1.5f);
            r.Strich(tage ? -3.8f : -1.0f, 8, 0.2f);
        }
        r.Zeile(spalten, arbeit.sichtbar ? 0.0f : 1.5f, Rotbraun);
        break;
    }
    return r;
}

} // namespace

TfrmMuster::TfrmMuster(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmMuster>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(240, 240, 240));
    m_leiste =
        Schrittleiste({ui->btn01, ui->btn02, ui->btn03, ui->btn04, ui->btn05}, ui->btnWiederholung,
                      ui->grpBeispiele, Schrittleiste::Auswahl::NurAmAnfang);
    for (int i = 1; i <= m_leiste.Knoepfe(); ++i)
        connect(m_leiste.Knopf(i), &QPushButton::clicked, this, [this, i] { btnClick(i); });
    ui->grpBeispiele->ItemIndexSetzen(0);
    connect(ui->grpBeispiele, &TRadioGroup::Click, this, &TfrmMuster::grpBeispieleClick);
    connect(ui->btnWiederholung, &QPushButton::clicked, this, &TfrmMuster::btnWiederholungClick);
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });

    // What a screen reader reads: the examples by name, the drawn computation row by row.
    for (int n = 1; n <= MusterBeispiele; ++n)
        ui->grpBeispiele->Eintrag(n - 1)->setAccessibleName(QStringLiteral("Beispiel %1").arg(n));
    Beschreiben(
        Client(), [this] { return ui->pnlAnzeige->text(); }, [this] { return Vorgelesen(); });
}

TfrmMuster::~TfrmMuster() = default;

const TZeitAufgabe& TfrmMuster::Beispiel(int n) const {
    return m_beispiele[static_cast<std::size_t>(std::clamp(n, 1, MusterBeispiele) - 1)];
}

void TfrmMuster::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
    Randomize();
    FarbenSetzen();
    m_art = std::clamp(MusterArt, ArtAddition, ArtDivision);
    InitWorld(-21, 21, -16, 16, 0, 840, 0, 640);
    // A showing closed during a slide starts here afresh, with example 1.
    ui->grpBeispiele->ItemIndexSetzen(0);
    NeueBeispiele();
    ui->grpBeispiele->FokusAufAuswahl();
    static const char* verben[] = {"Addieren", "Subtrahieren", "Multiplizieren", "Dividieren"};
    Erklaerung(QStringLiteral("Durch Klicken auf die jeweilige Schaltfläche kannst du das ") +
                   QLatin1String(verben[m_art - 1]) +
                   QStringLiteral(" von Zeiten Schritt für Schritt lernen!"),
               Textfarbe::Rotbraun);
}

void TfrmMuster::NeueBeispiele() {
    // "Divison" is the program's own wording; keep it as it stands.
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
    m_stand = {};
    m_label = {};
    m_leiste.Anfang(static_cast<int>(m_schritte.size())); // example n has n + 1 steps
}

void TfrmMuster::grpBeispieleClick() {
    if (!m_leiste.AuswahlOffen()) return;
    BeispielWaehlen();
    NeuZeichnen();
}

void TfrmMuster::btnClick(int nummer) {
    if (!m_leiste.Beginnen(nummer)) return;
    const Musterschritt schritt = m_schritte[static_cast<std::size_t>(nummer - 1)];
    m_stand = schritt.stand;
    if (schritt.uebertrag) {
        Erklaerung(schritt.text, schritt.farbe);
        if (!Gleiten(*schritt.uebertrag)) return; // closed meanwhile: the next showing resets
        m_stand = schritt.ende;
    }
    m_leiste.Weiter();
    if (schritt.uebertrag)
        Erklaerung(schritt.schluss, Textfarbe::Navy);
    else
        Erklaerung(schritt.text, schritt.farbe);
    NeuZeichnen();
}

bool TfrmMuster::Gleiten(const Musteruebertrag& u) {
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
    if (!m_leiste.Fertig()) return;
    NeueBeispiele();
    Erklaerung(WahlAufforderung(), Textfarbe::Rotbraun);
}

void TfrmMuster::Erklaerung(const QString& text, Textfarbe farbe) {
    // Each sentence is read out as it comes, as a sighted pupil reads it on the screen.
    Anzeigen(ui->lbltxt, text, Ton(farbe), true);
}

void TfrmMuster::FormPaint(QPainter& canvas) {
    PaintBackground(canvas);
    if (Schritt() < 1) return;
    TextLeft(canvas, Beispieltitel(m_beispiel), -20, 3, QColor::fromRgb(fbBraun), Schriftgroesse,
             true);
    Rechenbild(m_art, Beispiel(m_beispiel), m_stand).Zeichne(canvas);
    if (m_label.Gezeigt())
        TextRight(canvas, m_label.text, m_label.x, m_label.y, QColor::fromRgb(fbPink),
                  Schriftgroesse, true);
}

QString TfrmMuster::Vorgelesen() const {
    if (Schritt() < 1) return {};
    QStringList zeilen{Beispieltitel(m_beispiel)};
    zeilen << Rechenbild(m_art, Beispiel(m_beispiel), m_stand).Zeilen();
    if (m_label.Gezeigt()) zeilen << Unterwegs(m_label);
    return zeilen.join(u'\n');
}

} // namespace kalmiro
