#pragma once
// The state of one run of the data generator: the packs being filled, the list-file catalogue and
// the output folder. Each part of the data set is one function that adds to it.
#include <map>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "content/pack_writer.h"

namespace content {

struct Generator {
    std::string outDir;   // the game's working directory (build/game)
    std::string dataDir;  // the authored sources (content/data)
    std::map<std::string, PackWriter> packs;  // by file name under Data/, e.g. "Pack3.gzp"
    Catalogue catalogue;
    std::string itemsList[3];  // "Items.txt" by language
    std::vector<std::string> log;

    PackWriter& Pack(const std::string& name) { return packs[name]; }
    // A file outside the packs, relative to outDir; folders are made as needed.
    void WriteFile(const std::string& relPath, const std::vector<uint8_t>& data);
    void WriteFile(const std::string& relPath, const std::string& text);
    // Player files: written only when missing, never replaced.
    void WriteFileIfMissing(const std::string& relPath, const std::string& text);
    void WritePacks();
};

// The parts of the data set, in the order the generator runs them.
void MakeArt(Generator& g);        // level textures (Pack3), energy rings (Pack4)
void MakeFonts(Generator& g);      // glyph images (Pack5-8, Pack5r-8r)
void MakeItems(Generator& g);      // icons (Pack1), item meshes (Pack9, Pack10), Items.txt
void MakeFloor(Generator& g);      // floor tiles (Pack2) and the fixed placeholder meshes
void MakeTexts(Generator& g);      // text tables (Pack14, Pack19, Pack20)
void MakeCursors(Generator& g);    // Pack15 and cursor.cur
void MakeSounds(Generator& g);     // effects and music (Pack13)
void MakeSpeech(Generator& g);     // Data/Speak/...
void MakeIntro(Generator& g);      // Data/Intro.avi
void MakeSettings(Generator& g);   // Data/Setup.txt and save/save.dat, when missing
void MakeFigures(Generator& g);    // the body-part meshes of every animation frame (Pack12)
void MakeObjects(Generator& g);    // town objects, plants, close-up sets, rain drop, blood (Pack9, Pack10)
void MakeTowns(Generator& g);      // town maps and state templates (Data/Towns, Data/Player_Data), pictures
void MakeListFiles(Generator& g);  // the nine list files per language (Pack16-18), last

}  // namespace content
