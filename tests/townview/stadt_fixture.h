#pragma once
// The town view's overlays on the recording device: the front-end fixture (a texture at every level
// index, cleared globals, sounds that tell whether they played) plus cleared figures, glyph textures
// that tell which text was drawn where, and helpers for the camera and figures.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "../frontend/frontend_fixture.h"
#include "framework/font.h"
#include "framework/frame.h"
#include "framework/keyboard.h"
#include "framework/services_townview.h"
#include "framework/shell.h"
#include "framework/szene.h"
#include "townview/hud.h"
#include "interaction/tutorial.h"
#include "world/anzeige.h"

// One text as ZeichneSchrift drew it: its first glyph's corner, its font, and its letters (a blank
// between glyphs shows as one ' ').
struct Text {
    std::string text;
    int font;
    float x, y;
};

class StadtTest : public FrontendTest {
protected:
    void SetUp() override
    {
        FrontendTest::SetUp();
        std::memset(Figuren, 0, sizeof Figuren);
        std::memset(StadtGitter, 0, sizeof StadtGitter);
        std::memset(StadtTabelle, 0, sizeof StadtTabelle);
        std::memset(TastenStatus, 0, sizeof TastenStatus);
        LoescheSchwebeAnzeigen();
        HinweisPanelHoehe = 0;
        for (int32_t& z : HinweisZeilenZaehler) z = 0;
        TutorialSchritt = 0;
        TutorialBlinkZaehler = 0;
        LieferAnimation = {0, 0};
        MeldungsPanelAktiv = 0;
        EditorAktiv = 0;
        TooltipNummer = 0;
        MausRuheFrames = 0;
        FigurLabelGezeigt = ItemListeGezeigt = 0;
        for (int k = 0; k < 7; ++k) AuswahlSlots[k] = KEINE_FIGUR;
        const uint8_t pixel[4] = {255, 255, 255, 255};
        for (int f = 0; f < 4; ++f)
            for (int g = 0; g < 100; ++g) {
                const gfx::Texture t = dev->CreateTexture(1, 1, pixel);
                MyApp.SchriftTexturen[f * 100 + g] = t;
                glyphen_[t] = {f, g};
            }
        for (int k = 0; k < MyApp::kEnergieTexturen; ++k) MyApp.EnergieTexturen[k] = dev->CreateTexture(1, 1, pixel);
        for (int k = 0; k < MyApp::kItemIcons; ++k) MyApp.ItemIconTexturen[k] = dev->CreateTexture(1, 1, pixel);
        for (int k = 0; k < 192; ++k) ItemIcons[k] = static_cast<uint32_t>(k + 1);
        MyApp.PortraitTextur = dev->CreateTexture(1, 1, pixel);
        dev->ClearCalls();
    }

    // Looks from (x, y, z) at the target; straight down it has +z up on the screen.
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
        f.SpruchZeile = KEINE_FIGUR;
        return f;
    }

    // The quads drawn with the icon of item id.
    std::vector<Quad> IconQuads(int id) const
    {
        std::vector<Quad> r;
        for (const Quad& q : Quads())
            if (q.textur == MyApp.ItemIconTexturen[id - 1000]) r.push_back(q);
        return r;
    }

    // The texts drawn since the last ClearCalls, in order.
    std::vector<Text> Texte() const
    {
        std::vector<Text> texte;
        float naechstesX = 0, y = 0;
        for (const Quad& q : Quads()) {
            auto it = glyphen_.find(q.textur);
            if (it == glyphen_.end()) {
                naechstesX = -1e9f;
                continue;
            }
            const auto [font, glyph] = it->second;
            const auto [zeichen, vorschub] = Zeichen(font, glyph);
            const bool weiter = !texte.empty() && texte.back().font == font && (q.y == y || q.y == y + 1) &&
                                q.x >= naechstesX && q.x - naechstesX < 20;
            if (weiter) {
                if (q.x > naechstesX) texte.back().text += ' ';
            } else {
                texte.push_back({"", font, q.x, q.y});
                y = q.y;
            }
            texte.back().text += zeichen;
            naechstesX = q.x + vorschub;
        }
        return texte;
    }

    // The first text that reads s, or null.
    const Text* TextMit(const std::vector<Text>& texte, const std::string& s) const
    {
        for (const Text& t : texte)
            if (t.text == s) return &t;
        return nullptr;
    }

private:
    std::map<gfx::Texture, std::pair<int, int>> glyphen_;

    static std::pair<char, int> Zeichen(int font, int glyph)
    {
        for (int b = 33; b < 127; ++b) {
            const SchriftZeichen z = SchriftZeichenInfo(static_cast<uint8_t>(b), font, false);
            if (z.glyph == glyph) return {static_cast<char>(b), z.vorschub};
        }
        return {'?', 0};
    }
};
