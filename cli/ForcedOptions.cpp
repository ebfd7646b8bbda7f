#include "cli/ForcedOptions.h"

#include "engine/ForcedBatch.h"
#include "engine/Tvang.h"
#include "engine/TvangSettings.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace bv::cli {

namespace fs = std::filesystem;

namespace {
constexpr int kUnattendedAttemptLimit = 1000;
constexpr int kUnattendedReturnBudget = 30;
}

void addForcedOptions(CLI::App& build, ForcedOptions& options) {
    auto* forced = build.add_option("--forced", options.forcedFile,
                                    "Every crossword must hold the words of FILE (one word a line)")
                       ->check(CLI::ExistingFile)
                       ->group("Forced words");
    auto* wordFile = build.add_option("--word-file", options.wordFile,
                                      "Every crossword must hold words drawn at random from FILE "
                                      "(drawn again every fifth attempt)")
                         ->check(CLI::ExistingFile)
                         ->group("Forced words");
    build.add_option("--words", options.words, "How many words --word-file draws (default 6)")
        ->check(CLI::Range(0, Tvang::kEntries))
        ->needs(wordFile)
        ->group("Forced words");
    build.add_option("--attempt-returns", options.attemptReturns,
                     "Give up a forced-word attempt after N timed returns of the search, as Esc would "
                     "(0: never; default: never on a terminal, 30 otherwise)")
        ->check(CLI::NonNegativeNumber)
        ->group("Forced words");
    forced->excludes(wordFile);
    // Forced words always go into an empty grid.
    if (CLI::Option* keep = build.get_option_no_throw("--keep-letters")) {
        forced->excludes(keep);
        wordFile->excludes(keep);
    }
}

int forcedAttemptLimit(const CLI::App& build, int maxAttempts, bool interactive) {
    if (build.count("--max-attempts") > 0) return maxAttempts;
    return interactive ? 0 : kUnattendedAttemptLimit;
}

ForcedBatch::RunResult runForcedBuild(CliContext& ctx, const ForcedOptions& options, const ForcedBuildRun& run) {
    TvangSettings settings;
    std::string tvangPath;
    std::error_code ec;
    if (!options.forcedFile.empty()) {
        settings.useWordFile = false;
        tvangPath = fs::absolute(options.forcedFile, ec).string();
    } else {
        settings.useWordFile = true;
        settings.wordFileCount = options.words;
        settings.wordFilePath = fs::absolute(options.wordFile, ec).string();
    }
    std::optional<Tvang> list;
    Host& host = run.host ? *run.host : static_cast<Host&>(ctx.host);
    ForcedBatch batch(run.world, run.counters, run.state, host, settings, list);
    batch.setClockSeeding(!run.explicitSeed);
    batch.setAttemptLimit(run.maxAttempts);
    batch.setSaveLimit(run.count);
    batch.setPriorityLowering(run.lowerPriority);
    batch.setReturnBudget(options.attemptReturns >= 0 ? options.attemptReturns
                          : ctx.host.interactive()   ? 0
                                                     : kUnattendedReturnBudget);
    batch.onSaved = run.onSaved;

    const ForcedBatch::RunResult res = batch.runForced(run.doc, run.saveDir, tvangPath);
    if (!options.wordFile.empty() && res.attempts > 0 && settings.wordFileCount < options.words)
        std::fprintf(stderr, "brisvane-cli: only %d word(s) of %s fit the model's slots\n", settings.wordFileCount,
                     options.wordFile.c_str());
    switch (res.end) {
        case ForcedBatch::RunEnd::AttemptLimit:
            std::fprintf(stderr, "brisvane-cli: gave up after %d attempt(s) (--max-attempts)\n", res.attempts);
            break;
        case ForcedBatch::RunEnd::NoWordFile:
            std::fprintf(stderr, "brisvane-cli: no word of %s fits a slot of the model (or it cannot be read)\n",
                         options.wordFile.c_str());
            break;
        default:
            break;
    }
    return res;
}

}  // namespace bv::cli
