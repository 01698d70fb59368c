// The pick cell under the mouse, the dynamic lights of the frame and the choice of lights for
// each lit thing.
#include "framework/camera.h"
#include "framework/geometry.h"
#include "framework/myapp.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "platform/random.h"
#include "townview/szene_hilfen.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

constexpr int16_t kTaschenlampe = 1021, kLaterne = 1062;

bool TraegtLicht(const FigurRecord& f)
{
    for (int r = 0; r < 2; ++r)
        for (const ItemSlot& s : f.Inventar[r])
            if (s.ItemId == kTaschenlampe || s.ItemId == kLaterne) return true;
    return false;
}

bool FeuertGerade(const FigurRecord& f)
{
    const int z = f.Zustand;
    return (z == 7 || (z >= 10 && z <= 14)) && f.AnimBild == 1;
}

struct LichtQuelle {
    float r, g, b;
    bool flackert;  // fires and carried lights jitter their position
};

// The light a figure gives, false when it gives none.
bool LichtVon(const FigurRecord& f, LichtQuelle& q)
{
    switch (f.Typ) {
    case 10000:
    case 10002: q = {1.0f, 0.5f, 0.0f, true}; return true;
    case 10003: q = {1.0f, 0.5f, 0.0f, false}; return true;
    case 10004: q = {1.0f, 0.0f, 0.0f, false}; return true;
    case 10005: q = {0.0f, 1.0f, 0.0f, false}; return true;
    case 10006: q = {0.0f, 0.0f, 1.0f, false}; return true;
    default: break;
    }
    if (IstPerson(f.Typ) && (TraegtLicht(f) || FeuertGerade(f))) {
        q = {1.0f, 0.5f, 0.0f, true};
        return true;
    }
    return false;
}

void SetzeLicht(int k, const LichtRecord& l, float zusatz)
{
    MyApp.SetPointLight(k, l.Farbe[0] + zusatz, l.Farbe[1] + zusatz, l.Farbe[2] + zusatz, l.Position[0], l.Position[1],
                        l.Position[2], l.Reichweite, l.Daempfung[0], l.Daempfung[1], l.Daempfung[2]);
}

}  // namespace

void Szene::AktualisiereMausFeld()
{
    // The mouse ray is the same for every cell of the frame.
    math3d::Vec3 ursprung, richtung;
    BerechneMausStrahl(static_cast<float>(MyApp.MausX), static_cast<float>(MyApp.MausY), ursprung, richtung);
    for (int i = 0; i < GITTER_GROESSE; ++i)
        for (int j = 0; j < GITTER_GROESSE; ++j)
            if (SichtPyramide.FrustumKugelSichtbar(10.0f * i, 0, 10.0f * j, 0) &&
                StrahlTrifftFeld(ursprung, richtung, static_cast<float>(i), static_cast<float>(j))) {
                MyApp.PickX = i;
                MyApp.PickY = j;
                return;
            }
}

void Szene::SetzeFigurLichter()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    for (int k = 1; k < LICHTER_ANZAHL; ++k) {
        LichtZustand[k].Aktiv = 0;
        g.LightEnable(k, false);
    }
    // Records 1..99 are all the room there is: lights beyond them are ignored.
    int frei = 1;
    for (const FigurRecord& f : Figuren) {
        if (f.Aktiv != 1 || frei >= LICHTER_ANZAHL) continue;
        LichtQuelle q;
        if (!LichtVon(f, q)) continue;
        float x = f.Position[0], z = f.Position[2];
        if (q.flackert) {
            x += static_cast<float>(Zufall() % 5);
            z += static_cast<float>(Zufall() % 5);
        }
        LichtRecord& l = LichtZustand[frei];
        l.Aktiv = 1;
        l.Index = frei;
        l.Farbe[0] = q.r;
        l.Farbe[1] = q.g;
        l.Farbe[2] = q.b;
        l.Position[0] = x;
        l.Position[1] = 5.0f;
        l.Position[2] = z;
        l.Reichweite = 100.0f;
        l.Daempfung[0] = 0.0f;
        l.Daempfung[1] = 0.01f;
        l.Daempfung[2] = 0.0f;
        l.Art = 10000;
        ++frei;
    }

    // The sun is device light 0 whatever index a save gave its record; it is 0.2 darker in rain.
    float zusatz = 0.2f;
    if (RegenAktiv == 1) {
        if (Zufall() % 1000 == 1) SpieleSound(12);
        if (Zufall() % 1000 == 1) SpieleSound(20);
        zusatz = 0.0f;
    }
    SetzeLicht(0, LichtZustand[0], zusatz);
    g.LightEnable(0, true);
    LichtZustand[0].Aktiv = 1;
}

LichterAuswahl LichterBei(float x, float z)
{
    LichterAuswahl an;
    for (int k = 1; k < LICHTER_ANZAHL; ++k) {
        const LichtRecord& l = LichtZustand[k];
        an[size_t(k)] = l.Aktiv == 1 && MyApp.Distance(l.Position[0], 0, l.Position[2], x, 0, z) < 100.0f;
    }
    return an;
}

void SchalteLichter(const LichterAuswahl& an)
{
    for (int k = 1; k < LICHTER_ANZAHL; ++k) {
        const LichtRecord& l = LichtZustand[k];
        if (l.Aktiv != 1) continue;
        if (an[size_t(k)])
            SetzeLicht(k, l, 0.0f);
        else
            MyApp.m_pd3dDevice->LightEnable(k, false);
    }
}

void WaehleLichter(float x, float z) { SchalteLichter(LichterBei(x, z)); }
