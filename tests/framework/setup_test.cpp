#include "framework/setup.h"

#include <cstring>

#include "../arbeitsordner.h"
#include "framework/music.h"
#include "platform/os.h"
#include "world/spielglobals.h"

namespace {

// The file the data set ships, as the options screen writes it.
const char* const kGeliefert =
    "FILTER 1\nSHADOW 1\nSHADOW_ENTITY 1\nSHADOW_ITEM 1\nSHADOW_OBJEKT 1\nSHADOW_VEGETATION 0\n"
    "VEGETATION 1\nPARTIKEL 2\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR 32\nCLOUDS 1\nFOG 1\nDETAILMAP 1\n"
    "MUSIC 1\nSOUND 1\nSOUND_VOLUME -300\nSOUND_VOLUME_SPRACHE -600\nEINHEIT_ANTWORTET 1\nSORT_SPEED 5\n"
    "FULLSCREEN 0\nLAN 0\n";

class Setup : public Arbeitsordner {
protected:
    std::vector<std::string> meldungen;
    void SetUp() override {
        Arbeitsordner::SetUp();
        Zuruecksetzen();
        os::CaptureMessageBoxes(&meldungen);
    }
    void TearDown() override {
        os::CaptureMessageBoxes(nullptr);
        Arbeitsordner::TearDown();
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
    EXPECT_EQ(SetupWerte.COLOR, 32);  // the rest from the defaults
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

// The keys after a bad value are missing, so they take the defaults (SOUND 1, music volume -600).
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
        EXPECT_EQ(SetupWerte.SOUND, 1) << text;
        EXPECT_EQ(MusikFadeLautstaerke, -600) << text;
    }
}

TEST_F(Setup, AValidFileIsTakenAsItIsAndSaysNothing) {
    Lade(std::string(kGeliefert) + "DEBUG\n");
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
    EXPECT_EQ(SetupWerte.FRAMERATE, 0.025f);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME, -300);
    EXPECT_EQ(SORT_SPEED, 5);
    EXPECT_EQ(DebugModus, 1);
    // Values the options screen can set, other than the shipped ones, stay as they are.
    Lade("FILTER 2\nSHADOW 3\nSHADOW_ENTITY 0\nSHADOW_ITEM 0\nSHADOW_OBJEKT 0\nSHADOW_VEGETATION 1\n"
         "VEGETATION 0\nPARTIKEL 0\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR 16\nCLOUDS 0\nFOG 0\nDETAILMAP 1\n"
         "MUSIC 0\nSOUND 0\nSOUND_VOLUME -3050\nSOUND_VOLUME_SPRACHE 0\nEINHEIT_ANTWORTET 0\nSORT_SPEED 20\n"
         "FULLSCREEN 1\nLAN 2\n");
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
    EXPECT_EQ(SetupWerte.SHADOW, 3);
    EXPECT_EQ(SetupWerte.COLOR, 16);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME, -3050);
    EXPECT_EQ(SORT_SPEED, 20);
    EXPECT_EQ(Sprache, 2);
    EXPECT_EQ(Vollbild, 1);
}

// An empty, missing, cut or absurd file: what is missing or unusable takes the shipped value, and
// one message names the file and the keys replaced.
TEST_F(Setup, MissingOrAbsurdKeysTakeTheShippedDefaults) {
    struct Fall {
        const char* name;
        std::string text;  // "-" for no file
        const char* ersetzt;  // the keys the message names
    };
    const std::string ohneFramerate = std::string(kGeliefert).replace(std::string(kGeliefert).find("FRAMERATE"), 16, "");
    const Fall faelle[] = {
        {"leer", "", "alle"},
        {"fehlt", "-", "alle"},
        {"ohne FRAMERATE", ohneFramerate, "FRAMERATE"},
        {"absurd",
         std::string(kGeliefert) + "FRAMERATE 0 COLOR 0 SORT_SPEED 2000000000 SOUND_VOLUME 99999 PARTIKEL 70000 LAN 9",
         "SORT_SPEED, FRAMERATE, PARTIKEL, COLOR, SOUND_VOLUME, LAN"},
        {"zu langsam", std::string(kGeliefert) + "FRAMERATE 1.0 SHADOW -1 SOUND 5", "SHADOW, FRAMERATE, SOUND"},
    };
    for (const Fall& f : faelle) {
        Zuruecksetzen();
        meldungen.clear();
        std::filesystem::remove("Data/Setup.txt");
        if (f.text != "-") Schreibe("Data/Setup.txt", f.text);
        LadeSetup("Data/Setup.txt");
        EXPECT_EQ(SetupWerte.FRAMERATE, 0.025f) << f.name;
        EXPECT_EQ(SetupWerte.COLOR, 32) << f.name;
        EXPECT_EQ(SetupWerte.SHADOW, 1) << f.name;
        EXPECT_EQ(SetupWerte.PARTIKEL, 2) << f.name;
        EXPECT_EQ(SetupWerte.SOUND, 1) << f.name;
        EXPECT_EQ(SetupWerte.MUSIC, 1) << f.name;
        EXPECT_EQ(SetupWerte.SOUND_VOLUME, -300) << f.name;
        EXPECT_EQ(SetupWerte.SOUND_VOLUME_SPRACHE, -600) << f.name;
        EXPECT_EQ(MusikFadeLautstaerke, -600) << f.name;
        EXPECT_EQ(SORT_SPEED, 5) << f.name;
        EXPECT_EQ(Sprache, 0) << f.name;
        ASSERT_EQ(meldungen.size(), 1u) << f.name;
        EXPECT_NE(meldungen[0].find("Data/Setup.txt"), std::string::npos) << meldungen[0];
        EXPECT_NE(meldungen[0].find(f.ersetzt), std::string::npos) << f.name << ": " << meldungen[0];
        EXPECT_EQ(meldungen[0].find('\n'), std::string::npos) << meldungen[0];
    }
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
