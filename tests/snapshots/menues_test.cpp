// Snapshots of the menus: main menu, the options and their pages, credits, quit, the new-game screen
// with its preview, the load screen and the loading sequence.
#include "tests/snapshots/schnappschuss_test.h"
#include "world/records.h"

namespace {

class MenueSchnappschuss : public SchnappschussE2E {};
using T = SchnappschussE2E;

// The options from the main menu, then the page of the button at (870, y), which is SpielModus modus.
void OptionenSeite(T& t, int y, int modus)
{
    t.Frames(12);
    t.Klick(500, 410);
    t.Frames(12);
    t.Klick(870, y);
    ASSERT_EQ(SpielModus, modus);
    t.Zeiger(700, 600);
    t.Frames(2);
}

const Szene kMenues[] = {
    {"laden", [](T&) {}},
    {"hauptmenue", [](T& t) {
         // The pointer rests on "options" while the buttons rise: the highlight and the click
         // sound come in the tenth frame, the snapshot's.
         t.Zeiger(500, 410);
         t.Frames(9);
     }},
    {"optionen", [](T& t) {
         t.Frames(12);
         t.Klick(500, 410);
         ASSERT_EQ(SpielModus, 5000);
         t.Zeiger(700, 600);
         t.Frames(12);
     }},
    {"optionen_grafik", [](T& t) { OptionenSeite(t, 310, 5001); }},
    {"optionen_ton", [](T& t) { OptionenSeite(t, 360, 5002); }},
    {"mitwirkende", [](T& t) {
         t.Frames(12);
         t.Klick(500, 460);
         ASSERT_EQ(SpielModus, 2000);
         t.Frames(40);
     }},
    {"beenden", [](T& t) {
         t.Frames(12);
         t.Klick(500, 510);
         ASSERT_EQ(SpielModus, 4000);
         t.Zeiger(500, 320);  // on "yes"
         t.Frames(12);
     }},
    {"neues_spiel", [](T& t) {
         t.Frames(12);
         t.Klick(500, 310);
         ASSERT_EQ(SpielModus, 6000);
         t.Zeiger(700, 700);
         t.Frames(12);
     }},
};

TEST_P(MenueSchnappschuss, Szene) { Pruefe(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Menues, MenueSchnappschuss, ::testing::ValuesIn(kMenues), SzenenName);

}  // namespace
