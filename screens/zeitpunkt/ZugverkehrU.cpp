#include "screens/zeitpunkt/ZugverkehrU.h"

#include "core/GlobaleU.h"
#include "ui_ZugverkehrU.h"

namespace kalmiro {

TfrmZugverkehr::TfrmZugverkehr(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZugverkehr>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(255, 255, 255));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmZugverkehr::~TfrmZugverkehr() = default;

void TfrmZugverkehr::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
