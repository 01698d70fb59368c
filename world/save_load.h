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

// The save slots the screens offer: 0..17, slot k in the folder "save/slot%i/".
constexpr int SPEICHERSLOTS_ANGEBOTEN = 18;

// Saves into slot k and, only once that succeeded, writes the slot names to "save/save.dat". On an
// encounter map saving is refused, as the game menu refuses it: its town state would hold the
// encounter's figures. The refusal shows in the town's message lines with sound 22. True when saved.
bool SpeichereSlot(int slot);
