#include "screens/einheiten/EinheitenU.h"

#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "core/TexteU.h"
#include "core/ZufallU.h"
#include "draw/KoordSysU.h"
#include "draw/LinienSysU.h"
#include "draw/SchriftSysU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/TEdit.h"
#include "platform/Zugang.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "screens/einheiten/VerwandlungsketteU.h"
#include "ui_EinheitenU.h"

#include <QPainter>
#include <QTimer>

namespace kalmiro {
namespace {

constexpr int textGroesse = 20;
// The fraction given in an open row is measured a size smaller than it is drawn.
constexpr int bruchMessGroesse = 18;
constexpr float linksEnde = -9;   // the given quantity ends here, left of the field
constexpr float rechtsAnfang = 9; // the unit starts here, right of the field
constexpr float antwortX = 29;    // mode 2 shows the expected answer here

constexpr QColor schwarz(0, 0, 0);
constexpr QColor blau(0, 0, 255);
constexpr QColor rotStrich(255, 0, 0);
constexpr QColor falschFarbe(255, 0, 102);
constexpr QColor richtigFarbe(102, 51, 255);
constexpr QColor marine(0, 0, 128);
constexpr QColor kastanie(128, 0, 0);

constexpr int tagInMs = 24 * 60 * 60 * 1000;

// The base line of row i, at the height of its entry field.
float ZeileY(int i) {
    return 16.5f - 10.0f * static_cast<float>(i - 1);
}

bool MitBruechen() {
    return EinheitenArt == 2;
}

Umwandlungsaufgabe& Aufgabe(int i) {
    return Umwandlungsaufgaben[static_cast<std::size_t>(i)];
}

QString Anweisungstext() {
    return MitBruechen()
               ? QStringLiteral(
                     "Gib die jeweiligen Zahlen bzw. Brüche (Bruchstrich verwenden) nacheinander "
                     "ein.\rDrücke die Enter-Taste oder klicke mit der Maus ins nächste Feld!")
               : QStringLiteral(
                     "Gib die jeweiligen Zahlen nacheinander ein.\rDrücke die Enter-Taste oder "
                     "klicke mit der Maus ins nächste Feld!");
}

QString Zeitspanne(int ms) {
    return QTime(0, 0).addMSecs(ms).toString(QStringLiteral("hh:mm:ss"));
}

// "given unit =" followed by a stacked fraction and the unit, as a mixed number is
// drawn; the red strokes mark where the line and where its unit start.
void BruchZeile(QPainter& canvas, const QString& links, const QString& zaehler,
                const QString& nenner, const QString& einheit, float y) {
    const QString rest = u' ' + einheit;
    const float w1 = SysMixedWidth(canvas, links, zaehler, nenner, textGroesse);
    const float w2 = SysFractionWidth(canvas, zaehler, nenner, textGroesse, 'L');
    const float w3 = SysTextWidthW(canvas, rest, textGroesse);
    const float x0 = -(w1 + w2 + w3) / 2;
    SysMixed(canvas, links, zaehler, nenner, x0, y, textGroesse, schwarz);
    SysText(canvas, rest, textGroesse, x0 + w1, y, 'L', 'M');
    SysLine(canvas, 1, rotStrich, x0, y - 3, x0, y + 3, 1);
    SysLine(canvas, 1, rotStrich, x0 + w1, y - 3, x0 + w1, y + 3, 1);
}

} // namespace

TfrmEinheiten::TfrmEinheiten(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmEinheiten>()),
      m_timer1(new QTimer(this)) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach, Rgb(240, 240, 240));

    ui->imgB->setPixmap(QPixmap(QStringLiteral(":/bilder/einheiten/gesicht_blau.png")));
    ui->imgG->setPixmap(QPixmap(QStringLiteral(":/bilder/einheiten/gesicht_gruen.png")));
    ui->imgO->setPixmap(QPixmap(QStringLiteral(":/bilder/einheiten/gesicht_orange.png")));
    ui->imgR->setPixmap(QPixmap(QStringLiteral(":/bilder/einheiten/gesicht_rot.png")));
    ui->imgRichtig->setPixmap(QPixmap(QStringLiteral(":/bilder/einheiten/haken.png")));
    ui->imgFalsch->setPixmap(QPixmap(QStringLiteral(":/bilder/einheiten/kreuz.png")));

    m_gesicht = {nullptr, ui->img1, ui->img2, ui->img3, ui->img4, ui->img5};
    m_zeichen = {{{nullptr, nullptr, nullptr},
                  {nullptr, ui->imgZ11, ui->imgZ12},
                  {nullptr, ui->imgZ21, ui->imgZ22},
                  {nullptr, ui->imgZ31, ui->imgZ32},
                  {nullptr, ui->imgZ41, ui->imgZ42},
                  {nullptr, ui->imgZ51, ui->imgZ52}}};
    m_edt = {nullptr, ui->Edt1, ui->Edt2, ui->Edt3, ui->Edt4, ui->Edt5};
    m_versuch.fill(1);

    for (int i = 1; i <= AnzahlAufgaben; ++i) {
        TEdit* edt = m_edt[static_cast<std::size_t>(i)];
        // Longer entries are cut when they are judged anyway.
        edt->setMaxLength(KurzText40);
        edt->FilterSetzen([i](QChar c) -> QChar {
            if (c == TEdit::Enter || c == TEdit::Rueck) return c;
            return ZeichenErlaubt(Aufgabe(i), c) ? c : QChar();
        });
        connect(edt, &TEdit::Change, this, &TfrmEinheiten::edtChange);
        connect(edt, &TEdit::Exit, this, [this, i] { edtExit(i); });
    }

    Schriftfarbe(ui->grpDurchgang, marine);
    Schriftfarbe(ui->grpVersuche, marine);
    Schriftfarbe(ui->grpPunkte, kastanie);
    Schriftfarbe(ui->pnlZeit, kastanie);

    // What a screen reader reads: each field's task, the rows as drawn, the counters.
    for (int i = 1; i <= AnzahlAufgaben; ++i) {
        const auto z = static_cast<std::size_t>(i);
        Beschreiben(m_edt[z], [i] {
            return QStringLiteral("Aufgabe %1: ").arg(i) + Aufgabentext(Aufgabe(i));
        });
        Beschreiben(m_gesicht[z], [this, i] { return Bildname(i, 0); });
        Beschreiben(m_zeichen[z][1], [this, i] { return Bildname(i, 1); });
        Beschreiben(m_zeichen[z][2], [this, i] { return Bildname(i, 2); });
    }
    Beschreiben(
        Client(), [] { return QStringLiteral("Aufgaben"); },
        [this] {
            QStringList zeilen;
            for (int i = 1; i <= AnzahlAufgaben; ++i)
                zeilen << Zeilentext(i);
            return zeilen.join(u'\n');
        });
    NachGruppeBenennen(ui->lblDurchgang);
    NachGruppeBenennen(ui->lblAktVersuche);
    NachGruppeBenennen(ui->lblAktPunkte);
    WertBenennen(ui->pnlZeit, QStringLiteral("Zeitanzeige"));

    connect(ui->btnWeiter, &QPushButton::clicked, this, &TfrmEinheiten::btnWeiterClick);
    connect(ui->btnAuswertung, &QPushButton::clicked, this, &TfrmEinheiten::btnAuswertungClick);
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
    connect(ui->menVerwandlung, &QAction::triggered, this, &TfrmEinheiten::menVerwandlungClick);
    connect(ui->menMaxanzahl, &QAction::triggered, this, &TfrmEinheiten::menMaxanzahlClick);
    connect(ui->menZeitart, &QAction::triggered, this, &TfrmEinheiten::menZeitartClick);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setTimerType(Qt::PreciseTimer);
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &TfrmEinheiten::Timer1Timer);
}

TfrmEinheiten::~TfrmEinheiten() = default;

const QString& TfrmEinheiten::EingabeDerZeile(int i) const {
    static const QString leer;
    return i >= 1 && i <= AnzahlAufgaben ? Eingabe[static_cast<std::size_t>(i)] : leer;
}

void TfrmEinheiten::FormActivate() {
    Randomize();
    InitMarkupPalette();
    Platzieren(m_fenster.frmKalmiro, Fensterart::Bildschirm, Bildschirm1024);
    KSys = std::make_unique<TKSys>(-50, 50, -30, 30, 0, 1000, 0, 600);
    KSys->ShowLattice(true);

    ZaehlerZuruecksetzen();
    ui->lblAktVersuche->setText(QStringLiteral("0"));
    ui->lblAktPunkte->setText(QStringLiteral("0"));
    MaxanzahlArt = 1;

    SatzLoeschen();
    ui->btnAuswertung->hide();
    ui->btnWeiter->show();
    Anweisung();
    SatzErzeugen();
    // The main window switches the stopwatch off for every opening; a stopwatch still
    // running from the last one would show "Aus" for a flag that reads off.
    if (m_timer1->isActive() != ZeitanzeigeEin) Stoppuhr(ZeitanzeigeEin);
    ui->Edt1->setFocus();
    NeuZeichnen();
}

void TfrmEinheiten::ZaehlerZuruecksetzen() {
    m_versuch.fill(1);
    m_versuche = 0;
    m_punkte = 0;
}

void TfrmEinheiten::ZaehlerZeigen() {
    ui->lblAktVersuche->setText(QString::number(m_versuche));
    ui->lblAktPunkte->setText(Festkomma(m_punkte, 1));
}

void TfrmEinheiten::Anzeige(const QString& text, const QColor& farbe) {
    Anzeigen(ui->lblAnzeige, text, farbe, true);
}

void TfrmEinheiten::Anweisung() {
    Anzeigen(ui->lblAnzeige, Anweisungstext(), QColor::fromRgb(fbBraun), false);
}

QString TfrmEinheiten::Zeilentext(int i) const {
    const auto z = static_cast<std::size_t>(i);
    const Umwandlungsaufgabe& a = Aufgabe(i);
    QString text = QStringLiteral("Aufgabe %1: ").arg(i);
    if (a.Geloest) {
        const bool zweiter = !m_zeichen[z][2]->pixmap().isNull();
        return text + Loesungssatz(a, a.LoesungText) +
               (zweiter ? QStringLiteral(", richtig beim zweiten Versuch")
                        : QStringLiteral(", richtig"));
    }
    if (a.Aufgedeckt) return text + Loesungssatz(a, Eingabe[z]) + QStringLiteral(", falsch");
    if (!a.Offen) return text;
    text += Aufgabentext(a);
    if (m_versuch[z] == 2) text += QStringLiteral(", erster Versuch falsch");
    // The second mode draws the expected answer beside each open row.
    if (MitBruechen()) text += QStringLiteral(", daneben in Blau: ") + a.LoesungText;
    return text;
}

QString TfrmEinheiten::Bildname(int i, int welches) const {
    const auto z = static_cast<std::size_t>(i);
    const QLabel* bild = welches == 0 ? m_gesicht[z] : m_zeichen[z][welches];
    const std::pair<const QLabel*, const char*> bilder[] = {
        {ui->imgB, "blaues Gesicht"},
        {ui->imgG, "grünes lachendes Gesicht"},
        {ui->imgO, "oranges trauriges Gesicht"},
        {ui->imgR, "rotes trauriges Gesicht"},
        {ui->imgRichtig, "Haken"},
        {ui->imgFalsch, "Kreuz"},
    };
    for (const auto& [muster, name] : bilder)
        if (!bild->pixmap().isNull() && bild->pixmap().cacheKey() == muster->pixmap().cacheKey())
            return QStringLiteral("Aufgabe %1: ").arg(i) + QString::fromUtf8(name);
    return {};
}

void TfrmEinheiten::SatzLoeschen() {
    for (int i = 1; i <= AnzahlAufgaben; ++i) {
        const auto z = static_cast<std::size_t>(i);
        AufgabeLoeschen(i);
        m_edt[z]->show();
        m_edt[z]->clear();
        Eingabe[z].clear();
        m_zeichen[z][1]->clear();
        m_zeichen[z][2]->clear();
        m_gesicht[z]->setPixmap(ui->imgB->pixmap());
    }
}

void TfrmEinheiten::SatzErzeugen() {
    for (int i = 1; i <= AnzahlAufgaben; ++i) {
        MitBruechen() ? AufgabeMitBruechen(i) : AufgabeOhneBrueche(i);
        Umwandlungsaufgabe& a = Aufgabe(i);
        a.Offen = true;
        TEdit* edt = m_edt[static_cast<std::size_t>(i)];
        edt->setGeometry(a.EingabeLinks, edt->y(), EingabeBreite, edt->height());
    }
}

void TfrmEinheiten::edtChange() {
    Anweisung();
}

void TfrmEinheiten::edtExit(int i) {
    const auto z = static_cast<std::size_t>(i);
    TEdit* edt = m_edt[z];
    Umwandlungsaufgabe& a = Aufgabe(i);
    if (edt->text().isEmpty() || !a.Offen) return;

    Eingabe[z] = EingabeNormalisiert(edt->text());
    edt->setText(Eingabe[z]);

    const Urteil urteil = Bewerte(a, m_versuch[z], Eingabe[z]);
    m_punkte += PunkteFuer(urteil);
    ++m_versuche;
    switch (urteil) {
    case Urteil::FalschBeimErsten:
        m_gesicht[z]->setPixmap(ui->imgR->pixmap());
        m_zeichen[z][1]->setPixmap(ui->imgFalsch->pixmap());
        Anzeige(QStringLiteral(
                    "Deine Eingabe ist leider falsch!\rÜberprüfe deine Eingabe und versuche es "
                    "noch einmal."),
                falschFarbe);
        ui->lblAktVersuche->setText(QString::number(m_versuche));
        // The pupil stays in the field for the second attempt.
        edt->setFocus();
        return;
    case Urteil::FalschBeimZweiten:
        m_zeichen[z][2]->setPixmap(ui->imgFalsch->pixmap());
        Anzeige(QStringLiteral("Deine Eingabe ist leider wieder falsch!\rDas Ergebnis lautet ") +
                    a.LoesungText +
                    QStringLiteral(
                        "!\rVergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                        "Fehler begangen hast!"),
                falschFarbe);
        break;
    case Urteil::RichtigBeimErsten:
        m_gesicht[z]->setPixmap(ui->imgG->pixmap());
        m_zeichen[z][1]->setPixmap(ui->imgRichtig->pixmap());
        Anzeige(QStringLiteral("Bravo, deine Eingabe ist richtig!"), richtigFarbe);
        break;
    case Urteil::RichtigBeimZweiten:
        m_gesicht[z]->setPixmap(ui->imgO->pixmap());
        m_zeichen[z][2]->setPixmap(ui->imgRichtig->pixmap());
        Anzeige(QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"), richtigFarbe);
        break;
    }
    edt->hide();
    ZaehlerZeigen();
    NeuZeichnen();
}

void TfrmEinheiten::btnWeiterClick() {
    SatzLoeschen();
    SatzErzeugen();
    ZaehlerZuruecksetzen();
    ZaehlerZeigen();
    RundenZeigen();
    ui->Edt1->setFocus();
    NeuZeichnen();
}

// The round box keeps "1 / 1": no rule advances the rounds here, so the series only
// ends if Durchgang has already reached or passed the rounds setting.
void TfrmEinheiten::RundenZeigen() {
    const bool ende = Durchgang >= MaxDurchgaenge[1];
    ui->btnAuswertung->setVisible(ende);
    ui->btnWeiter->setVisible(!ende);
}

void TfrmEinheiten::btnAuswertungClick() {
    GesamtPunkte = m_punkte;
    GesamtVersuche = m_versuche;
    if (m_fenster.frmAuswertung) m_fenster.frmAuswertung->ZeigeModal();
    ZaehlerZuruecksetzen();
    ZaehlerZeigen();
    Durchgang = 1;
    SatzLoeschen();
    SatzErzeugen();
    RundenZeigen();
    if (ZeitanzeigeEin) Stoppuhr(true);
    ui->Edt1->setFocus();
    NeuZeichnen();
}

void TfrmEinheiten::ErstesLeeresFeld() {
    for (int i = 1; i <= AnzahlAufgaben; ++i) {
        TEdit* edt = m_edt[static_cast<std::size_t>(i)];
        if (edt->isVisibleTo(this) && edt->text().isEmpty()) {
            edt->setFocus();
            return;
        }
    }
}

void TfrmEinheiten::menVerwandlungClick() {
    if (m_fenster.frmVerwandlungsketten) m_fenster.frmVerwandlungsketten->ZeigeModal();
    ErstesLeeresFeld();
}

void TfrmEinheiten::menMaxanzahlClick() {
    MaxanzahlArt = 1;
    if (m_fenster.frmMaxanzahl) m_fenster.frmMaxanzahl->ZeigeModal();
    RundenZeigen();
    NeuZeichnen();
}

void TfrmEinheiten::menZeitartClick() {
    ZeitanzeigeEin = !ZeitanzeigeEin;
    Stoppuhr(ZeitanzeigeEin);
}

void TfrmEinheiten::Stoppuhr(bool ein) {
    ui->menZeitart->setText(ein ? QStringLiteral("Aus") : QStringLiteral("Ein"));
    ui->pnlZeit->setVisible(ein);
    if (ein) {
        m_start = Jetzt().time();
        m_timer1->start();
    } else {
        m_timer1->stop();
    }
    m_vergangen = 0;
    ui->pnlZeit->setText(Zeitspanne(0));
}

void TfrmEinheiten::Timer1Timer() {
    // The panel shows the span measured at the tick before, so it trails by a second.
    ui->pnlZeit->setText(Zeitspanne(m_vergangen));
    int ms = m_start.msecsTo(Jetzt().time());
    // Past midnight the time of day starts again from zero.
    if (ms < 0) ms += tagInMs;
    m_vergangen = ms;
}

void TfrmEinheiten::FormPaint(QPainter& canvas) {
    if (!KSys) return;
    KSys->Paint(canvas);
    for (int i = 1; i <= AnzahlAufgaben; ++i)
        ZeileZeichnen(canvas, i);
}

void TfrmEinheiten::ZeileZeichnen(QPainter& canvas, int i) const {
    const Umwandlungsaufgabe& a = Aufgabe(i);
    const QString& eingabe = Eingabe[static_cast<std::size_t>(i)];
    const float y = ZeileY(i);
    const QString links = a.AngabeText + u' ' + a.VonEinheit + QStringLiteral(" =");
    const QString rechts = u' ' + a.NachEinheit;

    if (!MitBruechen() || !a.Bruchart) {
        if (a.Offen) {
            SysText(canvas, links, textGroesse, linksEnde, y, 'R', 'M');
            SysText(canvas, a.NachEinheit, textGroesse, rechtsAnfang, y, 'L', 'M');
            if (MitBruechen())
                SysTextC(canvas, a.LoesungText, textGroesse, antwortX, y, blau, 'L', 'M');
        } else if (a.Geloest) {
            SysText(canvas, links + QStringLiteral(" ~") + a.LoesungText + u'~' + rechts,
                    textGroesse, 0, y, 'M', 'M');
        } else if (a.Aufgedeckt) {
            SysText(canvas, links + QStringLiteral(" #") + eingabe + u'#' + rechts, textGroesse, 0,
                    y, 'M', 'M');
        }
        return;
    }

    if (a.Offen) {
        if (a.BruchAngabe) {
            const QString text = u' ' + a.VonEinheit + QStringLiteral(" =");
            const float breite =
                SysFractionWidth(canvas, a.ZaehlerText, a.NennerText, bruchMessGroesse, 'L') +
                SysTextWidthW(canvas, text, textGroesse);
            const float x0 = linksEnde - breite;
            const float w =
                SysFraction(canvas, a.ZaehlerText, a.NennerText, x0, y, textGroesse, schwarz, 'L');
            SysText(canvas, text, textGroesse, x0 + w, y, 'L', 'M');
        } else {
            SysText(canvas, links, textGroesse, linksEnde, y, 'R', 'M');
        }
        SysText(canvas, a.NachEinheit, textGroesse, rechtsAnfang, y, 'L', 'M');
        if (a.BruchLoesung)
            SysFraction(canvas, a.ZaehlerText, a.NennerText, antwortX, y, textGroesse, blau, 'L');
        else
            SysTextC(canvas, a.LoesungText, textGroesse, antwortX, y, blau, 'L', 'M');
        return;
    }

    if (a.BruchAngabe) {
        // The pupil's wrong answer stands where the right one would.
        const QString richtig =
            a.VonEinheit + QStringLiteral(" = ~") + a.LoesungText + u'~' + rechts;
        const float x0 =
            -SysFractionUnitWidth(canvas, a.ZaehlerText, a.NennerText, textGroesse, richtig) / 2;
        if (a.Geloest)
            SysFractionUnit(canvas, a.ZaehlerText, a.NennerText, x0, y, textGroesse, schwarz,
                            richtig);
        else if (a.Aufgedeckt)
            SysFractionUnit(canvas, a.ZaehlerText, a.NennerText, x0, y, textGroesse, schwarz,
                            a.VonEinheit + QStringLiteral(" = #") + eingabe + u'#' + rechts);
        return;
    }

    if (a.Geloest) {
        BruchZeile(canvas, links, u'~' + a.ZaehlerText + u'~', u'~' + a.NennerText + u'~',
                   a.NachEinheit, y);
    } else if (a.Aufgedeckt) {
        if (eingabe.contains(u'/')) {
            QString zaehler, nenner;
            BruchTeilen(eingabe, zaehler, nenner);
            BruchZeile(canvas, links, u'#' + zaehler + u'#', u'#' + nenner + u'#', a.NachEinheit,
                       y);
        } else {
            const float x0 =
                -SysTextWidthW(canvas, links + u' ' + eingabe + rechts, textGroesse) / 2;
            SysText(canvas, links + QStringLiteral(" #") + eingabe + u'#' + rechts, textGroesse, x0,
                    y, 'L', 'M');
        }
    }
}

} // namespace kalmiro
