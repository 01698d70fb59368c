// The town maps and templates, read back with the game's own readers.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "content/town_maps.h"
#include "content/town_models.h"
#include "interaction/szenen.h"
#include "platform/random.h"
#include "world/gamefiles.h"
#include "world/new_game.h"
#include "world/records.h"

namespace {

namespace fs = std::filesystem;
using content::KartenArt;
using content::KartenPlan;

class Karten : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ordner_ = new fs::path(fs::path(::testing::TempDir()) / ("velquor_karten_" + std::to_string(getpid())));
        fs::remove_all(*ordner_);
        content::SchreibeKarten(ordner_->string(), (*ordner_ / "bilder").string());
    }
    static void TearDownTestSuite() {
        fs::remove_all(*ordner_);
        delete ordner_;
    }
    static std::string Pfad(const std::string& datei) { return (*ordner_ / datei).string(); }
    static void LiesKarte(const KartenPlan& p) {
        std::string fehler;
        ASSERT_TRUE(LeseStadtDatei(Pfad(p.karte), &fehler)) << fehler;
    }
    static void LiesZustand(const KartenPlan& p) {
        std::string fehler;
        ASSERT_TRUE(LeseStadtZustandDatei(Pfad(p.zustand), &fehler)) << fehler;
    }
    static std::map<int, int> Eingaenge() {
        std::map<int, int> zahl;
        for (auto& spalte : StadtGitter)
            for (StadtFeld& f : spalte)
                if (f.Eingang != 0) ++zahl[f.Eingang];
        return zahl;
    }
    static int FreiePlaetze() {  // cells the spawning may draw
        int frei = 0;
        for (int x = 10; x < 100; ++x)
            for (int z = 10; z < 100; ++z)
                frei += BodenGitter[x][z] == 1 && !StadtGitter[x][z].Blockiert && !StadtGitter[x][z].Eingang;
        return frei;
    }
    static fs::path* ordner_;
};
fs::path* Karten::ordner_ = nullptr;

TEST_F(Karten, EveryFileIsWrittenAtItsSizeWithAPicture) {
    for (const KartenPlan& p : content::AlleKarten()) {
        EXPECT_EQ(fs::file_size(Pfad(p.karte)), STADTDATEI_GROESSE) << p.karte;
        if (!p.zustand.empty()) {
            EXPECT_EQ(fs::file_size(Pfad(p.zustand)), STADTZUSTANDDATEI_GROESSE) << p.zustand;
        }
        image::Image bild;
        std::string fehler;
        ASSERT_TRUE(image::Load(Pfad("bilder/" + p.name + ".png"), bild, fehler)) << fehler;
        EXPECT_EQ(bild.width, 118 * 6);
    }
    EXPECT_EQ(content::AlleKarten().size(), 32u);  // 20 towns, the tutorial, 11 encounter maps
}

TEST_F(Karten, MapsKeepTheLimitsOfTheirRecords) {
    const auto slots = content::modell::AlleObjektSlots();
    const std::set<int> bekannt(slots.begin(), slots.end());
    for (const KartenPlan& p : content::AlleKarten()) {
        SCOPED_TRACE(p.name);
        LiesKarte(p);
        int eingaenge = 0, vegetation = 0, k = 0, klaenge = 0;
        for (int x = 0; x < GITTER_GROESSE; ++x)
            for (int z = 0; z < GITTER_GROESSE; ++z) {
                const StadtFeld& f = StadtGitter[x][z];
                EXPECT_GE(f.Eingang, 0);
                EXPECT_LE(f.Eingang, 7);
                if (f.Eingang > 0) {
                    EXPECT_EQ(f.BehaelterIndex, k++);  // as the game numbers them after a load
                    EXPECT_EQ(f.Blockiert, 1);         // the entrance is the object's own cell
                } else {
                    EXPECT_EQ(f.BehaelterIndex, 255);  // no container
                }
                EXPECT_EQ(f.Belegt, 0);
                EXPECT_LE(f.VegetationErlaubt, 1);
                EXPECT_GE(f.Sound, 0);
                EXPECT_LT(f.Sound, 100);  // a sound slot
                klaenge += f.Sound != 0;
                eingaenge += f.Eingang > 0;
                vegetation += f.VegetationErlaubt;
                EXPECT_LE(BodenGitter[x][z], 1);
            }
        EXPECT_LE(eingaenge, BEHAELTER_ANZAHL);
        EXPECT_GT(klaenge, 0);
        EXPECT_LE(vegetation, 100);
        EXPECT_GT(vegetation, 10);
        int objekte = 0;
        for (const ObjektRecord& o : StadtObjekte) {
            if (!o.Aktiv) continue;
            ++objekte;
            EXPECT_TRUE(bekannt.count(o.Modell)) << "model " << o.Modell;
        }
        EXPECT_GT(objekte, 100);
        EXPECT_LT(objekte, STADTOBJEKTE_ANZAHL - 200);  // room for blood stains
        for (auto& zeile : BodenKarte)
            for (BodenTile& t : zeile) {
                EXPECT_GE(t.BasisTextur, 0);
                EXPECT_LE(t.BasisTextur, 24);
                EXPECT_NE(t.BasisTextur, 20);  // the overlay
                EXPECT_NE(t.BasisTextur, 15);  // the border's see-through edges and corners
                EXPECT_NE(t.BasisTextur, 17);
                EXPECT_EQ(t.AlphaTextur, 0);
            }
    }
}

TEST_F(Karten, TownsHoldEveryKindOfPlaceAndRoomForTheirPeople) {
    std::set<int> arten;
    std::set<std::string> verschieden;
    for (const KartenPlan& p : content::AlleKarten()) {
        SCOPED_TRACE(p.name);
        LiesKarte(p);
        const auto zahl = Eingaenge();
        for (const auto& [art, n] : zahl) arten.insert(art);
        verschieden.insert(std::string(reinterpret_cast<const char*>(StadtGitter), sizeof StadtGitter));
        if (p.art == KartenArt::Stadt) {
            for (int art : {1, 2, 3, 4, 5, 6}) EXPECT_GT(zahl.count(art), 0u) << "kind " << art;
            EXPECT_EQ(zahl.count(7), 0u);  // the recruiter would start the tutorial's steps
            EXPECT_GE(zahl.at(1), 4);
            // The towns whose traders carry every group of goods have a stall for each of three traders.
            if (p.nummer == 9 || p.nummer == 10 || p.nummer == 16) {
                EXPECT_EQ(zahl.at(2), 3);
            }
            // Town 9 spawns 25 townsfolk; every town has room for them and their wandering.
            EXPECT_GT(FreiePlaetze(), 1500);
        } else if (p.art != KartenArt::Tutorial) {
            EXPECT_TRUE(zahl.empty());  // the travel keeps the destination's containers
            EXPECT_GT(FreiePlaetze(), 1500);
        }
        // The party arrives in rows at x 560..610, z 0..30, its garrison stays at (610 + 10k, 0, 20).
        for (int x = 56; x <= 61; ++x)
            for (int z = 0; z <= 3; ++z) EXPECT_EQ(StadtGitter[x][z].Blockiert, 0) << x << "," << z;
        for (int x = 61; x <= 80; ++x) EXPECT_EQ(StadtGitter[x][2].Blockiert, 0) << x;
    }
    EXPECT_EQ(arten, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(verschieden.size(), content::AlleKarten().size());
}

TEST_F(Karten, EveryEntranceAndPlacementCellIsReachableByThePathFinder) {
    for (const KartenPlan& p : content::AlleKarten()) {
        SCOPED_TRACE(p.name);
        LiesKarte(p);
        if (p.art == KartenArt::Tutorial) {
            // Before the first passage opens only the start yard and the recruiter are reachable.
            std::memset(BodenGitter, 0, sizeof BodenGitter);
            for (auto& spalte : StadtGitter)
                for (StadtFeld& f : spalte)
                    if (f.Eingang != 7) f.Eingang = 0;
            EXPECT_EQ(content::PruefeErreichbarkeit(1), "");
            LiesKarte(p);
            EXPECT_NE(content::PruefeErreichbarkeit(1), "");  // the yards behind the walls are closed
            content::TutorialAllesOeffnen();
        }
        EXPECT_EQ(content::PruefeErreichbarkeit(4), "");
    }
}

TEST_F(Karten, TheTutorialMapIsLaidOutAsItsStepsNameIt) {
    const KartenPlan tutorial = content::AlleKarten()[20];
    ASSERT_EQ(tutorial.art, KartenArt::Tutorial);
    LiesKarte(tutorial);
    EXPECT_EQ(StadtGitter[kAnwerberX][kAnwerberZ].Eingang, 7);
    // The recruiter's table is in sight of the start: straight ahead of the own figure.
    EXPECT_EQ(kAnwerberX, content::StartX);
    // And someone stands at it: his model in the table's blocked cell, behind it, facing the start.
    int anwerber = 0;
    for (const ObjektRecord& o : StadtObjekte)
        if (o.Aktiv && o.Modell == content::modell::Anwerber) {
            ++anwerber;
            EXPECT_EQ(std::lround(o.Position[0] / 10), kAnwerberX);
            EXPECT_EQ(std::lround(o.Position[2] / 10), kAnwerberZ);
            EXPECT_GT(o.Position[2], float(kAnwerberZ * 10));
            EXPECT_EQ(o.Drehung[1], 0.0f);
        }
    EXPECT_EQ(anwerber, 1);
    for (const content::Zelle& c : content::TutorialDurchgaenge()) EXPECT_EQ(StadtGitter[c.x][c.z].Blockiert, 1);
    // Figures are placed only in the hostile's yard until step 13 moves the area.
    for (int x = 0; x < GITTER_GROESSE; ++x)
        for (int z = 0; z < GITTER_GROESSE; ++z)
            if (BodenGitter[x][z]) {
                EXPECT_TRUE(x >= 51 && x <= 63 && z >= 35 && z <= 45) << x << "," << z;
                EXPECT_EQ(StadtGitter[x][z].Blockiert, 0);
            }
    int freiNeu = 0;
    for (int x = 65; x <= 75; ++x)
        for (int z = 35; z <= 45; ++z) freiNeu += !StadtGitter[x][z].Blockiert && !StadtGitter[x][z].Eingang;
    EXPECT_GT(freiNeu, 90);
    const auto zahl = Eingaenge();
    EXPECT_EQ(zahl.count(2), 0u);  // a trader cell would get a fixed figure at every spawn
    EXPECT_GE(zahl.at(1), 5);
    EXPECT_EQ(zahl.at(5), 1);
    EXPECT_EQ(zahl.at(3), 1);
    EXPECT_EQ(zahl.at(6), 1);

    // The template holds what the steps ask for, and more than 12 tins to recruit with.
    LiesZustand(tutorial);
    std::map<int, int> items;
    for (auto& behaelter : Behaelter)
        for (auto& reihe : behaelter)
            for (ItemSlot& s : reihe)
                if (s.ItemId) items[s.ItemId] += std::max<int>(1, s.ItemAnzahl);
    for (int id : {1029, 1028, 1027, 1042, 1039, 1036, 1004, 1053, 1014}) EXPECT_GT(items[id], 0) << id;
    EXPECT_GT(items[1003], 12);
    EXPECT_EQ(Figuren[0].Aktiv, 0);
}

TEST_F(Karten, TemplatesStockTheContainersAndHoldNoPersons) {
    for (const KartenPlan& p : content::AlleKarten()) {
        if (p.zustand.empty()) continue;
        SCOPED_TRACE(p.name);
        LiesKarte(p);
        LiesZustand(p);
        EXPECT_EQ(Figuren[0].Aktiv, 0);
        int frei = 0, feuer = 0, lichter = 0;
        std::set<int> typen;
        for (const FigurRecord& f : Figuren) {
            if (!f.Aktiv) {
                ++frei;
                continue;
            }
            typen.insert(f.Typ);
            const bool emitter = f.Typ == 10000 || (f.Typ >= 10002 && f.Typ <= 10007);
            EXPECT_TRUE(emitter || (f.Typ >= 1000 && f.Typ <= 1191)) << "type " << f.Typ;
            feuer += f.Typ == 10000 || f.Typ == 10002;
            lichter += emitter && f.Typ != 10007;
            if (f.Typ < 2000) {  // a floor item on a free cell
                EXPECT_EQ(f.TeilModelle[0], f.Typ);
                EXPECT_EQ(StadtGitter[int(f.Position[0]) / 10][int(f.Position[2]) / 10].Blockiert, 0);
            }
        }
        EXPECT_GT(frei, 400);
        EXPECT_GT(feuer, 0);
        EXPECT_LT(lichter, 99);
        if (p.art == KartenArt::Stadt) {
            for (int t : {10000, 10002, 10003, 10006, 10007}) EXPECT_TRUE(typen.count(t)) << t;
        }
        // Every container entrance has something in it; wells hold water vessels.
        for (int x = 0; x < GITTER_GROESSE; ++x)
            for (int z = 0; z < GITTER_GROESSE; ++z) {
                const StadtFeld& c = StadtGitter[x][z];
                if (c.Eingang != 1 && c.Eingang != 5) continue;
                int belegt = 0, wasser = 0;
                for (auto& reihe : Behaelter[c.BehaelterIndex])
                    for (ItemSlot& s : reihe) {
                        belegt += s.ItemId != 0;
                        wasser += s.ItemId == 1007 || s.ItemId == 1012 || s.ItemId == 1038;
                    }
                // The tutorial's well stays empty: the day's water is for the player's bottles.
                if (c.Eingang == 5 && p.art == KartenArt::Tutorial) {
                    EXPECT_EQ(belegt, 0) << x << "," << z;
                    continue;
                }
                EXPECT_GT(belegt, 0) << x << "," << z;
                if (c.Eingang == 5) {
                    EXPECT_GT(wasser, 0) << x << "," << z;
                }
            }
    }
}

// A new game in town 0 with the generated files: the own figure and the eight townsfolk stand on
// free cells, every figure on a placement cell.
TEST_F(Karten, ANewGameInTownZeroPlacesEveryoneOnFreeCells) {
    const fs::path vorher = fs::current_path();
    fs::current_path(*ordner_);
    ZufallSaat(1);
    ASSERT_TRUE(StarteStadtNull());
    fs::current_path(vorher);
    int leute = 0;
    for (const FigurRecord& f : Figuren) {
        if (!f.Aktiv || f.Typ < 10 || f.Typ > 18) continue;
        ++leute;
        const int x = int(f.Position[0]) / 10, z = int(f.Position[2]) / 10;
        EXPECT_EQ(BodenGitter[x][z], 1);
        EXPECT_EQ(StadtGitter[x][z].Blockiert, 0);
    }
    EXPECT_EQ(leute, StadtTabelle[0].Bewohner);
    int traders = 0;
    for (const FigurRecord& f : Figuren) traders += f.Aktiv && f.Typ == 9999;
    EXPECT_GT(traders, 0);
}

}  // namespace
