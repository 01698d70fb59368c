#pragma once
// Spoken lines: one at a time, always in the speech slot 19. Every "say this and wait until it has
// been said" of the conversation, the trade, the close-up scenes, the recruit slot and the tutorial
// goes through these three calls, and none of them ever waits:
//
//     if (GespraechsPhase == 0) { SprichZeile("Data/Speak/Anwerber/0175.wav"); GespraechsPhase = 1; }
//     ...
//     if (GespraechsPhase == 1 && !ZeileLaeuft()) { /* the line has been said */ }
//
// A line that does not play (sound effects off, a file that cannot be loaded) is over at once, so
// nothing waits for it. The phase bookkeeping (`GespraechsPhase`) stays with the caller.
//
// Replays: SprachUhrNachBildern(n) makes a line last its file's length counted in frames of the
// loop (`BildNummer`) at n frames a second instead of asking the mixer, so a recorded game takes
// the same path on every machine, with or without a sound device. 0 goes back to the mixer.
#include <cstdint>

// Stops whatever the speech slot plays, loads the WAV file into it and starts it.
void SprichZeile(const char* pfad);
// Whether the line last started is still being said.
bool ZeileLaeuft();
// Stops the line at once (it then counts as over).
void StoppeZeile();
void SprachUhrNachBildern(int32_t bilderJeSekunde);
// No line said yet, as at the program's start; the clock's setting stays (a test sets it first).
void VergissZeile();
