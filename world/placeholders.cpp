// Stand-ins for the world simulation's steps until they are built: they change nothing.
#include "framework/services_world.h"
#include "framework/szene.h"
#include "world/spawnen.h"

void Szene::AktualisiereWelt() {}
void AktualisiereFigur(int32_t) {}
void ErzeugeFiguren(int32_t, int32_t) {}
