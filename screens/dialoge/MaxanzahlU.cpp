#include "screens/dialoge/MaxanzahlU.h"

#include "core/GlobaleU.h"
#include "ui_MaxanzahlU.h"

namespace kalmiro {

TfrmMaxanzahl::TfrmMaxanzahl(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmMaxanzahl>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::Dialog);
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { Schliesse(Ergebnis::Schliessen); });
    connect(ui->BitBtn2, &QPushButton::clicked, this, [this] { Schliesse(Ergebnis::Ok); });
}

TfrmMaxanzahl::~TfrmMaxanzahl() = default;

void TfrmMaxanzahl::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
