// The eat, drink and doctor scenes (the worth of an offer, how choice 1 spreads the pool, where
// choice 2 puts the offer back), the recruiter's two answers and the scene frame around them.
#include "interaction/angebot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/services_interaction.h"
#include "interaction/szenen.h"
#include "platform/os.h"
#include "tests/interaction/interaktion_fixture.h"

namespace {

class AngebotTest : public InteraktionTest {
protected:
    void SetUp() override {
        InteraktionTest::SetUp();
        InteraktionsModus = 3;
        ItemWerte[1029 - 1000] = 40;  // O_AK47
    }
    static void Klicke(int x, int y) {
        Zeige(x, y);
        MausLinksGedrueckt = 1;
        ZeichneInteraktionsSzene();
    }
    static void Biete() { Klicke(720, 380); }
    static void Wahl1() { Klicke(400, 440); }
    static void Wahl2() { Klicke(400, 455); }
};

struct Wert {
    const char* name;
    int art;  // 3 eat, 6 drink, 4 doctor
    int id, anzahl;
    int punkte;
};

class WertTest : public AngebotTest, public ::testing::WithParamInterface<Wert> {};

TEST_P(WertTest, OfferedItemShowsItsPoints) {
    const Wert& w = GetParam();
    InteraktionsModus = w.art;
    Maus(w.id, w.anzahl);
    Biete();
    EXPECT_EQ(MausLinksGedrueckt, 0);
    EXPECT_EQ(AngebotSlot.ItemId, w.id);
    EXPECT_EQ(int(VorratsPool), w.punkte);
    Biete();  // taken back: nothing left on offer
    EXPECT_EQ(int(VorratsPool), 0);
    EXPECT_EQ(CursorItem, w.id);
    EXPECT_EQ(CursorItemAnzahl, w.anzahl);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, WertTest,
    ::testing::Values(Wert{"FiveBreadsAreThreePoints", 3, 1006, 5, 3},
                      Wert{"ARifleIsWorthItsValueWhateverItsCount", 3, 1029, 4, 28},
                      Wert{"AmmunitionCountsByTheRound", 6, 1028, 30, 21},
                      Wert{"NewRatsAreWorthTheirValue", 3, 1191, 5, 0},
                      Wert{"TwoBandagesAreSixHealth", 4, 1022, 2, 6},
                      Wert{"DoctorTakesARifleAtThreeTimesItsValue", 4, 1029, 1, 120}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AngebotTest, ExchangingTheOfferKeepsThePoolEqualToItsWorthPlusTheRest) {
    VorratsPool = 2.0f;  // left over from an earlier choice 1
    Maus(1006, 5);
    Biete();
    Maus(1008, 9);
    Biete();
    EXPECT_FLOAT_EQ(VorratsPool, 2.0f + 9 * 0.7f);
    EXPECT_EQ(CursorItem, 1006);
}

TEST_F(AngebotTest, ChoiceOneFillsTheSquadInFigureOrderAndPassesTheRestOn) {
    Figuren[0].Nahrung = 8;
    Mitglied(3, 2).Nahrung = 9;  // id 4
    Figuren[7].Id = 8;           // a free record that still bears an id of the squad bar
    Figuren[7].Nahrung = 0;
    AuswahlSlots[1] = 4;
    AuswahlSlots[2] = 8;
    AngebotSlot = {1006, 5, 0};
    VorratsPool = 4.0f;
    Wahl1();
    EXPECT_EQ(Figuren[0].Nahrung, 10);
    EXPECT_EQ(Figuren[3].Nahrung, 10);
    EXPECT_EQ(Figuren[7].Nahrung, 0);
    EXPECT_FLOAT_EQ(VorratsPool, 1.0f);
    EXPECT_EQ(AngebotSlot.ItemId, 0);  // given away
    EXPECT_EQ(InteraktionsModus, 3);   // the scene stays open
}

TEST_F(AngebotTest, ChoiceOneOfTheDoctorHealsAndOfTheBarFillsWater) {
    InteraktionsModus = 4;
    Figuren[0].Gesundheit = 40;
    VorratsPool = 90.0f;
    Wahl1();
    EXPECT_EQ(Figuren[0].Gesundheit, 100);
    EXPECT_FLOAT_EQ(VorratsPool, 30.0f);
    InteraktionsModus = 6;
    Figuren[0].Wasser = 1;
    VorratsPool = 2.5f;
    Wahl1();
    EXPECT_EQ(Figuren[0].Wasser, 3);
}

struct Rueckgabe {
    const char* name;
    bool beutelVoll, alleRecordsBelegt, mausBelegt, keinMitglied;
    const char* wohin;  // "bag", "floor", "mouse", "stays"
};

class RueckgabeTest : public AngebotTest, public ::testing::WithParamInterface<Rueckgabe> {};

TEST_P(RueckgabeTest, ChoiceTwoGivesTheOfferBack) {
    const Rueckgabe& r = GetParam();
    FigurRecord& f = Figuren[0];
    if (r.beutelVoll)
        for (int reihe = 0; reihe < 2; ++reihe)
            for (ItemSlot& s : f.Inventar[reihe]) s = {1002, 1, 0};
    f.Inventar[0][0] = {1002, 1, 0};
    if (r.alleRecordsBelegt)
        for (int k = 1; k < FIGUREN_ANZAHL; ++k) Mitglied(k, 11);
    if (r.mausBelegt) Maus(1035, 1);
    if (r.keinMitglied) AuswahlSlots[0] = KEINE_FIGUR;
    AngebotSlot = {1006, 5, 0};
    Wahl2();
    const bool bleibt = std::string(r.wohin) == "stays";
    EXPECT_EQ(InteraktionsModus, bleibt ? 3 : 0);
    EXPECT_EQ(AngebotSlot.ItemId, bleibt ? 1006 : 0);
    if (std::string(r.wohin) == "bag") {
        EXPECT_EQ(f.Inventar[0][1].ItemId, 1006);
    }
    if (std::string(r.wohin) == "floor") {
        const int boden = 1;  // the first free record
        EXPECT_EQ(Figuren[boden].Aktiv, 1);
        EXPECT_EQ(Figuren[boden].Typ, 1006);
        EXPECT_EQ(Figuren[boden].Anzahl, 5);
        EXPECT_EQ(Figuren[boden].Position[0], 200.0f);
        EXPECT_EQ(Figuren[boden].Position[2], 300.0f);
    }
    if (std::string(r.wohin) == "mouse") {
        EXPECT_EQ(CursorItem, 1006);
        EXPECT_EQ(CursorItemAnzahl, 5);
    }
    if (r.mausBelegt) {
        EXPECT_EQ(CursorItem, 1035);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Wohin, RueckgabeTest,
    ::testing::Values(Rueckgabe{"IntoTheFirstFreeBagSlot", false, false, false, false, "bag"},
                      Rueckgabe{"OntoTheFloorWhenTheBagIsFull", true, false, false, false, "floor"},
                      Rueckgabe{"OntoTheMouseWhenNoRecordIsFree", true, true, false, false, "mouse"},
                      Rueckgabe{"RefusedWhenTheMouseIsFullToo", true, true, true, false, "stays"},
                      Rueckgabe{"OntoTheMouseWithNoMember", false, false, false, true, "mouse"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AngebotTest, WithNoMemberSelectedTheOneWhoEnteredGetsItBack) {
    Mitglied(4, 2);  // id 5
    AuswahlSlots[0] = KEINE_FIGUR;
    EintretendeFigur = 5;
    AngebotSlot = {1006, 5, 0};
    Wahl2();
    EXPECT_EQ(Figuren[4].Inventar[0][0].ItemId, 1006);
}

TEST_F(AngebotTest, TheFrameTakesTheEntranceTargetsAndSwaysWithinAQuarter) {
    SzenenFeld[0] = 12;
    SzenenFeld[1] = 34;
    for (int k : {0, 2}) {
        Figuren[k].Aktiv = 1;
        Figuren[k].EingangsZiel[0] = 120.0f;
        Figuren[k].EingangsZiel[2] = 340.0f;
    }
    Figuren[1].EingangsZiel[0] = 50.0f;
    Figuren[1].EingangsZiel[2] = 340.0f;
    for (int n = 0; n < 200; ++n) {
        ZeichneInteraktionsSzene();
        EXPECT_GE(Cam.Auge[0], 37.75f);
        EXPECT_LE(Cam.Auge[0], 38.25f);
        EXPECT_GE(Cam.Auge[1], 24.75f);
        EXPECT_LE(Cam.Auge[1], 25.25f);
    }
    EXPECT_EQ(Figuren[0].EingangsZiel[0], 0.0f);
    EXPECT_EQ(Figuren[2].EingangsZiel[2], 0.0f);
    EXPECT_EQ(Figuren[1].EingangsZiel[0], 50.0f);
    EXPECT_EQ(BefehlsModus, 3);
    // Reset to 360 before the HUD, which slides it on out: the town stock panel stays out.
    EXPECT_GE(HudSchieber[1], 376);
}

TEST_F(AngebotTest, WellLayersWrapAndADamagedOffsetStartsAgain) {
    InteraktionsModus = 5;
    SzenenSchieber[0] = 1022;
    SzenenSchieber[1] = -40;  // from a damaged save
    SzenenSchieber[2] = 5;
    ZeichneInteraktionsSzene();
    EXPECT_EQ(SzenenSchieber[0], 0);
    EXPECT_EQ(SzenenSchieber[1], 0);
    EXPECT_EQ(SzenenSchieber[2], 11);
}

class AnwerberTest : public AngebotTest {
protected:
    void SetUp() override {
        AngebotTest::SetUp();
        InteraktionsModus = 7;
        TutorialSchritt = 3;
        StadtGitter[kAnwerberX][kAnwerberZ].Eingang = 7;
    }
};

TEST_F(AnwerberTest, GoingOnWithTheTutorialTakesTheRecruitersEntranceAway) {
    ZeichneInteraktionsSzene();
    EXPECT_EQ(GespraechsPhase, 1);  // the line is said once
    Wahl1();
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(TutorialSchritt, 4);
    EXPECT_EQ(GespraechsPhase, 0);
    EXPECT_EQ(StadtGitter[kAnwerberX][kAnwerberZ].Eingang, 0);
}

TEST_F(AnwerberTest, ARefusedNewGameKeepsThePlayerInTheTutorial) {
    const auto vorher = std::filesystem::current_path();
    const auto leer = std::filesystem::path(::testing::TempDir()) / ("velquor_anwerber_" + std::to_string(getpid()));
    std::filesystem::create_directories(leer);
    std::filesystem::current_path(leer);  // no template, no map
    std::vector<std::string> meldungen;
    os::CaptureMessageBoxes(&meldungen);
    Wahl2();
    os::CaptureMessageBoxes(nullptr);
    std::filesystem::current_path(vorher);
    std::filesystem::remove_all(leer);
    EXPECT_FALSE(meldungen.empty());
    EXPECT_EQ(TutorialSchritt, 3);
    EXPECT_EQ(InteraktionsModus, 7);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(GespraechsPhase, 1);  // the recruiter does not start his line again
}

}  // namespace
