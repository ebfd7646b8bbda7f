#include "anagram/AnagramSearch.h"

#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdio>

namespace bv {

namespace {

// A single remaining letter may stand as a word of its own only at these
// alphabet places (I, and the national letters of places 28 and 29).
bool isOneLetterWord(int place) { return place == 9 || place == 28 || place == 29; }

}  // namespace

AnagramSearch::AnagramSearch(const BogPoint& dictionary, Host& host, const AnagramSettings& settings,
                             std::string outputPath)
    : dictionary_(dictionary),
      language_(dictionary.language()),
      host_(host),
      settings_(settings),
      outputPath_(std::move(outputPath)) {}

bool AnagramSearch::begin(int letters) {
    answers_ = 0;
    limitReached_ = false;
    interrupted_ = false;
    out_.clear();
    // Every word takes at least one letter and one blank: twice the letters is
    // room for any answer, reserved once so the recursion never allocates.
    answer_.assign(2 * static_cast<std::size_t>(std::max(letters, 0)) + 8, '\0');
    // Created (or emptied) before any work, so that a file that cannot be
    // written ends the search at once. An empty file is whole; the result
    // replaces it atomically at the end.
    std::FILE* f = std::fopen(outputPath_.c_str(), "wb");
    if (!f) return false;
    return std::fclose(f) == 0;
}

AnagramSearch::Result AnagramSearch::finish(std::string_view notFound) {
    Result r;
    r.answers = answers_;
    r.limitReached = limitReached_;
    r.interrupted = interrupted_;
    if (answers_ == 0) {
        // Texts the search writes into the file are Windows-1252 like the answers.
        out_ = Cp1252::fromUtf8(notFound);
        r.outcome = Outcome::NotFound;
    } else {
        r.outcome = Outcome::Answers;
    }
    if (!TextFile::writeAtomic(outputPath_, out_)) r.outcome = Outcome::NoFile;
    return r;
}

bool AnagramSearch::stopped() {
    if (stop_ && stop_->load(std::memory_order_relaxed)) {
        interrupted_ = true;
        return true;
    }
    return false;
}

bool AnagramSearch::writeAnswer(std::size_t end) {
    out_ += prefix_;
    for (std::size_t i = 0; i < end; ++i) {
        auto b = static_cast<unsigned char>(answer_[i]);
        out_ += b == ' ' ? ' ' : language_.externalOf(b);
    }
    out_ += kLineEnd;
    ++answers_;
    if (answers_ > settings_.maxAnswers) {
        limitReached_ = true;
        return false;
    }
    return true;
}

bool AnagramSearch::searchAnagrams(int L, const AnaTal& letters, std::size_t at, const char* previous) {
    if (L < BogPoint::kMinLength || L > BogPoint::kMaxLength || letters.wordsLeft == 0) return true;
    const Ordstribe& stribe = dictionary_.ordstribe(L);
    if (stribe.count() == 0) return true;

    char* word = answer_.data() + at;
    // Place 0 (the Icelandic Á) never starts a word.
    int first = previous ? std::max(1, static_cast<unsigned char>(previous[0]) & 31) : 1;
    for (int f = first; f < 32; ++f) {
        if (letters.counts[f] == 0) continue;
        const Bogstavliste& list = stribe.list(0, f);
        for (const std::uint32_t* cell = list.head; cell;) {
            if (stopped()) return false;
            const std::uint32_t* w = cell;  // position 0: the list cell is the word's first cell
            std::uint32_t link = *cell & Ordstribe::kLinkMask;
            cell = link ? list.base + link : nullptr;

            // Rejects words with a letter no longer available, and words that
            // would sort before `previous` (so each combination comes once).
            bool tied = previous != nullptr;
            bool usable = true;
            for (int j = 0; j < L; ++j) {
                auto c = static_cast<unsigned char>(w[j] >> 24);
                if (letters.counts[c & 31] == 0) {
                    usable = false;
                    break;
                }
                if (tied) {
                    auto p = static_cast<unsigned char>(previous[j]);
                    if (p > c) {
                        usable = false;
                        break;
                    }
                    if (p != c) tied = false;
                }
            }
            if (!usable) continue;

            AnaTal rest;
            rest.counts = letters.counts;
            for (int j = 0; j < L; ++j) {
                if (--rest.counts[(w[j] >> 24) & 31] < 0) {
                    usable = false;
                    break;
                }
            }
            if (!usable) continue;
            rest.total = letters.total - L;
            rest.wordsLeft = letters.wordsLeft - 1;
            rest.foreign = letters.foreign;

            for (int j = 0; j < L; ++j) word[j] = static_cast<char>(w[j] >> 24);

            if (rest.total == 0) {
                if (!writeAnswer(at + L)) return false;
            } else if (rest.total == 1) {
                if (settings_.minLength <= 1 && rest.wordsLeft >= 1 && rest.foreign == 0) {
                    int place = static_cast<int>(std::find(rest.counts.begin(), rest.counts.end(), 1) -
                                                 rest.counts.begin());
                    if (isOneLetterWord(place)) {
                        word[L] = ' ';
                        word[L + 1] = static_cast<char>(0x40 + place);
                        if (!writeAnswer(at + L + 2)) return false;
                    }
                }
            } else {
                word[L] = ' ';
                int low = std::max(settings_.minLength, 2);
                for (int n = std::min(rest.total, L); n >= low; --n) {
                    // Even words of n letters could not use up the rest.
                    if (rest.wordsLeft * n < rest.total) break;
                    if (!searchAnagrams(n, rest, at + L + 1, n == L ? word : nullptr)) return false;
                }
            }
        }
    }
    return true;
}

AnagramSearch::Result AnagramSearch::anagramsOfText(std::string_view text) {
    AnaTal letters = countLetters(text, language_, settings_.maxWords);
    prefix_.clear();
    if (!begin(letters.total)) return Result{Outcome::NoFile};
    // A byte that is no letter can be placed by no word.
    if (letters.foreign == 0) {
        for (int L = std::min(letters.total, settings_.maxLength); L >= settings_.minLength; --L) {
            if (!searchAnagrams(L, letters, 0, nullptr)) break;
        }
    }
    return finish(kNotFoundText);
}

AnagramSearch::Result AnagramSearch::anagramsWithWords(std::string_view text, std::string_view given) {
    AnaTal all = countLetters(text, language_, settings_.maxWords);
    AnaTal givenLetters = countLetters(given, language_, settings_.maxWords);
    AnaTal rest;
    if (!subtractLetters(all, givenLetters, rest)) {
        host_.report(kGivenNotInText, kGivenNotInCaption, Icon::Error);
        return Result{Outcome::GivenNotInText};
    }
    // The given words open every answer as the user typed them, letters in the
    // alphabet's form; they count as one word.
    prefix_.clear();
    for (char ch : given) {
        auto b = static_cast<unsigned char>(ch);
        unsigned char code = language_.codeOf(b);
        prefix_ += b != ' ' && code != 0 ? language_.externalOf(code) : ch;
    }
    prefix_ += ' ';
    if (!begin(rest.total)) return Result{Outcome::NoFile};
    if (rest.foreign == 0) {
        for (int L = std::min(rest.total, settings_.maxLength); L >= settings_.minLength; --L) {
            if (!searchAnagrams(L, rest, 0, nullptr)) break;
        }
    }
    std::string notFound(kNotFoundGivenText);
    notFound += kLineEnd;
    return finish(notFound);
}

AnagramSearch::Result AnagramSearch::anagramsWithListWord(std::string_view text, const Anacon& list) {
    AnaTal letters = countLetters(text, language_, settings_.maxWords);
    prefix_.clear();
    if (!begin(letters.total)) return Result{Outcome::NoFile};
    const int L = std::min(letters.total, settings_.maxLength);
    bool go = letters.foreign == 0;
    for (int e = 0; go && e < list.count(); ++e) {
        if ((list.letterSet(e) & ~letters.set) != 0) continue;
        std::string_view entry = list.entry(e);
        AnaTal rest;
        if (!subtractLetters(letters, countCodes(entry, settings_.maxWords), rest)) continue;
        prefix_.clear();
        for (char c : entry) prefix_ += language_.externalOf(static_cast<unsigned char>(c));
        prefix_ += ' ';
        for (int n = L - static_cast<int>(entry.size()); n >= settings_.minLength; --n) {
            if (!searchAnagrams(n, rest, 0, nullptr)) {
                go = false;
                break;
            }
        }
    }
    return finish(kNotFoundText);
}

AnagramSearch::Result AnagramSearch::anagramsWithVerbs(std::string_view text, Anacon& list,
                                                      const std::string& verbsPath) {
    list.loadWordList(verbsPath, language_, host_);
    return anagramsWithListWord(text, list);
}

AnagramSearch::Result AnagramSearch::anagramsWithWordFile(std::string_view text, Anacon& list,
                                                         const std::string& path) {
    list.release();
    list.loadWordList(path, language_, host_);
    Result r = anagramsWithListWord(text, list);
    list.release();
    return r;
}

}  // namespace bv
