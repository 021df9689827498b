#include "screens/dialoge/AuswertungU.h"

#include "core/GlobaleU.h"
#include "core/ZeitenU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/Zugang.h"
#include "ui_AuswertungU.h"

#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace kalmiro {
namespace {

constexpr int Schrittzeit = 100; // ms per frame of the bars

} // namespace

int ProzentRichtig(float punkte, int versuche) {
    if (versuche <= 0 || !(punkte > 0.0f)) return 0;
    // Points come in halves; counting in halves keeps the rounding of an exact half
    // (5 of 8 is 62,5 %) exact instead of at the mercy of binary fractions.
    const double begrenzt = std::min(static_cast<double>(punkte), static_cast<double>(versuche));
    const long long halbe = std::llround(begrenzt * 2.0);
    const long long zaehler = halbe * 100;
    const long long nenner = 2LL * versuche;
    long long q = zaehler / nenner;
    const long long rest = zaehler % nenner;
    if (2 * rest > nenner || (2 * rest == nenner && q % 2 != 0)) ++q;
    return static_cast<int>(std::clamp(q, 0LL, 100LL));
}

QString Notensatz(int prozent) {
    if (prozent <= 30) return QStringLiteral("Du musst noch sehr viel üben!");
    if (prozent <= 50) return QStringLiteral("Du solltest noch viel üben!");
    if (prozent <= 65) return QStringLiteral("Nicht schlecht, aber du solltest noch etwas üben!");
    if (prozent <= 75)
        return QStringLiteral("Du bist schon recht gut. Ein wenig Übung wäre aber günstig.");
    if (prozent <= 90)
        return QStringLiteral(
            "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch ewas weiter.");
    if (prozent <= 99)
        return QStringLiteral("Du bist schon fast perfekt! Du gehörst schon zu den Profis.");
    return QStringLiteral("Sehr gut! Du bist ein Zeitprofi.");
}

QString ProzentText(float prozent) {
    return Festkomma(prozent, 3) + QStringLiteral(" %");
}

TfrmAuswertung::TfrmAuswertung(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmAuswertung>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::OhneKnoepfe);
    ui->gauRichtig->FuellfarbeSetzen(QColor(185, 233, 249));
    ui->gauFalsch->FuellfarbeSetzen(QColor(255, 145, 145));
    connect(ui->btnSchliessen, &QPushButton::clicked, this, &TfrmAuswertung::btnSchliessenClick);
    // Enter presses the button once it is there; nothing else closes the window.
    StandardKnopf(ui->btnSchliessen);
    ui->gauRichtig->setAccessibleName(QStringLiteral("Richtig"));
    ui->gauFalsch->setAccessibleName(QStringLiteral("Falsch"));
    WertBenennen(ui->lblPRichtig, QStringLiteral("Richtig"));
    WertBenennen(ui->lblPFalsch, QStringLiteral("Falsch"));
    WertBenennen(ui->pnlRichtig, QStringLiteral("Richtig"));
    WertBenennen(ui->pnlFalsch, QStringLiteral("Falsch"));
}

TfrmAuswertung::~TfrmAuswertung() = default;

void TfrmAuswertung::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Dialog, Bildschirm1024);
    // Each showing animates afresh; the button only comes when the bars stand.
    ui->btnSchliessen->hide();
    ui->lblAnzeige->clear();
    ui->lblRichtig->repaint();
    ui->lblFalsch->repaint();

    const float punkte = GesamtPunkte;
    const int versuche = GesamtVersuche;
    const QString von = QStringLiteral(" / ") + QString::number(versuche);
    ui->pnlRichtig->setText(Festkomma(punkte, 1) + von);
    ui->pnlFalsch->setText(Festkomma(static_cast<float>(versuche) - punkte, 1) + von);
    ui->pnlRichtig->repaint();
    ui->pnlFalsch->repaint();

    m_prozent = ProzentRichtig(punkte, versuche);
    Schriftfarbe(ui->lblAnzeige, QColor(102, 153, 51));

    ui->gauRichtig->setValue(0);
    ui->gauFalsch->setValue(100);
    ui->lblPRichtig->setText(ProzentText(0.0f));
    ui->lblPFalsch->setText(ProzentText(100.0f));
    if (m_prozent < 1) {
        Animation();
        return;
    }
    // The show event comes before the window is on the screen; the bars rise once it is.
    m_animiert = true;
    QTimer::singleShot(0, this, &TfrmAuswertung::Animation);
}

void TfrmAuswertung::Animation() {
    const float anteil =
        GesamtVersuche > 0 ? GesamtPunkte / static_cast<float>(GesamtVersuche) : 0.0f;
    QPointer<TfrmAuswertung> selbst(this);
    for (int k = 0; m_prozent >= 1 && k <= m_prozent; ++k) {
        ui->gauRichtig->setValue(k);
        ui->gauFalsch->setValue(100 - k);
        ui->gauRichtig->repaint();
        ui->gauFalsch->repaint();
        // At the last step x is the exact share: the labels end on the unrounded
        // percentage while the bars end on the rounded one.
        const float x = static_cast<float>(k) / static_cast<float>(m_prozent) * anteil;
        ui->lblPRichtig->setText(ProzentText(x * 100.0f));
        ui->lblPFalsch->setText(ProzentText((1.0f - x) * 100.0f));
        ui->lblPRichtig->repaint();
        ui->lblPFalsch->repaint();
        // A window hidden meanwhile needs no more frames.
        if (isVisible()) Warte(Schrittzeit);
        if (!selbst) return;
    }
    m_animiert = false;
    ui->btnSchliessen->show();
    ui->lblAnzeige->setText(Notensatz(m_prozent));
    Ansagen(ui->lblAnzeige, ui->lblAnzeige->text());
}

void TfrmAuswertung::FormPaint(QPainter&) {
    if (m_animiert) return;
    ui->gauRichtig->setValue(m_prozent);
    ui->gauFalsch->setValue(100 - m_prozent);
}

void TfrmAuswertung::btnSchliessenClick() {
    m_darfSchliessen = true;
    Schliessen(Ergebnis::Schliessen);
    m_darfSchliessen = false;
}

} // namespace kalmiro
