#pragma once

#include "core/ZufallU.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>
#include <random>
#include <vector>

namespace kalmiro::test {

// A random source that returns scripted values first (each clamped by Random to its
// range) and seeded pseudo-random values after, or one fixed value after (Danach).
// Randomize does nothing, so a window's seeding in its activation leaves the script in
// place. It is the program's source while it lives.
class ZufallsSkript : public ZufallsQuelle {
public:
    explicit ZufallsSkript(std::uint32_t saat = 1);
    ~ZufallsSkript() override;
    ZufallsSkript(const ZufallsSkript&) = delete;
    ZufallsSkript& operator=(const ZufallsSkript&) = delete;

    void Werte(std::initializer_list<int> werte);
    void Anhaengen(int wert) { m_werte.push_back(wert); }
    bool Leer() const { return m_werte.empty(); }
    // Once the script is used up, always this value, the worst a source can do; a
    // negative one stands for the largest of each draw, n - 1.
    void Danach(int wert) { m_danach = wert; }
    // The bounds n of the draws made so far.
    const std::vector<int>& Grenzen() const { return m_grenzen; }

    int Ziehe(int n) override;
    void Mische() override {}

private:
    std::deque<int> m_werte;
    std::vector<int> m_grenzen;
    std::optional<int> m_danach;
    std::mt19937 m_motor;
};

} // namespace kalmiro::test
