#include "framework/widepath.h"

#include <cstdint>
#include <cstring>

std::string Utf8Pfad(const wchar_t* pfad) {
    std::string out;
    for (; pfad && *pfad; ++pfad) {
        uint32_t c = uint32_t(*pfad);
        if (c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) c = 0xFFFD;  // not a character
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::wstring Breit(const char* name) { return std::wstring(name, name + std::strlen(name)); }
