#include "anagram/AnaTal.h"

namespace bv {

AnaTal countLetters(std::string_view text, const Language& language, int maxWords) {
    AnaTal t;
    for (char ch : text) {
        auto b = static_cast<unsigned char>(ch);
        if (b == ' ') continue;
        ++t.total;
        if (language.codeMapEntry(b) == 0) {
            ++t.foreign;
            continue;
        }
        unsigned code = language.codeOf(b);
        ++t.counts[code & 31];
        t.set |= 1u << (code & 31);
    }
    t.wordsLeft = maxWords;
    return t;
}

AnaTal countCodes(std::string_view codes, int maxWords) {
    AnaTal t;
    for (char ch : codes) {
        unsigned code = static_cast<unsigned char>(ch);
        ++t.total;
        ++t.counts[code & 31];
        t.set |= 1u << (code & 31);
    }
    t.wordsLeft = maxWords;
    return t;
}

bool subtractLetters(const AnaTal& a, const AnaTal& b, AnaTal& out) {
    for (int i = 0; i < 32; ++i) {
        out.counts[i] = a.counts[i] - b.counts[i];
        if (out.counts[i] < 0) return false;
    }
    out.foreign = a.foreign - b.foreign;
    if (out.foreign < 0) return false;
    out.total = a.total - b.total;
    out.set = 0;
    out.wordsLeft = a.wordsLeft - 1;
    return true;
}

}  // namespace bv
