#include "framework/setup.h"

#include <cstdio>

#include "framework/music.h"
#include "framework/tokendatei.h"
#include "platform/os.h"
#include "world/spielglobals.h"

int32_t Sprache = 0;
uint8_t Vollbild = 0;
uint8_t DebugModus = 0;
uint8_t CheatHilfe = 0;

namespace {

struct GanzzahlSchluessel {
    const char* name;
    int32_t* ziel;
};

}  // namespace

void LadeSetup(const char* pfad) {
    TokenDatei datei;
    if (!datei.Oeffnen(pfad)) return;
    SetupBlock& s = SetupWerte;
    // In the order the keys are tested; FULLSCREEN, FRAMERATE and the music volume are handled
    // on their own below.
    const GanzzahlSchluessel ganzzahlen[] = {
        {"SORT_SPEED", &SORT_SPEED},       {"FILTER", &s.FILTER},
        {"FILTER_2D", &s.FILTER_2D},       {"SHADOW", &s.SHADOW},
        {"SHADOW_ENTITY", &s.SHADOW_ENTITY}, {"SHADOW_OBJEKT", &s.SHADOW_OBJEKT},
        {"SHADOW_ITEM", &s.SHADOW_ITEM},   {"SHADOW_VEGETATION", &s.SHADOW_VEGETATION},
        {"ANIM_SPEED", &s.ANIM_SPEED},     {"VEGETATION", &s.VEGETATION},
        {"PARTIKEL", &s.PARTIKEL},         {"BUFFER", &s.BUFFER},
        {"COLOR", &s.COLOR},               {"CLOUDS", &s.CLOUDS},
        {"FOG", &s.FOG},                   {"DETAILMAP", &s.DETAILMAP},
        {"SOUND", &s.SOUND},               {"MUSIC", &s.MUSIC},
        {"SOUND_VOLUME", &s.SOUND_VOLUME}, {"EINHEIT_ANTWORTET", &s.EINHEIT_ANTWORTET},
        {"LAN", &Sprache},
    };

    std::string wort;
    while (datei.Wort(wort)) {
        if (wort == "DEBUG") {
            DebugModus = 1;
        } else if (wort == "CHEAT_I_NEED_HELP") {
            CheatHilfe = 1;
        } else if (wort == "FULLSCREEN") {
            int32_t wert;
            if (!datei.Ganzzahl(wert) || (wert != 0 && wert != 1)) return;
            Vollbild = static_cast<uint8_t>(wert);
        } else if (wort == "FRAMERATE") {
            if (!datei.Kommazahl(s.FRAMERATE)) return;
        } else if (wort == "SOUND_VOLUME_SPRACHE") {
            if (!datei.Ganzzahl(s.SOUND_VOLUME_SPRACHE)) return;
            // The configured music volume is also where the music starts and fades back to.
            MusikFadeLautstaerke = s.SOUND_VOLUME_SPRACHE;
            MusikLautstaerke = static_cast<float>(s.SOUND_VOLUME_SPRACHE);
        } else {
            for (const GanzzahlSchluessel& k : ganzzahlen) {
                if (wort == k.name) {
                    if (!datei.Ganzzahl(*k.ziel)) return;
                    break;
                }
            }
        }
    }
}

bool SchreibeSetup(const char* pfad) {
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
    return n > 0 && n < static_cast<int>(sizeof text) && os::WriteFileAtomic(pfad, text, static_cast<size_t>(n));
}
