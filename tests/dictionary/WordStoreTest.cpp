#include "dictionary/BogPoint.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace bv {
namespace {

struct World {
    Language language;
    ScriptedHost host;
    BogPoint dict;
    explicit World(std::int64_t n = 1000) : dict(n, language, host) {}
};

std::multiset<std::string> allWords(const BogPoint& d, Random& r) {
    std::multiset<std::string> out;
    d.forEachWord([&](const char* w) { out.insert(w); return true; }, r);
    return out;
}

// Every word of a length must sit on exactly one list per position, and the
// counts of each position's lists must add up to the length's count.
void expectListsConsistent(const Ordstribe& s) {
    std::multiset<std::string> reference;
    for (int p = 0; p < s.length(); ++p) {
        std::multiset<std::string> seen;
        int sum = 0;
        for (int c = 0; c < 32; ++c) {
            int n = 0;
            s.walkList(p, c, [&](const char* w) {
                EXPECT_EQ(w[p] & 31, c);
                seen.insert(w);
                ++n;
                return true;
            });
            EXPECT_EQ(n, s.list(p, c).count) << "position " << p << " letter " << c;
            sum += n;
        }
        EXPECT_EQ(sum, s.count());
        if (p == 0) reference = seen;
        EXPECT_EQ(seen, reference) << "position " << p;
    }
    std::set<std::string> unique(reference.begin(), reference.end());
    EXPECT_EQ(unique.size(), reference.size()) << "a word stored twice";
}

TEST(WordStoreTest, NewDictionaryMatchesNothing) {
    World w;
    for (int len = 2; len <= 25; ++len) {
        std::string blank(len, ' ');
        EXPECT_FALSE(w.dict.ordstribe(len).matchesPattern(blank.c_str()));
        std::string letter = blank;
        letter[len / 2] = 'K';
        EXPECT_FALSE(w.dict.ordstribe(len).matchesPattern(letter.c_str()));
    }
    EXPECT_FALSE(w.dict.hasWord("CASA"));
    EXPECT_EQ(w.dict.wordCount(), 0);
}

TEST(WordStoreTest, DuplicateIsStoredOnce) {
    World w;
    EXPECT_TRUE(w.dict.addWord("AB"));
    EXPECT_FALSE(w.dict.addWord("ab"));
    EXPECT_EQ(w.dict.ordstribe(2).count(), 1);
    EXPECT_TRUE(w.host.messages.empty());
}

TEST(WordStoreTest, LengthsOutsideTwoToTwentyFiveAreNeverStoredButCountAsKnown) {
    World w;
    const std::string one = "A", long26(26, 'B');
    EXPECT_FALSE(w.dict.addWord(one));
    EXPECT_FALSE(w.dict.addWord(long26));
    EXPECT_EQ(w.dict.wordCount(), 0);
    EXPECT_TRUE(w.dict.hasWord(one));
    EXPECT_TRUE(w.dict.hasWord(long26));
    EXPECT_TRUE(w.dict.hasWord(std::string(200, 'C')));  // longer than any buffer
    const std::string long25(25, 'B');
    EXPECT_TRUE(w.dict.addWord(long25));
    EXPECT_TRUE(w.dict.hasWord(long25));
}

TEST(WordStoreTest, UnknownLetterStoresNothingAndReports) {
    World w;
    EXPECT_FALSE(w.dict.addWord("AB1"));
    EXPECT_EQ(w.dict.wordCount(), 0);
    ASSERT_EQ(w.host.reports().size(), 1u);
    EXPECT_EQ(w.host.reports()[0].text, "1");
    EXPECT_TRUE(w.dict.hasWord("AB1"));  // a failed conversion counts as known
}

TEST(WordStoreTest, PatternWithBlanks) {
    World w;
    ASSERT_TRUE(w.dict.addWord("AXB"));
    const Ordstribe& s = w.dict.ordstribe(3);
    EXPECT_TRUE(s.matchesPattern("A B"));
    EXPECT_TRUE(s.matchesPattern("AXB"));
    EXPECT_FALSE(s.matchesPattern("AYB"));
    EXPECT_TRUE(s.matchesPattern("   "));
    EXPECT_TRUE(s.matchesPattern(" X "));
    EXPECT_FALSE(s.matchesPattern(" Y "));
}

// Words built over a small alphabet so that they share letters everywhere.
std::vector<std::string> sharedWords(int length, int howMany) {
    std::vector<std::string> out;
    for (int i = 0; static_cast<int>(out.size()) < howMany; ++i) {
        std::string word;
        for (int p = 0, v = i; p < length; ++p, v /= 3) word += static_cast<char>('A' + (v % 3) + (p % 2));
        out.push_back(word);
    }
    return out;
}

TEST(WordStoreTest, ManySharedWordsAreFoundOnEveryListAndVisitedOnce) {
    World w;
    std::vector<std::string> words = sharedWords(6, 500);  // more than the capacity of 76: grows
    for (const auto& word : words) ASSERT_TRUE(w.dict.addWord(word)) << word;
    for (const auto& word : words) EXPECT_TRUE(w.dict.hasWord(word));
    expectListsConsistent(w.dict.ordstribe(6));
    for (uint32_t seed : {1u, 2u, 3u, 77u, 1234u}) {
        Random r(seed);
        auto seen = allWords(w.dict, r);
        EXPECT_EQ(seen, std::multiset<std::string>(words.begin(), words.end()));
    }
    EXPECT_TRUE(w.host.messages.empty());
}

TEST(WordStoreTest, GrowingByOneStepKeepsEveryWord) {
    World w(1000);
    const Ordstribe& s = w.dict.ordstribe(5);
    const int cap = s.capacity(), step = s.growth();
    ASSERT_EQ(cap, 42);
    ASSERT_EQ(step, 500);
    std::vector<std::string> words = sharedWords(5, cap + 1);
    for (const auto& word : words) ASSERT_TRUE(w.dict.addWord(word));
    EXPECT_EQ(s.capacity(), cap + step);
    for (const auto& word : words) EXPECT_TRUE(w.dict.hasWord(word)) << word;
    expectListsConsistent(s);
    EXPECT_NE(w.dict.statistics().find("05: 00043 (00542/0500)"), std::string::npos);
}

TEST(WordStoreTest, RemoveThenAddKeepsOthersFindable) {
    World w;
    std::vector<std::string> words = sharedWords(4, 40);
    for (const auto& word : words) w.dict.addWord(word);
    const Ordstribe& s = w.dict.ordstribe(4);
    // Remove the newest, the oldest and one in the middle of their lists.
    for (const std::string& gone : {words.back(), words.front(), words[17]}) {
        ASSERT_TRUE(w.dict.hasWord(gone));
        w.dict.removeWord(gone);
        EXPECT_FALSE(w.dict.hasWord(gone));
    }
    EXPECT_EQ(s.count(), 37);
    EXPECT_TRUE(w.dict.addWord("ZZZZ"));
    EXPECT_TRUE(w.dict.addWord(words[17]));  // a removed word can come back
    expectListsConsistent(s);
    std::multiset<std::string> expected(words.begin() + 1, words.end() - 1);
    expected.insert("ZZZZ");
    Random r(5);
    std::multiset<std::string> seen;
    w.dict.forEachWord([&](const char* x) { if (std::string(x).size() == 4) seen.insert(x); return true; }, r);
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(w.host.messages.empty());
}

TEST(WordStoreTest, RemovingAWordThatIsNotStoredReportsAndChangesNothing) {
    World w;
    w.dict.addWord("CASA");
    w.dict.addWord("COSA");
    w.dict.removeWord("CAMA");
    ASSERT_EQ(w.host.reports().size(), 1u);
    EXPECT_EQ(w.host.reports()[0].text, "Fracasada la prueba de borrar");
    EXPECT_EQ(w.host.reports()[0].caption, "CAMA");
    EXPECT_EQ(w.dict.ordstribe(4).count(), 2);
    expectListsConsistent(w.dict.ordstribe(4));
}

// Random additions and removals against a plain set: whole-word answers, blank
// patterns, list counts and the visit all agree with the set at every step.
TEST(WordStoreTest, RandomAddsAndRemovesAgreeWithASet) {
    World w(1000);  // 4-letter words start with room for 25: the block grows several times
    Random r(2024);
    std::set<std::string> model;
    auto randomWord = [&] {
        std::string s;
        for (int i = 0; i < 4; ++i) s += static_cast<char>('A' + r.below(4));
        return s;
    };
    for (int step = 0; step < 3000; ++step) {
        std::string word = randomWord();
        if (r.below(3) == 0) {
            if (w.dict.hasWord(word)) w.dict.removeWord(word);
            model.erase(word);
        } else {
            EXPECT_EQ(w.dict.addWord(word), model.insert(word).second);
        }
        if (step % 250 == 0) {
            expectListsConsistent(w.dict.ordstribe(4));
            for (int i = 0; i < 256; ++i) {
                std::string probe;
                for (int k = 0, v = i; k < 4; ++k, v /= 4) probe += static_cast<char>('A' + v % 4);
                EXPECT_EQ(w.dict.hasWord(probe), model.count(probe) == 1) << probe;
                std::string half = probe;
                half[1] = half[3] = ' ';
                bool any = false;
                for (const auto& m : model) any = any || (m[0] == probe[0] && m[2] == probe[2]);
                EXPECT_EQ(w.dict.ordstribe(4).matchesPattern(half.c_str()), any) << half;
            }
        }
    }
    Random v(8);
    auto seen = allWords(w.dict, v);
    EXPECT_EQ(seen, std::multiset<std::string>(model.begin(), model.end()));
    EXPECT_TRUE(w.host.messages.empty());
}

TEST(WordStoreTest, VisitorCanStopTheWalk) {
    World w;
    for (const auto& word : sharedWords(3, 10)) w.dict.addWord(word);
    int n = 0;
    Random r(1);
    EXPECT_FALSE(w.dict.forEachWord([&](const char*) { return ++n < 4; }, r));
    EXPECT_EQ(n, 4);
}

TEST(WordStoreTest, CapacitiesForTheSizesInUse) {
    const std::int64_t expected110k[] = {400,  1100, 2820, 4700, 8461, 12222, 11282, 11282, 10341, 8461, 6581, 6581,
                                         4700, 3760, 3760, 3300, 1880, 1880, 1100,  550,   550,   550,   550,  550};
    std::int64_t sum = 0, sum1000 = 0;
    for (int len = 2; len <= 25; ++len) {
        EXPECT_EQ(BogPoint::capacityFor(len, 110000), expected110k[len - 2]) << len;
        sum += BogPoint::capacityFor(len, 110000);
        sum1000 += BogPoint::capacityFor(len, 1000);
    }
    EXPECT_EQ(sum, 107361);
    EXPECT_EQ(sum1000, 1365);
    EXPECT_EQ(BogPoint::sizeForFile(300000), 60000);
    EXPECT_EQ(BogPoint::sizeForFile(50000), 20000);
}

TEST(WordStoreTest, StatisticsTextOfAnEmptyDictionary) {
    World w(110000);
    const std::string expected =
        "02: 00000 (00400/0050)  |  03: 00000 (01100/0100)\n"
        "04: 00000 (02820/0500)  |  05: 00000 (04700/0500)\n"
        "06: 00000 (08461/0500)  |  07: 00000 (12222/1000)\n"
        "08: 00000 (11282/1000)  |  09: 00000 (11282/1000)\n"
        "10: 00000 (10341/1000)  |  11: 00000 (08461/0500)\n"
        "12: 00000 (06581/0500)  |  13: 00000 (06581/0500)\n"
        "14: 00000 (04700/0500)  |  15: 00000 (03760/0500)\n"
        "16: 00000 (03760/0500)  |  17: 00000 (03300/0500)\n"
        "18: 00000 (01880/0500)  |  19: 00000 (01880/0250)\n"
        "20: 00000 (01100/0100)  |  21: 00000 (00550/0100)\n"
        "22: 00000 (00550/0100)  |  23: 00000 (00550/0100)\n"
        "24: 00000 (00550/0100)  |  25: 00000 (00550/0100)\n"
        "Total:  palabras : 0  Separa lugar para 107361 ";
    EXPECT_EQ(w.dict.statistics(), expected);
    w.dict.addWord("SOL");
    EXPECT_EQ(w.dict.statistics().substr(0, 50), "02: 00000 (00400/0050)  |  03: 00001 (01100/0100)\n");
}

TEST(WordStoreTest, FullBlockAtTheCellLimitFailsCleanly) {
    ScriptedHost host;
    // Room for 6 rows of 3 cells: at most 4 words, whatever the growth step.
    Ordstribe s(3, 2, 100, &host, 18);
    const char* words[] = {"ABC", "ABD", "ABE", "ABF", "ABG", "ABH"};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(s.insertCodes(words[i]));
    EXPECT_EQ(s.capacity(), 4);
    EXPECT_FALSE(s.insertCodes(words[4]));
    EXPECT_FALSE(s.insertCodes(words[5]));
    ASSERT_EQ(host.reports().size(), 2u);
    EXPECT_EQ(host.reports()[0].text, "No más memoria/No puede leer más palabras");
    EXPECT_EQ(host.reports()[0].caption, "FATAL ERROR");
    EXPECT_EQ(s.count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(s.matchesPattern(words[i]));
    EXPECT_FALSE(s.matchesPattern(words[4]));
    expectListsConsistent(s);
}

TEST(WordStoreTest, HugeSizesAreCappedToWhatALinkCanAddress) {
    ScriptedHost host;
    Ordstribe s(25, std::int64_t{1} << 40, 100, &host, 25 * 10);
    EXPECT_EQ(s.capacity(), 8);
    EXPECT_TRUE(host.messages.empty());
}

// Lists of 65535 words or more are still chosen and walked: a pattern whose
// known letters all sit on such lists must not look letterless.
TEST(WordStoreTest, VeryLongListsAreStillSearched) {
    ScriptedHost host;
    Ordstribe s(6, 150000, 500, &host);
    char word[7] = {};
    for (int i = 0; i < 70000; ++i) {
        for (int k = 0, v = i; k < 4; ++k, v /= 26) word[1 + k] = static_cast<char>('A' + v % 26);
        word[0] = word[5] = 'A';
        ASSERT_TRUE(s.insertCodes(word));
        word[0] = word[5] = 'B';
        ASSERT_TRUE(s.insertCodes(word));
    }
    ASSERT_EQ(s.list(0, 'A').count, 70000);
    EXPECT_FALSE(s.matchesPattern("A    B"));
    EXPECT_TRUE(s.matchesPattern("A    A"));
    LetterSet set = 0;
    EXPECT_FALSE(s.lettersAt("A    B", 1, 6, set));
    EXPECT_EQ(set, 0u);
    EXPECT_TRUE(s.lettersAt("A    A", 1, 6, set));
    EXPECT_EQ(set, (LetterSet{1} << 27) - 2);  // A..Z
    EXPECT_TRUE(host.messages.empty());
}

TEST(WordStoreTest, RarestPositionTiesKeepTheLeftmost) {
    World w;
    for (const char* word : {"ABCD", "ABCE", "XBCF", "XYCG"}) w.dict.addWord(word);
    const Ordstribe& s = w.dict.ordstribe(4);
    // Counts: A@0 2, B@1 3, C@2 4, D@3 1, X@0 2, Y@1 1.
    auto r = s.chooseRarest("ABC ", 4);
    EXPECT_EQ(r.known, 2);
    EXPECT_EQ(r.p1, 0);
    EXPECT_EQ(r.p2, 1);
    r = s.chooseRarest("AYCD", 4);  // Y and D both 1: the leftmost is the rarest
    EXPECT_EQ(r.p1, 1);
    EXPECT_EQ(r.p2, 3);
    r = s.chooseRarest("XB  ", 4);  // X 2 then B 3
    EXPECT_EQ(r.p1, 0);
    EXPECT_EQ(r.p2, 1);
    r = s.chooseRarest("  C ", 4);
    EXPECT_EQ(r.known, 1);
    EXPECT_EQ(r.p1, 2);
    EXPECT_EQ(s.chooseRarest("    ", 4).known, 0);
}

}  // namespace
}  // namespace bv
