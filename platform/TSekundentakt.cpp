#include "platform/TSekundentakt.h"

#include "platform/SystemU.h"

#include <QTime>

namespace kalmiro {

int TickAbstand(const QTime& jetzt) {
    // A few milliseconds past the full second, so a tick that comes a little early or a
    // paint that comes a little late still reads the new second.
    constexpr int nachlauf = 5;
    const int ms = jetzt.isValid() ? jetzt.msec() : 0;
    return 1000 - ms + nachlauf;
}

TSekundentakt::TSekundentakt(QObject* parent) : QTimer(parent) {
    setTimerType(Qt::PreciseTimer);
    setSingleShot(true);
    // Connected first, so a handler that stops the timer at a tick keeps it stopped.
    connect(this, &QTimer::timeout, this, &TSekundentakt::Starten);
}

void TSekundentakt::Starten() {
    start(TickAbstand(Jetzt().time()));
}

} // namespace kalmiro
