#include <cmath>

#include "framework/services_world.h"
#include "framework/setup.h"
#include "framework/szene.h"
#include "world/kampf.h"
#include "welt_fixture.h"

namespace {

// Draws that do not matter here: a seed whose idle draw never makes anybody wander.
void KeinWandern() { ZufallSaat(7); }

TEST_F(WeltKernTest, AnkunftMachtUntaetig) {
    FigurRecord& f = Person(0, 1, 10, 10);
    f.Zustand = f.Befehl = 2;
    AktualisiereFigur(0);
    EXPECT_EQ(f.Zustand, 1);
}

TEST_F(WeltKernTest, GehBefehlFuehrtZellweiseZumZiel) {
    FigurRecord& f = Person(0, 1, 10, 10);
    Befehle(f, 3, 14, 12);
    for (int k = 0; k < 60; ++k) AktualisiereFigur(0);
    EXPECT_EQ(f.Position[0], 140.0f);
    EXPECT_EQ(f.Position[2], 120.0f);
    EXPECT_EQ(f.Zustand, 1);
    EXPECT_EQ(StadtGitter[14][12].Belegt, 1);
    EXPECT_EQ(StadtGitter[10][10].Belegt, 0);
}

struct SzenenFall {
    const char* name;
    int eingang;        // kind of the cell
    int modusVorher;    // InteraktionsModus before the tick
    bool haendler;      // a fixed figure stands on the cell
    int modusDanach;
    int haendlerId;     // expected HaendlerId (-1 = untouched)
};

class Szene : public WeltKernTest, public ::testing::WithParamInterface<SzenenFall> {};

TEST_P(Szene, EintretenNurOhneOffeneSzeneUndMitGueltigerArt) {
    const SzenenFall& c = GetParam();
    Cam.Set(1, 2, 3, 4, 5, 6, 0, 1, 0);
    for (float& k : KameraKopie) k = 99.0f;
    HaendlerId = -1;
    InteraktionsModus = c.modusVorher;
    StadtGitter[21][20].Eingang = static_cast<int16_t>(c.eingang);
    FigurRecord& f = Person(0, 1, 20, 20);
    FigurRecord& g = Person(1, 2, 30, 30);
    f.EingangsZiel[0] = g.EingangsZiel[0] = 210.0f;
    f.EingangsZiel[2] = g.EingangsZiel[2] = 200.0f;
    if (c.haendler) {
        FigurRecord& h = Figuren[5];
        h.Aktiv = 1;
        h.Typ = 9999;
        h.Position[0] = 210.0f;
        h.Position[2] = 200.0f;
    }
    AktualisiereFigur(0);
    EXPECT_EQ(InteraktionsModus, c.modusDanach);
    const bool betreten = c.modusDanach != c.modusVorher;
    if (betreten) {
        EXPECT_EQ(KameraKopie[0], 1.0f);
        EXPECT_EQ(KameraKopie[5], 6.0f);
        // The close-up camera: eye x and y stay, z -21.3; the well looks at its own target.
        const float brunnen[3] = {-3.8112f, 16.045f, -5.9805f}, sonst[3] = {-4.432f, 11.875f, -7.826f};
        const float* ziel = c.eingang == 5 ? brunnen : sonst;
        EXPECT_EQ(Cam.Auge[0], 1.0f);
        EXPECT_EQ(Cam.Auge[1], 2.0f);
        EXPECT_EQ(Cam.Auge[2], -21.3f);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(Cam.Ziel[k], ziel[k]) << k;
        EXPECT_EQ(SzenenFeld[0], 21);
        EXPECT_EQ(SzenenFeld[1], 20);
    } else {
        EXPECT_EQ(KameraKopie[0], 99.0f);
        EXPECT_EQ(Cam.Auge[2], 3.0f);
    }
    EXPECT_EQ(HaendlerId, c.haendlerId);
    // Every figure bound for that entrance forgets it.
    EXPECT_EQ(f.EingangsZiel[0], 0.0f);
    EXPECT_EQ(g.EingangsZiel[2], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Szene,
    ::testing::Values(SzenenFall{"Essen", 3, 0, false, 3, -1}, SzenenFall{"Brunnen", 5, 0, false, 5, -1},
                      SzenenFall{"Art1", 1, 0, false, 1, -1}, SzenenFall{"Arzt", 4, 0, false, 4, -1},
                      SzenenFall{"Trinken", 6, 0, false, 6, -1}, SzenenFall{"Art7", 7, 0, false, 7, -1},
                      SzenenFall{"HaendlerMitFigur", 2, 0, true, 2, 6},
                      SzenenFall{"HaendlerOhneFigur", 2, 0, false, 2, KEINE_FIGUR},
                      SzenenFall{"SzeneSchonOffen", 3, 1, false, 1, -1},
                      SzenenFall{"KeinEingang", 0, 0, false, 0, -1}, SzenenFall{"NurEinName", 9, 0, false, 0, -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct KampfFall {
    const char* name;
    int typ;            // attacker
    int hand, munition;
    int zielTyp;
    int abstandZellen;  // along x
    bool mauer;         // a wall between
    int zustand;        // expected attacker state
    bool wehrtSich;     // the target takes the attacker as its target
};

class Kampfannaeherung : public WeltKernTest, public ::testing::WithParamInterface<KampfFall> {};

TEST_P(Kampfannaeherung, ZustandNachWaffeUndReichweite) {
    const KampfFall& c = GetParam();
    KeinWandern();
    FigurRecord& a = Person(0, c.typ, 10, 10);
    FigurRecord& z = Person(1, c.zielTyp, 10 + c.abstandZellen, 10);
    if (c.mauer) StadtGitter[11][10].Blockiert = 1;
    a.ImKampf = 1;
    a.ZielId = z.Id;
    Platz(a, Hand).ItemId = static_cast<int16_t>(c.hand);
    Platz(a, Munition) = {static_cast<int16_t>(c.munition ? 1028 : 0), static_cast<uint8_t>(c.munition), 0};
    AktualisiereFigur(0);
    EXPECT_EQ(a.Zustand, c.zustand);
    EXPECT_EQ(z.ZielId == a.Id, c.wehrtSich);
    // In range the attacker stops where it stands; otherwise it heads for the target's cell.
    const bool greiftAn = c.zustand != 1 && c.zustand != 2;
    EXPECT_EQ(a.Ziel[0], greiftAn ? a.Position[0] : z.Wegpunkt[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Kampfannaeherung,
    ::testing::Values(KampfFall{"FaustNah", 13, 0, 0, 10, 1, false, 8, true},
                      KampfFall{"FaustZuWeit", 13, 0, 0, 10, 3, false, 2, false},
                      KampfFall{"GewehrOhneMunitionSchlaegt", 13, 1029, 0, 10, 1, false, 8, true},
                      KampfFall{"MesserBleibtMesser", 13, 1035, 0, 10, 1, false, 15, true},
                      KampfFall{"Schlagring", 13, 1100, 0, 10, 1, false, 17, true},
                      KampfFall{"AK47", 13, 1029, 30, 10, 8, false, 7, true},
                      KampfFall{"AK47HinterMauer", 13, 1029, 30, 10, 8, true, 2, false},
                      KampfFall{"MP5", 13, 1033, 30, 10, 9, false, 13, true},
                      KampfFall{"MP5ZuWeit", 13, 1033, 30, 10, 10, false, 2, false},
                      KampfFall{"AndererGegenstandNie", 13, 1006, 0, 10, 1, false, 2, false},
                      // A squad member that is out of range keeps its order; one walking is not drawn in.
                      KampfFall{"TruppZuWeitBehaeltBefehl", 1, 0, 0, 13, 3, false, 1, false},
                      KampfFall{"TruppAmZielWehrtSich", 13, 0, 0, 1, 1, false, 8, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WeltKernTest, VorbeigehendesTruppMitgliedKaempftNichtMit) {
    KeinWandern();
    FigurRecord& a = Person(0, 13, 10, 10);
    FigurRecord& z = Person(1, 1, 11, 10);
    Befehle(z, 2, 30, 10);
    a.ImKampf = 1;
    a.ZielId = z.Id;
    AktualisiereFigur(0);
    EXPECT_EQ(a.Zustand, 8);
    EXPECT_EQ(z.ZielId, KEINE_FIGUR);
    EXPECT_EQ(z.ImKampf, 0);
}

TEST_F(WeltKernTest, StadtvolkGibtFerneVerfolgungAuf) {
    KeinWandern();
    FigurRecord& a = Person(0, 16, 10, 10);
    FigurRecord& z = Person(1, 1, 40, 10);
    a.ImKampf = 1;
    a.ZielId = z.Id;
    AktualisiereFigur(0);
    EXPECT_EQ(a.ImKampf, 0);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
    EXPECT_EQ(a.Befehl, 2);
    // It walks on toward the last goal.
    EXPECT_EQ(a.Wegpunkt[0], 110.0f);
}

TEST_F(WeltKernTest, HeilAnnaeherungInnerhalbVon15) {
    KeinWandern();
    FigurRecord& arzt = Person(0, 3, 10, 10);
    FigurRecord& z = Person(1, 1, 11, 11);
    arzt.HeilAuftrag = 1;
    arzt.ZielId = z.Id;
    AktualisiereFigur(0);
    EXPECT_EQ(arzt.Zustand, 9);
    EXPECT_FLOAT_EQ(arzt.Drehung[1], 3.14159265f / 4);
}

class Gespraech : public WeltKernTest {
protected:
    FigurRecord& Starte(int kaempferIndex, uint8_t kaempferAktiv) {
        KeinWandern();
        FigurRecord& p = Person(3, 12, 11, 10);
        FigurRecord& t = Person(4, 1, 10, 10);
        Figuren[kaempferIndex].ImKampf = 1;
        Figuren[kaempferIndex].Aktiv = kaempferAktiv;
        Person(6, 2, 50, 50).ZielId = p.Id;  // another figure aiming at the partner
        t.SprechAuftrag = 1;
        t.ZielId = p.Id;
        AktualisiereFigur(4);
        return p;
    }
};

TEST_F(Gespraech, BeginntInnerhalbVon20) {
    FigurRecord& p = Starte(8, 1);  // the fighter sorts after the partner
    const FigurRecord& t = Figuren[4];
    EXPECT_EQ(GespraechsPartner, p.Id);
    EXPECT_EQ(GespraechsFigur, t.Id);
    EXPECT_EQ(p.Wartet, 1);
    EXPECT_EQ(p.Zustand, 6);
    EXPECT_EQ(t.Zustand, 6);
    EXPECT_EQ(t.SprechAuftrag, 0);
    EXPECT_EQ(t.ZielId, KEINE_FIGUR);
    EXPECT_EQ(Figuren[6].ZielId, KEINE_FIGUR);
    EXPECT_FLOAT_EQ(p.Drehung[1], -3.14159265f / 2);
}

TEST_F(Gespraech, WartetWaehrendEinFrueherSortierterKaempft) {
    Starte(1, 1);
    EXPECT_EQ(GespraechsPartner, 0);
}

TEST_F(Gespraech, FreierRecordMitKampfFlagZaehltNicht) {
    const FigurRecord& p = Starte(1, 0);
    EXPECT_EQ(GespraechsPartner, p.Id);
}

TEST_F(WeltKernTest, AblegenSterbenAufheben) {
    KeinWandern();
    FigurRecord& f = Person(0, 1, 10, 10);
    f.Befehl = 4;
    f.AnimBild = 5;
    AktualisiereFigur(0);
    EXPECT_EQ(f.Zustand, 4);
    EXPECT_EQ(f.AnimBild, 0);

    f.Befehl = 16;
    AktualisiereFigur(0);
    EXPECT_EQ(f.Zustand, 16);

    FigurRecord& g = Person(1, 1, 20, 20);
    g.ZielId = 77;
    g.AuftragsZiel[0] = 200.0f;
    g.AuftragsZiel[2] = 200.0f;
    AktualisiereFigur(1);
    EXPECT_EQ(g.Zustand, 5);
    EXPECT_EQ(HinweisNummer, 3);
    EXPECT_EQ(HinweisGezeigt[3], 1);
}

TEST_F(WeltKernTest, KampfEndetWennDasZielFortIst) {
    KeinWandern();
    FigurRecord& a = Person(0, 10, 10, 10);
    FigurRecord& z = Person(1, 1, 12, 10);
    a.ImKampf = 1;
    a.ZielId = z.Id;
    EntferneFigur(z);  // killed by someone else and removed
    StadtGitter[12][10].Belegt = 0;
    for (int k = 0; k < 5; ++k) AktualisiereFigur(0);
    EXPECT_EQ(a.ImKampf, 0);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
}

// The talk takes the partner out of every fight aimed at it; the attackers' fights end with that
// (a fight flag without a target would keep the fight music on and block every later talk).
TEST_F(WeltKernTest, GespraechBeendetDieKaempfeGegenDenPartner) {
    KeinWandern();
    FigurRecord& p = Person(3, 12, 11, 10);
    FigurRecord& t = Person(4, 1, 10, 10);
    FigurRecord& a = Person(8, 10, 30, 30);
    a.ImKampf = 1;
    a.ZielId = p.Id;
    t.SprechAuftrag = 1;
    t.ZielId = p.Id;
    AktualisiereFigur(4);
    ASSERT_EQ(GespraechsPartner, p.Id);
    for (int k = 0; k < 5; ++k) AktualisiereFigur(8);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
    EXPECT_EQ(a.ImKampf, 0);
}

// After a pick-up the order is done: a later attack order (which sets no order of its own) must not
// find the pick-up still ordered and be dropped at the first step.
TEST_F(WeltKernTest, NachDemAufhebenGiltDerNaechsteAuftrag) {
    KeinWandern();
    FigurRecord& m = Person(0, 1, 10, 10);
    FigurRecord& z = Person(1, 12, 14, 10);
    const int item = LegeBodenItem(100.0f, 100.0f, 1006, 1);
    m.ZielId = Figuren[item].Id;
    m.AuftragsZiel[0] = m.AuftragsZiel[2] = 100.0f;
    for (int k = 0; k < 30; ++k) AktualisiereFigur(0);
    ASSERT_EQ(m.Inventar[0][0].ItemId, 1006);
    ASSERT_EQ(m.Zustand, 1);
    m.ImKampf = 1;
    m.ZielId = z.Id;
    bool schlaegt = false;
    for (int k = 0; k < 60 && !schlaegt; ++k) {
        AktualisiereFigur(0);
        schlaegt = m.Zustand == 8;
    }
    EXPECT_TRUE(schlaegt);
}

// A talk or heal order given where an earlier pick-up order ended (its goal stays behind when the
// bag was full or the order was replaced) is carried out, not taken for that pick-up.
TEST_F(WeltKernTest, AltesAufhebzielSchlucktKeinenNeuenAuftrag) {
    for (const bool heilen : {false, true}) {
        LeereStadt();
        KeinWandern();
        FigurRecord& m = Person(0, 3, 10, 10);
        FigurRecord& p = Person(1, heilen ? 2 : 12, 14, 10);
        p.Gesundheit = 50;
        m.Inventar[0][0] = {1022, 15, 0};
        m.AuftragsZiel[0] = m.AuftragsZiel[2] = 100.0f;
        m.ZielId = p.Id;
        (heilen ? m.HeilAuftrag : m.SprechAuftrag) = 1;
        m.Ziel[0] = 130.0f;  // the interface sends a healer toward its patient
        for (int k = 0; k < 40; ++k) AktualisiereFigur(0);
        if (heilen) EXPECT_EQ(m.Zustand, 9);
        else EXPECT_EQ(GespraechsPartner, p.Id);
    }
}

// A dying figure standing on the goal of an order (heal, pick up) must still be removed.
TEST_F(WeltKernTest, SterbendeNehmenKeineAuftraegeMehr) {
    for (const bool heilen : {true, false}) {
        SCOPED_TRACE(heilen ? "heilen" : "aufheben");
        LeereStadt();
        KeinWandern();
        FigurRecord& f = Person(0, 3, 10, 10);
        FigurRecord& z = Person(1, 1, 11, 10);
        z.Gesundheit = 50;
        if (heilen) {
            f.HeilAuftrag = 1;
            f.ZielId = z.Id;
        } else {
            f.ZielId = Figuren[LegeBodenItem(300.0f, 300.0f, 1006, 1)].Id;
            f.AuftragsZiel[0] = f.AuftragsZiel[2] = 100.0f;
        }
        f.Gesundheit = 0;
        for (int bild = 0; bild < 300; ++bild) {
            ::Szene.AktualisiereWelt();
            for (int i = 0; i < FIGUREN_ANZAHL; ++i)
                if (Figuren[i].Aktiv == 1) AktualisiereFigur(i);
        }
        EXPECT_EQ(f.Aktiv, 0);
        EXPECT_EQ(z.Aktiv, 1);
    }
}

// A partner that is dying (it would be freed in the middle of the talk, its trade goods with it) or
// whose position is not a number (a damaged file) is never talked to.
TEST_F(WeltKernTest, KeinGespraechMitSterbendemOderVerlorenemPartner) {
    for (const bool sterbend : {true, false}) {
        LeereStadt();
        KeinWandern();
        FigurRecord& p = Person(3, 12, 11, 10);
        FigurRecord& t = Person(4, 1, 10, 10);
        if (sterbend) p.Gesundheit = 0;
        else p.Position[0] = std::nanf("");
        t.SprechAuftrag = 1;
        t.ZielId = p.Id;
        AktualisiereFigur(4);
        EXPECT_EQ(GespraechsPartner, 0) << sterbend;
        EXPECT_EQ(p.Wartet, 0) << sterbend;
    }
}

// Distances to a position that is not a number count as out of reach: no heal from afar, and a
// townsperson chasing such a target gives up instead of fighting for good.
TEST_F(WeltKernTest, ZielOhneGueltigePositionIstUnerreichbar) {
    KeinWandern();
    FigurRecord& arzt = Person(0, 3, 10, 10);
    FigurRecord& z = Person(1, 1, 11, 10);
    z.Position[2] = std::nanf("");
    arzt.HeilAuftrag = 1;
    arzt.ZielId = z.Id;
    AktualisiereFigur(0);
    EXPECT_EQ(arzt.Zustand, 1);
    z.Gesundheit = 50;
    arzt.Zustand = arzt.Befehl = 9;
    arzt.AnimBild = 11;
    arzt.Inventar[0][0] = {1022, 2, 0};
    FigurHandeln(0);
    EXPECT_EQ(z.Gesundheit, 50);
    EXPECT_EQ(arzt.Zustand, 1);

    FigurRecord& a = Person(2, 10, 20, 20);
    a.ImKampf = 1;
    a.ZielId = z.Id;
    AktualisiereFigur(2);
    EXPECT_EQ(a.ImKampf, 0);
    EXPECT_EQ(a.ZielId, KEINE_FIGUR);
}

TEST_F(WeltKernTest, VerseuchungKostetGesundheitNachTakt) {
    StadtTabelle[0].Verseuchung = 8;
    FigurRecord& f = Person(0, 1, 10, 10);
    FigurRecord& g = Person(1, 1, 12, 10);
    g.ABCSchutz = 8;
    for (int takt : {7, 8}) {
        VerseuchungsTakt = takt;
        AktualisiereFigur(0);
        AktualisiereFigur(1);
    }
    EXPECT_EQ(f.Gesundheit, 99);
    EXPECT_EQ(g.Gesundheit, 100);
}

TEST_F(WeltKernTest, NurAktivePersonenTicken) {
    FigurRecord& item = Figuren[LegeBodenItem(50.0f, 50.0f, 1006, 1)];
    item.AnimTakt = 0;
    AktualisiereFigur(0);
    EXPECT_EQ(item.AnimBild, 0);
    AktualisiereFigur(-1);
    AktualisiereFigur(500);
}

}  // namespace

namespace {

// The update at a cell centre as one table: the order flags of a squad member standing on its cell
// next to a hostile (id 2) and a floor item at its own position, and the state they lead to.
struct ZustandsFall {
    const char* name;
    int befehl, zustand;
    int imKampf, heil, sprech;
    int ziel;         // 0 none, 1 the hostile, 2 the floor item
    bool amAuftrag;   // AuftragsZiel is the figure's own position
    int erwartet;
};

class Zustandsautomat : public WeltKernTest, public ::testing::WithParamInterface<ZustandsFall> {};

TEST_P(Zustandsautomat, ZustandNachBefehlUndFlags) {
    const ZustandsFall& c = GetParam();
    ZufallSaat(7);
    FigurRecord& f = Person(0, 1, 10, 10);
    Person(1, 13, 11, 10);
    const int item = LegeBodenItem(100.0f, 100.0f, 1006, 1);
    f.Befehl = static_cast<uint8_t>(c.befehl);
    f.Zustand = static_cast<uint8_t>(c.zustand);
    f.ImKampf = static_cast<uint8_t>(c.imKampf);
    f.HeilAuftrag = static_cast<uint8_t>(c.heil);
    f.SprechAuftrag = static_cast<uint8_t>(c.sprech);
    f.ZielId = static_cast<int16_t>(c.ziel == 1 ? Figuren[1].Id : c.ziel == 2 ? Figuren[item].Id : KEINE_FIGUR);
    if (c.amAuftrag) f.AuftragsZiel[0] = f.AuftragsZiel[2] = 100.0f;
    AktualisiereFigur(0);
    EXPECT_EQ(f.Zustand, c.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, Zustandsautomat,
    ::testing::Values(ZustandsFall{"AngekommenGehen", 2, 2, 0, 0, 0, 0, false, 1},
                      ZustandsFall{"AngekommenRennen", 3, 3, 0, 0, 0, 0, false, 1},
                      ZustandsFall{"KampfInReichweite", 2, 1, 1, 0, 0, 1, false, 8},
                      ZustandsFall{"KampfMitHeilFlagNicht", 1, 1, 1, 1, 0, 1, false, 1},
                      ZustandsFall{"HeilenNurTruppZiel", 1, 1, 0, 1, 0, 1, false, 1},
                      ZustandsFall{"Gespraech", 1, 1, 0, 0, 1, 1, false, 6},
                      ZustandsFall{"Ablegen", 4, 1, 0, 0, 0, 0, false, 4},
                      ZustandsFall{"Sterben", 16, 2, 0, 0, 0, 0, false, 16},
                      ZustandsFall{"Aufheben", 2, 2, 0, 0, 0, 2, true, 5},
                      ZustandsFall{"AufhebenNichtImKampf", 1, 1, 1, 0, 0, 2, true, 1},
                      ZustandsFall{"AufhebenNurAmAuftragsziel", 1, 1, 0, 0, 0, 2, false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
