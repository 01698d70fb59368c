// The new-game screen (sliders at their pixel boundaries, the title strip, name field, back, the
// preview) and the new game's start in the tutorial map.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "frontend/new_game.h"
#include "frontend_fixture.h"
#include "interaction/tutorial.h"
#include "platform/gfx_recording.h"
#include "platform/os.h"
#include "world/anzeige.h"
#include "world/gamefiles.h"

namespace {

class NeuesSpielTest : public FrontendTest {
protected:
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        FrontendTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        FensterAktiv = 1;
        SetupWerte.FRAMERATE = 0.0f;
        SpielModus = 6000;
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        FrontendTest::TearDown();
    }

    void Frame(int x, int y, bool links)
    {
        Maus(x, y);
        MausLinksGedrueckt = links ? 1 : 0;
        NeuesSpielBildschirm();
    }

    // The templates of the 20 towns (each marked by its first byte), the tutorial's state with
    // records 0..2 in use, and its map.
    static void SchreibeVorlagen()
    {
        for (int i = 0; i < 20; ++i) {
            std::vector<uint8_t> d(STADTZUSTANDDATEI_GROESSE, 0);
            d[0] = uint8_t(i + 1);
            SchreibeDatei("Data/Player_Data/S_Town" + std::to_string(i) + ".dat", d);
        }
        std::vector<uint8_t> d(STADTZUSTANDDATEI_GROESSE, 0);
        for (int i = 0; i < 3; ++i) d[sizeof Behaelter + i * sizeof(FigurRecord) + offsetof(FigurRecord, Aktiv)] = 1;
        SchreibeDatei("Data/Player_Data/S_Tutorial.dat", d);
        SchreibeDatei("Data/Towns/Tutorial.dat", std::vector<uint8_t>(STADTDATEI_GROESSE, 0));
    }
};

TEST_F(NeuesSpielTest, SlidersTakeTheirValuesAtThePixelBoundaries)
{
    struct Fall {
        int32_t* wert;
        int y, x, erwartet;
    };
    int32_t& stufe = Schwierigkeitsgrad;
    const Fall faelle[] = {
        {&stufe, 290, 90, 0},  {&stufe, 290, 191, 0}, {&stufe, 290, 192, 1},  {&stufe, 290, 293, 1},
        {&stufe, 280, 294, 2}, {&stufe, 300, 427, 2},
        // Outside the input range the value stays at its marker 1.
        {&stufe, 290, 89, 1},  {&stufe, 290, 428, 1}, {&stufe, 279, 300, 1},  {&stufe, 301, 300, 1},
        {&AussehenWahl[0], 350, 90, 0},  {&AussehenWahl[0], 350, 120, 0}, {&AussehenWahl[0], 350, 121, 1},
        {&AussehenWahl[0], 350, 365, 8}, {&AussehenWahl[0], 350, 366, 9}, {&AussehenWahl[0], 340, 427, 9},
        {&AussehenWahl[2], 410, 121, 1}, {&AussehenWahl[2], 420, 366, 9}, {&AussehenWahl[1], 470, 121, 1},
        {&AussehenWahl[1], 480, 366, 9}, {&AussehenWahl[1], 481, 366, 1}, {&AussehenWahl[0], 339, 366, 1},
    };
    for (const Fall& f : faelle) {
        *f.wert = 1;
        Frame(f.x, f.y, true);
        EXPECT_EQ(*f.wert, f.erwartet) << f.x << "," << f.y;
        EXPECT_EQ(MausLinksGedrueckt, 1);  // dragging goes on
    }
    // The knobs show the values: difficulty 2 at x 391, look 9 at x 379.
    Schwierigkeitsgrad = 2;
    AussehenWahl[0] = 9;
    dev->ClearCalls();
    Frame(0, 0, false);
    std::vector<float> knoepfe;
    for (const Quad& q : QuadsVon(161)) knoepfe.push_back(q.x);
    ASSERT_EQ(knoepfe.size(), 4u);
    EXPECT_FLOAT_EQ(knoepfe[0], 391.0f);
    EXPECT_FLOAT_EQ(knoepfe[1], 379.0f);
}

TEST_F(NeuesSpielTest, TitleStripNameFieldAndBack)
{
    Schwierigkeitsgrad = 0;
    for (int i = 0; i < 3; ++i) Frame(600, 130, true);
    EXPECT_EQ(Schwierigkeitsgrad, 2);
    for (int i = 0; i < 3; ++i) {
        Maus(600, 120);
        MausRechtsGedrueckt = 1;
        NeuesSpielBildschirm();
        EXPECT_EQ(MausRechtsGedrueckt, 0);
    }
    EXPECT_EQ(Schwierigkeitsgrad, 0);
    // A difficulty from a save outside 0..2 is brought back into it.
    Schwierigkeitsgrad = 9;
    Frame(0, 0, false);
    EXPECT_EQ(Schwierigkeitsgrad, 2);

    Frame(82, 217, true);
    EXPECT_EQ(SpielModus, 6001);
    EXPECT_EQ(MausLinksGedrueckt, 0);

    // Back always leads to the main menu, also when the menus came from the town.
    MenueAusStadt = 1;
    for (int32_t& c : MenueZaehler) c = 500;
    Frame(800, 310, true);
    EXPECT_EQ(SpielModus, 3000);
    EXPECT_EQ(MenueAusStadt, 1);
    for (int32_t c : MenueZaehler) EXPECT_EQ(c, 0);
    EXPECT_EQ(MenueSeitenVersatz, 0);
}

TEST_F(NeuesSpielTest, PreviewDrawsIntoTheShadowTargetOnlyWhenItExists)
{
    auto zielWechsel = [&] {
        std::vector<gfx::Texture> ziele;
        for (const gfx::Call& c : dev->Calls())
            if (c.type == gfx::CallType::SetRenderTarget) ziele.push_back(c.handle);
        return ziele;
    };
    MyApp.SchattenTextur = 0;
    dev->ClearCalls();
    Frame(0, 0, false);
    EXPECT_TRUE(zielWechsel().empty());
    EXPECT_EQ(QuadsVon(174).size(), 1u);

    MyApp.SchattenTextur = dev->CreateRenderTarget(256, 256, gfx::Format::A8R8G8B8);
    dev->ClearCalls();
    Frame(0, 0, false);
    EXPECT_EQ(zielWechsel(), (std::vector<gfx::Texture>{MyApp.SchattenTextur, 0}));
    EXPECT_EQ(Figuren[0].Typ, 1);
    EXPECT_EQ(Figuren[0].Zustand, 2);
    MyApp.SchattenTextur = 0;
}

TEST_F(NeuesSpielTest, StartMakesWorkingCopiesAndEntersTheTutorial)
{
    SchreibeVorlagen();
    std::memset(Figuren, 0, sizeof Figuren);
    std::memset(StadtTabelle, 0, sizeof StadtTabelle);
    StadtTabelle[25].Wasser = 9;
    Schwierigkeitsgrad = 2;
    AussehenWahl[0] = 3;
    // What a game before left: a conversation, a close-up scene, an item on the mouse.
    GespraechsPartner = 17;
    GespraechsFigur = 4;
    InteraktionsModus = 2;
    CursorItem = 1035;
    CursorItemAnzahl = 1;
    GespraechsPhase = 3;

    ASSERT_TRUE(StarteNeuesSpiel());
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(TutorialSchritt, 1);
    EXPECT_EQ(AktuelleStadt, 0);
    EXPECT_EQ(CursorIndex, 2);
    EXPECT_EQ(GespraechsPartner, 0);
    EXPECT_EQ(GespraechsFigur, 0);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(CursorItem, 0);
    EXPECT_EQ(CursorItemAnzahl, 0);
    EXPECT_EQ(GespraechsPhase, 0);
    EXPECT_EQ(Schwierigkeitsgrad, 2);
    EXPECT_EQ(StadtTabelle[25].Wasser, 9);
    for (int i = 0; i < 20; ++i) {
        std::vector<uint8_t> kopie;
        ASSERT_TRUE(os::ReadFile("Gamestate/S_Town" + std::to_string(i) + ".dat", kopie));
        ASSERT_EQ(kopie.size(), STADTZUSTANDDATEI_GROESSE);
        EXPECT_EQ(kopie[0], i + 1);
        // The tutorial starts every town clean.
        EXPECT_EQ(StadtTabelle[i].Verseuchung, 0) << i;
    }
    EXPECT_EQ(StadtTabelle[19].Besitzer, 2);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) EXPECT_EQ(Figuren[i].Id, i + 1);
    const FigurRecord& ich = Figuren[3];
    EXPECT_EQ(ich.Aktiv, 1);
    EXPECT_EQ(ich.EigeneFigur, 1);
    EXPECT_EQ(ich.Stufe, 5);
    EXPECT_EQ(ich.Aussehen[0], 3);
    EXPECT_EQ(ich.Inventar[0][0].ItemId, 1003);
    EXPECT_EQ(ich.Inventar[0][0].ItemAnzahl, 12);
    EXPECT_EQ(ich.Inventar[0][1].ItemId, 1012);
    EXPECT_EQ(ich.Inventar[0][2].ItemId, 1035);
    EXPECT_EQ(Figuren[4].Aktiv, 0);  // the tutorial spawns nobody
}

// A device that notes the pointer each shown frame had.
class CursorZeuge : public gfx::RecordingDevice {
public:
    std::vector<int32_t> cursor;
    bool Present() override
    {
        cursor.push_back(CursorIndex);
        return RecordingDevice::Present();
    }
};

TEST_F(NeuesSpielTest, TheHourglassShowsWhileTheWorkingCopiesAreWritten)
{
    SchreibeVorlagen();
    auto zeuge = std::make_unique<CursorZeuge>();
    CursorZeuge& z = *zeuge;
    MyApp.m_pd3dDevice = std::move(zeuge);
    MyApp.CreateQuad();
    const uint8_t pixel[4] = {255, 255, 255, 255};
    for (gfx::Texture& t : MyApp.Texturen) t = z.CreateTexture(1, 1, pixel);
    dev = &z;
    SetzeCursor(2);
    ASSERT_TRUE(StarteNeuesSpiel());
    // The bar is shown once per town, each time under the hourglass.
    EXPECT_GE(std::count(z.cursor.begin(), z.cursor.end(), 5), 20);
    EXPECT_EQ(CursorIndex, 2);

    // A copy that cannot be written ends the start with the pointer back.
    std::filesystem::remove_all("Gamestate");
    std::filesystem::create_directories("Gamestate/S_Town3.dat");
    meldungen.clear();
    EXPECT_FALSE(StarteNeuesSpiel());
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(CursorIndex, 2);
}

TEST_F(NeuesSpielTest, MissingOrShortTemplateIsRefusedBeforeAnythingChanges)
{
    auto kaputt = [](int fall) {
        if (fall == 0) std::filesystem::remove("Data/Player_Data/S_Town7.dat");
        if (fall == 1) SchreibeDatei("Data/Player_Data/S_Town12.dat", std::vector<uint8_t>(100));
        if (fall == 2) std::filesystem::remove("Data/Towns/Tutorial.dat");
        if (fall == 3) {
            // No record left free for the own figure.
            SchreibeDatei("Data/Player_Data/S_Tutorial.dat", std::vector<uint8_t>(STADTZUSTANDDATEI_GROESSE, 1));
        }
    };
    for (int fall = 0; fall < 4; ++fall) {
        SchreibeVorlagen();
        kaputt(fall);
        std::filesystem::remove_all("Gamestate");
        meldungen.clear();
        SpielModus = 6000;
        TutorialSchritt = 0;
        Figuren[3].Aktiv = 1;
        Figuren[3].Id = 4;
        FeindStaerke = 55;
        EXPECT_FALSE(StarteNeuesSpiel()) << fall;
        EXPECT_EQ(meldungen.size(), 1u) << fall;
        EXPECT_EQ(SpielModus, 6000);
        EXPECT_EQ(TutorialSchritt, 0);
        EXPECT_EQ(FeindStaerke, 55);
        EXPECT_EQ(Figuren[3].Id, 4);
        EXPECT_FALSE(os::FileExists("Gamestate/S_Town0.dat")) << fall;
    }
}

}  // namespace
