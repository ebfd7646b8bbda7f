// No word may stand twice in a finished crossword, counting every slot of two or
// more cells: also the slots that are no stop of the route because crossing
// words complete them.
//
// Small fixtures whose routes cover cells but not every slot show each way a
// repetition can arise (two crossings completed by one word, a crossing equal to
// the word just placed, a crossing equal to a route word elsewhere); the shipped
// models, filled with the imported Spanish dictionary and several seeds, must
// give grids without any repeated word.
#include "engine/Generator.h"

#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/Rotor.h"
#include "dictionary/WordFiles.h"
#include "engine/GridPicture.h"
#include "platform/ScriptedHost.h"
#include "platform/WorkTickClock.h"
#include "tests/engine/EngineTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace bv {
namespace {

using bvtest::repeatedWords;
using bvtest::wordCounts;

// One small fill: words, a grid drawn as rows ('#' clue cell, '.' empty, else a
// letter in place) and a route of across stops, no seed letters.
struct SmallFill {
    Language language;
    ScriptedHost host;
    BogPoint dict{1000, language, host};
    Rotor rotor;
    Route route;
    FuzzyParametre params;
    Random random{1};
    ManualTickClock clock;
    FillRunState state;
    RunCounters counters;
    bool simpleMenu = false;
    FillWorld world{dict, rotor, route, params, random, clock, state, counters, simpleMenu};

    void addWords(const std::string& words) {
        std::istringstream in{words};
        for (std::string w; in >> w;) ASSERT_TRUE(dict.addWord(w)) << w;
    }
    Simpelarr grid(const std::vector<std::string>& rows) {
        Simpelarr g(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), &host);
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x) {
                const char ch = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                if (ch != '.') g.put(ch == '#' ? BLOCK : ch, x, y);
            }
        return g;
    }
    void addAcrossStop(int x, int y, int rc = 0) {
        Vejstop v;
        v.x = x;
        v.y = y;
        v.ret = kAcross;
        v.rc = rc;
        v.nr = static_cast<int>(route.stopCount()) + 1;
        route.append(v);
    }
    void endRoute() {
        route.append(Vejstop{});
        route.seedA = {-1, 0, 0};
        route.seedB = {-1, 0, 0};
    }
};

struct Across {
    int x, y;
};

struct RepeatCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<Across> stops;       // rc 0; the down slots are no stops
    const char* words;
    int expected;                    // 1 filled, 0 no fill without a repetition
    std::vector<std::string> after;  // the rows after the run
};

void PrintTo(const RepeatCase& c, std::ostream* os) { *os << c.name; }

class RepeatOutsideTheRoute : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatOutsideTheRoute, IsRejectedLikeADuplicate) {
    const RepeatCase& c = GetParam();
    SmallFill f;
    f.addWords(c.words);
    Simpelarr grid = f.grid(c.rows);
    for (const Across& s : c.stops) f.addAcrossStop(s.x, s.y);
    f.endRoute();
    EXPECT_EQ(runFill(f.world, grid, false), c.expected);
    EXPECT_EQ(grid.rowTexts(), c.after);
    EXPECT_EQ(repeatedWords(grid), "");
    EXPECT_TRUE(f.host.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, RepeatOutsideTheRoute,
    ::testing::Values(
        // Every fill the words allow repeats a two-letter down word (ABA over BAB
        // gives AB, BA, AB): no crossword, and the grid is left as it was.
        RepeatCase{"OnlyFillsRepeatATwoLetterWord", {"...", "..."}, {{0, 0}, {0, 1}}, "ABA BAB AB BA", 0,
                   {"   ", "   "}},
        // BEB under ABA completes AB twice in one placement; BED is the fill.
        RepeatCase{"TwoCrossingsOfOnePlacementAreEqual",
                   {"...", "..."},
                   {{0, 0}, {0, 1}},
                   "ABA BED BEB AB AD BE",
                   1,
                   {"ABA", "BED"}},
        // ADA in the last row makes the first column ADA too. After it is taken
        // back, the second column reads "BE " again, so BED (which that column
        // held with ADA in place) is no repetition and fills.
        RepeatCase{"CrossingEqualsThePlacedWordAndTakingItBackLeavesNoStaleText",
                   {"ABC", "DEF", "..."},
                   {{0, 2}},
                   "ADA BED ADB BEE CFD CFA",
                   1,
                   {"ABC", "DEF", "BED"}},
        // The only word square of these words is symmetric: every down word is
        // the across word of the same number, on the route elsewhere.
        RepeatCase{"CrossingsEqualRouteWordsElsewhere",
                   {"...", "...", "..."},
                   {{0, 0}, {0, 1}, {0, 2}},
                   "ABC BDE CEF",
                   0,
                   {"   ", "   ", "   "}}),
    [](const auto& tp) { return std::string(tp.param.name); });

// A stop none of whose candidates can be placed, because each would repeat a
// word, jumps back like a stop without candidates. Rows 0 and 2 take
// three-letter words; the 2 x 2 block below can only hold AB over BA or BA over
// AB, whose down words repeat the rows, so the block's lower row never places a
// word. That row is always the last stop; the route order and its rc vary.
struct RepeatJumpCase {
    const char* name;
    std::vector<int> stopRows;  // the row of each across stop, in route order
    int rc;                     // the last stop's back-jump count
    std::vector<int> visits;    // visits of the stops afterwards
};

void PrintTo(const RepeatJumpCase& c, std::ostream* os) { *os << c.name; }

class RepeatJump : public ::testing::TestWithParam<RepeatJumpCase> {};

TEST_P(RepeatJump, StopJumpsBackToWhereTheRepetitionCanChange) {
    const RepeatJumpCase& c = GetParam();
    SmallFill f;
    f.addWords("ABC DEF GHI AB BA");
    Simpelarr grid = f.grid({"...", "###", "...", "###", "..#", "..#"});
    for (int row : c.stopRows) f.addAcrossStop(0, row);
    f.addAcrossStop(0, 5, c.rc);
    f.endRoute();
    EXPECT_EQ(runFill(f.world, grid, false), 0);
    std::vector<int> visits;
    for (int i = 0; i < 4; ++i) visits.push_back(f.route.stops()[static_cast<std::size_t>(i)].visits);
    EXPECT_EQ(visits, c.visits);
    EXPECT_EQ(grid.rowTexts(), (std::vector<std::string>{"   ", "###", "   ", "###", "  #", "  #"}));
}

INSTANTIATE_TEST_SUITE_P(
    Jump, RepeatJump,
    ::testing::Values(
        // The block's upper row is the third stop, right above: with rc 0 every
        // word of it is tried; rc 2 goes straight back to the first stop's next word.
        RepeatJumpCase{"BlockLastRc0", {0, 2, 4}, 0, {1, 3, 6, 12}},
        RepeatJumpCase{"BlockLastRc2", {0, 2, 4}, 2, {1, 3, 3, 3}},
        // The block's upper row is the first stop: the repeated down words can
        // only change with its word, so the last stop goes straight back there,
        // past the two rows between (plain backtracking would give 1, 2, 6, 12).
        // rc 2 lands there too; rc 3 passes the start of the route and ends the
        // attempt at once.
        RepeatJumpCase{"BlockFirstRc0", {4, 0, 2}, 0, {1, 2, 2, 2}},
        RepeatJumpCase{"BlockFirstRc2", {4, 0, 2}, 2, {1, 2, 2, 2}},
        RepeatJumpCase{"BlockFirstRc3", {4, 0, 2}, 3, {1, 1, 1, 1}}),
    [](const auto& tp) { return std::string(tp.param.name); });

// The shipped models with the imported Spanish dictionary, the shipped fuzzy
// parameters and returns timed by the work done: every fill has no word twice.
TEST(NoRepeatedWord, ShippedModelsFillWithoutRepeatingAWord) {
    const std::string dicPath = std::string(BV_BINARY_DIR) + "/dic/spanish.dic";
    if (!std::filesystem::exists(dicPath)) GTEST_SKIP() << "no " << dicPath;
    ScriptedHost host;
    Language language;
    language.setLanguage(Language::kSpanish, host);
    BogPoint dict(BogPoint::kStartSize, language, host);
    LoadSummary summary;
    summary.quiet = true;
    ASSERT_TRUE(loadWordFile(dict, dicPath, &summary));
    FuzzyParametre params;
    params.readParameters(std::string(BV_SOURCE_DIR) + "/data/Default.par", host);
    ASSERT_TRUE(host.messages.empty());

    for (int model : {1, 4, 5, 6}) {
        const std::string name = "model" + std::to_string(model);
        std::string error;
        auto pic = GridPicture::readFile(std::string(BV_SOURCE_DIR) + "/data/grids/" + name + ".txt", error);
        ASSERT_TRUE(pic.has_value()) << error;
        Route route;
        Simpelarr work = pic->makeGrid(&host);
        ASSERT_TRUE(route.autoRoute(work));
        ASSERT_TRUE(route.optimiseRoute(pic->makeGrid(&host)));

        Rotor rotor;
        Random random;
        WorkTickClock clock;
        FillRunState state;
        RunCounters counters;
        bool simpleMenu = false;
        FillWorld world{dict, rotor, route, params, random, clock, state, counters, simpleMenu};
        Generator generator(world);
        for (std::uint32_t seed : {1u, 2u, 3u}) {
            random.seed(seed);
            int r = 0;
            Simpelarr grid = pic->makeGrid(&host);
            for (int attempt = 0; attempt < 100 && r <= 0; ++attempt) {
                grid = pic->makeGrid(&host);
                r = generator.runFill(grid, true);
            }
            ASSERT_EQ(r, 1) << name << " seed " << seed << " did not fill";
            const std::map<std::string, int> counts = wordCounts(grid);
            EXPECT_GT(counts.size(), 10u) << name;
            for (const auto& [word, n] : counts) {
                EXPECT_TRUE(dict.hasWord(word)) << name << " seed " << seed << ": " << word;
            }
            EXPECT_EQ(repeatedWords(grid), "") << name << " seed " << seed;
        }
    }
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace bv
