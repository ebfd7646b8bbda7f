// Saving a dictionary where the disk runs out of space: the save is reported as
// failed and the dictionary file that was there stays whole.
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/WordFiles.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"
#include "tests/platform/SmallFilesystem.h"

#include <gtest/gtest.h>

#include <string>

namespace bv {
namespace {

TEST(WordFilesFullDisk, FailedSaveKeepsTheOldDictionaryFile) {
    bvtest::SmallFilesystem fsys;
    if (!fsys.mounted()) GTEST_SKIP() << fsys.reason();
    ScriptedHost host;
    Language language;
    language.setLanguage(Language::kSpanish, host);
    Random random(5);
    const std::string path = fsys / "d.dic";

    BogPoint small(20000, language, host);
    for (const char* w : {"CASA", "MESA", "SOL"}) small.addWord(w);
    ASSERT_TRUE(saveDicFile(small, path, random));
    std::string before;
    ASSERT_TRUE(TextFile::read(path, before));
    fsys.fill();

    // Far more than the filesystem could hold even when empty.
    BogPoint big(200000, language, host);
    std::string w = "AAAAAAAAAA";
    for (int i = 0; i < 20000; ++i) {
        for (int k = 0, n = i; k < 4; ++k, n /= 26) w[k] = static_cast<char>('A' + n % 26);
        big.addWord(w);
    }
    EXPECT_FALSE(saveDicFile(big, path, random));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Error en la abertura del archivo del diccionario de guardar");

    std::string after;
    ASSERT_TRUE(TextFile::read(path, after));
    EXPECT_EQ(after, before);
    BogPoint back(20000, language, host);
    ASSERT_TRUE(loadWordFile(back, path));
    EXPECT_EQ(back.wordCount(), 3);
}

}  // namespace
}  // namespace bv
