#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmZonenauswahl;
}

namespace kalmiro {

// The dialog in which the pupil picks the zone whose clock and countries the time-zone
// screen shows beside the home zone. OK hands the item's code over in GewaehlteZone; the
// close box hands nothing over. The choice stays from one opening to the next.
class TfrmZonenauswahl : public TForm {
    Q_OBJECT
public:
    explicit TfrmZonenauswahl(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZonenauswahl() override;

protected:
    void FormActivate() override;

private:
    void grpAuswahlClick();
    void btnOkClick();

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZonenauswahl> ui;
};

} // namespace kalmiro
