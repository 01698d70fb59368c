#pragma once
// State the travel button sets and the world map screen moves: the horizontal offset of the map's
// drifting shadow overlay, 0 down to -1024. Not saved.
inline float KartenAnimation = 0.0f;
