#include "bench/Zeichenmessung.h"
#include "core/FarbenU.h"
#include "core/GlobaleU.h"
#include "core/ZeitenU.h"
#include "core/ZufallU.h"
#include "screens/Fenster.h"
#include "screens/einheiten/EinheitenU.h"

#include <benchmark/benchmark.h>

using namespace kalmiro;

// One full paint of the unit-conversion screen (lattice, five rows, faces, fields) into
// a 1016 x 722 image; argument 1 "ohne Brüche", 2 "mit Brüchen".
static void BM_Einheiten_Zeichnen(benchmark::State& state) {
    FarbenSetzen();
    EinheitenArt = static_cast<int>(state.range(0));
    Fensterverbund fenster;
    TfrmEinheiten w(fenster);
    MesseZeichnen(state, *w.Client());
    w.close();
}
BENCHMARK(BM_Einheiten_Zeichnen)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Generating 100,000 conversion tasks, in rows 1 to 5 as a set is made.
static void BM_Einheiten_Aufgaben(benchmark::State& state) {
    const bool mitBruechen = state.range(0) == 2;
    RandSeed(1);
    for (auto _ : state) {
        for (int n = 0; n < 100000; ++n) {
            const int zeile = n % AnzahlAufgaben + 1;
            mitBruechen ? AufgabeMitBruechen(zeile) : AufgabeOhneBrueche(zeile);
        }
        benchmark::DoNotOptimize(Umwandlungsaufgaben.data());
    }
}
BENCHMARK(BM_Einheiten_Aufgaben)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
