#include "core/ZeitenU.h"
