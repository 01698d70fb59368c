// The town editor's overlay: previews of the current kind and the two after it, the tool bar, what
// the mouse buttons do, status lines and the name of what the kind stands for.
#include <cstdio>
#include <string>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/items.h"
#include "frontend/editor.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/tokendatei.h"
#include "framework/zeichnen.h"
#include "interaction/editor_dienste.h"
#include "townview/vorschau.h"
#include "world/ids.h"
#include "world/records.h"

namespace {

// What the two mouse buttons do with each tool (single-byte Windows-1252 texts).
struct Knopftexte {
    const char* links;
    const char* rechts;
};
constexpr Knopftexte kKnopftexte[9] = {
    {"LM: Normales Bodentile setzen", "RM: Alpha Bodentile setzen"},
    {"LM: Stadtobjekt setzen", "RM: Stadtobjekt l\xF6schen"},
    {"LM: Item setzen", "RM: Items / Partikel l\xF6schen"},
    {"LM: Sound setzen (+1 Sound)", "RM: Sound setzen (-1 Sound)"},
    {"LM: Kollisionsox setzen", "RM: Kollisionsbox l\xF6schen"},
    {"LM: Eingang setzen (+1 Art)", "RM: Eingang l\xF6schen"},
    {"LM: Partikel setzen", "RM: Partikel / Items l\xF6schen"},
    {"LM: Vegetation setzen", "RM: Vegetation l\xF6schen"},
    {nullptr, nullptr},
};

constexpr const char* kPartikelNamen[7] = {
    "Partikel: Lagerfeuer",     "Partikel: Fassfeuer",     "Partikel: Gelbes Licht", "Partikel: Rotes Licht",
    "Partikel: Gruenes Licht", "Partikel: Blaues Licht", "Partikel: Rauch"};

// Tool-bar icons: x and level texture.
struct Symbol {
    int x, textur;
};
constexpr Symbol kSymbole[] = {{0, 22},   {32, 26},  {64, 24},  {96, 23},  {128, 29}, {160, 30},
                               {192, 167}, {224, 168}, {256, 171}, {992, 25}, {960, 28}, {896, 27}};

}  // namespace

std::string EditorModellName(int32_t objekt)
{
    // Token 3k + 2 of the level list, k the slot's step from 5000: the k-th entry's file name.
    TokenDatei datei;
    std::string wort;
    if (!datei.Oeffnen("Load/Level001.txt")) return wort;
    const int32_t schritte = objekt - 5000;
    datei.Wort(wort);
    for (int32_t k = 0; k < schritte; ++k)
        for (int t = 0; t < 3; ++t)
            if (!datei.Wort(wort)) return std::string();
    return datei.Wort(wort) ? wort : std::string();
}

std::string EditorItemName(int32_t id)
{
    if (!IstItemId(id)) return std::string();
    if (id == 1190) return "O_Strummaske";
    std::string name = ItemIds[id - 1000];
    if (id == 1093) name += " (Band 1)";
    if (id == 1104) name += " (Band 2)";
    if (id == 1105) name += " (Band 3)";
    return name;
}

void ZeichneEditorHud()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    for (int n = 0; n < 3; ++n) {
        const int32_t slot = EditorObjekt + n;
        if (slot < 0 || slot >= MyApp::kMeshSlots) continue;  // no mesh slot: no preview
        RendereModellVorschau(slot);
        Szene.Setze2DModus();
        const float x = float(960 - 64 * n);
        g.SetTexture(MyApp.VorschauTextur);
        MyApp.Draw2D(x, 0, 64, 64);
        g.SetTexture(MyApp.BodenTexturen[20]);
        MyApp.Draw2D(x, 0, 64, 64);
    }
    Szene.Setze2DModus();
    for (const Symbol& s : kSymbole) ZeichneBild(s.textur, float(s.x), 736, 32, 32);

    const int w = EditorWerkzeug >= 0 && EditorWerkzeug <= 8 ? EditorWerkzeug : 8;
    if (kKnopftexte[w].links) {
        ZeichneSchrift(kKnopftexte[w].links, 5, 5, 2);
        ZeichneSchrift(kKnopftexte[w].rechts, 5, 20, 2);
    }
    char zeile[64];
    const bool zelle = MyApp.PickX >= 0 && MyApp.PickX < GITTER_GROESSE && MyApp.PickY >= 0 && MyApp.PickY < GITTER_GROESSE;
    if (w == 3 && zelle) {
        std::snprintf(zeile, sizeof zeile, "Sound: %i", StadtGitter[MyApp.PickX][MyApp.PickY].Sound);
        ZeichneSchrift(zeile, 5, 35, 2);
    }
    if (w == 6 && EditorObjekt >= 0 && EditorObjekt < 7) ZeichneSchrift(kPartikelNamen[EditorObjekt], 5, 35, 2);

    std::snprintf(zeile, sizeof zeile, "FPS: %f", double(MyApp.FPS));
    ZeichneSchrift(zeile, 2, 660, 2);
    std::snprintf(zeile, sizeof zeile, "Objektcounter: %i", MyApp.Objektcounter);
    ZeichneSchrift(zeile, 2, 675, 2);
    std::snprintf(zeile, sizeof zeile, "Pick-X, Y: %i, %i", MyApp.PickX, MyApp.PickY);
    ZeichneSchrift(zeile, 2, 690, 2);
    std::snprintf(zeile, sizeof zeile, "Editor-Objekt: %i", EditorObjekt);
    ZeichneSchrift(zeile, 2, 705, 2);

    if (w == 1) ZeichneSchrift(EditorModellName(EditorObjekt).c_str(), 2, 720, 0);
    if (w == 2) {
        const std::string name = EditorItemName(EditorObjekt);
        if (!name.empty()) ZeichneSchrift(name.c_str(), 2, 720, 0);
    }
    Szene.Setze3DKamera();
}
