#pragma once
// The text tables: every entry is one word of its file ("_" shows as a blank, "@" breaks the
// line). Words longer than an entry are cut; words beyond a table's size are ignored.
#include <cstdint>
#include <string>

constexpr int TEXT_LAENGE = 255;  // bytes of an entry, the terminating 0 included
constexpr int TEXTSTANDARD_ANZAHL = 1000;
constexpr int MITWIRKENDE_ANZAHL = 1000;
constexpr int SPRECH_ABSCHNITTE = 17;
constexpr int SPRECH_ZEILEN = 100;
constexpr int SPEICHERSLOTS = 20;

// The sections of "Sprechen.txt", in the order their markers are tested.
enum SprechAbschnitt {
    SPRECH_CHAR_HALLO,
    SPRECH_HALLO,
    SPRECH_JOB_SOELDNER,
    SPRECH_REKRUT_JA,
    SPRECH_REKRUT_KEIN_ITEM,
    SPRECH_ZUFALL,
    SPRECH_KAMPF,
    SPRECH_NEUES,
    SPRECH_WO_BIN_ICH,
    SPRECH_ORT,
    SPRECH_FEIND,
    SPRECH_JOB_TECHNIKER,
    SPRECH_JOB_DOKTOR,
    SPRECH_JOB_HAENDLER,
    SPRECH_CHAR_TEXTE,
    SPRECH_JOB_JAEGER,
    SPRECH_JOB_SAMMLER,
};

extern char TextStandard[TEXTSTANDARD_ANZAHL][TEXT_LAENGE];
extern char SprechTexte[SPRECH_ABSCHNITTE][SPRECH_ZEILEN][TEXT_LAENGE];
inline char (&StadtNamen)[SPRECH_ZEILEN][TEXT_LAENGE] = SprechTexte[SPRECH_ORT];
extern int32_t ZufallZeilenZahl;  // lines filled in [ZUFALL], at most 100
extern char Mitwirkende[MITWIRKENDE_ANZAHL][TEXT_LAENGE];
extern char SpeicherSlotNamen[SPEICHERSLOTS][TEXT_LAENGE];
// MaennerNamen lives in the game globals (world/spielglobals.h).

void LadeTextStandard(const char* datei);
// The pack holding the text tables of the language Sprache (0, 1, 2); nullptr for any other.
const char* TextPack();
// Unpacks "Text_Standard.txt" from the language's pack, reads it into TextStandard and deletes the
// unpacked file again. Nothing changes when the language has no pack or the member is missing.
void LadeTextStandardAusPack();
void LadeSprechen(const char* datei);
void LadeNamen(const char* datei);  // a missing file is reported: "Datei nicht gefunden!"
void LadeMitwirkende(const char* datei);

// "save/save.dat": one slot name a line, an empty line an empty slot, so every name stays with
// its slot. Lines past the file's end leave their slots as they were.
void LadeSpeicherSlotNamen(const char* datei);
// The slot name a line holds: up to a NUL byte, without the blanks and line end around it, cut to
// the table's length.
std::string SlotNameAusZeile(std::string zeile);
// Writes the 20 names, one a line ended by CR LF; false when the file could not be written.
bool SchreibeSpeicherSlotNamen(const char* datei);
