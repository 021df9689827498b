#pragma once

#include "screens/Fenster.h"

#include <array>
#include <memory>

namespace kalmiro {

class TfrmKalmiro;

// All twelve windows, created once in a fixed order and kept until the end.
class Programm {
public:
    Programm();
    ~Programm();
    Programm(const Programm&) = delete;
    Programm& operator=(const Programm&) = delete;

    TfrmKalmiro& Hauptfenster() const;
    const Fensterverbund& Fenster() const { return m_fenster; }
    // The twelve windows in the order they were created.
    std::array<TForm*, 12> AlleFenster() const;
    // Shows the main window centred on the screen.
    void Starten();

private:
    Fensterverbund m_fenster;
};

} // namespace kalmiro
