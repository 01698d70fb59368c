#include "framework/texte.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/packarchiv.h"
#include "framework/setup.h"
#include "framework/tokendatei.h"
#include "platform/os.h"
#include "world/spielglobals.h"

char TextStandard[TEXTSTANDARD_ANZAHL][TEXT_LAENGE];
char SprechTexte[SPRECH_ABSCHNITTE][SPRECH_ZEILEN][TEXT_LAENGE];
int32_t ZufallZeilenZahl = 0;
char Mitwirkende[MITWIRKENDE_ANZAHL][TEXT_LAENGE];
char SpeicherSlotNamen[SPEICHERSLOTS][TEXT_LAENGE];

namespace {

// Word n of the file into entry n, for as many entries as the table has.
template <int Anzahl, int Laenge>
void LadeWortTabelle(TokenDatei& datei, char (&tabelle)[Anzahl][Laenge]) {
    std::string wort;
    for (int n = 0; n < Anzahl && datei.Wort(wort); ++n) KopiereWort(tabelle[n], Laenge, wort);
}

template <int Anzahl, int Laenge>
void LadeWortTabelle(const char* pfad, char (&tabelle)[Anzahl][Laenge]) {
    TokenDatei datei;
    if (datei.Oeffnen(pfad)) LadeWortTabelle(datei, tabelle);
}

const char* const SPRECH_MARKEN[SPRECH_ABSCHNITTE] = {
    "[CHAR_HALLO]", "[HALLO]", "[JOB_SOELDNER]", "[REKRUT_JA]", "[REKRUT_KEIN_ITEM]", "[ZUFALL]",
    "[KAMPF]", "[NEUES]", "[WO_BIN_ICH]", "[ORT]", "[FEIND]", "[JOB_TECHNIKER]", "[JOB_DOKTOR]",
    "[JOB_HAENDLER]", "[CHAR_TEXTE]", "[JOB_JAEGER]", "[JOB_SAMMLER]",
};

int SprechMarke(const std::string& wort) {
    for (int i = 0; i < SPRECH_ABSCHNITTE; ++i)
        if (wort == SPRECH_MARKEN[i]) return i;
    return -1;
}

}  // namespace

void LadeTextStandard(const char* datei) { LadeWortTabelle(datei, TextStandard); }

void LadeMitwirkende(const char* datei) { LadeWortTabelle(datei, Mitwirkende); }

void LadeNamen(const char* datei) {
    TokenDatei namen;
    if (!namen.Oeffnen(datei)) {
        os::MessageBox("Datei nicht gefunden!", datei);
        return;
    }
    LadeWortTabelle(namen, MaennerNamen);
}

void LadeSprechen(const char* datei) {
    TokenDatei texte;
    if (!texte.Oeffnen(datei)) return;
    int abschnitt = -1;
    int n = 0;
    std::string wort;
    while (texte.Wort(wort)) {
        // A marker opens its table from entry 0; an empty section simply stays empty.
        const int marke = SprechMarke(wort);
        if (marke >= 0) {
            abschnitt = marke;
            n = 0;
            continue;
        }
        if (abschnitt < 0 || n >= SPRECH_ZEILEN) continue;
        KopiereWort(SprechTexte[abschnitt][n], TEXT_LAENGE, wort);
        ++n;
        // Counts the filled lines, so a second [ZUFALL] or a second load never counts past them.
        if (abschnitt == SPRECH_ZUFALL && n > ZufallZeilenZahl) ZufallZeilenZahl = n;
    }
}

void LadeSpeicherSlotNamen(const char* datei) {
    std::vector<uint8_t> bytes;
    if (!os::ReadFile(datei, bytes)) return;
    const std::string text(bytes.begin(), bytes.end());
    size_t pos = 0;
    for (int slot = 0; slot < SPEICHERSLOTS && pos < text.size(); ++slot) {
        size_t ende = text.find('\n', pos);
        if (ende == std::string::npos) ende = text.size();
        KopiereWort(SpeicherSlotNamen[slot], TEXT_LAENGE, SlotNameAusZeile(text.substr(pos, ende - pos)));
        pos = ende + 1;
    }
}

std::string SlotNameAusZeile(std::string zeile) {
    // A name ends at a NUL byte, as it does in the slot table, so it reads the same after the next save.
    zeile.resize(std::min(zeile.size(), zeile.find('\0')));
    // Names hold no blanks; what surrounds them (a CR of a CR LF line end too) is not part of them.
    // The end is found after the cut to the table's length, so the name reads the same once saved.
    const size_t a = zeile.find_first_not_of(" \t\r");
    zeile = a == std::string::npos ? std::string() : zeile.substr(a, TEXT_LAENGE - 1);
    zeile.resize(zeile.find_last_not_of(" \t\r") + 1);
    return zeile;
}

bool SchreibeSpeicherSlotNamen(const char* datei) {
    std::string text;
    for (const char* name : SpeicherSlotNamen) {
        text += std::string(name, strnlen(name, TEXT_LAENGE));
        text += "\r\n";
    }
    return os::WriteFileAtomic(datei, text.data(), text.size());
}

const char* TextPack() {
    switch (Sprache) {
    case 0: return "Data/Pack14.gzp";
    case 1: return "Data/Pack19.gzp";
    case 2: return "Data/Pack20.gzp";
    default: return nullptr;
    }
}

void LadeTextStandardAusPack() {
    const char* pack = TextPack();
    if (pack) LadeAusPack(pack, "Text_Standard.txt", [] { LadeTextStandard("Text_Standard.txt"); });
}
