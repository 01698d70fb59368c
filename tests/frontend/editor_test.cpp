// The town editor's tools on the live town records, its tool bar and its two files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/keyboard.h"
#include "framework/setup.h"
#include "framework/myapp.h"
#include "frontend/editor.h"
#include "interaction/editor_dienste.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/random.h"
#include "tests/arbeitsordner.h"
#include "tests/kind_prozess.h"
#include "world/gamefiles.h"
#include "world/records.h"

namespace {

class EditorTest : public Arbeitsordner {
protected:
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        Arbeitsordner::SetUp();
        std::memset(&Figuren, 0, sizeof Figuren);
        std::memset(&StadtObjekte, 0, sizeof StadtObjekte);
        std::memset(&VegetationObjekte, 0, sizeof VegetationObjekte);
        std::memset(&StadtGitter, 0, sizeof StadtGitter);
        std::memset(&BodenGitter, 0, sizeof BodenGitter);
        std::memset(&BodenKarte, 0, sizeof BodenKarte);
        std::memset(&Behaelter, 0, sizeof Behaelter);
        EditorWerkzeug = 0;
        EditorObjekt = 0;
        EditorDrehung = 0;
        MausLinksGedrueckt = MausRechtsGedrueckt = 0;
        MyApp.PickX = 30;
        MyApp.PickY = 41;
        ZufallSaat(1);
        os::CaptureMessageBoxes(&meldungen);
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        Arbeitsordner::TearDown();
    }

    // A press of one button with the pointer at (x, y), then one editor frame.
    static void Druck(bool links, int x = 500, int y = 300)
    {
        MyApp.MausX = x;
        MyApp.MausY = y;
        (links ? MausLinksGedrueckt : MausRechtsGedrueckt) = 1;
        EditorSteuerung(32000);
    }
    static void Werkzeug(int w)
    {
        Druck(true, 32 * w + 16, 750);
        ASSERT_EQ(EditorWerkzeug, w);
    }
    static StadtFeld& Feld() { return StadtGitter[30][41]; }
    static int AktiveFiguren()
    {
        int n = 0;
        for (const FigurRecord& f : Figuren) n += f.Aktiv == 1;
        return n;
    }
};

TEST_F(EditorTest, ToolBarButtonsAndTheirSharedEdges)
{
    struct Fall {
        int x, y;
        int werkzeug, objekt, drehung;
    } faelle[] = {
        {0, 736, 0, 0, 0},        {32, 768, 0, 0, 0},      {33, 750, 1, 5001, 0}, {64, 750, 1, 5001, 0},
        {65, 750, 2, 1000, 0},    {100, 750, 3, 9000, 0},  {160, 750, 4, 9000, 0}, {161, 750, 5, 9001, 0},
        {200, 750, 6, 0, 0},      {256, 750, 7, 9000, 0},  {900, 750, 7, 9000, 1},
    };
    for (const Fall& f : faelle) {
        Druck(true, f.x, f.y);
        EXPECT_EQ(MausLinksGedrueckt, 0) << f.x;
        EXPECT_EQ(EditorWerkzeug, f.werkzeug) << f.x;
        EXPECT_EQ(EditorObjekt, f.objekt) << f.x;
        EXPECT_EQ(EditorDrehung, f.drehung) << f.x;
    }
    EditorDrehung = 7;
    Druck(true, 928, 740);
    EXPECT_EQ(EditorDrehung, 0);
    // Above the bar a left press acts on the grid (tool 7 grows plants), and a right press over the
    // bar acts on the grid too.
    Druck(true, 500, 735);
    EXPECT_EQ(Feld().VegetationErlaubt, 1);
    Druck(false, 10, 750);
    EXPECT_EQ(Feld().VegetationErlaubt, 0);
    EXPECT_EQ(EditorWerkzeug, 7);
}

TEST_F(EditorTest, EachToolWritesItsField)
{
    // Floor tiles: held (the press stays), the tile of the cell's third, the rotation step's angle.
    EditorDrehung = 2;
    EditorObjekt = 12;
    Druck(true);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    EXPECT_EQ(BodenKarte[10][13].BasisTextur, 12);
    EXPECT_FLOAT_EQ(BodenKarte[10][13].BasisDrehung, 1.5707964f);
    MausLinksGedrueckt = 0;
    Druck(false);
    EXPECT_EQ(BodenKarte[10][13].AlphaTextur, 12);
    MausRechtsGedrueckt = 0;

    // Sound: +1 and -1 without a bound.
    Werkzeug(3);
    Druck(false);
    EXPECT_EQ(Feld().Sound, -1);
    Druck(true);
    Druck(true);
    EXPECT_EQ(Feld().Sound, 1);

    // Blocked, entrances (three presses give kind 3; past the seventh kind it starts again at 1).
    Werkzeug(4);
    Druck(true);
    EXPECT_EQ(Feld().Blockiert, 1);
    Druck(false);
    EXPECT_EQ(Feld().Blockiert, 0);
    Werkzeug(5);
    for (int i = 0; i < 3; ++i) Druck(true);
    EXPECT_EQ(Feld().Eingang, 3);
    EXPECT_EQ(Feld().Blockiert, 1);
    for (int i = 0; i < 5; ++i) Druck(true);
    EXPECT_EQ(Feld().Eingang, 1);
    Druck(false);
    EXPECT_EQ(Feld().Eingang, 0);
    EXPECT_EQ(Feld().Blockiert, 0);

    // Walkable cells: tool 8 has no button; held both ways.
    EditorWerkzeug = 8;
    Druck(true);
    EXPECT_EQ(BodenGitter[30][41], 1);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    MausLinksGedrueckt = 0;
    Druck(false);
    EXPECT_EQ(BodenGitter[30][41], 0);
    MausRechtsGedrueckt = 0;

    // Vegetation: 50 plants round the cell; the flag cleared leaves them; the fill removes them.
    Werkzeug(7);
    Druck(true);
    int pflanzen = 0;
    for (const ObjektRecord& p : VegetationObjekte) pflanzen += p.Aktiv;
    EXPECT_EQ(pflanzen, 50);
    EXPECT_NEAR(VegetationObjekte[0].Position[0], 300.0f, 25.0f);
    Druck(false);
    pflanzen = 0;
    for (const ObjektRecord& p : VegetationObjekte) pflanzen += p.Aktiv;
    EXPECT_EQ(pflanzen, 50);
    Druck(true, 270, 750);
    pflanzen = 0;
    for (const ObjektRecord& p : VegetationObjekte) pflanzen += p.Aktiv;
    EXPECT_EQ(pflanzen, 0);
}

TEST_F(EditorTest, PlacedItemsStackByKindAndEachRotationStepHasItsAngle)
{
    struct Stapel {
        int32_t item;
        uint8_t anzahl;
    } const stapel[] = {{1000, 30}, {1003, 12}, {1006, 7}, {1008, 9}, {1013, 3}, {1019, 4}, {1022, 15},
                        {1028, 30}, {1036, 5},  {1037, 7}, {1191, 5}, {1001, 0}, {1007, 0}, {1012, 0},
                        {1038, 0},  {1029, 1},  {1035, 1}, {1100, 1}, {1002, 1}, {5056, 1}, {5025, 1}};
    Werkzeug(2);
    for (const Stapel& s : stapel) {
        std::memset(&Figuren, 0, sizeof Figuren);
        EditorObjekt = s.item;
        Druck(true);
        EXPECT_EQ(Figuren[0].Aktiv, 1) << s.item;
        EXPECT_EQ(Figuren[0].Anzahl, s.anzahl) << s.item;
    }
    const float winkel[8] = {0.0f, 0.7853982f, 1.5707964f, 2.3561945f, 3.1415927f, -2.3561945f, -1.5707964f, -0.7853982f};
    EditorWerkzeug = 0;
    for (int schritt = 0; schritt < 8; ++schritt) {
        EditorDrehung = schritt;
        Druck(true);
        MausLinksGedrueckt = 0;
        EXPECT_EQ(BodenKarte[10][13].BasisDrehung, winkel[schritt]) << schritt;
    }
}

TEST_F(EditorTest, ObjectsAndFiguresArePlacedAndRemovedOnlyAtTheExactPosition)
{
    Werkzeug(1);
    EditorObjekt = 5050;
    EditorDrehung = 5;
    Druck(true);
    ASSERT_EQ(StadtObjekte[0].Aktiv, 1);
    EXPECT_EQ(StadtObjekte[0].Modell, 5050);
    EXPECT_FLOAT_EQ(StadtObjekte[0].Position[1], 60.0f);
    EXPECT_FLOAT_EQ(StadtObjekte[0].Drehung[1], -2.3561945f);
    StadtObjekte[1] = StadtObjekte[0];
    StadtObjekte[1].Position[0] += 0.5f;  // off the cell's exact position
    Druck(false);
    EXPECT_EQ(StadtObjekte[0].Aktiv, 0);
    EXPECT_EQ(StadtObjekte[1].Aktiv, 1);

    // Items by their stack counts, fires as their model, emitters by number.
    struct Fall {
        int werkzeug, objekt;
        int16_t typ, modell;
        uint8_t anzahl;
    } faelle[] = {
        {2, 1000, 1000, 1000, 30}, {2, 1007, 1007, 1007, 0}, {2, 1100, 1100, 1100, 1},
        {2, 5056, 10000, 5056, 1}, {6, 1, 10002, 9000, 1},   {6, 6, 10007, 9000, 1},
    };
    for (const Fall& f : faelle) {
        std::memset(&Figuren, 0, sizeof Figuren);
        EditorWerkzeug = f.werkzeug;
        EditorObjekt = f.objekt;
        Druck(true);
        const FigurRecord& r = Figuren[0];
        ASSERT_EQ(r.Aktiv, 1) << f.objekt;
        EXPECT_EQ(r.Typ, f.typ) << f.objekt;
        EXPECT_EQ(r.TeilModelle[0], f.modell) << f.objekt;
        EXPECT_EQ(r.Anzahl, f.anzahl) << f.objekt;
        EXPECT_FLOAT_EQ(r.Position[0], 300.0f);
        EXPECT_FLOAT_EQ(r.Wegpunkt[2], 410.0f);
        EXPECT_EQ(r.Gesundheit, 100);
        EXPECT_EQ(r.ZielId, 32000);
    }
    // An emitter number without a kind places nothing; removal takes a person on the exact spot too.
    std::memset(&Figuren, 0, sizeof Figuren);
    EditorObjekt = 9;
    Druck(true);
    EXPECT_EQ(AktiveFiguren(), 0);
    Figuren[3].Aktiv = 1;
    Figuren[3].Typ = 11;
    Figuren[3].Position[0] = 300.0f;
    Figuren[3].Position[2] = 410.5f;
    Figuren[4] = Figuren[3];
    Figuren[4].Position[2] = 410.0f;
    Druck(false);
    EXPECT_EQ(Figuren[3].Aktiv, 1);
    EXPECT_EQ(Figuren[4].Aktiv, 0);
    EXPECT_EQ(Figuren[4].Typ, 11);  // tool 6 keeps the type, tool 2 clears it
}

TEST_F(EditorTest, AFullTableSkipsThePlacement)
{
    for (FigurRecord& f : Figuren) f.Aktiv = 1;
    for (ObjektRecord& o : StadtObjekte) o.Aktiv = 1;
    const std::vector<uint8_t> vorher(reinterpret_cast<const uint8_t*>(&Figuren),
                                      reinterpret_cast<const uint8_t*>(&Figuren) + sizeof Figuren);
    Werkzeug(2);
    Druck(true);
    Werkzeug(1);
    Druck(true);
    EXPECT_EQ(0, std::memcmp(vorher.data(), &Figuren, sizeof Figuren));
    EXPECT_EQ(StadtObjekte[0].Modell, 0);
}

TEST_F(EditorTest, SaveAndLoadRoundTripAndADamagedPairChangesNothing)
{
    std::filesystem::create_directories("Data");  // the game's data folder, spelled "DATA/" by the editor
    Werkzeug(4);
    Druck(true);
    Werkzeug(2);
    Druck(true);  // an item at the cell
    Figuren[7].Aktiv = 1;
    Figuren[7].Typ = 16;  // a trader: saving removes persons, in memory too
    Figuren[7].Id = 77;
    Figuren[7].Inventar[0][0] = {1003, 4, 0};
    Behaelter[2][3][4] = {1006, 2, 0};
    Feld().Belegt = 1;
    ASSERT_TRUE(EditorSpeichern());
    EXPECT_EQ(Figuren[7].Aktiv, 0);
    EXPECT_EQ(Figuren[7].Typ, 0);
    EXPECT_EQ(Figuren[7].Id, 77);
    EXPECT_EQ(Figuren[7].Inventar[0][0].ItemId, 0);
    EXPECT_EQ(Feld().Belegt, 0);
    EXPECT_EQ(Lies("Data/Town.dat").size(), STADTDATEI_GROESSE);
    EXPECT_EQ(Lies("Data/S_Town.dat").size(), STADTZUSTANDDATEI_GROESSE);

    std::memset(&Figuren, 0, sizeof Figuren);
    std::memset(&StadtGitter, 0, sizeof StadtGitter);
    std::memset(&Behaelter, 0, sizeof Behaelter);
    Druck(true, 1000, 750);  // load
    EXPECT_EQ(Feld().Blockiert, 1);
    EXPECT_EQ(Figuren[0].Typ, 1000);
    EXPECT_EQ(Behaelter[2][3][4].ItemId, 1006);
    EXPECT_TRUE(meldungen.empty());

    // A short state file: the pair is refused before anything changes.
    const std::string kurz = Lies("Data/S_Town.dat").substr(0, 1000);
    Schreibe("Data/S_Town.dat", kurz);
    Feld().Blockiert = 0;
    BodenGitter[5][5] = 1;
    EXPECT_FALSE(EditorLaden());
    EXPECT_EQ(Feld().Blockiert, 0);
    EXPECT_EQ(BodenGitter[5][5], 1);
    EXPECT_EQ(meldungen.size(), 1u);
}

// A town that differs from town to town in its map and in its state file.
void EditorStadt(uint8_t n)
{
    std::memset(&StadtGitter, 0, sizeof StadtGitter);
    std::memset(&Behaelter, 0, sizeof Behaelter);
    std::memset(&Figuren, 0, sizeof Figuren);
    StadtGitter[30][41].Blockiert = n;
    Behaelter[0][0][0] = {int16_t(1000 + n), 1, 0};
}

// The child of the kill test: saves town 2 in the folder it is given.
TEST(EditorKind, Speichert)
{
    if (!KindOrdner()) GTEST_SKIP() << "runs only as the child of the editor's save fault test";
    std::filesystem::current_path(KindOrdner());
    std::vector<std::string> meldungen;
    os::CaptureMessageBoxes(&meldungen);
    EditorStadt(2);
    std::_Exit(EditorSpeichern() ? 0 : 3);
}

// The editor's pair, killed after each write in turn (every sixteenth block of a file): the next
// load gets the old pair or the new one, never the map of one with the state of the other.
TEST_F(EditorTest, KilledWhileSavingThePairLoadsOldOrNew)
{
    if (!StraceGeht()) GTEST_SKIP() << "strace cannot run here: the kill test needs it";
    const KindArbeitsordner kindOrdner;
    std::filesystem::create_directories("Data");
    EditorStadt(1);
    ASSERT_TRUE(EditorSpeichern());
    const std::string altKarte = Lies("Data/Town.dat"), altZustand = Lies("Data/S_Town.dat");
    const std::string hier = kindOrdner.Pfad();
    ASSERT_EQ(Kind(hier, "EditorKind.Speichert"), KindEnde::Durch);
    ASSERT_NE(Lies("Data/Town.dat"), altKarte);
    ASSERT_NE(Lies("Data/S_Town.dat"), altZustand);
    const int kills = ToeteNachJedemAufruf(
        hier, "EditorKind.Speichert", {{"write", 16}, {"rename", 1}, {"unlink", 1}},
        [&] {
            std::filesystem::remove_all("Data");
            Schreibe("Data/Town.dat", altKarte);
            Schreibe("Data/S_Town.dat", altZustand);
        },
        [&](const std::string& fall) {
            EditorStadt(9);
            ASSERT_TRUE(EditorLaden()) << fall;
            const int n = StadtGitter[30][41].Blockiert;
            EXPECT_TRUE(n == 1 || n == 2) << fall;
            EXPECT_EQ(Behaelter[0][0][0].ItemId, 1000 + n) << fall;  // map and state of the same save
        });
    EXPECT_GE(kills, 2 + 7 + 3);  // at least a write per file, the renames and removals of the pair
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(EditorTest, NamesTheOverlayShowsForAKind)
{
    Schreibe("Load/Level001.txt", "[Load_Models] a.x 5000 1 b.x 5001 2 c.x 5002 3");
    EXPECT_EQ(EditorModellName(5000), "a.x");
    EXPECT_EQ(EditorModellName(5002), "c.x");
    EXPECT_EQ(EditorModellName(5003), "");
    std::filesystem::remove("Load/Level001.txt");
    EXPECT_EQ(EditorModellName(5000), "");

    struct Fall {
        int id;
        const char* name;
    } faelle[] = {{999, ""}, {1000, "O_Arzt_Koffer"}, {1190, "O_Strummaske"}, {1093, "O_Buch (Band 1)"},
                  {1105, "O_Buch_3 (Band 3)"}, {1191, "O_Ratte_Neu"}, {1192, ""}};
    for (const Fall& f : faelle) EXPECT_EQ(EditorItemName(f.id), f.name) << f.id;
}

TEST_F(EditorTest, DesignerKeysWorkOnlyWithDebugAndActOncePerPress)
{
    auto taste = [](uint8_t code, bool shift = false) {
        std::memset(TastenStatus, 0, sizeof TastenStatus);
        TastenStatus[code] = 0x80;
        if (shift) TastenStatus[kbd::dik::LShift] = 0x80;
        EditorTasten();
        EditorTasten();  // still held in the next call: no second step
        std::memset(TastenStatus, 0, sizeof TastenStatus);
        EditorTasten();
    };
    DebugModus = 0;
    EditorAktiv = 0;
    taste(kbd::dik::F9);
    EXPECT_EQ(EditorAktiv, 0);
    DebugModus = 1;
    taste(kbd::dik::F9);
    EXPECT_EQ(EditorAktiv, 1);
    EditorObjekt = 5001;
    taste(kbd::dik::Insert);
    EXPECT_EQ(EditorObjekt, 5002);
    taste(kbd::dik::Insert, true);
    EXPECT_EQ(EditorObjekt, 5012);
    taste(kbd::dik::Home);
    EXPECT_EQ(EditorObjekt, 5011);
    taste(kbd::dik::F7);
    EXPECT_EQ(EditorWerkzeug, 8);
    taste(kbd::dik::F9);
    EXPECT_EQ(EditorAktiv, 0);
    taste(kbd::dik::Insert);
    EXPECT_EQ(EditorObjekt, 5011);  // the editor is off
    DebugModus = 0;
}

}  // namespace
