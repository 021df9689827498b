#pragma once

#include <QString>
#include <vector>

class QPushButton;

namespace kalmiro {

class TRadioGroup;

// What the explanation says when an example can be chosen again.
QString WahlAufforderung();

// The panel of a worked-examples window: a button for each step, "Noch einmal" and the
// choice of the example. It keeps the step reached and lets only the step that comes next
// run, one at a time; the keyboard goes on from step to step, and from "Noch einmal" back
// to the choice.
class Schrittleiste {
public:
    // Whether another example can be chosen once the last step is done, or only after
    // "Noch einmal".
    enum class Auswahl { NurAmAnfang, AuchAmEnde };

    Schrittleiste() = default;
    // The step buttons are named for a screen reader by their numbers.
    Schrittleiste(std::vector<QPushButton*> knoepfe, QPushButton* nochmal, TRadioGroup* auswahl,
                  Auswahl wann);

    QPushButton* Knopf(int nummer) const; // 1 ...
    int Knoepfe() const { return static_cast<int>(m_knoepfe.size()); }
    int Schritt() const { return m_schritt; } // 0 before step 1
    // The example has shown its result and no step runs: "Noch einmal" may start afresh.
    bool Fertig() const { return !m_laeuft && m_schritt == m_anzahl; }
    // Another example may be chosen: before the first step, and after the last if allowed.
    bool AuswahlOffen() const;

    // An example of the given number of steps from its start: its buttons shown, only the
    // first to press, "Noch einmal" hidden, the choice open.
    void Anfang(int schritte);
    // Begins step nummer if it is the one that comes next and none runs (a click that
    // waited while a label slid arrives after its step has ended); says whether it did.
    // Its button lets go of the keyboard focus meanwhile.
    bool Beginnen(int nummer);
    // The step begun is done: the next button, or "Noch einmal" after the last step, can
    // be pressed, and takes the focus if the button pressed had it.
    void Weiter();

private:
    std::vector<QPushButton*> m_knoepfe;
    QPushButton* m_nochmal = nullptr;
    TRadioGroup* m_auswahl = nullptr;
    Auswahl m_wann = Auswahl::NurAmAnfang;
    int m_anzahl = 0;
    int m_schritt = 0;
    bool m_laeuft = false;   // a step has begun and is not done (its label slides)
    bool m_mitFokus = false; // the button of the step running had the keyboard focus
};

} // namespace kalmiro
