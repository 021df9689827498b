#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmMaxanzahl;
}

namespace kalmiro {

class TfrmMaxanzahl : public TForm {
    Q_OBJECT
public:
    explicit TfrmMaxanzahl(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmMaxanzahl() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmMaxanzahl> ui;
};

} // namespace kalmiro
