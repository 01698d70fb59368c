#pragma once
// A* search on an integer grid. It knows nothing of towns: the caller hands it a walkability
// callback, a start and a goal, runs Suche with a step limit and reads the path as node pointers.
//
// The search keeps the game's fixed lists of 1000 open and 1000 closed slots and their exact
// order rules (first free slot, lowest slot wins a tie), so every path is the one the game has
// always found. A cell-to-slot index and a heap of open slots only make the lookups fast.
#include <cstdint>
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
    // Returns the open slot used, or -1 when the open list is full.
    int Erweitere(int x, int y, const WegKnoten& eltern, int kosten);
    bool ErweitereNachbarn(const WegKnoten& knoten);
    int BesterOffenerKnoten();
    void BauePfad();

    // Cell index: open-addressed hash from a cell to its slot (open >= 0, closed encoded as
    // -2 - slot). Entries are never removed during a search, only re-pointed; an entry of an
    // earlier search (another stamp) counts as unused, so a new search clears nothing.
    struct IndexEintrag {
        int32_t X, Y;
        int32_t Slot;
        uint32_t Stempel;
    };
    uint32_t Stempel = 0;
    static constexpr int IndexGroesse = 4096;  // > 2 x 1000 nodes, a power of two
    IndexEintrag* FindeEintrag(int x, int y);
    const IndexEintrag* FindeEintrag(int x, int y) const;
    std::vector<IndexEintrag> Index;

    // Heap of (F, slot, generation) over the open list; stale entries are skipped on pop.
    struct HeapEintrag {
        int32_t F, Slot;
        uint32_t Generation;
    };
    std::vector<HeapEintrag> Heap;
    std::vector<uint32_t> Generation;  // per open slot, bumped whenever the slot gets a new node
    uint64_t FreiOffen[(ListenGroesse + 63) / 64] = {};  // bit set = open slot in use
    int ErsterFreierOffenerSlot() const;
};
