#include "app/Programm.h"

#include "app/KalmiroU.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/dialoge/InformationenU.h"
#include "screens/dialoge/MaxanzahlU.h"
#include "screens/einheiten/EinheitenU.h"
#include "screens/einheiten/VerwandlungsketteU.h"
#include "screens/grundrechnungsarten/MusterbeispieleU.h"
#include "screens/grundrechnungsarten/UebungsbeispieleU.h"
#include "screens/zeitpunkt/ZeitpunktU.h"
#include "screens/zeitpunkt/ZugverkehrU.h"
#include "screens/zeitzonen/ZeitzonenU.h"
#include "screens/zeitzonen/Zonenauswahl.h"

namespace kalmiro {

Programm::Programm() {
    Fensterverbund& f = m_fenster;
    f.frmKalmiro = new TfrmKalmiro(f);
    f.frmEinheiten = new TfrmEinheiten(f);
    f.frmAuswertung = new TfrmAuswertung(f);
    f.frmVerwandlungsketten = new TfrmVerwandlungsketten(f);
    f.frmUebung = new TfrmUebung(f);
    f.frmMuster = new TfrmMuster(f);
    f.frmZeitpunkt = new TfrmZeitpunkt(f);
    f.frmInformation = new TfrmInformation(f);
    f.frmZugverkehr = new TfrmZugverkehr(f);
    f.frmMaxanzahl = new TfrmMaxanzahl(f);
    f.frmZeitzonen = new TfrmZeitzonen(f);
    f.frmZonenauswahl = new TfrmZonenauswahl(f);
}

Programm::~Programm() {
    // In reverse order; the screens refer to the main window while they live.
    Fensterverbund& f = m_fenster;
    delete f.frmZonenauswahl;
    delete f.frmZeitzonen;
    delete f.frmMaxanzahl;
    delete f.frmZugverkehr;
    delete f.frmInformation;
    delete f.frmZeitpunkt;
    delete f.frmMuster;
    delete f.frmUebung;
    delete f.frmVerwandlungsketten;
    delete f.frmAuswertung;
    delete f.frmEinheiten;
    delete f.frmKalmiro;
    f = Fensterverbund{};
}

TfrmKalmiro& Programm::Hauptfenster() const {
    return *static_cast<TfrmKalmiro*>(m_fenster.frmKalmiro);
}

std::array<TForm*, 12> Programm::AlleFenster() const {
    const Fensterverbund& f = m_fenster;
    return {f.frmKalmiro,    f.frmEinheiten, f.frmAuswertung, f.frmVerwandlungsketten,
            f.frmUebung,     f.frmMuster,    f.frmZeitpunkt,  f.frmInformation,
            f.frmZugverkehr, f.frmMaxanzahl, f.frmZeitzonen,  f.frmZonenauswahl};
}

void Programm::Starten() {
    TfrmKalmiro& haupt = Hauptfenster();
    haupt.AufBildschirmZentrieren();
    haupt.show();
}

} // namespace kalmiro
