#include "framework/shell.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstring>

#include "../arbeitsordner.h"
#include "pack_helfer.h"
#include "framework/frame.h"
#include "framework/intro.h"
#include "framework/myapp.h"
#include "framework/setup.h"
#include "platform/gfx_recording.h"
#include "platform/image.h"
#include "platform/os.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "interaction/reise.h"
#include "interaction/szenen.h"
#include "world/records.h"

namespace {

const char* const kListen[] = {"Boden.txt",      "Fig_Anims.txt",  "Items.txt",
                               "Level001.txt",   "s_Mesh.txt",     "Schrift000.txt",
                               "Schrift001.txt", "Schrift002.txt", "Schrift003.txt"};

}  // namespace

class Programm : public Arbeitsordner {
protected:
    std::vector<std::string> boxen;
    gfx::RecordingDevice* dev = nullptr;
    ShellOptions optionen;

    void SetUp() override
    {
        Arbeitsordner::SetUp();
        SpielGlobals = SpielGlobalsBlock{};
        os::CaptureMessageBoxes(&boxen);
        optionen.lockPath = (std::filesystem::current_path() / "velquor.lock").string();
        optionen.playIntro = false;
        optionen.showWindow = false;
        optionen.makeDevice = [this](std::string&) -> std::unique_ptr<gfx::Device> {
            auto d = std::make_unique<gfx::RecordingDevice>();
            dev = d.get();
            return d;
        };
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        Arbeitsordner::TearDown();
    }

    void Daten()
    {
        std::vector<std::pair<std::string, std::string>> listen;
        for (const char* l : kListen) listen.push_back({l, ""});
        listen[3].second = "[Load_Texturen] schwarz.png 0 [Load_Energie]";
        listen[7].second = "g0.png g1.png";
        Schreibe("Data/Pack16.gzp", Pack(listen));
        Schreibe("Data/Pack3.gzp", Pack({{"schwarz.png", Png(200)}}));
        Schreibe("Data/Pack7.gzp", Pack({{"g0.png", Png(200)}, {"g1.png", Png(200)}}));
        // Every other pack of language 0, empty.
        for (const char* p : {"1", "2", "4", "5", "6", "8", "9", "10", "11", "12", "13", "14", "15"})
            Schreibe("Data/Pack" + std::string(p) + ".gzp", Pack({}));
        Schreibe("Data/Setup.txt",
                 "FILTER 1\nSHADOW 1\nSHADOW_ENTITY 1\nSHADOW_ITEM 1\nSHADOW_OBJEKT 1\nSHADOW_VEGETATION 0\n"
                 "VEGETATION 1\nPARTIKEL 2\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR 24\nCLOUDS 1\nFOG 1\n"
                 "DETAILMAP 1\nMUSIC 1\nSOUND 1\nSOUND_VOLUME -300\nSOUND_VOLUME_SPRACHE -600\n"
                 "EINHEIT_ANTWORTET 1\nSORT_SPEED 5\nFULLSCREEN 0\nLAN 0\n");
    }
};

TEST_F(Programm, StartsRunsFramesAndDeletesWhatItUnpacked)
{
    Daten();
    Schreibe("Gamestate/S_Town3.dat", "x");
    Schreibe("Wind000.wav", "x");
    Schreibe("Intro002.bmp", "x");
    Schreibe("behalten.txt", "x");
    ASSERT_TRUE(StarteProgramm(optionen));
    EXPECT_TRUE(boxen.empty()) << boxen.front();
    ASSERT_NE(dev, nullptr);
    for (const char* l : kListen) EXPECT_TRUE(os::FileExists(l)) << l;
    EXPECT_FALSE(os::FileExists("schwarz.png"));
    EXPECT_NE(MyApp.Texturen[0], 0u);
    EXPECT_NE(MyApp.SchriftTexturen[201], 0u);
    EXPECT_EQ(MyApp.m_d3dpp.format, gfx::Format::X8R8G8B8);
    EXPECT_EQ(dev->State().Get(gfx::SamplerState::MinFilter), gfx::filter::Linear);
    EXPECT_EQ(dev->State().Get(gfx::SamplerState::AddressU), gfx::address::Clamp);
    EXPECT_FLOAT_EQ(Cam.Auge[1], 250.0f);

    for (int32_t modus : {0, 3000, 1000, 10000, 11000}) {
        SpielModus = modus;
        dev->ClearCalls();
        FrameSchritt();
        int praesentiert = 0;
        for (const gfx::Call& c : dev->Calls()) praesentiert += c.type == gfx::CallType::Present;
        EXPECT_GE(praesentiert, 1) << modus;  // the window was made active when it was shown
    }
    EXPECT_EQ(BeendenFlag, 0);

    BeendeProgramm();
    for (const char* l : kListen) EXPECT_FALSE(os::FileExists(l)) << l;
    EXPECT_FALSE(os::FileExists("Gamestate/S_Town3.dat"));
    EXPECT_FALSE(os::FileExists("Wind000.wav"));
    EXPECT_FALSE(os::FileExists("Intro002.bmp"));
    EXPECT_TRUE(os::FileExists("behalten.txt"));
    EXPECT_TRUE(os::FileExists("Data/Setup.txt"));
    EXPECT_EQ(MyApp.m_pd3dDevice, nullptr);
}

// A pack missing or no pack at all: the message names it and the game ends before it runs half loaded.
TEST_F(Programm, AMissingOrUnreadablePackIsNamedAndTheGameDoesNotStart)
{
    struct Fall {
        const char* pack;
        const char* inhalt;  // null: the file is missing
    };
    for (const Fall& f : {Fall{"Data/Pack12.gzp", nullptr}, Fall{"Data/Pack9.gzp", "kein Pack"},
                          Fall{"Data/Pack14.gzp", ""}}) {
        Daten();
        if (f.inhalt)
            Schreibe(f.pack, f.inhalt);
        else
            std::filesystem::remove(f.pack);
        boxen.clear();
        ASSERT_TRUE(StarteProgramm(optionen));
        EXPECT_EQ(BeendenFlag, 1) << f.pack;
        ASSERT_FALSE(boxen.empty()) << f.pack;
        EXPECT_NE(boxen.front().find(f.pack), std::string::npos) << boxen.front();
        EXPECT_EQ(boxen.back(), "|Init() - FAILED");
        EXPECT_EQ(MyApp.Texturen[0], 0u) << f.pack;  // nothing was loaded
        BeendeProgramm();
    }
}

TEST_F(Programm, ASecondInstanceEndsAtOnce)
{
    const int fd = open(optionen.lockPath.c_str(), O_RDWR | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(WinMain(optionen), kExitFehler);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Velquor Kerrowind is already running.\n");
    EXPECT_EQ(dev, nullptr);
    close(fd);
}

TEST_F(Programm, FailedStartUpIsReportedAndShutsDownCleanly)
{
    Daten();
    optionen.makeDevice = [](std::string& fehler) -> std::unique_ptr<gfx::Device> {
        fehler = "kein Geraet";
        return nullptr;
    };
    EXPECT_EQ(WinMain(optionen), kExitFehler);
    EXPECT_EQ(boxen, (std::vector<std::string>{"|CreateDevice() - FAILED", "|Init() - FAILED"}));
    EXPECT_EQ(BeendenFlag, 1);
    EXPECT_FALSE(os::FileExists("Level001.txt"));
    // The instance lock is free again.
    EXPECT_TRUE(os::AcquireSingleInstance(optionen.lockPath));
    os::ReleaseSingleInstance();
}

TEST_F(Programm, AStartFindsEveryLayersGlobalsAsAFreshProcessHasThem)
{
    Daten();
    // What a game played before in the same process left behind, in every layer.
    SpielModus = 1000;
    Figuren[3].Aktiv = 1;
    SonderOrt = 1;
    TutorialSchritt = 7;
    EditorAktiv = 1;
    InfoPanelZaehler = 250;
    BildNummer = 99;
    VideoLaeuft = 0;
    MyApp.PickX = 9;
    HinweisGezeigt[2] = 1;
    SchwebeTexte[0].Aktiv = 1;
    GespraechsPhase = 3;
    SzenenSchwankPhase = 1.5f;
    KartenAnimation = -500.0f;
    ZufallSaat(77);
    ASSERT_TRUE(StarteProgramm(optionen));
    EXPECT_EQ(SpielModus, 0);
    EXPECT_EQ(Figuren[3].Aktiv, 0);
    EXPECT_EQ(SonderOrt, 0);
    EXPECT_EQ(TutorialSchritt, 0);
    EXPECT_EQ(EditorAktiv, 0);
    EXPECT_EQ(InfoPanelZaehler, 0);
    EXPECT_EQ(BildNummer, 0u);
    EXPECT_EQ(VideoLaeuft, 1);
    EXPECT_EQ(MyApp.PickX, 0);
    EXPECT_EQ(HinweisGezeigt[2], 0);
    EXPECT_EQ(SchwebeTexte[0].Aktiv, 0);
    EXPECT_EQ(GespraechsPhase, 0);
    EXPECT_EQ(SzenenSchwankPhase, 0.0f);
    EXPECT_EQ(KartenAnimation, 0.0f);
    EXPECT_EQ(ZufallZustand(), 1u);
    BeendeProgramm();
}
