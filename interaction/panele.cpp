// The small panels over the town view: the end panel, the info panel, the game-over panel and the
// hint panel's buttons; and the guard that keeps clicks on the left-hand HUD from giving orders.
#include "framework/frame.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "interaction/steuerung.h"
#include "world/anzeige.h"
#include "world/records.h"

namespace {

bool LinksGedruecktIn(int x0, int x1, int y0, int y1) { return MausLinksGedrueckt != 0 && MausIn(x0, x1, y0, y1); }

// From a panel over the town back to the main menu, its buttons rising afresh.
void ZumHauptmenue()
{
    MausLinksGedrueckt = MausRechtsGedrueckt = 0;
    for (int32_t& z : MenueZaehler) z = 0;
    MenueSeitenVersatz = 0;
    SpielModus = 3000;
    MenueAusStadt = 0;
}

// Steps the hint number by schritt past hints never shown; true when one shown was found.
bool BlaettereHinweis(int32_t schritt)
{
    for (int32_t n = HinweisNummer + schritt; n >= 1 && n <= 10; n += schritt) {
        if (HinweisGezeigt[n] != 1) continue;
        HinweisNummer = n;
        for (int32_t& z : HinweisZeilenZaehler) z = 0;
        return true;
    }
    return false;
}

}  // namespace

void BeendenDialog()
{
    if (LinksGedruecktIn(351, 472, 510, 531)) {
        ZumHauptmenue();
        ZeigeSchwarzbild();
        SpieleSound(6);
    }
    if (LinksGedruecktIn(551, 672, 510, 531)) {
        MausLinksGedrueckt = 0;
        SpielEnde = 2;
        SpieleSound(6);
    }
}

void InfoPanelSchliessen()
{
    if (!LinksGedruecktIn(480, 544, 512, 524)) return;
    MausLinksGedrueckt = 0;
    InfoPanelZaehler = 0;
    SpieleSound(6);
}

void MeldungsPanelSchliessen()
{
    if (!LinksGedruecktIn(480, 544, 512, 524)) return;
    SpieleSound(6);
    ZumHauptmenue();
    MeldungsPanelAktiv = 0;
    ZeigeSchwarzbild();
}

void HinweisPanelKnoepfe()
{
    if (LinksGedruecktIn(480, 544, 512, 524)) {
        MausLinksGedrueckt = 0;
        SpieleSound(6);
        HinweisSichtbar = 0;
        return;
    }
    if (HinweisNummer >= 2 && LinksGedruecktIn(266, 295, 507, 530)) {
        MausLinksGedrueckt = 0;
        SpieleSound(6);
        if (BlaettereHinweis(-1)) return;
    }
    if (HinweisNummer < 10 && LinksGedruecktIn(300, 329, 507, 530)) {
        MausLinksGedrueckt = 0;
        SpieleSound(6);
        BlaettereHinweis(+1);
    }
}

void LinkesPanelSperre()
{
    const bool panel = BefehlsModus == 4 || BefehlsModus == 7 || BefehlsModus == 8;
    if (MausIn(0, 120, 370, 768) || MausIn(0, 372, 647, 768) || (panel && MausIn(0, 372, 370, 768))) {
        LoescheMausKnoepfe();
    }
}
