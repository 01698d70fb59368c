#pragma once
// Pictures rendered into textures inside the frame's scene: a figure's head for the squad bar and the
// conversation screens, a mesh slot for the editor's previews. Both leave the back buffer as target.
#include <cstdint>

// Renders figure index i of this frame into PortraitTextur.
void RenderePortrait(int32_t i);
// Renders mesh slot model into VorschauTextur (an empty slot leaves a black picture).
void RendereModellVorschau(int32_t model);
