#pragma once
// Every game record and global array in one include.
#include "world/figur.h"
#include "world/ids.h"
#include "world/itemslot.h"
#include "world/spielglobals.h"
#include "world/stadt.h"
