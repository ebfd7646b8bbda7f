// brisvane-cli build / show / model: basic crosswords from a rule file, showing
// crossword files as text, and making model files from grid pictures.
#include "cli/CliCommands.h"
#include "cli/ForcedOptions.h"
#include "cli/InterruptibleHost.h"
#include "cli/ParallelBuild.h"
#include "platform/WorkTickClock.h"

#include "documents/Kpoint.h"
#include "documents/KpointModel.h"
#include "engine/BasicBatch.h"
#include "engine/GridPicture.h"
#include "engine/Route.h"
#include "engine/Simpelarr.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "shell/AppState.h"
#include "shell/RuleFileLoader.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

namespace bv::cli {

namespace fs = std::filesystem;

namespace {

// A work grid of the document's size: clue cells BLOCK, every other cell BLANK.
Simpelarr blankGridOf(const Kpoint& doc, Host* host) {
    Simpelarr grid(doc.width(), doc.height(), host);
    for (int y = 1; y <= doc.height(); ++y)
        for (int x = 1; x <= doc.width(); ++x)
            if (doc.isClue(x, y)) grid.put(BLOCK, x - 1, y - 1);
    return grid;
}

// The rows of a basic crossword file, or nullopt when `bytes` is not one.
std::optional<std::vector<std::string>> basicRows(const std::string& bytes) {
    std::vector<std::string> lines = TextFile::splitLines(bytes);
    if (lines.empty()) return std::nullopt;
    int w = 0, h = 0;
    char tail = 0;
    if (std::sscanf(lines[0].c_str(), "%d\t%d%c", &w, &h, &tail) != 2 || w < 1 || h < 1) return std::nullopt;
    if (lines.size() < static_cast<std::size_t>(h) + 1) return std::nullopt;
    std::vector<std::string> rows(lines.begin() + 1, lines.begin() + 1 + h);
    for (const std::string& r : rows)
        if (r.size() != static_cast<std::size_t>(w)) return std::nullopt;
    return rows;
}

void printRows(const std::vector<std::string>& rows) {
    for (const std::string& r : rows) std::printf("%s\n", Cp1252::toUtf8(r).c_str());
}

bool printBasicFile(const std::string& path) {
    std::string bytes;
    if (!TextFile::read(path, bytes)) return false;
    auto rows = basicRows(bytes);
    if (!rows) return false;
    std::printf("%s\n", path.c_str());
    printRows(*rows);
    std::printf("\n");
    return true;
}

struct BuildOptions {
    std::string rules;
    int count = 1;
    std::string out;
    std::optional<unsigned> seed;
    bool keepLetters = false;
    bool autoRoute = false;
    bool print = false;
    int maxAttempts = 0;
    ForcedOptions forced;  // --forced / --word-file: crosswords that hold given words
    int forcedAttemptLimit = 0;
    int jobs = 1;
    bool timings = false;
};

int runBuild(const BuildOptions& o, CliContext& ctx) {
    // A rule file that cannot be read would load as an empty one and end in the
    // installation message; name the real problem instead.
    if (!TextFile::isReadableFile(o.rules)) {
        std::fprintf(stderr, "brisvane-cli: cannot read %s\n", o.rules.c_str());
        return 1;
    }
    ConsoleHost& console = ctx.host;
    InterruptibleHost host(console);
    AppState app(host);
    if (!loadRuleFile(app, host, o.rules)) return 1;

    if (o.seed) {
        app.random.seed(*o.seed);
        // A given seed promises the same crosswords: time the returns by work done.
        app.clock = std::make_unique<WorkTickClock>();
    } else {
        app.random.seedFromClock();
    }

    if (o.autoRoute) {
        // As a counted run does: a fresh route for the model, then its back-jump counts.
        Simpelarr work = blankGridOf(app.document, &host);
        app.route.autoRoute(work);
        app.route.optimiseRoute(blankGridOf(app.document, &host));
    }

    std::string outDir = o.out.empty() ? app.dirs.destination : o.out;
    if (outDir.empty()) outDir = ".";
    std::error_code ec;
    fs::create_directories(outDir, ec);
    outDir = fs::absolute(outDir, ec).lexically_normal().string();
    const std::string startDir = AppDirectories::currentDirectory();

    // One run (or one worker's share of a parallel run): `count` crosswords.
    auto runShare = [&](int count, std::optional<unsigned> seed, const std::string& who) -> WorkerResult {
        if (o.jobs > 1) {
            if (seed) {
                app.random.seed(*seed);
                app.clock = std::make_unique<WorkTickClock>();
            } else {
                app.random.seed(static_cast<unsigned>(std::time(nullptr)) ^
                                (static_cast<unsigned>(::getpid()) * 2654435761u));
            }
        }
        app.simpleMenu = true;  // the run stops at the requested count
        app.counters.savedCount = 0;
        app.counters.targetCount = count;
        const int startAttempts = app.counters.attemptCount;

        BasicBatch batch(app.fillWorld(), app.counters, app.counters, host);
        auto lastSaved = std::chrono::steady_clock::now();
        // Processor time as well: on a busy machine (and at the idle priority the
        // run takes) the wall time says little about the work of one fill.
        auto cpuNow = [] {
            timespec t{};
            ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
            return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
        };
        double lastCpu = cpuNow();
        double startCpu = lastCpu;
        batch.onSaved = [&](const std::string& path) {
            console.endLiveLine();
            if (o.timings) {
                // Time of this fill: from the previous save (or the start of the
                // batch, after loading) to this save, attempts and file included.
                const auto now = std::chrono::steady_clock::now();
                const double cpu = cpuNow();
                std::fprintf(stderr, "brisvane-cli: fill %d %.3f ms cpu %.3f ms%s\n", app.counters.savedCount,
                             std::chrono::duration<double, std::milli>(now - lastSaved).count(), cpu - lastCpu,
                             who.c_str());
                lastSaved = now;
                lastCpu = cpu;
            }
            if (o.print) {
                if (!printBasicFile(path)) std::printf("%s\n", path.c_str());
            } else {
                std::printf("%s\n", path.c_str());
            }
            std::fflush(stdout);
        };
        batch.keepGoing = [&] {
            return o.maxAttempts <= 0 || app.counters.attemptCount - startAttempts < o.maxAttempts;
        };

        KpointModel model(app.document);
        host.install();
        // Workers share the terminal: keys are read only by a single run (Ctrl-C
        // stops the workers).
        if (o.jobs <= 1) console.enableKeys();
        lastSaved = std::chrono::steady_clock::now();
        lastCpu = startCpu = cpuNow();
        if (count > 0 && o.forced.wanted()) {
            runForcedBuild(ctx, o.forced,
                           ForcedBuildRun{app.fillWorld(), app.counters, app.counters, model, &host, outDir, count,
                                          o.forcedAttemptLimit, o.seed.has_value(), true, batch.onSaved});
        } else if (count > 0) {
            batch.runGeneration(model, outDir, o.keepLetters);
        }
        console.disableKeys();
        const bool interrupted = InterruptibleHost::interrupted();
        host.uninstall();
        console.endLiveLine();

        // The run restores the directory itself; make sure of it after an interruption too.
        if (AppDirectories::currentDirectory() != startDir) fs::current_path(startDir, ec);

        const int attempts = app.counters.attemptCount - startAttempts;
        std::fprintf(stderr, "brisvane-cli: %s%s: saved %d of %d crossword(s) in %s after %d attempt(s)\n",
                     interrupted ? "interrupted" : "done", who.c_str(), app.counters.savedCount, count, outDir.c_str(),
                     attempts);
        if (o.timings) {
            long long visits = 0;
            for (const Vejstop& stop : app.route.stops()) visits += stop.visits;
            std::fprintf(stderr, "brisvane-cli: stop visits %lld, processor time %.3f ms%s\n", visits,
                         cpuNow() - startCpu, who.c_str());
        }
        const int saved = app.counters.savedCount;
        if (interrupted) return WorkerResult{130, saved};
        return WorkerResult{saved >= count ? 0 : 1, saved};
    };

    if (o.jobs <= 1) return runShare(o.count, o.seed, "").exitCode;
    int saved = 0;
    const int code = runWorkers(o.jobs, o.count, o.seed, [&](const WorkerPlan& plan) {
        return runShare(plan.count, plan.seed, " (worker " + std::to_string(plan.index + 1) + ")");
    }, &saved);
    std::fprintf(stderr, "brisvane-cli: %d workers saved %d of %d crossword(s) in %s\n", o.jobs, saved, o.count,
                 outDir.c_str());
    return code;
}

int runShow(const std::string& path, int languageNumber, ConsoleHost& host) {
    std::string bytes;
    if (!TextFile::read(path, bytes)) {
        std::fprintf(stderr, "brisvane-cli: cannot read %s\n", path.c_str());
        return 1;
    }
    if (auto rows = basicRows(bytes)) {
        printRows(*rows);
        return 0;
    }
    Language language;
    language.setLanguage(languageNumber, host);
    Kpoint doc;
    if (!doc.readCrosswordText(bytes, host, [&](unsigned char b) { return language.isLetter(b); })) return 1;
    std::vector<std::string> rows;
    for (int y = 1; y <= doc.height(); ++y) {
        std::string r;
        for (int x = 1; x <= doc.width(); ++x) {
            char c = doc.letterOf(x, y);
            r.push_back(doc.isClue(x, y) ? '#' : (c == 0 || c == ' ') ? '.' : c);
        }
        rows.push_back(r);
    }
    printRows(rows);
    return 0;
}

int runModel(const std::string& picturePath, const std::string& ktd, const std::string& vej, ConsoleHost& host) {
    std::string error;
    auto picture = GridPicture::readFile(picturePath, error);
    if (!picture) {
        std::fprintf(stderr, "brisvane-cli: %s: %s\n", picturePath.c_str(), error.c_str());
        return 1;
    }
    if (!ktd.empty()) {
        Kpoint doc(picture->width(), picture->height());
        for (int y = 1; y <= picture->height(); ++y)
            for (int x = 1; x <= picture->width(); ++x)
                if (picture->isClue(x - 1, y - 1)) doc.setClue(x, y, "");
        if (!doc.writeCrosswordFile(ktd, host)) return 1;
    }
    if (!vej.empty()) {
        Route route;
        Simpelarr work = picture->makeGrid(&host);
        if (!route.autoRoute(work) || !route.optimiseRoute(picture->makeGrid(&host))) return 1;
        if (!route.writeRoute(vej)) {
            std::fprintf(stderr, "brisvane-cli: cannot write %s\n", vej.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace

void addBuildCommands(CLI::App& app, CliContext& ctx) {
    auto opts = std::make_shared<BuildOptions>();
    CLI::App* build = app.add_subcommand("build", "Build basic crosswords from a rule file (.skb)");
    build->add_option("rules", opts->rules, "Rule file (.skb)")->required();
    build->add_option("-n,--count", opts->count, "Number of crosswords to save")->check(CLI::NonNegativeNumber);
    build->add_option("--out", opts->out, "Destination directory (default: the rule file's)");
    build->add_option("--seed", opts->seed, "Seed of the random source (default: from the clock)");
    build->add_flag("--keep-letters", opts->keepLetters, "Keep the model's letters (no seed letters)");
    build->add_flag("--auto-route", opts->autoRoute, "Build the route automatically first, as counted runs do");
    build->add_flag("--print", opts->print, "Print each crossword as text to stdout");
    build->add_option("--max-attempts", opts->maxAttempts, "Stop after this many fill attempts (0: no limit)")
        ->check(CLI::NonNegativeNumber);
    build->add_option("-j,--jobs", opts->jobs, "Worker processes building at the same time (default 1)")
        ->check(CLI::Range(1, 64));
    build->add_flag("--timings", opts->timings, "Report the time of each fill on stderr");
    addForcedOptions(*build, opts->forced);
    build->callback([opts, build, &ctx] {
        opts->forcedAttemptLimit = forcedAttemptLimit(*build, opts->maxAttempts, ctx.host.interactive());
        ctx.exitCode = runBuild(*opts, ctx);
    });

    auto showPath = std::make_shared<std::string>();
    auto showLanguage = std::make_shared<int>(9);
    CLI::App* show = app.add_subcommand("show", "Print a basic crossword file or a crossword file (.ktd) as text");
    show->add_option("file", *showPath, "Basic crossword or .ktd file")->required();
    show->add_option("--language", *showLanguage, "Language number for .ktd letters (default 9, Spanish)");
    show->callback([showPath, showLanguage, &ctx] { ctx.exitCode = runShow(*showPath, *showLanguage, ctx.host); });

    struct ModelArgs {
        std::string picture, ktd, vej;
    };
    auto m = std::make_shared<ModelArgs>();
    CLI::App* model = app.add_subcommand("model", "Make a crossword file (.ktd) and its route (.vej) from a grid picture");
    model->add_option("picture", m->picture, "Grid picture: one line per row, '#' = clue cell")->required();
    model->add_option("--ktd", m->ktd, "Crossword file to write");
    model->add_option("--vej", m->vej, "Route file to write (automatic route, optimised)");
    model->callback([m, &ctx] { ctx.exitCode = runModel(m->picture, m->ktd, m->vej, ctx.host); });
}

}  // namespace bv::cli
