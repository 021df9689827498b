#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmZeitzonen;
}

namespace kalmiro {

class TfrmZeitzonen : public TForm {
    Q_OBJECT
public:
    explicit TfrmZeitzonen(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZeitzonen() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZeitzonen> ui;
};

} // namespace kalmiro
