#include "app/KalmiroU.h"
#include "app/Programm.h"
#include "bench/Zeichenmessung.h"

#include <QImage>
#include <benchmark/benchmark.h>

using namespace kalmiro;

// One full paint of the main window's client area (gradient, titles, clock).
static void BM_Hauptfenster_Zeichnen(benchmark::State& state) {
    Programm programm;
    programm.Starten();
    MesseZeichnen(state, *programm.Hauptfenster().Client());
}
BENCHMARK(BM_Hauptfenster_Zeichnen)->Unit(benchmark::kMillisecond);

// Start-up: all twelve windows created, the main window shown and painted once.
static void BM_Programmstart(benchmark::State& state) {
    QImage bild(1016, 722, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        Programm programm;
        programm.Starten();
        programm.Hauptfenster().Client()->render(&bild);
        benchmark::DoNotOptimize(bild.bits());
    }
}
BENCHMARK(BM_Programmstart)->Unit(benchmark::kMillisecond);

// One full paint of each of the twelve windows as it opens (argument: its place in the
// order of creation).
static void BM_Fenster_Zeichnen(benchmark::State& state) {
    Programm programm;
    TForm* fenster = programm.AlleFenster()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(fenster->objectName().toStdString());
    MesseZeichnen(state, *fenster->Client());
    fenster->hide();
}
BENCHMARK(BM_Fenster_Zeichnen)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);
