// The frame's text itself: what a line holds, what is left out, and that float noise cannot change it.
#include <gtest/gtest.h>

#include "platform/gfx_recording.h"
#include "tests/snapshots/schnappschuss.h"

namespace {

// A 2D quad as the game draws one: the unit square scaled and moved, under the 2D projection.
void Quad(gfx::RecordingDevice& g, gfx::VertexBuffer vb, float x, float y, float w, float h)
{
    math3d::Matrix welt = math3d::Scaling(w, h, 1.0f);
    welt.m[3][0] = x - 512.0f - 0.5f;
    welt.m[3][1] = 384.0f - y - h + 0.5f;
    g.SetTransform(gfx::TransformType::World, welt);
    g.SetStreamSource(vb);
    g.DrawPrimitive(gfx::Primitive::TriangleStrip, 0, 2);
}

struct Geraet {
    gfx::RecordingDevice g;
    gfx::VertexBuffer vb = 0;
    gfx::Texture tex = 0, glyphe = 0;

    Geraet()
    {
        const gfx::Vertex quad[4] = {
            {0, 0, 0, 0, 0, 1, 0, 1}, {0, 1, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 1}, {1, 1, 0, 0, 0, 1, 1, 0}};
        vb = g.CreateVertexBuffer(quad, 4);
        const uint8_t px[4] = {255, 255, 255, 255};
        tex = g.CreateTexture(1, 1, px);
        glyphe = g.CreateTexture(1, 1, px);
        g.Name(tex, "Texturen[201] icon.png");
        g.Name(glyphe, "SchriftTexturen[200] a.png");
        g.SetTransform(gfx::TransformType::View, math3d::Identity());
        g.SetTransform(gfx::TransformType::Projection, math3d::OrthoLH(1024.0f, 768.0f, 0.0f, 1.0f));
        g.ClearCalls();
    }
};

TEST(Schnappschuss, QuadsByNameAndPixelsStatesOnlyWhereTheyChange)
{
    Geraet d;
    d.g.Marker("leer");  // a pass that draws nothing is left out
    d.g.Marker("hud");
    d.g.SetTexture(d.tex);
    Quad(d.g, d.vb, 10, 20, 64, 32);
    d.g.SetTexture(d.tex);
    Quad(d.g, d.vb, 10.00002f, 52.0f, 64, 32);  // float noise below a tenth of a pixel
    d.g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    d.g.SetTexture(d.tex);
    Quad(d.g, d.vb, 10.5f, 84, 64, 32);
    const std::string text = Schnappschuss(d.g, {"effect 6 vol 0 Click.wav"});
    EXPECT_EQ(text.find("leer"), std::string::npos) << text;
    EXPECT_NE(text.find("pass hud\n"), std::string::npos) << text;
    EXPECT_NE(text.find("quad Texturen[201] icon.png  10,20 64x32\n"), std::string::npos) << text;
    EXPECT_NE(text.find("quad Texturen[201] icon.png  10,52 64x32\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n  blend 2/1\nquad Texturen[201] icon.png  10.5,84 64x32\n"), std::string::npos) << text;
    EXPECT_NE(text.find("sound effect 6 vol 0 Click.wav\n"), std::string::npos) << text;
    // The whole state is printed once, before the first draw; the second draw changes none.
    size_t zustandsZeilen = 0;
    for (size_t p = text.find("\n  "); p != std::string::npos; p = text.find("\n  ", p + 1)) ++zustandsZeilen;
    EXPECT_EQ(zustandsZeilen, 2u) << text;
}

TEST(Schnappschuss, ATextIsOneLineItsGlyphsAreNotListed)
{
    Geraet d;
    d.g.TextMarker("Gr\xFC\xDF", 35, 76, 1);
    for (int k = 0; k < 4; ++k) {
        d.g.SetTexture(d.glyphe);
        Quad(d.g, d.vb, 35.0f + 10 * k, 76, 32, 32);
    }
    d.g.SetTexture(d.tex);
    Quad(d.g, d.vb, 0, 75, 32, 32);
    const std::string text = Schnappschuss(d.g, {});
    EXPECT_NE(text.find("text f1 35,76 \"Gr\\xFC\\xDF\"\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("SchriftTexturen"), std::string::npos) << text;
    EXPECT_NE(text.find("quad Texturen[201] icon.png  0,75 32x32\n"), std::string::npos) << text;
}

TEST(Schnappschuss, ChosenPassesOnlyAndTheFirstDifferenceWithContext)
{
    Geraet d;
    d.g.Marker("floor");
    d.g.SetTexture(d.tex);
    Quad(d.g, d.vb, 1, 1, 2, 2);
    d.g.Marker("cell name");
    d.g.TextMarker("Brunnen", 530, 314, 2);
    const std::string text = Schnappschuss(d.g, {}, {"cell name"});
    EXPECT_EQ(text, "pass cell name\ntext f2 530,314 \"Brunnen\"\n");

    EXPECT_EQ(SchnappschussUnterschied(text, text), "");
    const std::string unterschied =
        SchnappschussUnterschied("a\nb\nc\nd\ne\n", "a\nb\nc\nd\nX\n");
    EXPECT_NE(unterschied.find("line 5"), std::string::npos) << unterschied;
    EXPECT_NE(unterschied.find("  d\n- e\n+ X\n"), std::string::npos) << unterschied;
}

}  // namespace
