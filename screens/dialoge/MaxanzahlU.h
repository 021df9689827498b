#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <memory>

namespace Ui {
class frmMaxanzahl;
}

namespace kalmiro {

// How many rounds an exercise screen runs: the screen sets MaxanzahlArt, shows this
// dialog modally and reads MaxDurchgaenge[MaxanzahlArt] afterwards. OK stores the
// number, "Schließen" leaves the setting as it was.
class TfrmMaxanzahl : public TForm {
    Q_OBJECT
public:
    explicit TfrmMaxanzahl(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmMaxanzahl() override;

protected:
    void FormActivate() override;

private:
    enum class Pruefung { Gilt, Ersetzt, Gemeldet };

    void edtMaxzahlExit();
    void BitBtn2Click();
    Pruefung EingabePruefen();

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmMaxanzahl> ui;
    // The last exit put up the out-of-range message: the click that moved the focus
    // went to the message, not to the button.
    bool m_gemeldet = false;
};

} // namespace kalmiro
