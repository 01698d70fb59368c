#pragma once
// The real game, headless on the recording device, brought into a scene and one frame of it written
// as text (schnappschuss.h) and compared with its reference in tests/snapshots/referenz/<scene>.txt.
// The game runs on the frame clock with the random generator at seed 1, as a recorded game does,
// and spoken lines last their file's length in frames: the same scene makes the same frame.
//
// With VELQUOR_NEUE_REFERENZ=1 the frames are written as the new references instead (docs/snapshots.md).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "interaction/sprache.h"
#include "platform/audio.h"
#include "platform/gfx_recording.h"
#include "platform/keyboard.h"
#include "tests/e2e/e2e_spiel.h"
#include "tests/snapshots/schnappschuss.h"

class SchnappschussE2E;

// One scene of the table: its name (the reference's file name), the steps from the main menu into
// it, and the passes the snapshot keeps (all when none are named); the frame after the steps is the
// snapshot.
struct Szene {
    const char* name;
    std::function<void(SchnappschussE2E&)> aufbau;
    std::vector<std::string> paesse = {};
};

class SchnappschussE2E : public SpielE2E, public ::testing::WithParamInterface<Szene> {
public:
    using SpielE2E::Druecke;
    using SpielE2E::Klick;
    using SpielE2E::RechtsKlick;
    using SpielE2E::Zeiger;
    using SpielE2E::Ziehe;
    using SpielE2E::InStadtNull;

    static void Frames(int n) { SpielE2E::Frames(n); }

    gfx::RecordingDevice* geraet = nullptr;

    static std::filesystem::path Referenzordner()
    {
        return std::filesystem::path(VELQUOR_SOURCE_DIR) / "tests" / "snapshots" / "referenz";
    }

    // Starts the game into the main menu (or, for the loading scene, up to its first frame).
    void Starte()
    {
        ShellOptions optionen;
        optionen.workDir = spiel.string();
        optionen.lockPath = spiel.string() + ".lock";
        optionen.playIntro = false;
        // Recording the input puts the game on the frame clock at seed 1; the recording is dropped.
        optionen.aufnahme = spiel.string() + "_eingabe.txt";
        optionen.makeDevice = [this](std::string&) {
            // Calls are kept only for the snapshot's frame: a log of every frame would fill memory.
            auto d = std::make_unique<gfx::RecordingDevice>(false);
            geraet = d.get();
            return std::unique_ptr<gfx::Device>(std::move(d));
        };
        SprachUhrNachBildern(40);
        ASSERT_TRUE(StarteProgramm(optionen));
        ASSERT_NE(geraet, nullptr);
    }

    // Runs one frame and writes it as text.
    std::string NimmBild(const std::vector<std::string>& paesse = {})
    {
        std::vector<std::string> toene;
        geraet->ClearCalls();
        geraet->KeepCalls(true);
        audio::SetLog(&toene);
        FrameSchritt();
        audio::SetLog(nullptr);
        geraet->KeepCalls(false);
        std::string text = Schnappschuss(*geraet, toene, paesse);
        geraet->ClearCalls();
        return text;
    }

    void TearDown() override
    {
        audio::SetLog(nullptr);
        kbd::ClearForcedKeys();
        SprachUhrNachBildern(0);
        SpielE2E::TearDown();
        std::filesystem::remove(spiel.string() + "_eingabe.txt");
    }

    void Pruefe(const Szene& szene)
    {
        Starte();
        if (HasFatalFailure()) return;
        std::string bild;
        // The loading scene is the first frame, which runs the whole loading sequence.
        if (std::string(szene.name) == "laden") {
            bild = NimmBild();
        } else {
            Frames(2);
            ASSERT_EQ(SpielModus, 3000);
            szene.aufbau(*this);
            if (HasFatalFailure()) return;
            bild = NimmBild(szene.paesse);
        }
        for (const std::string& m : meldungen) ADD_FAILURE() << "scene " << szene.name << ": message box: " << m;

        const std::filesystem::path datei = Referenzordner() / (std::string(szene.name) + ".txt");
        if (std::getenv("VELQUOR_NEUE_REFERENZ")) {
            std::filesystem::create_directories(Referenzordner());
            std::ofstream(datei, std::ios::binary) << bild;
            return;
        }
        std::ifstream in(datei, std::ios::binary);
        ASSERT_TRUE(in) << "scene " << szene.name << ": no reference " << datei
                        << "; record it with VELQUOR_NEUE_REFERENZ=1 (docs/snapshots.md)";
        std::stringstream erwartet;
        erwartet << in.rdbuf();
        const std::string unterschied = SchnappschussUnterschied(erwartet.str(), bild);
        EXPECT_TRUE(unterschied.empty())
            << "scene " << szene.name << ": the frame differs from tests/snapshots/referenz/" << szene.name << ".txt\n"
            << unterschied << "If the change is meant, review the new frame against what the game must show, then record it:\n"
            << "  cd build-test && VELQUOR_NEUE_REFERENZ=1 SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "
            << "./tests/test_snapshots --gtest_filter='*" << szene.name << "*'";
    }
};

inline std::string SzenenName(const ::testing::TestParamInfo<Szene>& info) { return info.param.name; }
inline void PrintTo(const Szene& szene, std::ostream* os) { *os << szene.name; }
