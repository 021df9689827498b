#include "core/UebungsprotokollU.h"

#include "core/GlobaleU.h"

namespace kalmiro {

Urteil Beurteile(Aufgabenstand& a, bool richtig) {
    const bool zweiter = a.versuch == 2;
    if (!richtig && !zweiter) {
        a.versuch = 2;
        return Urteil::FalschBeimErsten;
    }
    a.geloest = richtig;
    a.aufgedeckt = !richtig;
    a.versuch = 1;
    if (!richtig) return Urteil::FalschBeimZweiten;
    return zweiter ? Urteil::RichtigBeimZweiten : Urteil::RichtigBeimErsten;
}

void Anrechnen(Urteil u, const Aufgabenstand& a) {
    const float punkte = PunkteFuer(u);
    ++Versuche;
    ++GesamtVersuche;
    Punkte += punkte;
    GesamtPunkte += punkte;
    Versuch = a.versuch;
}

void SerieBeginnen() {
    Versuche = 0;
    Versuch = 1;
    Punkte = 0;
    GesamtPunkte = 0;
    GesamtVersuche = 0;
    Durchgang = 1;
}

Weiterschritt WeiterEntscheiden(int durchgang, int grenze, int aufgehalten) {
    if (aufgehalten > 0) return Weiterschritt::Aufgehalten;
    return LetzteRunde(durchgang, grenze) ? Weiterschritt::Auswerten : Weiterschritt::NaechsteRunde;
}

} // namespace kalmiro
