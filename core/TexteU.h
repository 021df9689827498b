#pragma once

#include <QString>
#include <QStringView>

namespace kalmiro {

// Bounds of the short text forms; longer input is cut, never overrun.
inline constexpr int KurzText40 = 40;
inline constexpr int KurzText20 = 20;

// Reads an integer the lenient way: leading blanks, an optional sign, then digits up to
// the first other character. No digits give 0; values beyond +-999999999 are clamped.
int ZahlLesen(QStringView text);

// Number-text normalisation; the short forms cut their input to 40 characters.
QString FuehrendeNullen(QStringView text);
QString EndNullen(QStringView text);
QString FuehrendeNullenLang(QStringView text);
QString EndNullenLang(QStringView text);
QString ZeichenEntfernen(QStringView text, QChar zeichen);

// Hours and minutes as separate integers; no wrap at 24 hours.
void ZeitSumme(int h1, int m1, int h2, int m2, int& h, int& m);
void ZeitDifferenz(int h1, int m1, int h2, int m2, int& h, int& m);
// a div b hours and the rounded rest in minutes (60 becomes 59). b = 0 gives 0 h 0 min.
void QuotientStundenMinuten(int a, int b, int& h, int& m);

// Time texts; input and output are cut to 20 characters.
QString ZweiStellig(int zahl);
int ZeitInKleinereEinheit(QStringView text);
QString EinheitenLeerzeichen(QStringView text);
QString UhrzeitMinutenZweistellig(QStringView text);
QString StundenMinutenZweistellig(QStringView text);
QString LeerNachStunde(QStringView text);
void BruchTeilen(QStringView text, QString& zaehler, QString& nenner);

int ggT(int a, int b);

} // namespace kalmiro
