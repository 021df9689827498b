#include "Bilder.h"

void InformationBilder(Bildliste&) {}
