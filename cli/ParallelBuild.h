#pragma once
// ParallelBuild: `brisvane-cli build --jobs N`, several worker processes that
// build crosswords into one save directory at the same time.
//
// The caller loads the rule file, the dictionary and the route once; then
// runWorkers forks N workers, which share those pages copy-on-write. Worker i
// builds its share of the requested count (count / N, the first count % N
// workers one more) with its own seed (workerSeed). The workers need no lock for
// the file names: a basic crossword file is created with link(), which fails when
// the name exists, and a worker then takes the next free number, so no two
// workers ever write the same name and a number is only passed over when some
// file holds it.
//
// Ctrl-C reaches every worker (they stop their fill and leave their loop as a
// single run does); when only the parent gets SIGINT, SIGTERM or SIGHUP it
// passes the signal on. The parent
// waits for every worker and answers 130 after an interruption, 0 when every
// worker saved its share, 1 otherwise. Nothing throws.
#include <functional>
#include <optional>

namespace bv::cli {

struct WorkerPlan {
    int index = 0;                  // 0 .. jobs-1
    int count = 0;                  // crosswords this worker is to save
    std::optional<unsigned> seed;   // its seed; none: seed from the clock
};

struct WorkerResult {
    int exitCode = 0;  // what the worker would have answered as a single run
    int saved = 0;     // crosswords it saved
};

// Seed of worker `index`: the given seed itself for worker 0, so that --jobs 1
// and the first worker of --jobs N repeat a single run; well apart for the others.
unsigned workerSeed(unsigned seed, int index);
// The number of crosswords worker `index` of `jobs` builds out of `count`.
int workerShare(int count, int jobs, int index);

// Forks `jobs` workers, each running `work` on its plan and exiting; waits for
// them all. `saved` receives the total saved. A fork failure stops the workers
// already started and answers 1.
int runWorkers(int jobs, int count, std::optional<unsigned> seed,
               const std::function<WorkerResult(const WorkerPlan&)>& work, int* saved = nullptr);

}  // namespace bv::cli
