// Inputs the fuzz targets found, kept as cases: each failed before its fix.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/texte.h"
#include "framework/tokendatei.h"

// A word that starts with a NUL byte once read as the number 0 (the reader stopped at the NUL).
TEST(FuzzFunde, AWordWithANulByteIsNoNumber)
{
    const std::string woerter[] = {std::string("\0[Load_Boden_Tiles]", 19), std::string("12\0" "34", 5),
                                   std::string("7\0", 2)};
    for (const std::string& wort : woerter) {
        TokenDatei d;
        d.Setze(wort + " 5");
        int32_t i = -1;
        EXPECT_FALSE(d.Ganzzahl(i)) << wort.size();
        EXPECT_EQ(i, -1);
        d.Setze(wort + " 5");
        float f = -1;
        EXPECT_FALSE(d.Kommazahl(f)) << wort.size();
        EXPECT_EQ(f, -1.0f);
    }
}

// A word with a NUL byte in it was used as its part before the NUL: "zw\0ei" filled its text entry
// as "zw". It ends the reading as any word that is no text, and the entries after it stay.
TEST(FuzzFunde, AWordWithANulByteIsNoWord)
{
    TokenDatei d;
    d.Setze(std::string("eins zw\0ei drei", 15));
    std::string wort;
    EXPECT_TRUE(d.Wort(wort));
    EXPECT_FALSE(d.Wort(wort));
    EXPECT_FALSE(d.Wort(wort));

    const auto ordner = std::filesystem::temp_directory_path() / ("velquor_funde_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "text.txt").string();
    std::strcpy(TextStandard[1], "vorher");
    std::ofstream(datei, std::ios::binary) << std::string("eins zw\0ei drei", 15);
    LadeTextStandard(datei.c_str());
    EXPECT_STREQ(TextStandard[0], "eins");
    EXPECT_STREQ(TextStandard[1], "vorher");
    std::filesystem::remove_all(ordner);
}

// Slot names that read back differently after a save: a NUL byte in the line kept the bytes after
// it, which the save dropped; a blank at the cut to the entry's length stayed, and the next load
// dropped it.
TEST(FuzzFunde, SlotNamesReadTheSameAfterASave)
{
    const auto ordner = std::filesystem::temp_directory_path() / ("velquor_funde_" + std::to_string(getpid()));
    std::filesystem::create_directories(ordner);
    const std::string datei = (ordner / "save.dat").string();
    std::ofstream(datei, std::ios::binary) << std::string("code\0\0zhanie_2\nzwei\n", 20);
    LadeSpeicherSlotNamen(datei.c_str());
    char gelesen[SPEICHERSLOTS][TEXT_LAENGE];
    std::memcpy(gelesen, SpeicherSlotNamen, sizeof gelesen);
    EXPECT_STREQ(gelesen[0], "code");
    ASSERT_TRUE(SchreibeSpeicherSlotNamen(datei.c_str()));
    LadeSpeicherSlotNamen(datei.c_str());
    EXPECT_EQ(std::memcmp(gelesen, SpeicherSlotNamen, sizeof gelesen), 0);

    // A name longer than its entry, cut right after a blank: kept with the blank, it lost it at the
    // next load.
    std::ofstream(datei, std::ios::binary) << std::string(TEXT_LAENGE - 2, 'x') << "\tyy\n";
    LadeSpeicherSlotNamen(datei.c_str());
    EXPECT_EQ(std::string(SpeicherSlotNamen[0]), std::string(TEXT_LAENGE - 2, 'x'));
    std::memcpy(gelesen, SpeicherSlotNamen, sizeof gelesen);
    ASSERT_TRUE(SchreibeSpeicherSlotNamen(datei.c_str()));
    LadeSpeicherSlotNamen(datei.c_str());
    EXPECT_EQ(std::memcmp(gelesen, SpeicherSlotNamen, sizeof gelesen), 0);
    std::filesystem::remove_all(ordner);
}
