#include "world/figur_hilfen.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "framework/myapp.h"
#include "platform/random.h"

StadtRecord& AktuelleStadtRecord() {
    if (StadtRecord* s = StadtMitId(AktuelleStadt)) return *s;
    static StadtRecord ersatz;
    ersatz = StadtRecord{};
    return ersatz;
}

StadtFeld* FeldBei(int x, int z) {
    if (x < 0 || z < 0 || x >= GITTER_GROESSE || z >= GITTER_GROESSE) return nullptr;
    return &StadtGitter[x][z];
}

int ZelleVon(float welt) {
    constexpr float kGrenze = 1.0e6f;
    if (!(welt > -kGrenze && welt < kGrenze)) return -1000000;
    return static_cast<int>(welt / 10.0f);
}

int AktiveFigurMitId(int id) {
    if (id == KEINE_FIGUR) return -1;
    for (int k = 0; k < FIGUREN_ANZAHL; ++k)
        if (Figuren[k].Aktiv == 1 && Figuren[k].Id == id) return k;
    return -1;
}

int AktivePersonMitId(int id) {
    if (id == KEINE_FIGUR) return -1;
    for (int k = 0; k < FIGUREN_ANZAHL; ++k)
        if (Figuren[k].Aktiv == 1 && Figuren[k].Id == id && IstPerson(Figuren[k].Typ)) return k;
    return -1;
}

int TruppMitgliedMitId(int id) {
    if (id == KEINE_FIGUR) return -1;
    for (int k = 0; k < FIGUREN_ANZAHL; ++k)
        if (Figuren[k].Aktiv == 1 && Figuren[k].Id == id && IstTrupp(Figuren[k].Typ)) return k;
    return -1;
}

int PortraitReihenfolge(int (&indizes)[FIGUREN_ANZAHL]) {
    int n = 0;
    for (const bool stationiert : {false, true})
        for (int k = 0; k < FIGUREN_ANZAHL; ++k) {
            const FigurRecord& f = Figuren[k];
            if (f.Aktiv == 1 && IstTrupp(f.Typ) && (f.Stationiert != 0) == stationiert) indizes[n++] = k;
        }
    return n;
}

void MarkierePersonenFelder() {
    for (const FigurRecord& f : Figuren) {
        if (f.Aktiv != 1 || !IstPerson(f.Typ)) continue;
        // A waypoint off the grid (or no number at all) flags nothing.
        const float wx = f.Wegpunkt[0], wz = f.Wegpunkt[2];
        if (!(wx > -10.0f && wx < 10.0f * GITTER_GROESSE && wz > -10.0f && wz < 10.0f * GITTER_GROESSE)) continue;
        StadtGitter[int(wx / 10.0f)][int(wz / 10.0f)].Belegt = 1;
    }
}

void EntferneFigur(FigurRecord& f) {
    f.Aktiv = 0;
    f.ImKampf = 0;
    f.ZielId = KEINE_FIGUR;
}

namespace {

// What every item laid on the floor is given; the rest of the record is the caller's.
FigurRecord* LegeItemHin(float x, float z, int16_t item, uint8_t anzahl) {
    const int i = FreieFigur();
    if (i < 0) return nullptr;
    FigurRecord& f = Figuren[i];
    f.Aktiv = 1;
    f.Typ = item;
    f.TeilModelle[0] = item;
    f.Anzahl = anzahl;
    f.Position[0] = f.Ziel[0] = f.Wegpunkt[0] = x;
    f.Position[1] = f.Ziel[1] = f.Wegpunkt[1] = 0.0f;
    f.Position[2] = f.Ziel[2] = f.Wegpunkt[2] = z;
    f.Drehung[0] = f.Drehung[1] = f.Drehung[2] = 0.0f;
    f.Gesundheit = 100;
    f.ZielId = KEINE_FIGUR;
    f.EigeneFigur = f.Ausgewaehlt = f.HeilAuftrag = f.ImKampf = 0;
    return &f;
}

}  // namespace

int LegeBodenItem(float x, float z, int16_t item, uint8_t anzahl) {
    FigurRecord* f = LegeItemHin(x, z, item, anzahl);
    if (!f) return -1;
    std::memset(f->Inventar, 0, sizeof f->Inventar);
    f->Zustand = f->Befehl = 1;
    f->AnimBild = 0;
    f->AnimLaenge = 12;
    f->NamensIndex = 0;
    f->Nahrung = 10;
    f->Wasser = 100;
    f->SprechAuftrag = 0;
    f->Wartet = 0;
    return int(f - Figuren);
}

int LegeAbgelegtesItem(float x, float z, int16_t item, uint8_t anzahl) {
    FigurRecord* f = LegeItemHin(x, z, item, anzahl);
    if (!f) return -1;
    f->Nahrung = f->Wasser = 0;
    f->Phase = 0.0f;
    f->SpruchZeile = KEINE_FIGUR;
    f->LabelAnzeigen = f->Wartet = f->Stationiert = 0;
    f->Aussehen[0] = f->Aussehen[1] = 0;
    f->ABCSchutz = 0;
    f->AnimBild = f->Zustand = f->AnimTakt = f->AnimLaenge = 0;
    f->NamensIndex = 0;
    f->Befehl = f->Stufe = 0;
    f->SpruchTimer = 0;
    for (int k = 0; k < 3; ++k) f->AuftragsZiel[k] = f->EingangsZiel[k] = 0.0f;
    return int(f - Figuren);
}

int LegeZurueckgegebenesItem(float x, float z, int16_t item, uint8_t anzahl) {
    FigurRecord* f = LegeItemHin(x, z, item, anzahl);
    if (!f) return -1;
    f->Zustand = 1;
    f->Nahrung = 10;
    f->Wasser = 5;
    f->NamensIndex = int16_t(Zufall() % 100);
    f->Aussehen[0] = uint8_t(Zufall() % 10);
    return int(f - Figuren);
}

float Abstand(const FigurRecord& a, const FigurRecord& b) {
    return MyApp.Distance(a.Position[0], a.Position[1], a.Position[2], b.Position[0], b.Position[1], b.Position[2]);
}
