#pragma once
// Tvang: the forced-word list of "Generar con palabras obligatorias...".
//
// A list has room for 100 entries; each entry is an EtOrd record used only for
// its `letters` (the word in external, upper-case Windows-1252 form, at most 39
// letters, NUL-terminated) and its `len`. `count` says how many entries are in
// use. The program holds at most one list (or none); the run loop owns it through
// whoever owns the program's state and replaces it on every new command and on
// every reload from the word file.
//
// Words come from "tvang.txt" (readTvangFile) or from a word file (ForcedBatch).
// Both are read the same way: one word a line, CRLF or LF line ends, trailing
// blanks and control characters (every byte up to and including the blank)
// removed, the rest turned to upper case, empty lines skipped. A file that looks
// like UTF-8 is transcoded to Windows-1252 first, since word files written on
// Linux usually are UTF-8. Nothing throws; failures are reported through the
// Host given and answered with false.
#include "engine/EtOrd.h"
#include "platform/Host.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class Tvang {
public:
    static constexpr int kEntries = 100;
    static constexpr int kMaxLetters = EtOrd::kMaxLen;  // 39
    static constexpr std::string_view kFileName = "tvang.txt";

    static constexpr std::string_view kCannotOpenText = "Kunne ikke finde/åbne filen";
    // Lines longer than an entry can hold are skipped; one report names them all.
    static constexpr std::string_view kTooLongText =
        "Estas palabras tienen más de 39 letras y no se usan como palabras obligatorias:";
    static constexpr std::string_view kTooLongCaption = "Palabras obligatorias";

    // A new list: 100 empty entries, count 0.
    Tvang() = default;

    int count() const { return count_; }
    bool full() const { return count_ >= kEntries; }
    // Entry i (0 <= i < count()).
    const EtOrd& entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }
    std::string_view word(int i) const { return entry(i).word(); }
    std::span<const EtOrd> entries() const { return {entries_.data(), static_cast<std::size_t>(count_)}; }

    // Can `word` be an entry: 1 to 39 bytes, none of which is a control byte or
    // '#' (the work grid's clue cell), since neither can stand in a letter cell.
    static bool fitsAnEntry(std::string_view word);
    // Puts `word` (already prepared) into the next entry. False, and nothing
    // stored, when the list is full or the word cannot be an entry.
    bool add(std::string_view word);

    // Fills the list from a "tvang.txt" file: every non-empty prepared line, in
    // file order, up to 100 entries. When the file cannot be read: report
    // "Kunne ikke finde/åbne filen" with the file name as caption, answer false.
    // Lines of more than 39 letters are skipped and named in one report.
    bool readTvangFile(const std::string& name, Host& host);

    // The prepared, non-empty lines of a word file's bytes, in file order.
    static std::vector<std::string> wordLines(std::string bytes);
    // Cut at a zero byte, trailing bytes up to and including the blank removed,
    // upper-cased.
    static std::string prepareLine(std::string_view line);
    // Windows-1252 upper case: a-z, the accented small letters 0xE0-0xFE (not the
    // division sign 0xF7), and the four small letters with their capitals outside
    // that range (š œ ž ÿ). Everything else stays.
    static unsigned char upperCase(unsigned char c);

private:
    std::array<EtOrd, kEntries> entries_{};
    int count_ = 0;
};

}  // namespace bv
