#include "core/ZufallU.h"

#include <QDateTime>
#include <random>

namespace kalmiro {
namespace {

class Standardquelle final : public ZufallsQuelle {
public:
    int Ziehe(int n) override {
        std::uniform_int_distribution<int> verteilung(0, n - 1);
        return verteilung(m_motor);
    }
    void Mische() override {
        m_motor.seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    }
    void Saat(std::uint32_t s) { m_motor.seed(s); }

private:
    std::mt19937 m_motor{5489u};
};

Standardquelle& standard() {
    static Standardquelle quelle;
    return quelle;
}

ZufallsQuelle* aktuelle = nullptr;

ZufallsQuelle& quelle() {
    return aktuelle ? *aktuelle : standard();
}

} // namespace

void ZufallsQuelleSetzen(ZufallsQuelle* q) {
    aktuelle = q;
}

int Random(int n) {
    if (n < 1) return 0;
    const int wert = quelle().Ziehe(n);
    // A scripted source must not hand out values the callers' tables cannot take.
    if (wert < 0) return 0;
    if (wert >= n) return n - 1;
    return wert;
}

void Randomize() {
    quelle().Mische();
}

void RandSeed(std::uint32_t seed) {
    standard().Saat(seed);
}

int Zufall1bis9() {
    return Random(9) + 1;
}

int ZufallZehner() {
    return 10 * Zufall1bis9();
}

int ZufallZweistellig() {
    const int zehner = ZufallZehner();
    return zehner + Zufall1bis9();
}

float ZufallZehntel() {
    return static_cast<float>(Zufall1bis9()) / 10.0f;
}

float ZufallEinstelligKomma() {
    return static_cast<float>(ZufallZweistellig()) / 10.0f;
}

int ZufallTempo() {
    const int s = Random(3) - 1;
    const int f = Random(5) + 1;
    return 850 + 10 * s * f;
}

} // namespace kalmiro
