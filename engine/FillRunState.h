#pragma once
// FillRunState: what the generator keeps between runs for the whole life of the
// program: the visit counter that paces the periodic check, the timer of the
// timed returns, how many timed returns have been ordered, and the last status
// line. One instance is owned by the application state (or by a test) and handed
// to every run; nothing here is global.
#include "engine/FuzzyParametre.h"

#include <cstdint>
#include <string>

namespace bv {

struct FillRunState {
    // Incremented on every stop visit; the periodic check runs while bit 7 is set.
    unsigned visitCounter = 0;
    // Tick count of the last timed return (or of arming the timer).
    uint32_t timerReference = 0;
    // Set on the first periodic check of the program's life and never cleared.
    bool timerArmed = false;
    // Small returns since the last large one.
    int smallReturns = 0;
    // Timed returns (small and large) ordered so far; shown as "retornos" on the
    // counters line.
    int timedReturnTotal = 0;
    // The last composed status line (also the caption of the clue-cell report).
    std::string statusText;

    // Decides whether the timer orders a return now. `now` is the current tick
    // count. Answers 0 for no return, otherwise the number of stops to return:
    // AGrclille for a small return, AGantalrcstor for every (AGstortit+1)-th one.
    // The first call of the program's life only arms the timer.
    int timedReturn(uint32_t now, const FuzzyParametre& params);
};

}  // namespace bv
