#pragma once
// Starting a game: the campaign proper in town 0 (after the tutorial or the recruiter's second
// answer), and the steps it shares with the new game's start in the tutorial map.
#include <cstdint>

#include "world/itemslot.h"

// The new-game screen's three appearance sliders of the own figure, each 0..9. Not saved; they keep
// their values for the run.
inline int32_t AussehenWahl[3] = {};

// What differs between the two starts.
struct SpielStart {
    const char* vorlage;       // the town state read into Behaelter and Figuren
    const char* karte;         // the town map
    uint8_t tutorialSchritt;   // 0 the campaign, 1 the tutorial's first step
    bool verseucht;            // the towns start contaminated as the campaign has it, else all clean
    uint8_t eigeneStufe;       // the own figure's level
    ItemSlot gepaeck[3];       // the own figure's first three backpack slots
    bool bewohnerErzeugen;     // the town's townsfolk are spawned at the end
};

// Checks that the state and the map have their exact sizes and that the state leaves a record free
// for the own figure; on a fault a message names the file. True when the start can go ahead.
bool PruefeSpielStart(const SpielStart& start);

// Resets the game state and starts from the checked files: the town, the world map, the town table,
// the army, the sun, the figures' ids (index + 1), the own figure; ends in mode 1000 with the
// normal cursor. The caller runs the blank-screen pause first.
void StarteSpiel(const SpielStart& start);

// Resets the game state, loads town 0 from its template and its map, creates the own figure,
// fills the world map, the town table, the army and the sun, and spawns town 0's townsfolk. The
// template and the map are checked first: when one is missing or damaged, or the template leaves
// no free record for the own figure, a message is shown and nothing changes. True when started.
bool StarteStadtNull();

// The world map and town table of a new game (records 0..19; 20..29 are not touched); without
// verseucht every town starts clean.
void FuelleWeltKarteUndStaedte(bool verseucht = true);
