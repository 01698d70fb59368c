#pragma once
// The rule by which a townsperson joins the squad.

// Whether an offer of `anzahl` pieces of food or drink is enough for a partner of this level: 5, 7, 9
// and 12 pieces for levels 1 to 4 (a level outside 1..4 counts as the nearest of them).
bool AngebotGenuegt(int stufe, int anzahl);
