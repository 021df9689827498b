#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmZugverkehr;
}

namespace kalmiro {

class TfrmZugverkehr : public TForm {
    Q_OBJECT
public:
    explicit TfrmZugverkehr(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZugverkehr() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZugverkehr> ui;
};

} // namespace kalmiro
