#include "dictionary/WordFiles.h"

#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <memory>

namespace bv {

namespace {

constexpr std::string_view kOpenFailed = "Error en la abertura del archivo del diccionario";
constexpr std::string_view kSaveFailed = "Error en la abertura del archivo del diccionario de guardar";
// A word-list line is read in pieces of at most this many bytes.
constexpr std::size_t kLinePiece = 98;
// Dictionary-file words longer than this are skipped whole (no stored word
// has more than 25 letters; a longer one can only come from a foreign file).
constexpr std::size_t kDicWordMax = 98;

// Character bit i travels in group bit kGroupBit[i].
constexpr int kGroupBit[8] = {1, 3, 13, 7, 9, 11, 5, 15};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Hands every word of `bytes` (a whole file) to `take`, as the reader of both
// kinds of file does. `take` gets Windows-1252 bytes.
template <class Take>
void readWords(const Language& language, std::string_view bytes, Take&& take) {
    if (bytes.empty()) return;
    if (bytes[0] == '=') {
        char word[kDicWordMax + 1];
        std::size_t n = 0;
        bool tooLong = false;
        for (std::size_t i = 1; i + 1 < bytes.size(); i += 2) {
            auto g = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8));
            unsigned char c = decodeDicChar(g);
            if (c == 0) {
                if (!tooLong && n > 1) take(std::string_view(word, n));
                n = 0;
                tooLong = false;
            } else if (n < kDicWordMax) {
                word[n++] = static_cast<char>(c);
            } else {
                tooLong = true;
            }
        }
        return;  // a word cut off by the end of the file is dropped
    }
    // Word lists on Linux are UTF-8; decide per file and transcode first.
    std::string transcoded;
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, 3) == kBom) {
        transcoded = Cp1252::fromUtf8(bytes.substr(3));
        bytes = transcoded;
    } else if (Cp1252::looksLikeUtf8(bytes)) {  // valid UTF-8 with multi-byte letters
        transcoded = Cp1252::fromUtf8(bytes);
        bytes = transcoded;
    }
    if (bytes.empty() || !language.isLetter(static_cast<unsigned char>(bytes[0]))) return;
    for (std::size_t pos = 0; pos < bytes.size();) {
        // One piece: up to and including a line feed, at most kLinePiece bytes.
        std::size_t end = pos;
        while (end < bytes.size() && end - pos < kLinePiece && bytes[end] != '\n') ++end;
        if (end < bytes.size() && bytes[end] == '\n' && end - pos < kLinePiece) ++end;
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end;
        line = line.substr(0, line.find('\0'));
        while (!line.empty() && static_cast<unsigned char>(line.back()) >= 1 &&
               static_cast<unsigned char>(line.back()) <= 31)
            line.remove_suffix(1);
        if (line.size() > 1) take(line);
    }
}

bool readFile(const std::string& path, std::string& bytes) { return TextFile::read(path, bytes); }

bool putGroup(std::FILE* f, unsigned char c, Random& random) {
    std::uint16_t g = encodeDicChar(c, static_cast<std::uint16_t>(random.next()));
    return std::fputc(g & 0xFF, f) != EOF && std::fputc(g >> 8, f) != EOF;
}

bool putWord(std::FILE* f, std::string_view word, Random& random) {
    for (char c : word)
        if (!putGroup(f, static_cast<unsigned char>(c), random)) return false;
    return putGroup(f, 0, random);
}

}  // namespace

std::uint16_t encodeDicChar(unsigned char c, std::uint16_t filler) {
    std::uint16_t g = filler & 0x5555;
    for (int i = 0; i < 8; ++i)
        if (c & (1u << i)) g |= static_cast<std::uint16_t>(1u << kGroupBit[i]);
    return g;
}

namespace {
// The character bits carried by each half of a group, looked up per byte.
struct DecodeTables {
    unsigned char lo[256], hi[256];
    constexpr DecodeTables() : lo(), hi() {
        for (int b = 0; b < 256; ++b)
            for (int i = 0; i < 8; ++i) {
                if (kGroupBit[i] < 8 && (b & (1 << kGroupBit[i]))) lo[b] |= static_cast<unsigned char>(1 << i);
                if (kGroupBit[i] >= 8 && (b & (1 << (kGroupBit[i] - 8)))) hi[b] |= static_cast<unsigned char>(1 << i);
            }
    }
};
constexpr DecodeTables kDecode;
}  // namespace

unsigned char decodeDicChar(std::uint16_t group) {
    return static_cast<unsigned char>(kDecode.lo[group & 0xFF] | kDecode.hi[group >> 8]);
}

bool loadWordFile(BogPoint& dictionary, const std::string& path, LoadSummary* summary) {
    std::string bytes;
    if (!readFile(path, bytes)) {
        dictionary.host().report(kOpenFailed, path, Icon::Error);
        return false;
    }
    const Language& language = dictionary.language();
    const bool quiet = summary && summary->quiet;
    readWords(language, bytes, [&](std::string_view word) {
        if (summary) ++summary->words;
        bool stored;
        if (quiet) {
            char codes[64];
            int n = language.toCodesQuiet(word, codes, sizeof codes);
            if (n < 0) {
                if (summary->unknown++ == 0) summary->firstUnknown = Cp1252::toUtf8(word);
                return;
            }
            if (n < BogPoint::kMinLength || n > BogPoint::kMaxLength) {
                ++summary->unfit;
                return;
            }
            stored = dictionary.addCodes(codes, n);
        } else {
            stored = dictionary.addWord(word);
        }
        if (summary && stored) ++summary->stored;
    });
    return true;
}

bool saveDicFile(const BogPoint& dictionary, const std::string& path, Random& random) {
    // The file is made whole in memory and then put in place atomically: a disk
    // that fills up, or a save that is cut short, leaves the dictionary file that
    // was there before untouched instead of a cut-off one.
    const Language& language = dictionary.language();
    std::string bytes(1, '=');
    auto put = [&](unsigned char c) {
        std::uint16_t g = encodeDicChar(c, static_cast<std::uint16_t>(random.next()));
        bytes.push_back(static_cast<char>(g & 0xFF));
        bytes.push_back(static_cast<char>(g >> 8));
    };
    char word[BogPoint::kMaxLength + 1];
    dictionary.forEachWord(
        [&](const char* codes) {
            std::string_view c(codes);
            language.toExternal(c, word);
            for (std::size_t i = 0; i < c.size(); ++i) put(static_cast<unsigned char>(word[i]));
            put(0);
            return true;
        },
        random);
    // A failed write is a failed save, not a success: the user must know.
    if (!TextFile::writeAtomic(path, bytes)) {
        dictionary.host().report(kSaveFailed, path, Icon::Error);
        return false;
    }
    return true;
}

bool filterWordFile(BogPoint& dictionary, const std::string& inPath, const std::string& outPath, Random& random) {
    std::string bytes;
    bool in = readFile(inPath, bytes);
    File out(in ? std::fopen(outPath.c_str(), "wb") : nullptr);
    if (!in || !out) {
        dictionary.host().report(kOpenFailed, inPath, Icon::Error);
        return false;
    }
    bool ok = std::fputc('=', out.get()) != EOF;
    readWords(dictionary.language(), bytes, [&](std::string_view word) {
        if (ok && dictionary.hasWord(word)) ok = putWord(out.get(), word, random);
    });
    ok = (std::fclose(out.release()) == 0) && ok;
    if (!ok) dictionary.host().report(kSaveFailed, outPath, Icon::Error);
    return ok;
}

void subtractWordFile(BogPoint& dictionary, const std::string& path) {
    std::string bytes;
    if (!readFile(path, bytes)) {
        dictionary.host().report(kOpenFailed, path, Icon::Error);
        return;
    }
    readWords(dictionary.language(), bytes, [&](std::string_view word) {
        if (dictionary.hasWord(word)) dictionary.removeWord(word);
    });
}

}  // namespace bv
