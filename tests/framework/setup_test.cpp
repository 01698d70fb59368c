#include "framework/setup.h"

#include <cstring>

#include "../arbeitsordner.h"
#include "framework/music.h"
#include "world/spielglobals.h"

namespace {

class Setup : public Arbeitsordner {
protected:
    void SetUp() override {
        Arbeitsordner::SetUp();
        Zuruecksetzen();
    }
    static void Zuruecksetzen() {
        std::memset(&SetupWerte, 0, sizeof SetupWerte);
        SORT_SPEED = 0;
        MusikLautstaerke = 0;
        Sprache = 0;
        Vollbild = DebugModus = CheatHilfe = 0;
        MusikFadeLautstaerke = 0;
    }
    static void Lade(const std::string& text) {
        Schreibe("Data/Setup.txt", text);
        LadeSetup("Data/Setup.txt");
    }
};

struct Fall {
    const char* text;
    int32_t SetupBlock::*feld;
    int32_t erwartet;
};

TEST_F(Setup, ReadsEachKeyIntoItsTarget) {
    const Fall faelle[] = {
        {"FILTER 2", &SetupBlock::FILTER, 2},
        {"FILTER_2D 1", &SetupBlock::FILTER_2D, 1},
        {"SHADOW\n3", &SetupBlock::SHADOW, 3},  // key and value on different lines
        {"SHADOW_ENTITY 1", &SetupBlock::SHADOW_ENTITY, 1},
        {"SHADOW_OBJEKT 1", &SetupBlock::SHADOW_OBJEKT, 1},
        {"SHADOW_ITEM 1", &SetupBlock::SHADOW_ITEM, 1},
        {"SHADOW_VEGETATION 1", &SetupBlock::SHADOW_VEGETATION, 1},
        {"ANIM_SPEED 2", &SetupBlock::ANIM_SPEED, 2},
        {"VEGETATION 1", &SetupBlock::VEGETATION, 1},
        {"PARTIKEL 2", &SetupBlock::PARTIKEL, 2},
        {"BUFFER 1", &SetupBlock::BUFFER, 1},
        {"COLOR 32", &SetupBlock::COLOR, 32},
        {"CLOUDS 1", &SetupBlock::CLOUDS, 1},
        {"FOG 1", &SetupBlock::FOG, 1},
        {"DETAILMAP 1", &SetupBlock::DETAILMAP, 1},
        {"SOUND 1", &SetupBlock::SOUND, 1},
        {"MUSIC 1", &SetupBlock::MUSIC, 1},
        {"SOUND_VOLUME -2000", &SetupBlock::SOUND_VOLUME, -2000},
        {"EINHEIT_ANTWORTET 1", &SetupBlock::EINHEIT_ANTWORTET, 1},
        {"COLOR 16 COLOR 24", &SetupBlock::COLOR, 24},  // the later value wins
        {"lan 2 color 7 FOO 3 FOG 1", &SetupBlock::FOG, 1},  // other case and unknown words skipped
    };
    for (const Fall& f : faelle) {
        Zuruecksetzen();
        Lade(f.text);
        EXPECT_EQ(SetupWerte.*f.feld, f.erwartet) << f.text;
        EXPECT_EQ(Sprache, 0) << f.text;
    }
}

TEST_F(Setup, ValuesOutsideTheBlock) {
    Lade("LAN 2");
    EXPECT_EQ(Sprache, 2);
    EXPECT_EQ(SetupWerte.COLOR, 0);
    Lade("SORT_SPEED 25 FULLSCREEN 1 FRAMERATE 0.025 DEBUG CHEAT_I_NEED_HELP");
    EXPECT_EQ(SORT_SPEED, 25);
    EXPECT_EQ(Vollbild, 1);
    EXPECT_EQ(SetupWerte.FRAMERATE, 0.025f);
    EXPECT_EQ(DebugModus, 1);
    EXPECT_EQ(CheatHilfe, 1);
    Lade("SOUND_VOLUME_SPRACHE -3000");
    EXPECT_EQ(SetupWerte.SOUND_VOLUME_SPRACHE, -3000);
    EXPECT_EQ(MusikFadeLautstaerke, -3000);
    EXPECT_EQ(MusikLautstaerke, -3000.0f);
    EXPECT_EQ(CheatHilfe, 1);  // stays set until the program ends
}

TEST_F(Setup, ABadValueEndsTheReadingThere) {
    const char* schlecht[] = {
        "FOG 1 FULLSCREEN 2 SOUND 1",
        "FOG 1 SOUND_VOLUME 4294966296 SOUND 1",  // was a long: now 32 bits like every value
        "FOG 1 SOUND_VOLUME_SPRACHE -2147483649 SOUND 1",
        "FOG 1 FRAMERATE schnell SOUND 1",
        "FOG 1 COLOR 32bit SOUND 1",
        "FOG 1 SOUND",
    };
    for (const char* text : schlecht) {
        Zuruecksetzen();
        Lade(text);
        EXPECT_EQ(SetupWerte.FOG, 1) << text;
        EXPECT_EQ(SetupWerte.SOUND, 0) << text;
        EXPECT_EQ(MusikFadeLautstaerke, 0) << text;
    }
}

TEST_F(Setup, MissingFileChangesNothing) {
    SetupWerte.COLOR = 32;
    LadeSetup("Data/Setup.txt");
    EXPECT_EQ(SetupWerte.COLOR, 32);
}

TEST_F(Setup, WriterWritesTheOptionsScreensTwentyTwoLinesAndReadsBack) {
    Lade("DEBUG CHEAT_I_NEED_HELP FILTER_2D 1 BUFFER 1 FILTER 2 SHADOW 1 SHADOW_ENTITY 1 SHADOW_ITEM 0 "
         "SHADOW_OBJEKT 1 SHADOW_VEGETATION 1 VEGETATION 1 PARTIKEL 2 ANIM_SPEED 7 FRAMERATE 0.5 COLOR 32 "
         "CLOUDS 1 FOG 0 DETAILMAP 0 MUSIC 1 SOUND 1 SOUND_VOLUME -1500 SOUND_VOLUME_SPRACHE -2500 "
         "EINHEIT_ANTWORTET 1 SORT_SPEED 20 FULLSCREEN 1 LAN 1");
    ASSERT_TRUE(SchreibeSetup("Data/Setup.txt"));
    EXPECT_EQ(Lies("Data/Setup.txt"),
              "FILTER 2\nSHADOW 1\nSHADOW_ENTITY 1\nSHADOW_ITEM 0\nSHADOW_OBJEKT 1\nSHADOW_VEGETATION 1\n"
              "VEGETATION 1\nPARTIKEL 2\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR 32\nCLOUDS 1\nFOG 0\n"
              "DETAILMAP 1\nMUSIC 1\nSOUND 1\nSOUND_VOLUME -1500\nSOUND_VOLUME_SPRACHE -2500\n"
              "EINHEIT_ANTWORTET 1\nSORT_SPEED 20\nFULLSCREEN 1\nLAN 1\n");
    Zuruecksetzen();
    LadeSetup("Data/Setup.txt");
    EXPECT_EQ(SetupWerte.FRAMERATE, 0.025f);
    EXPECT_EQ(SetupWerte.ANIM_SPEED, 2);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME_SPRACHE, -2500);
    EXPECT_EQ(Sprache, 1);
    EXPECT_EQ(CheatHilfe, 0);  // the writer drops the switches
    EXPECT_EQ(SetupWerte.BUFFER, 0);
}

TEST_F(Setup, WriterReportsAFileItCannotWrite) {
    EXPECT_FALSE(SchreibeSetup("Fehlt/Setup.txt"));
}

}  // namespace
