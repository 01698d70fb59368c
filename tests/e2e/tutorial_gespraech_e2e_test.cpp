// The real game on the demo data: a new game through its screen, the tutorial played from its first
// step to its end (every instructor panel written as a PNG), then a conversation and a trade in
// town 0. Clicks go through the window's messages; where the town view cannot yet be pointed at
// (no picking of cells and figures), the order a right click would give is given to the figure, and
// the side panels that are not built yet are stood in for by the change their button makes.
#include <cstdio>
#include <functional>
#include <string>

#include "framework/frame.h"
#include "framework/setup.h"
#include "framework/texte.h"
#include "interaction/conversation.h"
#include "interaction/inventar.h"
#include "interaction/szenen.h"
#include "interaction/tutorial.h"
#include "platform/keyboard.h"
#include "tests/e2e/e2e_spiel.h"
#include "townview/hud.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

class TutorialE2E : public SpielE2E {
protected:
    int eigeneId = 0;

    // What the squad carries, for a failure's message.
    static std::string Trupp()
    {
        std::string text;
        for (const FigurRecord& f : Figuren) {
            if (f.Aktiv != 1 || !IstTrupp(f.Typ)) continue;
            text += '[';
            text += std::to_string(f.Id) + ":";
            for (int p = 0; p < 12; ++p) {
                text += ' ';
                text += std::to_string(f.Inventar[p / 6][p % 6].ItemId) + "x" +
                        std::to_string(f.Inventar[p / 6][p % 6].ItemAnzahl);
            }
            text += "]";
        }
        return text + " step " + std::to_string(TutorialSchritt) + " water " + std::to_string(StadtTabelle[0].Wasser) + " inflow " + std::to_string(StadtTabelle[0].WasserZufluss) + " day " + std::to_string(TagZaehler) +
               " mouse " + std::to_string(CursorItem) + " x " + std::to_string(CursorItemAnzahl);
    }

    FigurRecord& Eigene()
    {
        const int i = AktiveFigurMitId(eigeneId);
        EXPECT_GE(i, 0);
        return Figuren[i < 0 ? 0 : i];
    }

    // Frames until the condition holds; false when it did not within n frames.
    static bool Bis(const std::function<bool()>& bedingung, int n = 3000)
    {
        for (int k = 0; k < n && BeendenFlag == 0; ++k) {
            if (bedingung()) return true;
            FrameSchritt();
        }
        return bedingung();
    }

    // The instructor's panel of the current step, once it has been drawn.
    void Panel()
    {
        char name[40];
        std::snprintf(name, sizeof name, "tutorial_%02i", int(TutorialSchritt));
        Frames(2);
        Bild(name);
    }

    // A click on the continue strip moves a talking step on.
    void Weiter()
    {
        const int vorher = TutorialSchritt;
        Panel();
        Klick(512, 482);
        EXPECT_NE(TutorialSchritt, vorher) << "the strip did not move step " << vorher;
    }

    // What a right click on a cell gives (the town view's picking is not built): walk there, and
    // into the entrance when the cell has one.
    void Gehe(int x, int z)
    {
        FigurRecord& f = Eigene();
        f.Ziel[0] = float(x * 10);
        f.Ziel[2] = float(z * 10);
        f.Befehl = 2;
        f.Wartet = f.ImKampf = f.HeilAuftrag = 0;
        f.ZielId = KEINE_FIGUR;
        if (StadtGitter[x][z].Eingang > 0) {
            f.EingangsZiel[0] = float(x * 10);
            f.EingangsZiel[2] = float(z * 10);
        }
    }

    // Into the close-up scene of an entrance cell.
    void Betrete(int x, int z, int art)
    {
        Gehe(x, z);
        ASSERT_TRUE(Bis([art] { return InteraktionsModus == art; })) << "scene " << art << " at " << x << ", " << z;
        Frames(1);
    }

    // Container slot k of the open scene into the bag: onto the mouse, then into bag place p.
    void AusDemBehaelter(int k, int bagPlatz)
    {
        Klick(219, 201 + 32 * k);
        BeutelKlick(bagPlatz);
        EXPECT_EQ(CursorItem, 0);
    }

    static void BeutelKlick(int platz)
    {
        const int c = platz / 6, r = platz % 6;
        Klick(18 + 52 * c, 371 + 32 * r + LinkesPanelVersatz);
    }

    // The bag place holding the item, or -1.
    int BeutelPlatz(int item)
    {
        for (int p = 0; p < 12; ++p)
            if (Eigene().Inventar[p / 6][p % 6].ItemId == item) return p;
        return -1;
    }

    int FreierPlatz()
    {
        ItemSlot* s = ErsterFreierBeutelPlatz(Eigene());
        return s ? int(s - &Eigene().Inventar[0][0]) : -1;
    }

    // The close button, above the continue strip that it overlaps.
    void SchliesseBehaelter()
    {
        Klick(790, 473);
        EXPECT_EQ(InteraktionsModus, 0);
    }

    static int ZelleMitEingang(int art)
    {
        for (int x = 0; x < GITTER_GROESSE; ++x)
            for (int z = 0; z < GITTER_GROESSE; ++z)
                if (StadtGitter[x][z].Eingang == art) return x * 1000 + z;
        return -1;
    }

    // The talk order a right click on a person gives in talk mode.
    void SprichMit(const FigurRecord& partner)
    {
        FigurRecord& f = Eigene();
        f.SprechAuftrag = 1;
        f.ImKampf = f.HeilAuftrag = 0;
        f.ZielId = partner.Id;
        f.Befehl = 2;
        ASSERT_TRUE(Bis([] { return GespraechsPartner != 0; })) << "no conversation opened";
    }

    static FigurRecord* ErsteVomTyp(int von, int bis)
    {
        for (FigurRecord& f : Figuren)
            if (f.Aktiv == 1 && f.Typ >= von && f.Typ <= bis) return &f;
        return nullptr;
    }

    static void Reihe(int n) { Klick(300, 435 + 15 * (n - 1) + 6); }
};

TEST_F(TutorialE2E, TutorialVonAnfangBisEndeDannGespraechUndHandel)
{
    StarteBisHauptmenue();
    SetupWerte.FRAMERATE = 0.0f;  // no pacing: the squad walks a long way

    // "Neues Spiel", then its start button: the tutorial map in step 1.
    Frames(12);
    Klick(500, 310);
    ASSERT_EQ(SpielModus, 6000);
    Frames(12);
    Klick(800, 260);
    ASSERT_EQ(SpielModus, 1000);
    ASSERT_EQ(TutorialSchritt, 1);
    for (const FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && f.EigeneFigur == 1) eigeneId = f.Id;
    ASSERT_NE(eigeneId, 0);
    AuswahlSlots[0] = eigeneId;
    AuswahlIndex = 0;

    // The introduction: three panels, then the pause until the recruiter.
    Weiter();
    Weiter();
    Weiter();
    ASSERT_EQ(TutorialSchritt, 99);
    Betrete(kAnwerberX, kAnwerberZ, 7);
    Bild("tutorial_recruiter");
    Klick(300, 442);  // "go on with the tutorial"
    ASSERT_EQ(TutorialSchritt, 4);
    EXPECT_EQ(StadtGitter[kAnwerberX][kAnwerberZ].Eingang, 0);
    Weiter();
    Weiter();

    // 6: the armoury's rifle, ammunition and vest.
    ASSERT_EQ(TutorialSchritt, 6);
    Betrete(52, 30, 1);
    for (int k = 0; k < 3; ++k) AusDemBehaelter(k, FreierPlatz());
    SchliesseBehaelter();
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 7; }, 5)) << Trupp();
    // 7 and 8: the rifle into the hand, the ammunition loaded, each from the bag.
    Panel();
    BeutelKlick(BeutelPlatz(1029));
    Klick(20, 570 + LinkesPanelVersatz);
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 8; }, 5)) << Trupp();
    Panel();
    BeutelKlick(BeutelPlatz(1028));
    Klick(20, 615 + LinkesPanelVersatz);
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 9; }, 5)) << Trupp();
    Panel();
    // 9 and 10: the equipment panel (its button: BefehlsModus 8) and the vest worn.
    BefehlsModus = 8;
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 10; }, 5)) << Trupp();
    const int weste = BeutelPlatz(1027);
    ASSERT_GE(weste, 0);
    Platz(Eigene(), Koerper) = Eigene().Inventar[weste / 6][weste % 6];
    Eigene().Inventar[weste / 6][weste % 6] = ItemSlot{};
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 11; }, 5)) << Trupp();
    EXPECT_EQ(BefehlsModus, 0);

    // 11 and 12: a hostile comes into its yard and is shot.
    Weiter();
    ASSERT_EQ(TutorialSchritt, 12);
    FigurRecord* feind = ErsteVomTyp(13, 15);
    ASSERT_NE(feind, nullptr);
    const int feindId = feind->Id;
    Bis([&] {
        FigurRecord& f = Eigene();
        if (f.ImKampf == 0 || f.ZielId != feindId) {
            f.ImKampf = 1;
            f.ZielId = int16_t(feindId);
            f.SprechAuftrag = f.HeilAuftrag = 0;
        }
        return TutorialSchritt == 13;
    }, 6000);
    ASSERT_EQ(TutorialSchritt, 13);
    Eigene().ImKampf = 0;
    Eigene().ZielId = KEINE_FIGUR;

    // 13 and 14: the townsperson of the next yard is recruited with a stack of tins.
    Weiter();
    ASSERT_EQ(TutorialSchritt, 14);
    Betrete(74, 44, 1);
    AusDemBehaelter(0, FreierPlatz());
    SchliesseBehaelter();
    FigurRecord* techniker = ErsteVomTyp(10, 12);
    ASSERT_NE(techniker, nullptr);
    const int technikerId = techniker->Id;
    SprichMit(*techniker);
    Frames(2);
    Bild("tutorial_14_conversation");
    Reihe(3);
    EXPECT_EQ(GespraechsThema, 2);
    BeutelKlick(BeutelPlatz(1003));
    Klick(320, 375);  // the offer slot
    Frames(2);
    Bild("tutorial_14_recruit_offer");
    Reihe(1);
    EXPECT_EQ(GespraechsPartner, 0);
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 15; }, 5)) << Trupp();
    EXPECT_TRUE(IstTrupp(Figuren[AktiveFigurMitId(technikerId)].Typ));

    // 15 to 20: pump and trap from the tools' store; the town made ours and stocked.
    Weiter();
    Betrete(87, 36, 1);
    AusDemBehaelter(0, FreierPlatz());
    AusDemBehaelter(1, FreierPlatz());
    // While the sergeant talks the mouse acts only on his strip: on first, then out of the store.
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 17; }, 5)) << Trupp();
    Weiter();
    SchliesseBehaelter();
    // The garrison button makes the town the player's.
    AktuelleStadtRecord().Besitzer = 1;
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 19; }, 5)) << Trupp();
    Weiter();
    // The town stock panel takes the trap (food) and the pump from the bag.
    for (int item : {1039, 1042}) {
        const int p = BeutelPlatz(item);
        ASSERT_GE(p, 0);
        Eigene().Inventar[p / 6][p % 6] = ItemSlot{};
    }
    AktuelleStadtRecord().NahrungsTier = 1036;
    AktuelleStadtRecord().Pumpe = 1042;
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 21; }, 5)) << Trupp();

    // 21 and 22: the long skip of time, twice.
    Panel();
    Klick(956, 20);
    ASSERT_EQ(TutorialSchritt, 22);
    Frames(2);
    Bild("tutorial_22_task");
    Klick(956, 20);
    ASSERT_EQ(TutorialSchritt, 23);
    Weiter();

    // 24 to 26: a rat from the kitchen store; eating and drinking at the tables.
    ASSERT_EQ(TutorialSchritt, 24);
    Betrete(78, 57, 1);
    AusDemBehaelter(0, FreierPlatz());  // rats
    AusDemBehaelter(1, FreierPlatz());  // meat
    AusDemBehaelter(2, FreierPlatz());  // tins
    SchliesseBehaelter();
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 25; }, 5)) << Trupp();
    Panel();
    Betrete(84, 50, 3);
    BeutelKlick(BeutelPlatz(1008));
    Klick(720, 380);  // offer
    Klick(300, 441);  // choice 1: eat
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 26; }, 5)) << Trupp();
    Panel();
    Klick(300, 456);  // choice 2: leave
    Betrete(87, 50, 6);
    BeutelKlick(BeutelPlatz(1003));
    Klick(720, 380);
    Klick(300, 441);  // drink
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 27; }, 5)) << Trupp();
    Weiter();
    Klick(300, 456);
    ASSERT_EQ(InteraktionsModus, 0);

    // 28 to 30: the well, and the emptied bottles filled there.
    const int brunnen = ZelleMitEingang(5);
    ASSERT_GE(brunnen, 0);
    Betrete(brunnen / 1000, brunnen % 1000, 5);
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 29; }, 5)) << Trupp();
    Weiter();
    ASSERT_EQ(TutorialSchritt, 30);
    const int flasche = BeutelPlatz(1012);
    ASSERT_GE(flasche, 0);
    EXPECT_EQ(Eigene().Inventar[flasche / 6][flasche % 6].ItemAnzahl, 0);
    BeutelKlick(flasche);
    Klick(790, 385);  // fill
    BeutelKlick(flasche);
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 31; }, 5)) << Trupp();
    Weiter();
    SchliesseBehaelter();

    // 32 to 36: wire, wood and nuts from the workshop, made into a rat trap.
    Betrete(87, 68, 1);
    for (int k = 0; k < 3; ++k) AusDemBehaelter(k, FreierPlatz());
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 33; }, 5)) << Trupp();
    Weiter();
    Weiter();
    SchliesseBehaelter();
    ASSERT_EQ(TutorialSchritt, 35);
    // The crafting panel turns the three into a trap.
    for (int item : {1004, 1053, 1014}) {
        const int p = BeutelPlatz(item);
        ASSERT_GE(p, 0);
        Eigene().Inventar[p / 6][p % 6] = ItemSlot{};
    }
    *ErsterFreierBeutelPlatz(Eigene()) = ItemSlot{1039, 1, 0};
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 36; }, 5)) << Trupp();
    Weiter();

    // The end: the campaign starts in town 0.
    ASSERT_TRUE(Bis([] { return TutorialSchritt == 0; }, 5)) << Trupp();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(AktuelleStadt, 0);
    Frames(3);
    Bild("tutorial_end_town_zero");

    // Town 0: key 1 selects the own figure.
    kbd::ForceKey(kbd::dik::K1, true);
    Frames(1);
    kbd::ClearForcedKeys();
    eigeneId = AuswahlSlots[0];
    ASSERT_NE(AktiveFigurMitId(eigeneId), -1);
    ASSERT_EQ(Figuren[AktiveFigurMitId(eigeneId)].EigeneFigur, 1);

    // A conversation: the greeting, then news and where-am-I, then goodbye.
    FigurRecord* partner = nullptr;
    for (FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && IstStadtvolk(f.Typ) && f.Typ != 16) partner = &f;
    ASSERT_NE(partner, nullptr);
    const int partnerId = partner->Id;
    SprichMit(*partner);
    EXPECT_EQ(GespraechsPartner, partnerId);
    Frames(2);
    Bild("town0_conversation_greeting");
    Reihe(1);
    EXPECT_EQ(GespraechsThema, 5);
    Frames(2);
    Bild("town0_conversation_news");
    Reihe(2);
    EXPECT_EQ(GespraechsThema, 6);
    Frames(2);
    Bild("town0_conversation_where");
    Reihe(5);
    EXPECT_EQ(GespraechsPartner, 0);
    EXPECT_EQ(Figuren[AktiveFigurMitId(partnerId)].Wartet, 0);

    // A trade at the trader's stall: an item taken, the first thing in the bag offered, the deal settled; nothing is lost.
    const int stand = ZelleMitEingang(2);
    ASSERT_GE(stand, 0) << "town 0 has no trader";
    Betrete(stand / 1000, stand % 1000, 2);
    // Records are looked up by id in every frame: the array is sorted anew each town frame.
    const int haendlerId = HaendlerId;
    ASSERT_GE(AktiveFigurMitId(haendlerId), 0);
    const auto gesamt = [&] {
        int n = CursorItemAnzahl;
        for (const FigurRecord* f : {&Figuren[AktiveFigurMitId(haendlerId)], &Eigene()})
            for (int p = 0; p < 12; ++p) n += f->Inventar[p / 6][p % 6].ItemAnzahl;
        for (const ItemSlot& t : HandelsSlots) n += t.ItemAnzahl;
        for (const ItemSlot& t : TauschSlotsTrupp) n += t.ItemAnzahl;
        for (const FigurRecord& f : Figuren)
            if (f.Aktiv == 1 && IstBodenItem(f.Typ)) n += f.Anzahl;
        return n;
    };
    const int vorher = gesamt();
    const FigurRecord& haendler = Figuren[AktiveFigurMitId(haendlerId)];
    int ware = -1;
    for (int p = 0; p < 12 && ware < 0; ++p)
        if (haendler.Inventar[p / 6][p % 6].ItemId != 0) ware = p;
    ASSERT_GE(ware, 0) << "the trader has nothing";
    Klick(400 + 52 * (ware / 6), 230 + 32 * (ware % 6));
    EXPECT_NE(HandelsSlots[0].ItemId, 0);
    const int angebot = Eigene().Inventar[0][0].ItemId;
    ASSERT_NE(angebot, 0) << Trupp();
    BeutelKlick(0);
    Klick(650, 230);  // onto the squad's side
    EXPECT_EQ(TauschSlotsTrupp[0].ItemId, angebot);
    Frames(2);
    Bild("town0_trade");
    const bool annehmbar = SzenenSumme <= VorratsPool;
    Klick(300, annehmbar ? 441 : 456);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(gesamt(), vorher);
    Frames(2);
    Bild("town0_after_trade");
}

}  // namespace
