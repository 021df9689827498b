#include "screens/dialoge/InformationenU.h"

#include "core/GlobaleU.h"
#include "ui_InformationenU.h"

namespace kalmiro {

TfrmInformation::TfrmInformation(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmInformation>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(255, 255, 255));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmInformation::~TfrmInformation() = default;

void TfrmInformation::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
