#pragma once

#include "core/MusterschritteU.h"
#include "platform/TForm.h"
#include "platform/WanderlabelU.h"
#include "screens/Fenster.h"
#include "screens/SchrittleisteU.h"

#include <array>
#include <memory>
#include <vector>

namespace Ui {
class frmMuster;
}

namespace kalmiro {

// Four worked examples of an operation, one per carry level, unfolding step by step:
// each step button runs the next step of the chosen example, and carries, borrows and
// remainders slide as a label from column to column.
class TfrmMuster : public TForm {
    Q_OBJECT
public:
    explicit TfrmMuster(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmMuster() override;

    // What the window shows, for tests: example 1..4, the step reached (0 before step 1),
    // the rows under the operands and the sliding label.
    const TZeitAufgabe& Beispiel(int n) const;
    int GewaehltesBeispiel() const { return m_beispiel; }
    int Schritt() const { return m_leiste.Schritt(); }
    const Musterstand& Stand() const { return m_stand; }
    const Wanderlabel& Label() const { return m_label; }

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;

private:
    void NeueBeispiele();
    void BeispielWaehlen(); // the example chosen in grpBeispiele, nothing of it shown yet
    void grpBeispieleClick();
    void btnClick(int nummer);
    void btnWiederholungClick();
    bool Gleiten(const Musteruebertrag& uebertrag);
    void Erklaerung(const QString& text, Textfarbe farbe);
    // The drawing as a screen reader reads it: the title, then the rows from top to
    // bottom, and the sliding label while it is on its way.
    QString Vorgelesen() const;

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmMuster> ui;
    Schrittleiste m_leiste;
    int m_art = ArtAddition;
    std::array<TZeitAufgabe, MusterBeispiele> m_beispiele{};
    std::vector<Musterschritt> m_schritte; // of the chosen example
    int m_beispiel = 1;
    Musterstand m_stand;
    Wanderlabel m_label;
};

} // namespace kalmiro
