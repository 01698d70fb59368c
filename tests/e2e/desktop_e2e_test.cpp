// The game as a player starts it: the real program on an X server (Xvfb at 1280 x 1024), with no
// window manager and with one, clicked with xdotool; and with no display at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/window.h"
#include "tests/e2e/e2e_spiel.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A child process with its own environment; the working directory, stdout and stderr as given.
pid_t Starte(const std::vector<std::string>& argv, const std::vector<std::string>& env, const fs::path& ordner = {},
             const fs::path& ausgabe = {}, int extraFd = -1)
{
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (!ordner.empty() && chdir(ordner.c_str()) != 0) _exit(127);
    if (!ausgabe.empty()) {
        const int fd = open(ausgabe.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
    }
    if (extraFd >= 0 && extraFd != 3) {
        dup2(extraFd, 3);
        close(extraFd);
    }
    std::vector<char*> a, e;
    for (const std::string& s : argv) a.push_back(const_cast<char*>(s.c_str()));
    for (const std::string& s : env) e.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    e.push_back(nullptr);
    execvpe(a[0], a.data(), e.data());
    _exit(127);
}

// The exit status once the child has ended (128 when a signal ended it), else -1.
int Status(pid_t pid)
{
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

// Waits up to `frist` for the child; its exit status, or -1 when it still runs (then it is killed).
int Warte(pid_t pid, std::chrono::milliseconds frist)
{
    const auto ende = std::chrono::steady_clock::now() + frist;
    while (std::chrono::steady_clock::now() < ende) {
        const int status = Status(pid);
        if (status >= 0) return status;
        std::this_thread::sleep_for(50ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

std::string Lies(const fs::path& datei)
{
    std::ifstream in(datei);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The environment of the game: no display but the one given, no headless driver, no session bus, a
// runtime folder of its own (the instance lock lives there), its bin folder first on the path, the
// rest as the test runs with.
std::vector<std::string> SpielUmgebung(const std::string& display, const fs::path& laufzeit)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string s = *e;
        bool weg = false;
        for (const char* name : {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=", "SDL_AUDIODRIVER=",
                                 "XDG_RUNTIME_DIR=", "ASAN_OPTIONS=", "DBUS_SESSION_BUS_ADDRESS="})
            weg = weg || s.rfind(name, 0) == 0;
        if (s.rfind("PATH=", 0) == 0) env.push_back("PATH=" + (laufzeit / "bin").string() + ":" + s.substr(5));
        else if (!weg) env.push_back(s);
    }
    if (!display.empty()) env.push_back("DISPLAY=" + display);
    env.push_back("XDG_RUNTIME_DIR=" + laufzeit.string());
    env.push_back("SDL_AUDIODRIVER=dummy");
    env.push_back("ASAN_OPTIONS=detect_leaks=0");  // the system's libraries keep what they allocate
    return env;
}

class Desktop : public SpielE2E {
protected:
    pid_t xserver = -1, fensterverwaltung = -1;
    std::string display;
    fs::path laufzeit;

    void SetUp() override
    {
        SpielE2E::SetUp();
        laufzeit = spiel.string() + "_laufzeit";
        fs::create_directories(laufzeit);
        fs::permissions(laufzeit, fs::perms::owner_all, fs::perm_options::replace);
        // A dbus-launch that only leaves a mark: without a session bus the game must not start one.
        fs::create_directories(laufzeit / "bin");
        std::ofstream(laufzeit / "bin" / "dbus-launch") << "#!/bin/sh\ntouch '" << BusMarke().string() << "'\nexit 1\n";
        fs::permissions(laufzeit / "bin" / "dbus-launch", fs::perms::owner_all, fs::perm_options::replace);
    }

    fs::path BusMarke() const { return laufzeit / "dbus-launch-lief"; }

    void TearDown() override
    {
        for (pid_t p : {fensterverwaltung, xserver})
            if (p > 0) {
                kill(p, SIGTERM);
                waitpid(p, nullptr, 0);
            }
        fs::remove_all(laufzeit);
        SpielE2E::TearDown();
    }

    // Xvfb on a display number it picks itself.
    void StarteXServer()
    {
        int rohr[2];
        ASSERT_EQ(pipe(rohr), 0);
        xserver = Starte({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                         SpielUmgebung("", laufzeit), {}, laufzeit / "xvfb.log", rohr[1]);
        close(rohr[1]);
        char nummer[32] = {};
        size_t n = 0;
        while (n < sizeof nummer - 1 && read(rohr[0], nummer + n, 1) == 1 && nummer[n] != '\n') ++n;
        close(rohr[0]);
        ASSERT_GT(n, 0u) << "Xvfb did not start: " << Lies(laufzeit / "xvfb.log");
        display = std::string(":").append(nummer, n);
    }

    int Xdotool(const std::vector<std::string>& args)
    {
        std::vector<std::string> argv{"xdotool"};
        argv.insert(argv.end(), args.begin(), args.end());
        return Warte(Starte(argv, SpielUmgebung(display, laufzeit)), 10s);
    }

    // A click at a point of the game's 1024 x 768 frame, as the screen shows it: the frame fills the
    // 1280 x 1024 screen's width, 960 rows high, centred.
    void Klicke(int x, int y)
    {
        const int sx = x * 1280 / 1024, sy = 32 + y * 960 / 768;
        Xdotool({"mousemove", std::to_string(sx), std::to_string(sy), "click", "1"});
    }

    // Starts the game, clicks "Beenden" in the main menu (which is also the click that skips the
    // intro) and then "Ja" in the quit confirmation until the game has ended; its exit status.
    int SpieleUndBeende()
    {
        const fs::path ausgabe = laufzeit / "velquor.log";
        const pid_t spielPid =
            Starte({(fs::path(VELQUOR_BINARY_DIR) / "velquor").string()}, SpielUmgebung(display, laufzeit), spiel, ausgabe);
        // Start-up and loading of a sanitizer build on a busy machine can take minutes.
        const auto ende = std::chrono::steady_clock::now() + 900s;
        int status = -1;
        while ((status = Status(spielPid)) < 0 && std::chrono::steady_clock::now() < ende) {
            // "Beenden": the fifth button, hit box x 400-620, y 495-525. In the quit confirmation
            // nothing lies there.
            Klicke(510, 510);
            std::this_thread::sleep_for(400ms);
            // "Ja": x 400-620, y 311-340; at y 335 it lies below every main-menu button.
            Klicke(510, 335);
            std::this_thread::sleep_for(400ms);
        }
        if (status < 0) status = Warte(spielPid, 10s);
        EXPECT_NE(status, -1) << "the game did not end; its output:\n" << Lies(ausgabe);
        EXPECT_FALSE(fs::exists(BusMarke())) << "the game tried to launch a session bus";
        return status;
    }
};

TEST_F(Desktop, WithoutAWindowManagerAClickOnAMenuButtonLandsOnIt)
{
    StarteXServer();
    ASSERT_FALSE(display.empty());
    EXPECT_EQ(SpieleUndBeende(), 0) << Lies(laufzeit / "velquor.log");
}

TEST_F(Desktop, WithAWindowManagerAClickOnAMenuButtonLandsOnIt)
{
    StarteXServer();
    ASSERT_FALSE(display.empty());
    fensterverwaltung = Starte({"openbox"}, SpielUmgebung(display, laufzeit), {}, laufzeit / "openbox.log");
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(SpieleUndBeende(), 0) << Lies(laufzeit / "velquor.log");
}

// It says so in one line and leaves the game's folder as it was (start-up unpacks lists before the
// window is made, and takes them away again).
TEST_F(Desktop, WithoutADisplayTheGameRefusesInOneLine)
{
    auto inhalt = [&] {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(spiel)) namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    };
    const std::vector<std::string> vorher = inhalt();
    const fs::path ausgabe = laufzeit / "velquor.log";
    const pid_t pid =
        Starte({(fs::path(VELQUOR_BINARY_DIR) / "velquor").string()}, SpielUmgebung("", laufzeit), spiel, ausgabe);
    EXPECT_EQ(Warte(pid, 60s), 1);
    EXPECT_EQ(Lies(ausgabe), std::string(win::kNoDisplay) + "\n");
    EXPECT_EQ(inhalt(), vorher);
}

}  // namespace
