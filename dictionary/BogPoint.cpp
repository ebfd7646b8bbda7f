#include "dictionary/BogPoint.h"

#include <algorithm>
#include <cstring>
#include <cstdio>

namespace bv {

namespace {
// Room for the codes of any word a caller may hand in; longer words are counted
// by toCodes but not written, and are never stored.
constexpr std::size_t kCodeBuffer = 64;
}  // namespace

std::int64_t BogPoint::capacityFor(int length, std::int64_t n) {
    // Per-length shares of the total, in 117ths (a few in 100ths or 200ths).
    static constexpr int kShare117[kLengths] = {0, 0, 0, 0, 3, 5, 9, 13, 12, 12, 11, 9, 7,
                                                7, 5, 4, 4, 0, 2, 2, 0, 0, 0, 0, 0, 0};
    if (length < kMinLength || length > kMaxLength) return 0;
    n = std::max<std::int64_t>(n, 0);
    switch (length) {
        case 2: return 400;
        case 3:
        case 20: return n / 100;
        case 17: return 3 * n / 100;
        default: break;
    }
    if (length >= 21) return n / 200;
    return kShare117[length] * n / 117;
}

int BogPoint::growthFor(int length) {
    switch (length) {
        case 2: return 50;
        case 3: return 100;
        case 7: case 8: case 9: case 10: return 1000;
        case 19: return 250;
        default: break;
    }
    if (length >= 20 && length <= kMaxLength) return 100;
    if (length >= 4 && length <= 18) return 500;
    return 0;
}

std::int64_t BogPoint::sizeForFile(std::int64_t fileBytes) {
    return std::max<std::int64_t>(fileBytes / 5, kMinOpenSize);
}

BogPoint::BogPoint(std::int64_t n, const Language& language, Host& host) : language_(&language), host_(&host) {
    for (int len = kMinLength; len <= kMaxLength; ++len)
        stribes_[len] = Ordstribe(len, capacityFor(len, n), growthFor(len), &host);
}

const Ordstribe& BogPoint::ordstribe(int length) const {
    static const Ordstribe kNone;
    if (length < 0 || length >= kLengths) return kNone;
    return stribes_[length];
}

std::int64_t BogPoint::wordCount() const {
    std::int64_t n = 0;
    for (const Ordstribe& s : stribes_) n += s.count();
    return n;
}

bool BogPoint::addCodes(const char* codes, int n) {
    if (n < kMinLength || n > kMaxLength) return false;
    return stribes_[n].insertCodes(codes);
}

bool BogPoint::addWord(std::string_view word) {
    char codes[kCodeBuffer];
    int n = language_->toCodes(word, codes, sizeof codes, *host_);
    return addCodes(codes, n);
}

void BogPoint::removeWord(std::string_view word) {
    char codes[kCodeBuffer];
    int n = language_->toCodes(word, codes, sizeof codes, *host_);
    if (n < kMinLength || n > kMaxLength) return;
    stribes_[n].eraseCodes(codes);
}

bool BogPoint::hasWord(std::string_view word) {
    char codes[kCodeBuffer];
    int n = language_->toCodes(word, codes, sizeof codes, *host_);
    if (n < kMinLength || n > kMaxLength) return true;
    return stribes_[n].matchesPattern(codes);
}

bool BogPoint::forEachWord(WordVisitor visitor, Random& random) const {
    for (int len = kMinLength; len <= kMaxLength; ++len) {
        const int p = random.next() % len;
        const Ordstribe& s = stribes_[len];
        for (int c = 0; c < 32; ++c)
            if (!s.walkList(p, c, visitor)) return false;
    }
    return true;
}

std::string BogPoint::statistics() const {
    std::string text;
    std::int64_t words = 0, places = 0;
    char entry[64];
    for (int len = kMinLength; len <= kMaxLength; ++len) {
        const Ordstribe& s = stribes_[len];
        std::snprintf(entry, sizeof entry, "%02d: %05d (%05d/%04d)", len, s.count(), s.capacity(), s.growth());
        text += entry;
        text += (len % 2 == 0) ? "  |  " : "\n";
        words += s.count();
        places += s.capacity();
    }
    std::snprintf(entry, sizeof entry, "Total:  palabras : %lld  Separa lugar para %lld ",
                  static_cast<long long>(words), static_cast<long long>(places));
    text += entry;
    return text;
}

bool BogPoint::lettersAt(const char* pattern, int position, int length, LetterSet& set) const {
    return ordstribe(length).lettersAt(pattern, position, length, set);
}

namespace {
// Converts the first `length` bytes of an external pattern; a shorter pattern
// ends early. Answers where the converted pattern ends (its first NUL).
int convertPattern(const Language& language, std::string_view pattern, int length, char* codes) {
    std::size_t n = std::min<std::size_t>(pattern.size(), static_cast<std::size_t>(length));
    language.patternToCodes(pattern.substr(0, n), codes);
    for (int i = static_cast<int>(n); i <= length; ++i) codes[i] = '\0';
    int end = 0;
    while (end < length && codes[end] != '\0') ++end;
    return end;
}

inline bool inSet(LetterSet set, std::uint32_t cell) { return (set >> ((cell >> 24) & 31)) & 1u; }
}  // namespace

void BogPoint::collectCandidates(Rotor& rotor, int length, std::string_view pattern, const LetterSet* sets,
                                 WordVisitor visitor) const {
    if (length < kMinLength || length > kMaxLength) return;
    char codes[kMaxLength + 1];
    const int end = convertPattern(*language_, pattern, length, codes);
    const Ordstribe& s = stribes_[length];
    const Ordstribe::Rarest r = s.chooseRarest(codes, length);
    char word[kMaxLength + 1];

    // The tests a word must pass, made once per call: at a blank position its
    // letter must be in that position's set (a set holding every letter tests
    // nothing), at a known position (only when `full`) it must equal the
    // pattern's. They are a plain conjunction, so their order changes no answer.
    int blankPos[kMaxLength], knownPos[kMaxLength];
    LetterSet blankSet[kMaxLength];
    std::uint32_t knownCode[kMaxLength];
    int blanks = 0, knowns = 0;
    for (int i = 0; i < end; ++i) {
        if (codes[i] == ' ') {
            if (sets[i] != ~LetterSet{0}) {
                blankPos[blanks] = i;
                blankSet[blanks++] = sets[i];
            }
        } else if (i != r.p1 && i != r.p2) {
            knownPos[knowns] = i;
            knownCode[knowns++] = static_cast<unsigned char>(codes[i]);
        }
    }
    const std::uint32_t code1 = static_cast<unsigned char>(codes[r.p1]);
    const std::uint32_t code2 = static_cast<unsigned char>(codes[r.p2]);
    const int L = length;

    // Walks one list, offering every word whose letters at the blank positions
    // are in their sets (and, with `full`, that agrees with the known letters).
    auto walk = [&](int p, int letter, bool full) -> bool {
        const Bogstavliste& l = s.list(p, letter);
        for (const std::uint32_t* cell = l.head; cell != nullptr;) {
            const std::uint32_t* w = cell - p;
            bool ok = !full || ((w[r.p1] >> 24) == code1 && (w[r.p2] >> 24) == code2);
            for (int k = 0; ok && k < blanks; ++k) ok = inSet(blankSet[k], w[blankPos[k]]);
            if (full)
                for (int k = 0; ok && k < knowns; ++k) ok = (w[knownPos[k]] >> 24) == knownCode[k];
            if (ok) {
                // The top bytes of the cells, four at a time.
                int i = 0;
                for (; i + 4 <= L; i += 4) {
                    const std::uint32_t four = (w[i] >> 24) | ((w[i + 1] >> 24) << 8) | ((w[i + 2] >> 24) << 16) |
                                               (w[i + 3] & 0xFF000000u);
                    std::memcpy(word + i, &four, 4);
                }
                for (; i < L; ++i) word[i] = static_cast<char>(w[i] >> 24);
                word[L] = '\0';
                if (!visitor(word)) return false;
            }
            std::uint32_t link = *cell & Ordstribe::kLinkMask;
            cell = link ? l.base + link : nullptr;
        }
        return true;
    };

    if (r.known == 2) {
        walk(r.p1, static_cast<unsigned char>(codes[r.p1]), true);
    } else if (r.known == 1) {
        walk(r.p1, static_cast<unsigned char>(codes[r.p1]), false);
    } else {
        rotor.value += 1;
        const int p = static_cast<int>(rotor.value % static_cast<unsigned>(length));
        rotor.value = (rotor.value + 1) & 31;
        for (unsigned k = 0; k < 32; ++k) walk(p, static_cast<int>((rotor.value + k) & 31), false);
    }
}

void BogPoint::grepWords(Rotor& rotor, std::string_view pattern, WordVisitor visitor) const {
    pattern = pattern.substr(0, pattern.find('\0'));
    const int length = static_cast<int>(std::min<std::size_t>(pattern.size(), kLengths));
    if (length < kMinLength || length > kMaxLength) return;
    char codes[kMaxLength + 1];
    const int end = convertPattern(*language_, pattern, length, codes);
    const Ordstribe& s = stribes_[length];
    const Ordstribe::Rarest r = s.chooseRarest(codes, length);

    if (r.known == 2) {
        const unsigned char a = codes[r.p1], b = codes[r.p2];
        s.walkList(r.p1, a, [&](const char* w) {
            if (static_cast<unsigned char>(w[r.p1]) != a || static_cast<unsigned char>(w[r.p2]) != b) return true;
            for (int i = 0; i < end; ++i)
                if (codes[i] != ' ' && w[i] != codes[i]) return true;
            return visitor(w);
        });
        return;
    }
    int p;
    if (r.known == 1) {
        p = r.p1;
    } else {
        p = static_cast<int>(rotor.value % static_cast<unsigned>(length));
        rotor.value += 1;
    }
    // A position past the end of a cut pattern counts as unknown.
    if (codes[p] == ' ' || codes[p] == '\0') {
        rotor.value = (rotor.value + 1) & 31;
        for (unsigned k = 0; k < 32; ++k) s.walkList(p, static_cast<int>((rotor.value + k) & 31), visitor);
    } else {
        s.walkList(p, static_cast<unsigned char>(codes[p]), visitor);
    }
}

std::string BogPoint::grepText(Rotor& rotor, std::string_view pattern) const {
    std::string text;
    std::size_t total = 0;
    char external[kMaxLength + 1];
    grepWords(rotor, pattern, [&](const char* codes) {
        std::string_view w(codes);
        total += w.size() + 1;
        if (total > kGrepLimit) return false;
        language_->toExternal(w, external);
        text.append(external, w.size());
        text += ' ';
        return true;
    });
    return text;
}

}  // namespace bv
