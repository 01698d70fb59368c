#pragma once
// The entries of the list files, collected while the data is made: each step registers what it
// put into the packs, and the list files are written from this at the end. A later entry for the
// same slot or index replaces an earlier one, so a placeholder can be swapped for the real model.
#include <map>
#include <string>
#include <vector>

namespace content {

struct ModelEntry {
    std::string mesh;     // X file in Pack9
    std::string texture;  // texture in Pack11, or "NULL"
};

struct Catalogue {
    std::map<int, ModelEntry> levelModels;  // "Level001.txt" [Load_Models]: mesh slot -> model
    std::map<int, std::string> meshes;      // "s_Mesh.txt": mesh slot -> X file in Pack9
    std::map<int, std::string> texturen;    // "Level001.txt" [Load_Texturen]: index -> file in Pack3
    std::vector<std::string> energie;       // "Level001.txt" [Load_Energie]: files in Pack4, in order
    std::vector<std::string> boden;         // "Boden.txt": files in Pack2, in order
    std::vector<std::string> figAnims;      // "Fig_Anims.txt": files in Pack12, slot 2000 + n

    std::string LevelFile() const;
    std::string MeshFile() const;
    std::string BodenFile() const;
    std::string FigAnimsFile() const;
};

}  // namespace content
