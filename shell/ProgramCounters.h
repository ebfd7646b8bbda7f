#pragma once
// ProgramCounters: the program-wide run counters of the batches and run loops.
// Owned by the application state; the batch layer updates them, the generator
// shows them, the shell resets savedCount when it starts a counted run. None of
// them is ever reset otherwise during the program's life.
#include "engine/RunCounters.h"

#include <cstdint>
#include <string>

namespace bv {

// The generator sees the RunCounters part (savedCount, attemptCount,
// attemptStart) on its counters line.
struct ProgramCounters : RunCounters {
    std::int32_t targetCount = 1000;  // with the simple menu a run stops here
    std::int32_t nameCounter = 0;     // number part of the next basic-crossword name to try
    std::string lastBasicPath;        // full path of the basic crossword saved last
};

}  // namespace bv
