// The options screen (modes 5000-5999): a column of four buttons, the graphics page (5001) and the
// sound page (5002). The rows change the settings at once; "save" writes "Data/Setup.txt", "back"
// reads it again so that unsaved changes are dropped.
#include <algorithm>
#include <cstdio>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/setup.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "frontend/screen_frame.h"
#include "platform/audio.h"
#include "world/records.h"

namespace {

constexpr MenueKnopf kKnoepfe[4] = {
    {0, 762, 295, 765, 983, 297, 325, true}, {1, 762, 345, 765, 983, 346, 375, true},
    {2, 762, 395, 765, 983, 396, 425, true}, {3, 762, 445, 765, 983, 446, 475, true},
};
constexpr int kKnopfTexte[4] = {61, 62, 63, 64};

constexpr int kTexTitel = 252, kTexBalken = 160, kTexKnauf = 161, kTexBox = 162, kTexHaken = 163;
constexpr int kMenueMusik = 4;
constexpr const char* kSetupDatei = "Data/Setup.txt";

// Room for the longest composition of two text entries, so no label is ever cut short.
using LabelPuffer = char[2 * 255 + 32];

// The sliders' input range starts at x 190.
constexpr int kSchieberLinks = 190;

bool ZeileGezogen(int y0, int y1)
{
    return SchieberGezogen(kSchieberLinks, 527, y0, y1);
}

// Check boxes change once per press.
void BoxTesten(int32_t& wert, int x0, int x1, int y0, int y1)
{
    if (MausLinksGedrueckt == 1 && MausIn(x0, x1, y0, y1)) {
        MausLinksGedrueckt = 0;
        wert = wert == 1 ? 0 : 1;
    }
}

void Schieber(float balkenY, int knaufX)
{
    ZeichneBild(kTexBalken, 181, balkenY, 512, 32);
    ZeichneBild(kTexKnauf, static_cast<float>(knaufX), balkenY, 32, 32);
}

void Box(float x, float y, bool an)
{
    ZeichneBild(kTexBox, x, y, 32, 32);
    if (an) ZeichneBild(kTexHaken, x, y, 32, 32);
}

// Three positions (COLOR, FILTER): 0, 1, 2.
int DreiPositionen() { return DreiStufen(SchieberWert(kSchieberLinks)); }
// Four positions (PARTIKEL, SHADOW): 0 to 3.
int VierPositionen()
{
    const int v = SchieberWert(kSchieberLinks);
    return v <= 762 ? 0 : v <= 1525 ? 1 : v <= 2287 ? 2 : 3;
}
// Volumes in hundredths of a decibel: -3050 to 0.
int32_t Lautstaerke() { return std::clamp(10 * MyApp.MausX - 4950, -3050, 0); }

const char* Text(int eintrag) { return TextStandard[eintrag]; }

// The level texts of PARTIKEL and SHADOW.
void StufenLabel(LabelPuffer& puffer, int eintrag, int32_t wert)
{
    constexpr int kStufenTexte[4] = {68, 35, 36, 37};
    if (wert >= 0 && wert <= 3)
        std::snprintf(puffer, sizeof puffer, "%s: %s", Text(eintrag), Text(kStufenTexte[wert]));
    else
        std::snprintf(puffer, sizeof puffer, "%s: %i", Text(eintrag), wert);
}

void GrafikSeite()
{
    LabelPuffer label;

    // Colour depth.
    if (Sprache == 2)
        std::snprintf(label, sizeof label, "%s: %i %s", Text(32), SetupWerte.COLOR,
                      SetupWerte.COLOR == 16 ? "\xE1\xE8\xF2" : "\xE1\xE8\xF2\xE0");  // bit, bita
    else
        std::snprintf(label, sizeof label, "%s: %i Bit", Text(32), SetupWerte.COLOR);
    ZeichneSchrift(label, 181, 185, 2);
    Schieber(205, SetupWerte.COLOR == 24 ? 341 : SetupWerte.COLOR == 32 ? 491 : 191);
    if (ZeileGezogen(210, 230)) SetupWerte.COLOR = 16 + 8 * DreiPositionen();

    // Texture filter.
    static const char* const kFilterLatein[3] = {nullptr, "Linear", "Anisotropic"};
    static const char* const kFilterKyrillisch[3] = {
        "\xC1\xE8\xEB\xE8\xED\xE5\xE9\xED\xE0\xFF",          // Bilinear
        "\xD2\xF0\xE8\xEB\xE8\xED\xE5\xE9\xED\xE0\xFF",      // Trilinear
        "\xC0\xED\xE8\xE7\xEE\xF2\xF0\xEE\xEF\xED\xE0\xFF",  // Anisotropic
    };
    if (SetupWerte.FILTER < 0 || SetupWerte.FILTER > 2)
        std::snprintf(label, sizeof label, "%s: %i", Text(33), SetupWerte.FILTER);
    else if (Sprache == 2)
        std::snprintf(label, sizeof label, "%s: %s", Text(33), kFilterKyrillisch[SetupWerte.FILTER]);
    else
        std::snprintf(label, sizeof label, "%s: %s", Text(33),
                      SetupWerte.FILTER == 0 ? Text(68) : kFilterLatein[SetupWerte.FILTER]);
    ZeichneSchrift(label, 181, 245, 2);
    Schieber(265, 191 + 150 * std::clamp(SetupWerte.FILTER, 0, 2));
    if (ZeileGezogen(270, 290)) SetupWerte.FILTER = DreiPositionen();

    StufenLabel(label, 39, SetupWerte.PARTIKEL);
    ZeichneSchrift(label, 181, 305, 2);
    Schieber(325, 191 + 100 * std::clamp(SetupWerte.PARTIKEL, 0, 3));
    if (ZeileGezogen(330, 350)) SetupWerte.PARTIKEL = VierPositionen();

    StufenLabel(label, 34, SetupWerte.SHADOW);
    ZeichneSchrift(label, 181, 365, 2);
    Schieber(385, 191 + 100 * std::clamp(SetupWerte.SHADOW, 0, 3));
    if (ZeileGezogen(390, 410)) SetupWerte.SHADOW = VierPositionen();

    ZeichneSchrift(Text(42), 181, 455, 2);
    ZeichneZentriert(Text(69), 325, 430, 2);
    Box(311, 448, SetupWerte.SHADOW_ENTITY == 1);
    BoxTesten(SetupWerte.SHADOW_ENTITY, 312, 342, 448, 478);
    ZeichneZentriert(Text(70), 395, 430, 2);
    Box(381, 448, SetupWerte.SHADOW_OBJEKT == 1);
    BoxTesten(SetupWerte.SHADOW_OBJEKT, 382, 412, 448, 478);
    ZeichneZentriert(Text(71), 465, 430, 2);
    Box(451, 448, SetupWerte.SHADOW_ITEM == 1);
    BoxTesten(SetupWerte.SHADOW_ITEM, 452, 481, 448, 478);

    ZeichneSchrift(Text(40), 181, 495, 2);
    Box(311, 488, SetupWerte.CLOUDS > 0);
    BoxTesten(SetupWerte.CLOUDS, 312, 342, 488, 518);
    ZeichneSchrift(Text(41), 181, 535, 2);
    Box(311, 528, SetupWerte.FOG > 0);
    BoxTesten(SetupWerte.FOG, 312, 342, 528, 558);
    ZeichneSchrift(Text(43), 181, 575, 2);
    Box(311, 568, SetupWerte.VEGETATION > 0);
    BoxTesten(SetupWerte.VEGETATION, 312, 342, 568, 598);
}

void TonSeite()
{
    ZeichneSchrift(Text(65), 181, 185, 2);
    Schieber(205, 491 + SetupWerte.SOUND_VOLUME / 10);
    ZeichneSchrift(Text(66), 181, 255, 2);
    Schieber(275, 491 + SetupWerte.SOUND_VOLUME_SPRACHE / 10);
    ZeichneSchrift(Text(67), 181, 340, 2);
    Box(311, 333, SetupWerte.EINHEIT_ANTWORTET > 0);
    ZeichneSchrift(Text(62), 181, 380, 2);
    Box(311, 373, SetupWerte.SOUND > 0);
    ZeichneSchrift(Text(28), 181, 420, 2);
    Box(311, 413, SetupWerte.MUSIC > 0);

    if (ZeileGezogen(210, 230)) {
        SetupWerte.SOUND_VOLUME = Lautstaerke();
        audio::SetEffectVolume(SetupWerte.SOUND_VOLUME);
    }
    if (ZeileGezogen(280, 300)) {
        SetupWerte.SOUND_VOLUME_SPRACHE = Lautstaerke();
        MusikLautstaerke = static_cast<float>(SetupWerte.SOUND_VOLUME_SPRACHE);
        MusikFadeLautstaerke = SetupWerte.SOUND_VOLUME_SPRACHE;
    }
    BoxTesten(SetupWerte.EINHEIT_ANTWORTET, 312, 341, 333, 363);
    BoxTesten(SetupWerte.SOUND, 312, 341, 373, 403);
    BoxTesten(SetupWerte.MUSIC, 312, 341, 413, 443);
}

void Speichern()
{
    SpielModus = 5000;
    MenueZaehlerNullen(true);
    SchreibeSetup(kSetupDatei);
    LadeSetup(kSetupDatei);  // the values the file fixes (frame time, animation speed, detail map) count at once
    if (SetupWerte.SOUND == 0) StoppeStadtSchleifen();
    if (SetupWerte.MUSIC == 0) MusikZurueckspulen(kMenueMusik);
    else SpieleMusik(kMenueMusik);
}

void Zurueck()
{
    ZurueckAusMenue();
    MenueZaehlerNullen(true);
    LadeSetup(kSetupDatei);
}

}  // namespace

void OptionenBildschirm()
{
    ZeigeLadebildschirm();
    Szene.Setze2DModus();
    ZeichneBanner();

    MenueKnoepfeZeichnen(kKnoepfe, 4);
    // The page buttons keep the button counters, so the column does not replay its entry.
    MenueKnopfTesten(kKnoepfe[0], [] { SpielModus = 5001; MenueSeitenVersatz = 0; });
    MenueKnopfTesten(kKnoepfe[1], [] { SpielModus = 5002; MenueSeitenVersatz = 0; });
    MenueKnopfTesten(kKnoepfe[2], Speichern);
    MenueKnopfTesten(kKnoepfe[3], Zurueck);
    for (int i = 0; i < 4; ++i) ZeichneZentriert(Text(kKnopfTexte[i]), 874, 304.0f + 50.0f * i, 2);

    if (SpielModus != 5001 && SpielModus != 5002) return;
    MenueSeitenVersatz = 576;
    ZeichneBild(kTexTitel, 368, 100, 288, 52);
    ZeichneZentriert(Text(SpielModus == 5001 ? 61 : 62), 512, 114, 1);
    if (SpielModus == 5001) GrafikSeite();
    else TonSeite();
}
