// The dictionaries the build imports from the Debian word lists (build/dic).
// Skipped when the build has not made them (for instance a test-only build).
#include "dictionary/WordFiles.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unordered_set>

namespace bv {
namespace {

std::unordered_set<std::string> codesOf(const BogPoint& d) {
    std::unordered_set<std::string> out;
    Random r(1);
    d.forEachWord([&](const char* c) { out.insert(c); return true; }, r);
    return out;
}

std::string built(const char* name) { return std::string(BV_BINARY_DIR) + "/dic/" + name; }

TEST(RealDictionaryTest, SpanishDicHoldsTheWordsOfTheDebianList) {
    const std::string dic = built("spanish.dic"), list = "/usr/share/dict/spanish";
    if (!std::filesystem::exists(dic) || !std::filesystem::exists(list)) GTEST_SKIP() << "no " << dic;
    Language language;
    ScriptedHost host;
    language.setLanguage(9, host);
    BogPoint fromDic(BogPoint::sizeForFile(static_cast<std::int64_t>(std::filesystem::file_size(dic))), language,
                     host);
    ASSERT_TRUE(loadWordFile(fromDic, dic));
    EXPECT_TRUE(host.messages.empty());  // every word of the file fits the language
    BogPoint fromList(BogPoint::kStartSize, language, host);
    LoadSummary s;
    s.quiet = true;
    ASSERT_TRUE(loadWordFile(fromList, list, &s));
    EXPECT_GT(fromDic.wordCount(), 80000);
    EXPECT_EQ(codesOf(fromDic), codesOf(fromList));
    EXPECT_TRUE(fromDic.hasWord("\xD1" "ANDU"));  // ñandú, from a UTF-8 list
}

TEST(RealDictionaryTest, DanishDicUnderSpanishKeepsTheWordsWithoutNordicLetters) {
    const std::string dic = built("danish.dic");
    if (!std::filesystem::exists(dic)) GTEST_SKIP() << "no " << dic;
    Language language;
    ScriptedHost host;
    BogPoint danish(BogPoint::kStartSize, language, host);
    ASSERT_TRUE(loadWordFile(danish, dic));
    EXPECT_TRUE(host.messages.empty());
    std::unordered_set<std::string> expected;
    for (const std::string& w : codesOf(danish))
        if (w.find_first_of("\x5B\x5C\x5D") == std::string::npos) expected.insert(w);  // codes of Æ Ø Å
    ASSERT_LT(expected.size(), static_cast<std::size_t>(danish.wordCount()));

    language.setLanguage(9, host);
    BogPoint spanish(BogPoint::kStartSize, language, host);
    LoadSummary s;
    s.quiet = true;
    ASSERT_TRUE(loadWordFile(spanish, dic, &s));
    EXPECT_EQ(codesOf(spanish), expected);
    EXPECT_EQ(s.unknown, danish.wordCount() - static_cast<std::int64_t>(expected.size()));
}

}  // namespace
}  // namespace bv
