#include "world/figur.h"

int FreieFigur() {
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (Figuren[i].Aktiv == 0) return i;
    return -1;
}

int FigurMitId(int id) {
    if (id == KEINE_FIGUR) return -1;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (Figuren[i].Id == id) return i;
    return -1;
}
