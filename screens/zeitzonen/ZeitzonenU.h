#pragma once

#include "core/FarbenU.h"
#include "core/FlugzieleU.h"
#include "platform/TForm.h"
#include "screens/Fenster.h"

#include <array>
#include <memory>

class QLabel;
class QTime;
class QTimer;

namespace Ui {
class frmZeitzonen;
}

namespace kalmiro {

class TPaintBox;
class TSekundentakt;

// The world map of the time zones with live clocks of the home zone and of a chosen zone,
// and a page on the history of time zones (BeispielArt 1). The same window holds the
// flight exercises (BeispielArt 2): their components are in the layout, hidden here.
class TfrmZeitzonen : public TForm {
    Q_OBJECT
public:
    explicit TfrmZeitzonen(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZeitzonen() override;

    // Aircraft picture n (imgFl01 .. imgFl21); nullptr for any other n.
    QLabel* Flugzeugbild(int n) const;
    TPaintBox* Uhren() const;
    QTimer* Timer1() const;

protected:
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;

private:
    void menAuswahlClick();
    void menInfoNrClick();
    void Timer1Timer();
    void pntUhrenPaint(QPainter& canvas);

    bool Flugmodus() const;
    void ModusZeigen(bool flug);
    void KarteZeigen(bool karte);
    void ZeichneKarte(QPainter& canvas);
    void ZeichneZonentexte(QPainter& canvas, int zone);
    void ZeichneInfo(QPainter& canvas);
    void ZeichneUhr(QPainter& canvas, float x, float y, const QTime& zeit, int stunden);

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZeitzonen> ui;
    TSekundentakt* m_timer1;
    QTimer* m_timer2;

    int Seite = 1; // 1 the map with the clocks, 2 the information page
    Farbe Randfarbe = KeineFarbe;
    // While the choice dialog is open the home zone's last line names other countries.
    bool m_auswahlOffen = false;

    // Of the flight exercises: entries 1 .. 21 (0 unused), what pnlAnzeige shows, and the
    // height of the clock at Wien.
    std::array<QLabel*, AnzahlFlugzeugbilder + 1> Flugzeug{};
    bool ZeigeRichtig = false;
    bool ZeigeFalsch = false;
    float HeimUhrY = 0.0f;
};

} // namespace kalmiro
