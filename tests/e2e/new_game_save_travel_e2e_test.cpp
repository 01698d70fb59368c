// The real game on the demo data: a new game from the main menu into the tutorial, its recruiter's
// second answer into the campaign in town 0, a save into slot 3 under a name, the world map and a
// journey, then slot 3 loaded back into town 0 with the records exactly as saved. Every screen it
// visits is written as a PNG.
#include <cstring>
#include <string>
#include <vector>

#include "framework/texte.h"
#include "frontend/new_game.h"
#include "interaction/reise.h"
#include "interaction/tutorial.h"
#include "tests/e2e/e2e_spiel.h"
#include "world/anzeige.h"
#include "world/gamefiles.h"
#include "world/records.h"

namespace fs = std::filesystem;

namespace {

class NeuesSpielE2E : public SpielE2E {
protected:
    // A left double click: a click, then the second press as the double-click message.
    static void DoppelKlick(int x, int y)
    {
        Klick(x, y);
        win::PostMessage(win::msg::LButtonDblClk, win::mk::LButton, win::MakeLParam(x, y));
        FrameSchritt();
        win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(x, y));
        FrameSchritt();
    }

    static std::vector<uint8_t> Lies(const fs::path& pfad)
    {
        std::vector<uint8_t> d;
        EXPECT_TRUE(os::ReadFile(pfad.string(), d)) << pfad;
        return d;
    }
};

TEST_F(NeuesSpielE2E, NewGameTownZeroSaveTravelAndLoadBack)
{
    StarteBisHauptmenue();

    // "Neues Spiel": the screen with the default name, the sliders and the preview's frame.
    Frames(12);
    Klick(500, 310);
    ASSERT_EQ(SpielModus, 6000);
    Zeiger(300, 600);
    Frames(12);
    // The name field starts typing; the keyboard handler types into SpielerName and Return ends it.
    Klick(150, 205);
    EXPECT_EQ(SpielModus, 6001);
    Frames(1);
    Bild("20_new_game_typing");
    std::snprintf(SpielerName, sizeof SpielerName, "%s", "Arvid");
    SpielModus = 6000;
    // Difficulty dragged to the middle, the first look slider to its end.
    Ziehe(250, 290, 400, 350);
    EXPECT_EQ(Schwierigkeitsgrad, 1);
    EXPECT_EQ(AussehenWahl[0], 9);
    Bild("21_new_game");
    {
        // The walking figure stands in the preview's frame, lit: its face and shirt are far brighter
        // than the frame's dark ground.
        const std::vector<uint8_t> bild = MyApp.m_pd3dDevice->ReadBackBuffer();
        int hell = 0;
        for (int y = 400; y < 620; ++y)
            for (int x = 700; x < 830; ++x) {
                const uint8_t* p = &bild[(size_t(y) * 1024 + size_t(x)) * 4];
                hell += p[0] + p[1] + p[2] > 300;
            }
        EXPECT_GT(hell, 2000) << "the preview shows no figure";
    }

    // Start: the tutorial map with its state, working copies of every town, tutorial step 1.
    Klick(800, 260);
    ASSERT_EQ(SpielModus, 1000);
    EXPECT_EQ(TutorialSchritt, 1);
    EXPECT_EQ(AktuelleStadt, 0);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(os::FileExists("Gamestate/S_Town" + std::to_string(i) + ".dat")) << i;
    int eigene = -1;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        EXPECT_EQ(Figuren[i].Id, i + 1);
        if (Figuren[i].Aktiv == 1 && Figuren[i].EigeneFigur == 1) eigene = i;
    }
    ASSERT_GE(eigene, 0);
    EXPECT_EQ(Figuren[eigene].Aussehen[0], 9);
    EXPECT_EQ(Figuren[eigene].Stufe, 5);
    Frames(3);
    Bild("22_tutorial_start");

    // The tutorial's way out into the campaign: its recruiter, opened as the tutorial town opens
    // him, and his second answer starts town 0.
    TutorialSchritt = 99;  // the pause between the tutorial's parts, where the recruiter waits
    Cam.Set(38.0f, 25.0f, -21.3f, -4.432f, 11.875f, -7.826f, 0.0f, 1.0f, 0.0f);  // the close-up camera
    InteraktionsModus = 7;
    Zeiger(400, 456);
    Frames(3);
    Bild("22b_recruiter");
    Klick(400, 456);
    ASSERT_EQ(SpielModus, 1000);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(TutorialSchritt, 0);
    EXPECT_EQ(Schwierigkeitsgrad, 1);  // a start keeps the difficulty
    Frames(3);
    Bild("23_town_zero");

    // The game menu's save button: the save screen, opened from the town.
    MenueAusStadt = 1;
    SpielModus = 7000;
    Zeiger(300, 600);
    Frames(12);
    Klick(450, 245);  // slot 3
    EXPECT_EQ(SpielModus, 7004);
    std::snprintf(SpeicherSlotNamen[3], TEXT_LAENGE, "%s", "Arvids_Spiel");  // as the keyboard types it
    Frames(1);
    Bild("24_save_typing");
    DoppelKlick(450, 245);
    EXPECT_EQ(SpielModus, 7000);
    EXPECT_EQ(Dateien("save/slot3").size(), 22u);  // the towns, the globals and the slot's name
    const std::vector<uint8_t> liste = Lies("save/save.dat");
    const std::string text(liste.begin(), liste.end());
    EXPECT_NE(text.find("\r\nArvids_Spiel\r\n"), std::string::npos) << text;
    Frames(2);
    Bild("25_save");
    const std::vector<uint8_t> gespeicherteStadt = Lies("save/slot3/S_Town0.dat");
    const std::vector<uint8_t> gespeichertGlobal = Lies("save/slot3/global.dat");

    // Back into the town, then the travel button's world map.
    Frames(12);
    Klick(500, 645);
    EXPECT_EQ(SpielModus, 1000);
    Frames(2);
    KartenAnimation = 0.0f;
    SpielModus = 9000;
    Frames(2);
    Bild("26_world_map");
    // Town 1 at cell (1, 5): the first click selects it and shows the route, the second travels.
    Klick(128, 384);
    EXPECT_EQ(WeltRaster[1][5].StadtZeichen, 1);
    EXPECT_EQ(WeltRaster[1][2].StadtZeichen, 0);
    Frames(2);
    Bild("27_world_map_route");
    Klick(128, 384);
    EXPECT_EQ(AktuelleStadt, 1);
    EXPECT_EQ(TagZaehler, 3);
    EXPECT_EQ(WeltRaster[1][5].ParteiHier, 1);
    EXPECT_EQ(WeltRaster[1][2].ParteiHier, 0);
    // The party came along: the own figure is in town 1 (or on an encounter map on the way).
    bool dabei = false;
    for (const FigurRecord& f : Figuren) dabei |= f.Aktiv == 1 && f.EigeneFigur == 1;
    EXPECT_TRUE(dabei);
    Frames(3);
    Bild(SonderOrt == 1 ? "28_encounter" : "28_town_one");

    // The game menu's load button: slot 3 back, in town 0.
    MenueAusStadt = 1;
    SpielModus = 8000;
    Zeiger(300, 600);
    Frames(12);
    Bild("29_load");
    Druecke(450, 245);
    FrameSchritt();
    ASSERT_EQ(SpielModus, 1000);
    EXPECT_EQ(AktuelleStadt, 0);
    EXPECT_EQ(SonderOrt, 0);
    EXPECT_EQ(HinweisNummer, 1);
    // The records as they were saved, before the town's next frame moves anyone.
    ASSERT_EQ(gespeicherteStadt.size(), sizeof Behaelter + sizeof Figuren);
    EXPECT_EQ(std::memcmp(gespeicherteStadt.data(), Behaelter, sizeof Behaelter), 0);
    EXPECT_EQ(std::memcmp(gespeicherteStadt.data() + sizeof Behaelter, Figuren, sizeof Figuren), 0);
    const size_t welt = sizeof(SpielGlobalsBlock);
    EXPECT_EQ(std::memcmp(gespeichertGlobal.data() + welt, WeltRaster, sizeof WeltRaster), 0);
    EXPECT_EQ(std::memcmp(gespeichertGlobal.data() + welt + sizeof WeltRaster, StadtTabelle, sizeof StadtTabelle), 0);
    EXPECT_EQ(std::memcmp(gespeichertGlobal.data() + welt + sizeof WeltRaster + sizeof StadtTabelle, LichtZustand,
                          sizeof LichtZustand),
              0);
    EXPECT_EQ(TagZaehler, 0);
    win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(450, 245));
    Frames(3);
    Bild("30_loaded_town_zero");

    BeendeProgramm();
    for (const std::string& m : meldungen) ADD_FAILURE() << "message box: " << m;
}

}  // namespace
