#pragma once
// Saving the game into a slot folder ("save/slot%i/") and loading it back: "global.dat" and the
// state file of every town. During play only the current town is in memory; the other towns live
// in their working copies "Gamestate/S_Town%i.dat".
#include <string>

// Saves into slotOrdner (with its trailing slash), creating the folder when missing. Every file
// of the slot is replaced together or not at all; on failure a message is shown and the slot and
// the game stay as they were. True when the save is complete.
bool SpielSpeichern(const std::string& slotOrdner);

// Loads from slotOrdner. Every file the load needs is checked before anything changes; on failure
// a message is shown and the game and its working copies stay as they were. True when loaded.
bool SpielLaden(const std::string& slotOrdner);

// Saves into slot k ("save/slot%i/") and then writes the slot names to "save/save.dat", so a name
// is stored only with its save. Refused on an encounter map (it would store the encounter's figures
// as the town's): the town shows the refusal line and sound 22 plays. True when saved.
bool SpeichereInSlot(int k);
