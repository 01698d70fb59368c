// The town view in town 0 of the demo data, drawn by the real game: by day, by night and in rain.
#include "e2e_spiel.h"
#include "world/records.h"

namespace {

class StadtAnsichtE2E : public SpielE2E {
protected:
    // The mean brightness of the 3D part of the frame (the top bar and the bottom HUD left out).
    static double Helligkeit()
    {
        const std::vector<uint8_t> px = MyApp.m_pd3dDevice->ReadBackBuffer();
        double summe = 0;
        size_t n = 0;
        for (int y = 100; y < 560; y += 4)
            for (int x = 200; x < 1000; x += 4) {
                const uint8_t* p = &px[(size_t(y) * 1024 + size_t(x)) * 4];
                summe += (p[0] + p[1] + p[2]) / 3.0;
                ++n;
            }
        return summe / double(n);
    }

    // Distinct colours in the 3D part: a town drawn is more than a floor of one colour.
    static size_t Farben()
    {
        const std::vector<uint8_t> px = MyApp.m_pd3dDevice->ReadBackBuffer();
        std::set<uint32_t> farben;
        for (int y = 100; y < 560; y += 2)
            for (int x = 200; x < 1000; x += 2) {
                const uint8_t* p = &px[(size_t(y) * 1024 + size_t(x)) * 4];
                farben.insert((uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]);
            }
        return farben.size();
    }
};

TEST_F(StadtAnsichtE2E, TownZeroByDayByNightAndInRain)
{
    StarteBisHauptmenue();
    InStadtNull();
    // The sun of a late afternoon, going down.
    RegenAktiv = 0;
    LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = LichtZustand[0].Farbe[2] = 0.5f;
    TagRichtung = 0;
    Frames(30);
    Bild("stadt_tag");
    const double tag = Helligkeit();
    EXPECT_GT(Farben(), 500u) << "the town by day shows floor, objects, plants and figures";

    LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = 0.31f;
    LichtZustand[0].Farbe[2] = 0.38f;
    Frames(5);
    Bild("stadt_nacht");
    const double nacht = Helligkeit();
    EXPECT_LT(nacht, tag) << "night is darker than day";

    LichtZustand[0].Farbe[0] = LichtZustand[0].Farbe[1] = LichtZustand[0].Farbe[2] = 0.5f;
    RegenAktiv = 1;
    Frames(40);
    Bild("stadt_regen");
    EXPECT_LT(Helligkeit(), tag) << "the sun is dimmer in rain";
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
}

}  // namespace
