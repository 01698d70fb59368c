// One string in each font drawn through the OpenGL device, compared pixel for pixel with a
// picture the test composes itself from the same glyph images.
#include <gtest/gtest.h>

#include <vector>

#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/setup.h"
#include "framework/szene.h"

namespace {

constexpr int W = gfx::kScreenWidth, H = gfx::kScreenHeight;

// Glyph g of a font: a vertical stem and one bar whose row and colour depend on g; the rest clear.
std::vector<uint8_t> Glyphe(int g, int groesse)
{
    std::vector<uint8_t> px(size_t(groesse) * groesse * 4, 0);
    const int balken = 2 + g % (groesse - 4);
    for (int y = 0; y < groesse; ++y)
        for (int x = 0; x < groesse; ++x) {
            if (!(x < 2 || y == balken)) continue;
            uint8_t* p = &px[(size_t(y) * groesse + x) * 4];
            p[0] = uint8_t(40 + g * 2), p[1] = uint8_t(250 - g), p[2] = uint8_t(60 + (x * 5)), p[3] = 255;
        }
    return px;
}

}  // namespace

TEST(SchriftGerendert, EachFontMatchesItsGlyphs)
{
    std::string fehler;
    MyApp.m_pd3dDevice = gfx::CreateGLDevice(nullptr, fehler);
    ASSERT_NE(MyApp.m_pd3dDevice, nullptr) << fehler;
    gfx::Device& dev = *MyApp.m_pd3dDevice;
    MyApp.CreateQuad();
    Sprache = 0;

    std::vector<uint8_t> erwartet(size_t(W) * H * 4, 0);
    for (size_t i = 3; i < erwartet.size(); i += 4) erwartet[i] = 255;
    dev.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000u, 1.0f);
    dev.BeginScene();
    Szene.Setze2DModus();

    const char* text = "Hallo_Welt?@(42)";
    for (int font = 0; font < 4; ++font) {
        const int groesse = font == 1 ? 32 : 16;
        for (int g = 0; g < 100; ++g) {
            const auto px = Glyphe(g + font * 7, groesse);
            MyApp.SchriftTexturen[font * 100 + g] = dev.CreateTexture(groesse, groesse, px.data());
        }
        const int x0 = 20 + font * 240, y0 = 100 + font * 130;
        ZeichneSchrift(text, float(x0), float(y0), font);

        // The picture as the font's tables say it must look.
        const int zeilenhoehe[4] = {13, 18, 12, 12};
        int x = x0, y = y0;
        for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
            if (*c == '@') {
                x = x0;
                y += zeilenhoehe[font];
                continue;
            }
            const SchriftZeichen z = SchriftZeichenInfo(*c, font, false);
            if (z.glyph >= 0) {
                const auto px = Glyphe(z.glyph + font * 7, groesse);
                for (int gy = 0; gy < groesse; ++gy)
                    for (int gx = 0; gx < groesse; ++gx) {
                        const uint8_t* q = &px[(size_t(gy) * groesse + gx) * 4];
                        if (q[3] < 8) continue;
                        uint8_t* p = &erwartet[(size_t(y + gy) * W + (x + gx)) * 4];
                        p[0] = q[0], p[1] = q[1], p[2] = q[2];
                    }
            }
            x += z.vorschub;
        }
    }
    dev.EndScene();
    const std::vector<uint8_t> bild = dev.ReadBackBuffer();
    ASSERT_EQ(bild.size(), erwartet.size());
    int abweichungen = 0;
    for (size_t i = 0; i < bild.size(); i += 4)
        if (bild[i] != erwartet[i] || bild[i + 1] != erwartet[i + 1] || bild[i + 2] != erwartet[i + 2]) {
            if (abweichungen++ < 5)
                ADD_FAILURE() << "pixel " << (i / 4) % W << "," << (i / 4) / W << ": " << int(bild[i]) << " "
                              << int(bild[i + 1]) << " " << int(bild[i + 2]) << " expected " << int(erwartet[i]) << " "
                              << int(erwartet[i + 1]) << " " << int(erwartet[i + 2]);
        }
    EXPECT_EQ(abweichungen, 0);
    MyApp.Shutdown();
}
