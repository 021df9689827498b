#pragma once

#include "core/FarbenU.h"
#include "core/UebungsprotokollU.h"
#include "core/ZeiteingabeU.h"
#include "screens/Fenster.h"

#include <QString>
#include <optional>

class QLabel;
class QPushButton;

namespace kalmiro {

class TEdit;

// The components of an exercise screen with one typed time a task, by their names.
struct Zeituebungsteile {
    TEdit* edtEingabe = nullptr;
    QLabel* lblAnzeige = nullptr;
    QLabel* lblDurchgang = nullptr;
    QLabel* lblAktVersuche = nullptr;
    QLabel* lblAktPunkte = nullptr;
    QPushButton* btnWeiter = nullptr;
    QPushButton* btnAuswertung = nullptr;
};

// The rounds of an exercise with one typed time a task, as the train journeys and the
// flights run them. The screen makes and draws its tasks; this reads the entry strictly,
// judges it by the exercise protocol, shows the verdict and the counters, keeps the
// round label and shows "Weiter" or "Auswertung", never both.
class TZeituebung {
public:
    // rundenart: the entry of MaxDurchgaenge the screen uses. The field gets the key
    // filter of the task's form.
    TZeituebung(const Fensterverbund& fenster, int rundenart, const Zeituebungsteile& teile);

    const Aufgabenstand& Stand() const { return m_stand; }

    // A new task, open at attempt 1: its expected answer, the field shown, empty and
    // focused, the buttons for the round.
    void NeueAufgabe(const QString& ergebnis, Zeitform form);
    // A new series: nothing counted, round 1.
    void SerieBeginnen();
    // The prompt of the task, kept to be shown again when a task holds "Weiter" up.
    void Aufforderung(const QString& text);
    void AufforderungZeigen();

    // The field was left: an open task's entry is judged and counted. An unreadable
    // entry is reported and costs nothing. A final verdict hides the field and hands the
    // focus to the button shown. Returns the verdict, or nothing if none was made.
    std::optional<Urteil> Pruefen();
    // "Weiter": true when the next round has begun and the screen makes its task; false
    // when a task holds it up (said why) or the series is done.
    bool Weiter();
    // "Auswertung": the evaluation, then a new series; the screen makes its first task.
    void Auswerten();
    // "Anzahl der Durchgänge": the rounds dialog. The series goes on from the round
    // reached; a judged task stays judged and its field hidden.
    void Rundendialog();

private:
    void RundeZeigen(); // "Durchgang / limit"
    void KnopfWaehlen();
    void Anzeige(const QString& text, Farbe farbe);

    const Fensterverbund& m_fenster;
    int m_rundenart;
    Zeituebungsteile m_teile;
    Aufgabenstand m_stand;
    QString m_ergebnis;
    Zeitform m_form = Zeitform::Uhrzeit;
    QString m_aufforderung;
};

} // namespace kalmiro
