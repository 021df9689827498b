#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmEinheiten;
}

namespace kalmiro {

class TfrmEinheiten : public TForm {
    Q_OBJECT
public:
    explicit TfrmEinheiten(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmEinheiten() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmEinheiten> ui;
};

} // namespace kalmiro
