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

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace bv;

struct Result {
    std::string name;
    int width = 0, height = 0, stops = 0;
    int fills = 0, failedAttempts = 0, gaveUp = 0;
    double totalMs = 0, medianMs = 0, worstMs = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::string dicPath = std::string(BV_BINARY_DIR) + "/dic/spanish.dic";
    std::string dataDir = std::string(BV_SOURCE_DIR) + "/data";
    int seeds = 30;
    int maxAttempts = 200;
    std::vector<int> only;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--dic") dicPath = value();
        else if (a == "--data") dataDir = value();
        else if (a == "--seeds") seeds = std::atoi(value().c_str());
        else if (a == "--max-attempts") maxAttempts = std::atoi(value().c_str());
        else if (a == "--models") {
            std::string v = value();
            for (char* t = std::strtok(v.data(), ","); t; t = std::strtok(nullptr, ",")) only.push_back(std::atoi(t));
        } else {
            std::fprintf(stderr, "usage: bench_fill [--dic FILE] [--data DIR] [--seeds N] [--max-attempts N] [--models 1,2]\n");
            return 2;
        }
    }

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
        SteadyTickClock clock;
        FillRunState runState;
        RunCounters counters;
        bool simpleMenu = false;
        FillWorld world{dic, rotor, route, params, random, clock, runState, counters, simpleMenu};

        std::vector<double> times;
        for (int s = 1; s <= seeds; ++s) {
            random.seed(static_cast<uint32_t>(s));
            auto t0 = std::chrono::steady_clock::now();
            int attempts = 0;
            int r = 0;
            while (attempts < maxAttempts) {
                ++attempts;
                ++counters.attemptCount;
                Simpelarr grid = picture->makeGrid(&host);
                r = runFill(world, grid, true);
                if (r > 0 || r < Generator::kUserLimit) break;
            }
            double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
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
