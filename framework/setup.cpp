#include "framework/setup.h"

#include <cstdio>
#include <iterator>
#include <vector>

#include "framework/music.h"
#include "framework/tokendatei.h"
#include "platform/os.h"
#include "world/spielglobals.h"

int32_t Sprache = 0;
uint8_t Vollbild = 0;
uint8_t DebugModus = 0;
uint8_t CheatHilfe = 0;

namespace {

// A key: how its value is read, its target, the value the data set ships and the values the game can
// use (from kleinst to groesst in steps of schritt; FRAMERATE in thousandths of a second). Without a
// shipped value (FILTER_2D and BUFFER, which nothing reads) a key is read as it is, never replaced.
struct Schluessel {
    enum Art { Zahl, Vollbildschalter, Bildzeit };
    const char* name;
    Art art;
    int32_t* ziel;
    bool geliefert;
    int32_t standard, kleinst, groesst, schritt;
};

constexpr float kBildzeit = 0.025f;  // the shipped minimum frame time: 40 frames a second
constexpr int32_t kGross = 2147483647;
using enum Schluessel::Art;

// A key the options screen turns on and off.
constexpr Schluessel Schalter(const char* name, int32_t* ziel, int32_t standard) {
    return {name, Zahl, ziel, true, standard, 0, 1, 1};
}

// In the order the keys are tested (DEBUG and CHEAT_I_NEED_HELP are presence switches).
constexpr Schluessel kSchluessel[] = {
    {"SORT_SPEED", Zahl, &SORT_SPEED, true, 5, 0, 1000, 1},
    {"FULLSCREEN", Vollbildschalter, nullptr, true, 0, 0, 1, 1},
    {"FILTER", Zahl, &SetupWerte.FILTER, true, 1, 0, 2, 1},
    {"FILTER_2D", Zahl, &SetupWerte.FILTER_2D, false, 0, 0, 0, 1},
    {"SHADOW", Zahl, &SetupWerte.SHADOW, true, 1, 0, 3, 1},
    Schalter("SHADOW_ENTITY", &SetupWerte.SHADOW_ENTITY, 1),
    Schalter("SHADOW_OBJEKT", &SetupWerte.SHADOW_OBJEKT, 1),
    Schalter("SHADOW_ITEM", &SetupWerte.SHADOW_ITEM, 1),
    Schalter("SHADOW_VEGETATION", &SetupWerte.SHADOW_VEGETATION, 0),
    {"ANIM_SPEED", Zahl, &SetupWerte.ANIM_SPEED, true, 2, -kGross, kGross, 1},  // read by nothing
    {"FRAMERATE", Bildzeit, nullptr, true, 25, 5, 100, 1},  // kBildzeit; 200 to 10 frames a second
    Schalter("VEGETATION", &SetupWerte.VEGETATION, 1),
    {"PARTIKEL", Zahl, &SetupWerte.PARTIKEL, true, 2, 0, 3, 1},
    {"BUFFER", Zahl, &SetupWerte.BUFFER, false, 0, 0, 0, 1},
    {"COLOR", Zahl, &SetupWerte.COLOR, true, 32, 16, 32, 8},
    Schalter("CLOUDS", &SetupWerte.CLOUDS, 1),
    Schalter("FOG", &SetupWerte.FOG, 1),
    Schalter("DETAILMAP", &SetupWerte.DETAILMAP, 1),
    Schalter("SOUND", &SetupWerte.SOUND, 1),
    Schalter("MUSIC", &SetupWerte.MUSIC, 1),
    {"SOUND_VOLUME", Zahl, &SetupWerte.SOUND_VOLUME, true, -300, -10000, 0, 1},
    {"SOUND_VOLUME_SPRACHE", Zahl, &SetupWerte.SOUND_VOLUME_SPRACHE, true, -600, -10000, 0, 1},
    Schalter("EINHEIT_ANTWORTET", &SetupWerte.EINHEIT_ANTWORTET, 1),
    {"LAN", Zahl, &Sprache, true, 0, 0, 2, 1},
};
constexpr size_t kSchluesselZahl = std::size(kSchluessel);

// Reads the key's value; false when it is not of the key's type (FULLSCREEN: not 0 or 1).
bool LiesWert(TokenDatei& datei, const Schluessel& k) {
    switch (k.art) {
    case Schluessel::Vollbildschalter: {
        int32_t wert;
        if (!datei.Ganzzahl(wert) || (wert != 0 && wert != 1)) return false;
        Vollbild = static_cast<uint8_t>(wert);
        return true;
    }
    case Schluessel::Bildzeit: return datei.Kommazahl(SetupWerte.FRAMERATE);
    case Schluessel::Zahl: break;
    }
    return datei.Ganzzahl(*k.ziel);
}

bool Brauchbar(const Schluessel& k) {
    if (k.art == Schluessel::Bildzeit) {
        const float f = SetupWerte.FRAMERATE;
        return f >= k.kleinst * 0.001f && f <= k.groesst * 0.001f;
    }
    if (k.art == Schluessel::Vollbildschalter) return true;  // checked as it is read
    const int32_t wert = *k.ziel;
    return wert >= k.kleinst && wert <= k.groesst && (int64_t(wert) - k.kleinst) % k.schritt == 0;
}

void Voreinstellung(const Schluessel& k) {
    switch (k.art) {
    case Schluessel::Vollbildschalter: Vollbild = static_cast<uint8_t>(k.standard); break;
    case Schluessel::Bildzeit: SetupWerte.FRAMERATE = kBildzeit; break;
    case Schluessel::Zahl: *k.ziel = k.standard; break;
    }
}

// The configured music volume is also where the music starts and fades back to.
void MusikLautstaerkeSetzen() {
    MusikFadeLautstaerke = SetupWerte.SOUND_VOLUME_SPRACHE;
    MusikLautstaerke = static_cast<float>(SetupWerte.SOUND_VOLUME_SPRACHE);
}

}  // namespace

void SetzeSetupVoreinstellung() {
    for (const Schluessel& k : kSchluessel)
        if (k.geliefert) Voreinstellung(k);
    MusikLautstaerkeSetzen();
}

void LadeSetup(const char* pfad) { MeldeSetup(pfad, LiesSetup(pfad)); }

SetupErsetzt LiesSetup(const char* pfad) {
    bool gelesen[kSchluesselZahl] = {};

    TokenDatei datei;
    std::string wort;
    // A value that is not of its key's type ends the reading: the keys after it count as missing.
    bool weiter = datei.Oeffnen(pfad);
    while (weiter && datei.Wort(wort)) {
        if (wort == "DEBUG") {
            DebugModus = 1;
        } else if (wort == "CHEAT_I_NEED_HELP") {
            CheatHilfe = 1;
        } else {
            for (size_t i = 0; i < kSchluesselZahl; ++i) {
                if (wort != kSchluessel[i].name) continue;
                weiter = LiesWert(datei, kSchluessel[i]);
                gelesen[i] = weiter;
                break;
            }
        }
    }

    // What is missing or what the game cannot use takes the shipped value.
    SetupErsetzt ersetzt;
    size_t geliefert = 0;
    for (size_t i = 0; i < kSchluesselZahl; ++i) {
        const Schluessel& k = kSchluessel[i];
        if (!k.geliefert) continue;
        ++geliefert;
        if (gelesen[i] && Brauchbar(k)) continue;
        Voreinstellung(k);
        ersetzt.schluessel.push_back(k.name);
    }
    MusikLautstaerkeSetzen();
    ersetzt.alle = ersetzt.schluessel.size() == geliefert;
    return ersetzt;
}

void MeldeSetup(const char* pfad, const SetupErsetzt& ersetzt) {
    const std::vector<std::string>& schluessel = ersetzt.schluessel;
    if (schluessel.empty()) return;
    std::string text = std::string(pfad) + ": ";
    if (ersetzt.alle) {
        text += "keine brauchbaren Einstellungen, es gelten alle Voreinstellungen";
    } else {
        text += "fehlende oder unbrauchbare Werte durch die Voreinstellung ersetzt:";
        for (size_t i = 0; i < schluessel.size(); ++i) text += (i ? ", " : " ") + schluessel[i];
    }
    os::MessageBox(text, "Einstellungen");
}

std::string SetupText() {
    const SetupBlock& s = SetupWerte;
    char text[1024];
    const int n = std::snprintf(
        text, sizeof text,
        "FILTER %d\nSHADOW %d\nSHADOW_ENTITY %d\nSHADOW_ITEM %d\nSHADOW_OBJEKT %d\nSHADOW_VEGETATION %d\n"
        "VEGETATION %d\nPARTIKEL %d\nANIM_SPEED 2\nFRAMERATE 0.025\nCOLOR %d\nCLOUDS %d\nFOG %d\n"
        "DETAILMAP 1\nMUSIC %d\nSOUND %d\nSOUND_VOLUME %d\nSOUND_VOLUME_SPRACHE %d\nEINHEIT_ANTWORTET %d\n"
        "SORT_SPEED %d\nFULLSCREEN %d\nLAN %d\n",
        s.FILTER, s.SHADOW, s.SHADOW_ENTITY, s.SHADOW_ITEM, s.SHADOW_OBJEKT, s.SHADOW_VEGETATION,
        s.VEGETATION, s.PARTIKEL, s.COLOR, s.CLOUDS, s.FOG, s.MUSIC, s.SOUND, s.SOUND_VOLUME,
        s.SOUND_VOLUME_SPRACHE, s.EINHEIT_ANTWORTET, SORT_SPEED, Vollbild, Sprache);
    return n > 0 && n < static_cast<int>(sizeof text) ? std::string(text, static_cast<size_t>(n)) : std::string();
}

bool SchreibeSetup(const char* pfad) {
    const std::string text = SetupText();
    return !text.empty() && os::WriteFileAtomic(pfad, text.data(), text.size());
}
