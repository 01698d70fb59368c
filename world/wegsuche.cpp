#include "world/wegsuche.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <utility>

void WegKnoten::Leeren() {
    Vorgaenger = nullptr;
    G = H = F = 0;
    Belegt = 0;
}

namespace {
// Neighbour order of the expansion: the four straight steps, then the four diagonals.
constexpr int kNachbarX[8] = {0, 1, 0, -1, 1, 1, -1, -1};
constexpr int kNachbarY[8] = {-1, 0, 1, 0, -1, 1, 1, -1};
}  // namespace

Wegsuche::Wegsuche()
    : Offen(ListenGroesse), Geschlossen(ListenGroesse), Dicht(DichtSeite * DichtSeite, Zelle{0, 0}),
      Index(IndexGroesse, IndexEintrag{0, 0, {0, 0}}), Eimerliste(EimerZahl, Eimer{}),
      EimerWorteBelegt(EimerZahl, 0) {
    Zuruecksetzen();
}

void Wegsuche::Zuruecksetzen() {
    StartX = StartY = ZielX = ZielY = 0;
    Gefunden = 0;
    ZielKnoten = 0;
    OffenZahl = 0;
    GeschlossenZahl = 0;
    // Only the last path's entries are set: clearing them leaves the whole array empty.
    std::fill(Pfad, Pfad + PfadLaenge, nullptr);
    PfadLaenge = 0;
    if (++Stempel == 0) {  // after 2^16 searches the old stamps would come back
        for (auto& e : Index) e.Z.Stempel = 0;
        for (auto& z : Dicht) z.Stempel = 0;
        Stempel = 1;
    }
    std::fill(std::begin(FreiOffen), std::end(FreiOffen), 0);
    for (int w = 0; w < EimerZahl / 64; ++w)
        for (uint64_t bits = EimerBelegt[w]; bits; bits &= bits - 1) {
            const int e = w * 64 + std::countr_zero(bits);
            for (unsigned worte = EimerWorteBelegt[e]; worte; worte &= worte - 1)
                Eimerliste[e].Slots[std::countr_zero(worte)] = 0;
            EimerWorteBelegt[e] = 0;
        }
    std::fill(std::begin(EimerBelegt), std::end(EimerBelegt), 0);
    KleinsterEimer = EimerZahl;
}

void Wegsuche::Starte(int startX, int startY, int zielX, int zielY) {
    Zuruecksetzen();
    StartX = startX;
    StartY = startY;
    ZielX = zielX;
    ZielY = zielY;
}

int Wegsuche::Schaetzung(int x, int y, int kosten) const {
    return (std::abs(ZielX - x) + std::abs(ZielY - y)) * kosten;
}

const Wegsuche::Zelle* Wegsuche::FindeZelle(int x, int y) const {
    if (static_cast<uint32_t>(x) < DichtSeite && static_cast<uint32_t>(y) < DichtSeite)
        return &Dicht[static_cast<size_t>(y) * DichtSeite + static_cast<size_t>(x)];
    uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    for (uint32_t i = h & (IndexGroesse - 1);; i = (i + 1) & (IndexGroesse - 1)) {
        IndexEintrag& e = Index[i];
        if (e.Z.Stempel != Stempel) {
            e.X = x;
            e.Y = y;
            return &e.Z;
        }
        if (e.X == x && e.Y == y) return &e.Z;
    }
}

bool Wegsuche::IstOffen(int x, int y) const {
    const Zelle* z = FindeZelle(x, y);
    return z->Stempel == Stempel && z->Slot >= 0;
}

bool Wegsuche::IstGeschlossen(int x, int y) const {
    const Zelle* z = FindeZelle(x, y);
    return z->Stempel == Stempel && z->Slot <= -2;
}

int Wegsuche::ErsterFreierOffenerSlot() const {
    for (int w = 0; w < static_cast<int>(std::size(FreiOffen)); ++w) {
        if (~FreiOffen[w] != 0) {
            int slot = w * 64 + std::countr_one(FreiOffen[w]);
            return slot < ListenGroesse ? slot : -1;
        }
    }
    return -1;
}

void Wegsuche::LegeInEimer(int slot, int32_t f) {
    const int e = f - EimerBasis;
    Eimerliste[e].Slots[slot / 64] |= uint64_t{1} << (slot % 64);
    EimerWorteBelegt[e] = static_cast<uint16_t>(EimerWorteBelegt[e] | 1u << (slot / 64));
    EimerBelegt[e / 64] |= uint64_t{1} << (e % 64);
    KleinsterEimer = std::min(KleinsterEimer, e);
}

void Wegsuche::NimmAusEimer(int slot, int32_t f) {
    const int e = f - EimerBasis;
    uint64_t& wort = Eimerliste[e].Slots[slot / 64];
    wort &= ~(uint64_t{1} << (slot % 64));
    if (wort) return;
    EimerWorteBelegt[e] = static_cast<uint16_t>(EimerWorteBelegt[e] & ~(1u << (slot / 64)));
    if (EimerWorteBelegt[e] == 0) EimerBelegt[e / 64] &= ~(uint64_t{1} << (e % 64));
}

int Wegsuche::BesterOffenerSlot() {
    for (int w = KleinsterEimer / 64; w < EimerZahl / 64; ++w) {
        if (!EimerBelegt[w]) continue;
        const int e = w * 64 + std::countr_zero(EimerBelegt[w]);
        KleinsterEimer = e;
        const int sw = std::countr_zero(EimerWorteBelegt[e]);
        return sw * 64 + std::countr_zero(Eimerliste[e].Slots[sw]);
    }
    KleinsterEimer = EimerZahl;
    return -1;
}

int Wegsuche::NeuerOffenerKnoten(int x, int y, Zelle* z, const WegKnoten& eltern, int kosten) {
    const int slot = ErsterFreierOffenerSlot();
    if (slot < 0) return -1;
    WegKnoten& k = Offen[slot];
    k.Belegt = 1;
    k.X = x;
    k.Y = y;
    k.H = Schaetzung(x, y, kosten);
    k.G = eltern.G + kosten;
    k.F = Gesamtkosten(k.G, k.H);
    k.Vorgaenger = &eltern;
    FreiOffen[slot / 64] |= uint64_t{1} << (slot % 64);
    *z = ZelleMit(slot, Stempel);
    OffenZelle[slot] = z;
    ++OffenZahl;
    LegeInEimer(slot, k.F);
    if (x == ZielX && y == ZielY) {
        Gefunden = 1;
        ZielKnoten = slot;
    }
    return slot;
}

void Wegsuche::KuerzererWeg(int slot, const WegKnoten& eltern, int kosten) {
    WegKnoten& k = Offen[slot];
    const int kandidat = eltern.G + kosten;
    if (k.G <= kandidat) return;
    NimmAusEimer(slot, k.F);
    k.Vorgaenger = &eltern;
    k.G = kandidat;
    k.F = Gesamtkosten(k.H, k.G);
    LegeInEimer(slot, k.F);
}

bool Wegsuche::ErweitereNachbarn(const WegKnoten& knoten) {
    const int kx = knoten.X, ky = knoten.Y;
    // Away from the plain table's edge the eight neighbours sit at fixed distances in it.
    const bool imTisch = static_cast<uint32_t>(kx - 1) < DichtSeite - 2 && static_cast<uint32_t>(ky - 1) < DichtSeite - 2;
    const int mitte = ky * DichtSeite + kx;
    for (int n = 0; n < 8; ++n) {
        const int x = kx + kNachbarX[n];
        const int y = ky + kNachbarY[n];
        Zelle* z = imTisch ? &Dicht[static_cast<size_t>(mitte + kNachbarX[n] + kNachbarY[n] * DichtSeite)]
                           : FindeZelle(x, y);
        if (z->Stempel != Stempel) {  // first met in this search: ask the callback once
            if (Begehbar(x, y) == -1) {
                *z = ZelleMit(Gesperrt, Stempel);
            } else if (NeuerOffenerKnoten(x, y, z, knoten, 1) == -1) {
                return false;  // the open list is full
            }
        } else if (z->Slot >= 0) {
            KuerzererWeg(z->Slot, knoten, 1);
        }  // else closed or refused: nothing
    }
    return true;
}

int Wegsuche::BesterOffenerKnoten() {
    const int slot = BesterOffenerSlot();
    if (slot < 0) return -1;
    const int ziel = GeschlossenZahl + 1;  // closed slots are filled in order and never freed
    if (ziel >= ListenGroesse) return -1;
    NimmAusEimer(slot, Offen[slot].F);
    --OffenZahl;

    WegKnoten& von = Offen[slot];
    WegKnoten& nach = Geschlossen[ziel];
    nach.Vorgaenger = von.Vorgaenger;
    nach.G = von.G;
    nach.H = von.H;
    nach.F = von.F;
    nach.X = von.X;
    nach.Y = von.Y;
    nach.Belegt = 1;
    OffenZelle[slot]->Slot = static_cast<int16_t>(-2 - ziel);
    von.Leeren();
    FreiOffen[slot / 64] &= ~(uint64_t{1} << (slot % 64));
    ++GeschlossenZahl;
    return ziel;
}

void Wegsuche::BauePfad() {
    int laenge = 0;
    for (const WegKnoten* k = &Offen[ZielKnoten]; k; k = k->Vorgaenger) ++laenge;
    PfadLaenge = laenge;
    const WegKnoten* k = &Offen[ZielKnoten];
    for (int i = laenge - 1; i >= 0; --i, k = k->Vorgaenger) Pfad[i] = k;
}

bool Wegsuche::Suche(int maxSchritte) {
    if (!Begehbar) return false;
    // Every node lies at most ListenGroesse steps from the start: a goal further off is never
    // generated, and within that reach no coordinate, estimate or bucket below can overflow.
    constexpr int64_t reichweite = ListenGroesse;
    constexpr int64_t rand = INT32_MAX - 2 * reichweite;
    if (std::max(std::abs(int64_t{ZielX} - StartX), std::abs(int64_t{ZielY} - StartY)) > reichweite ||
        std::abs(int64_t{StartX}) > rand || std::abs(int64_t{StartY}) > rand)
        return false;
    EimerBasis = Schaetzung(StartX, StartY, 1) - ListenGroesse;
    WegKnoten& start = Geschlossen[0];
    start.Belegt = 1;
    start.X = StartX;
    start.Y = StartY;
    start.H = Schaetzung(StartX, StartY, 0);
    start.F = 0;
    start.G = 0;
    start.Vorgaenger = nullptr;
    *FindeZelle(StartX, StartY) = ZelleMit(-2, Stempel);

    int n = 0;
    for (;;) {
        ErweitereNachbarn(Geschlossen[n]);
        if (Gefunden) {
            BauePfad();
            return true;
        }
        n = BesterOffenerKnoten();
        if (n == -1) return false;
        if (GeschlossenZahl >= maxSchritte) return false;
        if (GeschlossenZahl == TaschenPruefung && ZielInAbgeschlossenerTasche()) return false;
    }
}

bool Wegsuche::ZielInAbgeschlossenerTasche() {
    // Only a walkable cell is ever generated, and a cell is generated from a neighbour: the goal is
    // reachable exactly when the walkable cells connected to it include a neighbour of the start.
    if (Begehbar(ZielX, ZielY) == -1) return true;
    if (Tasche.empty()) Tasche.assign(4 * TaschenGroesse, IndexEintrag{0, 0, {0, 0}});
    if (++TaschenStempel == 0) {
        for (auto& e : Tasche) e.Z.Stempel = 0;
        TaschenStempel = 1;
    }
    const uint32_t maske = static_cast<uint32_t>(Tasche.size() - 1);
    // Marks a cell as seen; false when it was seen before.
    auto merke = [&](int x, int y) {
        uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
        for (uint32_t i = (h ^ (h >> 13)) & maske;; i = (i + 1) & maske) {
            IndexEintrag& e = Tasche[i];
            if (e.Z.Stempel != TaschenStempel) {
                e = {x, y, {0, TaschenStempel}};
                return true;
            }
            if (e.X == x && e.Y == y) return false;
        }
    };
    TaschenWarteschlange.clear();
    merke(ZielX, ZielY);
    TaschenWarteschlange.push_back({ZielX, ZielY});
    for (size_t k = 0; k < TaschenWarteschlange.size(); ++k) {
        const auto [x, y] = TaschenWarteschlange[k];
        if (std::max(std::abs(x - StartX), std::abs(y - StartY)) == 1) return false;
        for (int n = 0; n < 8; ++n) {
            const int nx = x + kNachbarX[n], ny = y + kNachbarY[n];
            if (Begehbar(nx, ny) == -1 || !merke(nx, ny)) continue;
            if (static_cast<int>(TaschenWarteschlange.size()) == TaschenGroesse) return false;
            TaschenWarteschlange.push_back({nx, ny});
        }
    }
    return true;
}
