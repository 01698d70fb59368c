// The generated data set (build/game) read back with the game's own readers and loaders: every
// list entry, glyph, icon and texture is present and decodes, every text entry the screens name
// is filled in each language and drawable in its fonts. Also writes pictures of the art and the
// fonts, drawn with the OpenGL device, into the build folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>

#include "framework/font.h"
#include "framework/services_interaction.h"
#include "framework/items.h"
#include "framework/keyboard.h"
#include "framework/lists.h"
#include "framework/myapp.h"
#include "framework/packarchiv.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "framework/tokendatei.h"
#include "platform/gfx.h"
#include "platform/gfx_recording.h"
#include "platform/image.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/window.h"
#include "world/spielglobals.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGame = fs::path(VELQUOR_BINARY_DIR) / "game";

// Every level texture index a screen, pass or panel draws.
const int kTexturenIndizes[] = {
    0,   1,   2,   3,   5,   6,   7,   8,   9,   10,  12,  13,  14,  15,  16,  17,  18,  19,  20,  22,  23,  24,
    25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  43,  44,  45,  46,  47,
    48,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  62,  63,  64,  65,  66,  67,  68,  69,  70,  71,
    72,  73,  74,  75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,  86,  87,  88,  89,  90,  91,  92,  93,
    94,  95,  96,  97,  98,  99,  100, 102, 103, 104, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117,
    118, 119, 120, 121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139,
    140, 141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 160, 161, 162, 163, 164, 165, 166,
    167, 168, 169, 170, 171, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192,
    193, 194, 195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214,
    215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230, 231, 232, 233, 234, 235, 236,
    237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251, 252, 253, 254, 255, 256, 257, 258,
    259, 260, 261, 262, 264, 267, 268, 269, 270,
};

// The fixed mesh slots the passes draw.
const int kFesteMeshSlots[] = {9000, 9001, 9002, 9003, 9004, 9005, 9006, 9007, 9008, 9009, 9010, 9011, 9012, 9014, 9015, 9016, 9017, 9018, 9019};

const char* const kListen[] = {"Boden.txt", "Fig_Anims.txt", "Items.txt", "Level001.txt", "s_Mesh.txt",
                               "Schrift000.txt", "Schrift001.txt", "Schrift002.txt", "Schrift003.txt"};

std::string ListenPack(int sprache) { return "Data/Pack" + std::to_string(16 + sprache) + ".gzp"; }
std::string TextPack(int sprache) { return sprache == 0 ? "Data/Pack14.gzp" : sprache == 1 ? "Data/Pack19.gzp" : "Data/Pack20.gzp"; }

// A working directory of the test's own with "Data" pointing at the generated data, so the game's
// loaders unpack into it and tests can run side by side.
class DatenSatz : public ::testing::TestWithParam<int> {
protected:
    fs::path alt, ordner;
    std::vector<std::string> meldungen;

    void SetUp() override {
        ASSERT_TRUE(fs::exists(kGame / "Data" / "Pack3.gzp")) << "the default build makes the data set first";
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "_" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        ordner = fs::path(::testing::TempDir()) / ("content_" + name + "_" + std::to_string(getpid()));
        fs::create_directories(ordner);
        fs::create_directory_symlink(kGame / "Data", ordner / "Data");
        alt = fs::current_path();
        fs::current_path(ordner);
        os::CaptureMessageBoxes(&meldungen);
    }
    void TearDown() override {
        os::CaptureMessageBoxes(nullptr);
        MyApp.Shutdown();
        fs::current_path(alt);
        fs::remove_all(ordner);
    }

    void Entpacke(const std::string& pack, const char* name) {
        ASSERT_TRUE(EntpackeDatei(pack.c_str(), name)) << name << " missing from " << pack;
    }

    void LadeAlleListen(int sprache) {
        Sprache = sprache;
        for (const char* liste : kListen) Entpacke(ListenPack(sprache), liste);
        LadeLevelTexturen("Level001.txt");
        LadeLevelModelle("Level001.txt");
        LadeMeshes("s_Mesh.txt");
        for (int f = 0; f < 4; ++f) LadeSchrift(("Schrift00" + std::to_string(f) + ".txt").c_str(), f);
        LadeEnergieTexturen("Level001.txt");
        LadeItems("Items.txt");
        LadeBodenTiles("Boden.txt");
        LadeFigAnims("Fig_Anims.txt");
    }

    std::vector<std::string> Woerter(const std::string& datei) {
        TokenDatei t;
        EXPECT_TRUE(t.Oeffnen(datei)) << datei;
        std::vector<std::string> w;
        for (std::string s; t.Wort(s);) w.push_back(s);
        return w;
    }
};

// Every byte of a text can be drawn and moves the pen on, in every font of its language.
void PruefeZeichbar(const std::string& wort, bool kyrillisch, const std::string& wo) {
    for (unsigned char b : wort) {
        if (b == '_' || b == '@') continue;
        for (int font = 0; font < 4; ++font) {
            const SchriftZeichen z = SchriftZeichenInfo(b, font, kyrillisch);
            if (z.glyph < 0 || z.vorschub <= 0) {
                ADD_FAILURE() << wo << ": byte 0x" << std::hex << int(b) << " cannot be drawn in font " << font
                              << " of \"" << wort << "\"";
                return;
            }
        }
    }
}

TEST_P(DatenSatz, ListenEintraegeSindDaUndLadenSich) {
    const int sprache = GetParam();
    MyApp.m_pd3dDevice = gfx::CreateRecordingDevice();
    LadeAlleListen(sprache);
    EXPECT_TRUE(meldungen.empty()) << meldungen.size() << " messages, the first: " << meldungen.front();

    for (int i : kTexturenIndizes) EXPECT_NE(MyApp.Texturen[i], 0u) << "Texturen[" << i << "]";
    const int glyphen = sprache == 2 ? 94 : 86;
    for (int f = 0; f < 4; ++f)
        for (int g = 0; g < glyphen; ++g) EXPECT_NE(MyApp.SchriftTexturen[f * 100 + g], 0u) << "font " << f << " glyph " << g;
    for (int e = 0; e < MyApp::kEnergieTexturen; ++e) EXPECT_NE(MyApp.EnergieTexturen[e], 0u) << "energy " << e;
    for (int k = 0; k < kItemAnzahl; ++k) {
        EXPECT_NE(MyApp.Meshes[1000 + k], 0u) << "item model " << k;
        EXPECT_NE(MyApp.ItemIconTexturen[k], 0u) << "item icon " << k;
        EXPECT_GT(std::strlen(ItemNamen[k]), 0u) << "name of item " << k;
        EXPECT_GT(std::strlen(ItemTexte[k]), 0u) << "text of item " << k;
        EXPECT_GE(ItemWerte[k], 0) << "value of item " << k;
    }
    for (int slot : kFesteMeshSlots) EXPECT_NE(MyApp.Meshes[slot], 0u) << "mesh slot " << slot;
    for (int slot = 2000; slot <= 2121; ++slot) EXPECT_NE(MyApp.Meshes[slot], 0u) << "animation slot " << slot;
    for (int t = 0; t <= 24; ++t) EXPECT_NE(MyApp.BodenTexturen[t], 0u) << "floor tile " << t;

    // Each of the 192 identifiers exactly once, in a record of six tokens.
    const std::vector<std::string> w = Woerter("Items.txt");
    ASSERT_FALSE(w.empty());
    EXPECT_EQ(w[0], "[Load_Items]");
    ASSERT_EQ(w.size(), 1u + 6u * kItemAnzahl);
    std::set<std::string> ids;
    for (size_t r = 0; r < kItemAnzahl; ++r) {
        const std::string& id = w[1 + 6 * r];
        EXPECT_GE(ItemIndex(id.c_str()), 0) << id;
        EXPECT_TRUE(ids.insert(id).second) << id << " twice";
        PruefeZeichbar(w[1 + 6 * r + 3], sprache == 2, "Items.txt");
        PruefeZeichbar(w[1 + 6 * r + 4], sprache == 2, "Items.txt");
    }
}

TEST_P(DatenSatz, TexteSindGefuelltUndZeichenbar) {
    const int sprache = GetParam();
    const bool kyr = sprache == 2;
    std::memset(TextStandard, 0, sizeof TextStandard);
    std::memset(SprechTexte, 0, sizeof SprechTexte);
    std::memset(Mitwirkende, 0, sizeof Mitwirkende);
    std::memset(MaennerNamen, 0, sizeof MaennerNamen);
    ZufallZeilenZahl = 0;
    for (const char* datei : {"Text_Standard.txt", "Sprechen.txt", "namen_m.txt", "mitwirkende.txt"}) {
        Entpacke(TextPack(sprache), datei);
        for (const std::string& wort : Woerter(datei))
            if (wort.front() != '[') PruefeZeichbar(wort, kyr, datei);
    }
    LadeTextStandard("Text_Standard.txt");
    LadeSprechen("Sprechen.txt");
    LadeNamen("namen_m.txt");
    LadeMitwirkende("mitwirkende.txt");
    EXPECT_TRUE(meldungen.empty());

    // Entries 0 to 265 are named by the screens, panels, tooltips, hints and the tutorial.
    for (int n = 0; n <= 265; ++n) EXPECT_GT(std::strlen(TextStandard[n]), 0u) << "TextStandard " << n;
    // The longer texts fit the places the screens give them (widest line, in the font they use).
    Sprache = sprache;
    struct Platz {
        int von, bis, font, breite;
    };
    // The talk panel's inner frame ends at x 748: the lines start at 397 and 399, the choices "n. "
    // at 271 (in font 3 while hovered); the game menu's buttons are 80 wide (211..290).
    for (const Platz& p : {Platz{127, 172, 2, 349}, Platz{185, 185, 2, 349}, Platz{191, 260, 2, 500},
                           Platz{18, 26, 2, 215}, Platz{52, 53, 2, 215}, Platz{61, 64, 2, 215},
                           Platz{78, 78, 1, 480}, Platz{182, 183, 1, 480}, Platz{262, 265, 1, 480},
                           Platz{186, 187, 3, 460}, Platz{21, 23, 3, 80}, Platz{55, 56, 3, 80}})
        for (int n = p.von; n <= p.bis; ++n)
            EXPECT_LE(SchriftBreite(TextStandard[n], p.font), p.breite) << "TextStandard " << n << " is too wide";
    // The partner's lines of a conversation, the recruiting answers among them, at (399, 229); its
    // menu rows "n. " at 271.
    for (int abschnitt : {SPRECH_HALLO, SPRECH_JOB_SOELDNER, SPRECH_REKRUT_JA, SPRECH_REKRUT_KEIN_ITEM, SPRECH_NEUES,
                          SPRECH_WO_BIN_ICH, SPRECH_FEIND, SPRECH_JOB_TECHNIKER, SPRECH_JOB_DOKTOR,
                          SPRECH_JOB_HAENDLER, SPRECH_JOB_JAEGER, SPRECH_JOB_SAMMLER})
        for (int n = 0; n < SPRECH_ZEILEN; ++n)
            EXPECT_LE(SchriftBreite(SprechTexte[abschnitt][n], 2), 349) << "Sprechen " << abschnitt << " " << n << " is too wide";
    for (int n = 0; n < SPRECH_ZEILEN; ++n)
        EXPECT_LE(SchriftBreite(SprechTexte[SPRECH_CHAR_TEXTE][n], 3), 460) << "menu row " << n << " is too wide";
    // Where a tooltip or a tutorial step points at one thing, its German text names that thing:
    // the stock panel's pump slot, food slot and gauge; the short skip button, which runs only
    // while held; the tutorial steps that wait for a stationed member, for the trap and pump in
    // their slots, for the rat from the kitchen chest and for the well.
    if (sprache == 0) {
        const std::pair<int, const char*> worte[] = {{99, "Pumpe"},        {100, "Nahrung"},     {101, "Verseuchung"},
                                                     {149, "Stationiere"}, {152, "Rattenfalle"}, {156, "Kiste"},
                                                     {162, "Brunnen"},     {173, "solange"}};
        for (const auto& [n, wort] : worte)
            EXPECT_NE(std::string(TextStandard[n]).find(wort), std::string::npos) << "TextStandard " << n << ": " << TextStandard[n];
    }
    auto zeilen = [](int abschnitt) {
        int n = 0;
        while (n < SPRECH_ZEILEN && SprechTexte[abschnitt][n][0]) ++n;
        return n;
    };
    EXPECT_EQ(zeilen(SPRECH_ORT), 20);
    EXPECT_EQ(ZufallZeilenZahl, zeilen(SPRECH_KAMPF));
    EXPECT_GT(ZufallZeilenZahl, 0);
    EXPECT_GE(zeilen(SPRECH_CHAR_TEXTE), 11);
    EXPECT_GE(zeilen(SPRECH_REKRUT_JA), 1);
    EXPECT_GE(zeilen(SPRECH_REKRUT_KEIN_ITEM), 1);
    for (int a : {SPRECH_HALLO, SPRECH_NEUES, SPRECH_WO_BIN_ICH, SPRECH_FEIND, SPRECH_JOB_SOELDNER, SPRECH_JOB_TECHNIKER,
                  SPRECH_JOB_DOKTOR, SPRECH_JOB_HAENDLER, SPRECH_JOB_JAEGER, SPRECH_JOB_SAMMLER})
        EXPECT_GE(zeilen(a), 10) << "section " << a;
    for (int n = 0; n < 250; ++n) {
        EXPECT_GT(std::strlen(MaennerNamen[n]), 0u) << "name " << n;
        EXPECT_LE(std::strlen(MaennerNamen[n]), 19u) << "name " << n;
    }
    EXPECT_GT(std::strlen(Mitwirkende[0]), 0u);
}

// Every character the name fields accept, found by pressing each key with and without Shift, has a
// glyph in every font of the language, and that glyph is in the data. The underscore a Space types
// shows as a blank, as it does in every text.
TEST_P(DatenSatz, JedesZeichenEinesNamensIstZeichenbar) {
    const int sprache = GetParam();
    MyApp.m_pd3dDevice = gfx::CreateRecordingDevice();
    LadeAlleListen(sprache);
    FensterAktiv = 1;
    ErstelleDirectInput();
    ErstelleTastatur();
    const win::WindowProc vorher = win::SetWindowProc(WndProc);  // typing comes from the window's key events
    NimmTastenDruecke();
    std::set<uint8_t> getippt;
    for (int taste = 1; taste <= kbd::dik::F12; ++taste)  // the main block: no key beyond it types
        for (const bool gross : {false, true}) {
            SpielModus = 6001;
            SpielerName[0] = 0;
            kbd::ClearForcedKeys();
            if (gross) kbd::ForceKey(kbd::dik::LShift, true);
            kbd::ForceKey(uint8_t(taste), true);
            win::PumpMessages();
            VerarbeiteTastatur();
            kbd::ClearForcedKeys();
            for (const char* c = SpielerName; *c; ++c) getippt.insert(uint8_t(*c));
        }
    GibTastaturFrei();
    win::SetWindowProc(vorher);
    // Digits, the underscore, and the letters of the language in both cases.
    EXPECT_EQ(getippt.size(), sprache == 2 ? 10u + 1u + 66u : 10u + 1u + 52u);
    for (const uint8_t b : getippt)
        for (int font = 0; font < 4; ++font) {
            const SchriftZeichen z = SchriftZeichenInfo(b, font, sprache == 2);
            EXPECT_GT(z.vorschub, 0) << "byte 0x" << std::hex << int(b) << " font " << font;
            if (b == '_') {
                EXPECT_LT(z.glyph, 0);
                continue;
            }
            ASSERT_GE(z.glyph, 0) << "byte 0x" << std::hex << int(b) << " font " << font;
            EXPECT_NE(MyApp.SchriftTexturen[font * 100 + z.glyph], 0u) << "byte 0x" << std::hex << int(b);
        }
}

INSTANTIATE_TEST_SUITE_P(Sprachen, DatenSatz, ::testing::Values(0, 1, 2));

using DatenDateien = DatenSatz;

TEST_F(DatenDateien, ZeigerSindEchteCurDateienMitHotspot) {
    for (const char* name : {"blank.cur", "heilen.cur", "Bewegen.cur", "Angreifen.cur", "Sprechen.cur", "Sanduhr.cur", "Drehen.cur"}) {
        uint32_t size = 0;
        auto data = EntpackeDatei("Data/Pack15.gzp", name, &size);
        ASSERT_TRUE(data) << name;
        os::CursorImage img;
        std::string error;
        ASSERT_TRUE(os::DecodeCursor(std::vector<uint8_t>(data.get(), data.get() + size), img, error)) << name << ": " << error;
        EXPECT_EQ(img.width, 32);
        EXPECT_EQ(img.height, 32);
        EXPECT_TRUE(img.hotX >= 0 && img.hotX < 32 && img.hotY >= 0 && img.hotY < 32) << name;
        int sichtbar = 0;
        for (size_t i = 3; i < img.rgba.size(); i += 4) sichtbar += img.rgba[i] > 0;
        if (std::string(name) == "blank.cur") {
            EXPECT_EQ(sichtbar, 0);
        } else {
            EXPECT_GT(sichtbar, 40) << name;
        }
    }
    std::vector<uint8_t> cur;
    ASSERT_TRUE(os::ReadFile((kGame / "cursor.cur").string(), cur));
    os::CursorImage img;
    std::string error;
    EXPECT_TRUE(os::DecodeCursor(cur, img, error)) << error;
}

TEST_F(DatenDateien, KlaengeMusikSpracheUndVideo) {
    auto istWav = [](const std::vector<uint8_t>& d) {
        return d.size() > 1000 && std::memcmp(d.data(), "RIFF", 4) == 0 && std::memcmp(d.data() + 8, "WAVE", 4) == 0;
    };
    for (const char* name : {"miss.wav", "Schlag000.wav", "YesSir.wav", "Ready.wav", "Yes.wav", "Hmm.wav", "Click.wav", "np.wav",
                             "AllRight.wav", "iwillgo.wav", "Yeah.wav", "Flug.wav", "Blitz000.wav", "Regen.wav", "Pistole000.wav",
                             "Wind000.wav", "Footstep.wav", "Stempel.wav", "Gewehr000.wav", "Blitz001.wav", "Nachladen.wav",
                             "Info.wav", "Equip.wav", "Item.wav", "Scroll_Text.wav"}) {
        uint32_t size = 0;
        auto data = EntpackeDatei("Data/Pack13.gzp", name, &size);
        ASSERT_TRUE(data) << name;
        EXPECT_TRUE(istWav(std::vector<uint8_t>(data.get(), data.get() + size))) << name;
    }
    for (const char* name : {"Ingame.mp3", "Ingame2.mp3", "Enemy.mp3", "Hauptmenue.mp3", "Kampf.mp3"}) {
        uint32_t size = 0;
        auto data = EntpackeDatei("Data/Pack13.gzp", name, &size);
        ASSERT_TRUE(data) << name;
        EXPECT_GT(size, 20000u) << name;
        EXPECT_EQ(data[0], 0xFF) << name;  // an MPEG audio frame right at the start
        EXPECT_EQ(data[1] & 0xE0, 0xE0) << name;
    }
    // The speech files the conversations, the scenes, the tutorial and the recruiter play.
    std::vector<std::string> sprache = {"Data/Speak/0.wav", "Data/Speak/Misc/0088.wav", "Data/Speak/Doktor/Sonstiges/3.wav",
                                        "Data/Speak/Anwerber/0175.wav"};
    for (const char* job : {"Soeldner", "Techniker", "Doktor", "Haendler", "Jaeger", "Sammler"}) {
        for (const char* thema : {"Hallo", "Job", "Neues", "WoBinIch"})
            for (int n = 1; n <= 10; ++n) sprache.push_back(std::string("Data/Speak/") + job + "/" + thema + "/" + std::to_string(n) + ".wav");
        for (int t = 0; t < 20; ++t) sprache.push_back(std::string("Data/Speak/") + job + "/Ort/" + std::to_string(t) + ".wav");
        if (std::string(job) != "Haendler")
            for (int n = 1; n <= 2; ++n) sprache.push_back(std::string("Data/Speak/") + job + "/Sonstiges/" + std::to_string(n) + ".wav");
    }
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "Data/Speak/Spieler/%04d.wav", n);
        sprache.push_back(buf);
    }
    for (int n = 135; n <= 174; ++n) {
        char buf[48];
        std::snprintf(buf, sizeof buf, "Data/Speak/Tutorial/%04d.wav", n);
        sprache.push_back(buf);
    }
    for (const std::string& pfad : sprache) {
        std::vector<uint8_t> d;
        EXPECT_TRUE(os::ReadFile(pfad, d) && istWav(d)) << pfad;
    }
    std::vector<uint8_t> avi;
    ASSERT_TRUE(os::ReadFile("Data/Intro.avi", avi));
    ASSERT_GT(avi.size(), 10000u);
    EXPECT_EQ(std::memcmp(avi.data() + 8, "AVI ", 4), 0);
}

TEST_F(DatenDateien, EinstellungenUndSpielstandListe) {
    // The generator writes them only when missing; whatever is there must read as settings.
    LadeSetup((kGame / "Data" / "Setup.txt").c_str());
    EXPECT_GT(SetupWerte.FRAMERATE, 0.0f);
    std::ifstream save(kGame / "save" / "save.dat");
    ASSERT_TRUE(save);
    int zeilen = 0;
    for (std::string z; std::getline(save, z);) ++zeilen;
    EXPECT_EQ(zeilen, 20);
    for (int k = 0; k < 20; ++k) EXPECT_TRUE(fs::is_directory(kGame / "save" / ("slot" + std::to_string(k)))) << k;
}

}  // namespace

// The portrait looks at a standing figure's head from 3.8 in front of it, with the near plane at 1:
// a head that leans further forward than that is cut away and the picture stays black. Squad
// members stand, walk, run or talk while their portrait shows in the squad bar.
TEST_F(DatenDateien, KoepfeDerLaufendenFigurenBleibenImPortrait) {
    auto geraet = std::make_unique<gfx::RecordingDevice>(false);
    const gfx::RecordingDevice& aufnahme = *geraet;
    MyApp.m_pd3dDevice = std::move(geraet);
    Entpacke(ListenPack(0), "Fig_Anims.txt");
    LadeFigAnims("Fig_Anims.txt");
    struct Block {
        const char* name;
        int basis, schritt;
    };
    for (const Block& b : {Block{"standing", 2000, 12}, Block{"walking", 2132, 12}, Block{"running", 2264, 12},
                           Block{"talking", 2848, 53}}) {
        for (int bild = 0; bild < b.schritt; ++bild) {
            const int slot = b.basis + b.schritt + bild;  // the head is the figure's second body part
            const gfx::MeshData* kopf = aufnahme.MeshOf(MyApp.Meshes[slot]);
            ASSERT_NE(kopf, nullptr) << b.name << " frame " << bild;
            float vorn = -1e9f, unten = 1e9f, oben = -1e9f;
            for (const gfx::Vertex& v : kopf->vertices) {
                vorn = std::max(vorn, v.z);
                unten = std::min(unten, v.y);
                oben = std::max(oben, v.y);
            }
            EXPECT_LT(vorn, 3.8f - 1.0f) << b.name << " frame " << bild << ": the face is nearer than the near plane";
            EXPECT_NEAR((unten + oben) / 2, 16.7f, 1.0f) << b.name << " frame " << bild;
        }
    }
}
