#pragma once
// The forced-word options of `brisvane-cli build`:
//
//   --forced FILE            every crossword holds the words of FILE (one a
//                            line, read as "tvang.txt" is read)
//   --word-file FILE         every crossword holds words drawn at random from
//   --words N                FILE (N of them, 6 by default; a fresh draw
//                            before attempts 1, 6, 11, ...), as "Usar minima"
//
// The build command registers them with addForcedOptions and, when
// ForcedOptions::wanted(), hands its loaded world to runForcedBuild instead of
// running the ordinary batch.
#include "cli/CliCommands.h"
#include "engine/BatchState.h"
#include "engine/FillWorld.h"
#include "engine/ModelGrid.h"
#include "engine/RunCounters.h"

#include <functional>
#include <string>

namespace bv::cli {

struct ForcedOptions {
    std::string forcedFile;
    std::string wordFile;
    int words = 6;

    bool wanted() const { return !forcedFile.empty() || !wordFile.empty(); }
};

void addForcedOptions(CLI::App& build, ForcedOptions& options);

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

// Runs the forced-word batch; answers the exit code (0 when `count` crosswords
// were saved) and prints an English summary on stderr.
int runForcedBuild(CliContext& ctx, const ForcedOptions& options, const ForcedBuildRun& run);

}  // namespace bv::cli
