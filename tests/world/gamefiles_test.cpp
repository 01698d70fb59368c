#include "world/gamefiles.h"

#include <cstring>
#include <memory>
#include <random>

#include "../arbeitsordner.h"
#include "world/records.h"

namespace {

std::string Zufallsbytes(size_t n, uint32_t saat) {
    std::mt19937 gen(saat);
    std::string s(n, '\0');
    for (char& c : s) c = static_cast<char>(gen());
    return s;
}

struct Speicher {
    std::vector<uint8_t> globale, welt, staedte, lichter, behaelter, figuren, objekte, gitter, karte, boden;
};

template <typename T>
std::vector<uint8_t> Bild(const T& t) {
    const auto* p = reinterpret_cast<const uint8_t*>(&t);
    return {p, p + sizeof t};
}

Speicher Abbild() {
    return {Bild(SpielGlobals), Bild(WeltRaster), Bild(StadtTabelle), Bild(LichtZustand), Bild(Behaelter),
            Bild(Figuren),      Bild(StadtObjekte), Bild(StadtGitter), Bild(BodenKarte), Bild(BodenGitter)};
}

bool operator==(const Speicher& a, const Speicher& b) {
    return a.globale == b.globale && a.welt == b.welt && a.staedte == b.staedte && a.lichter == b.lichter &&
           a.behaelter == b.behaelter && a.figuren == b.figuren && a.objekte == b.objekte && a.gitter == b.gitter &&
           a.karte == b.karte && a.boden == b.boden;
}

void Setze32(std::string& bild, size_t at, uint32_t wert) { std::memcpy(&bild[at], &wert, 4); }

// A random image that a save of this process could have written: its strings end in a 0, its
// crafting scroll lies in the recipe table and its process values are the running ones.
std::string GlobalBild(uint32_t saat) {
    std::string bild = Zufallsbytes(GLOBALDATEI_GROESSE, saat);
    Setze32(bild, 156, saat % 17);
    for (int i = 0; i < 600; ++i) bild[2356 + 20 * i + 19] = 0;
    bild[14356 + 55] = 0;
    for (int i = 0; i < 1000; ++i) bild[16456 + 256 * i + 255] = 0;
    std::memcpy(&bild[24], &FensterHandle, 4);
    std::memcpy(&bild[28], &InstanzHandle, 4);
    bild[32] = static_cast<char>(BeendenFlag);
    std::memcpy(&bild[36], &FensterAktiv, 4);
    return bild;
}

struct Format {
    const char* name;
    size_t groesse;
    bool (*lese)(const std::string&, std::string*);
    bool (*schreibe)(const std::string&, std::string*);
};

const Format FORMATE[] = {
    {"GlobalDatei", GLOBALDATEI_GROESSE, LeseGlobalDatei, SchreibeGlobalDatei},
    {"StadtZustandDatei", STADTZUSTANDDATEI_GROESSE, LeseStadtZustandDatei, SchreibeStadtZustandDatei},
    {"StadtDatei", STADTDATEI_GROESSE, LeseStadtDatei, SchreibeStadtDatei},
};

class Spieldateien : public Arbeitsordner {
protected:
    void SetUp() override {
        Arbeitsordner::SetUp();
        vorher_ = std::make_unique<Speicher>(Abbild());
    }
    void TearDown() override {
        // Put the globals back for the tests that follow in this process.
        auto zurueck = [](auto& ziel, const std::vector<uint8_t>& b) { std::memcpy(&ziel, b.data(), b.size()); };
        zurueck(SpielGlobals, vorher_->globale);
        zurueck(WeltRaster, vorher_->welt);
        zurueck(StadtTabelle, vorher_->staedte);
        zurueck(LichtZustand, vorher_->lichter);
        zurueck(Behaelter, vorher_->behaelter);
        zurueck(Figuren, vorher_->figuren);
        zurueck(StadtObjekte, vorher_->objekte);
        zurueck(StadtGitter, vorher_->gitter);
        zurueck(BodenKarte, vorher_->karte);
        zurueck(BodenGitter, vorher_->boden);
        Arbeitsordner::TearDown();
    }
    std::unique_ptr<Speicher> vorher_;
};

TEST_F(Spieldateien, RandomImagesRoundTripByteForByte) {
    for (const Format& f : FORMATE) {
        const std::string bild = f.groesse == GLOBALDATEI_GROESSE ? GlobalBild(7) : Zufallsbytes(f.groesse, 11);
        Schreibe("Gamestate/ein.dat", bild);
        std::string fehler;
        ASSERT_TRUE(f.lese("GAMESTATE/EIN.dat", &fehler)) << f.name << ": " << fehler;
        ASSERT_TRUE(f.schreibe("Gamestate/aus.dat", &fehler)) << f.name << ": " << fehler;
        EXPECT_TRUE(Lies("Gamestate/aus.dat") == bild) << f.name;
    }
}

TEST_F(Spieldateien, SentinelsLandInTheNamedFields) {
    struct Wache {
        size_t offset;
        const void* feld;
    };
    const Wache global[] = {
        {0, &SORT_SPEED},          {8, &FeindArmeePosition[1]}, {12, &MusikTrack},
        {40, &Cam.Auge[0]},        {68, &Cam.Oben[1]},          {80, &SpielEnde},
        {92, &FeindStaerke},       {144, &MenueSeitenVersatz},  {160, &RezeptWahl},
        {172, &CursorIndex},       {188, &CursorItem},          {212, &SzenenFeld[0]},
        {228 + 4 * 28, &ItemWerte[28]}, {2232, &HaendlerId},    {2240, &SzenenSumme},
        {2296, &AngebotSlot},      {2300, &TauschSlotsTrupp[1]}, {2348, &AuswahlRahmenStart[0]},
        {2356 + 20 * 5, &MaennerNamen[5][0]}, {14412 + 24, &AuswahlSlots[6]}, {14444, &AktuelleStadt},
        {14448, &SpielModus},      {14456 + 4, &ItemIcons[1]},  {16456 + 256 * 3, &ItemNamen[3][0]},
        {144456, &ItemTexte[0][0]}, {272456, &GespraechsPartner}, {272472 + 20, &KameraKopie[5]},
        {272504, &MusikLautstaerke}, {272512, &SetupWerte.FILTER}, {272596, &SetupWerte.FRAMERATE},
        {272600 + 160 * 3 + 8 * 4 + 4, &WeltRaster[3][4].StadtId}, {275800 + 28 * 19, &StadtTabelle[19]},
        {276640 + 52 * 99 + 48, &LichtZustand[99].Art},
    };
    std::string bild = GlobalBild(3);
    for (size_t i = 0; i < std::size(global); ++i) Setze32(bild, global[i].offset, 0x5a5a0000u + i);
    Schreibe("global.dat", bild);
    ASSERT_TRUE(LeseGlobalDatei("global.dat"));
    for (size_t i = 0; i < std::size(global); ++i) {
        uint32_t wert;
        std::memcpy(&wert, global[i].feld, 4);
        EXPECT_EQ(wert, 0x5a5a0000u + i) << "offset " << global[i].offset;
    }

    const Wache stadtZustand[] = {
        {400 * 49 + 40 * 9 + 4 * 9, &Behaelter[49][9][9]},
        {20000 + 1056 * 0 + 18, &Figuren[0].Id},  // with its neighbour at 20
        {20000 + 1056 * 7 + 76, &Figuren[7].Position[0]},
        {20000 + 1056 * 499 + 256 + 16 * 49, &Figuren[499].Partikel[49]},
    };
    bild = Zufallsbytes(STADTZUSTANDDATEI_GROESSE, 5);
    for (size_t i = 0; i < std::size(stadtZustand); ++i) Setze32(bild, stadtZustand[i].offset, 0x6b6b0000u + i);
    Schreibe("S_Town3.dat", bild);
    ASSERT_TRUE(LeseStadtZustandDatei("s_town3.DAT"));
    for (size_t i = 0; i < std::size(stadtZustand); ++i) {
        uint32_t wert;
        std::memcpy(&wert, stadtZustand[i].feld, 4);
        EXPECT_EQ(wert, 0x6b6b0000u + i) << "offset " << stadtZustand[i].offset;
    }

    const Wache stadt[] = {
        {36 * 1999 + 32, &StadtObjekte[1999].Modell},
        {72000 + 1180 * 117 + 10 * 116, &StadtGitter[117][116]},
        {211240 + 480 * 39 + 12 * 39 + 8, &BodenKarte[39][39].AlphaDrehung},
        {230440 + 118 * 117 + 114, &BodenGitter[117][114]},
    };
    bild = Zufallsbytes(STADTDATEI_GROESSE, 9);
    for (size_t i = 0; i < std::size(stadt); ++i) Setze32(bild, stadt[i].offset, 0x7c7c0000u + i);
    Schreibe("Data/Towns/town3.dat", bild);
    ASSERT_TRUE(LeseStadtDatei("DATA/Towns/Town3.dat"));
    for (size_t i = 0; i < std::size(stadt); ++i) {
        uint32_t wert;
        std::memcpy(&wert, stadt[i].feld, 4);
        EXPECT_EQ(wert, 0x7c7c0000u + i) << "offset " << stadt[i].offset;
    }
}

TEST_F(Spieldateien, ShortLongAndMissingFilesAreRefusedWithTheArraysUntouched) {
    for (const Format& f : FORMATE) {
        for (size_t groesse : {size_t{0}, f.groesse - 1, f.groesse / 2, f.groesse + 1}) {
            Schreibe("kaputt.dat", Zufallsbytes(groesse, 13));
            std::string fehler;
            EXPECT_FALSE(f.lese("kaputt.dat", &fehler)) << f.name << " " << groesse;
            EXPECT_NE(fehler.find("kaputt.dat"), std::string::npos) << fehler;
            EXPECT_TRUE(Abbild() == *vorher_) << f.name << " " << groesse;
        }
        std::string fehler;
        EXPECT_FALSE(f.lese("fehlt.dat", &fehler));
        EXPECT_NE(fehler.find("fehlt.dat"), std::string::npos) << fehler;
        EXPECT_FALSE(f.lese("Gamestate", &fehler));  // a folder, not a file
        EXPECT_TRUE(Abbild() == *vorher_) << f.name;
    }
}

TEST_F(Spieldateien, WriteErrorsAreReportedAndLeaveTheOldFile) {
    for (const Format& f : FORMATE) {
        std::string fehler;
        EXPECT_FALSE(f.schreibe("save/slot4/global.dat", &fehler)) << f.name;  // no such folder
        EXPECT_NE(fehler.find("save/slot4/global.dat"), std::string::npos) << fehler;
    }
}

TEST_F(Spieldateien, GlobalFileKeepsTheRunningProcessValuesAndEndsItsStrings) {
    FensterHandle = 0x1111;
    InstanzHandle = 0x2222;
    BeendenFlag = 0;
    FensterAktiv = 1;
    std::string bild = Zufallsbytes(GLOBALDATEI_GROESSE, 21);
    Setze32(bild, 24, 0xdead);
    bild[32] = 1;
    Setze32(bild, 14448, 9000);
    std::memset(&bild[2356], 'A', 20 * 600 + 56);  // names and player name without an end
    Schreibe("global.dat", bild);
    ASSERT_TRUE(LeseGlobalDatei("global.dat"));
    EXPECT_EQ(FensterHandle, 0x1111u);
    EXPECT_EQ(InstanzHandle, 0x2222u);
    EXPECT_EQ(BeendenFlag, 0);
    EXPECT_EQ(FensterAktiv, 1);
    EXPECT_EQ(SpielModus, 9000);  // everything else comes from the file
    EXPECT_EQ(std::string(MaennerNamen[599]), std::string(19, 'A'));
    EXPECT_EQ(std::string(SpielerName), std::string(55, 'A'));
    for (const auto& text : ItemTexte) EXPECT_EQ(text[255], 0);
}

TEST_F(Spieldateien, GlobalFileBringsTheCraftingScrollIntoTheRecipeTable) {
    const struct {
        int32_t gespeichert, gelesen;
    } faelle[] = {{-5, 0}, {0, 0}, {10, 10}, {16, 16}, {17, 16}, {1000000, 16}};
    for (const auto& f : faelle) {
        std::string bild = GlobalBild(5);
        Setze32(bild, 156, uint32_t(f.gespeichert));
        Schreibe("global.dat", bild);
        ASSERT_TRUE(LeseGlobalDatei("global.dat"));
        EXPECT_EQ(RezeptScroll, f.gelesen) << f.gespeichert;
    }
}

}  // namespace

namespace {

// A raid reads a town's working copy into arrays of its own and writes it back; the live town
// stays as it is.
TEST_F(Spieldateien, TownStateReadsIntoTheCallersArrays) {
    const std::string bild = Zufallsbytes(STADTZUSTANDDATEI_GROESSE, 17);
    Schreibe("GAMESTATE/S_Town5.dat", bild);
    static BehaelterBlock kisten;
    std::memset(AngriffsFiguren, 0, sizeof AngriffsFiguren);
    ASSERT_TRUE(LeseStadtZustandDatei("Gamestate/S_Town5.dat", kisten, AngriffsFiguren));
    EXPECT_TRUE(Abbild() == *vorher_);
    EXPECT_EQ(std::memcmp(AngriffsFiguren, bild.data() + 20000, sizeof AngriffsFiguren), 0);
    ASSERT_TRUE(SchreibeStadtZustandDatei("Gamestate/S_Town5.dat", kisten, AngriffsFiguren));
    EXPECT_TRUE(Lies("GAMESTATE/S_Town5.dat") == bild);
    std::memset(AngriffsFiguren, 0, sizeof AngriffsFiguren);
}

}  // namespace
