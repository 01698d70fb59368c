// The town editor's tools: one action per frame on the tool bar or the pick cell.
#include "frontend/editor.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/keyboard.h"
#include "framework/services_frontend.h"
#include "framework/setup.h"
#include "framework/music.h"
#include "framework/myapp.h"
#include "interaction/editor_dienste.h"
#include "platform/keyboard.h"
#include "platform/os.h"
#include "platform/random.h"
#include "world/datei_gruppe.h"
#include "world/gamefiles.h"
#include "world/item_regeln.h"
#include "world/records.h"

namespace {

constexpr int kLeisteOben = 736, kLeisteUnten = 768;
constexpr int kZeltKinder = 5056, kFassfeuer = 5025;  // fires placed as items by their model

// The known entrance kinds: 1 container ... 7 recruiter.
constexpr int16_t kEingangsArten = 7;

// Items placed by the editor come with their full count (vessels empty); the two drinks, like any
// other item, as one.
uint8_t EditorStapel(int32_t item)
{
    return uint8_t(item == 1087 || item == 1092 ? 1 : VolleAnzahl(item, 1));
}

float ZellX() { return float(MyApp.PickX) * 10.0f; }
float ZellZ() { return float(MyApp.PickY) * 10.0f; }

bool PickZelleGueltig()
{
    return MyApp.PickX >= 0 && MyApp.PickX < GITTER_GROESSE && MyApp.PickY >= 0 && MyApp.PickY < GITTER_GROESSE;
}

// A figure of the given type at the pick cell in the first free record; nothing when all are in use.
void FigurSetzen(int16_t typ, int16_t modell, uint8_t anzahl)
{
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv != 0) continue;
        f.Typ = typ;
        f.Anzahl = anzahl;
        f.Zustand = 0;
        f.Aktiv = 1;
        f.TeilModelle[0] = modell;
        const float p[3] = {ZellX(), 0.0f, ZellZ()};
        for (int k = 0; k < 3; ++k) f.Position[k] = f.Ziel[k] = f.Wegpunkt[k] = p[k];
        f.Gesundheit = 100;
        f.Nahrung = 10;
        f.Wasser = 5;
        f.NamensIndex = int16_t(Zufall() % 100);
        (void)(Zufall() % 10);  // a look drawn and then replaced by 0, as the draw order has it
        f.ZielId = 32000;
        f.SpruchZeile = 32000;
        f.SpruchTimer = 0;
        f.Drehung[0] = f.Drehung[2] = 0.0f;
        f.Drehung[1] = EditorWinkel(EditorDrehung);
        f.LabelAnzeigen = f.Wartet = f.ImKampf = f.HeilAuftrag = 0;
        f.Ausgewaehlt = f.Stationiert = f.EigeneFigur = 0;
        f.Aussehen[0] = f.Aussehen[1] = 0;
        f.AnimBild = f.AnimTakt = f.AnimLaenge = 0;
        f.Befehl = 0;
        f.Stufe = 0;
        f.Phase = 0.0f;
        for (int k = 0; k < 3; ++k) f.AuftragsZiel[k] = f.EingangsZiel[k] = 0.0f;
        f.ABCSchutz = 0;
        return;
    }
}

// The first figure of any kind standing exactly on the pick cell's position is freed.
void FigurEntfernen(bool typLoeschen)
{
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv != 1 || f.Position[0] != ZellX() || f.Position[2] != ZellZ()) continue;
        f.Aktiv = 0;
        f.Anzahl = 0;
        f.Zustand = 0;
        f.TeilModelle[0] = 0;
        for (int k = 0; k < 3; ++k) f.Position[k] = f.Ziel[k] = f.Wegpunkt[k] = f.Drehung[k] = 0.0f;
        f.ZielId = 32000;
        if (typLoeschen) f.Typ = 0;
        return;
    }
}

void ObjektSetzen()
{
    for (ObjektRecord& o : StadtObjekte) {
        if (o.Aktiv != 0) continue;
        o.Aktiv = 1;
        o.Modell = EditorObjekt;
        o.Position[0] = ZellX();
        o.Position[1] = 0.0f;
        o.Position[2] = ZellZ();
        o.Drehung[0] = o.Drehung[2] = 0.0f;
        o.Drehung[1] = EditorWinkel(EditorDrehung);
        if (o.Modell == 5050) o.Position[1] = 60.0f;
        if (o.Modell == 5067) o.Position[1] = 18.0f;
        return;
    }
}

void ObjekteEntfernen()
{
    for (ObjektRecord& o : StadtObjekte) {
        if (o.Aktiv != 1 || o.Position[0] != ZellX() || o.Position[2] != ZellZ()) continue;
        o = ObjektRecord{};
    }
}

// A sound id steps by one; the music slot of its old number is rewound where there is one.
void SoundSchritt(int16_t& sound, int schritt)
{
    if (sound >= 0 && sound < 100) MusikZurueckspulen(sound);
    sound = int16_t(sound + schritt);
}

int16_t EmitterTyp(int32_t nummer)
{
    constexpr int16_t kTypen[7] = {10000, 10002, 10003, 10004, 10005, 10006, 10007};
    return nummer >= 0 && nummer < 7 ? kTypen[nummer] : 0;
}

bool Werkzeugleiste()
{
    if (MausLinksGedrueckt != 1 || MyApp.MausY < kLeisteOben || MyApp.MausY > kLeisteUnten) return false;
    const int x = MyApp.MausX;
    for (int w = 0; w < kEditorWerkzeugKnoepfe; ++w)
        if (x >= 32 * w && x <= 32 * w + 32) {
            MausLinksGedrueckt = 0;
            EditorWerkzeug = w;
            EditorObjekt = EditorStartObjekt(w);
            return true;
        }
    if (x >= 256 && x <= 288) {
        MausLinksGedrueckt = 0;
        WachsePflanzen();
    } else if (x >= 992 && x <= 1024) {
        MausLinksGedrueckt = 0;
        EditorLaden();
    } else if (x >= 960 && x <= 992) {
        MausLinksGedrueckt = 0;
        EditorSpeichern();
    } else if (x >= 896 && x <= 928) {
        MausLinksGedrueckt = 0;
        EditorDrehung = EditorDrehung + 1 > 7 ? 0 : EditorDrehung + 1;
    } else {
        return false;
    }
    return true;
}

void Raster()
{
    if (!PickZelleGueltig()) return;
    StadtFeld& feld = StadtGitter[MyApp.PickX][MyApp.PickY];
    BodenTile& tile = BodenKarte[MyApp.PickX / 3][MyApp.PickY / 3];
    const bool links = MausLinksGedrueckt == 1, rechts = MausRechtsGedrueckt == 1;
    const int w = EditorWerkzeug;
    if (w == 7 && links) {
        MausLinksGedrueckt = 0;
        feld.VegetationErlaubt = 1;
        int ab = 0;
        for (int n = 0; n < 50 && ab >= 0; ++n) {
            ab = SetzePflanze(MyApp.PickX, MyApp.PickY, ab);
            if (ab >= 0) ++ab;
        }
    } else if (w == 7 && rechts) {
        MausRechtsGedrueckt = 0;
        feld.VegetationErlaubt = 0;
    } else if (w == 8 && (links || rechts)) {
        BodenGitter[MyApp.PickX][MyApp.PickY] = links ? 1 : 0;  // held: paints while the button is down
    } else if (w == 3 && links) {
        MausLinksGedrueckt = 0;
        SoundSchritt(feld.Sound, +1);
    } else if (w == 3 && rechts) {
        MausRechtsGedrueckt = 0;
        SoundSchritt(feld.Sound, -1);
    } else if (w == 1 && rechts) {
        MausRechtsGedrueckt = 0;
        ObjekteEntfernen();
    } else if (w == 1 && links) {
        MausLinksGedrueckt = 0;
        ObjektSetzen();
    } else if (w == 2 && links) {
        MausLinksGedrueckt = 0;
        const int16_t art = int16_t(EditorObjekt);
        const int16_t typ = art == kZeltKinder ? 10000 : art == kFassfeuer ? 10002 : art;
        FigurSetzen(typ, art, EditorStapel(EditorObjekt));
    } else if (w == 2 && rechts) {
        MausRechtsGedrueckt = 0;
        FigurEntfernen(true);
    } else if (w == 0 && links) {
        tile.BasisTextur = int16_t(EditorObjekt);  // held
        tile.BasisDrehung = EditorWinkel(EditorDrehung);
    } else if (w == 0 && rechts) {
        tile.AlphaTextur = int16_t(EditorObjekt);  // held
        tile.AlphaDrehung = EditorWinkel(EditorDrehung);
    } else if (w == 4 && (links || rechts)) {
        (links ? MausLinksGedrueckt : MausRechtsGedrueckt) = 0;
        feld.Blockiert = links ? 1 : 0;
    } else if (w == 5 && links) {
        MausLinksGedrueckt = 0;
        feld.Eingang = int16_t(feld.Eingang >= kEingangsArten || feld.Eingang < 0 ? 1 : feld.Eingang + 1);
        feld.Blockiert = 1;
    } else if (w == 5 && rechts) {
        MausRechtsGedrueckt = 0;
        feld.Eingang = 0;
        feld.Blockiert = 0;
    } else if (w == 6 && links) {
        MausLinksGedrueckt = 0;
        const int16_t typ = EmitterTyp(EditorObjekt);
        if (typ != 0) FigurSetzen(typ, 9000, 1);
    } else if (w == 6 && rechts) {
        MausRechtsGedrueckt = 0;
        FigurEntfernen(false);
    }
}

bool IstPerson(int16_t typ) { return (typ >= 1 && typ <= 5) || (typ >= 10 && typ <= 18) || typ == 9999; }

bool DateiHatGroesse(const char* pfad, size_t groesse)
{
    std::vector<uint8_t> daten;
    return os::ReadFile(pfad, daten) && daten.size() == groesse;
}

}  // namespace

float EditorWinkel(int32_t drehung)
{
    constexpr float kWinkel[8] = {0.0f, 0.7853982f, 1.5707964f, 2.3561945f, 3.1415927f, -2.3561945f, -1.5707964f,
                                  -0.7853982f};
    return kWinkel[((drehung % 8) + 8) % 8];
}

int32_t EditorStartObjekt(int32_t werkzeug)
{
    constexpr int32_t kStart[kEditorWerkzeugKnoepfe] = {0, 5001, 1000, 9000, 9000, 9001, 0, 9000};
    return werkzeug >= 0 && werkzeug < kEditorWerkzeugKnoepfe ? kStart[werkzeug] : 0;
}

bool EditorSpeichern()
{
    for (auto& spalte : StadtGitter)
        for (StadtFeld& feld : spalte) feld.Belegt = 0;
    for (FigurRecord& f : Figuren) {
        if (!IstPerson(f.Typ)) continue;
        // Persons belong to the game, not to the map: their records are emptied (the id stays).
        for (auto& reihe : f.Inventar)
            for (ItemSlot& slot : reihe) slot = ItemSlot{};
        f.Typ = 0;
        f.Aktiv = 0;
        f.ZielId = 32000;
        f.SpruchZeile = 32000;
        f.LabelAnzeigen = f.Wartet = f.ImKampf = f.HeilAuftrag = 0;
        f.Ausgewaehlt = f.Stationiert = f.EigeneFigur = 0;
        f.Aussehen[0] = f.Aussehen[1] = 0;
        f.TeilModelle[0] = 0;
        f.AnimBild = f.Zustand = f.AnimTakt = f.AnimLaenge = 0;
        f.Gesundheit = f.Nahrung = f.Wasser = 0;
        f.NamensIndex = 0;
        f.Befehl = 0;
        f.Stufe = f.Anzahl = 0;
        for (int k = 0; k < 3; ++k)
            f.Position[k] = f.Drehung[k] = f.Ziel[k] = f.Wegpunkt[k] = f.AuftragsZiel[k] = f.EingangsZiel[k] = 0.0f;
        f.Phase = 0.0f;
        f.SpruchTimer = 0;
        f.ABCSchutz = 0;
    }
    // The pair is replaced together: a save cut off halfway leaves the old pair or the new one.
    std::string fehler;
    DateiGruppe::Aufraeumen(kEditorOrdner);
    DateiGruppe paar(kEditorOrdner);
    if (!paar.Schreibe(kEditorStadtDatei, [](const std::string& p) { return SchreibeStadtDatei(p); }, fehler) ||
        !paar.Schreibe(kEditorZustandDatei, [](const std::string& p) { return SchreibeStadtZustandDatei(p); },
                       fehler) ||
        !paar.Uebernehmen(fehler)) {
        os::MessageBox(fehler, "Editor");
        return false;
    }
    return true;
}

bool EditorLaden()
{
    // Both files are checked before either is read, so a damaged pair changes nothing.
    DateiGruppe::Aufraeumen(kEditorOrdner);
    if (!DateiHatGroesse(kEditorStadtDatei, STADTDATEI_GROESSE) ||
        !DateiHatGroesse(kEditorZustandDatei, STADTZUSTANDDATEI_GROESSE)) {
        os::MessageBox(std::string("Die Stadt kann nicht geladen werden: ") + kEditorStadtDatei + ", " +
                           kEditorZustandDatei,
                       "Editor");
        return false;
    }
    std::string fehler;
    if (!LeseStadtDatei(kEditorStadtDatei, &fehler) || !LeseStadtZustandDatei(kEditorZustandDatei, &fehler)) {
        os::MessageBox(fehler, "Editor");
        return false;
    }
    return true;
}

void EditorSteuerung(int32_t)
{
    if (Werkzeugleiste()) return;
    Raster();
}

namespace {

// The designers' keys held in the last call: each acts when it goes down, so a held key does not
// repeat while the handler is paced.
bool tastenVorher[4] = {};

}  // namespace

// The editor's key memory is the front end's only state across frames.
void GrundzustandFrontend() { std::fill(std::begin(tastenVorher), std::end(tastenVorher), false); }

void EditorTasten()
{
    constexpr uint8_t kTasten[4] = {kbd::dik::F9, kbd::dik::Insert, kbd::dik::Home, kbd::dik::F7};
    bool neu[4];
    for (int k = 0; k < 4; ++k) {
        const bool unten = TastenStatus[kTasten[k]] != 0;
        neu[k] = unten && !tastenVorher[k];
        tastenVorher[k] = unten;
    }
    if (DebugModus != 1) return;
    if (neu[0]) EditorAktiv = EditorAktiv == 1 ? 0 : 1;
    if (EditorAktiv != 1) return;
    const int32_t schritt = TastenStatus[kbd::dik::LShift] || TastenStatus[kbd::dik::RShift] ? 10 : 1;
    if (neu[1]) EditorObjekt += schritt;
    if (neu[2]) EditorObjekt -= schritt;
    if (neu[3]) EditorWerkzeug = 8;
}
