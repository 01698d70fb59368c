// The journey between two towns: the garrison's upkeep in the town left, the squad carried through
// ReiseFiguren, the destination loaded from its working copy and its map, the days of the road
// (hunger and thirst, the enemy's moves, the towns' values), and perhaps an encounter on the way.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/szene.h"
#include "frontend/travel.h"
#include "platform/os.h"
#include "platform/random.h"
#include "world/anzeige.h"
#include "world/economy.h"
#include "world/enemy_army.h"
#include "world/figur_hilfen.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/spawnen.h"

namespace {

constexpr int kRegenSound = 13, kMeldungsSound = 22;

std::string Pfad(const char* format, int stadt)
{
    char pfad[64];
    std::snprintf(pfad, sizeof pfad, format, stadt);
    return pfad;
}
std::string ArbeitsKopie(int stadt) { return Pfad("GAMESTATE/S_Town%i.dat", stadt); }
std::string StadtKarte(int stadt) { return Pfad("DATA/Towns/Town%i.dat", stadt); }

bool Misslungen(const std::string& fehler)
{
    os::MessageBox(fehler, "Fehler!");
    return false;
}

bool HatGroesse(const std::string& pfad, size_t groesse)
{
    std::vector<uint8_t> daten;
    if (!os::ReadFile(pfad, daten)) return Misslungen("Datei nicht lesbar: " + pfad);
    if (daten.size() != groesse) return Misslungen("Datei beschaedigt: " + pfad);
    return true;
}

// What every move of a member carries: looks, body model, health, name, type, level, rotation,
// scale and protection; orders, target and selection cleared, in use.
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

bool IstEmitter(int typ) { return typ == 10000 || (typ >= 10002 && typ <= 10007); }

// The m-th member of the party (from 1) arrives in rows of six, x from 610 down to 560.
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

// A garrison larger than the town's water and food feed starves before the party leaves.
void GarnisonVersorgen()
{
    const StadtRecord* t = StadtMitId(AktuelleStadt);
    if (!t) return;
    const int grenze = std::min<int>(t->WasserZufluss, NahrungsStapel(t->NahrungsTier));
    int ueber = t->Stationiert - grenze;
    for (FigurRecord& f : Figuren) {
        if (ueber <= 0) break;
        if (f.Aktiv != 1 || !IstTrupp(f.Typ) || f.Stationiert != 1) continue;
        f.Gesundheit = 0;
        f.Zustand = 16;
        f.AnimBild = 11;
        f.Phase = 3.0f;
        --ueber;
    }
    Szene.AktualisiereWelt();  // the deaths complete; what they carried lies on the floor
}

// A hunter with the party searches its bag's empty slots until one find. Its level divides the
// chances; level 10 and above finds at once (no division by zero).
void Jagen(FigurRecord& jaeger, FigurRecord& reise)
{
    for (int reihe = 0; reihe < 2; ++reihe) {
        for (ItemSlot& s : reise.Inventar[reihe]) {
            if (s.ItemId != 0) continue;
            const int r = Zufall() % std::max(1, 10 - int(jaeger.Stufe));
            if (r < 4) {
                s.ItemId = kNahrungsQuellen[r].tier;
                s.ItemAnzahl = uint8_t(NahrungsStapel(s.ItemId));
                ZeilenTimer[kJagdZeile] = kZeilenDauer;
                if (jaeger.Erfahrung < 255) jaeger.Erfahrung += 1;
            }
            if (ZeilenTimer[kJagdZeile] == kZeilenDauer) SpieleSound(kMeldungsSound);
            if (r < 4 && jaeger.Stufe < 10 && jaeger.Erfahrung >= 5 * jaeger.Stufe) {
                jaeger.Erfahrung = 0;
                jaeger.Stufe += 1;
            }
            if (r < 4) return;
        }
    }
}

// The squad member in record i sets off: into travel record i, on the road for tage days.
void Abreise(int i, int m, int tage)
{
    FigurRecord& f = Figuren[i];
    FigurRecord& r = ReiseFiguren[i];
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 6; ++j) {
            r.Inventar[k][j].ItemId = f.Inventar[k][j].ItemId;
            r.Inventar[k][j].ItemAnzahl = f.Inventar[k][j].ItemAnzahl;
        }
    if (f.Typ == 4) Jagen(f, r);
    UebertrageMerkmale(r, f);
    r.SprechAuftrag = 0;
    r.Stationiert = 0;
    r.AnimBild = 0;
    r.Zustand = 1;
    r.AnimLaenge = 12;
    r.Nahrung = f.Nahrung - tage;
    r.Wasser = f.Wasser - tage;
    r.Befehl = 1;
    r.Anzahl = 1;
    float platz[3];
    AnkunftsPlatz(m, platz);
    SetzePositionen(r, platz);
    f.Aktiv = 0;
    f.Typ = 0;
}

// One pass over the town left: townsfolk, hostiles and fixed figures go, the garrison lines up,
// the party takes to the road.
void VerlasseStadt(int tage)
{
    int k = 0, m = 0;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        FigurRecord& f = Figuren[i];
        if (f.Typ == 9999 || IstStadtvolkOderFeind(f.Typ)) {
            f.Aktiv = 0;
            if (f.Typ == 9999) f.Typ = 0;
            std::memset(f.Inventar, 0, sizeof f.Inventar);
        } else if (f.Aktiv == 1 && IstTrupp(f.Typ) && f.Stationiert == 1) {
            f.Ausgewaehlt = 0;
            f.AnimLaenge = 12;
            f.Zustand = 1;
            f.Befehl = 1;
            f.Wartet = f.ImKampf = f.HeilAuftrag = f.SprechAuftrag = 0;
            std::fill(std::begin(f.AuftragsZiel), std::end(f.AuftragsZiel), 0.0f);
            std::fill(std::begin(f.EingangsZiel), std::end(f.EingangsZiel), 0.0f);
            const float platz[3] = {float(610 + 10 * k), 0.0f, 20.0f};
            SetzePositionen(f, platz);
            ++k;
        } else if (f.Aktiv == 1 && IstTrupp(f.Typ)) {
            // A dead member's freed record keeps its type: only those in use travel.
            Abreise(i, ++m, tage);
        }
    }
}

// The squad comes in from the road: every travel record in use finds a record of the town.
void Ankunft()
{
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) Figuren[i].Id = int16_t(i + 1);
    for (const FigurRecord& r : ReiseFiguren) {
        if (r.Aktiv != 1) continue;
        const int p = PlatzFuerFigur();
        if (p < 0) continue;
        FigurRecord& f = Figuren[p];
        UebertrageFigur(f, r);
        f.Stationiert = 0;
        f.Anzahl = 1;
        // It stands on its cell like every figure, so no townsperson is placed on it.
        if (StadtFeld* feld = FeldBei(ZelleVon(f.Wegpunkt[0]), ZelleVon(f.Wegpunkt[2]))) feld->Belegt = 1;
    }
}

void StoppeStadtKlaenge()
{
    std::set<int> klaenge;
    for (const auto& spalte : StadtGitter)
        for (const StadtFeld& feld : spalte) klaenge.insert(feld.Sound);
    for (int id : klaenge)
        if (id >= 0 && id < 100) StoppeSound(id);
}

}  // namespace

void UebertrageFigur(FigurRecord& ziel, const FigurRecord& quelle)
{
    UebertrageMerkmale(ziel, quelle);
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 6; ++j) {
            ziel.Inventar[k][j].ItemId = quelle.Inventar[k][j].ItemId;
            ziel.Inventar[k][j].ItemAnzahl = quelle.Inventar[k][j].ItemAnzahl;
        }
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

int PlatzFuerFigur()
{
    const int frei = FreieFigur();
    if (frei >= 0) return frei;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (Figuren[i].Typ == 10001 || IstEmitter(Figuren[i].Typ)) return i;
    for (int i = 0; i < FIGUREN_ANZAHL; ++i)
        if (!IstTrupp(Figuren[i].Typ)) return i;
    return -1;
}

bool Reise(int ziel, int spalte, int reihe, int tage)
{
    const int alt = AktuelleStadt;
    if (SonderOrt != 0 || !IstStadtId(ziel) || !IstStadtId(alt) || ziel == alt) return false;
    if (spalte < 0 || spalte >= WELTRASTER_GROESSE || reihe < 0 || reihe >= WELTRASTER_GROESSE) return false;
    // The destination is read from files checked first: a missing one would carry the town left
    // into the destination.
    if (!HatGroesse(ArbeitsKopie(ziel), STADTZUSTANDDATEI_GROESSE) || !HatGroesse(StadtKarte(ziel), STADTDATEI_GROESSE))
        return false;

    std::fill(std::begin(AuswahlSlots), std::end(AuswahlSlots), KEINE_FIGUR);
    AuswahlIndex = KEINE_FIGUR;
    for (FigurRecord& r : ReiseFiguren) {
        r.Aktiv = 0;
        r.TeilModelle[0] = 0;
        r.Typ = 0;
    }
    GarnisonVersorgen();
    SetzeCursor(5);
    Cam.StadtStart();
    for (auto& s : WeltRaster)
        for (WeltFeld& f : s) f.ParteiHier = 0;
    RegenAktiv = Zufall() % 5 == 1 ? 1 : 0;
    if (RegenAktiv == 0) {
        RegenSoundLaeuft = 0;
        StoppeSound(kRegenSound);
    }
    WeltRaster[spalte][reihe].ParteiHier = 1;
    AktuelleStadt = ziel;
    TagZaehler += tage;

    VerlasseStadt(tage);
    // The state in memory is the town left's, whichever cell the party stood on.
    std::string fehler;
    if (!SchreibeStadtZustandDatei(ArbeitsKopie(alt), &fehler)) os::MessageBox(fehler, "Fehler!");
    for (FigurRecord& f : Figuren) f.Aktiv = 0;
    LeseStadtZustandDatei(ArbeitsKopie(ziel));
    LeseStadtDatei(StadtKarte(ziel));
    if (RegenAktiv == 1 && RegenSoundLaeuft == 1) {
        RegenSoundLaeuft = 0;
        StoppeSound(kRegenSound);
    }
    StoppeStadtKlaenge();
    StadtNachLaden();  // plants, container numbers, the two overlay tiles
    LoescheSchwebeAnzeigen();  // nothing floats over the new town's figures yet
    Ankunft();
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv == 1 && IstTrupp(f.Typ) && f.Stationiert == 0) VersorgeAusGepaeck(f);
    }
    SpielModus = 1000;
    SetzeCursor(2);
    const StadtRecord& t = StadtTabelle[ziel];
    ErzeugeFiguren(t.Bewohner, t.Besatzung[0]);
    for (int tag = 0; tag < tage; ++tag) {
        BewegeFeindArmee();
        TaeglicheStadtWerte();
    }
    TaeglicheProduktion();
    LieferAnimation.Countdown = 250;
    StadtGitter[0][0].Blockiert = 1;
    BefehlsModus = 3;
    ZeigeSchwarzbild();
    if (Zufall() % 3 == 0 && t.Verseuchung == 0 && t.Besitzer != 2) BetreteBegegnung();
    return true;
}
