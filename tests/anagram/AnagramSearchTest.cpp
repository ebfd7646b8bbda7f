#include "anagram/AnagramSearch.h"
#include "tests/anagram/AnagramWorld.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <atomic>
#include <string>

namespace bv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class AnagramSearchTest : public AnagramWorld {
protected:
    AnagramSettings settings(int minLength = 1, int maxLength = 25, int maxWords = 6, int maxAnswers = 1000) {
        return AnagramSettings::checked(minLength, maxLength, maxWords, maxAnswers);
    }
    AnagramSearch::Result standard(std::string_view text, const AnagramSettings& s) {
        AnagramSearch search(*dictionary, host, s, output());
        return search.anagramsOfText(Cp1252::fromUtf8(text));
    }
};

TEST_F(AnagramSearchTest, EveryOneWordAnagramIsWrittenOnce) {
    addWords({"amor", "mora", "ramo", "roma", "mar"});
    for (int maxWords : {1, 3}) {
        auto r = standard("roma", settings(1, 25, maxWords));
        EXPECT_EQ(r.outcome, AnagramSearch::Outcome::Answers);
        EXPECT_EQ(r.answers, 4);
        EXPECT_THAT(answerLines(), UnorderedElementsAre("AMOR", "MORA", "RAMO", "ROMA")) << maxWords;
    }
}

TEST_F(AnagramSearchTest, WordsComeLongestFirstAndEachCombinationOnce) {
    addWords({"sol", "la"});
    standard("solla", settings());
    EXPECT_THAT(answerLines(), ElementsAre("SOL LA"));

    useLanguage(Language::kSpanish);
    addWords({"al", "la"});
    standard("lala", settings());
    EXPECT_THAT(answerLines(), UnorderedElementsAre("AL AL", "AL LA", "LA LA"));
}

TEST_F(AnagramSearchTest, LengthLimitsAndTheOneLetterWord) {
    addWords({"sol", "la", "mar", "solla"});
    struct Case {
        const char* text;
        int minLength, maxLength;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"solla", 2, 25, {"SOLLA", "SOL LA"}},
        {"solla", 3, 25, {"SOLLA"}},
        {"solla", 2, 4, {"SOL LA"}},
        {"solmari", 1, 25, {"MAR SOL I"}},  // a last single I stands as a word
        {"solmari", 2, 25, {}},
        {"solmarm", 1, 25, {}},  // M is no word of its own
        {"solla", 5, 4, {}},     // minimum above maximum: no word fits
    };
    for (const Case& c : cases) {
        auto r = standard(c.text, settings(c.minLength, c.maxLength));
        if (c.lines.empty()) {
            EXPECT_EQ(r.outcome, AnagramSearch::Outcome::NotFound) << c.text << c.minLength;
            EXPECT_EQ(readBytes(output()), "No pudo encontrar ning\xFAn anagrama para las palabras dadas");
        } else {
            EXPECT_THAT(answerLines(), ::testing::UnorderedElementsAreArray(c.lines)) << c.text << c.minLength;
        }
    }
}

TEST_F(AnagramSearchTest, ATextWithAByteThatIsNoLetterHasNoAnagram) {
    addWords({"amor", "roma"});
    for (const char* text : {"rom4a", "ro-ma", "roma!"}) {
        auto r = standard(text, settings());
        EXPECT_EQ(r.outcome, AnagramSearch::Outcome::NotFound) << text;
        EXPECT_EQ(readBytes(output()), "No pudo encontrar ning\xFAn anagrama para las palabras dadas");
    }
}

TEST_F(AnagramSearchTest, BlanksInTheTextAreNotLetters) {
    addWords({"amor", "roma"});
    standard("  ro  ma ", settings());
    EXPECT_THAT(answerLines(), UnorderedElementsAre("AMOR", "ROMA"));
}

// Every pairing of 2n distinct letters into two-letter words is one answer:
// 945 pairings of 10 letters, 10395 of 12.
TEST_F(AnagramSearchTest, StopsAfterOneAnswerMoreThanTheLimit) {
    const std::string letters = "abcdefghijkl";
    for (std::size_t i = 0; i < letters.size(); ++i)
        for (std::size_t j = i + 1; j < letters.size(); ++j)
            ASSERT_TRUE(dictionary->addWord(std::string{letters[i], letters[j]}));
    struct Case {
        std::string text;
        int maxAnswers;
        int lines;
        bool limit;
    };
    for (const Case& c : {Case{"abcdefghij", 1000, 945, false}, Case{"abcdefghijkl", 1000, 1001, true},
                          Case{"abcdefghijkl", 2000, 2001, true}}) {
        auto r = standard(c.text, settings(1, 25, 6, c.maxAnswers));
        EXPECT_EQ(r.answers, c.lines);
        EXPECT_EQ(r.limitReached, c.limit);
        auto lines = answerLines();
        EXPECT_EQ(static_cast<int>(lines.size()), c.lines) << c.text;
        std::sort(lines.begin(), lines.end());
        EXPECT_EQ(std::adjacent_find(lines.begin(), lines.end()), lines.end()) << "an answer written twice";
    }
}

TEST_F(AnagramSearchTest, IcelandicAnswersAreSeparatedByBlanks) {
    useLanguage(Language::kIcelandic);
    addWords({"bál", "la"});
    standard("bál la", settings());
    EXPECT_EQ(readBytes(output()), "B\xC1L LA\r\n");
}

TEST_F(AnagramSearchTest, GivenWordsOpenEveryAnswer) {
    addWords({"sol", "la", "mar"});
    AnagramSearch search(*dictionary, host, settings(), output());
    auto r = search.anagramsWithWords(Cp1252::fromUtf8("mar sol la"), Cp1252::fromUtf8("mar"));
    EXPECT_EQ(r.outcome, AnagramSearch::Outcome::Answers);
    EXPECT_THAT(answerLines(), ElementsAre("MAR SOL LA"));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AnagramSearchTest, GivenWordsTheTextDoesNotHoldLeaveTheFileAlone) {
    addWords({"sol", "la"});
    ASSERT_TRUE(TextFile::writeAtomic(output(), "earlier result\r\n"));
    AnagramSearch search(*dictionary, host, settings(), output());
    auto r = search.anagramsWithWords("solla", "mar");
    EXPECT_EQ(r.outcome, AnagramSearch::Outcome::GivenNotInText);
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text,
              "La palabra que Ud. dio no puede formarse a partir de las palabras y letras que Ud. deseaba ");
    EXPECT_EQ(host.reports()[0].caption, "Error en el anagrama");
    EXPECT_EQ(host.reports()[0].icon, Icon::Error);
    EXPECT_EQ(readBytes(output()), "earlier result\r\n");
}

TEST_F(AnagramSearchTest, GivenWordsThatUseUpTheTextFindNothing) {
    addWords({"sol", "la"});
    AnagramSearch search(*dictionary, host, settings(), output());
    auto r = search.anagramsWithWords("sol la", "la sol");
    EXPECT_EQ(r.outcome, AnagramSearch::Outcome::NotFound);
    EXPECT_EQ(readBytes(output()),
              "No pudo encontrar anagramas que cumplieran las condiciones - Pruebe a dar otra palabra, o "
              "modifique en el largo y la cantidad de las palabras que es permitido\r\n");
}

TEST_F(AnagramSearchTest, AnOutputFileThatCannotBeCreatedEndsTheSearchSilently) {
    addWords({"amor"});
    AnagramSearch search(*dictionary, host, settings(), path("missing/anagram.txt"));
    EXPECT_EQ(search.anagramsOfText("roma").outcome, AnagramSearch::Outcome::NoFile);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AnagramSearchTest, AStoppedSearchKeepsAWholeFile) {
    addWords({"amor", "roma"});
    std::atomic<bool> stop{true};
    AnagramSearch search(*dictionary, host, settings(), output());
    search.setStopFlag(&stop);
    auto r = search.anagramsOfText("roma");
    EXPECT_TRUE(r.interrupted);
    EXPECT_EQ(r.answers, 0);
    EXPECT_EQ(readBytes(output()), "No pudo encontrar ning\xFAn anagrama para las palabras dadas");

    stop = false;
    r = search.anagramsOfText("roma");
    EXPECT_FALSE(r.interrupted);
    EXPECT_EQ(r.answers, 2);
}

}  // namespace
}  // namespace bv::test
