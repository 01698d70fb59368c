#pragma once
// The enemy army on the world map: its daily march along the roads between the towns, the
// occupation of neutral and enemy-held towns, and the start of a raid on a town of the player's.
#include <cstdint>

#include "world/records.h"

// The army's move of one day (called at every new day and for every cell of a journey).
void BewegeFeindArmee();
// The enemy occupies the town of world cell (spalte, reihe).
void FeindBesetztStadt(int32_t spalte, int32_t reihe);

// Base water income of towns 0..19: the new game's value, restored when the enemy takes a town.
inline constexpr int16_t kBasisWasserZufluss[20] = {2, 2, 2, 4, 0, 1, 3, 2, 2, 5, 4, 0, 1, 1, 1, 1, 4, 2, 3, 2};
// World-map cell (column, row) of towns 0..19.
struct WeltZelle {
    int32_t spalte, reihe;
};
inline constexpr WeltZelle kStadtZellen[20] = {
    {1, 2},  {1, 5},   {2, 8},  {5, 1},  {7, 4},   {5, 6},   {9, 1},  {17, 16}, {5, 16},  {7, 13},
    {10, 14}, {19, 3}, {3, 11}, {1, 14}, {15, 3}, {16, 9}, {9, 8}, {13, 12}, {12, 5}, {14, 18}};

// The road network: for the army standing at town t, the destination town of roll k (0..4),
// -1 where the army stays.
inline constexpr int8_t kFeindStrassen[20][5] = {
    {3, 1, 4, 5, -1},      {0, 4, 5, 2, -1},     {1, 5, 12, 16, -1},   {0, 4, 6, 5, -1},
    {3, 5, 6, 18, 16},     {1, 4, 16, 2, -1},    {3, 4, 18, 14, -1},   {19, 10, 17, -1, -1},
    {13, 12, 9, 10, -1},   {10, 8, 12, 17, 16},  {17, 9, 8, 19, -1},   {14, 18, 15, -1, -1},
    {2, 13, 9, 8, -1},     {12, 9, 8, -1, -1},   {11, 18, 6, 15, -1},  {17, 16, 18, 14, -1},
    {5, 4, 18, 17, -1},    {7, 10, 15, 16, -1},  {15, 16, 14, 6, 4},   {7, 10, 17, -1, -1}};

// The town id of world cell (spalte, reihe), or -1 when the cell is off the map or holds no valid
// town (a loaded world map is trusted for nothing).
int StadtAnWeltZelle(int32_t spalte, int32_t reihe);

// The steps of a town falling to the enemy, shared by the occupation and the lost raid, which
// make their draws in different orders.
void ZieheFeindNahrung(StadtRecord& t);                 // three draws of the food animal
void SetzeFeindWasser(StadtRecord& t, int stadt);       // base income, then the pump draws
void ZieheFeindBesatzung(StadtRecord& t);               // hostiles to spawn
