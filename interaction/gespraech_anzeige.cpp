#include "interaction/gespraech_anzeige.h"

#include <cstdio>

#include "framework/font.h"
#include "framework/frame.h"
#include "framework/items.h"
#include "framework/myapp.h"
#include "framework/szene.h"
#include "framework/zeichnen.h"
#include "interaction/steuerung.h"
#include "townview/hud_teile.h"
#include "townview/vorschau.h"
#include "world/figur_hilfen.h"
#include "world/item_regeln.h"

void ZeichnePartnerKopf(int32_t i)
{
    ZeichnePortrait(i, 283, 239);
    char name[64];
    std::snprintf(name, sizeof name, "%s", MaennerName(Figuren[i].NamensIndex));
    ZeichneZentriert(name, 328, 317, 0);
}

void ZeichneSlotItem(const ItemSlot& slot, float x, float y, float zahlX, float zahlY)
{
    if (!IstItemId(slot.ItemId)) return;
    MyApp.m_pd3dDevice->SetTexture(ItemIconTextur(slot.ItemId - ERSTE_ITEM_ID));
    MyApp.Draw2D(x, y, 64, 64);
    if (slot.ItemAnzahl <= 1 && !ZeigtAnzahlImmer(slot.ItemId)) return;
    char zahl[8];
    std::snprintf(zahl, sizeof zahl, "%i", slot.ItemAnzahl);
    ZeichneSchrift(zahl, slot.ItemAnzahl >= 10 ? zahlX - 8 : zahlX, zahlY, 2);
}

bool Antwortzeile(const char* text, int32_t y, bool aktiv)
{
    const bool zeiger = MyApp.MausX > 268 && MyApp.MausX < 753 && MyApp.MausY > y && MyApp.MausY < y + 14;
    ZeichneSchrift(text, 271, float(y), zeiger && aktiv ? 3 : 2);
    if (!zeiger || !aktiv || MausLinksGedrueckt != 1) return false;
    MausLinksGedrueckt = 0;
    return true;
}

FigurRecord* AktivesMitgliedRecord()
{
    const int32_t i = AktivesMitglied();
    return i >= 0 && i < FIGUREN_ANZAHL ? &Figuren[i] : nullptr;
}
