#pragma once
// DB_Klasse: the search context of the slot being filled. One instance lives for
// a whole run (Generator::runFill owns it) and is reused at every stop: the slot's
// pattern, the slot itself (borrowed from the work grid's slot list) and one
// crossing record per cell.
#include "engine/Krydsinfo.h"

#include <cstdint>

namespace bv {

struct EtOrd;

struct DB_Klasse {
    static constexpr int kMaxLength = 25;          // longest slot the dictionary can fill
    static constexpr int kPatternSize = 27;
    static constexpr int kCrossings = 26;

    char pattern[kPatternSize] = {};  // the slot's letters, BLANK for empty cells
    EtOrd* slot = nullptr;            // the slot being filled; borrowed
    int32_t length = 0;               // the slot's len
    Krydsinfo crossings[kCrossings];  // one per cell, in slot order
};

}  // namespace bv
