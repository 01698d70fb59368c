#include "world/rezepte.h"

#include <algorithm>
#include <iterator>

const Rezept Rezepte[REZEPT_ANZAHL] = {
    {1039, 1, {1014, 1053, 1004, 0, 0, 0}},           // rat trap: nuts, wood, wire
    {1012, 1, {1075, 1059, 0, 0, 0, 0}},              // empty bottle: broken bottle, glue
    {1021, 2, {1049, 1051, 1048, 1058, 0, 0}},        // torch: broken torch, bulb, batteries, cable
    {1007, 2, {1076, 1002, 1059, 0, 0, 0}},           // canteen: broken canteen, sheet metal, glue
    {1056, 2, {1079, 1059, 0, 0, 0, 0}},              // vase: broken vase, glue
    {1038, 3, {1077, 1080, 0, 0, 0, 0}},              // water bag: broken water bag, cloth
    {1017, 3, {1081, 1059, 0, 0, 0, 0}},              // sunglasses: broken sunglasses, glue
    {1041, 3, {1002, 1005, 1014, 1018, 0, 0}},        // leg-hold trap: sheet metal, iron bars, nuts, spring
    {1042, 4, {1073, 1055, 1014, 1004, 0, 0}},        // hand pump: broken pump, hose, nuts, wire
    {1062, 4, {1072, 1060, 1014, 1004, 0, 0}},        // lantern: broken lantern, candle, nuts, wire
    {1001, 5, {1078, 1002, 1014, 1080, 0, 0}},        // petrol can: broken can, sheet metal, nuts, cloth
    {1063, 6, {1057, 1080, 1080, 1080, 1059, 0}},     // tent: rope, three cloths, glue
    {1064, 7, {1071, 1061, 1058, 1050, 1059, 0}},     // calculator
    {1043, 8, {1074, 1061, 1058, 1050, 1014, 1055}},  // electric pump
    {1065, 8, {1070, 1048, 1058, 1050, 1014, 1059}},  // radio set
    {1066, 9, {1069, 1048, 1058, 1050, 1014, 1059}},  // wrist watch
    {1067, 9, {1068, 1048, 1058, 1050, 1014, 1059}},  // radio
};

const Rezept* RezeptMitIndex(int32_t j) { return j >= 0 && j < REZEPT_ANZAHL ? &Rezepte[j] : nullptr; }

bool RezeptVerfuegbar(int32_t j, int32_t stufe)
{
    const Rezept* r = RezeptMitIndex(j);
    return r != nullptr && stufe >= r->Stufe;
}

int32_t RezeptScrollGrenze(int32_t stufe)
{
    constexpr int32_t kGrenze[] = {0, 1, 4, 7, 9, 10, 11, 12, 14, 16, REZEPT_SCROLL_MAX};
    return kGrenze[std::clamp<int32_t>(stufe, 0, int32_t(std::size(kGrenze)) - 1)];
}
