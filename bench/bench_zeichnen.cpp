// The title clock's paint and the marked-text routines, offscreen.
#include "app/KalmiroU.h"
#include "bench/Zeichenmessung.h"
#include "core/FarbenU.h"
#include "draw/AnaloguhrU.h"
#include "draw/KoordSysU.h"
#include "draw/KoordU.h"
#include "draw/SchriftSysU.h"
#include "draw/SchriftU.h"
#include "platform/TPaintBox.h"

#include <QImage>
#include <QPainter>
#include <QTime>
#include <benchmark/benchmark.h>

using namespace kalmiro;

namespace {

const QString satz = QStringLiteral(
    "In den #1840-1860er Jahren# wurden in fast allen Europäischen Ländern landesweit "
    "einheitliche Zeitenzonen festgelegt.");
const QString formel = QStringLiteral("1 #d# = 24 h = 1440 min = 86400 s, m^2 \\2 @p _x_ ~y~");

} // namespace

// The clock as the main window paints it: its paint box rendered into a 500 x 500 image.
static void BM_Titeluhr_Zeichnen(benchmark::State& state) {
    const Fensterverbund fenster;
    TfrmKalmiro haupt(fenster);
    MesseZeichnen(state, *haupt.Uhr());
}
BENCHMARK(BM_Titeluhr_Zeichnen)->Unit(benchmark::kMillisecond);

// Face and hands alone, without the widget around them.
static void BM_Titeluhr_Routinen(benchmark::State& state) {
    FarbenSetzen();
    InitWorld(-10, 10, -10, 10, 0, 500, 0, 500);
    const QImage holz(QStringLiteral(":/bilder/uhr/holz.png"));
    QImage bild(500, 500, QImage::Format_ARGB32_Premultiplied);
    const QTime zeit(10, 8, 37);
    for (auto _ : state) {
        QPainter canvas(&bild);
        DrawClockFaceBitmap(canvas, fbGrau240, holz, 0, 0, 7);
        DrawClockHands(canvas, QColor(0, 0, 0), fbGrau128, fbPink, 7, 5, 3, zeit, 0, 0, 7);
    }
}
BENCHMARK(BM_Titeluhr_Routinen)->Unit(benchmark::kMillisecond);

static void BM_TextWidthMarked(benchmark::State& state) {
    QImage bild(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&bild);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextWidthMarked(canvas, satz, 12, true));
}
BENCHMARK(BM_TextWidthMarked)->Unit(benchmark::kMicrosecond);

static void BM_DrawMarkedText2(benchmark::State& state) {
    QImage bild(1100, 40, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&bild);
    for (auto _ : state)
        DrawMarkedText2(canvas, satz, 5, 5, QColor(0, 0, 0), QColor(255, 0, 0), 12, true);
}
BENCHMARK(BM_DrawMarkedText2)->Unit(benchmark::kMicrosecond);

static void BM_TextCentre(benchmark::State& state) {
    InitWorld(-25, 25, -15, 15, 0, 1000, 0, 600);
    QImage bild(1000, 600, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&bild);
    for (auto _ : state)
        TextCentre(canvas, QStringLiteral("2 h 35 min"), 0, 0, QColor(0, 0, 0), 14, true);
}
BENCHMARK(BM_TextCentre)->Unit(benchmark::kMicrosecond);

static void BM_SysDrawText(benchmark::State& state) {
    InitMarkupPalette();
    QImage bild(1000, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&bild);
    for (auto _ : state)
        SysDrawText(canvas, formel, 5, 5, 20);
}
BENCHMARK(BM_SysDrawText)->Unit(benchmark::kMicrosecond);

static void BM_SysMixed(benchmark::State& state) {
    KSys = std::make_unique<TKSys>(-50, 50, -30, 30, 0, 1000, 0, 600);
    QImage bild(1000, 600, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&bild);
    for (auto _ : state)
        benchmark::DoNotOptimize(SysMixed(canvas, QStringLiteral("3"), QStringLiteral("5"),
                                          QStringLiteral("12"), 0, 0, 20, QColor(255, 0, 102)));
}
BENCHMARK(BM_SysMixed)->Unit(benchmark::kMicrosecond);
