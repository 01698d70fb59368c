#include "framework/texte.h"

#include <cstring>

#include "../arbeitsordner.h"
#include "platform/os.h"
#include "world/spielglobals.h"

namespace {

class Texte : public Arbeitsordner {
protected:
    void SetUp() override {
        Arbeitsordner::SetUp();
        Leeren();
    }
    static void Leeren() {
        std::memset(TextStandard, 0, sizeof TextStandard);
        std::memset(SprechTexte, 0, sizeof SprechTexte);
        std::memset(Mitwirkende, 0, sizeof Mitwirkende);
        std::memset(SpeicherSlotNamen, 0, sizeof SpeicherSlotNamen);
        std::memset(MaennerNamen, 0, sizeof MaennerNamen);
        ZufallZeilenZahl = 0;
    }
    static std::string Woerter(int n, const std::string& vorsilbe) {
        std::string t;
        for (int i = 0; i < n; ++i) t += vorsilbe + std::to_string(i) + (i % 7 == 6 ? "\r\n" : " ");
        return t;
    }
};

TEST_F(Texte, WordTablesTakeOneWordPerEntryAndStopAtTheirSize) {
    Schreibe("Text_Standard.txt", "Neues_Spiel Laden\r\nSpeichern   Optionen@Zeile\n" + Woerter(1100, "w"));
    LadeTextStandard("Text_Standard.txt");
    EXPECT_STREQ(TextStandard[0], "Neues_Spiel");
    EXPECT_STREQ(TextStandard[1], "Laden");
    EXPECT_STREQ(TextStandard[3], "Optionen@Zeile");
    EXPECT_STREQ(TextStandard[999], "w995");  // words beyond entry 999 are ignored

    Schreibe("mitwirkende.txt", std::string(300, 'x') + " Ende");
    LadeMitwirkende("mitwirkende.txt");
    EXPECT_EQ(std::string(Mitwirkende[0]), std::string(254, 'x'));  // cut, and terminated
    EXPECT_STREQ(Mitwirkende[1], "Ende");

    Schreibe("namen_m.txt", "Anton " + std::string(25, 'B') + " " + Woerter(700, "n"));
    LadeNamen("namen_m.txt");
    EXPECT_STREQ(MaennerNamen[0], "Anton");
    EXPECT_EQ(std::string(MaennerNamen[1]), std::string(19, 'B'));
    EXPECT_STREQ(MaennerNamen[2], "n0");
    EXPECT_STREQ(MaennerNamen[599], "n597");
}

TEST_F(Texte, MissingFilesLeaveTablesAsTheyWere) {
    std::strcpy(TextStandard[0], "alt");
    std::strcpy(MaennerNamen[0], "Alt");
    std::vector<std::string> boxen;
    os::CaptureMessageBoxes(&boxen);
    LadeTextStandard("Text_Standard.txt");
    LadeNamen("namen_m.txt");
    LadeSprechen("Sprechen.txt");
    os::CaptureMessageBoxes(nullptr);
    EXPECT_STREQ(TextStandard[0], "alt");
    EXPECT_STREQ(MaennerNamen[0], "Alt");
    ASSERT_EQ(boxen.size(), 1u);  // only the names are reported
    EXPECT_EQ(boxen[0], "namen_m.txt|Datei nicht gefunden!");
}

TEST_F(Texte, SpeechSectionsFillTheirTables) {
    Schreibe("Sprechen.txt",
             "vor_der_ersten_Marke [ORT]\n" + Woerter(20, "Stadt") +
             "[HALLO] Tag Moin [ZUFALL] a b c [KAMPF] Angriff [HALLO] Servus [CHAR_TEXTE] [NEUES] nix " +
             std::string(254, 'l') + " " + std::string(400, 'm'));
    LadeSprechen("Sprechen.txt");
    EXPECT_STREQ(StadtNamen[0], "Stadt0");
    EXPECT_STREQ(StadtNamen[19], "Stadt19");
    EXPECT_STREQ(SprechTexte[SPRECH_HALLO][0], "Servus");  // a second marker restarts at entry 0
    EXPECT_STREQ(SprechTexte[SPRECH_HALLO][1], "Moin");
    EXPECT_STREQ(SprechTexte[SPRECH_KAMPF][0], "Angriff");
    EXPECT_EQ(ZufallZeilenZahl, 3);
    EXPECT_STREQ(SprechTexte[SPRECH_CHAR_TEXTE][0], "");  // an empty section stays empty
    EXPECT_STREQ(SprechTexte[SPRECH_NEUES][0], "nix");
    EXPECT_EQ(std::string(SprechTexte[SPRECH_NEUES][1]), std::string(254, 'l'));
    EXPECT_EQ(std::string(SprechTexte[SPRECH_NEUES][2]), std::string(254, 'm'));
    for (const char* t : {"vor_der_ersten_Marke", "[ORT]"})
        for (auto& abschnitt : SprechTexte)
            for (auto& zeile : abschnitt) EXPECT_STRNE(zeile, t);
}

TEST_F(Texte, RandomLineCountIsCappedAtTheTable) {
    Schreibe("Sprechen.txt", "[ZUFALL] " + Woerter(150, "z") + " [ZUFALL] nochmal");
    LadeSprechen("Sprechen.txt");
    LadeSprechen("Sprechen.txt");
    EXPECT_EQ(ZufallZeilenZahl, 100);
    EXPECT_STREQ(SprechTexte[SPRECH_ZUFALL][99], "z99");
    EXPECT_STREQ(SprechTexte[SPRECH_ZUFALL][0], "nochmal");
}

TEST_F(Texte, SlotNamesKeepTheirSlots) {
    struct Fall {
        std::string datei;
        std::vector<std::string> namen;  // slots 0.. that the file sets
    };
    const Fall faelle[] = {
        {"Erster\n\nDritter\n", {"Erster", "", "Dritter"}},
        {"Erster\r\n\r\nDritter\r\n", {"Erster", "", "Dritter"}},  // written on Windows
        {"\n\n\nVierter", {"", "", "", "Vierter"}},
        {std::string(300, 'S') + "\n", {std::string(254, 'S')}},
        {std::string("Erster \0 Rest \nZweiter\n", 23), {"Erster", "Zweiter"}},  // cut at the NUL
    };
    for (const Fall& f : faelle) {
        Leeren();
        std::strcpy(SpeicherSlotNamen[19], "bleibt");
        Schreibe("save/save.dat", f.datei);
        LadeSpeicherSlotNamen("save/save.dat");
        for (size_t i = 0; i < f.namen.size(); ++i) EXPECT_EQ(SpeicherSlotNamen[i], f.namen[i]) << f.datei;
        EXPECT_STREQ(SpeicherSlotNamen[19], "bleibt");
        // Saved and read again, every name stays as it is.
        char vorher[SPEICHERSLOTS][TEXT_LAENGE];
        std::memcpy(vorher, SpeicherSlotNamen, sizeof vorher);
        ASSERT_TRUE(SchreibeSpeicherSlotNamen("save/save.dat"));
        LadeSpeicherSlotNamen("save/save.dat");
        EXPECT_EQ(std::memcmp(vorher, SpeicherSlotNamen, sizeof vorher), 0) << f.datei;
    }
}

TEST_F(Texte, SlotNamesRoundTripThroughTheWriter) {
    std::filesystem::create_directories("save");
    for (int i = 0; i < SPEICHERSLOTS; ++i)
        if (i % 3) std::snprintf(SpeicherSlotNamen[i], TEXT_LAENGE, "Spiel_%d", i);
    char vorher[SPEICHERSLOTS][TEXT_LAENGE];
    std::memcpy(vorher, SpeicherSlotNamen, sizeof vorher);
    ASSERT_TRUE(SchreibeSpeicherSlotNamen("SAVE/save.dat"));
    std::string erwartet;
    for (auto& name : vorher) erwartet += std::string(name) + "\r\n";  // CR LF, as every reader expects
    EXPECT_EQ(Lies("save/save.dat"), erwartet);
    std::memset(SpeicherSlotNamen, 'x', sizeof SpeicherSlotNamen);
    LadeSpeicherSlotNamen("save/save.dat");
    EXPECT_EQ(std::memcmp(SpeicherSlotNamen, vorher, sizeof vorher), 0);
    EXPECT_FALSE(SchreibeSpeicherSlotNamen("fehlt/save.dat"));
}

TEST_F(Texte, RandomFilesKeepEveryEntryTerminatedAndInItsTable) {
    uint32_t saat = 5;
    auto zufall = [&saat]() { return (saat = saat * 1103515245u + 12345u) >> 8; };
    const char* marken[] = {"[ZUFALL]", "[ORT]", "[HALLO]", "[JOB_SAMMLER]", "[CHAR_HALLO]"};
    for (int runde = 0; runde < 20; ++runde) {
        std::string text;
        for (int w = int(zufall() % 3000); w > 0; --w) {
            if (zufall() % 50 == 0) text += marken[zufall() % 5];
            else text += std::string(1 + zufall() % (zufall() % 10 == 0 ? 400 : 12), char(1 + zufall() % 255));
            text += " \n\r\t"[zufall() % 4];
        }
        for (const char* datei : {"Sprechen.txt", "namen_m.txt", "Text_Standard.txt", "save.dat"}) Schreibe(datei, text);
        LadeSprechen("Sprechen.txt");
        LadeNamen("namen_m.txt");
        LadeTextStandard("Text_Standard.txt");
        LadeSpeicherSlotNamen("save.dat");
        EXPECT_LE(ZufallZeilenZahl, SPRECH_ZEILEN);
        for (auto& tabelle : SprechTexte)
            for (auto& eintrag : tabelle) ASSERT_EQ(eintrag[TEXT_LAENGE - 1], 0);
        for (auto& name : MaennerNamen) ASSERT_EQ(name[sizeof name - 1], 0);
        for (auto& eintrag : TextStandard) ASSERT_EQ(eintrag[TEXT_LAENGE - 1], 0);
        for (auto& name : SpeicherSlotNamen) ASSERT_EQ(name[TEXT_LAENGE - 1], 0);
    }
}

}  // namespace
