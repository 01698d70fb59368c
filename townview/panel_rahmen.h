#pragma once
// The framed window that the hint panel and the three slide-in panels share: tiles round a body that
// grows 32 pixels a frame in HinweisPanelHoehe up to its full height.
#include <cstdint>

constexpr int32_t kPanelVoll = 352;

// Edges, side tiles and corners round a body of HinweisPanelHoehe pixels.
void ZeichnePanelRahmen();
// The body fill, drawn twice over itself so it covers more densely.
void ZeichnePanelKoerper();
// Grows the body by 32 pixels, never past the full height; true while it was still growing (the
// caller then draws nothing more this frame).
bool PanelWaechst();
