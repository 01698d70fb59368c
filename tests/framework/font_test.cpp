#include "framework/font.h"

#include <gtest/gtest.h>

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
