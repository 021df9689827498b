#include "screens/ZeituebungU.h"

#include "core/GlobaleU.h"
#include "core/TexteU.h"
#include "core/ZeitenU.h"
#include "platform/Anzeige.h"
#include "platform/SystemU.h"
#include "platform/TEdit.h"
#include "platform/Zugang.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/MaxanzahlU.h"

#include <QLabel>
#include <QPushButton>

namespace kalmiro {
namespace {

// What the verdict says in the message label, and in which colour.
QString Urteilstext(Urteil urteil, const QString& ergebnis) {
    switch (urteil) {
    case Urteil::FalschBeimErsten:
        return QStringLiteral("Deine Eingabe ist leider falsch!\rÜberprüfe deine Eingabe und "
                              "versuche es noch einmal.");
    case Urteil::FalschBeimZweiten:
        // "den Fehler gegangen" is the program's own wording.
        return QStringLiteral("Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet ") +
               EinheitenLeerzeichen(ergebnis) +
               QStringLiteral("!\rVergleiche das Ergebnis mit deiner Eingabe und überlege,\r"
                              "warum du den Fehler gegangen hast!");
    case Urteil::RichtigBeimErsten:
        return QStringLiteral("Bravo deine Eingabe ist richtig!");
    case Urteil::RichtigBeimZweiten:
        break;
    }
    return QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!");
}

Farbe Urteilsfarbe(Urteil urteil) {
    return PunkteFuer(urteil) > 0 ? fbKornblau : fbPink;
}

} // namespace

TZeituebung::TZeituebung(const Fensterverbund& fenster, int rundenart,
                         const Zeituebungsteile& teile)
    : m_fenster(fenster), m_rundenart(rundenart), m_teile(teile) {
    m_teile.edtEingabe->FilterSetzen([this](QChar c) { return Zeitzeichen(m_form, c); });
    NachGruppeBenennen(m_teile.lblDurchgang);
    NachGruppeBenennen(m_teile.lblAktVersuche);
    NachGruppeBenennen(m_teile.lblAktPunkte);
}

void TZeituebung::NeueAufgabe(const QString& ergebnis, Zeitform form) {
    m_stand = Aufgabenstand{};
    Versuch = m_stand.versuch;
    m_ergebnis = ergebnis;
    m_form = form;
    kalmiro::Ergebnis = ergebnis;
    TEdit* feld = m_teile.edtEingabe;
    feld->show();
    feld->clear();
    KnopfWaehlen();
    feld->setFocus();
}

void TZeituebung::SerieBeginnen() {
    kalmiro::SerieBeginnen();
    m_teile.lblAktVersuche->setText(QStringLiteral("0"));
    m_teile.lblAktPunkte->setText(QStringLiteral("0"));
    RundeZeigen();
}

void TZeituebung::RundeZeigen() {
    m_teile.lblDurchgang->setText(QString::number(Durchgang) + QStringLiteral(" / ") +
                                  QString::number(MaxDurchgaenge[m_rundenart]));
}

void TZeituebung::KnopfWaehlen() {
    const bool auswerten =
        AuswertungErreichbar(Durchgang, MaxDurchgaenge[m_rundenart], m_stand.Fertig());
    // Hidden, not covered: a covered button could still be reached with Tab.
    m_teile.btnWeiter->setVisible(!auswerten);
    m_teile.btnAuswertung->setVisible(auswerten);
}

void TZeituebung::Anzeige(const QString& text, Farbe farbe) {
    // Verdicts are read out; the brown prompt comes back with every keystroke.
    Anzeigen(m_teile.lblAnzeige, text, QColor::fromRgb(farbe), farbe != fbBraun);
}

void TZeituebung::Aufforderung(const QString& text) {
    m_aufforderung = text;
    AufforderungZeigen();
}

void TZeituebung::AufforderungZeigen() {
    Anzeige(m_aufforderung, fbBraun);
}

std::optional<Urteil> TZeituebung::Pruefen() {
    TEdit* feld = m_teile.edtEingabe;
    if (feld->text().isEmpty() || m_stand.Fertig()) return std::nullopt;
    const std::optional<QString> gelesen = LeseZeiteingabe(feld->text(), m_form);
    if (!WirdBeurteilt(m_stand, false, gelesen.has_value())) {
        Meldung(QStringLiteral("Fehler in der Eingabe!"));
        feld->setFocus();
        return std::nullopt;
    }
    Antwort = *gelesen;
    const Urteil urteil = Beurteile(m_stand, Antwort == m_ergebnis);
    Anrechnen(urteil, m_stand);
    m_teile.lblAktVersuche->setText(QString::number(Versuche));
    Anzeige(Urteilstext(urteil, m_ergebnis), Urteilsfarbe(urteil));
    if (!m_stand.Fertig()) {
        feld->setFocus();
        return urteil;
    }
    // The entry stays in the field, for the screen to show where it was wrong.
    feld->hide();
    m_teile.lblAktPunkte->setText(Festkomma(Punkte, 1));
    KnopfWaehlen();
    (m_teile.btnWeiter->isVisible() ? m_teile.btnWeiter : m_teile.btnAuswertung)->setFocus();
    return urteil;
}

bool TZeituebung::Weiter() {
    const int grenze = MaxDurchgaenge[m_rundenart];
    const Hindernis hindernis = WeiterHindernis(m_stand, m_teile.edtEingabe->text().isEmpty(),
                                                LetzteRunde(Durchgang, grenze));
    switch (WeiterEntscheiden(Durchgang, grenze, hindernis == Hindernis::Keins ? 0 : 1)) {
    case Weiterschritt::Aufgehalten:
        // In the last round an open task must be finished: the series cannot go past it.
        if (hindernis == Hindernis::OhneEintrag)
            Meldung(QStringLiteral("Es ist kein Eintrag vorhanden!"));
        else
            AufforderungZeigen();
        m_teile.edtEingabe->setFocus();
        return false;
    case Weiterschritt::Auswerten:
        KnopfWaehlen();
        return false;
    case Weiterschritt::NaechsteRunde:
        break;
    }
    ++Durchgang;
    RundeZeigen();
    return true;
}

void TZeituebung::Auswerten() {
    if (m_fenster.frmAuswertung) m_fenster.frmAuswertung->ZeigeModal();
    SerieBeginnen();
    m_teile.lblAktPunkte->setText(Festkomma(Punkte, 1));
}

void TZeituebung::Rundendialog() {
    MaxanzahlArt = m_rundenart;
    if (m_fenster.frmMaxanzahl) m_fenster.frmMaxanzahl->ZeigeModal();
    RundeZeigen();
    KnopfWaehlen();
    const bool offen = !m_stand.Fertig();
    m_teile.edtEingabe->setVisible(offen);
    if (offen) m_teile.edtEingabe->setFocus();
}

} // namespace kalmiro
