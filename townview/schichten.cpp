// The two layers of large sprites drifting slowly across the town: fog and cloud shadows.
#include <vector>

#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/zeichnen.h"
#include "platform/random.h"
#include "townview/szene_hilfen.h"
#include "world/sky.h"

namespace {

// A sprite that leaves past x 1600 comes back at x -150 at a new place along z; each keeps its own
// turn (its index in radians).
void ZeichneDriftSchicht(DriftSprite (&schicht)[40], int textur, float schritt)
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::ZEnable, 0);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    g.SetRenderState(gfx::RenderState::Lighting, 1);
    SetzeAlphaZustaende(g);
    g.SetTexture(MyApp.Texturen[textur]);
    std::vector<math3d::Matrix> welten;
    for (int k = 0; k < 40; ++k) {
        DriftSprite& s = schicht[k];
        if (s.x > 1600.0f) {
            s.x = -150.0f;
            s.z = static_cast<float>(Zufall() % 1180);
        }
        s.x += schritt;
        welten.push_back(math3d::Multiply(math3d::RotationY(static_cast<float>(k)), math3d::Translation(s.x, 0, s.z)));
    }
    ZeichneMeshSubset0Mehrfach(slot::Sprite, welten);
}

}  // namespace

void ZeichneNebelSchicht() { ZeichneDriftSchicht(DriftSchichtA, 17, 1.0f); }

void ZeichneWolkenSchicht() { ZeichneDriftSchicht(DriftSchichtB, 20, 0.5f); }
