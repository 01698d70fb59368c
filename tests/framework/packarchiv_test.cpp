#include "framework/packarchiv.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/os.h"

#include "../arbeitsordner.h"
#include "../verformt.h"

namespace {

struct Mitglied {
    std::string name;
    std::string daten;
    uint16_t methode = 0;
    uint16_t flags = 0;
    bool deskriptorKennung = false;  // descriptor with its optional signature (16 bytes)
    int64_t groesseImKopf = -1;      // -1: the real size
};

void Put16(std::string& s, uint32_t v) { s += char(v & 0xff); s += char(v >> 8 & 0xff); }
void Put32(std::string& s, uint32_t v) { Put16(s, v & 0xffff); Put16(s, v >> 16); }

std::string Archiv(const std::vector<Mitglied>& mitglieder, bool zentralverzeichnis = true) {
    std::string a;
    for (const Mitglied& m : mitglieder) {
        const uint32_t groesse = m.groesseImKopf < 0 ? m.daten.size() : uint32_t(m.groesseImKopf);
        Put32(a, 0x04034b50);
        Put16(a, 10);
        Put16(a, m.flags);
        Put16(a, m.methode);
        Put32(a, 0);
        Put32(a, 0x12345678);
        Put32(a, groesse);
        Put32(a, groesse);
        Put16(a, m.name.size());
        Put16(a, 4);
        a += m.name;
        a += "xxxx";  // extra field
        a += m.daten;
        if (m.flags & 8) {
            if (m.deskriptorKennung) Put32(a, 0x08074b50);
            Put32(a, 0x12345678);
            Put32(a, groesse);
            Put32(a, groesse);
        }
    }
    if (zentralverzeichnis) {
        Put32(a, 0x02014b50);
        a += std::string(42, '\0');
    }
    return a;
}

// Each case runs twice: every look-up walking the pack anew, and within PackVerzeichnisse, which lists
// each pack once; both must find exactly the same.
class PackArchiv : public Arbeitsordner, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        Arbeitsordner::SetUp();
        NeueVerzeichnisse();
    }
    void TearDown() override {
        verzeichnisse_.reset();
        Arbeitsordner::TearDown();
    }
    // The lists must not outlive a change of the pack.
    void NeueVerzeichnisse() {
        verzeichnisse_.reset();
        if (GetParam()) verzeichnisse_.emplace();
    }

    // Unpacks and returns the file's contents, or "<null>" when nothing was found (and then checks
    // that no file was written). The reader of several members at once must find the same.
    std::string Entpacke(const std::string& pack, const std::string& name) {
        uint32_t groesse = 0xdeadbeef;
        const auto mehrere = LiesPackEintraege(pack.c_str(), {name});
        EXPECT_EQ(mehrere.size(), 1u);
        auto daten = EntpackeDatei(pack.c_str(), name.c_str(), &groesse);
        EXPECT_EQ(mehrere[0].has_value(), daten != nullptr) << name;
        if (!daten) {
            EXPECT_EQ(groesse, 0xdeadbeefu);
            return "<null>";
        }
        EXPECT_EQ(std::string(mehrere[0]->begin(), mehrere[0]->end()),
                  std::string(reinterpret_cast<char*>(daten.get()), groesse));
        std::vector<uint8_t> bytes;
        EXPECT_TRUE(os::ReadFile(name, bytes));
        const std::string datei(bytes.begin(), bytes.end());
        EXPECT_EQ(datei.size(), groesse);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(daten.get()), groesse), datei);
        return datei;
    }
    static std::vector<std::string> Dateien() {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(".")) namen.push_back(e.path().filename());
        std::sort(namen.begin(), namen.end());
        return namen;
    }

private:
    std::optional<PackVerzeichnisse> verzeichnisse_;
};

TEST_P(PackArchiv, FindsStoredMembersByNameWithoutRegardToCase) {
    Schreibe("Data/Pack3.gzp", Archiv({{"Knopf.png", "AAAA"},
                                       {"himmel.bmp", "sky"},
                                       {"Himmel.BMP", "second of the same name"},
                                       {"leer.txt", ""}}));
    EXPECT_EQ(Entpacke("DATA/pack3.GZP", "Knopf.png"), "AAAA");
    EXPECT_EQ(Entpacke("Data/Pack3.gzp", "HIMMEL.bmp"), "sky");  // the first of two wins
    EXPECT_TRUE(std::filesystem::exists("HIMMEL.bmp"));       // the caller's spelling
    EXPECT_EQ(Entpacke("Data/Pack3.gzp", "leer.txt"), "");
    EXPECT_EQ(Entpacke("Data/Pack3.gzp", "fehlt.png"), "<null>");
    EXPECT_EQ(Entpacke("Data/Pack99.gzp", "Knopf.png"), "<null>");
}

// Several members in one pass, in the order asked for, each as it is found alone; nothing written.
TEST_P(PackArchiv, ReadsSeveralMembersInOnePassAsOneByOne) {
    Schreibe("p.gzp", Archiv({{"a.x", "first"}, {"B.x", "second"}, {"b.X", "shadowed"}, {"gepackt.x", "zz", 8}}));
    const std::vector<std::string> vorher = Dateien();
    const auto gelesen = LiesPackEintraege("p.gzp", {"b.x", "fehlt.x", "A.X", "../a.x", "gepackt.x", "b.x"});
    ASSERT_EQ(gelesen.size(), 6u);
    auto text = [&](size_t i) { return gelesen[i] ? std::string(gelesen[i]->begin(), gelesen[i]->end()) : "<null>"; };
    EXPECT_EQ(text(0), "second");
    EXPECT_EQ(text(1), "<null>");
    EXPECT_EQ(text(2), "first");
    EXPECT_EQ(text(3), "<null>");
    EXPECT_EQ(text(4), "<null>");
    EXPECT_EQ(text(5), "second");
    EXPECT_EQ(Dateien(), vorher);
    EXPECT_EQ(LiesPackEintraege("fehlt.gzp", {"a.x"}).size(), 1u);
    EXPECT_FALSE(LiesPackEintraege("fehlt.gzp", {"a.x"})[0].has_value());
}

// A member a loader reads at once is held in memory: the loader finds it by its name, no file is
// written, and a player's file of that name is neither read meanwhile nor deleted afterwards.
TEST_P(PackArchiv, LoadersReadMembersWithoutAFileOnDisk) {
    Schreibe("p.gzp", Archiv({{"Knopf.png", "AAAA"}}));
    Schreibe("eigen.txt", "the player's");
    Schreibe("p2.gzp", Archiv({{"eigen.txt", "packed"}}));
    const std::vector<std::string> vorher = Dateien();
    std::string gelesen;
    bool existiert = false;
    auto lies = [&](const std::string& name) {
        return [&, name] {
            std::vector<uint8_t> b;
            existiert = os::FileExists(name);
            gelesen = os::ReadFile(name, b) ? std::string(b.begin(), b.end()) : "<keine>";
        };
    };
    EXPECT_TRUE(LadeAusPack("p.gzp", "KNOPF.png", lies("knopf.PNG")));
    EXPECT_TRUE(existiert);
    EXPECT_EQ(gelesen, "AAAA");
    EXPECT_TRUE(LadeAusPack("p2.gzp", "eigen.txt", lies("eigen.txt")));
    EXPECT_EQ(gelesen, "packed");
    EXPECT_EQ(Dateien(), vorher);
    EXPECT_FALSE(os::FileExists("Knopf.png"));
    std::vector<uint8_t> b;
    ASSERT_TRUE(os::ReadFile("eigen.txt", b));
    EXPECT_EQ(std::string(b.begin(), b.end()), "the player's");

    // A missing member: LadeAusPack leaves the loader out, the list loaders' rule still runs it.
    gelesen.clear();
    EXPECT_FALSE(LadeAusPack("p.gzp", "fehlt.png", lies("fehlt.png")));
    EXPECT_EQ(gelesen, "");
    MitEntpackterDatei("p.gzp", "fehlt.png", lies("fehlt.png"));
    EXPECT_EQ(gelesen, "<keine>");
    MitEntpackterDatei("p.gzp", "../Knopf.png", lies("../Knopf.png"));  // passed over
    EXPECT_EQ(gelesen, "<keine>");
}

TEST_P(PackArchiv, StepsOverDataDescriptorsWithAndWithoutSignature) {
    Mitglied ohne{"a.txt", "first", 0, 8};
    Mitglied mit{"b.txt", "second", 0, 8, true};
    Schreibe("p.gzp", Archiv({ohne, mit, {"c.txt", "third"}}));
    EXPECT_EQ(Entpacke("p.gzp", "b.txt"), "second");
    EXPECT_EQ(Entpacke("p.gzp", "c.txt"), "third");
}

TEST_P(PackArchiv, RefusesWhatItCannotOrMustNotWrite) {
    Mitglied gepackt{"gepackt.x", "zzzz", 8};
    Mitglied verschluesselt{"geheim.x", "zzzz", 0, 1};
    Mitglied langerName{std::string(300, 'n') + ".x", "long"};
    Schreibe("p.gzp", Archiv({gepackt, verschluesselt, langerName, {"ok.x", "fine"},
                              {"..", "up"}, {"a:b", "colon"}}));
    const std::vector<std::string> vorher = Dateien();
    for (const char* name : {"gepackt.x", "geheim.x", "../ok.x", "sub/ok.x", "sub\\ok.x", "c:ok.x", "..", "a:b", "", "a..x", "zeile\nx"})
        EXPECT_EQ(Entpacke("p.gzp", name), "<null>") << name;
    EXPECT_EQ(Entpacke("p.gzp", std::string(256, 'n')), "<null>");  // longer than a name may be
    EXPECT_EQ(Dateien(), vorher);
    // A stored name longer than the buffer compares on its first 255 bytes and is stepped over whole.
    EXPECT_EQ(Entpacke("p.gzp", std::string(255, 'n')), "long");
    EXPECT_EQ(Entpacke("p.gzp", "ok.x"), "fine");
    std::filesystem::remove("ok.x");
    std::filesystem::create_directory("ok.x");  // cannot be written: nothing is returned
    EXPECT_EQ(EntpackeDatei("p.gzp", "ok.x"), nullptr);
}

TEST_P(PackArchiv, MemberRunningPastTheEndIsNotFound) {
    Mitglied kurz{"kurz.x", "only a few bytes"};
    kurz.groesseImKopf = 1000;
    Schreibe("p.gzp", Archiv({kurz}, false));
    EXPECT_EQ(Entpacke("p.gzp", "kurz.x"), "<null>");
    Mitglied riesig{"riesig.x", "abc"};
    riesig.groesseImKopf = 0xffffffff;
    Schreibe("q.gzp", Archiv({riesig, {"danach.x", "after"}}, false));
    EXPECT_EQ(Entpacke("q.gzp", "riesig.x"), "<null>");
    EXPECT_EQ(Entpacke("q.gzp", "danach.x"), "<null>");
    EXPECT_FALSE(std::filesystem::exists("kurz.x"));
}

TEST_P(PackArchiv, StopsAtTheFirstRecordThatIsNoLocalHeader) {
    std::string a = Archiv({{"a.x", "1"}}, false);
    a += "junk that is not a header at all, but long enough to be read as one......";
    a += Archiv({{"b.x", "2"}}, false);
    Schreibe("p.gzp", a);
    EXPECT_EQ(Entpacke("p.gzp", "a.x"), "1");
    EXPECT_EQ(Entpacke("p.gzp", "b.x"), "<null>");
    Schreibe("kopf.gzp", a.substr(0, 20));  // a header cut short
    EXPECT_EQ(Entpacke("kopf.gzp", "a.x"), "<null>");
}

// Archives made by the zip tool itself.
TEST_P(PackArchiv, ReadsArchivesOfTheZipTool) {
    Schreibe("src/Ingame.mp3", "stored music bytes");
    Schreibe("src/Miss.wav", "stored sound bytes");
    Schreibe("src/text.txt", std::string(4000, 'a'));  // compresses well
    ASSERT_EQ(std::system("cd src && zip -q -0 ../Pack13.gzp Ingame.mp3 Miss.wav && zip -q -9 ../Pack13.gzp text.txt"), 0);
    // Written to a pipe, zip cannot seek back and puts each size into a data descriptor.
    ASSERT_EQ(std::system("cd src && zip -q -0 - Ingame.mp3 Miss.wav text.txt | cat > ../Strom.gzp"), 0);
    EXPECT_EQ(Entpacke("Pack13.gzp", "ingame.MP3"), "stored music bytes");
    EXPECT_EQ(Entpacke("Pack13.gzp", "miss.wav"), "stored sound bytes");
    EXPECT_EQ(Entpacke("Pack13.gzp", "text.txt"), "<null>");  // compressed
    EXPECT_EQ(Entpacke("Strom.gzp", "Miss.wav"), "stored sound bytes");
    EXPECT_EQ(Entpacke("Strom.gzp", "TEXT.txt"), std::string(4000, 'a'));
}

TEST_P(PackArchiv, DamagedPacksNeverCrashOrWriteWhatTheyDoNotReturn) {
    const std::string gut = Archiv({{"a.x", "first"}, {"b.x", "second", 0, 8}, {"c.x", std::string(300, 'c')}});
    for (const std::vector<uint8_t>& pack : Verformt(std::vector<uint8_t>(gut.begin(), gut.end()), 300)) {
        Schreibe("p.gzp", std::string(pack.begin(), pack.end()));
        NeueVerzeichnisse();
        for (const char* name : {"a.x", "b.x", "c.x"}) {
            const std::string datei = Entpacke("p.gzp", name);
            if (datei == "<null>") EXPECT_FALSE(std::filesystem::exists(name)) << name;
            else EXPECT_LE(datei.size(), pack.size());
            std::filesystem::remove(name);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Suche, PackArchiv, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "MitVerzeichnissen" : "JedesMalGelaufen"; });

}  // namespace
