// The in-town HUD: hover fields, the delivery animation, the top bar, slides, the squad bar and the
// member page, the side panels' contents.
#include "townview/hud.h"

#include "framework/texte.h"
#include "stadt_fixture.h"
#include "townview/item_karten.h"
#include "townview/seitenpanels.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/rezepte.h"

namespace {

class HudTest : public StadtTest {
protected:
    void SetUp() override
    {
        StadtTest::SetUp();
        AktuelleStadt = 0;
        for (int32_t& s : HudSchieber) s = kPanelAussen;
        BefehlsModus = 3;
        Maus(600, 300);
    }

    // Squad member of type typ with id i + 1 in bar slot k.
    FigurRecord& Mitglied(int i, int k, int typ = 1)
    {
        FigurRecord& f = Figur(i, typ, 0, 0);
        AuswahlSlots[k] = f.Id;
        return f;
    }
};

struct HoverFall {
    int x, y, tooltip;  // 0: unchanged
};

TEST_F(HudTest, MemberPageHoverFieldsHaveInclusiveEdges)
{
    const HoverFall faelle[] = {
        {251, 653, 15}, {272, 670, 15}, {250, 653, 0},  {273, 660, 0},  {294, 653, 16}, {365, 668, 16},
        {366, 660, 0},  {138, 702, 17}, {223, 722, 17}, {138, 726, 18}, {223, 750, 18}, {138, 723, 0},
        {239, 702, 19}, {302, 722, 19}, {239, 726, 20}, {302, 750, 20}, {303, 750, 0},  {224, 730, 0},
    };
    for (const HoverFall& f : faelle) {
        TooltipNummer = 99;
        Maus(f.x, f.y);
        PruefeHudKnoepfe();
        EXPECT_EQ(TooltipNummer, f.tooltip == 0 ? 99 : f.tooltip) << f.x << "," << f.y;
    }
}

TEST_F(HudTest, DeliveryIconsAppearTenFramesApartWithTheirSound)
{
    TonEin({22});
    StadtTabelle[0].NahrungsTier = 1036;
    LieferAnimation = {3, 250};
    for (int frame = 0; frame < 250; ++frame) {
        dev->ClearCalls();
        ZeichneHud();
        const int n = static_cast<int>(IconQuads(1036).size());
        const bool ton = Gespielt(22);
        const int c = LieferAnimation.Countdown;
        if (c == 249) {
            EXPECT_EQ(n, 1);
            EXPECT_FALSE(ton);
            ASSERT_NE(TextMit(Texte(), "1"), nullptr);
            EXPECT_EQ(TextMit(Texte(), "1")->x, 10);
        }
        if (c == 240 || c == 230) {
            EXPECT_TRUE(ton) << c;
        }
        if (c == 241 || c == 239 || c == 229) {
            EXPECT_FALSE(ton) << c;
        }
        if (c == 240) {
            EXPECT_EQ(n, 2);
        }
        if (c == 230) {
            EXPECT_EQ(n, 3);
            const std::vector<Quad> q = IconQuads(1036);
            EXPECT_EQ(q[2].x, 72);
            EXPECT_EQ(q[2].y, 0);
            EXPECT_EQ(q[2].w, 64);
            EXPECT_NE(TextMit(Texte(), "3"), nullptr);
        }
        if (c == 0) {
            EXPECT_EQ(n, 3);  // the last frame still shows them
        }
    }
    EXPECT_EQ(LieferAnimation.Countdown, 0);
    dev->ClearCalls();
    ZeichneHud();
    EXPECT_TRUE(IconQuads(1036).empty());
    // No food animal, or on an encounter map: nothing, and the countdown stands.
    LieferAnimation = {3, 250};
    SonderOrt = 1;
    ZeichneHud();
    EXPECT_EQ(LieferAnimation.Countdown, 250);
}

TEST_F(HudTest, TopBarOnlyWithTheMouseAtTheTopOrTheTutorialBlink)
{
    Maus(600, 66);
    ZeichneHud();
    EXPECT_TRUE(QuadsVon(270).empty());
    Maus(600, 65);
    ZeichneHud();
    EXPECT_EQ(QuadsVon(270).size(), 1u);

    dev->ClearCalls();
    Maus(600, 300);
    TutorialSchritt = 21;
    int mitLeiste = 0;
    for (int i = 0; i < 20; ++i) {
        TutorialBlinkZaehler = i;  // the tutorial moves it at these steps
        dev->ClearCalls();
        ZeichneHud();
        mitLeiste += !QuadsVon(270).empty();
        // Below the bar the long-skip button stays plain even while the bar blinks.
        EXPECT_TRUE(QuadsVon(189).empty());
    }
    EXPECT_EQ(mitLeiste, 10);
}

TEST_F(HudTest, DayLightBar)
{
    Maus(600, 10);
    struct Fall {
        int richtung;
        float rot;
        std::vector<std::pair<float, float>> balken;  // x, width
    } const faelle[] = {
        {0, 1.0f, {{17, 493.5f}}},
        {0, 0.3f, {{17, 0}}},
        {1, 0.3f, {{17, 493.5f}, {510.5f, 493.5f}}},
        {1, 1.0f, {{17, 493.5f}, {510.5f, 0}}},
    };
    for (const Fall& f : faelle) {
        TagRichtung = static_cast<uint8_t>(f.richtung);
        LichtZustand[0].Farbe[0] = f.rot;
        dev->ClearCalls();
        ZeichneHud();
        std::vector<Quad> balken;
        for (const Quad& q : QuadsVon(9))
            if (q.y == 42) balken.push_back(q);
        ASSERT_EQ(balken.size(), f.balken.size()) << f.richtung << " " << f.rot;
        for (size_t i = 0; i < balken.size(); ++i) {
            EXPECT_FLOAT_EQ(balken[i].x, f.balken[i].first);
            EXPECT_NEAR(balken[i].w, f.balken[i].second, 0.01f);
            EXPECT_EQ(balken[i].h, 4);
        }
    }
}

TEST_F(HudTest, PortraitRowPlacesSquadThenGarrisonAndNamesTheHovered)
{
    std::strcpy(MaennerNamen[3], "Bert");
    std::strcpy(SpielerName, "Ich");
    Figur(0, 1, 0, 0).EigeneFigur = 1;
    FigurRecord& g = Figur(1, 2, 0, 0);
    g.Stationiert = 1;
    g.NamensIndex = 3;
    g.EigeneFigur = 1;  // a garrison shows its first name, even the own figure's
    g.Stufe = 4;
    Figur(2, 3, 0, 0);
    Maus(8 + 28 * 2, 10);
    ZeichneHud();
    ASSERT_EQ(QuadsVon(109).size(), 1u);
    EXPECT_EQ(QuadsVon(109)[0].x, 8);
    EXPECT_EQ(QuadsVon(114)[0].x, 36);
    EXPECT_EQ(QuadsVon(113)[0].x, 64);
    const std::vector<Text> t = Texte();
    ASSERT_NE(TextMit(t, "Bert"), nullptr);
    EXPECT_EQ(TextMit(t, "Bert")->y, 40);
    EXPECT_NE(TextMit(t, "( 4 )"), nullptr);
    EXPECT_EQ(TextMit(t, "Ich"), nullptr);
}

TEST_F(HudTest, PortraitRowReadsOddFlagBytesAsTheClicksDo)
{
    Figur(0, 1, 0, 0).Stationiert = 2;  // counts as stationed
    Figur(1, 2, 0, 0);
    Figur(2, 3, 0, 0).Aktiv = 2;        // not a record in use: no portrait
    Figur(3, 4, 0, 0).Stationiert = 1;
    Maus(500, 10);
    ZeichneHud();
    EXPECT_EQ(QuadsVon(114).size(), 0u);
    ASSERT_EQ(QuadsVon(113).size(), 1u);
    ASSERT_EQ(QuadsVon(109).size(), 1u);
    ASSERT_EQ(QuadsVon(248).size(), 1u);
    EXPECT_EQ(QuadsVon(113)[0].x, 8);
    EXPECT_EQ(QuadsVon(109)[0].x, 36);
    EXPECT_EQ(QuadsVon(248)[0].x, 64);
}

TEST_F(HudTest, PanelsSlideFortyEightAFrameAndTheHudTwiceMovesTwice)
{
    int32_t s = 360;
    BefehlsModus = kModusSpielMenue;
    std::vector<int32_t> weg;
    for (int i = 0; i < 8; ++i) {
        SchiebePanel(s, kModusSpielMenue);
        weg.push_back(s);
    }
    EXPECT_EQ(weg, (std::vector<int32_t>{312, 264, 216, 168, 120, 72, 24, 0}));
    BefehlsModus = 3;
    for (int i = 0; i < 20; ++i) SchiebePanel(s, kModusSpielMenue);
    EXPECT_EQ(s, 384);
    // A saved offset outside the range rests out.
    s = -5000;
    SchiebePanel(s, kModusSpielMenue);
    EXPECT_EQ(s, 384);

    // A conversation frame draws the HUD twice: every counter moves twice.
    for (int32_t& h : HudSchieber) h = 360;
    BefehlsModus = kModusStadtVorrat;
    GespraechsPartner = 5;
    ZeichneHud();
    ZeichneHud();
    EXPECT_EQ(HudSchieber[1], 264);
    EXPECT_EQ(HudSchieber[0], 384);
    EXPECT_EQ(LinkesPanelVersatz, 24);
    for (int i = 0; i < 20; ++i) ZeichneHud();
    EXPECT_EQ(LinkesPanelVersatz, 120);
    GespraechsPartner = 0;
    ZeichneHud();
    EXPECT_EQ(LinkesPanelVersatz, 108);

    // A close-up frame resets the town stock panel to 360 before the HUD: never further in than 312.
    for (int i = 0; i < 5; ++i) {
        HudSchieber[1] = 360;
        ZeichneHud();
        EXPECT_EQ(HudSchieber[1], 312);
    }
}

TEST_F(HudTest, SquadBarSlotsAndTheActiveFrame)
{
    Mitglied(10, 0);
    Mitglied(11, 2);
    AuswahlSlots[1] = 77;  // no such figure: an empty slot
    AuswahlIndex = 2;
    ZeichneHud();
    const std::vector<Quad> rahmen = QuadsVon(5);
    ASSERT_EQ(rahmen.size(), 2u);
    EXPECT_EQ(rahmen[0].x, 377);
    EXPECT_EQ(rahmen[1].x, 377 + 166);
    ASSERT_EQ(QuadsVon(134).size(), 1u);
    EXPECT_EQ(QuadsVon(134)[0].x, 377 + 166);
    // The slot plates, drawn from slot 6 down to 0.
    const std::vector<Quad> platten = QuadsVon(10);
    ASSERT_GE(platten.size(), 2u);
    EXPECT_EQ(platten[0].x, 4 + 166 + 373);
}

TEST_F(HudTest, SquadSlotPanelDeadAndHealthBar)
{
    FigurRecord& f = Figur(0, 1, 0, 0);
    f.Gesundheit = 0;
    ZeichneFigurPanel(0, 4);
    EXPECT_EQ(QuadsVon(245).size(), 1u);
    EXPECT_EQ(QuadsVon(245)[0].x, 388);
    EXPECT_EQ(Quads().size(), 2u);  // the plate and the dead picture only

    dev->ClearCalls();
    f.Gesundheit = 50;
    f.Zustand = 2;
    f.Stationiert = 1;
    ZeichneFigurPanel(0, 4);
    Quad fuellung{};
    for (const Quad& q : QuadsVon(9)) fuellung = q;
    EXPECT_FLOAT_EQ(fuellung.y, 727);
    EXPECT_FLOAT_EQ(fuellung.h, 31);
    EXPECT_EQ(QuadsVon(204).size(), 1u);
    EXPECT_EQ(QuadsVon(183).size(), 1u);
    bool portrait = false;
    for (const Quad& q : Quads()) portrait |= q.textur == MyApp.PortraitTextur && q.x == 371 && q.w == 90;
    EXPECT_TRUE(portrait);

    // States 4, 5 and 16 show no activity icon.
    for (int z : {4, 5, 16}) {
        f.Zustand = static_cast<uint8_t>(z);
        dev->ClearCalls();
        ZeichneFigurPanel(0, 4);
        for (int t = 202; t <= 207; ++t) EXPECT_TRUE(QuadsVon(t).empty()) << z;
    }
}

TEST_F(HudTest, MemberPageStarsCountsAndItems)
{
    FigurRecord& f = Mitglied(0, 0);
    AuswahlIndex = 0;
    f.Stufe = 5;
    Platz(f, Munition) = {1092, 12, 0};
    f.Inventar[1][2] = {1012, 1, 0};   // always shows its count
    f.Inventar[0][0] = {1050, 1, 0};   // a count of 1 shows nothing
    f.Inventar[0][1] = {5000, 3, 0};   // no item: nothing drawn
    ZeichneHud();
    EXPECT_EQ(QuadsVon(16).size(), 3u);
    EXPECT_EQ(QuadsVon(15).size(), 2u);
    EXPECT_EQ(QuadsVon(15)[1].x, 310);
    const std::vector<Text> t = Texte();
    ASSERT_NE(TextMit(t, "12"), nullptr);
    EXPECT_EQ(TextMit(t, "12")->x, 39);
    EXPECT_EQ(TextMit(t, "12")->y, 612);
    ASSERT_EQ(IconQuads(1012).size(), 2u);  // the water icon of the page and the backpack's
    EXPECT_EQ(IconQuads(1012)[1].x, 52);
    EXPECT_EQ(IconQuads(1012)[1].y, 346 + 64);
    ASSERT_NE(TextMit(t, "1"), nullptr);
    EXPECT_EQ(TextMit(t, "1")->x, 103);
    EXPECT_EQ(IconQuads(1050).size(), 1u);

    // The item tooltip of the hovered backpack slot sits at the lower left.
    std::strcpy(ItemNamen[12], "Flasche");
    Maus(52 + 8, 361 + 64);
    dev->ClearCalls();
    ZeichneHud();
    ASSERT_NE(TextMit(Texte(), "Flasche"), nullptr);
    EXPECT_EQ(TextMit(Texte(), "Flasche")->x, 132);
    EXPECT_EQ(TextMit(Texte(), "Flasche")->y, 581);
}

TEST_F(HudTest, WellFillsTheSelectedMembersFromTheTown)
{
    StadtTabelle[0].Wasser = 4;
    Mitglied(0, 0).Wasser = 3;
    Mitglied(1, 1).Wasser = 5;
    InteraktionsModus = 5;
    ZeichneHud();
    EXPECT_EQ(Figuren[0].Wasser, 5);
    EXPECT_EQ(Figuren[1].Wasser, 5);
    EXPECT_EQ(StadtTabelle[0].Wasser, 2);
}

TEST_F(HudTest, InTheEditorOnlyTheTopIsDrawn)
{
    EditorAktiv = 1;
    Mitglied(0, 0);
    Maus(600, 10);
    ZeichneHud();
    EXPECT_EQ(QuadsVon(270).size(), 1u);
    EXPECT_TRUE(QuadsVon(2).empty());
    EXPECT_TRUE(QuadsVon(5).empty());
}

TEST_F(HudTest, MouseItemIsAdditiveWithItsCount)
{
    CursorItem = 1038;
    CursorItemAnzahl = 1;
    Maus(400, 200);
    ZeichneHud();
    const std::vector<Quad> q = IconQuads(1038);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_EQ(q[0].x, 400);
    const gfx::Call* icon = nullptr;
    for (const gfx::Call* c : dev->Draws())
        if (c->state.texture == MyApp.ItemIconTexturen[38]) icon = c;
    EXPECT_EQ(icon->state.Get(gfx::RenderState::SrcBlend), gfx::blend::One);
    EXPECT_EQ(icon->state.Get(gfx::RenderState::DestBlend), gfx::blend::One);
    EXPECT_EQ(icon->state.Get(gfx::RenderState::AlphaTestEnable), 0u);
    ASSERT_NE(TextMit(Texte(), "1"), nullptr);
    EXPECT_EQ(TextMit(Texte(), "1")->x, 444);
    // An id beyond the item table draws nothing at the mouse.
    CursorItem = 1500;
    dev->ClearCalls();
    ZeichneHud();
    for (const Quad& q : Quads()) EXPECT_FALSE(q.x == 400 && q.y == 200);
}

TEST_F(HudTest, CraftingPanelRecipesByLevel)
{
    FigurRecord& f = Mitglied(0, 0, 2);
    AuswahlIndex = 0;
    BefehlsModus = kModusHerstellen;
    HudSchieber[3] = 48;
    f.Stufe = 4;
    RezeptScroll = 8;
    RezeptWahl = 9;
    ZeichneHud();
    ASSERT_EQ(IconQuads(1042).size(), 1u);
    EXPECT_EQ(IconQuads(1042)[0].x, 164);
    EXPECT_EQ(IconQuads(1062).size(), 2u);  // the strip and the card
    EXPECT_TRUE(IconQuads(1001).empty());   // level 5: an empty place
    EXPECT_EQ(RezeptWahl, 9);

    // A recipe above the level shows recipe 0's card and resets the choice.
    RezeptWahl = 12;
    dev->ClearCalls();
    ZeichneHud();
    EXPECT_EQ(RezeptWahl, 0);
    ASSERT_EQ(IconQuads(1039).size(), 1u);
    EXPECT_EQ(IconQuads(1039)[0].x, 220);

    // A saved choice or scroll that names no recipe shows nothing.
    RezeptWahl = 400;
    RezeptScroll = 2000000000;
    dev->ClearCalls();
    ZeichneHud();
    EXPECT_TRUE(IconQuads(1039).empty());
    EXPECT_EQ(RezeptWahl, 0);
    RezeptScroll = 16;
    f.Stufe = 10;
    dev->ClearCalls();
    ZeichneHud();
    EXPECT_EQ(IconQuads(1067).size(), 1u);
}

TEST_F(HudTest, CraftingPanelFallsBackForOtherMembers)
{
    Mitglied(0, 0, 1);
    AuswahlIndex = 0;
    BefehlsModus = kModusHerstellen;
    HudSchieber[3] = 48;
    ZeichneHud();
    EXPECT_EQ(BefehlsModus, 3);
    // Shown for this one frame.
    EXPECT_EQ(IconQuads(1039).size(), 1u);
}

TEST_F(HudTest, TownStockFoodWaterGarrisonAndHoverBoxes)
{
    StadtRecord& s = StadtTabelle[0];
    s.NahrungsTier = 1013;
    s.Stationiert = 2;
    s.WasserZufluss = 12;  // more than the row's nine places
    s.Besatzung[0] = 4;
    s.Verseuchung = 50;
    BefehlsModus = kModusStadtVorrat;
    HudSchieber[1] = 48;
    Maus(200, 460);
    ZeichneHud();
    EXPECT_EQ(HudSchieber[1], 0);
    EXPECT_EQ(IconQuads(1008).size(), 1u);
    EXPECT_EQ(QuadsVon(110).size(), 2u);
    EXPECT_EQ(QuadsVon(108).size(), 9u);
    EXPECT_EQ(IconQuads(1038).size(), 9u);
    EXPECT_EQ(IconQuads(1035).size(), 1u);  // the food source of maggots
    const std::vector<Quad> g = QuadsVon(109);
    ASSERT_EQ(g.size(), 4u);
    EXPECT_EQ(g[1].x - g[0].x, 16);
    const std::vector<Quad> pegel = QuadsVon(136);
    ASSERT_EQ(pegel.size(), 1u);
    EXPECT_FLOAT_EQ(pegel[0].y, 364 + 26.5f);
    EXPECT_FLOAT_EQ(pegel[0].h, 26.5f);
    EXPECT_NE(TextMit(Texte(), "3 : 2 : 1"), nullptr);

    // A garrison of 15 or more packs its pictures 5 pixels apart.
    s.Besatzung[0] = 10;
    s.Besatzung[1] = 7;
    dev->ClearCalls();
    ZeichneHud();
    EXPECT_EQ(QuadsVon(109)[1].x - QuadsVon(109)[0].x, 5);

    // Outside a town nothing of its content is drawn.
    AktuelleStadt = 40;
    dev->ClearCalls();
    ZeichneHud();
    EXPECT_TRUE(QuadsVon(108).empty());
}

TEST_F(HudTest, TutorialHighlightsMoveTheBlinkCounter)
{
    FigurRecord& f = Mitglied(0, 0, 2);
    AuswahlIndex = 0;
    TutorialSchritt = 17;
    int an = 0;
    for (int i = 0; i < 20; ++i) {
        dev->ClearCalls();
        ZeichneHud();
        an += !QuadsVon(40).empty();
    }
    EXPECT_EQ(an, 10);
    EXPECT_EQ(TutorialBlinkZaehler, 0);
    // The own figure's garrison button is disabled instead, and nothing blinks.
    f.EigeneFigur = 1;
    ZeichneHud();
    EXPECT_EQ(TutorialBlinkZaehler, 0);
}

TEST_F(HudTest, EquipmentPreviewLitModelAndWornSlots)
{
    const gfx::MeshData quad{{{0, 0, 0, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 1, 1, 0}, {0, 1, 0, 0, 0, 1, 0, 1}},
                             {0, 1, 2},
                             {{0, 3}},
                             {{}}};
    for (int slot : {2000, 2012, 2024, 2036, 2048, 2060, 2072, 2097}) MyApp.Meshes[slot] = dev->CreateMesh(quad);
    FigurRecord& f = Mitglied(0, 0);
    AuswahlIndex = 0;
    f.Aussehen[0] = 3;
    f.Aussehen[1] = 1;
    f.Aussehen[2] = 200;  // from a file: the first variant
    Platz(f, Koerper) = {1026, 1, 0};
    Platz(f, Helm) = {1103, 1, 0};
    Platz(f, Hand) = {1035, 1, 0};
    Platz(f, Stiefel) = {1045, 1, 0};
    BefehlsModus = kModusAusruestung;
    HudSchieber[2] = 0;
    Maus(150, 570);
    ZeichneHud();
    std::vector<std::pair<gfx::Mesh, gfx::Texture>> teile;
    const gfx::Call* messer = nullptr;
    for (const gfx::Call* c : dev->Draws())
        if (c->type == gfx::CallType::DrawSubset) {
            teile.push_back({c->handle, c->state.texture});
            if (c->handle == MyApp.Meshes[2097]) messer = c;
        }
    const auto T = [](int k) { return MyApp.Texturen[k]; };
    const std::vector<std::pair<gfx::Mesh, gfx::Texture>> erwartet = {
        {MyApp.Meshes[2000], T(14)},  {MyApp.Meshes[2012], T(214)}, {MyApp.Meshes[2024], T(12)},
        {MyApp.Meshes[2048], T(18)},  {MyApp.Meshes[2036], T(12)},  {MyApp.Meshes[2060], T(246)},
        {MyApp.Meshes[2097], T(213)},
    };
    EXPECT_EQ(teile, erwartet);
    ASSERT_NE(messer, nullptr);
    EXPECT_EQ(messer->state.Get(gfx::RenderState::Lighting), 1u);
    EXPECT_EQ(messer->state.Get(gfx::RenderState::Ambient), 0xFF191919u);
    EXPECT_EQ(messer->state.Get(gfx::RenderState::AlphaBlendEnable), 1u);
    bool licht0 = false;
    for (const gfx::Call& c : dev->Calls())
        if (c.type == gfx::CallType::SetLight && c.which == 0) licht0 = c.light.diffuse.g == 0.5f && c.light.range == 150;
    EXPECT_TRUE(licht0);
    // The worn items' icons, and the boots' tooltip under the mouse.
    EXPECT_EQ(IconQuads(1045).size(), 1u);
    EXPECT_EQ(IconQuads(1026).size(), 1u);
    ASSERT_GE(QuadsVon(0).size(), 1u);
    EXPECT_EQ(QuadsVon(0).back().x, 126);
    // With the panel not yet in, neither model nor slots.
    HudSchieber[2] = 96;
    dev->ClearCalls();
    ZeichneHud();
    for (const gfx::Call* c : dev->Draws()) EXPECT_NE(c->type, gfx::CallType::DrawSubset);
}

}  // namespace
