#pragma once

#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <QString>
#include <memory>

namespace Ui {
class frmAuswertung;
}

namespace kalmiro {

// The score of a series: points of attempts in percent, rounded half to even, 0..100.
// No attempts give 0.
int ProzentRichtig(float punkte, int versuche);
// The grade sentence for a percentage.
QString Notensatz(int prozent);
// A share in percent with three decimals and the decimal comma: "66,667 %".
QString ProzentText(float prozent);

// Closes a series of exercise rounds: points of attempts, two animated bars and the
// grade sentence. Reads GesamtPunkte and GesamtVersuche, writes nothing back.
class TfrmAuswertung : public TForm {
    Q_OBJECT
public:
    explicit TfrmAuswertung(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmAuswertung() override;

    int Prozent() const { return m_prozent; }
    bool AnimationLaeuft() const { return m_animiert; }

protected:
    void FormActivate() override;
    void FormPaint(QPainter& canvas) override;
    bool DarfSchliessen() override { return m_darfSchliessen; }

private:
    void Animation();
    void btnSchliessenClick();

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmAuswertung> ui;
    int m_prozent = 0;
    bool m_animiert = false;
    bool m_darfSchliessen = false;
};

} // namespace kalmiro
