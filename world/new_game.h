#pragma once
// The campaign proper: a new game in town 0, after the tutorial or the recruiter's second answer.

// Resets the game state, loads town 0 from its template and its map, creates the own figure,
// fills the world map, the town table, the army and the sun, and spawns town 0's townsfolk. The
// template and the map are checked first: when one is missing or damaged, or the template leaves
// no free record for the own figure, a message is shown and nothing changes. True when started.
bool StarteStadtNull();

// The world map and town table of a new game (records 0..19; 20..29 are not touched).
void FuelleWeltKarteUndStaedte();
