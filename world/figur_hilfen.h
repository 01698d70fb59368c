#pragma once
// Small rules about figures and the town grid shared by movement, behaviour, world logic and
// spawning: what a type is, which cell a position lies in, the current town, the floor item.
#include <cstdint>

#include "world/records.h"

constexpr float kPi = 3.14159265f;

// Named places of the inventory (row 2 and row 3).
enum InventarPlatz { Koerper, Munition, Hand, Getragen, Hose, Helm, Handschuhe, Stiefel };
inline ItemSlot& Platz(FigurRecord& f, InventarPlatz p) { return f.Inventar[2 + p / 6][p % 6]; }
inline const ItemSlot& Platz(const FigurRecord& f, InventarPlatz p) { return f.Inventar[2 + p / 6][p % 6]; }

constexpr bool IstTrupp(int typ) { return typ >= 1 && typ <= 5; }
constexpr bool IstFeind(int typ) { return typ >= 13 && typ <= 15; }
constexpr bool IstStadtvolk(int typ) {
    return typ == 10 || typ == 11 || typ == 12 || typ == 16 || typ == 17 || typ == 18;
}
// Townsfolk and hostiles: everyone of types 10..18.
constexpr bool IstStadtvolkOderFeind(int typ) { return typ >= 10 && typ <= 18; }
constexpr bool IstPerson(int typ) { return IstTrupp(typ) || IstStadtvolkOderFeind(typ); }
constexpr bool IstBodenItem(int typ) { return typ >= 1000 && typ <= 1999; }

// The townsfolk jobs a recruit leaves for a squad type, and a dismissed member goes back to:
// mercenary, technician, doctor, hunter, collector for squad types 1..5. The trader is not recruited.
inline constexpr int16_t kBerufVonTruppTyp[6] = {0, 10, 11, 12, 17, 18};
// The squad type a townsperson of job typ becomes when recruited; 0 for any other type.
constexpr int16_t TruppTypVonBeruf(int typ) {
    for (int16_t t = 1; t <= 5; ++t)
        if (kBerufVonTruppTyp[t] == typ) return t;
    return 0;
}
// The job a member of squad type typ goes back to; 0 for any other type.
constexpr int16_t BerufVonTruppTyp(int typ) { return IstTrupp(typ) ? kBerufVonTruppTyp[typ] : 0; }

// The current town's record. An AktuelleStadt outside 0..19 gives a cleared stand-in record, so the
// rules see a town of size 0 and change nothing that is stored.
StadtRecord& AktuelleStadtRecord();

// True for a cell inside the current town's grid: its size as the town's file gave it, clamped to
// the 118 x 118 of the grid. (The path finder asks this for every neighbour: kept inline.)
inline bool ImGitter(int x, int z) {
    if (AktuelleStadt < 0 || AktuelleStadt >= STAEDTE_BENUTZT) return false;
    const StadtRecord& s = StadtTabelle[AktuelleStadt];
    return x >= 0 && z >= 0 && x < s.GitterBreite && z < s.GitterHoehe && x < GITTER_GROESSE && z < GITTER_GROESSE;
}
// The cell, or nullptr outside the 118 x 118 grid.
StadtFeld* FeldBei(int x, int z);

// The cell index of a world coordinate: divided by 10 and truncated toward 0. A coordinate no
// cell could hold (huge, infinite, NaN) gives a cell far outside every grid.
int ZelleVon(float welt);

// Record index of the active record with this id (and, for IstPerson, a person); -1 when none.
int AktiveFigurMitId(int id);
int AktivePersonMitId(int id);
// Record index of the squad member (in use, type 1..5) with this id; -1 when none. A freed member's id
// can live on in a record reused for something else, which is never taken for the member.
int TruppMitgliedMitId(int id);

// The top bar's portraits, left to right: the record indices of the squad members in use (in-use
// byte 1), in array order, first those not stationed, then those stationed (any byte but 0). The
// HUD draws and the controller clicks by this one order. Returns how many there are.
int PortraitReihenfolge(int (&indizes)[FIGUREN_ANZAHL]);

// Marks the standing cell (the waypoint's) of every person in use as occupied.
void MarkierePersonenFelder();

// A record leaves the town: it is freed and its fight and target go with it.
void EntferneFigur(FigurRecord& f);

// Lays an item on the floor at (x, z) in the first free record; its index, or -1 when no record is
// free. The record is made a clean floor item: whatever an earlier figure left in it is cleared.
int LegeBodenItem(float x, float z, int16_t item, uint8_t anzahl);

// An item put down from a scene's offer slot or from the trade table, at (x, z) in the first free
// record: the fields a floor item needs are written, its id, talk flag and bag stay as the record
// held them. Draws nothing. Its index, or -1 when no record is free.
int LegeAbgelegtesItem(float x, float z, int16_t item, uint8_t anzahl);
// The offer a conversation gives back onto the floor: fewer fields are written, and its first-name
// index (0..99) and body texture (0..9) are drawn, in that order. Its index, or -1.
int LegeZurueckgegebenesItem(float x, float z, int16_t item, uint8_t anzahl);

// 3D distance between the positions of two figures.
float Abstand(const FigurRecord& a, const FigurRecord& b);
