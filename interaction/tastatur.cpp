// The keyboard handler: function keys in every mode, typing the player's and the save slots' names,
// squad keys and the camera in the town, scrolling on the world map. It polls the key state once
// per call and acts on every key held, in one fixed order; a held key acts again in every call.
// Typing alone takes the window's key presses instead, each once and in their order.
#include <cstring>

#include "framework/frame.h"
#include "framework/keyboard.h"
#include "framework/myapp.h"
#include "framework/services_interaction.h"
#include "framework/services_world.h"
#include "framework/setup.h"
#include "framework/shell.h"
#include "framework/texte.h"
#include "interaction/editor_dienste.h"
#include "interaction/zeit.h"
#include "platform/keyboard.h"
#include "world/figur_hilfen.h"
#include "world/records.h"
#include "world/save_load.h"

namespace {

namespace dik = kbd::dik;

constexpr int32_t kVerzoegerung = 5;
constexpr size_t kNamensLaenge = 15;  // the player's name
constexpr size_t kSlotLaenge = 20;    // a save slot's name

bool Gedrueckt(uint8_t taste) { return TastenStatus[taste] != 0; }
bool Umschalt() { return Gedrueckt(dik::LShift) || Gedrueckt(dik::RShift); }

// What a typing key appends: the letter of languages 0 and 1 (0 for none) and the letter of the
// Russian layout on the same key in code page 1251 (lower case; upper case is 0x20 below, but for ё).
struct Tastenzeichen {
    uint8_t taste;
    char latein;
    uint8_t kyrillisch;
};
// In the order the handler examines them: A to Z, then the seven further letters of language 2.
constexpr Tastenzeichen kBuchstaben[] = {
    {dik::A, 'a', 0xF4}, {dik::B, 'b', 0xE8}, {dik::C, 'c', 0xF1}, {dik::D, 'd', 0xE2}, {dik::E, 'e', 0xF3},
    {dik::F, 'f', 0xE0}, {dik::G, 'g', 0xEF}, {dik::H, 'h', 0xF0}, {dik::I, 'i', 0xF8}, {dik::J, 'j', 0xEE},
    {dik::K, 'k', 0xEB}, {dik::L, 'l', 0xE4}, {dik::M, 'm', 0xFC}, {dik::N, 'n', 0xF2}, {dik::O, 'o', 0xF9},
    {dik::P, 'p', 0xE7}, {dik::Q, 'q', 0xE9}, {dik::R, 'r', 0xEA}, {dik::S, 's', 0xFB}, {dik::T, 't', 0xE5},
    {dik::U, 'u', 0xE3}, {dik::V, 'v', 0xEC}, {dik::W, 'w', 0xF6}, {dik::X, 'x', 0xF7}, {dik::Y, 'y', 0xED},
    {dik::Z, 'z', 0xFF}, {dik::Semicolon, 0, 0xE6}, {dik::LBracket, 0, 0xF5}, {dik::Apostrophe, 0, 0xFD},
    {dik::Comma, 0, 0xE1}, {dik::Period, 0, 0xFE}, {dik::RBracket, 0, 0xFA}, {dik::Grave, 0, 0xB8},
};
constexpr uint8_t kZiffern[10] = {dik::K0, dik::K1, dik::K2, dik::K3, dik::K4,
                                  dik::K5, dik::K6, dik::K7, dik::K8, dik::K9};

char Buchstabe(const Tastenzeichen& t, bool gross)
{
    if (Sprache == 0 || Sprache == 1) {
        if (t.latein == 0) return 0;
        return gross ? char(t.latein - 'a' + 'A') : t.latein;
    }
    if (Sprache == 2) {
        if (!gross) return char(t.kyrillisch);
        return char(t.kyrillisch == 0xB8 ? 0xA8 : t.kyrillisch - 0x20);
    }
    return 0;
}

// The name being typed in this mode and its limit; null outside the typing modes.
char* Eingabefeld(size_t& grenze)
{
    if (SpielModus == 6001) {
        grenze = kNamensLaenge;
        return SpielerName;
    }
    const int k = SpielModus - 7001;
    if (k >= 0 && k < SPEICHERSLOTS_ANGEBOTEN) {
        grenze = kSlotLaenge;
        return SpeicherSlotNamen[k];
    }
    return nullptr;
}

void Tippe(char zeichen)
{
    size_t grenze = 0;
    char* feld = Eingabefeld(grenze);
    if (!feld || zeichen == 0) return;
    const size_t laenge = std::strlen(feld);
    if (laenge >= grenze) return;
    feld[laenge] = zeichen;
    feld[laenge + 1] = 0;
}

void Zuruecktaste()
{
    size_t grenze = 0;
    char* feld = Eingabefeld(grenze);
    if (!feld) return;
    const size_t laenge = std::strlen(feld);
    // A slot name never drops below one character; the player's name may become empty.
    const size_t rest = SpielModus == 6001 ? 0 : 1;
    if (laenge <= rest) return;
    feld[laenge - 1] = 0;
}

void Eingabetaste()
{
    if (SpielModus == 6001) {
        SpielModus = 6000;
        return;
    }
    const int k = SpielModus - 7001;
    if (k < 0 || k >= SPEICHERSLOTS_ANGEBOTEN || std::strlen(SpeicherSlotNamen[k]) < 2) return;
    SpielModus = 7000;
    SpeichereSlot(k);
}

// One key press in a name field: a character, Backspace or Return.
void Texteingabe(const TastenDruck& druck)
{
    for (const Tastenzeichen& t : kBuchstaben)
        if (druck.taste == t.taste) Tippe(Buchstabe(t, druck.umschalt));
    for (int z = 0; z < 10; ++z)
        if (druck.taste == kZiffern[z]) Tippe(char('0' + z));
    // No name holds a blank: Space types an underscore.
    if (druck.taste == dik::Space) Tippe('_');
    if (druck.taste == dik::Back) Zuruecktaste();
    if (druck.taste == dik::Return) Eingabetaste();
}

void AlleAbwaehlen()
{
    for (int32_t& slot : AuswahlSlots) slot = KEINE_FIGUR;
    for (FigurRecord& f : Figuren) f.Ausgewaehlt = 0;
}

// Q: the first seven squad figures in array order (the nearest to the camera target).
void GanzenTruppWaehlen()
{
    AlleAbwaehlen();
    int n = 0;
    for (FigurRecord& f : Figuren) {
        if (n == 7) break;
        if (f.Aktiv != 1 || !IstTrupp(f.Typ)) continue;
        f.Ausgewaehlt = 1;
        AuswahlSlots[n++] = f.Id;
    }
}

// 1: the player's own figure alone.
void EigeneFigurWaehlen()
{
    AlleAbwaehlen();
    AuswahlIndex = 0;
    for (FigurRecord& f : Figuren) {
        if (f.Aktiv != 1 || f.Typ != 1 || f.EigeneFigur != 1) continue;
        f.Ausgewaehlt = 1;
        AuswahlSlots[0] = f.Id;
    }
}

// F12: the selected member, if it is not the player's own figure, goes back to its job.
void MitgliedEntlassen()
{
    const int i = TruppMitgliedMitId(AusgewaehlteFigurId());
    if (i < 0) return;
    FigurRecord& f = Figuren[i];
    if (f.EigeneFigur != 0) return;
    f.Typ = BerufVonTruppTyp(f.Typ);
}

// One camera move; taken back when it leaves the eye outside the town's square.
void Kamerafahrt(void (Camera::*fahrt)(float), float schritt)
{
    (Cam.*fahrt)(schritt);
    const float x = Cam.Auge[0], z = Cam.Auge[2];
    if (x > 1300.0f || x < -200.0f || z > 1300.0f || z < -200.0f) (Cam.*fahrt)(-schritt);
}

struct Richtung {
    uint8_t taste1, taste2;
    bool (*amRand)();
};
// Back, forward, left, right: the keys and the screen edge of each direction.
const Richtung kRichtungen[4] = {
    {dik::Down, dik::S, [] { return MyApp.MausY == 767; }},
    {dik::Up, dik::W, [] { return MyApp.MausY == 0; }},
    {dik::Left, dik::A, [] { return MyApp.MausX == 0; }},
    {dik::Right, dik::D, [] { return MyApp.MausX == 1023; }},
};

bool RichtungAktiv(int r)
{
    const Richtung& d = kRichtungen[r];
    return Gedrueckt(d.taste1) || Gedrueckt(d.taste2) || d.amRand();
}

void StadtKamera()
{
    if (Gedrueckt(dik::Delete)) Cam.Rotate(Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2], 0.0f, 0.1f, 0.0f);
    if (Gedrueckt(dik::Next)) Cam.Rotate(Cam.Ziel[0], Cam.Ziel[1], Cam.Ziel[2], 0.0f, -0.1f, 0.0f);
    if (Gedrueckt(dik::LMenu) || Umschalt())
        for (FigurRecord& f : Figuren) f.LabelAnzeigen = 1;
    if (RichtungAktiv(0)) Kamerafahrt(&Camera::MoveForward, -1.0f);
    if (RichtungAktiv(1)) Kamerafahrt(&Camera::MoveForward, 1.0f);
    if (RichtungAktiv(2)) Kamerafahrt(&Camera::Strafe, -1.0f);
    if (RichtungAktiv(3)) Kamerafahrt(&Camera::Strafe, 1.0f);
}

void KarteScrollen()
{
    if (RichtungAktiv(0) && KartenVersatz[1] > -580) KartenVersatz[1] -= 30;
    if (RichtungAktiv(1) && KartenVersatz[1] < 0) KartenVersatz[1] += 30;
    if (RichtungAktiv(2) && KartenVersatz[0] < 0) KartenVersatz[0] += 30;
    if (RichtungAktiv(3) && KartenVersatz[0] > -450) KartenVersatz[0] -= 30;
}

}  // namespace

void VerarbeiteTastatur()
{
    LeseTastatur();

    if (Gedrueckt(dik::F12)) MitgliedEntlassen();
    if (Gedrueckt(dik::F11) && DebugModus == 1) LadeTextStandardAusPack();
    if (Gedrueckt(dik::F1)) {
        HinweisSichtbar = HinweisSichtbar == 0 ? 1 : 0;
        TastenVerzoegerung = kVerzoegerung;
    }

    for (const TastenDruck& druck : NimmTastenDruecke()) Texteingabe(druck);
    if (Gedrueckt(dik::Q) && IstStadtModus()) GanzenTruppWaehlen();
    if (Gedrueckt(dik::K1) && IstStadtModus()) EigeneFigurWaehlen();
    if (Gedrueckt(dik::Space) && SpielModus == 1000) ZusatzTicks(30, TickFiguren::Alle, false);

    if (SpielModus == 1000 && InteraktionsModus == 0) StadtKamera();
    if (SpielModus == 9000) KarteScrollen();
    if (SpielModus == 1000) EditorTasten();
}
