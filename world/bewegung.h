#pragma once
// Path following and the movement step: a walker plans one cell at a time at cell centres and
// moves 1 (walk) or 2 (run) units a tick toward its waypoint.
#include <cstdint>

// The walkability callback of the path finder: -1 outside the town's grid, on a wall or on a cell
// a figure occupies; 1 otherwise.
int FeldBegehbar(int x, int z);

// Plans the next waypoint of figure i when it is not yet at its destination.
void FigurWegFolgen(int32_t i);
void FigurWegSuchen(int32_t i);
// One movement step of figure i toward its waypoint: walking 1 unit, running 2. A figure caught
// between two cells in another state (not dying, not held) finishes its step at walking speed.
void FigurSchritt(int32_t i);
