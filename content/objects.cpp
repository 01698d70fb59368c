// The town objects, plants and the close-up sets: box models on one texture each, because the
// passes draw only subset 0 of a model with its first texture. Every texture is an atlas of four
// 64 x 64 pictures and each face takes its picture by number.
#include <cmath>
#include <cstdio>

#include "content/canvas.h"
#include "content/figures.h"
#include "content/generator.h"
#include "content/town_models.h"
#include "content/xfile_writer.h"

namespace content {

namespace {

// Four pictures: what they show and how.
enum class Muster { Rauschen, Bretter, Ziegel, Blaetter, Streifen, Glut, Halme, Blueten, Fenster, Spritzer };

struct Bildteil {
    uint32_t farbe;
    Muster muster;
};

Canvas MaleAtlas(const Bildteil (&teile)[4], int saat) {
    Canvas c(128, 128, {0, 0, 0, 0});
    for (int k = 0; k < 4; ++k) {
        const int x0 = (k % 2) * 64, y0 = (k / 2) * 64;
        const Rgba f = FromArgb(0xFF000000 | teile[k].farbe);
        Canvas t(64, 64, f);
        switch (teile[k].muster) {
        case Muster::Bretter:
            for (int y = 0; y < 64; y += 8) t.FillRect(0, y, 64, 1, Shade(f, 0.55f));
            break;
        case Muster::Ziegel:
            for (int y = 0; y < 64; y += 8) {
                t.FillRect(0, y, 64, 1, Shade(f, 0.6f));
                for (int x = (y / 8) % 2 * 8; x < 64; x += 16) t.FillRect(x, y, 1, 8, Shade(f, 0.6f));
            }
            break;
        case Muster::Blaetter:
            for (int i = 0; i < 40; ++i)
                t.Disc(float((i * 37 + saat * 11) % 64), float((i * 23 + saat * 5) % 64), 3.0f + float(i % 3),
                       Shade(f, 0.7f + float(i % 5) * 0.15f));
            break;
        case Muster::Streifen:
            for (int x = 0; x < 64; x += 16) t.FillRect(x, 0, 8, 64, {240, 240, 240, 255});
            break;
        case Muster::Glut:
            t = Canvas(64, 64, {0, 0, 0, 0});
            t.SoftBlob(32, 36, 28, f);
            t.SoftBlob(32, 40, 14, {255, 240, 140, 255});
            break;
        case Muster::Halme:
            t = Canvas(64, 64, {0, 0, 0, 0});
            for (int i = 0; i < 14; ++i) {
                const float x = float(4 + i * 4);
                t.Line(x, 64, x + float(i % 3 - 1) * 6, float(10 + (i * 7) % 20), 2, Shade(f, 0.8f + float(i % 3) * 0.15f));
            }
            break;
        case Muster::Blueten:
            t = Canvas(64, 64, {0, 0, 0, 0});
            for (int i = 0; i < 8; ++i) {
                const float x = float(6 + i * 7);
                t.Line(x, 64, x, float(24 + (i * 5) % 16), 2, {70, 130, 50, 255});
                t.Disc(x, float(22 + (i * 5) % 16), 4, i % 2 ? f : Rgba{250, 240, 120, 255});
            }
            break;
        case Muster::Fenster:
            t.FillRect(4, 4, 56, 56, Shade(f, 0.5f));
            t.FillRect(30, 4, 4, 56, {90, 70, 50, 255});
            t.FillRect(4, 30, 56, 4, {90, 70, 50, 255});
            break;
        case Muster::Spritzer:
            t = Canvas(64, 64, {0, 0, 0, 0});
            t.Disc(32, 32, 16, f);
            for (int i = 0; i < 9; ++i)
                t.Disc(32 + 22 * std::cos(float(i) * 0.7f), 32 + 20 * std::sin(float(i) * 0.9f), 3.0f + float(i % 3), f);
            break;
        default: break;
        }
        if (teile[k].muster != Muster::Glut && teile[k].muster != Muster::Halme && teile[k].muster != Muster::Blueten &&
            teile[k].muster != Muster::Spritzer)
            t.Noise(uint32_t(saat * 4 + k), 0.12f);
        c.Draw(t, x0, y0);
    }
    return c;
}

struct Atlas {
    const char* datei;
    Bildteil teile[4];
};

// Picture numbers per atlas.
const Atlas kHolzStein = {"obj_holz_stein.png",
                          {{0x8A6238, Muster::Bretter}, {0x8A8680, Muster::Ziegel}, {0x4A4C50, Muster::Rauschen},
                           {0xD02020, Muster::Streifen}}};
const Atlas kBaum = {"obj_baum.png",
                     {{0x5A4030, Muster::Bretter}, {0x3C7A2C, Muster::Blaetter}, {0x24502A, Muster::Blaetter},
                      {0xD8D4C8, Muster::Rauschen}}};
const Atlas kHaus[2] = {{"obj_haus_putz.png",
                         {{0xC8B898, Muster::Rauschen}, {0xA04030, Muster::Ziegel}, {0x6A4424, Muster::Bretter},
                          {0x405878, Muster::Fenster}}},
                        {"obj_haus_holz.png",
                         {{0x8A6A48, Muster::Bretter}, {0x5A4A3A, Muster::Bretter}, {0x5A3A20, Muster::Bretter},
                          {0x304868, Muster::Fenster}}}};
const Atlas kPflanzen = {"obj_pflanzen.png",
                         {{0x5A9A3A, Muster::Halme}, {0xD04060, Muster::Blueten}, {0x8A9A50, Muster::Halme},
                          {0x3A8A3A, Muster::Halme}}};
const Atlas kStoff = {"obj_stoff.png",
                      {{0xD8C8A0, Muster::Rauschen}, {0x6A7A4A, Muster::Rauschen}, {0xFF8020, Muster::Glut},
                       {0x3060C0, Muster::Rauschen}}};
const Atlas kWrack = {"obj_wrack.png",
                      {{0x8A4A2A, Muster::Rauschen}, {0x9A9890, Muster::Rauschen}, {0xB0A070, Muster::Bretter},
                       {0x202020, Muster::Rauschen}}};
const Atlas kKulisse = {"obj_kulisse.png",
                        {{0x7A5A38, Muster::Bretter}, {0x8A5040, Muster::Ziegel}, {0x6A4A2A, Muster::Bretter},
                         {0x9A7A48, Muster::Bretter}}};
const Atlas kEffekte = {"obj_effekte.png",
                        {{0x9A0A0A, Muster::Spritzer}, {0xB8D0F0, Muster::Glut}, {0xA0A0A0, Muster::Rauschen},
                         {0x404040, Muster::Rauschen}}};

// The camera sequence's picture: a landscape with a town, and the stamp that lands on it.
Canvas MaleBild() {
    Canvas c(256, 192);
    c.VerticalGradient(0, 0, 256, 120, {120, 160, 210, 255}, {220, 210, 180, 255});
    c.Polygon({{0, 120}, {60, 90}, {130, 110}, {200, 80}, {256, 105}, {256, 192}, {0, 192}}, {110, 130, 70, 255});
    for (int i = 0; i < 7; ++i) {
        const int x = 70 + i * 18, h = 14 + (i * 7) % 12;
        c.FillRect(x, 118 - h, 14, h, {150, 120, 100, 255});
        c.Polygon({{float(x - 2), float(118 - h)}, {float(x + 7), float(108 - h)}, {float(x + 16), float(118 - h)}}, {140, 60, 45, 255});
    }
    c.FillRect(0, 150, 256, 42, {120, 100, 70, 255});
    c.Noise(7, 0.08f);
    c.Ring(190, 140, 30, 36, {200, 30, 30, 230});
    c.Line(164, 160, 216, 120, 6, {200, 30, 30, 230});
    c.Outline(0, 0, 256, 192, {240, 235, 220, 255}, 6);
    return c;
}

Canvas MaleFussabdruck(bool rechts) {
    Canvas c(64, 64, {0, 0, 0, 0});
    const float s = rechts ? 1.0f : -1.0f;
    const Rgba f{70, 50, 35, 220};
    c.Disc(32, 40, 11, f);
    c.Disc(32 + s * 2, 24, 10, f);
    for (int i = 0; i < 5; ++i) c.Disc(32 + s * (float(i) * 4.5f - 7), 10.0f + float(std::abs(i - 1)), 2.8f, f);
    return c;
}

class Modell {
public:
    explicit Modell(const Atlas& a) : atlas_(a) { mesh_.AddMaterial({1, 1, 1, 1, a.datei}); }

    // A quad, corners clockwise seen from its front, showing picture k (-1: the whole texture).
    void Quad(XVec3 a, XVec3 b, XVec3 c, XVec3 d, int k) {
        float u0 = float(k % 2) * 0.5f + 0.01f, v0 = float(k / 2) * 0.5f + 0.01f, u1 = u0 + 0.48f, v1 = v0 + 0.48f;
        if (k < 0) u0 = v0 = 0, u1 = v1 = 1;
        const XVec3 e1{b.x - a.x, b.y - a.y, b.z - a.z}, e2{c.x - a.x, c.y - a.y, c.z - a.z};
        XVec3 n{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
        const float l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        if (l > 0) n = {n.x / l, n.y / l, n.z / l};
        const uint32_t ia = mesh_.AddVertex(a, n, u0, v1), ib = mesh_.AddVertex(b, n, u0, v0),
                       ic = mesh_.AddVertex(c, n, u1, v0), id = mesh_.AddVertex(d, n, u1, v1);
        mesh_.AddTriangle(ia, ib, ic, 0);
        mesh_.AddTriangle(ia, ic, id, 0);
    }
    // Both sides, for thin things (leaves, flames, flat signs).
    void Blatt(XVec3 a, XVec3 b, XVec3 c, XVec3 d, int k) {
        Quad(a, b, c, d, k);
        Quad(d, c, b, a, k);
    }
    void Box(XVec3 lo, XVec3 hi, int k) { Box(lo, hi, k, k); }
    // A box whose -z face, the front of a model placed facing south, shows picture `vorn`.
    void Box(XVec3 lo, XVec3 hi, int k, int vorn) {
        const float x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
        Quad({x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, k);
        Quad({x0, y0, z1}, {x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, k);
        Quad({x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, vorn);
        Quad({x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {x0, y0, z1}, k);
        Quad({x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0}, k);
        Quad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, k);
    }
    // Two crossed upright quads, w wide and h tall: plants, flames.
    void Kreuz(float w, float h, int k, float y = 0) {
        Blatt({-w, y, 0}, {-w, y + h, 0}, {w, y + h, 0}, {w, y, 0}, k);
        Blatt({0, y, -w}, {0, y + h, -w}, {0, y + h, w}, {0, y, w}, k);
    }
    // A gable roof over x0..x1, z0..z1 from eave height y0 to the ridge y1 (ridge along x).
    void Dach(float x0, float x1, float z0, float z1, float y0, float y1, int dach, int giebel) {
        const float zm = (z0 + z1) / 2;
        Quad({x0, y0, z0}, {x0, y1, zm}, {x1, y1, zm}, {x1, y0, z0}, dach);
        Quad({x1, y0, z1}, {x1, y1, zm}, {x0, y1, zm}, {x0, y0, z1}, dach);
        for (float x : {x0, x1}) {
            const float s = x == x0 ? 1.0f : -1.0f;
            const XVec3 a{x, y0, z0}, b{x, y1, zm}, c{x, y0, z1};
            const XVec3 n{-s, 0, 0};
            const uint32_t ia = mesh_.AddVertex(a, n, 0.01f + float(giebel % 2) * 0.5f, 0.49f + float(giebel / 2) * 0.5f);
            const uint32_t ib = mesh_.AddVertex(b, n, 0.25f + float(giebel % 2) * 0.5f, 0.01f + float(giebel / 2) * 0.5f);
            const uint32_t ic = mesh_.AddVertex(c, n, 0.49f + float(giebel % 2) * 0.5f, 0.49f + float(giebel / 2) * 0.5f);
            if (s > 0) mesh_.AddTriangle(ia, ic, ib, 0);
            else mesh_.AddTriangle(ia, ib, ic, 0);
        }
    }
    void Ablegen(Generator& g, int slot) {
        char name[32];
        std::snprintf(name, sizeof name, "modell_%d.x", slot);
        g.Pack("Pack9.gzp").Add(name, mesh_.ToText());
        if (!g.Pack("Pack10.gzp").Has(atlas_.datei))
            g.Pack("Pack10.gzp").Add(atlas_.datei, MaleAtlas(atlas_.teile, int(atlas_.datei[5])).ToPng());
        g.catalogue.meshes[slot] = name;
    }

private:
    const Atlas& atlas_;
    XMesh mesh_;
};

void Laubkrone(Modell& m, float stamm, float hoehe, float breite, int rinde, int laub) {
    m.Box({-stamm, 0, -stamm}, {stamm, hoehe * 0.6f, stamm}, rinde);
    m.Box({-breite, hoehe * 0.45f, -breite}, {breite, hoehe * 0.85f, breite}, laub);
    m.Box({-breite * 0.65f, hoehe * 0.8f, -breite * 0.65f}, {breite * 0.65f, hoehe, breite * 0.65f}, laub);
}

void Busch(Modell& m, float breite, float hoehe, int laub) {
    m.Box({-breite, 0, -breite * 0.8f}, {breite * 0.7f, hoehe, breite * 0.8f}, laub);
    m.Box({-breite * 0.4f, 0, -breite}, {breite, hoehe * 0.75f, breite * 0.5f}, laub);
}

void Haus(Generator& g, int stil, int w, int d) {
    Modell m(kHaus[stil]);
    const float bx = float(w) * 5 - 0.5f, bz = float(d) * 5 - 0.5f, h = stil == 0 ? 22.0f : 18.0f;
    m.Box({-bx, 0, -bz}, {bx, h, bz}, 0);
    m.Quad({-2.5f, 0, -bz - 0.1f}, {-2.5f, 9, -bz - 0.1f}, {2.5f, 9, -bz - 0.1f}, {2.5f, 0, -bz - 0.1f}, 2);
    for (float x : {-bx * 0.55f, bx * 0.55f}) {
        m.Quad({x - 2.5f, 11, -bz - 0.1f}, {x - 2.5f, 16, -bz - 0.1f}, {x + 2.5f, 16, -bz - 0.1f}, {x + 2.5f, 11, -bz - 0.1f}, 3);
        m.Quad({x + 2.5f, 11, bz + 0.1f}, {x + 2.5f, 16, bz + 0.1f}, {x - 2.5f, 16, bz + 0.1f}, {x - 2.5f, 11, bz + 0.1f}, 3);
    }
    m.Dach(-bx - 1, bx + 1, -bz - 1.5f, bz + 1.5f, h, h + 9, 1, 0);
    const modell::Kamin k = modell::HausKamin(w, d);
    m.Box({k.x - 1.5f, h, k.z - 1.5f}, {k.x + 1.5f, k.y, k.z + 1.5f}, 0);
    m.Ablegen(g, modell::Haus(stil, w, d));
}

// The tutorial's recruiter, standing behind his table: a man of the figures' size (feet at 0, head
// at 18) facing -z, in their body texture with his portrait's brown, hat and moustache. Pictures:
// 0 face, 1 skin, 2 coat, 3 trousers over boots, which the hat shares.
void StehenderAnwerber(Generator& g) {
    const Atlas koerper = {"obj_anwerber.png", {}};
    Canvas bild = MaleKoerper({0xDCB48C, 0x50321E, 0x705040, 0x433026}, 262);
    bild.FillRect(22, 41, 20, 4, {80, 50, 30, 255});  // the moustache, between nose and mouth
    g.Pack("Pack10.gzp").Add(koerper.datei, bild.ToPng());
    Modell m(koerper);
    for (float s : {-1.0f, 1.0f}) {
        const float bein = 1.3f * s, arm = 3.2f * s;
        m.Box({bein - 0.95f, 0.6f, -0.95f}, {bein + 0.95f, 8.8f, 0.95f}, 3);    // leg
        m.Box({bein - 0.8f, 0, -2.1f}, {bein + 0.8f, 1.2f, 1.0f}, 3);           // boot, toes to the front
        m.Box({arm - 0.75f, 10.7f, -0.75f}, {arm + 0.75f, 14.4f, 0.75f}, 2);    // upper arm
        m.Box({arm - 0.65f, 7.6f, -0.65f}, {arm + 0.65f, 10.8f, 0.65f}, 2);     // forearm
        m.Box({arm - 0.55f, 6.3f, -0.55f}, {arm + 0.55f, 7.7f, 0.45f}, 1);      // hand
    }
    m.Box({-2.3f, 7.5f, -1.2f}, {2.3f, 9.3f, 1.2f}, 2);          // hips
    m.Box({-2.6f, 9.1f, -1.4f}, {2.6f, 14.5f, 1.3f}, 2);         // chest
    m.Box({-0.7f, 14.4f, -0.6f}, {0.7f, 15.3f, 0.6f}, 2);        // neck in the collar
    m.Box({-1.25f, 15.3f, -1.35f}, {1.25f, 18.1f, 1.2f}, 1, 0);  // head, the face to the front
    m.Box({-2.0f, 17.6f, -2.1f}, {2.0f, 17.9f, 1.9f}, 3);        // hat brim
    m.Box({-1.4f, 17.9f, -1.5f}, {1.4f, 19.3f, 1.35f}, 3);       // hat crown
    m.Ablegen(g, modell::Anwerber);
}

// A close-up set round the origin, seen from (38, 10, -21) towards (-4, -3, -8) once raised by 15.
void Kulisse(Generator& g, int slot, int art) {
    Modell m(kKulisse);
    const float boden = -15;
    m.Quad({-70, boden, -60}, {-70, boden, 60}, {70, boden, 60}, {70, boden, -60}, 0);
    m.Quad({-45, boden, 60}, {-45, 40, 60}, {-45, 40, -60}, {-45, boden, -60}, 1);
    m.Quad({-70, boden, 35}, {-70, 40, 35}, {70, 40, 35}, {70, boden, 35}, 1);
    switch (art) {
    case 1:  // store room: crates and shelves
        for (int i = 0; i < 4; ++i) m.Box({-40, boden, -25.0f + 14 * float(i)}, {-30, boden + 10, -15.0f + 14 * float(i)}, 3);
        m.Box({-20, boden, 22}, {15, boden + 30, 32}, 2);
        m.Box({-10, boden, -5}, {2, boden + 8, 7}, 3);
        break;
    case 2:  // trader's room: a counter and shelves
        m.Box({-30, boden, -20}, {-15, boden + 11, 20}, 2);
        m.Box({-43, boden, -30}, {-38, boden + 32, 30}, 2);
        m.Box({-20, boden, 25}, {20, boden + 28, 33}, 2);
        break;
    case 3:  // kitchen: table and barrels
        m.Box({-22, boden + 9, -12}, {-4, boden + 10, 8}, 0);
        for (float x : {-21.0f, -5.0f})
            for (float z : {-11.0f, 7.0f}) m.Box({x - 0.6f, boden, z - 0.6f}, {x + 0.6f, boden + 9, z + 0.6f}, 2);
        m.Box({-40, boden, 20}, {-32, boden + 10, 28}, 3);
        break;
    case 4:  // doctor's room: a cot and a cupboard
        m.Box({-35, boden, -15}, {-15, boden + 7, 0}, 3);
        m.Box({-40, boden, 15}, {-30, boden + 26, 30}, 2);
        break;
    default:  // the well: its stone rim seen from above
        m.Box({-20, boden, -8}, {4, boden + 10, -4}, 1);
        m.Box({-20, boden, 12}, {4, boden + 10, 16}, 1);
        m.Box({-20, boden, -4}, {-16, boden + 10, 12}, 1);
        m.Box({0, boden, -4}, {4, boden + 10, 12}, 1);
        m.Box({-16, boden + 20, 1}, {0, boden + 22, 7}, 2);
        break;
    }
    m.Ablegen(g, slot);
}

}  // namespace

void MakeObjects(Generator& g) {
    namespace n = modell;
    auto baue = [&](const Atlas& a, int slot, auto&& form) {
        Modell m(a);
        form(m);
        m.Ablegen(g, slot);
    };
    // Trees and bushes (picture 0 bark, 1 leaves, 2 needles, 3 birch bark).
    baue(kBaum, n::Laubbaum, [](Modell& m) { Laubkrone(m, 1.0f, 22, 6, 0, 1); });
    baue(kBaum, n::Birke, [](Modell& m) { Laubkrone(m, 0.7f, 20, 4.5f, 3, 1); });
    baue(kBaum, n::Pappel, [](Modell& m) { Laubkrone(m, 0.8f, 28, 3.2f, 0, 1); });
    baue(kBaum, n::Eiche, [](Modell& m) { Laubkrone(m, 1.5f, 20, 8.5f, 0, 1); });
    baue(kBaum, n::Kiefer, [](Modell& m) {
        m.Box({-0.8f, 0, -0.8f}, {0.8f, 8, 0.8f}, 0);
        for (int i = 0; i < 4; ++i) {
            const float b = 6.0f - 1.5f * float(i), y = 6.0f + 4.0f * float(i);
            m.Box({-b, y, -b}, {b, y + 4.5f, b}, 2);
        }
    });
    baue(kBaum, n::ToterBaum, [](Modell& m) {
        m.Box({-0.9f, 0, -0.9f}, {0.9f, 15, 0.9f}, 0);
        m.Box({0, 9, -0.4f}, {6, 10, 0.4f}, 0);
        m.Box({-5, 12, -0.4f}, {0, 13, 0.4f}, 0);
        m.Box({-0.4f, 7, 0}, {0.4f, 8, 5}, 0);
    });
    const struct {
        int slot;
        float breite, hoehe;
        int laub;
    } buesche[] = {{n::Busch, 4, 5, 1},    {n::Busch2, 3, 4, 1},  {n::Strauch, 3.5f, 6, 2}, {n::Strauch2, 2.5f, 3, 1},
                   {n::Busch3, 4.5f, 4, 2}, {n::Busch4, 3, 5, 1},  {n::Busch5, 5, 6, 1},    {n::Busch6, 2.5f, 4, 2},
                   {n::Busch7, 3.5f, 3, 1}, {n::Hecke, 5, 5, 2},   {n::Farn, 3, 2.5f, 1},   {n::DuerrerBusch, 3, 4, 0}};
    for (const auto& b : buesche) baue(kBaum, b.slot, [&](Modell& m) { Busch(m, b.breite, b.hoehe, b.laub); });
    // Grass, reeds and the two plants the game scatters round vegetation cells.
    baue(kPflanzen, n::Pflanze, [](Modell& m) { m.Kreuz(3, 4, 0); });
    baue(kPflanzen, n::Blume, [](Modell& m) { m.Kreuz(2.5f, 3.5f, 1); });
    baue(kPflanzen, n::Gras, [](Modell& m) { m.Kreuz(4, 5, 3); });
    baue(kPflanzen, n::Schilf, [](Modell& m) { m.Kreuz(3, 9, 2); });
    // Rocks, wood and wrecks (pictures: 0 rust, 1 concrete, 2 sacking, 3 rubber).
    baue(kHolzStein, n::Fels, [](Modell& m) { m.Box({-3, 0, -2.5f}, {3, 4, 2.5f}, 1); m.Box({-1, 3, -1.5f}, {2, 5.5f, 1.5f}, 1); });
    baue(kHolzStein, n::Findling, [](Modell& m) { m.Box({-4.5f, 0, -4}, {4.5f, 6, 4}, 1); });
    baue(kHolzStein, n::Steinhaufen, [](Modell& m) {
        for (int i = 0; i < 5; ++i) m.Box({-4.0f + 1.7f * float(i), 0, -2.0f + float(i % 2)}, {-2.5f + 1.7f * float(i), 1.8f, 0.0f + float(i % 2)}, 1);
    });
    baue(kHolzStein, n::FlacheSteine, [](Modell& m) { m.Box({-4, 0, -3}, {4, 0.8f, 3}, 1); });
    baue(kBaum, n::Baumstumpf, [](Modell& m) { m.Box({-1.6f, 0, -1.6f}, {1.6f, 2.2f, 1.6f}, 0); });
    baue(kBaum, n::Baumstamm, [](Modell& m) { m.Box({-5, 0, -1.2f}, {5, 2.4f, 1.2f}, 0); });
    baue(kWrack, n::Reifenstapel, [](Modell& m) {
        for (int i = 0; i < 3; ++i) m.Box({-2.5f, 1.2f * float(i), -2.5f}, {2.5f, 1.2f * float(i) + 1.1f, 2.5f}, 3);
    });
    baue(kWrack, n::Rostfass, [](Modell& m) { m.Box({-1.8f, 0, -1.8f}, {1.8f, 5, 1.8f}, 0); });
    baue(kWrack, n::Autowrack, [](Modell& m) {
        m.Box({-3.8f, 1, -7}, {3.8f, 4.5f, 7}, 0);
        m.Box({-3.3f, 4.5f, -3}, {3.3f, 7, 3}, 0);
        for (float x : {-3.9f, 3.1f})
            for (float z : {-5.0f, 3.5f}) m.Box({x, 0, z}, {x + 0.8f, 2.2f, z + 1.6f}, 3);
    });
    baue(kWrack, n::Lkwwrack, [](Modell& m) {
        m.Box({-4.5f, 2, -10}, {4.5f, 9, 4}, 0);
        m.Box({-4.2f, 2, 4}, {4.2f, 7.5f, 10}, 0);
        for (float z : {-7.0f, 6.0f}) m.Box({-4.8f, 0, z}, {4.8f, 2.8f, z + 2}, 3);
    });
    baue(kWrack, n::Betonblock, [](Modell& m) { m.Box({-3, 0, -3}, {3, 4, 3}, 1); });
    baue(kWrack, n::Mauerrest, [](Modell& m) { m.Box({-5, 0, -1}, {5, 6, 1}, 1); m.Box({-5, 6, -1}, {1, 9, 1}, 1); });
    baue(kWrack, n::Schutt, [](Modell& m) {
        m.Box({-3, 0, -2}, {1, 1.5f, 2}, 1);
        m.Box({0, 0, -3}, {3, 2.2f, 0}, 1);
        m.Box({-1, 1.5f, -1}, {1.5f, 2.8f, 1}, 1);
    });
    baue(kWrack, n::Panzersperre, [](Modell& m) {
        m.Box({-4, 0, -0.5f}, {4, 1, 0.5f}, 0);
        m.Box({-0.5f, 0, -4}, {0.5f, 1, 4}, 0);
        m.Box({-0.5f, 0, -0.5f}, {0.5f, 6, 0.5f}, 0);
    });
    baue(kWrack, n::Sandsaecke, [](Modell& m) {
        for (int r = 0; r < 3; ++r) m.Box({-5.0f + float(r), 1.4f * float(r), -1.8f}, {5.0f - float(r), 1.4f * float(r) + 1.4f, 1.8f}, 2);
    });
    // Town pieces (pictures: 0 planks, 1 stone, 2 metal, 3 stripes).
    baue(kHolzStein, n::Mauer, [](Modell& m) { m.Box({-5, 0, -1.2f}, {5, 16, 1.2f}, 1); m.Box({-5, 16, -1.6f}, {5, 17, 1.6f}, 1); });
    baue(kHolzStein, n::Zaun, [](Modell& m) {
        for (float x : {-4.5f, 4.0f}) m.Box({x, 0, -0.5f}, {x + 0.5f, 8, 0.5f}, 0);
        for (float y : {2.5f, 6.0f}) m.Box({-5, y, -0.25f}, {5, y + 1, 0.25f}, 0);
    });
    baue(kHolzStein, n::Palisade, [](Modell& m) {
        for (int i = 0; i < 4; ++i) m.Box({-5.0f + 2.5f * float(i), 0, -1}, {-3.0f + 2.5f * float(i), 12.0f + float(i % 2), 1}, 0);
    });
    baue(kHolzStein, n::Torpfosten, [](Modell& m) { m.Box({-2, 0, -2}, {2, 20, 2}, 1); m.Box({-2.6f, 20, -2.6f}, {2.6f, 22, 2.6f}, 1); });
    baue(kHolzStein, n::Kiste, [](Modell& m) { m.Box({-3, 0, -3}, {3, 5, 3}, 0); });
    baue(kHolzStein, n::Fass, [](Modell& m) {
        m.Box({-2.5f, 0, -2.5f}, {2.5f, 6, 2.5f}, 0);
        for (float y : {1.0f, 4.5f}) m.Box({-2.6f, y, -2.6f}, {2.6f, y + 0.5f, 2.6f}, 2);
    });
    baue(kHolzStein, n::Kistenstapel, [](Modell& m) {
        m.Box({-4.5f, 0, -3}, {0, 4.5f, 1.5f}, 0);
        m.Box({0.5f, 0, -2}, {4.5f, 4, 2}, 0);
        m.Box({-3, 4.5f, -2}, {1.5f, 8.5f, 1.5f}, 0);
    });
    baue(kStoff, n::Marktstand, [](Modell& m) {
        m.Box({-14, 0, -10}, {14, 6, -6}, 1);
        for (float x : {-14.0f, 13.0f})
            for (float z : {-10.0f, 8.0f}) m.Box({x, 0, z}, {x + 1, 12, z + 1}, 1);
        m.Box({-15, 12, -11}, {15, 13, 10}, 0);
    });
    baue(kHolzStein, n::Brunnen, [](Modell& m) {
        m.Box({-8, 0, -8}, {8, 5, -6}, 1);
        m.Box({-8, 0, 6}, {8, 5, 8}, 1);
        m.Box({-8, 0, -6}, {-6, 5, 6}, 1);
        m.Box({6, 0, -6}, {8, 5, 6}, 1);
        for (float x : {-7.5f, 6.5f}) m.Box({x, 5, -0.5f}, {x + 1, 14, 0.5f}, 0);
        m.Box({-8, 14, -0.6f}, {8, 15, 0.6f}, 0);
        m.Quad({-6, 2, -6}, {-6, 2, 6}, {6, 2, 6}, {6, 2, -6}, 2);
    });
    baue(kStoff, n::Laterne, [](Modell& m) {
        m.Box({-0.4f, 0, -0.4f}, {0.4f, 14, 0.4f}, 1);
        m.Kreuz(1.2f, 3, 2, 14);
    });
    baue(kHolzStein, n::Bank, [](Modell& m) {
        m.Box({-4, 2.5f, -1}, {4, 3, 1}, 0);
        for (float x : {-3.5f, 3.0f}) m.Box({x, 0, -0.8f}, {x + 0.5f, 2.5f, 0.8f}, 0);
    });
    baue(kHolzStein, n::Karren, [](Modell& m) {
        m.Box({-3, 2, -4.5f}, {3, 5, 4.5f}, 0);
        for (float x : {-3.6f, 3.0f}) m.Box({x, 0, -1.5f}, {x + 0.6f, 3.5f, 1.5f}, 2);
        m.Box({-0.3f, 2.5f, 4.5f}, {0.3f, 3, 9}, 0);
    });
    baue(kHolzStein, n::Wassertank, [](Modell& m) {
        m.Box({-8, 4, -8}, {8, 14, 8}, 2);
        for (float x : {-8.0f, 7.0f})
            for (float z : {-8.0f, 7.0f}) m.Box({x, 0, z}, {x + 1, 4, z + 1}, 0);
    });
    baue(kHolzStein, n::Sperre, [](Modell& m) {
        m.Box({-5, 5, -0.4f}, {5, 6.5f, 0.4f}, 3);
        for (float x : {-4.5f, 3.5f}) m.Box({x, 0, -0.5f}, {x + 1, 5, 0.5f}, 3);
    });
    baue(kHolzStein, n::Tisch, [](Modell& m) {
        m.Box({-4, 4.5f, -3}, {4, 5.2f, 3}, 0);
        for (float x : {-3.5f, 3.0f})
            for (float z : {-2.5f, 2.0f}) m.Box({x, 0, z}, {x + 0.5f, 4.5f, z + 0.5f}, 0);
    });
    baue(kStoff, n::Zelt, [](Modell& m) { m.Dach(-12, 12, -13, 13, 0, 12, 1, 1); });
    baue(kStoff, n::Planwagen, [](Modell& m) {
        m.Box({-8, 3, -18}, {8, 6, 18}, 1);
        m.Box({-7.5f, 6, -14}, {7.5f, 14, 14}, 0);
        for (float z : {-13.0f, 10.0f}) m.Box({-8.6f, 0, z}, {8.6f, 5, z + 3}, 1);
    });
    baue(kHaus[1], n::Huette, [](Modell& m) {
        m.Box({-24, 0, -24}, {24, 14, 24}, 0);
        m.Quad({-2.5f, 0, -24.1f}, {-2.5f, 9, -24.1f}, {2.5f, 9, -24.1f}, {2.5f, 0, -24.1f}, 2);
        m.Dach(-25, 25, -25.5f, 25.5f, 14, 22, 1, 0);
    });
    StehenderAnwerber(g);
    // Fires, the windmill, the radar and the inn's sign.
    baue(kStoff, n::FeuerTonne, [](Modell& m) {
        m.Box({-2.5f, 0, -2.5f}, {2.5f, 7, 2.5f}, 1);
        m.Kreuz(2, 4, 2, 6);
    });
    baue(kStoff, n::Lagerfeuer, [](Modell& m) {
        for (int i = 0; i < 6; ++i) {
            const float a = float(i) * 1.047f, x = 3.5f * std::cos(a), z = 3.5f * std::sin(a);
            m.Box({x - 0.8f, 0, z - 0.8f}, {x + 0.8f, 1.2f, z + 0.8f}, 1);
        }
        m.Kreuz(2.5f, 5, 2, 0);
    });
    baue(kHolzStein, n::WindradTurm, [](Modell& m) {
        m.Box({-6, 0, -6}, {6, 20, 6}, 0);
        m.Box({-4.5f, 20, -4.5f}, {4.5f, 45, 4.5f}, 0);
        m.Box({-3, 45, -3}, {3, 63, 3}, 0);
    });
    baue(kHolzStein, n::WindradRotor, [](Modell& m) {
        m.Box({-1.5f, -1.5f, -1.5f}, {1.5f, 1.5f, 1.5f}, 2);
        m.Box({-1.3f, 1.5f, -0.3f}, {1.3f, 22, 0.3f}, 0);
        m.Box({-1.3f, -22, -0.3f}, {1.3f, -1.5f, 0.3f}, 0);
        m.Box({1.5f, -1.3f, -0.3f}, {22, 1.3f, 0.3f}, 0);
        m.Box({-22, -1.3f, -0.3f}, {-1.5f, 1.3f, 0.3f}, 0);
    });
    baue(kHolzStein, n::RadarMast, [](Modell& m) { m.Box({-0.8f, 0, -0.8f}, {0.8f, 40, 0.8f}, 2); });
    baue(kHolzStein, n::Radar, [](Modell& m) {
        m.Box({-0.5f, 0, -0.5f}, {0.5f, 3, 0.5f}, 2);
        m.Box({-6, 3, -0.4f}, {6, 8, 0.4f}, 2);
    });
    baue(kHolzStein, n::Wirtshausschild, [](Modell& m) {
        m.Box({-0.2f, -1.2f, -0.2f}, {0.2f, 0, 0.2f}, 2);
        m.Box({-3, -5.5f, -0.3f}, {3, -1.2f, 0.3f}, 0);
    });
    for (int stil = 0; stil < n::HausStile; ++stil)
        for (int w : n::HausBreiten)
            for (int d : n::HausTiefen) Haus(g, stil, w, d);

    // Fixed slots: the close-up sets, the credits and camera-sequence pieces, the rain drop and the
    // blood stain.
    Kulisse(g, 9002, 1);
    Kulisse(g, 9004, 2);
    Kulisse(g, 9017, 3);
    Kulisse(g, 9018, 4);
    Kulisse(g, 9019, 5);

    // The credits scene: a stone pedestal, a crate tumbling over it and a ring turning above.
    baue(kHolzStein, 9010, [](Modell& m) {
        m.Box({-40, -4, -40}, {40, 0, 40}, 1);
        m.Box({-12, 0, -12}, {12, 3, 12}, 1);
    });
    baue(kHolzStein, 9011, [](Modell& m) { m.Box({-5, -5, -5}, {5, 5, 5}, 0); });
    baue(kHolzStein, 9012, [](Modell& m) {
        for (int i = 0; i < 8; ++i) {
            const float a = float(i) * 0.785f, x = 14 * std::cos(a), z = 14 * std::sin(a);
            m.Box({x - 2, -2, z - 2}, {x + 2, 2, z + 2}, 2);
        }
    });
    // The camera sequence: the picture facing the viewer and the two footprints.
    const Atlas bild = {"seq_bild.png", {}}, linkerFuss = {"seq_fuss_l.png", {}}, rechterFuss = {"seq_fuss_r.png", {}};
    g.Pack("Pack10.gzp").Add(bild.datei, MaleBild().ToPng());
    g.Pack("Pack10.gzp").Add(linkerFuss.datei, MaleFussabdruck(false).ToPng());
    g.Pack("Pack10.gzp").Add(rechterFuss.datei, MaleFussabdruck(true).ToPng());
    baue(bild, 9014, [](Modell& m) { m.Quad({-20, -15, 0}, {-20, 15, 0}, {20, 15, 0}, {20, -15, 0}, -1); });
    baue(linkerFuss, 9015, [](Modell& m) { m.Quad({-3, -4, 0}, {-3, 4, 0}, {3, 4, 0}, {3, -4, 0}, -1); });
    baue(rechterFuss, 9016, [](Modell& m) { m.Quad({-3, -4, 0}, {-3, 4, 0}, {3, 4, 0}, {3, -4, 0}, -1); });
    baue(kEffekte, 9013, [](Modell& m) { m.Quad({-4, 0.15f, -4}, {-4, 0.15f, 4}, {4, 0.15f, 4}, {4, 0.15f, -4}, 0); });
    {
        Modell tropfen(kEffekte);
        tropfen.Kreuz(0.15f, 5, 1);
        tropfen.Ablegen(g, 9009);
        // The level list names the rain drop as well, so its model section is never empty.
        g.catalogue.levelModels[9009] = {g.catalogue.meshes[9009], "NULL"};
    }
}

}  // namespace content
