#include "platform/WanderlabelU.h"

#include "platform/SystemU.h"

#include <QPointer>
#include <QWidget>
#include <cmath>

namespace kalmiro {

QString Unterwegs(const Wanderlabel& label) {
    return QStringLiteral("unterwegs: ") + label.text;
}

int WanderBilder(float vonX, float vonY, float nachX, float nachY) {
    const double laenge =
        std::hypot(static_cast<double>(nachX) - vonX, static_cast<double>(nachY) - vonY);
    return static_cast<int>(std::lround(laenge * WanderBilderJeEinheit));
}

bool Wandere(QWidget& flaeche, Wanderlabel& label, const Wanderung& wanderung) {
    QPointer<QWidget> wache(&flaeche);
    const auto offen = [&wache] { return wache && wache->window()->isVisible(); };
    // Waits, then tells whether the window is still there to go on with.
    const auto warten = [&offen](int ms) {
        Warte(ms);
        return offen();
    };
    if (!offen()) return false;

    label.sichtbar = true;
    flaeche.repaint();
    if (!warten(wanderung.pauseVorher)) return false;

    for (const Wanderstrecke& strecke : wanderung.strecken) {
        if (strecke.beimStart) strecke.beimStart();
        const float x0 = label.x;
        const float y0 = label.y;
        const int n = WanderBilder(x0, y0, strecke.zielX, strecke.zielY);
        // A leg of no length still makes its change.
        if (n == 0 && strecke.halbwegs) strecke.halbwegs();
        for (int i = 1; i <= n; ++i) {
            // From the start point each time, so that no error adds up over the frames.
            const float anteil = static_cast<float>(i) / static_cast<float>(n);
            label.x = i == n ? strecke.zielX : x0 + (strecke.zielX - x0) * anteil;
            label.y = i == n ? strecke.zielY : y0 + (strecke.zielY - y0) * anteil;
            if (2 * i > n && 2 * (i - 1) <= n && strecke.halbwegs) strecke.halbwegs();
            flaeche.repaint();
            if (!warten(WanderTakt)) return false;
        }
    }

    label.sichtbar = false;
    label.text.clear();
    if (wanderung.amEnde) wanderung.amEnde();
    flaeche.repaint();
    if (wanderung.pauseNachher > 0 && !warten(wanderung.pauseNachher)) return false;
    return true;
}

} // namespace kalmiro
