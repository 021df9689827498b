#include "bench/Zeichenmessung.h"
#include "screens/dialoge/InformationenU.h"

#include <QAction>
#include <QApplication>
#include <benchmark/benchmark.h>

using namespace kalmiro;

// One full paint of a reading page of the information window, its lines and its
// pictures (argument: the page, 1 "Geschichte", 2 "Messgeräte").
static void BM_Information_Zeichnen(benchmark::State& state) {
    Fensterverbund verbund;
    TfrmInformation w(verbund);
    // Opening shows page 1; the menu turns to the other page once the window is up.
    w.show();
    QApplication::processEvents();
    if (state.range(0) == 2) w.findChild<QAction*>(QStringLiteral("menMessgeraete"))->trigger();
    state.SetLabel(w.windowTitle().toStdString());
    MesseZeichnen(state, *w.Client());
}
BENCHMARK(BM_Information_Zeichnen)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
