#include "Bilder.h"
#include "InformationMalen.h"

// The history pictures beside the two reading pages of the information window, each in
// the box it is shown in.
void InformationBilder(Bildliste& liste) {
    using namespace kalmiro::infobilder;
    std::vector<Seitenbild> bilder;
    GeschichteBilder(bilder);
    MessgeraeteBilder(bilder);
    for (const Seitenbild& b : bilder)
        liste.push_back({QStringLiteral("information"), QString::fromLatin1(b.name), [b] {
                             return Male(b.breite, b.hoehe,
                                         [b](QPainter& p) { b.male(p, b.breite, b.hoehe); });
                         }});
}
