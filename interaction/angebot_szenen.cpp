// The eat, drink and doctor scenes: an item offered from the mouse is worth points; choice 1 spends
// them on the squad's food, water or health, choice 2 leaves and gives the offer back.
#include <cstdio>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/angebot.h"
#include "interaction/gespraech_anzeige.h"
#include "interaction/inventar.h"
#include "interaction/sprache.h"
#include "interaction/szenen.h"
#include "townview/item_karten.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

struct AngebotsSzene {
    double faktor;
    int32_t FigurRecord::*wert;  // the value the points fill
    int32_t kappe;
    int panel, titel, tooltip;
    const char* angebotSprache;
    int punkteVor, punkteNach;
    int icon;
    int punkteJeIcon;
    int wahl1;
    const char* wahl1Sprache;
};

constexpr AngebotsSzene kEssen = {0.7, &FigurRecord::Nahrung, 10, 197, 120, 29, "Data/Speak/Misc/0088.wav",
                                  81, 82, 193, 1, 80, "Data/Speak/Spieler/0013.wav"};
constexpr AngebotsSzene kTrinken = {0.7, &FigurRecord::Wasser, 5, 192, 121, 30, "Data/Speak/Misc/0088.wav",
                                    81, 82, 194, 1, 83, "Data/Speak/Spieler/0015.wav"};
constexpr AngebotsSzene kDoktor = {3.0, &FigurRecord::Gesundheit, 100, 195, 122, 31,
                                   "Data/Speak/Doktor/Sonstiges/3.wav", 84, 85, 196, 3, 86,
                                   "Data/Speak/Spieler/0014.wav"};

// The pool's whole points. A pool from a damaged save that no i32 can hold counts as nothing.
int32_t PoolPunkte() { return VorratsPool > -1.0e9f && VorratsPool < 1.0e9f ? int32_t(VorratsPool) : 0; }

void Sprich(const char* pfad) {
    GespraechsPhase = 0;
    SprichZeile(pfad);
}

int AusgewaehltesMitglied() {
    const int i = AktiveFigurMitId(AusgewaehlteFigurId());
    return SzenenMitglied(i >= 0 ? i : KEINE_FIGUR);
}

void Dialog(const AngebotsSzene& a) {
    const int mitglied = AusgewaehltesMitglied();
    ZeichneBild(a.panel, 256, 100, 512, 512);
    ZeichneZentriert(TextStandard[a.titel], 328, 317, 2);

    char text[600];
    ItemSlot& slot = AngebotSlot;
    ZeichneSlotItem(slot, 688, 349, 731, 380);
    if (MausIn(698, 742, 359, 400)) {
        if (IstItemId(slot.ItemId)) ZeichneItemTooltip(slot.ItemId - 1000);
        TooltipNummer = a.tooltip;
        if (MausLinksGedrueckt == 1) {
            MausLinksGedrueckt = 0;
            Sprich(a.angebotSprache);
            NimmAngebot(AngebotSlot, a.faktor);
        }
    }

    const int punkte = PoolPunkte();
    std::snprintf(text, sizeof text, "%s %i %s", TextStandard[a.punkteVor], punkte, TextStandard[a.punkteNach]);
    ZeichneSchrift(text, 399, 229, 2);
    const int icons = (punkte < 0 ? 0 : punkte > 100 ? 100 : punkte) / a.punkteJeIcon;
    const int n = icons > 22 ? 22 : icons;
    for (int k = 0; k < icons; ++k) ZeichneBild(a.icon, float(400 + k * (23 - n)), 350, 64, 64);

    if (SzenenWahl(1, a.wahl1, 435)) {
        Sprich(a.wahl1Sprache);
        VerteilePool(a.wert, a.kappe);
    }
    if (SzenenWahl(2, 79, 450) && GibAngebotZurueck(mitglied)) {
        Sprich("Data/Speak/Spieler/0012.wav");
        SpielModus = 1000;
        SchliesseSzene();
    }
}

}  // namespace

double AngebotsWert(const ItemSlot& s, double faktor) {
    switch (s.ItemId) {
    case 0: return 0.0;
    case 1013: case 1036: case 1037: case 1008: case 1003: case 1006: case 1019: case 1028: case 1000: case 1022:
        return s.ItemAnzahl * faktor;
    default: return ItemWert(s.ItemId) * faktor;
    }
}

void NimmAngebot(ItemSlot& slot, double faktor) {
    VorratsPool = float(VorratsPool - AngebotsWert(slot, faktor));
    TauscheMitMaus(slot);
    VorratsPool = float(VorratsPool + AngebotsWert(slot, faktor));
}

void VerteilePool(int32_t FigurRecord::*wert, int32_t kappe) {
    AngebotSlot = ItemSlot{};  // the offer is given away
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv != 1) continue;  // a free record keeps the id of whoever held it
        for (int32_t id : AuswahlSlots) {
            if (id >= KEINE_FIGUR || id != f.Id) continue;
            const int64_t neu = int64_t(f.*wert) + PoolPunkte();
            VorratsPool = 0.0f;
            f.*wert = neu > kappe ? kappe : int32_t(neu);
            if (neu >= kappe) VorratsPool = float(neu - kappe);
        }
    }
}

bool GibAngebotZurueck(int mitglied) {
    FigurRecord* f = mitglied >= 0 ? &Figuren[mitglied] : nullptr;
    return LegeWeg(AngebotSlot, f, f ? f->Wegpunkt : nullptr, LegeAbgelegtesItem);
}

void EssenDialog() { Dialog(kEssen); }
void TrinkenDialog() { Dialog(kTrinken); }
void DoktorDialog() { Dialog(kDoktor); }
