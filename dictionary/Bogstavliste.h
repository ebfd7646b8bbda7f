#pragma once
// Bogstavliste: one letter list of an Ordstribe, all stored words of one length
// that have one letter at one position, newest first.
//
// The list owns nothing: `head` and `base` point into the cell block of the
// Ordstribe that holds the list, and are re-based by Ordstribe::grow when the
// block moves. A cell is 32 bits: the letter code in bits 31..24 and, in bits
// 23..0, the index (in cells from `base`) of the same position of the next word
// on the list; 0 ends the list.
#include <cstdint>

namespace bv {

struct Bogstavliste {
    std::int32_t count = 0;          // words on the list
    std::uint32_t* head = nullptr;   // cell of the word added last; null while empty
    std::uint32_t* base = nullptr;   // start of the cell block
};

}  // namespace bv
