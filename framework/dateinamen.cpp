#include "framework/dateinamen.h"

bool IstSichererDateiname(const std::string& name)
{
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}
