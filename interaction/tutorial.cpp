// The tutorial: Sergeant West leads a new player through the tutorial map, one step at a time.
// Talking steps show his panel with two lines and his speech; most end with a click on the
// continue strip, a few when the game state shows the lesson done. Task steps show no panel and end
// when their test passes. While a step runs, its button or item blinks and its passages open.
#include <cstdio>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/items.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/setup.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/inventar.h"
#include "interaction/handler.h"
#include "interaction/sprache.h"
#include "interaction/tutorial.h"
#include "townview/hud_teile.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/new_game.h"
#include "world/records.h"
#include "world/spawnen.h"

namespace {

// ---- what the tests look at ----

bool IstEigene(const FigurRecord& f) { return f.Aktiv == 1 && f.EigeneFigur == 1; }
bool IstTruppFigur(const FigurRecord& f) { return f.Aktiv == 1 && IstTrupp(f.Typ); }
bool IstTyp1oder2(const FigurRecord& f) { return f.Aktiv == 1 && (f.Typ == 1 || f.Typ == 2); }

bool TraegtIm(const FigurRecord& f, int item)
{
    for (int r = 0; r < 2; ++r)
        for (const ItemSlot& s : f.Inventar[r])
            if (s.ItemId == item) return true;
    return false;
}

// Whether some figure of the kind carries the item in its bag (different figures may carry
// different items of a list).
template <typename Art>
bool JemandTraegt(Art art, int item)
{
    for (const FigurRecord& f : Figuren)
        if (art(f) && TraegtIm(f, item)) return true;
    return false;
}

template <typename Art>
bool JemandTraegtAlle(Art art, std::initializer_list<int> items)
{
    for (int item : items)
        if (!JemandTraegt(art, item)) return false;
    return true;
}

bool EigeneHatIm(InventarPlatz platz, int item)
{
    for (const FigurRecord& f : Figuren)
        if (IstEigene(f) && Platz(f, platz).ItemId == item) return true;
    return false;
}

template <typename Art>
FigurRecord* Erste(Art art)
{
    for (FigurRecord& f : Figuren)
        if (art(f)) return &f;
    return nullptr;
}

// ---- highlights ----

void ItemIcon(int item, float x, float y, float groesse)
{
    if (!TutorialBlinkt()) return;
    MyApp.m_pd3dDevice->SetTexture(ItemIconTextur(item - ERSTE_ITEM_ID));
    MyApp.Draw2D(x, y, groesse, groesse);
}

// A highlight that blinks in every call; drawn only while `zeigen` holds.
void Bild(int k, float x, float y, float w, float h, bool zeigen = true)
{
    if (TutorialBlinkt() && zeigen) ZeichneBild(k, x, y, w, h);
}

// A highlight that runs (and counts) only while its condition holds.
void Solange(bool bedingung, int k, float x, float y, float w, float h)
{
    if (bedingung) Bild(k, x, y, w, h);
}

void NurZaehlen() { TutorialBlinkt(); }

// ---- world changes ----

void FeindErzeugen()
{
    StadtRecord& stadt = AktuelleStadtRecord();
    stadt.Besitzer = 2;
    ErzeugeFiguren(0, 1);
    stadt.Besitzer = 0;
}

// The townsperson's yard becomes the place where figures appear, and one appears there.
void BewohnerErzeugen()
{
    for (int x = 51; x <= 63; ++x)
        for (int z = 35; z <= 45; ++z) BodenGitter[x][z] = 0;
    for (int x = 65; x <= 75; ++x)
        for (int z = 35; z <= 45; ++z) BodenGitter[x][z] = 1;
    ErzeugeFiguren(1, 0);
}

void Versorgen(FigurRecord& f)
{
    f.Nahrung = 5;
    f.Wasser = 3;
}

// ---- the steps ----

struct Zelle {
    int8_t x, z;
};

struct Schritt {
    uint8_t nummer;
    int16_t zeile1, zeile2;    // TextStandard lines; 0: a task step without the panel
    int16_t datei1, datei2;    // speech "Data/Speak/Tutorial/%04i.wav"; 0: none
    int16_t pause;             // calls after the first file ends until the second starts, plus 3
    bool klick;                // the continue strip advances it
    bool (*test)() = nullptr;          // passes: the step goes to nachTest
    uint8_t nachTest = 0;
    void (*erfolg)() = nullptr;        // what a passed test changes besides the step
    void (*hervorheben)() = nullptr;
    Zelle offen[3] = {};               // cells whose blocking is lifted while the step runs
    void (*waehrend)() = nullptr;      // held in every call while the step runs
};

bool Nie() { return false; }

const Schritt kSchritte[] = {
    {1, 127, 128, 135, 136, 36, true},
    {2, 129, 130, 137, 138, 16, true},
    {3, 131, 132, 139, 140, 26, true},
    {4, 133, 134, 141, 142, 26, true, nullptr, 0, nullptr, nullptr, {{56, 21}, {57, 21}, {58, 21}}},
    {5, 135, 136, 143, 0, 0, true},
    {6, 0, 0, 0, 0, 0, false,
     [] { return JemandTraegtAlle(IstEigene, {1029, 1028, 1027}); }, 7},
    {7, 137, 138, 144, 145, 26, false, [] { return EigeneHatIm(Hand, 1029); }, 8, nullptr,
     [] { ItemIcon(1029, -5, float(510 + LinkesPanelVersatz), 128); }},
    {8, 139, 140, 146, 0, 0, false, [] { return EigeneHatIm(Munition, 1028); }, 9, nullptr,
     [] { ItemIcon(1028, 0, float(582 + LinkesPanelVersatz), 64); }},
    {9, 141, 142, 147, 0, 0, false, [] { return BefehlsModus == 8; }, 10, nullptr,
     [] { Bild(127, 64, 595, 64, 32); }},
    {10, 0, 0, 0, 0, 0, false, [] { return EigeneHatIm(Koerper, 1027); }, 11, [] { BefehlsModus = 0; },
     [] {
         if (BefehlsModus == 8) ItemIcon(1027, float(298 - HudSchieber[2]), 421, 64);
     },
     {{55, 33}}},
    {11, 143, 144, 148, 149, 26, true, nullptr, 0, nullptr,
     [] { Bild(37, 83, 647, 32, 32, BefehlsModus != 1); }},
    {12, 0, 0, 0, 0, 0, false,
     [] {
         for (const FigurRecord& f : Figuren)
             if (f.Aktiv == 1 && IstFeind(f.Typ)) return false;
         return true;
     },
     13, BewohnerErzeugen, [] { Solange(BefehlsModus != 1, 37, 83, 647, 32, 32); }},
    {13, 145, 146, 150, 151, 26, true, nullptr, 0, nullptr,
     [] { Bild(36, 46, 647, 32, 32, BefehlsModus != 0); },
     {{64, 42}}},
    {14, 0, 0, 0, 0, 0, false,
     [] { return Erste([](const FigurRecord& f) { return IstTruppFigur(f) && f.EigeneFigur == 0; }) != nullptr; },
     15,
     [] {
         // Two empty bottles for every recruit, in the first bag place unless it holds something.
         for (FigurRecord& f : Figuren) {
             if (!IstTruppFigur(f) || f.EigeneFigur != 0) continue;
             ItemSlot* platz = f.Inventar[0][0].ItemId == 0 ? &f.Inventar[0][0] : ErsterFreierBeutelPlatz(f);
             if (platz) *platz = ItemSlot{1012, 2, 0};
         }
     },
     [] { Solange(BefehlsModus != 0, 36, 46, 647, 32, 32); }, {},
     [] {
         // No attacking while the lesson is about talking.
         if (BefehlsModus == 1) {
             BefehlsModus = 3;
             CursorIndex = 2;
         }
     }},
    {15, 147, 148, 152, 153, 26, true, nullptr, 0, nullptr, nullptr, {{76, 40}, {76, 39}}},
    {16, 0, 0, 0, 0, 0, false, [] { return JemandTraegtAlle(IstTruppFigur, {1042, 1039}); }, 17},
    {17, 149, 150, 154, 155, 26, true},
    {18, 0, 0, 0, 0, 0, false, [] { return AktuelleStadtRecord().Besitzer == 1; }, 19,
     [] {
         for (FigurRecord& f : Figuren)
             if (IstTruppFigur(f)) Versorgen(f);
     }},
    {19, 151, 152, 156, 157, 26, true, nullptr, 0, nullptr, [] { Bild(74, 83, 726, 32, 32); }},
    {20, 0, 0, 0, 0, 0, false,
     [] { return AktuelleStadtRecord().NahrungsTier > 0 && AktuelleStadtRecord().Pumpe > 0; }, 21,
     [] { BefehlsModus = 0; }, [] { Solange(BefehlsModus != 7, 74, 83, 726, 32, 32); }},
    // 21 and 22 end by the long time skip; the HUD blinks the button by the counter.
    {21, 153, 154, 158, 159, 26, false, Nie, 0, nullptr, NurZaehlen},
    {22, 0, 0, 0, 0, 0, false, Nie, 0, nullptr, NurZaehlen},
    {23, 155, 156, 160, 161, 2, true, nullptr, 0, nullptr, nullptr, {{81, 47}, {82, 47}}},
    {24, 0, 0, 0, 0, 0, false, [] { return JemandTraegt(IstTyp1oder2, 1036); }, 25,
     [] {
         if (FigurRecord* f = Erste([](const FigurRecord& f) { return IstTyp1oder2(f) && TraegtIm(f, 1036); }))
             Versorgen(*f);
     }},
    {25, 157, 158, 162, 163, 26, false,
     [] { return Erste([](const FigurRecord& f) { return IstTyp1oder2(f) && f.Nahrung == 10; }) != nullptr; }, 26,
     StoppeZeile},
    {26, 159, 160, 164, 165, 26, false,
     [] { return Erste([](const FigurRecord& f) { return IstTyp1oder2(f) && f.Wasser == 5; }) != nullptr; }, 27,
     StoppeZeile},
    {27, 161, 162, 166, 0, 0, true},
    {28, 0, 0, 0, 0, 0, false, [] { return InteraktionsModus == 5; }, 29, nullptr,
     [] { Solange(InteraktionsModus == 1, 126, 743, 427, 128, 128); }},
    {29, 163, 164, 167, 168, 26, true, nullptr, 0, nullptr, nullptr, {},
     [] {
         // The bottles are emptied, to be filled at the well.
         for (FigurRecord& f : Figuren)
             if (IstTyp1oder2(f))
                 for (int r = 0; r < 2; ++r)
                     for (ItemSlot& s : f.Inventar[r])
                         if (s.ItemId == 1012 && s.ItemAnzahl == 2) s.ItemAnzahl = 0;
     }},
    {30, 0, 0, 0, 0, 0, false,
     [] {
         for (const FigurRecord& f : Figuren)
             if (IstTyp1oder2(f))
                 for (int r = 0; r < 2; ++r)
                     for (const ItemSlot& s : f.Inventar[r])
                         if (s.ItemId == 1012 && s.ItemAnzahl == 2) return true;
         return false;
     },
     31, nullptr, [] { Solange(InteraktionsModus == 5, 125, 758, 358, 64, 64); }},
    {31, 165, 166, 169, 0, 0, true, nullptr, 0, nullptr, nullptr, {{81, 59}}},
    {32, 0, 0, 0, 0, 0, false, [] { return JemandTraegtAlle(IstTruppFigur, {1004, 1053, 1014}); }, 33},
    {33, 167, 168, 170, 171, 26, true},
    {34, 169, 170, 172, 0, 0, true, nullptr, 0, nullptr, [] { Bild(39, 83, 687, 32, 32); }},
    {35, 0, 0, 0, 0, 0, false, [] { return JemandTraegt(IstTruppFigur, 1039); }, 36},
    {36, 171, 172, 173, 174, 26, true, nullptr, 0, nullptr, [] { Bild(39, 83, 687, 32, 32); }},
    {37, 0, 0, 0, 0, 0, false},
};

const Schritt* SchrittNr(int n)
{
    for (const Schritt& s : kSchritte)
        if (s.nummer == n) return &s;
    return nullptr;
}

bool IstAufgabe(const Schritt& s) { return s.zeile1 == 0 && s.nummer != 37; }

void Weiter(const Schritt& s)
{
    if (!s.test || !s.test()) return;
    if (s.erfolg) s.erfolg();
    TutorialSchritt = s.nachTest;
    GespraechsPhase = 0;
}

void WeltAenderungen(const Schritt& s)
{
    for (const Zelle& z : s.offen)
        if (z.x != 0) StadtGitter[z.x][z.z].Blockiert = 0;
    if (s.waehrend) s.waehrend();
}

void SprichDatei(int nummer)
{
    char pfad[48];
    std::snprintf(pfad, sizeof pfad, "Data/Speak/Tutorial/%04i.wav", nummer);
    SprichZeile(pfad);
}

// The first file, and the second a fixed number of calls after the first has ended.
void Sprechen(const Schritt& s)
{
    if (GespraechsPhase == 0) {
        // The first step waits for a line still playing; every later one cuts it off.
        if (s.nummer != 1 || !ZeileLaeuft()) {
            SprichDatei(s.datei1);
            GespraechsPhase = 1;
        }
    }
    if (s.datei2 == 0) return;
    if (GespraechsPhase == 1 && !ZeileLaeuft()) GespraechsPhase = 2;
    if (GespraechsPhase >= 2 && GespraechsPhase < s.pause) GespraechsPhase += 1;
    if (GespraechsPhase == s.pause && !ZeileLaeuft()) {
        SprichDatei(s.datei2);
        GespraechsPhase = s.pause + 1;
    }
}

bool ImWeiterStreifen() { return MausIn(200, 824, 475, 490); }

void Ausbilder(const Schritt& s)
{
    Szene.Setze2DModus();
    ZeichneBild(139, 256, 100, 512, 512);
    ZeichneBild(261, 297, 238, 64, 64);
    // "Сержант Уэст" in code page 1251.
    ZeichneSchrift(Sprache == 2 ? "\xD1\xE5\xF0\xE6\xE0\xED\xF2 \xD3\xFD\xF1\xF2" : "Sergeant West", 282, 317, 2);
    if (s.zeile1 != 0) {
        Sprechen(s);
        ZeichneSchrift(TextStandard[s.zeile1], 397, 226, 2);
        ZeichneSchrift(TextStandard[s.zeile2], 397, 334, 2);
    }
    if (s.hervorheben) s.hervorheben();
    WeltAenderungen(s);
    if (s.nummer == 25 || s.nummer == 26) Weiter(s);

    if (s.nummer == 37) {
        // The real game starts in town 0; if it cannot, the sergeant's last words stay.
        TutorialSchritt = 0;
        if (!StarteStadtNull()) TutorialSchritt = 36;
        return;
    }
    if (s.klick) ZeichneZentriert(TextStandard[125], 512, 475, ImWeiterStreifen() ? 3 : 2);
}

}  // namespace

bool TutorialKlickSchritt(int n)
{
    const Schritt* s = SchrittNr(n);
    return s && s->klick;
}

void TutorialAblauf()
{
    if (TutorialSchritt == 0 || TutorialSchritt == 99 || StadtBildGezeichnet == 0) return;
    const Schritt* s = SchrittNr(TutorialSchritt);
    if (!s) return;
    if (IstAufgabe(*s)) {
        if (s->hervorheben) s->hervorheben();
        WeltAenderungen(*s);
        Weiter(*s);
        return;
    }
    // Handing the rifle over, loading it and opening the equipment can all happen in one frame.
    for (int n : {7, 8, 9})
        if (TutorialSchritt == n) Weiter(*SchrittNr(n));
    s = SchrittNr(TutorialSchritt);
    if (!IstAufgabe(*s)) Ausbilder(*s);
}

void TutorialWeiter()
{
    const int schritt = TutorialSchritt;
    if (ImWeiterStreifen() && MausLinksGedrueckt == 1 && TutorialKlickSchritt(schritt)) {
        // Only the strip's own press is taken; a release still reaches what lies under it (a
        // container's close button does).
        MausLinksGedrueckt = MausLinksDoppelklick = 0;
        switch (schritt) {
        case 1: case 2: case 4: TutorialSchritt = uint8_t(schritt + 1); break;
        case 3: TutorialSchritt = 99; break;
        case 11:
            FeindErzeugen();
            [[fallthrough]];
        default:
            TutorialSchritt = uint8_t(schritt + 1);
            StoppeZeile();
            break;
        }
        if (schritt == 3)
            StoppeZeile();
        else
            GespraechsPhase = 0;
    }
    switch (TutorialSchritt) {
    case 7: case 8: case 9: case 10: case 21: case 22:
        MausRechtsGedrueckt = MausRechtsDoppelklick = MausRechtsLosgelassen = 0;
        break;
    default: break;
    }
}
