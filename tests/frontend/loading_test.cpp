// The loading sequence on a small pack set made here.
#include <filesystem>
#include <iterator>

#include "content/pack_writer.h"
#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "frontend_fixture.h"
#include "platform/random.h"
#include "townview/weather.h"
#include "world/anzeige.h"

namespace {

const char* const kSounds[] = {
    "miss.wav", "Schlag000.wav", "YesSir.wav", "Ready.wav", "Yes.wav", "Hmm.wav", "Click.wav",
    "np.wav", "AllRight.wav", "iwillgo.wav", "Yeah.wav", "Flug.wav", "Blitz000.wav", "Regen.wav",
    "Pistole000.wav", "Wind000.wav", "Footstep.wav", "Stempel.wav", "Gewehr000.wav", "Blitz001.wav",
    "Nachladen.wav", "Info.wav", "Equip.wav", "Item.wav", "Scroll_Text.wav",
};
const char* const kMusik[] = {"Ingame.mp3", "Ingame2.mp3", "Enemy.mp3", "Hauptmenue.mp3", "Kampf.mp3"};
const int kMusikSlots[] = {0, 1, 2, 4, 5};
const char* const kZeiger[] = {"blank.cur", "heilen.cur", "Bewegen.cur", "Angreifen.cur",
                               "Sprechen.cur", "Sanduhr.cur", "Drehen.cur"};
const char* const kTexte[] = {"Text_Standard.txt", "namen_m.txt", "Sprechen.txt", "mitwirkende.txt"};

class LoadingTest : public FrontendTest {
protected:
    void SetUp() override
    {
        FrontendTest::SetUp();
        // Each file a payload of its own: a sound id's WAV is longer the higher the id, a music slot's
        // file as many bytes as 100 + the slot.
        content::PackWriter klang;
        for (size_t k = 0; k < std::size(kSounds); ++k) {
            const int id = k < 19 ? int(k) : int(k) + 1;  // id 19 is the speech file
            SchreibeWav("ton.wav", 200 + 50 * id);
            const std::string ton = LeseText("ton.wav");
            klang.Add(kSounds[k], std::vector<uint8_t>(ton.begin(), ton.end()));
        }
        for (size_t k = 0; k < std::size(kMusik); ++k) klang.Add(kMusik[k], std::string(100 + kMusikSlots[k], 'm'));
        SchreibeDatei("Data/Pack13.gzp", klang.Build());

        SchreibeDatei("Data/Pack14.gzp", Texte("Deutsch").Build());
        SchreibeDatei("Data/Pack20.gzp", Texte("Russisch").Build());

        content::PackWriter zeiger;
        for (const char* z : kZeiger) zeiger.Add(z, std::string("kein Zeiger"));
        SchreibeDatei("Data/Pack15.gzp", zeiger.Build());

        SchreibeDatei("save/save.dat", std::vector<uint8_t>(20, '\n'));
        SchreibeWav("Data/Speak/Tutorial/0135.wav", 200 + 50 * 19);
        std::filesystem::remove("ton.wav");
    }

    static content::PackWriter Texte(const std::string& sprache)
    {
        content::PackWriter p;
        p.Add("Text_Standard.txt", "Null " + sprache + " Zwei");
        p.Add("namen_m.txt", std::string("Hans Kurt"));
        p.Add("Sprechen.txt", std::string("[ORT] Stadt"));
        p.Add("mitwirkende.txt", "Wir " + sprache);
        return p;
    }
};

TEST_F(LoadingTest, EndStateAfterTheSequence)
{
    SetupWerte.SOUND = 1;
    for (int32_t& c : MenueZaehler) c = 77;
    CursorIndex = 5;
    EditorAktiv = 1;
    GespraechsPhase = 3;
    ZufallSaat(1);

    DatenLaden();

    EXPECT_EQ(SpielModus, 13000);
    EXPECT_EQ(CursorIndex, 2);
    EXPECT_EQ(MusikTrack, 4);
    EXPECT_EQ(EditorAktiv, 0);
    EXPECT_EQ(GespraechsPhase, 0);
    for (int32_t c : MenueZaehler) EXPECT_EQ(c, 0);
    EXPECT_STREQ(TextStandard[1], "Deutsch");
    EXPECT_STREQ(Mitwirkende[1], "Deutsch");

    // Only the sound effects stay unpacked, until shut-down deletes them.
    for (const char* s : kSounds) EXPECT_TRUE(std::filesystem::exists(s)) << s;
    for (const char* m : kMusik) EXPECT_FALSE(std::filesystem::exists(m)) << m;
    for (const char* z : kZeiger) EXPECT_FALSE(std::filesystem::exists(z)) << z;
    for (const char* t : kTexte) EXPECT_FALSE(std::filesystem::exists(t)) << t;

    // The music stays in memory after its files are gone; slot 3 stays empty.
    for (int slot : {0, 1, 2, 4, 5}) EXPECT_TRUE(audio::MusicLoaded(slot)) << slot;
    EXPECT_FALSE(audio::MusicLoaded(3));
    for (int id = 0; id < 26; ++id) EXPECT_TRUE(audio::EffectLoaded(id)) << id;
    // Each file in its own slot: the sounds' lengths grow with their ids, the speech file in id 19.
    for (int id = 1; id < 26; ++id) EXPECT_GT(audio::EffectBytes(id), audio::EffectBytes(id - 1)) << id;
    for (int slot : kMusikSlots) EXPECT_EQ(audio::MusicBytes(slot), size_t(100 + slot)) << slot;

    // The loading picture and 17 bars, each presented at once.
    EXPECT_EQ(Anzahl(gfx::CallType::Present), 18);
    EXPECT_EQ(QuadsVon(41).size(), 1u);
    EXPECT_EQ(QuadsVon(164).size(), 17u);
    const auto fuellung = QuadsVon(9);
    ASSERT_EQ(fuellung.size(), 17u);
    for (int i = 0; i < 17; ++i) EXPECT_FLOAT_EQ(fuellung[i].w, 14.0f * (i + 1));

    // The rain drops, drawn in order x, y, z from the game's generator.
    ZufallSaat(1);
    for (const auto& t : RegenTropfen) {
        EXPECT_FLOAT_EQ(t.x, 10.0f * (Zufall() % 30));
        EXPECT_FLOAT_EQ(t.y, 10.0f * (Zufall() % 50));
        EXPECT_FLOAT_EQ(t.z, 10.0f * (Zufall() % 30));
    }

    ZumHauptmenue();
    EXPECT_EQ(SpielModus, 3000);
}

TEST_F(LoadingTest, TextTablesComeFromTheArchiveOfTheLanguage)
{
    Sprache = 2;
    DatenLaden();
    EXPECT_STREQ(TextStandard[1], "Russisch");
    EXPECT_EQ(QuadsVon(9).size(), 17u);
}

TEST_F(LoadingTest, UnknownLanguageLoadsNoTextsAndSkipsTwoBars)
{
    Sprache = 3;
    DatenLaden();
    EXPECT_STREQ(TextStandard[1], "");
    EXPECT_EQ(QuadsVon(9).size(), 15u);
    EXPECT_EQ(SpielModus, 13000);
}

}  // namespace
