#include "screens/zeitzonen/Zonenauswahl.h"

#include "core/GlobaleU.h"
#include "ui_Zonenauswahl.h"

namespace kalmiro {

TfrmZonenauswahl::TfrmZonenauswahl(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZonenauswahl>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach);
    connect(ui->btnOk, &QPushButton::clicked, this, [this] { Schliesse(Ergebnis::Ok); });
}

TfrmZonenauswahl::~TfrmZonenauswahl() = default;

void TfrmZonenauswahl::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
