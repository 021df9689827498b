#include "screens/SchrittleisteU.h"

#include "platform/TRadioGroup.h"

#include <QPushButton>
#include <algorithm>

namespace kalmiro {

QString WahlAufforderung() {
    return QStringLiteral("Wähle ein Beispiel aus und klicken auf die jeweilige Schaltfläche.\r"
                          "Du  kannst dabei das Berechnen von Zeiten Schritt für Schritt lernen!");
}

Schrittleiste::Schrittleiste(std::vector<QPushButton*> knoepfe, QPushButton* nochmal,
                             TRadioGroup* auswahl, Auswahl wann)
    : m_knoepfe(std::move(knoepfe)), m_nochmal(nochmal), m_auswahl(auswahl), m_wann(wann) {
    for (int i = 1; i <= Knoepfe(); ++i)
        Knopf(i)->setAccessibleName(QStringLiteral("Schritt %1").arg(i));
}

QPushButton* Schrittleiste::Knopf(int nummer) const {
    return m_knoepfe[static_cast<std::size_t>(std::clamp(nummer, 1, Knoepfe()) - 1)];
}

bool Schrittleiste::AuswahlOffen() const {
    return !m_laeuft &&
           (m_schritt == 0 || (m_wann == Auswahl::AuchAmEnde && m_schritt == m_anzahl));
}

void Schrittleiste::Anfang(int schritte) {
    m_anzahl = std::clamp(schritte, 0, Knoepfe());
    m_schritt = 0;
    m_laeuft = false; // also after a window closed in the middle of a step
    m_mitFokus = false;
    m_auswahl->setEnabled(true);
    // The keyboard comes back from "Noch einmal" to the choice of the example.
    if (m_nochmal->window()->focusWidget() == m_nochmal) m_auswahl->FokusAufAuswahl();
    for (int i = 1; i <= Knoepfe(); ++i) {
        Knopf(i)->setVisible(i <= m_anzahl);
        Knopf(i)->setEnabled(i == 1);
    }
    m_nochmal->hide();
}

bool Schrittleiste::Beginnen(int nummer) {
    if (m_laeuft || nummer != m_schritt + 1 || nummer > m_anzahl) return false;
    // The button pressed lets go of the focus, and the one that comes next takes it once
    // it can be pressed, before the step's sentence is read out, so that a screen reader
    // naming the button does not cut the sentence short.
    QPushButton* gedrueckt = Knopf(nummer);
    m_mitFokus = gedrueckt->window()->focusWidget() == gedrueckt;
    if (m_mitFokus) gedrueckt->clearFocus();
    m_schritt = nummer;
    m_laeuft = true;
    gedrueckt->setEnabled(false);
    m_auswahl->setEnabled(false);
    return true;
}

void Schrittleiste::Weiter() {
    m_laeuft = false;
    const bool letzter = m_schritt == m_anzahl;
    QPushButton* naechster = letzter ? m_nochmal : Knopf(m_schritt + 1);
    if (letzter) {
        m_nochmal->show();
        if (m_wann == Auswahl::AuchAmEnde) m_auswahl->setEnabled(true);
    } else {
        naechster->setEnabled(true);
    }
    if (m_mitFokus) naechster->setFocus(Qt::OtherFocusReason);
}

} // namespace kalmiro
