// Stand-ins for the world simulation's steps until they are built: they change nothing.
#include "framework/services_world.h"
#include "framework/szene.h"

void AktualisiereTageslauf() {}
