#pragma once
// The three game-state files, raw images of the global records written block by block:
//   GlobalDatei        SpielGlobals, WeltRaster, StadtTabelle, LichtZustand   (a save's "global.dat")
//   StadtZustandDatei  Behaelter, Figuren                  (a town's state: "S_Town%i.dat")
//   StadtDatei         StadtObjekte, StadtGitter, BodenKarte, BodenGitter      (a static town map)
// Paths are found without regard to case. A reader checks the exact size first: a file that cannot
// be read, or is shorter or longer than its format, is refused whole and the arrays keep their
// contents. A writer replaces the file whole or not at all. Both return false on failure and then
// put a message naming the file into `fehler` when it is given.
#include <cstddef>
#include <string>

#include "world/figur.h"
#include "world/stadt.h"

constexpr size_t GLOBALDATEI_GROESSE = 281840;
constexpr size_t STADTZUSTANDDATEI_GROESSE = 548000;
constexpr size_t STADTDATEI_GROESSE = 244364;

// Reading keeps the running process's window and instance handles and its quit and active flags;
// the strings of the block are cut to end in a 0 within their fields.
bool LeseGlobalDatei(const std::string& pfad, std::string* fehler = nullptr);
bool SchreibeGlobalDatei(const std::string& pfad, std::string* fehler = nullptr);

// The live town's containers and figures (Behaelter, Figuren) ...
bool LeseStadtZustandDatei(const std::string& pfad, std::string* fehler = nullptr);
bool SchreibeStadtZustandDatei(const std::string& pfad, std::string* fehler = nullptr);
// ... or another town's, kept in arrays of the caller (a raid's AngriffsFiguren).
using BehaelterBlock = ItemSlot[BEHAELTER_ANZAHL][10][10];
using FigurenBlock = FigurRecord[FIGUREN_ANZAHL];
bool LeseStadtZustandDatei(const std::string& pfad, BehaelterBlock& behaelter, FigurenBlock& figuren,
                           std::string* fehler = nullptr);
bool SchreibeStadtZustandDatei(const std::string& pfad, const BehaelterBlock& behaelter, const FigurenBlock& figuren,
                               std::string* fehler = nullptr);

// After reading a town map the caller runs StadtNachLaden (world/stadt.h).
bool LeseStadtDatei(const std::string& pfad, std::string* fehler = nullptr);
bool SchreibeStadtDatei(const std::string& pfad, std::string* fehler = nullptr);
