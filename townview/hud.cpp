#include "townview/hud.h"

LieferAnimationsZustand LieferAnimation = {0, 0};
