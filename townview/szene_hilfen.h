#pragma once
// What the town view's draw passes share among themselves: the light selection before each lit
// thing, the world matrix of a placed record, the shadow matrix and the per-figure drawing steps
// that one pass hands to another.
#include <bitset>
#include <cstdint>

#include "platform/gfx.h"
#include "platform/math3d.h"
#include "world/stadt.h"

// The fixed mesh slots the passes draw.
namespace slot {
constexpr int Kiste = 1000;           // an item lying on the floor
constexpr int MarkerFlach = 9002;     // the editor's cell markers
constexpr int BodenQuad = 9003;       // one floor tile, 30 x 30
constexpr int MarkerFeld = 9004;
constexpr int Ring = 9005;            // move marker, rain splash
constexpr int Sprite = 9006;          // flat sprite: fog, clouds, cloud shadows, turning sprites
constexpr int Gelaende = 9007;        // 640 x 640: surroundings and detail floor
constexpr int EffektSprite = 9008;    // particles
constexpr int Tropfen = 9009;         // rain drop
constexpr int Blutfleck = 9013;
}  // namespace slot

// Whether the ray hits the floor square of cell (x, z) (column and row).
uint8_t StrahlTrifftFeld(const math3d::Vec3& ursprung, const math3d::Vec3& richtung, float x, float z);

// The active dynamic lights within 100 units (horizontally) of (x, z), by index.
using LichterAuswahl = std::bitset<LICHTER_ANZAHL>;
LichterAuswahl LichterBei(float x, float z);
// Switches on the lights of the selection and off the other active ones; the sun stays on.
void SchalteLichter(const LichterAuswahl& an);
// SchalteLichter with the lights LichterBei gives.
void WaehleLichter(float x, float z);

// Rotation about x, y and z by the record's angles, then the translation to its position.
math3d::Matrix PlatzMatrix(const float position[3], const float drehung[3]);

// Where draws land on a target, in the frame's coordinates (-1..1, y up); ganz when it cannot be
// bounded (a mesh without a known box, a corner at or behind the eye).
struct Umriss {
    float x0 = 2, y0 = 2, x1 = -2, y1 = -2;
    bool ganz = false;
};
// View times projection as the device has them: the sicht ErweitereUmriss takes.
math3d::Matrix SichtUndProjektion();
// Widens u by the box of mesh slot's vertices placed by welt and seen through sicht (view times
// projection).
void ErweitereUmriss(Umriss& u, int slot, const math3d::Matrix& welt, const math3d::Matrix& sicht);
// The pixels of a breite x hoehe target that u covers, widened by rand pixels, within the target;
// empty (right <= left) when nothing drew.
gfx::Rect Pixel(const Umriss& u, int breite, int hoehe, int rand);

// Blending by source alpha and the alpha test at 8 switched on or off together (the factors are
// set once by each pass).
void AlphaSchalten(bool an);

// Flattens geometry onto the floor along the sun's direction (light record 0).
math3d::Matrix SchattenMatrix();

// The editor's sign models (a trader cell's fixed figure carries one): never drawn in play.
inline bool IstEditorPlatzhalter(int modell) { return modell == 9000 || modell == 9001; }

// Animates and draws the particles of figure index i (fire, smoke, dust, muzzle flash).
void ZeichneFigurEffekte(int32_t i);

// First texture of the detail-floor set for the current town.
int32_t DetailTexturSatz();

// The view of the camera with the up vector (0, 1, 0), whatever up the camera has.
void SetzeAufrechteSicht();

struct FigurRecord;
// A person's body parts, each with its skin or the clothing worn on it, helmet, glasses, mask and
// the weapon in hand; with nurKopf only torso, head and what is worn on the head (portraits).
void ZeichnePersonTeile(const FigurRecord& f, bool nurKopf);
