#include "framework/dateinamen.h"

bool IstSichererDateiname(const std::string& name)
{
    // 255 bytes is the longest name a pack member or a table entry can hold.
    if (name.empty() || name.size() > 255 || name == "." || name.find("..") != std::string::npos) return false;
    for (const char c : name)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}
