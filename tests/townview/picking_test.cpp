// The box-pick family: a cell, a floor item and a person against the mouse ray.
#include "townview/picking.h"

#include "stadt_fixture.h"

namespace {

class PickingTest : public StadtTest {};

struct BoxFall {
    const char* name;
    float augeX, augeY, augeZ, zielX, zielY, zielZ;  // the ray through the screen centre
    bool feld, figur, person;  // hits of the cell (0, 0), the item box, the person box round (0, 0)
};

// The cell box is +-5 and 20 high, the item box +-4 and 8 high, the person box +-5 and 10 high.
const BoxFall kBoxFaelle[] = {
    {"StraightDownOnTheCentre", 0, 100, 0, 0, 0, 0, true, true, true},
    {"DownInsideAllButTheItemBox", 4.5f, 100, 0, 4.5f, 0, 0, true, false, true},
    {"DownJustOutsideEveryBox", 5.5f, 100, 0, 5.5f, 0, 0, false, false, false},
    {"DownNearTheCornerInZ", 0, 100, -4.9f, 0, 0, -4.9f, true, false, true},
    {"FromTheSideAtHeight7", -50, 7, 0, 0, 7, 0, true, true, true},
    {"FromTheSideAtHeight9", -50, 9, 0, 0, 9, 0, true, false, true},
    {"FromTheSideAtHeight15", -50, 15, 0, 0, 15, 0, true, false, false},
    {"FromTheSideAboveEveryBox", -50, 21, 0, 0, 21, 0, false, false, false},
    {"FromTheSidePassingBeside", -50, 5, 6, 0, 5, 6, false, false, false},
    // Only the outsides of the walls and the top face the eye, the floor faces into the box.
    {"FromBelowLookingUp", 0, -100, 0, 0, 0, 0, false, false, false},
};

class BoxPick : public PickingTest, public ::testing::WithParamInterface<BoxFall> {};

TEST_P(BoxPick, HitsOnlyThroughTheBox)
{
    const BoxFall& f = GetParam();
    Kamera(f.augeX, f.augeY, f.augeZ, f.zielX, f.zielY, f.zielZ);
    MyApp.MausX = 512;
    MyApp.MausY = 384;
    Figur(3, 1010, 0, 0);
    EXPECT_EQ(PickeFeld(0, 0), f.feld ? 1 : 0);
    EXPECT_EQ(PickeFigur(3), f.figur ? 1 : 0);
    EXPECT_EQ(MausUeberFigur(3), f.person ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Faelle, BoxPick, ::testing::ValuesIn(kBoxFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PickingTest, TheBoxFollowsTheFigureAndTheCellArgument)
{
    Kamera(30, 100, 40, 30, 0, 40);
    MyApp.MausX = 512;
    MyApp.MausY = 384;
    Figur(0, 1, 30, 40);
    Figur(1, 1, 0, 0);
    EXPECT_EQ(MausUeberFigur(0), 1);
    EXPECT_EQ(MausUeberFigur(1), 0);
    EXPECT_EQ(PickeFeld(30, 40), 1);
    EXPECT_EQ(PickeFeld(40, 40), 0);
    // The figure's own height does not lift its box.
    Figuren[0].Position[1] = 500;
    EXPECT_EQ(MausUeberFigur(0), 1);
}

TEST_F(PickingTest, AnIndexOutsideTheFiguresHitsNothing)
{
    Kamera(0, 100, 0, 0, 0, 0);
    MyApp.MausX = 512;
    MyApp.MausY = 384;
    for (int i : {-1, FIGUREN_ANZAHL, 100000}) {
        EXPECT_EQ(MausUeberFigur(i), 0) << i;
        EXPECT_EQ(PickeFigur(i), 0) << i;
    }
}

}  // namespace
