#pragma once
// Ordstribe: all stored words of one length L, packed in one block of 32-bit
// cells (word number w fills the cells w*L .. w*L+L-1), and the L x 32 letter
// lists that thread through those cells (see Bogstavliste).
//
// The Ordstribe owns its list array and its cell block; it is moved, never
// copied, and destroying it releases both. Word numbers start at 1 (a link of 0
// ends a list) and are never handed out twice, so removed words leave unlinked
// cells behind until a dictionary is built anew.
//
// Whole-word questions (the duplicate check of every insertion, hasWord) are
// answered through a hash index of word numbers, kept beside the lists and
// grown with the block; it changes no answer and no order, only the speed.
//
// Failure: when the block is full and cannot grow (no memory, or the cells of
// one length would pass the 2^24 that a 24-bit link can address) the Host shows
// "No más memoria/No puede leer más palabras" and the word is not stored; the
// store stays consistent. Removing a word that is not stored shows "Fracasada la
// prueba de borrar" and changes nothing.
#include "dictionary/Bogstavliste.h"
#include "dictionary/Language.h"
#include "dictionary/WordVisitor.h"
#include "platform/Host.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace bv {

class Ordstribe {
public:
    static constexpr std::int64_t kMaxCells = std::int64_t{1} << 24;
    static constexpr std::uint32_t kLinkMask = 0x00FFFFFF;

    // The outcome of choosing the rarest positions of a pattern: `known` is 0 (no
    // known letter), 1 (one, at p1) or 2 (two or more: the rarest p1 and the
    // second rarest p2). Ties keep the leftmost position.
    struct Rarest {
        int known = 0;
        int p1 = 0;
        int p2 = 0;
    };

    // An empty store (lengths 0 and 1, and any length above 25): holds nothing,
    // answers every question with "no word".
    Ordstribe() = default;
    // Reserves room for `capacity` words of `length` letters, growing by
    // `growth` words when full. `maxCells` lowers the 2^24 cell limit (tests).
    // If the block cannot be reserved the host is told and the store starts
    // with capacity 0 (it tries again on the first insertion).
    Ordstribe(int length, std::int64_t capacity, int growth, Host* host, std::int64_t maxCells = kMaxCells);
    Ordstribe(Ordstribe&&) noexcept = default;
    Ordstribe& operator=(Ordstribe&&) noexcept = default;
    Ordstribe(const Ordstribe&) = delete;
    Ordstribe& operator=(const Ordstribe&) = delete;

    int length() const { return length_; }
    int count() const { return count_; }
    int capacity() const { return capacity_; }
    int growth() const { return growth_; }
    const Bogstavliste& list(int position, int letter) const { return lists_[position * 32 + (letter & 31)]; }
    const std::uint32_t* cells() const { return cells_.get(); }
    // Memory held: cell block, lists and index.
    std::int64_t reservedBytes() const;

    // Codes: exactly L letter codes (NUL-ended). False when already stored or
    // when the block could not grow.
    bool insertCodes(const char* codes);
    void eraseCodes(const char* codes);
    // Pattern: L bytes, ' ' for any letter, letter codes otherwise; a NUL before
    // L ends the pattern early (the rest matches anything).
    bool matchesPattern(const char* pattern) const;
    bool grow();

    // Adds to `set` the letters that can stand at `position` of the pattern
    // (letter codes with blanks, `length` bytes); true when a stored word fits.
    bool lettersAt(const char* pattern, int position, int length, LetterSet& set) const;

    // Rarest positions among the known letters of the first `length` bytes of
    // `pattern` (stopping at a NUL).
    Rarest chooseRarest(const char* pattern, int length) const;

    // Walks list (position, letter): gives each word (L codes and a NUL) to the
    // visitor until it answers false; answers false when stopped.
    bool walkList(int position, int letter, WordVisitor visitor) const;

    // Copies the word whose cell at `position` is `cell` into `out` (L+1 bytes).
    void wordAt(const std::uint32_t* cell, int position, char* out) const;

private:
    struct FreeCells {
        void operator()(std::uint32_t* p) const { std::free(p); }
    };
    bool sameWord(const std::uint32_t* first, const char* codes) const;
    // The index: open addressing with linear probing over word numbers (0 = free).
    std::uint32_t hashCodes(const char* codes) const;
    std::uint32_t hashWord(int number) const;
    int findNumber(const char* codes) const;  // 0 when not stored
    void indexAdd(std::uint32_t* table, std::uint32_t mask, int number) const;
    void indexRemove(int number);
    static std::uint32_t indexSizeFor(std::int64_t capacity);

    std::unique_ptr<Bogstavliste[]> lists_;
    std::unique_ptr<std::uint32_t, FreeCells> cells_;
    std::unique_ptr<std::uint32_t, FreeCells> index_;
    std::uint32_t indexMask_ = 0;
    int length_ = 0;
    int count_ = 0;
    int capacity_ = 0;
    int growth_ = 0;
    int numbersUsed_ = 0;  // word numbers handed out (1..numbersUsed_)
    std::int64_t maxCells_ = kMaxCells;
    Host* host_ = nullptr;
};

}  // namespace bv
