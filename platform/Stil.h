#pragma once

namespace kalmiro {

// The program's look on top of the desktop's style, changing nothing at a scale of 1:
// the menus' access letters are underlined while the keyboard works them, pictures
// drawn at another scale than their own (150 %, 200 %) are scaled smoothly rather than
// in blocks, and the frames of group boxes keep sharp lines there. Called once after the
// application object is made.
void AnwendungEinrichten();

} // namespace kalmiro
