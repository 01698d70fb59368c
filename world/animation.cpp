#include "world/animation.h"

#include <algorithm>

#include "world/figur_hilfen.h"

namespace {

struct AnimBlock {
    int16_t basis;      // first mesh slot of part 0
    int16_t schritt;    // frames per part
    int8_t teile;       // parts written (8: the weapon arm keeps its mesh)
    bool waffenArm;     // pistol and rifle arm variants
    uint8_t takt;       // ticks per frame
};

// The mesh block of an action state; nullptr for a state without animation.
const AnimBlock* BlockFuer(int zustand) {
    static constexpr AnimBlock kIdle{2000, 12, 9, true, 4}, kGehen{2132, 12, 9, true, 2},
        kRennen{2264, 12, 9, true, 2}, kAufheben{2396, 12, 9, true, 2}, kSchlag{2528, 10, 8, false, 2},
        kPistole{2608, 12, 9, false, 2}, kHeilen{2716, 12, 9, true, 2}, kReden{2848, 53, 9, true, 2},
        kSterben{3431, 12, 9, true, 2}, kMesser{3563, 12, 9, false, 2}, kGewehr{3671, 6, 9, false, 1};
    switch (zustand) {
    case 1: return &kIdle;
    case 2: return &kGehen;
    case 3: return &kRennen;
    case 4: case 5: return &kAufheben;
    case 8: case 17: return &kSchlag;
    case 10: case 12: case 14: return &kPistole;
    case 9: return &kHeilen;
    case 6: return &kReden;
    case 16: return &kSterben;
    case 15: return &kMesser;
    case 7: case 11: case 13: return &kGewehr;
    default: return nullptr;
    }
}

bool IstPistole(int item) { return item == 1030 || item == 1032 || item == 1034; }
bool IstGewehr(int item) { return item == 1029 || item == 1031 || item == 1033; }

void Animiere(FigurRecord& f) {
    if (f.AnimTakt == 0) ++f.AnimBild;
    const AnimBlock* b = BlockFuer(f.Zustand);
    if (!b) return;
    if (f.AnimBild >= f.AnimLaenge) f.AnimBild = f.Zustand == 16 ? 11 : 0;
    if (++f.AnimTakt >= b->takt) f.AnimTakt = 0;

    // A frame beyond the part's block (the 12-frame Galil and MP5 bursts in the 6-frame rifle
    // block, a high frame kept across a state change) shows the part's last frame.
    const int bild = std::min<int>(f.AnimBild, b->schritt - 1);
    for (int k = 0; k < b->teile; ++k) f.TeilModelle[k] = static_cast<int16_t>(b->basis + k * b->schritt + bild);
    if (b->waffenArm) {
        const int hand = Platz(f, Hand).ItemId;
        if (IstPistole(hand)) f.TeilModelle[8] = static_cast<int16_t>(b->basis + 9 * b->schritt + bild);
        else if (IstGewehr(hand)) f.TeilModelle[8] = static_cast<int16_t>(b->basis + 10 * b->schritt + bild);
    }
}

}  // namespace

void FigurAnimieren(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    Animiere(Figuren[i]);
}
