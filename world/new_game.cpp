#include "world/new_game.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/shell.h"
#include "frontend/new_game.h"
#include "interaction/tutorial.h"
#include "platform/os.h"
#include "platform/random.h"
#include "townview/floating_texts.h"
#include "townview/hint_panel.h"
#include "townview/hud.h"
#include "world/enemy_army.h"
#include "world/gamefiles.h"
#include "world/records.h"
#include "world/sky.h"
#include "world/spawnen.h"

namespace {

constexpr const char* kVorlage = "Data/Player_Data/S_Town0.dat";
constexpr const char* kKarte = "Data/Towns/town0.dat";

// The starting values of towns 0..19 (the water income is kBasisWasserZufluss).
struct StadtStart {
    uint8_t namenIndex, besitzer, verseuchung, bewohner;
    int16_t nahrungsTier, nahrung, wasser;
    uint8_t feinde;
};
constexpr StadtStart kStadtStart[20] = {
    {7, 0, 0, 8, 0, 0, 0, 0},   {2, 0, 0, 5, 0, 0, 0, 0},   {13, 0, 0, 4, 0, 0, 0, 0},  {3, 0, 0, 4, 0, 0, 0, 0},
    {4, 0, 0, 4, 0, 0, 0, 0},   {18, 0, 8, 8, 0, 0, 0, 0},  {12, 0, 0, 8, 0, 0, 0, 0},  {9, 0, 0, 8, 0, 0, 0, 0},
    {8, 0, 0, 8, 0, 0, 0, 0},   {0, 0, 0, 25, 0, 0, 0, 0},  {15, 0, 0, 8, 0, 0, 3, 0},  {11, 0, 47, 8, 0, 0, 0, 0},
    {1, 0, 32, 8, 0, 0, 0, 0},  {17, 0, 0, 4, 0, 0, 0, 0},  {6, 0, 63, 8, 0, 0, 0, 0},  {14, 0, 0, 8, 0, 0, 0, 0},
    {16, 0, 0, 8, 0, 0, 0, 0},  {5, 0, 0, 8, 0, 0, 0, 0},   {10, 0, 0, 8, 0, 0, 0, 0},  {19, 2, 0, 6, 1013, 3, 0, 1},
};

bool Misslungen(const std::string& fehler) {
    os::MessageBox(fehler, "Fehler!");
    return false;
}

// Checks a file's size and, for the template, that it leaves a record free for the own figure.
bool PruefeDateien() {
    std::vector<uint8_t> vorlage, karte;
    if (!os::ReadFile(kVorlage, vorlage)) return Misslungen(std::string("Datei nicht lesbar: ") + kVorlage);
    if (vorlage.size() != STADTZUSTANDDATEI_GROESSE)
        return Misslungen(std::string("Datei beschaedigt: ") + kVorlage);
    if (!os::ReadFile(kKarte, karte)) return Misslungen(std::string("Datei nicht lesbar: ") + kKarte);
    if (karte.size() != STADTDATEI_GROESSE) return Misslungen(std::string("Datei beschaedigt: ") + kKarte);
    const size_t figuren = sizeof(Behaelter);
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        if (vorlage[figuren + size_t(i) * sizeof(FigurRecord) + offsetof(FigurRecord, Aktiv)] == 0) return true;
    }
    return Misslungen(std::string("Kein freier Platz fuer die eigene Figur: ") + kVorlage);
}

void SetzeCursor(int32_t index) {
    CursorIndex = index;
    os::SetCursor(AktuellerCursor());
}

void ErzeugeEigeneFigur(FigurRecord& f) {
    f.Aktiv = 1;
    f.TeilModelle[0] = 2000;
    for (float* v : {f.Position, f.Ziel, f.Wegpunkt}) {
        v[0] = 600.0f;
        v[1] = 0.0f;
        v[2] = 0.0f;
    }
    f.Gesundheit = 100;
    f.Nahrung = 10;
    f.Wasser = 5;
    f.NamensIndex = 0;
    f.ZielId = KEINE_FIGUR;
    f.Typ = 1;
    f.Ausgewaehlt = 0;
    f.EigeneFigur = 1;
    f.Wartet = f.ImKampf = f.HeilAuftrag = f.SprechAuftrag = 0;
    f.Stationiert = 0;
    f.Anzahl = 1;
    f.Stufe = 1;
    f.LabelAnzeigen = 0;
    f.Zustand = 1;
    f.Befehl = 1;
    f.AnimLaenge = 12;
    f.AnimBild = 0;
    f.SpruchZeile = KEINE_FIGUR;
    // The sliders are stored first, third, second, so slider n lands in body part n.
    f.Aussehen[0] = uint8_t(AussehenWahl[0]);
    f.Aussehen[1] = uint8_t(AussehenWahl[2]);
    f.Aussehen[2] = uint8_t(AussehenWahl[1]);
    f.Aussehen[3] = f.Aussehen[4] = 0;
    f.ABCSchutz = 0;
    f.Erfahrung = 0;
    std::memset(f.Inventar, 0, sizeof f.Inventar);
    f.Inventar[0][0] = {1008, 9, 0};  // O_Fleisch
    f.Inventar[0][1] = {1012, 2, 0};  // O_Leere_Flasche
    f.Inventar[0][2] = {1035, 1, 0};  // O_Messer
    // It stands on its cell like every figure.
    StadtGitter[60][0].Belegt = 1;
}

}  // namespace

void FuelleWeltKarteUndStaedte() {
    for (auto& spalte : WeltRaster) {
        for (WeltFeld& f : spalte) {
            f.Gelaende = 1;
            f.StadtId = KEINE_STADT;
            f.ParteiHier = 0;
            f.StadtZeichen = 0;
        }
    }
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) WeltRaster[kStadtZellen[i].spalte][kStadtZellen[i].reihe].StadtId = i;
    WeltFeld& start = WeltRaster[kStadtZellen[0].spalte][kStadtZellen[0].reihe];
    start.ParteiHier = 1;
    start.StadtZeichen = 1;

    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        const StadtStart& s = kStadtStart[i];
        StadtRecord& t = StadtTabelle[i];
        t.TageOffen = 0;
        t.NamenIndex = s.namenIndex;
        t.Besitzer = s.besitzer;
        t.Verseuchung = s.verseuchung;
        t.Bewohner = s.bewohner;
        t.NahrungsTier = s.nahrungsTier;
        t.Stationiert = 0;
        t.Nahrung = s.nahrung;
        t.WasserZufluss = kBasisWasserZufluss[i];
        t.Wasser = s.wasser;
        t.Pumpe = 0;
        t.Besatzung[0] = s.feinde;
        std::fill(t.Besatzung + 1, t.Besatzung + 5, uint8_t(0));
        t.GitterBreite = GITTER_GROESSE;
        t.GitterHoehe = GITTER_GROESSE;
    }
}

bool StarteStadtNull() {
    if (!PruefeDateien()) return false;

    StadtBildGezeichnet = 0;
    LieferAnimation.Anzahl = 0;
    LoescheSchwebeAnzeigen();
    MeldungsPanelAktiv = 0;
    HinweisSichtbar = 0;
    HinweisNummer = 0;
    std::fill(std::begin(HinweisGezeigt), std::end(HinweisGezeigt), uint8_t(0));
    SpielEnde = 0;
    InteraktionsModus = 0;
    ZeigeSchwarzbild();

    FeindStaerke = 100;
    std::fill(std::begin(ZeilenTimer), std::end(ZeilenTimer), 0);
    InfoPanelZaehler = 0;
    std::fill(std::begin(MenueZaehler), std::end(MenueZaehler), 0);
    MenueSeitenVersatz = 0;
    SonderOrt = 0;
    RegenAktiv = 1;
    MausLinksGedrueckt = MausLinksDoppelklick = MausLinksLosgelassen = 0;
    MausRechtsGedrueckt = MausRechtsDoppelklick = MausRechtsLosgelassen = 0;
    AktuelleStadt = 0;
    TagZaehler = 0;
    TagRichtung = 0;
    std::fill(std::begin(HudSchieber), std::end(HudSchieber), 360);
    SpielModus = 1000;
    SetzeCursor(5);
    BefehlsModus = 3;
    TutorialSchritt = 0;

    for (FigurRecord& f : Figuren) {
        f.Aktiv = 0;
        f.TeilModelle[0] = 0;
        f.Typ = 0;
        std::memset(f.Inventar, 0, sizeof f.Inventar);
    }
    std::memset(BodenKarte, 0, sizeof BodenKarte);
    // Both files were checked above.
    LeseStadtZustandDatei(kVorlage);
    LeseStadtDatei(kKarte);
    StadtGitter[0][0].Blockiert = 1;
    StadtNachLaden();  // plants, container numbers, the two overlay tiles
    Cam.Set(589.5035f, 250.0f, -100.32703f, 589.5277f, 237.0f, -90.327095f, 0.0f, 1.0f, 0.0f);
    FuelleWeltKarteUndStaedte();
    FeindArmeePosition[0] = kStadtZellen[19].spalte;
    FeindArmeePosition[1] = kStadtZellen[19].reihe;

    for (LichtRecord& l : LichtZustand) l.Aktiv = 0;
    LichtRecord& sonne = LichtZustand[0];
    sonne.Aktiv = 1;
    sonne.Index = 0;
    sonne.Farbe[0] = sonne.Farbe[1] = sonne.Farbe[2] = 1.0f;
    sonne.Position[0] = 640.0f;
    sonne.Position[1] = 500.0f;
    sonne.Position[2] = 640.0f;
    sonne.Reichweite = 1280.0f;
    sonne.Daempfung[0] = 0.0f;
    sonne.Daempfung[1] = 0.1f;
    sonne.Daempfung[2] = 0.0f;
    std::fill(std::begin(AuswahlSlots), std::end(AuswahlSlots), KEINE_FIGUR);
    VerteileWolken();

    // Ids are index + 1, as a journey numbers them, so no figure has the id 0 ("no partner").
    for (int i = 0; i < FIGUREN_ANZAHL; ++i) {
        FigurRecord& f = Figuren[i];
        f.Id = int16_t(i + 1);
        f.SpruchZeile = KEINE_FIGUR;
        f.Stufe = uint8_t(Zufall() % 10 + 1);
        f.ZielId = KEINE_FIGUR;
        f.Aussehen[1] = uint8_t(Zufall() % 3);
    }
    ErzeugeEigeneFigur(Figuren[FreieFigur()]);
    ErzeugeFiguren(StadtTabelle[0].Bewohner, 0);
    SetzeCursor(2);
    return true;
}
