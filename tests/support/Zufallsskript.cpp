#include "tests/support/Zufallsskript.h"

namespace kalmiro::test {

ZufallsSkript::ZufallsSkript(std::uint32_t saat) : m_motor(saat) {
    ZufallsQuelleSetzen(this);
}

ZufallsSkript::~ZufallsSkript() {
    ZufallsQuelleSetzen(nullptr);
}

void ZufallsSkript::Werte(std::initializer_list<int> werte) {
    m_werte.insert(m_werte.end(), werte.begin(), werte.end());
}

int ZufallsSkript::Ziehe(int n) {
    m_grenzen.push_back(n);
    if (!m_werte.empty()) {
        const int w = m_werte.front();
        m_werte.pop_front();
        return w;
    }
    if (m_danach) return *m_danach < 0 ? n - 1 : *m_danach;
    return std::uniform_int_distribution<int>(0, n - 1)(m_motor);
}

} // namespace kalmiro::test
