#pragma once

#include "core/ZufallU.h"

#include <QDateTime>
#include <QList>
#include <QSize>
#include <QStringList>
#include <deque>
#include <functional>
#include <random>

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
    void SetzeBildschirm(QSize groesse);
    void Zuruecksetzen();

private:
    QDateTime m_zeit;
    QSize m_bildschirm{1280, 1024};
};

// A random source that returns scripted values first (each clamped by Random to its
// range) and seeded pseudo-random values after. Randomize does nothing, so a window's
// seeding in its activation leaves the script in place.
class ZufallsSkript : public ZufallsQuelle {
public:
    explicit ZufallsSkript(std::uint32_t saat = 1);
    ~ZufallsSkript() override;

    void Werte(std::initializer_list<int> werte);
    void Anhaengen(int wert) { m_werte.push_back(wert); }
    bool Leer() const { return m_werte.empty(); }
    // The bounds n of the draws made so far.
    const std::vector<int>& Grenzen() const { return m_grenzen; }

    int Ziehe(int n) override;
    void Mische() override {}

private:
    std::deque<int> m_werte;
    std::vector<int> m_grenzen;
    std::mt19937 m_motor;
};

// Runs tun on the next modal window that shows; it is up to tun to close it.
void BeimNaechstenModal(std::function<void(QWidget&)> tun);

} // namespace kalmiro::test
