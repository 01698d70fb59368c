#include "framework/tokendatei.h"

#include <charconv>
#include <cmath>
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
    // A NUL byte is no text: the word would be used as the part before it, a different value.
    if (wort.find('\0') != std::string::npos) {
        fehler_ = true;
        return false;
    }
    return true;
}

// A number is the whole word, decimal: "12abc" and hexadecimal ("0x1p-5") are not numbers.
bool TokenDatei::Ganzzahl(int32_t& wert) {
    std::string wort;
    if (!Wort(wort)) return false;
    const char* anfang = wort.data() + (wort.size() > 1 && wort[0] == '+');
    const char* ende = wort.data() + wort.size();
    int32_t zahl = 0;
    const auto [stelle, ec] = std::from_chars(anfang, ende, zahl, 10);
    if (ec != std::errc() || stelle != ende) {
        fehler_ = true;
        return false;
    }
    wert = zahl;
    return true;
}

bool TokenDatei::Kommazahl(float& wert) {
    std::string wort;
    if (!Wort(wort)) return false;
    const char* anfang = wort.data() + (wort.size() > 1 && wort[0] == '+');
    const char* ende = wort.data() + wort.size();
    float zahl = 0;
    const auto [stelle, ec] = std::from_chars(anfang, ende, zahl, std::chars_format::general);
    if (ec != std::errc() || stelle != ende || !std::isfinite(zahl)) {
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
