// bench_fill: fills per minute for every shipped model.
//
// For each model (data/grids/modelN.txt, the picture the shipped .ktd and .vej
// are made from) the route is built as a counted run builds it (autoRoute, then
// optimiseRoute), the shipped parameters data/Default.par are read, and the grid
// is filled once for each seed 1..N (attempts repeated until one fills, as the
// batches do). Printed: fills per minute, median and worst time per fill, and
// the failed attempts.
//
//   bench_fill [--dic FILE] [--data DIR] [--seeds N] [--max-attempts N] [--models 1,3]
//              [--cpu] [--clock steady|cpu|work]
//
// --cpu measures the processor time of the process instead of wall time (the
// machine is shared, so wall time mostly measures the other load). --clock sets
// the tick count that times the generator's returns: the real clock (steady, as
// the program runs), the processor time (cpu), or the work done (work, as
// `brisvane-cli build --seed` runs: the same seed takes the same path).
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/WordFiles.h"
#include "engine/FillRunState.h"
#include "engine/FillWorld.h"
#include "engine/FuzzyParametre.h"
#include "engine/Generator.h"
#include "engine/GridPicture.h"
#include "engine/Route.h"
#include "engine/RunCounters.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "platform/TickClock.h"
#include "platform/WorkTickClock.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <time.h>

namespace {

using namespace bv;

struct Result {
    std::string name;
    int width = 0, height = 0, stops = 0;
    int fills = 0, failedAttempts = 0, gaveUp = 0;
    double totalMs = 0, medianMs = 0, worstMs = 0;
};

double processorMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

class ProcessorTickClock : public TickClock {
public:
    uint32_t ticks() override { return static_cast<uint32_t>(static_cast<uint64_t>(processorMs())); }
};

double wallMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
    std::string dicPath = std::string(BV_BINARY_DIR) + "/dic/spanish.dic";
    std::string dataDir = std::string(BV_SOURCE_DIR) + "/data";
    int seeds = 30;
    int maxAttempts = 200;
    std::vector<int> only;
    bool cpu = false;
    std::string clockName = "steady";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--dic") dicPath = value();
        else if (a == "--data") dataDir = value();
        else if (a == "--seeds") seeds = std::atoi(value().c_str());
        else if (a == "--max-attempts") maxAttempts = std::atoi(value().c_str());
        else if (a == "--cpu") cpu = true;
        else if (a == "--clock") clockName = value();
        else if (a == "--models") {
            std::string v = value();
            for (char* t = std::strtok(v.data(), ","); t; t = std::strtok(nullptr, ",")) only.push_back(std::atoi(t));
        } else {
            std::fprintf(stderr, "usage: bench_fill [--dic FILE] [--data DIR] [--seeds N] [--max-attempts N] [--models 1,2] "
                                 "[--cpu] [--clock steady|cpu|work]\n");
            return 2;
        }
    }
    if (clockName != "steady" && clockName != "cpu" && clockName != "work") {
        std::fprintf(stderr, "bench_fill: --clock takes steady, cpu or work\n");
        return 2;
    }
    double (*now)() = cpu ? processorMs : wallMs;
    std::printf("times: %s; returns timed by the %s clock\n", cpu ? "processor" : "wall", clockName.c_str());

    ScriptedHost host;
    Language language;
    language.setLanguage(Language::kSpanish, host);
    BogPoint dic(BogPoint::kStartSize, language, host);
    LoadSummary summary;
    summary.quiet = true;
    if (!loadWordFile(dic, dicPath, &summary)) {
        std::fprintf(stderr, "bench_fill: cannot read the dictionary %s\n", dicPath.c_str());
        return 1;
    }
    std::printf("dictionary %s: %lld words\n", dicPath.c_str(), static_cast<long long>(dic.wordCount()));

    FuzzyParametre params;
    params.readParameters(dataDir + "/Default.par", host);
    std::printf("parameters: procentBrug %d samlMax %d blandtMax %d AGrclille %d AGtidlille %d AGstortit %d AGantalrcstor %d\n",
                params.procentBrug, params.samlMax, params.blandtMax, params.AGrclille, params.AGtidlille,
                params.AGstortit, params.AGantalrcstor);

    std::vector<Result> results;
    for (int m = 1; m <= 6; ++m) {
        if (!only.empty() && std::find(only.begin(), only.end(), m) == only.end()) continue;
        Result res;
        res.name = "model" + std::to_string(m);
        std::string error;
        auto picture = GridPicture::readFile(dataDir + "/grids/" + res.name + ".txt", error);
        if (!picture) {
            std::fprintf(stderr, "bench_fill: %s: %s\n", res.name.c_str(), error.c_str());
            continue;
        }
        res.width = picture->width();
        res.height = picture->height();

        Route route;
        Simpelarr work = picture->makeGrid(&host);
        route.autoRoute(work);
        route.optimiseRoute(picture->makeGrid(&host));
        res.stops = static_cast<int>(route.stopCount());

        Rotor rotor;
        Random random;
        std::unique_ptr<TickClock> clockOwner;
        if (clockName == "cpu") clockOwner = std::make_unique<ProcessorTickClock>();
        else if (clockName == "work") clockOwner = std::make_unique<WorkTickClock>();
        else clockOwner = std::make_unique<SteadyTickClock>();
        TickClock& clock = *clockOwner;
        FillRunState runState;
        RunCounters counters;
        bool simpleMenu = false;
        FillWorld world{dic, rotor, route, params, random, clock, runState, counters, simpleMenu};

        std::vector<double> times;
        for (int s = 1; s <= seeds; ++s) {
            random.seed(static_cast<uint32_t>(s));
            const double t0 = now();
            int attempts = 0;
            int r = 0;
            while (attempts < maxAttempts) {
                ++attempts;
                ++counters.attemptCount;
                Simpelarr grid = picture->makeGrid(&host);
                r = runFill(world, grid, true);
                if (r > 0 || r < Generator::kUserLimit) break;
            }
            const double ms = now() - t0;
            res.failedAttempts += attempts - (r > 0 ? 1 : 0);
            if (r > 0) {
                ++res.fills;
                ++counters.savedCount;
                times.push_back(ms);
            } else {
                ++res.gaveUp;
            }
            res.totalMs += ms;
        }
        if (!times.empty()) {
            std::sort(times.begin(), times.end());
            res.medianMs = times[times.size() / 2];
            res.worstMs = times.back();
        }
        std::fprintf(stderr, "%s done\n", res.name.c_str());
        results.push_back(res);
    }

    std::printf("\n%-8s %7s %6s %6s %10s %11s %10s %7s %7s\n", "model", "size", "stops", "fills", "fills/min",
                "median ms", "worst ms", "failed", "gaveup");
    for (const Result& r : results) {
        char size[16];
        std::snprintf(size, sizeof size, "%dx%d", r.width, r.height);
        double perMin = r.totalMs > 0 ? r.fills * 60000.0 / r.totalMs : 0;
        std::printf("%-8s %7s %6d %6d %10.1f %11.1f %10.1f %7d %7d\n", r.name.c_str(), size, r.stops, r.fills, perMin,
                    r.medianMs, r.worstMs, r.failedAttempts, r.gaveUp);
    }
    return 0;
}
