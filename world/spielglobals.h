#pragma once
// The block of game globals that a save writes and reads whole (the first block of "global.dat").
// Every named word sits at its file offset; the bytes between them travel unchanged. Handles are
// 32-bit words, never pointers: the live objects sit in unsaved tables.
// Each field is also reachable by its plain name (`SpielModus = 3000;`).
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "framework/camera.h"
#include "world/itemslot.h"

constexpr int ITEM_PLAETZE = 500;      // places of the item tables, ids 1000..1499
constexpr int MAENNERNAMEN_ANZAHL = 600;

// The settings block: the values of "Data/Setup.txt" that travel with a save.
struct SetupBlock {
    int32_t FILTER;
    int32_t FILTER_2D;
    int32_t SHADOW;
    int32_t SHADOW_ENTITY;
    int32_t SHADOW_ITEM;
    int32_t SHADOW_OBJEKT;
    int32_t SHADOW_VEGETATION;
    int32_t reserved7;  // a word with no key
    int32_t ANIM_SPEED;
    int32_t VEGETATION;
    int32_t PARTIKEL;
    int32_t BUFFER;
    int32_t COLOR;
    int32_t CLOUDS;
    int32_t FOG;
    int32_t DETAILMAP;
    int32_t SOUND;
    int32_t EINHEIT_ANTWORTET;
    int32_t SOUND_VOLUME;          // hundredths of a decibel
    int32_t SOUND_VOLUME_SPRACHE;  // the configured music volume
    int32_t MUSIC;
    float FRAMERATE;               // minimum frame time in seconds
};
static_assert(sizeof(SetupBlock) == 88);
static_assert(offsetof(SetupBlock, FILTER) == 0);
static_assert(offsetof(SetupBlock, FILTER_2D) == 4);
static_assert(offsetof(SetupBlock, SHADOW) == 8);
static_assert(offsetof(SetupBlock, SHADOW_ENTITY) == 12);
static_assert(offsetof(SetupBlock, SHADOW_ITEM) == 16);
static_assert(offsetof(SetupBlock, SHADOW_OBJEKT) == 20);
static_assert(offsetof(SetupBlock, SHADOW_VEGETATION) == 24);
static_assert(offsetof(SetupBlock, reserved7) == 28);
static_assert(offsetof(SetupBlock, ANIM_SPEED) == 32);
static_assert(offsetof(SetupBlock, VEGETATION) == 36);
static_assert(offsetof(SetupBlock, PARTIKEL) == 40);
static_assert(offsetof(SetupBlock, BUFFER) == 44);
static_assert(offsetof(SetupBlock, COLOR) == 48);
static_assert(offsetof(SetupBlock, CLOUDS) == 52);
static_assert(offsetof(SetupBlock, FOG) == 56);
static_assert(offsetof(SetupBlock, DETAILMAP) == 60);
static_assert(offsetof(SetupBlock, SOUND) == 64);
static_assert(offsetof(SetupBlock, EINHEIT_ANTWORTET) == 68);
static_assert(offsetof(SetupBlock, SOUND_VOLUME) == 72);
static_assert(offsetof(SetupBlock, SOUND_VOLUME_SPRACHE) == 76);
static_assert(offsetof(SetupBlock, MUSIC) == 80);
static_assert(offsetof(SetupBlock, FRAMERATE) == 84);

struct SpielGlobalsBlock {
    int32_t SORT_SPEED;                 // 0: frames between depth sorts of the town objects
    int32_t FeindArmeePosition[2];      // 4: column, row; (0, 0) = no army
    int32_t MusikTrack;                 // 12
    uint8_t SonderOrt;                  // 16
    uint8_t reserved17[3];
    int32_t LetzterWParam;              // 20
    uint32_t FensterHandle;             // 24: handle word, never a pointer
    uint32_t InstanzHandle;             // 28: handle word, never a pointer
    uint8_t BeendenFlag;                // 32
    uint8_t reserved33[3];
    int32_t FensterAktiv;               // 36
    Camera Cam;                         // 40: eye, target, up
    uint8_t MenueAusStadt;              // 76
    uint8_t reserved77[3];
    int32_t SpielEnde;                  // 80: 0 playing, 1 end panel, 2 playing on
    uint8_t reserved84[8];
    int32_t FeindStaerke;               // 92
    int32_t HudSchieber[4];             // 96
    int32_t MenueZaehler[5];            // 112
    int32_t SzenenSchieber[3];          // 132
    int32_t MenueSeitenVersatz;         // 144: the menu page slide
    uint8_t reserved148[8];
    int32_t RezeptScroll;               // 156
    int32_t RezeptWahl;                 // 160
    int32_t TagZaehler;                 // 164
    uint8_t TagRichtung;                // 168
    uint8_t reserved169[3];
    int32_t CursorIndex;                // 172
    uint8_t reserved176;
    uint8_t RegenAktiv;                 // 177
    uint8_t MausLinksGedrueckt;         // 178
    uint8_t MausLinksDoppelklick;       // 179
    uint8_t MausRechtsGedrueckt;        // 180
    uint8_t MausRechtsDoppelklick;      // 181
    uint8_t MausLinksLosgelassen;       // 182
    uint8_t MausRechtsLosgelassen;      // 183
    uint8_t MausMitteDrehen;            // 184
    uint8_t reserved185[3];
    int32_t CursorItem;                 // 188
    int32_t CursorItemAnzahl;           // 192 (low byte used)
    uint8_t reserved196[8];
    int32_t BefehlsModus;               // 204
    int32_t InteraktionsModus;          // 208
    int32_t SzenenFeld[2];              // 212
    int32_t Schwierigkeitsgrad;         // 220
    int32_t LinkesPanelVersatz;         // 224
    int32_t ItemWerte[ITEM_PLAETZE];    // 228: by item id - 1000
    uint8_t reserved2228[4];
    int32_t HaendlerId;                 // 2232
    int32_t EintretendeFigur;           // 2236
    float SzenenSumme;                  // 2240
    float VorratsPool;                  // 2244
    ItemSlot HandelsSlots[12];          // 2248: the trader's side of the trade table
    union {                             // 2296
        ItemSlot AngebotSlot;           // offer slot of the eat, drink and doctor scenes ...
        ItemSlot TauschSlotsTrupp[12];  // ... is the first slot of the squad's side of the trade
    };
    uint8_t AuswahlRahmenAktiv;         // 2344
    uint8_t reserved2345[3];
    int32_t AuswahlRahmenStart[2];      // 2348
    char MaennerNamen[MAENNERNAMEN_ANZAHL][20];  // 2356
    char SpielerName[56];               // 14356
    int32_t AuswahlSlots[7];            // 14412: figure ids, 32000 = empty
    int32_t AuswahlIndex;               // 14440
    int32_t AktuelleStadt;              // 14444
    int32_t SpielModus;                 // 14448
    int32_t VerseuchungsTakt;           // 14452
    uint32_t ItemIcons[ITEM_PLAETZE];   // 14456: texture handles by item id - 1000
    char ItemNamen[ITEM_PLAETZE][256];  // 16456
    char ItemTexte[ITEM_PLAETZE][256];  // 144456
    int32_t GespraechsPartner;          // 272456: figure id, 0 = none
    int32_t GespraechsFigur;            // 272460
    int32_t SprachVariante;             // 272464
    int32_t GespraechsThema;            // 272468
    float KameraKopie[6];               // 272472: eye and target
    int32_t KartenVersatz[2];           // 272496
    float MusikLautstaerke;             // 272504: the current music volume
    uint8_t reserved272508[4];
    SetupBlock SetupWerte;              // 272512
};

#define VELQUOR_OFFSET(field, at) static_assert(offsetof(SpielGlobalsBlock, field) == (at))
static_assert(sizeof(SpielGlobalsBlock) == 272600);
VELQUOR_OFFSET(SORT_SPEED, 0);
VELQUOR_OFFSET(FeindArmeePosition, 4);
VELQUOR_OFFSET(MusikTrack, 12);
VELQUOR_OFFSET(SonderOrt, 16);
VELQUOR_OFFSET(LetzterWParam, 20);
VELQUOR_OFFSET(FensterHandle, 24);
VELQUOR_OFFSET(InstanzHandle, 28);
VELQUOR_OFFSET(BeendenFlag, 32);
VELQUOR_OFFSET(FensterAktiv, 36);
VELQUOR_OFFSET(Cam, 40);
VELQUOR_OFFSET(MenueAusStadt, 76);
VELQUOR_OFFSET(SpielEnde, 80);
VELQUOR_OFFSET(reserved84, 84);
VELQUOR_OFFSET(FeindStaerke, 92);
VELQUOR_OFFSET(HudSchieber, 96);
VELQUOR_OFFSET(MenueZaehler, 112);
VELQUOR_OFFSET(SzenenSchieber, 132);
VELQUOR_OFFSET(MenueSeitenVersatz, 144);
VELQUOR_OFFSET(reserved148, 148);
VELQUOR_OFFSET(RezeptScroll, 156);
VELQUOR_OFFSET(RezeptWahl, 160);
VELQUOR_OFFSET(TagZaehler, 164);
VELQUOR_OFFSET(TagRichtung, 168);
VELQUOR_OFFSET(CursorIndex, 172);
VELQUOR_OFFSET(reserved176, 176);
VELQUOR_OFFSET(RegenAktiv, 177);
VELQUOR_OFFSET(MausLinksGedrueckt, 178);
VELQUOR_OFFSET(MausLinksDoppelklick, 179);
VELQUOR_OFFSET(MausRechtsGedrueckt, 180);
VELQUOR_OFFSET(MausRechtsDoppelklick, 181);
VELQUOR_OFFSET(MausLinksLosgelassen, 182);
VELQUOR_OFFSET(MausRechtsLosgelassen, 183);
VELQUOR_OFFSET(MausMitteDrehen, 184);
VELQUOR_OFFSET(CursorItem, 188);
VELQUOR_OFFSET(CursorItemAnzahl, 192);
VELQUOR_OFFSET(reserved196, 196);
VELQUOR_OFFSET(BefehlsModus, 204);
VELQUOR_OFFSET(InteraktionsModus, 208);
VELQUOR_OFFSET(SzenenFeld, 212);
VELQUOR_OFFSET(Schwierigkeitsgrad, 220);
VELQUOR_OFFSET(LinkesPanelVersatz, 224);
VELQUOR_OFFSET(ItemWerte, 228);
VELQUOR_OFFSET(reserved2228, 2228);
VELQUOR_OFFSET(HaendlerId, 2232);
VELQUOR_OFFSET(EintretendeFigur, 2236);
VELQUOR_OFFSET(SzenenSumme, 2240);
VELQUOR_OFFSET(VorratsPool, 2244);
VELQUOR_OFFSET(HandelsSlots, 2248);
VELQUOR_OFFSET(AngebotSlot, 2296);
VELQUOR_OFFSET(TauschSlotsTrupp, 2296);
VELQUOR_OFFSET(AuswahlRahmenAktiv, 2344);
VELQUOR_OFFSET(AuswahlRahmenStart, 2348);
VELQUOR_OFFSET(MaennerNamen, 2356);
VELQUOR_OFFSET(SpielerName, 14356);
VELQUOR_OFFSET(AuswahlSlots, 14412);
VELQUOR_OFFSET(AuswahlIndex, 14440);
VELQUOR_OFFSET(AktuelleStadt, 14444);
VELQUOR_OFFSET(SpielModus, 14448);
VELQUOR_OFFSET(VerseuchungsTakt, 14452);
VELQUOR_OFFSET(ItemIcons, 14456);
VELQUOR_OFFSET(ItemNamen, 16456);
VELQUOR_OFFSET(ItemTexte, 144456);
VELQUOR_OFFSET(GespraechsPartner, 272456);
VELQUOR_OFFSET(GespraechsFigur, 272460);
VELQUOR_OFFSET(SprachVariante, 272464);
VELQUOR_OFFSET(GespraechsThema, 272468);
VELQUOR_OFFSET(KameraKopie, 272472);
VELQUOR_OFFSET(KartenVersatz, 272496);
VELQUOR_OFFSET(MusikLautstaerke, 272504);
VELQUOR_OFFSET(reserved272508, 272508);
VELQUOR_OFFSET(SetupWerte, 272512);
#undef VELQUOR_OFFSET
static_assert(std::is_trivially_copyable_v<SpielGlobalsBlock> && std::is_standard_layout_v<SpielGlobalsBlock>);

extern SpielGlobalsBlock SpielGlobals;

// Plain names of the fields: `SpielModus = 3000;` writes SpielGlobals.SpielModus.
inline int32_t& SORT_SPEED = SpielGlobals.SORT_SPEED;
inline int32_t (&FeindArmeePosition)[2] = SpielGlobals.FeindArmeePosition;
inline int32_t& MusikTrack = SpielGlobals.MusikTrack;
inline uint8_t& SonderOrt = SpielGlobals.SonderOrt;
inline int32_t& LetzterWParam = SpielGlobals.LetzterWParam;
inline uint32_t& FensterHandle = SpielGlobals.FensterHandle;
inline uint32_t& InstanzHandle = SpielGlobals.InstanzHandle;
inline uint8_t& BeendenFlag = SpielGlobals.BeendenFlag;
inline int32_t& FensterAktiv = SpielGlobals.FensterAktiv;
inline Camera& Cam = SpielGlobals.Cam;
inline uint8_t& MenueAusStadt = SpielGlobals.MenueAusStadt;
inline int32_t& SpielEnde = SpielGlobals.SpielEnde;
inline int32_t& FeindStaerke = SpielGlobals.FeindStaerke;
inline int32_t (&HudSchieber)[4] = SpielGlobals.HudSchieber;
inline int32_t (&MenueZaehler)[5] = SpielGlobals.MenueZaehler;
inline int32_t (&SzenenSchieber)[3] = SpielGlobals.SzenenSchieber;
inline int32_t& MenueSeitenVersatz = SpielGlobals.MenueSeitenVersatz;
inline int32_t& RezeptScroll = SpielGlobals.RezeptScroll;
inline int32_t& RezeptWahl = SpielGlobals.RezeptWahl;
inline int32_t& TagZaehler = SpielGlobals.TagZaehler;
inline uint8_t& TagRichtung = SpielGlobals.TagRichtung;
inline int32_t& CursorIndex = SpielGlobals.CursorIndex;
inline uint8_t& RegenAktiv = SpielGlobals.RegenAktiv;
inline uint8_t& MausLinksGedrueckt = SpielGlobals.MausLinksGedrueckt;
inline uint8_t& MausLinksDoppelklick = SpielGlobals.MausLinksDoppelklick;
inline uint8_t& MausRechtsGedrueckt = SpielGlobals.MausRechtsGedrueckt;
inline uint8_t& MausRechtsDoppelklick = SpielGlobals.MausRechtsDoppelklick;
inline uint8_t& MausLinksLosgelassen = SpielGlobals.MausLinksLosgelassen;
inline uint8_t& MausRechtsLosgelassen = SpielGlobals.MausRechtsLosgelassen;
inline uint8_t& MausMitteDrehen = SpielGlobals.MausMitteDrehen;
inline int32_t& CursorItem = SpielGlobals.CursorItem;
inline int32_t& CursorItemAnzahl = SpielGlobals.CursorItemAnzahl;
inline int32_t& BefehlsModus = SpielGlobals.BefehlsModus;
inline int32_t& InteraktionsModus = SpielGlobals.InteraktionsModus;
inline int32_t (&SzenenFeld)[2] = SpielGlobals.SzenenFeld;
inline int32_t& Schwierigkeitsgrad = SpielGlobals.Schwierigkeitsgrad;
inline int32_t& LinkesPanelVersatz = SpielGlobals.LinkesPanelVersatz;
inline int32_t (&ItemWerte)[ITEM_PLAETZE] = SpielGlobals.ItemWerte;
inline int32_t& HaendlerId = SpielGlobals.HaendlerId;
inline int32_t& EintretendeFigur = SpielGlobals.EintretendeFigur;
inline float& SzenenSumme = SpielGlobals.SzenenSumme;
inline float& VorratsPool = SpielGlobals.VorratsPool;
inline ItemSlot (&HandelsSlots)[12] = SpielGlobals.HandelsSlots;
inline ItemSlot& AngebotSlot = SpielGlobals.AngebotSlot;
inline ItemSlot (&TauschSlotsTrupp)[12] = SpielGlobals.TauschSlotsTrupp;
inline uint8_t& AuswahlRahmenAktiv = SpielGlobals.AuswahlRahmenAktiv;
inline int32_t (&AuswahlRahmenStart)[2] = SpielGlobals.AuswahlRahmenStart;
inline char (&MaennerNamen)[MAENNERNAMEN_ANZAHL][20] = SpielGlobals.MaennerNamen;
inline char (&SpielerName)[56] = SpielGlobals.SpielerName;
inline int32_t (&AuswahlSlots)[7] = SpielGlobals.AuswahlSlots;
inline int32_t& AuswahlIndex = SpielGlobals.AuswahlIndex;
inline int32_t& AktuelleStadt = SpielGlobals.AktuelleStadt;
inline int32_t& SpielModus = SpielGlobals.SpielModus;
inline int32_t& VerseuchungsTakt = SpielGlobals.VerseuchungsTakt;
inline uint32_t (&ItemIcons)[ITEM_PLAETZE] = SpielGlobals.ItemIcons;
inline char (&ItemNamen)[ITEM_PLAETZE][256] = SpielGlobals.ItemNamen;
inline char (&ItemTexte)[ITEM_PLAETZE][256] = SpielGlobals.ItemTexte;
inline int32_t& GespraechsPartner = SpielGlobals.GespraechsPartner;
inline int32_t& GespraechsFigur = SpielGlobals.GespraechsFigur;
inline int32_t& SprachVariante = SpielGlobals.SprachVariante;
inline int32_t& GespraechsThema = SpielGlobals.GespraechsThema;
inline float (&KameraKopie)[6] = SpielGlobals.KameraKopie;
inline int32_t (&KartenVersatz)[2] = SpielGlobals.KartenVersatz;
inline float& MusikLautstaerke = SpielGlobals.MusikLautstaerke;
inline SetupBlock& SetupWerte = SpielGlobals.SetupWerte;
