#pragma once
// Mesh slots of the town objects. The maps place them and the object meshes fill them, so both
// take their numbers from here. Slots the game itself names keep their numbers: the swaying
// trees and bushes, the plants 5036 and 5037, the turning and swinging models 5050, 5055, 5067,
// the fire models 5025 and 5056 and the scatter models of the encounter maps.
#include <vector>

namespace content::modell {

// Trees, bushes, rocks and wrecks (the world logic sways the trees and bushes).
constexpr int Laubbaum = 5001;
constexpr int Kiefer = 5003;
constexpr int ToterBaum = 5004;
constexpr int Fels = 5011;
constexpr int Baumstumpf = 5024;
constexpr int Busch = 5074;
constexpr int Busch2 = 5075;
constexpr int Schilf = 5076;
constexpr int Findling = 5080;
constexpr int Steinhaufen = 5081;
constexpr int Gras = 5082;
constexpr int Strauch = 5083;
constexpr int Strauch2 = 5084;
constexpr int Birke = 5107;
constexpr int Pappel = 5108;
constexpr int Eiche = 5109;
constexpr int Baumstamm = 5110;
constexpr int FlacheSteine = 5111;
constexpr int Farn = 5113;
constexpr int DuerrerBusch = 5114;
constexpr int Reifenstapel = 5116;
constexpr int Rostfass = 5119;
constexpr int Hecke = 5122;
constexpr int Busch3 = 5123;
constexpr int Busch4 = 5124;
constexpr int Busch5 = 5125;
constexpr int Busch6 = 5126;
constexpr int Busch7 = 5127;
constexpr int Autowrack = 5201;
constexpr int Lkwwrack = 5202;
constexpr int Betonblock = 5215;
constexpr int Mauerrest = 5217;
constexpr int Schutt = 5218;
constexpr int Panzersperre = 5219;
constexpr int Sandsaecke = 5220;

// The plants grown round vegetation cells after every town load.
constexpr int Pflanze = 5036;
constexpr int Blume = 5037;

// Fires (the state file puts an emitter on each), and the moving parts the world logic turns.
constexpr int FeuerTonne = 5025;
constexpr int Lagerfeuer = 5056;
constexpr int WindradRotor = 5050;  // hung at y 60, turns about z
constexpr int WindradTurm = 5051;
constexpr int Radar = 5055;         // turns about y, on its mast
constexpr int RadarMast = 5052;
constexpr int Wirtshausschild = 5067;  // hung at y 18, swings about x

// Town pieces.
constexpr int Mauer = 5320;      // stone wall, one cell long, along x
constexpr int Zaun = 5321;       // wooden fence, one cell
constexpr int Palisade = 5322;   // wooden stakes, one cell
constexpr int Torpfosten = 5323;
constexpr int Kiste = 5330;
constexpr int Fass = 5331;
constexpr int Kistenstapel = 5332;
constexpr int Marktstand = 5333;  // 3 cells wide, 2 deep, counter on its -z side
constexpr int Brunnen = 5334;     // 3 x 3 cells
constexpr int Laterne = 5335;
constexpr int Bank = 5336;
constexpr int Karren = 5337;
constexpr int Wassertank = 5338;  // 2 x 2 cells
constexpr int Sperre = 5339;      // striped barrier across a closed passage
constexpr int Tisch = 5340;
constexpr int Zelt = 5341;        // 3 x 3 cells
constexpr int Planwagen = 5342;   // 2 x 4 cells, along z
constexpr int Huette = 5343;      // 5 x 5 cells, door on -z
constexpr int Anwerber = 5344;    // the tutorial's recruiter standing, facing -z; blocks no cell

// Houses: one mesh per size and style; w (along x, odd) and d (along z) in cells, door in the
// middle of the -z side.
constexpr int HausStile = 2;
constexpr int HausBreiten[] = {5, 7, 9};
constexpr int HausTiefen[] = {5, 6, 7, 8};
constexpr int Haus(int stil, int w, int d) { return 5400 + stil * 100 + w * 10 + d; }

// Every object slot a map may name, for the mesh list.
std::vector<int> AlleObjektSlots();

// The scatter models the travel lays over an encounter map, in the game's order.
constexpr int Streumodelle[29] = {5001, 5003, 5004, 5011, 5024, 5074, 5080, 5081, 5083, 5084,
                                  5107, 5108, 5109, 5110, 5111, 5113, 5114, 5116, 5119, 5125,
                                  5126, 5127, 5201, 5202, 5215, 5217, 5218, 5219, 5220};

}  // namespace content::modell

namespace content::modell {

// Top of a house's chimney in the house's own coordinates, where its smoke rises.
struct Kamin {
    float x, y, z;
};
constexpr Kamin HausKamin(int w, int d) { return {float(w) * 5.0f - 8.0f, 36.0f, float(d) * 2.5f}; }
constexpr bool IstHaus(int slot) { return slot >= 5400 && slot < 5400 + HausStile * 100; }
constexpr int HausBreite(int slot) { return (slot % 100) / 10; }
constexpr int HausTiefe(int slot) { return slot % 10; }

}  // namespace content::modell
