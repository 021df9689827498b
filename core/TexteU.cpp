#include "core/TexteU.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace kalmiro {
namespace {

constexpr std::int64_t Grenze = 999999999;

QStringView kurz(QStringView text, int grenze) {
    return text.left(grenze);
}

QString fuehrendeNullen(QStringView s) {
    if (s.startsWith(u"0,")) return s.toString();
    qsizetype i = 0;
    while (i < s.size() && s[i] == u'0')
        ++i;
    QString ergebnis = s.mid(i).toString();
    if (ergebnis.isEmpty()) return QStringLiteral("0");
    if (ergebnis.startsWith(u',')) ergebnis.prepend(u'0');
    return ergebnis;
}

QString endNullen(QStringView s) {
    if (!s.contains(u',')) return s.toString();
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u'0')
        --n;
    if (n > 0 && s[n - 1] == u',') --n;
    return s.left(n).toString();
}

int begrenzt(std::int64_t wert) {
    if (wert > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (wert < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(wert);
}

} // namespace

int ZahlLesen(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negativ = text[i] == u'-';
        ++i;
    }
    std::int64_t wert = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        wert = wert * 10 + (text[i].unicode() - u'0');
        if (wert > Grenze) wert = Grenze;
    }
    return static_cast<int>(negativ ? -wert : wert);
}

QString FuehrendeNullen(QStringView text) {
    // The "0" put before a leading comma must not grow the text past its bound.
    return fuehrendeNullen(kurz(text, KurzText40)).left(KurzText40);
}
QString EndNullen(QStringView text) {
    return endNullen(kurz(text, KurzText40));
}
QString FuehrendeNullenLang(QStringView text) {
    return fuehrendeNullen(text);
}
QString EndNullenLang(QStringView text) {
    return endNullen(text);
}

QString ZeichenEntfernen(QStringView text, QChar zeichen) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (QChar c : text)
        if (c != zeichen) ergebnis.append(c);
    return ergebnis;
}

void ZeitSumme(int h1, int m1, int h2, int m2, int& h, int& m) {
    m = m1 + m2;
    if (m >= 60) {
        m -= 60;
        h = h1 + h2 + 1;
    } else {
        h = h1 + h2;
    }
}

void ZeitDifferenz(int h1, int m1, int h2, int m2, int& h, int& m) {
    m = m2 - m1;
    if (m < 0) {
        m += 60;
        h = h2 - h1 - 1;
    } else {
        h = h2 - h1;
    }
}

void QuotientStundenMinuten(int a, int b, int& h, int& m) {
    if (b == 0) {
        h = 0;
        m = 0;
        return;
    }
    const std::int64_t ganz = static_cast<std::int64_t>(a) / b;
    h = begrenzt(ganz);
    const long double quotient = static_cast<long double>(a) / b;
    const long double rest = quotient - std::trunc(quotient);
    m = static_cast<int>(std::nearbyint(static_cast<double>(rest * 60.0L)));
    if (m == 60) m = 59;
}

QString ZweiStellig(int zahl) {
    if (zahl >= 0 && zahl <= 9) return QStringLiteral("0") + QString::number(zahl);
    return QString::number(zahl);
}

int ZeitInKleinereEinheit(QStringView eingabe) {
    const QStringView text = kurz(eingabe, KurzText20);
    QStringView gross = u"h";
    QStringView klein = u"min";
    qsizetype p = text.indexOf(gross);
    if (p < 0) {
        gross = u"min";
        klein = u"s";
        p = text.indexOf(gross);
    }
    if (p < 0) return ZahlLesen(text);
    const std::int64_t a = ZahlLesen(text.left(p));
    const QStringView rest = text.mid(p + gross.size());
    std::int64_t b = 0;
    const qsizetype q = rest.indexOf(klein);
    if (q >= 0) b = ZahlLesen(rest.left(q));
    return begrenzt(a * 60 + b);
}

QString EinheitenLeerzeichen(QStringView eingabe) {
    QString text = kurz(eingabe, KurzText20).toString();
    for (QStringView einheit : {QStringView(u"d"), QStringView(u"h"), QStringView(u"min")}) {
        const qsizetype p = text.indexOf(einheit);
        if (p >= 0) text.insert(p + einheit.size(), u' ');
    }
    return text.left(KurzText20);
}

QString UhrzeitMinutenZweistellig(QStringView eingabe) {
    const QStringView text = kurz(eingabe, KurzText20);
    const qsizetype p = text.indexOf(u':');
    const QString kopf = text.left(p + 1).toString();
    return (kopf + ZweiStellig(ZahlLesen(text.mid(p + 1)))).left(KurzText20);
}

QString StundenMinutenZweistellig(QStringView eingabe) {
    const QStringView text = kurz(eingabe, KurzText20);
    const qsizetype p = text.indexOf(u'h');
    const QString kopf = text.left(p + 1).toString();
    QStringView rest = text.mid(p + 1);
    rest.chop(qMin<qsizetype>(3, rest.size()));
    return (kopf + ZweiStellig(ZahlLesen(rest)) + QStringLiteral("min")).left(KurzText20);
}

QString LeerNachStunde(QStringView eingabe) {
    QString text = kurz(eingabe, KurzText20).toString();
    const qsizetype p = text.indexOf(u'h');
    if (p >= 0) text.insert(p + 1, u' ');
    return text.left(KurzText20);
}

void BruchTeilen(QStringView text, QString& zaehler, QString& nenner) {
    const qsizetype p = text.indexOf(u'/');
    zaehler = text.left(qMax<qsizetype>(p, 0)).toString();
    nenner = text.mid(p + 1).toString();
}

int ggT(int a, int b) {
    std::int64_t x = std::llabs(static_cast<long long>(a));
    std::int64_t y = std::llabs(static_cast<long long>(b));
    if (y == 0) return 1;
    std::int64_t letzter = y;
    while (y != 0) {
        letzter = y;
        const std::int64_t r = x % y;
        x = y;
        y = r;
    }
    return begrenzt(letzter);
}

} // namespace kalmiro
