#pragma once
// Spoken lines through espeak-ng.
#include <map>
#include <string>
#include <vector>

namespace content {

struct SpeechJob {
    std::string path;   // where the WAV goes (a key for the caller)
    std::string text;   // UTF-8
    std::string voice;  // espeak-ng voice, e.g. "de+m3"
    int pitch;          // 0..99
    int speed;          // words a minute
};

// Speaks every job (several at once) and returns the WAV bytes by job path.
std::map<std::string, std::vector<uint8_t>> Speak(const std::vector<SpeechJob>& jobs);

// The name a townsperson says in "Ort/<town>.wav": the file goes by the town's index, the name
// shown beside it by the town record's name index, so both take the name of that index.
std::string SpokenTownName(const std::vector<std::string>& ortLines, int town);

}  // namespace content
