// The four side panels: their slide, the game menu, the town stock, the crafting content and the
// equipment panel with the member's lit model and worn items.
#include "townview/seitenpanels.h"

#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "framework/frame.h"
#include "townview/figur_texturen.h"
#include "townview/hud_teile.h"
#include "townview/item_karten.h"
#include "world/bilder.h"
#include "world/figur_hilfen.h"
#include "world/records.h"
#include "world/rezepte.h"

namespace {

void PanelTeile(int32_t s, int32_t oben, int32_t unten)
{
    ZeichneBild(oben, 124.0f - s, 254, 256, 128);
    ZeichneBild(unten, 124.0f - s, 382, 256, 256);
}

void SpielMenue()
{
    int32_t& s = HudSchieber[0];
    SchiebePanel(s, kModusSpielMenue);
    PanelTeile(s, 166, 165);
    ZeichneZentriert(TextStandard[21], 251 - s, 340, 2);
    struct Knopf {
        int eintrag, y, y0, y1;
    };
    static const Knopf knoepfe[] = {
        {56, 426, 427, 439}, {55, 446, 446, 460}, {21, 466, 467, 479}, {22, 486, 487, 499}, {23, 506, 506, 519},
    };
    for (const Knopf& k : knoepfe)
        ZeichneZentriert(TextStandard[k.eintrag], 250 - s, static_cast<float>(k.y), MausIn(211, 290, k.y0, k.y1) ? 3 : 2);
}

void HoverBox(int32_t a, int32_t b, int32_t c)
{
    const float mx = static_cast<float>(MyApp.MausX), my = static_cast<float>(MyApp.MausY);
    ZeichneBild(0, mx + 15, my + 15, 56, 25);
    ZeichneFormat(mx + 20, my + 20, 2, "%i : %i : %i", a, b, c);
}

void StadtVorratInhalt(int32_t s)
{
    const StadtRecord* stadt = StadtMitId(AktuelleStadt);
    if (!stadt) return;
    if (stadt->NamenIndex < SPRECH_ZEILEN) ZeichneFormat(144.0f - s, 365, 2, "%s", StadtNamen[stadt->NamenIndex]);

    int32_t t = 0;
    for (uint8_t b : stadt->Besatzung) t += b;
    if (t > 15) t = 15;
    int32_t o = 0;
    for (int32_t typ = 1; typ <= 5; ++typ)
        for (int32_t n = 0; n < stadt->Besatzung[typ - 1]; ++n) {
            ZeichneBild(TruppPortrait(typ), 135.0f - s + o, 410, 32, 32);
            o += 20 - t;
        }

    const int32_t c = NahrungsStapel(stadt->NahrungsTier);
    const int32_t st = stadt->Stationiert;
    for (int32_t k = 9; k >= 1; --k) ZeichneBild(108, 105.0f - s + 23 * k, 435, 64, 64);
    for (int32_t k = c; k >= 1; --k) {
        const float x = 105.0f - s + 23 * k;
        if (k > c - st)
            ZeichneBild(110, x, 435, 64, 64);
        else
            ZeichneItemIcon(1008, x, 435, 64, 64);
    }
    // The income can exceed the nine places the row has; only those are shown.
    const int32_t w = stadt->WasserZufluss;
    for (int32_t k = 0; k < 9; ++k) ZeichneBild(111, 127.0f - s + 23 * k, 470, 64, 64);
    for (int32_t k = 0; k < w && k < 9; ++k) {
        const float x = 127.0f - s + 23 * k;
        if (k < w - st)
            ZeichneItemIcon(1038, x, 470, 64, 64);
        else
            ZeichneBild(112, x, 470, 64, 64);
    }

    const int32_t V = stadt->Verseuchung;
    ZeichneBild(136, 320.0f - s, 364.0f - static_cast<float>((V - 100) * 53) / 100.0f, 37,
                static_cast<float>(V * 53) / 100.0f);
    ZeichneFormatZentriert(337 - s, 381, 2, "%i", V);

    ZeichneItemIcon(NahrungsWerkzeug(stadt->NahrungsTier), 162.0f - s, 554, 64, 64);
    if (stadt->Pumpe > 0) ZeichneItemIcon(stadt->Pumpe, 274.0f - s, 554, 64, 64);
    if (TutorialSchritt == 20) {
        if (stadt->NahrungsTier == 0) {
            if (TutorialBlinkt()) ZeichneItemIcon(1039, 162.0f - s, 554, 64, 64);
        } else if (stadt->Pumpe == 0) {
            if (TutorialBlinkt()) ZeichneItemIcon(1042, 274.0f - s, 554, 64, 64);
        }
    }

    if (MyApp.MausX >= 135 - s && MyApp.MausX <= 353 - s) {
        if (MyApp.MausY >= 451 && MyApp.MausY <= 477) HoverBox(c, st, c - st);
        if (MyApp.MausY >= 485 && MyApp.MausY <= 516) HoverBox(w, st, w - st);
    }
}

// Skin texture of a body part by its look variant (0..9); a variant from a save outside them is 0.
int32_t HautTextur(int32_t variante)
{
    const int32_t slot = FigurTexturSlot(variante);
    return slot >= 0 ? slot : FigurTexturSlot(0);
}

void KoerperTeil(int32_t slot, int32_t textur)
{
    if (textur < 0 || textur >= MyApp::kTexturen) return;
    ZeichneMeshSlot(slot, math3d::Translation(43, -30, -30), MyApp.Texturen[textur]);
}

}  // namespace

void SchiebePanel(int32_t& s, int32_t modus)
{
    // The offset comes with a save: out of the panel's range it is taken as resting out.
    if (s < 0 || s > kPanelAussen) s = kPanelAussen;
    if (s < 376 && BefehlsModus != modus) s += 48;
    if (s > 0 && BefehlsModus == modus) {
        s -= 48;
        if (s < 0) s = 0;
    }
}

void ZeichneSeitenpanels()
{
    SpielMenue();
    SchiebePanel(HudSchieber[3], kModusHerstellen);
    PanelTeile(HudSchieber[3], 143, 142);
    SchiebePanel(HudSchieber[2], kModusAusruestung);
    PanelTeile(HudSchieber[2], 129, 128);
    int32_t& s = HudSchieber[1];
    SchiebePanel(s, kModusStadtVorrat);
    PanelTeile(s, 107, 106);
    if (BefehlsModus == kModusStadtVorrat) StadtVorratInhalt(s);
}

void ZeichneHerstellenInhalt(const FigurRecord* mitglied)
{
    if (HudSchieber[3] != 0) return;
    if (!mitglied || mitglied->Typ != 2) BefehlsModus = 3;
    if (!mitglied) return;
    if (MausIn(141, 158, 395, 432)) ZeichneBild(144, 129, 383, 64, 64);
    if (MausIn(346, 419, 395, 432)) ZeichneBild(145, 311, 383, 64, 64);
    if (MausIn(222, 282, 488, 508))
        ZeichneBild(146, 186, 463, 128, 128);
    else if (TutorialSchritt == 35 && BefehlsModus == kModusHerstellen && RezeptWahl == 0 && TutorialBlinkt())
        ZeichneBild(146, 186, 463, 128, 128);

    // A choice from a save that names no recipe shows no card.
    if (const Rezept* r = RezeptMitIndex(RezeptWahl)) {
        if (RezeptVerfuegbar(RezeptWahl, mitglied->Stufe)) {
            ZeichneItemInfo(r->Ergebnis - 1000);
        } else {
            ZeichneItemInfo(Rezepte[0].Ergebnis - 1000);
            RezeptWahl = 0;
        }
    } else {
        RezeptWahl = 0;
    }
    if (RezeptScroll < 0 || RezeptScroll >= REZEPT_ANZAHL) return;
    for (int32_t p = 0; p < 3; ++p) {
        const int32_t j = RezeptScroll + p;
        if (RezeptVerfuegbar(j, mitglied->Stufe)) ZeichneItemIcon(Rezepte[j].Ergebnis, 164.0f + 51 * p, 384, 64, 64);
    }
}

void ZeichneAusruestungsVorschau(const FigurRecord* mitglied)
{
    if (BefehlsModus != kModusAusruestung || HudSchieber[2] != 0 || !mitglied) return;
    const FigurRecord& f = *mitglied;
    gfx::Device& g = *MyApp.m_pd3dDevice;
    Szene.Setze3DKamera();
    SetzeVorschauLichter(0xFF191919u);
    g.SetTransform(gfx::TransformType::View,
                   math3d::LookAtLH({-20, 10, 50}, {0, 0, 0}, {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]}));
    g.SetRenderState(gfx::RenderState::ZEnable, 1);
    g.SetRenderState(gfx::RenderState::ZWriteEnable, 1);
    g.SetRenderState(gfx::RenderState::CullMode, gfx::cull::CCW);
    SetzeAlphaZustaende(g);

    // Body part p is mesh slot 2000 + 12 p, with its skin unless a worn item replaces it.
    const auto haut = [&](int p, int variante) {
        const int kleidung = KleidungsTextur(f, p);
        KoerperTeil(2000 + 12 * p, kleidung >= 0 ? kleidung : HautTextur(variante));
    };
    haut(0, f.Aussehen[1]);
    haut(1, f.Aussehen[0]);
    haut(2, f.Aussehen[2]);
    haut(4, f.Aussehen[4]);
    haut(3, f.Aussehen[3]);
    for (int p = 5; p <= 7; ++p) KoerperTeil(2000 + 12 * p, KleidungsTextur(f, p));
    // The hand has a mesh for each texture: the knife (its blade cut out), the pistols, the rifles.
    const int hand = KleidungsTextur(f, 8);
    if (hand == 213) {
        SetzeAlphaZustaende(g);
        KoerperTeil(2097, 213);
        g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 0);
        g.SetRenderState(gfx::RenderState::AlphaTestEnable, 0);
    }
    if (hand == 264) KoerperTeil(2109, 264);
    if (hand == 268) KoerperTeil(2121, 268);

    MyApp.m_matView = math3d::LookAtLH({Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]}, {Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]},
                                       {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    g.SetTransform(gfx::TransformType::View, MyApp.m_matView);
    Szene.Setze2DModus();
}

void ZeichneAusruestungsSlots(const FigurRecord& f)
{
    for (const TragePlatz& s : kTragePlaetze) {
        const int32_t id = Platz(f, s.platz).ItemId;
        if (!IstItemId(id)) continue;
        ZeichneItemIcon(id, s.x, s.y, 64, 64);
        if (MausIn(s.x0, s.x1, s.y0, s.y1)) ZeichneItemTooltip(id - ERSTE_ITEM_ID);
    }
}
