#include "cli/ForcedOptions.h"

#include "engine/ForcedBatch.h"
#include "engine/Tvang.h"
#include "engine/TvangSettings.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace bv::cli {

namespace fs = std::filesystem;

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
    forced->excludes(wordFile);
}

int runForcedBuild(CliContext& ctx, const ForcedOptions& options, const ForcedBuildRun& run) {
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
    batch.onSaved = run.onSaved;

    const ForcedBatch::RunResult res = batch.runForced(run.doc, run.saveDir, tvangPath);
    if (!options.wordFile.empty() && settings.wordFileCount < options.words && res.attempts > 0)
        std::fprintf(stderr, "only %d words of %s fit the model's slots\n", settings.wordFileCount,
                     options.wordFile.c_str());
    std::fprintf(stderr, "%d crossword%s with forced words saved in %d attempt%s\n", res.saved,
                 res.saved == 1 ? "" : "s", res.attempts, res.attempts == 1 ? "" : "s");
    switch (res.end) {
        case ForcedBatch::RunEnd::TargetReached:
            return res.saved >= run.count ? 0 : 1;
        case ForcedBatch::RunEnd::AttemptLimit:
            std::fprintf(stderr, "gave up after %d attempts (--max-attempts)\n", res.attempts);
            return 1;
        case ForcedBatch::RunEnd::NoWordFile:
            std::fprintf(stderr, "no word of %s fits a slot of the model (or the file cannot be read)\n", options.wordFile.c_str());
            return 1;
        case ForcedBatch::RunEnd::UserStopped:
            return res.saved >= run.count ? 0 : 1;
        case ForcedBatch::RunEnd::NoRoute:
        case ForcedBatch::RunEnd::NoTvangFile:
        case ForcedBatch::RunEnd::NoSaveDir:
            return 1;
    }
    return 1;
}

}  // namespace bv::cli
