// Procedural town maps. A town is a walled rectangle in a band of forest, entered from the gate
// at the bottom edge where the party arrives; inside, a main street runs up from the gate past a
// market square, and cross streets cut the rest into blocks of houses, yards and gardens.
// Entrance cells are blocked like the object they belong to (a crate, a door, a stall, the well):
// a walk order to one ends on a free neighbour, which opens the scene.
#include "content/town_maps.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "content/town_models.h"
#include "world/records.h"

namespace content {

namespace {

constexpr int N = GITTER_GROESSE;
constexpr float kPi = 3.14159265f;
constexpr int16_t kWindKlang = 15;  // the looped wind, which the travel stops by the cells' sound ids

// Small deterministic generator for the layouts (the game's own generator is for play only).
struct Rng {
    uint64_t s;
    explicit Rng(uint64_t seed) : s(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) { Next(); }
    uint32_t Next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return uint32_t(s >> 32);
    }
    int operator()(int n) { return n <= 0 ? 0 : int(Next() % uint32_t(n)); }
    bool Chance(int prozent) { return (*this)(100) < prozent; }
    template <typename T, size_t K>
    T Eins(const T (&liste)[K]) { return liste[(*this)(int(K))]; }
};

// What the layout made of a cell; decides the floor tile and where props may go.
enum Nutzung : uint8_t { Wald, Frei, Strasse, Platz, Bebaut, Garten, Hof };

enum Richtung { Sued, Nord, West, Ost };  // the side a door or counter faces

struct Thema {
    int16_t boden, strasse, platz, wald, garten;
    int mauer;     // wall model of the town's edge
    int hausStil;
};

const Thema kThemen[] = {
    {1, 4, 9, 12, 2, modell::Mauer, 0},      {3, 7, 13, 11, 24, modell::Zaun, 1},
    {0, 5, 18, 12, 3, modell::Palisade, 1},  {23, 14, 9, 11, 2, modell::Mauer, 0},
    {22, 7, 13, 12, 24, modell::Zaun, 1},   {10, 5, 18, 8, 3, modell::Mauer, 0},
    {2, 4, 9, 11, 24, modell::Palisade, 1},
};

struct Bau {
    Rng r;
    Nutzung nutz[N][N];
    int eingaenge = 0;
    explicit Bau(uint64_t seed) : r(seed) {
        for (auto& spalte : nutz)
            for (Nutzung& n : spalte) n = Wald;
    }
};

bool Im(int x, int z) { return x >= 0 && z >= 0 && x < N && z < N; }

void LeereStadtBloecke() {
    std::memset(StadtObjekte, 0, sizeof StadtObjekte);
    std::memset(StadtGitter, 0, sizeof StadtGitter);
    std::memset(BodenKarte, 0, sizeof BodenKarte);
    std::memset(BodenGitter, 0, sizeof BodenGitter);
}

// Places a model centred on the cell point (cx, cz) (fractions for even footprints).
void Objekt(int slot, float cx, float cz, float drehY = 0, float y = 0) {
    for (ObjektRecord& o : StadtObjekte) {
        if (o.Aktiv) continue;
        o.Aktiv = 1;
        o.Position[0] = cx * 10.0f;
        o.Position[1] = y;
        o.Position[2] = cz * 10.0f;
        o.Drehung[1] = drehY;
        o.Modell = slot;
        return;
    }
}

void Sperren(int x, int z, Nutzung n = Bebaut, Bau* b = nullptr) {
    if (!Im(x, z)) return;
    StadtGitter[x][z].Blockiert = 1;
    if (b) b->nutz[x][z] = n;
}

bool RechteckIst(const Bau& b, int x0, int z0, int x1, int z1, Nutzung n) {
    for (int x = x0; x <= x1; ++x)
        for (int z = z0; z <= z1; ++z)
            if (!Im(x, z) || b.nutz[x][z] != n || StadtGitter[x][z].Blockiert) return false;
    return true;
}

void Eingang(Bau& b, int x, int z, int art) {
    if (!Im(x, z) || b.eingaenge >= 48) return;
    StadtGitter[x][z].Eingang = int16_t(art);
    StadtGitter[x][z].Blockiert = 1;
    ++b.eingaenge;
}

float Drehung(Richtung r) {
    switch (r) {
    case Nord: return kPi;
    case West: return kPi / 2;
    case Ost: return -kPi / 2;
    default: return 0;
    }
}

// A model with a footprint of w x d cells (w along its own x) whose front faces r; (x0, z0) is the
// footprint's lowest cell in the grid. Returns the front cell in the middle of that side.
Zelle Stellen(Bau& b, int slot, int x0, int z0, int w, int d, Richtung r, Nutzung n = Bebaut) {
    const bool quer = r == West || r == Ost;
    const int bx = quer ? d : w, bz = quer ? w : d;
    for (int x = x0; x < x0 + bx; ++x)
        for (int z = z0; z < z0 + bz; ++z) Sperren(x, z, n, &b);
    Objekt(slot, float(x0) + float(bx - 1) / 2, float(z0) + float(bz - 1) / 2, Drehung(r));
    switch (r) {
    case Nord: return {x0 + w / 2, z0 + bz - 1};
    case West: return {x0, z0 + w / 2};
    case Ost: return {x0 + bx - 1, z0 + w / 2};
    default: return {x0 + w / 2, z0};
    }
}

// The cell in front of a front cell.
Zelle Davor(Zelle c, Richtung r) {
    switch (r) {
    case Nord: return {c.x, c.z + 1};
    case West: return {c.x - 1, c.z};
    case Ost: return {c.x + 1, c.z};
    default: return {c.x, c.z - 1};
    }
}

void Haus(Bau& b, int stil, int x0, int z0, int w, int d, Richtung r, int art) {
    const Zelle tuer = Stellen(b, modell::Haus(stil, w, d), x0, z0, w, d, r);
    if (art > 0) Eingang(b, tuer.x, tuer.z, art);
    if (art == 3 || art == 6) {
        // The inn's sign hangs over the door on the street side.
        const Zelle vor = Davor(tuer, r);
        Objekt(modell::Wirtshausschild, (float(tuer.x) + float(vor.x)) / 2, (float(tuer.z) + float(vor.z)) / 2,
               Drehung(r), 18.0f);
    }
}

// One prop on a free cell; false when the cell is taken.
bool Requisit(Bau& b, int slot, int x, int z, int art = 0) {
    if (!Im(x, z) || StadtGitter[x][z].Blockiert) return false;
    Sperren(x, z, b.nutz[x][z], &b);
    Objekt(slot, float(x), float(z), float(b.r(628)) / 100.0f);
    if (art > 0) Eingang(b, x, z, art);
    return true;
}

const int kBaeume[] = {modell::Laubbaum, modell::Kiefer, modell::Birke, modell::Pappel, modell::Eiche,
                       modell::Kiefer, modell::ToterBaum};
const int kBuesche[] = {modell::Busch, modell::Busch2, modell::Strauch, modell::Strauch2, modell::Busch3,
                        modell::Busch4, modell::Busch5, modell::Busch6, modell::Busch7, modell::Farn,
                        modell::Hecke, modell::Gras, modell::Schilf};
const int kSteine[] = {modell::Fels, modell::Findling, modell::Steinhaufen, modell::FlacheSteine,
                       modell::Baumstumpf, modell::Baumstamm};

// Forest cells are blocked; trees stand on a loose lattice so the band looks dense.
void Bewalden(Bau& b) {
    for (int x = 0; x < N; ++x)
        for (int z = 0; z < N; ++z) {
            if (b.nutz[x][z] != Nutzung::Wald) continue;
            StadtGitter[x][z].Blockiert = 1;
            if (x % 3 == 1 && z % 3 == 1) {
                const float jx = float(b.r(9) - 4) / 8, jz = float(b.r(9) - 4) / 8;
                const int slot = b.r(6) == 0 ? b.r.Eins(kSteine) : b.r.Eins(kBaeume);
                Objekt(slot, float(x) + jx, float(z) + jz, float(b.r(628)) / 100.0f);
            }
        }
}

// A wall along a row or column of cells, one model per cell.
void MauerZug(Bau& b, int slot, int x0, int z0, int x1, int z1) {
    for (int x = x0; x <= x1; ++x)
        for (int z = z0; z <= z1; ++z) {
            if (!Im(x, z) || StadtGitter[x][z].Blockiert) continue;
            Sperren(x, z, Bebaut, &b);
            Objekt(slot, float(x), float(z), x0 == x1 ? kPi / 2 : 0);
        }
}

// Plants grow round these cells after every load; at most 100 per map (5000 plants).
void Vegetation(Bau& b, int anzahl, Nutzung wo) {
    std::vector<Zelle> kandidaten;
    for (int x = 2; x < N - 2; ++x)
        for (int z = 2; z < N - 2; ++z)
            if (b.nutz[x][z] == wo && !StadtGitter[x][z].Eingang && !StadtGitter[x][z].VegetationErlaubt)
                kandidaten.push_back({x, z});
    int gesetzt = 0;
    for (const auto& spalte : StadtGitter)
        for (const StadtFeld& f : spalte) gesetzt += f.VegetationErlaubt;
    while (anzahl-- > 0 && !kandidaten.empty() && gesetzt < 100) {
        const size_t i = size_t(b.r(int(kandidaten.size())));
        StadtGitter[kandidaten[i].x][kandidaten[i].z].VegetationErlaubt = 1;
        kandidaten.erase(kandidaten.begin() + long(i));
        ++gesetzt;
    }
}

// Floor tiles from the use of the cells under them (tile [i][j] is centred on cell (3i, 3j)).
void Boden(Bau& b, const Thema& t) {
    for (int i = 0; i < BODENKARTE_GROESSE; ++i)
        for (int j = 0; j < BODENKARTE_GROESSE; ++j) {
            int zahl[7] = {};
            for (int x = 3 * i - 1; x <= 3 * i + 1; ++x)
                for (int z = 3 * j - 1; z <= 3 * j + 1; ++z) zahl[Im(x, z) ? b.nutz[x][z] : Nutzung::Wald]++;
            int beste = 0;
            for (int n = 1; n < 7; ++n)
                if (zahl[n] > zahl[beste]) beste = n;
            int16_t tex = t.boden;
            switch (beste) {
            case Nutzung::Wald: tex = t.wald; break;
            case Nutzung::Strasse: tex = t.strasse; break;
            case Nutzung::Platz: tex = t.platz; break;
            case Nutzung::Garten: tex = t.garten; break;
            default: break;
            }
            BodenKarte[i][j].BasisTextur = tex;
            BodenKarte[i][j].BasisDrehung = float(b.r(4)) * kPi / 2;
        }
}

// Every free cell the start cell reaches (steps in eight directions, as the path finder takes
// them) may hold figures; free cells it cannot reach are closed, so no figure is ever put there.
void Abschliessen(Bau& b, bool ueberall, int bx0 = 0, int bz0 = 0, int bx1 = N - 1, int bz1 = N - 1) {
    static bool erreicht[N][N];
    std::memset(erreicht, 0, sizeof erreicht);
    std::vector<Zelle> offen = {{StartX, StartZ}};
    erreicht[StartX][StartZ] = true;
    while (!offen.empty()) {
        const Zelle c = offen.back();
        offen.pop_back();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dz = -1; dz <= 1; ++dz) {
                const int x = c.x + dx, z = c.z + dz;
                if (!Im(x, z) || erreicht[x][z] || StadtGitter[x][z].Blockiert) continue;
                erreicht[x][z] = true;
                offen.push_back({x, z});
            }
    }
    for (int x = 0; x < N; ++x)
        for (int z = 0; z < N; ++z) {
            if (StadtGitter[x][z].Blockiert) continue;
            if (!erreicht[x][z]) {
                StadtGitter[x][z].Blockiert = 1;
                b.nutz[x][z] = Nutzung::Wald;
                continue;
            }
            if (ueberall || (x >= bx0 && x <= bx1 && z >= bz0 && z <= bz1)) BodenGitter[x][z] = 1;
        }
}

// Container numbers as the game derives them after a load, so the file carries the same; 255 marks
// a cell without one.
void BehaelterNummern() {
    int k = 0;
    for (auto& spalte : StadtGitter)
        for (StadtFeld& f : spalte) f.BehaelterIndex = f.Eingang > 0 ? uint8_t(k++) : uint8_t(255);
}

// ---------------------------------------------------------------------------------------------
// Towns

struct Block {
    int x0, z0, x1, z1;
};

// Splits [a, b] into runs of length lo..hi separated by streets of `strasse` cells.
std::vector<std::pair<int, int>> Teile(Rng& r, int a, int b, int lo, int hi, int strasse) {
    std::vector<std::pair<int, int>> teile;
    int c = a;
    while (b - c + 1 >= lo) {
        int l = lo + r(hi - lo + 1);
        if (b - c + 1 - l < lo + strasse) l = b - c + 1;
        teile.push_back({c, c + l - 1});
        c += l + strasse;
    }
    return teile;
}

// Entrance kinds still wanted in this town, taken by the houses in order.
struct Wunschliste {
    std::vector<int> arten;
    int Naechste() {
        if (arten.empty()) return 0;
        const int a = arten.front();
        arten.erase(arten.begin());
        return a;
    }
};

// A row of houses along a block's south side, doors to the street.
void HausReihe(Bau& b, const Block& k, int stil, int maxTiefe, Wunschliste& w) {
    int x = k.x0 + b.r(2);
    while (true) {
        int breite = b.r.Eins(modell::HausBreiten);
        while (breite > 5 && x + breite - 1 > k.x1) breite -= 2;
        if (x + breite - 1 > k.x1) break;
        int tiefe = std::min(maxTiefe, 5 + b.r(4));
        if (tiefe < 5) break;
        if (b.r.Chance(92)) {
            int art = w.Naechste();
            if (art == 0 && b.r.Chance(30)) art = 1;  // a storeroom
            Haus(b, stil, x, k.z0, breite, tiefe, Sued, art);
        }
        x += breite + 2 + b.r(3);
    }
}

// Props on a lattice three cells apart, which always leaves a way round each of them.
void Streuen(Bau& b, const Block& k, Nutzung wo, int prozent, const std::vector<int>& modelle, int behaelterProzent) {
    for (int x = k.x0 + 1; x <= k.x1 - 1; x += 3)
        for (int z = k.z0 + 1; z <= k.z1 - 1; z += 3) {
            if (b.nutz[x][z] != wo || StadtGitter[x][z].Blockiert || !b.r.Chance(prozent)) continue;
            const int slot = modelle[size_t(b.r(int(modelle.size())))];
            const bool behaelter = (slot == modell::Kiste || slot == modell::Fass) && b.r.Chance(behaelterProzent);
            Requisit(b, slot, x, z, behaelter ? 1 : 0);
        }
}

void Hofblock(Bau& b, const Block& k) {
    for (int x = k.x0; x <= k.x1; ++x)
        for (int z = k.z0; z <= k.z1; ++z) b.nutz[x][z] = Hof;
    if (k.x1 - k.x0 >= 6 && k.z1 - k.z0 >= 6 && b.r.Chance(50)) {
        const int x = k.x0 + 2 + b.r(k.x1 - k.x0 - 5), z = k.z0 + 2 + b.r(k.z1 - k.z0 - 5);
        if (RechteckIst(b, x, z, x + 1, z + 1, Hof)) Stellen(b, modell::Wassertank, x, z, 2, 2, Sued, Hof);
    }
    Streuen(b, k, Hof, 45,
            {modell::Kiste, modell::Fass, modell::Kistenstapel, modell::Karren, modell::Reifenstapel,
             modell::Rostfass, modell::Kiste, modell::Fass, modell::FeuerTonne},
            45);
}

void Gartenblock(Bau& b, const Block& k, bool& windrad) {
    for (int x = k.x0; x <= k.x1; ++x)
        for (int z = k.z0; z <= k.z1; ++z) b.nutz[x][z] = Garten;
    const int mx = (k.x0 + k.x1) / 2, mz = (k.z0 + k.z1) / 2;
    if (!windrad && RechteckIst(b, mx - 1, mz - 1, mx + 1, mz + 1, Garten)) {
        windrad = true;
        Stellen(b, modell::WindradTurm, mx - 1, mz - 1, 3, 3, Sued, Garten);
        StadtGitter[mx][mz].Sound = kWindKlang;
        Objekt(modell::WindradRotor, float(mx), float(mz) - 1.2f, 0, 60.0f);
    } else if (b.r.Chance(50)) {
        Requisit(b, modell::Lagerfeuer, mx, mz);
    }
    std::vector<int> pflanzen(std::begin(kBaeume), std::end(kBaeume));
    pflanzen.insert(pflanzen.end(), std::begin(kBuesche), std::end(kBuesche));
    Streuen(b, k, Garten, 40, pflanzen, 0);
}

// Houses along the block's south side, their doors on the street; behind them a yard that stays
// open to the next street, so no yard is a dead end between two rows of houses.
void Hausblock(Bau& b, const Block& k, int stil, Wunschliste& w) {
    for (int x = k.x0; x <= k.x1; ++x)
        for (int z = k.z0; z <= k.z1; ++z) b.nutz[x][z] = Hof;
    HausReihe(b, k, stil, std::min(8, k.z1 - k.z0 - 4), w);
    Streuen(b, k, Hof, 25,
            {modell::Kiste, modell::Fass, modell::Laubbaum, modell::Busch, modell::Bank, modell::Strauch},
            50);
}

// The market square: the well in the middle, the traders' stalls round it, fires and lamps.
void Marktplatz(Bau& b, const Block& p, int haendler) {
    for (int x = p.x0; x <= p.x1; ++x)
        for (int z = p.z0; z <= p.z1; ++z) b.nutz[x][z] = Platz;
    const int mx = (p.x0 + p.x1) / 2, mz = (p.z0 + p.z1) / 2;
    const Zelle brunnen = Stellen(b, modell::Brunnen, mx - 1, mz - 1, 3, 3, Sued, Platz);
    Eingang(b, brunnen.x, brunnen.z, 5);
    // Stalls along the west and east edges face the square; a third one on the north edge.
    struct Stand {
        int x, z;
        Richtung r;
    };
    const Stand staende[3] = {{p.x0 + 1, mz - 1, Ost}, {p.x1 - 2, mz - 1, West}, {mx + 4, p.z1 - 2, Sued}};
    for (int i = 0; i < haendler && i < 3; ++i) {
        const Zelle vorn = Stellen(b, modell::Marktstand, staende[i].x, staende[i].z, 3, 2, staende[i].r, Platz);
        Eingang(b, vorn.x, vorn.z, 2);
    }
    Requisit(b, modell::FeuerTonne, p.x0 + 1, p.z0 + 1);
    Requisit(b, modell::FeuerTonne, p.x1 - 1, p.z1 - 1);
    Requisit(b, modell::Laterne, p.x0 + 1, p.z1 - 1);
    Requisit(b, modell::Laterne, p.x1 - 1, p.z0 + 1);
    Requisit(b, modell::Bank, mx - 4, mz + 3);
    Requisit(b, modell::Bank, mx + 4, mz - 3);
    Requisit(b, modell::Tisch, mx - 4, mz - 3);
    Requisit(b, modell::Lagerfeuer, mx - 8, mz + 4);
}

void BaueStadt(int n) {
    Bau b(uint64_t(7001 + 131 * n));
    const Thema& t = kThemen[size_t(n) % std::size(kThemen)];
    const int x0 = 4 + b.r(4), x1 = 113 - b.r(4), z0 = 6, z1 = 111 - b.r(5);

    // The approach outside the gate, where the party arrives and the garrison lines up.
    for (int x = 44; x <= 92; ++x)
        for (int z = 0; z < z0; ++z) b.nutz[x][z] = Strasse;
    for (int x = x0; x <= x1; ++x)
        for (int z = z0; z <= z1; ++z) b.nutz[x][z] = Strasse;

    // The town's edge with the gate, and its corner posts.
    for (int x = x0; x <= x1; ++x) {
        if (x < 55 || x > 65) MauerZug(b, t.mauer, x, z0, x, z0);
        MauerZug(b, t.mauer, x, z1, x, z1);
    }
    MauerZug(b, t.mauer, x0, z0 + 1, x0, z1 - 1);
    MauerZug(b, t.mauer, x1, z0 + 1, x1, z1 - 1);
    for (Zelle c : {Zelle{55, z0}, Zelle{65, z0}}) {
        Sperren(c.x, c.z, Bebaut, &b);
        Objekt(modell::Torpfosten, float(c.x), float(c.z));
    }

    // Streets: a ring inside the wall, the main street from the gate, blocks between.
    const int ix0 = x0 + 3, ix1 = x1 - 3, iz0 = z0 + 3, iz1 = z1 - 3;
    auto spalten = Teile(b.r, ix0, 56, 14, 24, 3);
    const auto rechts = Teile(b.r, 64, ix1, 14, 24, 3);
    spalten.insert(spalten.end(), rechts.begin(), rechts.end());
    const auto reihen = Teile(b.r, iz0, iz1, 11, 15, 3);

    // The market square straddles the main street in the second row of blocks.
    const auto& platzReihe = reihen[std::min<size_t>(1, reihen.size() - 1)];
    const Block platz = {45, platzReihe.first, 75, std::min(platzReihe.second, platzReihe.first + 16)};
    const int haendler = (n == 9 || n == 10 || n == 16) ? 3 : 1 + n % 2;
    Marktplatz(b, platz, haendler);

    Wunschliste wuensche{{3, 6, 4, 1, 1}};
    if (n == 9) wuensche.arten.insert(wuensche.arten.end(), {3, 6, 4});
    bool windrad = (n % 3) != 0;
    int blockNummer = 0;
    for (const auto& reihe : reihen)
        for (const auto& spalte : spalten) {
            Block k = {spalte.first, reihe.first, spalte.second, reihe.second};
            if (reihe == platzReihe) {
                if (k.x1 >= platz.x0 - 3 && k.x1 < 57) k.x1 = platz.x0 - 4;
                if (k.x0 <= platz.x1 + 3 && k.x0 > 63) k.x0 = platz.x1 + 4;
            }
            if (k.x1 - k.x0 < 6 || k.z1 - k.z0 < 6) continue;
            const int wahl = (blockNummer++ * 7 + n) % 10;
            if (wahl < 7 || !wuensche.arten.empty()) Hausblock(b, k, t.hausStil, wuensche);
            else if (wahl < 9) Gartenblock(b, k, windrad);
            else Hofblock(b, k);
        }

    // Street lamps along the main street, a radar mast in some towns.
    for (int z = z0 + 4; z < iz1; z += 11 + b.r(4)) {
        if (z >= platz.z0 - 1 && z <= platz.z1 + 1) continue;
        Requisit(b, modell::Laterne, 57, z);
        Requisit(b, modell::Laterne, 63, z + 5);
    }
    if (n % 4 == 1) {
        const int x = x1 - 2, z = z1 - 2;
        if (Requisit(b, modell::RadarMast, x, z)) Objekt(modell::Radar, float(x), float(z), 0, 40.0f);
    }
    Requisit(b, modell::Fass, 50, 2);
    Requisit(b, modell::Kistenstapel, 88, 3);

    Bewalden(b);
    Abschliessen(b, true);
    Vegetation(b, 40 + b.r(20), Garten);
    Vegetation(b, 30, Wald);
    Vegetation(b, 10, Hof);
    Boden(b, t);
}

// ---------------------------------------------------------------------------------------------
// The tutorial: a chain of walled yards opened one passage at a time.

const std::vector<Zelle> kDurchgaenge = {{56, 21}, {57, 21}, {58, 21}, {55, 33}, {64, 42},
                                         {76, 39}, {76, 40}, {81, 47}, {82, 47}, {81, 59}};

void Freiflaeche(Bau& b, int x0, int z0, int x1, int z1) {
    for (int x = x0; x <= x1; ++x)
        for (int z = z0; z <= z1; ++z)
            if (b.nutz[x][z] == Nutzung::Wald) b.nutz[x][z] = Platz;
}

void BaueTutorial() {
    Bau b(4121);
    // The yards, from the start at the bottom to the workshop at the top right.
    Freiflaeche(b, 44, 0, 72, 20);   // start; the recruiter's table in its north wall
    Freiflaeche(b, 44, 0, 92, 4);
    Freiflaeche(b, 50, 22, 63, 32);  // armoury
    Freiflaeche(b, 51, 34, 63, 45);  // the hostile's yard
    Freiflaeche(b, 65, 34, 75, 45);  // the townsperson's yard
    Freiflaeche(b, 77, 34, 88, 46);  // store of tools
    Freiflaeche(b, 77, 48, 88, 58);  // kitchen and well
    Freiflaeche(b, 77, 60, 88, 70);  // workshop
    const int m = modell::Mauer;
    MauerZug(b, m, 43, 21, 73, 21);
    MauerZug(b, m, 49, 22, 49, 33);
    MauerZug(b, m, 64, 22, 64, 46);
    MauerZug(b, m, 50, 33, 63, 33);
    MauerZug(b, m, 50, 34, 50, 46);
    MauerZug(b, m, 51, 46, 63, 46);
    MauerZug(b, m, 65, 33, 89, 33);
    MauerZug(b, m, 65, 46, 75, 46);
    MauerZug(b, m, 76, 34, 76, 71);
    MauerZug(b, m, 89, 34, 89, 71);
    MauerZug(b, m, 77, 47, 88, 47);
    MauerZug(b, m, 77, 59, 88, 59);
    MauerZug(b, m, 77, 71, 88, 71);
    // MauerZug skips cells already blocked; the passages get barriers instead of wall pieces.
    for (const Zelle& c : kDurchgaenge) {
        for (ObjektRecord& o : StadtObjekte)
            if (o.Aktiv && o.Position[0] == float(c.x * 10) && o.Position[2] == float(c.z * 10)) o.Modell = modell::Sperre;
    }
    // The recruiter's table stands in the first wall beside its passage, straight ahead of the start
    // view.
    for (ObjektRecord& o : StadtObjekte)
        if (o.Aktiv && o.Position[0] == float(TutorialAnwerber.x * 10) && o.Position[2] == float(TutorialAnwerber.z * 10))
            o.Modell = modell::Tisch;
    Eingang(b, TutorialAnwerber.x, TutorialAnwerber.z, 7);
    // The recruiter himself stands behind it in its cell, facing the start; the game draws no
    // townsfolk figure of his kind, and the blocked cell keeps every path as it was.
    Objekt(modell::Anwerber, float(TutorialAnwerber.x), float(TutorialAnwerber.z) + 0.4f);

    // Start yard: a camp.
    Requisit(b, modell::Zelt, 66, 14);
    Requisit(b, modell::Lagerfeuer, 62, 12);
    Requisit(b, modell::Kistenstapel, 46, 3);
    Requisit(b, modell::Fass, 70, 8);
    Requisit(b, modell::Laterne, 52, 18);
    // Armoury: the rifle, ammunition and vest.
    Requisit(b, modell::Kiste, 52, 30, 1);
    Requisit(b, modell::Sandsaecke, 60, 30);
    // The hostile's yard: cover.
    Requisit(b, modell::Sandsaecke, 55, 39);
    Requisit(b, modell::Sandsaecke, 60, 42);
    Requisit(b, modell::Betonblock, 58, 36);
    // The townsperson's yard: food to recruit him with.
    Requisit(b, modell::Kiste, 74, 44, 1);
    Requisit(b, modell::FeuerTonne, 67, 44);
    // Tools: pump and trap.
    Requisit(b, modell::Kiste, 87, 36, 1);
    Requisit(b, modell::Kistenstapel, 87, 44);
    // Kitchen: the rat, the eat and drink tables, the well.
    Requisit(b, modell::Kiste, 78, 57, 1);
    Requisit(b, modell::Tisch, 84, 50, 3);
    Requisit(b, modell::Fass, 87, 50, 6);
    {
        const Zelle brunnen = Stellen(b, modell::Brunnen, 80, 51, 3, 3, Sued, Platz);
        Eingang(b, brunnen.x, brunnen.z, 5);
    }
    Requisit(b, modell::Laterne, 87, 57);
    // Workshop: wire, wood and nuts.
    Requisit(b, modell::Kiste, 87, 68, 1);
    Requisit(b, modell::Lagerfeuer, 80, 66);
    Requisit(b, modell::Karren, 84, 62);

    Bewalden(b);
    // Figures are placed only in the hostile's yard until the tutorial moves the area.
    TutorialAllesOeffnen();
    Abschliessen(b, false, 51, 35, 63, 45);
    for (const Zelle& c : kDurchgaenge) StadtGitter[c.x][c.z].Blockiert = 1;
    Vegetation(b, 12, Wald);
    Boden(b, kThemen[0]);
}

// ---------------------------------------------------------------------------------------------
// Encounter maps: open country round a clearing; the travel lays its own floor and scatter over
// them and spawns the figures on the placement cells.

void Lichtung(Bau& b, int x0, int z0, int x1, int z1) {
    for (int x = 44; x <= 92; ++x)
        for (int z = 0; z <= 6; ++z) b.nutz[x][z] = Frei;
    for (int x = x0; x <= x1; ++x)
        for (int z = z0; z <= z1; ++z) {
            // Round off the corners so the clearing does not look cut out.
            const float dx = float(x - (x0 + x1) / 2) / float(x1 - x0 + 1) * 2;
            const float dz = float(z - (z0 + z1) / 2) / float(z1 - z0 + 1) * 2;
            if (dx * dx + dz * dz < 1.35f + float(b.r(10)) / 40) b.nutz[x][z] = Frei;
        }
    for (int x = 56; x <= 64; ++x)
        for (int z = 0; z <= z0 + 2; ++z) b.nutz[x][z] = Frei;
}

// Figures are placed in the middle of a clearing; the travel scatters its models over the rest.
void Begegnung(Bau& b, int themaNr) {
    Bewalden(b);
    Abschliessen(b, false, 30, 24, 90, 90);
    Vegetation(b, 45, Frei);
    Vegetation(b, 30, Wald);
    Boden(b, kThemen[size_t(themaNr) % std::size(kThemen)]);
}

// The remains of a fight: broken walls, sandbag lines, wrecks and tank traps in clusters.
void BaueAngriff(int n) {
    Bau b(uint64_t(9100 + 17 * n));
    Lichtung(b, 8 + b.r(6), 6, 110 - b.r(6), 108 - b.r(8));
    for (int c = 0; c < 9 + n; ++c) {
        const int cx = 18 + b.r(80), cz = 16 + b.r(80);
        if (b.nutz[cx][cz] != Frei) continue;
        switch (b.r(4)) {
        case 0:
            MauerZug(b, modell::Mauerrest, cx, cz, cx + 2 + b.r(4), cz);
            MauerZug(b, modell::Mauerrest, cx, cz + 1, cx, cz + 1 + b.r(3));
            Requisit(b, modell::Schutt, cx + 2, cz + 2);
            break;
        case 1:
            MauerZug(b, modell::Sandsaecke, cx, cz, cx + 2 + b.r(3), cz);
            Requisit(b, modell::Rostfass, cx - 2, cz + 1);
            break;
        case 2:
            Requisit(b, b.r(2) ? modell::Autowrack : modell::Lkwwrack, cx, cz);
            Requisit(b, modell::Reifenstapel, cx + 2, cz - 1);
            Requisit(b, modell::Rostfass, cx - 1, cz + 2);
            break;
        default:
            for (int i = 0; i < 4; ++i) Requisit(b, i % 2 ? modell::Betonblock : modell::Panzersperre, cx + 2 * i, cz);
            break;
        }
    }
    if (n % 2 == 0) Requisit(b, modell::FeuerTonne, 60, 40 + n);
    Begegnung(b, n + 1);
}

// A hermit's hut in a clearing, with his fire, his well and his garden.
void BaueEinsiedler(int n) {
    Bau b(uint64_t(9300 + 23 * n));
    Lichtung(b, 20 + b.r(8), 8, 100 - b.r(8), 100 - b.r(10));
    const int hx = 45 + b.r(20), hz = 45 + b.r(20);
    Stellen(b, modell::Huette, hx, hz, 5, 5, Sued);
    Requisit(b, modell::Lagerfeuer, hx + 2, hz - 4);
    Requisit(b, modell::Bank, hx + 5, hz - 3);
    Requisit(b, modell::Fass, hx + 6, hz);
    Requisit(b, modell::Kistenstapel, hx - 2, hz + 1);
    Stellen(b, modell::Brunnen, hx - 7, hz - 6, 3, 3, Sued, Frei);
    MauerZug(b, modell::Zaun, hx - 3, hz + 13, hx + 7, hz + 13);
    MauerZug(b, modell::Zaun, hx + 8, hz + 9, hx + 8, hz + 13);
    for (int x = hx - 2; x <= hx + 7; x += 3) Requisit(b, b.r.Eins(kBuesche), x, hz + 10);
    for (int i = 0; i < 60; ++i) {
        const int x = 12 + b.r(94), z = 12 + b.r(94);
        if (b.nutz[x][z] == Frei && x % 3 == 0 && z % 3 == 0 && std::abs(x - hx) + std::abs(z - hz) > 14)
            Requisit(b, b.r(3) ? b.r.Eins(kBuesche) : b.r.Eins(kBaeume), x, z);
    }
    Begegnung(b, n + 3);
}

void BaueKarawane() {
    Bau b(9500);
    Lichtung(b, 14, 8, 104, 104);
    // The wagons stand in a loose ring round the camp; the caravan's item lies at (60, 60).
    const Zelle wagen[] = {{48, 50}, {70, 50}, {46, 64}, {72, 64}, {56, 74}};
    for (const Zelle& w : wagen) Stellen(b, modell::Planwagen, w.x, w.z, 2, 4, Sued);
    Requisit(b, modell::Lagerfeuer, 60, 64);
    Requisit(b, modell::Zelt, 52, 62);
    Requisit(b, modell::Zelt, 68, 72);
    for (int i = 0; i < 14; ++i) Requisit(b, i % 3 ? modell::Kiste : modell::Fass, 50 + 2 * i, 46 - (i % 2));
    Begegnung(b, 4);
}

}  // namespace

std::vector<KartenPlan> AlleKarten() {
    std::vector<KartenPlan> plaene;
    for (int i = 0; i < STAEDTE_BENUTZT; ++i)
        plaene.push_back({KartenArt::Stadt, i, "town" + std::to_string(i), "Data/Towns/town" + std::to_string(i) + ".dat",
                          "Data/Player_Data/S_Town" + std::to_string(i) + ".dat"});
    plaene.push_back({KartenArt::Tutorial, 0, "Tutorial", "Data/Towns/Tutorial.dat", "Data/Player_Data/S_Tutorial.dat"});
    for (int i = 0; i < 5; ++i) {
        const std::string nr = "00" + std::to_string(i);
        plaene.push_back({KartenArt::Angriff, i, "Angriff" + nr, "Data/Towns/Angriff" + nr + ".dat", ""});
        plaene.push_back({KartenArt::Einsiedler, i, "Einsiedler" + nr, "Data/Towns/Einsiedler" + nr + ".dat", ""});
    }
    plaene.push_back({KartenArt::Karawane, 0, "Karawane000", "Data/Towns/Karawane000.dat", ""});
    return plaene;
}

const std::vector<Zelle>& TutorialDurchgaenge() { return kDurchgaenge; }

void TutorialAllesOeffnen() {
    for (const Zelle& c : kDurchgaenge) StadtGitter[c.x][c.z].Blockiert = 0;
}

void BaueKarte(const KartenPlan& plan) {
    LeereStadtBloecke();
    switch (plan.art) {
    case KartenArt::Stadt: BaueStadt(plan.nummer); break;
    case KartenArt::Tutorial: BaueTutorial(); break;
    case KartenArt::Angriff: BaueAngriff(plan.nummer); break;
    case KartenArt::Einsiedler: BaueEinsiedler(plan.nummer); break;
    case KartenArt::Karawane: BaueKarawane(); break;
    }
    // The wind blows where the party arrives.
    for (int x : {44, 60, 76}) StadtGitter[x][1].Sound = kWindKlang;
    BehaelterNummern();
}

}  // namespace content
