#include "screens/grundrechnungsarten/MusterbeispieleU.h"

#include "core/GlobaleU.h"
#include "ui_MusterbeispieleU.h"

namespace kalmiro {

TfrmMuster::TfrmMuster(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmMuster>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(240, 240, 240));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmMuster::~TfrmMuster() = default;

void TfrmMuster::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
