// The interface controller: its gate chain, the death panel and the editor that take over the frame,
// the active member, the skip-time buttons and the small panels.
#include <algorithm>
#include <array>
#include <cmath>

#include "framework/texte.h"
#include "interaction/zeit.h"
#include "world/anzeige.h"
#include "world/enemy_army.h"
#include "steuerung_fixture.h"

namespace {

using Namen = std::vector<std::string>;

const Namen kImmer = {"AuswahlLeisteKlick", "AuswahlLeisteRechtsKlick", "LinkesPanelSperre"};

struct TorFall {
    const char* name;
    int32_t interaktion, befehl, partner;
    bool mitglied;
    uint8_t besitzer;
    Namen offen;  // besides the three that always run
};

const TorFall kTorFaelle[] = {
    {"TownNoMember", 0, 3, 0, false, 0,
     {"RekrutItemSlot", "AusruestungKnopf", "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot", "KlickAuswahl",
      "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"TownWithMember", 0, 3, 0, true, 0,
     {"RekrutItemSlot", "AusruestungKnopf", "MunitionLaden", "HandItemTauschen", "InventarRaster",
      "InventarSpalteLinks", "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot", "ItemBenutzenBefehl",
      "KlickAuswahl", "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"EnemyTownHasNoEntrances", 0, 3, 0, false, 2,
     {"RekrutItemSlot", "AusruestungKnopf", "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot", "KlickAuswahl",
      "RahmenAuswahl", "BewegenBefehl", "RennenBefehl"}},
    {"CraftingNeedsAMember", 0, 4, 0, false, 0,
     {"RekrutItemSlot", "AusruestungKnopf", "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot", "KlickAuswahl",
      "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"CraftingWithMember", 0, 4, 0, true, 0,
     {"RekrutItemSlot", "HerstellenPanel", "AusruestungKnopf", "MunitionLaden", "HandItemTauschen", "InventarRaster",
      "InventarSpalteLinks", "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot", "ItemBenutzenBefehl",
      "KlickAuswahl", "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"GameMenu", 0, 5, 0, false, 0,
     {"RekrutItemSlot", "SpielMenueKnoepfe", "AusruestungKnopf", "BefehlsKnoepfe", "AuswahlLeisteAblegen",
      "KameraAufSlot", "KlickAuswahl", "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"TownStock", 0, 7, 0, false, 0,
     {"RekrutItemSlot", "StadtVorratPanel", "AusruestungKnopf", "BefehlsKnoepfe", "AuswahlLeisteAblegen",
      "KameraAufSlot", "KlickAuswahl", "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"EquipmentWithMember", 0, 8, 0, true, 0,
     {"RekrutItemSlot", "AusruestungPanel", "AusruestungKnopf", "MunitionLaden", "HandItemTauschen",
      "InventarRaster", "InventarSpalteLinks", "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot",
      "ItemBenutzenBefehl", "KlickAuswahl", "RahmenAuswahl", "EingangBefehl", "BewegenBefehl", "RennenBefehl"}},
    {"ConversationPartner", 0, 5, 77, true, 0,
     {"RekrutItemSlot", "MunitionLaden", "HandItemTauschen", "InventarRaster", "InventarSpalteLinks",
      "AuswahlLeisteAblegen", "KameraAufSlot"}},
    {"ContainerScene", 1, 3, 0, true, 0,
     {"MunitionLaden", "HandItemTauschen", "InventarRaster", "BehaelterFenster", "InventarSpalteLinks"}},
    {"WellScene", 5, 8, 0, false, 0, {"BehaelterFenster"}},
    {"TradeScene", 2, 3, 0, false, 0, {}},
};

class Tore : public SteuerungTest, public ::testing::WithParamInterface<TorFall> {};

TEST_P(Tore, OpenGatesInChainOrder)
{
    const TorFall& f = GetParam();
    InteraktionsModus = f.interaktion;
    BefehlsModus = f.befehl;
    GespraechsPartner = f.partner;
    StadtTabelle[0].Besitzer = f.besitzer;
    if (f.mitglied) ImSlot(0, 4, 1);
    const int32_t aktiv = AktivesMitglied();
    Namen offen;
    for (int k = 0; k < kHandlerKettenLaenge; ++k)
        if (HandlerKette[k].tor(aktiv)) offen.push_back(HandlerKette[k].name);
    Namen erwartet;
    for (int k = 0; k < kHandlerKettenLaenge; ++k) {
        const std::string n = HandlerKette[k].name;
        if (std::find(f.offen.begin(), f.offen.end(), n) != f.offen.end() ||
            std::find(kImmer.begin(), kImmer.end(), n) != kImmer.end())
            erwartet.push_back(n);
    }
    EXPECT_EQ(offen, erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Tore, ::testing::ValuesIn(kTorFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SteuerungTest, ChainRunsInTheOrderOfTheHandlersAndThePanelGatesOpenByState)
{
    const Namen reihenfolge = {
        "TutorialWeiter", "HinweisPanelKnoepfe", "BeendenDialog", "InfoPanelSchliessen", "RekrutItemSlot",
        "HerstellenPanel", "SpielMenueKnoepfe", "StadtVorratPanel", "AusruestungPanel", "AusruestungKnopf",
        "MunitionLaden", "HandItemTauschen", "InventarRaster", "BehaelterFenster", "InventarSpalteLinks",
        "BefehlsKnoepfe", "AuswahlLeisteAblegen", "KameraAufSlot", "AuswahlLeisteKlick", "AuswahlLeisteRechtsKlick",
        "LinkesPanelSperre", "ItemBenutzenBefehl", "KlickAuswahl", "RahmenAuswahl", "EingangBefehl", "BewegenBefehl",
        "RennenBefehl"};
    Namen kette;
    for (int k = 0; k < kHandlerKettenLaenge; ++k) kette.push_back(HandlerKette[k].name);
    EXPECT_EQ(kette, reihenfolge);

    auto offen = [](int k) { return HandlerKette[k].tor(32000); };
    EXPECT_FALSE(offen(0) || offen(1) || offen(2) || offen(3));
    TutorialSchritt = 5;
    HinweisSichtbar = 1;
    SpielEnde = 1;
    InfoPanelZaehler = 1;
    EXPECT_TRUE(offen(0) && offen(1) && offen(2) && offen(3));
    SpielEnde = 2;
    InfoPanelZaehler = 0;
    EXPECT_FALSE(offen(2) || offen(3));
}

TEST_F(SteuerungTest, DeathPanelTakesTheWholeFrame)
{
    MeldungsPanelAktiv = 1;
    Links(20, 744);  // the game-menu button of the command grid
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(MausLinksGedrueckt, 1);
    MenueZaehler[2] = 9;
    Links(500, 518);
    EXPECT_EQ(SpielModus, 3000);
    EXPECT_EQ(MeldungsPanelAktiv, 0);
    EXPECT_EQ(MenueZaehler[2], 0);
    EXPECT_EQ(MenueAusStadt, 0);
    EXPECT_EQ(MausLinksGedrueckt, 0);
}

TEST_F(SteuerungTest, EditorTakesTheFrameAndOnlyTownModesRun)
{
    EditorAktiv = 1;
    Links(20, 744);
    EXPECT_EQ(BefehlsModus, 3);
    EditorAktiv = 0;
    SpielModus = 9000;
    Links(20, 744);
    EXPECT_EQ(BefehlsModus, 3);
    SpielModus = 10000;
    Links(20, 744);
    EXPECT_EQ(BefehlsModus, 5);
}

TEST_F(SteuerungTest, ActiveMemberNeedsASquadRecordInUse)
{
    FigurRecord& m = ImSlot(2, 7, 3);
    AuswahlIndex = 2;
    EXPECT_EQ(AktivesMitglied(), 7);
    // The member was freed and a floor item took its record, id and all.
    m.Typ = 1030;
    EXPECT_EQ(AktivesMitglied(), 32000);
    m.Typ = 3;
    m.Aktiv = 0;
    EXPECT_EQ(AktivesMitglied(), 32000);
    m.Aktiv = 1;
    for (int32_t index : {-1, 7, 32000}) {
        AuswahlIndex = index;
        EXPECT_EQ(AktivesMitglied(), 32000) << index;
    }
}

TEST_F(SteuerungTest, ShortSkipRunsThirtyTicksWhileHeldAndNothingElse)
{
    Figur(0, 10001, 50, 50).Phase = -2.0f;  // a move marker grows 0.04 a tick
    Maus(910, 20);
    MausLinksGedrueckt = 1;
    BefehlsModus = 5;
    InterfaceSteuerung();
    EXPECT_NEAR(Figuren[0].Phase, -2.0f + 30 * 0.04f, 1e-4);
    EXPECT_EQ(TooltipNummer, 33);
    EXPECT_EQ(MausLinksGedrueckt, 1);  // held: the next frame skips again
    EXPECT_EQ(AuswahlRahmenAktiv, 0);  // no other handler saw the press
    InterfaceSteuerung();
    EXPECT_NEAR(Figuren[0].Phase, -2.0f + 60 * 0.04f, 1e-4);
}

TEST_F(SteuerungTest, OneTickMovesOnlyWhatTheLongSkipUpdates)
{
    // A hostile and a fighting townsman move, an idle townsman and a floor item do not.
    Figur(0, 13, 500, 500).Befehl = 2;
    Figur(1, 10, 500, 600).Befehl = 2;
    Figuren[1].ImKampf = 1;
    Figur(2, 10, 500, 700).Befehl = 2;
    for (int i = 0; i < 3; ++i) Figuren[i].Ziel[0] = 700;
    ZusatzTick(TickFiguren::Bewegte, true);
    EXPECT_NE(Figuren[0].Position[0], 500.0f);
    EXPECT_NE(Figuren[1].Position[0], 500.0f);
    EXPECT_EQ(Figuren[2].Position[0], 500.0f);
    ZusatzTick(TickFiguren::Alle, true);
    EXPECT_NE(Figuren[2].Position[0], 500.0f);
}

class LangerSprung : public SteuerungTest {
protected:
    void SetUp() override
    {
        SteuerungTest::SetUp();
        std::snprintf(TextStandard[184], sizeof TextStandard[184], "Zeit vergeht");
        LichtZustand[0].Farbe[0] = 0.5f;
    }
    void Druecke()
    {
        Maus(950, 20);
        MausLinksGedrueckt = 1;
        InterfaceSteuerung();
    }
};

// The bars of the progress picture, told from other uses of the same texture by their place.
std::vector<Quad> Balken(const std::vector<Quad>& quads)
{
    std::vector<Quad> b;
    for (const Quad& q : quads)
        if (q.x == 412.0f && q.y == 300.0f && q.h == 10.0f) b.push_back(q);
    return b;
}

TEST_F(LangerSprung, TwoHundredBarsTutorialStepsAndSoundComeBack)
{
    struct Fall {
        uint8_t schritt, schrittDanach;
        int32_t ton, tonDanach;
    } const faelle[] = {{21, 22, 0, 0}, {22, 23, 1, 1}, {20, 20, 2, 1}};
    for (const Fall& f : faelle) {
        TutorialSchritt = f.schritt;
        GespraechsPhase = 7;
        SetupWerte.SOUND = f.ton;
        dev->ClearCalls();
        Druecke();
        EXPECT_EQ(TutorialSchritt, f.schrittDanach);
        EXPECT_EQ(GespraechsPhase, f.schritt == 21 ? 0 : 7);
        EXPECT_EQ(SetupWerte.SOUND, f.tonDanach);
        EXPECT_EQ(TooltipNummer, 32);
        EXPECT_EQ(MausLinksGedrueckt, 0);
    }
    const std::vector<Quad> balken = Balken(QuadsVon(9));
    ASSERT_EQ(balken.size(), 200u);
    for (size_t k = 0; k < balken.size(); ++k) EXPECT_EQ(balken[k].w, float(k)) << k;
    EXPECT_EQ(QuadsVon(260).size(), 200u);
}

TEST_F(LangerSprung, FourteenThousandTicksMoveTheSquadHostilesAndTownsfolkInAFightOnly)
{
    struct Fall {
        int16_t typ;
        uint8_t kampf;
        bool bewegt;
    } const faelle[] = {
        {1, 0, true},   {2, 0, true},   {3, 0, true},   {4, 0, true},   {5, 0, true},
        {13, 0, true},  {14, 0, true},  {15, 0, true},  {10, 0, false}, {11, 0, false},
        {12, 0, false}, {16, 0, false}, {17, 0, false}, {18, 0, false}, {10, 1, true},
        {11, 1, true},  {12, 1, true},  {16, 1, true},  {17, 1, true},  {18, 1, true},
    };
    for (int i = 0; i < int(std::size(faelle)); ++i) {
        FigurRecord& f = Figur(i, faelle[i].typ, 100.0f + 40.0f * float(i), 100.0f);
        f.ImKampf = faelle[i].kampf;
        f.Befehl = 2;
        f.Ziel[2] = 900.0f;
    }
    // The sun steps 0.13 a tick and stays far from dusk, so no new day comes in between.
    LichtZustand[0].Farbe[0] = 100.0f;
    LichtZustand[0].Position[2] = 0.0f;
    TagRichtung = 0;
    Druecke();
    float z = 0.0f;
    for (int tick = 0; tick < 14000; ++tick) z -= 0.13f;
    EXPECT_EQ(LichtZustand[0].Position[2], z);
    for (int i = 0; i < int(std::size(faelle)); ++i)
        EXPECT_EQ(Figuren[i].Position[2] != 100.0f, faelle[i].bewegt)
            << "type " << faelle[i].typ << ", fight " << int(faelle[i].kampf);
}

TEST_F(LangerSprung, MessagesArePumpedTheirClicksDroppedAndAQuitEndsIt)
{
    win::PostMessage(win::msg::RButtonDown, win::mk::RButton, 0);
    win::PostMessage(win::msg::MouseMove, 0, win::MakeLParam(600, 30));
    Druecke();
    EXPECT_EQ(MyApp.MausX, 600);  // handled during the skip
    EXPECT_EQ(MausRechtsGedrueckt, 0);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    const float sonne = LichtZustand[0].Farbe[0];
    dev->ClearCalls();
    win::PostMessage(win::msg::Destroy, 0, 0);
    Druecke();
    EXPECT_EQ(BeendenFlag, 1);
    EXPECT_EQ(Balken(QuadsVon(9)).size(), 0u);
    EXPECT_EQ(LichtZustand[0].Farbe[0], sonne);  // not a tick ran
}

TEST_F(LangerSprung, ARaidOnANewDayIsFoughtAndTheSkipGoesOn)
{
    for (int i = 0; i < 20; ++i) WeltRaster[kStadtZellen[i].spalte][kStadtZellen[i].reihe].StadtId = i;
    StadtTabelle[5].Besitzer = 1;
    FeindArmeePosition[0] = kStadtZellen[4].spalte;  // town 4: its second road leads to town 5
    FeindArmeePosition[1] = kStadtZellen[4].reihe;
    FeindStaerke = 50;
    LichtZustand[0].Farbe[0] = 0.30005f;  // the first tick brings a new day
    TagRichtung = 0;
    // The raided town's working copy: three stationed defenders.
    std::memset(AngriffsFiguren, 0, sizeof AngriffsFiguren);
    for (int i = 0; i < 3; ++i) Mitglied(AngriffsFiguren, 40 + i, 1, true);
    std::vector<uint8_t> kopie(20000, 0);
    const uint8_t* roh = reinterpret_cast<const uint8_t*>(AngriffsFiguren);
    kopie.insert(kopie.end(), roh, roh + sizeof AngriffsFiguren);

    // A seed whose first tick sends the army against town 5 (with no working copy the raid stops
    // at once with a message, so the search costs nothing).
    const SpielGlobalsBlock globals = SpielGlobals;
    const auto staedte = std::to_array(StadtTabelle);
    const auto licht = std::to_array(LichtZustand);
    SaeeFuer([&] {
        ZusatzTick(TickFiguren::Bewegte, true);
        const bool angriff = FeindArmeePosition[0] == kStadtZellen[5].spalte && FeindArmeePosition[1] == kStadtZellen[5].reihe;
        SpielGlobals = globals;
        std::copy(staedte.begin(), staedte.end(), StadtTabelle);
        std::copy(licht.begin(), licht.end(), LichtZustand);
        return angriff;
    });
    meldungen.clear();
    SchreibeDatei("Gamestate/S_Town5.dat", kopie);
    LetzterWParam = 1;  // the left button: the decided battle closes at once
    Druecke();
    EXPECT_TRUE(meldungen.empty());
    EXPECT_NE(LeseText("Gamestate/S_Town5.dat"), std::string(kopie.begin(), kopie.end()));  // fought and written back
    EXPECT_EQ(Balken(QuadsVon(9)).size(), 200u);
    EXPECT_EQ(BeendenFlag, 0);
}

TEST_F(SteuerungTest, PortraitsFollowTheArrayWithTheStationedLastAndPlaceTheCamera)
{
    Figur(0, 1, 100, 100).Stationiert = 1;
    Figur(1, 10, 0, 0);
    Figur(2, 2, 300, 500);
    Figur(3, 3, 50, 60);
    // Portraits: record 2, record 3, then the stationed record 0.
    MausLinksDoppelklick = 1;
    Links(8 + 28 * 2 + 5, 10);
    EXPECT_EQ(AuswahlSlots[0], Figuren[0].Id);
    EXPECT_EQ(AuswahlSlots[1], 32000);
    EXPECT_EQ(Figuren[0].Ausgewaehlt, 1);
    EXPECT_EQ(Cam.Auge[0], 100.0f);
    EXPECT_EQ(Cam.Auge[2], -70.0f);
    EXPECT_EQ(Cam.Ziel[1], 237.0f);
    EXPECT_EQ(MausLinksDoppelklick, 0);
    LinksLos(8 + 28 + 27, 32);
    EXPECT_EQ(AuswahlSlots[0], Figuren[3].Id);
    EXPECT_EQ(Figuren[0].Ausgewaehlt, 0);
    EXPECT_EQ(MausLinksLosgelassen, 0);
}

// A loaded record may hold any byte in its in-use and stationed flags: the click finds the member
// whose portrait the HUD draws there.
TEST_F(SteuerungTest, PortraitClicksFollowTheHudsOrderWhateverTheFlagBytes)
{
    Figur(0, 1, 0, 0).Stationiert = 2;  // counts as stationed
    Figur(1, 2, 0, 0);
    Figur(2, 3, 0, 0).Aktiv = 2;        // not a record in use: no portrait
    Figur(3, 4, 0, 0).Stationiert = 1;
    const int erwartet[] = {1, 0, 3};
    for (int n = 0; n < 3; ++n) {
        AuswahlSlots[0] = KEINE_FIGUR;
        Links(8 + 28 * n + 5, 10);
        EXPECT_EQ(AuswahlSlots[0], Figuren[erwartet[n]].Id) << n;
    }
}

TEST_F(SteuerungTest, MouseLookTurnsOnlyInTheTownWithNoScene)
{
    Cam.Set(0, 100, 0, 0, 100, 10, 0, 1, 0);
    MausMitteDrehen = 1;
    Maus(512 + 250, 384);
    InteraktionsModus = 1;
    MausDrehung();
    EXPECT_EQ(Cam.Ziel[0], 0.0f);
    InteraktionsModus = 0;
    SpielModus = 10000;
    MausDrehung();
    EXPECT_EQ(Cam.Ziel[0], 0.0f);
    SpielModus = 1000;
    MausDrehung();
    EXPECT_NEAR(Cam.Ziel[0], 10.0f * std::sin(1.0f), 1e-4);
}

TEST_F(SteuerungTest, RightPressClosesOnlyContainerWellAndRecruiterWithAnEmptyMouse)
{
    KameraKopie[0] = 11;
    KameraKopie[5] = 66;
    Maus(1000, 100);  // off the container window, whose slots take right clicks for themselves
    for (int32_t modus : {1, 2, 3, 4, 5, 6, 7}) {
        for (int32_t item : {0, 1030}) {
            InteraktionsModus = modus;
            CursorItem = item;
            Cam.Auge[0] = 0;
            MausRechtsGedrueckt = 1;
            InterfaceSteuerung();
            const bool zu = (modus == 1 || modus == 5 || modus == 7) && item == 0;
            EXPECT_EQ(InteraktionsModus, zu ? 0 : modus) << modus << " " << item;
            EXPECT_EQ(Cam.Auge[0], zu ? 11.0f : 0.0f);
            if (zu) {
                EXPECT_EQ(Cam.Ziel[2], 66.0f);
            }
        }
    }
}

TEST_F(SteuerungTest, EndInfoAndHintPanels)
{
    SpielEnde = 1;
    Links(600, 520);  // play on
    EXPECT_EQ(SpielEnde, 2);
    SpielEnde = 1;
    Links(400, 520);  // to the main menu, the panel stays
    EXPECT_EQ(SpielModus, 3000);
    EXPECT_EQ(SpielEnde, 1);
    SpielModus = 1000;
    SpielEnde = 0;

    InfoPanelZaehler = 250;
    Links(481, 513);
    EXPECT_EQ(InfoPanelZaehler, 0);
    EXPECT_EQ(MausLinksGedrueckt, 0);

    // Hints 2 and 5 were shown: paging skips the others and stops at the ends.
    HinweisSichtbar = 1;
    HinweisGezeigt[2] = HinweisGezeigt[5] = 1;
    HinweisNummer = 5;
    HinweisZeilenZaehler[3] = 9;
    Links(280, 510);
    EXPECT_EQ(HinweisNummer, 2);
    EXPECT_EQ(HinweisZeilenZaehler[3], 0);
    Links(280, 510);
    EXPECT_EQ(HinweisNummer, 2);
    Links(310, 510);
    EXPECT_EQ(HinweisNummer, 5);
    Links(310, 510);
    EXPECT_EQ(HinweisNummer, 5);
    Links(500, 515);
    EXPECT_EQ(HinweisSichtbar, 0);
}

TEST_F(SteuerungTest, LeftPanelGuardSwallowsClicksThere)
{
    struct Fall {
        int x, y, befehl;
        bool geschluckt;
    } const faelle[] = {{60, 400, 3, true}, {200, 700, 3, true}, {200, 400, 3, false},
                        {200, 400, 4, true}, {200, 400, 7, true}, {200, 400, 8, true}, {400, 400, 8, false}};
    for (const Fall& f : faelle) {
        Maus(f.x, f.y);
        BefehlsModus = f.befehl;
        MausLinksGedrueckt = MausRechtsGedrueckt = MausRechtsDoppelklick = MausLinksLosgelassen = 1;
        MausMitteDrehen = 1;
        LinkesPanelSperre();
        EXPECT_EQ(MausRechtsGedrueckt == 0, f.geschluckt) << f.x << " " << f.y << " " << f.befehl;
        EXPECT_EQ(MausLinksLosgelassen == 0, f.geschluckt);
        EXPECT_EQ(MausMitteDrehen, 1);
    }
}

}  // namespace
