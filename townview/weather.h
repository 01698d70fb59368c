#pragma once
// The rain: 300 drops placed once by the loading sequence, moved and drawn by the rain pass.

struct Regentropfen {
    float x, y, z;
};

inline Regentropfen RegenTropfen[300];
