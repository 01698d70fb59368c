// Snapshots of town 0: by day, night and rain, its HUD and panels, the hint panel with the sound
// of its button, and the name of each entrance kind under the pointer.
#include "framework/camera.h"
#include "framework/frame.h"
#include "platform/keyboard.h"
#include "tests/snapshots/schnappschuss_test.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

class StadtSchnappschuss : public SchnappschussE2E {};
using T = SchnappschussE2E;

// Town 0 by day, the first visit's hint put away, the pointer over the town.
void Stadt(T& t)
{
    t.InStadtNullRuhig();
    LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = LichtZustand[0].Farbe[2] = 0.5f;
    TagRichtung = 0;
    t.Zeiger(600, 300);
    t.Frames(5);
}

// The own figure, selected; the member page shows it.
int Eigene(T& t)
{
    Stadt(t);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (Figuren[i].Aktiv == 1 && Figuren[i].EigeneFigur == 1) {
            AuswahlSlots[0] = Figuren[i].Id;
            AuswahlIndex = 0;
            return Figuren[i].Id;
        }
    ADD_FAILURE() << "town 0 has no own figure";
    return -1;
}

// A side panel (BefehlsModus) slid all the way in.
void Panel(T& t, int modus)
{
    BefehlsModus = modus;
    t.Zeiger(600, 300);
    t.Frames(10);
}

// The pointer on a town cell, made an entrance of kind art.
void Eingang(T& t, int art)
{
    Stadt(t);
    t.Zeiger(520, 330);
    t.Frames(1);
    ASSERT_GE(MyApp.PickX, 0);
    ASSERT_GE(MyApp.PickY, 0);
    for (auto& reihe : StadtGitter)
        for (StadtFeld& f : reihe) f.Eingang = 0;
    StadtGitter[MyApp.PickX][MyApp.PickY].Eingang = int16_t(art);
}

std::vector<Szene> Szenen()
{
    std::vector<Szene> s = {
        {"stadt_tag", Stadt},
        {"stadt_nacht", [](T& t) {
             Stadt(t);
             LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = 0.31f;
             LichtZustand[0].Farbe[2] = 0.38f;
             t.Frames(2);
         }},
        {"stadt_regen", [](T& t) {
             Stadt(t);
             RegenAktiv = 1;
             t.Frames(40);
             RegenSoundLaeuft = 0;  // the rain's loop starts again in the snapshot's frame
         }, {"weather"}},
        {"hinweis", [](T& t) {
             Stadt(t);
             ZeigeHinweis(6);
             t.Frames(150);
         }, {"panels"}},
        {"hinweis_schliessen", [](T& t) {
             Stadt(t);
             ZeigeHinweis(6);
             t.Frames(150);
             t.Druecke(510, 518);  // "OK", handled in the snapshot's frame
         }, {"panels"}},
        {"figuren_gehen", [](T& t) {
             const int id = Eigene(t);
             FigurRecord& f = Figuren[AktiveFigurMitId(id)];
             f.Ziel[0] = f.Position[0] + 50.0f;
             f.Ziel[2] = f.Position[2];
             f.Befehl = 2;
             f.Wartet = f.ImKampf = f.HeilAuftrag = 0;
             f.ZielId = KEINE_FIGUR;
             t.Frames(8);
         }, {"figures", "effects"}},
        {"kampf", [](T& t) {
             const int id = Eigene(t);
             const FigurRecord& e = Figuren[AktiveFigurMitId(id)];
             // A fire, a smoke emitter and a burning barrel beside the own figure, which fires.
             const int16_t arten[3] = {10000, 10007, 10002};
             for (int k = 0; k < 3; ++k) {
                 const int i = FreieFigur();
                 ASSERT_GE(i, 0);
                 FigurRecord& q = Figuren[i];
                 q = FigurRecord{};
                 q.Aktiv = 1;
                 q.Id = int16_t(i + 1);
                 q.Typ = arten[k];
                 q.Position[0] = e.Position[0] + 15.0f * float(k + 1);
                 q.Position[1] = e.Position[1];
                 q.Position[2] = e.Position[2] + 10.0f;
             }
             t.Frames(80);  // the flames rise and start over
             FigurRecord& f = Figuren[AktiveFigurMitId(id)];
             f.Zustand = 7;
             f.AnimBild = 1;
         }, {"figures", "effects"}},
        {"stadt_rand", [](T& t) {
             Stadt(t);
             // The camera over the far edge of the town: the surroundings, the border and the
             // rotating sprites beyond it.
             Cam.Set(600.0f, 250.0f, 1000.0f, 600.0f, 0.0f, 1200.0f, 0.0f, 1.0f, 0.0f);
             t.Frames(2);
         }, {"surroundings", "border", "rotating"}},
        {"stadt_labels", [](T& t) {
             Stadt(t);
             kbd::ForceKey(kbd::dik::LMenu, true);  // Alt: every label and the entrance icons
             t.Frames(1);
         }, {"cell marker", "labels"}},
        {"auswahlrahmen", [](T& t) {
             Stadt(t);
             t.Druecke(400, 200);
             t.Frames(2);
             t.Zeiger(640, 380);
             t.Frames(2);
         }, {"selection box"}},
        {"mitglied", [](T& t) {
             const int id = Eigene(t);
             FigurRecord& f = Figuren[AktiveFigurMitId(id)];
             f.Stufe = 7;
             f.Gesundheit = 64;
             f.Nahrung = 3;
             f.Wasser = 12;
             t.Zeiger(600, 300);
             t.Frames(2);
         }, {"hud"}},
        {"panel_spielmenue", [](T& t) { Eigene(t); Panel(t, 5); }, {"hud"}},
        {"panel_stadtvorrat", [](T& t) { Eigene(t); Panel(t, 7); }, {"hud"}},
        {"panel_herstellen", [](T& t) { Eigene(t); Panel(t, 4); }, {"hud"}},
        {"panel_ausruestung", [](T& t) {
             const int id = Eigene(t);
             FigurRecord& f = Figuren[AktiveFigurMitId(id)];
             Platz(f, Hand) = {1030, 1, 0};
             Platz(f, Munition) = {1092, 12, 0};
             Platz(f, Helm) = {1044, 1, 0};
             Platz(f, Koerper) = {1025, 1, 0};
             Panel(t, 8);
         }, {"hud"}},
        {"einblendung_info", [](T& t) {
             Stadt(t);
             InfoPanelZaehler = 250;
             HinweisPanelHoehe = 0;
             t.Frames(14);
         }, {"panels"}},
        {"einblendung_meldung", [](T& t) {
             Stadt(t);
             MeldungsPanelAktiv = 1;
             HinweisPanelHoehe = 0;
             t.Frames(14);
         }, {"panels"}},
        {"einblendung_ende", [](T& t) {
             Stadt(t);
             SpielEnde = 1;
             HinweisPanelHoehe = 0;
             t.Frames(14);
         }, {"panels"}},
        {"tooltip_wasser", [](T& t) {
             Eigene(t);
             t.Zeiger(150, 735);  // the member page's water field
             t.Frames(20);
         }, {"tooltip"}},
        {"tooltip_befehl", [](T& t) {
             Eigene(t);
             t.Zeiger(25, 663);  // a button of the command grid
             t.Frames(20);
         }, {"tooltip"}},
        {"tooltip_zeit", [](T& t) {
             Eigene(t);
             t.Zeiger(916, 20);  // a skip-time button of the top bar
             t.Frames(20);
         }, {"tooltip"}},
        {"schwebend", [](T& t) {
             // As combat makes them: from height 20, a few pixels off the figure's column; a number
             // over a townsperson too.
             const int id = Eigene(t);
             int buerger = -1;
             for (const FigurRecord& f : Figuren)
                 if (f.Aktiv == 1 && IstStadtvolk(f.Typ)) buerger = f.Id;
             ASSERT_NE(buerger, -1);
             SchwebeTexte[0] = {id, 1, 20.0f, -7.0f};
             SchwebeZahlen[0] = {id, 25, 20.0f, 4.0f};
             SchwebeZahlen[1] = {buerger, 12, 20.0f, 0.0f};
             t.Frames(3);
         }, {"floating"}},
        {"tooltip_item", [](T& t) {
             const int id = Eigene(t);
             Figuren[AktiveFigurMitId(id)].Inventar[0][0] = {1014, 3, 0};
             t.Frames(2);
             t.Zeiger(30, 385 + LinkesPanelVersatz);  // the bag's first place
             t.Frames(3);
         }, {"hud", "tooltip"}},
        {"info_schliessen", [](T& t) {
             Stadt(t);
             InfoPanelZaehler = 250;
             HinweisPanelHoehe = 0;
             t.Frames(14);
             t.Druecke(510, 518);  // "OK", handled in the snapshot's frame
         }, {"panels"}},
        {"sprueche", [](T& t) {
             Stadt(t);
             for (FigurRecord& f : Figuren)
                 if (f.Aktiv == 1 && IstStadtvolkOderFeind(f.Typ)) {
                     f.SpruchZeile = 0;
                     f.SpruchTimer = 90;
                 }
             t.Frames(2);
         }, {"labels"}},
    };
    for (int modus = 0; modus <= 3; ++modus) {
        static std::string namen[4];
        namen[modus] = "befehle_" + std::to_string(modus);
        s.push_back({namen[modus].c_str(), [modus](T& t) { Eigene(t); Panel(t, modus); }, {"hud"}});
    }
    for (int art = 1; art <= 11; ++art) {
        static std::string namen[12];
        namen[art] = "feldname_" + std::to_string(art);
        s.push_back({namen[art].c_str(), [art](T& t) { Eingang(t, art); }, {"cell name"}});
    }
    return s;
}

TEST_P(StadtSchnappschuss, Szene) { Pruefe(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Stadt, StadtSchnappschuss, ::testing::ValuesIn(Szenen()), SzenenName);

}  // namespace
