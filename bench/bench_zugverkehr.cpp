#include "bench/Zeichenmessung.h"
#include "core/ZufallU.h"
#include "core/ZugaufgabenU.h"
#include "screens/zeitpunkt/ZugverkehrU.h"
#include "tests/support/Attrappen.h"

#include <benchmark/benchmark.h>

using namespace kalmiro;

// One full paint of the train-journey screen: time line, marks, travel time, train data
// and picture. Argument 0: a one-day task with the arrival sought (one mark); 1: an
// overnight task with the travel time sought (two marks).
static void BM_Zugverkehr_Zeichnen(benchmark::State& state) {
    test::ZufallsSkript skript;
    if (state.range(0) == 0)
        skript.Werte({10, 6, 12, 40, 25, 11}); // 7:40 to 13:25, arrival sought
    else
        skript.Werte({30, 17, 0, 59, 0, 39}); // 20:59 to 3:00 overnight, travel time sought
    Fensterverbund verbund;
    TfrmZugverkehr w(verbund);
    MesseZeichnen(state, *w.Client());
}
BENCHMARK(BM_Zugverkehr_Zeichnen)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// 100,000 train tasks: kind, times with their redraws, travel time and expected answer.
static void BM_Zugaufgaben_100000(benchmark::State& state) {
    RandSeed(1);
    for (auto _ : state) {
        int summe = 0;
        for (int i = 0; i < 100000; ++i)
            summe += NeueZugaufgabe().FahrzeitMinuten;
        benchmark::DoNotOptimize(summe);
    }
}
BENCHMARK(BM_Zugaufgaben_100000)->Unit(benchmark::kMillisecond);
