// The three game-state formats and what uses their values: the game runs on the recording device in
// town 0 of the demo data; a loaded global file, town state or town file is drawn for one frame and
// ticked once, a loaded slot is saved again. A refused file changes nothing in memory, and a refused
// slot nothing of the working copies. The first byte picks the format. Data folder: $VELQUOR_SPIELDATEN.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/myapp.h"
#include "framework/shell.h"
#include "fuzz_hilfe.h"
#include "platform/gfx_recording.h"
#include "world/gamefiles.h"
#include "world/new_game.h"
#include "world/records.h"
#include "world/save_load.h"

namespace {

struct Block {
    void* ort;
    size_t groesse;
};
const Block kWelt[] = {
    {&SpielGlobals, sizeof SpielGlobals}, {&WeltRaster, sizeof WeltRaster},   {&StadtTabelle, sizeof StadtTabelle},
    {&LichtZustand, sizeof LichtZustand}, {&Behaelter, sizeof Behaelter},     {&Figuren, sizeof Figuren},
    {&StadtObjekte, sizeof StadtObjekte}, {&StadtGitter, sizeof StadtGitter}, {&BodenKarte, sizeof BodenKarte},
    {&BodenGitter, sizeof BodenGitter},
};

std::vector<uint8_t> Abbild()
{
    std::vector<uint8_t> bild;
    for (const Block& b : kWelt) {
        const auto* p = static_cast<const uint8_t*>(b.ort);
        bild.insert(bild.end(), p, p + b.groesse);
    }
    return bild;
}

// The world as the game started, put back before each input and compared in place after a refusal.
std::vector<uint8_t>& Anfang()
{
    static std::vector<uint8_t> bild;
    return bild;
}

void Zurueck()
{
    size_t at = 0;
    for (const Block& b : kWelt) {
        std::memcpy(b.ort, Anfang().data() + at, b.groesse);
        at += b.groesse;
    }
}

bool WieAmAnfang()
{
    size_t at = 0;
    for (const Block& b : kWelt) {
        if (std::memcmp(b.ort, Anfang().data() + at, b.groesse) != 0) return false;
        at += b.groesse;
    }
    return true;
}

// The working copies of the other towns, as the last accepted slot left them.
std::vector<std::vector<uint8_t>>& KopienStand()
{
    static std::vector<std::vector<uint8_t>> kopien(20);
    return kopien;
}

std::string KopieName(int i) { return "Gamestate/S_Town" + std::to_string(i) + ".dat"; }

// Into a buffer that keeps its room: a fresh large allocation each run costs more than the load itself.
void LiesKopie(int i, std::vector<uint8_t>& daten)
{
    daten.resize(STADTZUSTANDDATEI_GROESSE + 1);
    std::FILE* f = std::fopen(os::ResolvePath(KopieName(i)).c_str(), "rb");
    daten.resize(f ? std::fread(daten.data(), 1, daten.size(), f) : 0);
    if (f) std::fclose(f);
}

void MerkeKopien()
{
    for (int i = 0; i < 20; ++i) LiesKopie(i, KopienStand()[i]);
}

bool KopienUnveraendert()
{
    static std::vector<uint8_t> jetzt;
    for (int i = 0; i < 20; ++i) {
        LiesKopie(i, jetzt);
        if (jetzt != KopienStand()[i]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* daten = std::getenv("VELQUOR_SPIELDATEN");
    if (!daten || !std::filesystem::exists(std::filesystem::path(daten) / "Data" / "Pack3.gzp")) {
        std::fprintf(stderr, "spielstand_fuzz: set VELQUOR_SPIELDATEN to the demo data folder (build-test/game)\n");
        std::exit(1);
    }
    FuzzOrdner();
    std::filesystem::copy(daten, "spiel", std::filesystem::copy_options::recursive);
    ShellOptions optionen;
    optionen.workDir = std::filesystem::absolute("spiel").string();
    optionen.lockPath = std::filesystem::absolute("spiel.lock").string();
    optionen.playIntro = false;
    optionen.showWindow = false;
    optionen.makeDevice = [](std::string&) -> std::unique_ptr<gfx::Device> {
        return std::make_unique<gfx::RecordingDevice>(false);
    };
    if (!StarteProgramm(optionen)) std::exit(1);
    std::atexit(BeendeProgramm);  // the music's thread stops before the program's statics go
    for (int i = 0; i < 2 && BeendenFlag == 0; ++i) FrameSchritt();
    if (!StarteStadtNull()) std::exit(1);
    FrameSchritt();
    SetupWerte.FRAMERATE = 0;
    for (int i = 0; i < 20; ++i) {  // working copies of the other towns, where the start made none
        if (!std::filesystem::exists(KopieName(i))) SchreibeStadtZustandDatei(KopieName(i));
    }
    if (!SpielSpeichern("save/slot9/")) std::exit(1);  // the slot's town files; the input is its global file
    Anfang() = Abbild();
    MerkeKopien();
    if (const char* saat = std::getenv("VELQUOR_SAAT_ORDNER")) {  // seeds: this game's own files
        const std::pair<const char*, std::string> seeds[] = {
            {"\x00", "save/slot9/global.dat"}, {"\x01", "Gamestate/S_Town0.dat"},
            {"\x03", "save/slot9/global.dat"}};
        for (const auto& [vor, datei] : seeds) {
            std::ifstream ein(datei, std::ios::binary);
            std::ofstream aus(std::string(saat) + "/seed_spiel_" + std::to_string(int(vor[0])), std::ios::binary);
            aus << vor[0] << ein.rdbuf();
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0) return 0;
    Zurueck();
    static const char* const kDateien[] = {"fuzz/global.dat", "fuzz/zustand.dat", "fuzz/town.dat",
                                           "save/slot9/global.dat"};
    const int art = daten[0] % 4;
    SchreibeEingabe(kDateien[art], daten + 1, groesse - 1);
    bool gelesen = false;
    switch (art) {
    case 0: gelesen = LeseGlobalDatei(kDateien[0]); break;
    case 1: gelesen = LeseStadtZustandDatei(kDateien[1]); break;
    case 2: gelesen = LeseStadtDatei(kDateien[2]); break;
    case 3: gelesen = SpielLaden("save/slot9/"); break;
    }
    if (!gelesen) {
        if (!WieAmAnfang()) __builtin_trap();                                 // a refused file changed the world
        if (art == 3 && !KopienUnveraendert()) __builtin_trap();  // ... or the town copies
    } else if (art == 3) {
        MerkeKopien();
        SpielSpeichern("save/slot8/");
    } else {
        BeendenFlag = 0;
        SetupWerte.FRAMERATE = 0;
        FrameSchritt();
    }
    Meldungen().clear();
    return 0;
}
