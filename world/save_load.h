#pragma once
// Saving the game into a slot folder ("save/slot%i/") and loading it back: "global.dat" and the
// state file of every town. During play only the current town is in memory; the other towns live
// in their working copies "Gamestate/S_Town%i.dat".
#include <string>

// Saves into slotOrdner (with its trailing slash), creating the folder when missing. Every file
// of the slot is replaced together or not at all; on failure a message is shown and the slot and
// the game stay as they were. True when the save is complete. A name given is the slot's name,
// kept with its files ("name.txt"), so it changes exactly when they do.
bool SpielSpeichern(const std::string& slotOrdner, const char* name = nullptr);

// Loads from slotOrdner. Every file the load needs is checked before anything changes; on failure
// a message is shown and the game and its working copies stay as they were. True when loaded.
bool SpielLaden(const std::string& slotOrdner);

// The save slots the screens offer: 0..17, slot k in the folder "save/slot%i/".
constexpr int SPEICHERSLOTS_ANGEBOTEN = 18;
// The folder of slot k, with its trailing slash.
std::string SlotOrdner(int slot);

// The slot list: finishes or rolls back what a killed save left in each slot folder, then reads
// the names of "save/save.dat", each taken from its slot's own name file where it has one (and
// "save/save.dat" written anew when they differed).
void LiesSlotNamen();

// Saves into slot k under its name and, only once that succeeded, writes the slot names to
// "save/save.dat"; when it fails, the list is read again (the name typed goes). On an
// encounter map saving is refused, as the game menu refuses it: its town state would hold the
// encounter's figures. The refusal shows in the town's message lines with sound 22. True when saved.
bool SpeichereSlot(int slot);
