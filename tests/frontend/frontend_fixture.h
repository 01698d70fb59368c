#pragma once
// A recording device behind MyApp, a texture at every level-texture index, cleared game globals
// and a working directory of the test's own.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/setup.h"
#include "framework/texte.h"
#include "framework/sound.h"
#include "platform/audio.h"
#include "platform/gfx_recording.h"
#include "world/records.h"

// A 2D quad as the screens draw it through MyApp::Draw2D.
struct Quad {
    gfx::Texture textur;
    float x, y, w, h;
};

class FrontendTest : public ::testing::Test {
protected:
    gfx::RecordingDevice* dev = nullptr;

    void SetUp() override
    {
        std::memset(&SpielGlobals, 0, sizeof SpielGlobals);
        std::memset(TextStandard, 0, sizeof TextStandard);
        std::memset(Mitwirkende, 0, sizeof Mitwirkende);
        Sprache = 0;
        auto device = std::make_unique<gfx::RecordingDevice>();
        dev = device.get();
        MyApp.m_pd3dDevice = std::move(device);
        MyApp.CreateQuad();
        const uint8_t pixel[4] = {255, 255, 255, 255};
        for (gfx::Texture& t : MyApp.Texturen) t = dev->CreateTexture(1, 1, pixel);

        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        ordner_ = std::filesystem::path(::testing::TempDir()) /
                  (std::string("frontend_") + info->test_suite_name() + "_" + info->name() + "_" +
                   std::to_string(getpid()));
        std::filesystem::remove_all(ordner_);
        std::filesystem::create_directories(ordner_ / "Data");
        vorher_ = std::filesystem::current_path();
        std::filesystem::current_path(ordner_);
    }

    void TearDown() override
    {
        for (int k = 0; k < kMusikSlots; ++k) GibMusikFrei(k);
        SoundBeenden();
        MyApp.Shutdown();
        std::filesystem::current_path(vorher_);
        std::filesystem::remove_all(ordner_);
    }

    // The quads drawn since the last ClearCalls, in order.
    std::vector<Quad> Quads() const
    {
        std::vector<Quad> quads;
        for (const gfx::Call* c : dev->Draws()) {
            if (c->type != gfx::CallType::DrawPrimitive) continue;
            const math3d::Matrix& w = c->state.Get(gfx::TransformType::World);
            const float breite = w.m[0][0], hoehe = w.m[1][1];
            quads.push_back({c->state.texture, w.m[3][0] + 512.5f, 384.5f - hoehe - w.m[3][1], breite, hoehe});
        }
        return quads;
    }

    // The quads drawn with level texture k.
    std::vector<Quad> QuadsVon(int k) const
    {
        std::vector<Quad> treffer;
        for (const Quad& q : Quads())
            if (q.textur == MyApp.Texturen[k]) treffer.push_back(q);
        return treffer;
    }

    int Anzahl(gfx::CallType typ) const
    {
        int n = 0;
        for (const gfx::Call& c : dev->Calls()) n += c.type == typ;
        return n;
    }

    // Opens the sound output and gives the effect slots a short sound each, so a test can tell
    // which ones played.
    void TonEin(std::initializer_list<int> slots)
    {
        ASSERT_TRUE(SoundInit(nullptr));
        SchreibeWav("ton.wav", 22050 / 2);
        for (int s : slots) LadeSound(L"ton.wav", s);
        SetupWerte.SOUND = 1;
    }

    // Whether the slot played since the last question (it is stopped again).
    bool Gespielt(int slot)
    {
        const bool ja = SoundLaeuft(slot) == 0;
        StoppeSound(slot);
        return ja;
    }

    static void SchreibeWav(const std::string& pfad, int samples)
    {
        std::vector<uint8_t> d(44 + 2 * samples);
        auto u32 = [&](int at, uint32_t v) { std::memcpy(&d[at], &v, 4); };
        auto u16 = [&](int at, uint16_t v) { std::memcpy(&d[at], &v, 2); };
        std::memcpy(&d[0], "RIFF", 4);
        u32(4, 36 + 2 * samples);
        std::memcpy(&d[8], "WAVEfmt ", 8);
        u32(16, 16);
        u16(20, 1);
        u16(22, 1);
        u32(24, 22050);
        u32(28, 44100);
        u16(32, 2);
        u16(34, 16);
        std::memcpy(&d[36], "data", 4);
        u32(40, 2 * samples);
        for (int i = 0; i < samples; ++i) u16(44 + 2 * i, (i / 25) % 2 ? 8000 : uint16_t(-8000));
        SchreibeDatei(pfad, d);
    }

    static void SchreibeDatei(const std::string& pfad, const std::vector<uint8_t>& daten)
    {
        std::filesystem::path p(pfad);
        if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
        FILE* f = std::fopen(pfad.c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(daten.data(), 1, daten.size(), f);
        std::fclose(f);
    }

    static std::string LeseText(const std::string& pfad)
    {
        std::string text;
        FILE* f = std::fopen(pfad.c_str(), "rb");
        if (!f) return text;
        char puffer[4096];
        size_t n;
        while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) text.append(puffer, n);
        std::fclose(f);
        return text;
    }

    static void Maus(int x, int y)
    {
        MyApp.MausX = x;
        MyApp.MausY = y;
    }

private:
    std::filesystem::path ordner_, vorher_;
};
