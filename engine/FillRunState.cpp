#include "engine/FillRunState.h"

namespace bv {

int FillRunState::timedReturn(uint32_t now, const FuzzyParametre& params) {
    if (!timerArmed) {
        timerArmed = true;
        timerReference = now;
        return 0;
    }
    // Unsigned difference, so a wrapping tick count still measures correctly.
    const uint32_t passed = now - timerReference;
    const int64_t limit = static_cast<int64_t>(params.AGtidlille) * 1000;
    if (static_cast<int64_t>(passed) <= limit) return 0;

    ++smallReturns;
    timerReference = now;
    int answer;
    if (smallReturns <= params.AGstortit) {
        answer = params.AGrclille;
    } else {
        smallReturns = 0;
        answer = params.AGantalrcstor;
    }
    // A negative size read from a parameter file would turn into a positive
    // result, which the caller takes for a filled grid; it orders nothing.
    if (answer < 0) answer = 0;
    if (answer != 0) ++timedReturnTotal;
    return answer;
}

}  // namespace bv
