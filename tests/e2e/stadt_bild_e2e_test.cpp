// The town frame as the player sees it (tests/e2e/stadt_nacht.h: town 0 at night in the rain, every
// effect on) rendered on the OpenGL device and compared byte for byte with a stored picture. A
// change to how the frame is drawn that changes a single pixel shows up here, with the picture it
// made written to build-test/e2e_screens/stadt_nacht_ist.png.
//
// When the picture changes on purpose, VELQUOR_NEUE_REFERENZ=1 writes the reference anew.
#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/os.h"
#include "platform/random.h"
#include "tests/e2e/e2e_spiel.h"
#include "tests/e2e/stadt_nacht.h"

namespace fs = std::filesystem;

namespace {

const fs::path kReferenz = fs::path(VELQUOR_SOURCE_DIR) / "tests" / "e2e" / "daten" / "stadt_nacht.png";

class StadtBildE2E : public SpielE2E {
protected:
    void TearDown() override
    {
        os::UseFrameClock(false);
        SpielE2E::TearDown();
    }
};

// How two pictures of the same size differ: the pixels, the box around them, the largest step.
std::string Unterschied(const image::Image& soll, const image::Image& ist)
{
    size_t pixel = 0;
    int x0 = soll.width, y0 = soll.height, x1 = -1, y1 = -1, groesste = 0;
    for (int y = 0; y < soll.height; ++y)
        for (int x = 0; x < soll.width; ++x) {
            const size_t i = (size_t(y) * size_t(soll.width) + size_t(x)) * 4;
            int d = 0;
            for (int c = 0; c < 3; ++c) d = std::max(d, std::abs(int(soll.rgba[i + c]) - int(ist.rgba[i + c])));
            if (d == 0) continue;
            ++pixel;
            groesste = std::max(groesste, d);
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    if (pixel == 0) return "";
    std::ostringstream s;
    s << pixel << " pixels differ, within x " << x0 << ".." << x1 << ", y " << y0 << ".." << y1 << ", by up to "
      << groesste << " levels";
    return s.str();
}

TEST_F(StadtBildE2E, TownFrameAtNightInTheRainMatchesTheReferencePicture)
{
    StarteBisHauptmenue();
    // From here on the same game every run: a clock that stands still and the first seed.
    os::UseFrameClock(true);
    ZufallSaat(1);
    InStadtNull();
    StadtNacht szene;
    szene.Einrichten();
    for (int i = 0; i < 10; ++i) {
        szene.Festhalten();
        FrameSchritt();
    }
    ASSERT_GE(StadtNacht::Personen(), 60);
    image::Image ist{1024, 768, MyApp.m_pd3dDevice->ReadBackBuffer()};
    std::string fehler;
    if (const char* neu = std::getenv("VELQUOR_NEUE_REFERENZ"); neu && std::string(neu) == "1") {
        ASSERT_TRUE(image::SavePng(kReferenz.string(), ist, fehler)) << fehler;
        return;
    }
    image::Image soll;
    ASSERT_TRUE(image::Load(kReferenz.string(), soll, fehler)) << fehler << ": record it with VELQUOR_NEUE_REFERENZ=1";
    ASSERT_EQ(soll.width, 1024);
    ASSERT_EQ(soll.height, 768);
    const std::string unterschied = Unterschied(soll, ist);
    if (!unterschied.empty()) {
        const fs::path pfad = bilder / "stadt_nacht_ist.png";
        EXPECT_TRUE(image::SavePng(pfad.string(), ist, fehler)) << fehler;
        ADD_FAILURE() << "the town frame differs from " << kReferenz << ": " << unterschied << "; this run's picture is "
                      << pfad;
    }
}

}  // namespace
