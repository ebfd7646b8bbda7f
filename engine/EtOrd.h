#pragma once
// EtOrd: one word slot of a work grid, and the record of a forced word.
//
// The slot's cells are kept in `letters`, a fixed 40-byte NUL-terminated text
// (at most 39 characters, one per cell from the slot's start in its direction,
// BLANK for an empty cell). The record is a fixed-size, trivially copyable value:
// the generator saves whole copies of it and restores a slot by assigning the
// copy back, so nothing in it may own memory.
//
// The slot list itself belongs to the grid (Simpelarr keeps it as a vector in
// list order), so an EtOrd carries no `next` link; identity is the record's
// address inside that list.
#include "engine/OrdBase.h"

#include <cstddef>
#include <cstring>
#include <string_view>
#include <type_traits>

namespace bv {

struct EtOrd : OrdBase {
    static constexpr std::size_t kLettersSize = 40;
    static constexpr int kMaxLen = 39;  // longest text `letters` can hold

    char letters[kLettersSize] = {};

    // The text of `letters` (up to its terminating zero).
    std::string_view word() const {
        const void* nul = std::memchr(letters, 0, kLettersSize);
        std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - letters)
                            : kLettersSize - 1;
        return {letters, n};
    }
    // Replaces `letters` by `w` (cut at kMaxLen characters); `len` is not touched.
    void setWord(std::string_view w) {
        std::size_t n = w.size() < static_cast<std::size_t>(kMaxLen) ? w.size() : kMaxLen;
        std::memset(letters, 0, kLettersSize);
        std::memcpy(letters, w.data(), n);
    }
};

static_assert(std::is_trivially_copyable_v<EtOrd>);

}  // namespace bv
