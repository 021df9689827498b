#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmZeitpunkt;
}

namespace kalmiro {

class TfrmZeitpunkt : public TForm {
    Q_OBJECT
public:
    explicit TfrmZeitpunkt(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZeitpunkt() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZeitpunkt> ui;
};

} // namespace kalmiro
