#include "screens/zeitpunkt/ZeitpunktU.h"

#include "core/GlobaleU.h"
#include "ui_ZeitpunktU.h"

namespace kalmiro {

TfrmZeitpunkt::TfrmZeitpunkt(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZeitpunkt>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Einfach, Rgb(240, 240, 240));
    connect(ui->menSchlissen, &QAction::triggered, this, [this] { close(); });
}

TfrmZeitpunkt::~TfrmZeitpunkt() = default;

void TfrmZeitpunkt::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
