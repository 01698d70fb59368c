// A recorded game played back: the input of a short session (the intro, a new game through its
// screen, the tutorial's start and its recruiter into town 0, a conversation there, time passing,
// a save into slot 3) is replayed headless in a fresh copy of the data, and the save it ends with
// must equal the reference save kept beside the recording, byte for byte. A change that makes the
// game play differently shows up here.
//
// When the game's rules change on purpose, VELQUOR_NEUE_REFERENZ=1 plays the session live instead,
// records it and writes the recording and the reference save anew (see docs/replay.md).
#include <zlib.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "interaction/sprache.h"
#include "interaction/szenen.h"
#include "interaction/tutorial.h"
#include "platform/keyboard.h"
#include "platform/replay.h"
#include "tests/e2e/e2e_spiel.h"
#include "townview/picking.h"
#include "world/figur_hilfen.h"

namespace fs = std::filesystem;

namespace {

const fs::path kDaten = fs::path(VELQUOR_SOURCE_DIR) / "tests" / "e2e" / "daten" / "wiedergabe";
constexpr int kSlot = 3;
constexpr int kBilderJeSekunde = 40;  // the fixed settings' FRAMERATE of 0.025 s

std::vector<uint8_t> Lies(const fs::path& pfad)
{
    std::vector<uint8_t> d;
    os::ReadFile(pfad.string(), d);
    return d;
}

std::vector<uint8_t> Entpacke(const fs::path& pfad)
{
    std::vector<uint8_t> d;
    gzFile f = gzopen(pfad.string().c_str(), "rb");
    if (!f) return d;
    char puffer[65536];
    int n;
    while ((n = gzread(f, puffer, sizeof puffer)) > 0) d.insert(d.end(), puffer, puffer + n);
    gzclose(f);
    return d;
}

bool Packe(const fs::path& pfad, const std::vector<uint8_t>& d)
{
    gzFile f = gzopen(pfad.string().c_str(), "wb9");
    if (!f) return false;
    const bool ok = d.empty() || gzwrite(f, d.data(), unsigned(d.size())) == int(d.size());
    return gzclose(f) == Z_OK && ok;
}

class WiedergabeE2E : public SpielE2E {
protected:
    // The saved game: the slot's files and the list of slot names, relative to the game folder.
    std::set<std::string> Spielstand()
    {
        std::set<std::string> namen;
        for (const std::string& n : Dateien(spiel / "save" / ("slot" + std::to_string(kSlot))))
            namen.insert("save/slot" + std::to_string(kSlot) + "/" + n);
        namen.insert("save/save.dat");
        return namen;
    }

    // The game on the frame clock from the fixed settings, recording into or replaying from eingabe.
    void Starte(bool aufnehmen, const fs::path& eingabe)
    {
        fs::copy_file(kDaten / "Setup.txt", spiel / "Data" / "Setup.txt", fs::copy_options::overwrite_existing);
        SprachUhrNachBildern(kBilderJeSekunde);
        ShellOptions optionen;
        optionen.workDir = spiel.string();
        optionen.lockPath = spiel.string() + ".lock";
        (aufnehmen ? optionen.aufnahme : optionen.wiedergabe) = eingabe.string();
        ASSERT_TRUE(StarteProgramm(optionen));
    }

    void TearDown() override
    {
        SprachUhrNachBildern(0);
        kbd::ClearForcedKeys();
        SpielE2E::TearDown();
    }

    // Frames until the condition holds; false when it did not within n frames.
    static bool Bis(const std::function<bool()>& bedingung, int n = 3000)
    {
        for (int k = 0; k < n && BeendenFlag == 0; ++k) {
            if (bedingung()) return true;
            FrameSchritt();
        }
        return bedingung();
    }

    // A key held for one frame, then the typing delay run out.
    static void Taste(uint8_t code, bool umschalt = false)
    {
        if (umschalt) kbd::ForceKey(kbd::dik::LShift, true);
        kbd::ForceKey(code, true);
        FrameSchritt();
        kbd::ClearForcedKeys();
        Frames(7);
    }

    // Where on the screen the mouse ray meets what treffer tests; the mouse is put back.
    static bool SuchePunkt(const std::function<bool()>& treffer, int& x, int& y)
    {
        const int32_t mx = MyApp.MausX, my = MyApp.MausY;
        bool gefunden = false;
        for (int sy = 120; sy < 620 && !gefunden; sy += 4)
            for (int sx = 140; sx < 1000 && !gefunden; sx += 4) {
                MyApp.MausX = sx;
                MyApp.MausY = sy;
                if (treffer()) {
                    x = sx;
                    y = sy;
                    gefunden = true;
                }
            }
        MyApp.MausX = mx;
        MyApp.MausY = my;
        return gefunden;
    }

    // The session, played live by synthetic input only: nothing but messages and keys reach the game.
    void Sitzung()
    {
        ASSERT_TRUE(Bis([] { return SpielModus == 3000; }, 50));
        Frames(12);
        Bild("replay_01_menu");

        // The new-game screen: a name typed, the difficulty dragged, the start button.
        Klick(500, 310);
        ASSERT_EQ(SpielModus, 6000);
        Frames(12);
        Klick(150, 205);
        ASSERT_EQ(SpielModus, 6001);
        for (int i = 0; i < 12; ++i) Taste(kbd::dik::Back);
        Taste(kbd::dik::R, true);
        for (uint8_t t : {kbd::dik::U, kbd::dik::N, kbd::dik::A}) Taste(t);
        Taste(kbd::dik::Return);
        ASSERT_EQ(SpielModus, 6000);
        EXPECT_STREQ(SpielerName, "Runa");
        Ziehe(250, 290, 400, 350);
        Bild("replay_02_new_game");
        Klick(800, 260);
        ASSERT_EQ(SpielModus, 1000);
        ASSERT_EQ(TutorialSchritt, 1);

        // The tutorial's three talking panels, then its recruiter, whose second answer starts town 0.
        for (int i = 0; i < 3; ++i) {
            Frames(2);
            Klick(512, 482);
        }
        ASSERT_EQ(TutorialSchritt, 99);
        Taste(kbd::dik::K1);
        Frames(2);
        Bild("replay_03_tutorial");
        int x = 0, y = 0;
        ASSERT_TRUE(SuchePunkt([] { return PickeFeld(kAnwerberX * 10, kAnwerberZ * 10) != 0; }, x, y))
            << "the recruiter's door is off screen";
        RechtsKlick(x, y);
        ASSERT_TRUE(Bis([] { return InteraktionsModus == 7; })) << "the recruiter's scene did not open";
        Frames(2);
        Bild("replay_04_recruiter");
        Zeiger(400, 456);
        Frames(3);
        Klick(400, 456);
        ASSERT_TRUE(Bis([] { return TutorialSchritt == 0 && InteraktionsModus == 0; }, 200));
        Frames(3);
        Bild("replay_05_town_zero");

        // The hint panel closed, the own figure selected, the camera moved up the town (arrow key
        // held) until a townsperson is in sight; a right click on them in talk mode opens a
        // conversation once the figure has walked there: the news, then goodbye.
        Klick(512, 518);
        ASSERT_EQ(HinweisSichtbar, 0);
        Taste(kbd::dik::K1);
        int partner = -1;
        for (int schritt = 0; schritt < 200 && partner < 0; ++schritt) {
            for (int j = 0; j < FIGUREN_ANZAHL && partner < 0; ++j)
                if (Figuren[j].Aktiv == 1 && IstStadtvolk(Figuren[j].Typ) && Figuren[j].Typ != 16 &&
                    SuchePunkt([j] { return MausUeberFigur(j) != 0; }, x, y))
                    partner = j;
            if (partner >= 0) break;
            kbd::ForceKey(kbd::dik::Up, true);
            Frames(5);
            kbd::ClearForcedKeys();
            FrameSchritt();
        }
        ASSERT_GE(partner, 0) << "no townsperson in sight";
        Klick(60, 670);  // the talk mode
        ASSERT_EQ(BefehlsModus, 0);
        RechtsKlick(x, y);
        ASSERT_TRUE(Bis([] { return GespraechsPartner != 0; }, 1500)) << "no conversation opened";
        Frames(2);
        Bild("replay_06_conversation");
        Klick(300, 441);
        Frames(2);
        Klick(300, 501);
        ASSERT_TRUE(Bis([] { return GespraechsPartner == 0; }, 600));

        // Time passes.
        Frames(400);
        Bild("replay_07_later");

        // The game menu's save button, slot 3, a name typed and Return.
        Klick(23, 744);
        Frames(2);
        Klick(250, 453);
        ASSERT_EQ(SpielModus, 7000);
        Frames(12);
        Klick(450, 245);
        ASSERT_EQ(SpielModus, 7000 + kSlot + 1);
        for (uint8_t t : {kbd::dik::W, kbd::dik::E, kbd::dik::G}) Taste(t);
        Taste(kbd::dik::Return);
        ASSERT_EQ(SpielModus, 7000);
        Frames(2);
        Bild("replay_08_saved");
        EXPECT_EQ(Dateien(spiel / "save" / ("slot" + std::to_string(kSlot))).size(), 22u);  // and its name
    }
};

TEST_F(WiedergabeE2E, ARecordedGameEndsInTheReferenceSave)
{
    const fs::path eingabe = kDaten / "eingabe.txt";
    const fs::path referenz = kDaten / "referenz";
    if (const char* neu = std::getenv("VELQUOR_NEUE_REFERENZ"); neu && std::string(neu) == "1") {
        const fs::path aufnahme = spiel.string() + "_eingabe.txt";
        Starte(true, aufnahme);
        Sitzung();
        BeendeProgramm();
        ASSERT_FALSE(HasFatalFailure());
        fs::remove_all(referenz);
        for (const std::string& n : Spielstand()) {
            fs::create_directories((referenz / n).parent_path());
            ASSERT_TRUE(Packe(referenz / (n + ".gz"), Lies(spiel / n))) << n;
        }
        fs::copy_file(aufnahme, eingabe, fs::copy_options::overwrite_existing);
        fs::remove(aufnahme);
        for (const std::string& m : meldungen) ADD_FAILURE() << "message box: " << m;
        return;
    }

    ASSERT_TRUE(fs::exists(eingabe)) << eingabe << " is missing: record it with VELQUOR_NEUE_REFERENZ=1";
    Starte(false, eingabe);
    // A bound far above the recording's length: a game that stops pumping never hangs the test.
    for (int i = 0; i < 200000 && !replay::Finished() && BeendenFlag == 0; ++i) FrameSchritt();
    const std::string abweichung = replay::Fault();
    const bool fertig = replay::Finished();
    BeendeProgramm();
    EXPECT_EQ(abweichung, "") << "the replay left the recorded game";
    EXPECT_TRUE(fertig) << "the game ended before the recording";

    std::set<std::string> erwartet;
    for (const std::string& n : Dateien(referenz)) erwartet.insert(n.substr(0, n.size() - 3));
    EXPECT_EQ(Spielstand(), erwartet) << "the save's files differ from the reference's";
    for (const std::string& n : erwartet) {
        const std::vector<uint8_t> soll = Entpacke(referenz / (n + ".gz")), ist = Lies(spiel / n);
        size_t i = 0;
        while (i < soll.size() && i < ist.size() && soll[i] == ist[i]) ++i;
        if (i == soll.size() && i == ist.size()) continue;
        ADD_FAILURE() << n << " differs from the reference at byte " << i << " (" << ist.size() << " bytes, the reference "
                      << soll.size() << ")";
    }
    for (const std::string& m : meldungen) ADD_FAILURE() << "message box: " << m;
}

}  // namespace
