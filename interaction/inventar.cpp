// The left inventory panel of the active member: bag grid, hand and ammunition slots and the
// right-button use of bag items; and the item slot of the recruit topic.
#include "interaction/inventar.h"

#include "framework/keyboard.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "interaction/sprache.h"
#include "platform/keyboard.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/item_regeln.h"
#include "world/records.h"

namespace {

void Leere(ItemSlot& s) {
    s.ItemId = 0;
    s.ItemAnzahl = 0;
}

int MausAnzahl() { return CursorItem == 0 ? 0 : CursorItemAnzahl; }

bool IstWaffe(int id) { return (id >= 1029 && id <= 1035) || id == 1100; }

bool IstEssen(int id) {
    return id == 1008 || id == 1013 || id == 1006 || id == 1019 || id == 1191 || id == 1036 || id == 1037;
}

// The book of each squad type 1..5.
int BuchDesTyps(int id) {
    switch (id) {
    case 1178: return 1;  // O_Buch_Kampfsport
    case 1177: return 2;  // O_Buch_Technik
    case 1180: return 3;  // O_Buch_Medizin
    case 1179: return 4;  // O_Buch_Tierjagd
    case 1181: return 5;  // O_Buch_Handel
    default: return 0;
    }
}

bool Benutze(ItemSlot& s, FigurRecord& f) {
    const int id = s.ItemId;
    const bool vorrat = SlotAnzahl(s) > 0;
    if (IstEssen(id)) {
        if (!vorrat || f.Nahrung >= 10) return false;
        f.Nahrung += 1;
        if (--s.ItemAnzahl == 0) Leere(s);
        return true;
    }
    if (WasserFassung(id) > 0 || id == 1092) {  // the vessels and O_Bier
        if (!vorrat || f.Wasser >= 5) return false;
        f.Wasser += 1;
        if (--s.ItemAnzahl == 0 && id == 1092) s.ItemId = 1012;  // an empty vessel stays
        return true;
    }
    if (id == 1087) {  // O_Wodka
        if (!vorrat || f.Wasser < 1) return false;
        f.Wasser -= 1;
        if (--s.ItemAnzahl == 0) s.ItemId = 1012;
        return true;
    }
    if (id == 1003) {  // O_Dosennahrung: the empty tin is left
        if (!vorrat || f.Nahrung >= 10) return false;
        f.Nahrung += 1;
        if (--s.ItemAnzahl == 0) {
            s.ItemId = 1002;
            s.ItemAnzahl = 1;
        }
        return true;
    }
    const int typ = BuchDesTyps(id);
    if (typ == 0 || f.Typ != typ || f.Stufe >= 10) return false;
    f.Stufe += 1;
    Leere(s);
    return true;
}

}  // namespace

bool ShiftGehalten() { return TastenStatus[kbd::dik::LShift] != 0 || TastenStatus[kbd::dik::RShift] != 0; }

int SlotAnzahl(const ItemSlot& s) { return s.ItemId == 0 ? 0 : s.ItemAnzahl; }

void TauscheMitMaus(ItemSlot& s) {
    const int id = s.ItemId, anzahl = SlotAnzahl(s);
    s.ItemId = int16_t(CursorItem);
    s.ItemAnzahl = uint8_t(MausAnzahl());
    CursorItem = id;
    CursorItemAnzahl = anzahl;
}

ItemSlot* ErsterFreierBeutelPlatz(FigurRecord& f) {
    for (int reihe = 0; reihe < 2; ++reihe)
        for (ItemSlot& s : f.Inventar[reihe])
            if (s.ItemId == 0) return &s;
    return nullptr;
}

bool FindetPlatz(const ItemSlot& slot, FigurRecord* beutel, const float* boden) {
    return slot.ItemId == 0 || (beutel && ErsterFreierBeutelPlatz(*beutel)) || (boden && FreieFigur() >= 0) ||
           CursorItem == 0;
}

bool LegeWeg(ItemSlot& slot, FigurRecord* beutel, const float* boden, BodenAblage ablage) {
    if (slot.ItemId == 0) {
        slot = ItemSlot{};
        return true;
    }
    if (ItemSlot* frei = beutel ? ErsterFreierBeutelPlatz(*beutel) : nullptr) {
        *frei = slot;
        slot = ItemSlot{};
        return true;
    }
    if (boden && ablage(boden[0], boden[2], slot.ItemId, slot.ItemAnzahl) >= 0) {
        slot = ItemSlot{};
        return true;
    }
    if (CursorItem != 0) return false;
    TauscheMitMaus(slot);
    return true;
}

void KlickeSlot(ItemSlot& s, bool shift) {
    const int grenze = StapelGrenze(s.ItemId);
    // A stack that holds nothing (a damaged file) has nothing to take.
    if (shift && grenze > 0 && s.ItemAnzahl > 0 && (CursorItem == 0 || CursorItem == s.ItemId)) {
        if (CursorItem != 0 && CursorItemAnzahl >= grenze) return;
        CursorItemAnzahl = MausAnzahl() + 1;
        CursorItem = s.ItemId;
        if (--s.ItemAnzahl == 0) Leere(s);
        return;
    }
    if (grenze > 0 && CursorItem == s.ItemId) {
        const int summe = SlotAnzahl(s) + MausAnzahl();
        s.ItemAnzahl = uint8_t(summe > grenze ? grenze : summe);
        CursorItemAnzahl = summe > grenze ? summe - grenze : 0;
        if (CursorItemAnzahl == 0) CursorItem = 0;
        return;
    }
    TauscheMitMaus(s);
}

bool BenutzeItem(ItemSlot& s, FigurRecord& f) {
    const bool benutzt = Benutze(s, f);
    if (f.Nahrung > 10) f.Nahrung = 10;
    if (f.Wasser > 5) f.Wasser = 5;
    return benutzt;
}

bool IstNahrungOderGetraenk(int id) {
    return IstEssen(id) || WasserFassung(id) > 0 || id == 1003 || id == 1087 || id == 1092;
}

ItemSlot* BeutelSlotUnterMaus(FigurRecord& f, int32_t v) {
    for (int c = 0; c < 2; ++c)
        for (int r = 0; r < 6; ++r)
            if (MausIn(8 + 52 * c, 59 + 52 * c, 361 + 32 * r + v, 392 + 32 * r + v)) return &f.Inventar[c][r];
    return nullptr;
}

void InventarRaster(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL || MausLinksGedrueckt != 1) return;
    ItemSlot* s = BeutelSlotUnterMaus(Figuren[i], LinkesPanelVersatz);
    if (!s) return;
    MausLinksGedrueckt = 0;
    SpieleSound(24);
    KlickeSlot(*s, ShiftGehalten());
}

void HandItemTauschen(int32_t i) {
    const int32_t v = LinkesPanelVersatz;
    if (i < 0 || i >= FIGUREN_ANZAHL || MausLinksGedrueckt != 1 || !MausIn(9, 116, 560 + v, 586 + v)) return;
    MausLinksGedrueckt = 0;
    if (CursorItem != 0 && !IstWaffe(CursorItem)) return;
    SpieleSound(23);
    TauscheMitMaus(Platz(Figuren[i], Hand));
}

void MunitionLaden(int32_t i) {
    const int32_t v = LinkesPanelVersatz;
    if (i < 0 || i >= FIGUREN_ANZAHL || MausLinksGedrueckt != 1 || !MausIn(7, 57, 603 + v, 635 + v)) return;
    MausLinksGedrueckt = 0;
    if (CursorItem != 0 && CursorItem != kMunition) return;
    SpieleSound(21);
    ItemSlot& s = Platz(Figuren[i], Munition);
    const int imSlot = SlotAnzahl(s);
    if (CursorItem == kMunition) {
        if (imSlot >= kMunitionMax) return;
        const int summe = imSlot + MausAnzahl();
        s.ItemId = kMunition;
        s.ItemAnzahl = uint8_t(summe < kMunitionMax ? summe : kMunitionMax);
        CursorItemAnzahl = summe < kMunitionMax ? 0 : summe - kMunitionMax;
        if (CursorItemAnzahl == 0) CursorItem = 0;
        return;
    }
    CursorItem = s.ItemId;
    CursorItemAnzahl = imSlot;
    Leere(s);
}

void InventarSpalteLinks(int32_t i) {
    const int32_t v = LinkesPanelVersatz;
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    if (MausRechtsGedrueckt == 0 && MausRechtsDoppelklick == 0) return;
    if (!MausIn(0, 119, 361 + v, 768 + v)) return;
    MausRechtsGedrueckt = 0;
    MausRechtsDoppelklick = 0;
    ItemSlot* s = BeutelSlotUnterMaus(Figuren[i], v);
    if (s && BenutzeItem(*s, Figuren[i])) SpieleSound(6);
}

void RekrutItemSlot(int32_t) {
    if (GespraechsThema != 2 || !MausIn(301, 353, 360, 393)) return;
    TooltipNummer = 21;
    if (MausLinksGedrueckt != 1) return;
    MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 0;
    if (CursorItem != 0 && !IstNahrungOderGetraenk(CursorItem)) return;
    const int p = AktiveFigurMitId(GespraechsPartner);
    if (p < 0 || GespraechsPartner == 0) return;
    GespraechsPhase = 0;
    StoppeZeile();
    TauscheMitMaus(Figuren[p].Inventar[0][0]);
}
