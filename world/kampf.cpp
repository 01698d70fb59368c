#include "world/kampf.h"

#include <algorithm>
#include <cstdint>

#include "framework/camera.h"
#include "framework/sound.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"
#include "world/sichtlinie.h"

namespace {

struct Angriff {
    uint8_t laenge;       // frames of the animation
    uint8_t trefferBild;  // frame of the hit
    float reichweite;
    bool feuerwaffe;      // needs a clear line, uses ammunition
    int16_t waffe;        // item the state needs in hand; 0 for the punch
    int8_t soundTreffer, soundFehl;
    uint8_t schaden[9];   // by roll: below 1, then 1..8
};

// Galil and MP5 deal their roll-1 damage for a roll below 1 as well.
const Angriff* AngriffFuer(int zustand) {
    static constexpr Angriff kFaust{10, 9, 15.0f, false, 0, 1, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1}};
    static constexpr Angriff kSchlagring{10, 9, 15.0f, false, 1100, 1, 0, {2, 2, 2, 2, 2, 1, 1, 1, 1}};
    static constexpr Angriff kMesser{12, 11, 15.0f, false, 1035, 1, 0, {3, 3, 3, 2, 2, 2, 1, 1, 1}};
    static constexpr Angriff kAK47{6, 5, 90.0f, true, 1029, 18, 18, {5, 4, 4, 3, 3, 3, 2, 2, 1}};
    static constexpr Angriff kDesertEagle{12, 11, 90.0f, true, 1030, 14, 14, {10, 10, 9, 9, 8, 8, 7, 7, 6}};
    static constexpr Angriff kGalil{12, 11, 90.0f, true, 1031, 18, 18, {3, 3, 2, 2, 2, 1, 1, 1, 1}};
    static constexpr Angriff kUSP{12, 11, 90.0f, true, 1032, 14, 14, {5, 5, 5, 4, 4, 4, 3, 3, 2}};
    static constexpr Angriff kMP5{12, 11, 90.0f, true, 1033, 18, 18, {2, 2, 2, 2, 2, 1, 1, 1, 1}};
    static constexpr Angriff kSW5906{12, 11, 90.0f, true, 1034, 14, 14, {8, 8, 7, 7, 6, 6, 5, 5, 4}};
    switch (zustand) {
    case 8: return &kFaust;
    case 17: return &kSchlagring;
    case 15: return &kMesser;
    case 7: return &kAK47;
    case 10: return &kDesertEagle;
    case 11: return &kGalil;
    case 12: return &kUSP;
    case 13: return &kMP5;
    case 14: return &kSW5906;
    default: return nullptr;
    }
}

void LeereSlot(ItemSlot& s) {
    s.ItemId = 0;
    s.ItemAnzahl = 0;
}

// Back to idle with no target; the fight ends with it.
void AngriffBeenden(FigurRecord& f) {
    f.ZielId = KEINE_FIGUR;
    f.AnimBild = 0;
    f.AnimLaenge = 12;
    f.Zustand = f.Befehl = 1;
    f.ImKampf = 0;
}

void HeilenAbbrechen(FigurRecord& f) {
    f.HeilAuftrag = 0;
    f.ZielId = KEINE_FIGUR;
    f.AnimBild = 0;
    f.AnimLaenge = 12;
    f.Zustand = f.Befehl = 1;
}

void Gehen(FigurRecord& f) {
    f.AnimBild = 0;
    f.AnimLaenge = 12;
    f.Zustand = f.Befehl = 2;
}

void Leerlauf(FigurRecord& f) {
    if (f.ImKampf == 1) {
        const int t = AktivePersonMitId(f.ZielId);
        if (t >= 0) {
            f.Ziel[0] = Figuren[t].Wegpunkt[0];
            f.Ziel[2] = Figuren[t].Wegpunkt[2];
        }
        return;
    }
    f.AnimLaenge = 12;
    const int r = Zufall();
    if (r % 100 != 50 || !IstStadtvolkOderFeind(f.Typ)) return;
    for (int versuch = 0; versuch < 100; ++versuch) {
        const int x = Zufall() % 100 + 5;
        const int z = Zufall() % 100 + 5;
        if (BodenGitter[x][z] != 1) continue;
        f.Ziel[0] = 10.0f * static_cast<float>(x);
        f.Ziel[1] = 0.0f;
        f.Ziel[2] = 10.0f * static_cast<float>(z);
        f.Zustand = f.Befehl = 2;
        f.AnimLaenge = 12;
        return;
    }
}

void Heilen(FigurRecord& f) {
    if (f.Typ != 3) {
        HeilenAbbrechen(f);
        return;
    }
    f.AnimLaenge = 12;
    if (f.AnimBild != 11) return;
    f.AnimBild = 0;
    ItemSlot* mittel = nullptr;
    for (int reihe = 0; reihe < 2 && !mittel; ++reihe)
        for (ItemSlot& s : f.Inventar[reihe])
            if (s.ItemId == 1000 || s.ItemId == 1022) {
                mittel = &s;
                break;
            }
    if (!mittel) {
        HeilenAbbrechen(f);
        return;
    }
    if (mittel->ItemAnzahl <= 1) LeereSlot(*mittel);
    else --mittel->ItemAnzahl;
    // A dying member is past healing: raised above 0 it would lie in its dying state for good.
    const int t = AktiveFigurMitId(f.ZielId);
    if (t < 0 || !IstTrupp(Figuren[t].Typ) || Figuren[t].Gesundheit > 99 || Figuren[t].Gesundheit < 1 ||
        !(Abstand(f, Figuren[t]) <= 15.0f)) {
        HeilenAbbrechen(f);
        return;
    }
    Figuren[t].Gesundheit = std::min(100, Figuren[t].Gesundheit + f.Stufe);
}

void Erfahrung(FigurRecord& a) {
    if (a.Typ != 1 && a.Typ != 10 && a.Typ != 13) return;
    // One byte of experience: it saturates, and a level never needs more than the byte holds.
    if (a.Erfahrung < 255) ++a.Erfahrung;
    if (a.Erfahrung >= std::min(a.Stufe * 100, 255) && a.Stufe < 10) {
        a.Erfahrung = 0;
        a.Stufe = static_cast<uint8_t>(std::min(a.Stufe + 1, 10));
        for (SchwebeText& t : SchwebeTexte) {
            if (t.Aktiv != 0) continue;
            t.Aktiv = 1;
            t.FigurId = a.Id;
            t.Hoehe = 20.0f;
            t.VersatzX = static_cast<float>(Zufall() % 20 - 10);
            break;
        }
    }
}

void Blutfleck(const FigurRecord& ziel) {
    for (ObjektRecord& o : StadtObjekte) {
        if (o.Aktiv != 0) continue;
        o.Aktiv = 1;
        o.Modell = 9013;
        o.Phase = 0.0f;
        o.Drehung[1] = static_cast<float>(Zufall() % 100);
        o.Position[0] = ziel.Position[0];
        o.Position[1] = 0.0f;
        o.Position[2] = ziel.Position[2];
        return;
    }
}

void SchwebendeZahl(const FigurRecord& ziel, int schaden) {
    for (SchwebeZahl& z : SchwebeZahlen) {
        if (z.Wert > 0) continue;
        z.Wert = schaden;
        z.FigurId = ziel.Id;
        z.Hoehe = 20.0f;
        z.VersatzX = static_cast<float>(Zufall() % 20 - 10);
        return;
    }
}

// The hit frame of an attack by record i on record t.
void Zuschlagen(int i, int t, const Angriff& w) {
    FigurRecord& a = Figuren[i];
    FigurRecord& z = Figuren[t];
    const bool inReichweite =
        Abstand(a, z) <= w.reichweite && (!w.feuerwaffe || !SichtLinieBlockiert(i, t));
    if (!inReichweite) {
        Gehen(a);
        return;
    }
    Erfahrung(a);
    if (w.feuerwaffe) {
        ItemSlot& mun = Platz(a, Munition);
        if (mun.ItemId == 1028 && mun.ItemAnzahl > 0) {
            if (--mun.ItemAnzahl == 0) {
                LeereSlot(mun);
                // The last shot is still resolved below.
                AngriffBeenden(a);
            }
        }
    }
    int wurf;
    if (a.Typ == 1) {
        const int basis = Zufall() % 21;
        wurf = basis + Zufall() % (z.Ruestung + 1) - 2 * a.Stufe;
    } else {
        wurf = Zufall() % (z.Ruestung + 20);
    }
    const bool treffer = wurf < 9;
    const int schaden = treffer ? w.schaden[std::max(wurf, 0)] : 0;
    // Health from a file can be anything: never let the subtraction overflow.
    z.Gesundheit = static_cast<int32_t>(std::max<int64_t>(int64_t{z.Gesundheit} - schaden, INT32_MIN));
    if (SichtPyramide.FrustumKugelSichtbar(a.Position[0], a.Position[1], a.Position[2], 30.0f))
        SpieleSound(treffer ? w.soundTreffer : w.soundFehl);
    if (treffer && Zufall() % 3 == 1) Blutfleck(z);
    SchwebendeZahl(z, schaden);
    a.AnimBild = 0;
    if (z.Gesundheit < 1) {
        a.ZielId = KEINE_FIGUR;
        Gehen(a);
        a.ImKampf = 0;
        z.ImKampf = 0;
        z.ZielId = KEINE_FIGUR;
        Gehen(z);
    }
}

void Angreifen(int i, const Angriff& w) {
    FigurRecord& f = Figuren[i];
    const int zustand = f.Zustand;
    f.ImKampf = 1;
    f.AnimLaenge = w.laenge;
    if (f.AnimBild == w.trefferBild) {
        const int t = AktivePersonMitId(f.ZielId);
        if (t >= 0) Zuschlagen(i, t, w);
        else AngriffBeenden(f);  // the target is gone
    }
    if (zustand != 8 && Platz(f, Hand).ItemId != w.waffe) AngriffBeenden(f);
}

void Ablegen(FigurRecord& f) {
    f.AnimLaenge = 12;
    if (f.AnimBild == 1) {
        f.AnimBild = 2;
        // No member in the selected slot, nothing valid on the mouse or no free record: the item
        // stays on the mouse.
        if (AuswahlIndex >= 0 && AuswahlIndex <= 6 && IstItemId(CursorItem)) {
            const int m = AktiveFigurMitId(AuswahlSlots[AuswahlIndex]);
            // At the member's cell, a cell centre even while it walks: a pick-up can only reach one.
            if (m >= 0 && LegeBodenItem(Figuren[m].Wegpunkt[0], Figuren[m].Wegpunkt[2],
                                        static_cast<int16_t>(CursorItem),
                                        static_cast<uint8_t>(CursorItemAnzahl & 0xff)) >= 0) {
                CursorItem = 0;
                CursorItemAnzahl = 0;
            }
        }
    }
    if (f.AnimBild > 10) f.Zustand = f.Befehl = 1;
}

void Aufheben(FigurRecord& f) {
    f.AnimLaenge = 12;
    if (f.AnimBild == 1) {
        f.AnimBild = 2;
        const int t = AktiveFigurMitId(f.ZielId);
        ItemSlot* leer = nullptr;
        for (int reihe = 0; reihe < 2 && !leer; ++reihe)
            for (ItemSlot& s : f.Inventar[reihe])
                if (s.ItemId == 0) {
                    leer = &s;
                    break;
                }
        if (t >= 0 && IstBodenItem(Figuren[t].Typ) && IstItemId(Figuren[t].Typ) && leer) {
            leer->ItemId = Figuren[t].Typ;
            leer->ItemAnzahl = Figuren[t].Anzahl;
            f.ZielId = KEINE_FIGUR;
            EntferneFigur(Figuren[t]);
            f.AuftragsZiel[0] = f.AuftragsZiel[1] = f.AuftragsZiel[2] = -1.0f;
            return;
        }
        f.Befehl = f.Zustand = 1;
        f.ZielId = KEINE_FIGUR;
    }
    // The order is done too: left at 5 it would be copied back into the state at the next walk and
    // drop whatever order came after it.
    if (f.AnimBild > 10) f.Zustand = f.Befehl = 1;
}

// Talking holds its pose while the talk lasts; once it is over the two go back to idle (the talk
// itself only releases the partner's hold).
void Reden(FigurRecord& f) {
    if (GespraechsPartner != 0 && (f.Id == GespraechsPartner || f.Id == GespraechsFigur)) {
        f.AnimLaenge = 53;
        return;
    }
    f.Zustand = f.Befehl = 1;
    f.AnimLaenge = 12;
}

}  // namespace

void FigurHandeln(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    if (const Angriff* w = AngriffFuer(f.Zustand)) {
        Angreifen(i, *w);
        return;
    }
    switch (f.Zustand) {
    case 1: Leerlauf(f); break;
    case 9: Heilen(f); break;
    case 6: Reden(f); break;
    case 16: f.AnimLaenge = 12; break;
    case 4: Ablegen(f); break;
    case 5: Aufheben(f); break;
    default: break;
    }
}
