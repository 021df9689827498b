#include "screens/grundrechnungsarten/UebungsbeispieleU.h"

#include "core/GlobaleU.h"
#include "ui_UebungsbeispieleU.h"

namespace kalmiro {

TfrmUebung::TfrmUebung(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmUebung>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(240, 240, 240));
    connect(ui->menSchliessen, &QAction::triggered, this, [this] { close(); });
}

TfrmUebung::~TfrmUebung() = default;

void TfrmUebung::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
