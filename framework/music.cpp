#include "framework/music.h"

#include <algorithm>
#include <vector>

#include "framework/widepath.h"
#include "platform/audio.h"
#include "platform/os.h"
#include "platform/random.h"
#include "world/records.h"

int32_t MusikFadeLautstaerke = 0;

namespace {

constexpr int32_t kMenueTrack = 4, kKampfTrack = 5, kBegegnungsTrack = 2;
constexpr float kAusgeblendet = -3000.0f;  // the fades' floor
constexpr float kFadeSchritt = 50.0f;

bool MusikAn() { return SetupWerte.MUSIC != 0; }

// Switching away from a track stops it and rewinds it, so it starts from the beginning next time.
void Wegschalten(int32_t slot) {
    audio::StopMusic(slot);
    audio::RewindMusic(slot);
}

void Starte(int32_t slot, float lautstaerke) {
    audio::SetMusicVolume(slot, lautstaerke);
    audio::RunMusic(slot);
}

bool MenueModus(int32_t modus) {
    switch (modus) {
        case 2000: case 3000: case 4000: case 5000: case 6000: case 7000: case 8000: case 11000: case 14000:
            return true;
        default:
            return false;
    }
}

bool KampfImGange() {
    if (SonderOrt != 1) return false;
    return std::any_of(std::begin(Figuren), std::end(Figuren),
                       [](const FigurRecord& f) { return f.Aktiv == 1 && f.ImKampf == 1; });
}

// A fade-in stops at the configured volume instead of stepping past it.
void Einblenden() {
    if (MusikLautstaerke < float(MusikFadeLautstaerke))
        MusikLautstaerke = std::min(MusikLautstaerke + kFadeSchritt, float(MusikFadeLautstaerke));
}

}  // namespace

bool LadeMusik(int32_t slot, const wchar_t* pfad) {
    std::vector<uint8_t> daten;
    os::ReadFile(Utf8Pfad(pfad), daten);  // an unreadable file leaves a slot that plays nothing
    return audio::LoadMusic(slot, std::move(daten));
}

void SpieleMusik(int32_t slot) {
    if (audio::MusicLoaded(slot) && MusikAn()) Starte(slot, MusikLautstaerke);
}

void MusikZurueckspulen(int32_t slot) { Wegschalten(slot); }

void MusikTakt(int32_t slot) {
    if (!audio::MusicLoaded(slot) || !MusikAn()) return;
    bool zuEnde = audio::MusicEnded(slot);
    audio::SetMusicVolume(slot, MusikLautstaerke);
    if (!zuEnde) return;
    MusikTrack = MusikTrack == 0 ? 1 : 0;
    Wegschalten(slot);
    MusikNachModus();
}

void MusikNachModus() {
    if (!MusikAn()) return;
    if (MenueModus(SpielModus)) {
        if (MusikTrack != kMenueTrack) {
            Wegschalten(MusikTrack);
            MusikTrack = kMenueTrack;
        }
        Starte(kMenueTrack, MusikLautstaerke);
        return;
    }
    if ((SpielModus == 1000 || SpielModus == 10000 || SpielModus == 9000) && MusikTrack != kKampfTrack) {
        bool kampf = KampfImGange();
        if (kampf && MusikTrack != kBegegnungsTrack) {
            Wegschalten(MusikTrack);
            MusikTrack = kBegegnungsTrack;
        }
        if (!kampf && MusikTrack != 0 && MusikTrack != 1) {
            Wegschalten(MusikTrack);
            MusikTrack = 0;
        }
        Starte(MusikTrack, MusikLautstaerke);
    }
}

void MusikZuKampf() {
    if (MusikTrack == kKampfTrack) {
        Einblenden();
    } else if (MusikLautstaerke > kAusgeblendet) {
        MusikLautstaerke -= kFadeSchritt;
    } else {
        MusikLautstaerke = kAusgeblendet;
        Wegschalten(MusikTrack);
        MusikTrack = kKampfTrack;
        if (audio::MusicLoaded(kKampfTrack) && MusikAn()) Starte(kKampfTrack, kAusgeblendet);
    }
}

void MusikZuIngame() {
    if (MusikTrack == kKampfTrack && MusikLautstaerke > kAusgeblendet) {
        MusikLautstaerke -= kFadeSchritt;
    } else if (MusikTrack == kKampfTrack) {
        MusikLautstaerke = kAusgeblendet;
        Wegschalten(kKampfTrack);
        MusikTrack = Zufall() % 2;
        if (audio::MusicLoaded(MusikTrack) && MusikAn()) Starte(MusikTrack, kAusgeblendet);
    } else {
        Einblenden();
    }
}

void GibMusikFrei(int32_t slot) { audio::FreeMusic(slot); }
