// The one-line help of a button, shown once the mouse has rested for 16 frames.
#include "framework/font.h"
#include "framework/myapp.h"
#include "framework/services_townview.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "framework/zeichnen.h"

namespace {

enum class Ort { Unten, Oben, ObenLinks, UntenLinks };

struct Tipp {
    int eintrag;
    Ort ort;
};

// The text entry and place of tooltip n (1..34); entry 0 for any other n.
Tipp TippFuer(int32_t n)
{
    using enum Ort;
    static const Ort orte[35] = {
        Unten,                                                                      // 0: none
        Unten, Unten, Unten, Oben, Oben, Oben, Oben, Oben, Oben, Oben,              // 1-10 command grid
        Unten, Unten, Unten, Unten,                                                 // 11-14
        Unten, Unten, Unten, Oben, Unten, Oben,                                     // 15-20 member page
        Oben, ObenLinks, ObenLinks, ObenLinks, ObenLinks, ObenLinks,                // 21-26
        Unten, Unten, Unten, Unten, Unten, UntenLinks,                              // 27-32
        UntenLinks, Oben,                                                           // 33, 34
    };
    if (n < 1 || n > 34) return {0, Unten};
    const int eintrag = n <= 32 ? 87 + n : (n == 33 ? 173 : 176);
    return {eintrag, orte[n]};
}

}  // namespace

void ZeichneTooltip()
{
    if (MausRuheFrames <= 15 || TooltipNummer == 0) return;
    const Tipp t = TippFuer(TooltipNummer);
    if (t.eintrag == 0) return;
    const char* text = TextStandard[t.eintrag];
    const float w = static_cast<float>(SchriftBreite(text, 2));
    const float mx = static_cast<float>(MyApp.MausX), my = static_cast<float>(MyApp.MausY);
    const float x = (t.ort == Ort::ObenLinks || t.ort == Ort::UntenLinks) ? mx - 100 : mx;
    const float y = (t.ort == Ort::Oben || t.ort == Ort::ObenLinks) ? my - 29 : my + 30;
    ZeichneBild(9, x, y, w + 4, 16);
    ZeichneSchrift(text, x + 1, y - 1, 2);
}
