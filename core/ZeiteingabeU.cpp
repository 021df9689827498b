#include "core/ZeiteingabeU.h"

#include "core/TexteU.h"

namespace kalmiro {
namespace {
constexpr int MaxZiffern = 9; // so that every number read fits an int
constexpr QStringView Minutenzeichen = u"min";

// A number typed strictly: leading blanks, then 1 to 9 decimal digits and nothing else.
std::optional<int> StrengeZahl(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const QStringView ziffern = text.mid(i);
    if (ziffern.isEmpty() || ziffern.size() > MaxZiffern) return std::nullopt;
    int wert = 0;
    for (QChar c : ziffern) {
        if (c < u'0' || c > u'9') return std::nullopt;
        wert = wert * 10 + (c.unicode() - u'0');
    }
    return wert;
}

} // namespace

QString Uhrzeittext(int stunden, int minuten) {
    return QString::number(stunden) + u':' + ZweiStellig(minuten);
}

QString Zeitdauertext(int stunden, int minuten) {
    return QString::number(stunden) + QStringLiteral("h ") + ZweiStellig(minuten) +
           Minutenzeichen.toString();
}

QChar Zeitzeichen(Zeitform form, QChar c) {
    if ((c >= u'0' && c <= u'9') || c == u'\b' || c == u'\r') return c;
    if (form == Zeitform::Uhrzeit) return c == u':' ? c : QChar();
    if (QStringView(u" himn").contains(c)) return c;
    if (QStringView(u"HIMN").contains(c)) return c.toLower();
    return {};
}

std::optional<QString> LeseZeiteingabe(QStringView eingabe, Zeitform form) {
    const QStringView text = eingabe.left(KurzText20);
    const bool dauer = form == Zeitform::Zeitdauer;
    const qsizetype p = text.indexOf(dauer ? u'h' : u':');
    const QStringView kopf = text.left(p + 1);
    QStringView rest = text.mid(p + 1);
    if (dauer && rest.size() >= Minutenzeichen.size()) rest.chop(Minutenzeichen.size());
    const std::optional<int> minuten = StrengeZahl(rest);
    if (!minuten) return std::nullopt;
    QString ergebnis = kopf.toString();
    // The blank after the "h" is the one the written form has; a typed one stays in the
    // minutes part, where it is a leading blank.
    if (dauer && p >= 0) ergebnis += u' ';
    ergebnis += ZweiStellig(*minuten);
    if (dauer) ergebnis += Minutenzeichen;
    return ergebnis.left(KurzText20);
}

QChar UebungFilter(QChar c) {
    if ((c >= u'0' && c <= u'9') || c == u' ' || c == u'\b' || c == u'\r') return c;
    if (QStringView(u"dhimns").contains(c)) return c;
    if (QStringView(u"HIMNS").contains(c)) return c.toLower();
    return {};
}

QString OhneFuehrendeNullen(const QString& text) {
    qsizetype anfang = 0;
    while (anfang < text.size() && text[anfang] == u' ')
        ++anfang;
    const QStringView eingabe = QStringView(text).mid(anfang);
    QString ergebnis = FuehrendeNullen(eingabe);
    // "0h12min3s" has no leading zero to drop: its 0 is the number of hours.
    if (eingabe.startsWith(u'0') && !(ergebnis.size() > 0 && ergebnis[0].isDigit()))
        ergebnis.prepend(u'0');
    return ergebnis;
}

} // namespace kalmiro
