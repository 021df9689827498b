#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmZonenauswahl;
}

namespace kalmiro {

class TfrmZonenauswahl : public TForm {
    Q_OBJECT
public:
    explicit TfrmZonenauswahl(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZonenauswahl() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZonenauswahl> ui;
};

} // namespace kalmiro
