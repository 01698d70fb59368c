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
#include "world/aufstellung.h"
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

bool IstEmitter(int typ) { return typ == 10000 || (typ >= 10002 && typ <= 10007); }

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
    UebertrageItems(r, f);
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
            StelleBereit(f);
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
