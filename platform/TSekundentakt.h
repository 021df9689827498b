#pragma once

#include <QTimer>

class QTime;

namespace kalmiro {

// Milliseconds from now to the next tick of a live clock, just after the next full second.
int TickAbstand(const QTime& jetzt);

// The timer of a live clock: it fires just after each full second of Jetzt() and aims
// itself anew after every tick. A free-running 1000 ms interval drifts against the wall
// clock and would now and then skip or repeat a second; this one never does.
class TSekundentakt : public QTimer {
    Q_OBJECT
public:
    explicit TSekundentakt(QObject* parent = nullptr);

    // Starts ticking (again), the first tick just after the next full second.
    void Starten();
};

} // namespace kalmiro
