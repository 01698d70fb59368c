// The particles of one figure: flames and smoke of fires, the smoke emitter, the dust of walking
// persons and the muzzle flash. They live in the figure record's 50 slots and face the camera target.
#include <cmath>
#include <cstdint>

#include "framework/geometry.h"
#include "framework/myapp.h"
#include "framework/zeichnen.h"
#include "platform/random.h"
#include "townview/szene_hilfen.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

constexpr int kFlamme = 1, kRauch = 31, kStaub = 17;

float Auftrieb() { return static_cast<float>(Zufall() % 10) / 15.0f; }
float Versatz() { return static_cast<float>(Zufall() % 2 - 1); }

void Beleuchtung(bool an) { MyApp.m_pd3dDevice->SetRenderState(gfx::RenderState::Lighting, an ? 1 : 0); }

// One billboard at the slot, turned towards the camera target. A particle straight below or above
// the target has no sideways direction to turn by and is left out.
void ZeichnePartikel(const PartikelSlot& p, const math3d::Vec3& ziel, float s, int textur)
{
    if (p.x == ziel.x && p.z == ziel.z) return;
    math3d::Matrix ausrichtung;
    RichteMatrixAus(ausrichtung, {p.x, p.y, p.z}, ziel, {0, 1, 0});
    ZeichneMeshSlot(slot::EffektSprite, math3d::Multiply(math3d::Scaling(s, s, 1), ausrichtung), MyApp.Texturen[textur]);
}

// Fires and smoke: a slot above its height starts again at the emitter, rises, and past the flame
// height drifts towards +x, +z as smoke.
struct Feuerart {
    float neustartUeber;
    bool amBoden;  // starts at the emitter's own height, else at 5
    float flammenHoehe;
    bool nurRauch;
};

void Emitter(FigurRecord& f, const Feuerart& art, const math3d::Vec3& ziel)
{
    // In 64 bits: the setting comes back from saves and can be any number.
    const int64_t grenze = int64_t(SetupWerte.PARTIKEL) * 7;
    Beleuchtung(false);
    for (int k = 0; k < 50; ++k) {
        if (k == grenze) return;
        PartikelSlot& p = f.Partikel[k];
        if (p.y > art.neustartUeber) {
            p.aktiv = 1;
            p.x = f.Position[0] + Versatz();
            p.y = art.amBoden ? f.Position[1] : 5.0f;
            p.z = f.Position[2] + Versatz();
        }
        const float d = Auftrieb();
        p.y += d;
        if (art.nurRauch || p.y >= art.flammenHoehe) {
            p.x += d / 4;
            p.z += d / 4;
        }
        if (p.aktiv != 1) continue;
        if (!art.nurRauch && p.y <= art.flammenHoehe)
            ZeichnePartikel(p, ziel, (art.flammenHoehe - p.y) / 10.0f, kFlamme);
        else
            ZeichnePartikel(p, ziel, p.y / 13.0f, kRauch);
    }
}

void Person(FigurRecord& f, const math3d::Vec3& ziel)
{
    const int z = f.Zustand;
    if ((z == 7 || (z >= 10 && z <= 14)) && f.AnimBild == 1) {
        // One flash ahead of the muzzle; the dust goes at once.
        for (PartikelSlot& p : f.Partikel) p.aktiv = 0;
        Beleuchtung(false);
        const float h = f.Drehung[1];
        PartikelSlot& p = f.Partikel[0];
        p.aktiv = 1;
        p.x = f.Position[0] + 11.0f * std::sin(h);
        p.y = 15.0f;
        p.z = f.Position[2] + 11.0f * std::cos(h);
        ZeichnePartikel(p, ziel, 0.5f, kFlamme);
        return;
    }
    const bool laeuft = z == 2 || z == 3;
    const int64_t grenze = int64_t(SetupWerte.PARTIKEL) * 3;
    Beleuchtung(true);
    for (int k = 0; k < 50; ++k) {
        if (laeuft && k == grenze) return;
        PartikelSlot& p = f.Partikel[k];
        if (p.aktiv != 1 && laeuft) {
            p.aktiv = 1;
            p.x = f.Position[0];
            p.y = 0.0f;
            p.z = f.Position[2];
        }
        if (p.y > 5.0f) p.aktiv = 0;
        p.y += static_cast<float>(Zufall() % 5) / 10.0f;
        if (p.aktiv == 1) ZeichnePartikel(p, ziel, p.y / 5.0f, kStaub);
    }
}

}  // namespace

void ZeichneFigurEffekte(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    const math3d::Vec3 ziel{Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]};
    switch (f.Typ) {
    case 10000: Emitter(f, {19.0f, true, 7.0f, false}, ziel); break;
    case 10007: Emitter(f, {19.0f, true, 7.0f, true}, ziel); break;
    case 10002: Emitter(f, {24.0f, false, 12.0f, false}, ziel); break;
    default:
        if (IstPerson(f.Typ)) Person(f, ziel);
        break;
    }
}
