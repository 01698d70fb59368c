#pragma once
// The town world: the town table, the current town's grids, objects, plants and containers,
// the world map and the lights. Stored byte for byte in the game-state files.
#include <cstddef>
#include <cstdint>

#include "world/itemslot.h"

constexpr int STADT_ANZAHL = 30;         // records in StadtTabelle; towns 0..19 are used
constexpr int STAEDTE_BENUTZT = 20;
constexpr int GITTER_GROESSE = 118;      // town grid cells per side
constexpr int BODENKARTE_GROESSE = 40;   // floor tiles per side
constexpr int STADTOBJEKTE_ANZAHL = 2000;
constexpr int VEGETATION_ANZAHL = 5000;
constexpr int BEHAELTER_ANZAHL = 50;
constexpr int WELTRASTER_GROESSE = 20;
constexpr int LICHTER_ANZAHL = 100;
constexpr int KEINE_STADT = 32000;       // StadtId of a world-map cell without a town

struct StadtRecord {
    int32_t TageOffen;      // 0
    uint8_t NamenIndex;     // 4
    uint8_t Besitzer;       // 5: 0 neutral, 1 player, 2 enemy
    uint8_t Verseuchung;    // 6
    uint8_t Bewohner;       // 7
    int16_t NahrungsTier;   // 8
    int16_t Stationiert;    // 10
    int16_t Nahrung;        // 12
    int16_t WasserZufluss;  // 14
    int16_t Wasser;         // 16
    int16_t Pumpe;          // 18
    uint8_t Besatzung[5];   // 20
    uint8_t GitterBreite;   // 25
    uint8_t GitterHoehe;    // 26
    uint8_t reserved;       // 27
};
static_assert(sizeof(StadtRecord) == 28);
static_assert(offsetof(StadtRecord, TageOffen) == 0);
static_assert(offsetof(StadtRecord, NamenIndex) == 4);
static_assert(offsetof(StadtRecord, Besitzer) == 5);
static_assert(offsetof(StadtRecord, Verseuchung) == 6);
static_assert(offsetof(StadtRecord, Bewohner) == 7);
static_assert(offsetof(StadtRecord, NahrungsTier) == 8);
static_assert(offsetof(StadtRecord, Stationiert) == 10);
static_assert(offsetof(StadtRecord, Nahrung) == 12);
static_assert(offsetof(StadtRecord, WasserZufluss) == 14);
static_assert(offsetof(StadtRecord, Wasser) == 16);
static_assert(offsetof(StadtRecord, Pumpe) == 18);
static_assert(offsetof(StadtRecord, Besatzung) == 20);
static_assert(offsetof(StadtRecord, GitterBreite) == 25);
static_assert(offsetof(StadtRecord, GitterHoehe) == 26);
static_assert(offsetof(StadtRecord, reserved) == 27);

struct StadtFeld {
    int16_t Sound;              // 0
    uint8_t Blockiert;          // 2
    uint8_t reserved3;          // 3
    int16_t Eingang;            // 4: entrance kind, 0 none
    uint8_t Belegt;             // 6
    uint8_t BehaelterIndex;     // 7: derived after every town load; 255 = no container
    uint8_t VegetationErlaubt;  // 8
    uint8_t reserved9;          // 9
};
static_assert(sizeof(StadtFeld) == 10);
static_assert(offsetof(StadtFeld, Sound) == 0);
static_assert(offsetof(StadtFeld, Blockiert) == 2);
static_assert(offsetof(StadtFeld, reserved3) == 3);
static_assert(offsetof(StadtFeld, Eingang) == 4);
static_assert(offsetof(StadtFeld, Belegt) == 6);
static_assert(offsetof(StadtFeld, BehaelterIndex) == 7);
static_assert(offsetof(StadtFeld, VegetationErlaubt) == 8);
static_assert(offsetof(StadtFeld, reserved9) == 9);

struct BodenTile {
    int16_t BasisTextur;  // 0
    int16_t AlphaTextur;  // 2: 0 = none
    float BasisDrehung;   // 4
    float AlphaDrehung;   // 8
};
static_assert(sizeof(BodenTile) == 12);
static_assert(offsetof(BodenTile, BasisTextur) == 0);
static_assert(offsetof(BodenTile, AlphaTextur) == 2);
static_assert(offsetof(BodenTile, BasisDrehung) == 4);
static_assert(offsetof(BodenTile, AlphaDrehung) == 8);

struct ObjektRecord {
    uint8_t Aktiv;        // 0
    uint8_t reserved[3];  // 1
    float Position[3];    // 4
    float Drehung[3];     // 16
    float Phase;          // 28
    int32_t Modell;       // 32: mesh slot
};
static_assert(sizeof(ObjektRecord) == 36);
static_assert(offsetof(ObjektRecord, Aktiv) == 0);
static_assert(offsetof(ObjektRecord, reserved) == 1);
static_assert(offsetof(ObjektRecord, Position) == 4);
static_assert(offsetof(ObjektRecord, Drehung) == 16);
static_assert(offsetof(ObjektRecord, Phase) == 28);
static_assert(offsetof(ObjektRecord, Modell) == 32);

struct WeltFeld {
    uint8_t Gelaende;      // 0
    uint8_t ParteiHier;    // 1
    uint8_t StadtZeichen;  // 2
    uint8_t reserved;      // 3
    int32_t StadtId;       // 4: 0..19, 32000 = no town
};
static_assert(sizeof(WeltFeld) == 8);
static_assert(offsetof(WeltFeld, Gelaende) == 0);
static_assert(offsetof(WeltFeld, ParteiHier) == 1);
static_assert(offsetof(WeltFeld, StadtZeichen) == 2);
static_assert(offsetof(WeltFeld, reserved) == 3);
static_assert(offsetof(WeltFeld, StadtId) == 4);

struct LichtRecord {
    uint8_t Aktiv;        // 0
    uint8_t reserved[3];  // 1
    int32_t Index;        // 4
    float Farbe[3];       // 8
    float Position[3];    // 20
    float Reichweite;     // 32
    float Daempfung[3];   // 36: constant, linear, quadratic
    int32_t Art;          // 48
};
static_assert(sizeof(LichtRecord) == 52);
static_assert(offsetof(LichtRecord, Aktiv) == 0);
static_assert(offsetof(LichtRecord, reserved) == 1);
static_assert(offsetof(LichtRecord, Index) == 4);
static_assert(offsetof(LichtRecord, Farbe) == 8);
static_assert(offsetof(LichtRecord, Position) == 20);
static_assert(offsetof(LichtRecord, Reichweite) == 32);
static_assert(offsetof(LichtRecord, Daempfung) == 36);
static_assert(offsetof(LichtRecord, Art) == 48);

extern StadtRecord StadtTabelle[STADT_ANZAHL];
extern StadtFeld StadtGitter[GITTER_GROESSE][GITTER_GROESSE];      // [x][z]
extern uint8_t BodenGitter[GITTER_GROESSE][GITTER_GROESSE];        // [x][z], 1 = walkable for placement
extern BodenTile BodenKarte[BODENKARTE_GROESSE][BODENKARTE_GROESSE];
extern ObjektRecord StadtObjekte[STADTOBJEKTE_ANZAHL];
extern ObjektRecord VegetationObjekte[VEGETATION_ANZAHL];           // never stored
extern ItemSlot Behaelter[BEHAELTER_ANZAHL][10][10];                // [container][row][slot]
extern WeltFeld WeltRaster[WELTRASTER_GROESSE][WELTRASTER_GROESSE]; // [column][row]
extern LichtRecord LichtZustand[LICHTER_ANZAHL];                    // 0 = the sun

static_assert(sizeof(StadtGitter) == 139240);
static_assert(sizeof(BodenGitter) == 13924);
static_assert(sizeof(BodenKarte) == 19200);
static_assert(sizeof(StadtObjekte) == 72000);
static_assert(sizeof(Behaelter) == 20000);
static_assert(sizeof(WeltRaster) == 3200);
static_assert(sizeof(StadtTabelle) == 840);
static_assert(sizeof(LichtZustand) == 5200);

// The four foods a town can breed (its NahrungsTier) and the tool in the town stock that breeds
// each: knife - maggots, rat trap - rat, snake basket - snake, leg-hold trap - meat. A hunter on the
// road catches the same four, in this order.
struct NahrungsQuelle {
    int16_t werkzeug, tier;
};
inline constexpr NahrungsQuelle kNahrungsQuellen[4] = {{1035, 1013}, {1039, 1036}, {1040, 1037}, {1041, 1008}};
// The food a tool breeds, the tool of a food; 0 for anything else.
int NahrungsTierVon(int werkzeug);
int NahrungsWerkzeug(int nahrungsTier);

// Food a town produces (its NahrungsTier): stack size, which is also the daily gain and the
// number of stationed members it feeds; 0 for anything that is not one of the four foods.
int NahrungsStapel(int nahrungsTier);

// The water income a pump adds to its town: the hand pump 2, the electric pump 4, anything else 0.
int PumpenZufluss(int pumpe);

// Run after a town map has been read into the four town blocks: grows the plants anew,
// numbers the containers of the entrance cells and sets the two overlay tiles.
void StadtNachLaden();

// One plant near cell (x, z) in the first free record of VegetationObjekte from index ab on; the
// record's index, or -1 when all are in use (nothing is drawn then).
int SetzePflanze(int x, int z, int ab = 0);
// Every plant removed, then 50 grown round every cell whose vegetation flag is 1.
void WachsePflanzen();
