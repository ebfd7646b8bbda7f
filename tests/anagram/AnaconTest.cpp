#include "anagram/Anacon.h"
#include "anagram/AnagramSearch.h"
#include "tests/anagram/AnagramWorld.h"

#include <gmock/gmock.h>

#include <string>

namespace bv::test {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

class AnaconTest : public AnagramWorld {
protected:
    std::string writeList(const std::string& name, const std::string& bytes) {
        std::string p = path(name);
        EXPECT_TRUE(TextFile::writeAtomic(p, bytes));
        return p;
    }
    std::vector<std::string> entries(const Anacon& list) const {
        std::vector<std::string> out;
        for (int i = 0; i < list.count(); ++i) {
            std::string w;
            for (char c : list.entry(i)) w += language.externalOf(static_cast<unsigned char>(c));
            out.push_back(Cp1252::toUtf8(w));
        }
        return out;
    }
};

TEST_F(AnaconTest, EachLineGivesItsFirstWord) {
    Anacon list;
    // UTF-8 with a byte-order mark, CRLF and LF, a line opening with a blank,
    // an empty line, and a word cut at a non-letter.
    list.loadWordList(writeList("l.txt", "\xEF\xBB\xBFre\xC3\xADr\r\namar con fuerza\n\n  hablar\nsub-ir\n\x01\n"),
                      language, host);
    EXPECT_TRUE(list.loaded());
    EXPECT_THAT(entries(list), ElementsAre("REIR", "AMAR", "SUB"));
    EXPECT_TRUE(host.messages.empty());
    // Loaded lists are kept until released.
    list.loadWordList(writeList("m.txt", "otro\n"), language, host);
    EXPECT_EQ(list.count(), 3);
    list.release();
    EXPECT_FALSE(list.loaded());
    EXPECT_EQ(list.count(), 0);
}

TEST_F(AnaconTest, AMissingFileLeavesTheListEmptyAndUnloaded) {
    Anacon list;
    list.loadWordList(path("none.txt"), language, host);
    EXPECT_FALSE(list.loaded());
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(AnaconTest, ALineLongerThanAPieceIsReadInPieces) {
    Anacon list;
    list.loadWordList(writeList("l.txt", std::string(99, 'a') + std::string(10, 'b') + "\n"), language, host);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(0).size(), 99u);
    EXPECT_EQ(list.entry(1), std::string(10, 'B'));
}

TEST_F(AnaconTest, StopsAtEitherLimitWithTheMessage) {
    struct Case {
        int lines;
        int wordLength;
        int expectedEntries;
        bool message;
    };
    // 1999 entries at most; and 20000 bytes of text, each entry taking its
    // letters and a NUL (60 + 1 bytes: 327 entries fit, 328 would not).
    for (const Case& c : {Case{1999, 3, 1999, false}, Case{2100, 3, 1999, true}, Case{327, 60, 327, false},
                          Case{400, 60, 327, true}}) {
        host.clear();
        std::string bytes;
        for (int i = 0; i < c.lines; ++i) {
            std::string w(static_cast<std::size_t>(c.wordLength), 'a');
            w[0] = static_cast<char>('a' + i % 26);
            bytes += w + "\r\n";
        }
        Anacon list;
        list.loadWordList(writeList("l.txt", bytes), language, host);
        EXPECT_EQ(list.count(), c.expectedEntries) << c.lines;
        ASSERT_EQ(host.reports().size(), c.message ? 1u : 0u) << c.lines;
        if (c.message) {
            EXPECT_EQ(host.reports()[0].text, "Existen más palabras que lugar- max. 2000  en la lista");
            EXPECT_EQ(host.reports()[0].caption, "No se incluyeron todas las palabras");
        }
        for (int i = 0; i < list.count(); ++i) ASSERT_EQ(list.entry(i).size(), static_cast<std::size_t>(c.wordLength));
    }
}

TEST_F(AnaconTest, TheShippedVerbListReadsUnderSpanish) {
    Anacon list;
    list.loadWordList(std::string(BV_SOURCE_DIR) + "/data/verbs.txt", language, host);
    EXPECT_GT(list.count(), 300);
    EXPECT_TRUE(host.messages.empty());
    auto all = entries(list);
    EXPECT_NE(std::find(all.begin(), all.end(), "REIR"), all.end());
}

TEST_F(AnaconTest, ListModeAnswersStartWithAnEntry) {
    addWords({"sol", "la", "mar", "roma", "amar"});
    Anacon list;
    list.loadWordList(writeList("v.txt", "amar\nla\ncomer\namarsolla\n"), language, host);
    AnagramSearch search(*dictionary, host, AnagramSettings::checked(1, 25, 6, 1000), output());
    auto r = search.anagramsWithListWord("amar sol la", list);
    EXPECT_EQ(r.outcome, AnagramSearch::Outcome::Answers);
    // The entry opens the answer whatever its length; COMER lacks letters, and
    // AMARSOLLA uses them all on its own, which is no answer.
    EXPECT_THAT(answerLines(), UnorderedElementsAre("AMAR SOL LA", "LA AMAR SOL"));

    Anacon empty;
    r = search.anagramsWithListWord("amar sol la", empty);
    EXPECT_EQ(r.outcome, AnagramSearch::Outcome::NotFound);
    EXPECT_EQ(readBytes(output()), "No pudo encontrar ning\xFAn anagrama para las palabras dadas");
}

TEST_F(AnaconTest, TheVerbListStaysWhileAWordFileIsReadForOneSearchOnly) {
    addWords({"sol", "la", "mar"});
    Anacon list;
    const std::string verbs = writeList("verbs.txt", "amar\n");
    AnagramSearch search(*dictionary, host, AnagramSettings::checked(2, 25, 6, 1000), output());

    EXPECT_EQ(search.anagramsWithVerbs("amar sol", list, verbs).answers, 1);
    EXPECT_THAT(answerLines(), ElementsAre("AMAR SOL"));
    writeList("verbs.txt", "salar\n");  // the loaded list is used again, not the file
    EXPECT_EQ(search.anagramsWithVerbs("amar sol", list, verbs).answers, 1);

    EXPECT_EQ(search.anagramsWithWordFile("sol la", list, writeList("mine.txt", "sol\n")).answers, 1);
    EXPECT_THAT(answerLines(), ElementsAre("SOL LA"));
    EXPECT_FALSE(list.loaded());
    EXPECT_EQ(search.anagramsWithVerbs("salar mar", list, verbs).answers, 1);  // read anew: SALAR
    EXPECT_THAT(answerLines(), ElementsAre("SALAR MAR"));
}

}  // namespace
}  // namespace bv::test
