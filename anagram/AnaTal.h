#pragma once
// AnaTal: the letters still to be placed in an anagram, as counts per alphabet
// place (letter code AND 31), with their total and the number of words that may
// still be added to the answer.
//
// A plain value: each level of the anagram search keeps its own copy, so the
// search never allocates. Bytes of a text that are no letter of the language are
// kept apart in `foreign`: no dictionary word supplies them, so a text holding
// one has no anagram (they are never mistaken for the letter of place 0, which is
// a real letter in Icelandic).
#include "dictionary/Language.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace bv {

struct AnaTal {
    std::int32_t total = 0;                  // letters in all, foreign bytes included
    std::array<std::int32_t, 32> counts{};   // letters of each alphabet place
    std::uint32_t set = 0;                   // places counted from a text (not kept by subtraction)
    std::int32_t wordsLeft = 0;              // words that may still be added
    std::int32_t foreign = 0;                // bytes that are no letter of the language
};

// Counts every byte of an external text except the blank; wordsLeft = maxWords.
AnaTal countLetters(std::string_view text, const Language& language, int maxWords);
// The same for a word already in letter codes (0x40..0x5F).
AnaTal countCodes(std::string_view codes, int maxWords);
// a - b place by place into `out`; false (out not to be used) when some count of b
// exceeds that of a. out.wordsLeft = a.wordsLeft - 1, out.set = 0.
bool subtractLetters(const AnaTal& a, const AnaTal& b, AnaTal& out);

}  // namespace bv
