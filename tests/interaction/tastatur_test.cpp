// The keyboard handler: typing names, the function keys, squad keys, the town camera and the map.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "framework/setup.h"
#include "framework/shell.h"
#include "platform/keyboard.h"
#include "platform/window.h"
#include "tests/interaction/gespraech_fixture.h"
#include "world/save_load.h"

namespace {

namespace dik = kbd::dik;

class Tastatur : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        Sprache = 0;
        std::memset(SpeicherSlotNamen, 0, sizeof SpeicherSlotNamen);
    }
    void TearDown() override
    {
        Sprache = 0;
        DebugModus = 0;
        DialogTest::TearDown();
    }
};

struct Zeichenfall {
    const char* name;
    int sprache;
    uint8_t taste;
    bool umschalt;
    const char* erwartet;  // "" when the key types nothing
};

class TastenTabelle : public Tastatur, public ::testing::WithParamInterface<Zeichenfall> {};

TEST_P(TastenTabelle, TippenImNamen)
{
    const Zeichenfall& f = GetParam();
    Sprache = f.sprache;
    SpielModus = 6001;
    SpielerName[0] = 0;
    if (f.umschalt)
        Tasten({f.taste, dik::LShift});
    else
        Tasten({f.taste});
    EXPECT_STREQ(SpielerName, f.erwartet);
    EXPECT_EQ(TastenVerzoegerung, 0);  // typing waits for no delay: the window paces its repeats
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, TastenTabelle,
    ::testing::Values(Zeichenfall{"A_Latein", 0, dik::A, false, "a"}, Zeichenfall{"A_Latein_Gross", 0, dik::A, true, "A"},
                      Zeichenfall{"Z_Sprache1", 1, dik::Z, true, "Z"},
                      Zeichenfall{"A_Kyrillisch", 2, dik::A, false, "\xF4"},
                      Zeichenfall{"A_Kyrillisch_Gross", 2, dik::A, true, "\xD4"},
                      Zeichenfall{"Q_Kyrillisch", 2, dik::Q, false, "\xE9"},
                      Zeichenfall{"Gravis_Kyrillisch", 2, dik::Grave, false, "\xB8"},
                      Zeichenfall{"Gravis_Kyrillisch_Gross", 2, dik::Grave, true, "\xA8"},
                      Zeichenfall{"Semikolon_Kyrillisch", 2, dik::Semicolon, true, "\xC6"},
                      Zeichenfall{"Punkt_Kyrillisch", 2, dik::Period, false, "\xFE"},
                      Zeichenfall{"Semikolon_Latein", 0, dik::Semicolon, false, ""},
                      Zeichenfall{"Ziffer_Mit_Umschalt", 0, dik::K5, true, "5"},
                      Zeichenfall{"Ziffer_Kyrillisch", 2, dik::K0, false, "0"},
                      Zeichenfall{"Leertaste", 2, dik::Space, false, "_"},
                      Zeichenfall{"Buchstabe_Sprache3", 3, dik::A, false, ""},
                      Zeichenfall{"Ziffer_Sprache3", 3, dik::K7, false, "7"}),
    [](const ::testing::TestParamInfo<Zeichenfall>& i) { return std::string(i.param.name); });

TEST_F(Tastatur, MehrereTastenInDerFolgeIhrerDruecke)
{
    SpielModus = 6001;
    SpielerName[0] = 0;
    Tasten({dik::W, dik::K3, dik::A});  // W, A, S and D type here, never move the camera
    EXPECT_STREQ(SpielerName, "w3a");
    const Camera vorher = Cam;
    Tasten({dik::W});
    EXPECT_EQ(std::memcmp(&vorher, &Cam, sizeof Cam), 0);
}

// Typing takes the window's key presses, each once and in their order: a key held over several slow
// frames types once, a press let go within one frame is not lost, and a held key repeats as often as
// the window repeats its press (in time, whatever the frame rate).
TEST_F(Tastatur, JederTastendruckTipptEinmal)
{
    win::SetWindowProc(WndProc);
    const auto frame = [] {
        win::PumpMessages();
        if (TastaturHandlerLaeuft()) VerarbeiteTastatur();
        TastenVerzoegerung = std::max(0, TastenVerzoegerung - 1);
    };
    SpielModus = 6001;
    SpielerName[0] = 0;
    kbd::ForceKey(dik::A, true);  // held for seven frames, about 120 ms
    for (int i = 0; i < 7; ++i) frame();
    kbd::ClearForcedKeys();
    frame();
    EXPECT_STREQ(SpielerName, "a");

    kbd::ForceKey(dik::E, true);  // pressed and let go between two frames
    kbd::ForceKey(dik::E, false);
    kbd::ForceKey(dik::C, true);  // two keys pressed in one frame: in the order pressed
    kbd::ForceKey(dik::LShift, true);
    kbd::ForceKey(dik::B, true);
    frame();
    kbd::ClearForcedKeys();
    EXPECT_STREQ(SpielerName, "aecB");

    kbd::ForceKey(dik::D, true);  // the window repeats a held key's press
    for (int i = 0; i < 3; ++i) {
        win::PostMessage(win::msg::KeyDown, 0, win::KeyLParam(dik::D, false));
        frame();
    }
    kbd::ClearForcedKeys();
    EXPECT_STREQ(SpielerName, "aecBdddd");
    kbd::ForceKey(dik::Back, true);
    win::PostMessage(win::msg::KeyDown, 0, win::KeyLParam(dik::Back, false));
    frame();
    kbd::ClearForcedKeys();
    kbd::ForceKey(dik::Return, true);
    for (int i = 0; i < 3; ++i) frame();
    kbd::ClearForcedKeys();
    EXPECT_STREQ(SpielerName, "aecBdd");
    EXPECT_EQ(SpielModus, 6000);
}

TEST_F(Tastatur, Laengengrenzen)
{
    SpielModus = 6001;
    std::strcpy(SpielerName, "abcdefghijklmno");  // 15
    Tasten({dik::Space});
    EXPECT_STREQ(SpielerName, "abcdefghijklmno");
    EXPECT_EQ(TastenVerzoegerung, 0);

    SpielModus = 7001 + 17;
    std::strcpy(SpeicherSlotNamen[17], "abcdefghijklmnopqrs");  // 19
    Tasten({dik::X});
    Tasten({dik::Y});
    EXPECT_STREQ(SpeicherSlotNamen[17], "abcdefghijklmnopqrsx");

    SpielModus = 7001 + 18;  // a slot the save screen does not offer
    std::strcpy(SpeicherSlotNamen[18], "s");
    Tasten({dik::X, dik::Back});
    EXPECT_STREQ(SpeicherSlotNamen[18], "s");
}

TEST_F(Tastatur, Rueckschritt)
{
    SpielModus = 6001;
    SpielerName[0] = 0;
    Tasten({dik::Back});
    EXPECT_STREQ(SpielerName, "");
    EXPECT_EQ(TastenVerzoegerung, 0);
    std::strcpy(SpielerName, "ab");
    Tasten({dik::Back});
    EXPECT_STREQ(SpielerName, "a");

    SpielModus = 7001;
    std::strcpy(SpeicherSlotNamen[0], "a");
    TastenVerzoegerung = 0;
    Tasten({dik::Back});
    EXPECT_STREQ(SpeicherSlotNamen[0], "a");
    EXPECT_EQ(TastenVerzoegerung, 0);
}

TEST_F(Tastatur, EingabeBeendetDenSpielernamen)
{
    SpielModus = 6001;
    std::strcpy(SpielerName, "Kai");
    Tasten({dik::Return, dik::Space});  // Space comes after Return: nothing more is typed
    EXPECT_EQ(SpielModus, 6000);
    EXPECT_STREQ(SpielerName, "Kai");
}

// Return on a slot name: the save and then the names, only when the save succeeded.
class SpeichernPerTaste : public Tastatur {
protected:
    EigenerOrdner ordner;
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        Tastatur::SetUp();
        os::CaptureMessageBoxes(&meldungen);
        AktuelleStadt = 0;
        for (int i = 1; i < 20; ++i)
            SchreibDatei("Gamestate/S_Town" + std::to_string(i) + ".dat", std::vector<uint8_t>(548000, 0));
        SchreibDatei("save/save.dat", {'a', 'l', 't', '\n'});
        std::strcpy(SpeicherSlotNamen[3], "Burg");
        SpielModus = 7001 + 3;
    }
    void TearDown() override
    {
        os::CaptureMessageBoxes(nullptr);
        Tastatur::TearDown();
    }
    static std::string Namen()
    {
        const std::vector<uint8_t> d = LiesDatei("save/save.dat");
        return std::string(d.begin(), d.end());
    }
};

TEST_F(SpeichernPerTaste, SpeichertUndSchreibtDieNamen)
{
    Tasten({dik::Return});
    EXPECT_EQ(SpielModus, 7000);
    EXPECT_TRUE(std::filesystem::exists("save/slot3/global.dat"));
    EXPECT_TRUE(std::filesystem::exists("save/slot3/S_Town19.dat"));
    std::string namen;
    for (int k = 0; k < 20; ++k) namen += (k == 3 ? "Burg" : "") + std::string("\r\n");
    EXPECT_EQ(Namen(), namen);
    EXPECT_TRUE(meldungen.empty());
}

TEST_F(SpeichernPerTaste, EinNameAusEinemZeichenSpeichertNicht)
{
    std::strcpy(SpeicherSlotNamen[3], "B");
    Tasten({dik::Return});
    EXPECT_EQ(SpielModus, 7004);
    EXPECT_FALSE(std::filesystem::exists("save/slot3"));
}

TEST_F(SpeichernPerTaste, MisslungenesSpeichernLaesstDieNamenStehen)
{
    std::filesystem::remove("Gamestate/S_Town7.dat");
    Tasten({dik::Return});
    EXPECT_EQ(SpielModus, 7000);
    EXPECT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(Namen(), "alt\n");
    EXPECT_FALSE(std::filesystem::exists("save/slot3/global.dat"));
}

TEST_F(SpeichernPerTaste, AufEinerBegegnungskarteAbgelehnt)
{
    SonderOrt = 1;
    Tasten({dik::Return});
    EXPECT_EQ(Namen(), "alt\n");
    EXPECT_FALSE(std::filesystem::exists("save/slot3/global.dat"));
    EXPECT_EQ(ZeilenTimer[kSpeichernGesperrtZeile], 250);
}

TEST_F(Tastatur, F1SchaltetDenHinweisUndBremstDieTasten)
{
    SpielModus = 3000;
    HinweisSichtbar = 0;
    Tasten({dik::F1});
    EXPECT_EQ(HinweisSichtbar, 1);
    EXPECT_EQ(TastenVerzoegerung, 5);
    // While F1 is held the main loop runs the handler only once the delay is over.
    kbd::ForceKey(dik::F1, true);
    LeseTastatur();
    EXPECT_FALSE(TastaturHandlerLaeuft());
    TastenVerzoegerung = 0;
    EXPECT_TRUE(TastaturHandlerLaeuft());
}

TEST_F(Tastatur, F11LiestDieTexteNurImDebugModus)
{
    EigenerOrdner ordner;
    std::strcpy(TextStandard[0], "vorher");
    Sprache = 0;
    DebugModus = 0;
    Tasten({dik::F11});
    EXPECT_STREQ(TextStandard[0], "vorher");
    // No pack here: the table stays as it was rather than being emptied.
    DebugModus = 1;
    Tasten({dik::F11});
    EXPECT_STREQ(TextStandard[0], "vorher");
}

TEST_F(Tastatur, F12EntlaesstNurAngeworbene)
{
    SpielModus = 1000;
    FigurRecord& eigene = Figur(0, 1);
    eigene.EigeneFigur = 1;
    const int16_t jobs[6] = {0, 10, 11, 12, 17, 18};
    for (int typ = 1; typ <= 5; ++typ) {
        FigurRecord& f = Figur(typ, typ);
        AuswahlSlots[2] = f.Id;
        AuswahlIndex = 2;
        Tasten({dik::F12});
        EXPECT_EQ(f.Typ, jobs[typ]);
        EXPECT_EQ(AuswahlSlots[2], f.Id);
    }
    AuswahlSlots[0] = eigene.Id;
    AuswahlIndex = 0;
    Tasten({dik::F12});
    EXPECT_EQ(eigene.Typ, 1);
    // An index naming no slot dismisses nobody.
    FigurRecord& m = Figur(9, 5);
    AuswahlSlots[0] = m.Id;
    AuswahlIndex = 32000;
    Tasten({dik::F12});
    EXPECT_EQ(m.Typ, 5);
}

TEST_F(Tastatur, QWaehltDieSiebenErstenUndEinsDieEigeneFigur)
{
    SpielModus = 10000;
    for (int i = 0; i < 9; ++i) Figur(i * 2, 1 + i % 5);
    Figuren[4].EigeneFigur = 1;  // type 3: not the own figure for key 1
    Figuren[16].EigeneFigur = 1;
    Figuren[16].Typ = 1;
    Figur(1, 10).Ausgewaehlt = 1;
    AuswahlIndex = 4;
    Tasten({dik::Q});
    for (int k = 0; k < 7; ++k) EXPECT_EQ(AuswahlSlots[k], 2 * k + 1);
    EXPECT_EQ(Figuren[12].Ausgewaehlt, 1);
    EXPECT_EQ(Figuren[14].Ausgewaehlt, 0);
    EXPECT_EQ(Figuren[1].Ausgewaehlt, 0);
    EXPECT_EQ(AuswahlIndex, 4);

    Tasten({dik::K1});
    EXPECT_EQ(AuswahlIndex, 0);
    EXPECT_EQ(AuswahlSlots[0], 17);
    for (int k = 1; k < 7; ++k) EXPECT_EQ(AuswahlSlots[k], KEINE_FIGUR);
    EXPECT_EQ(Figuren[16].Ausgewaehlt, 1);
    EXPECT_EQ(Figuren[0].Ausgewaehlt, 0);
}

TEST_F(Tastatur, KameraDrehenUndLabels)
{
    SpielModus = 1000;
    Cam.Set(100, 250, 0, 100, 237, 10, 0, 1, 0);
    Figur(3, 1003);
    Tasten({dik::Delete});
    EXPECT_NEAR(Cam.Auge[0], 100 - std::sin(0.1f) * -10, 1e-4);
    EXPECT_NEAR(Cam.Auge[2], 10 + std::cos(0.1f) * -10, 1e-4);
    EXPECT_FLOAT_EQ(Cam.Ziel[0], 100);
    Tasten({dik::Next});
    EXPECT_NEAR(Cam.Auge[0], 100, 1e-4);
    EXPECT_NEAR(Cam.Auge[2], 0, 1e-4);
    Tasten({dik::RShift});
    for (const FigurRecord& f : Figuren) EXPECT_EQ(f.LabelAnzeigen, 1);

    // In a close-up scene the camera keys do nothing.
    InteraktionsModus = 1;
    const Camera vorher = Cam;
    Tasten({dik::Delete, dik::W, dik::Left});
    EXPECT_EQ(std::memcmp(&vorher, &Cam, sizeof Cam), 0);
}

struct Fahrt {
    const char* name;
    uint8_t taste;
    int mausX, mausY;
    float auge0[3];
    float augeDanach[2];  // x, z
};

class KameraFahrt : public Tastatur, public ::testing::WithParamInterface<Fahrt> {};

// Forward moves by the unnormalised view offset (10 here); a move that leaves the square is undone.
TEST_P(KameraFahrt, BleibtImQuadrat)
{
    const Fahrt& f = GetParam();
    SpielModus = 1000;
    MyApp.MausX = f.mausX;
    MyApp.MausY = f.mausY;
    Cam.Set(f.auge0[0], 250, f.auge0[2], f.auge0[0], 237, f.auge0[2] + 10, 0, 1, 0);
    if (f.taste)
        Tasten({f.taste});
    else
        Tasten({});
    EXPECT_FLOAT_EQ(Cam.Auge[0], f.augeDanach[0]);
    EXPECT_FLOAT_EQ(Cam.Auge[2], f.augeDanach[1]);
    EXPECT_FLOAT_EQ(Cam.Ziel[2] - Cam.Auge[2], 10);
}

INSTANTIATE_TEST_SUITE_P(
    Richtungen, KameraFahrt,
    ::testing::Values(Fahrt{"Vor", dik::Up, 400, 400, {500, 0, 500}, {500, 510}},
                      Fahrt{"VorAmRand", dik::W, 400, 400, {500, 0, 1295}, {500, 1295}},
                      Fahrt{"VorGeradeNochDrin", dik::W, 400, 400, {500, 0, 1290}, {500, 1300}},
                      Fahrt{"ZurueckPerMausUnten", 0, 400, 767, {500, 0, -195}, {500, -195}},
                      Fahrt{"LinksPerMaus", 0, 0, 400, {500, 0, 500}, {490, 500}},
                      Fahrt{"RechtsPerTasteD", dik::D, 400, 400, {1295, 0, 500}, {1295, 500}},
                      Fahrt{"AussenNachInnen", dik::Up, 400, 400, {500, 0, -205}, {500, -195}}),
    [](const ::testing::TestParamInfo<Fahrt>& i) { return std::string(i.param.name); });

TEST_F(Tastatur, GegenlaeufigeTastenHebenSichAuf)
{
    SpielModus = 1000;
    Cam.Set(500, 250, 500, 500, 237, 510, 0, 1, 0);
    Tasten({dik::Up, dik::Down, dik::Left, dik::Right});
    EXPECT_FLOAT_EQ(Cam.Auge[0], 500);
    EXPECT_FLOAT_EQ(Cam.Auge[2], 500);
}

TEST_F(Tastatur, KarteScrollt)
{
    SpielModus = 9000;
    KartenVersatz[0] = KartenVersatz[1] = 0;
    std::vector<int> ys;
    for (int i = 0; i < 22; ++i) {
        Tasten({dik::S});
        ys.push_back(KartenVersatz[1]);
    }
    EXPECT_EQ(ys.front(), -30);
    EXPECT_EQ(ys.back(), -600);  // stops once past -580
    Tasten({dik::Up});
    EXPECT_EQ(KartenVersatz[1], -570);
    MyApp.MausX = 1023;
    for (int i = 0; i < 20; ++i) Tasten({});
    EXPECT_EQ(KartenVersatz[0], -450);
    MyApp.MausX = 400;
    Tasten({dik::A});
    EXPECT_EQ(KartenVersatz[0], -420);
}

TEST_F(Tastatur, LeertasteLaesstDieStadtDreissigTakteLaufen)
{
    SpielModus = 1000;
    AktuelleStadt = 0;
    FigurRecord& f = Figur(0, 1, 10, 10);
    f.Befehl = 2;
    f.Ziel[0] = 400.0f;
    const int tag = TagZaehler;
    Tasten({dik::Space});
    EXPECT_GT(f.Position[0], 100.0f);  // it walked in the extra ticks
    EXPECT_EQ(TagZaehler, tag + 30);  // the day ran once a tick
    SpielModus = 10000;
    const float x = f.Position[0];
    Tasten({dik::Space});
    EXPECT_EQ(f.Position[0], x);
}

}  // namespace
