#pragma once
// FillWorld: the program-wide objects one fill run works with, borrowed from
// their owners (the application state, the batch layer, or a test). The
// generator keeps no state of its own beyond a run except through `runState`.
#include "engine/FillRunState.h"
#include "engine/FuzzyParametre.h"
#include "engine/Route.h"
#include "engine/RunCounters.h"
#include "platform/Random.h"
#include "platform/TickClock.h"

namespace bv {

class BogPoint;
struct Rotor;

struct FillWorld {
    BogPoint& dictionary;          // the current dictionary (and through it the language)
    Rotor& rotor;                  // where searches without a known letter start
    Route& route;                  // read; the generator updates visits and elapsed
    const FuzzyParametre& params;  // read at every use, so changes apply at once
    Random& random;                // seed letters and candidate exchanges
    TickClock& clock;              // stop timings and timed returns
    FillRunState& runState;        // outlives runs
    const RunCounters& counters;   // shown on the counters line
    const bool& simpleMenu;        // the shell's flag: show progress at every check
};

}  // namespace bv
