#include "core/LesefolgeU.h"

#include <algorithm>

namespace kalmiro {

QStringList Lesefolge(std::vector<Lesestueck> stuecke, const QString& trenner) {
    std::erase_if(stuecke, [](const Lesestueck& s) { return s.text.trimmed().isEmpty(); });
    std::stable_sort(stuecke.begin(), stuecke.end(), [](const Lesestueck& a, const Lesestueck& b) {
        return a.y != b.y ? a.y > b.y : a.x < b.x;
    });
    QStringList zeilen;
    for (std::size_t i = 0; i < stuecke.size(); ++i) {
        if (i > 0 && stuecke[i].y == stuecke[i - 1].y)
            zeilen.last() += trenner + stuecke[i].text;
        else
            zeilen << stuecke[i].text;
    }
    return zeilen;
}

} // namespace kalmiro
