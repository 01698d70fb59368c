// Sound effects and music in Pack13. The effects are synthesised; the squad's short answers are
// spoken; the five music tracks are short generated loops encoded to MP3 by lame.
#include <cmath>
#include <functional>

#include "content/generator.h"
#include "content/speech.h"
#include "content/tools.h"

namespace content {

namespace {

constexpr int kRate = 22050;
constexpr float kTau = 6.2831853f;

// One noise source per effect, seeded by the effect, so every run gives the same samples.
struct Noise {
    uint32_t s;
    float operator()() {
        s = s * 1664525u + 1013904223u;
        return float(s >> 8) / 8388608.0f - 1.0f;
    }
};

std::vector<float> Render(float seconds, const std::function<float(float t, float u)>& f) {
    std::vector<float> out(size_t(seconds * float(kRate)));
    for (size_t i = 0; i < out.size(); ++i) {
        const float t = float(i) / float(kRate);
        out[i] = f(t, t / seconds);
    }
    return out;
}

// A one-pole low pass over a sample stream.
struct LowPass {
    float a, y = 0;
    float operator()(float x) { return y += a * (x - y); }
};

std::vector<float> Shot(uint32_t seed, float length, float boom, float brightness) {
    Noise n{seed};
    LowPass lp{brightness};
    return Render(length, [&](float t, float) {
        const float env = std::exp(-t * 18.0f);
        return 0.9f * env * lp(n()) + boom * std::exp(-t * 9.0f) * std::sin(kTau * 55.0f * t);
    });
}

std::vector<float> Effect(int id) {
    switch (id) {
    case 0: {  // miss: a whoosh past the ear
        Noise n{1};
        LowPass lp{0.08f};
        return Render(0.3f, [&](float, float u) { return 1.6f * std::sin(3.1416f * u) * lp(n()); });
    }
    case 1: {  // hit: a dull thud
        Noise n{2};
        LowPass lp{0.1f};
        return Render(0.22f, [&](float t, float) {
            return std::exp(-t * 20) * (0.8f * std::sin(kTau * (90.0f - 120.0f * t) * t) + 0.6f * lp(n()));
        });
    }
    case 6:  // click: a short tick
        return Render(0.04f, [](float t, float) { return std::exp(-t * 250) * std::sin(kTau * 2200.0f * t); });
    case 11: {  // flight: a rising and falling swish
        Noise n{11};
        LowPass lp{0.2f};
        return Render(0.5f, [&](float t, float u) { return std::sin(3.1416f * u) * (0.5f * lp(n()) + 0.3f * std::sin(kTau * (600 + 900 * u) * t)); });
    }
    case 12:
    case 20: {  // thunder: a crack and a long rumble
        Noise n{uint32_t(id)};
        LowPass crack{0.6f}, rumble{0.02f};
        return Render(id == 12 ? 1.8f : 2.4f, [&](float t, float) {
            return 0.8f * std::exp(-t * 12) * crack(n()) + 3.5f * std::exp(-t * 1.6f) * rumble(n()) * (1 + 0.5f * std::sin(kTau * 3 * t));
        });
    }
    case 13: {  // rain, looped: steady hiss with patter
        Noise n{13}, drops{131};
        LowPass lp{0.35f};
        float patter = 0;
        return Render(3.0f, [&](float, float) {
            if (drops() > 0.9985f) patter = 0.6f;
            patter *= 0.995f;
            return 0.35f * lp(n()) + patter * n() * 0.5f;
        });
    }
    case 14: return Shot(14, 0.35f, 0.4f, 0.7f);  // pistol
    case 15: {  // wind, looped: low roar that swells twice per loop
        Noise n{15};
        LowPass lp{0.015f};
        return Render(4.0f, [&](float, float u) { return 6.0f * lp(n()) * (0.6f + 0.4f * std::sin(kTau * 2 * u)); });
    }
    case 16: {  // footstep
        Noise n{16};
        LowPass lp{0.15f};
        return Render(0.14f, [&](float t, float) { return 1.4f * std::exp(-t * 40) * lp(n()); });
    }
    case 17: {  // stamp: thump and a paper slap
        Noise n{17};
        return Render(0.25f, [&](float t, float) {
            return std::exp(-t * 30) * 0.8f * std::sin(kTau * 70 * t) + (t > 0.02f ? std::exp(-(t - 0.02f) * 60) * 0.5f * n() : 0);
        });
    }
    case 18: return Shot(18, 0.6f, 0.8f, 0.5f);  // rifle
    case 21: {  // reload: two metal clicks
        Noise n{21};
        return Render(0.45f, [&](float t, float) {
            const float a = std::exp(-t * 80), b = t > 0.25f ? std::exp(-(t - 0.25f) * 70) : 0;
            return (a + b) * (0.5f * std::sin(kTau * 1800 * t) + 0.4f * n());
        });
    }
    case 22:  // info: a two-tone chime
        return Render(0.6f, [](float t, float) {
            const float f = t < 0.15f ? 880.0f : 1320.0f;
            return 0.5f * std::exp(-std::fmod(t, 0.15f) * 4) * std::exp(-t * 3) * std::sin(kTau * f * t);
        });
    case 23: {  // equip: cloth rustle and a buckle
        Noise n{23};
        LowPass lp{0.3f};
        return Render(0.3f, [&](float t, float u) { return 0.6f * std::sin(3.1416f * u) * lp(n()) + (t > 0.2f ? 0.4f * std::exp(-(t - 0.2f) * 90) * std::sin(kTau * 2600 * t) : 0); });
    }
    case 24:  // item: a short rising blip
        return Render(0.15f, [](float t, float u) { return 0.6f * std::sin(3.1416f * u) * std::sin(kTau * (500 + 1200 * u) * t); });
    case 25: {  // text scroll: typewriter ticks
        Noise n{25};
        return Render(0.35f, [&](float t, float) { return std::exp(-std::fmod(t, 0.07f) * 150) * 0.6f * n(); });
    }
    default: return {};
    }
}

// The squad's answers to a selection and to an order, spoken.
struct Answer {
    int id;
    const char* file;
    const char* words;
};
const Answer kAnswers[] = {
    {2, "YesSir.wav", "Jawohl!"},   {3, "Ready.wav", "Bereit."},      {4, "Yes.wav", "Ja?"},
    {5, "Hmm.wav", "Hmm?"},         {7, "np.wav", "Kein Problem."},   {8, "AllRight.wav", "In Ordnung."},
    {9, "iwillgo.wav", "Ich gehe."}, {10, "Yeah.wav", "Wird gemacht!"},
};

const char* const kEffectFiles[26] = {
    "miss.wav", "Schlag000.wav", "", "", "", "", "Click.wav", "", "", "", "", "Flug.wav", "Blitz000.wav",
    "Regen.wav", "Pistole000.wav", "Wind000.wav", "Footstep.wav", "Stempel.wav", "Gewehr000.wav", "",
    "Blitz001.wav", "Nachladen.wav", "Info.wav", "Equip.wav", "Item.wav", "Scroll_Text.wav",
};

// ---- music ---------------------------------------------------------------------------------

float Midi(int note) { return 440.0f * std::pow(2.0f, float(note - 69) / 12.0f); }

struct Track {
    const char* file;
    float bpm;
    int chords[4][3];  // four bars, one chord each (MIDI notes)
    int melody[16];    // one note per beat, 0 = rest
    float drums;       // 0 none, 1 full kit
    float brightness;
};

const Track kTracks[] = {
    {"Ingame.mp3", 84, {{57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {52, 55, 59}}, {69, 0, 72, 71, 69, 0, 67, 0, 67, 69, 71, 0, 64, 0, 0, 0}, 0.3f, 0.4f},
    {"Ingame2.mp3", 76, {{50, 53, 57}, {55, 58, 62}, {53, 57, 60}, {52, 56, 59}}, {74, 0, 72, 0, 70, 69, 0, 0, 72, 0, 74, 76, 74, 0, 0, 0}, 0.2f, 0.35f},
    {"Enemy.mp3", 112, {{52, 55, 59}, {53, 57, 60}, {52, 55, 59}, {51, 54, 58}}, {64, 0, 64, 65, 64, 0, 63, 0, 64, 0, 64, 67, 66, 0, 63, 0}, 0.8f, 0.6f},
    {"Hauptmenue.mp3", 70, {{48, 52, 55}, {45, 48, 52}, {41, 45, 48}, {43, 47, 50}}, {67, 0, 0, 72, 71, 0, 67, 0, 69, 0, 0, 65, 67, 0, 0, 0}, 0.0f, 0.5f},
    {"Kampf.mp3", 132, {{45, 48, 52}, {45, 48, 52}, {43, 46, 50}, {44, 47, 51}}, {69, 69, 0, 72, 0, 69, 70, 0, 69, 69, 0, 67, 0, 68, 0, 0}, 1.0f, 0.7f},
};

std::vector<float> RenderTrack(const Track& tr) {
    const float beat = 60.0f / tr.bpm;
    const float length = beat * 16 * 2;  // two passes of four bars
    Noise n{uint32_t(tr.bpm)};
    LowPass hat{0.9f};
    return Render(length, [&](float t, float) {
        const int b = int(t / beat) % 16, bar = b / 4;
        const float tb = std::fmod(t, beat), tbar = std::fmod(t, beat * 4);
        float s = 0;
        for (int k = 0; k < 3; ++k) {  // pad: soft chord with a slow swell per bar
            const float f = Midi(tr.chords[bar][k]);
            s += 0.09f * std::sin(kTau * f * t) * (0.6f + 0.4f * std::sin(3.1416f * tbar / (beat * 4)));
            s += 0.03f * tr.brightness * std::sin(kTau * 2 * f * t);
        }
        const float bass = Midi(tr.chords[bar][0] - 12);  // bass on every beat
        s += 0.22f * std::exp(-tb * 3) * std::sin(kTau * bass * t);
        if (const int m = tr.melody[b]; m) {  // plucked melody
            const float f = Midi(m);
            s += 0.16f * std::exp(-tb * 4) * (std::sin(kTau * f * t) + 0.3f * tr.brightness * std::sin(kTau * 3 * f * t));
        }
        if (tr.drums > 0) {  // kick on 1 and 3, snare on 2 and 4, hats on the half beats
            const float half = std::fmod(t, beat / 2);
            if (b % 2 == 0) s += tr.drums * 0.5f * std::exp(-tb * 25) * std::sin(kTau * (110 - 300 * tb) * tb);
            else s += tr.drums * 0.25f * std::exp(-tb * 20) * n();
            s += tr.drums * 0.06f * std::exp(-half * 60) * (n() - hat(n()));
        }
        return 0.8f * s;
    });
}

}  // namespace

void MakeSounds(Generator& g) {
    PackWriter& pack = g.Pack("Pack13.gzp");
    for (int id = 0; id < 26; ++id)
        if (*kEffectFiles[id]) pack.Add(kEffectFiles[id], EncodeWav(Effect(id), kRate));

    std::vector<SpeechJob> answers;
    for (const Answer& a : kAnswers) answers.push_back({std::string("answer/") + a.file, a.words, "de+m3", 45, 165});
    for (const auto& [job, wav] : Speak(answers)) pack.Add(job.substr(7), wav);

    std::vector<std::string> commands;
    for (const Track& tr : kTracks) {
        const std::string wav = ScratchDir() + "/" + tr.file + ".wav", mp3 = ScratchDir() + "/" + tr.file;
        WriteBytes(wav, EncodeWav(RenderTrack(tr), kRate));
        // Constant bit rate and no tag frame: the same samples always give the same bytes.
        commands.push_back("lame --quiet -t -b 64 -m m --resample 22.05 " + ShellQuote(wav) + " " + ShellQuote(mp3));
    }
    RunTools(commands);
    for (const Track& tr : kTracks) pack.Add(tr.file, ReadBytes(ScratchDir() + "/" + tr.file));
}

}  // namespace content
