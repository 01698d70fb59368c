#pragma once
// The real game, headless on the recording device, brought into a scene and one frame of it written
// as text (schnappschuss.h) and compared with its reference in tests/snapshots/referenz/<scene>.txt.
// The game runs on the frame clock with the random generator at seed 1, as a recorded game does,
// and spoken lines last their file's length in frames: the same scene makes the same frame.
//
// With VELQUOR_NEUE_REFERENZ=1 the frames are written as the new references instead (docs/snapshots.md).
#include <cstddef>
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
#include "world/anzeige.h"
#include "world/records.h"

class SchnappschussE2E;

// One scene of the table: its name (the reference's file name), the steps from the main menu into
// it, and the passes the snapshot keeps (all when none are named); the frame after the steps is the
// snapshot. A screen with a loop of its own (the raid battle) is run by `schleife` instead of one
// frame of the main loop, and its frame ending with the `bild`-th present (from 1; 0: the last
// presented) is the snapshot.
struct Szene {
    const char* name;
    std::function<void(SchnappschussE2E&)> aufbau;
    std::vector<std::string> paesse = {};
    std::function<void()> schleife = {};
    int bild = 0;
};

// The recording device of the scenes. Calls are kept only while a frame is taken: a log of every
// frame would fill memory. A loop that presents many frames keeps only the frame chosen by
// `Waehle` with the sounds started in it; the presents before it drop theirs.
class SchnappschussGeraet : public gfx::RecordingDevice {
public:
    SchnappschussGeraet() : gfx::RecordingDevice(false) {}

    // From now on every present ends a frame; `toene` is the sound log filled meanwhile.
    void Waehle(int bild, const std::vector<std::string>* toene)
    {
        gesucht_ = bild;
        gezaehlt_ = 0;
        toene_ = toene;
        toeneSeit_ = toene->size();
        bild_.clear();
        bildToene_.clear();
        ClearCalls();
        KeepCalls(true);
    }
    void Ende()
    {
        toene_ = nullptr;
        KeepCalls(false);
        ClearCalls();
    }
    const std::vector<gfx::Call>& Bild() const { return bild_; }
    const std::vector<std::string>& BildToene() const { return bildToene_; }
    int Presents() const { return gezaehlt_; }

    bool Present() override
    {
        const bool ok = gfx::RecordingDevice::Present();
        if (!toene_) return ok;
        ++gezaehlt_;
        if (gesucht_ == 0 || gezaehlt_ == gesucht_) {
            bild_ = Calls();
            bildToene_.assign(toene_->begin() + std::ptrdiff_t(toeneSeit_), toene_->end());
        }
        toeneSeit_ = toene_->size();
        ClearCalls();
        if (gezaehlt_ == gesucht_) KeepCalls(false);
        return ok;
    }

private:
    int gesucht_ = 0, gezaehlt_ = 0;
    const std::vector<std::string>* toene_ = nullptr;
    size_t toeneSeit_ = 0;
    std::vector<gfx::Call> bild_;
    std::vector<std::string> bildToene_;
};

class SchnappschussE2E : public SpielE2E, public ::testing::WithParamInterface<Szene> {
public:
    using SpielE2E::Druecke;
    using SpielE2E::Klick;
    using SpielE2E::RechtsKlick;
    using SpielE2E::Zeiger;
    using SpielE2E::Ziehe;
    using SpielE2E::InStadtNull;
    using SpielE2E::SchickeZumEingang;
    using SpielE2E::WaehleErstesMitglied;

    static void Frames(int n) { SpielE2E::Frames(n); }

    // Town 0 of a new game with the first visit's hint put away and no rain, as most scenes want it.
    void InStadtNullRuhig()
    {
        InStadtNull();
        HinweisSichtbar = 0;
        RegenAktiv = 0;
    }

    SchnappschussGeraet* geraet = nullptr;

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
            auto d = std::make_unique<SchnappschussGeraet>();
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

    // Runs a loop of its own and writes the frame it presented as its `bild`-th (0: the last).
    std::string NimmBildAusSchleife(const Szene& szene)
    {
        std::vector<std::string> toene;
        audio::SetLog(&toene);
        geraet->Waehle(szene.bild, &toene);
        szene.schleife();
        audio::SetLog(nullptr);
        std::string text;
        if (szene.bild > geraet->Presents())
            ADD_FAILURE() << "scene " << szene.name << ": the loop presented " << geraet->Presents() << " frames, not "
                          << szene.bild;
        else
            text = SchnappschussDerAufrufe(*geraet, geraet->Bild(), geraet->BildToene(), szene.paesse);
        geraet->Ende();
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
            bild = szene.schleife ? NimmBildAusSchleife(szene) : NimmBild(szene.paesse);
            if (bild.empty()) return;  // the loop did not present the frame asked for
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
