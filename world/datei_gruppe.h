#pragma once
// Files of one folder replaced as one: each is written under a temporary name first, and only when
// all of them are written do they take their real names. A failure removes what was written. A
// marker file stands while the new files take their names, so a process killed halfway is finished
// by the next use of the folder (Aufraeumen): with the marker every new file takes its name, without
// it every old one is put back. Either way the folder holds one whole set, never a mix.
#include <string>
#include <vector>

class DateiGruppe {
public:
    explicit DateiGruppe(std::string ordner);  // the folder with its trailing slash
    ~DateiGruppe();
    DateiGruppe(const DateiGruppe&) = delete;
    DateiGruppe& operator=(const DateiGruppe&) = delete;

    // The writer gets the temporary name to write to; on failure fehler names the file.
    template <class Schreiber>
    bool Schreibe(const std::string& pfad, Schreiber&& schreibe, std::string& fehler)
    {
        if (!schreibe(pfad + kNeu)) {
            fehler = "Datei nicht schreibbar: " + pfad;
            return false;
        }
        geschrieben_.push_back(pfad);
        return true;
    }
    // Every written file takes its name, or none does; on failure fehler names the file.
    bool Uebernehmen(std::string& fehler);
    // Finishes what a killed process left in the folder: forwards with the marker, else backwards.
    static void Aufraeumen(const std::string& ordner);

private:
    static std::string Marke(const std::string& ordner);  // stands while the new files take their names
    static constexpr const char* kNeu = ".neu";
    static constexpr const char* kAlt = ".alt";
    std::string marke_;
    std::vector<std::string> geschrieben_;
};
