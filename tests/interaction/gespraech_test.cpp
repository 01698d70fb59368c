// The conversation overlay: topics and their phases, the menu rows, recruiting, and a partner who
// is gone. Speech is over at once here (no sound output), so a topic runs to its last phase.
#include <cstring>

#include "framework/services_interaction.h"
#include "interaction/gespraech.h"
#include "interaction/gespraech_anzeige.h"
#include "platform/random.h"
#include "tests/interaction/boden_item.h"
#include "tests/interaction/gespraech_fixture.h"
#include "world/anzeige.h"

namespace {

class Gespraech : public DialogTest {
protected:
    FigurRecord* partner = nullptr;
    FigurRecord* mitglied = nullptr;

    void SetUp() override
    {
        DialogTest::SetUp();
        SpielModus = 1000;
        mitglied = &Figur(2, 1, 40, 40);
        AuswahlSlots[0] = mitglied->Id;
        Rede(10);
    }
    // A conversation with a partner of this type, as the world opens it.
    void Rede(int typ, int stufe = 2)
    {
        partner = &Figur(6, typ, 41, 40);
        partner->Stufe = uint8_t(stufe);
        for (FigurRecord* f : {partner, mitglied}) {
            f->Wartet = f == partner;
            f->Zustand = f->Befehl = 6;
            f->AnimBild = 17;
            f->ZielId = 99;
        }
        GespraechsPartner = partner->Id;
        GespraechsFigur = mitglied->Id;
        GespraechsThema = 0;
        GespraechsPhase = 0;
        SprachVariante = 3;
    }
    static void Bild() { ZeichneUnterhaltungUndEditor(0); }
    static void Reihe(int n)
    {
        Druck(300, 435 + 15 * (n - 1) + 5);
        Bild();
    }
    static void ErwarteFrei(const FigurRecord& f, bool bildZurueck)
    {
        EXPECT_EQ(f.Wartet, 0);
        EXPECT_EQ(f.ZielId, KEINE_FIGUR);
        EXPECT_EQ(f.Zustand, 1);
        EXPECT_EQ(f.Befehl, 1);
        EXPECT_EQ(f.AnimBild, bildZurueck ? 0 : 17);
    }
};

TEST_F(Gespraech, ThemenLaufenBisZurLetztenPhase)
{
    struct Fall {
        int reihe, thema, phase;
    };
    for (const Fall& f : {Fall{1, 5, 3}, Fall{2, 6, 5}, Fall{4, 1, 3}}) {
        Reihe(f.reihe);
        EXPECT_EQ(GespraechsThema, f.thema);
        EXPECT_EQ(MausLinksGedrueckt, 0);
        Bild();
        EXPECT_EQ(GespraechsPhase, f.phase) << "row " << f.reihe;
        EXPECT_GE(SprachVariante, 0);
        EXPECT_LT(SprachVariante, 10);
    }
    // Where-am-I says nothing during the tutorial (or on an encounter map).
    TutorialSchritt = 99;  // the pause: the step machine itself stays quiet
    Reihe(2);
    Bild();
    EXPECT_EQ(GespraechsPhase, 0);
}

TEST_F(Gespraech, DieDritteReiheNachBeruf)
{
    Reihe(3);
    EXPECT_EQ(GespraechsThema, 2);
    EXPECT_EQ(GespraechsPhase, 1);
    EXPECT_EQ(SpielModus, 1000);

    Rede(16);
    SzenenSumme = VorratsPool = 7.0f;
    Reihe(3);
    EXPECT_EQ(SpielModus, 10000);
    EXPECT_EQ(HaendlerId, partner->Id);
    EXPECT_EQ(SprachVariante, 99);
    EXPECT_EQ(SzenenSumme, 0.0f);
    EXPECT_EQ(VorratsPool, 0.0f);
    EXPECT_EQ(GespraechsPartner, partner->Id);
    EXPECT_EQ(GespraechsThema, 0);
}

TEST_F(Gespraech, NachDemHandelKeineZeile)
{
    // Variant 99 names no line: the greeting shows nothing, whatever entry 99 of the table holds.
    std::strcpy(SprechTexte[SPRECH_HALLO][99], "Neunundneunzig");
    GespraechsPhase = 1;
    SprachVariante = 5;
    std::strcpy(SprechTexte[SPRECH_HALLO][5], "");
    geraet->ClearCalls();
    Bild();
    const size_t ohneZeile = geraet->Draws().size();
    SprachVariante = 99;
    geraet->ClearCalls();
    Bild();
    EXPECT_EQ(geraet->Draws().size(), ohneZeile);
}

TEST_F(Gespraech, AbschiedGibtBeideFrei)
{
    Reihe(5);
    EXPECT_EQ(GespraechsPartner, 0);
    EXPECT_EQ(GespraechsFigur, 0);
    EXPECT_EQ(GespraechsThema, 0);
    ErwarteFrei(*partner, true);
    ErwarteFrei(*mitglied, true);
}

TEST_F(Gespraech, FeindSagtEineZeileUndLaesstGehen)
{
    Rede(14);
    GespraechsThema = 1;
    Bild();
    EXPECT_EQ(GespraechsThema, 7);
    EXPECT_EQ(GespraechsPhase, 0);  // nothing is said
    Reihe(2);                       // there is only one row
    EXPECT_EQ(GespraechsPartner, partner->Id);
    Reihe(1);
    EXPECT_EQ(GespraechsPartner, 0);
    EXPECT_EQ(GespraechsThema, 0);
    ErwarteFrei(*partner, false);
    ErwarteFrei(*mitglied, false);
}

TEST_F(Gespraech, EinVerschwundenerPartnerBeendetDasGespraech)
{
    // Killed: the record is reused at once for what it carried, with the same id.
    partner->Typ = 1003;
    Bild();
    EXPECT_EQ(GespraechsPartner, 0);
    EXPECT_EQ(GespraechsFigur, 0);
    ErwarteFrei(*mitglied, true);
    EXPECT_EQ(partner->Typ, 1003);

    Rede(11);
    mitglied->Aktiv = 0;
    Bild();
    EXPECT_EQ(GespraechsPartner, 0);
}

struct Schwelle {
    int stufe, genug;
};

TEST_F(Gespraech, AnwerbeSchwellen)
{
    for (const Schwelle& s : {Schwelle{1, 5}, Schwelle{2, 7}, Schwelle{3, 9}, Schwelle{4, 12}, Schwelle{0, 5},
                              Schwelle{9, 12}, Schwelle{255, 12}}) {
        EXPECT_FALSE(AngebotGenuegt(s.stufe, s.genug - 1)) << "level " << s.stufe;
        EXPECT_TRUE(AngebotGenuegt(s.stufe, s.genug)) << "level " << s.stufe;
    }
}

TEST_F(Gespraech, AnwerbenVerbrauchtDasGanzeAngebot)
{
    Rede(17, 3);
    Reihe(3);
    partner->Inventar[0][0] = ItemSlot{1003, 8, 0};
    GespraechsPhase = 0;
    Reihe(1);  // 8 is not enough for level 3: the row takes no click
    EXPECT_EQ(MausLinksGedrueckt, 1);
    EXPECT_EQ(GespraechsThema, 2);
    partner->Inventar[0][0].ItemAnzahl = 14;
    Reihe(1);
    EXPECT_EQ(partner->Typ, 4);
    EXPECT_EQ(partner->Zustand, 2);
    EXPECT_EQ(partner->Befehl, 2);
    EXPECT_EQ(partner->Wartet, 0);
    EXPECT_EQ(partner->Inventar[0][0].ItemId, 0);
    EXPECT_EQ(partner->Inventar[0][0].ItemAnzahl, 0);
    EXPECT_EQ(GespraechsPartner, 0);
    ErwarteFrei(*mitglied, true);
    EXPECT_EQ(HinweisNummer, 9);
    EXPECT_EQ(HinweisSichtbar, 1);
}

struct Rueckgabe {
    const char* name;
    bool mitMitglied, beutelVoll;
};

class AngebotZurueck : public Gespraech, public ::testing::WithParamInterface<Rueckgabe> {};

TEST_P(AngebotZurueck, InDenBeutelOderAufDenBoden)
{
    const Rueckgabe& f = GetParam();
    Reihe(3);
    partner->Ziel[0] = 300.0f;
    partner->Ziel[2] = 310.0f;
    partner->Inventar[0][0] = ItemSlot{1006, 4, 0};
    if (!f.mitMitglied) AuswahlSlots[0] = KEINE_FIGUR;
    if (f.beutelVoll)
        for (int r = 0; r < 2; ++r)
            for (ItemSlot& s : mitglied->Inventar[r]) s = ItemSlot{1050, 1, 0};
    const int frei = AltesFreiesRecord();
    // The new variant is drawn first; a floor item then draws its first-name index and body texture.
    ZufallSaat(123);
    const int variante = Zufall() % 10, name = Zufall() % 100, textur = Zufall() % 10;
    const uint32_t nachBoden = ZufallZustand();
    const uint32_t nachVariante = [] { ZufallSaat(123); Zufall(); return ZufallZustand(); }();
    ZufallSaat(123);
    Reihe(2);
    EXPECT_EQ(SprachVariante, variante);
    EXPECT_EQ(GespraechsThema, 0);
    EXPECT_EQ(GespraechsPhase, 5);
    EXPECT_EQ(partner->Inventar[0][0].ItemId, 0);
    EXPECT_EQ(Anzahl(1006), 4);
    const bool imBeutel = mitglied->Inventar[0][0].ItemId == 1006;
    EXPECT_EQ(imBeutel, f.mitMitglied && !f.beutelVoll);
    EXPECT_EQ(ZufallZustand(), imBeutel ? nachVariante : nachBoden);
    const FigurRecord& boden = Figuren[frei];
    EXPECT_EQ(boden.Aktiv, imBeutel ? 0 : 1);
    if (!imBeutel) {
        EXPECT_EQ(boden.Typ, 1006);
        EXPECT_EQ(boden.TeilModelle[0], 1006);
        EXPECT_EQ(boden.Anzahl, 4);
        for (const float* p : {boden.Position, boden.Ziel, boden.Wegpunkt}) {
            EXPECT_EQ(p[0], 300.0f);
            EXPECT_EQ(p[1], 0.0f);
            EXPECT_EQ(p[2], 310.0f);
        }
        for (float d : boden.Drehung) EXPECT_EQ(d, 0.0f);
        EXPECT_EQ(boden.Zustand, 1);
        EXPECT_EQ(boden.Gesundheit, 100);
        EXPECT_EQ(boden.Nahrung, 10);
        EXPECT_EQ(boden.Wasser, 5);
        for (uint8_t b : {boden.EigeneFigur, boden.Ausgewaehlt, boden.HeilAuftrag, boden.ImKampf}) EXPECT_EQ(b, 0);
        EXPECT_EQ(boden.NamensIndex, name);
        EXPECT_EQ(boden.Aussehen[0], textur);
        EXPECT_EQ(boden.ZielId, KEINE_FIGUR);
        // The rest is as the record held it.
        EXPECT_EQ(boden.Befehl, 0x5a);
        EXPECT_EQ(boden.AnimLaenge, 0x5a);
        EXPECT_EQ(boden.Aussehen[1], 0x5a);
        EXPECT_EQ(boden.Id, 0x5a5a);
        EXPECT_EQ(boden.Inventar[3][5].ItemId, 0x5a5a);
    }
    // The greeting is not spoken again.
    Bild();
    EXPECT_EQ(GespraechsPhase, 5);
}

INSTANTIATE_TEST_SUITE_P(Faelle, AngebotZurueck,
                         ::testing::Values(Rueckgabe{"InDenBeutel", true, false}, Rueckgabe{"BeutelVoll", true, true},
                                           Rueckgabe{"OhneMitglied", false, false}),
                         [](const ::testing::TestParamInfo<Rueckgabe>& i) { return std::string(i.param.name); });

TEST_F(Gespraech, OhneGespraechNurDerEditor)
{
    GespraechsPartner = 0;
    geraet->ClearCalls();
    Bild();
    EXPECT_TRUE(geraet->Draws().empty());
}

}  // namespace
