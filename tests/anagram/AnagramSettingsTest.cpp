#include "anagram/AnagramSettings.h"

#include <gtest/gtest.h>

namespace bv {
namespace {

TEST(AnagramSettingsTest, ValuesOutsideTheirRangeTakeTheFallback) {
    struct Case {
        const char *min, *max, *words, *answers;
        int eMin, eMax, eWords, eAnswers;
    };
    for (const Case& c : {
             Case{"3", "25", "3", "2000", 3, 25, 3, 2000},
             Case{"5", "4", "12", "10000", 5, 4, 12, 10000},
             Case{"0", "3", "0", "999", 1, 25, 6, 2000},
             Case{"6", "26", "16", "10001", 1, 25, 6, 2000},
             Case{"", "x", "15", "100000", 1, 25, 15, 10000},  // only 5 characters read: 10000
             Case{" 2", "2500", "1", "1000", 2, 25, 1, 1000},  // only 3 characters read: 250
         }) {
        AnagramSettings s = AnagramSettings::fromTexts(c.min, c.max, c.words, c.answers);
        EXPECT_EQ(s.minLength, c.eMin) << c.min;
        EXPECT_EQ(s.maxLength, c.eMax) << c.max;
        EXPECT_EQ(s.maxWords, c.eWords) << c.words;
        EXPECT_EQ(s.maxAnswers, c.eAnswers) << c.answers;
    }
}

}  // namespace
}  // namespace bv
