#pragma once
// AnagramSearch: rearranges the letters of a text into sequences of dictionary
// words that use every letter exactly once, and writes each sequence found as
// one line of the answer file ("anagram.txt" in the working directory unless
// told otherwise).
//
// One AnagramSearch serves one or more searches on a dictionary it borrows (the
// current BogPoint, its Language and the Host must outlive it). Each of the
// three mode operations runs one whole search:
// - words come in non-increasing length, and words of equal length in
//   non-decreasing letter-code order, so each combination is written once;
// - the search stops after writing maxAnswers + 1 lines, when there are that
//   many;
// - a stop flag (set, for instance, from a SIGINT handler) ends the search
//   early; the answers found so far are kept.
// The answer file is written atomically: it is emptied when the search starts
// (a file that cannot be created ends the search before any work, without a
// message) and replaced by the complete result when the search ends, so it is
// never seen half-written. When no answer is found the file holds the mode's
// not-found text instead.
#include "anagram/AnaTal.h"
#include "anagram/Anacon.h"
#include "anagram/AnagramSettings.h"
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "platform/Host.h"

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class AnagramSearch {
public:
    static constexpr std::string_view kDefaultOutput = "anagram.txt";
    static constexpr std::string_view kVerbsFile = "verbs.txt";
    static constexpr std::string_view kNotFoundText = "No pudo encontrar ningún anagrama para las palabras dadas";
    static constexpr std::string_view kNotFoundGivenText =
        "No pudo encontrar anagramas que cumplieran las condiciones - Pruebe a dar otra palabra, o "
        "modifique en el largo y la cantidad de las palabras que es permitido";
    static constexpr std::string_view kGivenNotInText =
        "La palabra que Ud. dio no puede formarse a partir de las palabras y letras que Ud. deseaba ";
    static constexpr std::string_view kGivenNotInCaption = "Error en el anagrama";

    enum class Outcome {
        Answers,         // at least one answer written
        NotFound,        // the not-found text written
        NoFile,          // the answer file could not be created; nothing searched
        GivenNotInText,  // the given words are not in the text; nothing written
    };
    struct Result {
        Outcome outcome = Outcome::NotFound;
        int answers = 0;            // lines of answers written
        bool limitReached = false;  // stopped after maxAnswers + 1 answers
        bool interrupted = false;   // stopped by the stop flag
    };

    AnagramSearch(const BogPoint& dictionary, Host& host, const AnagramSettings& settings,
                  std::string outputPath = std::string(kDefaultOutput));
    AnagramSearch(const AnagramSearch&) = delete;
    AnagramSearch& operator=(const AnagramSearch&) = delete;

    // Borrowed; checked once per word visited. Null: the search cannot be stopped.
    void setStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    const AnagramSettings& settings() const { return settings_; }

    // The standard mode: every combination of words.
    Result anagramsOfText(std::string_view text);
    // The given words (they count as one word) and words for the rest of the text.
    Result anagramsWithWords(std::string_view text, std::string_view given);
    // One entry of the list, then words for the rest of the text.
    Result anagramsWithListWord(std::string_view text, const Anacon& list);
    // The verb mode: the program's list, read from `verbsPath` unless it is
    // loaded already, and kept for the next verb search.
    Result anagramsWithVerbs(std::string_view text, Anacon& list,
                             const std::string& verbsPath = std::string(kVerbsFile));
    // The word-file mode: the list is read anew from `path` for this search and
    // released afterwards (so the next verb search reads the verbs again).
    Result anagramsWithWordFile(std::string_view text, Anacon& list, const std::string& path);

private:
    bool begin(int letters);
    Result finish(std::string_view notFound);
    bool stopped();
    // Tries the words of length L as the next word, written at `at` of the answer;
    // `previous` is the word before it when that has length L too. False when the
    // whole search must stop (answer limit passed, or stopped).
    bool searchAnagrams(int L, const AnaTal& letters, std::size_t at, const char* previous);
    // Appends the answer (prefix and answer_[0, end)) as one line; false once the
    // counter exceeds maxAnswers.
    bool writeAnswer(std::size_t end);

    const BogPoint& dictionary_;
    const Language& language_;
    Host& host_;
    AnagramSettings settings_;
    std::string outputPath_;
    const std::atomic<bool>* stop_ = nullptr;

    std::string prefix_;          // external form of the words that start every answer, with a blank
    std::vector<char> answer_;    // words found, in letter codes with blanks between them
    std::string out_;             // the answer file's contents so far
    int answers_ = 0;
    bool limitReached_ = false;
    bool interrupted_ = false;
};

}  // namespace bv
