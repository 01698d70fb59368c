// The town editor in the real game on town 0 of the demo data: switched on by its key (with DEBUG),
// a few cells edited with each tool by clicks, the town saved and loaded back, a screenshot.
#include <filesystem>

#include "e2e_spiel.h"
#include "framework/frame.h"
#include "framework/setup.h"
#include "frontend/editor.h"
#include "platform/keyboard.h"
#include "world/gamefiles.h"
#include "world/records.h"

namespace {

class EditorE2E : public SpielE2E {
protected:
    static void Taste(uint8_t code)
    {
        kbd::ForceKey(code, true);
        Frames(2);
        kbd::ClearForcedKeys();
        Frames(12);  // the editor paces the keyboard handler
    }
    // A tool button of the bar at the bottom edge.
    static void Werkzeug(int w) { Klick(32 * w + 16, 750); }
    // The pick cell found for the pointer at (x, y), after a frame to find it.
    static void Zeige(int x, int y)
    {
        Zeiger(x, y);
        Frames(2);
    }
    // A click on the cell under (x, y): the tools act on the cell found in the frame before.
    static void KlickAuf(int x, int y)
    {
        Zeige(x, y);
        Klick(x, y);
    }
};

TEST_F(EditorE2E, ToolsOnTownZeroSavedAndLoadedBack)
{
    StarteBisHauptmenue();
    InStadtNull();
    DebugModus = 1;  // as the DEBUG line of Data/Setup.txt makes it
    Taste(kbd::dik::F9);
    ASSERT_EQ(EditorAktiv, 1);

    Zeige(520, 380);
    const int x = MyApp.PickX, z = MyApp.PickY;
    ASSERT_GE(x, 0);
    ASSERT_LT(x, GITTER_GROESSE);
    StadtFeld& feld = StadtGitter[x][z];

    Werkzeug(4);  // blocked
    KlickAuf(520, 380);
    EXPECT_EQ(feld.Blockiert, 1);
    Werkzeug(5);  // entrance: two presses give kind 2
    KlickAuf(520, 380);
    KlickAuf(520, 380);
    EXPECT_EQ(feld.Eingang, 2);
    Werkzeug(3);  // sound
    const int16_t sound = feld.Sound;
    KlickAuf(520, 380);
    EXPECT_EQ(feld.Sound, sound + 1);
    Werkzeug(7);  // vegetation
    KlickAuf(520, 380);
    EXPECT_EQ(feld.VegetationErlaubt, 1);
    Werkzeug(1);  // a town object, the kind stepped by the designer's key
    Taste(kbd::dik::Insert);
    EXPECT_EQ(EditorObjekt, 5002);
    KlickAuf(520, 380);
    bool objekt = false;
    for (const ObjektRecord& o : StadtObjekte)
        objekt |= o.Aktiv == 1 && o.Modell == 5002 && o.Position[0] == float(x * 10) && o.Position[2] == float(z * 10);
    EXPECT_TRUE(objekt);
    Werkzeug(2);  // an item on the floor
    KlickAuf(520, 380);
    bool item = false;
    for (const FigurRecord& f : Figuren) item |= f.Aktiv == 1 && f.Typ == 1000 && f.Position[0] == float(x * 10);
    EXPECT_TRUE(item);
    Werkzeug(6);  // a camp fire
    Zeige(600, 380);
    KlickAuf(600, 380);
    Werkzeug(0);  // a floor tile
    KlickAuf(600, 380);
    Taste(kbd::dik::F7);  // walkable cells
    EXPECT_EQ(EditorWerkzeug, 8);
    KlickAuf(600, 380);
    Zeige(520, 380);
    Frames(2);
    Bild("editor_stadt0");

    // Saved, changed, loaded back: the edited cell is there again.
    Klick(976, 750);
    ASSERT_EQ(std::filesystem::file_size(os::ResolvePath(kEditorStadtDatei)), STADTDATEI_GROESSE);
    ASSERT_EQ(std::filesystem::file_size(os::ResolvePath(kEditorZustandDatei)), STADTZUSTANDDATEI_GROESSE);
    feld.Blockiert = 0;
    feld.Eingang = 0;
    Klick(1008, 750);
    EXPECT_EQ(StadtGitter[x][z].Blockiert, 1);
    EXPECT_EQ(StadtGitter[x][z].Eingang, 2);
    EXPECT_EQ(StadtGitter[x][z].VegetationErlaubt, 1);

    Taste(kbd::dik::F9);
    EXPECT_EQ(EditorAktiv, 0);
    for (const std::string& m : meldungen) ADD_FAILURE() << "message box: " << m;
}

}  // namespace
