// The save and load screens: clicks and double clicks on named and unnamed slots, the slot list
// written only after a save that succeeded, no saving on an encounter map, the buttons, and loads
// of good and damaged slots.
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "frontend_fixture.h"
#include "platform/os.h"
#include "world/anzeige.h"
#include "world/gamefiles.h"

namespace {

class SpeicherSeitenTest : public FrontendTest {
protected:
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        FrontendTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        FensterAktiv = 1;
        SetupWerte.FRAMERATE = 0.0f;
        std::memset(SpeicherSlotNamen, 0, sizeof SpeicherSlotNamen);
        std::memset(Figuren, 0, sizeof Figuren);
        AktuelleStadt = 2;
        for (int i = 0; i < 20; ++i) {
            std::vector<uint8_t> d(STADTZUSTANDDATEI_GROESSE, uint8_t(i));
            if (i != 2) SchreibeDatei("Gamestate/S_Town" + std::to_string(i) + ".dat", d);
        }
        SchreibeDatei("Data/Towns/town2.dat", std::vector<uint8_t>(STADTDATEI_GROESSE, 0));
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        FrontendTest::TearDown();
    }

    static bool SlotGespeichert(int k) { return os::FileExists("save/slot" + std::to_string(k) + "/global.dat"); }

    // A click (or double click) on slot k of the screen of the current mode.
    static void AufSlot(int k, bool doppelt)
    {
        Maus(500, 175 + 25 * k);
        (doppelt ? MausLinksDoppelklick : MausLinksGedrueckt) = 1;
        if (SpielModus == 8000) SpielLadenBildschirm();
        else SpielSpeichernBildschirm();
    }
};

TEST_F(SpeicherSeitenTest, ClickTypesDoubleClickSavesANameOfTwoCharacters)
{
    struct Fall {
        const char* name;
        bool doppelt;
        int32_t modus;
        bool gespeichert;
    };
    const Fall faelle[] = {
        {"A", false, 7005, false}, {"AB", false, 7005, false}, {"A", true, 7005, false}, {"AB", true, 7000, true},
    };
    for (const Fall& f : faelle) {
        std::filesystem::remove_all("save");
        std::snprintf(SpeicherSlotNamen[4], TEXT_LAENGE, "%s", f.name);
        SpielModus = 7000;
        AufSlot(4, f.doppelt);
        EXPECT_EQ(SpielModus, f.modus) << f.name << f.doppelt;
        EXPECT_EQ(SlotGespeichert(4), f.gespeichert) << f.name << f.doppelt;
        EXPECT_EQ(os::FileExists("save/save.dat"), f.gespeichert);
        EXPECT_EQ(MausLinksGedrueckt, 0);
        EXPECT_EQ(MausLinksDoppelklick, 0);
    }
    std::vector<uint8_t> liste;
    ASSERT_TRUE(os::ReadFile("save/save.dat", liste));
    std::string namen;
    for (int k = 0; k < 20; ++k) namen += (k == 4 ? "AB" : "") + std::string("\r\n");
    EXPECT_EQ(std::string(liste.begin(), liste.end()), namen);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(SpeicherSeitenTest, SlotListIsWrittenOnlyAfterASaveThatSucceeded)
{
    std::snprintf(SpeicherSlotNamen[4], TEXT_LAENGE, "%s", "Neu");
    SchreibeDatei("save/save.dat", {'A', 'l', 't', '\n'});
    std::filesystem::remove("Gamestate/S_Town9.dat");
    SpielModus = 7000;
    AufSlot(4, true);
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_FALSE(SlotGespeichert(4));
    std::vector<uint8_t> liste;
    ASSERT_TRUE(os::ReadFile("save/save.dat", liste));
    EXPECT_EQ(std::string(liste.begin(), liste.end()), "Alt\n");

    // On an encounter map nothing is saved; the refusal shows back in the town.
    SchreibeDatei("Gamestate/S_Town9.dat", std::vector<uint8_t>(STADTZUSTANDDATEI_GROESSE, 0));
    SonderOrt = 1;
    AufSlot(4, true);
    EXPECT_FALSE(SlotGespeichert(4));
    EXPECT_EQ(ZeilenTimer[kSpeichernGesperrtZeile], 250);
    ZeilenTimer[kSpeichernGesperrtZeile] = 0;
}

TEST_F(SpeicherSeitenTest, BackReadsTheNamesAgainAndExitKeepsTheTownFlag)
{
    SchreibeDatei("save/save.dat", {'E', 'r', 's', 't', '\n'});
    std::snprintf(SpeicherSlotNamen[0], TEXT_LAENGE, "%s", "Getippt");
    MenueAusStadt = 1;
    SpielModus = 7001;
    for (int32_t& c : MenueZaehler) c = 500;
    Maus(500, 645);
    MausLinksGedrueckt = 1;
    MausRechtsGedrueckt = 1;
    SpielSpeichernBildschirm();
    EXPECT_STREQ(SpeicherSlotNamen[0], "Erst");
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(MenueAusStadt, 0);
    EXPECT_EQ(MausRechtsGedrueckt, 0);

    MenueAusStadt = 1;
    SpielModus = 7000;
    for (int32_t& c : MenueZaehler) c = 500;
    Maus(500, 695);
    MausLinksGedrueckt = 1;
    SpielSpeichernBildschirm();
    EXPECT_EQ(SpielModus, 4000);
    EXPECT_EQ(MenueAusStadt, 1);

    MenueAusStadt = 0;
    SpielModus = 8000;
    for (int32_t& c : MenueZaehler) c = 500;
    Maus(500, 645);
    MausLinksGedrueckt = 1;
    SpielLadenBildschirm();
    EXPECT_EQ(SpielModus, 3000);
}

TEST_F(SpeicherSeitenTest, LoadBringsTheSlotBackAndADamagedSlotChangesNothing)
{
    // A save of town 2 with a difficulty no screen gives.
    std::snprintf(SpeicherSlotNamen[6], TEXT_LAENGE, "%s", "Gut");
    std::snprintf(SpeicherSlotNamen[7], TEXT_LAENGE, "%s", "Kaputt");
    std::snprintf(SpeicherSlotNamen[8], TEXT_LAENGE, "%s", "X");
    Figuren[5].Aktiv = 1;
    Figuren[5].Typ = 1003;
    Schwierigkeitsgrad = 5;
    TagZaehler = 12;
    SpielModus = 7000;
    AufSlot(6, true);
    ASSERT_TRUE(SlotGespeichert(6));
    std::filesystem::copy("save/slot6", "save/slot7");
    std::vector<uint8_t> global;
    ASSERT_TRUE(os::ReadFile("save/slot7/global.dat", global));
    global.pop_back();
    SchreibeDatei("save/slot7/global.dat", global);

    // Damaged, missing or unnamed: nothing changes.
    TagZaehler = 99;
    Figuren[5].Aktiv = 0;
    HinweisNummer = 4;
    HinweisSichtbar = 1;
    SonderOrt = 1;
    for (int slot : {7, 8, 9}) {
        meldungen.clear();
        SpielModus = 8000;
        AufSlot(slot, false);
        EXPECT_EQ(SpielModus, 8000) << slot;
        EXPECT_EQ(meldungen.size(), slot == 7 ? 1u : 0u) << slot;
    }
    std::snprintf(SpeicherSlotNamen[9], TEXT_LAENGE, "%s", "Fehlt");
    AufSlot(9, false);
    EXPECT_EQ(SpielModus, 8000);
    EXPECT_EQ(TagZaehler, 99);
    EXPECT_EQ(Figuren[5].Aktiv, 0);
    EXPECT_EQ(HinweisNummer, 4);
    EXPECT_EQ(HinweisSichtbar, 1);
    EXPECT_EQ(SonderOrt, 1);

    // The good slot: the saved game, back in its town, every hint counted as shown.
    AufSlot(6, false);
    EXPECT_EQ(SpielModus, 1000);
    EXPECT_EQ(TagZaehler, 12);
    EXPECT_EQ(Figuren[5].Aktiv, 1);
    EXPECT_EQ(AktuelleStadt, 2);
    EXPECT_EQ(HinweisNummer, 1);
    EXPECT_EQ(HinweisSichtbar, 0);
    for (uint8_t g : HinweisGezeigt) EXPECT_EQ(g, 1);
    EXPECT_EQ(SonderOrt, 0);
    EXPECT_EQ(Schwierigkeitsgrad, 2);
    EXPECT_EQ(CursorIndex, 2);
    EXPECT_EQ(BodenKarte[19][0].AlphaTextur, 20);
    std::memset(HinweisGezeigt, 0, sizeof HinweisGezeigt);
    HinweisNummer = 0;
}

}  // namespace
