// Snapshots of what a squad member meets in town 0: the container window, the close-up scenes (well,
// eat, drink, doctor), a conversation in its phases and a trade with goods on both sides.
#include <functional>

#include "framework/frame.h"
#include "framework/setup.h"
#include "tests/snapshots/schnappschuss_test.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

class InteraktionSchnappschuss : public SchnappschussE2E {};
using T = SchnappschussE2E;

bool Bis(T& t, const std::function<bool()>& bedingung, int frames = 600)
{
    for (int n = 0; n < frames && !bedingung(); ++n) t.Frames(1);
    return bedingung();
}

// Town 0 with its first squad member selected; particles and rain off, so the walks take the same
// random draws every time.
int Stadt(T& t)
{
    t.InStadtNullRuhig();
    SetupWerte.PARTIKEL = 0;
    const int mitglied = T::WaehleErstesMitglied();
    EXPECT_GE(mitglied, 0);
    if (mitglied < 0) return -1;
    return Figuren[mitglied].Id;
}

// The member put two cells off the first entrance of this kind and sent in.
void Betritt(T& t, int id, int art)
{
    int x = 0, z = 0;
    ASSERT_TRUE(T::SchickeZumEingang(id, art, x, z)) << "town 0 has no reachable entrance of kind " << art;
    ASSERT_TRUE(Bis(t, [art] { return InteraktionsModus == art; }, 400)) << "cell " << x << ", " << z;
}

// A conversation of the own figure with the last townsperson of town 0 (not the trader), opened by
// a talk order.
void Gespraech(T& t)
{
    Stadt(t);
    int id = -1;
    for (const FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && f.EigeneFigur == 1) id = f.Id;
    ASSERT_NE(id, -1);
    AuswahlSlots[0] = id;
    FigurRecord* partner = nullptr;
    for (FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && IstStadtvolk(f.Typ) && f.Typ != 16) partner = &f;
    ASSERT_NE(partner, nullptr);
    // Put beside the partner, so the talk order opens the conversation at once.
    FigurRecord& f = Figuren[AktiveFigurMitId(id)];
    f.Position[0] = f.Wegpunkt[0] = f.Ziel[0] = partner->Wegpunkt[0] + 10.0f;
    f.Position[2] = f.Wegpunkt[2] = f.Ziel[2] = partner->Wegpunkt[2];
    f.SprechAuftrag = 1;
    f.ImKampf = f.HeilAuftrag = 0;
    f.ZielId = partner->Id;
    f.Befehl = 2;
    ASSERT_TRUE(Bis(t, [] { return GespraechsPartner != 0; }, 40)) << "no conversation opened";
    t.Zeiger(700, 600);
    t.Frames(2);
}

void Reihe(T& t, int n) { t.Klick(300, 435 + 15 * (n - 1) + 6); }

const Szene kSzenen[] = {
    {"behaelter", [](T& t) {
         Betritt(t, Stadt(t), 1);
         t.Zeiger(230, 200);
         t.Frames(3);
     }},
    {"brunnen", [](T& t) {
         Betritt(t, Stadt(t), 5);
         t.Zeiger(790, 480);
         t.Frames(3);
     }},
    {"essen", [](T& t) {
         const int id = Stadt(t);
         Betritt(t, id, 3);
         Figuren[AktiveFigurMitId(id)].Nahrung = 2;
         CursorItem = 1006;  // five breads, offered
         CursorItemAnzahl = 5;
         t.Klick(720, 380);
         ASSERT_EQ(AngebotSlot.ItemId, 1006);
         t.Zeiger(400, 441);
         t.Frames(2);
     }},
    {"trinken", [](T& t) {
         Betritt(t, Stadt(t), 6);
         CursorItem = 1087;
         CursorItemAnzahl = 2;
         t.Klick(720, 380);
         t.Zeiger(600, 300);
         t.Frames(2);
     }},
    {"doktor", [](T& t) {
         Betritt(t, Stadt(t), 4);
         CursorItem = 1022;
         CursorItemAnzahl = 4;
         t.Klick(720, 380);
         t.Zeiger(600, 300);
         t.Frames(2);
     }},
    {"gespraech_gruss", Gespraech, {"overlay"}},
    {"gespraech_neuigkeiten", [](T& t) {
         Gespraech(t);
         Reihe(t, 1);
         ASSERT_EQ(GespraechsThema, 5);
         t.Frames(2);
     }, {"overlay"}},
    {"gespraech_wo", [](T& t) {
         Gespraech(t);
         Reihe(t, 2);
         ASSERT_EQ(GespraechsThema, 6);
         t.Frames(2);
     }, {"overlay"}},
    {"handel", [](T& t) {
         const int id = Stadt(t);
         int stand = -1;
         for (int x = 0; x < GITTER_GROESSE && stand < 0; ++x)
             for (int z = 0; z < GITTER_GROESSE && stand < 0; ++z)
                 if (StadtGitter[x][z].Eingang == 2) stand = x * 1000 + z;
         ASSERT_GE(stand, 0);
         Betritt(t, id, 2);
         t.Frames(1);
         const FigurRecord& haendler = Figuren[AktiveFigurMitId(HaendlerId)];
         int ware = -1;
         for (int p = 0; p < 12 && ware < 0; ++p)
             if (haendler.Inventar[p / 6][p % 6].ItemId != 0) ware = p;
         ASSERT_GE(ware, 0) << "the trader has nothing";
         t.Klick(400 + 52 * (ware / 6), 230 + 32 * (ware % 6));
         ASSERT_NE(HandelsSlots[0].ItemId, 0);
         FigurRecord& f = Figuren[AktiveFigurMitId(id)];
         ASSERT_NE(f.Inventar[0][0].ItemId, 0);
         t.Klick(18, 371 + LinkesPanelVersatz);  // the bag's first place onto the mouse
         t.Klick(650, 230);                       // onto the squad's side
         ASSERT_NE(TauschSlotsTrupp[0].ItemId, 0);
         t.Zeiger(700, 600);
         t.Frames(2);
     }},
};

TEST_P(InteraktionSchnappschuss, Szene) { Pruefe(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Interaktion, InteraktionSchnappschuss, ::testing::ValuesIn(kSzenen), SzenenName);

}  // namespace
