#pragma once
// Floating texts (a level gained) and numbers (damage dealt) that rise over a figure. The combat
// and the crafting panel fill a free slot; the town view draws and frees them.
#include <cstdint>

struct SchwebeText {
    int32_t FigurId;
    uint8_t Aktiv;  // 1 = in use
    float Hoehe;
    float VersatzX;
};

struct SchwebeZahl {
    int32_t FigurId;
    int32_t Wert;  // > 0 = in use
    float Hoehe;
    float VersatzX;
};

inline SchwebeText SchwebeTexte[10];
inline SchwebeZahl SchwebeZahlen[99];

// Frees every floating text and number: a new game, a load and a journey start with none.
inline void LoescheSchwebeAnzeigen()
{
    for (SchwebeText& t : SchwebeTexte) t = {};
    for (SchwebeZahl& z : SchwebeZahlen) z = {};
}
