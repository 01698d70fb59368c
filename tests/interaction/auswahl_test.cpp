// Selection and orders: the right click by what lies under the mouse and the command mode, the
// move markers, the box, the left click in the view and the squad bar.
#include <SDL.h>

#include "framework/geometry.h"
#include "steuerung_fixture.h"

namespace {

enum class Unter { Nichts, Eingang, Item, Mitglied, Stadtvolk, Feind };
enum class Auftrag { Keiner, Gehen, Rennen, EingangGehen, EingangRennen, Aufheben, Heilen, Reden, Angreifen };

struct OrderFall {
    const char* name;
    Unter unter;
    int32_t modus;
    bool rennen;
    uint8_t besitzer;
    Auftrag erster, zweiter;  // the two selected members, in index order
    int marker;
};

const OrderFall kOrderFaelle[] = {
    {"CellWalk", Unter::Nichts, 3, false, 0, Auftrag::Gehen, Auftrag::Gehen, 2},
    {"CellRun", Unter::Nichts, 3, true, 0, Auftrag::Rennen, Auftrag::Rennen, 0},
    {"CellInTalkMode", Unter::Nichts, 0, false, 0, Auftrag::Gehen, Auftrag::Gehen, 2},
    {"EntranceWalk", Unter::Eingang, 1, false, 0, Auftrag::EingangGehen, Auftrag::EingangGehen, 0},
    {"EntranceRun", Unter::Eingang, 3, true, 0, Auftrag::EingangRennen, Auftrag::EingangRennen, 0},
    {"EntranceInEnemyTownIsAMove", Unter::Eingang, 3, false, 2, Auftrag::Gehen, Auftrag::Gehen, 2},
    {"ItemFirstPicksUp", Unter::Item, 3, false, 0, Auftrag::Aufheben, Auftrag::Keiner, 1},
    {"ItemRun", Unter::Item, 0, true, 0, Auftrag::Aufheben, Auftrag::Keiner, 0},
    {"MemberInHealMode", Unter::Mitglied, 2, false, 0, Auftrag::Heilen, Auftrag::Keiner, 1},
    {"MemberInMoveMode", Unter::Mitglied, 3, false, 0, Auftrag::Gehen, Auftrag::Gehen, 2},
    {"TownsmanTalk", Unter::Stadtvolk, 0, false, 0, Auftrag::Reden, Auftrag::Keiner, 1},
    {"TownsmanAttackWalkAll", Unter::Stadtvolk, 1, false, 0, Auftrag::Angreifen, Auftrag::Angreifen, 2},
    {"TownsmanAttackRunFirst", Unter::Stadtvolk, 1, true, 0, Auftrag::Angreifen, Auftrag::Keiner, 0},
    {"TownsmanHealModeMoves", Unter::Stadtvolk, 2, false, 0, Auftrag::Gehen, Auftrag::Gehen, 2},
    {"TownsmanMoveMode", Unter::Stadtvolk, 3, false, 0, Auftrag::Gehen, Auftrag::Gehen, 2},
    {"HostileTalk", Unter::Feind, 0, false, 0, Auftrag::Reden, Auftrag::Keiner, 1},
    {"HostileAttack", Unter::Feind, 1, false, 0, Auftrag::Angreifen, Auftrag::Angreifen, 2},
};

class Order : public SteuerungTest, public ::testing::WithParamInterface<OrderFall> {};

Auftrag Gelesen(const FigurRecord& f, int16_t zielId)
{
    if (f.Befehl == 1) return Auftrag::Keiner;
    if (f.EingangsZiel[0] == 300.0f && f.EingangsZiel[2] == 400.0f)
        return f.Befehl == 3 ? Auftrag::EingangRennen : Auftrag::EingangGehen;
    if (f.ZielId == zielId && f.SprechAuftrag == 1) return Auftrag::Reden;
    if (f.ZielId == zielId && f.HeilAuftrag == 1) return Auftrag::Heilen;
    if (f.ZielId == zielId && f.ImKampf == 1) return Auftrag::Angreifen;
    if (f.ZielId == zielId && f.AuftragsZiel[0] == 300.0f && f.Ziel[0] == 300.0f) return Auftrag::Aufheben;
    if (f.ZielId != KEINE_FIGUR || f.Ziel[0] != 300.0f || f.Ziel[2] != 400.0f) return Auftrag::Keiner;
    return f.Befehl == 3 ? Auftrag::Rennen : Auftrag::Gehen;
}

TEST_P(Order, RightClickGivesTheOrderToWhomTheTableSays)
{
    const OrderFall& f = GetParam();
    StadtTabelle[0].Besitzer = f.besitzer;
    BefehlsModus = f.modus;
    FigurRecord& a = Figur(0, 1, 100, 100);
    FigurRecord& b = Figur(1, 4, 150, 100);
    a.Ausgewaehlt = b.Ausgewaehlt = 1;
    int16_t zielId = KEINE_FIGUR;
    switch (f.unter) {
    case Unter::Nichts: break;
    case Unter::Eingang: StadtGitter[30][40].Eingang = 3; break;
    case Unter::Item: zielId = Figur(5, 1030, 300, 400).Id; break;
    case Unter::Mitglied: zielId = Figur(5, 3, 300, 400).Id; break;
    case Unter::Stadtvolk: zielId = Figur(5, 10, 300, 400).Id; break;
    case Unter::Feind: zielId = Figur(5, 14, 300, 400).Id; break;
    }
    (f.rennen ? MausRechtsDoppelklick : MausRechtsGedrueckt) = 1;
    InterfaceSteuerung();
    EXPECT_EQ(Gelesen(a, zielId), f.erster);
    EXPECT_EQ(Gelesen(b, zielId), f.zweiter);
    EXPECT_EQ(Marker(), f.marker);
    EXPECT_EQ(MausRechtsGedrueckt, 0);
    EXPECT_EQ(MausRechtsDoppelklick, 0);
    EXPECT_EQ(CursorIndex, f.erster == Auftrag::Heilen ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Order, ::testing::ValuesIn(kOrderFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SteuerungTest, OrdersSkipTheDeadTheBusyAndCellsOffTheGrid)
{
    Figur(0, 1, 100, 100).Gesundheit = 0;
    Figur(1, 2, 100, 100).Zustand = 5;  // picking something up
    Figur(2, 10, 100, 100);             // a townsman, even selected
    for (int i = 0; i < 3; ++i) Figuren[i].Ausgewaehlt = 1;
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Figuren[i].Befehl, 1) << i;
    EXPECT_EQ(Marker(), 0);

    Figuren[0].Gesundheit = 50;
    MyApp.PickX = 118;
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(Figuren[0].Befehl, 1);
    EXPECT_EQ(MausRechtsGedrueckt, 0);  // consumed all the same
}

TEST_F(SteuerungTest, TutorialSixteenKeepsTheOwnFigureFromAFloorItem)
{
    TutorialSchritt = 16;
    FigurRecord& a = Figur(0, 1, 100, 100);
    a.Ausgewaehlt = a.EigeneFigur = 1;
    Figur(5, 1030, 300, 400);
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(a.Ziel[0], 100.0f);
    EXPECT_EQ(a.Ziel[2], 100.0f);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
}

TEST_F(SteuerungTest, MarkersWithAndWithoutAFreeRecord)
{
    FigurRecord& a = Figur(0, 1, 100, 100);
    FigurRecord& b = Figur(1, 2, 100, 100);
    a.Ausgewaehlt = b.Ausgewaehlt = 1;
    // Record 2 held a figure once: its id stays, nothing else of it.
    FigurRecord& alt = Figur(2, 16, 0, 0);
    alt.Inventar[0][0] = {1030, 5, 0};
    alt.Aktiv = 0;
    for (int i = 4; i < FIGUREN_ANZAHL; ++i) Figur(i, 9999, 0, 0);
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(Marker(), 2);
    for (int i : {2, 3}) {
        const FigurRecord& m = Figuren[i];
        EXPECT_EQ(m.Typ, 10001);
        EXPECT_EQ(m.TeilModelle[0], 9005);
        EXPECT_EQ(m.Position[0], 300.0f);
        EXPECT_EQ(m.Wegpunkt[2], 400.0f);
        EXPECT_EQ(m.Gesundheit, 100);
        EXPECT_EQ(m.Wasser, 5);
        EXPECT_EQ(m.ZielId, KEINE_FIGUR);
        EXPECT_EQ(m.Inventar[0][0].ItemId, 0);
    }
    EXPECT_EQ(Figuren[2].Id, 3);
    // Every record in use: the order still goes out.
    a.Befehl = b.Befehl = 1;
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(Marker(), 2);
    EXPECT_EQ(a.Befehl, 2);
    EXPECT_EQ(b.Befehl, 2);
}

TEST_F(SteuerungTest, WalkAndRunNeverBothActOnADoubleClick)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
    win::ResetTranslationState();
    FigurRecord& a = Figur(0, 1, 100, 100);
    a.Ausgewaehlt = 1;
    auto knopf = [](uint32_t typ) {
        SDL_Event e{};
        e.type = typ;
        e.button.button = SDL_BUTTON_RIGHT;
        e.button.state = typ == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = 512;
        e.button.y = 384;
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    };
    // A whole double click arrives between two frames.
    knopf(SDL_MOUSEBUTTONDOWN);
    knopf(SDL_MOUSEBUTTONUP);
    knopf(SDL_MOUSEBUTTONDOWN);
    knopf(SDL_MOUSEBUTTONUP);
    std::vector<int> befehle;
    for (int frame = 0; frame < 4; ++frame) {
        win::PumpMessages();
        const int marker = Marker();
        a.Befehl = 1;
        InterfaceSteuerung();
        const bool gehen = Marker() > marker, rennen = a.Befehl == 3;
        EXPECT_FALSE(gehen && rennen) << frame;
        if (a.Befehl != 1) befehle.push_back(a.Befehl);
    }
    EXPECT_EQ(befehle, (std::vector<int>{2, 3}));
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

TEST_F(SteuerungTest, BoxOfElevenPixelsSelectsAtMostSevenNearestFirstTenIsAClick)
{
    // Nine members round the centre, a townsman among them, a member far off.
    for (int i = 0; i < 9; ++i) Figur(i, 1 + i % 5, 299.5f + float(i % 3) * 0.5f, 399.5f + float(i / 3) * 0.5f);
    Figur(9, 10, 300, 400);
    Figur(10, 1, 900, 900);
    Figuren[10].Gesundheit = 0;  // health is not asked
    Figuren[10].Position[0] = 301;
    Figuren[10].Position[2] = 401;
    Figuren[9].Ausgewaehlt = 1;

    Links(512 - 5, 384 - 5);
    LinksLos(512 + 5, 384 + 5);  // a click: what the left press selected stays
    EXPECT_EQ(AuswahlRahmenAktiv, 0);
    EXPECT_EQ(AuswahlSlots[1], KEINE_FIGUR);

    // 11 pixels in one direction, less in the other: a box. Every figure lies within 5 pixels of the centre.
    Links(512 - 11, 384 - 10);
    LinksLos(512 + 11, 384 + 10);
    for (int s = 0; s < 7; ++s) EXPECT_EQ(AuswahlSlots[s], Figuren[s].Id) << s;
    EXPECT_EQ(Figuren[6].Ausgewaehlt, 1);
    EXPECT_EQ(Figuren[7].Ausgewaehlt, 0);
    EXPECT_EQ(Figuren[9].Ausgewaehlt, 0);
    EXPECT_EQ(AuswahlIndex, 0);
}

TEST_F(SteuerungTest, ReleaseWithinTenPixelsBothWaysIsAClickElevenEitherWayABox)
{
    // The press selects the member under the mouse; a box then starting on it leaves it out, since
    // only what lies strictly inside a box is taken.
    struct Fall {
        int dx, dy;
        bool klick;
    } const faelle[] = {{0, 0, true},    {10, 10, true},  {-10, -10, true}, {10, -10, true}, {-10, 10, true},
                        {11, 0, false},  {-11, 0, false}, {0, 11, false},   {0, -11, false}, {11, 11, false},
                        {-11, 10, false}};
    const FigurRecord& m = Figur(0, 1, 300, 400);
    for (const Fall& f : faelle) {
        Links(512, 384);
        ASSERT_EQ(AuswahlSlots[0], m.Id);
        LinksLos(512 + f.dx, 384 + f.dy);
        EXPECT_EQ(AuswahlSlots[0] == m.Id, f.klick) << f.dx << ", " << f.dy;
        EXPECT_EQ(m.Ausgewaehlt == 1, f.klick) << f.dx << ", " << f.dy;
        EXPECT_EQ(AuswahlRahmenAktiv, 0);
    }
}

TEST_F(SteuerungTest, BoxSkipsFiguresBehindTheEye)
{
    // Looking along +z from z = 400: a member behind the eye would mirror onto the screen.
    Cam.Set(300, 5, 400, 300, 5, 500, 0, 1, 0);
    Szene.Setze3DKamera();
    Figur(0, 1, 300, 300);
    Figur(1, 1, 300, 480);
    const BildschirmPunkt hinten = ProjiziereAufBildschirm(300, 0, 300);
    EXPECT_FALSE(hinten.vorAuge);
    Links(312, 184);
    LinksLos(712, 584);
    EXPECT_EQ(AuswahlSlots[0], Figuren[1].Id);
    EXPECT_EQ(AuswahlSlots[1], KEINE_FIGUR);
    EXPECT_EQ(Figuren[0].Ausgewaehlt, 0);
}

TEST_F(SteuerungTest, LeftClickSelectsAMemberOrMarksATownsmanOnly)
{
    BefehlsModus = 2;
    CursorIndex = 1;
    Figur(3, 11, 300, 400);
    Links(512, 384);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_EQ(CursorIndex, 2);
    EXPECT_EQ(Figuren[3].Ausgewaehlt, 1);
    EXPECT_EQ(AuswahlSlots[0], KEINE_FIGUR);
    EXPECT_EQ(AuswahlRahmenAktiv, 1);
    Figur(2, 5, 300, 400);
    Links(512, 384);
    EXPECT_EQ(AuswahlSlots[0], Figuren[2].Id);
    EXPECT_EQ(Figuren[3].Ausgewaehlt, 0);
}

TEST_F(SteuerungTest, VoiceAnswersNeverInLanguageTwoOrSwitchedOff)
{
    TonEin({2, 3, 4, 5});
    Figur(2, 5, 300, 400);
    struct Fall {
        int32_t sprache, antwort;
        bool hoerbar;
    } const faelle[] = {{0, 1, true}, {2, 1, false}, {0, 0, false}};
    for (const Fall& f : faelle) {
        Sprache = f.sprache;
        SetupWerte.EINHEIT_ANTWORTET = f.antwort;
        Links(512, 384);
        bool gespielt = false;
        for (int s = 2; s <= 5; ++s) gespielt = Gespielt(s) || gespielt;
        EXPECT_EQ(gespielt, f.hoerbar) << f.sprache << " " << f.antwort;
    }
}

TEST_F(SteuerungTest, LeftClickWithAnItemOnTheMouseDropsItThroughTheActiveMember)
{
    FigurRecord& a = ImSlot(0, 0, 1, 120, 130);
    a.Wegpunkt[0] = 125;
    Figur(3, 11, 300, 400);
    CursorItem = 1030;
    AuswahlRahmenAktiv = 1;
    Links(512, 384);
    EXPECT_EQ(a.Befehl, 4);
    EXPECT_EQ(a.Ziel[0], 125.0f);
    EXPECT_EQ(a.Ziel[2], 130.0f);
    EXPECT_EQ(Figuren[3].Ausgewaehlt, 0);  // the click selected nobody
    EXPECT_EQ(AuswahlRahmenAktiv, 0);
    AuswahlIndex = 3;  // no member: the click selects instead
    Links(512, 384);
    EXPECT_EQ(Figuren[3].Ausgewaehlt, 1);
}

TEST_F(SteuerungTest, SquadBarDropActivateNarrowAndCamera)
{
    FigurRecord& a = ImSlot(0, 0, 1, 40, 50);
    FigurRecord& b = ImSlot(1, 1, 2);
    a.Ausgewaehlt = b.Ausgewaehlt = 1;
    const int slot1 = 373 + 83 + 40;

    // An item dropped on slot 1 goes into b's first empty backpack slot.
    b.Inventar[0][0].ItemId = 1002;
    CursorItem = 1030;
    CursorItemAnzahl = 4;
    Links(slot1, 700);
    EXPECT_EQ(b.Inventar[0][1].ItemId, 1030);
    EXPECT_EQ(b.Inventar[0][1].ItemAnzahl, 4);
    EXPECT_EQ(CursorItem, 0);
    EXPECT_EQ(CursorItemAnzahl, 0);
    // A full backpack keeps it on the mouse; so does a freed member whose id a floor item took.
    for (auto& reihe : {0, 1})
        for (ItemSlot& s : b.Inventar[reihe]) s.ItemId = 1002;
    CursorItem = 1031;
    Links(slot1, 700);
    EXPECT_EQ(CursorItem, 1031);
    EXPECT_EQ(MausLinksGedrueckt, 0);
    for (ItemSlot& s : b.Inventar[1]) s.ItemId = 0;
    b.Typ = 1031;
    Links(slot1, 700);
    EXPECT_EQ(CursorItem, 1031);
    EXPECT_EQ(b.Inventar[1][0].ItemId, 0);
    b.Typ = 2;
    CursorItem = 0;

    // Activating slot 1, but not for a dead member.
    Links(slot1, 700);
    EXPECT_EQ(AuswahlIndex, 1);
    AuswahlIndex = 0;
    b.Gesundheit = 0;
    Links(slot1, 700);
    EXPECT_EQ(AuswahlIndex, 0);
    b.Gesundheit = 100;

    // A double click moves the camera over a, and the right click narrows the selection to b.
    Maus(373 + 10, 700);
    MausLinksDoppelklick = 1;
    InterfaceSteuerung();
    EXPECT_EQ(Cam.Auge[0], 40.0f);
    EXPECT_EQ(Cam.Auge[2], -120.0f);
    EXPECT_EQ(AuswahlSlots[1], b.Id);
    Maus(slot1, 700);
    MausRechtsGedrueckt = 1;
    InterfaceSteuerung();
    EXPECT_EQ(AuswahlSlots[0], b.Id);
    EXPECT_EQ(AuswahlSlots[1], KEINE_FIGUR);
    EXPECT_EQ(a.Ausgewaehlt, 0);
    EXPECT_EQ(b.Ausgewaehlt, 1);
    EXPECT_EQ(Marker(), 0);  // the right press gave no order
}

}  // namespace
