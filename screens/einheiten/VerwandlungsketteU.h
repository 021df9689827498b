#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmVerwandlungsketten;
}

namespace kalmiro {

// The chain of time units from hours down to milliseconds on one line, with the
// factor between neighbours above it: a reference the pupil opens while converting.
class TfrmVerwandlungsketten : public TForm {
    Q_OBJECT
public:
    explicit TfrmVerwandlungsketten(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmVerwandlungsketten() override;

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;

private:
    void MasseSetzen();

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmVerwandlungsketten> ui;
    int MitteX = 0;
    int MitteY = 0;
    int Breite = 0;
};

} // namespace kalmiro
