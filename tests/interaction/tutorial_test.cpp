// The tutorial as a table of steps: the state before, what the player does, the step after and what
// changes in the world; the continue strip; the speech timing; the blinking.
#include <functional>
#include <string>

#include "framework/services_interaction.h"
#include "interaction/inventar.h"
#include "interaction/handler.h"
#include "tests/interaction/gespraech_fixture.h"

namespace {

class Tutorial : public DialogTest {
protected:
    FigurRecord* eigene = nullptr;
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        DialogTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        SpielModus = 1000;
        AktuelleStadt = 0;
        eigene = &Figur(0, 1, 60, 10);
        eigene->EigeneFigur = 1;
        // A yard where figures can be placed.
        for (int x = 40; x < 50; ++x)
            for (int z = 40; z < 50; ++z) BodenGitter[x][z] = 1;
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        DialogTest::TearDown();
    }
    static void Weiterklick()
    {
        Druck(512, 480);
        TutorialWeiter();
    }
    static int ZaehleTyp(int von, int bis)
    {
        int n = 0;
        for (const FigurRecord& f : Figuren)
            if (f.Aktiv == 1 && f.Typ >= von && f.Typ <= bis) ++n;
        return n;
    }
};

TEST_F(Tutorial, VorDemErstenStadtbildNichts)
{
    TutorialSchritt = 6;
    for (int item : {1029, 1028, 1027}) *ErsterFreierBeutelPlatz(*eigene) = ItemSlot{int16_t(item), 1, 0};
    StadtBildGezeichnet = 0;
    TutorialAblauf();
    EXPECT_EQ(TutorialSchritt, 6);
    EXPECT_TRUE(geraet->Draws().empty());
    StadtBildGezeichnet = 1;
    TutorialAblauf();
    EXPECT_EQ(TutorialSchritt, 7);
}

struct Klickfall {
    int schritt, danach;
};

TEST_F(Tutorial, DerWeiterstreifenBewegtGenauEinenSchritt)
{
    const Klickfall faelle[] = {{1, 2},   {2, 3},   {3, 99},  {4, 5},   {5, 6},   {13, 14}, {15, 16},
                                {17, 18}, {19, 20}, {23, 24}, {27, 28}, {29, 30}, {31, 32}, {33, 34},
                                {34, 35}, {36, 37}, {6, 6},   {7, 7},   {21, 21}, {99, 99}};
    for (const Klickfall& f : faelle) {
        TutorialSchritt = uint8_t(f.schritt);
        GespraechsPhase = 7;
        Weiterklick();
        EXPECT_EQ(TutorialSchritt, f.danach) << "step " << f.schritt;
        if (f.danach != f.schritt) {
            EXPECT_EQ(MausLinksGedrueckt, 0);
            EXPECT_EQ(GespraechsPhase, f.schritt == 3 ? 7 : 0) << "step " << f.schritt;
        }
    }
    // Outside the strip the click is not taken.
    TutorialSchritt = 2;
    Druck(512, 491);
    TutorialWeiter();
    EXPECT_EQ(TutorialSchritt, 2);
}

TEST_F(Tutorial, MausTastenWaehrendDerAusbilderRedet)
{
    struct Fall {
        int schritt;
        bool links, rechts;  // cleared
    };
    // While the instructor talks only his strip's click is taken; the rest of the mouse goes on to
    // the town and the scenes. Steps 7 to 10, 21 and 22 allow no move or run orders.
    for (const Fall& f : {Fall{2, false, false}, Fall{36, false, false}, Fall{7, false, true}, Fall{22, false, true},
                          Fall{6, false, false}, Fall{12, false, false}}) {
        TutorialSchritt = uint8_t(f.schritt);
        MyApp.MausX = MyApp.MausY = 100;
        MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 1;
        MausRechtsGedrueckt = MausRechtsDoppelklick = MausRechtsLosgelassen = 1;
        TutorialWeiter();
        EXPECT_EQ(MausLinksGedrueckt + MausLinksDoppelklick + MausLinksLosgelassen, f.links ? 0 : 3) << f.schritt;
        EXPECT_EQ(MausRechtsGedrueckt + MausRechtsDoppelklick + MausRechtsLosgelassen, f.rechts ? 0 : 3) << f.schritt;
    }
}

TEST_F(Tutorial, DerWeiterstreifenNimmtNurSeinenDruck)
{
    TutorialSchritt = 29;
    Druck(790, 480);
    MausLinksDoppelklick = MausLinksLosgelassen = MausRechtsGedrueckt = 1;
    TutorialWeiter();
    EXPECT_EQ(TutorialSchritt, 30);
    EXPECT_EQ(MausLinksGedrueckt + MausLinksDoppelklick, 0);
    EXPECT_EQ(MausLinksLosgelassen + MausRechtsGedrueckt, 2);
}

// The close button of a container lies inside the strip: its press moves the tutorial on and its
// release still closes the container, also in a step that waits for a click.
TEST_F(Tutorial, EinBehaelterSchliesstSichWaehrendDerAusbilderRedet)
{
    TutorialSchritt = 31;
    InteraktionsModus = 1;
    MyApp.MausX = 790;
    MyApp.MausY = 480;
    MausLinksLosgelassen = 1;
    InterfaceSteuerung();
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(TutorialSchritt, 31);
}

TEST_F(Tutorial, Schritt11RuftDenFeind)
{
    TutorialSchritt = 11;
    Weiterklick();
    EXPECT_EQ(TutorialSchritt, 12);
    EXPECT_EQ(ZaehleTyp(13, 15), 1);
    EXPECT_EQ(StadtTabelle[0].Besitzer, 0);
    // Killed, the next step follows with the yard moved and a townsperson in it.
    for (FigurRecord& f : Figuren)
        if (IstFeind(f.Typ)) f.Aktiv = 0;
    TutorialAblauf();
    EXPECT_EQ(TutorialSchritt, 13);
    EXPECT_EQ(BodenGitter[51][35], 0);
    EXPECT_EQ(BodenGitter[65][35], 1);
    EXPECT_EQ(BodenGitter[75][45], 1);
    EXPECT_EQ(ZaehleTyp(11, 11), 1);  // during the tutorial every townsperson is a technician
}

// One row per step that ends by a test: what the player has done, and what the step leaves.
struct Aufgabe {
    const char* name;
    int schritt, danach;
    std::function<void(FigurRecord& eigene)> tun;
    std::function<void(FigurRecord& eigene)> pruefe;
};

class Aufgaben : public Tutorial, public ::testing::WithParamInterface<Aufgabe> {};

TEST_P(Aufgaben, TestUndWeltAenderung)
{
    const Aufgabe& a = GetParam();
    TutorialSchritt = uint8_t(a.schritt);
    GespraechsPhase = 9;
    TutorialAblauf();
    EXPECT_EQ(TutorialSchritt, a.schritt) << "passed without the lesson";
    a.tun(*eigene);
    TutorialAblauf();
    EXPECT_EQ(TutorialSchritt, a.danach);
    a.pruefe(*eigene);
}

void Traegt(FigurRecord& f, std::initializer_list<int> items)
{
    for (int item : items) *ErsterFreierBeutelPlatz(f) = ItemSlot{int16_t(item), 1, 0};
}
void Nichts(FigurRecord&) {}

INSTANTIATE_TEST_SUITE_P(
    Schritte, Aufgaben,
    ::testing::Values(
        Aufgabe{"S6_Ausruestung", 6, 7, [](FigurRecord& e) { Traegt(e, {1029, 1028, 1027}); }, Nichts},
        // Rifle in the hand, ammunition loaded and the equipment opened in one frame: three steps.
        Aufgabe{"S7_bis_10_in_einem_Bild", 7, 10,
                [](FigurRecord& e) {
                    Platz(e, Hand) = ItemSlot{1029, 1, 0};
                    Platz(e, Munition) = ItemSlot{1028, 30, 0};
                    BefehlsModus = 8;
                },
                Nichts},
        Aufgabe{"S10_Weste", 10, 11, [](FigurRecord& e) { Platz(e, Koerper) = ItemSlot{1027, 1, 0}; },
                [](FigurRecord&) {
                    EXPECT_EQ(BefehlsModus, 0);
                    EXPECT_EQ(StadtGitter[55][33].Blockiert, 0);
                }},
        Aufgabe{"S14_Angeworben", 14, 15,
                [](FigurRecord&) {
                    DialogTest::Figur(30, 4).Inventar[0][0] = ItemSlot{1003, 9, 0};
                    DialogTest::Figur(31, 2);
                },
                [](FigurRecord& e) {
                    // Whatever the first place holds stays; the bottles go to the next free one.
                    EXPECT_EQ(Figuren[30].Inventar[0][0].ItemId, 1003);
                    EXPECT_EQ(Figuren[30].Inventar[0][1].ItemId, 1012);
                    EXPECT_EQ(Figuren[30].Inventar[0][1].ItemAnzahl, 2);
                    EXPECT_EQ(Figuren[31].Inventar[0][0].ItemId, 1012);
                    EXPECT_EQ(e.Inventar[0][0].ItemId, 0);
                }},
        Aufgabe{"S16_Pumpe_und_Falle_bei_Zweien", 16, 17,
                [](FigurRecord& e) {
                    Traegt(e, {1042});
                    Traegt(DialogTest::Figur(30, 5), {1039});
                },
                Nichts},
        Aufgabe{"S18_Stadt_gehoert_uns", 18, 19, [](FigurRecord&) { StadtTabelle[0].Besitzer = 1; },
                [](FigurRecord& e) {
                    EXPECT_EQ(e.Nahrung, 5);
                    EXPECT_EQ(e.Wasser, 3);
                }},
        Aufgabe{"S20_Nahrung_und_Pumpe", 20, 21,
                [](FigurRecord&) {
                    StadtTabelle[0].NahrungsTier = 1036;
                    StadtTabelle[0].Pumpe = 1042;
                    BefehlsModus = 7;
                },
                [](FigurRecord&) { EXPECT_EQ(BefehlsModus, 0); }},
        Aufgabe{"S24_Ratte", 24, 25, [](FigurRecord&) { Traegt(DialogTest::Figur(30, 2), {1036}); },
                [](FigurRecord& e) {
                    EXPECT_EQ(Figuren[30].Nahrung, 5);
                    EXPECT_EQ(Figuren[30].Wasser, 3);
                    EXPECT_EQ(e.Nahrung, 0);
                }},
        Aufgabe{"S25_Satt", 25, 26, [](FigurRecord& e) { e.Nahrung = 10; }, Nichts},
        Aufgabe{"S26_Getrunken", 26, 27, [](FigurRecord& e) { e.Wasser = 5; }, Nichts},
        Aufgabe{"S28_Brunnen", 28, 29, [](FigurRecord&) { InteraktionsModus = 5; }, Nichts},
        Aufgabe{"S30_Flaschen_gefuellt", 30, 31,
                [](FigurRecord& e) { e.Inventar[1][4] = ItemSlot{1012, 2, 0}; }, Nichts},
        Aufgabe{"S32_Werkstoffe", 32, 33, [](FigurRecord& e) { Traegt(e, {1004, 1053, 1014}); }, Nichts},
        Aufgabe{"S35_Falle_gebaut", 35, 36, [](FigurRecord& e) { Traegt(e, {1039}); }, Nichts}),
    [](const ::testing::TestParamInfo<Aufgabe>& i) { return std::string(i.param.name); });

TEST_F(Tutorial, WeltAenderungenWaehrendDerSchritte)
{
    TutorialSchritt = 4;
    for (int x : {56, 57, 58}) StadtGitter[x][21].Blockiert = 1;
    TutorialAblauf();
    for (int x : {56, 57, 58}) EXPECT_EQ(StadtGitter[x][21].Blockiert, 0);

    // Talking, not attacking, while the townsperson is to be recruited.
    TutorialSchritt = 14;
    BefehlsModus = 1;
    CursorIndex = 3;
    TutorialAblauf();
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(CursorIndex, 2);

    // The bottles of step 29 are emptied for the well; other counts stay.
    TutorialSchritt = 29;
    eigene->Inventar[0][3] = ItemSlot{1012, 2, 0};
    eigene->Inventar[0][4] = ItemSlot{1012, 3, 0};
    TutorialAblauf();
    EXPECT_EQ(eigene->Inventar[0][3].ItemAnzahl, 0);
    EXPECT_EQ(eigene->Inventar[0][4].ItemAnzahl, 3);
}

TEST_F(Tutorial, ZweiteDateiNachDerPause)
{
    // The lines are over at once here, so the first call sees the first file end.
    struct Fall {
        int schritt, aufrufe, phase;
    };
    for (const Fall& f : {Fall{1, 34, 37}, Fall{2, 14, 17}, Fall{3, 24, 27}, Fall{23, 1, 3}}) {
        TutorialSchritt = uint8_t(f.schritt);
        GespraechsPhase = 0;
        int aufrufe = 0;
        while (GespraechsPhase != f.phase && aufrufe < 100) {
            TutorialAblauf();
            ++aufrufe;
        }
        EXPECT_EQ(aufrufe, f.aufrufe) << "step " << f.schritt;
        TutorialAblauf();
        EXPECT_EQ(GespraechsPhase, f.phase) << "step " << f.schritt;
    }
    // A step with one file stays at phase 1.
    TutorialSchritt = 5;
    GespraechsPhase = 0;
    for (int i = 0; i < 5; ++i) TutorialAblauf();
    EXPECT_EQ(GespraechsPhase, 1);
}

TEST_F(Tutorial, BlinkenNurSolangeDieBedingungGilt)
{
    TutorialSchritt = 12;
    DialogTest::Figur(30, 13);
    BefehlsModus = 1;
    TutorialAblauf();
    EXPECT_EQ(TutorialBlinkZaehler, 0);
    BefehlsModus = 3;
    for (int i = 0; i < 21; ++i) TutorialAblauf();
    EXPECT_EQ(TutorialBlinkZaehler, 1);  // 0..19 and round again
    // A talking step's highlight counts in every call.
    TutorialSchritt = 11;
    BefehlsModus = 1;
    TutorialAblauf();
    EXPECT_EQ(TutorialBlinkZaehler, 2);
}

TEST_F(Tutorial, DasEndeStartetDieStadtNull)
{
    // No game data here: the start is refused with a message, and the last words stay.
    TutorialSchritt = 37;
    TutorialAblauf();
    EXPECT_EQ(TutorialSchritt, 36);
    EXPECT_EQ(meldungen.size(), 1u);
}

}  // namespace
