// The hint panel, the slide-in panels and the tooltips.
#include <array>
#include <functional>
#include <set>

#include "framework/sound.h"
#include "framework/texte.h"
#include "stadt_fixture.h"
#include "townview/item_karten.h"
#include "townview/seitenpanels.h"
#include "world/anzeige.h"

namespace {

class PanelTest : public StadtTest {};

TEST_F(PanelTest, SlideInPanelGrowsElevenFramesThenShowsItsTexts)
{
    std::strcpy(TextStandard[182], "Sieg");
    std::strcpy(TextStandard[188], "OK");
    InfoPanelZaehler = 250;
    std::vector<int32_t> hoehen;
    for (int frame = 0; frame < 11; ++frame) {
        dev->ClearCalls();
        ZeichneInfoPanel();
        EXPECT_TRUE(Texte().empty());
        EXPECT_TRUE(QuadsVon(269).empty());
        hoehen.push_back(HinweisPanelHoehe);
    }
    EXPECT_EQ(hoehen, (std::vector<int32_t>{32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352}));
    dev->ClearCalls();
    Maus(480, 524);
    ZeichneInfoPanel();
    EXPECT_EQ(HinweisPanelHoehe, 352);
    ASSERT_NE(TextMit(Texte(), "Sieg"), nullptr);
    EXPECT_EQ(TextMit(Texte(), "Sieg")->y, 300);
    ASSERT_NE(TextMit(Texte(), "OK"), nullptr);
    EXPECT_EQ(TextMit(Texte(), "OK")->font, 3);
    EXPECT_EQ(QuadsVon(54).size(), 22u);

    // Two panels open at once never pass the full height, whatever they find.
    HinweisPanelHoehe = 340;
    ZeichneMeldungsPanel();
    EXPECT_EQ(HinweisPanelHoehe, 352);
    ZeichneMeldungsPanel2();
    EXPECT_EQ(HinweisPanelHoehe, 352);
}

TEST_F(PanelTest, AtHeightZeroOnlyEdgesAndCorners)
{
    MeldungsPanelAktiv = 1;
    ZeichneMeldungsPanel();
    EXPECT_TRUE(QuadsVon(54).empty());
    ASSERT_EQ(QuadsVon(64).size(), 16u);
    EXPECT_EQ(QuadsVon(64)[0].y, 200);
    EXPECT_EQ(QuadsVon(0)[0].h, 0);
}

TEST_F(PanelTest, GameOverShowsTheFirstCause)
{
    for (int k : {262, 263, 264, 265}) std::snprintf(TextStandard[k], TEXT_LAENGE, "U%d", k);
    struct Fall {
        std::array<uint8_t, 4> ursachen;
        const char* zeile;
    } const faelle[] = {
        {{1, 1, 1, 1}, "U262"}, {{1, 1, 0, 1}, "U263"}, {{1, 1, 0, 0}, "U264"}, {{0, 1, 0, 0}, "U265"}, {{0, 0, 0, 0}, nullptr},
    };
    for (const Fall& f : faelle) {
        std::copy(f.ursachen.begin(), f.ursachen.end(), Todesursachen);
        HinweisPanelHoehe = 352;
        dev->ClearCalls();
        ZeichneMeldungsPanel();
        int zeilen = 0;
        for (const Text& t : Texte()) zeilen += t.y == 330;
        EXPECT_EQ(zeilen, f.zeile ? 1 : 0);
        if (f.zeile) {
            EXPECT_NE(TextMit(Texte(), f.zeile), nullptr);
        }
    }
}

TEST_F(PanelTest, HintTypesFiveCharactersAFrameLineAfterLine)
{
    TonEin({25});
    std::strcpy(TextStandard[191 + 7], "Abcdefghijkl");  // hint 2, line 0: 12 letters
    TextStandard[191 + 8][0] = 0;                       // line 1 empty
    std::strcpy(TextStandard[191 + 9], "Xyz");
    HinweisSichtbar = 1;
    HinweisNummer = 2;
    HinweisPanelHoehe = 352;
    ZeichneHinweisPanel();
    EXPECT_EQ(HinweisZeilenZaehler[0], 5);
    EXPECT_TRUE(Gespielt(25));
    ZeichneHinweisPanel();
    EXPECT_EQ(HinweisZeilenZaehler[0], 10);
    dev->ClearCalls();
    ZeichneHinweisPanel();
    // Past the end of the text the line is complete; the empty line completes at once, the third starts.
    EXPECT_EQ(HinweisZeilenZaehler[0], 255);
    EXPECT_EQ(HinweisZeilenZaehler[1], 255);
    EXPECT_EQ(HinweisZeilenZaehler[2], 255);
    EXPECT_EQ(HinweisZeilenZaehler[3], 255);
    ASSERT_NE(TextMit(Texte(), "Abcdefghijkl"), nullptr);
    EXPECT_EQ(TextMit(Texte(), "Abcdefghijkl")->y, 250);
    ASSERT_NE(TextMit(Texte(), "Xyz"), nullptr);
    EXPECT_EQ(TextMit(Texte(), "Xyz")->y, 310);
    Gespielt(25);
    for (int i = 0; i < 5; ++i) ZeichneHinweisPanel();
    EXPECT_FALSE(Gespielt(25));  // all lines complete: no more sound

    // A full-length line never reads past its buffer, and saved counters out of range are complete.
    std::memset(TextStandard[191 + 7], 'a', TEXT_LAENGE - 1);
    TextStandard[191 + 7][TEXT_LAENGE - 1] = 0;
    for (int32_t& z : HinweisZeilenZaehler) z = 252;
    HinweisZeilenZaehler[1] = -4;
    ZeichneHinweisPanel();
    EXPECT_EQ(HinweisZeilenZaehler[0], 255);
    EXPECT_EQ(HinweisZeilenZaehler[1], 255);
}

TEST_F(PanelTest, HintWaitsForTheTutorialAndTheGameOverPanel)
{
    HinweisSichtbar = 1;
    HinweisNummer = 1;
    HinweisPanelHoehe = 64;
    for (auto setze : std::vector<std::function<void()>>{[] { TutorialSchritt = 99; }, [] { MeldungsPanelAktiv = 1; },
                                                         [] { EditorAktiv = 1; }}) {
        TutorialSchritt = 0;
        MeldungsPanelAktiv = EditorAktiv = 0;
        setze();
        dev->ClearCalls();
        ZeichneHinweisPanel();
        EXPECT_TRUE(Quads().empty());
        EXPECT_EQ(HinweisPanelHoehe, 64);
    }
    TutorialSchritt = 0;
    MeldungsPanelAktiv = EditorAktiv = 0;
    ZeichneHinweisPanel();
    EXPECT_EQ(HinweisPanelHoehe, 96);
    // The page-back button art shows for every hint.
    HinweisPanelHoehe = 352;
    dev->ClearCalls();
    ZeichneHinweisPanel();
    EXPECT_EQ(QuadsVon(257).size(), 1u);
    EXPECT_NE(TextMit(Texte(), "(1/10)"), nullptr);
}

TEST_F(PanelTest, TooltipAfterSixteenStillFramesAtItsPlace)
{
    struct Fall {
        int nummer, eintrag;
        float stripX, stripY;  // relative to the mouse
    } const faelle[] = {
        {1, 88, 0, 30},    {4, 91, 0, -29},    {18, 105, 0, -29}, {19, 106, 0, 30},   {22, 109, -100, -29},
        {32, 119, -100, 30}, {33, 173, -100, 30}, {34, 176, 0, -29},
    };
    Maus(50, 300);
    for (const Fall& f : faelle) {
        std::snprintf(TextStandard[f.eintrag], TEXT_LAENGE, "T%d", f.eintrag);
        TooltipNummer = f.nummer;
        MausRuheFrames = 15;
        dev->ClearCalls();
        ZeichneTooltip();
        EXPECT_TRUE(Quads().empty()) << f.nummer;
        MausRuheFrames = 16;
        dev->ClearCalls();
        ZeichneTooltip();
        const std::vector<Quad> streifen = QuadsVon(9);
        ASSERT_EQ(streifen.size(), 1u) << f.nummer;
        EXPECT_EQ(streifen[0].x, 50 + f.stripX) << f.nummer;
        EXPECT_EQ(streifen[0].y, 300 + f.stripY) << f.nummer;
        EXPECT_EQ(streifen[0].w, SchriftBreite(TextStandard[f.eintrag], 2) + 4);
        const std::string erwartet = std::string("T").append(std::to_string(f.eintrag));
        ASSERT_NE(TextMit(Texte(), erwartet), nullptr) << f.nummer;
        EXPECT_EQ(TextMit(Texte(), erwartet)->x, streifen[0].x + 1);
        EXPECT_EQ(TextMit(Texte(), erwartet)->y, streifen[0].y - 1);
    }
    for (int n : {0, 35, -1, 1000}) {
        TooltipNummer = n;
        dev->ClearCalls();
        ZeichneTooltip();
        EXPECT_TRUE(Quads().empty()) << n;
    }
}

TEST_F(PanelTest, ItemTooltipBackingFitsTheLongerText)
{
    std::strcpy(ItemNamen[7], "Feldflasche");
    std::strcpy(ItemTexte[7], "Wa");
    ZeichneItemTooltip(7);
    const std::vector<Quad> q = QuadsVon(0);
    ASSERT_EQ(q.size(), 1u);
    EXPECT_EQ(q[0].x, 126);
    EXPECT_EQ(q[0].y, 578);
    EXPECT_EQ(q[0].w, SchriftBreite("Feldflasche", 0) + 10);
    // Indexes outside the item table show nothing.
    for (int k : {-1, 192, 100000}) {
        dev->ClearCalls();
        ZeichneItemTooltip(k);
        ZeichneItemInfo(k);
        EXPECT_TRUE(Quads().empty()) << k;
    }
}

// The equipment panel draws and the interface clicks the same six places: each place once, its
// rectangle inside its icon, and no two rectangles overlap (a click swaps one item only).
TEST(TragePlaetze, SixPlacesEachUnderItsIconAndApart)
{
    std::set<int> plaetze;
    for (const TragePlatz& p : kTragePlaetze) {
        plaetze.insert(p.platz);
        EXPECT_LT(p.x0, p.x1);
        EXPECT_LT(p.y0, p.y1);
        EXPECT_GE(p.x0, p.x);
        EXPECT_LE(p.x1, p.x + 64);
        EXPECT_GE(p.y0, p.y);
        EXPECT_LE(p.y1, p.y + 64);
        for (const TragePlatz& q : kTragePlaetze) {
            if (&p == &q) continue;
            const bool getrennt = p.x1 < q.x0 || q.x1 < p.x0 || p.y1 < q.y0 || q.y1 < p.y0;
            EXPECT_TRUE(getrennt) << p.platz << " " << q.platz;
        }
    }
    EXPECT_EQ(plaetze, (std::set<int>{Koerper, Getragen, Hose, Helm, Handschuhe, Stiefel}));
}

}  // namespace
