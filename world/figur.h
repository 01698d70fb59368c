#pragma once
// The figure records: everything that stands or moves on a town's grid. The 500 records of
// `Figuren` are the live town; they are written to and read from the town-state files as raw
// images, so the layout below is binding byte for byte.
#include <cstddef>
#include <cstdint>

#include "world/itemslot.h"

constexpr int FIGUREN_ANZAHL = 500;
constexpr int KEINE_FIGUR = 32000;  // "no figure" in every id field

struct PartikelSlot {
    float x, y, z;
    uint8_t aktiv;
    uint8_t reserved[3];
};
static_assert(sizeof(PartikelSlot) == 16);

struct FigurRecord {
    uint8_t LabelAnzeigen;   // 0
    uint8_t Wartet;          // 1
    uint8_t ImKampf;         // 2
    uint8_t HeilAuftrag;     // 3
    uint8_t SprechAuftrag;   // 4
    uint8_t Aktiv;           // 5
    uint8_t Ausgewaehlt;     // 6
    uint8_t Stationiert;     // 7
    uint8_t EigeneFigur;     // 8
    uint8_t Erfahrung;       // 9
    uint8_t Aussehen[5];     // 10
    uint8_t Reserviert[2];   // 15
    uint8_t reserved17;      // 17
    int16_t Id;              // 18
    int16_t TeilModelle[9];  // 20
    uint8_t AnimBild;        // 38
    uint8_t Zustand;         // 39
    uint8_t AnimTakt;        // 40
    uint8_t AnimLaenge;      // 41
    uint8_t reserved42[2];   // 42
    int32_t Gesundheit;      // 44
    int32_t Nahrung;         // 48
    int32_t Wasser;          // 52
    int16_t NamensIndex;     // 56
    uint8_t Befehl;          // 58
    uint8_t reserved59;      // 59
    int16_t Typ;             // 60
    int16_t ZielId;          // 62
    uint8_t Stufe;           // 64
    uint8_t Anzahl;          // 65
    uint8_t reserved66[10];  // 66..75
    float Position[3];       // 76
    float Drehung[3];        // 88
    float Ziel[3];           // 100
    float Wegpunkt[3];       // 112
    float Phase;             // 124
    ItemSlot Inventar[4][6]; // 128
    float AuftragsZiel[3];   // 224
    float EingangsZiel[3];   // 236
    int16_t SpruchZeile;     // 248
    int16_t SpruchTimer;     // 250
    uint8_t ABCSchutz;       // 252
    uint8_t Ruestung;        // 253
    uint8_t reserved254[2];  // 254
    PartikelSlot Partikel[50];  // 256
};
static_assert(sizeof(FigurRecord) == 1056);
static_assert(offsetof(FigurRecord, LabelAnzeigen) == 0);
static_assert(offsetof(FigurRecord, Wartet) == 1);
static_assert(offsetof(FigurRecord, ImKampf) == 2);
static_assert(offsetof(FigurRecord, HeilAuftrag) == 3);
static_assert(offsetof(FigurRecord, SprechAuftrag) == 4);
static_assert(offsetof(FigurRecord, Aktiv) == 5);
static_assert(offsetof(FigurRecord, Ausgewaehlt) == 6);
static_assert(offsetof(FigurRecord, Stationiert) == 7);
static_assert(offsetof(FigurRecord, EigeneFigur) == 8);
static_assert(offsetof(FigurRecord, Erfahrung) == 9);
static_assert(offsetof(FigurRecord, Aussehen) == 10);
static_assert(offsetof(FigurRecord, Reserviert) == 15);
static_assert(offsetof(FigurRecord, reserved17) == 17);
static_assert(offsetof(FigurRecord, Id) == 18);
static_assert(offsetof(FigurRecord, TeilModelle) == 20);
static_assert(offsetof(FigurRecord, AnimBild) == 38);
static_assert(offsetof(FigurRecord, Zustand) == 39);
static_assert(offsetof(FigurRecord, AnimTakt) == 40);
static_assert(offsetof(FigurRecord, AnimLaenge) == 41);
static_assert(offsetof(FigurRecord, reserved42) == 42);
static_assert(offsetof(FigurRecord, Gesundheit) == 44);
static_assert(offsetof(FigurRecord, Nahrung) == 48);
static_assert(offsetof(FigurRecord, Wasser) == 52);
static_assert(offsetof(FigurRecord, NamensIndex) == 56);
static_assert(offsetof(FigurRecord, Befehl) == 58);
static_assert(offsetof(FigurRecord, reserved59) == 59);
static_assert(offsetof(FigurRecord, Typ) == 60);
static_assert(offsetof(FigurRecord, ZielId) == 62);
static_assert(offsetof(FigurRecord, Stufe) == 64);
static_assert(offsetof(FigurRecord, Anzahl) == 65);
static_assert(offsetof(FigurRecord, reserved66) == 66);
static_assert(offsetof(FigurRecord, Position) == 76);
static_assert(offsetof(FigurRecord, Drehung) == 88);
static_assert(offsetof(FigurRecord, Ziel) == 100);
static_assert(offsetof(FigurRecord, Wegpunkt) == 112);
static_assert(offsetof(FigurRecord, Phase) == 124);
static_assert(offsetof(FigurRecord, Inventar) == 128);
static_assert(offsetof(FigurRecord, AuftragsZiel) == 224);
static_assert(offsetof(FigurRecord, EingangsZiel) == 236);
static_assert(offsetof(FigurRecord, SpruchZeile) == 248);
static_assert(offsetof(FigurRecord, SpruchTimer) == 250);
static_assert(offsetof(FigurRecord, ABCSchutz) == 252);
static_assert(offsetof(FigurRecord, Ruestung) == 253);
static_assert(offsetof(FigurRecord, reserved254) == 254);
static_assert(offsetof(FigurRecord, Partikel) == 256);

extern FigurRecord Figuren[FIGUREN_ANZAHL];            // the live town
extern FigurRecord ReiseFiguren[FIGUREN_ANZAHL];       // the squad while it travels
extern FigurRecord BegegnungsFiguren[FIGUREN_ANZAHL];  // the town's figures during an encounter map
extern FigurRecord AngriffsFiguren[FIGUREN_ANZAHL];    // the raided town during a raid battle

// Index of the first record with Aktiv 0, scanning from 0; -1 when every record is in use.
int FreieFigur();
// Index of the record with this id in Figuren; -1 when none has it (32000 never matches).
int FigurMitId(int id);
