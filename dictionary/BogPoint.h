#pragma once
// BogPoint: the dictionary in memory, one Ordstribe per word length 2..25
// (entries 0 and 1 stay empty), with the questions the generator, the commands
// and the file routines ask of it.
//
// A BogPoint owns its Ordstribes. It borrows the program's Language (words in
// external form are converted with the tables current at the time of each call)
// and the Host that shows its messages; both must outlive it. It is moved,
// never copied. Replacing the current dictionary means destroying it and
// building a new one.
//
// Failures are shown through the Host and never thrown: an unknown letter (the
// message of Language::toCodes), a full block (see Ordstribe), a failed removal.
#include "dictionary/Language.h"
#include "dictionary/Ordstribe.h"
#include "dictionary/Rotor.h"
#include "dictionary/WordVisitor.h"
#include "platform/Host.h"
#include "platform/Random.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bv {

class BogPoint {
public:
    static constexpr int kMinLength = 2;
    static constexpr int kMaxLength = 25;
    static constexpr int kLengths = 26;
    // Sizes in use: at program start, after a rule file or a join, and the
    // smallest size of a dictionary opened from a file (file size / 5).
    static constexpr std::int64_t kStartSize = 130000;
    static constexpr std::int64_t kRuleFileSize = 110000;
    static constexpr std::int64_t kMinOpenSize = 20000;
    // Most letters a grep result may hold.
    static constexpr std::size_t kGrepLimit = 2500;

    // Builds lengths 2..25 for a total of `n` words (per-length capacities and
    // growth steps are fixed fractions of n).
    BogPoint(std::int64_t n, const Language& language, Host& host);
    BogPoint(BogPoint&&) noexcept = default;
    BogPoint& operator=(BogPoint&&) noexcept = default;
    BogPoint(const BogPoint&) = delete;
    BogPoint& operator=(const BogPoint&) = delete;

    // The size that Open gives a dictionary read from a file of `fileBytes`.
    static std::int64_t sizeForFile(std::int64_t fileBytes);
    // The capacity and growth step of length L for a total of n words.
    static std::int64_t capacityFor(int length, std::int64_t n);
    static int growthFor(int length);

    // Any length: lengths outside 2..25 give an empty Ordstribe.
    const Ordstribe& ordstribe(int length) const;
    const Language& language() const { return *language_; }
    Host& host() const { return *host_; }
    std::int64_t wordCount() const;

    // Words in external form.
    bool addWord(std::string_view word);
    // Codes already converted (n letters); stores them when 2 <= n <= 25.
    bool addCodes(const char* codes, int n);
    void removeWord(std::string_view word);
    // Lengths outside 2..25 (also 0 after an unknown letter) answer true.
    bool hasWord(std::string_view word);
    // Every word once, in letter codes; the position that groups each length is
    // drawn from `random`. False when the visitor stopped it.
    bool forEachWord(WordVisitor visitor, Random& random) const;
    // The per-length information text.
    std::string statistics() const;

    // The generator's question: every stored word of `length` letters that fits
    // `pattern` (external form, ' ' '.' '?' for unknown letters) and whose
    // letter at each unknown position is in that position's set (`sets` has
    // one entry per position). A false from the visitor ends the list in hand.
    void collectCandidates(Rotor& rotor, int length, std::string_view pattern, const LetterSet* sets,
                           WordVisitor visitor) const;
    // The crossing question: Ordstribe::lettersAt on the store of `length`.
    bool lettersAt(const char* pattern, int position, int length, LetterSet& set) const;
    // The user's search: every stored word of the pattern's length that fits it.
    void grepWords(Rotor& rotor, std::string_view pattern, WordVisitor visitor) const;
    // The grep command's text: the words found (external form), each followed
    // by a blank, as long as the running total of (length + 1) stays <= 2500.
    std::string grepText(Rotor& rotor, std::string_view pattern) const;

private:
    std::array<Ordstribe, kLengths> stribes_;
    const Language* language_;
    Host* host_;
};

}  // namespace bv
