#pragma once
// BatchState: the program-wide state of the basic-crossword batches beyond the
// counters the generator shows (RunCounters): when a run stops, which file name
// to try next, and where the last crossword went. Owned by the application state
// (or a test) and handed to BasicBatch; lives as long as the program.
#include <string>

namespace bv {

struct BatchState {
    // While the shell's simple menu is on, a run stops once savedCount reaches it.
    int targetCount = 1000;
    // Number part of the next basic-crossword file name to try; only grows.
    int nameCounter = 0;
    // Full path of the basic crossword saved last (current directory, '/', name).
    std::string lastBasicPath;
};

}  // namespace bv
