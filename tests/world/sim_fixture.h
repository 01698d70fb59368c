#pragma once
// Shared set-up of the world-simulation tests: cleared records, a seeded generator, and a search
// for a seed whose next draws do what a test needs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "framework/myapp.h"
#include "platform/gfx_recording.h"
#include "platform/random.h"
#include "framework/frame.h"
#include "world/anzeige.h"
#include "world/records.h"

inline void LeereWelt() {
    // The globals as the program starts, with the game state cleared.
    static const SpielGlobalsBlock anfang = [] {
        SpielGlobalsBlock g{};
        g.Cam = SpielGlobals.Cam;
        g.SetupWerte = SpielGlobals.SetupWerte;
        return g;
    }();
    SpielGlobals = anfang;
    std::memset(Figuren, 0, sizeof(Figuren));
    std::memset(AngriffsFiguren, 0, sizeof(AngriffsFiguren));
    std::memset(StadtTabelle, 0, sizeof(StadtTabelle));
    std::memset(StadtGitter, 0, sizeof(StadtGitter));
    std::memset(BodenGitter, 0, sizeof(BodenGitter));
    std::memset(BodenKarte, 0, sizeof(BodenKarte));
    std::memset(StadtObjekte, 0, sizeof(StadtObjekte));
    std::memset(VegetationObjekte, 0, sizeof(VegetationObjekte));
    std::memset(Behaelter, 0, sizeof(Behaelter));
    std::memset(WeltRaster, 0, sizeof(WeltRaster));
    std::memset(LichtZustand, 0, sizeof(LichtZustand));
    std::memset(HinweisGezeigt, 0, sizeof(HinweisGezeigt));
    HinweisSichtbar = 0;
    HinweisNummer = 0;
    HinweisPanelHoehe = -1;
    LieferAnimation = {0, 0};
    InfoPanelZaehler = 0;
    MeldungsPanelAktiv = 0;
    for (auto& spalte : WeltRaster)
        for (WeltFeld& f : spalte) f.StadtId = KEINE_STADT;
    ZufallSaat(1);
}

// Seeds the generator so that the draws made by pruefe come out as it wants; the generator is
// left at that seed, so the code under test makes the same draws.
inline void SaeeFuer(const std::function<bool()>& pruefe) {
    for (uint32_t saat = 1; saat < 2000000; ++saat) {
        ZufallSaat(saat);
        if (pruefe()) {
            ZufallSaat(saat);
            return;
        }
    }
    FAIL() << "no seed gives the wanted draws";
}

// A living squad member for the tests.
inline FigurRecord& Mitglied(FigurRecord* figuren, int index, int typ, bool stationiert) {
    FigurRecord& f = figuren[index];
    std::memset(&f, 0, sizeof(f));
    f.Aktiv = 1;
    f.Typ = int16_t(typ);
    f.Stationiert = stationiert ? 1 : 0;
    f.Gesundheit = 100;
    f.Id = int16_t(index + 1);
    return f;
}

class WeltTest : public ::testing::Test {
protected:
    void SetUp() override { LeereWelt(); }
};

// A fresh working directory of the test's own, for the game's relative paths; the previous one
// comes back at the end.
class EigenerOrdner {
public:
    EigenerOrdner() {
        static int zaehler = 0;
        vorher_ = std::filesystem::current_path();
        pfad_ = std::filesystem::path(::testing::TempDir()) /
                ("velquor_welt_" + std::to_string(getpid()) + "_" + std::to_string(++zaehler));
        std::filesystem::remove_all(pfad_);
        std::filesystem::create_directories(pfad_);
        std::filesystem::current_path(pfad_);
    }
    ~EigenerOrdner() {
        std::filesystem::current_path(vorher_);
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    const std::filesystem::path& Pfad() const { return pfad_; }

private:
    std::filesystem::path vorher_, pfad_;
};

inline std::vector<uint8_t> LiesDatei(const std::string& pfad) {
    std::vector<uint8_t> daten;
    std::ifstream in(pfad, std::ios::binary | std::ios::ate);
    if (!in) return daten;
    daten.resize(size_t(in.tellg()));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(daten.data()), std::streamsize(daten.size()));
    return daten;
}

inline void SchreibDatei(const std::string& pfad, const std::vector<uint8_t>& daten) {
    std::filesystem::create_directories(std::filesystem::path(pfad).parent_path());
    std::ofstream out(pfad, std::ios::binary);
    out.write(reinterpret_cast<const char*>(daten.data()), std::streamsize(daten.size()));
}

// Bytes that are the same for the same seed, different from record to record.
inline std::vector<uint8_t> ZufallsBytes(size_t n, uint32_t saat) {
    std::vector<uint8_t> v(n);
    uint32_t x = saat * 2654435761u + 1;
    for (size_t i = 0; i < n; i += 4) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        std::memcpy(v.data() + i, &x, std::min<size_t>(4, n - i));
    }
    return v;
}

// The recording device as the application's device while a test runs: the loading bar, the blank
// pause and the battle screen draw into it. No pacing, an active window.
class AufzeichnungsGeraet {
public:
    AufzeichnungsGeraet() {
        auto geraet = std::make_unique<gfx::RecordingDevice>();
        geraet_ = geraet.get();
        MyApp.m_pd3dDevice = std::move(geraet);
    }
    ~AufzeichnungsGeraet() { MyApp.m_pd3dDevice.reset(); }
    gfx::RecordingDevice& operator*() const { return *geraet_; }
    gfx::RecordingDevice* operator->() const { return geraet_; }

private:
    gfx::RecordingDevice* geraet_;
};

// Window and pacing values for code that runs frames of its own.
inline void AktivesFensterOhneTakt() {
    FensterAktiv = 1;
    BeendenFlag = 0;
    SetupWerte.FRAMERATE = 0.0f;
}
