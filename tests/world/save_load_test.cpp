// Saving into a slot folder and loading it back.
#include "world/save_load.h"

#include "framework/frame.h"
#include "platform/os.h"
#include "sim_fixture.h"
#include "world/gamefiles.h"

namespace {

template <class T>
void FuelleZufaellig(T& ziel, uint32_t saat) {
    const std::vector<uint8_t> b = ZufallsBytes(sizeof(T), saat);
    std::memcpy(&ziel, b.data(), sizeof(T));
}

template <class T>
std::vector<uint8_t> Bytes(const T& quelle) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&quelle);
    return std::vector<uint8_t>(p, p + sizeof(T));
}

std::vector<uint8_t> StadtZustand() {
    std::vector<uint8_t> d = Bytes(Behaelter);
    const std::vector<uint8_t> f = Bytes(Figuren);
    d.insert(d.end(), f.begin(), f.end());
    return d;
}

std::string Arbeitskopie(int i) { return "Gamestate/S_Town" + std::to_string(i) + ".dat"; }

class SpeichernTest : public WeltTest {
protected:
    EigenerOrdner ordner;
    AufzeichnungsGeraet geraet;
    std::vector<std::string> meldungen;
    std::vector<uint8_t> kopien[20];

    void SetUp() override {
        WeltTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        FuelleZufaellig(SpielGlobals, 1);
        FuelleZufaellig(WeltRaster, 2);
        FuelleZufaellig(StadtTabelle, 3);
        FuelleZufaellig(LichtZustand, 4);
        FuelleZufaellig(Behaelter, 5);
        FuelleZufaellig(Figuren, 6);
        // What a reader would make of the block anyway: strings ending in their fields, no presses.
        for (auto& n : MaennerNamen) n[19] = 0;
        SpielerName[55] = 0;
        RezeptScroll = 7;  // a scroll the recipe table has, as a save writes it
        for (auto& n : ItemNamen) n[255] = 0;
        for (auto& n : ItemTexte) n[255] = 0;
        MausLinksGedrueckt = MausLinksDoppelklick = MausRechtsGedrueckt = MausRechtsDoppelklick = 0;
        MausLinksLosgelassen = MausRechtsLosgelassen = MausMitteDrehen = 0;
        AktivesFensterOhneTakt();
        AktuelleStadt = 3;
        BefehlsModus = 3;
        CursorIndex = 5;  // what the save writes
        // Only records that stand on a cell are persons with a waypoint in the grid.
        for (int i = 0; i < 500; ++i) Figuren[i].Aktiv = 0;
        for (int i = 0; i < 3; ++i) {
            Figuren[i].Aktiv = 1;
            Figuren[i].Typ = int16_t(i == 2 ? 12 : 1);
            Figuren[i].Wegpunkt[0] = 10.0f * float(20 + i) + 5.0f;
            Figuren[i].Wegpunkt[2] = 10.0f * 30.0f;
        }
        Figuren[3].Aktiv = 1;
        Figuren[3].Typ = 1;
        Figuren[3].Wegpunkt[0] = 1e30f;  // off the grid: flags nothing
        for (int i = 0; i < 20; ++i) {
            kopien[i] = ZufallsBytes(STADTZUSTANDDATEI_GROESSE, 100 + i);
            if (i != 3) SchreibDatei(Arbeitskopie(i), kopien[i]);
        }
        std::vector<uint8_t> karte = ZufallsBytes(STADTDATEI_GROESSE, 50);
        for (size_t x = 0; x < 118; ++x)  // no occupied cells in the map itself
            for (size_t z = 0; z < 118; ++z) karte[72000 + 1180 * x + 10 * z + 6] = 0;
        SchreibDatei("Data/Towns/town3.dat", karte);
    }
    void TearDown() override { os::CaptureMessageBoxes(nullptr); }

    struct Abbild {
        std::vector<uint8_t> global, welt, staedte, lichter, behaelter, figuren;
        bool operator==(const Abbild&) const = default;
    };
    static Abbild Speicher() {
        return {Bytes(SpielGlobals), Bytes(WeltRaster), Bytes(StadtTabelle), Bytes(LichtZustand),
                Bytes(Behaelter), Bytes(Figuren)};
    }
    static void Verwirre() {
        FuelleZufaellig(WeltRaster, 90);
        FuelleZufaellig(StadtTabelle, 91);
        FuelleZufaellig(Behaelter, 92);
        FuelleZufaellig(Figuren, 93);
        TagZaehler = 12345;
    }
};

TEST_F(SpeichernTest, SpeichernUndLadenGibtDieselbenDateienUndArrays) {
    const Abbild vorher = Speicher();
    const std::vector<uint8_t> aktuelleStadt = StadtZustand();
    CursorIndex = 2;
    ASSERT_TRUE(SpielSpeichern("save/slot2/"));  // the folder is made
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(CursorIndex, 2);

    EXPECT_EQ(Speicher().behaelter, vorher.behaelter);  // the live town is untouched
    EXPECT_EQ(Speicher().figuren, vorher.figuren);
    std::vector<uint8_t> global = vorher.global;
    for (const auto* block : {&vorher.welt, &vorher.staedte, &vorher.lichter})
        global.insert(global.end(), block->begin(), block->end());
    EXPECT_EQ(LiesDatei("save/slot2/global.dat"), global);
    EXPECT_EQ(LiesDatei("save/slot2/S_Town3.dat"), aktuelleStadt);
    for (int i = 0; i < 20; ++i)
        if (i != 3) { EXPECT_EQ(LiesDatei("save/slot2/S_Town" + std::to_string(i) + ".dat"), kopien[i]) << i; }
    for (const auto& e : std::filesystem::directory_iterator("save/slot2"))
        EXPECT_EQ(e.path().extension(), ".dat") << e.path();

    // Another game in memory and in the working copies, then the load brings the saved one back.
    Verwirre();
    for (int i = 0; i < 20; ++i) SchreibDatei(Arbeitskopie(i), ZufallsBytes(STADTZUSTANDDATEI_GROESSE, 300 + i));
    const std::vector<uint8_t> kopieDerAktuellen = LiesDatei(Arbeitskopie(3));
    ASSERT_TRUE(SpielLaden("save/slot2/"));
    EXPECT_TRUE(meldungen.empty());
    Abbild danach = Speicher();
    EXPECT_EQ(danach, vorher);
    for (int i = 0; i < 20; ++i)
        if (i != 3) { EXPECT_EQ(LiesDatei(Arbeitskopie(i)), kopien[i]) << i; }
    EXPECT_EQ(LiesDatei(Arbeitskopie(3)), kopieDerAktuellen);  // written when the party leaves
    // The occupied flag stands at each person's waypoint.
    EXPECT_EQ(StadtGitter[20][30].Belegt, 1);
    EXPECT_EQ(StadtGitter[21][30].Belegt, 1);
    EXPECT_EQ(StadtGitter[22][30].Belegt, 1);
    EXPECT_EQ(StadtGitter[23][30].Belegt, 0);
}

TEST_F(SpeichernTest, LadenBehaeltProzesswerteUndLoeschtMausklicks) {
    ASSERT_TRUE(SpielSpeichern("save/slot0/"));
    // Patch the saved block: a press held at the moment of saving, handles of another process.
    std::vector<uint8_t> g = LiesDatei("save/slot0/global.dat");
    g[offsetof(SpielGlobalsBlock, MausLinksGedrueckt)] = 1;
    g[offsetof(SpielGlobalsBlock, MausRechtsDoppelklick)] = 1;
    g[offsetof(SpielGlobalsBlock, FensterHandle)] ^= 0xff;
    g[offsetof(SpielGlobalsBlock, ItemIcons) + 8] ^= 0xff;
    SchreibDatei("save/slot0/global.dat", g);
    const uint32_t fenster = FensterHandle, icon = ItemIcons[2];
    BeendenFlag = 0;
    FensterAktiv = 1;
    LetzterWParam = 77;
    ASSERT_TRUE(SpielLaden("save/slot0/"));
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(MausRechtsDoppelklick, 0);
    EXPECT_EQ(FensterHandle, fenster);
    EXPECT_EQ(ItemIcons[2], icon);
    EXPECT_EQ(FensterAktiv, 1);
    EXPECT_EQ(LetzterWParam, 77);
}

// A message line running when the game was left (the new day's, say) belongs to that game.
TEST_F(SpeichernTest, LadenLoeschtDieLaufendenMeldungszeilen) {
    ASSERT_TRUE(SpielSpeichern("save/slot0/"));
    for (int32_t& z : ZeilenTimer) z = 120;
    ASSERT_TRUE(SpielLaden("save/slot0/"));
    for (int32_t z : ZeilenTimer) EXPECT_EQ(z, 0);
}

TEST_F(SpeichernTest, FehlendeOderKurzeArbeitskopieAendertNichts) {
    ASSERT_TRUE(SpielSpeichern("save/slot1/"));
    std::vector<std::vector<uint8_t>> slotVorher;
    for (int i = 0; i < 20; ++i) slotVorher.push_back(LiesDatei("save/slot1/S_Town" + std::to_string(i) + ".dat"));
    const std::vector<uint8_t> globalVorher = LiesDatei("save/slot1/global.dat");
    Verwirre();  // a different game that must not reach the slot
    const Abbild vorher = Speicher();

    std::filesystem::remove(Arbeitskopie(7));
    EXPECT_FALSE(SpielSpeichern("save/slot1/"));
    std::vector<uint8_t> kurz = kopien[7];
    kurz.pop_back();
    SchreibDatei(Arbeitskopie(7), kurz);
    EXPECT_FALSE(SpielSpeichern("save/slot1/"));
    EXPECT_FALSE(SpielSpeichern("save/slot5/"));
    EXPECT_EQ(meldungen.size(), 3u);

    EXPECT_EQ(Speicher().figuren, vorher.figuren);
    EXPECT_EQ(Speicher().behaelter, vorher.behaelter);
    EXPECT_EQ(LiesDatei("save/slot1/global.dat"), globalVorher);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(LiesDatei("save/slot1/S_Town" + std::to_string(i) + ".dat"), slotVorher[i]) << i;
    EXPECT_FALSE(std::filesystem::exists("save/slot5/global.dat"));
    for (const auto& e : std::filesystem::directory_iterator("save/slot1"))
        EXPECT_EQ(e.path().extension(), ".dat") << e.path();
}

TEST_F(SpeichernTest, UmbenennenScheitertMittendrinSlotBleibtWieEr) {
    ASSERT_TRUE(SpielSpeichern("save/slot1/"));
    std::vector<std::vector<uint8_t>> slotVorher;
    for (int i = 0; i < 20; ++i) slotVorher.push_back(LiesDatei("save/slot1/S_Town" + std::to_string(i) + ".dat"));
    const std::vector<uint8_t> globalVorher = LiesDatei("save/slot1/global.dat");
    Verwirre();
    for (int i = 0; i < 20; ++i)
        if (i != 3) SchreibDatei(Arbeitskopie(i), ZufallsBytes(STADTZUSTANDDATEI_GROESSE, 500 + i));
    // Town 5's file cannot be replaced: the files renamed before it must go back.
    std::filesystem::remove("save/slot1/S_Town5.dat");
    std::filesystem::create_directories("save/slot1/S_Town5.dat/x");
    EXPECT_FALSE(SpielSpeichern("save/slot1/"));
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(LiesDatei("save/slot1/global.dat"), globalVorher);
    for (int i = 0; i < 20; ++i)
        if (i != 5) { EXPECT_EQ(LiesDatei("save/slot1/S_Town" + std::to_string(i) + ".dat"), slotVorher[i]) << i; }
    for (const auto& e : std::filesystem::directory_iterator("save/slot1"))
        EXPECT_EQ(e.path().extension(), ".dat") << e.path();

    // The same for the working copies of a load: none of them is replaced.
    std::filesystem::remove_all("save/slot1/S_Town5.dat");
    SchreibDatei("save/slot1/S_Town5.dat", slotVorher[5]);
    std::vector<std::vector<uint8_t>> kopienVorher;
    for (int i = 0; i < 20; ++i) kopienVorher.push_back(LiesDatei(Arbeitskopie(i)));
    std::filesystem::remove(Arbeitskopie(7));
    std::filesystem::create_directories(Arbeitskopie(7) + "/x");
    const Abbild vorher = Speicher();
    meldungen.clear();
    EXPECT_FALSE(SpielLaden("save/slot1/"));
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(Speicher(), vorher);
    for (int i = 0; i < 20; ++i)
        if (i != 7) { EXPECT_EQ(LiesDatei(Arbeitskopie(i)), kopienVorher[i]) << i; }
    for (const auto& e : std::filesystem::directory_iterator("Gamestate"))
        EXPECT_EQ(e.path().extension(), ".dat") << e.path();
}

TEST_F(SpeichernTest, SchadhafterSlotLaedtNicht) {
    ASSERT_TRUE(SpielSpeichern("save/slot4/"));
    Verwirre();
    for (int i = 0; i < 20; ++i)
        if (i != 3) SchreibDatei(Arbeitskopie(i), ZufallsBytes(STADTZUSTANDDATEI_GROESSE, 700 + i));
    const Abbild vorher = Speicher();
    std::vector<std::vector<uint8_t>> kopienVorher;
    for (int i = 0; i < 20; ++i) kopienVorher.push_back(LiesDatei(Arbeitskopie(i)));

    struct Schaden {
        std::string datei;
        std::function<void(std::vector<uint8_t>&)> wie;
    };
    const Schaden faelle[] = {
        {"save/slot4/S_Town9.dat", [](std::vector<uint8_t>& d) { d.pop_back(); }},
        {"save/slot4/S_Town3.dat", [](std::vector<uint8_t>& d) { d.push_back(0); }},
        {"save/slot4/global.dat", [](std::vector<uint8_t>& d) { d.resize(1000); }},
        {"save/slot4/global.dat",
         [](std::vector<uint8_t>& d) { d[offsetof(SpielGlobalsBlock, AktuelleStadt)] = 25; }},  // no such town
        {"Data/Towns/town3.dat", [](std::vector<uint8_t>& d) { d.resize(10); }},
    };
    for (const Schaden& s : faelle) {
        SCOPED_TRACE(s.datei);
        const std::vector<uint8_t> gut = LiesDatei(s.datei);
        std::vector<uint8_t> schlecht = gut;
        s.wie(schlecht);
        SchreibDatei(s.datei, schlecht);
        meldungen.clear();
        EXPECT_FALSE(SpielLaden("save/slot4/"));
        EXPECT_EQ(meldungen.size(), 1u);
        EXPECT_EQ(Speicher(), vorher);
        for (int i = 0; i < 20; ++i) EXPECT_EQ(LiesDatei(Arbeitskopie(i)), kopienVorher[i]) << i;
        SchreibDatei(s.datei, gut);
    }
    std::filesystem::remove("save/slot4/S_Town0.dat");
    EXPECT_FALSE(SpielLaden("save/slot4/"));
    EXPECT_FALSE(SpielLaden("save/slot9/"));
    EXPECT_EQ(Speicher(), vorher);
}

}  // namespace
