#pragma once
// A small town for the world tests: an ASCII grid ('#' wall, '.' floor where figures may stand,
// ' ' floor where they may not be placed), figures made by hand, the globals cleared.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "interaction/tutorial.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/records.h"

// The helpers live in their own namespace: other world tests link into the same program.
namespace weltkern {

inline void LeereStadt() {
    std::memset(Figuren, 0, sizeof Figuren);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        Figuren[i].Id = static_cast<int16_t>(i + 1);
        Figuren[i].ZielId = KEINE_FIGUR;
    }
    std::memset(StadtGitter, 0, sizeof StadtGitter);
    std::memset(BodenGitter, 0, sizeof BodenGitter);
    std::memset(StadtObjekte, 0, sizeof StadtObjekte);
    std::memset(StadtTabelle, 0, sizeof StadtTabelle);
    std::memset(SchwebeTexte, 0, sizeof SchwebeTexte);
    std::memset(SchwebeZahlen, 0, sizeof SchwebeZahlen);
    std::memset(HinweisGezeigt, 0, sizeof HinweisGezeigt);
    HinweisSichtbar = 0;
    HinweisNummer = 0;
    MeldungsPanelAktiv = 0;
    TutorialSchritt = 0;
    GespraechsPhase = 0;
    AktuelleStadt = 0;
    StadtTabelle[0].GitterBreite = GITTER_GROESSE;
    StadtTabelle[0].GitterHoehe = GITTER_GROESSE;
    SonderOrt = 0;
    VerseuchungsTakt = 0;
    GespraechsPartner = 0;
    GespraechsFigur = 0;
    InteraktionsModus = 0;
    CursorItem = 0;
    CursorItemAnzahl = 0;
    AuswahlIndex = 0;
    for (int32_t& s : AuswahlSlots) s = KEINE_FIGUR;
    ZufallSaat(1);
}

// Rows are z, columns x, starting at cell (x0, z0). Every other cell stays open floor where figures
// may walk but are not placed.
inline void Karte(const std::vector<std::string>& zeilen, int x0 = 0, int z0 = 0) {
    for (int z = 0; z < static_cast<int>(zeilen.size()); ++z)
        for (int x = 0; x < static_cast<int>(zeilen[z].size()); ++x) {
            const char c = zeilen[z][x];
            StadtGitter[x0 + x][z0 + z].Blockiert = c == '#';
            BodenGitter[x0 + x][z0 + z] = c == '.';
        }
}

// A person of type typ standing on cell (x, z) in record i (id i + 1).
inline FigurRecord& Person(int i, int typ, int x, int z) {
    FigurRecord& f = Figuren[i];
    f.Aktiv = 1;
    f.Typ = static_cast<int16_t>(typ);
    f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = 10.0f * x;
    f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = 10.0f * z;
    f.Zustand = f.Befehl = 1;
    f.AnimLaenge = 12;
    f.Gesundheit = 100;
    f.Stufe = 1;
    f.ZielId = KEINE_FIGUR;
    for (int k = 0; k < 3; ++k) f.AuftragsZiel[k] = f.EingangsZiel[k] = -100.0f;
    StadtGitter[x][z].Belegt = 1;
    return f;
}

inline void Befehle(FigurRecord& f, int befehl, int zx, int zz) {
    f.Befehl = static_cast<uint8_t>(befehl);
    f.Ziel[0] = 10.0f * zx;
    f.Ziel[2] = 10.0f * zz;
}

class WeltKernTest : public ::testing::Test {
protected:
    // The game globals go back as they were: other tests in this program read them.
    void SetUp() override {
        gesichert_ = SpielGlobals;
        LeereStadt();
    }
    void TearDown() override { SpielGlobals = gesichert_; }

private:
    SpielGlobalsBlock gesichert_;
};

}  // namespace weltkern

using namespace weltkern;
