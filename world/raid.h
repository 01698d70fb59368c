#pragma once
// The enemy's raid on a town of the player's: attackers bought from the raid strength fight the
// squad members stationed in the town, frame by frame on a modal battle screen over the world map;
// the outcome goes to the town record, the enemy's power and the town's working copy.
#include <cstdint>

#include "world/records.h"

constexpr int kAngreiferArten = 3;
constexpr int kAngreiferJeArt = 10;
constexpr int kVerteidigerSlots = 18;
constexpr int kAngreiferSlots = kAngreiferArten * kAngreiferJeArt;

// The attackers: health per kind 1..3 (index 0..2), entries above 0 are alive.
struct Angreifer {
    int32_t Gesundheit[kAngreiferArten][kAngreiferJeArt] = {};
    int32_t Anzahl[kAngreiferArten] = {};
};

// Buys attackers for the strength, in the order of draws of the raid.
Angreifer KaufeAngreifer(int32_t staerke);

// The town's defence value from its stationed squad records.
int32_t BerechneAbwehrkraft(const FigurRecord* figuren, int anzahl);

// One frame of the battle: who holds which slot and who was hit.
struct KampfRunde {
    int Verteidiger = 0;                       // defender slots filled, 0..18
    int VerteidigerIndex[kVerteidigerSlots];   // the record index of each slot
    int VerteidigerTreffer = -1;               // slot hit this frame, -1 none
    int Angreifer = 0;                         // attacker slots filled
    int AngreiferArt[kAngreiferSlots];         // kind index 0..2 of each slot
    int AngreiferEintrag[kAngreiferSlots];     // entry in that kind's list
    int AngreiferTreffer = -1;
};

// The exchange of hits of one drawn frame and the decision test at its end. Once decided, no one
// is hit any more, but the draws are still made.
KampfRunde KampfSchritt(FigurRecord* figuren, int anzahl, Angreifer& angreifer, int32_t abwehrkraft,
                        int32_t staerke, bool& entschieden);

// Applies the outcome (defender and attacker slot counts of the last frame drawn) to the raided
// town's record, the enemy's power and the raid's figures.
void WendeAngriffsErgebnisAn(int stadt, int verteidiger, int angreifer);

// The raid on the player town of world cell (spalte, reihe): load its working copy, fight the
// battle screen to its end, apply the outcome and write the working copy back.
void FeindAngriff(int32_t spalte, int32_t reihe, int32_t staerke);
