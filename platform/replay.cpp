#include "platform/replay.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/os.h"
#include "platform/window.h"

namespace replay {

namespace {

constexpr const char* kKopf = "velquor-eingabe 1";
// A damaged count must not make the loader fill the memory.
constexpr uint64_t kHoechstEreignisse = 50'000'000;

struct Ereignis {
    enum Art : uint8_t { Pumpe, Nachricht, Tasten } art;
    Message m{};
    std::vector<uint8_t> tasten;  // held keys' codes, ascending
};

Mode modus = Mode::Off;
std::vector<Ereignis> ereignisse;
size_t pos = 0;
uint64_t pumpen = 0;  // pumps handed out, for a fault's message
std::string fehler;

std::string Zeile(const std::vector<Ereignis>& e, size_t von, size_t bis)
{
    std::string z;
    char teil[64];
    for (size_t i = von; i < bis; ++i) {
        if (!z.empty()) z += ' ';
        switch (e[i].art) {
        case Ereignis::Pumpe: z += 'P'; break;
        case Ereignis::Nachricht:
            std::snprintf(teil, sizeof teil, "m%x,%llx,%llx", e[i].m.message, (unsigned long long)e[i].m.wParam,
                          (unsigned long long)uint64_t(e[i].m.lParam));
            z += teil;
            break;
        case Ereignis::Tasten:
            z += 'k';
            for (size_t k = 0; k < e[i].tasten.size(); ++k) {
                std::snprintf(teil, sizeof teil, k ? ",%x" : "%x", e[i].tasten[k]);
                z += teil;
            }
            break;
        }
    }
    return z;
}

// Hex numbers separated by commas; false on anything else.
bool Zahlen(const std::string& text, std::vector<uint64_t>& out)
{
    out.clear();
    if (text.empty()) return true;
    size_t i = 0;
    for (;;) {
        size_t j = i;
        while (j < text.size() && std::isxdigit(static_cast<unsigned char>(text[j]))) ++j;
        if (j == i || j - i > 16) return false;
        out.push_back(std::strtoull(text.substr(i, j - i).c_str(), nullptr, 16));
        if (j == text.size()) return true;
        if (text[j] != ',') return false;
        i = j + 1;
    }
}

bool LiesZeile(const std::string& zeile, std::vector<Ereignis>& out, std::string& grund)
{
    std::istringstream in(zeile);
    std::string wort;
    uint64_t mal = 1;
    std::vector<Ereignis> teile;
    std::vector<uint64_t> zahlen;
    bool erstes = true;
    while (in >> wort) {
        if (erstes && wort.size() > 1 && wort.back() == 'x') {
            erstes = false;
            char* ende = nullptr;
            mal = std::strtoull(wort.c_str(), &ende, 10);
            if (ende != wort.c_str() + wort.size() - 1 || mal == 0 || mal > kHoechstEreignisse) {
                grund = "bad repeat count \"" + wort + "\"";
                return false;
            }
            continue;
        }
        erstes = false;
        Ereignis e{};
        if (wort == "P") {
            e.art = Ereignis::Pumpe;
        } else if (wort[0] == 'm' && Zahlen(wort.substr(1), zahlen) && zahlen.size() == 3 && zahlen[0] <= 0xFFFFFFFFu) {
            e.art = Ereignis::Nachricht;
            e.m = {uint32_t(zahlen[0]), uintptr_t(zahlen[1]), intptr_t(zahlen[2])};
        } else if (wort[0] == 'k' && Zahlen(wort.substr(1), zahlen)) {
            e.art = Ereignis::Tasten;
            for (uint64_t z : zahlen) {
                if (z > 0xFF) {
                    grund = "key code out of range in \"" + wort + "\"";
                    return false;
                }
                e.tasten.push_back(uint8_t(z));
            }
        } else {
            grund = "unknown entry \"" + wort + "\"";
            return false;
        }
        teile.push_back(std::move(e));
    }
    if (out.size() + mal * teile.size() > kHoechstEreignisse) {
        grund = "too many entries";
        return false;
    }
    for (uint64_t n = 0; n < mal; ++n) out.insert(out.end(), teile.begin(), teile.end());
    return true;
}

void Abweichung(const char* was)
{
    fehler = "the game " + std::string(was) + " at pump " + std::to_string(pumpen) + " (entry " +
             std::to_string(pos) + " of " + std::to_string(ereignisse.size()) + "), where the recording holds " +
             (pos >= ereignisse.size() ? std::string("nothing more")
                                       : std::string("\"").append(Zeile(ereignisse, pos, pos + 1)).append("\""));
    pos = ereignisse.size();
}

}  // namespace

Mode CurrentMode() { return modus; }

void Record()
{
    modus = Mode::Recording;
    ereignisse.clear();
    pos = 0;
    pumpen = 0;
    fehler.clear();
}

bool Play(const std::string& path, std::string& error)
{
    std::vector<uint8_t> daten;
    if (!os::ReadFile(path, daten)) {
        error = path + ": cannot be read";
        return false;
    }
    std::istringstream in(std::string(daten.begin(), daten.end()));
    std::string zeile;
    if (!std::getline(in, zeile) || zeile != kKopf) {
        error = path + ": not an input recording (its first line is not \"" + kKopf + "\")";
        return false;
    }
    std::vector<Ereignis> neu;
    for (int nummer = 2; std::getline(in, zeile); ++nummer) {
        std::string grund;
        if (!LiesZeile(zeile, neu, grund)) {
            error = path + ": line " + std::to_string(nummer) + ": " + grund;
            return false;
        }
    }
    Record();
    modus = Mode::Replaying;
    ereignisse = std::move(neu);
    return true;
}

bool Save(const std::string& path, std::string& error)
{
    std::string text = std::string(kKopf) + "\n";
    std::string vorige;
    uint64_t mal = 0;
    auto aus = [&] {
        if (mal > 1) text += std::to_string(mal) + "x ";
        if (mal > 0) text += vorige + "\n";
    };
    for (size_t i = 0; i < ereignisse.size();) {
        size_t j = i + 1;
        while (j < ereignisse.size() && ereignisse[j].art != Ereignis::Pumpe) ++j;
        std::string z = Zeile(ereignisse, i, j);
        if (z == vorige && mal > 0) {
            ++mal;
        } else {
            aus();
            vorige = std::move(z);
            mal = 1;
        }
        i = j;
    }
    aus();
    if (!os::WriteFileAtomic(path, text.data(), text.size())) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

void Stop()
{
    modus = Mode::Off;
    ereignisse.clear();
    pos = 0;
}

bool Finished() { return modus == Mode::Replaying && pos >= ereignisse.size(); }

const std::string& Fault() { return fehler; }

std::vector<Message> Pump()
{
    std::vector<Message> aus;
    if (modus == Mode::Recording) ereignisse.push_back({Ereignis::Pumpe, {}, {}});
    if (modus != Mode::Replaying) return aus;
    if (pos < ereignisse.size() && ereignisse[pos].art != Ereignis::Pumpe) Abweichung("pumped messages");
    if (pos >= ereignisse.size()) {
        aus.push_back({win::msg::Close, 0, 0});
        return aus;
    }
    ++pos;
    ++pumpen;
    while (pos < ereignisse.size() && ereignisse[pos].art == Ereignis::Nachricht) aus.push_back(ereignisse[pos++].m);
    return aus;
}

void RecordMessage(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (modus == Mode::Recording) ereignisse.push_back({Ereignis::Nachricht, {message, wParam, lParam}, {}});
}

void Keys(uint8_t state[256])
{
    if (modus == Mode::Recording) {
        Ereignis e{Ereignis::Tasten, {}, {}};
        for (int k = 0; k < 256; ++k)
            if (state[k]) e.tasten.push_back(uint8_t(k));
        ereignisse.push_back(std::move(e));
        return;
    }
    if (modus != Mode::Replaying) return;
    std::memset(state, 0, 256);
    if (pos >= ereignisse.size()) return;
    if (ereignisse[pos].art != Ereignis::Tasten) {
        Abweichung("read the keys");
        return;
    }
    for (uint8_t k : ereignisse[pos].tasten) state[k] = 0x80;
    ++pos;
}

}  // namespace replay
