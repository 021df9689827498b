// Feeds arbitrary text, as each entry field lets it through, to the routines that read
// and judge a typed answer: none may crash, overrun, grow past its bound or let a
// drawing markup character reach what a row shows.
#include "core/TexteU.h"
#include "core/UebungsprotokollU.h"
#include "core/ZeiteingabeU.h"
#include "core/ZeitenU.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <functional>

namespace {

using namespace kalmiro;

void Pruefe(bool ok) {
    if (!ok) std::abort();
}

// What an entry field holds after the pupil's text: unprintable and refused characters
// dropped, the rest as the filter gives it, cut at the field's length. The same as
// TEdit::Gefiltert and its cap; a fuzzer has no QApplication to make a field in.
QString Feldtext(const QString& text, const std::function<QChar(QChar)>& filter, int laenge) {
    QString feld;
    for (QChar c : text) {
        if (!c.isPrint()) continue;
        const QChar r = filter(c);
        if (r.isPrint()) feld.append(r);
    }
    return feld.left(laenge);
}

bool OhneMarkup(const QString& text) {
    for (QChar c : text)
        if (QStringView(u"@#^\\").contains(c) || !c.isPrint()) return false;
    return true;
}

void Urteilen(bool richtig) {
    Aufgabenstand stand;
    for (int i = 0; i < 3 && !stand.Fertig(); ++i)
        if (WirdBeurteilt(stand, false, true)) Beurteile(stand, richtig);
    Pruefe(stand.Fertig());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(laenge));

    // Unit conversion, both modes: a comma answer and a fraction answer.
    for (const bool bruch : {false, true}) {
        Umwandlungsaufgabe a;
        a.BruchLoesung = bruch;
        a.LoesungText = bruch ? QStringLiteral("7/10") : QStringLiteral("0,1");
        const QString feld = Feldtext(
            text, [&a](QChar c) { return ZeichenErlaubt(a, c) ? c : QChar(); }, KurzText40);
        const QString eingabe = EingabeNormalisiert(feld);
        Pruefe(eingabe.size() <= KurzText40 && OhneMarkup(eingabe));
        // A second attempt, if the first was wrong, finishes the task.
        int versuch = 1;
        a.Offen = true;
        (void)Bewerte(a, versuch, eingabe);
        if (a.Offen) (void)Bewerte(a, versuch, eingabe);
        Pruefe(!a.Offen);
    }

    // The operation exercises.
    const QString uebung = Feldtext(text, UebungFilter, KurzText20);
    const QString normal = OhneFuehrendeNullen(uebung);
    const QString antwort = ZeichenEntfernen(normal, u' ').left(KurzText20);
    Pruefe(normal.size() <= uebung.size() + 1 && OhneMarkup(normal) && OhneMarkup(antwort));
    Urteilen(antwort == OhneFuehrendeNullen(QStringLiteral("2h 05min")));

    // The rounds dialog.
    const QString runden = Feldtext(
        text, [](QChar c) { return c >= u'0' && c <= u'9' ? c : QChar(); }, 3);
    const int zahl = ZahlLesen(runden);
    Pruefe(zahl >= 0 && zahl <= 999);

    // Trains and flights: a time of day and a duration.
    for (const Zeitform form : {Zeitform::Uhrzeit, Zeitform::Zeitdauer}) {
        const QString feld = Feldtext(
            text, [form](QChar c) { return Zeitzeichen(form, c); }, KurzText20);
        const std::optional<QString> gelesen = LeseZeiteingabe(feld, form);
        if (gelesen) Pruefe(gelesen->size() <= KurzText20 && OhneMarkup(*gelesen));
        Urteilen(gelesen && *gelesen == Uhrzeittext(9, 5));
        (void)EinheitenLeerzeichen(feld);
    }
    return 0;
}
