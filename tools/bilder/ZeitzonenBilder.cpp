#include "Bilder.h"

void ZeitzonenBilder(Bildliste&) {}
