// Anagram word lists (verbs.txt or the user's word file) read into Anacon: the
// block limits hold and every entry is a word of letter codes.
#include "FuzzSupport.h"
#include "anagram/Anacon.h"
#include "dictionary/Language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bvfuzz::QuietHost host;
    bv::Language language;
    if (size > 0) language.setLanguage(data[0] % 11, host);
    const std::string path = bvfuzz::writeScratch("in.txt", data, size);
    bv::Anacon list;
    list.loadWordList(path, language, host);
    if (!list.loaded()) bvfuzz::fail("list not loaded");
    if (list.count() < 0 || list.count() > bv::Anacon::kUsableEntries) bvfuzz::fail("too many entries");
    std::size_t total = 0;
    for (int i = 0; i < list.count(); ++i) {
        std::string_view e = list.entry(i);
        if (e.empty()) bvfuzz::fail("empty entry");
        total += e.size() + 1;
        bv::LetterSet set = 0;
        for (char c : e) {
            unsigned char u = static_cast<unsigned char>(c);
            if (u < 0x40 || u > 0x5F) bvfuzz::fail("entry holds a byte that is no letter code", e);
            set |= bv::LetterSet(1) << (u & 31);
        }
        if ((set & ~list.letterSet(i)) != 0) bvfuzz::fail("letter set misses a letter of its entry", e);
    }
    if (total > bv::Anacon::kTextBytes) bvfuzz::fail("entries pass the block");
    return 0;
}
