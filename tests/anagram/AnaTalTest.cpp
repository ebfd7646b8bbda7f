#include "anagram/AnaTal.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

namespace bv {
namespace {

TEST(AnaTalTest, CountsLettersByPlaceAndKeepsNonLettersApart) {
    ScriptedHost host;
    Language spanish;
    spanish.setLanguage(Language::kSpanish, host);
    // Accents fold, blanks are skipped, the digit is no letter.
    AnaTal t = countLetters("\xD1" "and\xFA 1", spanish, 4);
    EXPECT_EQ(t.total, 6);
    EXPECT_EQ(t.foreign, 1);
    EXPECT_EQ(t.counts[27], 1);  // Ñ
    EXPECT_EQ(t.counts[1], 1);
    EXPECT_EQ(t.counts[14], 1);
    EXPECT_EQ(t.counts[4], 1);
    EXPECT_EQ(t.counts[21], 1);  // ú counts as U
    EXPECT_EQ(t.set, (1u << 27) | (1u << 1) | (1u << 14) | (1u << 4) | (1u << 21));
    EXPECT_EQ(t.wordsLeft, 4);

    Language icelandic;
    icelandic.setLanguage(Language::kIcelandic, host);
    AnaTal i = countLetters("\xE1@", icelandic, 4);  // á and @ are both the letter of place 0
    EXPECT_EQ(i.counts[0], 2);
    EXPECT_EQ(i.foreign, 0);
}

TEST(AnaTalTest, SubtractionFailsOnAnyMissingLetter) {
    AnaTal a = countCodes("\x41\x4C\x4C\x41", 5);  // ALLA
    AnaTal out;
    ASSERT_TRUE(subtractLetters(a, countCodes("\x4C\x41", 5), out));
    EXPECT_EQ(out.total, 2);
    EXPECT_EQ(out.counts[1], 1);
    EXPECT_EQ(out.counts[12], 1);
    EXPECT_EQ(out.wordsLeft, 4);
    EXPECT_EQ(out.set, 0u);
    EXPECT_FALSE(subtractLetters(a, countCodes("\x4C\x4C\x4C", 5), out));
    EXPECT_FALSE(subtractLetters(a, countCodes("\x53", 5), out));
    AnaTal withDigit = a;
    withDigit.foreign = 1;
    withDigit.total += 1;
    EXPECT_FALSE(subtractLetters(a, withDigit, out));
}

}  // namespace
}  // namespace bv
