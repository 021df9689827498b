#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace kalmiro {

// A label that slides over a drawing, carrying an amount from one column to another and
// changing its unit on the way. The window's paint handler draws the text with its right
// end at (x, y), in world units, while the label is visible.
struct Wanderlabel {
    QString text;
    float x = 0;
    float y = 0;
    bool sichtbar = false;

    // Drawn and read out while shown with a text; a label may set off without one.
    bool Gezeigt() const { return sichtbar && !text.isEmpty(); }
};

// The label as a screen reader reads it on its way: "unterwegs: 60s".
QString Unterwegs(const Wanderlabel& label);

inline constexpr int WanderTakt = 100;           // ms a frame
inline constexpr int WanderBilderJeEinheit = 10; // 0.1 world units a frame

// One straight leg of a slide.
struct Wanderstrecke {
    float zielX = 0;
    float zielY = 0;
    // Before the first frame: a new label text, a new explanation.
    std::function<void()> beimStart;
    // Once, in the first frame past half the leg: the column the label leaves drops, or
    // the one it reaches grows.
    std::function<void()> halbwegs;
};

struct Wanderung {
    int pauseVorher = 1000; // ms with the label shown at its start
    std::vector<Wanderstrecke> strecken;
    // Once the label has gone, before the repaint that shows it gone.
    std::function<void()> amEnde;
    int pauseNachher = 500; // ms after; 0 waits not at all
};

// Frames of a leg: its length in whole tenths, so 4.3 units are 43 frames and the last
// frame lands on the target.
int WanderBilder(float vonX, float vonY, float nachX, float nachY);

// Plays a slide on flaeche, from the label's position: shows the label and waits
// pauseVorher; then every frame of every leg sets the position, fires halbwegs once,
// repaints flaeche at once and waits WanderTakt ms; then hides the label, repaints and
// waits pauseNachher. Every wait goes through Warte.
// Returns false, having stopped, when the window was closed or destroyed meanwhile; the
// caller then returns without touching the window.
bool Wandere(QWidget& flaeche, Wanderlabel& label, const Wanderung& wanderung);

} // namespace kalmiro
