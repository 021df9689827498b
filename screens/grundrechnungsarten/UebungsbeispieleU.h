#pragma once

#include "core/UebungsprotokollU.h"
#include "core/ZeitaufgabenU.h"
#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <QString>
#include <array>
#include <memory>

namespace Ui {
class frmUebung;
}

namespace kalmiro {

class TEdit;

// Exercises in the four operations: six tasks per round, each answered in its field
// and checked on leaving it, with a second attempt after a first wrong answer.
class TfrmUebung : public TForm {
    Q_OBJECT
public:
    explicit TfrmUebung(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmUebung() override;

    // Task position 1..6 of the current round.
    const TZeitAufgabe& Aufgabe(int position) const;

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;

private:
    // A task position moves from open to pending (one wrong answer) to final; after two
    // wrong answers the last answer is drawn in red.
    struct Platz {
        Aufgabenstand stand;
        QString antwort; // the last answer, normalised, without blanks
    };

    void edtChange();
    void edtExit(int i);
    void btnWeiterClick();
    void btnAuswertungClick();
    void menMaxanzahlClick();

    void Runde();         // new tasks, title, fields placed
    void RundeBeginnen(); // a fresh round shown: open fields, counters, focus
    void FelderLeeren();  // all fields shown and empty, all positions open
    void ZaehlerZeigen(); // the three boxes at the bottom
    void KnopfWaehlen();  // "Auswertung" in the place of "Weiter" once the series is done
    bool RundeFertig() const;
    void Anzeige(const QString& text, Farbe farbe);
    void AufgabeZeichnen(QPainter& canvas, int i);
    // The drawn blocks as a screen reader reads them, one a line.
    QString Vorgelesen() const;

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmUebung> ui;
    std::array<TEdit*, AufgabenProRunde> m_felder{};
    std::array<TZeitAufgabe, AufgabenProRunde> m_aufgaben{};
    std::array<Platz, AufgabenProRunde> m_plaetze{};
};

} // namespace kalmiro
