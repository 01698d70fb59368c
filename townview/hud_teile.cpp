#include "townview/hud_teile.h"

#include <cstdarg>
#include <cstdio>

#include "framework/font.h"
#include "framework/items.h"
#include "framework/myapp.h"
#include "framework/zeichnen.h"
#include "townview/hud.h"
#include "world/ids.h"

void ZeichneItemIcon(int32_t id, float x, float y, float w, float h)
{
    if (!IstItemId(id)) return;
    const gfx::Texture icon = ItemIconTextur(id - ERSTE_ITEM_ID);
    if (icon == 0) return;  // an item without an icon would show as a white square
    MyApp.m_pd3dDevice->SetTexture(icon);
    MyApp.Draw2D(x, y, w, h);
}

void ZeichneFormat(float x, float y, int32_t font, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    ZeichneSchrift(text, x, y, font);
}

void ZeichneFormatZentriert(int32_t mitte, float y, int32_t font, const char* format, ...)
{
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    ZeichneZentriert(text, mitte, y, font);
}

Name MaennerNameVon(const FigurRecord& f)
{
    Name n;
    // A name field from a save need not end in a 0: read no further than its 20 bytes.
    std::snprintf(n.text, sizeof n.text, "%.*s", static_cast<int>(sizeof MaennerNamen[0]), MaennerName(f.NamensIndex));
    return n;
}

Name FigurName(const FigurRecord& f)
{
    if (f.EigeneFigur == 0) return MaennerNameVon(f);
    Name n;
    std::snprintf(n.text, sizeof n.text, "%.*s", static_cast<int>(sizeof SpielerName), SpielerName);
    return n;
}

bool TutorialBlinkt()
{
    TutorialBlinkZaehler += 1;
    if (TutorialBlinkZaehler >= 20 || TutorialBlinkZaehler < 0) TutorialBlinkZaehler = 0;
    return TutorialBlinkZaehler >= 10;
}

