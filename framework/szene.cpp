#include "framework/szene.h"

class Szene Szene;
