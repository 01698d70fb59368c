// Overlays over figures: badges and rings, the selection box, labels, floating texts, chatter and the
// cell name.
#include "framework/geometry.h"
#include "framework/texte.h"
#include "platform/keyboard.h"
#include "platform/random.h"
#include "stadt_fixture.h"
#include "townview/figur_overlays.h"
#include "townview/picking.h"

namespace {

class OverlayTest : public StadtTest {
protected:
    void SetUp() override
    {
        StadtTest::SetUp();
        // Straight down on the origin: a point there is at the screen's centre.
        Kamera(0, 100, 0, 0, 0, 0);
        Maus(512, 384);
        const gfx::MeshData quad{{{0, 0, 0, 0, 1, 0, 0, 0}, {1, 0, 0, 0, 1, 0, 1, 0}, {0, 0, 1, 0, 1, 0, 0, 1}},
                                 {0, 1, 2},
                                 {{0, 3}},
                                 {{}}};
        MyApp.Meshes[9005] = dev->CreateMesh(quad);
        dev->ClearCalls();
    }
    // The mesh draws since the last ClearCalls.
    std::vector<const gfx::Call*> Ringe() const
    {
        std::vector<const gfx::Call*> r;
        for (const gfx::Call* c : dev->Draws())
            if (c->type == gfx::CallType::DrawSubset) r.push_back(c);
        return r;
    }
    // Looks along +z from z = -50: a figure at z < -50 is behind the eye.
    static void KameraFlach() { Kamera(0, 10, -50, 0, 10, 0); }
};

TEST_F(OverlayTest, HealthBandToRingTexture)
{
    struct Fall {
        int typ, gesundheit, ring;
    } const faelle[] = {
        {1, 1, 7},    {1, 12, 7},   {1, 13, 6},   {1, 50, 4},   {1, 51, 3},  {1, 88, 0},   {1, 100, 0},
        {1, 150, 0},  {10, 1, 10},  {16, 37, 12}, {18, 38, 13}, {12, 87, 16}, {11, 100, 17}, {13, 12, 19},
        {14, 25, 20}, {15, 62, 23}, {13, 63, 24}, {15, 100, 26}, {9999, 50, -1}, {1005, 50, -1},
    };
    for (const Fall& f : faelle) {
        FigurRecord r{};
        r.Typ = static_cast<int16_t>(f.typ);
        r.Gesundheit = f.gesundheit;
        EXPECT_EQ(EnergieRing(r), f.ring) << f.typ << " " << f.gesundheit;
    }
}

TEST_F(OverlayTest, BadgesAndRings)
{
    struct Fall {
        const char* was;
        int typ;
        uint8_t stationiert, eigene, ausgewaehlt, imKampf;
        int gesundheit;
        std::vector<int> abzeichen;
        int ring;  // -1 none
    } const faelle[] = {
        {"squad", 1, 0, 0, 0, 0, 100, {182}, -1},
        {"own figure selected", 2, 0, 1, 1, 0, 60, {180}, 3},
        {"stationed", 3, 1, 1, 0, 0, 100, {183}, -1},
        {"hostile", 14, 0, 0, 0, 0, 30, {184}, 21},
        {"townsperson at peace", 11, 0, 0, 0, 0, 100, {}, -1},
        {"selected townsperson in combat", 12, 0, 0, 1, 1, 100, {184}, 17},
        {"dead squad member", 1, 0, 0, 1, 0, 0, {}, -1},
        {"floor item", 1005, 0, 0, 1, 0, 100, {}, -1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        std::memset(Figuren, 0, sizeof Figuren);
        FigurRecord& r = Figur(0, f.typ, 0, 0);
        r.Stationiert = f.stationiert;
        r.EigeneFigur = f.eigene;
        r.Ausgewaehlt = f.ausgewaehlt;
        r.ImKampf = f.imKampf;
        r.Gesundheit = f.gesundheit;
        dev->ClearCalls();
        ZeichneEnergie(0);
        std::vector<int> abzeichen;
        for (int t : {180, 182, 183, 184})
            for (const Quad& q : QuadsVon(t)) {
                abzeichen.push_back(t);
                EXPECT_NEAR(q.x, 504, 1);
                EXPECT_EQ(q.w, 16);
            }
        EXPECT_EQ(abzeichen, f.abzeichen);
        const std::vector<const gfx::Call*> ringe = Ringe();
        ASSERT_EQ(ringe.size(), f.ring < 0 ? 0u : 1u);
        if (f.ring >= 0) {
            EXPECT_EQ(ringe[0]->state.texture, MyApp.EnergieTexturen[f.ring]);
            EXPECT_EQ(ringe[0]->state.Get(gfx::RenderState::ZEnable), 1u);
            EXPECT_EQ(ringe[0]->state.Get(gfx::RenderState::AlphaBlendEnable), 1u);
        }
    }
}

TEST_F(OverlayTest, NothingIsDrawnForPointsBehindTheEye)
{
    KameraFlach();
    FigurRecord& f = Figur(0, 13, 0, -100);
    f.SpruchZeile = 0;
    f.SpruchTimer = 50;
    f.LabelAnzeigen = 1;
    ZufallZeilenZahl = 1;
    std::strcpy(SprechTexte[SPRECH_ZUFALL][0], "Hallo");
    SchwebeZahlen[0] = {f.Id, 7, 20, 0};
    dev->ClearCalls();
    ZeichneEnergie(0);
    ZeichneFigurLabel(0, 0);
    ZeichneSchwebeZahlen();
    StadtbewohnerSprueche(0);
    EXPECT_TRUE(QuadsVon(184).empty());
    EXPECT_TRUE(Texte().empty());
    // The number still rises while unseen.
    EXPECT_EQ(SchwebeZahlen[0].Hoehe, 21);
}

TEST_F(OverlayTest, SelectionBoxWithNegativeSize)
{
    AuswahlRahmenAktiv = 0;
    ZeichneAuswahlRahmen();
    EXPECT_TRUE(Quads().empty());
    AuswahlRahmenAktiv = 1;
    AuswahlRahmenStart[0] = 300;
    AuswahlRahmenStart[1] = 200;
    Maus(250, 120);
    ZeichneAuswahlRahmen();
    const std::vector<Quad> q = QuadsVon(0);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_EQ(q[0].w, -50);
    EXPECT_EQ(q[0].h, -80);
    const gfx::Call* d = dev->Draws().back();
    EXPECT_EQ(d->state.Get(gfx::RenderState::CullMode), gfx::cull::None);
    EXPECT_EQ(dev->State().Get(gfx::RenderState::CullMode), gfx::cull::CCW);
}

TEST_F(OverlayTest, FloorItemStackIsListedDownwardsFromTheMouse)
{
    std::strcpy(ItemNamen[5], "Draht");
    std::strcpy(ItemNamen[14], "Muttern");
    Figur(0, 1005, 0, 0);
    Figur(1, 1014, 0, 0);
    Figur(2, 1005, 0, 0);
    Figur(3, 1005, 30, 0);  // another spot
    FigurLabelGezeigt = ItemListeGezeigt = 0;
    int32_t summe = 0;
    for (int i = 0; i < 4; ++i) summe += ZeichneFigurLabel(i, summe);
    const std::vector<Text> t = Texte();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].text, "Draht");
    EXPECT_EQ(t[1].text, "Muttern");
    EXPECT_EQ(t[2].text, "Draht");
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(t[k].x, 522);
        EXPECT_EQ(t[k].y, 384 + 16 * k);
    }
    EXPECT_EQ(summe, 16);
    EXPECT_EQ(ItemListeGezeigt, 1);

    // With a label key held each item shows its badge instead, and nothing is listed.
    TastenStatus[kbd::dik::LShift] = 0x80;
    ItemListeGezeigt = 0;
    Figuren[3].LabelAnzeigen = 1;
    dev->ClearCalls();
    EXPECT_EQ(ZeichneFigurLabel(3, 0), 16);
    EXPECT_EQ(QuadsVon(176).size(), 1u);
    EXPECT_TRUE(Texte().empty());
    // In the trade conversation no labels at all.
    SpielModus = 10000;
    EXPECT_EQ(ZeichneFigurLabel(0, 0), 0);
}

TEST_F(OverlayTest, OnlyTheFirstHoveredPersonIsLabelledAndStopped)
{
    std::strcpy(MaennerNamen[2], "Ulf");
    std::strcpy(MaennerNamen[3], "Kai");
    FigurRecord& a = Figur(0, 11, 0, 0);
    a.NamensIndex = 2;
    a.Stufe = 7;
    a.Gesundheit = 50;
    a.Wegpunkt[0] = 10;
    a.Ziel[0] = 90;
    FigurRecord& b = Figur(1, 12, 1, 1);
    b.NamensIndex = 3;
    b.Ziel[0] = 90;
    ZeichneFigurLabel(0, 0);
    ZeichneFigurLabel(1, 0);
    EXPECT_EQ(FigurLabelGezeigt, 1);
    EXPECT_EQ(a.Ziel[0], 10);
    EXPECT_EQ(b.Ziel[0], 90);
    const std::vector<Text> t = Texte();
    ASSERT_NE(TextMit(t, "Ulf"), nullptr);
    EXPECT_EQ(TextMit(t, "Kai"), nullptr);
    EXPECT_NE(TextMit(t, "( 7 )"), nullptr);
    Quad balken{};
    for (const Quad& q : QuadsVon(9)) balken = q;
    EXPECT_EQ(balken.w, 12);
    EXPECT_EQ(QuadsVon(178).size(), 1u);

    // A label key held (the figure's flag set) labels everyone at its own place, without stopping.
    FigurLabelGezeigt = 0;
    b.LabelAnzeigen = 1;
    dev->ClearCalls();
    ZeichneFigurLabel(1, 0);
    EXPECT_NE(TextMit(Texte(), "Kai"), nullptr);
    EXPECT_EQ(b.Ziel[0], 90);
}

TEST_F(OverlayTest, FloatingTextsRiseTwentyOneFramesAndFreeWithTheirFigure)
{
    std::strcpy(TextStandard[123], "Stufe");
    Figur(0, 2, 0, 0);
    Figur(1, 13, 0, 0);
    SchwebeTexte[0] = {1, 1, 20, 0};
    SchwebeZahlen[0] = {1, 12, 20, 0};
    SchwebeZahlen[1] = {2, 7, 20, 0};
    SchwebeZahlen[2] = {99, 3, 20, 0};  // its figure is gone
    int gezeigt = 0;
    for (int frame = 0; frame < 30; ++frame) {
        dev->ClearCalls();
        ZeichneSchwebeTexte();
        ZeichneSchwebeZahlen();
        const std::vector<Text> t = Texte();
        if (TextMit(t, "Stufe")) ++gezeigt;
        if (frame == 0) {
            ASSERT_NE(TextMit(t, "12"), nullptr);
            EXPECT_EQ(TextMit(t, "12")->font, 2);
            ASSERT_NE(TextMit(t, "7"), nullptr);
            EXPECT_EQ(TextMit(t, "7")->font, 3);
            EXPECT_EQ(TextMit(t, "Stufe")->font, 2);
            EXPECT_EQ(SchwebeZahlen[2].Wert, 0);
        }
    }
    EXPECT_EQ(gezeigt, 21);
    EXPECT_EQ(SchwebeTexte[0].Aktiv, 0);
    EXPECT_EQ(SchwebeZahlen[0].Wert, 0);
    // One function clears both tables.
    SchwebeTexte[3] = {1, 1, 25, 0};
    SchwebeZahlen[50] = {1, 4, 25, 0};
    LoescheSchwebeAnzeigen();
    EXPECT_EQ(SchwebeTexte[3].Aktiv, 0);
    EXPECT_EQ(SchwebeZahlen[50].Wert, 0);
}

TEST_F(OverlayTest, ChatterStartsRarelyAndRunsOnlyOnScreen)
{
    std::strcpy(SprechTexte[SPRECH_ZUFALL][0], "Hallo");
    std::strcpy(SprechTexte[SPRECH_KAMPF][0], "Angriff");
    ZufallZeilenZahl = 1;
    SichtPyramide.FrustumAktualisieren();
    FigurRecord& f = Figur(0, 10, 0, 0);
    Figur(1, 1, 0, 0);  // the squad never chatters
    ZufallSaat(1);
    int starts = 0;
    for (int frame = 0; frame < 100000; ++frame) {
        StadtbewohnerSprueche(1);
        if (f.SpruchZeile == KEINE_FIGUR) {
            StadtbewohnerSprueche(0);
            if (f.SpruchZeile != KEINE_FIGUR) ++starts;
        }
        f.SpruchZeile = KEINE_FIGUR;
    }
    EXPECT_GT(starts, 50);
    EXPECT_LT(starts, 200);
    EXPECT_EQ(Figuren[1].SpruchZeile, KEINE_FIGUR);

    // A line shows for 99 frames on screen, in combat with the battle cry of the same index.
    f.SpruchZeile = 0;
    f.SpruchTimer = 100;
    int hallo = 0, angriff = 0;
    for (int frame = 0; frame < 120; ++frame) {
        f.ImKampf = frame >= 50 ? 1 : 0;
        dev->ClearCalls();
        StadtbewohnerSprueche(0);
        hallo += TextMit(Texte(), "Hallo") != nullptr;
        angriff += TextMit(Texte(), "Angriff") != nullptr;
        if (f.SpruchZeile == KEINE_FIGUR) break;
    }
    EXPECT_EQ(hallo, 50);
    EXPECT_EQ(angriff, 49);

    // Out of view the line and its timer wait.
    f.Position[0] = 5000;
    f.SpruchZeile = 0;
    f.SpruchTimer = 40;
    StadtbewohnerSprueche(0);
    EXPECT_EQ(f.SpruchTimer, 40);
    // A saved line or timer out of range ends the line.
    for (auto [zeile, timer] : {std::pair<int16_t, int16_t>{-3, 50}, {500, 50}, {0, 0}, {0, -7}, {0, 30000}}) {
        f.SpruchZeile = zeile;
        f.SpruchTimer = timer;
        StadtbewohnerSprueche(0);
        EXPECT_EQ(f.SpruchZeile, KEINE_FIGUR) << zeile << " " << timer;
    }
}

TEST_F(OverlayTest, CellNameOfEveryEntranceKind)
{
    // Kinds 1..7 name entries 5..11, 8..10 entries 13..15; entry 12 is never shown.
    const char* const namen[16] = {"", "", "", "", "", "Kiste", "Laden", "Essen", "Arzt", "Brunnen", "Bar", "Werber",
                                   "Zwoelf", "Acht", "Neun", "Zehn"};
    for (int k = 5; k <= 15; ++k) std::strcpy(TextStandard[k], namen[k]);
    const char* const erwartet[12] = {nullptr, "Kiste",   "Laden", "Essen", "Arzt", "Brunnen",
                                      "Bar",   "Werber", "Acht",  "Neun",  "Zehn", nullptr};
    Kamera(20, 100, 30, 20, 0, 30);
    for (int art = 0; art <= 11; ++art) {
        StadtGitter[2][3].Eingang = int16_t(art);
        dev->ClearCalls();
        ZeichneFeldName();
        const std::vector<Text> texte = Texte();
        if (!erwartet[art]) {
            EXPECT_TRUE(texte.empty()) << art;
            continue;
        }
        ASSERT_EQ(texte.size(), 1u) << art;
        EXPECT_EQ(texte[0].text, erwartet[art]) << art;
    }
}

TEST_F(OverlayTest, CellNameOfTheFirstEntranceInScanOrder)
{
    std::strcpy(TextStandard[9], "Brunnen");
    std::strcpy(TextStandard[13], "Werkstatt");
    std::strcpy(TextStandard[12], "Lager");
    Kamera(20, 100, 30, 20, 0, 30);
    StadtGitter[2][3].Eingang = 8;
    dev->ClearCalls();
    ZeichneFeldName();
    ASSERT_EQ(Texte().size(), 1u);
    EXPECT_EQ(Texte()[0].text, "Werkstatt");
    EXPECT_EQ(Texte()[0].x, 522);
    EXPECT_EQ(Texte()[0].y, 384 - 16);

    // Two cells in line from the side: the smaller x is named even when it lies behind.
    Kamera(100, 10, 30, 0, 10, 30);
    StadtGitter[2][3].Eingang = 0;
    StadtGitter[1][3].Eingang = 5;
    StadtGitter[5][3].Eingang = 8;
    dev->ClearCalls();
    ZeichneFeldName();
    ASSERT_EQ(Texte().size(), 1u);
    EXPECT_EQ(Texte()[0].text, "Brunnen");

    // A kind without a name ends the scan and shows nothing.
    StadtGitter[1][3].Eingang = 11;
    dev->ClearCalls();
    ZeichneFeldName();
    EXPECT_TRUE(Texte().empty());
}

}  // namespace
