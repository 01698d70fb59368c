// The state templates of the towns: what lies in the containers, on the floor and burns or shines
// when a new game starts. Persons are not stored: the game spawns them on entry.
#include <cmath>
#include <cstring>

#include "content/town_maps.h"
#include "content/town_models.h"
#include "world/records.h"

namespace content {

namespace {

struct Stapel {
    int16_t id;
    uint8_t anzahl;
};

// Stack sizes as the game hands them out; water vessels start empty.
const Stapel kNahrung[] = {{1003, 12}, {1006, 7}, {1019, 4}, {1008, 9}, {1013, 3}, {1037, 7}};
const Stapel kGetraenke[] = {{1007, 0}, {1012, 0}, {1038, 0}, {1087, 2}, {1092, 2}, {1001, 0}};
const Stapel kWasser[] = {{1007, 0}, {1012, 0}, {1038, 0}, {1012, 0}};
const Stapel kWerkzeug[] = {{1002, 1}, {1004, 1}, {1005, 1}, {1014, 1}, {1016, 1}, {1018, 1}, {1020, 1},
                            {1021, 1}, {1023, 1}, {1024, 1}, {1048, 1}, {1050, 1}, {1051, 1}, {1052, 1},
                            {1053, 1}, {1055, 1}, {1057, 1}, {1058, 1}, {1059, 1}, {1080, 1}, {1000, 30},
                            {1022, 15}, {1039, 1}, {1049, 1}, {1062, 1}, {1088, 1}, {1096, 1}};
const Stapel kKram[] = {{1009, 1}, {1010, 1}, {1011, 1}, {1054, 1}, {1056, 1}, {1060, 1}, {1093, 1},
                        {1094, 1}, {1097, 1}, {1099, 1}, {1101, 1}, {1102, 1}, {1117, 1}, {1122, 1},
                        {1130, 1}, {1139, 1}, {1144, 1}, {1147, 1}, {1153, 1}, {1159, 1}, {1168, 1}};
const Stapel kWaffen[] = {{1028, 30}, {1035, 1}, {1100, 1}, {1030, 1}, {1044, 1}, {1045, 1}, {1025, 1}};

struct Zufallszahl {
    uint32_t s;
    int operator()(int n) {
        s = s * 1664525u + 1013904223u;
        return int((s >> 8) % uint32_t(n));
    }
    template <size_t K>
    Stapel Eins(const Stapel (&liste)[K]) { return liste[(*this)(int(K))]; }
};

void Lege(ItemSlot (&behaelter)[10][10], Stapel s) {
    for (auto& reihe : behaelter)
        for (ItemSlot& slot : reihe)
            if (slot.ItemId == 0) {
                slot.ItemId = s.id;
                slot.ItemAnzahl = s.anzahl;
                return;
            }
}

void Lege(ItemSlot (&behaelter)[10][10], std::initializer_list<Stapel> liste) {
    for (Stapel s : liste) Lege(behaelter, s);
}

// What the tutorial's containers hold, by cell: each yard has what its step asks for.
void TutorialBehaelter(int x, int z, ItemSlot (&b)[10][10]) {
    if (x == 52 && z == 30) Lege(b, {{1029, 1}, {1028, 30}, {1027, 1}});
    if (x == 74 && z == 44) Lege(b, {{1003, 12}, {1003, 12}, {1012, 0}});
    if (x == 87 && z == 36) Lege(b, {{1042, 1}, {1039, 1}, {1004, 1}});
    if (x == 78 && z == 57) Lege(b, {{1036, 5}, {1008, 9}, {1003, 12}});
    if (x == 87 && z == 68) Lege(b, {{1004, 1}, {1053, 1}, {1014, 1}, {1053, 1}});
}

void StadtBehaelter(Zufallszahl& r, int stadt, ItemSlot (&b)[10][10]) {
    const int nahrung = 1 + r(3), getraenke = r(3), werkzeug = 1 + r(3), kram = r(4);
    for (int i = 0; i < nahrung; ++i) Lege(b, r.Eins(kNahrung));
    for (int i = 0; i < getraenke; ++i) Lege(b, r.Eins(kGetraenke));
    for (int i = 0; i < werkzeug; ++i) Lege(b, r.Eins(kWerkzeug));
    for (int i = 0; i < kram; ++i) Lege(b, r.Eins(kKram));
    if (stadt % 5 == 2 || r(6) == 0) Lege(b, r.Eins(kWaffen));
}

FigurRecord* FreieFigur() {
    // Record 0 stays free in every template: the new game puts the own figure into the first one.
    for (int i = 1; i < FIGUREN_ANZAHL; ++i)
        if (!Figuren[i].Aktiv) return &Figuren[i];
    return nullptr;
}

FigurRecord* Setze(int16_t typ, float x, float y, float z) {
    FigurRecord* f = FreieFigur();
    if (!f) return nullptr;
    f->Aktiv = 1;
    f->Typ = typ;
    f->Anzahl = 1;
    f->Position[0] = f->Ziel[0] = f->Wegpunkt[0] = x;
    f->Position[1] = f->Ziel[1] = f->Wegpunkt[1] = y;
    f->Position[2] = f->Ziel[2] = f->Wegpunkt[2] = z;
    f->Gesundheit = 100;
    f->Nahrung = 10;
    f->Wasser = 5;
    f->ZielId = KEINE_FIGUR;
    f->SpruchZeile = KEINE_FIGUR;
    return f;
}

// Emitters are marked with the editor's sign model, which play never draws.
void Emitter(int16_t typ, float x, float y, float z) {
    if (FigurRecord* f = Setze(typ, x, y, z)) f->TeilModelle[0] = 9000;
}

void Emitter(const ObjektRecord& o, int& lampen) {
    const float x = o.Position[0], z = o.Position[2];
    if (o.Modell == modell::FeuerTonne) Emitter(10002, x, 0, z);
    if (o.Modell == modell::Lagerfeuer) Emitter(10000, x, 0, z);
    if (o.Modell == modell::Laterne) {
        const int16_t farbe[5] = {10003, 10003, 10003, 10005, 10004};  // mostly yellow, some green and red
        Emitter(farbe[lampen++ % 5], x, 0, z);
    }
    if (o.Modell == modell::Brunnen) Emitter(10006, x, 0, z);  // a blue gleam on the water
    if (modell::IstHaus(o.Modell) && int(o.Position[0] + o.Position[2]) % 3 == 0) {
        const modell::Kamin k = modell::HausKamin(modell::HausBreite(o.Modell), modell::HausTiefe(o.Modell));
        const float c = std::cos(o.Drehung[1]), s = std::sin(o.Drehung[1]);
        Emitter(10007, x + k.x * c + k.z * s, k.y, z - k.x * s + k.z * c);
    }
}

// A few things lie about where figures walk.
void Bodenitems(Zufallszahl& r, int anzahl) {
    for (int versuch = 0; anzahl > 0 && versuch < 2000; ++versuch) {
        const int x = 10 + r(90), z = 10 + r(90);
        if (BodenGitter[x][z] != 1 || StadtGitter[x][z].Blockiert) continue;
        const Stapel s = r(3) ? r.Eins(kKram) : r.Eins(kWerkzeug);
        if (FigurRecord* f = Setze(s.id, float(x * 10), 0, float(z * 10))) {
            f->Anzahl = s.anzahl;
            f->TeilModelle[0] = s.id;
            f->Zustand = f->Befehl = 1;
            f->AnimLaenge = 12;
        }
        --anzahl;
    }
}

}  // namespace

void BaueZustand(const KartenPlan& plan) {
    std::memset(Behaelter, 0, sizeof Behaelter);
    std::memset(Figuren, 0, sizeof Figuren);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        Figuren[i].Id = int16_t(i);
        Figuren[i].ZielId = KEINE_FIGUR;
        Figuren[i].SpruchZeile = KEINE_FIGUR;
    }
    const bool tutorial = plan.art == KartenArt::Tutorial;
    Zufallszahl r{uint32_t(5501 + 37 * plan.nummer + (tutorial ? 999 : 0))};

    int k = 0;
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z) {
            const int art = StadtGitter[x][z].Eingang;
            if (art <= 0) continue;
            const int nr = k++;
            if (nr >= BEHAELTER_ANZAHL) continue;
            if (tutorial && art == 1) TutorialBehaelter(x, z, Behaelter[nr]);
            else if (art == 1) StadtBehaelter(r, plan.nummer, Behaelter[nr]);
            // The tutorial's well stays empty: its vessels would take the day's water that the
            // player's bottles are to be filled with.
            else if (art == 5 && !tutorial)
                for (int i = 0; i < 2 + r(3); ++i) Lege(Behaelter[nr], r.Eins(kWasser));
        }

    int lampen = 0;
    for (const ObjektRecord& o : StadtObjekte)
        if (o.Aktiv) Emitter(o, lampen);
    if (!tutorial) Bodenitems(r, 3 + r(5));
}

}  // namespace content
