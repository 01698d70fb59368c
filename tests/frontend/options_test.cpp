// The options screen: sliders at their pixel boundaries, check boxes, saving and going back.
#include <cstring>
#include <filesystem>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "frontend_fixture.h"

namespace {

class OptionsTest : public FrontendTest {
protected:
    // One frame of a page with the left button held at (x, y).
    void Ziehen(int32_t modus, int x, int y)
    {
        SpielModus = modus;
        Maus(x, y);
        MausLinksGedrueckt = 1;
        OptionenBildschirm();
    }

    // One frame with the column's counters at rest and a press on button k.
    void Knopf(int k)
    {
        for (int32_t& c : MenueZaehler) c = 500;
        Maus(870, 310 + 50 * k);
        MausLinksGedrueckt = 1;
        OptionenBildschirm();
    }
};

TEST_F(OptionsTest, SlidersTakeTheirValuesAtThePixelBoundaries)
{
    struct Fall {
        int32_t modus;
        int32_t SetupBlock::*feld;
        int y, x;
        int32_t wert;
    };
    const Fall faelle[] = {
        {5001, &SetupBlock::COLOR, 220, 190, 16},      {5001, &SetupBlock::COLOR, 220, 291, 16},
        {5001, &SetupBlock::COLOR, 220, 292, 24},      {5001, &SetupBlock::COLOR, 220, 393, 24},
        {5001, &SetupBlock::COLOR, 220, 394, 32},      {5001, &SetupBlock::COLOR, 220, 527, 32},
        {5001, &SetupBlock::FILTER, 280, 291, 0},      {5001, &SetupBlock::FILTER, 280, 292, 1},
        {5001, &SetupBlock::FILTER, 280, 394, 2},      {5001, &SetupBlock::PARTIKEL, 340, 266, 0},
        {5001, &SetupBlock::PARTIKEL, 340, 267, 1},    {5001, &SetupBlock::PARTIKEL, 340, 342, 1},
        {5001, &SetupBlock::PARTIKEL, 340, 343, 2},    {5001, &SetupBlock::PARTIKEL, 340, 418, 2},
        {5001, &SetupBlock::PARTIKEL, 340, 419, 3},    {5001, &SetupBlock::SHADOW, 400, 419, 3},
        {5001, &SetupBlock::SHADOW, 390, 266, 0},      {5002, &SetupBlock::SOUND_VOLUME, 220, 190, -3050},
        {5002, &SetupBlock::SOUND_VOLUME, 220, 494, -10}, {5002, &SetupBlock::SOUND_VOLUME, 220, 495, 0},
        {5002, &SetupBlock::SOUND_VOLUME, 220, 527, 0}, {5002, &SetupBlock::SOUND_VOLUME_SPRACHE, 290, 300, -1950},
        // Outside the input range nothing changes (the value stays at its marker 7).
        {5001, &SetupBlock::COLOR, 220, 189, 7},       {5001, &SetupBlock::COLOR, 220, 528, 7},
        {5001, &SetupBlock::COLOR, 209, 300, 7},       {5001, &SetupBlock::COLOR, 231, 300, 7},
        {5002, &SetupBlock::SOUND_VOLUME, 231, 300, 7},
    };
    for (const Fall& f : faelle) {
        SetupWerte.*f.feld = 7;
        Ziehen(f.modus, f.x, f.y);
        EXPECT_EQ(SetupWerte.*f.feld, f.wert) << f.x << "," << f.y;
        // A slider does not consume the press, so dragging goes on.
        EXPECT_EQ(MausLinksGedrueckt, 1);
    }
}

TEST_F(OptionsTest, MusicSliderSetsTheVolumeAndTheFadeTarget)
{
    Ziehen(5002, 300, 290);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME_SPRACHE, -1950);
    EXPECT_FLOAT_EQ(MusikLautstaerke, -1950.0f);
    EXPECT_EQ(MusikFadeLautstaerke, -1950);
}

TEST_F(OptionsTest, VolumeKnobFollowsTheValue)
{
    for (int32_t wert : {0, -3050, -15}) {
        dev->ClearCalls();
        SetupWerte.SOUND_VOLUME = wert;
        SpielModus = 5002;
        Maus(0, 0);
        OptionenBildschirm();
        const auto knaeufe = QuadsVon(161);
        ASSERT_EQ(knaeufe.size(), 2u);
        EXPECT_FLOAT_EQ(knaeufe[0].x, 491.0f + wert / 10);
        EXPECT_FLOAT_EQ(knaeufe[0].y, 205);
    }
}

TEST_F(OptionsTest, CheckBoxesToggleOncePerPress)
{
    struct Fall {
        int32_t modus;
        int32_t SetupBlock::*feld;
        int x, y;
    };
    const Fall faelle[] = {
        {5001, &SetupBlock::SHADOW_ENTITY, 320, 460}, {5001, &SetupBlock::SHADOW_OBJEKT, 390, 460},
        {5001, &SetupBlock::SHADOW_ITEM, 460, 460},   {5001, &SetupBlock::CLOUDS, 320, 500},
        {5001, &SetupBlock::FOG, 320, 540},           {5001, &SetupBlock::VEGETATION, 320, 580},
        {5002, &SetupBlock::EINHEIT_ANTWORTET, 320, 340}, {5002, &SetupBlock::SOUND, 320, 380},
        {5002, &SetupBlock::MUSIC, 320, 420},
    };
    for (const Fall& f : faelle) {
        // A value other than 0 and 1 (only possible from the file) becomes 1.
        SetupWerte.*f.feld = 5;
        Ziehen(f.modus, f.x, f.y);
        EXPECT_EQ(SetupWerte.*f.feld, 1);
        EXPECT_EQ(MausLinksGedrueckt, 0);
        OptionenBildschirm();  // the press was consumed
        EXPECT_EQ(SetupWerte.*f.feld, 1);
        Ziehen(f.modus, f.x, f.y);
        EXPECT_EQ(SetupWerte.*f.feld, 0);
    }
}

TEST_F(OptionsTest, PageButtonsSwitchPagesAndKeepTheCounters)
{
    SpielModus = 5000;
    Knopf(1);
    EXPECT_EQ(SpielModus, 5002);
    EXPECT_EQ(MenueZaehler[1], 520);
    EXPECT_EQ(MenueZaehler[0], 500);
    // The page shows in the same frame and sets the page offset.
    EXPECT_EQ(MenueSeitenVersatz, 576);
    EXPECT_EQ(QuadsVon(252).size(), 1u);
    Knopf(0);
    EXPECT_EQ(SpielModus, 5001);
}

TEST_F(OptionsTest, SavedFileHasTheTwentyTwoLinesAndReadsBackToTheSameValues)
{
    SetupBlock& s = SetupWerte;
    s.FILTER = 2; s.SHADOW = 3; s.SHADOW_ENTITY = 1; s.SHADOW_ITEM = 0; s.SHADOW_OBJEKT = 1;
    s.SHADOW_VEGETATION = 1; s.VEGETATION = 1; s.PARTIKEL = 2; s.ANIM_SPEED = 9; s.FRAMERATE = 0.5f;
    s.COLOR = 24; s.CLOUDS = 0; s.FOG = 1; s.DETAILMAP = 0; s.MUSIC = 0; s.SOUND = 1;
    s.SOUND_VOLUME = -1200; s.SOUND_VOLUME_SPRACHE = -3050; s.EINHEIT_ANTWORTET = 1;
    SORT_SPEED = 5;
    Vollbild = 1;
    Sprache = 2;
    const SetupBlock gespeichert = s;

    SpielModus = 5001;
    Knopf(2);
    EXPECT_EQ(SpielModus, 5000);
    for (int32_t c : MenueZaehler) EXPECT_EQ(c, 0);
    EXPECT_EQ(LeseText("Data/Setup.txt"),
              "FILTER 2\nSHADOW 3\nSHADOW_ENTITY 1\nSHADOW_ITEM 0\nSHADOW_OBJEKT 1\nSHADOW_VEGETATION 1\n"
              "VEGETATION 1\nPARTIKEL 2\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR 24\nCLOUDS 0\nFOG 1\n"
              "DETAILMAP 1\nMUSIC 0\nSOUND 1\nSOUND_VOLUME -1200\nSOUND_VOLUME_SPRACHE -3050\n"
              "EINHEIT_ANTWORTET 1\nSORT_SPEED 5\nFULLSCREEN 1\nLAN 2\n");
    EXPECT_FALSE(std::filesystem::exists("Data/Setup.txt.tmp"));
    // The file is read again at once: its fixed values are in effect without a restart.
    EXPECT_EQ(s.ANIM_SPEED, 2);
    EXPECT_FLOAT_EQ(s.FRAMERATE, 0.025f);
    EXPECT_EQ(s.DETAILMAP, 1);

    std::memset(&SetupWerte, 0, sizeof SetupWerte);
    SORT_SPEED = 0;
    Vollbild = 0;
    Sprache = 0;
    LadeSetup("Data/Setup.txt");
    EXPECT_EQ(s.FILTER, gespeichert.FILTER);
    EXPECT_EQ(s.SHADOW, gespeichert.SHADOW);
    EXPECT_EQ(s.SHADOW_ENTITY, gespeichert.SHADOW_ENTITY);
    EXPECT_EQ(s.SHADOW_ITEM, gespeichert.SHADOW_ITEM);
    EXPECT_EQ(s.SHADOW_OBJEKT, gespeichert.SHADOW_OBJEKT);
    EXPECT_EQ(s.SHADOW_VEGETATION, gespeichert.SHADOW_VEGETATION);
    EXPECT_EQ(s.VEGETATION, gespeichert.VEGETATION);
    EXPECT_EQ(s.PARTIKEL, gespeichert.PARTIKEL);
    EXPECT_EQ(s.COLOR, gespeichert.COLOR);
    EXPECT_EQ(s.CLOUDS, gespeichert.CLOUDS);
    EXPECT_EQ(s.FOG, gespeichert.FOG);
    EXPECT_EQ(s.MUSIC, gespeichert.MUSIC);
    EXPECT_EQ(s.SOUND, gespeichert.SOUND);
    EXPECT_EQ(s.SOUND_VOLUME, gespeichert.SOUND_VOLUME);
    EXPECT_EQ(s.SOUND_VOLUME_SPRACHE, gespeichert.SOUND_VOLUME_SPRACHE);
    EXPECT_EQ(s.EINHEIT_ANTWORTET, gespeichert.EINHEIT_ANTWORTET);
    // The three fixed values are written whatever memory held.
    EXPECT_EQ(s.ANIM_SPEED, 2);
    EXPECT_FLOAT_EQ(s.FRAMERATE, 0.025f);
    EXPECT_EQ(s.DETAILMAP, 1);
    EXPECT_EQ(SORT_SPEED, 5);
    EXPECT_EQ(Vollbild, 1);
    EXPECT_EQ(Sprache, 2);
}

TEST_F(OptionsTest, BackDropsUnsavedChanges)
{
    SetupWerte.COLOR = 32;
    SetupWerte.SOUND_VOLUME = -500;
    SpielModus = 5000;
    Knopf(2);  // save
    ASSERT_TRUE(std::filesystem::exists("Data/Setup.txt"));

    Ziehen(5001, 200, 220);
    EXPECT_EQ(SetupWerte.COLOR, 16);
    Ziehen(5002, 190, 220);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME, -3050);

    for (uint8_t ausStadt : {0, 1}) {
        MenueAusStadt = ausStadt;
        SpielModus = 5002;
        Knopf(3);
        EXPECT_EQ(SpielModus, ausStadt ? 1000 : 3000);
        EXPECT_EQ(MenueAusStadt, 0);
        EXPECT_EQ(SetupWerte.COLOR, 32);
        EXPECT_EQ(SetupWerte.SOUND_VOLUME, -500);
    }
}

TEST_F(OptionsTest, SavingWithSoundOffSilencesTheTownLoops)
{
    TonEin({13, 15});
    SpieleSoundSchleife(13);
    SpieleSoundSchleife(15);
    RegenSoundLaeuft = 1;
    WindSoundLaeuft = 1;
    SetupWerte.SOUND = 0;
    SpielModus = 5000;
    Knopf(2);
    EXPECT_EQ(RegenSoundLaeuft, 0);
    EXPECT_EQ(WindSoundLaeuft, 0);
    EXPECT_EQ(SoundLaeuft(13), 1);
    EXPECT_EQ(SoundLaeuft(15), 1);
}

TEST_F(OptionsTest, LongTextEntriesAreCutNeverOverrun)
{
    // Entries are up to 254 characters; a label composes two of them.
    for (int e : {32, 33, 34, 35, 36, 37, 39, 68}) {
        std::memset(TextStandard[e], 'A', 254);
        TextStandard[e][254] = 0;
    }
    for (int32_t sprache : {0, 2}) {
        Sprache = sprache;
        SpielModus = 5001;
        Maus(0, 0);
        OptionenBildschirm();
    }
    SUCCEED();
}

TEST_F(OptionsTest, UnwritableFileWritesNothingAndStillAppliesTheSwitches)
{
    std::filesystem::remove_all("Data");  // no folder: the file cannot be opened
    SetupWerte.MUSIC = 0;
    SpielModus = 5000;
    Knopf(2);
    EXPECT_EQ(SpielModus, 5000);
    EXPECT_FALSE(std::filesystem::exists("Data/Setup.txt"));
}

}  // namespace
