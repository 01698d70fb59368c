#pragma once
// Pictures rendered into textures inside the frame's scene: a figure's head for the squad bar and the
// conversation screens, a mesh slot for the editor's previews. Both leave the back buffer as target.
#include <cstdint>

// Renders figure index i of this frame into PortraitTextur.
void RenderePortrait(int32_t i);
// Renders figure index i's portrait and adds it to the 2D screen as a 90 x 64 picture at (x, y), its
// black ground vanishing; leaves the 2D mode set.
void ZeichnePortrait(int32_t i, float x, float y);
// Renders mesh slot model into VorschauTextur (an empty slot leaves a black picture).
void RendereModellVorschau(int32_t model);
