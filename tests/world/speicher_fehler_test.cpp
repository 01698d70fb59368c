// Saves cut off by a full disk or by the process being killed after each write in turn: the slot
// holds the old game or the new one, never a mix, and the next load takes it. The same for the
// town write-back of a raid. The kill runs a child (this program again) under strace, which kills
// it at the n-th call of a file operation.
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>

#include "platform/os.h"
#include "sim_fixture.h"
#include "world/gamefiles.h"
#include "world/save_load.h"

namespace {

using Ordner = std::map<std::string, std::vector<uint8_t>>;

std::string Arbeitskopie(int i) { return "Gamestate/S_Town" + std::to_string(i) + ".dat"; }

// A game that differs from game to game in its globals, its current town and the other towns.
void Spiel(uint32_t saat) {
    LeereWelt();
    AktivesFensterOhneTakt();
    AktuelleStadt = 3;
    TagZaehler = int32_t(saat);
    const std::vector<uint8_t> figuren = ZufallsBytes(sizeof Figuren, saat);
    std::memcpy(Figuren, figuren.data(), figuren.size());
    for (int i = 0; i < 20; ++i)
        if (i != 3) SchreibDatei(Arbeitskopie(i), ZufallsBytes(STADTZUSTANDDATEI_GROESSE, saat * 100 + uint32_t(i)));
    std::vector<uint8_t> karte(STADTDATEI_GROESSE, 0);
    SchreibDatei("Data/Towns/town3.dat", karte);
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

constexpr const char* kKind = "VELQUOR_SPEICHER_KIND";

// Runs the child's test in the given folder, under strace with the given injection ("" none).
// True when it ran to its end.
bool Kind(const std::string& ordner, const std::string& test, const std::string& eingriff) {
    std::string befehl = std::string(kKind) + "='" + ordner + "' ";
    if (!eingriff.empty())
        befehl += "strace -qq -o /dev/null -e trace=" + eingriff.substr(0, eingriff.find(':')) + " -e inject=" + eingriff + " ";
    befehl += "/proc/" + std::to_string(getpid()) + "/exe --gtest_filter=SpeicherKind." + test + " >/dev/null 2>&1";
    const int status = std::system(befehl.c_str());
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool StraceGeht() { return std::system("strace -qq -o /dev/null true >/dev/null 2>&1") == 0; }

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

// The child: saves game 2 into slot 1 of the folder it is given.
TEST(SpeicherKind, Speichert) {
    const char* ordner = std::getenv(kKind);
    if (!ordner) GTEST_SKIP() << "runs only as the child of the save fault tests";
    std::filesystem::current_path(ordner);
    std::vector<std::string> meldungen;
    os::CaptureMessageBoxes(&meldungen);
    AufzeichnungsGeraet geraet;
    Spiel(2);
    std::_Exit(SpielSpeichern("save/slot1/") ? 0 : 3);
}

TEST_F(SpeicherFehler, KilledAfterEachWriteTheSlotLoadsTheOldOrTheNewGame) {
    if (!StraceGeht()) GTEST_SKIP() << "strace cannot run here: the kill test needs it";
    Spiel(1);
    ASSERT_TRUE(SpielSpeichern("save/slot1/"));
    const Ordner alt = Lies("save/slot1");
    const std::string hier = std::filesystem::current_path().string();
    ASSERT_TRUE(Kind(hier, "Speichert", ""));
    const Ordner neu = Lies("save/slot1");
    ASSERT_NE(alt, neu);
    // A save makes 21 writes and 64 renames (21 files written aside, the marker, old aside and new
    // in place for each file) and removes 22 files: kills before, inside and after the commit.
    const std::pair<const char*, int> punkte[] = {
        {"write", 3},   {"write", 20},  {"rename", 5},  {"rename", 21}, {"rename", 22}, {"rename", 23},
        {"rename", 24}, {"rename", 41}, {"rename", 64}, {"unlink", 1},  {"unlink", 12}, {"unlink", 22},
    };
    for (const auto& [aufruf, n] : punkte) {
        Setze("save/slot1", alt);
        const std::string fall = std::string(aufruf) + " " + std::to_string(n);
        EXPECT_FALSE(Kind(hier, "Speichert", std::string(aufruf) + ":signal=KILL:when=" + std::to_string(n))) << fall;
        PruefeSlot(alt, neu, "killed at " + fall);
        if (HasFatalFailure()) return;
    }
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
