#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <functional>
#include <vector>

// The colour a share t of the way from a to b (t held to 0..1), alpha included.
inline QColor Mische(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    const auto kanal = [t](float x, float y) { return static_cast<float>(x + (y - x) * t); };
    return QColor::fromRgbF(kanal(a.redF(), b.redF()), kanal(a.greenF(), b.greenF()),
                            kanal(a.blueF(), b.blueF()), kanal(a.alphaF(), b.alphaF()));
}

// One picture of the program: its group (the folder and .qrc it goes to), its file
// name (.png keeps transparency, .jpg for photographs and maps) and how to draw it.
struct Bild {
    QString gruppe;
    QString name;
    std::function<QImage()> zeichne;
};

using Bildliste = std::vector<Bild>;

// A picture kept as a vector drawing, written out as text (the scalable symbol).
struct Textbild {
    QString gruppe;
    QString name;
    std::function<QByteArray()> schreibe;
};

using Textbildliste = std::vector<Textbild>;

// The sizes of the symbol's PNGs, as the desktop's icon theme keeps them.
inline constexpr int SymbolGroessen[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Each group of pictures adds its own.
void UhrBilder(Bildliste& liste);
void EinheitenBilder(Bildliste& liste);
void ZugBilder(Bildliste& liste);
void ZeitzonenBilder(Bildliste& liste);
void InformationBilder(Bildliste& liste);
void SymbolBilder(Bildliste& liste, Textbildliste& texte);
