#pragma once

#include "core/FarbenU.h"
#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <array>
#include <memory>
#include <span>

class QAction;
class QLabel;

namespace Ui {
class frmInformation;
}

namespace kalmiro {

// One line of a reading page: drawn with its top-left corner at (x, y) in bold Arial 12,
// black, with every stretch between two '#' in the highlight colour.
struct Infozeile {
    int x;
    int y;
    const char16_t* text;
    Farbe hervorhebung;
};

// The lines of page 1 ("Geschichte") or page 2 ("Messgeräte"); none for another page.
std::span<const Infozeile> Seitenzeilen(int seite);

// Two reading pages on the history of time measurement and its instruments, each a
// column of headed paragraphs with pictures beside it; the menu chooses the page.
class TfrmInformation : public TForm {
    Q_OBJECT
public:
    explicit TfrmInformation(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmInformation() override;

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;

private:
    void menInfoClick(QAction* quelle);
    // Caption and pictures of the page in InfoSeite; the paint only draws its lines.
    void SeiteZeigen();

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmInformation> ui;
    std::array<QLabel*, 5> m_bilderSeite1{};
    std::array<QLabel*, 6> m_bilderSeite2{};
    int InfoSeite = 1;
};

} // namespace kalmiro
