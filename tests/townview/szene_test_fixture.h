#pragma once
// The town view's passes on the recording device: every mesh slot and texture a pass names holds a
// handle of its own (mesh slot s = 100000 + s, Texturen[k] = 20000 + k, BodenTexturen[k] = 30000 + k),
// so a draw tells which slot and texture it used. The camera looks down on the floor point (300, 300).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>

#include "framework/camera.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "platform/gfx_recording.h"
#include "platform/random.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

class SzeneTest : public ::testing::Test {
protected:
    gfx::RecordingDevice* dev = nullptr;

    static constexpr uint32_t Mesh(int slot) { return 100000u + uint32_t(slot); }
    static constexpr uint32_t Tex(int k) { return 20000u + uint32_t(k); }
    static constexpr uint32_t Boden(int k) { return 30000u + uint32_t(k); }
    static constexpr uint32_t ErsteTex(int slot) { return 50000u + uint32_t(slot); }

    void SetUp() override
    {
        std::memset(&SpielGlobals, 0, sizeof SpielGlobals);
        std::memset(Figuren, 0, sizeof Figuren);
        std::memset(StadtObjekte, 0, sizeof StadtObjekte);
        std::memset(VegetationObjekte, 0, sizeof VegetationObjekte);
        std::memset(BodenKarte, 0, sizeof BodenKarte);
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(LichtZustand, 0, sizeof LichtZustand);
        EditorAktiv = 0;
        TutorialSchritt = 0;
        ZufallSaat(1);
        auto device = std::make_unique<gfx::RecordingDevice>();
        dev = device.get();
        MyApp.m_pd3dDevice = std::move(device);
        MyApp.CreateQuad();
        for (int s : {1000, 2000, 2012, 2024, 2036, 2048, 3000, 3001, 3002, 3003, 3004, 3005, 3006, 3007, 3008, 9001,
                      9003, 9005, 9006, 9007, 9008, 9009}) {
            MyApp.Meshes[s] = Mesh(s);
            MyApp.MeshTexturen[s] = {ErsteTex(s)};
        }
        for (int k = 0; k < MyApp::kTexturen; ++k) MyApp.Texturen[k] = Tex(k);
        for (int k = 0; k < 30; ++k) MyApp.BodenTexturen[k] = Boden(k);
        SetupWerte.SHADOW = 1;
        SetupWerte.SHADOW_ENTITY = SetupWerte.SHADOW_ITEM = SetupWerte.SHADOW_OBJEKT = 1;
        SetupWerte.VEGETATION = SetupWerte.PARTIKEL = SetupWerte.CLOUDS = SetupWerte.FOG = 1;
        VonOben(300, 300);
        dev->ClearCalls();
    }

    void TearDown() override { MyApp.Shutdown(); }

    // The 3D camera 300 above and 150 south of (x, z), looking at it, and the frustum from it.
    static void VonOben(float x, float z)
    {
        Cam.Set(x, 300, z - 150, x, 0, z, 0, 1, 0);
        Szene.Setze3DKamera();
        SichtPyramide.FrustumAktualisieren();
    }

    static FigurRecord& Person(int i, float x, float z, int16_t typ = 10)
    {
        FigurRecord& f = Figuren[i];
        f.Aktiv = 1;
        f.Typ = typ;
        f.Position[0] = x;
        f.Position[2] = z;
        for (int p = 0; p < 9; ++p) f.TeilModelle[p] = int16_t(3000 + p);
        return f;
    }

    // The draws of the last calls that used a given mesh slot.
    std::vector<const gfx::Call*> DrawsOf(int slot) const
    {
        std::vector<const gfx::Call*> r;
        for (const gfx::Call* c : dev->Draws())
            if (c->handle == Mesh(slot)) r.push_back(c);
        return r;
    }

    static bool GleicheMatrix(const math3d::Matrix& a, const math3d::Matrix& b, float eps = 1e-4f)
    {
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                if (std::fabs(a.m[i][j] - b.m[i][j]) > eps) return false;
        return true;
    }

    static uint32_t State(const gfx::Call* c, gfx::RenderState s) { return c->state.Get(s); }
};
