#include "KarteZeichnen.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kalmiro::karte {

std::vector<QPolygonF> Abgebildet(const Zug& zug, const Abbildung& abbildung, Laengen sicht) {
    std::vector<QPolygonF> stuecke;
    if (zug.punkte.empty()) return stuecke;
    for (int turn = -1; turn <= 1; ++turn) {
        const double d = 360.0 * turn;
        if (zug.osten + d < sicht.westen || zug.westen + d > sicht.osten) continue;
        QPolygonF p;
        for (std::size_t i = 0; i < zug.punkte.size(); ++i) {
            const QPointF q = zug.punkte[i] + QPointF(d, 0);
            if (i > 0) {
                const QPointF vorher = zug.punkte[i - 1] + QPointF(d, 0);
                const QPointF schritt = q - vorher;
                const int teile = static_cast<int>(
                    std::ceil(std::max(std::fabs(schritt.x()), std::fabs(schritt.y())) / 1.0));
                for (int t = 1; t < teile; ++t)
                    p << abbildung(vorher + schritt * (static_cast<double>(t) / teile));
            }
            p << abbildung(q);
        }
        stuecke.push_back(std::move(p));
    }
    return stuecke;
}

QPainterPath Flaechenpfad(const std::vector<Flaeche>& flaechen, const Abbildung& abbildung,
                          Laengen sicht) {
    QPainterPath pfad;
    pfad.setFillRule(Qt::OddEvenFill);
    for (const Flaeche& f : flaechen)
        for (const Zug& ring : f)
            for (const QPolygonF& p : Abgebildet(ring, abbildung, sicht))
                pfad.addPolygon(p);
    return pfad;
}

void ZeichneZuege(QPainter& maler, const std::vector<Zug>& zuege, const Abbildung& abbildung,
                  Laengen sicht) {
    for (const Zug& z : zuege)
        for (const QPolygonF& p : Abgebildet(z, abbildung, sicht))
            maler.drawPolyline(p);
}

Maske Deckung(const QPainterPath& pfad, QSize groesse) {
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        // Picture coordinates put a pixel's centre on whole numbers.
        maler.translate(0.5, 0.5);
        maler.fillPath(pfad, Qt::white);
    }
    Maske m{groesse.width(), groesse.height(), {}};
    m.wert.reserve(static_cast<std::size_t>(m.breite) * m.hoehe);
    for (int y = 0; y < m.hoehe; ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < m.breite; ++x)
            m.wert.push_back(static_cast<float>(qAlpha(zeile[x])) / 255.0f);
    }
    return m;
}

namespace {

// One box pass along rows (schritt 1) or columns (schritt breite), edges held.
void Kasten(std::vector<float>& w, int laenge, int anzahl, int schritt, int abstand, int radius) {
    std::vector<float> alt(static_cast<std::size_t>(laenge));
    for (int k = 0; k < anzahl; ++k) {
        const std::size_t start = static_cast<std::size_t>(k) * abstand;
        for (int i = 0; i < laenge; ++i)
            alt[i] = w[start + static_cast<std::size_t>(i) * schritt];
        double summe = 0;
        for (int i = -radius; i <= radius; ++i)
            summe += alt[std::clamp(i, 0, laenge - 1)];
        for (int i = 0; i < laenge; ++i) {
            w[start + static_cast<std::size_t>(i) * schritt] =
                static_cast<float>(summe / (2 * radius + 1));
            summe += alt[std::min(i + radius + 1, laenge - 1)] - alt[std::max(i - radius, 0)];
        }
    }
}

} // namespace

Maske Weich(const Maske& m, int radius) {
    Maske w = m;
    for (int pass = 0; pass < 3; ++pass) {
        Kasten(w.wert, w.breite, w.hoehe, 1, w.breite, radius);
        Kasten(w.wert, w.hoehe, w.breite, w.breite, 1, radius);
    }
    return w;
}

} // namespace kalmiro::karte
