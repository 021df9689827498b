#include "Bilder.h"
#include "Zeitzonen.h"

#include "core/FlugzieleU.h"

void ZeitzonenBilder(Bildliste& liste) {
    using namespace kalmiro;
    const QString gruppe = QStringLiteral("zeitzonen");
    liste.push_back({gruppe, QStringLiteral("imgKarte.jpg"), [] {
                         if (qEnvironmentVariableIsSet("BILDER_BERICHT")) karte::Kartenbericht();
                         return karte::Zeitzonenkarte();
                     }});
    liste.push_back({gruppe, QStringLiteral("imgBild.jpg"), karte::Tagundnachtkarte});
    for (int n = 1; n <= AnzahlFlugzeugbilder; ++n)
        liste.push_back({gruppe, QStringLiteral("imgFl%1.png").arg(n, 2, 10, QLatin1Char('0')),
                         [n] { return karte::Flugzeugbild(n); }});
}
