// The resource list loaders. Each entry names a member of a pack: it is unpacked, handed to its
// MyApp loader and forgotten again.
#include "framework/lists.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/dateinamen.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/setup.h"
#include "framework/tokendatei.h"
#include "platform/texture_file.h"
#include "platform/xfile.h"
#include "platform/os.h"

const char* const ListenDateien[kListenDateiAnzahl] = {
    "Boden.txt",      kFigAnimsListe,   "Items.txt",      "Level001.txt",  "s_Mesh.txt",
    "Schrift000.txt", "Schrift001.txt", "Schrift002.txt", "Schrift003.txt"};

namespace {

bool IstMarker(const std::string& wort) { return wort.size() >= 2 && wort.front() == '[' && wort.back() == ']'; }

// Reads the entries of one section. eintrag gets the entry's first word and reads the further
// fields itself; false from it ends the reading (a field could not be read). Markers are never
// entries: the own marker opens the section, a stop marker closes it, any other is passed over.
void LeseAbschnitt(const char* datei, const char* marker, std::initializer_list<const char*> stops,
                   const std::function<bool(TokenDatei&, const std::string&)>& eintrag)
{
    TokenDatei t;
    if (!t.Oeffnen(datei)) return;
    bool imAbschnitt = false;
    std::string wort;
    while (t.Wort(wort)) {
        bool stop = false;
        for (const char* s : stops) stop = stop || wort == s;
        if (stop) {
            imAbschnitt = false;
            continue;
        }
        if (wort == marker) {
            imAbschnitt = true;
            continue;
        }
        if (!imAbschnitt || IstMarker(wort)) continue;
        if (!eintrag(t, wort)) return;
    }
}

}  // namespace

const char* SchriftPack(int32_t font)
{
    static const char* const kLatein[] = {"Data/Pack5.gzp", "Data/Pack6.gzp", "Data/Pack7.gzp", "Data/Pack8.gzp"};
    static const char* const kKyrillisch[] = {"Data/Pack5r.gzp", "Data/Pack6r.gzp", "Data/Pack7r.gzp",
                                              "Data/Pack8r.gzp"};
    if (Sprache == 0 || Sprache == 1) return kLatein[font];
    if (Sprache == 2) return kKyrillisch[font];
    return nullptr;
}

void LadeMeshes(const char* file)
{
    LeseAbschnitt(file, "[Load_Models]", {}, [](TokenDatei& t, const std::string& mesh) {
        int32_t slot = 0;
        if (!t.Ganzzahl(slot)) return false;
        if (slot < 0 || slot >= MyApp::kMeshSlots) return true;
        MitEntpackterDatei("Data/Pack9.gzp", mesh, [&] { MyApp.LoadModel(mesh.c_str(), slot); });
        return true;
    });
}

void LadeLevelModelle(const char* file)
{
    LeseAbschnitt(file, "[Load_Models]",
                  {"[Load_Texturen]", "[Load_Schrift_0]", "[Load_Schrift_1]", "[Load_Schrift_2]", "[Load_Energie]"},
                  [](TokenDatei& t, const std::string& mesh) {
                      int32_t slot = 0;
                      std::string textur;
                      if (!t.Ganzzahl(slot)) return false;
                      const bool gueltig = slot >= 0 && slot < MyApp::kMeshSlots;
                      if (gueltig) MitEntpackterDatei("Data/Pack9.gzp", mesh, [&] { MyApp.LoadModel(mesh.c_str(), slot); });
                      if (!t.Wort(textur)) return false;
                      if (gueltig && textur != "NULL")
                          MitEntpackterDatei("Data/Pack11.gzp", textur,
                                             [&] { MyApp.LoadItemTexture(slot, textur.c_str()); });
                      return true;
                  });
}

LevelTexturen LeseLevelTexturen(const char* file)
{
    LevelTexturen t;
    LeseAbschnitt(file, "[Load_Texturen]",
                  {"[Load_Models]", "[Load_Schrift_0]", "[Load_Schrift_1]", "[Load_Schrift_2]", "[Load_Energie]"},
                  [&t](TokenDatei& datei, const std::string& textur) {
                      int32_t index = 0;
                      if (!datei.Ganzzahl(index)) return false;
                      if (index < 0 || index >= MyApp::kTexturen) return true;
                      t.indizes.push_back(index);
                      t.namen.push_back(textur);
                      return true;
                  });
    t.bilder = std::make_unique<Vorlader<image::Image>>(LevelTexturen::kPack, t.namen, image::Decode, t.namen.size());
    return t;
}

void LadeLevelTexturen(LevelTexturen& t)
{
    for (size_t i = 0; i < t.namen.size(); ++i) {
        const std::string& textur = t.namen[i];
        const int32_t index = t.indizes[i];
        if (const image::Image* bild = t.bilder->Nimm(i)) MyApp.LoadTexture(index, textur.c_str(), *bild);
        else MitEntpackterDatei(LevelTexturen::kPack, textur, [&] { MyApp.LoadTexture(index, textur.c_str()); });
    }
}

void LadeLevelTexturen(const char* file)
{
    LevelTexturen t = LeseLevelTexturen(file);
    LadeLevelTexturen(t);
}

void LadeEnergieTexturen(const char* file)
{
    int n = 0;
    LeseAbschnitt(file, "[Load_Energie]",
                  {"[Load_Models]", "[Load_Schrift_0]", "[Load_Schrift_1]", "[Load_Schrift_2]", "[Load_Texturen]"},
                  [&n](TokenDatei&, const std::string& textur) {
                      if (n >= MyApp::kEnergieTexturen) return true;
                      const int platz = n++;
                      MitEntpackterDatei("Data/Pack4.gzp", textur, [&] {
                          gfx::Texture& ziel = MyApp.EnergieTexturen[platz];
                          if (ziel) MyApp.m_pd3dDevice->ReleaseTexture(ziel);
                          ziel = 0;
                          std::string fehler;
                          if (IstSichererDateiname(textur)) ziel = gfx::LoadTextureFile(*MyApp.m_pd3dDevice, textur, fehler);
                          if (!ziel) os::MessageBox("Texture nicht gefunden (Energie)", textur);
                          else MyApp.m_pd3dDevice->Name(ziel, "EnergieTexturen[" + std::to_string(platz) + "] " + textur);
                      });
                      return true;
                  });
}

void LadeSchrift(const char* file, int32_t font)
{
    if (font < 0 || font > 3) return;
    TokenDatei t;
    if (!t.Oeffnen(file)) return;
    std::string glyphe;
    for (int n = 0; t.Wort(glyphe); ++n) {
        if (n >= 100) return;
        MitEntpackterDatei(SchriftPack(font), glyphe, [&] { MyApp.LoadSchriftTexture(n, glyphe.c_str(), font); });
    }
}

void LadeBodenTiles(const char* file)
{
    int n = 0;
    LeseAbschnitt(file, "[Load_Boden_Tiles]", {}, [&n](TokenDatei&, const std::string& textur) {
        if (n >= MyApp::kBodenTexturen) return true;
        const int platz = n++;
        MitEntpackterDatei("Data/Pack2.gzp", textur, [&] { MyApp.LoadBodenTexture(platz, textur.c_str()); });
        return true;
    });
}

namespace {

constexpr const char* kFigAnimsPack = "Data/Pack12.gzp";

std::vector<std::string> FigAnimsListe(const char* file)
{
    std::vector<std::string> meshes;
    LeseAbschnitt(file, "[Load_Fig_Anim]", {}, [&meshes](TokenDatei&, const std::string& mesh) {
        if (2000 + static_cast<int>(meshes.size()) < MyApp::kMeshSlots) meshes.push_back(mesh);
        return true;
    });
    return meshes;
}

struct FigAnimsVorab {
    std::vector<std::string> meshes;
    std::unique_ptr<Vorlader<gfx::MeshData>> vorlader;
} figAnimsVoraus;

}  // namespace

void LadeFigAnimsVoraus(const char* file)
{
    VergissFigAnimsVoraus();  // a load still under way ends first
    figAnimsVoraus.meshes = FigAnimsListe(file);
    figAnimsVoraus.vorlader = std::make_unique<Vorlader<gfx::MeshData>>(
        kFigAnimsPack, figAnimsVoraus.meshes, gfx::DecodeXFile, figAnimsVoraus.meshes.size());
}

void VergissFigAnimsVoraus() { figAnimsVoraus = FigAnimsVorab{}; }

void LadeFigAnims(const char* file)
{
    // The list first, so the meshes can be decoded ahead while they are made in its order; what was
    // read ahead is taken when it is of the same list.
    const std::vector<std::string> meshes = FigAnimsListe(file);
    FigAnimsVorab vorab = std::exchange(figAnimsVoraus, FigAnimsVorab{});
    std::unique_ptr<Vorlader<gfx::MeshData>> vorlader = std::move(vorab.vorlader);
    if (!vorlader || vorab.meshes != meshes)
        vorlader = std::make_unique<Vorlader<gfx::MeshData>>(kFigAnimsPack, meshes, gfx::DecodeXFile);
    for (size_t i = 0; i < meshes.size(); ++i) {
        const int slot = 2000 + static_cast<int>(i);
        const std::string& mesh = meshes[i];
        if (const gfx::MeshData* daten = vorlader->Nimm(i)) MyApp.LoadMeshOnly(mesh.c_str(), slot, daten);
        else MitEntpackterDatei(kFigAnimsPack, mesh, [&] { MyApp.LoadMeshOnly(mesh.c_str(), slot); });
    }
}
