#pragma once
// The sprites drifting over a town: two drift layers and the cloud shadows. Not saved; scattered
// anew whenever a game is started or loaded.

struct DriftSprite {
    float x, y, z;  // world units; y is not used
};

inline DriftSprite DriftSchichtA[40] = {};  // fog
inline DriftSprite DriftSchichtB[40] = {};  // clouds
inline DriftSprite Wolken[80] = {};         // cloud shadows

// Scatters the second drift layer, then the first, then the clouds: x = rand() % 1600 and
// z = rand() % 1180 each, in that order.
void VerteileWolken();
