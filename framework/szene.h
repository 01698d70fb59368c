#pragma once
// The scene object of the town view: its operations are the draw passes of the town frame, the
// per-frame world logic and the 3D and 2D render set-ups every screen uses. It has no state; all
// it works on lives in the global records. Class and global instance share the name.
#include <cstdint>

class Szene {
public:
    // Render set-ups and the mouse ray against one floor cell (town view).
    void Setze3DKamera();
    void Setze2DModus();
    uint8_t MausTrifftFeld(float x, float z);

    // Pick cell and dynamic lights of the frame.
    void AktualisiereMausFeld();
    void SetzeFigurLichter();

    // Draw passes.
    void ZeichneBoden();
    void ZeichneBodenTile(int32_t i, int32_t j, uint8_t nurAlpha);
    void ZeichneStadtObjekte();
    void ZeichneVegetation();
    void ZeichneEffekte();
    void ZeichneFiguren();
    void ZeichneFigurModell(int32_t i);
    void RendereFigurSchatten();
    void RendereObjektSchatten();
    void ErstelleVorschauTexturen();
    void ZeichneHorizont();
    void ZeichneRand();
    void ZeichneDrehobjekte();
    void ZeichneWetter();
    void ZeichneFeldMarker();

    // The world's per-frame logic (world simulation).
    void AktualisiereWelt();
};

extern class Szene Szene;
