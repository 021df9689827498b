#include "Bilder.h"

void EinheitenBilder(Bildliste&) {}
