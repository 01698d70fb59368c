#pragma once
// The town view's overlays on the recording device: MyApp with a cleared game state, helpers to place
// the camera and figures, and to read back where 2D quads and texts were drawn.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "framework/myapp.h"
#include "framework/szene.h"
#include "platform/gfx_recording.h"
#include "world/records.h"

class StadtTest : public ::testing::Test {
protected:
    gfx::RecordingDevice* dev = nullptr;

    void SetUp() override
    {
        std::memset(&SpielGlobals, 0, sizeof SpielGlobals);
        std::memset(Figuren, 0, sizeof Figuren);
        auto device = std::make_unique<gfx::RecordingDevice>();
        dev = device.get();
        MyApp.m_pd3dDevice = std::move(device);
        MyApp.CreateQuad();
        // Every texture slot a distinct handle, so a draw tells which slot it showed.
        for (int k = 0; k < MyApp::kTexturen; ++k) MyApp.Texturen[k] = TexturHandle(k);
        dev->ClearCalls();
    }
    void TearDown() override
    {
        for (gfx::Texture& t : MyApp.Texturen) t = 0;
        MyApp.Shutdown();
    }

    static gfx::Texture TexturHandle(int k) { return 100000u + static_cast<gfx::Texture>(k); }

    // Looks from (x, y, z) at the target, +z up on screen when looking down.
    static void Kamera(float x, float y, float z, float zx, float zy, float zz)
    {
        if (x == zx && z == zz)
            Cam.Set(x, y, z, zx, zy, zz, 0, 0, 1);
        else
            Cam.Set(x, y, z, zx, zy, zz, 0, 1, 0);
        Szene.Setze3DKamera();
    }

    static FigurRecord& Figur(int i, int typ, float x, float z)
    {
        FigurRecord& f = Figuren[i];
        f.Aktiv = 1;
        f.Typ = static_cast<int16_t>(typ);
        f.Id = static_cast<int16_t>(i + 1);
        f.Position[0] = x;
        f.Position[2] = z;
        f.Gesundheit = 100;
        return f;
    }

    struct Quad {
        gfx::Texture textur;
        float x, y, w, h;
    };
    // Every 2D quad drawn since the last ClearCalls, with its top-left pixel and size.
    std::vector<Quad> Quads() const
    {
        std::vector<Quad> q;
        for (const gfx::Call* d : dev->Draws()) {
            if (d->type != gfx::CallType::DrawPrimitive) continue;
            const math3d::Matrix& w = d->state.Get(gfx::TransformType::World);
            q.push_back({d->state.texture, w.m[3][0] + 0.5f + 512.0f, 384.0f - (w.m[3][1] - 0.5f) - w.m[1][1],
                         w.m[0][0], w.m[1][1]});
        }
        return q;
    }
    // The quads that showed texture slot k.
    std::vector<Quad> QuadsVon(int k) const
    {
        std::vector<Quad> r;
        for (const Quad& q : Quads())
            if (q.textur == TexturHandle(k)) r.push_back(q);
        return r;
    }
};
