#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmUebung;
}

namespace kalmiro {

class TfrmUebung : public TForm {
    Q_OBJECT
public:
    explicit TfrmUebung(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmUebung() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmUebung> ui;
};

} // namespace kalmiro
