// Timed returns: the timer is armed by the first check of the program's life;
// afterwards each check more than AGtidlille seconds after the last return
// orders a small return, and every (AGstortit + 1)-th one a large return.
#include "engine/FillRunState.h"

#include "platform/TickClock.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace bv {
namespace {

FuzzyParametre returnParams(int rcLille, int tidLille, int storTit, int rcStor) {
    FuzzyParametre p;
    p.AGrclille = rcLille;
    p.AGtidlille = tidLille;
    p.AGstortit = storTit;
    p.AGantalrcstor = rcStor;
    return p;
}

TEST(TimedReturn, SmallSmallLargeThenTheCycleStartsAgain) {
    const FuzzyParametre p = returnParams(3, 1, 2, 20);
    FillRunState st;
    ManualTickClock clock;
    // (tick count, expected answer)
    const std::vector<std::pair<uint32_t, int>> checks{
        {500, 0},   // arms the timer
        {1500, 0},  // exactly one second: not yet
        {1501, 3}, {2000, 0}, {2502, 3}, {3503, 20}, {4504, 3}, {5505, 3}, {6506, 20}, {6507, 0},
    };
    for (auto [now, expected] : checks) {
        clock.now = now;
        EXPECT_EQ(st.timedReturn(clock.ticks(), p), expected) << "at " << now;
    }
    EXPECT_TRUE(st.timerArmed);
    EXPECT_EQ(st.timedReturnTotal, 6);
    EXPECT_EQ(st.smallReturns, 0);
}

TEST(TimedReturn, TimerKeepsRunningAcrossRunsAndTickWrap) {
    const FuzzyParametre p = returnParams(3, 1, 2, 20);
    FillRunState st;
    EXPECT_EQ(st.timedReturn(0xFFFFFF00u, p), 0);
    EXPECT_EQ(st.timedReturn(0x00000100u, p), 0);  // 512 ms later, through the wrap
    EXPECT_EQ(st.timedReturn(0x00000400u, p), 3);  // 1280 ms after arming
}

TEST(TimedReturn, ParametersAtZeroNeverOrderAReturn) {
    const FuzzyParametre p;  // the defaults before any parameter file
    FillRunState st;
    for (uint32_t t = 0; t < 100000; t += 3000) EXPECT_EQ(st.timedReturn(t, p), 0);
    EXPECT_EQ(st.timedReturnTotal, 0);
}

TEST(TimedReturn, NegativeSizeFromAFileOrdersNothing) {
    const FuzzyParametre p = returnParams(-4, 1, 2, -9);
    FillRunState st;
    st.timedReturn(0, p);
    EXPECT_EQ(st.timedReturn(2000, p), 0);
    EXPECT_EQ(st.timedReturnTotal, 0);
}

}  // namespace
}  // namespace bv
