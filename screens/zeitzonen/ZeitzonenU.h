#pragma once

#include "core/FarbenU.h"
#include "core/FlugaufgabenU.h"
#include "core/FlugzieleU.h"
#include "draw/FlugrouteU.h"
#include "platform/TForm.h"
#include "screens/Fenster.h"
#include "screens/ZeituebungU.h"

#include <QStringList>
#include <array>
#include <memory>

class QDateTime;
class QLabel;
class QTime;
class QTimer;

namespace Ui {
class frmZeitzonen;
}

namespace kalmiro {

class TPaintBox;
class TSekundentakt;

// The embedded picture of aircraft n (1..21).
QString FlugzeugbildPfad(int n);

// The world map of the time zones with live clocks of the home zone and of a chosen zone,
// and a page on the history of time zones (BeispielArt 1). The same window holds the
// flight exercises (BeispielArt 2): a flight from Wien on the map, an aircraft flying
// it, and the flight time, the departure or the arrival asked, one task a round.
class TfrmZeitzonen : public TForm {
    Q_OBJECT
public:
    explicit TfrmZeitzonen(const Fensterverbund& fenster, QWidget* parent = nullptr);
    ~TfrmZeitzonen() override;

    // Aircraft picture n (imgFl01 .. imgFl21); nullptr for any other n.
    QLabel* Flugzeugbild(int n) const;
    TPaintBox* Uhren() const;
    QTimer* Timer1() const;
    QTimer* Timer2() const;

    // The flight on the screen and how far the aircraft has flown it.
    const TFlugaufgabe& Aufgabe() const { return m_aufgabe; }
    const TFlugroute& Route() const { return m_route; }
    int Schritte() const { return Flugschritt; }
    const Aufgabenstand& Stand() const { return m_runde->Stand(); }

protected:
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;

private:
    void menAuswahlClick();
    void menInfoNrClick();
    void Timer1Timer();
    void pntUhrenPaint(QPainter& canvas);

    // The flights.
    void NeueFlugaufgabe(); // the task drawn, the aircraft at Wien, the field placed
    void Abflug(int flug);  // after a second's pause, the aircraft takes off
    void Timer2Timer();
    void edtEingabeExit();
    void btnWeiterClick();
    void btnAuswertungClick();
    void menMaxanzahlClick();
    void FlugzeugSetzen(Weltpunkt ort);
    void FlugzeugZeigen(int n); // aircraft n alone; 0 none
    void EingabePlatzieren();
    // What pnlAnzeige shows of a judged task: the expected answer, or the wrong entry.
    bool ZeigeRichtig() const { return Stand().geloest; }
    bool ZeigeFalsch() const { return Stand().aufgedeckt; }
    void AntwortZeigen(); // pnlAnzeige as ZeigeRichtig and ZeigeFalsch say
    void FlugZeichnen(QPainter& canvas);
    // The drawing as a screen reader reads it, line by line: a flight; the map with its
    // clocks and countries (a chosen zone's part alone by ZoneVorgelesen); the page of text.
    QStringList Vorgelesen() const;
    QStringList KarteVorgelesen() const;
    static QStringList ZoneVorgelesen(int zone, const QDateTime& jetzt);
    QStringList InfoVorgelesen() const;

    bool Flugmodus() const;
    void ModusZeigen(bool flug);
    void KarteZeigen(bool karte); // the map, or the information page's picture
    void KarteZeichnen(QPainter& canvas);
    void ZonentexteZeichnen(QPainter& canvas, int zone);
    void InfoZeichnen(QPainter& canvas);
    void UhrZeichnen(QPainter& canvas, float x, float y, const QTime& zeit, int stunden);

    const Fensterverbund& m_fenster;
    std::unique_ptr<Ui::frmZeitzonen> ui;
    TSekundentakt* m_timer1;
    QTimer* m_timer2;

    int Seite = 1; // 1 the map with the clocks, 2 the information page
    // While the choice dialog is open the home zone's last line names other countries.
    bool m_auswahlOffen = false;

    // The aircraft of the flights: entries 1 .. 21 (0 unused).
    std::array<QLabel*, AnzahlFlugzeugbilder + 1> Flugzeug{};

    std::unique_ptr<TZeituebung> m_runde;
    TFlugaufgabe m_aufgabe;
    TFlugroute m_route;
    int Flugschritt = 0;
    // Counts the tasks made, so that a pause never sends off an earlier task's aircraft.
    int m_flugnummer = 0;
};

} // namespace kalmiro
