#pragma once
// Saves cut off by the process being killed: a child (this test program again) runs one test in a
// given folder under strace, which kills it at the n-th call of a file operation. Killed at call 1,
// 2, ... in turn until a child runs to its end, the save is cut after each of its calls (or after
// every so many of them, where a child each time would take minutes). The folder
// is on a tmpfs where there is one: a kill loses nothing a sync would keep, and the saves' syncs
// to a disk would make the many children slow.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

constexpr const char* kKindOrdner = "VELQUOR_SPEICHER_KIND";

// The folder a child runs in; null in a normal run, where the child's test skips.
inline const char* KindOrdner() { return std::getenv(kKindOrdner); }

constexpr const char* kStrace = "strace -qq -o /dev/null ";

inline bool StraceGeht() { return std::system((kStrace + std::string("true >/dev/null 2>&1")).c_str()) == 0; }

// The current folder for a kill test: in memory where it can be, removed at the end.
class KindArbeitsordner {
public:
    KindArbeitsordner()
    {
        static int zaehler = 0;
        std::error_code ec;
        const std::filesystem::path basis = std::filesystem::is_directory("/dev/shm", ec)
                                                ? std::filesystem::path("/dev/shm")
                                                : std::filesystem::path(::testing::TempDir());
        pfad_ = basis / ("velquor_kind_" + std::to_string(getpid()) + "_" + std::to_string(++zaehler));
        std::filesystem::remove_all(pfad_, ec);
        std::filesystem::create_directories(pfad_);
        vorher_ = std::filesystem::current_path();
        std::filesystem::current_path(pfad_);
    }
    ~KindArbeitsordner()
    {
        std::error_code ec;
        std::filesystem::current_path(vorher_, ec);
        std::filesystem::remove_all(pfad_, ec);
    }
    std::string Pfad() const { return pfad_.string(); }

private:
    std::filesystem::path pfad_, vorher_;
};

enum class KindEnde { Durch, Getoetet, Fehler };

// Runs test ("Suite.Name") of this program in ordner, killed at call n of aufruf (n 0: never).
inline KindEnde Kind(const std::string& ordner, const std::string& test, const std::string& aufruf = "", int n = 0)
{
    std::string befehl = std::string(kKindOrdner) + "='" + ordner + "' ";
    if (n > 0)
        befehl += kStrace + std::string("-e trace=") + aufruf + " -e inject=" + aufruf +
                  ":signal=KILL:when=" + std::to_string(n) + " ";
    befehl += "/proc/" + std::to_string(getpid()) + "/exe --gtest_filter=" + test + " >/dev/null 2>&1";
    const int status = std::system(befehl.c_str());
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0) return KindEnde::Durch;
    // strace ends as its child did: by the signal, which the shell reports as 128 + 9.
    if (status != -1 && ((WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                         (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL)))
        return KindEnde::Getoetet;
    return KindEnde::Fehler;
}

// A file operation, the step between the calls it is killed at (1 for every call, more for one made
// many times, as a file is written in blocks) and calls it is killed at besides.
struct Aufruf {
    const char* name;
    int schritt;
    std::vector<int> auch = {};
};

// Kills the child at the calls of each operation in turn (1, 1 + schritt, ... and those named) until
// a child runs to its end; before each child vorher() sets the folder up, after each kill
// pruefe(fall) checks what the child left. Returns the number of kills.
template <class Vorher, class Pruefe>
int ToeteNachJedemAufruf(const std::string& ordner, const std::string& test, std::initializer_list<Aufruf> aufrufe,
                         Vorher vorher, Pruefe pruefe)
{
    int kills = 0;
    for (const Aufruf& aufruf : aufrufe) {
        for (int n = 1; n <= 1000; ++n) {
            if ((n - 1) % aufruf.schritt != 0 && std::find(aufruf.auch.begin(), aufruf.auch.end(), n) == aufruf.auch.end())
                continue;
            vorher();
            const KindEnde ende = Kind(ordner, test, aufruf.name, n);
            if (ende == KindEnde::Durch) break;  // fewer calls than n: it was cut after each one
            const std::string fall = std::string("killed at ") + aufruf.name + " " + std::to_string(n);
            if (ende == KindEnde::Fehler) {
                ADD_FAILURE() << fall << ": the child failed on its own";
                return kills;
            }
            ++kills;
            pruefe(fall);
            if (::testing::Test::HasFailure()) return kills;
        }
    }
    return kills;
}
