// Writing the maps and templates, their pictures, and the reachability check they must pass.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "content/generator.h"
#include "content/town_maps.h"
#include "content/town_models.h"
#include "world/bewegung.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/wegsuche.h"

namespace content {

namespace {

constexpr int N = GITTER_GROESSE;

std::string ZellText(const char* was, int x, int z) {
    return std::string(was) + " (" + std::to_string(x) + ", " + std::to_string(z) + ")";
}

// ---------------------------------------------------------------------------------------------
// The picture: 6 pixels a cell, z growing upwards.

constexpr int kPx = 6;

struct Farbe {
    uint8_t r, g, b;
};

// The floor tiles' main colours, by index of the floor-tile list.
const Farbe kBoden[] = {
    {0xC8, 0xB0, 0x88}, {0x8A, 0x6A, 0x48}, {0x5A, 0x8A, 0x3A}, {0x9A, 0x90, 0x50}, {0x8A, 0x84, 0x78},
    {0x4A, 0x4A, 0x4C}, {0x8A, 0x62, 0x38}, {0x9A, 0x94, 0x8A}, {0x5A, 0x4A, 0x38}, {0xA8, 0x90, 0x78},
    {0xB8, 0x9C, 0x70}, {0x4A, 0x7A, 0x30}, {0x7A, 0x5A, 0x3A}, {0x7A, 0x74, 0x6A}, {0x3A, 0x3A, 0x3C},
    {0x8A, 0x84, 0x78}, {0xA8, 0xA0, 0x60}, {0x4A, 0x3C, 0x2C}, {0x90, 0x78, 0x68}, {0x6A, 0x4A, 0x28},
    {0xA0, 0x80, 0x60}, {0xD0, 0xB8, 0x90}, {0x8A, 0x88, 0x48}, {0x9A, 0x7A, 0x58}, {0x6A, 0x90, 0x48},
};

// Entrance kinds 1..7: container, trader, eat, doctor, well, drink, recruiter.
const Farbe kEingang[] = {{0, 0, 0},       {255, 160, 0},  {230, 0, 230}, {230, 30, 30},
                          {255, 255, 255}, {30, 90, 255}, {0, 230, 230}, {255, 255, 0}};

struct Bild {
    image::Image img;
    Bild() {
        img.width = img.height = N * kPx;
        img.rgba.assign(size_t(img.width) * size_t(img.height) * 4, 255);
    }
    void Punkt(int px, int py, Farbe f) {
        if (px < 0 || py < 0 || px >= img.width || py >= img.height) return;
        uint8_t* p = &img.rgba[(size_t(py) * size_t(img.width) + size_t(px)) * 4];
        p[0] = f.r;
        p[1] = f.g;
        p[2] = f.b;
        p[3] = 255;
    }
    // A rectangle in world units (z upwards in the picture).
    void Rechteck(float wx0, float wz0, float wx1, float wz1, Farbe f) {
        const int px0 = int((wx0 + 5) * kPx / 10), px1 = int((wx1 + 5) * kPx / 10);
        const int py0 = img.height - int((wz1 + 5) * kPx / 10), py1 = img.height - int((wz0 + 5) * kPx / 10);
        for (int y = py0; y < py1; ++y)
            for (int x = px0; x < px1; ++x) Punkt(x, y, f);
    }
    void Scheibe(float wx, float wz, float radius, Farbe f) {
        const float cx = (wx + 5) * kPx / 10, cy = float(img.height) - (wz + 5) * kPx / 10, r = radius * kPx / 10;
        for (int y = int(cy - r); y <= int(cy + r); ++y)
            for (int x = int(cx - r); x <= int(cx + r); ++x)
                if ((float(x) - cx) * (float(x) - cx) + (float(y) - cy) * (float(y) - cy) <= r * r) Punkt(x, y, f);
    }
    void Zelle(int x, int z, int rand, Farbe f) {
        Rechteck(float(x * 10) - 5 + float(rand), float(z * 10) - 5 + float(rand), float(x * 10) + 5 - float(rand),
                 float(z * 10) + 5 - float(rand), f);
    }
};

Farbe Mal(Farbe f, float k) {
    auto c = [k](uint8_t v) { return uint8_t(std::min(255.0f, float(v) * k)); };
    return {c(f.r), c(f.g), c(f.b)};
}

void ZeichneObjekt(Bild& b, const ObjektRecord& o) {
    namespace m = modell;
    const float x = o.Position[0], z = o.Position[2];
    if (m::IstHaus(o.Modell)) {
        float w = float(m::HausBreite(o.Modell)) * 5, d = float(m::HausTiefe(o.Modell)) * 5;
        if (std::fabs(std::sin(o.Drehung[1])) > 0.5f) std::swap(w, d);
        const Farbe dach = o.Modell < m::Haus(1, 0, 0) ? Farbe{150, 60, 45} : Farbe{110, 80, 50};
        b.Rechteck(x - w, z - d, x + w, z + d, Mal(dach, 0.6f));
        b.Rechteck(x - w + 1.5f, z - d + 1.5f, x + w - 1.5f, z + d - 1.5f, dach);
        return;
    }
    switch (o.Modell) {
    case m::Mauer: case m::Torpfosten: b.Rechteck(x - 5, z - 5, x + 5, z + 5, {120, 120, 125}); return;
    case m::Zaun: case m::Palisade: b.Rechteck(x - 5, z - 5, x + 5, z + 5, {110, 75, 40}); return;
    case m::Sperre: b.Rechteck(x - 5, z - 5, x + 5, z + 5, {230, 40, 40}); return;
    case m::Brunnen: b.Scheibe(x, z, 13, {60, 60, 70}); b.Scheibe(x, z, 8, {40, 110, 255}); return;
    case m::Marktstand: b.Rechteck(x - 10, z - 10, x + 10, z + 10, {240, 140, 40}); return;
    case m::Huette: b.Rechteck(x - 24, z - 24, x + 24, z + 24, {110, 80, 50}); return;
    case m::Zelt: b.Rechteck(x - 14, z - 14, x + 14, z + 14, {170, 150, 100}); return;
    case m::Planwagen: b.Rechteck(x - 8, z - 18, x + 8, z + 18, {200, 190, 150}); return;
    case m::WindradTurm: b.Scheibe(x, z, 12, {200, 200, 190}); return;
    case m::Wassertank: b.Scheibe(x, z, 9, {90, 120, 140}); return;
    case m::FeuerTonne: case m::Lagerfeuer: b.Scheibe(x, z, 5, {255, 80, 0}); return;
    case m::Laterne: b.Scheibe(x, z, 3, {255, 240, 120}); return;
    case m::WindradRotor: case m::Radar: case m::Wirtshausschild: case m::Pflanze: case m::Blume: return;
    case m::Fels: case m::Findling: case m::Steinhaufen: case m::FlacheSteine: case m::Betonblock: case m::Schutt:
    case m::Mauerrest: case m::Panzersperre:
        b.Scheibe(x, z, 5, {140, 140, 135});
        return;
    case m::Autowrack: case m::Lkwwrack: b.Rechteck(x - 5, z - 5, x + 5, z + 5, {120, 70, 50}); return;
    default: break;
    }
    for (int t : {m::Laubbaum, m::Kiefer, m::ToterBaum, m::Birke, m::Pappel, m::Eiche})
        if (o.Modell == t) {
            b.Scheibe(x, z, 9, {20, 70, 25});
            b.Scheibe(x, z, 6, {40, 110, 40});
            return;
        }
    if (o.Modell >= m::Busch && o.Modell <= m::Busch7) {
        b.Scheibe(x, z, 5, {60, 140, 50});
        return;
    }
    b.Rechteck(x - 4, z - 4, x + 4, z + 4, {200, 170, 90});  // crates, barrels, carts, benches
}

}  // namespace

std::string PruefeErreichbarkeit(int stichprobe) {
    // The path finder reads the size of the current town's grid.
    const int32_t stadtVorher = AktuelleStadt;
    AktuelleStadt = 0;
    const StadtRecord tabelleVorher = StadtTabelle[0];
    StadtTabelle[0].GitterBreite = StadtTabelle[0].GitterHoehe = N;
    struct Zurueck {
        int32_t stadt;
        StadtRecord tabelle;
        ~Zurueck() {
            AktuelleStadt = stadt;
            StadtTabelle[0] = tabelle;
        }
    } zurueck{stadtVorher, tabelleVorher};

    static bool erreicht[N][N];
    std::memset(erreicht, 0, sizeof erreicht);
    std::vector<std::pair<int, int>> offen = {{StartX, StartZ}};
    if (FeldBegehbar(StartX, StartZ) == -1) return ZellText("start cell blocked", StartX, StartZ);
    erreicht[StartX][StartZ] = true;
    while (!offen.empty()) {
        const auto [cx, cz] = offen.back();
        offen.pop_back();
        for (int dx = -1; dx <= 1; ++dx)
            for (int dz = -1; dz <= 1; ++dz) {
                const int x = cx + dx, z = cz + dz;
                if (FeldBegehbar(x, z) == -1 || erreicht[x][z]) continue;
                erreicht[x][z] = true;
                offen.push_back({x, z});
            }
    }

    Wegsuche suche;
    suche.SetzeBegehbar(FeldBegehbar);
    auto weg = [&](int x, int z) {
        if (x == StartX && z == StartZ) return true;
        suche.Starte(StartX, StartZ, x, z);
        return suche.Suche(1000);
    };
    for (int x = 0; x < N; ++x)
        for (int z = 0; z < N; ++z) {
            if (StadtGitter[x][z].Eingang > 0) {
                // As a walk order to a blocked cell: the first free neighbour that a path reaches.
                static const int kNachbarn[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
                bool gefunden = false;
                for (const auto& d : kNachbarn) {
                    const int nx = x + d[0], nz = z + d[1];
                    if (FeldBegehbar(nx, nz) != -1 && erreicht[nx][nz] && weg(nx, nz)) {
                        gefunden = true;
                        break;
                    }
                }
                if (!gefunden) return ZellText("entrance not reachable", x, z);
            }
            if (BodenGitter[x][z] != 1) continue;
            if (FeldBegehbar(x, z) == -1) return ZellText("placement cell blocked", x, z);
            if (!erreicht[x][z]) return ZellText("placement cell cut off", x, z);
            if (x % stichprobe == 0 && z % stichprobe == 0 && !weg(x, z))
                return ZellText("no path to placement cell", x, z);
        }
    return "";
}

image::Image KartenBild() {
    Bild b;
    for (int x = 0; x < N; ++x)
        for (int z = 0; z < N; ++z) {
            const int i = std::min((x + 1) / 3, BODENKARTE_GROESSE - 1), j = std::min((z + 1) / 3, BODENKARTE_GROESSE - 1);
            const int tex = BodenKarte[i][j].BasisTextur;
            Farbe f = tex >= 0 && tex < int(std::size(kBoden)) ? kBoden[tex] : Farbe{255, 0, 255};
            if (StadtGitter[x][z].Blockiert) f = Mal(f, 0.45f);
            else if (BodenGitter[x][z] != 1) f = Mal(f, 0.8f);
            else f = Mal(f, 1.1f);
            b.Zelle(x, z, 0, f);
        }
    for (const ObjektRecord& o : StadtObjekte)
        if (o.Aktiv) ZeichneObjekt(b, o);
    for (int x = 0; x < N; ++x)
        for (int z = 0; z < N; ++z) {
            const StadtFeld& f = StadtGitter[x][z];
            if (f.VegetationErlaubt) b.Scheibe(float(x * 10), float(z * 10), 2.5f, {170, 255, 60});
            if (f.Eingang > 0 && f.Eingang < int16_t(std::size(kEingang))) {
                b.Zelle(x, z, 0, {0, 0, 0});
                b.Zelle(x, z, 2, kEingang[f.Eingang]);
            }
        }
    b.Rechteck(float(StartX * 10) - 6, float(StartZ * 10) - 1, float(StartX * 10) + 6, float(StartZ * 10) + 1, {255, 255, 255});
    b.Rechteck(float(StartX * 10) - 1, float(StartZ * 10) - 6, float(StartX * 10) + 1, float(StartZ * 10) + 6, {255, 255, 255});
    return b.img;
}

std::vector<std::string> SchreibeKarten(const std::string& spielOrdner, const std::string& bildOrdner) {
    namespace fs = std::filesystem;
    std::vector<std::string> geschrieben;
    fs::create_directories(fs::path(spielOrdner) / "Data/Towns");
    fs::create_directories(fs::path(spielOrdner) / "Data/Player_Data");
    fs::create_directories(bildOrdner);
    std::string fehler;
    for (const KartenPlan& plan : AlleKarten()) {
        BaueKarte(plan);
        const std::string karte = (fs::path(spielOrdner) / plan.karte).string();
        if (!SchreibeStadtDatei(karte, &fehler)) throw std::runtime_error(fehler);
        geschrieben.push_back(plan.karte);
        const std::string bild = (fs::path(bildOrdner) / (plan.name + ".png")).string();
        if (!image::SavePng(bild, KartenBild(), fehler)) throw std::runtime_error(bild + ": " + fehler);
        if (plan.zustand.empty()) continue;
        BaueZustand(plan);
        if (!SchreibeStadtZustandDatei((fs::path(spielOrdner) / plan.zustand).string(), &fehler))
            throw std::runtime_error(fehler);
        geschrieben.push_back(plan.zustand);
    }
    return geschrieben;
}

// The pictures go into the build folder beside the game's working directory.
void MakeTowns(Generator& g) {
    const std::filesystem::path spiel(g.outDir);
    SchreibeKarten(spiel.string(), (spiel.parent_path() / "town_maps").string());
}

}  // namespace content
