#pragma once
// ProgramCounters: the program-wide run counters of the batches and run loops.
// Owned by the application state; the batch layer updates them, the generator
// shows them, the shell resets savedCount when it starts a counted run. None of
// them is ever reset otherwise during the program's life.
//
// The fill engine cannot see the shell, so the counters are the engine's two
// records joined: RunCounters (savedCount, attemptCount, attemptStart; shown by
// the generator) and BatchState (targetCount, nameCounter, lastBasicPath; kept by
// the batches). A ProgramCounters is handed to the engine as either.
#include "engine/BatchState.h"
#include "engine/RunCounters.h"

namespace bv {

struct ProgramCounters : RunCounters, BatchState {};

}  // namespace bv
