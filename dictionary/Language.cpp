#include "dictionary/Language.h"

#include "platform/Cp1252.h"

#include <initializer_list>
#include <string>

namespace bv {

namespace {

using Table = std::array<unsigned char, 256>;
using Alphabet = std::array<unsigned char, 32>;

enum class Tables { Danish, Swedish, German, Icelandic, Spanish, Plain };
enum class Letters { Nordic, German, Icelandic, Spanish, Plain };

// The 27 plain places @, A..Z; the national places 27..31 follow per alphabet.
Alphabet makeAlphabet(std::initializer_list<unsigned char> national) {
    Alphabet a{};
    for (int i = 0; i < 27; ++i) a[i] = static_cast<unsigned char>(0x40 + i);
    int i = 27;
    for (unsigned char c : national) a[i++] = c;
    return a;
}

Alphabet alphabetOf(Tables t) {
    switch (t) {
        case Tables::Danish: return makeAlphabet({0xC6, 0xD8, 0xC5, 0x5E, 0xA8});
        case Tables::Swedish: return makeAlphabet({0xC4, 0xD6, 0xC5, 0x5E, 0xA8});
        case Tables::German: return makeAlphabet({0xC4, 0xD6, 0xDC, 0xDF, 0xA8});
        case Tables::Spanish: return makeAlphabet({0xD1, 0x5C, 0x5D, 0x5E, 0xA8});
        case Tables::Plain: return makeAlphabet({0x5B, 0x5C, 0x5D, 0x5E, 0xA8});
        case Tables::Icelandic: {
            // Places 0, 3, 17, 23 and 26 hold national letters instead of @, C, Q, W, Z.
            Alphabet a = makeAlphabet({0xC6, 0xD6, 0xDA, 0xDD, 0xCD});
            a[0] = 0xC1;
            a[3] = 0xD0;
            a[17] = 0xDE;
            a[23] = 0xC9;
            a[26] = 0xD3;
            return a;
        }
    }
    return {};
}

void put(Table& t, unsigned char value, std::initializer_list<unsigned char> bytes) {
    for (unsigned char b : bytes) t[b] = value;
}

void putLatin(Table& t) {
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[c] = static_cast<unsigned char>(c);
        t[c + 0x20] = static_cast<unsigned char>(c);
    }
}

// Accented E, U and Y folded as the Nordic and plain maps do.
void putNordicEUY(Table& t) {
    put(t, 0x45, {0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB});
    put(t, 0x55, {0xD9, 0xDA, 0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC});
    put(t, 0x59, {0xA9, 0xDD, 0xFD});
}

Table codeMapOf(Tables t) {
    Table m{};
    putLatin(m);
    switch (t) {
        case Tables::Danish:
            putNordicEUY(m);
            put(m, 0x5B, {0x5B, 0x7B, 0xC6, 0xE6});
            put(m, 0x5C, {0x5C, 0x7C, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8});
            put(m, 0x5D, {0x5D, 0x7D, 0xA6, 0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4,
                          0xE5});
            break;
        case Tables::Swedish:
            putNordicEUY(m);
            put(m, 0x5B, {0x5B, 0x7B, 0xC4, 0xC6, 0xE4, 0xE6});
            put(m, 0x5C, {0x5C, 0x7C, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD8, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF8});
            put(m, 0x5D, {0x5D, 0x7D, 0xA6, 0xC0, 0xC1, 0xC5, 0xE0, 0xE1, 0xE2, 0xE3, 0xE5});
            break;
        case Tables::Plain:
            putNordicEUY(m);
            put(m, 0x5D, {0xA6});
            break;
        case Tables::German:
            put(m, 0x45, {0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB});
            put(m, 0x55, {0xD9, 0xDA, 0xDB, 0xF9, 0xFA, 0xFB});
            put(m, 0x59, {0xA9, 0xDD, 0xFD});
            put(m, 0x5B, {0xC4, 0xE4});
            put(m, 0x5C, {0xD6, 0xF6});
            put(m, 0x5D, {0xA6, 0xDC, 0xFC});
            put(m, 0x5E, {0xDF});
            break;
        case Tables::Spanish:
            put(m, 0x41, {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4});
            put(m, 0x45, {0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB});
            put(m, 0x49, {0xCC, 0xCD, 0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF});
            put(m, 0x4F, {0xD3, 0xD4, 0xD5, 0xD6, 0xF3, 0xF4, 0xF5, 0xF6});
            put(m, 0x55, {0xD9, 0xDA, 0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC});
            put(m, 0x59, {0x9F, 0xA9, 0xDD, 0xDF, 0xFD, 0xFF});
            put(m, 0x5B, {0x5B, 0x7B, 0xD1, 0xF1});
            put(m, 0x5D, {0xA6});
            break;
        case Tables::Icelandic:
            // Also the lower-case Icelandic letters of DOS code page 861.
            put(m, 0x40, {0x40, 0x60, 0xA0, 0xC1, 0xE1});
            put(m, 0x43, {0x8C, 0xD0, 0xF0});
            put(m, 0x51, {0x95, 0xDE, 0xFE});
            put(m, 0x57, {0x82, 0xC9, 0xE9});
            put(m, 0x59, {0xA9});
            put(m, 0x5A, {0xA2, 0xD3, 0xF3});
            put(m, 0x5B, {0x5B, 0x7B, 0x91, 0xC6, 0xE6});
            put(m, 0x5C, {0x5C, 0x7C, 0x94, 0xD6, 0xF6});
            put(m, 0x5D, {0x5D, 0x7D, 0xA3, 0xA6, 0xDA, 0xFA});
            put(m, 0x5E, {0x5E, 0x7E, 0x98, 0xDD, 0xFD});
            // Held as 0x7F; AND 0xDF makes it the code 0x5F.
            put(m, 0x7F, {0x5F, 0x7F, 0xA1, 0xCD, 0xED});
            break;
    }
    return m;
}

Table letterTableOf(Letters l) {
    Table t{};
    switch (l) {
        case Letters::Nordic:
            putLatin(t);
            for (int b = 0xC0; b <= 0xDD; ++b) t[b] = static_cast<unsigned char>(b);
            for (int b = 0xE0; b <= 0xFD; ++b) t[b] = static_cast<unsigned char>(b - 0x20);
            // 7-bit national variants and the DOS bytes of Å, Æ and Ø.
            put(t, 0xC6, {0x5B, 0x7B, 0x92});
            put(t, 0xD8, {0x5C, 0x7C, 0x9D});
            put(t, 0xC5, {0x5D, 0x7D, 0x8F});
            break;
        case Letters::Icelandic:
            putLatin(t);
            put(t, 0, {'C', 'c', 'W', 'w'});
            put(t, 0x40, {0x40, 0x60});
            put(t, 0x7F, {0x7F, 0x5F});
            for (int b = 0xC0; b <= 0xDE; ++b) t[b] = static_cast<unsigned char>(b);
            for (int b = 0xE0; b <= 0xFE; ++b) t[b] = static_cast<unsigned char>(b - 0x20);
            t[0xE7] = 0xDE;
            t[0xEC] = 0xDD;
            put(t, 0xC6, {0x5B, 0x7B, 0x91});
            put(t, 0xD6, {0x5C, 0x7C, 0x94});
            put(t, 0xDA, {0x5D, 0x7D, 0xA3});
            put(t, 0xDD, {0x5E, 0x7E, 0x98});
            put(t, 0xC9, {0x82});
            put(t, 0xD0, {0x8C});
            put(t, 0xC1, {0xA0});
            put(t, 0xCD, {0xA1});
            put(t, 0xD3, {0xA2});
            break;
        case Letters::Plain:
            putLatin(t);
            break;
        case Letters::Spanish:
            putLatin(t);
            put(t, 0xD1, {0xD1, 0x5B, 0x7B, 0xF1});
            put(t, 'A', {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4});
            put(t, 'E', {0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB});
            put(t, 'I', {0xCC, 0xCD, 0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF});
            put(t, 'O', {0xD3, 0xD4, 0xD5, 0xD6, 0xF3, 0xF4, 0xF5, 0xF6});
            put(t, 'U', {0xD9, 0xDA, 0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC});
            put(t, 'Y', {0x9F, 0xA9, 0xDD, 0xDF, 0xFD, 0xFF});
            break;
        case Letters::German:
            putLatin(t);
            put(t, 0xC4, {0xC4, 0xE4});
            put(t, 0xD6, {0xD6, 0xF6});
            put(t, 0xDC, {0xDC, 0xFC});
            put(t, 0xDF, {0xDF});
            break;
    }
    return t;
}

}  // namespace

Language::Language()
    : alphabet_(alphabetOf(Tables::Danish)),
      codeMap_(codeMapOf(Tables::Danish)),
      letterTable_(letterTableOf(Letters::Nordic)) {}

int Language::setLanguage(int number, Host& host) {
    Tables tables;
    Letters letters;
    switch (number) {
        case kDanish:
        case kNorwegian: tables = Tables::Danish, letters = Letters::Nordic; break;
        case kSwedish: tables = Tables::Swedish, letters = Letters::Nordic; break;
        case kGerman: tables = Tables::German, letters = Letters::German; break;
        case kIcelandic: tables = Tables::Icelandic, letters = Letters::Icelandic; break;
        case kSpanish: tables = Tables::Spanish, letters = Letters::Spanish; break;
        case kFrench:
        case kDutch:
            host.report("Todavía", "Todavía", Icon::Information);
            return number_;
        default:
            tables = Tables::Plain, letters = Letters::Plain;
            number = kEnglish;
            break;
    }
    alphabet_ = alphabetOf(tables);
    codeMap_ = codeMapOf(tables);
    letterTable_ = letterTableOf(letters);
    number_ = number;
    return number_;
}

int Language::toCodesQuiet(std::string_view word, char* codes, std::size_t capacity, std::size_t* badAt) const {
    int n = 0;
    for (std::size_t i = 0; i < word.size() && word[i] != '\0'; ++i) {
        auto b = static_cast<unsigned char>(word[i]);
        unsigned char code = codeOf(b);
        if (code == 0) {
            if (b == ' ') break;
            if (badAt) *badAt = i;
            if (capacity > 0) codes[0] = '\0';
            return -1;
        }
        if (static_cast<std::size_t>(n) + 1 < capacity) codes[n] = static_cast<char>(code);
        ++n;
    }
    if (capacity > 0) codes[static_cast<std::size_t>(n) < capacity ? n : capacity - 1] = '\0';
    return n;
}

int Language::toCodes(std::string_view word, char* codes, std::size_t capacity, Host& host) const {
    std::size_t bad = 0;
    int n = toCodesQuiet(word, codes, capacity, &bad);
    if (n >= 0) return n;
    std::string_view rest = word.substr(bad);
    rest = rest.substr(0, rest.find('\0'));
    host.report(Cp1252::toUtf8(rest), kUnknownLetterCaption, Icon::Warning);
    return 0;
}

int Language::patternToCodes(std::string_view pattern, char* codes) const {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        codes[i] = (c == ' ' || c == '.' || c == '?') ? ' ' : static_cast<char>(codeOf(static_cast<unsigned char>(c)));
    }
    codes[pattern.size()] = '\0';
    return static_cast<int>(pattern.size());
}

void Language::toExternal(std::string_view codes, char* word) const {
    for (std::size_t i = 0; i < codes.size(); ++i) word[i] = externalOf(static_cast<unsigned char>(codes[i]));
    word[codes.size()] = '\0';
}

}  // namespace bv
