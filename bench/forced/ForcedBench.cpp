// bench_forced: fills per minute with forced words.
//
// For model1 and model4 (data/grids/modelN.txt) and 2, 4 and 6 forced words,
// each seed 1..N draws that many words of mixed lengths from the Spanish
// dictionary (one length after the other among the lengths the model's slots
// have, a random word of each), and forced-word attempts (placement, automatic
// route, fill, save into a temporary directory) are repeated until one fills or
// the attempt limit is reached. Printed: fills per minute, median and worst time
// per fill, failed attempts, and seeds given up.
//
// An attempt still searching after --attempt-seconds (3) is interrupted as a
// user would with Esc, and counts as failed.
//
//   bench_forced [--dic FILE] [--data DIR] [--seeds N] [--max-attempts N]
//                [--attempt-seconds S] [--models 1,4] [--counts 2,4,6]
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/Rotor.h"
#include "dictionary/WordFiles.h"
#include "engine/BatchState.h"
#include "engine/FillRunState.h"
#include "engine/FillWorld.h"
#include "engine/ForcedBatch.h"
#include "engine/FuzzyParametre.h"
#include "engine/Generator.h"
#include "engine/GridPicture.h"
#include "engine/PictureModel.h"
#include "engine/Route.h"
#include "engine/RunCounters.h"
#include "engine/Tvang.h"
#include "engine/TvangSettings.h"
#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "platform/TickClock.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace bv;
namespace fs = std::filesystem;

std::vector<int> numbers(std::string v) {
    std::vector<int> out;
    for (char* t = std::strtok(v.data(), ","); t; t = std::strtok(nullptr, ",")) out.push_back(std::atoi(t));
    return out;
}

// The user at the keyboard, as the benchmark plays it: Esc once an attempt has
// run for `budgetMs` (the generator asks for a key every 128 stop visits), since
// a forced-word attempt whose words leave a crossing unfillable can search for a
// very long time before its returns unwind past the first stop.
struct PatientHost : ScriptedHost {
    double budgetMs = 5000;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    void showCounters(std::string_view line, std::string_view attemptStart) override {
        ScriptedHost::showCounters(line, attemptStart);
        start = std::chrono::steady_clock::now();
    }
    std::optional<int> pollKey() override {
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms > budgetMs) return kKeyEsc;
        return std::nullopt;
    }
};

struct Result {
    std::string model;
    int words = 0;
    int fills = 0, failedAttempts = 0, notPlaced = 0, interrupted = 0, gaveUp = 0;
    double totalMs = 0, medianMs = 0, worstMs = 0;
};

}  // namespace

int main(int argc, char** argv) {
    std::string dicPath = std::string(BV_BINARY_DIR) + "/dic/spanish.dic";
    std::string dataDir = std::string(BV_SOURCE_DIR) + "/data";
    int seeds = 10;
    int maxAttempts = 40;
    double budgetSeconds = 3;
    std::vector<int> models = {1, 4};
    std::vector<int> counts = {2, 4, 6};
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--dic") dicPath = value();
        else if (a == "--data") dataDir = value();
        else if (a == "--seeds") seeds = std::atoi(value().c_str());
        else if (a == "--max-attempts") maxAttempts = std::atoi(value().c_str());
        else if (a == "--attempt-seconds") budgetSeconds = std::atof(value().c_str());
        else if (a == "--models") models = numbers(value());
        else if (a == "--counts") counts = numbers(value());
        else {
            std::fprintf(stderr,
                         "usage: bench_forced [--dic FILE] [--data DIR] [--seeds N] [--max-attempts N] "
                         "[--attempt-seconds S] [--models 1,4] [--counts 2,4,6]\n");
            return 2;
        }
    }

    PatientHost host;
    host.budgetMs = budgetSeconds * 1000;
    Language language;
    language.setLanguage(Language::kSpanish, host);
    BogPoint dic(BogPoint::kStartSize, language, host);
    if (!loadWordFile(dic, dicPath)) {
        std::fprintf(stderr, "bench_forced: cannot read the dictionary %s\n", dicPath.c_str());
        return 1;
    }
    // Every word by length, external form, in a fixed order.
    std::map<int, std::vector<std::string>> byLength;
    {
        Random order(1);
        dic.forEachWord(
            [&](const char* codes) {
                std::size_t n = std::strlen(codes);
                std::string w(n, ' ');
                language.toExternal(std::string_view(codes, n), w.data());
                byLength[static_cast<int>(n)].push_back(w);
                return true;
            },
            order);
        for (auto& [len, list] : byLength) std::sort(list.begin(), list.end());
    }
    std::printf("dictionary %s: %lld words\n", dicPath.c_str(), static_cast<long long>(dic.wordCount()));

    FuzzyParametre params;
    params.readParameters(dataDir + "/Default.par", host);

    char tmpl[] = "/tmp/bench_forced-XXXXXX";
    const char* tmp = ::mkdtemp(tmpl);
    if (!tmp) {
        std::fprintf(stderr, "bench_forced: no temporary directory\n");
        return 1;
    }
    const fs::path saveDir = tmp;
    const fs::path startDir = fs::current_path();
    fs::current_path(saveDir);

    std::vector<Result> results;
    for (int m : models) {
        const std::string name = "model" + std::to_string(m);
        std::string error;
        auto picture = GridPicture::readFile(dataDir + "/grids/" + name + ".txt", error);
        if (!picture) {
            std::fprintf(stderr, "bench_forced: %s: %s (skipped)\n", name.c_str(), error.c_str());
            continue;
        }
        PictureModel doc(*picture);
        // The lengths the model's slots have (and the dictionary holds).
        std::vector<int> lengths;
        {
            Simpelarr g = picture->makeGrid(&host);
            g.deriveSlots();
            std::set<int> seen;
            for (const EtOrd& s : g.slots())
                if (s.len >= 2 && byLength.count(s.len)) seen.insert(s.len);
            lengths.assign(seen.begin(), seen.end());
        }
        if (lengths.empty()) continue;

        for (int k : counts) {
            Result res;
            res.model = name;
            res.words = k;
            Route route;
            Rotor rotor;
            Random random;
            SteadyTickClock clock;
            FillRunState runState;
            RunCounters counters;
            BatchState state;
            TvangSettings settings;
            std::optional<Tvang> list;
            bool simpleMenu = false;
            FillWorld world{dic, rotor, route, params, random, clock, runState, counters, simpleMenu};
            ForcedBatch batch(world, counters, state, host, settings, list);
            batch.setClockSeeding(false);
            batch.setPriorityLowering(false);

            std::vector<double> times;
            for (int s = 1; s <= seeds; ++s) {
                random.seed(static_cast<uint32_t>(s));
                list.emplace();
                // Mixed lengths: one after the other, starting at a random one.
                const int first = random.below(static_cast<int>(lengths.size()));
                for (int i = 0; i < k; ++i) {
                    const auto& words = byLength[lengths[static_cast<std::size_t>(first + i) % lengths.size()]];
                    list->add(words[static_cast<std::size_t>(batch.drawIndex(static_cast<int>(words.size())))]);
                }
                auto t0 = std::chrono::steady_clock::now();
                int r = 0;
                int attempts = 0;
                while (attempts < maxAttempts) {
                    ++attempts;
                    r = batch.makeForced(doc);
                    if (r == ForcedBatch::kNotPlaced) ++res.notPlaced;
                    // Refused model or unsaved crossword: nothing more to measure.
                    if (r == Generator::kRefused || r == BasicBatch::kNotSaved) break;
                    // Esc unwinds stop by stop: anything below -200 is the interruption.
                    if (r < Generator::kUserLimit) ++res.interrupted;
                    if (r > 0) break;
                }
                double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
                res.failedAttempts += attempts - (r > 0 ? 1 : 0);
                if (r > 0) {
                    ++res.fills;
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
            std::fprintf(stderr, "%s with %d forced words done\n", name.c_str(), k);
            results.push_back(res);
        }
    }
    fs::current_path(startDir);
    std::error_code ec;
    fs::remove_all(saveDir, ec);

    std::printf("\n%-8s %6s %6s %10s %11s %10s %7s %9s %7s %7s\n", "model", "forced", "fills", "fills/min",
                "median ms", "worst ms", "failed", "notplaced", "esc", "gaveup");
    for (const Result& r : results) {
        double perMin = r.totalMs > 0 ? r.fills * 60000.0 / r.totalMs : 0;
        std::printf("%-8s %6d %6d %10.1f %11.1f %10.1f %7d %9d %7d %7d\n", r.model.c_str(), r.words, r.fills, perMin,
                    r.medianMs, r.worstMs, r.failedAttempts, r.notPlaced, r.interrupted, r.gaveUp);
    }
    return 0;
}
