#pragma once
// Felt: one cell of the crossword document — a letter cell ("BOGSTAV") or a
// clue cell ("LEDEORD", a cell that holds a clue text instead of a letter).
//
// `text` is Windows-1252 bytes. A letter cell holds one character, or nothing
// when it never held a letter (the file then carries a zero byte); a clue cell
// holds its clue of at most kMaxText bytes. Keep the invariants by going
// through Kpoint::setLetter / Kpoint::setClue.
#include "documents/RelaFont.h"

#include <cstddef>
#include <string>

namespace bv {

struct Felt {
    static constexpr size_t kMaxText = 1999;

    RelaFont layout;
    bool isClue = false;
    std::string text;
    bool rightBorder = true;
    bool bottomBorder = true;

    bool operator==(const Felt&) const = default;
};

}  // namespace bv
