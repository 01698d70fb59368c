// Saves cut off by a full disk or by the process being killed after each write in turn: the slot
// holds the old game or the new one, never a mix, and the next load takes it. The same for the
// town write-back of a raid. The kill runs a child (this program again) under strace, which kills
// it at the n-th call of a file operation.
#include <sys/mount.h>

#include <cstdlib>
#include <cstring>
#include <map>

#include "framework/texte.h"
#include "platform/os.h"
#include "sim_fixture.h"
#include "tests/kind_prozess.h"
#include "world/enemy_army.h"
#include "world/gamefiles.h"
#include "world/raid.h"
#include "world/save_load.h"

namespace {

using Ordner = std::map<std::string, std::vector<uint8_t>>;

std::string Arbeitskopie(int i) { return "Gamestate/S_Town" + std::to_string(i) + ".dat"; }

// A game that differs from game to game in its globals, its current town and the other towns: in
// memory, and the files a save reads (the other towns' working copies, the current town's map).
void SpielImSpeicher(uint32_t saat) {
    LeereWelt();
    AktivesFensterOhneTakt();
    AktuelleStadt = 3;
    TagZaehler = int32_t(saat);
    const std::vector<uint8_t> figuren = ZufallsBytes(sizeof Figuren, saat);
    std::memcpy(Figuren, figuren.data(), figuren.size());
}
void SpielDateien(uint32_t saat) {
    for (int i = 0; i < 20; ++i)
        if (i != 3) SchreibDatei(Arbeitskopie(i), ZufallsBytes(STADTZUSTANDDATEI_GROESSE, saat * 100 + uint32_t(i)));
    std::vector<uint8_t> karte(STADTDATEI_GROESSE, 0);
    SchreibDatei("Data/Towns/town3.dat", karte);
}
void Spiel(uint32_t saat) {
    SpielImSpeicher(saat);
    SpielDateien(saat);
}

Ordner Lies(const std::string& ordner) {
    Ordner inhalt;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        inhalt[e.path().filename().string()] = LiesDatei(e.path().string());
    return inhalt;
}

void Setze(const std::string& ordner, const Ordner& inhalt) {
    std::filesystem::remove_all(ordner);
    std::filesystem::create_directories(ordner);
    for (const auto& [name, daten] : inhalt) SchreibDatei(ordner + "/" + name, daten);
}

class SpeicherFehler : public WeltTest {
protected:
    EigenerOrdner ordner;
    AufzeichnungsGeraet geraet;
    std::vector<std::string> meldungen;
    void SetUp() override {
        WeltTest::SetUp();
        os::CaptureMessageBoxes(&meldungen);
    }
    void TearDown() override { os::CaptureMessageBoxes(nullptr); }

    // After an interrupted save the slot loads, as the old game or the new one, whole.
    void PruefeSlot(const Ordner& alt, const Ordner& neu, const std::string& fall) {
        Spiel(99);
        ASSERT_TRUE(SpielLaden("save/slot1/")) << fall;
        const Ordner jetzt = Lies("save/slot1");
        EXPECT_TRUE(jetzt == alt || jetzt == neu) << fall << ": " << jetzt.size() << " files";
        EXPECT_EQ(TagZaehler, jetzt == alt ? 1 : 2) << fall;
    }
};

// The children: each works in the folder it is given, its files set up by the parent.
class SpeicherKind : public ::testing::Test {
protected:
    void SetUp() override {
        if (!KindOrdner()) GTEST_SKIP() << "runs only as the child of the save fault tests";
        std::filesystem::current_path(KindOrdner());
        os::CaptureMessageBoxes(&meldungen);
    }
    std::vector<std::string> meldungen;
};

// Saves game 2 into slot 1.
TEST_F(SpeicherKind, Speichert) {
    AufzeichnungsGeraet geraet;
    SpielImSpeicher(2);
    std::_Exit(SpielSpeichern("save/slot1/") ? 0 : 3);
}

// Saves game 2 into slot 1 under the name typed for it, as Return on the save screen does.
TEST_F(SpeicherKind, SpeichertUnterNeuemNamen) {
    AufzeichnungsGeraet geraet;
    SpielImSpeicher(2);
    std::strcpy(SpeicherSlotNamen[1], "neu");
    std::_Exit(SpeichereSlot(1) ? 0 : 3);
}

// Town 5 is raided and its working copy written back (no device: the battle's frames draw nothing).
TEST_F(SpeicherKind, Angriff) {
    LeereWelt();
    AktivesFensterOhneTakt();
    for (int i = 0; i < 20; ++i) WeltRaster[kStadtZellen[i].spalte][kStadtZellen[i].reihe].StadtId = i;
    LetzterWParam = 1;  // the decided battle closes at once
    StadtTabelle[5].Besitzer = 1;
    AktuelleStadt = 0;
    FeindAngriff(kStadtZellen[5].spalte, kStadtZellen[5].reihe, 300);
    std::_Exit(meldungen.empty() ? 0 : 3);
}

TEST_F(SpeicherFehler, KilledAfterEachWriteTheSlotLoadsTheOldOrTheNewGame) {
    if (!StraceGeht()) GTEST_SKIP() << "strace cannot run here: the kill test needs it";
    const KindArbeitsordner kindOrdner;
    Spiel(1);
    ASSERT_TRUE(SpielSpeichern("save/slot1/"));
    const Ordner alt = Lies("save/slot1");
    const std::string hier = kindOrdner.Pfad();
    SpielDateien(2);
    ASSERT_EQ(Kind(hier, "SpeicherKind.Speichert"), KindEnde::Durch);
    const Ordner neu = Lies("save/slot1");
    ASSERT_NE(alt, neu);
    // 21 files are written aside (in blocks, 153 writes), the marker set, each old file put aside and
    // each new one put in place (64 renames), the marker and the old files removed (22 removals):
    // cut all along, and at the edges of the commit (the marker, the first and last swaps).
    const int kills = ToeteNachJedemAufruf(
        hier, "SpeicherKind.Speichert",
        {{"write", 24, {3, 20}}, {"rename", 3, {5, 21, 22, 23, 24, 41, 64}}, {"unlink", 4, {12, 22}}},
        [&] {
            Setze("save/slot1", alt);
            SpielDateien(2);
        },
        [&](const std::string& fall) { PruefeSlot(alt, neu, fall); });
    EXPECT_GE(kills, 7 + 22 + 6);
}

// A save that fails leaves the list as it was: the name typed for it is not shown for the old game.
TEST_F(SpeicherFehler, AFailedSaveLeavesTheOldNameInTheList) {
    Spiel(1);
    std::strcpy(SpeicherSlotNamen[1], "alt");
    ASSERT_TRUE(SpeichereSlot(1));
    std::strcpy(SpeicherSlotNamen[1], "neu");
    std::filesystem::remove(Arbeitskopie(5));  // the save cannot read a town
    EXPECT_FALSE(SpeichereSlot(1));
    EXPECT_STREQ(SpeicherSlotNamen[1], "alt");
    EXPECT_EQ(meldungen.size(), 1u);
}

// The slot's name goes with its files: killed anywhere in a save under a new name, the list read at
// the next start names what the slot then holds, and the slot folder holds nothing else.
TEST_F(SpeicherFehler, KilledWhileSavingTheListNamesWhatTheSlotHolds) {
    if (!StraceGeht()) GTEST_SKIP() << "strace cannot run here: the kill test needs it";
    const KindArbeitsordner kindOrdner;
    Spiel(1);
    std::memset(SpeicherSlotNamen, 0, sizeof SpeicherSlotNamen);
    std::strcpy(SpeicherSlotNamen[1], "alt");
    ASSERT_TRUE(SpeichereSlot(1));
    const Ordner alt = Lies("save/slot1");
    const std::vector<uint8_t> altListe = LiesDatei("save/save.dat");
    const std::string hier = kindOrdner.Pfad();
    const auto vorher = [&] {
        Setze("save/slot1", alt);
        SchreibDatei("save/save.dat", altListe);
        SpielDateien(2);
    };
    vorher();
    ASSERT_EQ(Kind(hier, "SpeicherKind.SpeichertUnterNeuemNamen"), KindEnde::Durch);
    const Ordner neu = Lies("save/slot1");
    ASSERT_NE(alt, neu);
    const int kills = ToeteNachJedemAufruf(
        hier, "SpeicherKind.SpeichertUnterNeuemNamen", {{"rename", 2, {1, 2, 3}}, {"unlink", 2, {1, 2, 3}}}, vorher,
        [&](const std::string& fall) {
            std::memset(SpeicherSlotNamen, 0, sizeof SpeicherSlotNamen);
            LiesSlotNamen();
            const Ordner jetzt = Lies("save/slot1");
            ASSERT_TRUE(jetzt == alt || jetzt == neu) << fall << ": " << jetzt.size() << " files";
            EXPECT_STREQ(SpeicherSlotNamen[1], jetzt == alt ? "alt" : "neu") << fall;
        });
    EXPECT_GE(kills, 20);
}

// A raid writes its town's working copy back: killed at any point (every sixteenth block of the
// file), the copy is the one before the raid or the one after it, whole, and the next save takes it.
TEST_F(SpeicherFehler, KilledDuringARaidTheTownCopyIsTheOldOrTheNewOne) {
    if (!StraceGeht()) GTEST_SKIP() << "strace cannot run here: the kill test needs it";
    const KindArbeitsordner kindOrdner;
    LeereWelt();
    AktuelleStadt = 0;
    for (int i = 1; i < 20; ++i) SchreibDatei(Arbeitskopie(i), ZufallsBytes(STADTZUSTANDDATEI_GROESSE, uint32_t(i)));
    std::vector<uint8_t> alt = ZufallsBytes(sizeof Behaelter, 9);
    for (int i = 0; i < 3; ++i) Mitglied(AngriffsFiguren, 40 + i, 1, true);
    const auto* f = reinterpret_cast<const uint8_t*>(AngriffsFiguren);
    alt.insert(alt.end(), f, f + sizeof AngriffsFiguren);
    ASSERT_EQ(alt.size(), STADTZUSTANDDATEI_GROESSE);
    SchreibDatei("Data/Towns/town0.dat", std::vector<uint8_t>(STADTDATEI_GROESSE, 0));
    const std::string hier = kindOrdner.Pfad();
    SchreibDatei(Arbeitskopie(5), alt);
    ASSERT_EQ(Kind(hier, "SpeicherKind.Angriff"), KindEnde::Durch);
    const std::vector<uint8_t> neu = LiesDatei(Arbeitskopie(5));
    ASSERT_NE(alt, neu);
    const int kills = ToeteNachJedemAufruf(
        hier, "SpeicherKind.Angriff", {{"write", 16}, {"rename", 1}, {"unlink", 1}},
        [&] { SchreibDatei(Arbeitskopie(5), alt); },
        [&](const std::string& fall) {
            const std::vector<uint8_t> kopie = LiesDatei(Arbeitskopie(5));
            EXPECT_TRUE(kopie == alt || kopie == neu) << fall << ": " << kopie.size() << " bytes";
            LeereWelt();
            AktivesFensterOhneTakt();
            AktuelleStadt = 0;
            ASSERT_TRUE(SpielSpeichern("save/slot2/")) << fall;
            EXPECT_EQ(LiesDatei("save/slot2/S_Town5.dat"), kopie) << fall;
        });
    EXPECT_GE(kills, 2);  // at least: the copy written aside, and put in place
}

// A full disk: a small tmpfs as the save folder (needs the right to mount).
TEST_F(SpeicherFehler, SmallDiskLeavesTheOldGameUntilTheNewOneFits) {
    Spiel(1);
    std::filesystem::create_directories("save");
    const std::string save = (ordner.Pfad() / "save").string();
    const size_t slot = GLOBALDATEI_GROESSE + 20 * STADTZUSTANDDATEI_GROESSE;
    const std::string groesse = "size=" + std::to_string(slot + 64 * 1024);
    if (mount("tmpfs", save.c_str(), "tmpfs", 0, groesse.c_str()) != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(errno) << "): needs root";
    ASSERT_TRUE(SpielSpeichern("save/slot1/"));
    const Ordner alt = Lies("save/slot1");
    Spiel(2);
    meldungen.clear();
    EXPECT_FALSE(SpielSpeichern("save/slot1/"));  // no room for the new files beside the old ones
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(Lies("save/slot1"), alt);
    Spiel(99);
    EXPECT_TRUE(SpielLaden("save/slot1/"));
    EXPECT_EQ(TagZaehler, 1);
    // With room for both, from every point at which the disk filled up before, the new game lands.
    bool gespeichert = false;
    for (size_t frei = 0; frei <= slot; frei += slot / 2) {
        umount2(save.c_str(), MNT_DETACH);
        const std::string mehr = "size=" + std::to_string(slot + frei + 64 * 1024);
        ASSERT_EQ(mount("tmpfs", save.c_str(), "tmpfs", 0, mehr.c_str()), 0);
        Setze("save/slot1", alt);
        Spiel(2);
        gespeichert = SpielSpeichern("save/slot1/");
        if (!gespeichert) {
            EXPECT_EQ(Lies("save/slot1"), alt) << frei;
        }
        Spiel(99);
        ASSERT_TRUE(SpielLaden("save/slot1/")) << frei;
        EXPECT_EQ(TagZaehler, gespeichert ? 2 : 1) << frei;
    }
    EXPECT_TRUE(gespeichert);  // room for two slots
    umount2(save.c_str(), MNT_DETACH);
}

}  // namespace
