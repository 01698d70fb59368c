// Snapshots beyond one town: the world map with a route, the journey's arrival, the raid battle and
// its decided end, the save and load screens with a slot, the tutorial's recruiter, and the town
// editor with each tool.
#include <cstdio>
#include <string>

#include "framework/frame.h"
#include "framework/setup.h"
#include "framework/texte.h"
#include "frontend/editor.h"
#include "frontend/travel.h"
#include "interaction/reise.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "tests/snapshots/schnappschuss_test.h"
#include "world/anzeige.h"
#include "world/enemy_army.h"
#include "world/gamefiles.h"
#include "world/raid.h"
#include "world/records.h"

namespace {

class WeltSchnappschuss : public SchnappschussE2E {};
using T = SchnappschussE2E;

void Stadt(T& t) { t.InStadtNullRuhig(); }

// The save or load screen (SpielModus 7000 or 8000) opened from the town, its slots risen.
void SpeicherSeite(T& t, int modus)
{
    Stadt(t);
    MenueAusStadt = 1;
    SpielModus = modus;
    t.Zeiger(300, 600);
    t.Frames(12);
}

void Weltkarte(T& t)
{
    Stadt(t);
    KartenAnimation = 0.0f;
    SpielModus = 9000;
    t.Zeiger(700, 700);
    t.Frames(2);
}

// The enemy army reaches town 1 while the party looks at the world map from town 0. Town 1 is the
// party's, its working copy the new game's with a garrison of eight stationed members of all five
// types, copies of the own figure with their health spread from full to nearly dead. The left
// button is down on an empty spot of the screen, so the battle screen closes as soon as it is
// decided.
constexpr int kUeberfalleneStadt = 1, kUeberfallStaerke = 150;

void Ueberfall(T& t)
{
    Weltkarte(t);
    static BehaelterBlock behaelter;
    static FigurenBlock figuren;
    std::string fehler;
    ASSERT_TRUE(LeseStadtZustandDatei("Data/Player_Data/S_Town1.dat", behaelter, figuren, &fehler)) << fehler;
    const FigurRecord* eigene = nullptr;
    for (const FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && f.EigeneFigur == 1) eigene = &f;
    ASSERT_NE(eigene, nullptr);
    const struct {
        int16_t typ;
        int32_t gesundheit;
    } garnison[8] = {{1, 100}, {2, 84}, {3, 64}, {4, 45}, {5, 30}, {1, 17}, {2, 9}, {3, 3}};
    int n = 0;
    for (int i = 0; i < FIGUREN_ANZAHL && n < 8; ++i) {
        if (figuren[i].Aktiv != 0) continue;
        figuren[i] = *eigene;
        figuren[i].Id = int16_t(i + 1);
        figuren[i].EigeneFigur = 0;
        figuren[i].Stationiert = 1;
        figuren[i].Typ = garnison[n].typ;
        figuren[i].Gesundheit = garnison[n].gesundheit;
        ++n;
    }
    ASSERT_EQ(n, 8);
    ASSERT_TRUE(os::MakeDirectory("Gamestate"));
    ASSERT_TRUE(SchreibeStadtZustandDatei("Gamestate/S_Town1.dat", behaelter, figuren, &fehler)) << fehler;
    StadtTabelle[kUeberfalleneStadt].Besitzer = 1;
    FeindArmeePosition[0] = kStadtZellen[kUeberfalleneStadt].spalte;
    FeindArmeePosition[1] = kStadtZellen[kUeberfalleneStadt].reihe;
    t.Druecke(1000, 745);
}

void Angriff()
{
    FeindAngriff(kStadtZellen[kUeberfalleneStadt].spalte, kStadtZellen[kUeberfalleneStadt].reihe, kUeberfallStaerke);
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
             SpeicherSeite(t, 7000);
             t.Klick(450, 245);  // slot 3, its name being typed
             std::snprintf(SpeicherSlotNamen[3], TEXT_LAENGE, "%s", "Arvids_Spiel");
             t.Frames(1);
         }},
        {"laden_bildschirm", [](T& t) { SpeicherSeite(t, 8000); }},
        {"anwerber", Anwerber},
        // The first present ends the caller's frame; the battle's frames follow.
        {"ueberfall_kampf", Ueberfall, {}, Angriff, 3},
        {"ueberfall_entschieden", Ueberfall, {}, Angriff, 0},
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
