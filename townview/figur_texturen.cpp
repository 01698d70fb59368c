#include "townview/figur_texturen.h"

namespace {

struct Kleidung {
    int16_t item;
    int textur;
};

struct TeilKleidung {
    InventarPlatz platz;
    Kleidung liste[7];  // item 0 ends the list
};

// By body part: the inventory place read and what each item there gives.
constexpr TeilKleidung kKleidung[9] = {
    {Koerper, {{1025, 13}, {1026, 14}, {1027, 18}, {1083, 191}}},
    {Getragen, {{1190, 18}}},
    {Hose, {{1046, 18}, {1108, 18}, {1109, 18}, {1110, 18}, {1082, 191}}},
    {Handschuhe, {{1047, 18}, {1114, 18}, {1115, 18}, {1116, 18}, {1085, 191}}},
    {Stiefel, {{1045, 18}, {1111, 18}, {1112, 18}, {1113, 18}, {1084, 191}}},
    {Helm, {{1044, 130}, {1106, 130}, {1103, 246}, {1107, 246}}},
    {Getragen, {{1017, 131}}},
    {Getragen, {{1086, 221}}},
    {Hand, {{1035, 213}, {1030, 264}, {1032, 264}, {1034, 264}, {1029, 268}, {1031, 268}, {1033, 268}}},
};

}  // namespace

int KleidungsTextur(const FigurRecord& f, int p)
{
    if (p < 0 || p >= 9) return -1;
    const int16_t item = Platz(f, kKleidung[p].platz).ItemId;
    for (const Kleidung& k : kKleidung[p].liste)
        if (k.item != 0 && k.item == item) return k.textur;
    return -1;
}
