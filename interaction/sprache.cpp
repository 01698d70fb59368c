#include "interaction/sprache.h"

#include <string>

#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/widepath.h"
#include "platform/audio.h"
#include "platform/os.h"
#include "world/records.h"

namespace {

int32_t bilderJeSekunde = 0;  // 0: the mixer says whether the line plays
uint32_t zeilenEnde = 0;      // frame clock: BildNummer at which the line is over

// The length the mixer would play: the file, or the fallback the loader puts in its place.
int32_t ZeilenLaengeMs(const char* pfad) {
    const int32_t ms = audio::WavLengthMs(os::ResolvePath(pfad));
    return ms >= 0 ? ms : audio::WavLengthMs(os::ResolvePath("Data/Speak/0.wav"));
}

}  // namespace

void SprichZeile(const char* pfad) {
    StoppeSound(Sprachkanal);
    LadeSound(Breit(pfad).c_str(), Sprachkanal);
    SpieleSound(Sprachkanal);
    zeilenEnde = BildNummer;
    if (bilderJeSekunde > 0 && SetupWerte.SOUND != 0) {
        const int32_t ms = ZeilenLaengeMs(pfad);
        if (ms > 0) zeilenEnde = BildNummer + uint32_t((int64_t(ms) * bilderJeSekunde + 999) / 1000);
    }
}

bool ZeileLaeuft() {
    if (bilderJeSekunde > 0) return int32_t(zeilenEnde - BildNummer) > 0;
    return SoundLaeuft(Sprachkanal) == 0;
}

void StoppeZeile() {
    StoppeSound(Sprachkanal);
    zeilenEnde = BildNummer;
}

void VergissZeile() { zeilenEnde = 0; }

void SprachUhrNachBildern(int32_t n) {
    bilderJeSekunde = n > 0 ? n : 0;
    zeilenEnde = BildNummer;
}
