#include "framework/tokendatei.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/os.h"

namespace {
bool Leerraum(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
}  // namespace

bool TokenDatei::Oeffnen(const std::string& pfad) {
    std::vector<uint8_t> bytes;
    if (!os::ReadFile(pfad, bytes)) {
        Setze("");
        fehler_ = true;
        return false;
    }
    Setze(std::string(bytes.begin(), bytes.end()));
    return true;
}

void TokenDatei::Setze(std::string text) {
    text_ = std::move(text);
    pos_ = 0;
    fehler_ = false;
}

bool TokenDatei::Wort(std::string& wort) {
    if (fehler_) return false;
    while (pos_ < text_.size() && Leerraum(text_[pos_])) ++pos_;
    if (pos_ == text_.size()) {
        fehler_ = true;
        return false;
    }
    const size_t anfang = pos_;
    while (pos_ < text_.size() && !Leerraum(text_[pos_])) ++pos_;
    wort.assign(text_, anfang, pos_ - anfang);
    return true;
}

bool TokenDatei::Ganzzahl(int32_t& wert) {
    std::string wort;
    if (!Wort(wort)) return false;
    errno = 0;
    char* ende = nullptr;
    const long long zahl = std::strtoll(wort.c_str(), &ende, 10);
    if (errno != 0 || *ende != '\0' || zahl < INT32_MIN || zahl > INT32_MAX) {
        fehler_ = true;
        return false;
    }
    wert = static_cast<int32_t>(zahl);
    return true;
}

bool TokenDatei::Kommazahl(float& wert) {
    std::string wort;
    if (!Wort(wort)) return false;
    errno = 0;
    char* ende = nullptr;
    const float zahl = std::strtof(wort.c_str(), &ende);
    if (errno != 0 || *ende != '\0' || !std::isfinite(zahl)) {
        fehler_ = true;
        return false;
    }
    wert = zahl;
    return true;
}

void KopiereWort(char* eintrag, size_t groesse, const std::string& wort) {
    if (groesse == 0) return;
    const size_t n = wort.size() < groesse - 1 ? wort.size() : groesse - 1;
    std::memcpy(eintrag, wort.data(), n);
    std::memset(eintrag + n, 0, groesse - n);
}
