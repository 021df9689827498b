#include "Bilder.h"

void ZugBilder(Bildliste&) {}
