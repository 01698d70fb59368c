// The text tables of each language: "Text_Standard.txt", "Sprechen.txt", "namen_m.txt" and
// "mitwirkende.txt", one word per entry, in Pack14 (German), Pack19 (German) and Pack20 (Russian).
#include "content/texts.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "content/canvas.h"
#include "content/fonts.h"
#include "content/generator.h"

namespace content {

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

std::map<int, std::string> LoadTextStandard(const std::string& path) {
    std::map<int, std::string> t;
    for (const std::string& line : ReadLines(path)) {
        if (line.empty()) continue;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) throw std::runtime_error("no tab in: " + line);
        t[std::stoi(line.substr(0, tab))] = line.substr(tab + 1);
    }
    int expect = 0;
    for (const auto& [n, text] : t) {
        if (n != expect++) throw std::runtime_error(path + ": entry " + std::to_string(expect - 1) + " missing");
        if (text.empty()) throw std::runtime_error(path + ": entry " + std::to_string(n) + " is empty");
    }
    return t;
}

std::vector<std::pair<std::string, std::vector<std::string>>> LoadSprechen(const std::string& path) {
    std::vector<std::pair<std::string, std::vector<std::string>>> s;
    for (const std::string& line : ReadLines(path)) {
        if (line.empty()) continue;
        if (line.front() == '[') s.push_back({line, {}});
        else if (s.empty()) throw std::runtime_error(path + ": text before the first section");
        else s.back().second.push_back(line);
    }
    return s;
}

const std::vector<std::string>& SprechenLines(const std::vector<std::pair<std::string, std::vector<std::string>>>& s,
                                              const std::string& marker) {
    for (const auto& [m, lines] : s)
        if (m == marker) return lines;
    throw std::runtime_error("section missing: " + marker);
}

std::vector<std::string> LoadNames(const std::string& path) {
    std::vector<std::string> names;
    for (const std::string& line : ReadLines(path)) {
        std::stringstream ss(line);
        for (std::string w; ss >> w;) names.push_back(w);
    }
    return names;
}

std::string ToCyrillic(const std::string& latin) {
    // Longest spellings first; German sounds as a Russian reader would say them.
    static const std::pair<const char*, const char*> rules[] = {
        {"sch", "ш"}, {"tsch", "ч"}, {"ch", "х"}, {"ck", "к"}, {"ei", "ай"}, {"eu", "ой"}, {"ie", "и"}, {"tz", "ц"},
        {"jü", "ю"}, {"ph", "ф"}, {"qu", "кв"}, {"th", "т"}, {"ya", "я"}, {"yu", "ю"}, {"ja", "я"}, {"jo", "йо"}, {"ju", "ю"},
        {"ä", "э"}, {"ö", "ё"}, {"ü", "ю"}, {"a", "а"}, {"b", "б"}, {"c", "к"}, {"d", "д"}, {"e", "е"}, {"f", "ф"},
        {"g", "г"}, {"h", "х"}, {"i", "и"}, {"j", "й"}, {"k", "к"}, {"l", "л"}, {"m", "м"}, {"n", "н"}, {"o", "о"},
        {"p", "п"}, {"q", "к"}, {"r", "р"}, {"s", "с"}, {"t", "т"}, {"u", "у"}, {"v", "в"}, {"w", "в"}, {"x", "кс"},
        {"y", "и"}, {"z", "ц"},
    };
    std::string lower;
    std::vector<bool> capital;
    for (size_t i = 0; i < latin.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(latin[i]);
        if (c >= 'A' && c <= 'Z') lower.push_back(char(c + 32)), capital.push_back(true);
        else if (latin.compare(i, 2, "Ä") == 0 || latin.compare(i, 2, "Ö") == 0 || latin.compare(i, 2, "Ü") == 0) {
            lower += latin[i + 1] == "Ä"[1] ? "ä" : latin[i + 1] == "Ö"[1] ? "ö" : "ü";
            capital.push_back(true), capital.push_back(false);
            ++i;
        } else lower.push_back(char(c)), capital.push_back(false);
    }
    std::string out;
    bool first = true;
    for (size_t i = 0; i < lower.size();) {
        bool matched = false;
        for (const auto& [from, to] : rules) {
            const size_t n = std::string(from).size();
            if (lower.compare(i, n, from) == 0) {
                std::string part = to;
                if (first || capital[i]) {  // capitalise the first letter
                    std::u32string u = Utf8ToU32(part);
                    if (u[0] >= U'а' && u[0] <= U'я') u[0] = u[0] - 0x20;
                    else if (u[0] == U'ё') u[0] = U'Ё';
                    part.clear();
                    for (char32_t cp : u) {
                        if (cp < 0x80) part.push_back(char(cp));
                        else part.push_back(char(0xC0 | (cp >> 6))), part.push_back(char(0x80 | (cp & 0x3F)));
                    }
                }
                out += part;
                i += n;
                first = false;
                matched = true;
                break;
            }
        }
        if (!matched) out.push_back(lower[i++]);
    }
    return out;
}

void MakeTexts(Generator& g) {
    struct Language {
        const char* pack;
        bool cyrillic;
        const char* suffix;
    };
    const Language languages[] = {{"Pack14.gzp", false, "de"}, {"Pack19.gzp", false, "de"}, {"Pack20.gzp", true, "ru"}};
    const std::vector<std::string> names = LoadNames(g.dataDir + "/namen.txt");
    if (names.size() < 250) throw std::runtime_error("namen.txt: at least 250 names needed");
    for (const Language& lang : languages) {
        PackWriter& pack = g.Pack(lang.pack);
        const std::string suffix = lang.suffix;

        std::string standard;
        for (const auto& [n, text] : LoadTextStandard(g.dataDir + "/text_standard_" + suffix + ".txt"))
            standard += EncodeEntry(text, lang.cyrillic) + "\n";
        pack.Add("Text_Standard.txt", standard);

        std::string sprechen;
        for (const auto& [marker, lines] : LoadSprechen(g.dataDir + "/sprechen_" + suffix + ".txt")) {
            sprechen += marker + "\n";
            for (const std::string& line : lines) sprechen += EncodeEntry(line, lang.cyrillic) + "\n";
        }
        pack.Add("Sprechen.txt", sprechen);

        std::string namen;
        for (const std::string& name : names) {
            const std::string entry = EncodeEntry(lang.cyrillic ? ToCyrillic(name) : name, lang.cyrillic);
            if (entry.size() > 19) throw std::runtime_error("name longer than 19 letters: " + name);
            namen += entry + "\n";
        }
        pack.Add("namen_m.txt", namen);

        std::string credits;
        std::ifstream in(g.dataDir + "/" + (lang.cyrillic ? "mitwirkende_ru.txt" : "mitwirkende.txt"));
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line[0] == '#') continue;
            if (!line.empty() && line[0] == '=') line = line.substr(1);
            credits += (line.empty() ? std::string("_") : EncodeEntry(line, lang.cyrillic)) + "\n";
        }
        pack.Add("mitwirkende.txt", credits);
    }
}

}  // namespace content
