// The generator is checked by real fills on small grids with a small in-memory
// dictionary: properties of the filled grid, and the behaviour of the stops when
// slots fail, keys are pressed or the timer orders returns.
#include "engine/Generator.h"

#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/Rotor.h"
#include "platform/ScriptedHost.h"
#include "tests/engine/TestWords.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace bv {
namespace {

using ::testing::HasSubstr;

// A fresh program world per test: dictionary, route, parameters, random source,
// clock and the run state that normally outlives runs.
struct World {
    explicit World(uint32_t seed = 7) : random(seed) {}

    Language language;
    ScriptedHost host;
    BogPoint dict{1000, language, host};
    Rotor rotor;
    Route route;
    FuzzyParametre params;
    Random random;
    ManualTickClock clock;
    FillRunState state;
    RunCounters counters;
    bool simpleMenu = false;
    FillWorld fw{dict, rotor, route, params, random, clock, state, counters, simpleMenu};
    std::set<std::string> words;

    void addWords(std::string_view list) {
        std::istringstream in{std::string(list)};
        std::string w;
        while (in >> w) {
            ASSERT_TRUE(dict.addWord(w)) << w;
            words.insert(w);
        }
    }
};

// '#' a clue cell, '.' an empty cell, anything else a letter already in place.
Simpelarr makeGrid(const std::vector<std::string>& rows, Host* host) {
    Simpelarr g(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), host);
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x) {
            const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (c == '#') g.put(BLOCK, x, y);
            else if (c != '.') g.put(c, x, y);
        }
    return g;
}

std::vector<std::string> rowsOf(const Simpelarr& g) { return g.rowTexts(); }

struct StopSpec {
    int x, y, ret, rc;
};

// Stops in the given order, numbered from 1, then two end markers; no seeds.
void setRoute(Route& route, const std::vector<StopSpec>& stops) {
    route.discard();
    int nr = 1;
    for (const StopSpec& s : stops) {
        Vejstop v;
        v.x = s.x;
        v.y = s.y;
        v.ret = static_cast<std::int8_t>(s.ret);
        v.rc = s.rc;
        v.nr = nr++;
        route.append(v);
    }
    route.append(Vejstop{});
    route.append(Vejstop{});
    route.seedA = {-1, 0, 0};
    route.seedB = {-1, 0, 0};
}

// A route over every slot of two or more cells: the longest first, then always
// the slot crossing most of the slots already chosen.
void routeOverAllSlots(Route& route, Simpelarr grid) {
    grid.deriveSlots();
    std::vector<const EtOrd*> open;
    for (const EtOrd& s : grid.slots())
        if (s.len >= 2) open.push_back(&s);
    auto cells = [](const EtOrd* s) {
        std::set<std::pair<int, int>> c;
        for (int i = 0; i < s->len; ++i) c.insert(s->ret == 0 ? std::pair{s->x + i, s->y} : std::pair{s->x, s->y + i});
        return c;
    };
    std::set<std::pair<int, int>> covered;
    std::vector<StopSpec> stops;
    while (!open.empty()) {
        auto best = open.begin();
        auto score = [&](const EtOrd* s) {
            int shared = 0;
            for (auto c : cells(s)) shared += static_cast<int>(covered.count(c));
            return std::pair{shared, s->len};
        };
        for (auto it = open.begin(); it != open.end(); ++it)
            if (score(*it) > score(*best)) best = it;
        stops.push_back({(*best)->x, (*best)->y, (*best)->ret, 0});
        for (auto c : cells(*best)) covered.insert(c);
        open.erase(best);
    }
    setRoute(route, stops);
}

// Every slot of two or more cells, as text.
std::vector<std::string> wordsOf(Simpelarr grid) {
    grid.deriveSlots();
    std::vector<std::string> out;
    for (const EtOrd& s : grid.slots())
        if (s.len >= 2) out.emplace_back(s.word());
    return out;
}

// ---------------------------------------------------------------------------
// Whole fills

struct FillCase {
    const char* name;
    std::vector<std::string> rows;
};

class RealFill : public ::testing::TestWithParam<FillCase> {};

// Fills the grid from the given random seed; answers the result and the rows.
std::pair<int, std::vector<std::string>> fillOnce(const FillCase& c, World& w) {
    w.addWords(testwords::kThree);
    w.addWords(testwords::kFour);
    Simpelarr grid = makeGrid(c.rows, &w.host);
    routeOverAllSlots(w.route, grid);
    w.route.seedA = {0, 0, 0};  // a letter in the first and in the second stop's slot
    w.route.seedB = {0, 0, 0};
    const int r = runFill(w.fw, grid, true);
    return {r, rowsOf(grid)};
}

TEST_P(RealFill, EverySlotIsADistinctDictionaryWordAndTheSeedDecidesTheGrid) {
    const FillCase& c = GetParam();
    // Two seed letters drawn from all 26 can defeat a dictionary this small, so
    // not every seed fills; those that do must give sound grids.
    std::set<std::vector<std::string>> filledGrids;
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        World w(seed);
        const auto [result, rows] = fillOnce(c, w);
        World again(seed);
        EXPECT_EQ(fillOnce(c, again), std::pair(result, rows)) << "seed " << seed;
        EXPECT_TRUE(w.host.reports().empty());
        if (result != 1) {
            EXPECT_EQ(result, 0) << "seed " << seed;
            continue;
        }
        filledGrids.insert(rows);
        Simpelarr grid = makeGrid(rows, nullptr);
        std::set<std::string> distinct;
        for (const std::string& word : wordsOf(grid)) {
            EXPECT_TRUE(w.words.count(word)) << word;
            EXPECT_TRUE(distinct.insert(word).second) << "twice: " << word;
        }
        for (int y = 0; y < grid.height(); ++y)
            for (int x = 0; x < grid.width(); ++x) {
                const bool clue = c.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
                EXPECT_EQ(grid.get(x, y) == BLOCK, clue) << x << "," << y;
                if (!clue) {
                    EXPECT_NE(grid.get(x, y), BLANK) << x << "," << y;
                }
            }
    }
    EXPECT_GE(filledGrids.size(), 3u);  // most seeds fill, and the seed matters
}

INSTANTIATE_TEST_SUITE_P(Grids, RealFill,
                         ::testing::Values(FillCase{"square3", {"...", "...", "..."}},
                                           FillCase{"ladder", {"....", ".#.#", "...."}},
                                           FillCase{"singles", {"...#.", "#....", "...#."}}),
                         [](const auto& tp) { return std::string(tp.param.name); });

// Two hundred independent slots on a 40 x 40 grid: the deepest recursion a
// route of this size gives, and every word different.
TEST(Generator, LongRouteFillsWithoutRepeatingAWord) {
    World w;
    w.addWords(testwords::kThree);
    std::vector<std::string> rows;
    std::vector<StopSpec> stops;
    for (int y = 0; y < 40; ++y) {
        if (y % 2 == 1) {
            rows.push_back(std::string(40, '#'));
            continue;
        }
        rows.push_back("...#...#...#...#...#...#...#...#...#...#");
        for (int x = 0; x < 40; x += 4) stops.push_back({x, y, 0, 0});
    }
    Simpelarr grid = makeGrid(rows, &w.host);
    setRoute(w.route, stops);
    ASSERT_EQ(runFill(w.fw, grid, false), 1);
    std::set<std::string> distinct;
    for (const std::string& word : wordsOf(grid)) {
        EXPECT_TRUE(w.words.count(word)) << word;
        EXPECT_TRUE(distinct.insert(word).second) << word;
    }
    EXPECT_EQ(distinct.size(), 200u);
}

// A clock that moves on by 5 ms every time it is read.
struct SteppingClock : TickClock {
    uint32_t now = 0;
    uint32_t ticks() override { return now += 5; }
};

TEST(Generator, TimeAtEachStopIsAddedToItsElapsed) {
    World w;
    w.addWords("CAT DOG");
    SteppingClock clock;
    FillWorld fw = w.fw;
    FillWorld timed{fw.dictionary, fw.rotor, fw.route, fw.params, fw.random, clock, fw.runState, fw.counters, fw.simpleMenu};
    Simpelarr grid = makeGrid({"CAT", "###", "..."}, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}, {0, 2, 0, 0}, {0, 2, 0, 0}});
    EXPECT_EQ(runFill(timed, grid, false), 1);
    for (const Vejstop& s : w.route.stops()) {
        if (!s.isEndMarker()) {
            EXPECT_EQ(s.elapsed, 5);
        }
    }
}

TEST(Generator, StopStatisticsStayAtTheirMaximum) {
    World w;
    w.addWords("CAT DOG");
    SteppingClock clock;
    FillWorld fw = w.fw;
    FillWorld timed{fw.dictionary, fw.rotor, fw.route, fw.params, fw.random, clock, fw.runState, fw.counters, fw.simpleMenu};
    Simpelarr grid = makeGrid({"..."}, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}});
    w.route.stops()[0].visits = INT32_MAX;
    w.route.stops()[0].elapsed = INT32_MAX - 1;
    EXPECT_EQ(runFill(timed, grid, false), 1);
    EXPECT_EQ(w.route.stops()[0].visits, INT32_MAX);
    EXPECT_EQ(w.route.stops()[0].elapsed, INT32_MAX);
}

TEST(Generator, RouteStartingWithItsEndMarkerFillsNothingAndSucceeds) {
    World w;
    w.addWords("CAT DOG");
    Simpelarr grid = makeGrid({"...", "#.#"}, &w.host);
    setRoute(w.route, {});
    EXPECT_EQ(runFill(w.fw, grid, true), 1);
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"   ", "# #"}));
    EXPECT_TRUE(w.host.messages.empty());
}

TEST(Generator, RouteWithoutStopsIsNoFill) {
    World w;
    Simpelarr grid = makeGrid({"..", ".."}, &w.host);
    EXPECT_EQ(runFill(w.fw, grid, true), 0);
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"  ", "  "}));
}

// ---------------------------------------------------------------------------
// One stop against a prepared grid

struct OneStopCase {
    const char* name;
    std::vector<std::string> rows;
    StopSpec stop;
    int expected;
    const char* reportText;  // nullptr: no report
    const char* reportCaption;
};

class OneStop : public ::testing::TestWithParam<OneStopCase> {};

TEST_P(OneStop, GivesItsResult) {
    const OneStopCase& c = GetParam();
    World w;
    w.addWords("CAT DOG");
    Simpelarr grid = makeGrid(c.rows, &w.host);
    const std::vector<std::string> before = rowsOf(grid);
    setRoute(w.route, {c.stop});
    EXPECT_EQ(runFill(w.fw, grid, false), c.expected);
    EXPECT_EQ(rowsOf(grid), before);
    EXPECT_EQ(w.route.first()->visits, 1);
    const auto reports = w.host.reports();
    if (c.reportText == nullptr) {
        EXPECT_TRUE(reports.empty());
    } else {
        ASSERT_FALSE(reports.empty());
        EXPECT_EQ(reports.back().text, c.reportText);
        EXPECT_EQ(reports.back().caption, c.reportCaption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneStop,
    ::testing::Values(
        OneStopCase{"CompleteWord", {"CAT"}, {0, 0, 0, 0}, 1, nullptr, nullptr},
        OneStopCase{"CompleteNonWord", {"CTA"}, {0, 0, 0, 0}, 0, nullptr, nullptr},
        OneStopCase{"CompleteDuplicate", {"CAT", "###", "CAT"}, {0, 0, 0, 0}, 0, nullptr, nullptr},
        OneStopCase{"CompleteSingleLetter", {"Q#"}, {0, 0, 0, 0}, 1, nullptr, nullptr},
        OneStopCase{"EmptySingleCell", {".#", "##"}, {0, 0, 0, 5}, -5, nullptr, nullptr},
        OneStopCase{"NoCandidate", {"..", "##"}, {0, 0, 0, 3}, -3, nullptr, nullptr},
        OneStopCase{"NegativeRcBacktracksPlainly", {"..", "##"}, {0, 0, 0, -4}, 0, nullptr, nullptr},
        OneStopCase{"OnClueCellIsSkipped", {"#CAT"}, {0, 0, 0, 0}, 1,
                    "Prueba encontrar una palabra en una casilla de palabras claves/nErrores en el camino", "(0,0)"},
        OneStopCase{"OutsideTheGrid", {"CAT"}, {3, 0, 0, 0}, 0,
                    "De la ruta 2 llamada equivocada en top/n Estas seguro que hay una ruta a disposición?",
                    "Generar"},
        OneStopCase{"NamesNoSlot", {"CAT"}, {0, 0, 2, 0}, Generator::kNoSlot,
                    "No se puede encontrar la palabra a través de skafordet/n Error en el camino", "Interrumpe"}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Generator, SlotLongerThanTheDictionaryWordsIsRefusedBeforeTheRun) {
    World w;
    w.addWords("CAT DOG");
    Simpelarr grid = makeGrid({std::string(26, '.'), "#" + std::string(25, '.')}, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}});
    w.route.seedA = {0, 0, 0};
    EXPECT_EQ(runFill(w.fw, grid, true), Generator::kRefused);
    EXPECT_LT(Generator::kRefused, Generator::kUserLimit);
    EXPECT_EQ(w.route.first()->visits, 0);
    EXPECT_EQ(rowsOf(grid)[0], std::string(26, ' '));
    ASSERT_EQ(w.host.reports().size(), 1u);
    EXPECT_THAT(w.host.reports()[0].text, HasSubstr("26 casillas"));
}

TEST(Generator, CompletedNonWordMakesThePreviousStopTryEveryCandidate) {
    World w;
    w.addWords("CAT DOG EEL FOX GNU");
    Simpelarr grid = makeGrid({"...", "###", "QZQ"}, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}, {0, 2, 0, 0}});
    EXPECT_EQ(runFill(w.fw, grid, false), 0);
    EXPECT_EQ(w.route.stops()[0].visits, 1);
    EXPECT_EQ(w.route.stops()[1].visits, 5);
    EXPECT_EQ(rowsOf(grid), (std::vector<std::string>{"   ", "###", "QZQ"}));
}

TEST(Generator, WordCompletedElsewhereIsNotPlacedAgain) {
    World w;
    w.addWords("CAT DOG");
    Simpelarr grid = makeGrid({"CAT", "###", "..."}, &w.host);
    setRoute(w.route, {{0, 2, 0, 0}});
    EXPECT_EQ(runFill(w.fw, grid, false), 1);
    EXPECT_EQ(rowsOf(grid)[2], "DOG");
}

// ---------------------------------------------------------------------------
// Back-jumps: four independent rows of 5, 4, 3 and 2 cells; the dictionary has
// three words of 5, two of 4, two of 3 and none of 2 letters, so the last stop
// always fails and answers -rc.

struct BackJumpCase {
    int rc;
    int expected;
    std::array<int, 4> visits;
};

class BackJump : public ::testing::TestWithParam<BackJumpCase> {};

TEST_P(BackJump, UnwindsRcStopsAndTheNextOneTriesItsNextWord) {
    const BackJumpCase& c = GetParam();
    World w;
    w.addWords("APPLE BERRY CHILI DATE FIGS KIW LIM");
    const std::vector<std::string> rows{".....", "#####", "....#", "#####", "...##", "#####", "..###"};
    Simpelarr grid = makeGrid(rows, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}, {0, 2, 0, 0}, {0, 4, 0, 0}, {0, 6, 0, c.rc}});
    EXPECT_EQ(runFill(w.fw, grid, false), c.expected);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w.route.stops()[static_cast<std::size_t>(i)].visits, c.visits[static_cast<std::size_t>(i)]) << "stop " << i + 1;
    EXPECT_EQ(rowsOf(grid), makeGrid(rows, nullptr).rowTexts());
}

INSTANTIATE_TEST_SUITE_P(Rc, BackJump,
                         ::testing::Values(BackJumpCase{0, 0, {1, 3, 6, 12}}, BackJumpCase{1, 0, {1, 3, 6, 6}},
                                           BackJumpCase{2, 0, {1, 3, 3, 3}}, BackJumpCase{3, 0, {1, 1, 1, 1}},
                                           BackJumpCase{5, -2, {1, 1, 1, 1}}));

// ---------------------------------------------------------------------------
// Keys and timed returns: ten independent rows of three cells, plenty of words,
// and the periodic check made to fall on the ninth stop.

struct CheckCase {
    const char* name;
    int key;            // 0: no key
    int smallReturn;    // AGrclille, with the timer due
    int expected;
    int firstRevisited;  // stops from this one (1-based) to the ninth are visited twice; 0: none
};

class PeriodicCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(PeriodicCheck, ThrowsAwayTheLastWords) {
    const CheckCase& c = GetParam();
    World w;
    w.addWords(testwords::kThree);
    std::vector<std::string> rows;
    std::vector<StopSpec> stops;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) rows.push_back("###");
        stops.push_back({0, static_cast<int>(rows.size()), 0, 0});
        rows.push_back("...");
    }
    Simpelarr grid = makeGrid(rows, &w.host);
    setRoute(w.route, stops);
    if (c.key != 0) w.host.keys.push_back(c.key);
    if (c.smallReturn != 0) {
        w.params.AGrclille = c.smallReturn;
        w.params.AGtidlille = 1;
        w.params.AGstortit = 100;
        w.state.timerArmed = true;
        w.state.timerReference = 0;
        w.clock.now = 1001;
    }
    w.state.visitCounter = Generator::kCheckBit - 9;

    const int result = runFill(w.fw, grid, false);
    EXPECT_EQ(result, c.expected);
    for (int i = 1; i <= 10; ++i) {
        const bool again = c.firstRevisited != 0 && i >= c.firstRevisited && i <= 9;
        const int visits = i == 10 ? (result == 1 ? 1 : 0) : (again ? 2 : 1);
        EXPECT_EQ(w.route.stops()[static_cast<std::size_t>(i - 1)].visits, visits) << "stop " << i;
    }
    if (result == 1) {
        std::set<std::string> distinct;
        for (const std::string& word : wordsOf(grid)) {
            EXPECT_TRUE(w.words.count(word)) << word;
            EXPECT_TRUE(distinct.insert(word).second) << word;
        }
    } else {
        EXPECT_EQ(rowsOf(grid), makeGrid(rows, nullptr).rowTexts());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PeriodicCheck,
    ::testing::Values(CheckCase{"Digit3UndoesSixWords", '3', 0, 1, 3},
                      CheckCase{"Digit1UndoesTwoWords", '1', 0, 1, 7},
                      CheckCase{"Digit0UndoesTwentyMoreThanThereAre", '0', 0, -12, 0},
                      CheckCase{"OtherKeyIsDropped", 'x', 0, 1, 0},
                      CheckCase{"Esc", kKeyEsc, 0, Generator::kInterrupted + 8, 0},
                      CheckCase{"SmallTimedReturnOfThree", 0, 3, 1, 6},
                      CheckCase{"TimedReturnDeeperThanTheRouteIsNoInterruption", 0, 1000, Generator::kUserLimit, 0}),
    [](const auto& tp) { return std::string(tp.param.name); });

TEST(Generator, KeyPressShowsWhereTheSearchIsAndTheCounters) {
    World w;
    w.addWords(testwords::kThree);
    Simpelarr grid = makeGrid({"...", "###", "..."}, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}, {0, 2, 0, 0}});
    w.route.stops()[1].nr = 7;
    w.counters.savedCount = 4;
    w.counters.attemptCount = 9;
    w.state.timedReturnTotal = 2;
    w.state.visitCounter = Generator::kCheckBit - 2;
    w.host.keys.push_back('q');
    EXPECT_EQ(runFill(w.fw, grid, false), 1);
    ASSERT_EQ(w.host.statusTexts.size(), 1u);
    EXPECT_EQ(w.host.statusTexts[0], "ruta nr. 7 (0,2) corrige 0         ");
    EXPECT_EQ(w.state.statusText, "ruta nr. 7 (0,2) corrige 0         ");
    ASSERT_EQ(w.host.counters.size(), 1u);
    EXPECT_EQ(w.host.counters[0], "Guarda: 4 intenta 9 retornos 2                    ");
}

TEST(Generator, SimpleMenuShowsProgressAtEveryCheckAndCountsTimedReturns) {
    World w;
    w.addWords(testwords::kThree);
    w.simpleMenu = true;
    w.params.AGrclille = 1;
    w.params.AGtidlille = 1;
    w.params.AGstortit = 5;
    w.state.timerArmed = true;
    w.clock.now = 5000;
    Simpelarr grid = makeGrid({"...", "###", "...", "###", "..."}, &w.host);
    setRoute(w.route, {{0, 0, 0, 0}, {0, 2, 0, 0}, {0, 4, 0, 0}});
    w.state.visitCounter = Generator::kCheckBit - 3;
    EXPECT_EQ(runFill(w.fw, grid, false), 1);
    EXPECT_EQ(w.host.progressCalls, 1);
    ASSERT_EQ(w.host.counters.size(), 1u);
    EXPECT_EQ(w.host.counters[0], "Guarda: 0 intenta 0 retornos 0                    ");
    EXPECT_EQ(w.state.timedReturnTotal, 1);
    // The return of one stop undid stop 2, stop 1 changed its word, and the
    // counter restarted from the return's size.
    EXPECT_EQ(w.route.stops()[0].visits, 1);
    EXPECT_EQ(w.route.stops()[1].visits, 2);
    EXPECT_EQ(w.route.stops()[2].visits, 2);
    EXPECT_EQ(w.state.visitCounter, 3u);
}

// A run that fails (no fill, or Esc) leaves exactly the seed letters behind.
class FailedSeededRun : public ::testing::TestWithParam<bool> {};

TEST_P(FailedSeededRun, LeavesTheSeedLettersOnly) {
    const bool esc = GetParam();
    // Without Esc the last stop's row (two cells, no two-letter words) can never
    // fill; with Esc the key is taken at the last stop, after two words are placed.
    const std::vector<std::string> rows{esc ? "....." : "..###", "#####", "....#", "#####", "...##"};
    auto prepare = [&](World& w) {
        w.addWords(testwords::kThree);
        w.addWords(testwords::kFour);
        w.addWords("APPLE BERRY CHILI DATES FIGGY LEMON MANGO");
        setRoute(w.route, {{0, 2, 0, 0}, {0, 4, 0, 0}, {0, 0, 0, 0}});
        w.route.seedA = {0, 0, 0};
        w.route.seedB = {1, 4, 0};
    };
    World w(99);
    prepare(w);
    if (esc) {
        w.host.keys.push_back(kKeyEsc);
        w.state.visitCounter = Generator::kCheckBit - 3;
    }
    Simpelarr grid = makeGrid(rows, &w.host);
    const int result = runFill(w.fw, grid, true);
    if (esc) {
        EXPECT_LT(result, Generator::kUserLimit);
    } else {
        EXPECT_EQ(result, 0);
    }

    // The same seed letters, put by hand from the same random sequence.
    World again(99);
    prepare(again);
    Simpelarr expected = makeGrid(rows, &again.host);
    expected.deriveSlots();
    Generator g(again.fw);
    g.seedLetter(expected, 0, 2, 0);
    g.seedLetter(expected, 1, 4, 0);
    EXPECT_EQ(rowsOf(grid), rowsOf(expected));
    if (esc) {
        EXPECT_EQ(w.route.stops()[2].visits, 1);  // taken at the third stop's first visit
    }
    EXPECT_NE(rowsOf(expected), makeGrid(rows, nullptr).rowTexts());
}

INSTANTIATE_TEST_SUITE_P(NoFillOrEsc, FailedSeededRun, ::testing::Bool());

TEST(Generator, SeedLetterPutsOneLetterIntoTheSlotAndKeepsLetters) {
    World w;
    Simpelarr grid = makeGrid({"....", "#.##", "#.##"}, &w.host);
    grid.deriveSlots();
    Generator g(w.fw);
    g.seedLetter(grid, 1, 2, 7);  // any non-zero direction is down
    int letters = 0;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const char c = grid.get(x, y);
            if (c == BLANK || c == BLOCK) continue;
            ++letters;
            EXPECT_EQ(x, 1);
            EXPECT_TRUE(c >= 'A' && c <= 'Z') << c;
        }
    EXPECT_EQ(letters, 1);

    Simpelarr full = makeGrid({"ABCD"}, &w.host);
    full.deriveSlots();
    g.seedLetter(full, 0, 0, 0);
    EXPECT_EQ(full.row(0), "ABCD");
}

// The two seed slots cross: whatever cells the letters fall on, the second
// seed never takes away the first one's letter.
TEST(Generator, SecondSeedKeepsTheFirstSeedsLetter) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        auto seeded = [&](SeedPosition b) {
            World w(seed);
            setRoute(w.route, {});
            w.route.seedA = {1, 0, 0};  // the top row
            w.route.seedB = b;
            Simpelarr grid = makeGrid({"...", "...", "..."}, &w.host);
            EXPECT_EQ(runFill(w.fw, grid, true), 1);
            return rowsOf(grid);
        };
        const std::vector<std::string> first = seeded({-1, 0, 0});
        const std::vector<std::string> both = seeded({1, 0, 1});  // the middle column
        for (std::size_t y = 0; y < 3; ++y)
            for (std::size_t x = 0; x < 3; ++x)
                if (first[y][x] != BLANK) {
                    EXPECT_EQ(both[y][x], first[y][x]) << "seed " << seed;
                }
    }
}

// ---------------------------------------------------------------------------
// Candidate lists

TEST(Candidates, FewerFittingWordsThanSamlMaxAreAllKeptInDictionaryOrder) {
    World w;
    w.addWords("CASA CAMA COSA CODO DADO BOCA");
    w.params.samlMax = 10;
    w.params.procentBrug = 100;
    DB_Klasse ctx;
    std::strcpy(ctx.pattern, "C   ");
    ctx.length = 4;
    for (int i = 1; i < 4; ++i) {
        ctx.crossings[i].letter = BLANK;
        ctx.crossings[i].len = 1;
    }
    GrepPak list(GrepPak::kSharedSize);
    const uint32_t randomBefore = w.random.state();
    Generator g(w.fw);
    ASSERT_TRUE(g.findCandidates(ctx, list));

    std::vector<std::string> offered;
    const LetterSet all[26] = {~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u,
                               ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u, ~0u};
    Rotor rotor;
    w.dict.collectCandidates(rotor, 4, "C   ", all, [&](const char* codes) {
        offered.emplace_back(codes);
        return true;
    });
    ASSERT_EQ(offered.size(), 4u);
    ASSERT_EQ(list.count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(std::string(list.word(i)), offered[static_cast<std::size_t>(i)]);
    EXPECT_EQ(w.random.state(), randomBefore);  // no exchange was drawn
}

TEST(Candidates, OpenCrossingThatNoWordFitsMeansNoCandidates) {
    World w;
    w.addWords("CASA CAMA");
    DB_Klasse ctx;
    std::strcpy(ctx.pattern, "C   ");
    ctx.length = 4;
    ctx.crossings[1].letter = BLANK;
    ctx.crossings[1].len = 3;
    ctx.crossings[1].pos = 0;
    std::strcpy(ctx.crossings[1].letters, " XQ");
    GrepPak list(GrepPak::kSharedSize);
    Generator g(w.fw);
    EXPECT_FALSE(g.findCandidates(ctx, list));
    EXPECT_EQ(list.count(), 0);
}

TEST(Candidates, CrossingLettersRestrictTheCandidates) {
    World w;
    w.addWords("CASA CAMA COSA SOL MAR");
    DB_Klasse ctx;
    std::strcpy(ctx.pattern, "C   ");
    ctx.length = 4;
    for (int i = 1; i < 4; ++i) {
        ctx.crossings[i].letter = BLANK;
        ctx.crossings[i].len = 1;
    }
    // The crossing at cell 2 is a three-letter slot whose first cell is this one
    // and that must end in "OL": only S fits.
    ctx.crossings[2].len = 3;
    ctx.crossings[2].pos = 0;
    std::strcpy(ctx.crossings[2].letters, " OL");
    GrepPak list(GrepPak::kSharedSize);
    Generator g(w.fw);
    ASSERT_TRUE(g.findCandidates(ctx, list));
    std::set<std::string> got;
    EtOrd slot;
    const auto& a = w.language.alphabet();
    while (list.nextCandidate(slot, {reinterpret_cast<const char*>(a.data()), a.size()}))
        got.insert(std::string(slot.word()));
    EXPECT_EQ(got, (std::set<std::string>{"CASA", "COSA"}));
}

TEST(Candidates, ExchangesUntilTheBudgetIsSpentThenStopsTheWalk) {
    World w(3);
    w.params.samlMax = 10;
    w.params.procentBrug = 100;
    w.params.blandtMax = 10;
    GrepPak list(GrepPak::kSharedSize);
    list.reset(3);
    Generator g(w.fw);
    g.startCollecting(list);

    auto word = [](int i) { return std::string{char(0x41 + i / 26 % 26), char(0x41 + i % 26), 'A'}; };
    Random oracle = w.random;
    std::vector<std::string> expected;
    std::vector<bool> answers;
    for (int i = 0; i < 25; ++i) {
        const std::string codes = word(i);
        answers.push_back(g.takeCandidate(codes.c_str()));
        if (i < 10) {
            expected.push_back(codes);
        } else if (i < 20) {
            EXPECT_LT(oracle.below(100), 100);
            expected[static_cast<std::size_t>(oracle.below(10))] = codes;
        }
    }
    for (int i = 0; i < 25; ++i) EXPECT_EQ(answers[static_cast<std::size_t>(i)], i < 20) << i;
    ASSERT_EQ(list.count(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(std::string(list.word(i)), expected[static_cast<std::size_t>(i)]);
    EXPECT_EQ(w.random.state(), oracle.state());
}

// samlMax as a hand-edited parameter file may give it: more than the buffer
// holds is held to what fits, less than one collects one word.
TEST(Candidates, SamlMaxOutsideItsRangeStillCollectsSafely) {
    struct Case {
        int samlMax, length, kept;
    };
    for (const Case& c : {Case{5000, 25, static_cast<int>(GrepPak::kSharedSize / 26)}, Case{0, 3, 1}, Case{-7, 3, 1}}) {
        World w;
        w.params.samlMax = c.samlMax;
        w.params.blandtMax = 0;
        GrepPak list(GrepPak::kSharedSize);
        list.reset(c.length);
        Generator g(w.fw);
        g.startCollecting(list);
        const std::string codes(static_cast<std::size_t>(c.length), 'A');
        int taken = 0;
        while (taken < 6000 && g.takeCandidate(codes.c_str())) ++taken;
        EXPECT_EQ(list.count(), c.kept) << c.samlMax;
        EXPECT_EQ(taken, c.kept) << c.samlMax;
    }
}

TEST(Candidates, PrivateCopyKeepsTheUntakenWordsAndTheSavedSlot) {
    GrepPak shared(GrepPak::kSharedSize);
    shared.reset(2);
    shared.savedSlot.setWord("A ");
    shared.savedSlot.len = 2;
    for (const char* w : {"AB", "AC", "AD"}) shared.append(w);
    EtOrd slot;
    const std::string_view alphabet = "@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_";
    ASSERT_TRUE(shared.nextCandidate(slot, alphabet));
    EXPECT_EQ(slot.word(), "AB");
    GrepPak own = shared.privateCopy();
    EXPECT_EQ(own.capacity(), 6u);
    EXPECT_EQ(own.count(), 2);
    EXPECT_EQ(own.savedSlot.word(), "A ");
    shared.reset(2);  // the deeper stops reuse the shared list
    shared.append("ZZ");
    ASSERT_TRUE(own.nextCandidate(slot, alphabet));
    EXPECT_EQ(slot.word(), "AC");
    ASSERT_TRUE(own.nextCandidate(slot, alphabet));
    EXPECT_EQ(slot.word(), "AD");
    EXPECT_FALSE(own.nextCandidate(slot, alphabet));
    EXPECT_FALSE(own.append("AE"));  // sized to the words, no room for more
}

TEST(Generator, KeyTable) {
    const std::vector<std::pair<int, int>> table{{'0', -20}, {'1', -2}, {'2', -4}, {'3', -6}, {'4', -8}, {'5', -10},
                                                 {'6', -12}, {'7', -14}, {'8', -16}, {'9', -18}, {'a', 0}, {27, 0}};
    for (auto [key, value] : table) EXPECT_EQ(Generator::keyReturn(key), value) << key;
}

}  // namespace
}  // namespace bv
