#pragma once

namespace kalmiro {

class TForm;
class TfrmEinheiten;
class TfrmAuswertung;
class TfrmVerwandlungsketten;
class TfrmUebung;
class TfrmMuster;
class TfrmZeitpunkt;
class TfrmInformation;
class TfrmZugverkehr;
class TfrmMaxanzahl;
class TfrmZeitzonen;
class TfrmZonenauswahl;

// The twelve windows of the program, created once at start. A window reaches the
// others through this list; a test fills in only the windows it needs.
struct Fensterverbund {
    TForm* frmKalmiro = nullptr;
    TfrmEinheiten* frmEinheiten = nullptr;
    TfrmAuswertung* frmAuswertung = nullptr;
    TfrmVerwandlungsketten* frmVerwandlungsketten = nullptr;
    TfrmUebung* frmUebung = nullptr;
    TfrmMuster* frmMuster = nullptr;
    TfrmZeitpunkt* frmZeitpunkt = nullptr;
    TfrmInformation* frmInformation = nullptr;
    TfrmZugverkehr* frmZugverkehr = nullptr;
    TfrmMaxanzahl* frmMaxanzahl = nullptr;
    TfrmZeitzonen* frmZeitzonen = nullptr;
    TfrmZonenauswahl* frmZonenauswahl = nullptr;
};

} // namespace kalmiro
