#include "world/datei_gruppe.h"

#include <cstdio>
#include <filesystem>

#include "platform/os.h"

std::string DateiGruppe::Marke(const std::string& ordner) { return ordner + "uebernahme" + kNeu; }

DateiGruppe::DateiGruppe(std::string ordner) : marke_(Marke(ordner)) {}

DateiGruppe::~DateiGruppe()
{
    for (const std::string& p : geschrieben_) os::DeleteFile(p + kNeu);
}

// Each old file is kept aside until every new one is in place, so a rename that fails halfway puts
// the old files back instead of leaving a mix of two sets.
bool DateiGruppe::Uebernehmen(std::string& fehler)
{
    struct Ersetzt {
        std::string ziel;
        bool hatteAlte;
    };
    std::vector<Ersetzt> ersetzt;
    bool ok = os::WriteFileAtomic(marke_, "", 0);
    if (!ok) fehler = "Datei nicht schreibbar: " + marke_;
    for (const std::string& p : geschrieben_) {
        if (!ok) break;
        const std::string ziel = os::ResolvePath(p);
        const std::string alt = ziel + kAlt;
        const bool hatteAlte = os::FileExists(ziel);
        if (hatteAlte && std::rename(ziel.c_str(), alt.c_str()) != 0) {
            ok = false;
        } else if (std::rename(os::ResolvePath(p + kNeu).c_str(), ziel.c_str()) != 0) {
            if (hatteAlte) std::rename(alt.c_str(), ziel.c_str());
            ok = false;
        }
        if (!ok) {
            fehler = "Datei nicht schreibbar: " + p;
            break;
        }
        ersetzt.push_back({ziel, hatteAlte});
    }
    // Back out: the marker goes first, so an interrupted backing out is finished backwards.
    if (!ok) os::DeleteFile(marke_);
    for (auto e = ersetzt.rbegin(); e != ersetzt.rend(); ++e) {
        const std::string alt = e->ziel + kAlt;
        if (ok) {
            if (e->hatteAlte) std::remove(alt.c_str());
        } else if (e->hatteAlte) {
            std::rename(alt.c_str(), e->ziel.c_str());
        } else {
            std::remove(e->ziel.c_str());
        }
    }
    if (ok) {
        os::DeleteFile(marke_);
        geschrieben_.clear();
    }
    return ok;
}

void DateiGruppe::Aufraeumen(const std::string& ordner)
{
    const std::filesystem::path real = os::ResolvePath(ordner);
    const std::filesystem::path marke = os::ResolvePath(Marke(ordner));
    std::error_code ec;
    if (!std::filesystem::is_directory(real, ec)) return;
    const bool vorwaerts = std::filesystem::exists(marke, ec);
    const std::string wegNach = vorwaerts ? kNeu : kAlt, wegVon = vorwaerts ? kAlt : kNeu;
    std::vector<std::filesystem::path> dateien;
    for (const auto& e : std::filesystem::directory_iterator(real, ec)) dateien.push_back(e.path());
    for (const auto& d : dateien) {
        const std::string name = d.string();
        if (d.extension() == wegNach && d.filename() != marke.filename()) {
            std::filesystem::rename(d, name.substr(0, name.size() - wegNach.size()), ec);
        } else if (d.extension() == wegVon || d.extension() == ".tmp") {
            std::filesystem::remove(d, ec);
        }
    }
    std::filesystem::remove(marke, ec);
}
