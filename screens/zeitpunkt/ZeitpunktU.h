#pragma once

#include "core/ZeitpunktschritteU.h"
#include "draw/ZeitachseU.h"
#include "platform/TForm.h"
#include "platform/WanderlabelU.h"
#include "screens/Fenster.h"
#include "screens/SchrittleisteU.h"

#include <array>
#include <memory>
#include <vector>

namespace Ui {
class frmZeitpunkt;
}

namespace kalmiro {

// Point in time and duration on a drawn time line: the "Begriffe" page, or six worked
// train-journey examples that unfold step by step, borrowing and carrying hours with a
// sliding label.
class TfrmZeitpunkt : public TForm {
    Q_OBJECT
public:
    explicit TfrmZeitpunkt(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZeitpunkt() override;

    // What the window shows, for tests: the example (1..6) and its times, the step reached
    // (0 before step 1), the written computations, the sliding label, the page's points.
    int Aufgabenart() const { return m_beispiel.Aufgabenart; }
    const TZugaufgabe& Beispiel() const { return m_beispiel; }
    int Schritt() const { return m_leiste.Schritt(); }
    const Zeitstand& Stand() const { return m_stand; }
    const Wanderlabel& Label() const { return m_label; }
    const std::array<Uhrzeit, 4>& Zeitpunkte() const { return m_zeitpunkte; }

protected:
    void FormActivate() override;

private:
    void pntPaint(QPainter& canvas) const;
    void grpBeispieleClick();
    void btnClick(int nummer);
    void btnWiederholungClick();
    void BeispielWaehlen(); // new times for the chosen example, its buttons at the start
    void NeuerAnfang();
    bool Gleiten(const Zeituebertrag& uebertrag, const Zeitstand& ende);
    void Erklaerung(const QString& text, Zeittinte tinte);

    // A piece of an example's time line beside the axis and the travel time, in the order
    // it is drawn: a time mark, a double arrow over a part of the journey with its name,
    // or the drop lines under both times.
    struct Zeitleistenteil {
        enum class Art { Marke, Pfeil, Lote };
        Art art = Art::Marke;
        float x = 0;                  // the mark; the arrow's start; the departure's drop line
        float bis = 0;                // the arrow's end; the arrival's drop line
        float y = 0;                  // the arrow's height
        int stunden = 0, minuten = 0; // the mark's time
        Zeittinte tinte = Zeittinte::Pink;
        QString text = {}; // the arrow's name, or what the mark marks
        float textX = 0, textY = 0;
    };
    std::vector<Zeitleistenteil> Zeitleiste() const;
    Zeitachsenart Achsenart() const;
    float Achsenhoehe() const;
    float AbfahrtX() const;
    float AnkunftX() const;

    void BegriffeZeichnen(QPainter& canvas) const;
    void ZeitleisteZeichnen(QPainter& canvas) const;
    void RechnungZeichnen(QPainter& canvas) const;
    // The drawing as a screen reader reads it, line by line from the top.
    QString Vorgelesen() const;

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZeitpunkt> ui;
    Schrittleiste m_leiste;
    bool m_begriffe = true; // the "Begriffe" page, else the worked examples
    std::array<Uhrzeit, 4> m_zeitpunkte{};
    TZugaufgabe m_beispiel;
    std::vector<Zeitschritt> m_schritte;
    Zeitstand m_stand;
    Wanderlabel m_label;
};

} // namespace kalmiro
