// Items on the mouse and in the left inventory panel: the slot-click rule, the hand and ammunition
// slots, the right-button use table and the recruit slot.
#include "interaction/inventar.h"

#include <gtest/gtest.h>

#include "interaction/handler.h"
#include "tests/interaction/interaktion_fixture.h"

namespace {

using InventarTest = InteraktionTest;

struct SlotKlick {
    const char* name;
    bool shift;
    ItemSlot vorher;
    int mausId, mausAnzahl;
    ItemSlot nachher;
    int mausIdNachher, mausAnzahlNachher;
};

class SlotKlickTest : public InteraktionTest, public ::testing::WithParamInterface<SlotKlick> {};

TEST_P(SlotKlickTest, BagSlotUnderTheMouse) {
    const SlotKlick& k = GetParam();
    ItemSlot& s = Figuren[0].Inventar[1][2];  // screen column 1, row 2
    s = k.vorher;
    Maus(k.mausId, k.mausAnzahl);
    Shift(k.shift);
    Zeige(8 + 52 + 10, 361 + 64 + 10);
    MausLinksGedrueckt = 1;
    InventarRaster(0);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(s.ItemId, k.nachher.ItemId);
    EXPECT_EQ(s.ItemAnzahl, k.nachher.ItemAnzahl);
    EXPECT_EQ(CursorItem, k.mausIdNachher);
    EXPECT_EQ(CursorItemAnzahl, k.mausAnzahlNachher);
}

INSTANTIATE_TEST_SUITE_P(
    Regel, SlotKlickTest,
    ::testing::Values(
        SlotKlick{"ShiftTakesOne", true, {1013, 3, 0}, 0, 0, {1013, 2, 0}, 1013, 1},
        SlotKlick{"ShiftTakesTheLastAndEmptiesTheSlot", true, {1013, 1, 0}, 1013, 2, {0, 0, 0}, 1013, 3},
        SlotKlick{"ShiftWithAFullStackOnTheMouseMovesNothing", true, {1013, 2, 0}, 1013, 3, {1013, 2, 0}, 1013, 3},
        SlotKlick{"ShiftReadsAnEmptyMouseAsCountZero", true, {1013, 3, 0}, 0, 7, {1013, 2, 0}, 1013, 1},
        SlotKlick{"ShiftOnAnItemThatDoesNotStackSwaps", true, {1029, 1, 0}, 0, 0, {0, 0, 0}, 1029, 1},
        SlotKlick{"ShiftOnAnEmptyStackSwaps", true, {1013, 0, 0}, 0, 0, {0, 0, 0}, 1013, 0},
        SlotKlick{"MergeLeavesTheRestOnTheMouse", false, {1008, 7, 0}, 1008, 5, {1008, 9, 0}, 1008, 3},
        SlotKlick{"MergeTakesAll", false, {1008, 7, 0}, 1008, 2, {1008, 9, 0}, 0, 0},
        SlotKlick{"ShiftBelowTheLimitTakesOneMore", true, {1008, 7, 0}, 1008, 2, {1008, 6, 0}, 1008, 3},
        SlotKlick{"DifferentStacksSwap", false, {1006, 4, 0}, 1008, 5, {1008, 5, 0}, 1006, 4},
        SlotKlick{"PutDownIntoAnEmptySlot", false, {0, 0, 0}, 1029, 1, {1029, 1, 0}, 0, 0},
        SlotKlick{"EqualItemsThatDoNotStackSwap", false, {1029, 1, 0}, 1029, 1, {1029, 1, 0}, 1029, 1},
        SlotKlick{"AnEmptySlotHandsNoCountToTheMouse", false, {0, 9, 0}, 0, 0, {0, 0, 0}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InventarTest, ThreeShiftClicksEmptyAStackOfThreeAndAClickPutsItBack) {
    ItemSlot& a = Figuren[0].Inventar[0][0];
    ItemSlot& b = Figuren[0].Inventar[0][1];
    a = {1013, 3, 0};
    b = {1013, 2, 0};
    Shift(true);
    Zeige(20, 370);
    for (int k = 0; k < 3; ++k) {
        MausLinksGedrueckt = 1;
        InventarRaster(0);
    }
    EXPECT_EQ(a.ItemId, 0);
    EXPECT_EQ(CursorItemAnzahl, 3);
    Zeige(20, 400);  // another stack of O_Maden: the mouse is full
    MausLinksGedrueckt = 1;
    InventarRaster(0);
    EXPECT_EQ(b.ItemAnzahl, 2);
    Shift(false);
    Zeige(20, 370);
    MausLinksGedrueckt = 1;
    InventarRaster(0);
    EXPECT_EQ(a.ItemId, 1013);
    EXPECT_EQ(a.ItemAnzahl, 3);
    EXPECT_EQ(CursorItem, 0);
}

TEST_F(InventarTest, ThePanelSlidesDownWhileASceneIsOpen) {
    Figuren[0].Inventar[0][0] = {1029, 1, 0};
    LinkesPanelVersatz = 120;
    Zeige(20, 370);
    MausLinksGedrueckt = 1;
    InventarRaster(0);
    EXPECT_EQ(MausLinksGedrueckt, 1);  // above the slid panel
    Zeige(20, 481);
    InventarRaster(0);
    EXPECT_EQ(CursorItem, 1029);
}

TEST_F(InventarTest, TheHandTakesWeaponsOnly) {
    Zeige(50, 570);
    Maus(1008, 3);
    MausLinksGedrueckt = 1;
    HandItemTauschen(0);
    EXPECT_EQ(MausLinksGedrueckt, 0);  // consumed all the same
    EXPECT_EQ(CursorItem, 1008);
    Maus(1100, 1);
    MausLinksGedrueckt = 1;
    HandItemTauschen(0);
    EXPECT_EQ(Figuren[0].Inventar[2][2].ItemId, 1100);
    EXPECT_EQ(CursorItem, 0);
    MausLinksGedrueckt = 1;
    HandItemTauschen(0);  // an empty mouse takes it back
    EXPECT_EQ(CursorItem, 1100);
    EXPECT_EQ(Figuren[0].Inventar[2][2].ItemId, 0);
}

TEST_F(InventarTest, TheHandTakesEveryWeaponAndNothingBesideThem) {
    struct Fall {
        int16_t item;
        bool waffe;
    } const faelle[] = {{1029, true},  {1030, true},  {1031, true},  {1032, true},  {1033, true},
                        {1034, true},  {1035, true},  {1100, true},  {1028, false}, {1036, false},
                        {1099, false}, {1101, false}, {1022, false}};
    Zeige(50, 570);
    for (const Fall& f : faelle) {
        ItemSlot& hand = Figuren[0].Inventar[2][2];
        hand = {};
        Maus(f.item, 1);
        MausLinksGedrueckt = 1;
        HandItemTauschen(0);
        EXPECT_EQ(hand.ItemId, f.waffe ? f.item : 0) << f.item;
        EXPECT_EQ(CursorItem, f.waffe ? 0 : f.item) << f.item;
    }
}

TEST_F(InventarTest, EachBookRaisesTheLevelOfItsOwnSquadTypeOnly) {
    struct Buch {
        int16_t item;
        int typ;
    } const buecher[] = {{1178, 1}, {1177, 2}, {1180, 3}, {1179, 4}, {1181, 5}};
    FigurRecord& f = Figuren[0];
    Zeige(20, 370);
    for (const Buch& b : buecher)
        for (int typ = 1; typ <= 5; ++typ) {
            f.Typ = int16_t(typ);
            f.Stufe = 4;
            f.Inventar[0][0] = {b.item, 1, 0};
            MausRechtsGedrueckt = 1;
            InventarSpalteLinks(0);
            const bool gelesen = typ == b.typ;
            EXPECT_EQ(f.Stufe, gelesen ? 5 : 4) << b.item << " type " << typ;
            EXPECT_EQ(f.Inventar[0][0].ItemId, gelesen ? 0 : b.item) << b.item << " type " << typ;
        }
}

struct Laden {
    const char* name;
    ItemSlot slot;
    int mausId, mausAnzahl;
    ItemSlot slotNachher;
    int mausIdNachher, mausAnzahlNachher;
};

class MunitionTest : public InteraktionTest, public ::testing::WithParamInterface<Laden> {};

TEST_P(MunitionTest, AmmunitionSlot) {
    const Laden& l = GetParam();
    ItemSlot& s = Figuren[0].Inventar[2][1];
    s = l.slot;
    Maus(l.mausId, l.mausAnzahl);
    Zeige(30, 620);
    MausLinksGedrueckt = 1;
    MunitionLaden(0);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(s.ItemId, l.slotNachher.ItemId);
    EXPECT_EQ(s.ItemAnzahl, l.slotNachher.ItemAnzahl);
    EXPECT_EQ(CursorItem, l.mausIdNachher);
    EXPECT_EQ(CursorItemAnzahl, l.mausAnzahlNachher);
}

INSTANTIATE_TEST_SUITE_P(
    Regel, MunitionTest,
    ::testing::Values(Laden{"SixtyOntoFifty", {1028, 50, 0}, 1028, 60, {1028, 99, 0}, 1028, 11},
                      Laden{"FortyNineOntoFifty", {1028, 50, 0}, 1028, 49, {1028, 99, 0}, 0, 0},
                      Laden{"FullSlotTakesNothing", {1028, 99, 0}, 1028, 10, {1028, 99, 0}, 1028, 10},
                      Laden{"WrongItemIsRefused", {1028, 50, 0}, 1008, 5, {1028, 50, 0}, 1008, 5},
                      Laden{"EmptyMouseTakesTheWholeSlot", {1028, 50, 0}, 0, 0, {0, 0, 0}, 1028, 50},
                      Laden{"AnEmptySlotsCountIsNotAdded", {0, 40, 0}, 1028, 10, {1028, 10, 0}, 0, 0},
                      Laden{"AnEmptyMousesCountIsNotTaken", {0, 0, 0}, 0, 30, {0, 0, 0}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct Benutzung {
    const char* name;
    int typ, nahrung, wasser, stufe;
    ItemSlot slot;
    ItemSlot nachher;
    int nahrungNachher, wasserNachher, stufeNachher;
};

class BenutzenTest : public InteraktionTest, public ::testing::WithParamInterface<Benutzung> {};

TEST_P(BenutzenTest, RightClickOnABagSlot) {
    const Benutzung& b = GetParam();
    FigurRecord& f = Figuren[0];
    f.Typ = int16_t(b.typ);
    f.Nahrung = b.nahrung;
    f.Wasser = b.wasser;
    f.Stufe = uint8_t(b.stufe);
    f.Inventar[0][0] = b.slot;
    Zeige(20, 370);
    MausRechtsGedrueckt = 1;
    InventarSpalteLinks(0);
    EXPECT_EQ(MausRechtsGedrueckt, 0);
    EXPECT_EQ(f.Inventar[0][0].ItemId, b.nachher.ItemId);
    EXPECT_EQ(f.Inventar[0][0].ItemAnzahl, b.nachher.ItemAnzahl);
    EXPECT_EQ(f.Nahrung, b.nahrungNachher);
    EXPECT_EQ(f.Wasser, b.wasserNachher);
    EXPECT_EQ(f.Stufe, b.stufeNachher);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, BenutzenTest,
    ::testing::Values(
        Benutzung{"MeatFeeds", 1, 5, 3, 1, {1008, 2, 0}, {1008, 1, 0}, 6, 3, 1},
        Benutzung{"TheLastMeatEmptiesTheSlot", 1, 5, 3, 1, {1008, 1, 0}, {0, 0, 0}, 6, 3, 1},
        Benutzung{"FullFoodEatsNothing", 1, 10, 3, 1, {1006, 2, 0}, {1006, 2, 0}, 10, 3, 1},
        Benutzung{"FoodAboveTheCapIsClamped", 1, 14, 9, 1, {1006, 2, 0}, {1006, 2, 0}, 10, 5, 1},
        Benutzung{"ACanteenLeavesAnEmptyVessel", 1, 5, 3, 1, {1007, 1, 0}, {1007, 0, 0}, 5, 4, 1},
        Benutzung{"AnEmptyCanteenGivesNothing", 1, 5, 3, 1, {1007, 0, 0}, {1007, 0, 0}, 5, 3, 1},
        Benutzung{"VodkaWithoutWaterDoesNothing", 1, 5, 0, 1, {1087, 2, 0}, {1087, 2, 0}, 5, 0, 1},
        Benutzung{"VodkaCostsWater", 1, 5, 3, 1, {1087, 2, 0}, {1087, 1, 0}, 5, 2, 1},
        Benutzung{"TheLastVodkaLeavesAnEmptyBottle", 1, 5, 3, 1, {1087, 1, 0}, {1012, 0, 0}, 5, 2, 1},
        Benutzung{"TheLastBeerLeavesAnEmptyBottle", 1, 5, 4, 1, {1092, 1, 0}, {1012, 0, 0}, 5, 5, 1},
        Benutzung{"APetrolCanHoldsWater", 1, 5, 3, 1, {1001, 5, 0}, {1001, 4, 0}, 5, 4, 1},
        Benutzung{"TheLastTinLeavesTinPlate", 1, 5, 3, 1, {1003, 1, 0}, {1002, 1, 0}, 6, 3, 1},
        Benutzung{"TheBookOfTheTypeRaisesTheLevel", 3, 5, 3, 4, {1180, 1, 0}, {0, 0, 0}, 5, 3, 5},
        Benutzung{"ABookOfAnotherTypeDoesNothing", 2, 5, 3, 4, {1180, 1, 0}, {1180, 1, 0}, 5, 3, 4},
        Benutzung{"NoBookBeyondLevelTen", 5, 5, 3, 10, {1181, 1, 0}, {1181, 1, 0}, 5, 3, 10},
        Benutzung{"OtherItemsAreNotUsed", 1, 5, 3, 1, {1029, 1, 0}, {1029, 1, 0}, 5, 3, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InventarTest, ARightClickAnywhereOnThePanelIsSwallowed) {
    Zeige(100, 700);
    MausRechtsDoppelklick = 1;
    MausRechtsGedrueckt = 1;
    InventarSpalteLinks(0);
    EXPECT_EQ(MausRechtsGedrueckt, 0);
    EXPECT_EQ(MausRechtsDoppelklick, 0);
    Zeige(300, 700);  // beside the panel: left for the orders
    MausRechtsGedrueckt = 1;
    InventarSpalteLinks(0);
    EXPECT_EQ(MausRechtsGedrueckt, 1);
}

TEST_F(InventarTest, TheRecruitSlotTakesFoodAndDrinkOnly) {
    Mitglied(5, 11).Inventar[0][0] = {1029, 1, 0};  // the partner, id 6
    GespraechsPartner = 6;
    GespraechsThema = 2;
    GespraechsPhase = 3;
    Zeige(320, 380);
    Maus(1030, 1);  // a weapon is no wish
    MausLinksGedrueckt = MausLinksLosgelassen = MausLinksDoppelklick = 1;
    RekrutItemSlot(0);
    EXPECT_EQ(MausLinksGedrueckt + MausLinksLosgelassen + MausLinksDoppelklick, 0);
    EXPECT_EQ(CursorItem, 1030);
    EXPECT_EQ(GespraechsPhase, 3);
    Maus(1006, 4);  // bread swaps with the partner's first bag slot
    MausLinksGedrueckt = 1;
    RekrutItemSlot(0);
    EXPECT_EQ(Figuren[5].Inventar[0][0].ItemId, 1006);
    EXPECT_EQ(Figuren[5].Inventar[0][0].ItemAnzahl, 4);
    EXPECT_EQ(CursorItem, 1029);
    EXPECT_EQ(GespraechsPhase, 0);
    EXPECT_EQ(TooltipNummer, 21);
    GespraechsThema = 1;  // another topic: the slot is not there
    Maus(0, 0);
    MausLinksGedrueckt = 1;
    RekrutItemSlot(0);
    EXPECT_EQ(MausLinksGedrueckt, 1);
}

}  // namespace
