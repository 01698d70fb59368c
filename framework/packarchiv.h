#pragma once
// Pack archives: ZIP files of stored members, walked by their local headers from the start.
#include <cstdint>
#include <memory>

// Finds the member `name` (letters compared without regard to case) in the pack, writes it as a
// file of exactly that name into the working directory and returns its bytes; `size` receives the
// member's size when given. Null, and no file written, when the pack or the member is missing, the
// member is compressed, encrypted or cut short, or the name could leave the working directory.
std::unique_ptr<uint8_t[]> EntpackeDatei(const char* pack, const char* name, uint32_t* size = nullptr);
