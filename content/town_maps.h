#pragma once
// The town maps and their state templates: a procedural layout per map with a fixed seed, built
// straight into the game's town blocks (StadtObjekte, StadtGitter, BodenKarte, BodenGitter) and
// town-state blocks (Behaelter, Figuren), and written with the game's own file writers.
#include <string>
#include <vector>

#include "interaction/szenen.h"
#include "platform/image.h"

namespace content {

enum class KartenArt { Stadt, Tutorial, Angriff, Einsiedler, Karawane };

struct KartenPlan {
    KartenArt art;
    int nummer;              // town id, or the number of the encounter map
    std::string name;        // "town3", "Tutorial", "Angriff002" ...
    std::string karte;       // "Data/Towns/town3.dat"
    std::string zustand;     // "Data/Player_Data/S_Town3.dat", empty for the encounter maps
};

// The 20 towns, the tutorial and the eleven encounter maps.
std::vector<KartenPlan> AlleKarten();

// Where a new game and every arrival put the party: the own figure at (600, 0, 0), the squad in
// rows of six at x 560..610, z 0..30, the garrison left behind at (610 + 10k, 0, 20).
constexpr int StartX = 60, StartZ = 0;

// The tutorial's closed passages and its walking areas, as the tutorial steps open them.
struct Zelle {
    int x, z;
};
constexpr Zelle TutorialAnwerber = {kAnwerberX, kAnwerberZ};
const std::vector<Zelle>& TutorialDurchgaenge();  // blocked in the map, opened step by step
void TutorialAllesOeffnen();                       // the map as it stands at the tutorial's end

// Fills the four town blocks with the map. Deterministic: the same plan gives the same bytes.
void BaueKarte(const KartenPlan& plan);
// Fills Behaelter and Figuren for the map now in the town blocks (containers by entrance kind,
// lights and fires on their objects, no persons).
void BaueZustand(const KartenPlan& plan);

// Reachability of the town in the blocks: every entrance (through a free neighbour, as a walk
// order to a blocked cell goes) and every placement cell from the start cell, by the game's path
// finder. Placement cells are tested on every n-th row and column (n = 1: all) and all of them
// by a flood fill. Empty when everything is reachable, else the first cell that is not.
std::string PruefeErreichbarkeit(int stichprobe);

// Top-down picture of the town blocks: floor, walls, objects, entrances by kind, vegetation.
image::Image KartenBild();

// Writes every map, template and picture: maps and templates under spielOrdner, the pictures
// into bildOrdner. Returns the names of the files written.
std::vector<std::string> SchreibeKarten(const std::string& spielOrdner, const std::string& bildOrdner);

}  // namespace content
