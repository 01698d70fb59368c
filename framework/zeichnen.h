#pragma once
// The drawing steps every screen and overlay shares: a level texture as a 2D quad, the pointer test
// against a rectangle, centred text, the model previews' lights and subset 0 of a mesh slot.
#include <vector>

#include "platform/gfx.h"
#include "platform/math3d.h"

// Level texture k (an index outside the table draws nothing) as a w x h quad at pixel (x, y).
void ZeichneBild(int k, float x, float y, float w, float h);

// Whether the pointer lies in [x0, x1] x [y0, y1], bounds included.
bool MausIn(int x0, int x1, int y0, int y1);

// Draws text centred on x = mitte (half the width, fraction dropped).
void ZeichneZentriert(const char* text, int mitte, float y, int font);

// The two lights of every model preview (portraits, the equipment panel's model, the new-game
// figure): orange from the front, blue from the side; lighting on over the given ambient.
void SetzeVorschauLichter(uint32_t ambient);

// Subset 0 of a mesh slot with the given world transform and texture (0 = none); a slot outside the
// table or an empty one draws nothing.
void ZeichneMeshSlot(int slot, const math3d::Matrix& welt, gfx::Texture textur);
// Whether a mesh slot lies in the table and holds a mesh.
bool MeshGeladen(int slot);
// Subset 0 of a mesh slot with the transform and texture already set; nothing for an empty slot.
void ZeichneMeshSubset0(int slot);
// Subset 0 of a mesh slot once for each world matrix, in order, in one draw, with the texture
// already set; nothing for an empty slot.
void ZeichneMeshSubset0Mehrfach(int slot, const std::vector<math3d::Matrix>& welten);
// The first texture of a mesh slot's list, 0 when it has none or the slot is outside the table.
gfx::Texture ErsteMeshTextur(int slot);
