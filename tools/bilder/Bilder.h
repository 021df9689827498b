#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

// One picture of the program: its group (the folder and .qrc it goes to), its file
// name (.png keeps transparency, .jpg for photographs and maps) and how to draw it.
struct Bild {
    QString gruppe;
    QString name;
    std::function<QImage()> zeichne;
};

using Bildliste = std::vector<Bild>;

// Each group of pictures adds its own.
void UhrBilder(Bildliste& liste);
void EinheitenBilder(Bildliste& liste);
void ZugBilder(Bildliste& liste);
void ZeitzonenBilder(Bildliste& liste);
void InformationBilder(Bildliste& liste);
