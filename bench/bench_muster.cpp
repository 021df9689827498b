#include "bench/Zeichenmessung.h"
#include "core/GlobaleU.h"
#include "platform/SystemU.h"
#include "screens/grundrechnungsarten/MusterbeispieleU.h"

#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

using namespace kalmiro;

namespace {

// Example 4 of the addition chosen and taken up to the step before `bis`, with no waits.
void BisVorSchritt(TfrmMuster& w, int bis) {
    w.findChild<QRadioButton*>(QStringLiteral("grpBeispiele_3"))->click();
    for (int i = 1; i < bis; ++i)
        w.findChild<QPushButton*>(QStringLiteral("btn0%1").arg(i))->click();
}

} // namespace

// One full paint of the worked examples at the last step of addition example 4: the
// operands, sums, result row with its day and "=".
static void BM_Muster_Zeichnen(benchmark::State& state) {
    WarteSetzen([](int) {});
    MusterArt = ArtAddition;
    Fensterverbund verbund;
    TfrmMuster w(verbund);
    w.show();
    BisVorSchritt(w, 6);
    MesseZeichnen(state, *w.Client());
    WarteSetzen({});
}
BENCHMARK(BM_Muster_Zeichnen)->Unit(benchmark::kMillisecond);

// The slide of the day in addition example 4 with the waits taken out: 58 frames and 3
// more paints (label shown, gone, result), each a synchronous repaint of the client. The
// time per frame is the iteration time / 61 (items = paints).
static void BM_Muster_Wanderung(benchmark::State& state) {
    WarteSetzen([](int) {});
    MusterArt = ArtAddition;
    Fensterverbund verbund;
    TfrmMuster w(verbund);
    w.show();
    QApplication::processEvents(); // exposed, so that every frame really paints
    QPushButton* fuenf = w.findChild<QPushButton*>(QStringLiteral("btn05"));
    QPushButton* nochmal = w.findChild<QPushButton*>(QStringLiteral("btnWiederholung"));
    BisVorSchritt(w, 5);
    for (auto _ : state) {
        fuenf->click();
        state.PauseTiming();
        nochmal->click();
        BisVorSchritt(w, 5);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * 61);
    WarteSetzen({});
}
BENCHMARK(BM_Muster_Wanderung)->Unit(benchmark::kMillisecond);
