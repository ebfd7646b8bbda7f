#pragma once
// WordFiles: moving words between files and a BogPoint.
//
// Two kinds of file, told apart by the first byte and never by the name:
//  - a dictionary file (.dic): the marker '=' and then every word as 16-bit
//    character groups (the character's bits spread over the odd bits, random
//    filler in the even bits, low byte first), each word ended by the group of
//    the character 0;
//  - a word list: one word per line (LF or CRLF), cut at its first blank, in
//    Windows-1252 or UTF-8 (with or without a byte-order mark; UTF-8 is
//    transcoded to Windows-1252 before the language sees it).
// Any other first byte (a digit, a blank, an empty file) reads as no words.
//
// Messages go through the dictionary's Host: a file that cannot be opened, the
// language's message for a word it does not know (once per such word, unless
// the caller asks for a quiet load and counts them instead), and the word
// store's own messages. The functions borrow the dictionary and the random
// source; they own nothing beyond the call.
#include "dictionary/BogPoint.h"
#include "platform/Random.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace bv {

// What a load did; with `quiet` set, words the language cannot take are
// counted here instead of reported one by one.
struct LoadSummary {
    bool quiet = false;
    std::int64_t words = 0;       // words handed on by the reader
    std::int64_t stored = 0;      // newly stored
    std::int64_t unknown = 0;     // with a letter the language does not know (quiet loads)
    std::int64_t unfit = 0;       // fewer than 2 or more than 25 letters (quiet loads)
    std::string firstUnknown;     // the first such word, UTF-8 (quiet loads)
};

// Adds the words of a file; false only when the file cannot be opened.
bool loadWordFile(BogPoint& dictionary, const std::string& path, LoadSummary* summary = nullptr);
// Writes the dictionary as a dictionary file in external form (current
// alphabet), in the order of BogPoint::forEachWord; false (reported) when the
// file cannot be written whole, and then a file already at `path` is untouched.
bool saveDicFile(const BogPoint& dictionary, const std::string& path, Random& random);
// Writes to outPath, as a dictionary file, the words of inPath that the
// dictionary holds, spelled as inPath spells them. False (after a message)
// when a file cannot be opened or a write fails, so that a join never goes on
// with a cut-off intermediate file as if it were whole.
bool filterWordFile(BogPoint& dictionary, const std::string& inPath, const std::string& outPath, Random& random);
// Removes from the dictionary the words of the file that it holds.
void subtractWordFile(BogPoint& dictionary, const std::string& path);

// The two halves of a character group (exposed for tests and tools).
std::uint16_t encodeDicChar(unsigned char c, std::uint16_t filler);
unsigned char decodeDicChar(std::uint16_t group);

}  // namespace bv
