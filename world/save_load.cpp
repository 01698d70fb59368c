#include "world/save_load.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "framework/shell.h"
#include "framework/sound.h"
#include "framework/texte.h"
#include "framework/tokendatei.h"
#include "platform/os.h"
#include "world/anzeige.h"
#include "world/datei_gruppe.h"
#include "world/figur_hilfen.h"
#include "world/gamefiles.h"
#include "world/records.h"

namespace {

constexpr const char* kFehlerTitel = "Fehler!";
constexpr const char* kNamensDatei = "name.txt";  // a slot's name, in its folder

std::string StadtDateiName(const std::string& ordner, int stadt) {
    char name[32];
    std::snprintf(name, sizeof name, "S_Town%i.dat", stadt);
    return ordner + name;
}

std::string ArbeitsKopie(int stadt) { return StadtDateiName("Gamestate/", stadt); }

// Reads a file that must have exactly the given size.
bool LiesGanz(const std::string& pfad, size_t groesse, std::vector<uint8_t>& daten, std::string& fehler) {
    if (!os::ReadFile(pfad, daten)) {
        fehler = "Datei nicht lesbar: " + pfad;
        return false;
    }
    if (daten.size() != groesse) {
        fehler = "Datei beschaedigt: " + pfad;
        return false;
    }
    return true;
}

bool Misslungen(const std::string& fehler) {
    os::MessageBox(fehler, kFehlerTitel);
    SetzeCursor(2);
    return false;
}

}  // namespace

std::string SlotOrdner(int slot) {
    char ordner[32];
    std::snprintf(ordner, sizeof ordner, "save/slot%i/", slot);
    return ordner;
}

bool SpielSpeichern(const std::string& slotOrdner, const char* name) {
    ZeigeLadeBild();
    SetzeCursor(5);
    BefehlsModus = 3;
    std::string fehler;
    if (!IstStadtId(AktuelleStadt)) return Misslungen("Keine gueltige Stadt zum Speichern");

    // The other towns come from their working copies, through buffers of their own: the live
    // town is never used to carry another town's state.
    std::vector<std::vector<uint8_t>> kopien(STAEDTE_BENUTZT);
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        if (i != AktuelleStadt && !LiesGanz(ArbeitsKopie(i), STADTZUSTANDDATEI_GROESSE, kopien[i], fehler))
            return Misslungen(fehler);
    }
    if (!os::MakeDirectory(slotOrdner)) return Misslungen("Ordner nicht anlegbar: " + slotOrdner);
    DateiGruppe::Aufraeumen(slotOrdner);

    DateiGruppe gruppe(slotOrdner);
    if (!gruppe.Schreibe(StadtDateiName(slotOrdner, AktuelleStadt),
                         [](const std::string& p) { return SchreibeStadtZustandDatei(p); }, fehler) ||
        !gruppe.Schreibe(slotOrdner + "global.dat", [](const std::string& p) { return SchreibeGlobalDatei(p); },
                         fehler))
        return Misslungen(fehler);
    if (name) {
        const std::string zeile = std::string(name, strnlen(name, TEXT_LAENGE)) + "\n";
        if (!gruppe.Schreibe(slotOrdner + kNamensDatei,
                             [&zeile](const std::string& p) { return os::WriteFileAtomic(p, zeile.data(), zeile.size()); },
                             fehler))
            return Misslungen(fehler);
    }
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        if (i != AktuelleStadt) {
            const std::vector<uint8_t>& d = kopien[i];
            if (!gruppe.Schreibe(StadtDateiName(slotOrdner, i),
                                 [&d](const std::string& p) { return os::WriteFileAtomic(p, d.data(), d.size()); },
                                 fehler))
                return Misslungen(fehler);
        }
        ZeichneLadebalken(i * 12);
    }
    if (!gruppe.Uebernehmen(fehler)) return Misslungen(fehler);
    SetzeCursor(2);
    return true;
}

bool SpielLaden(const std::string& slotOrdner) {
    ZeigeLadeBild();
    std::string fehler;
    DateiGruppe::Aufraeumen(slotOrdner);
    DateiGruppe::Aufraeumen("Gamestate/");

    // Everything the load reads is checked first.
    std::vector<uint8_t> global;
    if (!LiesGanz(slotOrdner + "global.dat", GLOBALDATEI_GROESSE, global, fehler)) return Misslungen(fehler);
    int32_t stadt;
    std::memcpy(&stadt, global.data() + offsetof(SpielGlobalsBlock, AktuelleStadt), sizeof stadt);
    if (!IstStadtId(stadt)) return Misslungen("Datei beschaedigt: " + slotOrdner + "global.dat");
    std::vector<std::vector<uint8_t>> staedte(STAEDTE_BENUTZT);
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        if (!LiesGanz(StadtDateiName(slotOrdner, i), STADTZUSTANDDATEI_GROESSE, staedte[i], fehler))
            return Misslungen(fehler);
    }
    char karte[40];
    std::snprintf(karte, sizeof karte, "Data/Towns/town%i.dat", stadt);
    std::vector<uint8_t> kartenDaten;
    if (!LiesGanz(karte, STADTDATEI_GROESSE, kartenDaten, fehler)) return Misslungen(fehler);

    // The other towns' working copies, replaced together.
    if (!os::MakeDirectory("Gamestate")) return Misslungen("Ordner nicht anlegbar: Gamestate/");
    DateiGruppe gruppe("Gamestate/");
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        if (i == stadt) continue;
        const std::vector<uint8_t>& d = staedte[i];
        if (!gruppe.Schreibe(ArbeitsKopie(i),
                             [&d](const std::string& p) { return os::WriteFileAtomic(p, d.data(), d.size()); }, fehler))
            return Misslungen(fehler);
        ZeichneLadebalken(i * 12);
    }
    if (!gruppe.Uebernehmen(fehler)) return Misslungen(fehler);

    // Then memory, from the files just checked. The reader keeps the running process's handles
    // and its quit and active flags.
    std::vector<uint32_t> laufendeIcons(std::begin(ItemIcons), std::end(ItemIcons));
    const int32_t wParam = LetzterWParam;
    if (!LeseGlobalDatei(slotOrdner + "global.dat", &fehler) ||
        !LeseStadtZustandDatei(StadtDateiName(slotOrdner, stadt), &fehler) || !LeseStadtDatei(karte, &fehler))
        return Misslungen(fehler);
    // Values of the running process: the icon handles index this process's textures, and the
    // saved mouse presses would act as a click nobody made.
    std::copy(laufendeIcons.begin(), laufendeIcons.end(), ItemIcons);
    LetzterWParam = wParam;
    MausLinksGedrueckt = MausLinksDoppelklick = MausRechtsGedrueckt = MausRechtsDoppelklick = 0;
    MausLinksLosgelassen = MausRechtsLosgelassen = MausMitteDrehen = 0;

    TutorialSchritt = 0;
    // The message lines still running belong to the game that was left (its new day, say).
    for (int32_t& zeile : ZeilenTimer) zeile = 0;
    // The loaded town's figures have their own ids: nothing floats over them yet.
    LoescheSchwebeAnzeigen();
    MarkierePersonenFelder();
    return true;
}

void LiesSlotNamen() {
    for (int k = 0; k < SPEICHERSLOTS; ++k) DateiGruppe::Aufraeumen(SlotOrdner(k));
    LadeSpeicherSlotNamen("save/save.dat");
    bool anders = false;
    for (int k = 0; k < SPEICHERSLOTS; ++k) {
        std::vector<uint8_t> datei;
        if (!os::ReadFile(SlotOrdner(k) + kNamensDatei, datei)) continue;
        const std::string text(datei.begin(), datei.end());
        const std::string name = SlotNameAusZeile(text.substr(0, text.find('\n')));
        if (name == SpeicherSlotNamen[k]) continue;
        KopiereWort(SpeicherSlotNamen[k], TEXT_LAENGE, name);
        anders = true;
    }
    // The list file follows the slots (a save killed after its files took their names).
    if (anders && !SchreibeSpeicherSlotNamen("save/save.dat"))
        os::MessageBox("Datei nicht schreibbar: save/save.dat", kFehlerTitel);
}

bool SpeichereSlot(int slot) {
    if (slot < 0 || slot >= SPEICHERSLOTS_ANGEBOTEN) return false;
    if (SonderOrt == 1) {
        ZeilenTimer[kSpeichernGesperrtZeile] = kZeilenDauer;
        SpieleSound(22);
    }
    // Not saved: the list shows again what the slots hold, not the name typed.
    if (SonderOrt == 1 || !SpielSpeichern(SlotOrdner(slot), SpeicherSlotNamen[slot])) {
        LiesSlotNamen();
        return false;
    }
    // The game is saved; only the slot's name would be missing from the list.
    if (!SchreibeSpeicherSlotNamen("save/save.dat")) os::MessageBox("Datei nicht schreibbar: save/save.dat", kFehlerTitel);
    return true;
}
