// The real game, headless, on the generated demo data, driven frame by frame with synthetic mouse
// input: start-up, the intro skipped by a click, loading, the main menu, the options (a slider
// changed and saved), the credits, the camera sequence, the quit confirmation and a clean
// shut-down. Every screen it visits is written as a PNG into the build folder.
#include <SDL.h>

#include <string>
#include <vector>

#include "framework/intro.h"
#include "framework/myapp.h"
#include "framework/setup.h"
#include "platform/os.h"
#include "tests/e2e/e2e_spiel.h"
#include "world/records.h"

namespace fs = std::filesystem;

namespace {

class MenusE2E : public SpielE2E {};

TEST_F(MenusE2E, StartLoadMenusOptionsCreditsQuit)
{
    ShellOptions optionen;
    optionen.workDir = spiel.string();
    optionen.lockPath = spiel.string() + ".lock";
    optionen.playIntro = false;  // played below, so the test can click into it
    ASSERT_TRUE(StarteProgramm(optionen));
    ASSERT_NE(MyApp.m_pd3dDevice, nullptr);

    // The intro, stopped by a left click.
    SDL_Event klick{};
    klick.type = SDL_MOUSEBUTTONDOWN;
    klick.button.button = SDL_BUTTON_LEFT;
    klick.button.state = SDL_PRESSED;
    klick.button.x = 512;
    klick.button.y = 384;
    ASSERT_EQ(SDL_PushEvent(&klick), 1);
    EXPECT_EQ(PlayCutscene("Data/Intro.avi", MyApp.m_pd3dDevice.get()), 1);
    EXPECT_EQ(VideoAbgebrochen, 1);
    Bild("01_intro");

    // The first frame runs the whole loading sequence.
    EXPECT_EQ(SpielModus, 0);
    Frames(1);
    EXPECT_EQ(SpielModus, 13000);
    Bild("02_loading");
    EXPECT_EQ(CursorIndex, 2);
    EXPECT_EQ(MusikTrack, 4);
    Frames(1);
    EXPECT_EQ(SpielModus, 3000);

    // The main menu, its buttons risen, the pointer on "options".
    Zeiger(500, 410);
    Frames(12);
    Bild("03_main_menu");
    Klick(500, 410);
    EXPECT_EQ(SpielModus, 5000);

    // Options: the sound page, the effects volume dragged to -1950, saved.
    Frames(12);
    Klick(870, 360);
    EXPECT_EQ(SpielModus, 5002);
    Druecke(300, 220);
    Frames(3);
    win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(300, 220));
    Frames(1);
    EXPECT_EQ(SetupWerte.SOUND_VOLUME, -1950);
    Bild("04_options_sound");
    Klick(870, 310);
    EXPECT_EQ(SpielModus, 5001);
    Bild("05_options_graphics");
    Klick(870, 410);
    EXPECT_EQ(SpielModus, 5000);
    std::vector<uint8_t> datei;
    ASSERT_TRUE(os::ReadFile("Data/Setup.txt", datei));
    const std::string text(datei.begin(), datei.end());
    EXPECT_NE(text.find("SOUND_VOLUME -1950\n"), std::string::npos) << text;
    EXPECT_NE(text.find("FRAMERATE 0.025\n"), std::string::npos) << text;
    SetupWerte.SOUND_VOLUME = 0;
    LadeSetup("Data/Setup.txt");
    EXPECT_EQ(SetupWerte.SOUND_VOLUME, -1950);

    // Back to the menu, then the credits for a second.
    Frames(12);
    Klick(870, 460);
    EXPECT_EQ(SpielModus, 3000);
    Frames(12);
    Klick(500, 460);
    EXPECT_EQ(SpielModus, 2000);
    Frames(40);
    Bild("06_credits");
    Klick(500, 384);
    EXPECT_EQ(SpielModus, 3000);

    // The camera sequence, which nothing in the game enters: run to its stamp, then left by a click.
    SpielModus = 12000;
    Frames(115);
    Bild("07_camera_sequence");
    Klick(500, 384);
    EXPECT_EQ(SpielModus, 3000);  // through 15000

    // Quit, confirmed.
    Frames(12);
    Klick(500, 510);
    EXPECT_EQ(SpielModus, 4000);
    Zeiger(500, 320);
    Frames(12);
    Bild("08_quit");
    Klick(500, 320);
    EXPECT_EQ(BeendenFlag, 1);

    // Shut-down leaves exactly the files of the data set: everything unpacked is gone.
    ASSERT_TRUE(fs::exists("Click.wav"));
    ASSERT_TRUE(fs::exists("Level001.txt"));
    BeendeProgramm();
    EXPECT_EQ(Dateien(spiel), Dateien(fs::path(VELQUOR_BINARY_DIR) / "game"));
    for (const std::string& m : meldungen) ADD_FAILURE() << "message box: " << m;
}

}  // namespace
