#include "core/ZonenU.h"

#include <QDateTime>
#include <QTime>
#include <algorithm>

namespace kalmiro {

int ZonenCode(int eintrag) {
    if (eintrag < 0 || eintrag >= AnzahlZonenEintraege) return KeineZone;
    return ZonenCodes[static_cast<std::size_t>(eintrag)];
}

int ZonenEintrag(int code) {
    const auto it = std::find(ZonenCodes.begin(), ZonenCodes.end(), code);
    return it == ZonenCodes.end() ? -1 : static_cast<int>(it - ZonenCodes.begin());
}

bool IstStundenzone(int code) {
    return code >= -10 && code <= 12 && code != Heimatzonenstunden;
}

namespace {

struct Zone {
    int code;
    Zonentexte texte;
};

} // namespace

const Zonentexte* TexteDerZone(int code) {
    // The texts are shown as they stand, spellings included: "Burkina fasco",
    // "Großbrtannien", "Lichtenstein", "Norfokinsel" and the like are the program's own wording.
    // clang-format off
    static const Zone zonen[] = {
        {0, {QStringLiteral("Länder für die westeuropäische Zeitzone"), {QStringLiteral("Burkina fasco, Färöer, Gambia, Ghana, Island, Irland, Liberia, Marokko"), QStringLiteral("Mauretanien, Portugal, Kanarische Inseln,Großbrtannien, Antarktis")}}},
        {-1, {QStringLiteral("Länder für die Zeitzone -1h"), {QStringLiteral("Grönland (teilweise), Kap Verde, Azoren")}}},
        {-2, {QStringLiteral("Länder für die Zeitzone -2h"), {QStringLiteral("Brasilien (teilweise), Grönland (teilweise)")}}},
        {-3, {QStringLiteral("Länder für die Zeitzone -3h"), {QStringLiteral("Argentinien, Brasilien (teilweise), franz. Guayana, Grönland (teilweise)"), QStringLiteral("Surinam, Uruguay")}}},
        {-4, {QStringLiteral("Länder für die Zeitzone -4h"), {QStringLiteral("Anguilla, Antigua und Barbuda, Aruba, Barbados, Bermuda, Bolivien, Bonaire, Brasilien (teilweise)"), QStringLiteral("Chile, Curaçao, Dominika, Dominikanische Republik, Falkland Inseln, Grenada, Grönland (teilweise)"), QStringLiteral("Guadeloupe, Guyana, Jungferninseln, Kanada (teilweise), Martinique, Antillen, Paraguay, Puerto Rico")}}},
        {-5, {QStringLiteral("Länder für die Zeitzone -5h"), {QStringLiteral("Bahamas, Brasilien (teilweise), Kanada (teilweise), Kaimaninseln, Kolumbien, Kuba, Ecuador"), QStringLiteral("Haiti, Jamaika, Panama Peru, USA (teilweise)")}}},
        {-6, {QStringLiteral("Länder für die Zeitzone -6h"), {QStringLiteral("Belize, Chile, Osterinsel, Costa Rica, Ecuador, Galápagos-Inseln, El Salvador, Guatemala"), QStringLiteral("Honduras, Kanada (teilweise), Mexiko (Großteil), Nicaragua, USA (teilweise)")}}},
        {-7, {QStringLiteral("Länder für die Zeitzone -7h"), {QStringLiteral("Kanada (teilweise), Mexiko (teilweise), USA (teilweise)")}}},
        {-8, {QStringLiteral("Länder für die Zeitzone -8h"), {QStringLiteral("Kanada (teilweise), Mexiko (teilweise), USA (teilweise)")}}},
        {-9, {QStringLiteral("Länder für die Zeitzone -9h"), {QStringLiteral("Französisch-Polynesien (teilweise), USA (Alaska)")}}},
        {-10, {QStringLiteral("Länder für die Zeitzone -10h"), {QStringLiteral("Cookinseln, Französisch-Polynesien, USA (Alaska teilweise), Hawaii")}}},
        {2, {QStringLiteral("Länder für die Zeitzone +2h"), {QStringLiteral("Ägypten, Bulgarien, Estland, Finnland, Griechenland, Israel, Lettland"), QStringLiteral("Litauen, Moldawien, Rumänien, Russland, Südafrika, Sudan"), QStringLiteral("Türkei, Ukraine, Weißrussland, Zypern")}}},
        {3, {QStringLiteral("Länder für die Zeitzone +3h"), {QStringLiteral("Äthiopien, Bahrain, Irak, Jemen, Kenia, Kuwait, Madagaskar, Qatar"), QStringLiteral("Russland (teilweise), Saudi Arabien, Somalia, Tansania, Uganda")}}},
        {4, {QStringLiteral("Länder für die Zeitzone +4h"), {QStringLiteral("Armenien, Aserbaidschan, Georgien, Oman, Réunion, Russland (teilweise)"), QStringLiteral("Vereinigte Arabische Emirate")}}},
        {5, {QStringLiteral("Länder für die Zeitzone +5h"), {QStringLiteral("Kirgisistan, Malediven, Pakistan, Russland (teilweise)")}}},
        {6, {QStringLiteral("Länder für die Zeitzone +6h"), {QStringLiteral("Bangladesch, Kasachstan, Russland (teilweise), Australien (teilweise)")}}},
        {7, {QStringLiteral("Länder für die Zeitzone +7h"), {QStringLiteral("Kambodscha, Indonesien (teilweise), Laos, Russland (teilweise), Thailand, Vietnam")}}},
        {8, {QStringLiteral("Länder für die Zeitzone +8h"), {QStringLiteral("Australien (teilweise), Volksrepublik China (Festlandchina, Hongkong und Macao), Republik China (Taiwan)"), QStringLiteral("Indonesien (teilweise) , Malaysia, Philippinen, Russland (teilweise), Singapur")}}},
        {9, {QStringLiteral("Länder für die Zeitzone +9h"), {QStringLiteral("Japan, Korea, Osttimor, Palau, Russland (teilweise), Indonesien (teilweise)")}}},
        {10, {QStringLiteral("Länder für die Zeitzone +10h"), {QStringLiteral("Australien (teilweise), Russland (teilweise)")}}},
        {11, {QStringLiteral("Länder für die Zeitzone +11h"), {QStringLiteral("Neukaledonien, Russland (teilweise)")}}},
        {12, {QStringLiteral("Länder für die Zeitzone +12h"), {QStringLiteral("Fidschi, Kiribati (teilweise), Neuseeland (teilweise), Russland (teilweise)")}}},
        {AndereZonen, {QStringLiteral("Länder mit anderen Zeitzonen"), {
            QStringLiteral("3:30 Iran"), QStringLiteral("4:30 Afghanistan"), QStringLiteral("5:30 Indien, Sri Lanka"),
            QStringLiteral("5:45 Nepal"), QStringLiteral("6:30 Kokosinseln, Myanmar"), QStringLiteral("9:30 Australien (teilweise)"),
            QStringLiteral("9:30 französisch Polynesien"), QStringLiteral("11:30 Norfokinsel"), QStringLiteral("12:45 Neuseeland (teilweise")}}},
    };
    // clang-format on
    for (const Zone& z : zonen)
        if (z.code == code) return &z.texte;
    return nullptr;
}

const Zonentexte& TexteDerHeimatzone(bool auswahlOffen) {
    static const QStringList laender{
        QStringLiteral("Albanien, Angola, Belgien, Bosnien, Dänemark, Deutschland, Frankreich"),
        QStringLiteral("Italien, Kroatien, Lichtenstein, Luxemburg, Mazedonien, Montenegro"),
        QStringLiteral("Niederlande, Norwegen, Österreich, Polen, Serbien, Schweden, Schweiz"),
        QStringLiteral("Slowakei, Slowenien, Spanien, Tschechien, Tunesien, Ungarn"),
    };
    static const QString titel =
        QStringLiteral("Länder für die mitteleuropäische Zeitzone (MEZ) +1h");
    static const Zonentexte karte{
        titel, laender + QStringList{QStringLiteral("Afrikanische Länder (teilweise)")}};
    static const Zonentexte auswahl{
        titel, laender + QStringList{QStringLiteral("Zentralafrikanische Republik, etc.")}};
    return auswahlOffen ? auswahl : karte;
}

QTimeZone ZoneOderMEZ(const QByteArray& name) {
    QTimeZone zone(name);
    if (zone.isValid()) return zone;
    return QTimeZone(Heimatzonenstunden * 3600);
}

const QTimeZone& Heimatzone() {
    static const QTimeZone zone = ZoneOderMEZ(QByteArrayLiteral("Europe/Vienna"));
    return zone;
}

QTime Heimatzeit(const QDateTime& zeitpunkt) {
    return zeitpunkt.toTimeZone(Heimatzone()).time();
}

QTime Weltzeit(const QDateTime& zeitpunkt) {
    return zeitpunkt.toUTC().time();
}

} // namespace kalmiro
