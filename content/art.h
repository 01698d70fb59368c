#pragma once
// The interface and world art behind the fixed texture indices: a table describes every picture
// (size as the screens draw it, what kind of picture, colour, label), one painter per kind.
#include <cstdint>
#include <string>
#include <vector>

#include "content/canvas.h"

namespace content {

enum class ArtKind {
    Fill,      // one colour
    Sprite,    // soft effect sprites: flame, smoke, fog, cloud, rain, rings, detail tufts
    Material,  // skins and clothing of figures and worn items
    Panel,     // a framed plate, optional title
    Sheet,     // a piece of a larger painted layout (left column, container window, map side panel, world map)
    Button,    // a labelled button
    Icon,      // a symbol on a square button (normal, lit, disabled) or bare
    Badge,     // a small round badge with a letter or symbol
    Flag,      // an owner flag
    Frame,     // 32 x 32 frame tiles of panels and the map border
    Bar,       // bar fills and gauges
    Picture,   // full pictures: backdrops, logo, banners, scenery layers, portraits
};

// Painter variants, by kind.
namespace art {
// Sprite variants
enum { kFlame, kSmoke, kFog, kCloud, kRingSprite = 5, kDust, kTufts, kHit };
// Material variants
enum { kCloth, kSkin, kVest, kMetal, kGlass, kRubber, kBlade, kGun, kCamo };
// Icon variants
enum { kRaised, kLit, kDisabled, kBare };
// Frame variants
enum { kCorner, kVertical, kHorizontal, kOrnament };
// Sheet variants
enum { kLeftColumn, kContainer, kWellColumn, kMapSide, kWorldMap };
// Picture variants
enum {
    kLoading, kMenuBackdrop, kLogo, kBanner, kTitlePlate, kCredits, kSky, kHillsFar, kHillsNear, kWellFront,
    kMapShadow, kHorizon, kPortrait, kDead, kEditorGrid, kSlotFrame, kHotspot, kTopBar, kDeal, kOfferSlot,
    kMemberPage, kTalkPanel, kSideTop, kSideBody, kKnob, kCheckBox, kSunkenField, kPlate,
};
}  // namespace art

struct ArtEntry {
    int index;        // slot in the level texture table
    int w, h;         // pixels, as the screens draw it
    ArtKind kind;
    uint32_t colour;  // 0xAARRGGBB, the main colour
    const char* text; // label, title or symbol (UTF-8); "" for none
    int variant;      // painter-specific
    int sx = 0, sy = 0;  // Sheet: the piece's place in its sheet
    const char* note = "";
};

const std::vector<ArtEntry>& ArtTable();
Canvas PaintArt(const ArtEntry& e);
// The file name of a level texture in its pack.
std::string ArtFileName(int index);

}  // namespace content
