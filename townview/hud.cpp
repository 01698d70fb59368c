// The in-town HUD: delivery icons, top bar, portrait row, command grid, side panels, squad bar, the
// selected member's page and the item on the mouse.
#include "townview/hud.h"

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/services_townview.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "townview/hud_teile.h"
#include "townview/item_karten.h"
#include "townview/seitenpanels.h"
#include "world/anzeige.h"
#include "world/bilder.h"
#include "world/figur_hilfen.h"
#include "world/item_regeln.h"
#include "world/records.h"

namespace {

constexpr int32_t kLinksVersatzMax = 120;

void Lieferung()
{
    const StadtRecord* stadt = StadtMitId(AktuelleStadt);
    if (SonderOrt != 0 || LieferAnimation.Anzahl <= 0 || LieferAnimation.Countdown <= 0 || !stadt ||
        stadt->NahrungsTier == 0)
        return;
    LieferAnimation.Countdown -= 1;
    int32_t gezeigt = 0;
    for (int32_t k = 1; k <= 8; ++k) {
        const int32_t ab = 250 - 10 * (k - 1);
        if (LieferAnimation.Anzahl < k || LieferAnimation.Countdown > ab) break;
        ZeichneItemIcon(stadt->NahrungsTier, 20.0f + 26 * (k - 1), 0, 64, 64);
        if (LieferAnimation.Countdown == ab) SpieleSound(22);
        gezeigt = k;
    }
    ZeichneFormat(10, 18, 1, "%i", gezeigt);
}

bool TutorialObenBlinkt() { return (TutorialSchritt == 21 || TutorialSchritt == 22) && TutorialBlinkZaehler >= 10; }

void ObereLeiste()
{
    // At those steps the tutorial moves the blink counter; the bar only follows it.
    if (!(MyApp.MausY < 66 || TutorialObenBlinkt())) return;
    ZeichneBild(270, 0, -8, 1024, 128);
    ZeichneBild(236, 730, 5, 256, 32);
    ZeichneFormat(785, 12, 2, "%s %i", TextStandard[4], TagZaehler);
    ZeichneBild(MausIn(902, 930, 5, 35) ? 235 : 234, 900, 5, 32, 32);
    const bool langHervor = MausIn(942, 970, 5, 35) || (MyApp.MausY <= 65 && TutorialObenBlinkt());
    ZeichneBild(langHervor ? 189 : 188, 940, 5, 32, 32);

    const float r = LichtZustand[0].Farbe[0];
    if (TagRichtung == 0) {
        ZeichneBild(9, 17, 42, (r - 0.3f) * 705.0f, 4);
    } else if (TagRichtung == 1) {
        ZeichneBild(9, 17, 42, 493.5f, 4);
        ZeichneBild(9, 510.5f, 42, 493.5f - (r - 0.3f) * 705.0f, 4);
    }
    if (SonderOrt == 0) {
        if (const StadtRecord* stadt = StadtMitId(AktuelleStadt)) {
            if (const int32_t flagge = BesitzerFlagge(stadt->Besitzer); flagge >= 0) ZeichneBild(flagge, 970, -2, 50, 50);
        }
    }
}

void PortraitReihe()
{
    if (MyApp.MausY >= 66) return;
    int reihe[FIGUREN_ANZAHL];
    const int anzahl = PortraitReihenfolge(reihe);
    for (int n = 0; n < anzahl; ++n) {
        const FigurRecord& f = Figuren[reihe[n]];
        const int32_t x0 = 8 + 28 * n;
        ZeichneBild(TruppPortrait(f.Typ), float(x0), 5, 32, 32);
        if (MausIn(x0, x0 + 27, 0, 32)) {
            const Name name = f.Stationiert != 0 ? MaennerNameVon(f) : FigurName(f);
            ZeichneSchrift(name.text, static_cast<float>(MyApp.MausX), MyApp.MausY + 30.0f, 2);
            ZeichneFormat(static_cast<float>(MyApp.MausX), MyApp.MausY + 45.0f, 2, "( %i )", f.Stufe);
        }
        ZeichneBild(9, float(x0 + 28), 5, 2, 32);
    }
}

void LinkesPanelNachfuehren()
{
    const bool unten = InteraktionsModus > 0 || GespraechsPartner > 0;
    LinkesPanelVersatz += unten ? 12 : -12;
    if (LinkesPanelVersatz > kLinksVersatzMax) LinkesPanelVersatz = kLinksVersatzMax;
    if (LinkesPanelVersatz < 0) LinkesPanelVersatz = 0;
}

void ZeichneAnzahl(int32_t anzahl, float x, float xAbZehn, float y)
{
    ZeichneFormat(anzahl >= 10 ? xAbZehn : x, y, 2, "%i", anzahl);
}

// The item of a slot: its icon, and its tooltip while the mouse is in the rectangle.
void SlotItem(const ItemSlot& slot, float x, float y, float groesse, int x0, int x1, int y0, int y1)
{
    if (!IstItemId(slot.ItemId)) return;
    ZeichneItemIcon(slot.ItemId, x, y, groesse, groesse);
    if (MausIn(x0, x1, y0, y1)) ZeichneItemTooltip(slot.ItemId - ERSTE_ITEM_ID);
}

void MitgliedSeite(const FigurRecord& f)
{
    const int32_t v = LinkesPanelVersatz;
    if (v == 0) {
        switch (BefehlsModus) {
        case 3: ZeichneBild(35, 9, 647, 32, 32); break;
        case 0: ZeichneBild(36, 46, 647, 32, 32); break;
        case 1: ZeichneBild(37, 83, 647, 32, 32); break;
        case 2: ZeichneBild(38, 9, 687, 32, 32); break;
        case 4: ZeichneBild(39, 83, 687, 32, 32); break;
        default: break;
        }
        if (f.Typ != 3) ZeichneBild(45, 9, 687, 32, 32);
    }
    if (v == 0 && (f.EigeneFigur != 0 || SonderOrt != 0)) {
        ZeichneBild(45, 46, 687, 32, 32);
    } else {
        if ((TutorialSchritt == 17 || TutorialSchritt == 18) && TutorialBlinkt()) ZeichneBild(40, 46, 687, 32, 32);
        if (f.Stationiert != 0 && v == 0 && SonderOrt == 0) ZeichneBild(40, 46, 687, 32, 32);
    }
    if (f.Typ == 2 || v != 0) {
        if (TutorialSchritt == 35 && BefehlsModus != kModusHerstellen && TutorialBlinkt())
            ZeichneBild(39, 83, 687, 32, 32);
    } else {
        ZeichneBild(45, 83, 687, 32, 32);
    }

    ZeichneSchrift(FigurName(f).text, 145, 655, 2);
    ZeichneBild(TruppTypIcon(f.Typ), 248, 647, 32, 32);
    ZeichneItemIcon(1008, 128, 690, 50, 50);
    ZeichneFormat(170, 706, 2, "%i %s", f.Nahrung, TextStandard[3]);
    ZeichneItemIcon(1012, 128, 715, 50, 50);
    ZeichneFormat(170, 730, 2, "%i %s", f.Wasser, TextStandard[3]);
    ZeichneBild(115, 240, 700, 28, 28);
    ZeichneFormat(270, 706, 2, "%i", f.ABCSchutz);
    ZeichneBild(175, 240, 727, 26, 26);
    ZeichneFormat(270, 730, 2, "%i", f.Ruestung);
    for (int32_t k = 1; k <= 10 && f.Stufe >= k; ++k)
        ZeichneBild(k % 2 == 1 ? 16 : 15, 296.0f + 14 * ((k - 1) / 2), 654, 16, 16);

    SlotItem(Platz(f, Hand), -5, 510.0f + v, 128, 0, 116, 559 + v, 588 + v);
    const ItemSlot& munition = Platz(f, Munition);
    SlotItem(munition, 0, 582.0f + v, 64, 0, 52, 595 + v, 627 + v);
    if (IstItemId(munition.ItemId) && munition.ItemAnzahl > 0) ZeichneAnzahl(munition.ItemAnzahl, 47, 39, 612.0f + v);

    if (BefehlsModus == kModusAusruestung && HudSchieber[2] == 0) ZeichneAusruestungsSlots(f);

    for (int32_t r = 0; r < 2; ++r)
        for (int32_t c = 0; c < 6; ++c) {
            const ItemSlot& slot = f.Inventar[r][c];
            if (!IstItemId(slot.ItemId)) continue;
            const int32_t y = 346 + v + 32 * c;
            SlotItem(slot, 52.0f * r, static_cast<float>(y), 64, 52 * r + 8, 52 * r + 59, y + 15, y + 46);
            if (slot.ItemAnzahl > 1 || ZeigtAnzahlImmer(slot.ItemId))
                ZeichneAnzahl(slot.ItemAnzahl, 52.0f * r + 51, 52.0f * r + 43, y + 31.0f);
        }
}

void MausItem()
{
    if (CursorItem < 1000 || CursorItem > 1999) return;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 0);
    g.SetRenderState(gfx::RenderState::AlphaTestEnable, 0);
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::One);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::One);
    const float x = static_cast<float>(MyApp.MausX), y = static_cast<float>(MyApp.MausY);
    ZeichneItemIcon(CursorItem, x, y, 64, 64);
    const int32_t anzahl = CursorItemAnzahl & 0xFF;
    if (anzahl > 1 || ZeigtAnzahlImmer(CursorItem)) ZeichneFormat(x + 44, y + 32, 2, "%i", anzahl);
}

}  // namespace

void PruefeHudKnoepfe()
{
    struct Feld {
        int x0, x1, y0, y1, tooltip;
    };
    static const Feld felder[] = {
        {251, 272, 653, 670, 15}, {294, 365, 653, 668, 16}, {138, 223, 702, 722, 17},
        {138, 223, 726, 750, 18}, {239, 302, 702, 722, 19}, {239, 302, 726, 750, 20},
    };
    for (const Feld& f : felder) {
        if (MausIn(f.x0, f.x1, f.y0, f.y1)) {
            TooltipNummer = f.tooltip;
            return;
        }
    }
}

int32_t TruppSlotFigur(int32_t slot)
{
    if (slot < 0 || slot > 6 || AuswahlSlots[slot] == KEINE_FIGUR) return -1;
    for (int32_t i = 0; i < FIGUREN_ANZAHL; ++i)
        if (IstTrupp(Figuren[i].Typ) && Figuren[i].Id == AuswahlSlots[slot]) return i;
    return -1;
}

void ZeichneHud()
{
    Lieferung();
    PruefeHudKnoepfe();
    ObereLeiste();
    PortraitReihe();
    if (EditorAktiv != 0) return;

    LinkesPanelNachfuehren();
    Szene.Setze2DModus();
    ZeichneSeitenpanels();
    ZeichneBild(2, 0, 640, 128, 128);

    int32_t slots[7];
    for (int32_t k = 0; k < 7; ++k) slots[k] = TruppSlotFigur(k);

    if (InteraktionsModus == 5) {
        if (StadtRecord* stadt = StadtMitId(AktuelleStadt)) {
            for (int32_t k = 0; k < 7; ++k) {
                if (slots[k] < 0) continue;
                FigurRecord& f = Figuren[slots[k]];
                while (stadt->Wasser > 0 && f.Wasser < 5) {
                    stadt->Wasser -= 1;
                    f.Wasser += 1;
                }
            }
        }
    }

    if (slots[0] < 0) {
        static const float knoepfe[6][2] = {{9, 647}, {46, 647}, {83, 647}, {9, 687}, {46, 687}, {83, 687}};
        for (const auto& k : knoepfe) ZeichneBild(45, k[0], k[1], 32, 32);
    }
    const float v = static_cast<float>(LinkesPanelVersatz);
    ZeichneBild(6, 0, 512 + v, 128, 128);
    ZeichneBild(7, 0, 384 + v, 128, 128);
    ZeichneBild(8, 0, 256 + v, 128, 128);
    if (BefehlsModus == kModusAusruestung) ZeichneBild(127, 64, 595, 64, 32);

    for (int32_t k = 6; k >= 0; --k)
        if (slots[k] >= 0) ZeichneFigurPanel(slots[k], 4 + 83 * k);
    for (int32_t k = 0; k < 7; ++k) {
        if (slots[k] < 0) continue;
        ZeichneBild(5, 377.0f + 83 * k, 641, 128, 128);
        if (k == AuswahlIndex) ZeichneBild(134, 377.0f + 83 * k, 641, 128, 128);
    }
    ZeichneBild(3, 126, 512, 256, 256);

    const int32_t gewaehlt = AuswahlIndex >= 0 && AuswahlIndex <= 6 ? slots[AuswahlIndex] : -1;
    const FigurRecord* mitglied = gewaehlt >= 0 ? &Figuren[gewaehlt] : nullptr;
    ZeichneHerstellenInhalt(mitglied);
    ZeichneAusruestungsVorschau(mitglied);

    if (LinkesPanelVersatz == 0) {
        if (BefehlsModus == 5) ZeichneBild(48, 9, 726, 32, 32);
        if (BefehlsModus == 6) ZeichneBild(47, 46, 726, 32, 32);
        if (BefehlsModus == 7) ZeichneBild(74, 83, 726, 32, 32);
        if (SonderOrt != 0) {
            ZeichneBild(45, 46, 726, 32, 32);
            ZeichneBild(45, 83, 726, 32, 32);
            ZeichneBild(250, 46, 726, 32, 32);
            if (BefehlsModus == 6) ZeichneBild(251, 46, 726, 32, 32);
        }
    }
    if (mitglied) MitgliedSeite(*mitglied);
    TutorialAblauf();
    MausItem();
}
