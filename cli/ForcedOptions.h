#pragma once
// The forced-word options of `brisvane-cli build`:
//
//   --forced FILE            every crossword holds the words of FILE (one a
//                            line, read as "tvang.txt" is read)
//   --word-file FILE         every crossword holds words drawn at random from
//   --words N                FILE (N of them, 6 by default; a fresh draw
//                            before attempts 1, 6, 11, ...), as "Usar minima"
//   --attempt-returns N      give an attempt up after N timed returns of the
//                            generator (0: never; default never on a terminal,
//                            30 otherwise, so that an unwatched run never
//                            circles for ever inside one attempt)
//
// The build command registers them with addForcedOptions and, when
// ForcedOptions::wanted(), hands its loaded world to runForcedBuild instead of
// running the ordinary batch.
#include "cli/CliCommands.h"
#include "engine/BatchState.h"
#include "engine/FillWorld.h"
#include "engine/ForcedBatch.h"
#include "engine/ModelGrid.h"
#include "engine/RunCounters.h"

#include <functional>
#include <string>

namespace bv::cli {

struct ForcedOptions {
    std::string forcedFile;
    std::string wordFile;
    int words = 6;
    int attemptReturns = -1;  // -1: the default for the terminal or not

    bool wanted() const { return !forcedFile.empty() || !wordFile.empty(); }
};

// Registers --forced, --word-file and --words on the build command (after its
// own options: they exclude --keep-letters).
void addForcedOptions(CLI::App& build, ForcedOptions& options);

// The attempt limit of a forced-word run: --max-attempts when given, else none
// on a terminal (the user stops the run) and 1000 otherwise, so that a run whose
// words cannot all be placed ends by itself.
int forcedAttemptLimit(const CLI::App& build, int maxAttempts, bool interactive);

// What the build command has set up before the run.
struct ForcedBuildRun {
    const FillWorld& world;   // the route in it is replaced by every attempt
    RunCounters& counters;
    BatchState& state;
    ModelGrid& doc;           // receives the letters of every saved crossword
    Host* host = nullptr;     // the run's Host; null: the context's console
    std::string saveDir;      // where the basic crossword files go
    int count = 1;            // crosswords to save
    int maxAttempts = 0;      // 0: no limit
    bool explicitSeed = false;  // --seed given: no clock seeding, reproducible
    bool lowerPriority = true;
    std::function<void(const std::string&)> onSaved;  // each saved file's path
};

// Runs the forced-word batch and answers how it ended; explains on stderr why a
// run ended early (the build command prints the summary and sets the exit code).
ForcedBatch::RunResult runForcedBuild(CliContext& ctx, const ForcedOptions& options, const ForcedBuildRun& run);

}  // namespace bv::cli
