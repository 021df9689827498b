#pragma once

#include <QAccessible>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace kalmiro::test {

// What a screen reader gets, read through Qt's accessibility interface offscreen.

// Records, while it lives, every announcement the platform layer sends (Qt hands none
// to its own update handler offscreen: no screen reader is active there). It stands in
// for a screen reader: while it lives, the entry fields' texts are kept current.
class Zugangsprotokoll {
public:
    Zugangsprotokoll();
    ~Zugangsprotokoll();
    Zugangsprotokoll(const Zugangsprotokoll&) = delete;
    Zugangsprotokoll& operator=(const Zugangsprotokoll&) = delete;

    // The texts read out so far, in order, and who read each out.
    QStringList ansagen;
    QList<QObject*> quellen;
    void Leeren();
};

// The name, description and role a screen reader reads for the object.
QString Name(QObject* o);
QString Beschreibung(QObject* o);
QAccessible::Role Rolle(QObject* o);

// The widgets of the window a screen reader would reach without a name: visible entry
// fields, buttons, value labels in group boxes and pictures. Empty when all have one.
QStringList Namenlos(QWidget& fenster);

// Every entry of the window's menus as a screen reader reads it, path by path, hidden
// entries left out: "Grundrechnungsarten > Übungsbeispiele > Addition".
QStringList Menuepfade(QWidget& fenster);

} // namespace kalmiro::test
