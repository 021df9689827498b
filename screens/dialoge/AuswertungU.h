#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmAuswertung;
}

namespace kalmiro {

class TfrmAuswertung : public TForm {
    Q_OBJECT
public:
    explicit TfrmAuswertung(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmAuswertung() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmAuswertung> ui;
};

} // namespace kalmiro
