#pragma once
// The new game: its screen (modes 6000 and 6001) and its start in the tutorial map.
#include "world/new_game.h"  // AussehenWahl

// Makes the 20 towns' working copies from their templates, loads the tutorial map with its state,
// fills the world with its starting values, places the own figure and enters the town view in
// tutorial step 1. Every file is checked first: when one is missing or damaged a message names it
// and nothing changes. True when the game started.
bool StarteNeuesSpiel();
