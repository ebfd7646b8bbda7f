#pragma once
// Language: the current alphabet, code map and letter table, and the language
// number that a rule file records.
//
// One Language object is current for the whole program (the application state
// owns it); everything that turns external letters (Windows-1252 bytes) into the
// dictionary's letter codes or back borrows it. Switching the language replaces
// the three tables at once; a dictionary in memory is never converted, so its
// codes are simply shown through the new alphabet.
//
// Letter codes are bytes 0x40..0x5F; code AND 31 is the letter's place in the
// 32-letter alphabet and also selects its letter list in the word store.
// Conversions that meet a byte the language does not know report it through the
// Host they are given and answer 0 letters.
#include "platform/Host.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace bv {

using LetterSet = std::uint32_t;  // bit (code AND 31) stands for one letter

class Language {
public:
    // Language numbers kept in rule files.
    static constexpr int kDanish = 0;
    static constexpr int kGerman = 2;
    static constexpr int kSwedish = 3;
    static constexpr int kNorwegian = 4;
    static constexpr int kIcelandic = 5;
    static constexpr int kFrench = 6;
    static constexpr int kDutch = 7;
    static constexpr int kItalian = 8;
    static constexpr int kSpanish = 9;
    static constexpr int kEnglish = 10;

    static constexpr std::string_view kUnknownLetterCaption = "El idioma y el juego de dibujos no vienen bien";

    // Danish alphabet and code map, Nordic letter table, number 0.
    Language();

    // Selects the tables of language `number` and answers the number now in
    // force. French and Dutch are not available: the host shows "Todavía" and
    // nothing changes. Unknown numbers select the plain tables as number 10.
    int setLanguage(int number, Host& host);
    int number() const { return number_; }

    // Converts a word for storing or looking up. Writes the codes, NUL-ended, to
    // `codes` (room for `capacity` bytes including the NUL; letters beyond it are
    // counted but not written, so an over-long word still reports its length).
    // A blank ends the word quietly; any other unknown byte is reported (text:
    // the rest of the word from that byte) and the answer is 0.
    int toCodes(std::string_view word, char* codes, std::size_t capacity, Host& host) const;
    // The same without any message: -1 when a byte is not a letter of the
    // language (its offset in `*badAt` when given).
    int toCodesQuiet(std::string_view word, char* codes, std::size_t capacity,
                     std::size_t* badAt = nullptr) const;
    // Converts a search pattern: ' ', '.' and '?' become the blank ' ', every
    // other byte its code (0 for a non-letter, which ends the converted pattern).
    // Writes exactly pattern.size() bytes and a NUL (`codes` must have room);
    // answers pattern.size().
    int patternToCodes(std::string_view pattern, char* codes) const;
    // Each code becomes its letter of the current alphabet; writes codes.size()
    // bytes and a NUL.
    void toExternal(std::string_view codes, char* word) const;
    char externalOf(unsigned char code) const { return static_cast<char>(alphabet_[code & 31]); }
    // The letter code of an external byte (0: not a letter of the language).
    unsigned char codeOf(unsigned char byte) const { return codeMap_[byte] & 0xDF; }
    // Letter-table questions: may the byte be typed into the grid, and how is it shown.
    bool isLetter(unsigned char byte) const { return letterTable_[byte] != 0; }
    unsigned char foldLetter(unsigned char byte) const { return letterTable_[byte]; }

    const std::array<unsigned char, 32>& alphabet() const { return alphabet_; }
    // Raw code-map entry (its AND 0xDF is the code).
    unsigned char codeMapEntry(unsigned char byte) const { return codeMap_[byte]; }

private:
    std::array<unsigned char, 32> alphabet_{};
    std::array<unsigned char, 256> codeMap_{};
    std::array<unsigned char, 256> letterTable_{};
    int number_ = 0;
};

}  // namespace bv
