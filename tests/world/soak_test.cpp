// A town left to itself for 50,000 ticks with 200 figures under random orders: afterwards the grid,
// the records and the items must still be in order.
#include <algorithm>
#include <map>
#include <random>

#include "framework/services_world.h"
#include "framework/szene.h"
#include "welt_fixture.h"
#include "world/spawnen.h"

namespace {

// A generated town: a wall round the edge, blocks of houses with lanes between them, a few
// entrances on the house fronts, one of them a trader's.
void Stadtplan(std::mt19937& rng) {
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            const bool rand = x < 2 || z < 2 || x >= 116 || z >= 116;
            StadtGitter[x][z].Blockiert = rand;
            BodenGitter[x][z] = !rand;
        }
    for (int bx = 8; bx < 108; bx += 14)
        for (int bz = 8; bz < 108; bz += 14) {
            if (rng() % 4 == 0) continue;  // a square
            const int b = 4 + rng() % 6, h = 4 + rng() % 6;
            for (int x = bx; x < bx + b; ++x)
                for (int z = bz; z < bz + h; ++z) {
                    StadtGitter[x][z].Blockiert = 1;
                    BodenGitter[x][z] = 0;
                }
            StadtGitter[bx][bz + h].Eingang = static_cast<int16_t>(1 + rng() % 7);
        }
}

struct Pruefung {
    std::map<std::pair<int, int>, int> stapel;  // (item, count) -> how many, consumables left out
    int verbrauchbar = 0;                        // units of healing items and ammunition
};

bool Verbrauchbar(int item) { return item == 1000 || item == 1022 || item == 1028; }

Pruefung Zaehle() {
    Pruefung p;
    auto zaehle = [&](int item, int anzahl) {
        if (item == 0) return;
        if (Verbrauchbar(item)) p.verbrauchbar += anzahl;
        else ++p.stapel[{item, anzahl}];
    };
    for (const FigurRecord& f : Figuren) {
        if (f.Aktiv != 1) continue;
        if (IstBodenItem(f.Typ)) zaehle(f.Typ, f.Anzahl);
        else if (f.Typ != 9999)
            for (auto& reihe : f.Inventar)
                for (const ItemSlot& s : reihe) zaehle(s.ItemId, s.ItemAnzahl);
    }
    return p;
}

void PruefeOrdnung(int tick) {
    SCOPED_TRACE(tick);
    std::map<std::pair<int, int>, int> felder;
    int personen = 0;
    for (const FigurRecord& f : Figuren) {
        if (f.Aktiv != 1) continue;
        ASSERT_TRUE(IstPerson(f.Typ) || IstBodenItem(f.Typ) || f.Typ == 9999 || f.Typ == 10001) << f.Typ;
        for (auto& reihe : f.Inventar)
            for (const ItemSlot& s : reihe) ASSERT_TRUE(s.ItemId == 0 || IstItemId(s.ItemId));
        if (!IstPerson(f.Typ)) continue;
        ++personen;
        ASSERT_TRUE(f.ZielId == KEINE_FIGUR || (f.ZielId >= 1 && f.ZielId <= 500)) << f.ZielId;
        ASSERT_LE(f.Gesundheit, 100);
        ASSERT_TRUE(f.Stufe >= 1 && f.Stufe <= 10);
        ASSERT_TRUE(f.Zustand >= 1 && f.Zustand <= 17) << int(f.Zustand);
        const int wx = ZelleVon(f.Wegpunkt[0]), wz = ZelleVon(f.Wegpunkt[2]);
        ASSERT_TRUE(ImGitter(wx, wz));
        ASSERT_EQ(f.Wegpunkt[0], 10.0f * wx);
        ASSERT_EQ(f.Wegpunkt[2], 10.0f * wz);
        ASSERT_EQ(StadtGitter[wx][wz].Blockiert, 0);
        ASSERT_EQ(StadtGitter[wx][wz].Belegt, 1);
        const int aufDemFeld = ++felder[std::make_pair(wx, wz)];
        ASSERT_EQ(aufDemFeld, 1) << "two figures on cell " << wx << "," << wz;
        // On its cell, or on the way from a free neighbour to it.
        const float dx = f.Wegpunkt[0] - f.Position[0], dz = f.Wegpunkt[2] - f.Position[2];
        ASSERT_LE(std::fabs(dx), 10.0f);
        ASSERT_LE(std::fabs(dz), 10.0f);
        if (dx != 0 || dz != 0) {
            const int vx = wx - (dx > 0) + (dx < 0), vz = wz - (dz > 0) + (dz < 0);
            ASSERT_EQ(StadtGitter[vx][vz].Blockiert, 0);
        }
    }
    int belegt = 0;
    for (auto& spalte : StadtGitter)
        for (const StadtFeld& feld : spalte) belegt += feld.Belegt;
    ASSERT_EQ(belegt, personen) << "flags left behind";
}

int ZufallsPerson(std::mt19937& rng, bool nurTrupp = false) {
    for (int versuch = 0; versuch < 50; ++versuch) {
        const int i = static_cast<int>(rng() % FIGUREN_ANZAHL);
        const FigurRecord& f = Figuren[i];
        if (f.Aktiv == 1 && IstPerson(f.Typ) && f.Gesundheit > 0 && (!nurTrupp || IstTrupp(f.Typ))) return i;
    }
    return -1;
}

void ZufallsBefehl(std::mt19937& rng) {
    const int art = static_cast<int>(rng() % 8);
    const int i = ZufallsPerson(rng, art >= 4);
    if (i < 0) return;
    FigurRecord& f = Figuren[i];
    auto ziel = [&](int x, int z) {
        f.Ziel[0] = 10.0f * x;
        f.Ziel[2] = 10.0f * z;
    };
    switch (art) {
    case 0: case 1:  // walk or run somewhere (townsfolk too, like an order from the interface)
        f.Befehl = static_cast<uint8_t>(2 + rng() % 2);
        f.Wartet = f.ImKampf = f.HeilAuftrag = f.SprechAuftrag = 0;
        f.ZielId = KEINE_FIGUR;
        ziel(static_cast<int>(rng() % 118), static_cast<int>(rng() % 118));
        break;
    case 2: case 3: {  // attack someone
        const int t = ZufallsPerson(rng);
        if (t < 0 || t == i) return;
        f.ImKampf = 1;
        f.HeilAuftrag = f.SprechAuftrag = 0;
        f.ZielId = Figuren[t].Id;
        break;
    }
    case 4: {  // talk
        const int t = ZufallsPerson(rng);
        if (t < 0 || !IstStadtvolkOderFeind(Figuren[t].Typ)) return;
        f.SprechAuftrag = 1;
        f.ImKampf = f.HeilAuftrag = 0;
        f.ZielId = Figuren[t].Id;
        break;
    }
    case 5: {  // heal
        const int t = ZufallsPerson(rng, true);
        if (t < 0 || t == i) return;
        f.HeilAuftrag = 1;
        f.ImKampf = f.SprechAuftrag = 0;
        f.ZielId = Figuren[t].Id;
        ziel(ZelleVon(Figuren[t].Wegpunkt[0]), ZelleVon(Figuren[t].Wegpunkt[2]));
        break;
    }
    case 6: {  // pick up a floor item
        for (int k = 0; k < FIGUREN_ANZAHL; ++k) {
            const FigurRecord& item = Figuren[(k + rng() % 7) % FIGUREN_ANZAHL];
            if (item.Aktiv != 1 || !IstBodenItem(item.Typ)) continue;
            f.ZielId = item.Id;
            f.ImKampf = f.HeilAuftrag = f.SprechAuftrag = 0;
            f.Befehl = 2;
            for (int a = 0; a < 3; ++a) f.Ziel[a] = f.AuftragsZiel[a] = item.Position[a];
            break;
        }
        break;
    }
    case 7: {  // go into a house
        const int x = 8 + 14 * static_cast<int>(rng() % 8), z = 12 + static_cast<int>(rng() % 100);
        if (StadtGitter[x][z].Eingang == 0) return;
        f.EingangsZiel[0] = 10.0f * x;
        f.EingangsZiel[2] = 10.0f * z;
        f.Befehl = 2;
        f.ZielId = KEINE_FIGUR;
        ziel(x, z);
        break;
    }
    }
}

TEST_F(WeltKernTest, DauerlaufMit200FigurenUeber50000Ticks) {
    std::mt19937 rng(2026);
    Stadtplan(rng);
    AktuelleStadt = 16;  // a trader town with a rich stock
    StadtTabelle[16] = StadtTabelle[0];
    StadtTabelle[16].WasserZufluss = 3;
    ErzeugeFiguren(170, 0);
    // The squad and a few hostiles, put on free cells by hand.
    int neu = 0;
    for (int i = 0; i < FIGUREN_ANZAHL && neu < 30; ++i) {
        if (Figuren[i].Aktiv) continue;
        int x, z;
        do {
            x = 3 + static_cast<int>(rng() % 112);
            z = 3 + static_cast<int>(rng() % 112);
        } while (StadtGitter[x][z].Blockiert || StadtGitter[x][z].Belegt || StadtGitter[x][z].Eingang);
        FigurRecord& f = Person(i, neu < 20 ? 1 + neu % 5 : 13 + neu % 3, x, z);
        f.Stufe = static_cast<uint8_t>(1 + rng() % 10);
        f.Inventar[0][0] = {1022, 15, 0};
        f.Inventar[0][1] = {static_cast<int16_t>(1029 + neu % 7), 1, 0};
        Platz(f, Hand) = {static_cast<int16_t>(neu % 3 ? 1029 + neu % 7 : 0), 1, 0};
        Platz(f, Munition) = {1028, 99, 0};
        ++neu;
    }
    int personen = 0;
    for (const FigurRecord& f : Figuren) personen += f.Aktiv == 1 && IstPerson(f.Typ);
    ASSERT_EQ(personen, 200);
    PruefeOrdnung(0);

    Pruefung vorher = Zaehle();
    int wenigsteFreie = FIGUREN_ANZAHL, gespraechSeit = 0;
    for (int tick = 1; tick <= 50000; ++tick) {
        for (int k = 0; k < 2; ++k) ZufallsBefehl(rng);
        Szene.AktualisiereWelt();
        for (int i = 0; i < FIGUREN_ANZAHL; ++i) AktualisiereFigur(i);
        // What the interface does: scenes and conversations end after a while.
        InteraktionsModus = 0;
        if (GespraechsPartner != 0 && ++gespraechSeit > 40) {
            // Both leave the talking state idle, as the conversation releases them.
            for (int id : {GespraechsPartner, GespraechsFigur}) {
                const int p = AktiveFigurMitId(id);
                if (p < 0) continue;
                FigurRecord& f = Figuren[p];
                f.Wartet = 0;
                f.ZielId = KEINE_FIGUR;
                f.Zustand = f.Befehl = 1;
            }
            GespraechsPartner = 0;
            gespraechSeit = 0;
        }
        // The town frame re-sorts the records every frame: indices must not matter.
        if (tick % 97 == 0) std::swap(Figuren[rng() % FIGUREN_ANZAHL], Figuren[rng() % FIGUREN_ANZAHL]);
        wenigsteFreie = std::min(wenigsteFreie, 500 - [] {
            int n = 0;
            for (const FigurRecord& f : Figuren) n += f.Aktiv;
            return n;
        }());
        if (tick % 5000 == 0) {
            PruefeOrdnung(tick);
            if (HasFatalFailure()) return;
            // Stacks only move between bags and the floor; healing items and ammunition are used up.
            const Pruefung jetzt = Zaehle();
            ASSERT_GE(wenigsteFreie, 24) << "a death drop could have lost items";
            ASSERT_EQ(jetzt.stapel, vorher.stapel) << tick;
            ASSERT_LE(jetzt.verbrauchbar, vorher.verbrauchbar);
            vorher = jetzt;
        }
    }
    int lebend = 0;
    for (const FigurRecord& f : Figuren) lebend += f.Aktiv == 1 && IstPerson(f.Typ);
    int items = 0, kaempfend = 0;
    for (const FigurRecord& f : Figuren) items += f.Aktiv == 1 && IstBodenItem(f.Typ), kaempfend += f.Aktiv == 1 && f.ImKampf;
    RecordProperty("lebend", lebend);
    RecordProperty("bodenItems", items);
    RecordProperty("imKampf", kaempfend);
    EXPECT_GT(lebend, 0);
}

}  // namespace
