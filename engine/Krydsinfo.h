#pragma once
// Krydsinfo: what the generator knows about the crossing slot at one cell of the
// slot it is filling. Filled by Generator::crossingInfo; during the candidate
// search `letters` is turned into letter codes and `set` receives the letters that
// dictionary words fitting the crossing pattern have at `pos`.
// A cleared record is all zero (letter 0: the crossing needs no look-ahead).
#include <cstdint>
#include <cstring>

namespace bv {

struct Krydsinfo {
    static constexpr int kPatternSize = 27;  // up to 25 letters, NUL, one spare

    char letters[kPatternSize] = {};  // the crossing slot's letters (external form, then codes)
    int32_t pos = 0;                  // index of this cell within the crossing slot
    char letter = 0;                  // this cell's content; BLANK when it still needs a letter
    int32_t len = 0;                  // the crossing slot's length
    uint32_t set = 0;                 // letter set: bit (code AND 31) for each possible letter

    void clear() { *this = Krydsinfo{}; }
};

}  // namespace bv
