#include "screens/zeitzonen/ZeitzonenU.h"

#include "core/GlobaleU.h"
#include "ui_ZeitzonenU.h"

namespace kalmiro {

TfrmZeitzonen::TfrmZeitzonen(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZeitzonen>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(255, 255, 255));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmZeitzonen::~TfrmZeitzonen() = default;

void TfrmZeitzonen::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
