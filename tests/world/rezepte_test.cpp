// The crafting recipes: order, levels, and indexes from a save that name no recipe.
#include "world/rezepte.h"

#include <gtest/gtest.h>

#include "world/ids.h"

namespace {

TEST(Rezepte, ResultsAndLevelsInPanelOrder)
{
    const int ergebnis[REZEPT_ANZAHL] = {1039, 1012, 1021, 1007, 1056, 1038, 1017, 1041, 1042,
                                         1062, 1001, 1063, 1064, 1043, 1065, 1066, 1067};
    const int stufe[REZEPT_ANZAHL] = {1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 5, 6, 7, 8, 8, 9, 9};
    for (int j = 0; j < REZEPT_ANZAHL; ++j) {
        EXPECT_EQ(Rezepte[j].Ergebnis, ergebnis[j]) << j;
        EXPECT_EQ(Rezepte[j].Stufe, stufe[j]) << j;
        for (int16_t z : Rezepte[j].Zutaten) EXPECT_TRUE(z == 0 || IstItemId(z)) << j;
    }
    // The tent takes three cloths, the electric pump six parts.
    EXPECT_EQ(Rezepte[11].Zutaten[1], 1080);
    EXPECT_EQ(Rezepte[11].Zutaten[3], 1080);
    EXPECT_EQ(Rezepte[13].Zutaten[5], 1055);
}

TEST(Rezepte, AvailabilityByLevelAndRange)
{
    struct Fall {
        int rezept, stufe;
        bool verfuegbar;
    } const faelle[] = {
        {0, 0, false}, {0, 1, true},  {9, 3, false}, {9, 4, true},  {16, 9, true},
        {16, 10, true}, {17, 10, false}, {-1, 10, false}, {1 << 30, 10, false},
    };
    for (const Fall& f : faelle) EXPECT_EQ(RezeptVerfuegbar(f.rezept, f.stufe), f.verfuegbar) << f.rezept << " " << f.stufe;
    EXPECT_EQ(RezeptMitIndex(17), nullptr);
    EXPECT_EQ(RezeptMitIndex(-5), nullptr);
    EXPECT_EQ(RezeptMitIndex(16), &Rezepte[16]);
}

}  // namespace
