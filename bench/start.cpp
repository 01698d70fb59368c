// Start-up to the main menu with the intro skipped, as a player waits for it.
// BM_StartBisHauptmenue: the shell's start (window, device, settings, the start-up data) and the
// loading sequence, in this process on the headless driver, up to the main menu's first presented frame.
// BM_ProgrammGegenStart: the real program against that, alternately: velquor is launched on an Xvfb
// of the benchmark's own, its intro skipped by left clicks (xdotool, as a player clicks) and timed
// until it reports the main menu's first presented frame (--hauptmenue-melden). Both run on the
// generated data in the working directory (scripts/bench runs from build/game), each on a copy.
// Times are in milliseconds.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/median.h"
#include "framework/shell.h"
#include "world/records.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Uhr = std::chrono::steady_clock;

double Ms(Uhr::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A player's screen: the real program's X server has this size, and the in-process start's window
// too, so both scale every presented frame into the same pixels.
constexpr int kBildschirmBreite = 1280, kBildschirmHoehe = 1024;

// A copy of the game's data for one benchmark, removed at the end.
class Kopie {
public:
    explicit Kopie(const std::string& name)
        : pfad_(fs::temp_directory_path() / ("velquor_bench_" + name + "_" + std::to_string(getpid())))
    {
        fs::remove_all(pfad_);
        fs::copy(fs::current_path(), pfad_, fs::copy_options::recursive);
    }
    ~Kopie()
    {
        std::error_code ec;
        fs::remove_all(pfad_, ec);
        fs::remove(pfad_.string() + ".lock", ec);
    }
    const fs::path& Pfad() const { return pfad_; }

private:
    fs::path pfad_;
};

bool DatenDa(benchmark::State& state)
{
    if (fs::exists(fs::current_path() / "Data" / "Pack3.gzp")) return true;
    state.SkipWithError("run from the game's data folder (build/game)");
    return false;
}

// The in-process start to the main menu's first presented frame: its two parts, start-up and
// loading, added to the sums. The game is left running; false when it did not get there.
bool StarteImProzess(const fs::path& kopie, double& start, double& laden)
{
    ShellOptions optionen;
    optionen.workDir = kopie.string();
    optionen.lockPath = kopie.string() + ".lock";
    optionen.playIntro = false;
    optionen.showWindow = false;
    optionen.headlessWidth = kBildschirmBreite;
    optionen.headlessHeight = kBildschirmHoehe;
    // Timed to the main menu's first presented frame, as the real program is.
    Uhr::time_point t2{};
    optionen.beimHauptmenue = [&t2] { t2 = Uhr::now(); };
    const Uhr::time_point t0 = Uhr::now();
    if (!StarteProgramm(optionen)) return false;
    const Uhr::time_point t1 = Uhr::now();
    while (t2 == Uhr::time_point{} && BeendenFlag == 0) FrameSchritt();
    if (t2 == Uhr::time_point{}) return false;
    start += Ms(t1 - t0);
    laden += Ms(t2 - t1);
    return true;
}

void BeendeImProzess(const fs::path& daten)
{
    BeendeProgramm();
    fs::current_path(daten);
}

void BM_StartBisHauptmenue(benchmark::State& state)
{
    if (!DatenDa(state)) return;
    const fs::path daten = fs::current_path();
    const Kopie kopie("start");
    double start = 0, laden = 0;
    for (auto _ : state) {
        if (!StarteImProzess(kopie.Pfad(), start, laden)) {
            state.SkipWithError("the game did not start");
            break;
        }
        state.PauseTiming();
        BeendeImProzess(daten);
        state.ResumeTiming();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["start_ms"] = start / n;
    state.counters["laden_ms"] = laden / n;
}
BENCHMARK(BM_StartBisHauptmenue)->Unit(benchmark::kMillisecond)->Iterations(5);

// A child with the given environment, ausgabeFd as its descriptor alsFd (its stdout by default) or,
// when ausgabeFd is -1, its stdout to /dev/null; its stderr to /dev/null. -1 when it could not be
// started.
pid_t Starte(const std::vector<std::string>& argv, const std::vector<std::string>& env, const fs::path& ordner,
             int ausgabeFd = -1, int alsFd = 1)
{
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    if (!ordner.empty()) posix_spawn_file_actions_addchdir_np(&aktionen, ordner.c_str());
    if (ausgabeFd >= 0) posix_spawn_file_actions_adddup2(&aktionen, ausgabeFd, alsFd);
    else posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> a, e;
    for (const std::string& s : argv) a.push_back(const_cast<char*>(s.c_str()));
    for (const std::string& s : env) e.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    e.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, a[0], &aktionen, nullptr, a.data(), e.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&aktionen);
    return pid;
}

void Beende(pid_t pid)
{
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    // A game that does not end within a minute is killed.
    for (int i = 0; i < 600; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(100000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// The environment as the benchmark runs with, but the display given and no headless video driver.
std::vector<std::string> Umgebung(const std::string& display, const fs::path& laufzeit)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string s = *e;
        bool weg = false;
        for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "XDG_RUNTIME_DIR="})
            weg = weg || s.rfind(name, 0) == 0;
        if (!weg) env.push_back(s);
    }
    if (!display.empty()) env.push_back("DISPLAY=" + display);
    env.push_back("XDG_RUNTIME_DIR=" + laufzeit.string());
    return env;
}

// Xvfb on a display number it picks itself, as a player's screen.
class XServer {
public:
    explicit XServer(const fs::path& laufzeit)
    {
        int rohr[2];
        if (pipe(rohr) != 0) return;
        const std::string bildschirm = std::to_string(kBildschirmBreite) + "x" + std::to_string(kBildschirmHoehe) + "x24";
        pid_ = Starte({"Xvfb", "-displayfd", "3", "-screen", "0", bildschirm, "-nolisten", "tcp"},
                      Umgebung("", laufzeit), {}, rohr[1], 3);
        close(rohr[1]);
        char nummer[32] = {};
        size_t n = 0;
        while (pid_ > 0 && n < sizeof nummer - 1 && read(rohr[0], nummer + n, 1) == 1 && nummer[n] != '\n') ++n;
        close(rohr[0]);
        if (n > 0) display_ = std::string(":").append(nummer, n);
    }
    ~XServer() { Beende(pid_); }
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

// Reads the game's stdout until the main menu is reported; false when it ends or a minute passes.
bool WarteAufHauptmenue(int fd)
{
    std::string gelesen;
    const Uhr::time_point ende = Uhr::now() + std::chrono::minutes(1);
    while (Uhr::now() < ende) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, 100) <= 0) continue;
        char puffer[256];
        const ssize_t n = read(fd, puffer, sizeof puffer);
        if (n <= 0) return false;
        gelesen.append(puffer, static_cast<size_t>(n));
        if (gelesen.find("hauptmenue\n") != std::string::npos) return true;
    }
    return false;
}

// The real program once: launch to the main menu's first frame, in milliseconds; -1 on failure.
double StarteEchtesProgramm(const XServer& x, const fs::path& ordner, const fs::path& laufzeit)
{
    int rohr[2];
    if (pipe(rohr) != 0) return -1;
    std::vector<std::string> env = Umgebung(x.Display(), laufzeit);
    const Uhr::time_point t0 = Uhr::now();
    const pid_t spiel = Starte({VELQUOR_BINARY, "--hauptmenue-melden"}, env, ordner, rohr[1]);
    close(rohr[1]);
    // Clicks every 10 ms in the window's top-left corner, where no menu button lies: the first one
    // after the intro has started skips it.
    const pid_t klicker =
        Starte({"xdotool", "mousemove", "8", "40", "click", "--repeat", "6000", "--delay", "10", "1"}, env, {});
    const bool da = spiel > 0 && WarteAufHauptmenue(rohr[0]);
    const Uhr::time_point t1 = Uhr::now();
    Beende(klicker);
    Beende(spiel);
    close(rohr[0]);
    return da ? Ms(t1 - t0) : -1;
}

void BM_ProgrammGegenStart(benchmark::State& state)
{
    if (!DatenDa(state)) return;
    const fs::path daten = fs::current_path();
    const Kopie imProzess("start"), programm("programm");
    const fs::path laufzeit = programm.Pfad().string() + "_laufzeit";
    fs::create_directories(laufzeit);
    fs::permissions(laufzeit, fs::perms::owner_all, fs::perm_options::replace);
    {
        const XServer x(laufzeit);
        if (x.Display().empty()) {
            state.SkipWithError("Xvfb did not start");
        } else {
            std::vector<double> echt, imProzessMs;
            for (auto _ : state) {
                const double ms = StarteEchtesProgramm(x, programm.Pfad(), laufzeit);
                double start = 0, laden = 0;
                const bool gestartet = ms >= 0 && StarteImProzess(imProzess.Pfad(), start, laden);
                BeendeImProzess(daten);
                if (!gestartet) {
                    state.SkipWithError("a start failed");
                    break;
                }
                echt.push_back(ms);
                imProzessMs.push_back(start + laden);
            }
            // Medians: one start that met a burst of the machine's other work says little.
            const double m = Median(imProzessMs);
            state.counters["programm_ms"] = Median(echt);
            state.counters["bench_start_ms"] = m;
            state.counters["verhaeltnis"] = m > 0 ? Median(echt) / m : 0;
        }
    }
    fs::remove_all(laufzeit);
}
BENCHMARK(BM_ProgrammGegenStart)->Unit(benchmark::kMillisecond)->Iterations(9);

}  // namespace
