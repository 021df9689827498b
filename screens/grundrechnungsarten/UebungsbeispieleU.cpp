#include "screens/grundrechnungsarten/UebungsbeispieleU.h"

#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "core/TexteU.h"
#include "core/ZeiteingabeU.h"
#include "core/ZeitenU.h"
#include "core/ZufallU.h"
#include "draw/KoordU.h"
#include "draw/LinienU.h"
#include "draw/SchriftU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/TEdit.h"
#include "platform/Zugang.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "ui_UebungsbeispieleU.h"

#include <QPainter>
#include <algorithm>

namespace kalmiro {
namespace {

constexpr int Schriftgroesse = 16; // points, the drawn tasks
constexpr int Rundenart = 2;       // the entry of MaxDurchgaenge this screen uses

const QColor Schwarz(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Rot(255, 0, 0);

const QString StartText = QStringLiteral(
    "Gib die jeweiligen Zeiten nacheinander ein.\rDrücke die Enter–Taste oder klicke mit der "
    "Maus ins nächste Feld!");
// "jeweilgen" is the program's own wording; keep it as it stands.
const QString TippText = QStringLiteral(
    "Gib die jeweilgen Zeiten nacheinander ein.\rDrücke die Enter-Taste oder klicke mit der Maus "
    "ins nächste Feld");

int Art() {
    return std::clamp(UebungArt, ArtAddition, ArtDivision);
}

// The top-left corner of task block i (0..5) in world units.
float BlockX(int i) {
    static constexpr float x[] = {-24.0f, -7.0f, 10.0f};
    return x[i % 3];
}
float BlockY(int i) {
    return i < 3 ? 7.0f : -6.0f;
}

// A time quantity in its columns: days (only when not 0), hours, minutes, seconds.
void Zeile(QPainter& canvas, int tage, int stunden, int minuten, int sekunden, float cx, float y,
           const QColor& farbe) {
    if (tage != 0)
        TextRight(canvas, QString::number(tage) + u'd', cx + 1.5f, y, farbe, Schriftgroesse, true);
    TextRight(canvas, QString::number(stunden) + u'h', cx + 4.0f, y, farbe, Schriftgroesse, true);
    TextRight(canvas, QString::number(minuten) + QStringLiteral("min"), cx + 8.0f, y, farbe,
              Schriftgroesse, true);
    TextRight(canvas, QString::number(sekunden) + u's', cx + 11.0f, y, farbe, Schriftgroesse, true);
}

} // namespace

TfrmUebung::TfrmUebung(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmUebung>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(240, 240, 240));
    m_felder = {ui->edtBsp1, ui->edtBsp2, ui->edtBsp3, ui->edtBsp4, ui->edtBsp5, ui->edtBsp6};
    for (int i = 0; i < AufgabenProRunde; ++i) {
        TEdit* feld = m_felder[static_cast<std::size_t>(i)];
        feld->FilterSetzen(UebungFilter);
        connect(feld, &TEdit::Change, this, &TfrmUebung::edtChange);
        connect(feld, &TEdit::Exit, this, [this, i] { edtExit(i); });
    }
    connect(ui->btnWeiter, &QPushButton::clicked, this, &TfrmUebung::btnWeiterClick);
    connect(ui->btnAuswertung, &QPushButton::clicked, this, &TfrmUebung::btnAuswertungClick);
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    connect(ui->menMaxanzahl, &QAction::triggered, this, &TfrmUebung::menMaxanzahlClick);

    // What a screen reader reads: each field's example, the drawn blocks, the counters.
    for (int i = 0; i < AufgabenProRunde; ++i)
        Beschreiben(
            m_felder[static_cast<std::size_t>(i)],
            [i] { return QStringLiteral("Beispiel %1, Ergebnis").arg(i + 1); },
            [this, i] { return Aufgabentext(Art(), m_aufgaben[static_cast<std::size_t>(i)]); });
    Beschreiben(
        Client(), [this] { return ui->pnlAnzeige->text(); }, [this] { return Vorgelesen(); });
    NachGruppeBenennen(ui->lblDurchgang);
    NachGruppeBenennen(ui->lblAktVersuche);
    NachGruppeBenennen(ui->lblAktPunkte);
}

TfrmUebung::~TfrmUebung() = default;

const TZeitAufgabe& TfrmUebung::Aufgabe(int position) const {
    return m_aufgaben[static_cast<std::size_t>(std::clamp(position, 1, AufgabenProRunde) - 1)];
}

void TfrmUebung::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
    FarbenSetzen();
    Randomize();
    InitWorld(-25, 25, -15, 15, 0, 1000, 0, 600);
    FelderLeeren();
    SerieBeginnen();
    MaxanzahlArt = Rundenart;
    ui->lblAktVersuche->setText(QStringLiteral("0"));
    ui->lblAktPunkte->setText(QStringLiteral("0"));
    ZaehlerZeigen();
    // A showing closed at the end of a series must not start with its "Auswertung".
    KnopfWaehlen();
    Runde();
    m_felder[0]->setFocus();
    Anzeige(StartText, fbBraun);
    NeuZeichnen();
}

void TfrmUebung::Runde() {
    static const QString titel[] = {
        QStringLiteral("Übungsbeispiele zur Addition von Zeiten"),
        QStringLiteral("Übungsbeispiele zur Subtraktion von Zeiten"),
        QStringLiteral("Übungsbeispiele zur Multiplikation von Zeiten"),
        QStringLiteral("Übungsbeispiele zur Division von Zeiten"),
    };
    ui->pnlAnzeige->setText(titel[Art() - 1]);
    m_aufgaben = NeueAufgabenreihe(Art());
    // Each field lies under its result line, where the accepted result is drawn later.
    for (int i = 0; i < AufgabenProRunde; ++i) {
        int px = 0, py = 0;
        WorldToPixel(BlockX(i) + 1.5f, BlockY(i) - 5.5f, px, py);
        m_felder[static_cast<std::size_t>(i)]->move(px, py);
    }
}

void TfrmUebung::FelderLeeren() {
    for (TEdit* feld : m_felder) {
        feld->show();
        feld->clear();
    }
    m_plaetze.fill(Platz{});
    Versuch = 1;
}

void TfrmUebung::ZaehlerZeigen() {
    const int grenze = MaxDurchgaenge[Rundenart];
    ui->lblDurchgang->setText(QString::number(Durchgang) + QStringLiteral(" / ") +
                              QString::number(grenze));
    ui->lblAktVersuche->setText(QString::number(Versuche));
}

bool TfrmUebung::RundeFertig() const {
    return std::all_of(m_plaetze.begin(), m_plaetze.end(),
                       [](const Platz& p) { return p.stand.Fertig(); });
}

void TfrmUebung::KnopfWaehlen() {
    const bool auswerten =
        AuswertungErreichbar(Durchgang, MaxDurchgaenge[Rundenart], RundeFertig());
    ui->btnWeiter->setVisible(!auswerten);
    ui->btnAuswertung->setVisible(auswerten);
}

void TfrmUebung::Anzeige(const QString& text, Farbe farbe) {
    // Verdicts are read out; the brown instruction comes back with every keystroke.
    Anzeigen(ui->lblAnzeige, text, QColor::fromRgb(farbe), farbe != fbBraun);
}

void TfrmUebung::edtChange() {
    Anzeige(TippText, fbBraun);
}

void TfrmUebung::edtExit(int i) {
    TEdit* feld = m_felder[static_cast<std::size_t>(i)];
    Platz& platz = m_plaetze[static_cast<std::size_t>(i)];
    if (!WirdBeurteilt(platz.stand, feld->text().isEmpty(), true)) return;

    const QString normal = OhneFuehrendeNullen(feld->text());
    feld->setText(normal);
    platz.antwort = ZeichenEntfernen(normal, u' ').left(KurzText20);
    const TZeitAufgabe& aufgabe = m_aufgaben[static_cast<std::size_t>(i)];
    // The attempt belongs to the task: a first wrong answer elsewhere, left pending,
    // does not make this answer a second attempt.
    const Urteil urteil =
        Beurteile(platz.stand, platz.antwort == OhneFuehrendeNullen(aufgabe.Erwartet));
    Anrechnen(urteil, platz.stand);
    ui->lblAktVersuche->setText(QString::number(Versuche));
    switch (urteil) {
    case Urteil::FalschBeimErsten:
        Anzeige(QStringLiteral("Deine Eingabe ist leider falsch!\rÜberprüfe deine Eingabe und "
                               "versuche es noch einmal."),
                fbPink);
        feld->setFocus();
        return;
    case Urteil::FalschBeimZweiten:
        Anzeige(QStringLiteral("Deine Eingabe ist leider wieder falsch!\rDas Ergebnis lautet ") +
                    EinheitenLeerzeichen(aufgabe.Erwartet) +
                    QStringLiteral("!\rVergleiche das Ergebnis mit deiner Eingabe und überlege, "
                                   "warum du den Fehler begangen hast!"),
                fbPink);
        break;
    case Urteil::RichtigBeimErsten:
        Anzeige(QStringLiteral("Bravo deine Eingabe ist richtig!"), fbKornblau);
        break;
    case Urteil::RichtigBeimZweiten:
        Anzeige(QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"), fbKornblau);
        break;
    }
    feld->hide();
    ui->lblAktPunkte->setText(Festkomma(Punkte, 1));
    KnopfWaehlen();
    NeuZeichnen();
}

void TfrmUebung::btnWeiterClick() {
    // In the last round a pending answer counts as missing too: the round must be
    // finished before the series can end.
    const int grenze = MaxDurchgaenge[Rundenart];
    const bool letzte = LetzteRunde(Durchgang, grenze);
    int fehlend = 0;
    TEdit* erstes = nullptr;
    for (std::size_t i = 0; i < m_felder.size(); ++i) {
        const bool leer = m_felder[i]->text().isEmpty();
        if (WeiterHindernis(m_plaetze[i].stand, leer, letzte) == Hindernis::Keins) continue;
        ++fehlend;
        if (!erstes) erstes = m_felder[i];
    }
    switch (WeiterEntscheiden(Durchgang, grenze, fehlend)) {
    case Weiterschritt::Aufgehalten:
        Meldung(QStringLiteral("Es fehlen noch ") + QString::number(fehlend) +
                QStringLiteral(" Einträge!"));
        erstes->setFocus();
        return;
    case Weiterschritt::Auswerten:
        KnopfWaehlen();
        return;
    case Weiterschritt::NaechsteRunde:
        ++Durchgang;
        Versuche = 0;
        Punkte = 0;
        RundeBeginnen();
        return;
    }
}

void TfrmUebung::btnAuswertungClick() {
    if (m_fenster.frmAuswertung) m_fenster.frmAuswertung->ZeigeModal();
    SerieBeginnen();
    RundeBeginnen();
}

void TfrmUebung::RundeBeginnen() {
    Runde();
    FelderLeeren();
    ZaehlerZeigen();
    ui->lblAktPunkte->setText(Festkomma(Punkte, 1));
    KnopfWaehlen();
    m_felder[0]->setFocus();
    NeuZeichnen();
}

void TfrmUebung::menMaxanzahlClick() {
    MaxanzahlArt = Rundenart;
    if (m_fenster.frmMaxanzahl) m_fenster.frmMaxanzahl->ZeigeModal();
    // The series goes on from the round reached; the display says which one that is.
    ZaehlerZeigen();
    KnopfWaehlen();
    NeuZeichnen();
}

void TfrmUebung::FormPaint(QPainter& canvas) {
    PaintBackground(canvas);
    for (int i = 0; i < AufgabenProRunde; ++i)
        AufgabeZeichnen(canvas, i);
}

void TfrmUebung::AufgabeZeichnen(QPainter& canvas, int i) {
    const TZeitAufgabe& a = m_aufgaben[static_cast<std::size_t>(i)];
    const Platz& platz = m_plaetze[static_cast<std::size_t>(i)];
    const float cx = BlockX(i);
    const float cy = BlockY(i);
    const int art = Art();
    const bool zweiZeiten = art == ArtAddition || art == ArtSubtraktion;

    TextLeft(canvas, QString::number(i + 1) + QStringLiteral(". Beispiel"), cx, cy, fbBraun,
             Schriftgroesse, true);
    Zeile(canvas, a.Tage1, a.Stunden1, a.Minuten1, a.Sekunden1, cx, zweiZeiten ? cy - 2 : cy - 3.5f,
          Schwarz);
    if (zweiZeiten) Zeile(canvas, 0, a.Stunden2, a.Minuten2, a.Sekunden2, cx, cy - 3.5f, Schwarz);
    const QString k = QString::number(a.k);
    switch (art) {
    case ArtAddition:
        TextRight(canvas, QStringLiteral("+"), cx + 1, cy - 3.5f, Schwarz, Schriftgroesse, true);
        break;
    case ArtSubtraktion:
        DrawLine(canvas, 3, Schwarz, cx + 0.5f, cy - 4.2f, cx + 1, cy - 4.2f, 1);
        break;
    case ArtMultiplikation:
        TextRight(canvas, QString(QChar(0xB7)), cx + 11.7f, cy - 3.5f, Schwarz, Schriftgroesse,
                  true);
        TextRight(canvas, k, cx + 12.5f, cy - 3.5f, Schwarz, Schriftgroesse, true);
        break;
    default:
        TextRight(canvas, QStringLiteral(":"), cx + 11.7f, cy - 3.5f, Schwarz, Schriftgroesse,
                  true);
        TextLeft(canvas, k, cx + 12, cy - 3.5f, Schwarz, Schriftgroesse, true);
        break;
    }
    DrawLine(canvas, 3, Schwarz, cx + 1.5f, cy - 5, cx + 11.5f, cy - 5, 1);
    if (platz.stand.geloest)
        Zeile(canvas, a.ErgebnisTage, a.ErgebnisStunden, a.ErgebnisMinuten, a.ErgebnisSekunden, cx,
              cy - 5.2f, Navy);
    else if (platz.stand.aufgedeckt)
        TextLeft(canvas, platz.antwort, cx + 4, cy - 5.2f, Rot, Schriftgroesse, true);
}

QString TfrmUebung::Vorgelesen() const {
    QStringList bloecke;
    for (std::size_t i = 0; i < m_aufgaben.size(); ++i) {
        const Platz& platz = m_plaetze[i];
        QString text =
            QStringLiteral("%1. Beispiel: ").arg(i + 1) + Aufgabentext(Art(), m_aufgaben[i]);
        if (platz.stand.geloest)
            text += QStringLiteral(" = ") + EinheitenLeerzeichen(m_aufgaben[i].Erwartet) +
                    QStringLiteral(", richtig");
        else if (platz.stand.aufgedeckt)
            text += QStringLiteral(", deine Eingabe ") + platz.antwort + QStringLiteral(", falsch");
        else if (platz.stand.versuch == 2)
            text += QStringLiteral(", erster Versuch falsch");
        bloecke << text;
    }
    return bloecke.join(u'\n');
}

} // namespace kalmiro
