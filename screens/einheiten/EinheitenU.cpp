#include "screens/einheiten/EinheitenU.h"

#include "core/GlobaleU.h"
#include "ui_EinheitenU.h"

namespace kalmiro {

TfrmEinheiten::TfrmEinheiten(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmEinheiten>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(240, 240, 240));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmEinheiten::~TfrmEinheiten() = default;

void TfrmEinheiten::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
