#include <gtest/gtest.h>

#include <cstring>

#include "world/records.h"

// The plain names are the fields of the saved block, not copies.
TEST(SpielGlobals, PlainNamesAreTheBlockFields) {
    const SpielGlobalsBlock vorher = SpielGlobals;
    SpielModus = 3000;
    AktuelleStadt = 7;
    SetupWerte.FRAMERATE = 0.025f;
    MaennerNamen[599][0] = 'Q';
    AngebotSlot.ItemId = 1028;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&SpielGlobals);
    int32_t modus, stadt;
    float framerate;
    int16_t angebot, trupp0;
    std::memcpy(&modus, bytes + 14448, 4);
    std::memcpy(&stadt, bytes + 14444, 4);
    std::memcpy(&framerate, bytes + 272596, 4);
    std::memcpy(&angebot, bytes + 2296, 2);
    trupp0 = TauschSlotsTrupp[0].ItemId;
    EXPECT_EQ(modus, 3000);
    EXPECT_EQ(stadt, 7);
    EXPECT_EQ(framerate, 0.025f);
    EXPECT_EQ(bytes[2356 + 599 * 20], 'Q');
    EXPECT_EQ(angebot, 1028);
    EXPECT_EQ(trupp0, 1028);
    SpielGlobals = vorher;
}

TEST(Ids, RangesOfStoredNumbers) {
    EXPECT_FALSE(IstItemId(999));
    EXPECT_TRUE(IstItemId(1000));
    EXPECT_TRUE(IstItemId(1191));
    EXPECT_FALSE(IstItemId(1192));
    EXPECT_FALSE(IstNamensIndex(-1));
    EXPECT_TRUE(IstNamensIndex(599));
    EXPECT_FALSE(IstNamensIndex(600));
    EXPECT_TRUE(IstStadtId(19));
    EXPECT_FALSE(IstStadtId(20));
    EXPECT_EQ(StadtMitId(32000), nullptr);
    EXPECT_EQ(StadtMitId(3), &StadtTabelle[3]);
    EXPECT_EQ(BehaelterMitIndex(255), nullptr);
    EXPECT_EQ(BehaelterMitIndex(49), &Behaelter[49]);
    EXPECT_TRUE(IstMeshSlot(10000));
    EXPECT_FALSE(IstMeshSlot(10001));
    EXPECT_STREQ(ItemName(1192), "");
    EXPECT_STREQ(MaennerName(-5), "");
    EXPECT_EQ(ItemWert(-32768), 0);
}

TEST(SpielGlobals, CameraStartsWhereTheGameExpects) {
    // Nothing above has touched Cam; the block's initializer set it.
    EXPECT_EQ(Cam.Ziel[2], 5.0f);
    EXPECT_EQ(Cam.Oben[2], 1.0f);
}
