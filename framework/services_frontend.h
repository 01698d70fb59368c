#pragma once
// Screens of the front end that the frame dispatch runs by SpielModus, and the loading bar.
// Defined in frontend/. None takes an argument or gives a result: they act through SpielModus,
// BeendenFlag and the global records.
#include <cstdint>

void DatenLaden();                // modes 0..999
void MitwirkendeBildschirm();     // 2000
void HauptmenueBildschirm();      // 3000
void BeendenBildschirm();         // 4000
void OptionenBildschirm();        // 5000..5999
void NeuesSpielBildschirm();      // 6000, 6001
void SpielSpeichernBildschirm();  // 7000..7999
void SpielLadenBildschirm();      // 8000
void LandkartenBildschirm();      // 9000
void KameraSequenz();             // 12000
void ZumHauptmenue();             // 13000
void NachSequenzZumMenue();       // 15000

// One whole frame with the loading bar filled to width pixels.
void ZeichneLadebalken(int32_t width);

// Every global of the front end as a fresh process has it (the program's start runs it).
void GrundzustandFrontend();
