#include "world/aufstellung.h"

#include <algorithm>
#include <iterator>

void UebertrageMerkmale(FigurRecord& ziel, const FigurRecord& quelle)
{
    ziel.LabelAnzeigen = ziel.Wartet = ziel.ImKampf = ziel.HeilAuftrag = 0;
    ziel.Aktiv = 1;
    ziel.Ausgewaehlt = 0;
    ziel.EigeneFigur = quelle.EigeneFigur;
    ziel.Erfahrung = quelle.Erfahrung;
    std::copy(std::begin(quelle.Aussehen), std::end(quelle.Aussehen), ziel.Aussehen);
    std::copy(std::begin(quelle.Reserviert), std::end(quelle.Reserviert), ziel.Reserviert);
    ziel.TeilModelle[0] = quelle.TeilModelle[0];
    ziel.AnimTakt = quelle.AnimTakt;
    ziel.Gesundheit = quelle.Gesundheit;
    ziel.NamensIndex = quelle.NamensIndex;
    ziel.Typ = quelle.Typ;
    ziel.ZielId = KEINE_FIGUR;
    ziel.Stufe = quelle.Stufe;
    std::copy(std::begin(quelle.Drehung), std::end(quelle.Drehung), ziel.Drehung);
    ziel.Phase = quelle.Phase;
    std::fill(std::begin(ziel.AuftragsZiel), std::end(ziel.AuftragsZiel), 0.0f);
    std::fill(std::begin(ziel.EingangsZiel), std::end(ziel.EingangsZiel), 0.0f);
    ziel.SpruchZeile = KEINE_FIGUR;
    ziel.SpruchTimer = quelle.SpruchTimer;
    ziel.ABCSchutz = quelle.ABCSchutz;
    ziel.Ruestung = quelle.Ruestung;
}

void UebertrageItems(FigurRecord& ziel, const FigurRecord& quelle)
{
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 6; ++j) {
            ziel.Inventar[k][j].ItemId = quelle.Inventar[k][j].ItemId;
            ziel.Inventar[k][j].ItemAnzahl = quelle.Inventar[k][j].ItemAnzahl;
        }
}

void UebertrageFigur(FigurRecord& ziel, const FigurRecord& quelle)
{
    UebertrageMerkmale(ziel, quelle);
    UebertrageItems(ziel, quelle);
    ziel.AnimBild = quelle.AnimBild;
    ziel.Zustand = quelle.Zustand;
    ziel.AnimLaenge = quelle.AnimLaenge;
    ziel.Nahrung = quelle.Nahrung;
    ziel.Wasser = quelle.Wasser;
    ziel.Befehl = quelle.Befehl;
    std::copy(std::begin(quelle.Position), std::end(quelle.Position), ziel.Position);
    std::copy(std::begin(quelle.Ziel), std::end(quelle.Ziel), ziel.Ziel);
    std::copy(std::begin(quelle.Wegpunkt), std::end(quelle.Wegpunkt), ziel.Wegpunkt);
}

void StelleBereit(FigurRecord& f)
{
    f.Ausgewaehlt = 0;
    f.AnimLaenge = 12;
    f.Zustand = 1;
    f.Befehl = 1;
    f.Wartet = f.ImKampf = f.HeilAuftrag = f.SprechAuftrag = 0;
    std::fill(std::begin(f.AuftragsZiel), std::end(f.AuftragsZiel), 0.0f);
    std::fill(std::begin(f.EingangsZiel), std::end(f.EingangsZiel), 0.0f);
}

void AnkunftsPlatz(int m, float platz[3])
{
    const int reihe = (m - 1) / 6;
    platz[0] = float(620 + 60 * reihe - 10 * m);
    platz[1] = 0.0f;
    platz[2] = float(10 * reihe);
}

void SetzePositionen(FigurRecord& f, const float platz[3])
{
    for (float* v : {f.Position, f.Ziel, f.Wegpunkt}) std::copy(platz, platz + 3, v);
}
