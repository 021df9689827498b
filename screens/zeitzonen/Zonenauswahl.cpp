#include "screens/zeitzonen/Zonenauswahl.h"

#include "core/GlobaleU.h"
#include "core/ZonenU.h"
#include "ui_Zonenauswahl.h"

#include <QStyle>

namespace kalmiro {

TfrmZonenauswahl::TfrmZonenauswahl(const Fensterverbund& fenster, QWidget* parent)
    : TForm(parent), m_fenster(fenster), ui(std::make_unique<Ui::frmZonenauswahl>()) {
    ui->setupUi(this);
    Einrichten(Rahmen::Einfach);
    // The first item is chosen until the pupil picks another.
    ui->grpAuswahl->ItemIndexSetzen(0);
    ui->btnOk->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(ui->grpAuswahl, &TRadioGroup::Click, this, &TfrmZonenauswahl::grpAuswahlClick);
    connect(ui->btnOk, &QPushButton::clicked, this, &TfrmZonenauswahl::btnOkClick);
    // Enter is OK wherever the focus is; Escape closes as the close box does, handing
    // nothing over.
    StandardKnopf(ui->btnOk);
    EscapeSchliesst();
}

TfrmZonenauswahl::~TfrmZonenauswahl() = default;

// A dialog keeps its size: it is centred, never maximised.
void TfrmZonenauswahl::FormActivate() {
    Platzieren(m_fenster.frmKalmiro, Fensterart::Dialog, Bildschirm1024);
    // The item shown is the one OK hands over, whoever set the choice last.
    if (ZonenEintrag(ZonenAuswahl) < 0) ZonenAuswahl = ZonenCode(0);
    ui->grpAuswahl->ItemIndexSetzen(ZonenEintrag(ZonenAuswahl));
    // The arrow keys go on from the item shown.
    ui->grpAuswahl->FokusAufAuswahl();
}

void TfrmZonenauswahl::grpAuswahlClick() {
    ZonenAuswahl = ZonenCode(ui->grpAuswahl->ItemIndex());
}

void TfrmZonenauswahl::btnOkClick() {
    // An item reached with the arrow keys counts as clicked.
    grpAuswahlClick();
    GewaehlteZone = ZonenAuswahl;
    Schliessen(Ergebnis::Ok);
}

} // namespace kalmiro
