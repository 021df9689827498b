#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmInformation;
}

namespace kalmiro {

class TfrmInformation : public TForm {
    Q_OBJECT
public:
    explicit TfrmInformation(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmInformation() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmInformation> ui;
};

} // namespace kalmiro
