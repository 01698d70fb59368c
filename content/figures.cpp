// The figures: one simple humanoid, about 18 units tall and facing +z, posed per action state and
// frame and cut into the body parts the figure drawing textures one by one. Entry n of
// "Fig_Anims.txt" is mesh slot 2000 + n; every part of every frame is an entry, and entries whose
// pose comes out the same share one file.
#include <algorithm>
#include <cmath>
#include <map>

#include "content/art.h"
#include "content/canvas.h"
#include "content/figures.h"
#include "content/generator.h"
#include "content/xfile_writer.h"

namespace content {

namespace {

constexpr float kPi = 3.14159265f;

// A rigid transform: rotation matrix rows and a translation; points are p' = R p + t.
struct Trafo {
    float r[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    XVec3 t{0, 0, 0};

    XVec3 Punkt(XVec3 p) const {
        return {r[0][0] * p.x + r[0][1] * p.y + r[0][2] * p.z + t.x, r[1][0] * p.x + r[1][1] * p.y + r[1][2] * p.z + t.y,
                r[2][0] * p.x + r[2][1] * p.y + r[2][2] * p.z + t.z};
    }
    // This transform, then moved to p and turned by the rotation of `eltern` (a child bone).
    Trafo Kind(XVec3 gelenk, const Trafo& drehung) const {
        Trafo k;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                k.r[i][j] = 0;
                for (int m = 0; m < 3; ++m) k.r[i][j] += r[i][m] * drehung.r[m][j];
            }
        k.t = Punkt(gelenk);
        return k;
    }
};

// Tips +y towards +z by a.
Trafo Nicken(float a) {
    Trafo t;
    const float c = std::cos(a), s = std::sin(a);
    t.r[1][1] = c;
    t.r[1][2] = -s;
    t.r[2][1] = s;
    t.r[2][2] = c;
    return t;
}
// Turns +z towards +x by a.
Trafo Gieren(float a) {
    Trafo t;
    const float c = std::cos(a), s = std::sin(a);
    t.r[0][0] = c;
    t.r[0][2] = s;
    t.r[2][0] = -s;
    t.r[2][2] = c;
    return t;
}
// Swings -y towards +x by a.
Trafo Rollen(float a) {
    Trafo t;
    const float c = std::cos(a), s = std::sin(a);
    t.r[0][0] = c;
    t.r[0][1] = -s;
    t.r[1][0] = s;
    t.r[1][1] = c;
    return t;
}
Trafo Mal(const Trafo& a, const Trafo& b) { return a.Kind({0, 0, 0}, b); }

// Where a face takes its picture from in a body texture (see MaleKoerper): the face, bare skin,
// the shirt, the trousers and the boots (whose leather the gloves share). Worn items bind plain textures, which fit any of them.
struct Bereich {
    float u0, v0, u1, v1;
};
constexpr Bereich kGanz = {0, 0, 1, 1};
constexpr Bereich kGesicht = {0.02f, 0.02f, 0.48f, 0.48f};
constexpr Bereich kHaut = {0.52f, 0.02f, 0.98f, 0.48f};
constexpr Bereich kHemd = {0.02f, 0.52f, 0.48f, 0.98f};
constexpr Bereich kHose = {0.52f, 0.52f, 0.98f, 0.84f};
constexpr Bereich kStiefel = {0.52f, 0.88f, 0.98f, 0.98f};

void Flaeche(XMesh& m, XVec3 a, XVec3 b, XVec3 c, XVec3 d, Bereich r) {
    const XVec3 e1{b.x - a.x, b.y - a.y, b.z - a.z}, e2{c.x - a.x, c.y - a.y, c.z - a.z};
    XVec3 n{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
    const float l = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    if (l > 0) n = {n.x / l, n.y / l, n.z / l};
    const uint32_t ia = m.AddVertex(a, n, r.u0, r.v1), ib = m.AddVertex(b, n, r.u0, r.v0),
                   ic = m.AddVertex(c, n, r.u1, r.v0), id = m.AddVertex(d, n, r.u1, r.v1);
    m.AddTriangle(ia, ib, ic, 0);
    m.AddTriangle(ia, ic, id, 0);
}

// A box in bone space; its front (+z) face may show another picture than the rest.
void Quader(XMesh& m, const Trafo& t, XVec3 lo, XVec3 hi, Bereich r = kGanz, Bereich vorn = {-1, 0, 0, 0}) {
    if (vorn.u0 < 0) vorn = r;
    const float x0 = lo.x, y0 = lo.y, z0 = lo.z, x1 = hi.x, y1 = hi.y, z1 = hi.z;
    auto q = [&](XVec3 a, XVec3 b, XVec3 c, XVec3 d, Bereich b2) {
        Flaeche(m, t.Punkt(a), t.Punkt(b), t.Punkt(c), t.Punkt(d), b2);
    };
    q({x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}, {x1, y1, z0}, r);
    q({x0, y0, z1}, {x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, r);
    q({x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}, r);
    q({x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {x0, y0, z1}, vorn);  // seen from the front
    q({x0, y0, z1}, {x0, y1, z1}, {x0, y1, z0}, {x0, y0, z0}, r);
    q({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, r);
}

// Joint angles of one pose (radians). Side 0 is the left (-x), side 1 the right (+x).
struct Pose {
    float senken = 0;  // body lowered
    float fallen = 0;  // whole body tipped backwards (dying)
    float rumpf = 0;   // torso bent forward
    float drehen = 0;  // torso turned
    float kopf = 0;    // head bent forward
    float huefte[2] = {}, knie[2] = {};
    float schulter[2] = {}, seitlich[2] = {}, ellbogen[2] = {};
    float waffe = 1.2f;  // item in the right hand: 0 points along the forearm, pi/2 square to it
};

enum class Teil { Rumpf, Kopf, Beine, Haende, Fuesse, Helm, Brille, Maske, Messer, Pistole, Gewehr };

// One part of the posed figure.
XMesh Baue(const Pose& p, Teil teil) {
    XMesh m;
    m.AddMaterial({1, 1, 1, 1, ""});
    const Trafo wurzel = Mal([&] {
        Trafo t;
        t.t = {0, -p.senken, 0};
        return t;
    }(), Nicken(-p.fallen));
    const Trafo becken = wurzel.Kind({0, 8.5f, 0}, Gieren(p.drehen * 0.3f));
    const Trafo rumpf = becken.Kind({0, 0, 0}, Mal(Nicken(p.rumpf), Gieren(p.drehen)));
    const Trafo kopf = rumpf.Kind({0, 6.2f, 0}, Nicken(p.kopf));
    for (int s = 0; s < 2; ++s) {
        const float seite = s == 0 ? -1.0f : 1.0f;
        const Trafo oberschenkel = becken.Kind({1.3f * seite, 0, 0}, Nicken(-p.huefte[s]));
        const Trafo unterschenkel = oberschenkel.Kind({0, -4.3f, 0}, Nicken(p.knie[s]));
        const Trafo fuss = unterschenkel.Kind({0, -4.0f, 0}, Nicken(-p.knie[s] * 0.5f + p.huefte[s] * 0.3f));
        const Trafo oberarm = rumpf.Kind({3.1f * seite, 5.5f, 0}, Mal(Rollen(p.seitlich[s] * seite), Nicken(-p.schulter[s])));
        const Trafo unterarm = oberarm.Kind({0, -3.2f, 0}, Nicken(-p.ellbogen[s]));
        const Trafo hand = unterarm.Kind({0, -3.0f, 0}, Trafo{});
        switch (teil) {
        case Teil::Rumpf:
            // Long sleeves: the forearm is the shirt's, so it takes the torso's variant.
            Quader(m, oberarm, {-0.75f, -3.3f, -0.75f}, {0.75f, 0.4f, 0.75f}, kHemd);
            Quader(m, unterarm, {-0.65f, -3.1f, -0.65f}, {0.65f, 0.1f, 0.65f}, kHemd);
            break;
        case Teil::Beine:
            Quader(m, oberschenkel, {-0.95f, -4.4f, -0.95f}, {0.95f, 0.3f, 0.95f}, kHose);
            Quader(m, unterschenkel, {-0.8f, -4.0f, -0.8f}, {0.8f, 0.1f, 0.8f}, kHose);
            break;
        case Teil::Fuesse: Quader(m, fuss, {-0.8f, -0.3f, -1.0f}, {0.8f, 0.9f, 2.1f}, kStiefel); break;
        case Teil::Haende:
            // Leather gloves: the hands are drawn with a variant of their own (0 for nearly every
            // figure), so bare skin there would not match the face.
            Quader(m, hand, {-0.55f, -1.3f, -0.45f}, {0.55f, 0.1f, 0.55f}, kStiefel);
            break;
        default: break;
        }
        if (s == 1) {
            // The item in the right hand, turned from along the forearm towards the front by `waffe`.
            const Trafo griff = hand.Kind({0, -0.8f, 0.2f}, Nicken(kPi / 2 - p.waffe));
            switch (teil) {
            case Teil::Messer:
                Quader(m, griff, {-0.2f, -0.3f, -0.4f}, {0.2f, 0.3f, 0.5f});
                Quader(m, griff, {-0.05f, -0.25f, 0.5f}, {0.05f, 0.25f, 2.6f});
                break;
            case Teil::Pistole:
                Quader(m, griff, {-0.3f, -1.0f, -0.3f}, {0.3f, 0.3f, 0.4f});
                Quader(m, griff, {-0.3f, 0.3f, -0.5f}, {0.3f, 0.9f, 2.2f});
                break;
            case Teil::Gewehr:
                Quader(m, griff, {-0.3f, -1.0f, -0.2f}, {0.3f, 0.2f, 0.5f});    // grip
                Quader(m, griff, {-0.35f, 0.2f, -3.5f}, {0.35f, 1.1f, 3.0f});   // body and stock
                Quader(m, griff, {-0.2f, 0.5f, 3.0f}, {0.2f, 0.85f, 7.5f});     // barrel
                Quader(m, griff, {-0.25f, -1.6f, 1.2f}, {0.25f, 0.2f, 2.0f});   // magazine
                break;
            default: break;
            }
        }
    }
    switch (teil) {
    case Teil::Rumpf:
        Quader(m, becken, {-2.3f, -1.0f, -1.2f}, {2.3f, 0.8f, 1.2f}, kHemd);
        Quader(m, rumpf, {-2.6f, 0.6f, -1.3f}, {2.6f, 6.0f, 1.4f}, kHemd);
        Quader(m, rumpf, {-0.7f, 5.9f, -0.6f}, {0.7f, 6.6f, 0.6f}, kHemd);  // collar
        break;
    case Teil::Kopf: Quader(m, kopf, {-1.25f, 0.6f, -1.2f}, {1.25f, 3.4f, 1.35f}, kHaut, kGesicht); break;
    case Teil::Helm:
        Quader(m, kopf, {-1.55f, 2.7f, -1.5f}, {1.55f, 3.9f, 1.6f});
        Quader(m, kopf, {-1.7f, 2.5f, -1.7f}, {1.7f, 2.8f, 1.8f});
        break;
    case Teil::Brille: Quader(m, kopf, {-1.2f, 2.0f, 1.35f}, {1.2f, 2.5f, 1.55f}); break;
    case Teil::Maske:
        Quader(m, kopf, {-1.3f, 0.8f, 1.1f}, {1.3f, 2.7f, 1.6f});
        Quader(m, kopf, {-0.5f, 0.6f, 1.6f}, {0.5f, 1.4f, 2.5f});  // filter
        break;
    default: break;
    }
    return m;
}

// The poses, by action block and frame; t runs 0..1 over the block's frames.
enum class Block { Stehen, Gehen, Rennen, Aufheben, Schlagen, Pistole, Heilen, Reden, Sterben, Messer, Gewehr };

Pose Haltung(Block b, int bild, int bilder) {
    // Few distinct steps per cycle keep the number of files small.
    const int stufen = b == Block::Reden ? 8 : b == Block::Stehen ? 4 : bilder;
    const float t = float(bild * stufen / bilder) / float(stufen);
    const float w = std::sin(t * 2 * kPi);
    Pose p;
    p.seitlich[0] = p.seitlich[1] = 0.08f;
    p.ellbogen[0] = p.ellbogen[1] = 0.15f;
    switch (b) {
    case Block::Stehen:
        p.schulter[0] = p.schulter[1] = 0.03f * w;
        p.kopf = 0.04f * w;
        break;
    case Block::Gehen:
    case Block::Rennen: {
        const float a = b == Block::Gehen ? 0.45f : 0.75f;
        p.huefte[0] = a * w;
        p.huefte[1] = -a * w;
        p.knie[0] = a * std::max(0.0f, -w) + 0.1f;
        p.knie[1] = a * std::max(0.0f, w) + 0.1f;
        p.schulter[0] = -a * 0.8f * w;
        p.schulter[1] = a * 0.8f * w;
        p.ellbogen[0] = p.ellbogen[1] = b == Block::Rennen ? 1.3f : 0.3f;
        // A runner leans forward only so far that the portrait's camera, close in front of the
        // head, still sees the face.
        p.rumpf = b == Block::Rennen ? 0.12f : 0.05f;
        p.senken = b == Block::Rennen ? 0.4f * std::fabs(w) : 0;
        break;
    }
    case Block::Aufheben:
    case Block::Heilen: {
        const float bueck = b == Block::Heilen ? 1.0f : std::sin(t * kPi);
        p.rumpf = 0.9f * bueck;
        p.huefte[0] = p.huefte[1] = 0.6f * bueck;
        p.knie[0] = p.knie[1] = 1.2f * bueck;
        p.senken = 2.2f * bueck;
        p.schulter[0] = p.schulter[1] = 1.0f * bueck + (b == Block::Heilen ? 0.25f * w : 0);
        p.ellbogen[0] = p.ellbogen[1] = 0.3f;
        break;
    }
    case Block::Schlagen: {
        const float stoss = std::sin(t * kPi);
        const int s = bild < bilder / 2 ? 1 : 0;
        p.schulter[s] = 1.5f * stoss;
        p.ellbogen[s] = 1.6f * (1 - stoss);
        p.schulter[1 - s] = 0.9f;
        p.ellbogen[1 - s] = 1.8f;
        p.drehen = (s ? 0.35f : -0.35f) * stoss;
        p.huefte[0] = 0.25f;
        break;
    }
    case Block::Pistole:
        p.schulter[1] = kPi / 2 + (bild == 1 ? 0.25f : 0);
        p.ellbogen[1] = 0;
        p.schulter[0] = 0.2f;
        p.waffe = 0;
        p.huefte[0] = 0.2f;
        break;
    case Block::Gewehr:
        p.schulter[1] = 1.2f + (bild == 1 ? 0.1f : 0);
        p.ellbogen[1] = 0.4f;
        p.schulter[0] = 1.35f;
        p.ellbogen[0] = 0.9f;
        p.seitlich[0] = -0.35f;
        p.waffe = 0.1f;
        p.drehen = 0.15f;
        p.huefte[0] = 0.3f;
        p.knie[1] = 0.2f;
        break;
    case Block::Messer: {
        const float stich = std::sin(t * kPi);
        p.schulter[1] = 0.6f + 1.0f * stich;
        p.ellbogen[1] = 1.4f * (1 - stich);
        p.waffe = 0.3f;
        p.rumpf = 0.2f * stich;
        p.huefte[0] = 0.3f;
        break;
    }
    case Block::Reden:
        p.schulter[1] = 0.6f + 0.4f * w;
        p.ellbogen[1] = 1.2f + 0.3f * std::cos(t * 2 * kPi);
        p.schulter[0] = 0.2f - 0.2f * w;
        p.kopf = 0.1f * std::cos(t * 4 * kPi);
        break;
    case Block::Sterben: {
        const float f = std::min(1.0f, t * float(bilder) / float(bilder - 1));
        p.fallen = kPi / 2 * f * f;
        p.senken = 0.8f * f;
        p.knie[0] = p.knie[1] = 0.6f * std::sin(f * kPi);
        p.schulter[0] = p.schulter[1] = 1.2f * f;
        p.kopf = -0.4f * f;
        break;
    }
    }
    return p;
}

// The body textures of the appearance variants: they differ in skin, hair and clothes; variant 10
// (the hostiles of the encounter maps) is black clothing.
Canvas KoerperVariante(int variante) {
    const uint32_t haut[10] = {0xE0B090, 0xC89070, 0xF0C8A8, 0x8A5A3A, 0xD8A880, 0xB07850, 0xE8B898, 0x6A4028, 0xD0A078, 0xC08860};
    const uint32_t haar[10] = {0x3A2A1A, 0x1A1A1A, 0xC8A060, 0x101010, 0x6A4020, 0x808080, 0x8A3A1A, 0x202020, 0xB09070, 0x4A3020};
    const uint32_t hemd[11] = {0x7A6A50, 0x4A5A70, 0x6A4030, 0x505A40, 0x803030, 0x30506A, 0x707070, 0x8A7A40, 0x405A50, 0x5A3A5A, 0x202020};
    const uint32_t hose[11] = {0x4A4030, 0x303A50, 0x5A4A30, 0x3A4030, 0x2A2A3A, 0x504838, 0x3A3A3A, 0x4A5A6A, 0x2A3A2A, 0x504030, 0x181818};
    const int v = std::min(variante, 10), h = std::min(variante, 9);
    return MaleKoerper({haut[h], haar[h], hemd[v], hose[v]}, uint32_t(300 + variante));
}

}  // namespace

Canvas MaleKoerper(const KoerperFarben& f, uint32_t saat) {
    const Rgba rhaut = FromArgb(0xFF000000 | f.haut), rhaar = FromArgb(0xFF000000 | f.haar);
    Canvas c(128, 128, rhaut);
    // The face: hair on top, eyes, brows and a mouth.
    c.FillRect(0, 0, 64, 14, rhaar);
    c.FillRect(18, 26, 8, 5, {245, 245, 240, 255});
    c.FillRect(38, 26, 8, 5, {245, 245, 240, 255});
    c.FillRect(21, 27, 3, 3, {40, 50, 70, 255});
    c.FillRect(41, 27, 3, 3, {40, 50, 70, 255});
    c.FillRect(16, 21, 12, 2, rhaar);
    c.FillRect(36, 21, 12, 2, rhaar);
    c.FillRect(30, 31, 4, 9, Shade(rhaut, 0.85f));
    c.FillRect(24, 46, 16, 3, Shade(rhaut, 0.6f));
    // Skin elsewhere, with the hair's colour at the top of the head's other faces.
    c.FillRect(64, 0, 64, 10, rhaar);
    const Rgba rhemd = FromArgb(0xFF000000 | f.hemd), rhose = FromArgb(0xFF000000 | f.hose);
    c.FillRect(0, 64, 64, 64, rhemd);
    for (int x = 4; x < 64; x += 12) c.FillRect(x, 64, 1, 64, Shade(rhemd, 0.8f));  // seams
    c.FillRect(28, 66, 8, 4, Shade(rhemd, 0.6f));                                     // collar
    c.FillRect(64, 64, 64, 48, rhose);
    c.FillRect(64, 110, 64, 18, {60, 42, 28, 255});
    c.Noise(saat, 0.06f);
    return c;
}

void MakeFigures(Generator& g) {
    // The body textures of the appearance variants replace the level art of those indices.
    const int varianten[11] = {12, 103, 104, 214, 215, 216, 217, 218, 219, 220, 253};
    for (int v = 0; v < 11; ++v) g.Pack("Pack3.gzp").Add(ArtFileName(varianten[v]), KoerperVariante(v).ToPng());

    struct Abschnitt {
        Block block;
        int bilder;
        int teile;  // 8 (the punch keeps the arm it had) or 9 with the two arm variants, or 9 without
        bool varianten;
    };
    // In slot order from 2000: the blocks follow each other without gaps up to 3724.
    const Abschnitt abschnitte[] = {
        {Block::Stehen, 12, 9, true},  {Block::Gehen, 12, 9, true},   {Block::Rennen, 12, 9, true},
        {Block::Aufheben, 12, 9, true}, {Block::Schlagen, 10, 8, false}, {Block::Pistole, 12, 9, false},
        {Block::Heilen, 12, 9, true},  {Block::Reden, 53, 9, true},   {Block::Sterben, 12, 9, true},
        {Block::Messer, 12, 9, false}, {Block::Gewehr, 6, 9, false},
    };
    const Teil teile[9] = {Teil::Rumpf, Teil::Kopf,  Teil::Beine, Teil::Haende, Teil::Fuesse,
                           Teil::Helm,  Teil::Brille, Teil::Maske, Teil::Messer};

    std::map<std::string, std::string> dateien;  // mesh text -> file
    auto eintrag = [&](const XMesh& m) {
        const std::string text = m.ToText();
        auto [it, neu] = dateien.emplace(text, "");
        if (neu) {
            it->second = "figur_" + std::to_string(dateien.size() - 1) + ".x";
            g.Pack("Pack12.gzp").Add(it->second, text);
        }
        g.catalogue.figAnims.push_back(it->second);
    };
    g.catalogue.figAnims.clear();
    for (const Abschnitt& a : abschnitte) {
        const int reihen = a.teile + (a.varianten ? 2 : 0);
        for (int teil = 0; teil < reihen; ++teil)
            for (int bild = 0; bild < a.bilder; ++bild) {
                const Pose p = Haltung(a.block, bild, a.bilder);
                Teil t = teil < 9 ? teile[teil] : teil == 9 ? Teil::Pistole : Teil::Gewehr;
                // The firing blocks hold their own weapon as the item in hand.
                if (teil == 8 && a.block == Block::Pistole) t = Teil::Pistole;
                if (teil == 8 && a.block == Block::Gewehr) t = Teil::Gewehr;
                eintrag(Baue(p, t));
            }
    }
    // The Galil and MP5 run the rifle block for 12 frames: their weapon's frames 6-11 fall on the
    // six slots after the block, which hold the rifle too.
    for (int bild = 0; bild < 6; ++bild) eintrag(Baue(Haltung(Block::Gewehr, bild, 6), Teil::Gewehr));
}

}  // namespace content
