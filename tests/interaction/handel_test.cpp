// The trade screen: what the goods are worth, when the deal can be accepted, and that no item is
// lost or made on either answer.
#include <vector>

#include "framework/services_interaction.h"
#include "interaction/inventar.h"
#include "interaction/handel.h"
#include "platform/random.h"
#include "tests/interaction/boden_item.h"
#include "tests/interaction/gespraech_fixture.h"

namespace {

constexpr int kWare10 = 1050, kWare14 = 1051, kWare15 = 1052, kWare7 = 1053, kAk = 1029, kBrot = 1006;

class Handel : public DialogTest {
protected:
    FigurRecord* haendler = nullptr;
    FigurRecord* mitglied = nullptr;

    void SetUp() override
    {
        DialogTest::SetUp();
        ItemWerte[kWare10 - 1000] = 10;
        ItemWerte[kWare14 - 1000] = 14;
        ItemWerte[kWare15 - 1000] = 15;
        ItemWerte[kAk - 1000] = 40;
        ItemWerte[kBrot - 1000] = 3;
        haendler = &Figur(5, 16, 40, 40);
        mitglied = &Figur(8, 1, 42, 40);
        AuswahlSlots[0] = mitglied->Id;
        AuswahlIndex = 0;
        HaendlerId = haendler->Id;
        SpielModus = 10000;
        GespraechsPartner = haendler->Id;
    }

    static void Klick(int x, int y)
    {
        Druck(x, y);
        GespraechsBildschirm();
    }
    // Trader's bag slot (r, s), the table's trader side, the table's squad side.
    static void KlickBeutel(int r, int s) { Klick(400 + 52 * r, 230 + 32 * s); }
    static void KlickPartnerSeite(int r, int s) { Klick(520 + 52 * r, 230 + 32 * s); }
    static void KlickTruppSeite(int r, int s) { Klick(650 + 52 * r, 230 + 32 * s); }
    static void Annehmen() { Klick(300, 440); }
    static void Abbrechen() { Klick(300, 455); }

    // The squad offers an item: it comes from the mouse onto the squad side.
    static void Biete(int r, int s, int item, int anzahl)
    {
        CursorItem = item;
        CursorItemAnzahl = anzahl;
        KlickTruppSeite(r, s);
    }
};

struct Wertfall {
    const char* name;
    int angebot, anzahl;
    float pool;
    bool angenommen;
};

class HandelsWert : public Handel, public ::testing::WithParamInterface<Wertfall> {};

// Goods of value 10 taken; the offer decides.
TEST_P(HandelsWert, AnnehmenNurWennDasAngebotReicht)
{
    const Wertfall& f = GetParam();
    haendler->Inventar[0][0] = ItemSlot{kWare10, 1, 0};
    KlickBeutel(0, 0);
    Biete(1, 5, f.angebot, f.anzahl);
    EXPECT_FLOAT_EQ(SzenenSumme, 10.0f);
    EXPECT_FLOAT_EQ(VorratsPool, f.pool);
    Annehmen();
    EXPECT_EQ(SpielModus, f.angenommen ? 1000 : 10000);
    EXPECT_EQ(ErsterFreierBeutelPlatz(*mitglied) == &mitglied->Inventar[0][0], !f.angenommen);
}

INSTANTIATE_TEST_SUITE_P(
    Angebote, HandelsWert,
    ::testing::Values(Wertfall{"Wert14_Zu_Wenig", kWare14, 1, 9.8f, false},
                      Wertfall{"Wert15_Genug", kWare15, 1, 10.5f, true},
                      Wertfall{"Stapel_Zaehlt_Einmal", kWare14, 9, 9.8f, false},
                      Wertfall{"Zwanzig_Brote", kBrot, 20, 14.0f, true},
                      Wertfall{"Zehn_Brote", kBrot, 10, 7.0f, false}),
    [](const ::testing::TestParamInfo<Wertfall>& i) { return std::string(i.param.name); });

TEST_F(Handel, EinStapelDesHaendlersZaehltEinmalVoll)
{
    haendler->Inventar[1][2] = ItemSlot{kBrot, 20, 0};
    KlickBeutel(1, 2);
    EXPECT_EQ(HandelsSlots[0].ItemId, kBrot);
    EXPECT_EQ(HandelsSlots[0].ItemAnzahl, 20);
    EXPECT_EQ(haendler->Inventar[1][2].ItemId, 0);
    EXPECT_FLOAT_EQ(SzenenSumme, 3.0f);
}

TEST_F(Handel, LeererTischWirdSofortAngenommen)
{
    Annehmen();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(GespraechsPhase, 1);
    EXPECT_EQ(GespraechsPartner, haendler->Id);  // the conversation resumes
}

// The sums move click by click, the offer at 0.7 in double precision and stored in single: the
// rounding of each step decides the close deals.
struct Summenfall {
    const char* name;
    std::vector<int> werte;  // offered one after another; a negative value takes that offer back
    float pool;
    bool angenommen;
};

class HandelsSummen : public Handel, public ::testing::WithParamInterface<Summenfall> {};

TEST_P(HandelsSummen, KlickUmKlick)
{
    const Summenfall& f = GetParam();
    ItemWerte[kWare7 - 1000] = 7;
    haendler->Inventar[0][0] = ItemSlot{kWare7, 1, 0};
    KlickBeutel(0, 0);
    int platz = 0;
    for (int wert : f.werte) {
        const int id = 1060 + (wert < 0 ? -wert : wert);
        ItemWerte[id - 1000] = wert < 0 ? -wert : wert;
        if (wert > 0) {
            Biete(0, platz++, id, 1);
            continue;
        }
        CursorItem = 0;
        for (int k = 0; k < platz; ++k)
            if (TauschSlotsTrupp[k].ItemId == id) KlickTruppSeite(0, k);
        EXPECT_EQ(CursorItem, id);
        CursorItem = 0;
    }
    EXPECT_EQ(SzenenSumme, 7.0f);
    EXPECT_EQ(VorratsPool, f.pool);
    // A frame without a click keeps the sums as they stand.
    Druck(0, 0);
    MausLinksGedrueckt = 0;
    GespraechsBildschirm();
    EXPECT_EQ(VorratsPool, f.pool);
    Annehmen();
    EXPECT_EQ(SpielModus, f.angenommen ? 1000 : 10000);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, HandelsSummen,
    ::testing::Values(Summenfall{"Eins_Und_Neun", {1, 9}, 7.0f, true},
                      Summenfall{"Zwei_Und_Zehn_Ohne_Zwei", {2, 10, -2}, 6.9999995f, false}),
    [](const ::testing::TestParamInfo<Summenfall>& i) { return std::string(i.param.name); });

TEST_F(Handel, KlicksAufDenTisch)
{
    // A full trader side takes nothing more: the click is used up and the item stays in the bag.
    for (ItemSlot& s : HandelsSlots) s = ItemSlot{kBrot, 1, 0};
    haendler->Inventar[0][1] = ItemSlot{kAk, 1, 0};
    KlickBeutel(0, 1);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(haendler->Inventar[0][1].ItemId, kAk);
    // Back from the table into the first empty bag place.
    KlickPartnerSeite(1, 0);
    EXPECT_EQ(HandelsSlots[6].ItemId, 0);
    EXPECT_EQ(haendler->Inventar[0][0].ItemId, kBrot);

    // Squad side: an empty slot with nothing on the mouse stays as it is ...
    CursorItem = 0;
    KlickTruppSeite(0, 0);
    EXPECT_EQ(TauschSlotsTrupp[0].ItemId, 0);
    EXPECT_EQ(CursorItem, 0);
    // ... a full one goes onto the mouse, lowering the pool.
    Biete(0, 0, kWare15, 1);
    EXPECT_FLOAT_EQ(VorratsPool, 10.5f);
    KlickTruppSeite(0, 0);
    EXPECT_EQ(CursorItem, kWare15);
    EXPECT_EQ(CursorItemAnzahl, 1);
    EXPECT_FLOAT_EQ(VorratsPool, 0.0f);
}

TEST_F(Handel, GekaufteWareOhnePlatzLiegtUnterDemMitgliedOhneZufall)
{
    for (int r = 0; r < 2; ++r)
        for (int s = 0; s < 6; ++s) mitglied->Inventar[r][s] = ItemSlot{kBrot, 1, 0};
    haendler->Inventar[0][0] = ItemSlot{kBrot, 6, 0};
    KlickBeutel(0, 0);
    Biete(0, 0, kWare15, 1);
    const int frei = AltesFreiesRecord();
    ZufallSaat(91);
    Annehmen();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(ZufallZustand(), 91u);  // the floor item draws nothing
    ErwarteAbgelegtesItem(Figuren[frei], kBrot, 6, mitglied->Wegpunkt[0], mitglied->Wegpunkt[2]);
}

// Every item of the two bags, the table and the mouse is somewhere after either answer, also when
// the bags are full and goods go to the floor.
class HandelsErhaltung : public Handel, public ::testing::WithParamInterface<bool> {};

TEST_P(HandelsErhaltung, NichtsGehtVerlorenNichtsEntsteht)
{
    const bool annehmen = GetParam();
    ItemWerte[kAk - 1000] = 5;  // 15 taken against 28 offered
    for (int s = 0; s < 6; ++s) haendler->Inventar[0][s] = ItemSlot{kAk, 1, 0};
    for (int s = 0; s < 6; ++s) haendler->Inventar[1][s] = ItemSlot{kWare10, 1, 0};
    for (int r = 0; r < 2; ++r)
        for (int s = 0; s < 6; ++s) mitglied->Inventar[r][s] = ItemSlot{kBrot, 20, 0};
    KlickBeutel(0, 0);
    KlickBeutel(1, 3);
    // The member offers two stacks of bread from the bag; the bag has room again for them.
    for (int k = 0; k < 2; ++k) {
        CursorItem = kBrot;
        CursorItemAnzahl = 20;
        mitglied->Inventar[1][k] = ItemSlot{};
        KlickTruppSeite(0, k);
    }
    // ... but then fills up again.
    mitglied->Inventar[1][0] = ItemSlot{kWare15, 1, 0};
    mitglied->Inventar[1][1] = ItemSlot{kWare15, 1, 0};
    const int ak = Anzahl(kAk), ware = Anzahl(kWare10), brot = Anzahl(kBrot), ware15 = Anzahl(kWare15);
    EXPECT_EQ(brot, 240);

    if (annehmen)
        Annehmen();
    else
        Abbrechen();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(Anzahl(kAk), ak);
    EXPECT_EQ(Anzahl(kWare10), ware);
    EXPECT_EQ(Anzahl(kBrot), brot);
    EXPECT_EQ(Anzahl(kWare15), ware15);
    for (const ItemSlot& s : HandelsSlots) EXPECT_EQ(s.ItemId, 0);
    for (const ItemSlot& s : TauschSlotsTrupp) EXPECT_EQ(s.ItemId, 0);
    // Who holds what: bought goods under the member (its bag is full), sold bread to the trader
    // (whose bag had room for two).
    int unterMitglied = 0;
    for (const FigurRecord& f : Figuren)
        if (f.Aktiv == 1 && IstBodenItem(f.Typ) && f.Position[0] == mitglied->Wegpunkt[0]) ++unterMitglied;
    EXPECT_EQ(unterMitglied, 2);
    EXPECT_EQ(haendler->Inventar[0][0].ItemId, annehmen ? kBrot : kAk);
}

INSTANTIATE_TEST_SUITE_P(Antworten, HandelsErhaltung, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& i) { return i.param ? "Annehmen" : "Abbrechen"; });

TEST_F(Handel, OhneMitgliedNurAbbrechen)
{
    AuswahlSlots[0] = KEINE_FIGUR;
    Annehmen();
    EXPECT_EQ(SpielModus, 10000);
    Abbrechen();
    EXPECT_EQ(SpielModus, 1000);
}

TEST_F(Handel, HaendlerfeldOhneFigur)
{
    // The cell route: scene 2 with no trader standing on the cell.
    SpielModus = 1000;
    InteraktionsModus = 2;
    GespraechsPartner = 0;
    HaendlerId = KEINE_FIGUR;
    const float kopie[6] = {1, 2, 3, 4, 5, 6};
    std::copy(kopie, kopie + 6, KameraKopie);
    Biete(0, 0, kWare15, 1);
    Annehmen();
    EXPECT_EQ(InteraktionsModus, 2);
    Abbrechen();
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(mitglied->Inventar[0][0].ItemId, kWare15);
    EXPECT_FLOAT_EQ(Cam.Auge[0], 1.0f);
    EXPECT_FLOAT_EQ(Cam.Ziel[2], 6.0f);
}

TEST_F(Handel, EinGetoeteterHaendlerBeendetDenHandel)
{
    haendler->Inventar[0][0] = ItemSlot{kAk, 1, 0};
    KlickBeutel(0, 0);
    Biete(0, 0, kWare15, 1);
    // Killed: his record is reused at once for what he carried, with his id.
    haendler->Typ = 1020;
    GespraechsBildschirm();
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(Anzahl(kAk), 1);
    EXPECT_EQ(mitglied->Inventar[0][0].ItemId, kWare15);
}

TEST_F(Handel, OhneJedenPlatzBleibtDerTischOffen)
{
    for (int r = 0; r < 2; ++r)
        for (int s = 0; s < 6; ++s) mitglied->Inventar[r][s] = ItemSlot{kBrot, 1, 0};
    Biete(0, 0, kWare15, 1);
    Biete(0, 1, kWare14, 1);
    for (FigurRecord& f : Figuren)
        if (f.Aktiv == 0) Figur(int(&f - Figuren), 9999, 1, 1);
    CursorItem = 0;
    Abbrechen();
    // One item went onto the empty mouse; the other stays on the table, and so does the screen.
    EXPECT_EQ(SpielModus, 10000);
    EXPECT_EQ(CursorItem, kWare15);
    EXPECT_EQ(TauschSlotsTrupp[1].ItemId, kWare14);
}

}  // namespace
