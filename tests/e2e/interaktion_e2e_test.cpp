// The town played with the mouse: three squad members in town 0 boxed in, sent to a far cell, and
// each side panel of the command grid opened and used once.
#include <cstdlib>

#include "e2e_spiel.h"
#include "framework/geometry.h"
#include "framework/setup.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

namespace {

class InteraktionE2E : public SpielE2E {
protected:
    static FigurRecord* MitId(int id)
    {
        const int k = AktiveFigurMitId(id);
        return k < 0 ? nullptr : &Figuren[k];
    }

    // A squad member of this type standing on cell (x, z).
    static int16_t NeuesMitglied(int typ, int x, int z)
    {
        int16_t id = 0;
        for (const FigurRecord& f : Figuren) id = std::max(id, f.Id);
        FigurRecord& f = Figuren[FreieFigur()];
        f = *MitId(EigeneId());
        f.EigeneFigur = 0;
        f.Typ = int16_t(typ);
        f.Id = int16_t(id + 1);
        for (float* v : {f.Position, f.Ziel, f.Wegpunkt}) {
            v[0] = float(10 * x);
            v[2] = float(10 * z);
        }
        StadtGitter[x][z].Belegt = 1;
        return f.Id;
    }

    static int16_t EigeneId()
    {
        for (const FigurRecord& f : Figuren)
            if (f.Aktiv == 1 && f.EigeneFigur == 1) return f.Id;
        return KEINE_FIGUR;
    }

    static void Druck(int x, int y)
    {
        Druecke(x, y);
        FrameSchritt();
    }
    static void Los(int x, int y)
    {
        Zeiger(x, y);
        win::PostMessage(win::msg::LButtonUp, 0, win::MakeLParam(x, y));
        FrameSchritt();
    }

    // The squad-bar slot holding this id.
    static int Slot(int16_t id)
    {
        for (int s = 0; s < 7; ++s)
            if (AuswahlSlots[s] == id) return s;
        return -1;
    }
};

TEST_F(InteraktionE2E, BoxSelectThreeSendThemFarAndUseEachSidePanel)
{
    StarteBisHauptmenue();
    InStadtNull();
    SetupWerte.FRAMERATE = 0.0f;  // as fast as the machine draws
    const int16_t ids[3] = {EigeneId(), NeuesMitglied(2, 62, 2), NeuesMitglied(3, 58, 3)};
    ASSERT_NE(ids[0], KEINE_FIGUR);
    // The camera above the three, as the portrait's double click places it.
    Cam.Set(600, 250, -160, 600, 237, -150, 0, 1, 0);
    Frames(3);
    Bild("interaktion_01_drei");

    // The box round the three on the screen, a margin of 40 pixels.
    int x0 = 1024, y0 = 768, x1 = 0, y1 = 0;
    for (int16_t id : ids) {
        const FigurRecord& f = *MitId(id);
        const BildschirmPunkt p = ProjiziereAufBildschirm(f.Position[0], f.Position[1], f.Position[2]);
        ASSERT_TRUE(p.vorAuge);
        x0 = std::min(x0, p.x - 40);
        x1 = std::max(x1, p.x + 40);
        y0 = std::min(y0, 768 - p.y - 40);
        y1 = std::max(y1, 768 - p.y + 40);
    }
    ASSERT_GT(x0, 120);
    ASSERT_LT(y1, 641) << "the box lies in the view, above the squad bar";
    Druck(x0, y0);
    Zeiger((x0 + x1) / 2, (y0 + y1) / 2);
    Frames(1);
    Los(x1, y1);
    for (int16_t id : ids) {
        EXPECT_GE(Slot(id), 0) << id;
        EXPECT_EQ(MitId(id)->Ausgewaehlt, 1) << id;
    }

    // A far cell in the open (nothing blocked two cells round it), under the mouse.
    auto offen = [](int x, int z) {
        for (int dx = -2; dx <= 2; ++dx)
            for (int dz = -2; dz <= 2; ++dz) {
                if (!ImGitter(x + dx, z + dz)) return false;
                const StadtFeld& f = StadtGitter[x + dx][z + dz];
                if (f.Blockiert != 0 || f.Eingang != 0 || f.Belegt != 0) return false;
            }
        return true;
    };
    int zielX = -1, zielZ = -1;
    for (int zz = 4; zz < 30 && zielX < 0; ++zz) {
        for (int zx = 45; zx < 76 && zielX < 0; ++zx) {
            if (std::abs(zx - 60) + std::abs(zz - 2) < 10 || !offen(zx, zz)) continue;
            const BildschirmPunkt p = ProjiziereAufBildschirm(float(10 * zx), 0.0f, float(10 * zz));
            const int mx = p.x, my = 768 - p.y;
            if (!p.vorAuge || mx < 130 || mx > 1000 || my < 80 || my > 600) continue;
            Zeiger(mx, my);
            Frames(2);
            if (MyApp.PickX != zx || MyApp.PickY != zz) continue;
            zielX = zx;
            zielZ = zz;
            RechtsKlick(mx, my);
        }
    }
    ASSERT_GE(zielX, 0) << "no free cell found under the probe points";
    for (int16_t id : ids) EXPECT_EQ(MitId(id)->Befehl, 2) << id;
    EXPECT_GE(std::count_if(std::begin(Figuren), std::end(Figuren),
                            [](const FigurRecord& f) { return f.Aktiv == 1 && f.Typ == 10001; }),
              1);
    Bild("interaktion_02_befehl");

    // Every member stops on the cell or, when another took it first, on a free neighbour. The
    // figures' own rule moves a goal that gets taken to a neighbour of that goal, so the last to
    // come may stand two cells off.
    auto abstand = [&](const FigurRecord& f) {
        return std::max(std::abs(ZelleVon(f.Position[0]) - zielX), std::abs(ZelleVon(f.Position[2]) - zielZ));
    };
    auto angekommen = [&] {
        for (int16_t id : ids) {
            const FigurRecord& f = *MitId(id);
            if (abstand(f) > 2 || f.Zustand != 1) return false;
        }
        return true;
    };
    int frames = 0;
    while (!angekommen() && frames < 1500) {
        Frames(10);
        frames += 10;
    }
    EXPECT_TRUE(angekommen()) << "after " << frames << " frames, goal cell " << zielX << ", " << zielZ;
    int amZiel = 0;
    for (int16_t id : ids) amZiel += abstand(*MitId(id)) <= 1;
    EXPECT_GE(amZiel, 2);
    const FigurRecord& erster = *MitId(ids[0]);
    Cam.Set(erster.Position[0], 250, erster.Position[2] - 170, erster.Position[0], 237, erster.Position[2] - 160, 0, 1,
            0);
    Frames(2);
    Bild("interaktion_03_angekommen");

    // The game menu: its credits, and back into the town with a click.
    Klick(23, 744);
    EXPECT_EQ(BefehlsModus, 5);
    Frames(8);
    Bild("interaktion_04_spielmenue");
    Klick(250, 490);
    EXPECT_EQ(SpielModus, 2000);
    EXPECT_EQ(MenueAusStadt, 1);
    Frames(3);
    Klick(512, 384);
    Frames(2);
    EXPECT_EQ(SpielModus, 1000);
    Klick(23, 744);
    EXPECT_EQ(BefehlsModus, 3);

    // Crafting with the technician: an empty bottle from a broken one and glue.
    const int techniker = Slot(ids[1]);
    ASSERT_GE(techniker, 0);
    Klick(373 + 83 * techniker + 40, 700);
    EXPECT_EQ(AuswahlIndex, techniker);
    FigurRecord& t = *MitId(ids[1]);
    for (auto& reihe : {0, 1})
        for (ItemSlot& s : t.Inventar[reihe]) s = {};
    t.Inventar[0][0] = {1075, 1, 0};
    t.Inventar[0][1] = {1059, 1, 0};
    Klick(97, 707);
    EXPECT_EQ(BefehlsModus, 4);
    Frames(8);
    Klick(250, 410);  // the second recipe shown
    EXPECT_EQ(RezeptWahl, 1);
    Klick(250, 498);
    EXPECT_EQ(t.Inventar[0][0].ItemId, 1012);
    Bild("interaktion_05_herstellen");
    Klick(97, 707);
    EXPECT_EQ(BefehlsModus, 3);

    // Equipment: a steel helmet on the technician's head.
    Klick(80, 620);
    EXPECT_EQ(BefehlsModus, 8);
    const uint8_t ruestung = t.Ruestung;
    CursorItem = 1044;
    CursorItemAnzahl = 1;
    Frames(8);
    Klick(170, 390);
    EXPECT_EQ(Platz(t, Helm).ItemId, 1044);
    EXPECT_EQ(t.Ruestung, ruestung + 5);
    EXPECT_EQ(CursorItem, 0);
    Bild("interaktion_06_ausruestung");
    Klick(80, 620);
    EXPECT_EQ(BefehlsModus, 3);

    // Town stock: a hand pump into the pump slot raises the water income.
    StadtRecord& stadt = AktuelleStadtRecord();
    ASSERT_NE(stadt.Besitzer, 2);
    Klick(97, 744);
    EXPECT_EQ(BefehlsModus, 7);
    stadt.Pumpe = 0;
    const int16_t zufluss = stadt.WasserZufluss;
    CursorItem = 1042;
    Frames(8);
    Klick(300, 580);
    EXPECT_EQ(stadt.Pumpe, 1042);
    EXPECT_EQ(stadt.WasserZufluss, zufluss + 2);
    EXPECT_EQ(CursorItem, 0);
    Bild("interaktion_07_vorrat");
    Klick(97, 744);
    EXPECT_EQ(BefehlsModus, 3);
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
}

}  // namespace
