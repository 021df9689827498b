#pragma once

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace kalmiro {

// Times one full paint of a widget (a window's client area, a paint box) into an image
// of its size; the widget's window is shown first so that it paints as on the screen.
inline void MesseZeichnen(benchmark::State& state, QWidget& flaeche) {
    flaeche.window()->show();
    QApplication::processEvents();
    QImage bild(flaeche.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        flaeche.render(&bild);
        benchmark::DoNotOptimize(bild.bits());
    }
}

} // namespace kalmiro
