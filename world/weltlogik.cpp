// The per-frame world logic over all figures and town objects together: first-visit hints, the
// garrison count, hostiles hunting the squad, deaths and their drops, move signs, object timers
// and sway, the end of an occupation and the choice of music.
#include <cmath>

#include "framework/music.h"
#include "framework/setup.h"
#include "framework/szene.h"
#include "world/anzeige.h"
#include "world/figur_hilfen.h"

namespace {

void PhaseWeiter(float& phase) {
    phase += 0.04f;
    if (!(phase <= 1.6e7f)) phase = 0.0f;  // also a phase that is not a number (a damaged file)
}

bool Schwankt(int modell) {
    switch (modell) {
    case 5001: case 5003: case 5074: case 5075: case 5076: case 5082: case 5083: case 5084: case 5107:
    case 5108: case 5109: case 5113: case 5122: case 5123: case 5124: case 5125: case 5126: case 5127:
        return true;
    default:
        return false;
    }
}

// The last active squad member in index order: the target every hostile ends up with.
int LetztesAktivesTruppMitglied() {
    for (int k = FIGUREN_ANZAHL - 1; k >= 0; --k)
        if (Figuren[k].Aktiv == 1 && IstTrupp(Figuren[k].Typ)) return k;
    return -1;
}

void Sterben(int i, StadtRecord& stadt) {
    FigurRecord& f = Figuren[i];
    if (f.EigeneFigur == 1 && MeldungsPanelAktiv == 0) {
        Todesursachen[0] = f.Wasser == 0;
        Todesursachen[1] = f.Nahrung == 0;
        Todesursachen[2] = f.ImKampf == 1;
        Todesursachen[3] = stadt.Verseuchung != 0;
        MeldungsPanelAktiv = 1;
        HinweisPanelHoehe = 0;
    }
    if (f.Zustand != 16) {
        f.Zustand = f.Befehl = 16;
        f.AnimLaenge = 12;
        f.AnimBild = 0;
        f.Phase = 0.0f;
    }
    if (f.Zustand == 16 && f.AnimBild == 11 && f.Phase >= 3.0f) {
        // The belongings are copied first: the first floor item usually lands in this very record.
        ItemSlot nachlass[4][6];
        std::copy(&f.Inventar[0][0], &f.Inventar[0][0] + 24, &nachlass[0][0]);
        const float x = f.Wegpunkt[0], z = f.Wegpunkt[2];
        EntferneFigur(f);
        if (StadtFeld* feld = FeldBei(ZelleVon(x), ZelleVon(z))) feld->Belegt = 0;
        for (const auto& reihe : nachlass)
            for (const ItemSlot& s : reihe)
                if (IstItemId(s.ItemId)) LegeBodenItem(x, z, s.ItemId, s.ItemAnzahl);
    }
}

}  // namespace

void Szene::AktualisiereWelt() {
    StadtRecord& stadt = AktuelleStadtRecord();
    if (SonderOrt == 0) {
        ZeigeHinweis(1);
        if (stadt.Verseuchung != 0) ZeigeHinweis(2);
        if (stadt.WasserZufluss == 0) ZeigeHinweis(5);
        for (uint8_t& b : stadt.Besatzung) b = 0;
        stadt.Stationiert = 0;
    }

    bool kampf = false, feinde = false;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        FigurRecord& f = Figuren[i];
        if (f.Aktiv == 1 && f.ImKampf == 1) kampf = true;
        if (f.EigeneFigur == 1 && CheatHilfe == 1) f.Gesundheit = 100;
        if (stadt.Besitzer == 2 || SonderOrt != 0) {
            if (stadt.Besitzer == 2) ZeigeHinweis(4);
            if (f.Aktiv == 1 && IstFeind(f.Typ)) {
                const int t = LetztesAktivesTruppMitglied();
                if (t >= 0) {
                    f.ImKampf = 1;
                    f.ZielId = Figuren[t].Id;
                }
            }
        }
        if (f.Typ == 10001 && f.Aktiv == 1 && f.Phase > 1.0f) {
            f.Typ = 0;
            f.TeilModelle[0] = 0;
            EntferneFigur(f);
        }
        if (f.Aktiv == 1 && IstPerson(f.Typ) && f.Gesundheit < 1) Sterben(i, stadt);
        if (f.Aktiv == 1 && IstFeind(f.Typ)) feinde = true;
        if (f.Aktiv == 1) PhaseWeiter(f.Phase);
        if (f.Aktiv == 1 && SonderOrt == 0) {
            if (IstTrupp(f.Typ) && f.Stationiert == 1 && stadt.Besitzer == 1) {
                uint8_t& n = stadt.Besatzung[f.Typ - 1];
                if (n < 255) ++n;
                ++stadt.Stationiert;
            } else if (IstFeind(f.Typ) && stadt.Besitzer == 2) {
                if (stadt.Besatzung[0] < 255) ++stadt.Besatzung[0];
            }
        }
    }

    for (ObjektRecord& o : StadtObjekte) {
        if (o.Aktiv == 1) {
            PhaseWeiter(o.Phase);
            if (o.Modell == 9013 && o.Phase >= 5.0f) o.Aktiv = 0;
        }
        if (Schwankt(o.Modell)) {
            o.Drehung[2] = std::sin(o.Phase) / 40.0f;
            o.Drehung[0] = std::sin(o.Phase) / 60.0f;
        } else if (o.Modell == 5055) {
            o.Drehung[1] += 0.1f;
        } else if (o.Modell == 5067) {
            o.Drehung[0] = std::sin(o.Phase) / 15.0f;
        } else if (o.Modell == 5050) {
            o.Drehung[2] += 0.01f;
        }
    }

    if (stadt.Besitzer == 2 && !feinde && SonderOrt == 0) stadt.Besitzer = 0;

    if (kampf && SonderOrt == 0) MusikZuKampf();
    else MusikZuIngame();
}
