#include "framework/keyboard.h"

#include "platform/keyboard.h"
#include "world/records.h"

uint8_t TastenStatus[256] = {};

bool LabelTasteGehalten()
{
    return TastenStatus[kbd::dik::LMenu] != 0 || TastenStatus[kbd::dik::LShift] != 0 ||
           TastenStatus[kbd::dik::RShift] != 0;
}

namespace {
bool eingabeObjekt = false;
bool tastatur = false;
std::vector<TastenDruck> druecke;
constexpr size_t kHoechstensWartend = 64;
}  // namespace

void MerkeTastenDruck(uint8_t taste, bool umschalt)
{
    if (druecke.size() < kHoechstensWartend) druecke.push_back({taste, umschalt});
}

std::vector<TastenDruck> NimmTastenDruecke()
{
    std::vector<TastenDruck> genommen;
    genommen.swap(druecke);
    return genommen;
}

int32_t ErstelleDirectInput()
{
    if (eingabeObjekt) return 3;
    eingabeObjekt = true;
    return 0;
}

int32_t ErstelleTastatur()
{
    if (!eingabeObjekt) return 1;
    if (tastatur) return 3;
    tastatur = true;
    return 0;
}

int32_t LeseTastatur()
{
    if (!tastatur) return 2;
    // Only the active window may read the keyboard; the state from before stays until it can.
    if (FensterAktiv == 0) return 0;
    kbd::ReadState(TastenStatus);
    return 256;
}

void GibTastaturFrei()
{
    tastatur = false;
    eingabeObjekt = false;
}
