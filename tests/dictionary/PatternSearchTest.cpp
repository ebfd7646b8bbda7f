#include "dictionary/BogPoint.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bv {
namespace {

constexpr LetterSet kAll = 0xFFFFFFFFu;
LetterSet bit(char letter) { return LetterSet{1} << (letter & 31); }

struct World {
    Language language;
    ScriptedHost host;
    BogPoint dict{1000, language, host};
    Rotor rotor;
    World(std::initializer_list<const char*> words) {
        language.setLanguage(9, host);
        for (const char* w : words) dict.addWord(w);
    }
    std::vector<std::string> collect(std::string_view pattern, std::vector<LetterSet> sets = {}) {
        if (sets.empty()) sets.assign(pattern.size(), kAll);
        std::vector<std::string> out;
        dict.collectCandidates(rotor, static_cast<int>(pattern.size()), pattern, sets.data(),
                               [&](const char* w) { out.emplace_back(w); return true; });
        return out;
    }
    std::vector<std::string> grep(std::string_view pattern) {
        std::vector<std::string> out;
        dict.grepWords(rotor, pattern, [&](const char* w) { out.emplace_back(w); return true; });
        return out;
    }
};

using Words = std::vector<std::string>;

TEST(PatternSearchTest, CandidatesComeNewestFirstFromTheRarestList) {
    World w{"CASA", "CAMA", "COSA"};
    EXPECT_EQ(w.collect("C..A"), (Words{"COSA", "CAMA", "CASA"}));
    EXPECT_EQ(w.collect("CA?A"), (Words{"CAMA", "CASA"}));
    EXPECT_EQ(w.collect("C SA"), (Words{"COSA", "CASA"}));
    EXPECT_EQ(w.collect("cosa"), (Words{"COSA"}));
    EXPECT_EQ(w.collect("CASO"), Words{});
    EXPECT_EQ(w.rotor.value, 12u);  // a known letter leaves the rotor alone
}

TEST(PatternSearchTest, LetterSetsRestrictTheBlankPositions) {
    World w{"CASA", "CAMA", "COSA"};
    EXPECT_EQ(w.collect("C  A", {kAll, kAll, bit('S'), kAll}), (Words{"COSA", "CASA"}));
    EXPECT_EQ(w.collect("C  A", {kAll, bit('A'), bit('S') | bit('M'), kAll}), (Words{"CAMA", "CASA"}));
    // One known letter: only the sets are checked.
    EXPECT_EQ(w.collect("   A", {kAll, bit('O'), kAll, kAll}), (Words{"COSA"}));
    // No known letter.
    EXPECT_EQ(w.collect("    ", {kAll, kAll, bit('M'), kAll}), (Words{"CAMA"}));
}

TEST(PatternSearchTest, LengthsOutsideTheStoreFindNothing) {
    World w{"AB", "CASA"};
    EXPECT_EQ(w.collect("A"), Words{});
    EXPECT_EQ(w.grep("A"), Words{});
    EXPECT_EQ(w.grep(std::string(26, '.')), Words{});
    LetterSet set = 0;
    EXPECT_FALSE(w.dict.lettersAt("A", 0, 1, set));
    std::string p26(26, ' ');
    EXPECT_FALSE(w.dict.lettersAt(p26.c_str(), 0, 26, set));
    EXPECT_EQ(set, 0u);
    EXPECT_EQ(w.rotor.value, 12u);
}

TEST(PatternSearchTest, LettersAtCrossings) {
    World w{"CASA", "CAMA", "COSA"};
    struct Case {
        const char* pattern;
        int position;
        LetterSet added;
        bool fits;
    } cases[] = {
        {"C  A", 2, bit('S') | bit('M'), true},
        {"CA A", 2, bit('S') | bit('M'), true},
        {"C  E", 1, 0, false},
        {"   A", 1, bit('A') | bit('O'), true},  // one known letter
        {"    ", 0, bit('C'), true},              // none known
        {"    ", 2, bit('S') | bit('M'), true},
        {"CASA", 2, bit('S'), true},              // the asked letter is known
        {"CAXA", 2, bit('X'), false},             // added even when nothing fits
        {"Z   ", 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        LetterSet set = 0;
        EXPECT_EQ(w.dict.lettersAt(c.pattern, c.position, 4, set), c.fits);
        EXPECT_EQ(set, c.added);
    }
    LetterSet set = bit('Q');
    w.dict.lettersAt("C  A", 1, 4, set);  // adds to what is there
    EXPECT_EQ(set, bit('Q') | bit('A') | bit('O'));
}

TEST(PatternSearchTest, CountsStayExactAfterRemoval) {
    World w{"CASA", "CAMA", "COSA", "COMA"};
    w.dict.removeWord("CAMA");
    EXPECT_EQ(w.collect("C..A"), (Words{"COMA", "COSA", "CASA"}));
    EXPECT_EQ(w.dict.ordstribe(4).list(2, 'M').count, 1);
    LetterSet set = 0;
    EXPECT_TRUE(w.dict.lettersAt("CA A", 2, 4, set));
    EXPECT_EQ(set, bit('S'));
}

TEST(PatternSearchTest, LetterlessCandidatesFollowTheRotor) {
    // Letters at position 1 (13 % 4): B, N, O, Z. The walk starts at letter 14 (N).
    World w{"ABAA", "ANAA", "AOAA", "AZAA", "BBAA"};
    EXPECT_EQ(w.collect("    "), (Words{"ANAA", "AOAA", "AZAA", "BBAA", "ABAA"}));
    EXPECT_EQ(w.rotor.value, 14u);
    // Next time: rotor 15, position 15 % 4 = 3 (all A), walk starts at 16.
    EXPECT_EQ(w.collect("    "), (Words{"BBAA", "AZAA", "AOAA", "ANAA", "ABAA"}));
    EXPECT_EQ(w.rotor.value, 16u);
}

TEST(PatternSearchTest, StoppingEndsOnlyTheListInHandWithoutKnownLetters) {
    World w{"ABAA", "ANAA", "AOAA", "BNAA"};
    std::vector<std::string> offered;
    std::vector<LetterSet> sets(4, kAll);
    w.dict.collectCandidates(w.rotor, 4, "    ", sets.data(), [&](const char* x) {
        offered.emplace_back(x);
        return false;
    });
    // One word from each non-empty list of position 1, from letter 14 on.
    EXPECT_EQ(offered, (Words{"BNAA", "AOAA", "ABAA"}));
    offered.clear();
    w.dict.collectCandidates(w.rotor, 4, "A   ", sets.data(), [&](const char* x) {
        offered.emplace_back(x);
        return false;
    });
    EXPECT_EQ(offered, (Words{"AOAA"}));
}

TEST(PatternSearchTest, GrepRotorAndOrder) {
    World w{"ABAA", "ANAA", "AOAA", "BBAA"};
    // No known letter: position 12 % 4 = 0, rotor 13, then 14: lists of
    // position 0 from letter 14 round to A (1) and B (2).
    EXPECT_EQ(w.grep("...."), (Words{"AOAA", "ANAA", "ABAA", "BBAA"}));
    EXPECT_EQ(w.rotor.value, 14u);
    // Next: position 14 % 4 = 2 (all A), so the order is the list's, newest first.
    EXPECT_EQ(w.grep("????"), (Words{"BBAA", "AOAA", "ANAA", "ABAA"}));
    EXPECT_EQ(w.rotor.value, 16u);
    EXPECT_EQ(w.grep(".B.."), (Words{"BBAA", "ABAA"}));
    EXPECT_EQ(w.grep("AB.A"), (Words{"ABAA"}));
    EXPECT_EQ(w.grep("ab a"), (Words{"ABAA"}));
    EXPECT_EQ(w.rotor.value, 16u);
}

TEST(PatternSearchTest, GrepTextStopsAtTheLimit) {
    World w{};
    // 700 five-letter words: at most 2500 / 6 = 416 fit.
    int stored = 0;
    for (char a = 'A'; a <= 'Z' && stored < 700; ++a)
        for (char b = 'A'; b <= 'Z' && stored < 700; ++b) {
            std::string word = {a, b, 'C', 'D', 'E'};
            stored += w.dict.addWord(word);
        }
    std::string text = w.dict.grepText(w.rotor, "..CDE");
    EXPECT_EQ(text.size(), 416u * 6);
    EXPECT_LE(text.size(), BogPoint::kGrepLimit);
    EXPECT_EQ(text.substr(0, 6).back(), ' ');
    EXPECT_EQ(w.dict.grepText(w.rotor, "ZZCDX"), "");
    EXPECT_EQ(w.dict.grepText(w.rotor, "AZCDE"), "AZCDE ");
}

TEST(PatternSearchTest, GrepTextShowsTheCurrentAlphabet) {
    World w{"\xD1" "ANDU"};  // Windows-1252
    EXPECT_EQ(w.dict.grepText(w.rotor, "?AND?"), "\xD1" "ANDU ");
}

}  // namespace
}  // namespace bv
