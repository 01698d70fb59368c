// The container window: slots of the cell's container, filling vessels at the well, the close
// button, and a cell that has no container.
#include <gtest/gtest.h>

#include "framework/services_interaction.h"
#include "interaction/handler.h"
#include "interaction/szenen.h"
#include "tests/interaction/interaktion_fixture.h"

namespace {

class BehaelterTest : public InteraktionTest {
protected:
    void SetUp() override {
        InteraktionTest::SetUp();
        Oeffne(1);
        for (int k = 0; k < 3; ++k) {
            KameraKopie[k] = 100.0f + float(k);
            KameraKopie[3 + k] = 200.0f + float(k);
        }
    }
    // A scene of the kind at cell (40, 50), container 7.
    static void Oeffne(int art) {
        InteraktionsModus = art;
        SzenenFeld[0] = 40;
        SzenenFeld[1] = 50;
        StadtGitter[40][50].Eingang = int16_t(art);
        StadtGitter[40][50].BehaelterIndex = 7;
    }
    static void KlickeSlot(int c, int r) {
        Zeige(209 + 52 * c + 5, 191 + 32 * r + 5);
        MausLinksGedrueckt = 1;
        BehaelterFenster(0);
    }
    static void Wasserknopf(int32_t mitglied = 0) {
        Zeige(790, 380);
        MausLinksLosgelassen = 1;
        BehaelterFenster(mitglied);
    }
};

TEST_F(BehaelterTest, SlotCIsRowCOfTheContainer) {
    Behaelter[7][3][8] = {1008, 4, 0};
    KlickeSlot(3, 8);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(CursorItem, 1008);
    EXPECT_EQ(CursorItemAnzahl, 4);
    EXPECT_EQ(Behaelter[7][3][8].ItemId, 0);
    Shift(true);  // and Shift takes one, as in the bag
    Behaelter[7][0][0] = {1008, 2, 0};
    KlickeSlot(0, 0);
    EXPECT_EQ(CursorItemAnzahl, 5);
    EXPECT_EQ(Behaelter[7][0][0].ItemAnzahl, 1);
}

struct Fuellung {
    const char* name;
    int art, vorrat, mausId, mausAnzahl;
    int vorratNachher, mausAnzahlNachher;
};

class BrunnenTest : public BehaelterTest, public ::testing::WithParamInterface<Fuellung> {};

TEST_P(BrunnenTest, WaterButton) {
    const Fuellung& f = GetParam();
    Oeffne(f.art);
    StadtTabelle[0].Wasser = int16_t(f.vorrat);
    Maus(f.mausId, f.mausAnzahl);
    Wasserknopf();
    EXPECT_EQ(MausLinksLosgelassen, 0);  // swallowed in either scene
    EXPECT_EQ(StadtTabelle[0].Wasser, f.vorratNachher);
    EXPECT_EQ(CursorItem, f.mausId);
    EXPECT_EQ(CursorItemAnzahl, f.mausAnzahlNachher);
}

INSTANTIATE_TEST_SUITE_P(
    Fuellen, BrunnenTest,
    ::testing::Values(Fuellung{"WaterskinFromTheLastUnit", 5, 1, 1038, 0, 0, 1},
                      Fuellung{"CanteenUpToThree", 5, 20, 1007, 1, 18, 3},
                      Fuellung{"FullCanteenTakesNothing", 5, 20, 1007, 3, 20, 3},
                      Fuellung{"BottleHoldsTwo", 5, 20, 1012, 0, 18, 2},
                      Fuellung{"PetrolCanHoldsFive", 5, 25, 1001, 0, 20, 5},
                      Fuellung{"EmptyStockFillsNothing", 5, 0, 1038, 0, 0, 0},
                      Fuellung{"OtherItemsOnlyClick", 5, 20, 1008, 3, 20, 3},
                      Fuellung{"ContainerSceneHasNoWater", 1, 20, 1007, 0, 20, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BehaelterTest, CloseButtonNeedsAnEmptyMouse) {
    Maus(1029, 1);
    Zeige(790, 480);
    MausLinksLosgelassen = 1;
    BehaelterFenster(0);
    EXPECT_EQ(InteraktionsModus, 1);
    EXPECT_EQ(MausLinksLosgelassen, 0);  // a release over the window never reaches the town
    Maus(0, 0);
    MausLinksLosgelassen = 1;
    MausRechtsGedrueckt = 1;
    BehaelterFenster(0);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(MausRechtsGedrueckt, 0);
    EXPECT_EQ(Cam.Auge[2], 102.0f);
    EXPECT_EQ(Cam.Ziel[0], 200.0f);
}

TEST_F(BehaelterTest, RightClickUsesTheItemOnTheMemberOutsideTheTutorial) {
    Behaelter[7][0][0] = {1006, 2, 0};
    Zeige(215, 195);
    TutorialSchritt = 5;
    MausRechtsGedrueckt = 1;
    BehaelterFenster(0);
    EXPECT_EQ(MausRechtsGedrueckt, 1);
    EXPECT_EQ(Behaelter[7][0][0].ItemAnzahl, 2);
    TutorialSchritt = 0;
    BehaelterFenster(0);
    EXPECT_EQ(Behaelter[7][0][0].ItemAnzahl, 1);
    EXPECT_EQ(Figuren[0].Nahrung, 6);
    // No member selected: nothing is used, not even by the member who entered the scene.
    for (int32_t eintretend : {int32_t(Figuren[0].Id), int32_t(KEINE_FIGUR)}) {
        EintretendeFigur = eintretend;
        MausRechtsGedrueckt = 1;
        BehaelterFenster(KEINE_FIGUR);
        EXPECT_EQ(MausRechtsGedrueckt, 0);
        EXPECT_EQ(Behaelter[7][0][0].ItemAnzahl, 1);
        EXPECT_EQ(Figuren[0].Nahrung, 6);
    }
}

TEST_F(BehaelterTest, ACellBeyondTheFiftyContainersHasNoSlots) {
    StadtGitter[40][50].BehaelterIndex = 255;
    Maus(1029, 1);
    KlickeSlot(0, 0);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    EXPECT_EQ(CursorItem, 1029);
    SzenenFeld[0] = 5000;  // a cell outside the grid
    KlickeSlot(0, 0);
    EXPECT_EQ(CursorItem, 1029);
    ZeichneInteraktionsSzene();  // draws the frame and nothing else
}

}  // namespace
