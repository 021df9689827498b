#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmMuster;
}

namespace kalmiro {

class TfrmMuster : public TForm {
    Q_OBJECT
public:
    explicit TfrmMuster(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmMuster() override;

protected:
    void FormActivate() override;

private:
    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmMuster> ui;
};

} // namespace kalmiro
