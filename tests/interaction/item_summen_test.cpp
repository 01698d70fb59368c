// Thousands of random clicks over the bag, the hand and ammunition slots, a container, the offer
// slot, the floor and the mouse never create or lose an item: every id's total stays the same. The
// right-button use and choice 1 of a scene do consume items; they are checked to change nothing but
// the slot they act on.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "interaction/angebot.h"
#include "interaction/handler.h"
#include "interaction/szenen.h"
#include "tests/interaction/interaktion_fixture.h"
#include "world/item_regeln.h"

namespace {

using Summen = std::map<int, long>;

// Items that merge (the stacking foods, ammunition in its slot) count their units; every other item
// counts its places and its count, both of which only ever move whole.
void Zaehle(Summen& s, int id, int anzahl) {
    if (id == 0) return;
    s[id] += anzahl + (StapelGrenze(id) > 0 || id == 1028 ? 0 : 1000);
}

Summen Gesamt() {
    Summen s;
    for (const FigurRecord& f : Figuren) {
        if (f.Aktiv != 1) continue;
        if (f.Typ >= 1000 && f.Typ <= 1999) Zaehle(s, f.Typ, f.Anzahl);
        for (const auto& reihe : f.Inventar)
            for (const ItemSlot& slot : reihe) Zaehle(s, slot.ItemId, slot.ItemAnzahl);
    }
    for (const auto& reihe : Behaelter[7])
        for (const ItemSlot& slot : reihe) Zaehle(s, slot.ItemId, slot.ItemAnzahl);
    Zaehle(s, CursorItem, CursorItemAnzahl);
    Zaehle(s, AngebotSlot.ItemId, AngebotSlot.ItemAnzahl);
    return s;
}

Summen Differenz(const Summen& a, const Summen& b) {
    Summen d = b;
    for (const auto& [id, n] : a) d[id] -= n;
    std::erase_if(d, [](const auto& e) { return e.second == 0; });
    return d;
}

using ItemSummenTest = InteraktionTest;

TEST_F(ItemSummenTest, RandomClicksKeepEveryItemsTotal) {
    std::mt19937 zufall(17);
    auto wuerfel = [&](int n) { return int(zufall() % unsigned(n)); };
    const int ids[] = {1008, 1013, 1006, 1191, 1036, 1037, 1007, 1012, 1038, 1001, 1087, 1092,
                       1003, 1028, 1029, 1100, 1035, 1180, 1002};
    auto zufallsSlot = [&]() -> ItemSlot {
        if (wuerfel(3) == 0) return {};
        const int id = ids[wuerfel(int(std::size(ids)))];
        const int grenze = StapelGrenze(id);
        const int anzahl = grenze > 0 ? 1 + wuerfel(grenze) : id == 1028 ? 1 + wuerfel(99) : wuerfel(3);
        return {int16_t(id), uint8_t(anzahl), 0};
    };
    for (auto& reihe : Figuren[0].Inventar)
        for (ItemSlot& s : reihe) s = zufallsSlot();
    Figuren[0].Inventar[2][1] = {1028, 40, 0};
    for (auto& reihe : Behaelter[7])
        for (ItemSlot& s : reihe) s = zufallsSlot();
    SzenenFeld[0] = 40;
    SzenenFeld[1] = 50;
    StadtGitter[40][50].Eingang = 1;
    StadtGitter[40][50].BehaelterIndex = 7;
    // Most records are taken, so the floor fills up and the mouse has to take the offer back.
    for (int k = 1; k < FIGUREN_ANZAHL - 3; ++k) Mitglied(k, 11);

    int verbraucht = 0;
    for (int schritt = 0; schritt < 8000; ++schritt) {
        const Summen vorher = Gesamt();
        LoescheMaus();
        Shift(wuerfel(3) == 0);
        InteraktionsModus = 1;
        LinkesPanelVersatz = 120;
        ItemSlot* benutzt = nullptr;
        ItemSlot alt{};
        switch (wuerfel(9)) {
        case 0: case 1:  // a bag slot
            Zeige(8 + 52 * wuerfel(2) + 5, 481 + 32 * wuerfel(6) + 5);
            MausLinksGedrueckt = 1;
            InventarRaster(0);
            break;
        case 2:
            Zeige(50, 690);
            MausLinksGedrueckt = 1;
            HandItemTauschen(0);
            break;
        case 3:
            Zeige(30, 730);
            MausLinksGedrueckt = 1;
            MunitionLaden(0);
            break;
        case 4: case 5:  // a container slot
            Zeige(209 + 52 * wuerfel(10) + 5, 191 + 32 * wuerfel(10) + 5);
            MausLinksGedrueckt = 1;
            BehaelterFenster(0);
            break;
        case 6:  // the offer slot, and sometimes leaving the scene with the offer
            NimmAngebot(AngebotSlot, 0.7);
            if (wuerfel(2) == 0) GibAngebotZurueck(0);
            break;
        case 7: {  // eat or drink from a bag slot
            const int c = wuerfel(2), r = wuerfel(6);
            benutzt = &Figuren[0].Inventar[c][r];
            alt = *benutzt;
            Figuren[0].Nahrung = wuerfel(11);
            Figuren[0].Wasser = wuerfel(6);
            Zeige(8 + 52 * c + 5, 481 + 32 * r + 5);
            MausRechtsGedrueckt = 1;
            InventarSpalteLinks(0);
            break;
        }
        default:  // a floor item picked up onto an empty mouse frees its record again
            for (FigurRecord& f : Figuren)
                if (f.Aktiv == 1 && f.Typ >= 1000 && CursorItem == 0) {
                    CursorItem = f.Typ;
                    CursorItemAnzahl = f.Anzahl;
                    f.Aktiv = 0;
                }
            break;
        }
        const Summen d = Differenz(vorher, Gesamt());
        if (benutzt) {
            Summen erwartet;
            Zaehle(erwartet, benutzt->ItemId, benutzt->ItemAnzahl);
            Summen alte;
            Zaehle(alte, alt.ItemId, alt.ItemAnzahl);
            ASSERT_EQ(d, Differenz(alte, erwartet)) << "step " << schritt;
            verbraucht += d.empty() ? 0 : 1;
        } else {
            ASSERT_TRUE(d.empty()) << "step " << schritt << ": " << d.begin()->first << " changed by "
                                   << d.begin()->second;
        }
        ASSERT_TRUE(CursorItem != 0 || CursorItemAnzahl == 0) << "step " << schritt;
    }
    EXPECT_GT(verbraucht, 50);  // the uses did happen
}

}  // namespace
