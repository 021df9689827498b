#include "screens/einheiten/VerwandlungsketteU.h"

#include "core/GlobaleU.h"
#include "core/FarbenU.h"
#include "ui_VerwandlungsketteU.h"

namespace kalmiro {

TfrmVerwandlungsketten::TfrmVerwandlungsketten(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmVerwandlungsketten>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, fbGrau240);
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmVerwandlungsketten::~TfrmVerwandlungsketten() = default;

void TfrmVerwandlungsketten::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
