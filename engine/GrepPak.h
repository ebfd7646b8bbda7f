#pragma once
// GrepPak: a list of candidate words for one slot, all of the same length, kept
// in letter codes back to back, each followed by a zero byte.
//
// The generator owns one shared list with a 30000-byte buffer for every search,
// and each stop on the recursion path owns a private copy of it, sized to the
// words collected, because deeper stops reuse the shared list. The list also
// keeps the copy of the slot taken before the search, so that undoing a stop
// needs no allocation. Appending to a full buffer is refused, never written past.
#include "engine/EtOrd.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace bv {

class GrepPak {
public:
    static constexpr std::size_t kSharedSize = 30000;

    GrepPak() = default;
    explicit GrepPak(std::size_t capacity);
    GrepPak(GrepPak&&) noexcept = default;
    GrepPak& operator=(GrepPak&&) noexcept = default;
    GrepPak(const GrepPak&) = delete;
    GrepPak& operator=(const GrepPak&) = delete;

    // Empties the list for words of `wordLength` letters.
    void reset(int wordLength);
    // Appends one word (wordLength codes); false when the buffer has no room.
    bool append(const char* codes);
    // Overwrites the index-th word not yet taken out (0-based).
    void overwrite(int index, const char* codes);
    // How many words fit into the buffer at the current word length.
    int roomFor() const;
    // Moves the next word into the slot's letters, turning each code c into
    // alphabet[c AND 31]; false when the list is used up.
    bool nextCandidate(EtOrd& slot, std::string_view alphabet);
    // A list holding exactly the words collected so far and the saved slot.
    GrepPak privateCopy() const;

    int count() const { return count_; }
    int wordLength() const { return wordLength_; }
    std::size_t capacity() const { return capacity_; }
    // The index-th word still in the list, in letter codes, NUL-terminated.
    const char* word(int index) const { return buffer_.get() + readPos_ + index * stride(); }

    EtOrd savedSlot;  // the slot as it was before its candidates were searched

private:
    std::size_t stride() const { return static_cast<std::size_t>(wordLength_) + 1; }

    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    int count_ = 0;
    int wordLength_ = 0;
    std::size_t readPos_ = 0;
    std::size_t writePos_ = 0;
};

}  // namespace bv
