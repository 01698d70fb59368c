#pragma once
// A* search on an integer grid. It knows nothing of towns: the caller hands it a walkability
// callback, a start and a goal, runs Suche with a step limit and reads the path as node pointers.
//
// The search keeps the game's fixed lists of 1000 open and 1000 closed slots and their exact
// order rules (first free slot, lowest slot wins a tie), so every path is the one the game has
// always found. A cell-to-slot index and buckets of open slots by F only make the lookups fast,
// and a goal that cannot be reached at all is given up early (the result is the same failure).
// Nothing is allocated or cleared whole per search.
#include <cstdint>
#include <utility>
#include <vector>

struct WegKnoten {
    const WegKnoten* Vorgaenger = nullptr;  // parent, a closed node; null for the start
    int32_t G = 0;
    int32_t H = 0;
    int32_t F = 0;
    int32_t Belegt = 0;  // 1 = slot in use
    int32_t X = 0;
    int32_t Y = 0;

    void Leeren();
};

class Wegsuche {
public:
    static constexpr int ListenGroesse = 1000;
    // A chain can hold every closed node plus the goal, which still sits in the open list.
    static constexpr int PfadGroesse = ListenGroesse + 1;

    using BegehbarFunktion = int (*)(int x, int y);  // -1 = blocked, anything else walkable

    Wegsuche();
    Wegsuche(const Wegsuche&) = delete;
    Wegsuche& operator=(const Wegsuche&) = delete;

    // Forgets the last search. The node slots keep their old contents until a search reuses
    // them; every slot is written whole when it is taken.
    void Zuruecksetzen();
    void Starte(int startX, int startY, int zielX, int zielY);
    void SetzeBegehbar(BegehbarFunktion begehbar) { Begehbar = begehbar; }
    bool Suche(int maxSchritte);

    int Schaetzung(int x, int y, int kosten) const;
    static int Gesamtkosten(int g, int h) { return g + h; }
    bool IstOffen(int x, int y) const;
    bool IstGeschlossen(int x, int y) const;

    int32_t StartX = 0, StartY = 0;
    int32_t ZielX = 0, ZielY = 0;
    int32_t Gefunden = 0;
    int32_t ZielKnoten = 0;
    BegehbarFunktion Begehbar = nullptr;

    std::vector<WegKnoten> Offen;
    std::vector<WegKnoten> Geschlossen;
    const WegKnoten* Pfad[PfadGroesse] = {};
    int32_t PfadLaenge = 0;
    int32_t OffenZahl = 0;
    int32_t GeschlossenZahl = 0;

private:
    bool ErweitereNachbarn(const WegKnoten& knoten);
    int BesterOffenerKnoten();
    void BauePfad();

    // Cell index: from a cell to its slot (open >= 0, closed encoded as -2 - slot) or to Gesperrt,
    // a cell the callback refused: the callback is asked once per cell and search (it must answer
    // the same for a cell throughout a search, as the game's does). Cells with both coordinates in
    // 0..127 (every town) sit in a plain table, neighbours next to each other; the others in an
    // open-addressed hash. Entries are never removed during a search, only re-pointed; an entry of
    // an earlier search (another stamp) counts as unused, so a new search clears nothing.
    struct Zelle {  // four bytes, so the table of a whole town stays in the cache
        int16_t Slot;
        uint16_t Stempel;
    };
    struct IndexEintrag {
        int32_t X, Y;
        Zelle Z;
    };
    uint16_t Stempel = 0;
    static constexpr int16_t Gesperrt = -1;
    static constexpr int DichtSeite = 128;
    // A power of two above the most cells a search can meet: 2 x 1000 nodes and the 8 x 1000
    // neighbours refused around the closed ones.
    static constexpr int IndexGroesse = 16384;
    // The cell's entry; a hash entry not in use is taken for the cell (its stamp stays old until
    // the caller writes it).
    const Zelle* FindeZelle(int x, int y) const;
    Zelle* FindeZelle(int x, int y) { return const_cast<Zelle*>(std::as_const(*this).FindeZelle(x, y)); }
    std::vector<Zelle> Dicht;
    mutable std::vector<IndexEintrag> Index;
    static Zelle ZelleMit(int slot, uint16_t stempel) { return {static_cast<int16_t>(slot), stempel}; }
    // A cell first met: takes the first free open slot and returns it, or -1 when the open list is
    // full. z is the cell's index entry.
    int NeuerOffenerKnoten(int x, int y, Zelle* z, const WegKnoten& eltern, int kosten);
    // An open cell met again: a shorter way through eltern replaces its old one.
    void KuerzererWeg(int slot, const WegKnoten& eltern, int kosten);

    // The open list's order: buckets by F, each a bit set of its open slots, so the best open node
    // (lowest F, then lowest slot) is found by a few bit scans. A node G steps from the start has
    // G <= 1000 and an estimate within 2 G of the start's H, so its F lies in H - 1000 .. H + 3000:
    // bucket 0 holds F = H - 1000. Emptied buckets are left clear, so a search clears only the
    // buckets the last one left filled.
    static constexpr int EimerZahl = 4096;
    static constexpr int EimerWorte = (ListenGroesse + 63) / 64;
    struct Eimer {
        uint64_t Slots[EimerWorte];
    };
    std::vector<Eimer> Eimerliste;
    std::vector<uint16_t> EimerWorteBelegt;   // per bucket: bit w set = Slots[w] not empty
    uint64_t EimerBelegt[EimerZahl / 64] = {};  // bit set = bucket not empty
    int32_t EimerBasis = 0;                     // F of bucket 0
    int KleinsterEimer = EimerZahl;             // no bucket below it is filled
    void LegeInEimer(int slot, int32_t f);
    void NimmAusEimer(int slot, int32_t f);
    int BesterOffenerSlot();  // -1 when the open list is empty
    Zelle* OffenZelle[ListenGroesse] = {};  // each open slot's index entry, for its closing
    uint64_t FreiOffen[EimerWorte] = {};  // bit set = open slot in use
    int ErsterFreierOffenerSlot() const;

    // A search that has run for a while without reaching its goal asks once whether the goal lies
    // in a small walled-in pocket that no neighbour of the start belongs to. Such a goal can never
    // be generated, so the search fails as it would after spending its whole limit, only sooner.
    static constexpr int TaschenPruefung = 64;  // closed nodes before the question is asked
    static constexpr int TaschenGroesse = 32;   // larger pockets are not told apart from open ground
    bool ZielInAbgeschlossenerTasche();
    std::vector<IndexEintrag> Tasche;  // the pocket's cells (Slot unused), stamped like the index
    std::vector<std::pair<int32_t, int32_t>> TaschenWarteschlange;
    uint16_t TaschenStempel = 0;
};
