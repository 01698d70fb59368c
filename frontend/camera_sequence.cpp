// The timed camera sequence (mode 12000): a picture flies in front of a white screen, seven
// footprints appear with footstep sounds, a stamp follows and the picture changes. A press of
// either mouse button leaves it.
#include <vector>

#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "frontend/screen_frame.h"
#include "platform/math3d.h"
#include "world/records.h"

namespace {

constexpr int kBild = 9014, kFussabdruck = 9015, kFussabdruck2 = 9016;
constexpr int kBildTextur = 245;
constexpr int kFlugSound = 11, kSchrittSound = 16, kStempelSound = 17, kMenueMusik = 4;

struct Abdruck {
    float x, y, winkel;
};
constexpr Abdruck kAbdruecke[7] = {
    {45, 0, 0.8f}, {35, 0, 0.5f}, {38, 7, 0.6f}, {28, 7, 0.8f}, {28, 15, 1.4f}, {20, 7, 1.8f}, {16, 13, 2.2f},
};

// Frame at which each phase begins; the last one is the stamp.
constexpr int kPhasenBild[8] = {30, 40, 50, 60, 70, 80, 90, 110};

void TexturFreigeben(gfx::Texture& textur)
{
    if (textur == 0) return;
    MyApp.m_pd3dDevice->ReleaseTexture(textur);
    textur = 0;
}

void ErsteMeshTexturFreigeben(int slot)
{
    std::vector<gfx::Texture>& liste = MyApp.MeshTexturen[slot];
    if (!liste.empty()) TexturFreigeben(liste[0]);
}

}  // namespace

void KameraSequenz()
{
    gfx::Device* g = MyApp.m_pd3dDevice.get();
    int32_t& anflug = MenueZaehler[0];
    int32_t& phase = MenueZaehler[1];
    int32_t& bild = MenueZaehler[2];

    g->Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFFFFFFFF, 1.0f);
    if (anflug == 5) SpieleSound(kFlugSound);
    bild += 1;
    if (anflug < 70) anflug += 5;
    for (int i = 0; i < 8; ++i) {
        if (bild >= kPhasenBild[i] && phase == i) {
            phase = i + 1;
            SpieleSound(phase == 8 ? kStempelSound : kSchrittSound);
        }
    }

    if (MausLinksGedrueckt == 1 || MausRechtsGedrueckt != 0) {
        if (SetupWerte.MUSIC == 1) SpieleMusik(kMenueMusik);
        MausLinksGedrueckt = 0;
        MausRechtsGedrueckt = 0;
        MenueZaehlerNullen(true);
        SpielModus = MenueAusStadt == 0 ? 15000 : 1000;
        MenueAusStadt = 0;
        // Nothing loads these again; the emptied slots draw untextured from now on. The level
        // texture of the first picture stays: the squad bar shows it as a dead member's plate.
        ErsteMeshTexturFreigeben(kFussabdruck);
        ErsteMeshTexturFreigeben(kFussabdruck2);
        ErsteMeshTexturFreigeben(kBild);
        g->Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000, 1.0f);
    }

    Szene.Setze3DKamera();
    MyApp.m_matView = math3d::LookAtLH({0, 0, -50}, {0, 0, 0}, {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    g->SetTransform(gfx::TransformType::View, MyApp.m_matView);

    g->SetRenderState(gfx::RenderState::Lighting, 0);
    g->SetRenderState(gfx::RenderState::ZEnable, 0);
    g->SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    SetzeAlphaZustaende(*g);
    // Flat pictures seen from either side.
    g->SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);

    using namespace math3d;
    const gfx::Texture bildTextur = bild <= 110 ? MyApp.Texturen[kBildTextur] : ErsteMeshTextur(kBild);
    ZeichneMeshSlot(kBild, Multiply(RotationZ(-0.1f), Translation(0, 0, static_cast<float>(anflug - 60))),
                    bildTextur);

    for (int p = 1; p <= 7 && phase >= p; ++p) {
        const Abdruck& a = kAbdruecke[p - 1];
        ZeichneMeshSlot(kFussabdruck, Multiply(RotationZ(a.winkel), Translation(a.x, a.y, 40)),
                        ErsteMeshTextur(p % 2 == 1 ? kFussabdruck : kFussabdruck2));
    }
}
