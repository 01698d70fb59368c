// The close-up scenes in the real game: in town 0 a squad member walks into a container cell, the
// well and the eat, drink and doctor scenes; each scene is photographed. In the eat scene an item is
// offered and both choices are clicked. Last the tutorial's recruiter starts the game anew.
#include <string>

#include "framework/setup.h"
#include "interaction/tutorial.h"
#include "interaction/szenen.h"
#include "tests/e2e/e2e_spiel.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

class SzenenE2E : public SpielE2E {
protected:
    int mitglied = -1;

    void SetUp() override
    {
        SpielE2E::SetUp();
        StarteBisHauptmenue();
        InStadtNull();
        SetupWerte.FRAMERATE = 0.0f;  // no pacing: the walks take a few hundred frames
        // The walks below go the way the game's random sequence lets the townsfolk wander; particles
        // and rain draw from it every frame, so they stay off here to keep the walks as they were made.
        SetupWerte.PARTIKEL = 0;
        RegenAktiv = 0;
        mitglied = WaehleErstesMitglied();
        ASSERT_GE(mitglied, 0);
    }

    void TearDown() override
    {
        BeendeProgramm();  // the music thread must not outlive the program's tables
        SpielE2E::TearDown();
    }

    // Walks the member from two cells off into the first entrance of this kind: the walk order
    // written into its record as the entrance order gives it.
    void Betritt(int art)
    {
        const int id = Figuren[mitglied].Id;
        int x = 0, z = 0;
        ASSERT_TRUE(SchickeZumEingang(id, art, x, z)) << "town 0 has no reachable entrance of kind " << art;
        for (int n = 0; n < 400 && InteraktionsModus == 0; ++n) Frames(1);
        ASSERT_EQ(InteraktionsModus, art) << "cell " << x << ", " << z;
        EXPECT_EQ(SzenenFeld[0], x);
        EXPECT_EQ(SzenenFeld[1], z);
        EXPECT_EQ(EintretendeFigur, id);
        mitglied = AktiveFigurMitId(id);  // the records are re-sorted every frame
    }
};

TEST_F(SzenenE2E, ContainerWellEatDrinkDoctor)
{
    Betritt(1);
    Zeiger(230, 200);
    Frames(3);
    Bild("szene_1_behaelter");
    EXPECT_GE(HudSchieber[1], 376);  // the town stock panel stays out during a scene
    SchliesseSzene();  // the close button's handler runs in the interface controller
    Frames(2);

    Betritt(5);
    Zeiger(790, 480);  // the close button's hover art
    Frames(3);
    Bild("szene_5_brunnen");
    SchliesseSzene();
    Frames(2);

    Betritt(3);
    FigurRecord& f = Figuren[mitglied];
    f.Nahrung = 2;
    CursorItem = 1006;  // five breads, offered
    CursorItemAnzahl = 5;
    Klick(720, 380);
    EXPECT_EQ(AngebotSlot.ItemId, 1006);
    EXPECT_EQ(CursorItem, 0);
    EXPECT_EQ(int(VorratsPool), 3);
    Zeiger(400, 441);
    Frames(2);
    Bild("szene_3_essen");
    Klick(400, 441);  // choice 1: the squad eats
    EXPECT_EQ(Figuren[AktiveFigurMitId(AuswahlSlots[0])].Nahrung, 5);
    EXPECT_EQ(AngebotSlot.ItemId, 0);
    Klick(400, 456);  // choice 2: back to the town
    EXPECT_EQ(InteraktionsModus, 0);
    Frames(2);

    Betritt(6);
    CursorItem = 1087;
    CursorItemAnzahl = 2;
    Klick(720, 380);
    Zeiger(600, 300);
    Frames(2);
    Bild("szene_6_trinken");
    Klick(400, 456);  // left with the offer: it goes back into the bag
    EXPECT_EQ(InteraktionsModus, 0);
    bool imBeutel = false;
    for (const auto& reihe : Figuren[AktiveFigurMitId(AuswahlSlots[0])].Inventar)
        for (const ItemSlot& s : reihe) imBeutel = imBeutel || (s.ItemId == 1087 && s.ItemAnzahl == 2);
    EXPECT_TRUE(imBeutel);
    Frames(2);

    Betritt(4);
    CursorItem = 1022;
    CursorItemAnzahl = 4;
    Klick(720, 380);
    Zeiger(600, 300);
    Frames(2);
    Bild("szene_4_doktor");
    EXPECT_EQ(int(VorratsPool), 12);
    Klick(400, 456);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(CursorItem, 0);

    // The recruiter, as the tutorial town opens it in the pause after step 3; his second answer
    // starts the game afresh.
    TutorialSchritt = 99;
    Cam.Set(38.0f, 25.0f, -21.3f, -4.432f, 11.875f, -7.826f, 0.0f, 1.0f, 0.0f);  // the close-up camera
    InteraktionsModus = 7;
    Zeiger(400, 456);
    Frames(3);
    Bild("szene_7_anwerber");
    EXPECT_EQ(GespraechsPhase, 1);
    Klick(400, 456);
    EXPECT_EQ(TutorialSchritt, 0);
    EXPECT_EQ(InteraktionsModus, 0);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_TRUE(meldungen.empty());
}

}  // namespace
