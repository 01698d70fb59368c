// The spoken lines under Data/Speak/: townsfolk by job folder, the squad, the tutorial's
// instructor and the recruiter, all spoken by espeak-ng from the German text sources.
#include "content/speech.h"

#include <cstdio>

#include "content/generator.h"
#include "content/texts.h"
#include "content/tools.h"
#include "world/new_game.h"
#include "world/records.h"

namespace content {

std::map<std::string, std::vector<uint8_t>> Speak(const std::vector<SpeechJob>& jobs) {
    std::vector<std::string> commands;
    for (size_t i = 0; i < jobs.size(); ++i) {
        const std::string base = ScratchDir() + "/speech_" + std::to_string(i);
        std::string text = jobs[i].text;
        for (char& c : text)
            if (c == '|') c = ' ';
        WriteBytes(base + ".txt", std::vector<uint8_t>(text.begin(), text.end()));
        commands.push_back("espeak-ng -v " + jobs[i].voice + " -p " + std::to_string(jobs[i].pitch) + " -s " +
                           std::to_string(jobs[i].speed) + " -f " + ShellQuote(base + ".txt") + " -w " +
                           ShellQuote(base + ".wav"));
    }
    RunTools(commands);
    std::map<std::string, std::vector<uint8_t>> out;
    for (size_t i = 0; i < jobs.size(); ++i) out[jobs[i].path] = ReadBytes(ScratchDir() + "/speech_" + std::to_string(i) + ".wav");
    return out;
}

std::string SpokenTownName(const std::vector<std::string>& ortLines, int town) {
    FuelleWeltKarteUndStaedte();  // the new game's town table holds the name indexes
    return ortLines.at(StadtTabelle[town].NamenIndex);
}

namespace {

struct JobVoice {
    const char* folder;
    const char* section;  // job text section
    const char* voice;
    int pitch;
    bool recruitable;
};
const JobVoice kJobs[] = {
    {"Soeldner", "[JOB_SOELDNER]", "de+m3", 30, true},  {"Techniker", "[JOB_TECHNIKER]", "de+m1", 50, true},
    {"Doktor", "[JOB_DOKTOR]", "de+f2", 55, true},      {"Haendler", "[JOB_HAENDLER]", "de+m4", 60, false},
    {"Jaeger", "[JOB_JAEGER]", "de+m7", 35, true},      {"Sammler", "[JOB_SAMMLER]", "de+m2", 55, true},
};

// Tutorial steps: the text entries and the speech files that say them.
struct TutorialLine {
    int entries[2];
    int files[2];  // 0 = none; one file says both entries
};
const TutorialLine kTutorial[] = {
    {{127, 128}, {135, 136}}, {{129, 130}, {137, 138}}, {{131, 132}, {139, 140}}, {{133, 134}, {141, 142}},
    {{135, 136}, {143, 0}},   {{137, 138}, {144, 145}}, {{139, 140}, {146, 0}},   {{141, 142}, {147, 0}},
    {{143, 144}, {148, 149}}, {{145, 146}, {150, 151}}, {{147, 148}, {152, 153}}, {{149, 150}, {154, 155}},
    {{151, 152}, {156, 157}}, {{153, 154}, {158, 159}}, {{155, 156}, {160, 161}}, {{157, 158}, {162, 163}},
    {{159, 160}, {164, 165}}, {{161, 162}, {166, 0}},   {{163, 164}, {167, 168}}, {{165, 166}, {169, 0}},
    {{167, 168}, {170, 171}}, {{169, 170}, {172, 0}},   {{171, 172}, {173, 174}},
};

std::string Numbered(const char* folder, int n) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "Data/Speak/%s/%04d.wav", folder, n);
    return buf;
}

}  // namespace

void MakeSpeech(Generator& g) {
    const auto talk = LoadSprechen(g.dataDir + "/sprechen_de.txt");
    const auto standard = LoadTextStandard(g.dataDir + "/text_standard_de.txt");
    std::vector<SpeechJob> jobs;
    jobs.push_back({"Data/Speak/0.wav", "Hmm.", "de+m3", 40, 150});

    for (const JobVoice& j : kJobs) {
        const std::string dir = std::string("Data/Speak/") + j.folder + "/";
        auto add = [&](const std::string& sub, const std::vector<std::string>& lines, int count) {
            for (int n = 1; n <= count; ++n)
                jobs.push_back({dir + sub + "/" + std::to_string(n) + ".wav", lines.at(size_t(n - 1)), j.voice, j.pitch, 155});
        };
        add("Hallo", SprechenLines(talk, "[HALLO]"), 10);
        add("Job", SprechenLines(talk, j.section), 10);
        add("Neues", SprechenLines(talk, "[NEUES]"), 10);
        add("WoBinIch", SprechenLines(talk, "[WO_BIN_ICH]"), 10);
        const auto& towns = SprechenLines(talk, "[ORT]");
        for (int t = 0; t < 20; ++t)
            jobs.push_back({dir + "Ort/" + std::to_string(t) + ".wav", SpokenTownName(towns, t) + ".", j.voice, j.pitch, 150});
        if (j.recruitable) {
            jobs.push_back({dir + "Sonstiges/1.wav", SprechenLines(talk, "[REKRUT_JA]").at(0), j.voice, j.pitch, 155});
            jobs.push_back({dir + "Sonstiges/2.wav", SprechenLines(talk, "[REKRUT_KEIN_ITEM]").at(0), j.voice, j.pitch, 155});
        }
    }
    jobs.push_back({"Data/Speak/Doktor/Sonstiges/3.wav", "Zeig mal her. Damit kann ich dir helfen.", "de+f2", 55, 155});
    jobs.push_back({"Data/Speak/Misc/0088.wav", "Das nehme ich gern.", "de+m1", 50, 155});

    // The squad: the conversation menu's questions and the answers in the close-up scenes.
    const auto& menu = SprechenLines(talk, "[CHAR_TEXTE]");
    const std::pair<int, std::string> squad[] = {
        {1, menu.at(0)}, {2, menu.at(1)}, {3, menu.at(2)}, {4, menu.at(3)}, {5, menu.at(4)},
        {6, menu.at(5)}, {7, menu.at(6)}, {9, menu.at(8)}, {10, menu.at(9)}, {11, menu.at(10)},
        {12, standard.at(79)}, {13, standard.at(80)}, {14, standard.at(86)}, {15, standard.at(83)},
    };
    for (const auto& [n, text] : squad) jobs.push_back({Numbered("Spieler", n), text, "de+m5", 45, 160});

    for (const TutorialLine& t : kTutorial) {
        if (t.files[1] == 0)
            jobs.push_back({Numbered("Tutorial", t.files[0]), standard.at(t.entries[0]) + " " + standard.at(t.entries[1]), "de+m6", 25, 145});
        else
            for (int k = 0; k < 2; ++k)
                jobs.push_back({Numbered("Tutorial", t.files[k]), standard.at(t.entries[k]), "de+m6", 25, 145});
    }
    jobs.push_back({Numbered("Anwerber", 175), standard.at(185), "de+m4", 40, 150});

    for (const auto& [path, wav] : Speak(jobs)) g.WriteFile(path, wav);
}

}  // namespace content
