#include "world/bewegung.h"

#include <algorithm>
#include <cmath>

#include "world/figur_hilfen.h"
#include "world/wegsuche.h"

int FeldBegehbar(int x, int z) {
    if (!ImGitter(x, z)) return -1;
    const StadtFeld& feld = StadtGitter[x][z];
    if (feld.Blockiert == 1 || feld.Belegt == 1) return -1;
    return 1;
}

void FigurWegFolgen(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    const FigurRecord& f = Figuren[i];
    if (f.Aktiv != 1) return;
    if (f.Position[0] != f.Ziel[0] || f.Position[2] != f.Ziel[2]) FigurWegSuchen(i);
}

namespace {

// One search object serves every planning step; each Starte clears it.
Wegsuche& Suche() {
    static Wegsuche suche;
    return suche;
}

bool SucheWeg(int sx, int sz, int zx, int zz, int limit) {
    Wegsuche& w = Suche();
    w.SetzeBegehbar(FeldBegehbar);
    w.Starte(sx, sz, zx, zz);
    return w.Suche(limit);
}

void BleibStehen(FigurRecord& f, bool auchWegpunkt) {
    f.Ziel[0] = f.Position[0];
    f.Ziel[2] = f.Position[2];
    if (auchWegpunkt) {
        f.Wegpunkt[0] = f.Position[0];
        f.Wegpunkt[2] = f.Position[2];
    }
    f.Zustand = f.Befehl = 1;
    f.AnimLaenge = 12;
}

bool FeldFrei(int x, int z) {
    const StadtFeld* feld = FeldBei(x, z);
    return feld && ImGitter(x, z) && feld->Blockiert != 1 && feld->Belegt != 1;
}

void SetzeBelegt(float wx, float wz, uint8_t wert) {
    if (StadtFeld* feld = FeldBei(ZelleVon(wx), ZelleVon(wz))) feld->Belegt = wert;
}

}  // namespace

void FigurWegSuchen(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    const int sx = ZelleVon(f.Position[0]), sz = ZelleVon(f.Position[2]);
    int gx = ZelleVon(f.Ziel[0]), gz = ZelleVon(f.Ziel[2]);

    const bool stadtvolk = IstStadtvolk(f.Typ);
    const bool truppOderFeind = IstTrupp(f.Typ) || IstFeind(f.Typ);
    // Townsfolk give up and also drop their waypoint; squad members and hostiles keep it.
    auto aufgeben = [&] {
        if (stadtvolk) BleibStehen(f, true);
        else if (truppOderFeind) BleibStehen(f, false);
    };

    // A goal outside the grid can never be reached.
    if (!ImGitter(gx, gz)) {
        aufgeben();
        return;
    }

    bool wegBekannt = false;  // the search object already holds the path from s to g with limit 1000
    if (!FeldFrei(gx, gz)) {
        static constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
        static constexpr int kDz[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
        int n = 0;
        for (; n < 8; ++n) {
            const int nx = gx + kDx[n], nz = gz + kDz[n];
            if (!FeldFrei(nx, nz)) continue;
            if (SucheWeg(sx, sz, nx, nz, 1000)) break;
        }
        if (n == 8) {
            BleibStehen(f, false);
            return;
        }
        f.Ziel[0] += 10.0f * static_cast<float>(kDx[n]);
        f.Ziel[2] += 10.0f * static_cast<float>(kDz[n]);
        gx += kDx[n];
        gz += kDz[n];
        wegBekannt = true;
    }

    if (stadtvolk) {
        if (!SucheWeg(sx, sz, gx, gz, 300)) {
            aufgeben();
            return;
        }
    } else if (truppOderFeind) {
        // The same search with the same limit finds the same path: reuse it.
        if (!wegBekannt && !SucheWeg(sx, sz, gx, gz, 1000)) {
            aufgeben();
            return;
        }
    } else {
        return;
    }

    const Wegsuche& w = Suche();
    if (w.PfadLaenge < 2) return;
    SetzeBelegt(f.Wegpunkt[0], f.Wegpunkt[2], 0);
    f.Wegpunkt[0] = 10.0f * static_cast<float>(w.Pfad[1]->X);
    f.Wegpunkt[2] = 10.0f * static_cast<float>(w.Pfad[1]->Y);
    if (IstTrupp(f.Typ)) {
        f.Zustand = f.Befehl;
    } else {
        f.Zustand = 2;
        f.AnimLaenge = 12;
    }
    SetzeBelegt(f.Wegpunkt[0], f.Wegpunkt[2], 1);
}

void FigurSchritt(int32_t i) {
    if (i < 0 || i >= FIGUREN_ANZAHL) return;
    FigurRecord& f = Figuren[i];
    // Walking and running move. An idle figure moves only to finish a step it was caught in (a
    // conversation partner held mid-step and released idle would otherwise stand between two cells for
    // good); standing on its waypoint, nothing below applies. No other state moves, so an attack keeps
    // its timing.
    if (f.Wartet == 1 || (f.Zustand != 1 && f.Zustand != 2 && f.Zustand != 3)) return;
    const float s = f.Zustand == 3 ? 2.0f : 1.0f;
    float& px = f.Position[0];
    float& pz = f.Position[2];
    const float wx = f.Wegpunkt[0], wz = f.Wegpunkt[2];
    // Never past the waypoint, so a position off the cell centres still lands on it.
    auto schritt = [s](float von, float nach) { return std::min(s, std::fabs(nach - von)); };
    float drehung;
    if (wx < px && wz == pz) {
        px -= schritt(px, wx);
        drehung = -kPi / 2;
    } else if (wx > px && wz == pz) {
        px += schritt(px, wx);
        drehung = kPi / 2;
    } else if (wx == px && wz < pz) {
        pz -= schritt(pz, wz);
        drehung = kPi;
    } else if (wx == px && wz > pz) {
        pz += schritt(pz, wz);
        drehung = 0.0f;
    } else if (wx > px && wz < pz) {
        px += schritt(px, wx);
        pz -= schritt(pz, wz);
        drehung = 3 * kPi / 4;
    } else if (wx > px && wz > pz) {
        px += schritt(px, wx);
        pz += schritt(pz, wz);
        drehung = kPi / 4;
    } else if (wx < px && wz > pz) {
        px -= schritt(px, wx);
        pz += schritt(pz, wz);
        drehung = -kPi / 4;
    } else if (wx < px && wz < pz) {
        px -= schritt(px, wx);
        pz -= schritt(pz, wz);
        drehung = -3 * kPi / 4;
    } else {
        return;
    }
    f.Drehung[1] = drehung;
    f.AnimLaenge = 12;
}
