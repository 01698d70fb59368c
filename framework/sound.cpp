#include "framework/sound.h"

#include <string>

#include "framework/widepath.h"
#include "platform/audio.h"
#include "platform/os.h"
#include "world/records.h"


const char* const SoundDateien[kSoundDateienAnzahl] = {
    "miss.wav", "Schlag000.wav", "YesSir.wav", "Ready.wav", "Yes.wav", "Hmm.wav", "Click.wav",
    "np.wav", "AllRight.wav", "iwillgo.wav", "Yeah.wav", "Flug.wav", "Blitz000.wav", "Regen.wav",
    "Pistole000.wav", "Wind000.wav", "Footstep.wav", "Stempel.wav", "Gewehr000.wav",
    nullptr,  // the speech slot
    "Blitz001.wav", "Nachladen.wav", "Info.wav", "Equip.wav", "Item.wav", "Scroll_Text.wav",
};
namespace {
bool GueltigerSlot(int32_t slot) { return slot >= 0 && slot < kSoundSlots; }
}  // namespace

bool SoundInit(SDL_Window*) {
    std::string fehler;
    if (!audio::Open(fehler)) return false;
    audio::SetEffectVolume(SetupWerte.SOUND_VOLUME);
    return true;
}

void LadeSound(const wchar_t* pfad, int32_t slot) {
    // Without a sound system there is nothing to load into.
    if (!GueltigerSlot(slot) || !audio::IsOpen()) return;
    if (audio::LoadEffect(slot, os::ResolvePath(Utf8Pfad(pfad)))) return;
    // Tried once only: when the fallback is missing too, the speech slot stays empty.
    audio::LoadEffect(Sprachkanal, os::ResolvePath("Data/Speak/0.wav"));
}

void SpieleSound(int32_t slot) {
    if (!audio::EffectLoaded(slot) || SetupWerte.SOUND == 0) return;
    audio::SetEffectVolume(SetupWerte.SOUND_VOLUME);
    audio::PlayEffect(slot, false);
}

// Loops play at the effects volume of the last one-shot.
void SpieleSoundSchleife(int32_t slot) {
    if (!audio::EffectLoaded(slot) || SetupWerte.SOUND == 0) return;
    audio::PlayEffect(slot, true);
}

int32_t SoundLaeuft(int32_t slot) { return audio::EffectPlaying(slot) ? 0 : 1; }

void StoppeSound(int32_t slot) { audio::StopEffect(slot); }

void SoundBeenden() { audio::Close(); }
