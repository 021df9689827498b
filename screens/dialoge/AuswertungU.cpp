#include "screens/dialoge/AuswertungU.h"

#include "core/GlobaleU.h"
#include "ui_AuswertungU.h"

namespace kalmiro {

TfrmAuswertung::TfrmAuswertung(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmAuswertung>()) {
    ui->setupUi(this);
    RichteEin(Rahmen::OhneKnoepfe);
    connect(ui->btnSchliessen, &QPushButton::clicked, this, [this] { Schliesse(Ergebnis::Schliessen); });
}

TfrmAuswertung::~TfrmAuswertung() = default;

void TfrmAuswertung::FormActivate() {
    ZentriereUeber(m_fenster.frmKalmiro);
    if (Bildschirm1024) Maximieren();
}

} // namespace kalmiro
