// The in-town interface controller, run by the main loop once a frame before the frame is drawn,
// and mouse-look.
#include "interaction/steuerung.h"

#include "framework/frame.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"
#include "interaction/editor_dienste.h"
#include "interaction/handler.h"
#include "interaction/tutorial.h"
#include "interaction/zeit.h"
#include "platform/os.h"
#include "platform/window.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"

namespace {

constexpr int32_t kKeinMitglied = 32000;
constexpr int32_t kLangerSprungTicks = 14000;
constexpr int32_t kBalkenTakt = 70;

bool Szene0() { return InteraktionsModus == 0; }
bool KeinPartner() { return GespraechsPartner == 0; }
bool Mitglied(int32_t i) { return i != kKeinMitglied; }
bool FreieSicht() { return Szene0() && KeinPartner(); }

void ZeichneSprungBalken(int32_t tick)
{
    gfx::Device& dev = *MyApp.m_pd3dDevice;
    dev.BeginScene();
    Szene.Setze2DModus();
    ZeichneBild(260, 404.0f, 294.0f, 215.0f, 22.0f);
    ZeichneBild(9, 412.0f, 300.0f, float(tick / kBalkenTakt), 10.0f);
    ZeichneZentriert(TextStandard[184], 512, 296.0f, 2);
    dev.EndScene();
    dev.Present();
}

// The portraits of the top bar: the squad in array order, those not stationed first.
void PortraitLeiste()
{
    const bool knopf = MausLinksGedrueckt != 0 || MausLinksLosgelassen != 0 || MausLinksDoppelklick != 0;
    if (!knopf) return;
    int reihe[FIGUREN_ANZAHL];
    const int anzahl = PortraitReihenfolge(reihe);
    for (int n = 0; n < anzahl; ++n) {
        const int32_t x0 = 8 + 28 * n;
        if (!MausIn(x0, x0 + 27, 0, 32)) continue;
        FigurRecord& f = Figuren[reihe[n]];
        MausLinksGedrueckt = MausLinksLosgelassen = 0;
        AuswahlSlots[0] = f.Id;
        for (int s = 1; s < 7; ++s) AuswahlSlots[s] = KEINE_FIGUR;
        AuswahlIndex = 0;
        for (FigurRecord& g : Figuren) g.Ausgewaehlt = 0;
        f.Ausgewaehlt = 1;
        if (MausLinksDoppelklick != 0 && InteraktionsModus == 0) {
            MausLinksDoppelklick = 0;
            KameraUeberFigur(f);
        }
        return;
    }
}

// The top bar: true when a skip button ran this frame, which then ends the controller's frame.
bool ObereLeiste()
{
    if (MyApp.MausY > 65) return false;
    if (MausIn(902, 930, 5, 35)) {
        TooltipNummer = 33;
        // Not consumed: held, the button skips again every frame.
        if (MausLinksGedrueckt != 0) {
            ZusatzTicks(30, TickFiguren::Alle, true);
            return true;
        }
    }
    if (MausIn(942, 970, 5, 35)) {
        TooltipNummer = 32;
        if (MausLinksGedrueckt != 0) {
            LangerZeitsprung();
            return true;
        }
    }
    PortraitLeiste();
    return false;
}

}  // namespace

const KettenGlied HandlerKette[] = {
    {"TutorialWeiter", [](int32_t) { TutorialWeiter(); }, [](int32_t) { return TutorialSchritt != 0; }},
    {"HinweisPanelKnoepfe", [](int32_t) { HinweisPanelKnoepfe(); }, [](int32_t) { return HinweisSichtbar == 1; }},
    {"BeendenDialog", [](int32_t) { BeendenDialog(); }, [](int32_t) { return SpielEnde == 1; }},
    {"InfoPanelSchliessen", [](int32_t) { InfoPanelSchliessen(); }, [](int32_t) { return InfoPanelZaehler > 0; }},
    {"RekrutItemSlot", RekrutItemSlot, [](int32_t) { return Szene0(); }},
    {"HerstellenPanel", HerstellenPanel,
     [](int32_t i) { return FreieSicht() && BefehlsModus == 4 && Mitglied(i); }},
    {"SpielMenueKnoepfe", SpielMenueKnoepfe, [](int32_t) { return FreieSicht() && BefehlsModus == 5; }},
    {"StadtVorratPanel", StadtVorratPanel, [](int32_t) { return FreieSicht() && BefehlsModus == 7; }},
    {"AusruestungPanel", AusruestungPanel,
     [](int32_t i) { return FreieSicht() && BefehlsModus == 8 && Mitglied(i); }},
    {"AusruestungKnopf", AusruestungKnopf, [](int32_t) { return FreieSicht(); }},
    {"MunitionLaden", MunitionLaden, Mitglied},
    {"HandItemTauschen", HandItemTauschen, Mitglied},
    {"InventarRaster", InventarRaster, Mitglied},
    {"BehaelterFenster", BehaelterFenster,
     [](int32_t) { return (InteraktionsModus == 1 || InteraktionsModus == 5) && KeinPartner(); }},
    {"InventarSpalteLinks", InventarSpalteLinks, Mitglied},
    {"BefehlsKnoepfe", BefehlsKnoepfe, [](int32_t) { return FreieSicht(); }},
    {"AuswahlLeisteAblegen", AuswahlLeisteAblegen, [](int32_t) { return Szene0(); }},
    {"KameraAufSlot", KameraAufSlot, [](int32_t) { return Szene0(); }},
    {"AuswahlLeisteKlick", AuswahlLeisteKlick, [](int32_t) { return true; }},
    {"AuswahlLeisteRechtsKlick", AuswahlLeisteRechtsKlick, [](int32_t) { return true; }},
    {"LinkesPanelSperre", [](int32_t) { LinkesPanelSperre(); }, [](int32_t) { return true; }},
    {"ItemBenutzenBefehl", ItemBenutzenBefehl, [](int32_t i) { return FreieSicht() && Mitglied(i); }},
    {"KlickAuswahl", KlickAuswahl, [](int32_t) { return FreieSicht(); }},
    {"RahmenAuswahl", RahmenAuswahl, [](int32_t) { return FreieSicht(); }},
    {"EingangBefehl", EingangBefehl,
     [](int32_t) { return AktuelleStadtRecord().Besitzer != 2 && FreieSicht(); }},
    {"BewegenBefehl", BewegenBefehl, [](int32_t) { return FreieSicht(); }},
    {"RennenBefehl", RennenBefehl, [](int32_t) { return FreieSicht(); }},
};
const int kHandlerKettenLaenge = int(sizeof HandlerKette / sizeof HandlerKette[0]);

void LoescheMausKnoepfe()
{
    MausLinksGedrueckt = MausLinksDoppelklick = MausRechtsGedrueckt = 0;
    MausRechtsDoppelklick = MausLinksLosgelassen = MausRechtsLosgelassen = 0;
}

int32_t AktivesMitglied()
{
    const int k = TruppMitgliedMitId(AusgewaehlteFigurId());
    return k < 0 ? kKeinMitglied : k;
}

void KameraUeberFigur(const FigurRecord& f)
{
    const float x = f.Position[0], z = f.Position[2];
    Cam.Set(x, 250.0f, z - 170.0f, x, 237.0f, z - 160.0f, 0.0f, 1.0f, 0.0f);
}

void LangerZeitsprung()
{
    if (TutorialSchritt == 22) TutorialSchritt = 23;
    if (TutorialSchritt == 21) {
        TutorialSchritt = 22;
        GespraechsPhase = 0;
        StoppeSound(Sprachkanal);
    }
    os::SetCursor(CursorTabelle[5]);
    const bool tonAn = SetupWerte.SOUND != 0;
    SetupWerte.SOUND = 0;
    MyApp.m_pd3dDevice->EndScene();
    MyApp.m_pd3dDevice->Present();
    for (int32_t tick = 0; tick < kLangerSprungTicks; ++tick) {
        if (tick % kBalkenTakt == 0) {
            // The window stays alive: messages are handled, but what the player clicks is dropped.
            win::PumpMessages();
            LoescheMausKnoepfe();
            if (BeendenFlag != 0) break;
            ZeichneSprungBalken(tick);
        }
        ZusatzTick(TickFiguren::Bewegte, true);
    }
    os::SetCursor(AktuellerCursor());
    ZeigeSchwarzbild();
    LoescheMausKnoepfe();
    if (tonAn) SetupWerte.SOUND = 1;
}

void InterfaceSteuerung()
{
    if (!IstStadtModus()) return;
    if (MeldungsPanelAktiv == 1) {
        MeldungsPanelSchliessen();
        return;
    }
    if (ObereLeiste()) return;

    const int32_t aktiv = AktivesMitglied();
    if (EditorAktiv == 1) {
        EditorSteuerung(aktiv);
        return;
    }
    for (const KettenGlied& glied : HandlerKette)
        if (glied.tor(aktiv)) glied.handler(aktiv);

    // The container, well and recruiter scenes close on a right click with nothing on the mouse.
    const bool schliessbar = InteraktionsModus > 0 && InteraktionsModus != 2 && InteraktionsModus != 3 &&
                             InteraktionsModus != 4 && InteraktionsModus != 6;
    if (MausRechtsGedrueckt == 1 && schliessbar && CursorItem == 0 && KeinPartner()) {
        MausRechtsGedrueckt = 0;
        InteraktionsModus = 0;
        for (int k = 0; k < 3; ++k) {
            Cam.Auge[k] = KameraKopie[k];
            Cam.Ziel[k] = KameraKopie[3 + k];
        }
    }
}

void MausDrehung()
{
    if (SpielModus != 1000 || MausMitteDrehen != 1 || InteraktionsModus != 0) return;
    Cam.Orbit(0.0f, float(double(MyApp.MausX - 512) / 250.0), 0.0f);
    os::WarpPointer(512, 384);
}
