#include "Bilder.h"

void UhrBilder(Bildliste&) {}
