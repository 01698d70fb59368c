// The game menu, crafting, equipment and town stock panels.
#include "interaction/herstellen.h"
#include "world/figur_hilfen.h"
#include "steuerung_fixture.h"

namespace {

struct MenueFall {
    const char* name;
    int y;
    uint8_t tutorial, sonderOrt;
    int32_t modus;  // afterwards
    bool verbraucht;
    int32_t gesperrt;  // the save-refused message's frames
};

const MenueFall kMenueFaelle[] = {
    {"Load", 430, 0, 0, 8000, true, 0},
    {"LoadDuringTutorial", 430, 5, 1, 8000, true, 0},
    {"Save", 450, 0, 0, 7000, true, 0},
    {"SaveDuringTutorialIsNotTaken", 450, 5, 0, 1000, false, 0},
    {"SaveOnEncounterMapRefused", 450, 0, 1, 1000, true, 250},
    {"Options", 470, 0, 1, 5000, true, 0},
    {"Credits", 490, 0, 0, 2000, true, 0},
    {"Quit", 510, 0, 0, 4000, true, 0},
    {"BetweenButtons", 443, 0, 0, 1000, false, 0},
};

class Menue : public SteuerungTest, public ::testing::WithParamInterface<MenueFall> {};

TEST_P(Menue, ButtonsByTutorialAndEncounter)
{
    const MenueFall& f = GetParam();
    TutorialSchritt = f.tutorial;
    SonderOrt = f.sonderOrt;
    BefehlsModus = 5;
    Maus(250, f.y);
    MausLinksGedrueckt = 1;
    SpielMenueKnoepfe(32000);
    EXPECT_EQ(SpielModus, f.modus);
    EXPECT_EQ(MenueAusStadt, f.modus != 1000 ? 1 : 0);
    EXPECT_EQ(MausLinksGedrueckt == 0, f.verbraucht);
    EXPECT_EQ(ZeilenTimer[kSpeichernGesperrtZeile], f.gesperrt);
    EXPECT_EQ(BefehlsModus, 5);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Menue, ::testing::ValuesIn(kMenueFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

class Herstellen : public SteuerungTest {
protected:
    FigurRecord* t = nullptr;
    void SetUp() override
    {
        SteuerungTest::SetUp();
        t = &ImSlot(0, 2, 2);
        t->Stufe = 3;
        BefehlsModus = 4;
    }
    ItemSlot& Rucksack(int k) { return t->Inventar[k / 6][k % 6]; }
    void Lege(std::initializer_list<int16_t> items)
    {
        int k = 0;
        for (int16_t id : items) Rucksack(k++) = {id, 1, 0};
    }
    void Druecke(int x, int y)
    {
        Maus(x, y);
        MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 1;
        InterfaceSteuerung();
        EXPECT_EQ(MausLinksGedrueckt + MausLinksDoppelklick + MausLinksLosgelassen, 0);
    }
    void Mache() { Druecke(250, 500); }
};

TEST_F(Herstellen, MissingIngredientMakesNothingAllPresentUsesOneSlotEach)
{
    RezeptWahl = 0;  // rat trap: nuts, wood, wire
    Lege({1014, 1053});
    Mache();
    EXPECT_EQ(Rucksack(0).ItemId, 1014);
    EXPECT_EQ(t->Erfahrung, 0);
    Lege({1014, 1053, 1030, 1014, 1004});
    Rucksack(0).ItemAnzahl = 5;
    Mache();
    EXPECT_EQ(Rucksack(0).ItemId, 1039);  // the result lands in the first slot emptied
    EXPECT_EQ(Rucksack(0).ItemAnzahl, 0);
    EXPECT_EQ(Rucksack(1).ItemId, 0);
    EXPECT_EQ(Rucksack(2).ItemId, 1030);
    EXPECT_EQ(Rucksack(3).ItemId, 1014);  // the second nut stays
    EXPECT_EQ(Rucksack(4).ItemId, 0);
    EXPECT_EQ(t->Erfahrung, 1);
}

TEST_F(Herstellen, TheTentTakesAsManyClothsAsThereAreUpToThree)
{
    struct Fall {
        int tuecher, uebrig;
    } const faelle[] = {{1, 0}, {2, 0}, {3, 0}, {4, 1}};
    for (const Fall& f : faelle) {
        for (auto& reihe : {0, 1})
            for (ItemSlot& s : t->Inventar[reihe]) s = {};
        Rucksack(0) = {1057, 1, 0};
        Rucksack(1) = {1059, 1, 0};
        for (int k = 0; k < f.tuecher; ++k) Rucksack(6 + k) = {1080, 1, 0};
        RezeptHerstellen(2, Rezepte[11]);
        int tuecher = 0, zelte = 0;
        for (int k = 0; k < 12; ++k) {
            tuecher += Rucksack(k).ItemId == 1080;
            zelte += Rucksack(k).ItemId == 1063;
        }
        EXPECT_EQ(tuecher, f.uebrig) << f.tuecher;
        EXPECT_EQ(zelte, 1) << f.tuecher;
        EXPECT_EQ(Rucksack(0).ItemId, 1063);
    }
}

TEST_F(Herstellen, LevelRisesAfterThreeTimesTheLevelEvenWithNothingMade)
{
    t->Stufe = 0;
    t->Erfahrung = 0;
    RezeptWahl = 1;
    ZufallSaat(1);
    Mache();
    EXPECT_EQ(t->Stufe, 1);
    EXPECT_EQ(SchwebeTexte[0].Aktiv, 1);
    EXPECT_EQ(SchwebeTexte[0].FigurId, t->Id);
    EXPECT_EQ(SchwebeTexte[0].Hoehe, 20.0f);
    EXPECT_GE(SchwebeTexte[0].VersatzX, -10.0f);
    EXPECT_LT(SchwebeTexte[0].VersatzX, 10.0f);
    Mache();
    EXPECT_EQ(t->Stufe, 1);  // 0 < 3
    // At level 10 experience keeps growing, never the level.
    t->Stufe = 10;
    t->Erfahrung = 254;
    Lege({1075, 1059, 1075, 1059});
    RezeptHerstellen(2, Rezepte[1]);
    RezeptHerstellen(2, Rezepte[1]);
    EXPECT_EQ(t->Erfahrung, 255);  // held at the byte's top
    Mache();
    EXPECT_EQ(t->Stufe, 10);
}

TEST_F(Herstellen, APressMakesTheItemAndThenReachesTheNextLevel)
{
    // Experience counts the item just made: 3 x level reached by this press raises the level.
    struct Fall {
        int stufe, erfahrung;
        int stufeNachher, erfahrungNachher;
    } const faelle[] = {{2, 5, 3, 0}, {2, 4, 2, 5}, {3, 8, 4, 0}, {3, 7, 3, 8}, {9, 26, 10, 0}, {10, 29, 10, 30}};
    for (const Fall& f : faelle) {
        t->Stufe = uint8_t(f.stufe);
        t->Erfahrung = uint8_t(f.erfahrung);
        for (auto& reihe : {0, 1})
            for (ItemSlot& s : t->Inventar[reihe]) s = {};
        RezeptWahl = 1;  // the empty bottle: a broken bottle and glue
        Lege({1075, 1059});
        Mache();
        EXPECT_EQ(Rucksack(0).ItemId, 1012) << f.stufe << " " << f.erfahrung;
        EXPECT_EQ(t->Stufe, f.stufeNachher) << f.stufe << " " << f.erfahrung;
        EXPECT_EQ(t->Erfahrung, f.erfahrungNachher) << f.stufe << " " << f.erfahrung;
    }
}

TEST_F(Herstellen, ScrollStopsAtTheLevelsLimitAndAChoiceAboveTheLevelMakesNothing)
{
    struct Fall {
        int stufe, grenze;
    } const faelle[] = {{0, 0},  {1, 1},  {2, 4},  {3, 7},  {4, 9},   {5, 10},
                        {6, 11}, {7, 12}, {8, 14}, {9, 16}, {10, 16}, {200, 16}};
    for (const Fall& f : faelle) {
        t->Stufe = uint8_t(f.stufe);
        RezeptScroll = 0;
        for (int k = 0; k < 20; ++k) Druecke(360, 400);
        EXPECT_EQ(RezeptScroll, f.grenze) << f.stufe;
        Druecke(150, 400);
        EXPECT_EQ(RezeptScroll, f.grenze > 0 ? f.grenze - 1 : 0) << f.stufe;
    }
    // Only the arrows move the strip: a lower-level member leaves it where it is, and the right
    // arrow then waits while the left one steps back.
    t->Stufe = 2;
    RezeptScroll = 10;
    Maus(0, 0);
    InterfaceSteuerung();
    EXPECT_EQ(RezeptScroll, 10);
    Druecke(360, 400);
    EXPECT_EQ(RezeptScroll, 10);
    for (int k = 0; k < 6; ++k) Druecke(150, 400);
    EXPECT_EQ(RezeptScroll, 4);
    // The three places choose scroll + 0, 1, 2; the shared edge belongs to the left one.
    Druecke(224, 410);
    EXPECT_EQ(RezeptWahl, 4);
    Druecke(300, 410);
    EXPECT_EQ(RezeptWahl, 6);
    // The lantern (recipe 9) needs level 4: at level 2 nothing is made.
    RezeptWahl = 9;
    Lege({1072, 1060, 1014, 1004});
    Mache();
    EXPECT_EQ(Rucksack(0).ItemId, 1072);
    t->Stufe = 4;
    Mache();
    EXPECT_EQ(Rucksack(0).ItemId, 1062);
    EXPECT_EQ(RezeptScrollGrenze(-3), 0);
}

TEST_F(Herstellen, OnlyTheBackpackCounts)
{
    RezeptWahl = 1;
    Platz(*t, Hand) = {1075, 1, 0};
    Rucksack(0) = {1059, 1, 0};
    Mache();
    EXPECT_EQ(Rucksack(0).ItemId, 1059);
    EXPECT_EQ(Platz(*t, Hand).ItemId, 1075);
}

class Ausruestung : public SteuerungTest {
protected:
    FigurRecord* m = nullptr;
    void SetUp() override
    {
        SteuerungTest::SetUp();
        m = &ImSlot(0, 1, 1);
        BefehlsModus = 8;
    }
};

TEST_F(Ausruestung, SwapsAddAndTakeOffTheirAmounts)
{
    // The mask over worn sunglasses: +20 protection, -1 armour, the glasses on the mouse.
    Platz(*m, Getragen) = {1017, 1, 0};
    m->Ruestung = 1;
    CursorItem = 1086;
    CursorItemAnzahl = 1;
    Links(330, 400);
    EXPECT_EQ(m->ABCSchutz, 20);
    EXPECT_EQ(m->Ruestung, 0);
    EXPECT_EQ(Platz(*m, Getragen).ItemId, 1086);
    EXPECT_EQ(CursorItem, 1017);
    // A vest taken off with an empty mouse.
    Platz(*m, Koerper) = {1027, 1, 0};
    m->Ruestung = 25;
    CursorItem = 0;
    Links(330, 450);
    EXPECT_EQ(m->Ruestung, 5);
    EXPECT_EQ(CursorItem, 1027);
    EXPECT_EQ(CursorItemAnzahl, 1);
    EXPECT_EQ(Platz(*m, Koerper).ItemId, 0);
    // Boots on the feet slot.
    Links(170, 580);
    EXPECT_EQ(Platz(*m, Stiefel).ItemId, 0);  // the vest is not taken there
    EXPECT_EQ(CursorItem, 1027);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    CursorItem = 1113;
    Links(170, 580);
    EXPECT_EQ(Platz(*m, Stiefel).ItemId, 1113);
    EXPECT_EQ(m->Ruestung, 11);
}

TEST_F(Ausruestung, EveryWornItemAddsItsAmountToItsByteAndTakesItOffAgain)
{
    struct Fall {
        int x, y;
        InventarPlatz platz;
        int16_t item;
        uint8_t ruestung, abc;
    } const faelle[] = {
        {330, 450, Koerper, 1025, 10, 0},    {330, 450, Koerper, 1026, 15, 0},    {330, 450, Koerper, 1027, 20, 0},
        {330, 450, Koerper, 1083, 0, 10},    {330, 400, Getragen, 1017, 1, 0},    {330, 400, Getragen, 1190, 2, 0},
        {330, 400, Getragen, 1086, 0, 20},   {330, 525, Hose, 1046, 5, 0},        {330, 525, Hose, 1108, 6, 0},
        {330, 525, Hose, 1109, 7, 0},        {330, 525, Hose, 1110, 8, 0},        {330, 525, Hose, 1082, 0, 10},
        {170, 395, Helm, 1044, 5, 0},        {170, 395, Helm, 1106, 6, 0},        {170, 395, Helm, 1103, 7, 0},
        {170, 395, Helm, 1107, 8, 0},        {170, 485, Handschuhe, 1047, 2, 0},  {170, 485, Handschuhe, 1114, 3, 0},
        {170, 485, Handschuhe, 1115, 4, 0},  {170, 485, Handschuhe, 1116, 5, 0},  {170, 485, Handschuhe, 1085, 0, 5},
        {170, 580, Stiefel, 1045, 3, 0},     {170, 580, Stiefel, 1111, 4, 0},     {170, 580, Stiefel, 1112, 5, 0},
        {170, 580, Stiefel, 1113, 6, 0},     {170, 580, Stiefel, 1084, 0, 5},
    };
    for (const Fall& f : faelle) {
        m->Ruestung = 30;
        m->ABCSchutz = 30;
        CursorItem = f.item;
        CursorItemAnzahl = 1;
        Links(f.x, f.y);
        EXPECT_EQ(Platz(*m, f.platz).ItemId, f.item) << f.item;
        EXPECT_EQ(m->Ruestung, 30 + f.ruestung) << f.item;
        EXPECT_EQ(m->ABCSchutz, 30 + f.abc) << f.item;
        Links(f.x, f.y);  // taken off with the empty mouse
        EXPECT_EQ(CursorItem, f.item);
        EXPECT_EQ(m->Ruestung, 30) << f.item;
        EXPECT_EQ(m->ABCSchutz, 30) << f.item;
    }
}

TEST_F(Ausruestung, BytesSaturateInsteadOfWrapping)
{
    Platz(*m, Helm) = {1107, 1, 0};
    m->Ruestung = 3;  // less than the helmet's 8: a byte loaded from a file
    Links(170, 390);
    EXPECT_EQ(m->Ruestung, 0);
    m->ABCSchutz = 250;
    CursorItem = 1086;
    Links(330, 400);
    EXPECT_EQ(m->ABCSchutz, 255);
}

TEST_F(Ausruestung, ButtonTogglesThePanelAndTheGuardKeepsOrdersOut)
{
    Figur(5, 10, 300, 400);
    Maus(80, 620);
    MausLinksGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(TooltipNummer, 11);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(CursorIndex, 2);
    Links(80, 620);
    EXPECT_EQ(BefehlsModus, 8);
    // A right click on the panel gives no order.
    m->Ausgewaehlt = 1;
    Maus(250, 450);
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(m->Befehl, 1);
}

class Vorrat : public SteuerungTest {
protected:
    StadtRecord& s = StadtTabelle[0];
    void SetUp() override
    {
        SteuerungTest::SetUp();
        BefehlsModus = 7;
        s.WasserZufluss = 3;
    }
    static void Pumpe() { Links(300, 580); }
    static void Futter() { Links(180, 580); }
};

TEST_F(Vorrat, PumpsSwapTheirIncome)
{
    s.Pumpe = 1042;
    s.WasserZufluss = 5;
    CursorItem = 1043;
    CursorItemAnzahl = 7;  // left from something else
    Pumpe();
    EXPECT_EQ(s.Pumpe, 1043);
    EXPECT_EQ(s.WasserZufluss, 7);
    EXPECT_EQ(CursorItem, 1042);
    EXPECT_EQ(CursorItemAnzahl, 1);
    Pumpe();
    EXPECT_EQ(s.Pumpe, 1042);
    EXPECT_EQ(s.WasserZufluss, 5);
    CursorItem = 0;
    Pumpe();  // out: the income goes with it
    EXPECT_EQ(s.Pumpe, 0);
    EXPECT_EQ(s.WasserZufluss, 3);
    EXPECT_EQ(CursorItem, 1042);
    Pumpe();  // into the empty slot
    EXPECT_EQ(s.Pumpe, 1042);
    EXPECT_EQ(s.WasserZufluss, 5);
    EXPECT_EQ(CursorItem, 0);
    EXPECT_EQ(CursorItemAnzahl, 0);
    s.Pumpe = 0;
    CursorItem = 1030;  // not a pump
    Pumpe();
    EXPECT_EQ(s.Pumpe, 0);
    EXPECT_EQ(CursorItem, 1030);
    EXPECT_EQ(MausLinksGedrueckt, 0);
}

TEST_F(Vorrat, FoodToolsChooseTheAnimalAndTheMouseCountFollows)
{
    s.NahrungsTier = 1036;
    CursorItem = 0;
    CursorItemAnzahl = 6;
    Futter();
    EXPECT_EQ(s.NahrungsTier, 0);
    EXPECT_EQ(CursorItem, 1039);
    EXPECT_EQ(CursorItemAnzahl, 1);
    CursorItem = 1041;
    Futter();
    EXPECT_EQ(s.NahrungsTier, 1008);
    EXPECT_EQ(CursorItem, 0);
    EXPECT_EQ(CursorItemAnzahl, 0);  // no count left to take twice
    CursorItem = 1035;
    Futter();
    EXPECT_EQ(s.NahrungsTier, 1013);
    EXPECT_EQ(CursorItem, 1041);
    EXPECT_EQ(TooltipNummer, 13);
    Maus(330, 400);
    InterfaceSteuerung();
    EXPECT_EQ(TooltipNummer, 14);
}

TEST_F(Vorrat, AnEnemyTownTakesNoPressOnItsSlots)
{
    s.Besitzer = 2;
    s.Pumpe = 1042;
    Maus(300, 580);
    MausLinksGedrueckt = 1;
    StadtVorratPanel(32000);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    EXPECT_EQ(s.Pumpe, 1042);
    EXPECT_EQ(TooltipNummer, 12);
}

}  // namespace
