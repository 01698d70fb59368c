#include "townview/panel_rahmen.h"

#include "framework/zeichnen.h"
#include "world/anzeige.h"

void ZeichnePanelRahmen()
{
    const float h = static_cast<float>(HinweisPanelHoehe);
    for (int k = 0; k < 16; ++k) {
        ZeichneBild(60, 256.0f + 32 * k, 168, 32, 32);
        ZeichneBild(64, 256.0f + 32 * k, h + 200, 32, 32);
    }
    for (int j = 0; j < HinweisPanelHoehe / 32; ++j) {
        ZeichneBild(54, 224, 200.0f + 32 * j, 32, 32);
        ZeichneBild(54, 768, 200.0f + 32 * j, 32, 32);
    }
    ZeichneBild(51, 224, 168, 32, 32);
    ZeichneBild(51, 768, 168, 32, 32);
    ZeichneBild(57, 224, h + 200, 32, 32);
    ZeichneBild(57, 768, h + 200, 32, 32);
}

void ZeichnePanelKoerper()
{
    const float h = static_cast<float>(HinweisPanelHoehe);
    ZeichneBild(0, 256, 200, 512, h);
    ZeichneBild(0, 256, 200, 512, h);
}

bool PanelWaechst()
{
    if (HinweisPanelHoehe == kPanelVoll) return false;
    // Two panels open at once each add their 32 pixels; the height still stops at the full height.
    HinweisPanelHoehe = HinweisPanelHoehe < 0 ? 32 : HinweisPanelHoehe + 32;
    if (HinweisPanelHoehe > kPanelVoll) HinweisPanelHoehe = kPanelVoll;
    return true;
}
