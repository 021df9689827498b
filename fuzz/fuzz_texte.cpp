// Feeds arbitrary text to every text routine: none may crash, overrun or grow a short
// text past its bound.
#include "core/TexteU.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    using namespace kalmiro;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));
    const auto pruefe = [](bool ok) {
        if (!ok) std::abort();
    };
    pruefe(FuehrendeNullen(text).size() <= KurzText40);
    pruefe(EndNullen(text).size() <= KurzText40);
    (void)FuehrendeNullenLang(text);
    (void)EndNullenLang(text);
    (void)ZeichenEntfernen(text, u' ');
    pruefe(EinheitenLeerzeichen(text).size() <= KurzText20);
    pruefe(UhrzeitMinutenZweistellig(text).size() <= KurzText20);
    pruefe(StundenMinutenZweistellig(text).size() <= KurzText20);
    pruefe(LeerNachStunde(text).size() <= KurzText20);
    (void)ZeitInKleinereEinheit(text);
    QString z, n;
    BruchTeilen(text, z, n);
    const int a = ZahlLesen(text);
    const int b = ZahlLesen(n);
    (void)ggT(a, b);
    int h = 0, m = 0;
    QuotientStundenMinuten(a, b, h, m);
    return 0;
}
