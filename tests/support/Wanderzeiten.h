#pragma once

#include <QList>

namespace kalmiro::test {

// The waits of a label's slide: a second with the label at its start, a tenth for each
// frame, then the pause after it has gone, none for 0.
inline QList<int> Wanderzeiten(int bilder, int pauseNachher = 500) {
    QList<int> w{1000};
    for (int i = 0; i < bilder; ++i)
        w << 100;
    if (pauseNachher > 0) w << pauseNachher;
    return w;
}

} // namespace kalmiro::test
