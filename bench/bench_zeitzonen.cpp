#include "bench/Zeichenmessung.h"
#include "core/GlobaleU.h"
#include "screens/zeitzonen/ZeitzonenU.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

using namespace kalmiro;

namespace {

// The time-zone screen shown as the menu shows it, on the page the menu item named opens.
void MesseZeitzonen(benchmark::State& state, int zone, const char* menue) {
    BeispielArt = 1;
    Fensterverbund verbund;
    TfrmZeitzonen w(verbund);
    w.show();
    QApplication::processEvents();
    if (menue) w.findChild<QAction*>(QLatin1String(menue))->trigger();
    GewaehlteZone = zone;
    MesseZeichnen(state, *w.Client());
    w.hide();
}

} // namespace

// One full paint of the map page: the map, the home clock and its countries, and the
// clock and countries of zone +8 (the longest lines).
static void BM_Zeitzonen_Karte(benchmark::State& state) {
    MesseZeitzonen(state, 8, nullptr);
}
BENCHMARK(BM_Zeitzonen_Karte)->Unit(benchmark::kMillisecond);

// One full paint of the information page with its picture.
static void BM_Zeitzonen_Infotext(benchmark::State& state) {
    MesseZeitzonen(state, -15, "menInfo");
}
BENCHMARK(BM_Zeitzonen_Infotext)->Unit(benchmark::kMillisecond);
