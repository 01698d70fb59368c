#pragma once
// Squad members moved between the record arrays (the town's, the travel records, the encounter's
// waiting records) and lined up before a town's gate.
#include "world/figur.h"

// What every move of a member carries: looks, body model, health, name, type, level, rotation,
// scale and protection; orders, target and selection cleared, in use. Items, animation, food,
// water, order and positions are the caller's, as are id, talk byte, stationed and stack count.
void UebertrageMerkmale(FigurRecord& ziel, const FigurRecord& quelle);

// The items of all four rows, ids and counts; each slot's spare byte stays the record's.
void UebertrageItems(FigurRecord& ziel, const FigurRecord& quelle);

// UebertrageMerkmale with items, animation, food, water, order and positions: the whole member
// as the party's moves copy it. Id, talk byte, stationed and stack count are the caller's.
void UebertrageFigur(FigurRecord& ziel, const FigurRecord& quelle);

// A member standing ready at the gate: not selected, standing (action 1, order 1, 12 frames), no
// wait, fight, heal or talk, no pick-up goal or entrance target.
void StelleBereit(FigurRecord& f);

// The place of the m-th member (from 1) arriving at a town: rows of six, x from 610 down to 560,
// each row 10 further in z and 60 further in x.
void AnkunftsPlatz(int m, float platz[3]);

// Position, destination and waypoint all at platz.
void SetzePositionen(FigurRecord& f, const float platz[3]);
