// Selection and orders: the squad bar, the left click and the box in the view, putting the item on
// the mouse down, and the right click that sends the selected members to a cell, an entrance, a
// floor item or a person. An order only fills fields of the figure records; the figure update
// carries it out on the following ticks.
#include <cstdlib>

#include "framework/geometry.h"
#include "framework/myapp.h"
#include "framework/setup.h"
#include "framework/sound.h"
#include "framework/zeichnen.h"
#include "interaction/handler.h"
#include "interaction/steuerung.h"
#include "interaction/tutorial.h"
#include "platform/random.h"
#include "townview/picking.h"
#include "world/figur_hilfen.h"

namespace {

constexpr int kLeistenSlots = 7;

bool UeberSlot(int s) { return MausIn(373 + 83 * s, 455 + 83 * s, 641, 768); }
bool SlotBelegt(int s) { return AuswahlSlots[s] < KEINE_FIGUR; }
bool IstCursorItem() { return CursorItem >= 1000 && CursorItem <= 1999; }

// Voice answers play only with answers switched on and not in the Cyrillic language.
bool StimmeErlaubt() { return SetupWerte.EINHEIT_ANTWORTET >= 1 && Sprache != 2; }

// One in ten ordered members acknowledges the order (sounds 7..10).
void BefehlsAntwort()
{
    if (Zufall() % 10 == 5 && StimmeErlaubt()) SpieleSound(7 + Zufall() % 4);
}

// A selected, living squad member that is not dropping or picking something up.
bool Befehlbar(const FigurRecord& f)
{
    return f.Aktiv == 1 && f.Ausgewaehlt == 1 && f.Gesundheit > 0 && IstTrupp(f.Typ) && f.Zustand != 4 &&
           f.Zustand != 5;
}

void LeereAuswahl()
{
    for (int32_t& id : AuswahlSlots) id = KEINE_FIGUR;
    for (FigurRecord& f : Figuren) f.Ausgewaehlt = 0;
}

// The move marker on the order's cell, in the first free record (it keeps that record's id).
void SetzeBewegungsMarker(float x, float z)
{
    const int k = FreieFigur();
    if (k < 0) return;
    FigurRecord& m = Figuren[k];
    const int16_t id = m.Id;
    m = FigurRecord{};
    m.Id = id;
    m.Typ = 10001;
    m.Aktiv = 1;
    m.Anzahl = 1;
    m.Zustand = 1;
    m.TeilModelle[0] = 9005;
    m.Position[0] = m.Ziel[0] = m.Wegpunkt[0] = x;
    m.Position[2] = m.Ziel[2] = m.Wegpunkt[2] = z;
    m.Gesundheit = 100;
    m.Nahrung = 10;
    m.Wasser = 5;
    m.NamensIndex = int16_t(Zufall() % 100);
    m.Aussehen[0] = uint8_t(Zufall() % 10);
    m.ZielId = KEINE_FIGUR;
}

// What the right click found under the mouse for member f; true when the order ends with it
// (the members after f get nothing from this click).
bool ZielUnterMaus(FigurRecord& f, bool rennen)
{
    for (int j = 0; j < FIGUREN_ANZAHL; ++j) {
        const FigurRecord& z = Figuren[j];
        if (z.Aktiv == 1 && IstBodenItem(z.Typ) && PickeFigur(j)) {
            // The tutorial's step keeps the own figure where it is.
            if (TutorialSchritt == 16) {
                if (f.EigeneFigur == 1) {
                    f.Ziel[0] = f.Position[0];
                    f.Ziel[2] = f.Position[2];
                }
                continue;
            }
            f.ZielId = z.Id;
            f.AuftragsZiel[0] = f.Ziel[0] = z.Position[0];
            f.AuftragsZiel[2] = f.Ziel[2] = z.Position[2];
            return true;
        }
        if (IstTrupp(z.Typ) && BefehlsModus == 2 && MausUeberFigur(j)) {
            CursorIndex = 1;
            f.ImKampf = 0;
            f.HeilAuftrag = 1;
            f.SprechAuftrag = 0;
            f.ZielId = z.Id;
            return true;
        }
        if (IstStadtvolkOderFeind(z.Typ) && MausUeberFigur(j)) {
            if (BefehlsModus == 0) {
                f.ImKampf = f.HeilAuftrag = 0;
                f.SprechAuftrag = 1;
                f.ZielId = z.Id;
                return true;
            }
            if (BefehlsModus == 1) {
                f.ImKampf = 1;
                f.HeilAuftrag = f.SprechAuftrag = 0;
                f.ZielId = z.Id;
                if (rennen) return true;
            }
        }
    }
    return false;
}

// The walk (right press) and run (right double click) orders to the pick cell.
void GehBefehl(bool rennen)
{
    uint8_t& flag = rennen ? MausRechtsDoppelklick : MausRechtsGedrueckt;
    if (flag == 0) return;
    flag = 0;
    if (!ImGitter(MyApp.PickX, MyApp.PickY)) return;
    const float x = float(10 * MyApp.PickX), z = float(10 * MyApp.PickY);
    for (FigurRecord& f : Figuren) {
        if (!Befehlbar(f)) continue;
        if (!rennen) SetzeBewegungsMarker(x, z);
        f.Ziel[0] = x;
        f.Ziel[1] = 0.0f;
        f.Ziel[2] = z;
        f.ImKampf = f.HeilAuftrag = f.Wartet = 0;
        if (!rennen) BefehlsAntwort();
        f.Befehl = rennen ? 3 : 2;
        f.ZielId = KEINE_FIGUR;
        if (ZielUnterMaus(f, rennen)) return;
    }
}

}  // namespace

void AuswahlLeisteAblegen(int32_t)
{
    if (MausLinksGedrueckt == 0 || CursorItem < 1) return;
    for (int s = 0; s < kLeistenSlots; ++s) {
        if (!SlotBelegt(s) || !UeberSlot(s)) continue;
        MausLinksGedrueckt = MausLinksLosgelassen = 0;
        if (!IstCursorItem()) return;
        const int k = TruppMitgliedMitId(AuswahlSlots[s]);
        if (k < 0 || Figuren[k].Gesundheit <= 0) return;
        for (int reihe = 0; reihe < 2; ++reihe) {
            for (ItemSlot& slot : Figuren[k].Inventar[reihe]) {
                if (slot.ItemId != 0) continue;
                slot.ItemId = int16_t(CursorItem);
                slot.ItemAnzahl = uint8_t(CursorItemAnzahl);
                CursorItem = CursorItemAnzahl = 0;
                return;
            }
        }
        return;
    }
}

void AuswahlLeisteKlick(int32_t)
{
    if (CursorItem != 0) return;
    for (int s = 0; s < kLeistenSlots; ++s) {
        if (MausLinksGedrueckt == 0 || !SlotBelegt(s) || !UeberSlot(s)) continue;
        const int k = TruppMitgliedMitId(AuswahlSlots[s]);
        if (k >= 0 && Figuren[k].Gesundheit >= 1) AuswahlIndex = s;
        SpieleSound(6);
        MausLinksGedrueckt = MausLinksLosgelassen = 0;
        return;
    }
    for (int s = 0; s < kLeistenSlots; ++s) {
        if (MausLinksLosgelassen != 0 && SlotBelegt(s) && UeberSlot(s)) {
            MausLinksLosgelassen = 0;
            return;
        }
    }
}

void AuswahlLeisteRechtsKlick(int32_t)
{
    if (MausRechtsGedrueckt == 0 || CursorItem != 0) return;
    for (int s = 0; s < kLeistenSlots; ++s) {
        if (!SlotBelegt(s) || !UeberSlot(s)) continue;
        const int32_t id = AuswahlSlots[s];
        for (FigurRecord& f : Figuren)
            if (f.Id != id) f.Ausgewaehlt = 0;
        for (int32_t& slot : AuswahlSlots) slot = KEINE_FIGUR;
        AuswahlSlots[0] = id;
        AuswahlIndex = 0;
        SpieleSound(6);
        MausRechtsGedrueckt = MausRechtsLosgelassen = 0;
        return;
    }
}

void KameraAufSlot(int32_t)
{
    if (MausLinksDoppelklick == 0) return;
    for (int s = 0; s < kLeistenSlots; ++s) {
        if (!SlotBelegt(s) || !UeberSlot(s)) continue;
        MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 0;
        const int k = TruppMitgliedMitId(AuswahlSlots[s]);
        if (k >= 0) KameraUeberFigur(Figuren[k]);
        return;
    }
}

void ItemBenutzenBefehl(int32_t i)
{
    if (i < 0 || i >= FIGUREN_ANZAHL || !IstCursorItem() || MausLinksGedrueckt == 0) return;
    FigurRecord& f = Figuren[i];
    if (f.Befehl == 4) return;
    MausLinksGedrueckt = MausLinksLosgelassen = 0;
    AuswahlRahmenAktiv = 0;
    f.Befehl = 4;
    f.Ziel[0] = f.Wegpunkt[0];
    f.Ziel[1] = 0.0f;
    f.Ziel[2] = f.Wegpunkt[2];
    f.ZielId = KEINE_FIGUR;
}

void KlickAuswahl(int32_t)
{
    if (MausLinksGedrueckt == 0) return;
    if (BefehlsModus == 2) {
        BefehlsModus = 3;
        CursorIndex = 2;
    }
    MausLinksGedrueckt = 0;
    AuswahlRahmenStart[0] = MyApp.MausX;
    AuswahlRahmenStart[1] = MyApp.MausY;
    AuswahlRahmenAktiv = 1;
    LeereAuswahl();
    AuswahlIndex = 0;
    for (int k = 0; k < FIGUREN_ANZAHL; ++k) {
        FigurRecord& f = Figuren[k];
        if (!IstPerson(f.Typ) || f.Aktiv != 1 || !MausUeberFigur(k)) continue;
        f.Ausgewaehlt = 1;
        if (IstTrupp(f.Typ)) {
            AuswahlSlots[0] = f.Id;
            if (StimmeErlaubt()) SpieleSound(2 + Zufall() % 4);
        }
        return;
    }
}

void RahmenAuswahl(int32_t)
{
    if (MausLinksLosgelassen == 0) return;
    MausLinksLosgelassen = 0;
    if (AuswahlRahmenAktiv == 0) return;
    AuswahlRahmenAktiv = 0;
    const int32_t x0 = AuswahlRahmenStart[0], y0 = AuswahlRahmenStart[1];
    const int32_t x1 = MyApp.MausX, y1 = MyApp.MausY;
    if (std::abs(x1 - x0) <= 10 && std::abs(y1 - y0) <= 10) return;  // a click: KlickAuswahl had it
    LeereAuswahl();
    auto zwischen = [](int32_t v, int32_t a, int32_t b) { return (a < v && v < b) || (b < v && v < a); };
    int frei = 0;
    for (FigurRecord& f : Figuren) {
        if (frei == 7) break;
        if (f.Aktiv != 1 || !IstTrupp(f.Typ)) continue;
        const BildschirmPunkt p = ProjiziereAufBildschirm(f.Position[0], f.Position[1], f.Position[2]);
        // A figure behind the eye has no place on the screen.
        if (!p.vorAuge) continue;
        if (!zwischen(p.x, x0, x1) || !zwischen(768 - p.y, y0, y1)) continue;
        AuswahlSlots[frei++] = f.Id;
        f.Ausgewaehlt = 1;
    }
}

void EingangBefehl(int32_t)
{
    if (MausRechtsGedrueckt == 0 && MausRechtsDoppelklick == 0) return;
    // Every member's scan sees the same cells under the mouse: the last hit in scan order counts.
    int ea = -1, eb = -1;
    for (int a = 0; a < GITTER_GROESSE; ++a)
        for (int b = 0; b < GITTER_GROESSE; ++b)
            if (StadtGitter[a][b].Eingang > 0 && PickeFeld(10 * a, 10 * b)) {
                ea = a;
                eb = b;
            }
    bool gegeben = false;
    for (FigurRecord& f : Figuren) {
        if (!Befehlbar(f)) continue;
        BefehlsAntwort();
        if (ea < 0) continue;
        f.Befehl = MausRechtsGedrueckt != 0 ? 2 : 3;
        f.ImKampf = f.HeilAuftrag = f.Wartet = 0;
        f.ZielId = KEINE_FIGUR;
        f.EingangsZiel[0] = f.Ziel[0] = float(10 * ea);
        f.EingangsZiel[1] = f.Ziel[1] = 0.0f;
        f.EingangsZiel[2] = f.Ziel[2] = float(10 * eb);
        gegeben = true;
    }
    if (gegeben) MausRechtsGedrueckt = MausRechtsDoppelklick = 0;
}

void BewegenBefehl(int32_t) { GehBefehl(false); }
void RennenBefehl(int32_t) { GehBefehl(true); }
