#pragma once
// Floor items put down by the scenes, the trade screen and the conversation: the record they take
// still holds what an earlier figure left in it, and only the fields a floor item needs are written.
#include <gtest/gtest.h>

#include <cstring>

#include "world/records.h"

// Fills the first free record with leftovers of an earlier figure (it stays free); its index.
inline int AltesFreiesRecord()
{
    for (int k = 0; k < FIGUREN_ANZAHL; ++k) {
        if (Figuren[k].Aktiv != 0) continue;
        std::memset(&Figuren[k], 0x5a, sizeof Figuren[k]);
        Figuren[k].Aktiv = 0;
        return k;
    }
    return -1;
}

// The floor item of an offer slot or the trade table: everything it needs written, the id, the
// talk flag and the bag as the record held them.
inline void ErwarteAbgelegtesItem(const FigurRecord& f, int16_t item, uint8_t anzahl, float x, float z)
{
    EXPECT_EQ(f.Aktiv, 1);
    EXPECT_EQ(f.Typ, item);
    EXPECT_EQ(f.TeilModelle[0], item);
    EXPECT_EQ(f.Anzahl, anzahl);
    for (const float* p : {f.Position, f.Ziel, f.Wegpunkt}) {
        EXPECT_EQ(p[0], x);
        EXPECT_EQ(p[1], 0.0f);
        EXPECT_EQ(p[2], z);
    }
    for (float d : f.Drehung) EXPECT_EQ(d, 0.0f);
    EXPECT_EQ(f.Phase, 0.0f);
    EXPECT_EQ(f.Gesundheit, 100);
    EXPECT_EQ(f.Nahrung, 0);
    EXPECT_EQ(f.Wasser, 0);
    EXPECT_EQ(f.ZielId, KEINE_FIGUR);
    EXPECT_EQ(f.SpruchZeile, KEINE_FIGUR);
    for (uint8_t b : {f.LabelAnzeigen, f.Wartet, f.ImKampf, f.HeilAuftrag, f.Ausgewaehlt, f.Stationiert, f.EigeneFigur,
                      f.Aussehen[0], f.Aussehen[1], f.ABCSchutz, f.AnimBild, f.Zustand, f.AnimTakt, f.AnimLaenge,
                      f.Befehl, f.Stufe})
        EXPECT_EQ(b, 0);
    EXPECT_EQ(f.NamensIndex, 0);
    EXPECT_EQ(f.SpruchTimer, 0);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(f.AuftragsZiel[k], 0.0f);
        EXPECT_EQ(f.EingangsZiel[k], 0.0f);
    }
    EXPECT_EQ(f.Id, 0x5a5a);
    EXPECT_EQ(f.SprechAuftrag, 0x5a);
    EXPECT_EQ(f.Inventar[3][5].ItemId, 0x5a5a);
}
