// Dictionary files (.dic) and word lists (Windows-1252 or UTF-8): whatever
// loads must survive a dictionary-file round trip with exactly the same words.
#include "FuzzSupport.h"
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/WordFiles.h"
#include "platform/Random.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<std::string> wordsOf(const bv::BogPoint& dictionary, bv::Random& random) {
    std::vector<std::string> words;
    dictionary.forEachWord(
        [&](const char* codes) {
            words.emplace_back(codes);
            return true;
        },
        random);
    std::sort(words.begin(), words.end());
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 200000) return 0;
    bvfuzz::QuietHost host;
    bv::Language language;
    // The first byte picks the language, so every alphabet meets the bytes.
    if (size > 0) language.setLanguage(data[0] % 11, host);
    bv::Random random(1);

    const std::string in = bvfuzz::writeScratch("in.words", data, size);
    bv::BogPoint dictionary(1000, language, host);
    bv::LoadSummary summary;
    summary.quiet = true;
    if (!bv::loadWordFile(dictionary, in, &summary)) bvfuzz::fail("scratch file could not be opened");
    if (summary.stored != dictionary.wordCount()) bvfuzz::fail("stored count differs from the dictionary's");

    const std::string out = bvfuzz::scratchPath("out.dic");
    if (!bv::saveDicFile(dictionary, out, random)) bvfuzz::fail("dictionary file could not be written");
    bv::BogPoint reloaded(1000, language, host);
    bv::LoadSummary again;
    again.quiet = true;
    if (!bv::loadWordFile(reloaded, out, &again)) bvfuzz::fail("written dictionary file could not be opened");
    // The language's tables let a few bytes in whose letter writes back as a
    // byte the language does not take (the Spanish and plain code maps turn the
    // byte 0xA6 into the place of ']'); such words cannot survive any dictionary
    // file. Every other word must come back, and nothing else.
    std::vector<std::string> expected;
    for (const std::string& codes : wordsOf(dictionary, random)) {
        char external[64];
        char back[64];
        language.toExternal(codes, external);
        int n = language.toCodesQuiet(std::string_view(external, codes.size()), back, sizeof back);
        if (n == static_cast<int>(codes.size()) && std::string_view(back, n) == codes) expected.push_back(codes);
    }
    const auto b = wordsOf(reloaded, random);
    if (expected != b) bvfuzz::fail("dictionary round trip changed the words");
    return 0;
}
