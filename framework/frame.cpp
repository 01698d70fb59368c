// The frame dispatch: music, cursor, sorting, then exactly one screen by SpielModus, the debug
// texts, and the frame presented.
#include "framework/frame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/camera.h"
#include "framework/font.h"
#include "framework/keyboard.h"
#include "framework/music.h"
#include "framework/myapp.h"
#include "framework/services_frontend.h"
#include "framework/services_interaction.h"
#include "framework/services_townview.h"
#include "framework/services_world.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "framework/texte.h"
#include "world/records.h"

int32_t SortierZaehler = 0;
uint8_t WindSoundLaeuft = 0;
uint8_t RegenSoundLaeuft = 0;
int32_t ZeilenTimer[6] = {};
uint8_t StadtBildGezeichnet = 0;
uint8_t FigurLabelGezeigt = 0;
uint8_t ItemListeGezeigt = 0;
int32_t TooltipModus = -1;
int32_t TooltipSzene = 0;
uint8_t MeldungsPanelAktiv = 0;
int32_t InfoPanelZaehler = 0;
uint8_t HinweisSichtbar = 0;
uint8_t EditorAktiv = 0;
int32_t EditorWerkzeug = 0;
int32_t EditorObjekt = 0;
int32_t EditorDrehung = 0;
uint8_t TutorialSchritt = 0;
os::Cursor CursorTabelle[kCursorAnzahl] = {};

namespace {

float AbstandZumZiel(const float position[3])
{
    return MyApp.Distance(position[0], position[1], position[2], Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]);
}

// One consistent order (a strict weak ordering, as a sort needs): records in use first; among
// them by distance, a distance that is not a number last; then, for figures, by type. Records in
// use that compare equal keep their order (the sort is stable), so the result is the same every run.
template <typename Record>
bool VorAbstand(const Record& a, const Record& b, bool fernsteZuerst)
{
    if ((a.Aktiv != 0) != (b.Aktiv != 0)) return a.Aktiv != 0;
    if (a.Aktiv == 0) return false;
    const float da = AbstandZumZiel(a.Position), db = AbstandZumZiel(b.Position);
    if (std::isnan(da) != std::isnan(db)) return std::isnan(db);
    if (std::isnan(da)) return false;
    return fernsteZuerst ? da > db : da < db;
}

bool VergleicheObjektAbstand(const ObjektRecord& a, const ObjektRecord& b) { return VorAbstand(a, b, true); }

bool VergleicheFigurAbstand(const FigurRecord& a, const FigurRecord& b)
{
    if (VorAbstand(a, b, false)) return true;
    if (VorAbstand(b, a, false)) return false;
    return a.Aktiv != 0 && b.Aktiv != 0 && a.Typ < b.Typ;
}

void DebugTexte()
{
    char text[256];
    std::snprintf(text, sizeof text, "Debug: %f", MusikLautstaerke);
    ZeichneSchrift(text, 5, 5, 2);
    std::snprintf(text, sizeof text, "Maus: %i, %i", MyApp.MausX, MyApp.MausY);
    ZeichneSchrift(text, 5, 20, 2);
    std::snprintf(text, sizeof text, "FPS: %f", MyApp.FPS);
    ZeichneSchrift(text, 5, 35, 2);
    std::snprintf(text, sizeof text, "y: %f", Cam.Ziel[1]);
    ZeichneSchrift(text, 5, 75, 2);
    std::snprintf(text, sizeof text, "z: %f", Cam.Ziel[2]);
    ZeichneSchrift(text, 5, 90, 2);
    std::snprintf(text, sizeof text, "Msg: %i", LetzterWParam);
    ZeichneSchrift(text, 5, 120, 2);
    std::snprintf(text, sizeof text, "Gegner-Energie: %i", FeindStaerke);
    ZeichneSchrift(text, 5, 175, 2);
    std::snprintf(text, sizeof text, "Cam-Pos: %f, %f, %f", Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]);
    ZeichneSchrift(text, 5, 140, 2);
    std::snprintf(text, sizeof text, "Cam-View: %f, %f, %f", Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]);
    ZeichneSchrift(text, 5, 155, 2);
}

}  // namespace

bool IstStadtModus() { return SpielModus == 1000 || SpielModus == 10000; }

void StadtFrame()
{
    gfx::Device& device = *MyApp.m_pd3dDevice;
    if (WindSoundLaeuft == 0 && SetupWerte.SOUND == 1) {
        SpieleSoundSchleife(15);
        WindSoundLaeuft = 1;
    }
    if (RegenAktiv == 1 && RegenSoundLaeuft == 0 && SetupWerte.SOUND == 1) {
        SpieleSoundSchleife(13);
        RegenSoundLaeuft = 1;
    }
    MusikTakt(MusikTrack);
    Szene.AktualisiereWelt();
    Szene.Setze3DKamera();
    MyApp.m_matView = math3d::LookAtLH({Cam.Auge[0], Cam.Auge[1], Cam.Auge[2]}, {Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2]},
                                       {Cam.Oben[0], Cam.Oben[1], Cam.Oben[2]});
    device.SetTransform(gfx::TransformType::View, MyApp.m_matView);

    if (InteraktionsModus > 0) {
        device.Marker("close-up");
        ZeichneInteraktionsSzene();
        device.Marker("tooltip");
        ZeichneTooltip();
    }
    // Tested again: a close-up scene that closed above lets the rest of the frame run.
    if (InteraktionsModus != 0) return;

    // The count comes with a save and can be anything: below 1 it only waits for its reload.
    if (VerseuchungsTakt > 0) VerseuchungsTakt -= 1;
    if (VerseuchungsTakt <= 0) {
        if (const StadtRecord* stadt = StadtMitId(AktuelleStadt)) VerseuchungsTakt = stadt->Verseuchung;
    }
    AktualisiereTageslauf();
    SichtPyramide.FrustumAktualisieren();
    Szene.AktualisiereMausFeld();
    Szene.SetzeFigurLichter();
    device.Marker("floor");
    Szene.ZeichneBoden();
    device.Marker("detail floor");
    if (SetupWerte.DETAILMAP > 0) ZeichneDetailBoden();
    device.Marker("surroundings");
    Szene.ZeichneHorizont();
    device.Marker("border");
    Szene.ZeichneRand();
    device.Marker("figure shadows");
    if (SetupWerte.SHADOW > 0) Szene.RendereFigurSchatten();
    device.Marker("figures");
    Szene.ZeichneFiguren();
    device.Marker("object shadows");
    if (SetupWerte.SHADOW > 0) Szene.RendereObjektSchatten();
    device.Marker("objects");
    Szene.ZeichneStadtObjekte();
    device.Marker("effects");
    Szene.ZeichneEffekte();
    device.Marker("clouds");
    if (SetupWerte.CLOUDS > 0) ZeichneWolkenSchicht();
    device.Marker("plants");
    if (SetupWerte.VEGETATION > 0) Szene.ZeichneVegetation();
    device.Marker("weather");
    if (SetupWerte.PARTIKEL > 0 && RegenAktiv == 1) Szene.ZeichneWetter();
    device.Marker("fog");
    if (SetupWerte.FOG > 0) ZeichneNebelSchicht();
    device.Marker("cell marker");
    Szene.ZeichneFeldMarker();
    device.Marker("rotating");
    Szene.ZeichneDrehobjekte();
    device.Marker("selection box");
    ZeichneAuswahlRahmen();
    device.Marker("cell name");
    ZeichneFeldName();

    FigurLabelGezeigt = 0;
    ItemListeGezeigt = 0;
    int32_t labelHoehe = 0;
    device.Marker("energy");
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (Figuren[i].Aktiv == 1) ZeichneEnergie(i);
    device.Marker("labels");
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        if (Figuren[i].Aktiv != 1) continue;
        AktualisiereFigur(i);
        StadtbewohnerSprueche(i);
        if (LabelTasteGehalten())
            ZeichneFigurLabel(i, 0);
        else
            labelHoehe += ZeichneFigurLabel(i, labelHoehe);
        Figuren[i].LabelAnzeigen = 0;
    }
    device.Marker("floating");
    ZeichneSchwebeZahlen();
    ZeichneSchwebeTexte();
    device.Marker("panels");
    if (HinweisSichtbar == 1) ZeichneHinweisPanel();
    if (MeldungsPanelAktiv == 1) ZeichneMeldungsPanel();
    if (InfoPanelZaehler > 0) ZeichneInfoPanel();
    if (SpielEnde == 1) ZeichneMeldungsPanel2();
    device.Marker("overlay");
    // The mode may have changed during the frame: each overlay runs only in its own mode.
    if (SpielModus == 1000)
        ZeichneUnterhaltungUndEditor(0);
    else if (SpielModus == 10000)
        GespraechsBildschirm();
    device.Marker("hud");
    ZeichneHud();
    StadtBildGezeichnet = 1;
    device.Marker("tooltip");
    ZeichneTooltip();
    device.Marker("message lines");
    ZeichneMeldungsZeilen();
}

void LandkartenMitTooltip()
{
    LandkartenBildschirm();
    MyApp.m_pd3dDevice->Marker("tooltip");
    ZeichneTooltip();
}

os::Cursor AktuellerCursor()
{
    const int index = (CursorIndex >= 0 && CursorIndex < kCursorAnzahl) ? CursorIndex : 2;
    return CursorTabelle[index];
}

void SetzeCursor(int32_t index)
{
    CursorIndex = index;
    os::SetCursor(AktuellerCursor());
}

int32_t AusgewaehlteFigurId()
{
    if (AuswahlIndex < 0 || AuswahlIndex > 6) return KEINE_FIGUR;
    return AuswahlSlots[AuswahlIndex];
}

void SortiereStadt()
{
    if (SortierZaehler < 1) {
        SortierZaehler = SORT_SPEED;
        if (IstStadtModus())
            std::stable_sort(std::begin(StadtObjekte), std::end(StadtObjekte), VergleicheObjektAbstand);
    } else {
        SortierZaehler -= 1;
    }
    if (IstStadtModus()) std::stable_sort(std::begin(Figuren), std::end(Figuren), VergleicheFigurAbstand);
}

void ZeichneMeldungsZeilen()
{
    int32_t versatz = 0;
    auto zeile = [&](int eintrag) {
        versatz += 25;
        ZeichneSchrift(TextStandard[eintrag], 35.0f, float(51 + versatz), 1);
        MyApp.m_pd3dDevice->SetTexture(MyApp.Texturen[201]);
        MyApp.Draw2D(0.0f, float(50 + versatz), 32.0f, 32.0f);
    };
    if (SonderOrt == 0) {
        if (const StadtRecord* stadt = StadtMitId(AktuelleStadt)) {
            const int kapazitaet = NahrungsStapel(stadt->NahrungsTier);
            if (stadt->Stationiert > kapazitaet || stadt->Stationiert > stadt->WasserZufluss) zeile(87);
        }
    }
    struct Zeile {
        int timer, eintrag, sonderOrt;  // sonderOrt -1: shown anywhere
    };
    const Zeile zeilen[] = {{kJagdZeile, 174, 0},      {kAngriffZeile, 175, 1},  {kSpeichernGesperrtZeile, 177, -1},
                           {kEinsiedlerZeile, 178, -1}, {kKarawaneZeile, 179, -1}, {kNeuerTagZeile, 180, -1}};
    for (const Zeile& z : zeilen) {
        if (ZeilenTimer[z.timer] <= 0) continue;
        if (z.sonderOrt >= 0 && SonderOrt != z.sonderOrt) continue;
        zeile(z.eintrag);
        ZeilenTimer[z.timer] -= 1;
    }
}

Bildschirm BildschirmFuerModus(int32_t m)
{
    using M = Bildschirm::Musik;
    if (m >= 0 && m <= 999) return {DatenLaden, M::Keine};
    if (m == 2000) return {MitwirkendeBildschirm, M::Danach};
    if (m == 3000) return {HauptmenueBildschirm, M::Danach};
    if (m == 4000) return {BeendenBildschirm, M::Davor};
    if (m >= 5000 && m <= 5999) return {OptionenBildschirm, M::Danach};
    if (m == 6000 || m == 6001) return {NeuesSpielBildschirm, M::Danach};
    if (m >= 7000 && m <= 7999) return {SpielSpeichernBildschirm, M::Danach};
    if (m == 8000) return {SpielLadenBildschirm, M::Danach};
    if (m == 9000) return {LandkartenMitTooltip, M::Danach};
    if (m == 12000) return {KameraSequenz, M::Danach};
    if (m == 13000) return {ZumHauptmenue, M::Danach};
    if (m == 15000) return {NachSequenzZumMenue, M::Danach};
    if (m == 1000 || m == 10000) return {StadtFrame, M::Keine};  // the town frame steps the music itself
    return {nullptr, M::Keine};
}

namespace {

// A tooltip belongs to the scene or screen whose control set it: when that closes (a close-up scene,
// the world map, any screen), it goes, though the mouse has not moved.
void TooltipMitSeinemBildschirm()
{
    if (SpielModus != TooltipModus || InteraktionsModus != TooltipSzene) TooltipNummer = 0;
    TooltipModus = SpielModus;
    TooltipSzene = InteraktionsModus;
}

}  // namespace

int32_t MyApp::Render(float)
{
    TooltipMitSeinemBildschirm();
    MusikNachModus();
    os::SetCursor(AktuellerCursor());
    SortiereStadt();

    gfx::Device& device = *m_pd3dDevice;
    device.Clear(gfx::clear::Target | gfx::clear::ZBuffer, 0xFF000000u, 1.0f);
    device.BeginScene();

    const Bildschirm b = BildschirmFuerModus(SpielModus);
    if (b.musik == Bildschirm::Musik::Davor) MusikTakt(MusikTrack);
    if (b.zeichne) b.zeichne();
    if (b.musik == Bildschirm::Musik::Danach) MusikTakt(MusikTrack);

    if (DebugModus == 1) DebugTexte();
    device.EndScene();
    return device.Present() ? 0 : -1;
}
