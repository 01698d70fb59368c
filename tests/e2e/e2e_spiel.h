#pragma once
// The real game, headless, on a private copy of the generated demo data, driven frame by frame with
// synthetic mouse input. Every e2e test derives its fixture from SpielE2E; screenshots go to
// build-test/e2e_screens/.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "framework/myapp.h"
#include "framework/shell.h"
#include "platform/image.h"
#include "platform/os.h"
#include "platform/window.h"
#include "world/figur_hilfen.h"
#include "world/new_game.h"
#include "world/records.h"

class SpielE2E : public ::testing::Test {
protected:
    std::filesystem::path spiel, bilder;
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        namespace fs = std::filesystem;
        const fs::path daten = fs::path(VELQUOR_BINARY_DIR) / "game";
        ASSERT_TRUE(fs::exists(daten / "Data" / "Pack3.gzp")) << "the demo data is built into " << daten;
        // A copy of its own: the game writes settings, saves and unpacked files.
        spiel = fs::path(::testing::TempDir()) / ("velquor_e2e_" + std::to_string(getpid()));
        fs::remove_all(spiel);
        fs::copy(daten, spiel, fs::copy_options::recursive);
        bilder = fs::path(VELQUOR_BINARY_DIR) / "e2e_screens";
        fs::create_directories(bilder);
        os::CaptureMessageBoxes(&meldungen);
    }

    void TearDown() override
    {
        namespace fs = std::filesystem;
        BeendeProgramm();  // does nothing when the test ended the program itself; the music must not outlive it
        os::CaptureMessageBoxes(nullptr);
        fs::current_path(VELQUOR_BINARY_DIR);
        fs::remove_all(spiel);
        fs::remove(spiel.string() + ".lock");
    }

    // Starts the game without its intro and runs the loading sequence into the main menu.
    void StarteBisHauptmenue()
    {
        ShellOptions optionen;
        optionen.workDir = spiel.string();
        optionen.lockPath = spiel.string() + ".lock";
        optionen.playIntro = false;
        ASSERT_TRUE(StarteProgramm(optionen));
        ASSERT_NE(MyApp.m_pd3dDevice, nullptr);
        Frames(2);
        ASSERT_EQ(SpielModus, 3000);
    }

    // From the main menu straight into a new game in town 0 (the new-game screen's way in).
    void InStadtNull()
    {
        ASSERT_TRUE(StarteStadtNull());
        ASSERT_EQ(SpielModus, 1000);
        Frames(2);
    }

    void Bild(const std::string& name)
    {
        image::Image img;
        img.width = 1024;
        img.height = 768;
        img.rgba = MyApp.m_pd3dDevice->ReadBackBuffer();
        std::string fehler;
        EXPECT_TRUE(image::SavePng((bilder / (name + ".png")).string(), img, fehler)) << fehler;
    }

    // The files below a folder, as paths relative to it.
    static std::set<std::string> Dateien(const std::filesystem::path& ordner)
    {
        namespace fs = std::filesystem;
        std::set<std::string> namen;
        for (const auto& e : fs::recursive_directory_iterator(ordner))
            if (e.is_regular_file()) namen.insert(fs::relative(e.path(), ordner).string());
        return namen;
    }

    static void Frames(int n)
    {
        for (int i = 0; i < n && BeendenFlag == 0; ++i) FrameSchritt();
    }

    static void Zeiger(int x, int y) { win::PostMessage(win::msg::MouseMove, 0, win::MakeLParam(x, y)); }

    // The left button pressed at (x, y), the pointer moved there first; no frame runs.
    static void Druecke(int x, int y)
    {
        Zeiger(x, y);
        win::PostMessage(win::msg::LButtonDown, win::mk::LButton, win::MakeLParam(x, y));
    }

    // A left click at (x, y): moved there, pressed for one frame, released in the next.
    static void Klick(int x, int y)
    {
        Druecke(x, y);
        FrameSchritt();
        win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(x, y));
        FrameSchritt();
    }

    // A drag with the left button from (x, y) to (bisX, bisY), two frames at each end.
    static void Ziehe(int x, int y, int bisX, int bisY)
    {
        Druecke(x, y);
        Frames(2);
        Zeiger(bisX, bisY);
        Frames(2);
        win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(bisX, bisY));
        Frames(1);
    }

    // The first squad member in town, selected into the squad bar's first slot; -1 when there is none.
    static int WaehleErstesMitglied()
    {
        int mitglied = -1;
        for (int i = 0; i < FIGUREN_ANZAHL && mitglied < 0; ++i)
            if (Figuren[i].Aktiv == 1 && IstTrupp(Figuren[i].Typ)) mitglied = i;
        if (mitglied < 0) return -1;
        AuswahlSlots[0] = Figuren[mitglied].Id;
        AuswahlIndex = 0;
        return mitglied;
    }

    // Puts the member with this id two free cells off the first entrance of this kind that has them
    // and writes the walk order in, as the entrance order gives it; the entrance's cell in x and z,
    // false when the town has no such entrance. The frames that walk it in are the caller's.
    static bool SchickeZumEingang(int id, int art, int& x, int& z)
    {
        auto frei = [](int fx, int fz) {
            const StadtFeld* f = FeldBei(fx, fz);
            return f && f->Blockiert == 0 && f->Eingang == 0 && f->Belegt == 0;
        };
        for (x = 1; x < GITTER_GROESSE - 2; ++x)
            for (z = 1; z < GITTER_GROESSE - 2; ++z) {
                if (StadtGitter[x][z].Eingang != art) continue;
                const int d[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
                for (const auto& r : d) {
                    const int vx = x + r[0], vz = z + r[1], sx = x + 2 * r[0], sz = z + 2 * r[1];
                    if (!frei(vx, vz) || !frei(sx, sz)) continue;
                    FigurRecord& f = Figuren[AktiveFigurMitId(id)];
                    StadtGitter[ZelleVon(f.Position[0])][ZelleVon(f.Position[2])].Belegt = 0;
                    f.Position[0] = f.Wegpunkt[0] = 10.0f * float(sx);
                    f.Position[2] = f.Wegpunkt[2] = 10.0f * float(sz);
                    StadtGitter[sx][sz].Belegt = 1;
                    f.Ziel[0] = 10.0f * float(vx);
                    f.Ziel[2] = 10.0f * float(vz);
                    f.Befehl = 2;
                    f.Wartet = f.ImKampf = f.HeilAuftrag = 0;
                    f.ZielId = KEINE_FIGUR;
                    f.EingangsZiel[0] = 10.0f * float(x);
                    f.EingangsZiel[2] = 10.0f * float(z);
                    return true;
                }
            }
        return false;
    }

    // The same with the right button.
    static void RechtsKlick(int x, int y)
    {
        Zeiger(x, y);
        win::PostMessage(win::msg::RButtonDown, win::mk::RButton, win::MakeLParam(x, y));
        FrameSchritt();
        win::PostMessage(win::msg::RButtonUp, 0, win::MakeLParam(x, y));
        FrameSchritt();
    }
};
