#pragma once
// Anacon: the word list of the anagram list modes (the verb list "verbs.txt" or
// a word file of the user's). One Anacon lives as long as the program; it is
// empty at start, read once by loadWordList and kept until release().
//
// Entries are kept in letter codes, NUL-ended, one after another in one
// 20000-byte block, with at most 1999 of them used. Reading stops, with the
// message "No se incluyeron todas las palabras", as soon as either limit would
// be passed; nothing is ever written past the block. A list that cannot be
// opened stays empty without a message.
#include "dictionary/Language.h"
#include "platform/Host.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace bv {

class Anacon {
public:
    static constexpr std::size_t kTextBytes = 20000;
    static constexpr int kMaxEntries = 2000;
    static constexpr int kUsableEntries = 1999;
    static constexpr std::size_t kLinePiece = 99;  // a line is read at most this many bytes at a time

    static constexpr std::string_view kTooManyText = "Existen más palabras que lugar- max. 2000  en la lista";
    static constexpr std::string_view kTooManyCaption = "No se incluyeron todas las palabras";

    Anacon() = default;
    Anacon(const Anacon&) = delete;
    Anacon& operator=(const Anacon&) = delete;

    // Reads the list at `path` unless a list is loaded already. Word lists may be
    // Windows-1252 or UTF-8 (with or without a byte-order mark). Each non-empty
    // line gives one entry: its first word, up to the first byte that is no
    // letter of `language`; lines that give no letter are skipped.
    void loadWordList(const std::string& path, const Language& language, Host& host);
    // Frees the block; the list is not loaded and has no entries.
    void release();

    bool loaded() const { return loaded_; }
    int count() const { return count_; }
    // Entry i in letter codes (without its NUL).
    std::string_view entry(int i) const { return {text_.get() + offsets_[i], lengths_[i]}; }
    LetterSet letterSet(int i) const { return sets_[i]; }

private:
    bool loaded_ = false;
    int count_ = 0;
    std::unique_ptr<char[]> text_;
    std::unique_ptr<std::uint16_t[]> offsets_;
    std::unique_ptr<std::uint8_t[]> lengths_;
    std::unique_ptr<LetterSet[]> sets_;
};

}  // namespace bv
