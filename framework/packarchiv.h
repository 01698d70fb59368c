#pragma once
// Pack archives: ZIP files of stored members, walked by their local headers from the start.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Finds the member `name` (letters compared without regard to case) in the pack, writes it as a
// file of exactly that name into the working directory and returns its bytes; `size` receives the
// member's size when given. Null, and no file written, when the pack or the member is missing, the
// member is compressed, encrypted or cut short, or the name could leave the working directory.
std::unique_ptr<uint8_t[]> EntpackeDatei(const char* pack, const char* name, uint32_t* size = nullptr);

// Whether the file can be read as a pack: it opens and begins with a ZIP record (a member, or the
// directory of an empty pack).
bool IstLesbaresPack(const char* pack);

// The same member's bytes, read without writing any file. False as above.
bool LiesPackEintrag(const char* pack, const char* name, std::vector<uint8_t>& daten);

// Several members' bytes in one pass over the pack, each as LiesPackEintrag finds it (empty where
// that fails). It keeps no lists beyond the call and touches no global, so a worker thread may call it.
std::vector<std::optional<std::vector<uint8_t>>> LiesPackEintraege(const char* pack,
                                                                     const std::vector<std::string>& namen);

// While one lives, each pack's members are listed once, on the first look-up in it, instead of
// walking the pack again for every member (the loading sequence looks up hundreds in one pack).
// The packs must not change meanwhile. Nested ones share the lists; the last one forgets them.
class PackVerzeichnisse {
public:
    PackVerzeichnisse();
    ~PackVerzeichnisse();
    PackVerzeichnisse(const PackVerzeichnisse&) = delete;
    PackVerzeichnisse& operator=(const PackVerzeichnisse&) = delete;
};

// Unpacks a member for a loader that reads it at once, runs the loader and forgets the member again.
// The member is held in memory under its name (see os::PutMemoryFile), so no file is written and
// deleted, and a file of that name in the working directory is neither read nor touched. False, and
// the loader does not run, when the member cannot be unpacked.
bool LadeAusPack(const char* pack, const std::string& datei, const std::function<void()>& lader);
// The same for the list loaders: a member missing from its pack, or a name that could leave the
// working directory (never unpacked), still goes to the loader, which reports it as missing.
void MitEntpackterDatei(const char* pack, const std::string& datei, const std::function<void()>& lader);
