// The tables every layer reads: what an item is made with, the foods a town breeds and their tools,
// the pumps, the townsfolk jobs of the squad types, the pictures of squad types and owners, and the
// line-up of a party at a town's gate.
#include <gtest/gtest.h>

#include <set>

#include "world/aufstellung.h"
#include "world/bilder.h"
#include "world/figur_hilfen.h"
#include "world/item_regeln.h"
#include "world/records.h"

namespace {

TEST(ItemRegeln, CountStackVesselAndShownCountOfEveryListedItem) {
    const struct {
        int id, anzahl, stapel, fassung;
        bool immerGezaehlt;
    } faelle[] = {
        {1000, 30, 0, 0, false}, {1001, 0, 0, 5, true},  {1003, 12, 0, 0, false}, {1006, 7, 7, 0, false},
        {1007, 0, 0, 3, true},   {1008, 9, 9, 0, false}, {1012, 0, 0, 2, true},   {1013, 3, 3, 0, false},
        {1019, 4, 0, 0, false},  {1022, 15, 0, 0, false}, {1028, 30, 0, 0, false}, {1036, 5, 5, 0, false},
        {1037, 7, 7, 0, false},  {1038, 0, 0, 4, true},  {1087, 2, 0, 0, true},   {1092, 2, 0, 0, true},
        {1191, 5, 5, 0, false},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(VolleAnzahl(f.id, -1), f.anzahl) << f.id;
        EXPECT_EQ(StapelGrenze(f.id), f.stapel) << f.id;
        EXPECT_EQ(WasserFassung(f.id), f.fassung) << f.id;
        EXPECT_EQ(ZeigtAnzahlImmer(f.id), f.immerGezaehlt) << f.id;
    }
    // Any other item: the caller's count, no stack, no vessel, its count shown from 2 on.
    for (int id : {0, 1002, 1029, 1035, 1190, 2000, -1}) {
        EXPECT_EQ(VolleAnzahl(id, 1), 1) << id;
        EXPECT_EQ(VolleAnzahl(id, 0), 0) << id;
        EXPECT_EQ(StapelGrenze(id), 0) << id;
        EXPECT_EQ(WasserFassung(id), 0) << id;
        EXPECT_FALSE(ZeigtAnzahlImmer(id)) << id;
    }
}

TEST(Nahrung, EachToolBreedsOneFoodInFullStacksAndPumpsAddTheirIncome) {
    const struct {
        int werkzeug, tier, stapel;
    } faelle[] = {{1035, 1013, 3}, {1039, 1036, 5}, {1040, 1037, 7}, {1041, 1008, 9}};
    ASSERT_EQ(std::size(kNahrungsQuellen), std::size(faelle));
    for (size_t k = 0; k < std::size(faelle); ++k) {
        const auto& f = faelle[k];
        EXPECT_EQ(kNahrungsQuellen[k].werkzeug, f.werkzeug);  // the hunter's catch follows this order
        EXPECT_EQ(NahrungsTierVon(f.werkzeug), f.tier);
        EXPECT_EQ(NahrungsWerkzeug(f.tier), f.werkzeug);
        EXPECT_EQ(NahrungsStapel(f.tier), f.stapel);
    }
    // Bread and the newer rat stack, but no town breeds them; a tool is no food.
    for (int id : {0, 1006, 1191, 1035, 1042}) {
        EXPECT_EQ(NahrungsStapel(id), 0) << id;
        EXPECT_EQ(NahrungsWerkzeug(id), 0) << id;
    }
    EXPECT_EQ(NahrungsTierVon(1013), 0);
    EXPECT_EQ(PumpenZufluss(1042), 2);
    EXPECT_EQ(PumpenZufluss(1043), 4);
    for (int id : {0, 1041, 1073, 1074}) EXPECT_EQ(PumpenZufluss(id), 0) << id;
}

TEST(Berufe, RecruitsAndDismissedMembersChangeBetweenJobAndSquadType) {
    for (int typ = 1; typ <= 5; ++typ) {
        const int beruf = BerufVonTruppTyp(typ);
        EXPECT_TRUE(IstStadtvolk(beruf)) << typ;
        EXPECT_EQ(TruppTypVonBeruf(beruf), typ);
    }
    EXPECT_EQ(BerufVonTruppTyp(1), 10);  // the mercenary
    EXPECT_EQ(BerufVonTruppTyp(5), 18);  // the collector
    // The trader is not recruited; hostiles, members and anything else neither.
    for (int typ : {16, 13, 15, 1, 0, 9999}) EXPECT_EQ(TruppTypVonBeruf(typ), 0) << typ;
    for (int typ : {0, 6, 10, -1}) EXPECT_EQ(BerufVonTruppTyp(typ), 0) << typ;
}

TEST(Bilder, SquadTypesAndOwnersHaveTheirOwnPicturesAndOthersNone) {
    std::set<int32_t> portraits, icons, flaggen;
    for (int typ = 1; typ <= 5; ++typ) {
        portraits.insert(TruppPortrait(typ));
        icons.insert(TruppTypIcon(typ));
    }
    for (int besitzer = 0; besitzer <= 2; ++besitzer) flaggen.insert(BesitzerFlagge(besitzer));
    EXPECT_EQ(portraits, (std::set<int32_t>{109, 113, 114, 248, 255}));
    EXPECT_EQ(icons, (std::set<int32_t>{43, 44, 46, 249, 256}));
    EXPECT_EQ(flaggen, (std::set<int32_t>{32, 33, 34}));
    EXPECT_EQ(BesitzerFlagge(0), 34);  // nobody's
    EXPECT_EQ(BesitzerFlagge(2), 32);  // the enemy's
    for (int typ : {0, 6, 10}) {
        EXPECT_EQ(TruppPortrait(typ), -1);
        EXPECT_EQ(TruppTypIcon(typ), -1);
    }
    for (int besitzer : {-1, 3, 255}) EXPECT_EQ(BesitzerFlagge(besitzer), -1);
}

TEST(Aufstellung, RowsOfSixBeforeTheGate) {
    const struct {
        int m;
        float x, z;
    } faelle[] = {{1, 610, 0}, {6, 560, 0}, {7, 610, 10}, {12, 560, 10}, {19, 610, 30}, {24, 560, 30}};
    for (const auto& f : faelle) {
        float platz[3] = {-1, -1, -1};
        AnkunftsPlatz(f.m, platz);
        EXPECT_EQ(platz[0], f.x) << f.m;
        EXPECT_EQ(platz[1], 0.0f) << f.m;
        EXPECT_EQ(platz[2], f.z) << f.m;
    }
}

TEST(Aufstellung, AMoveCopiesTheMemberButNotWhatTheCallerOwns) {
    FigurRecord quelle{};
    quelle.Id = 7;
    quelle.SprechAuftrag = 1;
    quelle.Stationiert = 1;
    quelle.Anzahl = 3;
    quelle.Typ = 2;
    quelle.Gesundheit = 55;
    quelle.Nahrung = 4;
    quelle.Position[0] = 123;
    quelle.Ausgewaehlt = 1;
    quelle.ZielId = 12;
    quelle.Inventar[3][5] = {1028, 30, 9};
    FigurRecord ziel{};
    ziel.Id = 40;
    ziel.Anzahl = 1;
    UebertrageFigur(ziel, quelle);
    EXPECT_EQ(ziel.Aktiv, 1);
    EXPECT_EQ(ziel.Typ, 2);
    EXPECT_EQ(ziel.Gesundheit, 55);
    EXPECT_EQ(ziel.Nahrung, 4);
    EXPECT_EQ(ziel.Position[0], 123.0f);
    EXPECT_EQ(ziel.Inventar[3][5].ItemId, 1028);
    EXPECT_EQ(ziel.Inventar[3][5].ItemAnzahl, 30);
    EXPECT_EQ(ziel.Inventar[3][5].reserved, 0);  // id and count only
    EXPECT_EQ(ziel.Ausgewaehlt, 0);
    EXPECT_EQ(ziel.ZielId, KEINE_FIGUR);
    EXPECT_EQ(ziel.Id, 40);
    EXPECT_EQ(ziel.SprechAuftrag, 0);
    EXPECT_EQ(ziel.Stationiert, 0);
    EXPECT_EQ(ziel.Anzahl, 1);

    // Ready at the gate: standing, nothing pending.
    ziel.Zustand = 5;
    ziel.HeilAuftrag = ziel.SprechAuftrag = 1;
    ziel.AuftragsZiel[1] = 3;
    StelleBereit(ziel);
    EXPECT_EQ(ziel.Zustand, 1);
    EXPECT_EQ(ziel.Befehl, 1);
    EXPECT_EQ(ziel.AnimLaenge, 12);
    EXPECT_EQ(ziel.HeilAuftrag + ziel.SprechAuftrag, 0);
    EXPECT_EQ(ziel.AuftragsZiel[1], 0.0f);
}

}  // namespace
