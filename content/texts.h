#pragma once
// The authored text sources (content/data/) as the generator reads them.
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace content {

// "Text_Standard" source: entry number -> text (UTF-8, "|" for a line break).
std::map<int, std::string> LoadTextStandard(const std::string& path);
// "Sprechen" source: the sections in file order, each with its lines.
std::vector<std::pair<std::string, std::vector<std::string>>> LoadSprechen(const std::string& path);
const std::vector<std::string>& SprechenLines(const std::vector<std::pair<std::string, std::vector<std::string>>>& s,
                                              const std::string& marker);
std::vector<std::string> LoadNames(const std::string& path);
// Latin letters to Cyrillic ones, for the names of the Russian tables.
std::string ToCyrillic(const std::string& latin);

}  // namespace content
