#include "bench/Zeichenmessung.h"
#include "core/GlobaleU.h"
#include "screens/zeitzonen/ZeitzonenU.h"
#include "tests/support/Attrappen.h"
#include "tests/support/Flugziehungen.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>
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

// The screen in its flight mode with a flight to Anchorage, the longest route, whose
// flight time is asked: a clock at each end. The pause before take-off is skipped and
// the aircraft is moved by hand, one tick of Timer2 at a time.
struct Flugschirm {
    test::Attrappen attrappen;
    test::ZufallsSkript zufall;
    Fensterverbund verbund;
    TfrmZeitzonen w{verbund};

    Flugschirm() {
        BeispielArt = 2;
        NeueAufgabeSkripten();
        w.show();
        QApplication::processEvents();
        w.Timer2()->stop();
    }
    void NeueAufgabeSkripten() {
        for (int wert : test::Flugziehungen(1, 850, 1, 9, 30))
            zufall.Anhaengen(wert);
    }
    void Tick() {
        QMetaObject::invokeMethod(w.Timer2(), "timeout");
        QApplication::processEvents();
    }
    bool Gelandet() const { return w.Schritte() >= w.Route().Flugschritte; }
    // The same flight again from Wien: the screen closed and opened anew.
    void NochEinmal() {
        NeueAufgabeSkripten();
        QApplication::processEvents();
        w.findChild<QAction*>(QStringLiteral("menSchliessen"))->trigger();
        w.show();
        QApplication::processEvents();
        w.Timer2()->stop();
    }
};

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

// One full paint of the flight mode: the map, the route, its labels and texts, two clocks
// and the aircraft halfway.
static void BM_Flugreisen_Zeichnen(benchmark::State& state) {
    Flugschirm f;
    while (f.w.Schritte() < f.w.Route().Flugschritte / 2)
        f.Tick();
    MesseZeichnen(state, *f.w.Client());
}
BENCHMARK(BM_Flugreisen_Zeichnen)->Unit(benchmark::kMillisecond);

// One tick of the flight: the aircraft moved a step and what it left and covers painted
// again; it has 10 ms.
static void BM_Flugreisen_Tick(benchmark::State& state) {
    Flugschirm f;
    for (auto _ : state) {
        if (f.Gelandet()) {
            state.PauseTiming();
            f.NochEinmal();
            state.ResumeTiming();
        }
        f.Tick();
    }
}
BENCHMARK(BM_Flugreisen_Tick)->Unit(benchmark::kMicrosecond);
