#include "world/gamefiles.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/os.h"
#include "world/records.h"
#include "world/rezepte.h"

namespace {

struct Block {
    void* daten;
    size_t groesse;
};

struct KonstBlock {  // a block that is only written
    const void* daten;
    size_t groesse;
};

template <size_t N>
constexpr size_t Summe(const Block (&bloecke)[N]) {
    size_t s = 0;
    for (const Block& b : bloecke) s += b.groesse;
    return s;
}

void Melde(std::string* fehler, const std::string& text) {
    if (fehler) *fehler = text;
}

template <size_t N>
bool Lese(const std::string& pfad, const Block (&bloecke)[N], std::string* fehler) {
    std::vector<uint8_t> bytes;
    if (!os::ReadFile(pfad, bytes)) {
        Melde(fehler, "Datei nicht lesbar: " + pfad);
        return false;
    }
    const size_t erwartet = Summe(bloecke);
    if (bytes.size() != erwartet) {
        Melde(fehler, "Datei beschaedigt: " + pfad + " hat " + std::to_string(bytes.size()) + " statt " +
                          std::to_string(erwartet) + " Bytes");
        return false;
    }
    size_t pos = 0;
    for (const Block& b : bloecke) {
        std::memcpy(b.daten, bytes.data() + pos, b.groesse);
        pos += b.groesse;
    }
    return true;
}

template <typename B, size_t N>
bool Schreibe(const std::string& pfad, const B (&bloecke)[N], std::string* fehler) {
    std::vector<uint8_t> bytes;
    for (const B& b : bloecke) {
        const auto* p = static_cast<const uint8_t*>(b.daten);
        bytes.insert(bytes.end(), p, p + b.groesse);
    }
    if (!os::WriteFileAtomic(pfad, bytes.data(), bytes.size())) {
        Melde(fehler, "Datei nicht schreibbar: " + pfad);
        return false;
    }
    return true;
}

constexpr Block GLOBAL_BLOECKE[] = {
    {&SpielGlobals, sizeof SpielGlobals},
    {WeltRaster, sizeof WeltRaster},
    {StadtTabelle, sizeof StadtTabelle},
    {LichtZustand, sizeof LichtZustand},
};
constexpr Block STADT_BLOECKE[] = {
    {StadtObjekte, sizeof StadtObjekte},
    {StadtGitter, sizeof StadtGitter},
    {BodenKarte, sizeof BodenKarte},
    {BodenGitter, sizeof BodenGitter},
};
static_assert(Summe(GLOBAL_BLOECKE) == GLOBALDATEI_GROESSE);
static_assert(sizeof(BehaelterBlock) + sizeof(FigurenBlock) == STADTZUSTANDDATEI_GROESSE);
static_assert(Summe(STADT_BLOECKE) == STADTDATEI_GROESSE);

template <size_t Laenge>
void Abschliessen(char (&text)[Laenge]) {
    text[Laenge - 1] = '\0';
}

}  // namespace

bool LeseGlobalDatei(const std::string& pfad, std::string* fehler) {
    const uint32_t fenster = FensterHandle, instanz = InstanzHandle;
    const uint8_t beenden = BeendenFlag;
    const int32_t aktiv = FensterAktiv;
    if (!Lese(pfad, GLOBAL_BLOECKE, fehler)) return false;
    // These belong to the running process, not to the one that saved.
    FensterHandle = fenster;
    InstanzHandle = instanz;
    BeendenFlag = beenden;
    FensterAktiv = aktiv;
    for (auto& name : MaennerNamen) Abschliessen(name);
    Abschliessen(SpielerName);
    for (auto& name : ItemNamen) Abschliessen(name);
    for (auto& text : ItemTexte) Abschliessen(text);
    // Only the crafting arrows move the scroll after this; the panel reads it as it stands.
    RezeptScroll = std::clamp(RezeptScroll, 0, REZEPT_SCROLL_MAX);
    return true;
}

bool SchreibeGlobalDatei(const std::string& pfad, std::string* fehler) {
    return Schreibe(pfad, GLOBAL_BLOECKE, fehler);
}

bool LeseStadtZustandDatei(const std::string& pfad, BehaelterBlock& behaelter, FigurenBlock& figuren,
                           std::string* fehler) {
    const Block bloecke[] = {{behaelter, sizeof behaelter}, {figuren, sizeof figuren}};
    return Lese(pfad, bloecke, fehler);
}

bool SchreibeStadtZustandDatei(const std::string& pfad, const BehaelterBlock& behaelter, const FigurenBlock& figuren,
                               std::string* fehler) {
    const KonstBlock bloecke[] = {{behaelter, sizeof behaelter}, {figuren, sizeof figuren}};
    return Schreibe(pfad, bloecke, fehler);
}

bool LeseStadtZustandDatei(const std::string& pfad, std::string* fehler) {
    return LeseStadtZustandDatei(pfad, Behaelter, Figuren, fehler);
}

bool SchreibeStadtZustandDatei(const std::string& pfad, std::string* fehler) {
    return SchreibeStadtZustandDatei(pfad, Behaelter, Figuren, fehler);
}

bool LeseStadtDatei(const std::string& pfad, std::string* fehler) { return Lese(pfad, STADT_BLOECKE, fehler); }

bool SchreibeStadtDatei(const std::string& pfad, std::string* fehler) {
    return Schreibe(pfad, STADT_BLOECKE, fehler);
}
