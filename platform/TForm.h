#pragma once

#include "core/FarbenU.h"

#include <QMainWindow>
#include <QPointer>
#include <optional>

class QAbstractButton;
class QEventLoop;
class QPainter;

namespace kalmiro {

// Base of every window. The client area (the central widget) has the window's stated
// size with the menu bar above it; FormActivate runs each time the window is opened or
// shown again, FormPaint at every paint of the client area.
class TForm : public QMainWindow {
    Q_OBJECT
public:
    enum class Rahmen {
        Einfach,     // single border, close button only
        Dialog,      // dialog border, close button only
        OhneKnoepfe, // dialog border without any title-bar button
    };
    enum class Ergebnis { Keins, Ok, Schliessen };
    enum class Fensterart { Bildschirm, Dialog };

    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // Shows the window application-modal and returns when it closes.
    Ergebnis ZeigeModal();
    bool LaeuftModal() const { return m_schleife != nullptr; }
    // Closes the window with the given result (the result of ZeigeModal).
    void Schliessen(Ergebnis ergebnis);

    QWidget* Client() const { return centralWidget(); }
    QSize ClientGroesse() const;

    void Zentrieren(const QWidget* haupt);
    void AufBildschirmZentrieren();
    void Maximieren();
    // Where a window opens, each time it is shown: centred over the main window (whose
    // place holds while it is hidden); a screen fills a 1024 x 768 screen, a dialog keeps
    // its size there too.
    void Platzieren(const QWidget* haupt, Fensterart art, bool bildschirm1024);

    // Paints the client area again later, after the window's state changed: the
    // screen-reader texts of the entry fields (Beschreiben) follow the new state.
    void NeuZeichnen();
    // Paints the client area at once: a frame of an animation, which changes no task.
    void SofortZeichnen();

protected:
    // Called by the subclass after its setupUi: fixes the client size given in the
    // layout (minimum = maximum size of the central widget), the border, the
    // background colour, and turns layout fonts into pixel sizes at 96 dpi.
    // It also gives the menus access keys (Zugriffstasten) and lets Enter press the
    // button that has the focus, as Space does.
    void Einrichten(Rahmen rahmen, std::optional<Farbe> hintergrund = std::nullopt);

    // Enter presses this button wherever the focus is, unless another push button has it
    // (a radio item or check box with the focus does not keep Enter from it).
    void StandardKnopf(QAbstractButton* knopf);
    // Escape presses this button.
    void AbbruchKnopf(QAbstractButton* knopf);
    // Escape closes the window.
    void EscapeSchliesst();

    virtual void FormActivate() {}
    virtual void FormPaint(QPainter& canvas);
    // The evaluation window can only be left through its own button.
    virtual bool DarfSchliessen() { return true; }

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QEventLoop* m_schleife = nullptr;
    Ergebnis m_ergebnis = Ergebnis::Keins;
};

// Layout fonts are given in points; the program draws at 96 dpi whatever the screen.
void FontsAuf96Dpi(QWidget* wurzel);
// Pictures painted at a scale other than 1:1 (150 %, 200 %) are smoothed, not blocky.
void GlattSkalieren(QPainter& canvas);

} // namespace kalmiro
