#include "KarteDaten.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <set>

namespace kalmiro::karte {

namespace {

// The arcs of a topology, decoded: quantised, delta-encoded positions turned into degrees.
std::vector<Linie> Boegen(const QJsonObject& topologie) {
    const QJsonObject transform = topologie.value(QLatin1String("transform")).toObject();
    const QJsonArray skala = transform.value(QLatin1String("scale")).toArray();
    const QJsonArray versatz = transform.value(QLatin1String("translate")).toArray();
    const double sx = skala.at(0).toDouble(1), sy = skala.at(1).toDouble(1);
    const double tx = versatz.at(0).toDouble(), ty = versatz.at(1).toDouble();
    const bool quantisiert = !transform.isEmpty();

    std::vector<Linie> boegen;
    for (const QJsonValue& b : topologie.value(QLatin1String("arcs")).toArray()) {
        Linie linie;
        double x = 0, y = 0;
        for (const QJsonValue& p : b.toArray()) {
            const QJsonArray xy = p.toArray();
            if (quantisiert) {
                x += xy.at(0).toDouble();
                y += xy.at(1).toDouble();
                linie.emplace_back(x * sx + tx, y * sy + ty);
            } else {
                linie.emplace_back(xy.at(0).toDouble(), xy.at(1).toDouble());
            }
        }
        boegen.push_back(std::move(linie));
    }
    return boegen;
}

// Arc i forwards, ~i backwards.
int Bogennummer(int i) {
    return i >= 0 ? i : ~i;
}

// Steps of more than half a turn cross the date line: carry on past +-180 instead.
Zug Abgewickelt(const Linie& linie) {
    Zug zug;
    double verschiebung = 0;
    for (std::size_t i = 0; i < linie.size(); ++i) {
        QPointF p = linie[i];
        if (i > 0) {
            const double schritt = p.x() + verschiebung - zug.punkte.back().x();
            if (schritt > 180) verschiebung -= 360;
            if (schritt < -180) verschiebung += 360;
        }
        p.rx() += verschiebung;
        zug.punkte.push_back(p);
    }
    return zug;
}

void Ausdehnung(Zug& zug) {
    zug.westen = 1e9;
    zug.osten = -1e9;
    for (const QPointF& p : zug.punkte) {
        zug.westen = std::min(zug.westen, p.x());
        zug.osten = std::max(zug.osten, p.x());
    }
}

Zug Ring(const std::vector<Linie>& boegen, const QJsonArray& ring) {
    Linie punkte;
    for (const QJsonValue& v : ring) {
        const int i = v.toInt();
        const int n = Bogennummer(i);
        if (n < 0 || n >= static_cast<int>(boegen.size())) continue;
        Linie bogen = boegen[n];
        if (i < 0) std::reverse(bogen.begin(), bogen.end());
        // Consecutive arcs share their end points.
        punkte.insert(punkte.end(), bogen.begin() + (punkte.empty() ? 0 : 1), bogen.end());
    }
    Zug zug = Abgewickelt(punkte);
    // A ring round a pole comes back a whole turn away from where it began: close it
    // along the pole so that it fills the cap and not the rest of the world.
    if (zug.punkte.size() > 2 && std::fabs(zug.punkte.back().x() - zug.punkte.front().x()) > 180) {
        double mittel = 0;
        for (const QPointF& p : zug.punkte)
            mittel += p.y();
        const double pol = mittel < 0 ? -90 : 90;
        zug.punkte.emplace_back(zug.punkte.back().x(), pol);
        zug.punkte.emplace_back(zug.punkte.front().x(), pol);
    }
    Ausdehnung(zug);
    return zug;
}

std::vector<Flaeche> Flaechen(const std::vector<Linie>& boegen, const QJsonObject& geometrie,
                              std::set<int>* genutzt) {
    const QString typ = geometrie.value(QLatin1String("type")).toString();
    QJsonArray polygone;
    if (typ == QLatin1String("Polygon"))
        polygone.append(geometrie.value(QLatin1String("arcs")));
    else if (typ == QLatin1String("MultiPolygon"))
        polygone = geometrie.value(QLatin1String("arcs")).toArray();
    std::vector<Flaeche> flaechen;
    for (const QJsonValue& polygon : polygone) {
        Flaeche f;
        for (const QJsonValue& ring : polygon.toArray()) {
            for (const QJsonValue& i : ring.toArray())
                genutzt->insert(Bogennummer(i.toInt()));
            f.push_back(Ring(boegen, ring.toArray()));
        }
        if (!f.empty()) flaechen.push_back(std::move(f));
    }
    return flaechen;
}

// The arc as lines to stroke, without the pieces that only close a shape: those along
// the date line, where Natural Earth cuts some islands, and those along a pole.
std::vector<Zug> Striche(const Linie& bogen) {
    std::vector<Zug> striche;
    Linie stueck;
    const auto abschliessen = [&] {
        if (stueck.size() >= 2) {
            Zug z = Abgewickelt(stueck);
            Ausdehnung(z);
            striche.push_back(std::move(z));
        }
        stueck.clear();
    };
    for (std::size_t i = 0; i < bogen.size(); ++i) {
        if (i > 0) {
            const QPointF& a = bogen[i - 1];
            const QPointF& b = bogen[i];
            const bool amRand = std::fabs(std::fabs(a.x()) - 180) < 1e-6 &&
                                std::fabs(std::fabs(b.x()) - 180) < 1e-6;
            const bool amPol = std::fabs(a.y()) > 89.9 && std::fabs(b.y()) > 89.9;
            if (amRand || amPol) {
                abschliessen();
                stueck.push_back(b);
                continue;
            }
        }
        stueck.push_back(bogen[i]);
    }
    abschliessen();
    return striche;
}

} // namespace

Weltdaten LeseWeltdaten(const QString& pfad) {
    Weltdaten welt;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        welt.fehler = pfad + QLatin1String(": ") + datei.errorString();
        return welt;
    }
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(datei.readAll(), &fehler);
    const QJsonObject topologie = dokument.object();
    const QJsonObject objekte = topologie.value(QLatin1String("objects")).toObject();
    if (fehler.error != QJsonParseError::NoError || !objekte.contains(QLatin1String("land")) ||
        !objekte.contains(QLatin1String("countries"))) {
        welt.fehler = pfad + QLatin1String(": no TopoJSON with land and countries");
        return welt;
    }
    const std::vector<Linie> boegen = Boegen(topologie);

    std::set<int> kuestenboegen, staatenboegen;
    const auto geometrien = [&](const char* name) {
        return objekte.value(QLatin1String(name))
            .toObject()
            .value(QLatin1String("geometries"))
            .toArray();
    };
    for (const QJsonValue& g : geometrien("land")) {
        std::vector<Flaeche> f = Flaechen(boegen, g.toObject(), &kuestenboegen);
        welt.festland.insert(welt.festland.end(), f.begin(), f.end());
    }
    for (const QJsonValue& g : geometrien("countries")) {
        const QJsonObject o = g.toObject();
        Staat s;
        s.name =
            o.value(QLatin1String("properties")).toObject().value(QLatin1String("name")).toString();
        s.flaechen = Flaechen(boegen, o, &staatenboegen);
        welt.staaten.push_back(std::move(s));
    }
    // Every arc of the merged land is coast; an arc that only the countries use lies
    // between two of them.
    for (int i : kuestenboegen) {
        std::vector<Zug> z = Striche(boegen[i]);
        welt.kuesten.insert(welt.kuesten.end(), z.begin(), z.end());
    }
    for (int i : staatenboegen) {
        if (kuestenboegen.count(i)) continue;
        std::vector<Zug> z = Striche(boegen[i]);
        welt.grenzen.insert(welt.grenzen.end(), z.begin(), z.end());
    }
    return welt;
}

// The folder comes from the build: __FILE__ is relative when ccache rewrites the paths.
QString Weltdatenpfad() {
    return QStringLiteral(KALMIRO_BILDERDATEN "/countries-50m.json");
}

const Weltdaten& Welt() {
    static const Weltdaten welt = LeseWeltdaten(Weltdatenpfad());
    return welt;
}

bool Enthaelt(const Flaeche& flaeche, QPointF punkt) {
    for (const double turn : {0.0, 360.0, -360.0}) {
        const double x = punkt.x() + turn, y = punkt.y();
        bool innen = false;
        for (const Zug& ring : flaeche) {
            if (x < ring.westen || x > ring.osten) continue;
            const Linie& p = ring.punkte;
            if (p.empty()) continue;
            for (std::size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
                if ((p[i].y() > y) != (p[j].y() > y) &&
                    x < (p[j].x() - p[i].x()) * (y - p[i].y()) / (p[j].y() - p[i].y()) + p[i].x())
                    innen = !innen;
            }
        }
        if (innen) return true;
    }
    return false;
}

} // namespace kalmiro::karte
