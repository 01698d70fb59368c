#include "world/spawnen.h"

#include <cstring>
#include <vector>

#include "framework/frame.h"
#include "platform/random.h"
#include "world/figur_hilfen.h"
#include "world/item_regeln.h"

namespace {

void SetzeSlot(ItemSlot& s, int item, int anzahl) {
    s.ItemId = static_cast<int16_t>(item);
    s.ItemAnzahl = static_cast<uint8_t>(anzahl);
}

void LeereInventar(FigurRecord& f) {
    for (auto& reihe : f.Inventar)
        for (ItemSlot& s : reihe) SetzeSlot(s, 0, 0);
}

// The part of a new townsperson or hostile that both share (the inventory is the caller's).
void GemeinsamerStart(FigurRecord& f) {
    f.Aktiv = 1;
    f.Anzahl = 1;
    f.ZielId = KEINE_FIGUR;
    f.Ausgewaehlt = f.Wartet = f.SprechAuftrag = f.Stationiert = 0;
    f.SpruchZeile = 32000;
    f.SpruchTimer = 0;
    f.Stufe = static_cast<uint8_t>(Zufall() % 4 + 1);
    f.ABCSchutz = f.LabelAnzeigen = f.AnimTakt = 0;
    f.Phase = 0.0f;
    for (int k = 0; k < 3; ++k) f.AuftragsZiel[k] = f.EingangsZiel[k] = -100.0f;
    f.Aussehen[4] = f.Aussehen[3] = 0;
    f.Aussehen[2] = static_cast<uint8_t>(Zufall() % 10);
    f.Aussehen[1] = static_cast<uint8_t>(Zufall() % 10);
    f.Aussehen[0] = static_cast<uint8_t>(Zufall() % 10);
    f.Zustand = f.Befehl = 1;
    f.AnimLaenge = 12;
    f.AnimBild = 0;
    f.Gesundheit = 100;
    f.Nahrung = 10;
    f.Wasser = 5;
    f.ImKampf = f.HeilAuftrag = f.EigeneFigur = 0;
}

bool PlatzFrei(int x, int z) {
    return ImGitter(x, z) && StadtGitter[x][z].Blockiert == 0 && StadtGitter[x][z].Belegt == 0 &&
           StadtGitter[x][z].Eingang == 0 && BodenGitter[x][z] == 1;
}

// Up to 1000 tries of a random cell in 10..99. A figure that finds no free cell is not placed at
// all (never in a wall or on another figure); false then.
bool Platziere(FigurRecord& f) {
    int x = 0, z = 0;
    bool frei = false;
    for (int versuch = 0; versuch < 1000 && !frei; ++versuch) {
        x = (Zufall() % 90) * 10 + 100;
        z = (Zufall() % 90) * 10 + 100;
        frei = PlatzFrei(x / 10, z / 10);
    }
    if (!frei) return false;
    f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = static_cast<float>(x);
    f.Position[1] = f.Ziel[1] = f.Wegpunkt[1] = 0.0f;
    f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = static_cast<float>(z);
    StadtGitter[x / 10][z / 10].Belegt = 1;
    return true;
}

// A trader's goods come with their full count, any other item as one; the newer rat too.
int ZufallsItemAnzahl(int item) { return item == 1191 ? 1 : VolleAnzahl(item, 1); }

void RuestePlatz(FigurRecord& f, InventarPlatz p, int item, int anzahl, int ruestung) {
    SetzeSlot(Platz(f, p), item, anzahl);
    f.Ruestung = static_cast<uint8_t>(f.Ruestung + ruestung);
}

void Stadtbewohner(FigurRecord& f, std::vector<int>& ungesetzt, int index) {
    LeereInventar(f);
    GemeinsamerStart(f);
    f.Erfahrung = 0;
    f.Ruestung = 0;
    for (int k = 0; k < 8; ++k) f.TeilModelle[k] = 2049;
    static constexpr int16_t kTypen[6] = {10, 11, 12, 17, 16, 18};
    f.Typ = kTypen[Zufall() % 6];
    if (TutorialSchritt != 0) f.Typ = 11;
    if (!Platziere(f)) ungesetzt.push_back(index);
    f.NamensIndex = static_cast<int16_t>(Zufall() % 250);
    if (f.Typ != 16) return;
    f.Stufe = 10;
    RuestePlatz(f, Koerper, 1027, 1, 20);
    RuestePlatz(f, Hose, 1046, 1, 5);
    RuestePlatz(f, Stiefel, 1045, 1, 3);
    RuestePlatz(f, Handschuhe, 1047, 1, 2);
    RuestePlatz(f, Helm, 1044, 1, 5);
    RuestePlatz(f, Hand, 1029, 1, 0);
    RuestePlatz(f, Munition, 1028, 99, 0);
    for (int reihe = 0; reihe < 2; ++reihe)
        for (int s = 0; s < 4; ++s)
            if (Zufall() % 10 > 3) {
                const int item = 1000 + Zufall() % 192;
                SetzeSlot(f.Inventar[reihe][s], item, ZufallsItemAnzahl(item));
            }
}

void Feind(FigurRecord& f, std::vector<int>& ungesetzt, int index) {
    LeereInventar(f);
    if (SonderOrt != 0) {
        static constexpr int kBeute[13] = {1006, 1013, 1019, 1036, 1037, 1008, 1003,
                                           1012, 1007, 1038, 1001, 1087, 1092};
        for (int b : kBeute)
            if (Zufall() % 5 == 0) SetzeSlot(f.Inventar[0][0], b, VolleAnzahl(b, 1));
        // Kits and ammunition come partly used: 1 up to the full count.
        static constexpr int kVorrat[3] = {1000, 1022, 1028};
        for (int v : kVorrat)
            if (Zufall() % 3 == 0) SetzeSlot(f.Inventar[0][1], v, Zufall() % VolleAnzahl(v, 1) + 1);
    }
    f.Ruestung = 0;
    if (TutorialSchritt == 0) {
        if (Zufall() % 10 == 0) RuestePlatz(f, Stiefel, 1045, 1, 3);
        if (Zufall() % 10 == 0) RuestePlatz(f, Handschuhe, 1047, 1, 2);
        if (Zufall() % 10 == 0) RuestePlatz(f, Helm, 1044, 1, 5);
        if (Zufall() % 10 == 0) RuestePlatz(f, Helm, 1103, 1, 8);
        if (Zufall() % 10 == 0) RuestePlatz(f, Hand, 1035, 1, 0);
    }
    GemeinsamerStart(f);
    f.TeilModelle[0] = 0;
    if (SonderOrt != 0) f.Aussehen[2] = f.Aussehen[1] = 10;
    static constexpr int16_t kTypen[3] = {13, 14, 15};
    f.Typ = kTypen[Zufall() % 3];
    if (!Platziere(f)) ungesetzt.push_back(index);
    f.NamensIndex = static_cast<int16_t>(Zufall() % 250);
}

struct Gruppe {
    std::vector<int> staedte;
    int m;
    std::vector<std::pair<int, int>> waren;  // r -> (item, count)
};

const std::vector<Gruppe>& HaendlerGruppen() {
    static const std::vector<Gruppe> gruppen = [] {
        std::vector<Gruppe> g;
        g.push_back({{0, 6, 9, 10, 12, 16, 19}, 20, {}});
        for (int item : {1002, 1004, 1005, 1014, 1016, 1018, 1048, 1050, 1051, 1052, 1053, 1055, 1057, 1058,
                         1059, 1080})
            g.back().waren.push_back({item, 1});
        g.push_back({{4, 9, 10, 11, 13, 16}, 8, {{1082, 1}, {1083, 1}, {1084, 1}, {1085, 1}, {1086, 1}}});
        g.push_back({{2, 9, 10, 15, 16}, 10, {{1039, 1}, {1041, 1}, {1042, 1}, {1043, 1}, {1040, 1}, {1035, 1}}});
        g.push_back({{3, 7, 9, 10, 11, 16},
                     24,
                     {{1006, 1}, {1013, 3}, {1019, 4}, {1036, 5}, {1037, 7}, {1008, 9}, {1003, 12}, {1012, 0},
                      {1007, 0}, {1038, 0}, {1001, 0}, {1087, 2}, {1092, 2}, {1191, 5}}});
        g.push_back({{9, 10, 16, 17},
                     16,
                     {{1028, 30}, {1035, 1}, {1100, 1}, {1029, 1}, {1030, 1}, {1031, 1}, {1032, 1}, {1033, 1}, {1034, 1}}});
        g.push_back({{4, 5, 9, 10, 14, 16},
                     16,
                     {{1000, 30}, {1022, 15}, {1087, 2}, {1035, 1}, {1165, 1}, {1166, 1}, {1080, 1}}});
        g.push_back({{8, 9, 10, 16}, 40, {}});
        for (int item : {1046, 1108, 1109, 1110, 1025, 1026, 1027, 1190, 1044, 1106, 1103, 1107, 1045, 1111, 1112,
                         1113, 1047, 1114, 1115, 1116, 1017})
            g.back().waren.push_back({item, 1});
        g.push_back({{1, 9, 10, 12, 15, 16, 18}, 26, {{1049, 1}}});
        for (int r = 1; r <= 12; ++r) g.back().waren.push_back({1067 + r, 1});
        g.back().waren.push_back({1081, 1});
        return g;
    }();
    return gruppen;
}

void FesteFigur(FigurRecord& f, int x, int z) {
    f.Aktiv = 1;
    f.TeilModelle[0] = 9001;
    f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = 10.0f * static_cast<float>(x);
    f.Position[1] = f.Ziel[1] = f.Wegpunkt[1] = 0.0f;
    f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = 10.0f * static_cast<float>(z);
    f.Gesundheit = 100;
    f.Nahrung = 10;
    f.Wasser = 5;
    f.NamensIndex = static_cast<int16_t>(Zufall() % 250);
    f.ZielId = KEINE_FIGUR;
    f.Typ = 9999;
    f.Stufe = 1;
    f.Anzahl = 1;
    f.Zustand = f.Befehl = 1;
    f.AnimLaenge = 12;
    f.AnimBild = 0;
    f.SpruchZeile = 32000;
    f.Aussehen[4] = f.Aussehen[3] = 0;
    f.Aussehen[2] = static_cast<uint8_t>(Zufall() % 10);
    f.Aussehen[1] = static_cast<uint8_t>(Zufall() % 10);
    f.Aussehen[0] = static_cast<uint8_t>(Zufall() % 10);
    f.Ausgewaehlt = f.EigeneFigur = f.ImKampf = f.HeilAuftrag = f.Stationiert = f.Wartet = f.LabelAnzeigen =
        f.SprechAuftrag = f.ABCSchutz = 0;
    // The whole inventory, not only the backpack: a reused record must not hand down its belongings.
    LeereInventar(f);
    SetzeSlot(Platz(f, Koerper), 1027, 1);
    SetzeSlot(Platz(f, Hose), 1046, 1);
    SetzeSlot(Platz(f, Stiefel), 1045, 1);
    SetzeSlot(Platz(f, Handschuhe), 1047, 1);

    const int stadt = AktuelleStadt;
    for (int reihe = 0; reihe < 2; ++reihe)
        for (ItemSlot& s : f.Inventar[reihe])
            for (const Gruppe& g : HaendlerGruppen()) {
                bool drin = false;
                for (int st : g.staedte) drin = drin || st == stadt;
                if (!drin) continue;
                const int r = Zufall() % g.m;
                if (r < static_cast<int>(g.waren.size())) SetzeSlot(s, g.waren[r].first, g.waren[r].second);
            }
}

}  // namespace

void ErzeugeFiguren(int32_t bewohner, int32_t feinde) {
    // Figures that found no cell keep their draws (so every later draw is the same) and their record
    // until the end, then the record is freed again.
    std::vector<int> ungesetzt;
    int gemacht = 0;
    for (int i = 0; i < FIGUREN_ANZAHL && gemacht < bewohner; ++i) {
        if (Figuren[i].Aktiv != 0) continue;
        Stadtbewohner(Figuren[i], ungesetzt, i);
        ++gemacht;
    }
    if (AktuelleStadtRecord().Besitzer == 2 || SonderOrt != 0) {
        gemacht = 0;
        for (int i = 0; i < FIGUREN_ANZAHL && gemacht < feinde; ++i) {
            if (Figuren[i].Aktiv != 0) continue;
            Feind(Figuren[i], ungesetzt, i);
            ++gemacht;
        }
    }
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            if (StadtGitter[x][z].Eingang != 2) continue;
            const int i = FreieFigur();
            if (i < 0) continue;
            FesteFigur(Figuren[i], x, z);
        }
    for (int i : ungesetzt) EntferneFigur(Figuren[i]);
}
