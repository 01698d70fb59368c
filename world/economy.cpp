#include "world/economy.h"

#include <algorithm>
#include <cstdint>

#include "platform/random.h"
#include "world/anzeige.h"
#include "world/item_regeln.h"
#include "world/records.h"
#include "world/saturate.h"

namespace {

constexpr int kNahrungsKappeStapel = 9;  // the stock is capped at nine stacks
constexpr int kMaxGelagerteStapel = 8;

bool IstWasserBehaelter(int itemId) { return WasserFassung(itemId) > 0; }

bool IstVorratsNahrung(int itemId) {
    return itemId == 1008 || itemId == 1013 || itemId == 1003 || itemId == 1037 || itemId == 1036;
}

// Items whose worth to a collector is their count rather than their value.
bool IstStapelware(int itemId) {
    switch (itemId) {
    case 1006: case 1013: case 1019: case 1036: case 1191: case 1037:
    case 1008: case 1003: case 1028: case 1000: case 1022:
        return true;
    default:
        return false;
    }
}

void SammlerTauscht(FigurRecord& f) {
    for (int reihe = 0; reihe < 2; ++reihe) {
        for (ItemSlot& slot : f.Inventar[reihe]) {
            if (slot.ItemId <= 0) continue;
            // A stored id outside the item table is never used as an index.
            if (!IstItemId(slot.ItemId)) continue;
            const int r = Zufall() % 192;
            const int wert = IstStapelware(slot.ItemId) ? int(slot.ItemAnzahl) : ItemWerte[slot.ItemId - 1000];
            const int64_t d = int64_t(wert) - ItemWerte[r];
            if (d < 0 && d > -10 - int64_t(f.Stufe)) {
                slot.ItemId = int16_t(1000 + r);
                slot.ItemAnzahl = uint8_t(VolleAnzahl(slot.ItemId, 0));  // an unlisted item comes with 0
                if (f.Erfahrung < 255) f.Erfahrung += 1;
                if (f.Erfahrung >= 5 * f.Stufe && f.Stufe < 10) {
                    f.Erfahrung = 0;
                    f.Stufe += 1;
                }
            }
        }
    }
}

bool IstStationiertesMitglied(const FigurRecord& f) {
    return f.Typ >= 1 && f.Typ <= 5 && f.Stationiert == 1 && f.Aktiv == 1;
}

}  // namespace

void VersorgeAusGepaeck(FigurRecord& f) {
    for (int reihe = 0; reihe < 2; ++reihe) {
        for (ItemSlot& slot : f.Inventar[reihe]) {
            if (IstWasserBehaelter(slot.ItemId)) {
                while (slot.ItemAnzahl != 0 && f.Wasser < 0) {
                    slot.ItemAnzahl -= 1;
                    f.Wasser += 1;
                }
            } else if (IstVorratsNahrung(slot.ItemId)) {
                bool gegessen = false;
                while (slot.ItemAnzahl != 0 && f.Nahrung < 0) {
                    slot.ItemAnzahl -= 1;
                    f.Nahrung += 1;
                    gegessen = true;
                }
                if (gegessen && slot.ItemAnzahl == 0) slot.ItemId = 0;
            }
        }
    }
    const int64_t fehlt = std::max<int64_t>(0, -int64_t(f.Nahrung)) + std::max<int64_t>(0, -int64_t(f.Wasser));
    if (fehlt > 0) {
        f.Gesundheit = SaettigeI32(int64_t(f.Gesundheit) - 10 * fehlt);
        f.Nahrung = std::max(0, f.Nahrung);
        f.Wasser = std::max(0, f.Wasser);
    }
}

void TaeglicheStadtWerte() {
    for (StadtRecord& t : StadtTabelle) {
        if (t.Besitzer == 1) t.TageOffen = SaettigeI32(int64_t(t.TageOffen) + 1);
        // 16-bit arithmetic as the record holds it, then kept within 0..25.
        int16_t wasser = int16_t(t.Wasser + t.WasserZufluss - t.Stationiert);
        t.Wasser = std::clamp<int16_t>(wasser, 0, 25);
        const int stapel = NahrungsStapel(t.NahrungsTier);
        if (t.Besitzer == 1 && stapel > 0) {
            // No lower bound but the record's own: a debt that wrapped would turn into a full store.
            const int nahrung = t.Nahrung + stapel - t.Stationiert;
            t.Nahrung = int16_t(std::clamp(nahrung, int(INT16_MIN), kNahrungsKappeStapel * stapel));
        }
    }
}

void TaeglicheProduktion() {
    LieferAnimation.Anzahl = 0;
    if (!IstStadtId(AktuelleStadt)) return;
    StadtRecord& t = StadtTabelle[AktuelleStadt];
    const int stapel = NahrungsStapel(t.NahrungsTier);

    // Stacks of the town's food already stored in its wells and containers.
    int gelagert = 0;
    for (auto& spalte : StadtGitter) {
        for (const StadtFeld& feld : spalte) {
            if (feld.Eingang != 5 && feld.Eingang != 1) continue;
            if (!IstBehaelterIndex(feld.BehaelterIndex)) continue;
            for (auto& reihe : Behaelter[feld.BehaelterIndex])
                for (const ItemSlot& slot : reihe)
                    if (stapel > 0 && slot.ItemId == t.NahrungsTier) ++gelagert;
        }
    }

    bool voll = false;
    for (auto& spalte : StadtGitter) {
        for (const StadtFeld& feld : spalte) {
            if (!IstBehaelterIndex(feld.BehaelterIndex)) continue;
            auto& behaelter = Behaelter[feld.BehaelterIndex];
            if (feld.Eingang == 5) {
                for (auto& reihe : behaelter) {
                    for (ItemSlot& slot : reihe) {
                        const int grenze = WasserFassung(slot.ItemId);
                        while (t.Wasser > 0 && slot.ItemAnzahl < grenze) {
                            slot.ItemAnzahl += 1;
                            t.Wasser -= 1;
                        }
                    }
                }
            } else if (feld.Eingang == 1 && stapel > 0 && gelagert < kMaxGelagerteStapel) {
                while (t.Nahrung > stapel && !voll && gelagert < kMaxGelagerteStapel) {
                    t.Nahrung = int16_t(t.Nahrung - stapel);
                    ItemSlot* frei = nullptr;
                    for (auto& reihe : behaelter) {
                        for (ItemSlot& slot : reihe) {
                            if (slot.ItemId == 0) { frei = &slot; break; }
                        }
                        if (frei) break;
                    }
                    if (!frei) {
                        voll = true;  // the food taken for this stack is lost
                        break;
                    }
                    frei->ItemId = t.NahrungsTier;
                    frei->ItemAnzahl = uint8_t(stapel);
                    ++gelagert;
                    ++LieferAnimation.Anzahl;
                }
            }
        }
    }

    // Feed the garrison: the food feeds the first members, the water income the first members;
    // the others are charged for every day since the town was last supplied.
    int n = 0;
    for (FigurRecord& f : Figuren) {
        if (!IstStationiertesMitglied(f)) continue;
        ++n;
        if (f.Typ == 5) SammlerTauscht(f);
        if (n > stapel) f.Nahrung = SaettigeI32(int64_t(f.Nahrung) - t.TageOffen);
        if (n > t.WasserZufluss) f.Wasser = SaettigeI32(int64_t(f.Wasser) - t.TageOffen);
    }
    t.TageOffen = 0;

    // What is missing comes from the members' own bags, and what is still missing costs health.
    for (FigurRecord& f : Figuren)
        if (IstStationiertesMitglied(f)) VersorgeAusGepaeck(f);
}
