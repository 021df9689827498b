#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmVerwandlungsketten;
}

namespace kalmiro {

class TfrmVerwandlungsketten : public TForm {
    Q_OBJECT
public:
    explicit TfrmVerwandlungsketten(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmVerwandlungsketten() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmVerwandlungsketten> ui;
};

} // namespace kalmiro
