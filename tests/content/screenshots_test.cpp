// Pictures of the generated art and fonts drawn with the OpenGL device, for people to look at:
// build-test/screenshots/content_art_*.png, content_menu.png, content_hud.png, content_container.png,
// content_items.png, content_game_main_menu.png, content_game_options.png (the game's own screens),
// content_fonts_latin.png,
// content_fonts_cyrillic.png.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "content/art.h"
#include "tests/content/daten_bilder.h"
#include "framework/font.h"
#include "framework/items.h"
#include "framework/lists.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/services_frontend.h"
#include "framework/setup.h"
#include "world/spielglobals.h"
#include "framework/texte.h"
#include "framework/services_townview.h"
#include "world/records.h"
#include "platform/gfx.h"
#include "platform/os.h"

namespace fs = std::filesystem;

namespace {

class Bilder : public DatenBilder {
protected:
    void SetUp() override {
        DatenBilder::SetUp();
        if (!HasFatalFailure()) MyApp.CreateQuad();
    }

    void Lade(int sprache) {
        Sprache = sprache;
        const std::string pack = "Data/Pack" + std::to_string(16 + sprache) + ".gzp";
        for (const char* liste : {"Level001.txt", "Schrift000.txt", "Schrift001.txt", "Schrift002.txt", "Schrift003.txt"})
            ASSERT_TRUE(EntpackeDatei(pack.c_str(), liste));
        LadeLevelTexturen("Level001.txt");
        for (int f = 0; f < 4; ++f) LadeSchrift(("Schrift00" + std::to_string(f) + ".txt").c_str(), f);
        ASSERT_TRUE(meldungen.empty()) << meldungen.front();
    }

    void Beginne(uint32_t farbe) {
        gfx::Device& d = *MyApp.m_pd3dDevice;
        d.Clear(gfx::clear::Target | gfx::clear::ZBuffer, farbe, 1.0f);
        d.BeginScene();
        d.SetTransform(gfx::TransformType::View, math3d::Identity());
        d.SetTransform(gfx::TransformType::Projection, math3d::OrthoLH(1024, 768, 0, 1));
        d.SetRenderState(gfx::RenderState::ZEnable, 0);
        d.SetRenderState(gfx::RenderState::Lighting, 0);
        d.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
        d.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::SrcAlpha);
        d.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::InvSrcAlpha);
        d.SetRenderState(gfx::RenderState::AlphaTestEnable, 1);
        d.SetRenderState(gfx::RenderState::AlphaRef, 8);
        d.SetRenderState(gfx::RenderState::AlphaFunc, gfx::cmp::GreaterEqual);
        d.SetRenderState(gfx::RenderState::CullMode, gfx::cull::None);
    }
    void Bild(gfx::Texture t, float x, float y, float w, float h) {
        MyApp.m_pd3dDevice->SetTexture(t);
        MyApp.Draw2D(x, y, w, h);
    }
    void Speichere(const std::string& name) { SpeichereBild(name); }
};

TEST_F(Bilder, AlleTexturenAufKontaktbogen) {
    Lade(0);
    // 14 columns of 72 x 76 cells: the picture fitted into 64 x 60, its number below.
    std::vector<content::ArtEntry> art = content::ArtTable();
    std::sort(art.begin(), art.end(), [](const auto& a, const auto& b) { return a.index < b.index; });
    const size_t proSeite = 14 * 10;
    for (size_t seite = 0; seite * proSeite < art.size(); ++seite) {
        Beginne(0xFF505860);
        for (size_t k = 0; k < proSeite && seite * proSeite + k < art.size(); ++k) {
            const content::ArtEntry& e = art[seite * proSeite + k];
            const float zx = 4.0f + 72.0f * float(k % 14), zy = 4.0f + 76.0f * float(k / 14);
            const float s = std::min(64.0f / float(e.w), 60.0f / float(e.h));
            const float w = std::max(2.0f, float(e.w) * std::min(s, 2.0f)), h = std::max(2.0f, float(e.h) * std::min(s, 2.0f));
            Bild(MyApp.Texturen[e.index], zx + (64 - w) / 2, zy + (60 - h) / 2, w, h);
            char nummer[16];
            std::snprintf(nummer, sizeof nummer, "%d", e.index);
            ZeichneSchrift(nummer, zx + 20, zy + 60, 2);
        }
        Speichere("content_art_" + std::to_string(seite + 1) + ".png");
    }
    // The main menu put together from its pieces at their real sizes.
    Beginne(0xFF000000);
    Bild(MyApp.Texturen[258], 0, 0, 1024, 768);
    Bild(MyApp.Texturen[150], 113, 35, 797, 184);
    for (int k = 0; k < 5; ++k) {
        Bild(MyApp.Texturen[147], 400, 300.0f + 50.0f * float(k), 225, 34);
        if (k == 1) Bild(MyApp.Texturen[173], 400, 350, 225, 34);
    }
    Bild(MyApp.Texturen[148], 273, 715, 478, 54);
    const char* knoepfe[5] = {"Neues_Spiel", "Spiel_laden", "Optionen", "Mitwirkende", "Beenden"};
    for (int k = 0; k < 5; ++k)
        ZeichneSchrift(knoepfe[k], 512.0f - float(SchriftBreite(knoepfe[k], 2) / 2), 310.0f + 50.0f * float(k), k == 1 ? 3 : 2);
    Bild(MyApp.Texturen[164], 387, 600, 256, 19);
    Bild(MyApp.Texturen[9], 389, 602, 150, 10);
    Speichere("content_menu.png");
}

TEST_F(Bilder, HudUndBehaelterAnIhrenPlaetzen) {
    Lade(0);
    const auto T = [&](int i, float x, float y, float w, float h) { Bild(MyApp.Texturen[i], x, y, w, h); };
    // The town HUD with the game menu slid in, over the floor tiles and the detail layer.
    Beginne(0xFF405030);
    for (int y = 0; y < 768; y += 256)
        for (int x = 0; x < 1024; x += 256) T(208, float(x), float(y), 256, 256);
    // The real HUD draws over them: a squad of three, the second one selected, the game menu in.
    const SpielGlobalsBlock globals = SpielGlobals;
    const std::vector<FigurRecord> figuren(std::begin(Figuren), std::end(Figuren));
    const StadtRecord stadt = StadtTabelle[0];
    const LichtRecord sonne = LichtZustand[0];
    std::fill(std::begin(Figuren), std::end(Figuren), FigurRecord{});
    const char* namen[3] = {"Quelvarn", "Dorrik", "Amsel"};
    for (int k = 0; k < 3; ++k) {
        FigurRecord& f = Figuren[k];
        f.Aktiv = 1;
        f.Id = int16_t(k + 1);
        f.Typ = int16_t(k + 1);
        f.Gesundheit = 100 - 30 * k;
        f.Nahrung = 8;
        f.Wasser = 4;
        f.Stufe = uint8_t(3 + k);
        f.Zustand = 1;
        f.NamensIndex = int16_t(k);
        std::snprintf(MaennerNamen[k], sizeof MaennerNamen[k], "%s", namen[k]);
        AuswahlSlots[k] = f.Id;
    }
    for (int k = 3; k < 7; ++k) AuswahlSlots[k] = 32000;
    AuswahlIndex = 0;
    BefehlsModus = 5;
    HudSchieber[0] = 0;
    HudSchieber[1] = HudSchieber[2] = HudSchieber[3] = 384;
    AktuelleStadt = 0;
    StadtTabelle[0].Besitzer = 1;
    TagZaehler = 3;
    LichtZustand[0].Farbe[0] = 0.8f;
    MyApp.MausX = 40;
    MyApp.MausY = 20;
    ZeichneHud();
    SpielGlobals = globals;
    std::copy(figuren.begin(), figuren.end(), Figuren);
    StadtTabelle[0] = stadt;
    LichtZustand[0] = sonne;
    T(201, 0, 75, 32, 32);
    ZeichneSchrift("Ein_neuer_Tag_beginnt.", 35, 76, 1);
    Speichere("content_hud.png");

    // The container window with its right column, and the hint panel's frame.
    Beginne(0xFF202020);
    for (int i = 0; i < 2; ++i) {
        T(116, 201, 8, 256, 256), T(117, 457, 8, 256, 256), T(119, 201, 264, 256, 256), T(120, 457, 264, 256, 256);
        T(118, 713, 8, 256, 256), T(121, 713, 264, 256, 256);
    }
    T(126, 743, 427, 128, 128);
    for (int k = 0; k < 16; ++k) T(60, 256.0f + 32.0f * float(k), 20, 32, 32), T(64, 256.0f + 32.0f * float(k), 140, 32, 32);
    for (int j = 0; j < 3; ++j) T(54, 224, 52.0f + 32.0f * float(j), 32, 32), T(54, 768, 52.0f + 32.0f * float(j), 32, 32);
    T(51, 224, 20, 32, 32), T(51, 768, 20, 32, 32), T(57, 224, 140, 32, 32), T(57, 768, 140, 32, 32);
    T(0, 256, 52, 512, 88), T(0, 256, 52, 512, 88);
    ZeichneSchrift("Hinweis", 260, 54, 3);
    ZeichneSchrift("Willkommen_in_deiner_ersten_Stadt!", 260, 90, 2);
    Speichere("content_container.png");
}

TEST_F(Bilder, MenueUndOptionenDesSpiels) {
    Lade(0);
    ASSERT_TRUE(EntpackeDatei("Data/Pack14.gzp", "Text_Standard.txt"));
    LadeTextStandard("Text_Standard.txt");
    // The game's own screens on this data, the mouse over the second button.
    MyApp.MausX = 500;
    MyApp.MausY = 360;
    for (int modus : {3000, 5001}) {
        SpielModus = modus;
        for (int frame = 0; frame < 12; ++frame) {
            Beginne(0xFF000000);
            if (modus == 3000) HauptmenueBildschirm();
            else OptionenBildschirm();
            if (frame < 11) MyApp.m_pd3dDevice->EndScene();
        }
        Speichere(modus == 3000 ? "content_game_main_menu.png" : "content_game_options.png");
    }
}

TEST_F(Bilder, AlleItemIcons) {
    Lade(0);
    ASSERT_TRUE(EntpackeDatei("Data/Pack16.gzp", "Items.txt"));
    LadeItems("Items.txt");
    ASSERT_TRUE(meldungen.empty()) << meldungen.front();
    // 16 columns of 64 x 64 icons with the name below, 192 items on one page.
    Beginne(0xFF3A4048);
    for (int k = 0; k < kItemAnzahl; ++k) {
        const float x = float(k % 16) * 64.0f, y = float(k / 16) * 64.0f;
        Bild(MyApp.ItemIconTexturen[k], x, y - 4, 64, 64);
        char nummer[8];
        std::snprintf(nummer, sizeof nummer, "%d", k);
        ZeichneSchrift(nummer, x + 2, y + 50, 2);
    }
    Speichere("content_items.png");
}

TEST_F(Bilder, SchriftenBeiderSprachen) {
    for (int sprache : {0, 2}) {
        Lade(sprache);
        const int glyphen = sprache == 2 ? 94 : 86;
        Beginne(0xFF304050);
        float y = 8;
        for (int f = 0; f < 4; ++f) {
            const float zelle = f == 1 ? 34.0f : 18.0f;
            const int proZeile = int(1000 / zelle);
            for (int g = 0; g < glyphen; ++g) {
                ZeichneSchriftZeichen(f, g, 8 + zelle * float(g % proZeile), y + zelle * float(g / proZeile));
            }
            y += zelle * float((glyphen + proZeile - 1) / proZeile) + 10;
        }
        // Running text through the game's own renderer, in every font.
        const char* proben[2][3] = {
            {"Hallo_Welt,_der_Tag_beginnt:_12:30_Uhr!", "\xC4rger_\xFC" "ber_\xD6l?_\xDC" "ben,_\xE4ndern,_h\xF6ren_(100%)", "Sergeant\x92" "s_\"Weste\"_+_[AK47]_=_$5/3*2"},
            {"\xCF\xF0\xE8\xE2\xE5\xF2,_\xEC\xE8\xF0!_12:30", "\xD1\xFA\xE5\xF8\xFC_\xE6\xE5_\xE5\xF9\xB8_\xFD\xF2\xE8\xF5", "\xDE\xEB\xE8\xFF_\xC6\xE5\xED\xFF_(100%)"}};
        for (int f = 0; f < 4; ++f) {
            ZeichneSchrift(proben[sprache == 2][f % 3], 8, y, f);
            y += f == 1 ? 26.0f : 16.0f;
        }
        ZeichneSchrift(sprache == 2 ? "\xC4\xE2\xE5_\xF1\xF2\xF0\xEE\xEA\xE8@\xE2\xF2\xEE\xF0\xE0\xFF" : "Zwei_Zeilen@mit_Umbruch", 600, y - 60, 1);
        Speichere(sprache == 2 ? "content_fonts_cyrillic.png" : "content_fonts_latin.png");
        MyApp.Shutdown();
        std::string error;
        MyApp.m_pd3dDevice = gfx::CreateGLDevice(nullptr, error);
        ASSERT_TRUE(MyApp.m_pd3dDevice) << error;
        MyApp.CreateQuad();
    }
}

}  // namespace
