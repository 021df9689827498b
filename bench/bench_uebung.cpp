#include "bench/Zeichenmessung.h"
#include "core/GlobaleU.h"
#include "core/ZeitaufgabenU.h"
#include "core/ZufallU.h"
#include "platform/SystemU.h"
#include "screens/dialoge/AuswertungU.h"
#include "screens/grundrechnungsarten/UebungsbeispieleU.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace kalmiro;

// One full paint of the exercise screen's client area: six task blocks, the fields and
// the counters, for the operation given as the argument.
static void BM_Uebung_Zeichnen(benchmark::State& state) {
    UebungArt = static_cast<int>(state.range(0));
    Fensterverbund verbund;
    TfrmUebung w(verbund);
    MesseZeichnen(state, *w.Client());
}
BENCHMARK(BM_Uebung_Zeichnen)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);

// The evaluation's whole animation at 100 % (101 frames) with the waits taken out: the
// time per frame is the iteration time / 101 (items = frames).
static void BM_Auswertung_Animation(benchmark::State& state) {
    WarteSetzen([](int) {});
    GesamtPunkte = 16;
    GesamtVersuche = 16;
    Fensterverbund verbund;
    TfrmAuswertung w(verbund);
    for (auto _ : state) {
        w.show();
        while (w.AnimationLaeuft() || w.Prozent() != 100)
            QApplication::processEvents();
        state.PauseTiming();
        w.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 101);
    WarteSetzen({});
}
BENCHMARK(BM_Auswertung_Animation)->Unit(benchmark::kMillisecond);

// One full paint of the evaluation window's client area with the final bars.
static void BM_Auswertung_Zeichnen(benchmark::State& state) {
    GesamtPunkte = 0;
    GesamtVersuche = 0; // no animation, so nothing waits
    Fensterverbund verbund;
    TfrmAuswertung w(verbund);
    MesseZeichnen(state, *w.Client());
}
BENCHMARK(BM_Auswertung_Zeichnen)->Unit(benchmark::kMillisecond);

// 100,000 tasks of one operation, levels drawn as in a round.
static void BM_Aufgaben_100000(benchmark::State& state) {
    const int art = static_cast<int>(state.range(0));
    RandSeed(1);
    for (auto _ : state) {
        int summe = 0;
        for (int i = 0; i < 100000; ++i)
            summe += ErzeugeAufgabe(art, ZieheStufe()).ErgebnisSekunden;
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_Aufgaben_100000)->DenseRange(1, 4)->Unit(benchmark::kMillisecond);
