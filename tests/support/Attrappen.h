#pragma once

#include "tests/support/Zufallsskript.h"

#include <QDateTime>
#include <QList>
#include <QSize>
#include <QStringList>
#include <functional>

namespace kalmiro {
class TForm;
}

namespace kalmiro::test {

// Replaces the message box, the wait, the clock and the screen size while it lives.
// Messages and waits are recorded; the clock runs from the set time only when told to.
class Attrappen {
public:
    Attrappen();
    ~Attrappen();
    Attrappen(const Attrappen&) = delete;
    Attrappen& operator=(const Attrappen&) = delete;

    static Attrappen& Aktuell();

    QStringList meldungen;
    QList<int> wartezeiten;
    // Called with each message as it appears (while the message box would be open).
    std::function<void(const QString&)> beiMeldung;
    // Called at each wait, after it is recorded.
    std::function<void(int)> beiWarte;

    // A set clock; each wait advances it by the waited time.
    void SetzeZeit(const QDateTime& zeit);
    void EchteZeit();
    void BildschirmSetzen(QSize groesse);
    void Zuruecksetzen();

private:
    QDateTime m_zeit;
    QSize m_bildschirm{1280, 1024};
};

// Runs tun on the next modal window that shows; it is up to tun to close it.
void BeimNaechstenModal(std::function<void(QWidget&)> tun);

} // namespace kalmiro::test
