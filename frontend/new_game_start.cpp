// The start of a new game: the 20 towns' working copies from their templates, then the tutorial map
// with its state, the world's starting values and the own figure, in tutorial step 1.
#include <cstdio>
#include <string>
#include <vector>

#include "framework/frame.h"
#include "framework/services_frontend.h"
#include "framework/shell.h"
#include "frontend/new_game.h"
#include "platform/os.h"
#include "world/gamefiles.h"
#include "world/records.h"

namespace {

std::string StadtDatei(const char* ordner, int stadt)
{
    char name[64];
    std::snprintf(name, sizeof name, "%sS_Town%i.dat", ordner, stadt);
    return name;
}

bool Misslungen(const std::string& fehler)
{
    os::MessageBox(fehler, "Fehler!");
    return false;
}

}  // namespace

bool StarteNeuesSpiel()
{
    // The tutorial starts the towns clean; the own figure comes stronger and with canned food.
    const SpielStart start = {"Data/Player_Data/S_Tutorial.dat",
                              "Data/Towns/Tutorial.dat",
                              1,
                              false,
                              5,
                              {{1003, 12, 0}, {1012, 2, 0}, {1035, 1, 0}},  // O_Dosennahrung, O_Leere_Flasche, O_Messer
                              false};
    if (!PruefeSpielStart(start)) return false;
    // Every template is read whole before a working copy is written: a missing one would
    // otherwise pass another town's state on.
    std::vector<std::vector<uint8_t>> vorlagen(STAEDTE_BENUTZT);
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        const std::string pfad = StadtDatei("Data/Player_Data/", i);
        if (!os::ReadFile(pfad, vorlagen[i])) return Misslungen("Datei nicht lesbar: " + pfad);
        if (vorlagen[i].size() != STADTZUSTANDDATEI_GROESSE) return Misslungen("Datei beschaedigt: " + pfad);
    }
    if (!os::MakeDirectory("Gamestate")) return Misslungen("Ordner nicht anlegbar: Gamestate/");

    ZeigeLadeBild();
    const int32_t zeiger = CursorIndex;
    SetzeCursor(5);  // the hourglass, while the copies are written
    for (int i = 0; i < STAEDTE_BENUTZT; ++i) {
        const std::string pfad = StadtDatei("Gamestate/", i);
        if (!os::WriteFileAtomic(pfad, vorlagen[i].data(), vorlagen[i].size())) {
            SetzeCursor(zeiger);
            return Misslungen("Datei nicht schreibbar: " + pfad);
        }
        ZeichneLadebalken(12 * i);
    }
    StarteSpiel(start);
    return true;
}
