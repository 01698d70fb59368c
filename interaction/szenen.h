#pragma once
// The close-up scenes behind the town's entrances, drawn by ZeichneInteraktionsSzene in place of the
// town view: the container window (containers and the well), the eat, drink and doctor scenes and
// the recruiter. The dialogs draw and test the mouse in the same pass, in 2D mode.
#include <cstdint>

#include "world/ids.h"

// Ends the open scene: InteraktionsModus 0 and the town camera's eye and target back from KameraKopie.
void SchliesseSzene();

// The member a scene acts for: the active member i when there is one, else the member who entered
// the scene (EintretendeFigur); -1 when neither is in the town.
int SzenenMitglied(int32_t i);

// The container of the open scene's cell; null when the cell has none of the 50.
BehaelterInhalt* SzenenBehaelter();

// A numbered choice line "n. text" at (271, y), font 3 while the mouse is on it; true on a left
// press there, which it consumes.
bool SzenenWahl(int nummer, int eintrag, float y);

void ZeichneBehaelterFenster();
void EssenDialog();
void TrinkenDialog();
void DoktorDialog();
void AnwerberDialog();
// The recruiter's cell in the tutorial map: in its first wall beside the passage, straight ahead of
// the start view.
constexpr int kAnwerberX = 60, kAnwerberZ = 21;
