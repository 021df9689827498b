#include "bench/Zeichenmessung.h"
#include "core/GlobaleU.h"
#include "platform/SystemU.h"
#include "screens/zeitpunkt/ZeitpunktU.h"
#include "tests/support/Attrappen.h"

#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <memory>

using namespace kalmiro;

namespace {

// The worked examples shown, with example 6 at departure 20:35 and arrival 5:10, which
// borrows in step 7. The draws: the four points of the "Begriffe" page, example 1 at the
// window's start, example 6 once chosen.
struct Beispiel6 {
    test::ZufallsSkript zufall;
    Fensterverbund verbund;
    std::unique_ptr<TfrmZeitpunkt> w;

    Beispiel6() {
        for (int wert : {0, 10, 0, 20, 0, 30, 0, 40, 8, 16, 5, 15, 17, 2, 35, 10})
            zufall.Anhaengen(wert);
        ZeitpunktArt = 2;
        w = std::make_unique<TfrmZeitpunkt>(verbund);
        w->show();
        QApplication::processEvents(); // exposed, so that every frame really paints
        w->findChild<QRadioButton*>(QStringLiteral("grpBeispiele_5"))->click();
    }
    QWidget& pnt() const { return *w->findChild<QWidget*>(QStringLiteral("pnt")); }
    void BisSchritt(int bis) const {
        for (int i = 1; i <= bis; ++i)
            w->findChild<QPushButton*>(QStringLiteral("btn0%1").arg(i))->click();
    }
};

} // namespace

// One full paint of the busiest drawing: example 6 at its last step, with the time line,
// both time marks, the travel-time arrow and both ways worked out in rows.
static void BM_Zeitpunkt_Zeichnen(benchmark::State& state) {
    WarteSetzen([](int) {});
    Beispiel6 b;
    b.BisSchritt(8);
    MesseZeichnen(state, b.pnt());
    WarteSetzen({});
}
BENCHMARK(BM_Zeitpunkt_Zeichnen)->Unit(benchmark::kMillisecond);

// One frame of the borrow in example 6, step 7: the synchronous repaint of the paint box
// with the label half way across, as the slide makes it every 100 ms.
static void BM_Zeitpunkt_Wanderbild(benchmark::State& state) {
    Beispiel6 b;
    int warten = 0;
    WarteSetzen([&](int) {
        if (++warten != 35) return;
        for (auto _ : state)
            b.pnt().repaint();
    });
    b.BisSchritt(7);
    WarteSetzen({});
}
BENCHMARK(BM_Zeitpunkt_Wanderbild)->Unit(benchmark::kMillisecond);
