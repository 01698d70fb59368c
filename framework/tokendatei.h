#pragma once
// The token format of every text data file (list files, "Items.txt", "Data/Setup.txt", the text
// tables): words separated by white space, line ends meaning nothing. A value that cannot be read
// as its type fails the reader, and every later read fails too, as a stream would.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TokenDatei {
public:
    // Reads the whole file (path resolved without regard to case); false when it cannot be read.
    bool Oeffnen(const std::string& pfad);
    // Reads from text in memory (tests, files already read).
    void Setze(std::string text);

    bool Wort(std::string& wort);      // the next word; false at the end and for a word with a NUL byte
    bool Ganzzahl(int32_t& wert);      // the next word as a signed 32-bit decimal number
    bool Kommazahl(float& wert);       // the next word as a decimal number
    bool Fehlgeschlagen() const { return fehler_; }

private:
    std::string text_;
    size_t pos_ = 0;
    bool fehler_ = true;  // nothing opened yet
};

// Copies a word into a fixed table entry: at most size - 1 characters, the rest of the entry 0.
void KopiereWort(char* eintrag, size_t groesse, const std::string& wort);
