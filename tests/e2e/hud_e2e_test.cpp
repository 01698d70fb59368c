// The town HUD in the real game: town 0 with a squad of three, the full HUD, each side panel, a
// slide-in panel, the hint panel and a tooltip, each written as a PNG.
#include <cstring>

#include "framework/frame.h"
#include "framework/shell.h"
#include "tests/e2e/e2e_spiel.h"
#include "townview/hud.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

class HudE2E : public SpielE2E {
protected:
    // A squad member of type typ copied from the own figure into a free record, put in bar slot k.
    static void NeuesMitglied(int typ, int k, uint8_t stufe)
    {
        const int eigene = [] {
            for (int i = 0; i < FIGUREN_ANZAHL; ++i)
                if (Figuren[i].Aktiv == 1 && Figuren[i].EigeneFigur == 1) return i;
            return -1;
        }();
        ASSERT_GE(eigene, 0);
        const int i = FreieFigur();
        ASSERT_GE(i, 0);
        FigurRecord& f = Figuren[i];
        f = Figuren[eigene];
        f.Id = static_cast<int16_t>(i + 1);
        f.EigeneFigur = 0;
        f.Typ = static_cast<int16_t>(typ);
        f.NamensIndex = static_cast<int16_t>(10 + k);
        f.Stufe = stufe;
        f.Gesundheit = 40 + 20 * k;
        f.Position[0] += 12.0f * k;
        f.Wegpunkt[0] = f.Ziel[0] = f.Position[0];
        AuswahlSlots[k] = f.Id;
    }
};

TEST_F(HudE2E, FullHudPanelsHintAndTooltip)
{
    StarteBisHauptmenue();
    InStadtNull();
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (Figuren[i].Aktiv == 1 && Figuren[i].EigeneFigur == 1) AuswahlSlots[0] = Figuren[i].Id;
    NeuesMitglied(2, 1, 6);
    NeuesMitglied(3, 2, 3);
    AuswahlIndex = 1;
    FigurRecord& techniker = Figuren[TruppSlotFigur(1)];
    Platz(techniker, Hand) = {1030, 1, 0};
    Platz(techniker, Munition) = {1092, 12, 0};
    Platz(techniker, Helm) = {1044, 1, 0};
    Platz(techniker, Koerper) = {1025, 1, 0};
    techniker.Inventar[0][0] = {1014, 3, 0};
    techniker.Inventar[1][1] = {1080, 1, 0};
    techniker.Ruestung = 15;

    // The full HUD with the top bar and the portrait row under the mouse (the first visit's hint
    // is put away).
    HinweisSichtbar = 0;
    Zeiger(40, 20);
    Frames(8);
    ASSERT_EQ(SpielModus, 1000);
    Bild("hud_voll");

    // Each side panel, chosen directly, slid all the way in.
    Zeiger(600, 300);
    const struct {
        int modus;
        const char* name;
    } panels[] = {{5, "hud_panel_spielmenue"}, {7, "hud_panel_stadtvorrat"}, {4, "hud_panel_herstellen"},
                  {8, "hud_panel_ausruestung"}};
    for (const auto& p : panels) {
        BefehlsModus = p.modus;
        HinweisSichtbar = 0;
        Frames(10);
        EXPECT_EQ(BefehlsModus, p.modus);
        Bild(p.name);
    }
    BefehlsModus = 3;
    Frames(10);
    for (int32_t s : HudSchieber) EXPECT_EQ(s, 384);

    // The slide-in panel of the beaten enemy army, grown to its full height.
    InfoPanelZaehler = 250;
    HinweisPanelHoehe = 0;
    Frames(14);
    EXPECT_EQ(HinweisPanelHoehe, 352);
    Bild("hud_einblendung_info");
    InfoPanelZaehler = 0;

    // Hint 6, opened and typed out.
    ZeigeHinweis(6);
    Frames(150);
    EXPECT_EQ(HinweisZeilenZaehler[6], 255);
    Bild("hud_hinweis");
    HinweisSichtbar = 0;

    // A tooltip: the mouse rests on the member page's water field.
    Zeiger(150, 735);
    Frames(20);
    EXPECT_EQ(TooltipNummer, 18);
    Bild("hud_tooltip");

    BeendenFlag = 1;
    BeendeProgramm();
    for (const std::string& m : meldungen) ADD_FAILURE() << "message box: " << m;
}

}  // namespace
