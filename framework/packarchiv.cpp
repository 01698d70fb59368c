#include "framework/packarchiv.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>

#include "framework/dateinamen.h"
#include "platform/bytes.h"
#include "platform/os.h"

namespace {

constexpr uint32_t LOKALER_KOPF = 0x04034b50;
constexpr uint32_t DESKRIPTOR_KENNUNG = 0x08074b50;
constexpr uint32_t VERZEICHNIS_KOPF = 0x02014b50, VERZEICHNIS_ENDE = 0x06054b50;
constexpr size_t NAME_PUFFER = 256;  // names compare on their first 255 bytes


struct Datei {
    std::FILE* f;
    ~Datei() { std::fclose(f); }
};

// The unpacked file is scratch that its loader deletes again, so it is written straight, without
// the flush to disk that a replaced game file gets; a failed write leaves no file behind.
bool SchreibeEntpackt(const std::string& name, const uint8_t* daten, size_t groesse) {
    const std::string pfad = os::ResolvePath(name);
    std::FILE* f = std::fopen(pfad.c_str(), "wb");
    if (!f) return false;
    bool ok = groesse == 0 || std::fwrite(daten, 1, groesse, f) == groesse;
    ok = std::fclose(f) == 0 && ok;
    if (!ok) std::remove(pfad.c_str());
    return ok;
}

}  // namespace

namespace {

struct Mitglied {
    std::string name;  // as the walk compares it: up to the first zero byte, at most 255 bytes
    uint64_t datenPos;
    uint32_t groesse;
    uint16_t methode, flags;
};

// Walks the local headers from the start and hands each whole member to `weiter` until it returns
// false. Past the last member come the central directory and its end record: the walk stops there,
// and at a member cut short.
void WalkePack(std::FILE* f, uint64_t packGroesse, const std::function<bool(const Mitglied&)>& weiter) {
    uint64_t pos = 0;
    uint8_t kopf[30];
    while (std::fread(kopf, 1, sizeof kopf, f) == sizeof kopf) {
        if (bytes::Le32(kopf) != LOKALER_KOPF) return;
        const uint16_t flags = bytes::Le16(kopf + 6);
        const uint16_t methode = bytes::Le16(kopf + 8);
        const uint32_t datenGroesse = bytes::Le32(kopf + 18);
        const uint16_t nameLaenge = bytes::Le16(kopf + 26);
        const uint16_t extraLaenge = bytes::Le16(kopf + 28);

        char gespeichert[NAME_PUFFER] = {};
        const size_t gelesen = nameLaenge < NAME_PUFFER - 1 ? nameLaenge : NAME_PUFFER - 1;
        if (std::fread(gespeichert, 1, gelesen, f) != gelesen) return;
        pos += sizeof kopf + nameLaenge + extraLaenge;
        const uint64_t datenEnde = pos + datenGroesse;
        if (datenEnde > packGroesse) return;
        if (!weiter({gespeichert, pos, datenGroesse, methode, flags})) return;

        pos = datenEnde;
        if (flags & 8) {
            // The data descriptor: 12 bytes, or 16 when it starts with its optional signature.
            uint8_t kennung[4];
            if (std::fseek(f, static_cast<long>(pos), SEEK_SET) != 0) return;
            const bool mitKennung = std::fread(kennung, 1, 4, f) == 4 && bytes::Le32(kennung) == DESKRIPTOR_KENNUNG;
            pos += mitKennung ? 16 : 12;
        }
        if (std::fseek(f, static_cast<long>(pos), SEEK_SET) != 0) return;
    }
}

// A pack's members by their case-folded names, the first member of each name.
using Verzeichnis = std::unordered_map<std::string, Mitglied>;

Verzeichnis ListeMitglieder(std::FILE* f, uint64_t packGroesse) {
    Verzeichnis mitglieder;
    WalkePack(f, packGroesse, [&](const Mitglied& m) {
        mitglieder.try_emplace(os::FoldCase(m.name), m);
        return true;
    });
    return mitglieder;
}

// The member's bytes; false when it is compressed, encrypted or cannot be read.
bool LiesMitglied(std::FILE* f, const Mitglied& m, std::vector<uint8_t>& daten) {
    if (m.methode != 0 || (m.flags & 1) != 0) return false;
    if (std::fseek(f, static_cast<long>(m.datenPos), SEEK_SET) != 0) return false;
    std::vector<uint8_t> inhalt(m.groesse);
    if (!inhalt.empty() && std::fread(inhalt.data(), 1, inhalt.size(), f) != inhalt.size()) return false;
    daten.swap(inhalt);
    return true;
}

// The pack opened for reading, with its size; false when it cannot be.
bool OeffnePack(const char* pack, std::FILE*& f, uint64_t& packGroesse) {
    f = std::fopen(os::ResolvePath(pack).c_str(), "rb");
    if (!f) return false;
    long laenge = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) laenge = std::ftell(f);
    if (laenge < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return false;
    }
    packGroesse = static_cast<uint64_t>(laenge);
    return true;
}

// The member lists kept while a PackVerzeichnisse lives, per pack.
int gVerzeichnisTiefe = 0;
std::map<std::string, Verzeichnis> gVerzeichnisse;

}  // namespace

PackVerzeichnisse::PackVerzeichnisse() { ++gVerzeichnisTiefe; }

PackVerzeichnisse::~PackVerzeichnisse() {
    if (--gVerzeichnisTiefe == 0) gVerzeichnisse.clear();
}

bool LiesPackEintrag(const char* pack, const char* name, std::vector<uint8_t>& daten) {
    const std::string gesucht = name ? name : "";
    // The member is unpacked under its own name: one that could leave the working directory is refused.
    if (!pack || !IstSichererDateiname(gesucht)) return false;
    std::FILE* f = nullptr;
    uint64_t packGroesse = 0;
    if (!OeffnePack(pack, f, packGroesse)) return false;
    Datei datei{f};

    std::optional<Mitglied> treffer;
    if (gVerzeichnisTiefe > 0) {
        const auto eingetragen = gVerzeichnisse.try_emplace(os::ResolvePath(pack));
        Verzeichnis& mitglieder = eingetragen.first->second;
        if (eingetragen.second) mitglieder = ListeMitglieder(f, packGroesse);
        const auto it = mitglieder.find(os::FoldCase(gesucht));
        if (it != mitglieder.end()) treffer = it->second;
    } else {
        WalkePack(f, packGroesse, [&](const Mitglied& m) {
            if (os::EqualsNoCase(m.name, gesucht)) treffer = m;
            return !treffer;
        });
    }
    return treffer && LiesMitglied(f, *treffer, daten);
}

std::vector<std::optional<std::vector<uint8_t>>> LiesPackEintraege(const char* pack,
                                                                     const std::vector<std::string>& namen) {
    std::vector<std::optional<std::vector<uint8_t>>> eintraege(namen.size());
    std::FILE* f = nullptr;
    uint64_t packGroesse = 0;
    if (!pack || !OeffnePack(pack, f, packGroesse)) return eintraege;
    Datei datei{f};
    const Verzeichnis mitglieder = ListeMitglieder(f, packGroesse);
    for (size_t i = 0; i < namen.size(); ++i) {
        if (!IstSichererDateiname(namen[i])) continue;
        const auto it = mitglieder.find(os::FoldCase(namen[i]));
        std::vector<uint8_t> daten;
        if (it != mitglieder.end() && LiesMitglied(f, it->second, daten)) eintraege[i] = std::move(daten);
    }
    return eintraege;
}

std::unique_ptr<uint8_t[]> EntpackeDatei(const char* pack, const char* name, uint32_t* size) {
    std::vector<uint8_t> daten;
    if (!LiesPackEintrag(pack, name, daten) || !SchreibeEntpackt(name, daten.data(), daten.size())) return nullptr;
    std::unique_ptr<uint8_t[]> kopie(new uint8_t[daten.empty() ? 1 : daten.size()]);
    std::copy(daten.begin(), daten.end(), kopie.get());
    if (size) *size = static_cast<uint32_t>(daten.size());
    return kopie;
}

bool LadeAusPack(const char* pack, const std::string& datei, const std::function<void()>& lader) {
    std::vector<uint8_t> daten;
    if (!LiesPackEintrag(pack, datei.c_str(), daten)) return false;
    os::PutMemoryFile(datei, std::move(daten));
    lader();
    os::DropMemoryFile(datei);
    return true;
}

void MitEntpackterDatei(const char* pack, const std::string& datei, const std::function<void()>& lader) {
    if (!IstSichererDateiname(datei) || !LadeAusPack(pack, datei, lader)) lader();
}

bool IstLesbaresPack(const char* pack)
{
    std::FILE* f = std::fopen(os::ResolvePath(pack).c_str(), "rb");
    if (!f) return false;
    const Datei datei{f};
    uint8_t kennung[4];
    if (std::fread(kennung, 1, 4, f) != 4) return false;
    const uint32_t k = bytes::Le32(kennung);
    return k == LOKALER_KOPF || k == VERZEICHNIS_KOPF || k == VERZEICHNIS_ENDE;
}
