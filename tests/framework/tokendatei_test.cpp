#include "framework/tokendatei.h"

#include "../arbeitsordner.h"

TEST(TokenDatei, WordsAcrossLinesAndTypedValues) {
    TokenDatei d;
    d.Setze("  [Load_Models]\r\nHaus.x\t\n 12 -7 0.025  2147483647 -2147483648 ");
    std::string w;
    int32_t i = 0;
    float f = 0;
    ASSERT_TRUE(d.Wort(w));
    EXPECT_EQ(w, "[Load_Models]");
    ASSERT_TRUE(d.Wort(w));
    EXPECT_EQ(w, "Haus.x");
    ASSERT_TRUE(d.Ganzzahl(i));
    EXPECT_EQ(i, 12);
    ASSERT_TRUE(d.Ganzzahl(i));
    EXPECT_EQ(i, -7);
    ASSERT_TRUE(d.Kommazahl(f));
    EXPECT_EQ(f, 0.025f);
    ASSERT_TRUE(d.Ganzzahl(i));
    EXPECT_EQ(i, INT32_MAX);
    ASSERT_TRUE(d.Ganzzahl(i));
    EXPECT_EQ(i, INT32_MIN);
    EXPECT_FALSE(d.Wort(w));
    EXPECT_TRUE(d.Fehlgeschlagen());
}

TEST(TokenDatei, AMalformedValueFailsEveryLaterRead) {
    for (const char* schlecht : {"12abc", "2147483648", "-2147483649", "x", "0x10", "1.5"}) {
        TokenDatei d;
        d.Setze(std::string(schlecht) + " 5 wort");
        int32_t i = 99;
        std::string w;
        EXPECT_FALSE(d.Ganzzahl(i)) << schlecht;
        EXPECT_EQ(i, 99) << schlecht;
        EXPECT_FALSE(d.Wort(w)) << schlecht;
    }
    // A word that starts with a NUL byte, hexadecimal and other non-decimal floats end the reading.
    const std::string schlechteKommazahlen[] = {"nan", "inf", "0x1p-5", "0x10", std::string("\0", 1),
                                                std::string("\0" "7", 2), "1.5f", "1e999", "."};
    for (const std::string& schlecht : schlechteKommazahlen) {
        TokenDatei d;
        d.Setze("FRAMERATE " + schlecht + " FOG 7");
        std::string w;
        float f = 1;
        ASSERT_TRUE(d.Wort(w));
        EXPECT_FALSE(d.Kommazahl(f)) << schlecht;
        EXPECT_EQ(f, 1.0f) << schlecht;
        EXPECT_FALSE(d.Wort(w)) << schlecht;
    }
    TokenDatei d;
    d.Setze(std::string("COLOR \0 FOG 7"));
    int32_t i = 5;
    std::string w;
    ASSERT_TRUE(d.Wort(w));
    EXPECT_FALSE(d.Ganzzahl(i));
    EXPECT_EQ(i, 5);
    float f = 0;
    d.Setze("0.025 1e-3 -2 +3");
    for (float erwartet : {0.025f, 1e-3f, -2.0f, 3.0f}) {
        ASSERT_TRUE(d.Kommazahl(f));
        EXPECT_EQ(f, erwartet);
    }
}

TEST(TokenDatei, CopiesAWordIntoAFixedEntryWithoutOverflow) {
    char eintrag[20 + 1];
    eintrag[20] = '#';  // the byte after the entry
    KopiereWort(eintrag, 20, std::string(30, 'a'));
    EXPECT_EQ(std::string(eintrag), std::string(19, 'a'));
    EXPECT_EQ(eintrag[20], '#');
    KopiereWort(eintrag, 20, "kurz");
    EXPECT_STREQ(eintrag, "kurz");
    for (int i = 4; i < 20; ++i) EXPECT_EQ(eintrag[i], 0);
}

class TokenDateiDatei : public Arbeitsordner {};

TEST_F(TokenDateiDatei, OpensWithoutRegardToCase) {
    Schreibe("Data/liste.txt", "eins zwei");
    TokenDatei d;
    ASSERT_TRUE(d.Oeffnen("DATA/Liste.TXT"));
    std::string w;
    ASSERT_TRUE(d.Wort(w));
    EXPECT_EQ(w, "eins");
    EXPECT_FALSE(d.Oeffnen("fehlt.txt"));
    EXPECT_FALSE(d.Wort(w));
}
