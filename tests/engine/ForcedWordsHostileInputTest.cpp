// Forced-word files found by fuzzing the readers (fuzz/fuzz_tvang.cpp).
#include "engine/Tvang.h"

#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bv {
namespace {

std::vector<std::string> wordsOf(const Tvang& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.count(); ++i) {
        out.emplace_back(list.word(i));
        EXPECT_EQ(list.entry(i).len, static_cast<int>(list.word(i).size())) << out.back();
    }
    return out;
}

// A zero byte ends a line: the entry once kept the whole line's length with a
// shorter word, and a '#' or a control byte inside a word was placed into the
// work grid as a clue cell or a letter no dictionary holds.
TEST(ForcedWordsHostileInput, ZeroBytesGridMarksAndControlBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"zero byte ends the line", std::string("sol\r\npqrstuv\0\0yzab\r\ntierra\r\n", 26),
         {"SOL", "PQRSTUV", "TIERRA"}},
        {"line starting with a zero byte is empty", std::string("\0mar\nluz\n", 9), {"LUZ"}},
        {"clue-cell mark refused", "ca#sa\nmesa\n", {"MESA"}},
        {"control byte refused", "ca\x05sa\nmesa\n", {"MESA"}},
        {"blank inside stays (an open cell)", "new york\n", {"NEW YORK"}},
    };
    for (const Case& c : cases) {
        bvtest::TempDir dir;
        ASSERT_TRUE(TextFile::writeAtomic(dir.file("tvang.txt"), c.bytes));
        ScriptedHost host;
        Tvang list;
        ASSERT_TRUE(list.readTvangFile(dir.file("tvang.txt"), host)) << c.name;
        EXPECT_EQ(wordsOf(list), c.words) << c.name;
    }
    EXPECT_FALSE(Tvang::fitsAnEntry("A#B"));
    EXPECT_FALSE(Tvang::fitsAnEntry(""));
    EXPECT_FALSE(Tvang::fitsAnEntry(std::string(40, 'A')));
    EXPECT_TRUE(Tvang::fitsAnEntry(std::string(39, 'A')));
}

}  // namespace
}  // namespace bv
