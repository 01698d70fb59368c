// The world map (mode 9000): the 20 towns on the 20 x 20 cells, the party, the enemy army, the route
// to the selected town with its days, and the side panel of the selected town. A second click on
// the selected town travels there. The raid's battle draws it behind every battle frame.
#include <algorithm>
#include <cstdio>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/items.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/services_interaction.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/setup.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "frontend/travel.h"
#include "interaction/handler.h"
#include "interaction/reise.h"
#include "interaction/tutorial.h"
#include "world/bilder.h"
#include "world/enemy_army.h"
#include "world/records.h"

namespace {

struct Zelle {
    int spalte = -1, reihe = -1;
    bool da() const { return spalte >= 0; }
};

float ZelleX(int spalte) { return float(32 + 64 * spalte + KartenVersatz[0]); }
float ZelleY(int reihe) { return float(32 + 64 * reihe + KartenVersatz[1]); }

// A stored name index outside the table shows no name.
const char* StadtName(const StadtRecord& t) { return t.NamenIndex < SPRECH_ZEILEN ? StadtNamen[t.NamenIndex] : ""; }

int Summe(const StadtRecord& t, int anzahl)
{
    int n = 0;
    for (int k = 0; k < anzahl; ++k) n += t.Besatzung[k];
    return n;
}

void Tooltips()
{
    if (MausIn(973, 1014, 138, 205)) TooltipNummer = 22;
    if (MausIn(887, 935, 329, 375)) TooltipNummer = 23;
    if (MausIn(956, 1010, 335, 372)) TooltipNummer = 24;
    if (MausIn(872, 1018, 253, 295)) TooltipNummer = 25;
}

// Rows of five pips, 12 pixels apart; from the 26th pip on they stay in the sixth row.
void Pips(int textur, int n, float x, float y)
{
    for (int k = 0; k < n; ++k) {
        const int q = std::min(k / 5, 5);
        ZeichneBild(textur, x + float(12 * k - 60 * q), y + float(12 * q), 16, 16);
    }
}

// Draws the cells; gives the party's cell and the selected cell with its town.
void Zellen(Zelle& partei, Zelle& auswahl, int& auswahlStadt)
{
    for (int c = 0; c < WELTRASTER_GROESSE; ++c) {
        for (int r = 0; r < WELTRASTER_GROESSE; ++r) {
            const WeltFeld& feld = WeltRaster[c][r];
            const float x = ZelleX(c), y = ZelleY(r);
            const int stadt = StadtAnWeltZelle(c, r);
            if (stadt >= 0) {
                const StadtRecord& t = StadtTabelle[stadt];
                ZeichneBild(0, x, y, 64, 64);
                ZeichneZentriert(StadtName(t), 64 + 64 * c + KartenVersatz[0], float(94 + 64 * r + KartenVersatz[1]), 2);
                if (t.Besitzer == 1) Pips(180, Summe(t, 5), x, y);
                if (t.Besitzer == 2) Pips(184, Summe(t, 3), x, y);
            }
            if (feld.ParteiHier == 1) {
                ZeichneBild(187, x, y, 64, 64);
                partei = {c, r};
            }
            if (FeindArmeePosition[0] == c && FeindArmeePosition[1] == r && c != 0 && r != 0)
                ZeichneBild(198, x, y, 64, 64);
            if (feld.StadtZeichen == 1) {
                auswahl = {c, r};
                auswahlStadt = stadt;
            }
        }
    }
}

// The king's walk from the party to the selected cell: diagonal until one coordinate agrees, then
// straight on. Its days are the larger of the two distances.
int Route(Zelle von, Zelle nach)
{
    int x = von.spalte, y = von.reihe, tage = 0;
    auto schritt = [&](bool geht, int dx, int dy) {
        if (!geht) return;
        x += dx;
        y += dy;
        ++tage;
        if (x != nach.spalte || y != nach.reihe) ZeichneBild(186, ZelleX(x), ZelleY(y), 64, 64);
    };
    const int zx = nach.spalte, zy = nach.reihe;
    while (x != zx || y != zy) {
        schritt(x < zx && y == zy, 1, 0);
        schritt(x > zx && y == zy, -1, 0);
        schritt(x == zx && y < zy, 0, 1);
        schritt(x == zx && y > zy, 0, -1);
        schritt(x < zx && y > zy, 1, -1);
        schritt(x < zx && y < zy, 1, 1);
        schritt(x > zx && y < zy, -1, 1);
        schritt(x > zx && y > zy, -1, -1);
    }
    ZeichneBild(185, ZelleX(zx), ZelleY(zy), 64, 64);
    ZeichneBild(102, float(64 * zx + 34 + KartenVersatz[0]), float(64 * zy + 15 + KartenVersatz[1]), 16, 16);
    char label[TEXT_LAENGE + 16];
    std::snprintf(label, sizeof label, "%i %s", tage, TextStandard[tage == 1 ? 4 : 3]);
    ZeichneSchrift(label, float(64 * zx + 50 + KartenVersatz[0]), float(64 * zy + 13 + KartenVersatz[1]), 2);
    return tage;
}

// The shadows drifting over the map darken what lies below them.
void Schatten()
{
    gfx::Device& g = *MyApp.m_pd3dDevice;
    g.SetRenderState(gfx::RenderState::AlphaBlendEnable, 1);
    g.SetRenderState(gfx::RenderState::SrcBlend, gfx::blend::Zero);
    g.SetRenderState(gfx::RenderState::DestBlend, gfx::blend::SrcColor);
    ZeichneBild(259, KartenAnimation, 0, 1024, 768);
    ZeichneBild(259, KartenAnimation + 1024.0f, 0, 1024, 768);
    KartenAnimation -= 2.0f;
    if (KartenAnimation <= -1024.0f) KartenAnimation = 0.0f;
    Szene.Setze2DModus();
}

void Rahmen()
{
    for (int k = 0; k < 24; ++k) {
        const int t = k == 0 ? 51 : k == 23 ? 57 : (k == 4 || k == 20) ? 71 : 52 + (k - 1) % 5;
        ZeichneBild(t, 0, float(32 * k), 32, 32);
    }
    for (int k = 0; k < 23; ++k) {
        const bool mitte = k == 5 || k == 22;
        ZeichneBild(mitte ? 72 : 58 + k % 5, float(32 + 32 * k), 0, 32, 32);
        ZeichneBild(mitte ? 73 : 63 + k % 5, float(32 + 32 * k), 736, 32, 32);
    }
    ZeichneBild(68, 768, 0, 256, 256);
    ZeichneBild(69, 768, 256, 256, 256);
    ZeichneBild(70, 768, 512, 256, 256);
    ZeichneBild(190, 360, 0, 256, 64);
    char label[TEXT_LAENGE + 16];
    std::snprintf(label, sizeof label, "%s %i", TextStandard[4], TagZaehler);
    ZeichneSchrift(label, 418, 7, 2);
}

void SeitenPanel(const StadtRecord& t)
{
    char text[32];
    if (Sprache == 2)
        ZeichneSchrift(StadtName(t), 901, 73, 2);
    else
        ZeichneZentriert(StadtName(t), 952, 79, 2);

    const int v = t.Verseuchung;
    ZeichneBild(136, 975, 148.0f - float((v - 100) * 53) / 100.0f, 37, float(v * 53) / 100.0f);
    std::snprintf(text, sizeof text, "%i", v);
    ZeichneZentriert(text, 992, 165, 2);

    const int n = std::min(15, Summe(t, 5));
    int versatz = 0;
    for (int typ = 0; typ < 5; ++typ) {
        for (int k = 0; k < t.Besatzung[typ]; ++k) {
            ZeichneBild(TruppPortrait(typ + 1), float(877 + versatz), 260, 32, 32);
            versatz += 20 - n;
        }
    }
    if (t.NahrungsTier > 0 && IstItemId(t.NahrungsTier)) {
        MyApp.m_pd3dDevice->SetTexture(ItemIconTextur(t.NahrungsTier - 1000));
        MyApp.Draw2D(879, 323, 64, 64);
    }
    std::snprintf(text, sizeof text, "%i", t.WasserZufluss);
    ZeichneZentriert(text, 985, 350, 2);
    if (BesitzerFlagge(t.Besitzer) >= 0) ZeichneBild(BesitzerFlagge(t.Besitzer), 972, 37, 64, 64);
}

void KartenKlick(Zelle partei, Zelle auswahl, int tage)
{
    if (MausLinksGedrueckt != 1 || !MausIn(32, 864, 32, 736)) return;
    MausLinksGedrueckt = 0;
    const int c = (MyApp.MausX - 32 - KartenVersatz[0]) / 64;
    const int r = (MyApp.MausY - 32 - KartenVersatz[1]) / 64;
    const bool aufKarte = c >= 0 && c < WELTRASTER_GROESSE && r >= 0 && r < WELTRASTER_GROESSE;
    const int stadt = aufKarte ? StadtAnWeltZelle(c, r) : -1;
    // The second click on the selected town travels; there is no journey without a route.
    if (aufKarte && WeltRaster[c][r].StadtZeichen == 1 && stadt >= 0 && stadt != AktuelleStadt && partei.da())
        Reise(stadt, c, r, tage);
    for (auto& s : WeltRaster)
        for (WeltFeld& f : s) f.StadtZeichen = 0;
    if (stadt >= 0) {
        WeltRaster[c][r].StadtZeichen = 1;
        SpieleSound(6);
    } else if (auswahl.da()) {
        WeltRaster[auswahl.spalte][auswahl.reihe].StadtZeichen = 1;
    }
}

void ZurueckKnopf()
{
    if (MausIn(933, 1010, 621, 652)) {
        TooltipNummer = 26;
        if (MausLinksGedrueckt == 1) ZeichneBild(100, 896, 581, 128, 128);
    }
    if (MausLinksLosgelassen == 1) {
        MausLinksLosgelassen = 0;
        if (MausIn(933, 1010, 621, 652)) SpielModus = 1000;
    }
}

}  // namespace

void LandkartenBildschirm()
{
    if (TutorialSchritt != 0) TutorialWeiter();
    Tooltips();
    if (MausRechtsGedrueckt == 1) {
        MausRechtsGedrueckt = 0;
        SpielModus = 1000;
    }
    KartenVersatz[0] = std::clamp(KartenVersatz[0], -448, 0);
    KartenVersatz[1] = std::clamp(KartenVersatz[1], -575, 0);
    Szene.Setze2DModus();
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) ZeichneBild(75 + c + 5 * r, ZelleX(4 * c), ZelleY(4 * r), 256, 256);

    Zelle partei, auswahl;
    int auswahlStadt = -1;
    Zellen(partei, auswahl, auswahlStadt);
    const int tage = partei.da() && auswahl.da() ? Route(partei, auswahl) : 0;
    Schatten();
    Rahmen();
    if (auswahlStadt >= 0) SeitenPanel(StadtTabelle[auswahlStadt]);
    KartenKlick(partei, auswahl, tage);
    ZurueckKnopf();
    TutorialAblauf();
}
