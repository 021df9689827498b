#pragma once

namespace kalmiro {

// The rules every exercise screen judges and counts by: two attempts per task, 1 point
// right at once, half a point at the second attempt, the result revealed after a second
// wrong answer; rounds up to a limit, then the evaluation. Messages and colours are the
// screens' own.

// How an answer was judged.
enum class Urteil {
    RichtigBeimErsten,  // right at the first attempt: 1 point
    RichtigBeimZweiten, // right at the second attempt: half a point
    FalschBeimErsten,   // wrong, a second attempt follows
    FalschBeimZweiten,  // wrong again, the result is revealed
};

// The points an answer earns.
constexpr float PunkteFuer(Urteil u) {
    return u == Urteil::RichtigBeimErsten ? 1.0f : u == Urteil::RichtigBeimZweiten ? 0.5f : 0.0f;
}

// One task under the two-attempt rule. A new task starts open at attempt 1, whatever
// became of the task before it.
struct Aufgabenstand {
    int versuch = 1;         // the attempt the next answer counts as
    bool geloest = false;    // answered right
    bool aufgedeckt = false; // wrong twice: the result is shown
    constexpr bool Fertig() const { return geloest || aufgedeckt; }
};

// Whether an entry is judged at all. A final task takes no more answers; an empty entry
// and one whose number cannot be read cost no attempt.
constexpr bool WirdBeurteilt(const Aufgabenstand& a, bool leer, bool lesbar) {
    return !a.Fertig() && !leer && lesbar;
}

// Judges an answer to an open task and moves the task on: attempt 2 after a first wrong
// answer, final (solved or revealed) otherwise, and back at attempt 1 once final.
Urteil Beurteile(Aufgabenstand& a, bool richtig);

// Counts a judged answer into the program-wide counters: one answer in Versuche and
// GesamtVersuche, its points in Punkte and GesamtPunkte; Versuch follows the task.
void Anrechnen(Urteil u, const Aufgabenstand& a);

// The counters of a new series: nothing counted, attempt 1, round 1.
void SerieBeginnen();

// The series ends when the round has reached the limit or passed it, so a limit lowered
// below the current round ends the series with this round rather than never.
constexpr bool LetzteRunde(int durchgang, int grenze) {
    return durchgang >= grenze;
}

// "Auswertung" takes the place of "Weiter" exactly when the last round is finished.
constexpr bool AuswertungErreichbar(int durchgang, int grenze, bool rundeFertig) {
    return LetzteRunde(durchgang, grenze) && rundeFertig;
}

// What keeps a task from letting "Weiter" go on.
enum class Hindernis {
    Keins,
    OhneEintrag, // nothing typed
    Offen,       // in the last round: not yet final, and the series cannot go past it
};

// Before the last round only an empty entry holds a task up (a task left open is given
// up); in the last round every task must be final.
constexpr Hindernis WeiterHindernis(const Aufgabenstand& a, bool leer, bool letzteRunde) {
    if (a.Fertig()) return Hindernis::Keins;
    if (leer) return Hindernis::OhneEintrag;
    return letzteRunde ? Hindernis::Offen : Hindernis::Keins;
}

// What "Weiter" does with the round.
enum class Weiterschritt {
    Aufgehalten,   // a task holds it up; the screen says which
    Auswerten,     // the last round is finished: "Auswertung" is offered
    NaechsteRunde, // the next round starts
};

Weiterschritt WeiterEntscheiden(int durchgang, int grenze, int aufgehalten);

} // namespace kalmiro
