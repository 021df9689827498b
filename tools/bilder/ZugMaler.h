// A train picture: the scene drawn behind, the train and the overhead line rendered into
// a depth buffer on a canvas four times finer, shaded, and averaged down to the picture.
#pragma once

#include "ZugLandschaft.h"

#include <QImage>

namespace zug {

constexpr int fotoBreite = 160, fotoHoehe = 120;

QImage ZugFoto(const Zug& zug, const Szene& szene);

} // namespace zug
