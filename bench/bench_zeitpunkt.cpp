#include "bench/Zeichenmessung.h"
#include "core/GlobaleU.h"
#include "platform/SystemU.h"
#include "screens/zeitpunkt/ZeitpunktU.h"
#include "tests/support/Attrappen.h"

#include <QPushButton>
#include <QRadioButton>
#include <benchmark/benchmark.h>

using namespace kalmiro;

namespace {

// Example 6 with departure 20:35 and arrival 5:10, which borrows in step 7: the draws of
// the four points of the "Begriffe" page, of example 1 at the window's start, of example 6.
void Beispiel6(test::ZufallsSkript& zufall) {
    for (int wert : {0, 10, 0, 20, 0, 30, 0, 40, 8, 16, 5, 15, 17, 2, 35, 10})
        zufall.Anhaengen(wert);
}

QPushButton* Knopf(TfrmZeitpunkt& w, int n) {
    return w.findChild<QPushButton*>(QStringLiteral("btn0%1").arg(n));
}

void BisSchritt(TfrmZeitpunkt& w, int bis) {
    w.findChild<QRadioButton*>(QStringLiteral("grpBeispiele_5"))->click();
    for (int i = 1; i <= bis; ++i)
        Knopf(w, i)->click();
}

} // namespace

// One full paint of the busiest drawing: example 6 at its last step, with the time line,
// both time marks, the travel-time arrow and both ways worked out in rows.
static void BM_Zeitpunkt_Zeichnen(benchmark::State& state) {
    SetzeWarte([](int) {});
    test::ZufallsSkript zufall;
    Beispiel6(zufall);
    ZeitpunktArt = 2;
    Fensterverbund verbund;
    TfrmZeitpunkt w(verbund);
    w.show();
    BisSchritt(w, 8);
    MesseZeichnen(state, *w.findChild<QWidget*>(QStringLiteral("pnt")));
    SetzeWarte({});
}
BENCHMARK(BM_Zeitpunkt_Zeichnen)->Unit(benchmark::kMillisecond);

// One frame of the borrow in example 6, step 7: the synchronous repaint of the paint box
// with the label half way across, as the slide makes it every 100 ms.
static void BM_Zeitpunkt_Wanderbild(benchmark::State& state) {
    test::ZufallsSkript zufall;
    Beispiel6(zufall);
    ZeitpunktArt = 2;
    Fensterverbund verbund;
    TfrmZeitpunkt w(verbund);
    w.show();
    QApplication::processEvents(); // exposed, so that every frame really paints
    QWidget* pnt = w.findChild<QWidget*>(QStringLiteral("pnt"));
    int warten = 0;
    SetzeWarte([&](int) {
        if (++warten != 35) return;
        for (auto _ : state)
            pnt->repaint();
    });
    BisSchritt(w, 7);
    SetzeWarte({});
}
BENCHMARK(BM_Zeitpunkt_Wanderbild)->Unit(benchmark::kMillisecond);
