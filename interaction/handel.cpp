// The trade screen: the trader's bag, a table with the goods taken from him and the goods the squad
// offers, and two answers. Goods taken count at their value, goods offered at 70 per cent of it
// (counted goods at 0.7 a piece); the deal can be accepted while the first sum does not exceed
// the second. Reached from a conversation with a trader (mode 10000) and from a trader's cell
// (close-up scene 2); both answers end it.
#include <cstdio>

#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/gespraech_anzeige.h"
#include "interaction/angebot.h"
#include "interaction/handel.h"
#include "interaction/inventar.h"
#include "interaction/sprache.h"
#include "interaction/szenen.h"
#include "townview/item_karten.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

constexpr double kAngebotsFaktor = 0.7;  // the squad's goods count at 70 per cent

FigurRecord* Haendler()
{
    const int i = AktiveFigurMitId(HaendlerId);
    if (i < 0 || (Figuren[i].Typ != 16 && Figuren[i].Typ != 9999)) return nullptr;
    return &Figuren[i];
}

// Where goods go down that no bag takes: under the member, else under the trader, else where the
// camera looks.
void Ablageort(const FigurRecord* mitglied, const FigurRecord* haendler, float& x, float& z)
{
    const float* p = mitglied ? mitglied->Wegpunkt : haendler ? haendler->Wegpunkt : Cam.Ziel;
    x = p[0];
    z = p[2];
}

// Each item of the table side into the bag, else onto the floor; false when one found no place
// (it then stays on the table).
bool RaeumeAb(ItemSlot (&seite)[12], FigurRecord* beutel, float x, float z)
{
    bool alle = true;
    const float boden[3] = {x, 0.0f, z};
    for (ItemSlot& s : seite) alle = LegeWeg(s, beutel, boden, LegeAbgelegtesItem) && alle;
    return alle;
}

// Both answers: the goods go where they belong, the squad answers, and the town view is back. When
// some item finds no place at all, the screen stays open with it on the table.
void Verlassen(bool annehmen, FigurRecord* haendler, FigurRecord* mitglied)
{
    float x = 0, z = 0;
    Ablageort(mitglied, haendler, x, z);
    float hx = x, hz = z;
    if (haendler) Ablageort(haendler, nullptr, hx, hz);
    if (annehmen) SzenenSumme = VorratsPool = 0.0f;
    const bool platz = annehmen ? RaeumeAb(TauschSlotsTrupp, haendler, hx, hz) && RaeumeAb(HandelsSlots, mitglied, x, z)
                                : RaeumeAb(HandelsSlots, haendler, x, z) && RaeumeAb(TauschSlotsTrupp, mitglied, x, z);
    if (!platz) {
        BerechneHandelsSummen();  // the sums of what is left on the table
        SpieleSound(22);
        return;
    }
    GespraechsPhase = 1;
    SprichZeile(annehmen ? "Data/Speak/Spieler/0010.wav" : "Data/Speak/Spieler/0011.wav");
    SpielModus = 1000;
    if (InteraktionsModus > 0) SchliesseSzene();
}

// Slot (r, s) of a 2 x 6 grid drawn with one column per row.
struct Raster {
    int iconX, zahlX, zeigerX;
};
constexpr Raster kBeutel{387, 438, 396}, kPartnerSeite{504, 555, 514}, kTruppSeite{636, 687, 646};

// Draws the slot and its tooltip; true when it was clicked (the press is then consumed).
bool Feld(const Raster& raster, int r, int s, const ItemSlot& slot, bool auchLeer)
{
    const float x = float(raster.iconX + 52 * r), y = float(209 + 32 * s);
    ZeichneSlotItem(slot, x, y, float(raster.zahlX + 52 * r), float(240 + 32 * s));
    if (!MausIn(raster.zeigerX + 52 * r, raster.zeigerX + 51 + 52 * r, 225 + 32 * s, 256 + 32 * s)) return false;
    const bool voll = slot.ItemId != 0;
    if (voll && IstItemId(slot.ItemId)) ZeichneItemTooltip(slot.ItemId - ERSTE_ITEM_ID);
    if (MausLinksGedrueckt != 1 || !(voll || auchLeer)) return false;
    MausLinksGedrueckt = 0;
    return true;
}

// Moves a slot across the trader's half; false when there is no place for it.
bool Verschiebe(ItemSlot& von, ItemSlot* nach)
{
    if (!nach) return false;
    *nach = von;
    von = ItemSlot{};
    SpieleSound(24);
    return true;
}

ItemSlot* ErsterFreierTischPlatz(ItemSlot (&seite)[12])
{
    for (ItemSlot& s : seite)
        if (s.ItemId == 0) return &s;
    return nullptr;
}

}  // namespace

void BerechneHandelsSummen()
{
    SzenenSumme = 0.0f;
    VorratsPool = 0.0f;
    for (const ItemSlot& s : HandelsSlots) SzenenSumme += float(ItemWert(s.ItemId));
    for (const ItemSlot& s : TauschSlotsTrupp) VorratsPool = float(VorratsPool + AngebotsWert(s, kAngebotsFaktor));
}

void GespraechsBildschirm()
{
    Szene.Setze2DModus();
    FigurRecord* haendler = Haendler();
    FigurRecord* mitglied = AktivesMitgliedRecord();
    // A trader who has gone (killed in the middle of the talk) ends the trade as if it was called off.
    if (!haendler && SpielModus == 10000) {
        Verlassen(false, nullptr, mitglied);
        return;
    }
    const bool annehmbar = haendler && mitglied && SzenenSumme <= VorratsPool;

    ZeichneBild(140, 256, 100, 512, 512);
    if (annehmbar) ZeichneBild(141, 263, 303, 128, 128);
    if (haendler) {
        ZeichnePartnerKopf(int32_t(haendler - Figuren));
        for (int r = 0; r < 2; ++r)
            for (int s = 0; s < 6; ++s) {
                ItemSlot& slot = haendler->Inventar[r][s];
                const int16_t id = slot.ItemId;
                if (id != 0 && Feld(kBeutel, r, s, slot, false) && Verschiebe(slot, ErsterFreierTischPlatz(HandelsSlots)))
                    SzenenSumme += float(ItemWert(id));
            }
    }
    for (int r = 0; r < 2; ++r)
        for (int s = 0; s < 6; ++s) {
            ItemSlot& slot = HandelsSlots[6 * r + s];
            const int16_t id = slot.ItemId;
            if (id != 0 && Feld(kPartnerSeite, r, s, slot, false) &&
                Verschiebe(slot, haendler ? ErsterFreierBeutelPlatz(*haendler) : nullptr))
                SzenenSumme -= float(ItemWert(id));
        }
    for (int r = 0; r < 2; ++r)
        for (int s = 0; s < 6; ++s) {
            ItemSlot& slot = TauschSlotsTrupp[6 * r + s];
            if (Feld(kTruppSeite, r, s, slot, true)) NimmAngebot(slot, kAngebotsFaktor);
        }

    char zeile[300];
    std::snprintf(zeile, sizeof zeile, "1. %s", SprechTexte[SPRECH_CHAR_TEXTE][9]);
    const bool annehmen = Antwortzeile(zeile, 435, haendler && mitglied && SzenenSumme <= VorratsPool);
    std::snprintf(zeile, sizeof zeile, "2. %s", SprechTexte[SPRECH_CHAR_TEXTE][10]);
    const bool abbrechen = !annehmen && Antwortzeile(zeile, 450, true);
    if (annehmen || abbrechen) Verlassen(annehmen, haendler, mitglied);
}
