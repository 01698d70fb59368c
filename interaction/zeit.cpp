#include "interaction/zeit.h"

#include "framework/services_world.h"
#include "framework/szene.h"
#include "world/figur_hilfen.h"

namespace {

bool Bewegt(const FigurRecord& f)
{
    return IstTrupp(f.Typ) || IstFeind(f.Typ) || (IstStadtvolk(f.Typ) && f.ImKampf == 1);
}

}  // namespace

void ZusatzTick(TickFiguren figuren, bool mitWelt)
{
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (figuren == TickFiguren::Alle || Bewegt(Figuren[i])) AktualisiereFigur(i);
    if (mitWelt) Szene.AktualisiereWelt();
    AktualisiereTageslauf();
}

void ZusatzTicks(int32_t n, TickFiguren figuren, bool mitWelt)
{
    for (int32_t k = 0; k < n; ++k) ZusatzTick(figuren, mitWelt);
}
