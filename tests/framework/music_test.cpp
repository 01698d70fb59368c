#include "framework/music.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "framework/sound.h"
#include "platform/audio.h"
#include "platform/random.h"
#include "tests/audio_files.h"
#include "world/records.h"

namespace {

class MusicTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = testfiles::Folder("music");
        ASSERT_TRUE(testfiles::WriteMp3(dir + "/long.mp3", 8.0));
        ASSERT_TRUE(testfiles::WriteMp3(dir + "/short.mp3", 0.3, 600));
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(dir); }

    void SetUp() override {
        SetupWerte.MUSIC = 1;
        SetupWerte.SOUND_VOLUME = 0;
        MusikLautstaerke = 0;
        MusikFadeLautstaerke = 0;
        MusikTrack = 0;
        SpielModus = 3000;
        SonderOrt = 0;
        std::memset(Figuren, 0, sizeof Figuren);
        ASSERT_TRUE(SoundInit(nullptr));
        for (int32_t slot : {0, 1, 2, 4, 5}) Lade(slot, "long.mp3");
    }
    void TearDown() override {
        for (int32_t k = 0; k < kMusikSlots; ++k) GibMusikFrei(k);
        SoundBeenden();
    }
    static void Lade(int32_t slot, const std::string& name) {
        std::string path = dir + "/" + name;
        ASSERT_TRUE(LadeMusik(slot, std::wstring(path.begin(), path.end()).c_str()));
    }
    // The slot that sounds now, -1 for none.
    static int32_t Spielt() {
        for (int32_t k = 0; k < kMusikSlots; ++k)
            if (audio::MusicPlaying(k)) return k;
        return -1;
    }
    // One town frame as the world logic and the frame dispatch run the music.
    static void Stadtframe(bool kampf) {
        if (kampf) MusikZuKampf();
        else MusikZuIngame();
        MusikTakt(MusikTrack);
    }
    static std::string dir;
};
std::string MusicTest::dir;

TEST_F(MusicTest, TrackByGameMode) {
    struct Case {
        int32_t modus, vorher;
        uint8_t sonderOrt;
        bool kampf;
        int32_t track;  // afterwards; it also sounds
    } cases[] = {
        {2000, 0, 0, false, 4},  {3000, 1, 0, false, 4},  {4000, 5, 0, false, 4},  {5000, 2, 0, false, 4},
        {6000, 0, 0, false, 4},  {7000, 0, 0, false, 4},  {8000, 0, 0, false, 4},  {11000, 0, 0, false, 4},
        {14000, 0, 0, false, 4}, {1000, 4, 0, false, 0},  {1000, 1, 0, false, 1},  {10000, 2, 0, false, 0},
        {9000, 4, 1, true, 2},   {1000, 0, 1, true, 2},   {1000, 0, 0, true, 0},   // a fight counts on a special location only
        {1000, 5, 0, false, 5},  // the fight music is left to the fades
    };
    for (const Case& c : cases) {
        for (int32_t k : {0, 1, 2, 4, 5}) MusikZurueckspulen(k);
        SpielModus = c.modus;
        MusikTrack = c.vorher;
        SonderOrt = c.sonderOrt;
        Figuren[7].Aktiv = 1;
        Figuren[7].ImKampf = c.kampf ? 1 : 0;
        if (c.vorher == 5) SpieleMusik(5);
        MusikNachModus();
        EXPECT_EQ(MusikTrack, c.track) << c.modus << " from " << c.vorher;
        EXPECT_EQ(Spielt(), c.track) << c.modus << " from " << c.vorher;
    }
}

TEST_F(MusicTest, OtherModesChangeNothing) {
    MusikLautstaerke = -500;
    MusikNachModus();  // the menu track at -500
    ASSERT_EQ(Spielt(), 4);
    MusikLautstaerke = -2000;
    for (int32_t modus : {5001, 6001, 7001, 7019, 0, 999, 12000, 13000, 15000}) {
        SpielModus = modus;
        MusikNachModus();
        EXPECT_EQ(MusikTrack, 4) << modus;
        EXPECT_EQ(Spielt(), 4) << modus;
        EXPECT_FLOAT_EQ(audio::MusicVolume(4), -500) << modus;  // not re-volumed either
    }
}

TEST_F(MusicTest, FadeIntoTheFightAndBack) {
    SpielModus = 1000;
    MusikNachModus();
    ASSERT_EQ(Spielt(), 0);
    for (int frame = 1; frame <= 60; ++frame) {
        Stadtframe(true);
        ASSERT_EQ(MusikTrack, 0) << frame;
        ASSERT_FLOAT_EQ(MusikLautstaerke, -50.0f * frame) << frame;
        ASSERT_FLOAT_EQ(audio::MusicVolume(0), -50.0f * frame) << frame;
    }
    Stadtframe(true);  // faded out: the fight music starts quiet
    EXPECT_EQ(MusikTrack, 5);
    EXPECT_EQ(Spielt(), 5);
    EXPECT_FLOAT_EQ(audio::MusicVolume(5), -3000);
    for (int frame = 1; frame <= 60; ++frame) Stadtframe(true);
    EXPECT_FLOAT_EQ(MusikLautstaerke, 0);
    Stadtframe(true);
    EXPECT_FLOAT_EQ(MusikLautstaerke, 0);  // stays at the configured volume

    for (int frame = 1; frame <= 60; ++frame) Stadtframe(false);
    EXPECT_EQ(MusikTrack, 5);
    EXPECT_FLOAT_EQ(MusikLautstaerke, -3000);
    ZufallSaat(1);
    int32_t erwartet = Zufall() % 2;
    ZufallSaat(1);
    Stadtframe(false);
    EXPECT_EQ(MusikTrack, erwartet);
    EXPECT_EQ(Spielt(), erwartet);
    EXPECT_FLOAT_EQ(audio::MusicVolume(erwartet), -3000);
    for (int frame = 1; frame <= 60; ++frame) Stadtframe(false);
    EXPECT_FLOAT_EQ(MusikLautstaerke, 0);
}

TEST_F(MusicTest, FadeInStopsAtTheConfiguredVolume) {
    MusikFadeLautstaerke = -1025;
    SetupWerte.SOUND_VOLUME_SPRACHE = -1025;
    MusikTrack = 5;
    MusikLautstaerke = -3000;
    for (int frame = 0; frame < 100; ++frame) MusikZuKampf();
    EXPECT_FLOAT_EQ(MusikLautstaerke, -1025);
    MusikTrack = 0;
    MusikLautstaerke = -3000;
    for (int frame = 0; frame < 100; ++frame) MusikZuIngame();
    EXPECT_FLOAT_EQ(MusikLautstaerke, -1025);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME_SPRACHE, -1025);
}

TEST_F(MusicTest, MusicOffMovesOnlyTheValue) {
    SetupWerte.MUSIC = 0;
    SpielModus = 1000;
    MusikNachModus();
    SpieleMusik(0);
    EXPECT_EQ(Spielt(), -1);
    for (int frame = 0; frame < 61; ++frame) Stadtframe(true);
    EXPECT_FLOAT_EQ(MusikLautstaerke, -3000);
    EXPECT_EQ(Spielt(), -1);
    for (int frame = 0; frame < 61; ++frame) Stadtframe(false);
    EXPECT_EQ(Spielt(), -1);
    for (int frame = 0; frame < 60; ++frame) Stadtframe(false);
    EXPECT_FLOAT_EQ(MusikLautstaerke, 0);
    EXPECT_EQ(Spielt(), -1);
}

TEST_F(MusicTest, TownTracksAlternateAtTheirEnd) {
    Lade(0, "short.mp3");
    Lade(1, "short.mp3");
    SpielModus = 1000;
    std::vector<int32_t> folge{MusikTrack};
    for (int frame = 0; frame < 1000 && folge.size() < 4; ++frame) {
        MusikNachModus();
        MusikTakt(MusikTrack);
        if (MusikTrack != folge.back()) folge.push_back(MusikTrack);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(folge, (std::vector<int32_t>{0, 1, 0, 1}));
}

TEST_F(MusicTest, MenuTrackStartsOverAtItsEnd) {
    Lade(4, "short.mp3");
    MusikTrack = 4;
    MusikNachModus();
    bool zuEnde = false;
    for (int frame = 0; frame < 1000 && !zuEnde; ++frame) {
        zuEnde = audio::MusicEnded(4);
        MusikTakt(MusikTrack);
        MusikNachModus();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(zuEnde);
    EXPECT_EQ(MusikTrack, 4);
    EXPECT_EQ(Spielt(), 4);
}

TEST_F(MusicTest, FightTrackEndingMidFightComesBackAfterAFade) {
    Lade(5, "short.mp3");
    SpielModus = 1000;
    MusikTrack = 5;
    MusikLautstaerke = 0;
    SpieleMusik(5);
    for (int frame = 0; frame < 1000 && MusikTrack == 5; ++frame) {
        Stadtframe(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(MusikTrack, 0);  // the end of track 5 hands over to the town music...
    EXPECT_EQ(Spielt(), 0);
    for (int frame = 1; frame <= 60; ++frame) Stadtframe(true);
    EXPECT_FLOAT_EQ(MusikLautstaerke, -3000);  // ...which the fight fades out again
    Stadtframe(true);
    EXPECT_EQ(MusikTrack, 5);
    EXPECT_EQ(Spielt(), 5);
}

TEST_F(MusicTest, SlotsOutsideTheRangeAndEmptySlotsAreIgnored) {
    for (int32_t slot : {-1, 3, 100, 32000}) {
        SpieleMusik(slot);
        MusikZurueckspulen(slot);
        MusikTakt(slot);
        GibMusikFrei(slot);
    }
    MusikTrack = 32000;  // from a damaged save
    SpielModus = 3000;
    MusikNachModus();
    EXPECT_EQ(MusikTrack, 4);
    EXPECT_EQ(Spielt(), 4);
    EXPECT_FALSE(LadeMusik(6, L"nicht_da.mp3"));
    EXPECT_TRUE(audio::MusicLoaded(6));  // a slot that plays nothing
}

}  // namespace
