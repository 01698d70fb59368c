// The token reader: words, whole and decimal numbers in any order the input chooses. A value read is
// the whole word as written: a word with a NUL byte is neither a word nor a number, junk is no number.
#include <cstring>
#include <string>

#include "framework/tokendatei.h"
#include "fuzz_hilfe.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse == 0) return 0;
    const uint8_t folge = daten[0];
    const std::string text(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    TokenDatei t, woerter;  // woerter reads the same words as t, as words
    t.Setze(text);
    woerter.Setze(text);
    int32_t ganz = 0;
    float komma = 0;
    char eintrag[20];
    for (int i = 0; i < 4096; ++i) {
        const int art = (folge >> (2 * (i % 4))) & 3;
        std::string wort;
        const bool gibtWort = woerter.Wort(wort);
        if (art == 0) {
            if (!t.Wort(wort)) break;
            if (wort.find('\0') != std::string::npos) __builtin_trap();  // it would be used as its part before the NUL
            KopiereWort(eintrag, sizeof eintrag, wort);
            if (std::strncmp(eintrag, wort.c_str(), sizeof eintrag - 1) != 0) __builtin_trap();
            continue;
        }
        const bool zahl = art == 1 ? t.Ganzzahl(ganz) : t.Kommazahl(komma);
        if (!zahl) break;
        if (!gibtWort || wort.find('\0') != std::string::npos) __builtin_trap();  // junk read as a number
        if (art == 1 && wort.find_first_not_of("+-0123456789") != std::string::npos) __builtin_trap();
    }
    return 0;
}
