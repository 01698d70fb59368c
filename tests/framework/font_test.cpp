#include "framework/font.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app_fixture.h"
#include "framework/setup.h"

namespace {

struct Breite {
    const char* text;
    int font;
    int sprache;
    int breite;
};

}  // namespace

TEST(Schrift, WidthsInBothModes)
{
    const Breite faelle[] = {
        {"Hallo_Welt", 0, 0, 68},
        {"Hallo_Welt", 1, 0, 91},
        {"Hallo_Welt", 3, 0, 57},
        {"ab@Hallo", 0, 0, 33},    // the widest line
        {"", 2, 0, 0},
        {"{|}~", 0, 0, 0},          // bytes without a glyph
        {"\x92", 0, 0, 5},
        {"\xC4\xD6", 0, 0, 20},     // German capitals in Latin mode
        {"\xC0\xC1", 0, 0, 0},      // other letters 0xC0.. draw without advancing
        {"\xD0\xD6", 0, 2, 18},     // Cyrillic: Р and Ц
        {"CF", 2, 2, 15},           // Latin C and F in Cyrillic texts
        {"CF", 3, 2, 8},
        {"AB", 0, 2, 0},
        {"Hallo_Welt", 4, 0, 0},    // no such font
        {"Hallo_Welt", -1, 0, 0},
    };
    for (const Breite& f : faelle) {
        Sprache = f.sprache;
        EXPECT_EQ(SchriftBreite(f.text, f.font), f.breite) << f.text << " font " << f.font << " lan " << f.sprache;
    }
    Sprache = 0;
}

TEST(Schrift, GlyphsOfSpecialCharacters)
{
    EXPECT_EQ(SchriftZeichenInfo('_', 0, false).glyph, -1);
    EXPECT_EQ(SchriftZeichenInfo('_', 0, false).vorschub, 4);
    EXPECT_EQ(SchriftZeichenInfo('@', 0, false).glyph, -1);
    EXPECT_EQ(SchriftZeichenInfo(0xC0, 0, false).glyph, 5);   // Cyrillic A's glyph, no advance
    EXPECT_EQ(SchriftZeichenInfo(0xC0, 0, false).vorschub, 0);
    EXPECT_EQ(SchriftZeichenInfo(0xC6, 0, false).glyph, -1);  // its glyph 66 is not below 52
    EXPECT_EQ(SchriftZeichenInfo('F', 1, true).glyph, 93);
    EXPECT_EQ(SchriftZeichenInfo(0xD0, 0, true).tiefer, 1);
    EXPECT_EQ(SchriftZeichenInfo(0xD0, 2, true).tiefer, 0);
}

class SchriftZeichnen : public MitGeraet {};

TEST_F(SchriftZeichnen, PlacesOneQuadPerGlyph)
{
    Sprache = 0;
    for (int g = 0; g < 100; ++g) MyApp.SchriftTexturen[g] = 1000 + g;  // names only; never drawn by GL here
    ZeichneSchrift("Hallo_Welt", 100, 50, 0);
    const auto draws = dev->Draws();
    ASSERT_EQ(draws.size(), 9u);
    const float xs[9] = {100, 109, 117, 121, 125, 137, 151, 159, 163};
    const uint32_t glyphen[9] = {7, 26, 37, 37, 40, 22, 30, 37, 45};
    for (int i = 0; i < 9; ++i) {
        float x, y;
        QuadPosition(*draws[i], x, y);
        EXPECT_FLOAT_EQ(x, xs[i]) << i;
        EXPECT_FLOAT_EQ(y, 50.0f) << i;
        EXPECT_EQ(draws[i]->state.texture, 1000 + glyphen[i]) << i;
    }
    EXPECT_EQ(dev->State().Get(gfx::RenderState::AlphaTestEnable), 1u);
    EXPECT_EQ(dev->State().Get(gfx::RenderState::AlphaRef), 8u);
    EXPECT_EQ(dev->State().texture, 0u);  // Draw2D leaves no texture set

    for (int g = 0; g < 100; ++g) MyApp.SchriftTexturen[g] = 0;
}

TEST_F(SchriftZeichnen, LineBreaksAndTheCyrillicDescender)
{
    Sprache = 0;
    ZeichneSchrift("A@B", 10, 20, 1);
    auto draws = dev->Draws();
    ASSERT_EQ(draws.size(), 2u);
    float x, y;
    QuadPosition(*draws[1], x, y);
    EXPECT_FLOAT_EQ(x, 10.0f);
    EXPECT_FLOAT_EQ(y, 38.0f);
    EXPECT_FLOAT_EQ(draws[1]->state.Get(gfx::TransformType::World).m[0][0], 32.0f);

    dev->ClearCalls();
    Sprache = 2;
    ZeichneSchrift("\xD0", 10, 20, 0);
    ZeichneSchrift("\xD0", 10, 20, 2);
    draws = dev->Draws();
    ASSERT_EQ(draws.size(), 2u);
    QuadPosition(*draws[0], x, y);
    EXPECT_FLOAT_EQ(y, 21.0f);
    QuadPosition(*draws[1], x, y);
    EXPECT_FLOAT_EQ(y, 20.0f);
    Sprache = 0;

    dev->ClearCalls();
    ZeichneSchrift("ABC", 0, 0, 7);
    EXPECT_TRUE(dev->Draws().empty());
}

// Every entry of both character tables, as the game's font table lists them: "character glyph
// advance-font-0/1/2-and-3", the character a letter or digit, or its byte in hexadecimal.
TEST(Schrift, EveryEntryOfBothCharacterTables)
{
    const char* const latein =
        "A 0 10/11/8, B 1 9/11/8, C 2 10/11/9, D 3 9/11/9, E 4 8/10/7, F 5 8/9/7, G 6 10/11/9, H 7 9/11/8, I 8 4/7/5, "
        "J 9 7/10/5, K 10 9/11/8, L 11 8/9/7, M 12 11/16/9, N 13 9/12/8, O 14 10/11/9, P 15 9/11/7, Q 16 10/11/9, "
        "R 17 10/11/8, S 18 9/11/8, T 19 9/10/8, U 20 9/11/8, V 21 10/11/8, W 22 14/15/11, X 23 9/11/8, Y 24 9/11/8, "
        "Z 25 8/10/8, a 26 8/10/7, b 27 8/10/7, c 28 8/10/7, d 29 8/10/7, e 30 8/10/7, f 31 6/9/5, g 32 8/10/7, "
        "h 33 8/10/7, i 34 4/7/3, j 35 4/9/4, k 36 8/10/7, l 37 4/7/3, m 38 12/14/11, n 39 8/10/7, o 40 8/10/7, "
        "p 41 8/10/7, q 42 8/10/7, r 43 6/10/6, s 44 7/10/6, t 45 5/9/5, u 46 8/10/7, v 47 8/10/7, w 48 12/16/9, "
        "x 49 9/10/7, y 50 8/10/7, z 51 7/10/6, 0 52 7/11/7, 1 53 6/9/7, 2 54 7/11/7, 3 55 7/11/7, 4 56 7/11/7, "
        "5 57 7/11/7, 6 58 7/11/7, 7 59 7/11/7, 8 60 7/11/7, 9 61 7/11/7, 0x2C 62 4/4/4, 0x3A 63 4/4/4, "
        "0x2E 64 4/4/4, 0xC4 65 10/11/8, 0xD6 66 10/11/9, 0xDC 67 9/11/8, 0xE4 68 8/10/7, 0xF6 69 8/10/7, "
        "0xFC 70 8/10/7, 0x21 71 4/5/4, 0x3F 72 8/8/6, 0x2D 73 5/6/5, 0x2B 74 8/8/9, 0x24 75 7/8/7, 0x22 76 7/8/5, "
        "0x3D 77 8/8/9, 0x5B 78 5/8/5, 0x5D 79 4/8/5, 0x28 80 5/8/5, 0x29 81 4/8/5, 0x25 82 10/8/12, "
        "0x2F 83 5/8/6, 0x2A 84 6/8/7, 0x92 85 5/8/5, 0x20 -1 4/5/3, 0x5F -1 4/5/3";
    const char* const kyrillisch =
        "0xA8 92 7/12/6, 0xC0 5 10/14/7, 0xC1 86 8/14/7, 0xC2 3 8/14/7, 0xC3 20 7/12/6, 0xC4 11 10/14/7, "
        "0xC5 19 7/13/6, 0xC6 66 12/14/8, 0xC7 15 8/13/6, 0xC8 1 8/13/7, 0xC9 16 8/12/7, 0xCA 17 8/13/7, "
        "0xCB 10 9/13/7, 0xCC 21 10/15/8, 0xCD 25 8/13/7, 0xCE 9 9/15/8, 0xCF 6 8/13/7, 0xD0 7 8/13/6, "
        "0xD1 2 9/14/8, 0xD2 13 9/13/7, 0xD3 4 9/13/7, 0xD4 0 11/16/8, 0xD5 67 8/14/6, 0xD6 22 10/14/8, "
        "0xD7 23 8/13/7, 0xD8 8 11/17/10, 0xD9 14 12/18/11, 0xDA 88 11/16/8, 0xDB 18 12/17/9, 0xDC 12 8/14/6, "
        "0xDD 65 10/14/7, 0xDE 90 12/18/10, 0xDF 24 9/13/7, 0xB8 92 7/12/6, 0xE0 31 7/11/6, 0xE1 87 7/12/6, "
        "0xE2 29 7/12/6, 0xE3 46 5/10/5, 0xE4 37 9/13/7, 0xE5 45 7/12/6, 0xE6 69 11/13/7, 0xE7 41 6/11/5, "
        "0xE8 27 7/12/6, 0xE9 42 7/12/6, 0xEA 43 7/11/6, 0xEB 36 8/12/6, 0xEC 47 8/14/6, 0xED 51 7/12/6, "
        "0xEE 35 7/12/6, 0xEF 32 7/12/6, 0xF0 33 7/12/6, 0xF1 28 7/11/6, 0xF2 39 7/11/5, 0xF3 30 8/11/6, "
        "0xF4 26 11/16/8, 0xF5 70 7/12/6, 0xF6 48 8/13/7, 0xF7 49 7/11/6, 0xF8 34 9/15/8, 0xF9 40 10/15/9, "
        "0xFA 89 8/14/7, 0xFB 44 10/15/8, 0xFC 38 7/12/6, 0xFD 68 7/13/7, 0xFE 91 10/16/9, 0xFF 50 8/11/6, "
        // digits and punctuation as in Latin mode; Latin letters draw without advancing, but C and F
        "0 52 7/11/7, 9 61 7/11/7, 0x2C 62 4/4/4, 0x92 85 5/8/5, 0x20 -1 4/5/3, A 0 0/0/0, z 51 0/0/0, "
        "C 2 9/14/8, F 93 0/0/7";
    for (const auto& [tabelle, kyr] : {std::pair{latein, false}, std::pair{kyrillisch, true}}) {
        std::string rest = tabelle;
        int eintraege = 0;
        for (size_t komma; !rest.empty(); rest = komma == std::string::npos ? "" : rest.substr(komma + 2)) {
            komma = rest.find(", ");
            const std::string eintrag = rest.substr(0, komma);
            char zeichen[8];
            int glyphe, b0, b1, b2;
            ASSERT_EQ(std::sscanf(eintrag.c_str(), "%7s %d %d/%d/%d", zeichen, &glyphe, &b0, &b1, &b2), 5) << eintrag;
            const uint8_t byte = std::strlen(zeichen) == 1 ? uint8_t(zeichen[0]) : uint8_t(std::stoi(zeichen, nullptr, 16));
            // Fonts 2 and 3 share their advances, except Cyrillic mode's F, which moves on in font 2 only.
            const int vorschub[4] = {b0, b1, b2, kyr && byte == 'F' ? 0 : b2};
            for (int font = 0; font < 4; ++font) {
                const auto info = SchriftZeichenInfo(byte, font, kyr);
                EXPECT_EQ(info.glyph, glyphe) << eintrag << " font " << font;
                EXPECT_EQ(info.vorschub, vorschub[font]) << eintrag << " font " << font;
            }
            ++eintraege;
        }
        EXPECT_EQ(eintraege, kyr ? 75 : 88);
    }
}
