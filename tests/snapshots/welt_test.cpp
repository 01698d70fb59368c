// Snapshots beyond one town: the world map with a route, the journey's arrival, the save and load
// screens with a slot, the tutorial's recruiter, and the town editor with each tool.
#include <cstdio>

#include "framework/frame.h"
#include "framework/setup.h"
#include "framework/texte.h"
#include "frontend/editor.h"
#include "frontend/travel.h"
#include "interaction/reise.h"
#include "platform/keyboard.h"
#include "tests/snapshots/schnappschuss_test.h"
#include "world/anzeige.h"
#include "world/records.h"

namespace {

class WeltSchnappschuss : public SchnappschussE2E {};
using T = SchnappschussE2E;

void Stadt(T& t)
{
    t.InStadtNull();
    HinweisSichtbar = 0;
    RegenAktiv = 0;
}

void Weltkarte(T& t)
{
    Stadt(t);
    KartenAnimation = 0.0f;
    SpielModus = 9000;
    t.Zeiger(700, 700);
    t.Frames(2);
}

// The tutorial map of a new game, its recruiter open as the tutorial town opens him.
void Anwerber(T& t)
{
    t.Frames(12);
    t.Klick(500, 310);
    t.Frames(12);
    t.Klick(800, 260);  // the tutorial map
    ASSERT_EQ(SpielModus, 1000);
    TutorialSchritt = 99;  // the pause between the tutorial's parts, where the recruiter waits
    Cam.Set(38.0f, 25.0f, -21.3f, -4.432f, 11.875f, -7.826f, 0.0f, 1.0f, 0.0f);
    InteraktionsModus = 7;
    t.Zeiger(400, 456);
    t.Frames(3);
}

// The editor on town 0, one tool chosen, the pointer on a cell.
void Editor(T& t, int werkzeug)
{
    Stadt(t);
    DebugModus = 1;
    kbd::ForceKey(kbd::dik::F9, true);
    t.Frames(2);
    kbd::ClearForcedKeys();
    t.Frames(12);
    ASSERT_EQ(EditorAktiv, 1);
    t.Klick(32 * werkzeug + 16, 750);
    t.Zeiger(520, 380);
    t.Frames(2);
}

std::vector<Szene> Szenen()
{
    std::vector<Szene> s = {
        {"weltkarte", Weltkarte},
        {"weltkarte_route", [](T& t) {
             Weltkarte(t);
             t.Klick(128, 384);  // town 1: selected, its route shown
             t.Frames(2);
         }},
        {"reise_ankunft", [](T& t) {
             // A whole new game, whose towns have their working copies to travel to.
             Anwerber(t);
             if (::testing::Test::HasFatalFailure()) return;
             t.Klick(400, 456);  // the recruiter's second answer: town 0
             ASSERT_EQ(SpielModus, 1000);
             HinweisSichtbar = 0;
             t.Frames(3);
             KartenAnimation = 0.0f;
             SpielModus = 9000;
             t.Frames(2);
             t.Klick(128, 384);
             t.Klick(128, 384);  // travelled
             t.Frames(3);
         }},
        {"begegnung", [](T& t) {
             // An encounter map met on the way, entered as a journey enters it (its kind drawn from
             // the seeded random sequence), with its hint.
             Stadt(t);
             BetreteBegegnung();
             t.Zeiger(600, 300);
             t.Frames(3);
         }},
        {"speichern", [](T& t) {
             Stadt(t);
             MenueAusStadt = 1;
             SpielModus = 7000;
             t.Zeiger(300, 600);
             t.Frames(12);
             t.Klick(450, 245);  // slot 3, its name being typed
             std::snprintf(SpeicherSlotNamen[3], TEXT_LAENGE, "%s", "Arvids_Spiel");
             t.Frames(1);
         }},
        {"laden_bildschirm", [](T& t) {
             Stadt(t);
             MenueAusStadt = 1;
             SpielModus = 8000;
             t.Zeiger(300, 600);
             t.Frames(12);
         }},
        {"anwerber", Anwerber},
    };
    for (int w = 0; w < 8; ++w) {
        static std::string namen[8];
        namen[w] = "editor_" + std::to_string(w);
        s.push_back({namen[w].c_str(), [w](T& t) { Editor(t, w); }, {"cell marker", "overlay", "hud"}});
    }
    return s;
}

TEST_P(WeltSchnappschuss, Szene) { Pruefe(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Welt, WeltSchnappschuss, ::testing::ValuesIn(Szenen()), SzenenName);

}  // namespace
