#include "content/catalogue.h"

namespace content {

std::string Catalogue::LevelFile() const {
    std::string s = "[Load_Models]\n";
    for (const auto& [slot, m] : levelModels) s += m.mesh + " " + std::to_string(slot) + " " + m.texture + "\n";
    s += "\n[Load_Texturen]\n";
    for (const auto& [index, file] : texturen) s += file + " " + std::to_string(index) + "\n";
    s += "\n[Load_Energie]\n";
    for (const std::string& file : energie) s += file + "\n";
    return s;
}

std::string Catalogue::MeshFile() const {
    std::string s = "[Load_Models]\n";
    for (const auto& [slot, file] : meshes) s += file + " " + std::to_string(slot) + "\n";
    return s;
}

std::string Catalogue::BodenFile() const {
    std::string s = "[Load_Boden_Tiles]\n";
    for (const std::string& file : boden) s += file + "\n";
    return s;
}

std::string Catalogue::FigAnimsFile() const {
    std::string s = "[Load_Fig_Anim]\n";
    for (const std::string& file : figAnims) s += file + "\n";
    return s;
}

}  // namespace content
