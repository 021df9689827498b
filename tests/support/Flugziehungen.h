#pragma once

#include <QList>
#include <cstdlib>

namespace kalmiro::test {

// The draws of one flight task as Random returns them: destination, the speed's sign
// and size, kind, departure hour and minute.
inline QList<int> Flugziehungen(int ziel, int tempo, int art, int abH, int abM) {
    const int abstand = (tempo - 850) / 10;
    const int vorzeichen = abstand > 0 ? 1 : abstand < 0 ? -1 : 0;
    return {ziel - 1, vorzeichen + 1, abstand == 0 ? 0 : std::abs(abstand) - 1, art - 1, abH, abM};
}

} // namespace kalmiro::test
