// The program's symbol for the desktop menu, the window list and the software centre: a
// cheerful red alarm clock with golden bells, its hands at ten past ten, so the face
// smiles. One list of shapes in a 256 x 256 box is both painted into the PNGs of every
// size and written out as the scalable SVG, so the two never drift apart.
#include "Bilder.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double box = 256;
constexpr double mitteX = 128, mitteY = 142;

enum class Art { Kreis, Linie };

// A circle (a = centre x, b = centre y, c = radius) or a line from (a, b) to (c, d) with
// round ends. A fill with a second colour runs from top to bottom. Small symbols leave
// out the shapes meant for a larger one (abGroesse).
struct Form {
    Art art;
    double a, b, c, d;
    QColor fuellung;
    QColor fuellungUnten;
    QColor rand;
    double randBreite;
    int abGroesse;
};

const QColor braun(122, 52, 20);
const QColor gold(255, 214, 102);
const QColor goldUnten(240, 160, 60);
const QColor rotOben(255, 122, 84);
const QColor rotUnten(214, 64, 40);
const QColor creme(255, 250, 238);
const QColor tinte(29, 53, 87);
const QColor mitte(230, 57, 70);
const QColor keine;

// The point at the angle (degrees clockwise from twelve) and distance from the face's centre.
QPointF Punkt(double grad, double abstand) {
    const double w = grad * std::numbers::pi / 180;
    return {mitteX + abstand * std::sin(w), mitteY - abstand * std::cos(w)};
}

Form Strich(QPointF von, QPointF bis, const QColor& farbe, double breite, int ab = 0) {
    return {Art::Linie, von.x(), von.y(), bis.x(), bis.y(), keine, keine, farbe, breite, ab};
}

std::vector<Form> Formen() {
    std::vector<Form> f;
    // Feet and bells behind the body, the hammer between the bells.
    f.push_back(Strich({74, 216}, {54, 242}, braun, 16));
    f.push_back(Strich({182, 216}, {202, 242}, braun, 16));
    f.push_back(Strich({128, 40}, {128, 24}, braun, 12, 32));
    f.push_back({Art::Kreis, 62, 62, 34, 0, gold, goldUnten, braun, 7, 0});
    f.push_back({Art::Kreis, 194, 62, 34, 0, gold, goldUnten, braun, 7, 0});
    f.push_back({Art::Kreis, mitteX, mitteY, 104, 0, rotOben, rotUnten, braun, 7, 0});
    f.push_back({Art::Kreis, mitteX, mitteY, 82, 0, creme, keine, QColor(222, 198, 160), 3, 0});
    // Bold marks at the quarters, dots for the other hours.
    for (int stunde = 0; stunde < 12; ++stunde) {
        const double grad = 30.0 * stunde;
        if (stunde % 3 == 0) {
            f.push_back(Strich(Punkt(grad, 62), Punkt(grad, 74), tinte, 9, 32));
        } else {
            const QPointF p = Punkt(grad, 68);
            f.push_back({Art::Kreis, p.x(), p.y(), 4.5, 0, tinte, keine, keine, 0, 48});
        }
    }
    // Ten past ten: the hour hand a third of the way from ten to eleven.
    f.push_back(Strich({mitteX, mitteY}, Punkt(305, 44), tinte, 13));
    f.push_back(Strich({mitteX, mitteY}, Punkt(60, 64), tinte, 9));
    f.push_back({Art::Kreis, mitteX, mitteY, 10, 0, mitte, keine, keine, 0, 0});
    return f;
}

QImage Symbol(int groesse) {
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const double massstab = groesse / box;
    p.scale(massstab, massstab);
    for (const Form& f : Formen()) {
        if (groesse < f.abGroesse) continue;
        // Outlines and hands keep at least about a pixel in the smallest sizes.
        const double breite = std::max(f.randBreite, f.randBreite > 0 ? 1.1 / massstab : 0.0);
        QPen stift =
            f.rand.isValid() ? QPen(f.rand, breite, Qt::SolidLine, Qt::RoundCap) : QPen(Qt::NoPen);
        p.setPen(stift);
        if (f.art == Art::Linie) {
            p.drawLine(QPointF(f.a, f.b), QPointF(f.c, f.d));
            continue;
        }
        if (f.fuellungUnten.isValid()) {
            QLinearGradient verlauf(0, f.b - f.c, 0, f.b + f.c);
            verlauf.setColorAt(0, f.fuellung);
            verlauf.setColorAt(1, f.fuellungUnten);
            p.setBrush(verlauf);
        } else {
            p.setBrush(f.fuellung);
        }
        p.drawEllipse(QPointF(f.a, f.b), f.c, f.c);
    }
    return bild;
}

QString Zahl(double x) {
    return QString::number(x, 'g', 6);
}

QByteArray SymbolSvg() {
    QByteArray svg;
    QTextStream aus(&svg);
    aus << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n"
        << "  <title>Kalmiro</title>\n  <defs>\n";
    const std::vector<Form> formen = Formen();
    int verlauf = 0;
    for (const Form& f : formen) {
        if (!f.fuellungUnten.isValid()) continue;
        aus << "    <linearGradient id=\"verlauf" << verlauf++
            << "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << Zahl(f.b - f.c)
            << "\" x2=\"0\" y2=\"" << Zahl(f.b + f.c) << "\">\n"
            << "      <stop offset=\"0\" stop-color=\"" << f.fuellung.name() << "\"/>\n"
            << "      <stop offset=\"1\" stop-color=\"" << f.fuellungUnten.name() << "\"/>\n"
            << "    </linearGradient>\n";
    }
    aus << "  </defs>\n";
    verlauf = 0;
    for (const Form& f : formen) {
        const QString rand = f.rand.isValid() ? QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
                                                    .arg(f.rand.name(), Zahl(f.randBreite))
                                              : QString();
        if (f.art == Art::Linie) {
            aus << "  <line x1=\"" << Zahl(f.a) << "\" y1=\"" << Zahl(f.b) << "\" x2=\""
                << Zahl(f.c) << "\" y2=\"" << Zahl(f.d) << "\"" << rand
                << " stroke-linecap=\"round\"/>\n";
            continue;
        }
        const QString fuellung = f.fuellungUnten.isValid()
                                     ? QStringLiteral("url(#verlauf%1)").arg(verlauf++)
                                     : f.fuellung.name();
        aus << "  <circle cx=\"" << Zahl(f.a) << "\" cy=\"" << Zahl(f.b) << "\" r=\"" << Zahl(f.c)
            << "\" fill=\"" << fuellung << "\"" << rand << "/>\n";
    }
    aus << "</svg>\n";
    aus.flush();
    return svg;
}

} // namespace

void SymbolBilder(Bildliste& liste, Textbildliste& texte) {
    for (int groesse : SymbolGroessen)
        liste.push_back({QStringLiteral("symbol"), QStringLiteral("kalmiro-%1.png").arg(groesse),
                         [groesse] { return Symbol(groesse); }});
    texte.push_back({QStringLiteral("symbol"), QStringLiteral("kalmiro.svg"), SymbolSvg});
}
