#pragma once
// RunCounters: the program-wide counters that the generator shows on its
// counters line. The batch layer owns and updates them (saved crosswords, fill
// attempts, the start of the current attempt); the generator only reads them.
#include <ctime>

namespace bv {

struct RunCounters {
    int savedCount = 0;           // basic crosswords saved so far
    int attemptCount = 0;         // fill attempts so far, successful or not
    std::time_t attemptStart = 0; // wall-clock time at which the current attempt started
};

}  // namespace bv
