// bench_generator: whole fills of built-in grids with the Debian word lists, a
// fixed series of seeds, the real clock and typical fuzzy parameters. Prints
// one table: fills per minute, the share of attempts that filled, and stop
// visits per second.
//
//   bench_generator [--attempts N] [--seconds S]
#include "dictionary/BogPoint.h"
#include "dictionary/Rotor.h"
#include "dictionary/WordFiles.h"
#include "engine/Generator.h"
#include "engine/GridPicture.h"
#include "platform/ScriptedHost.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

using namespace bv;
namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

struct Source {
    const char* name;
    int language;
    const char* path;
};

struct Model {
    const char* name;
    const char* picture;
};

// Clue cells along the top row and the left column and a few inside, as the
// grids of the suite have them.
const Model kModels[] = {
    {"9x9 open", "#.#.#.#.#\n.........\n#...#...#\n...#.#...\n#.......#\n...#.#...\n#...#...#\n.........\n#.#.#.#.#\n"},
    {"13x9 dense",
     "#.#.#.#.#.#.#\n.............\n#....#...#...\n...#....#....\n#.....#.....#\n....#....#...\n"
     "...#...#....#\n.............\n#.#.#.#.#.#.#\n"},
};

void row(const std::string& what, double value, const char* unit, const std::string& note = "") {
    std::printf("| %-44s | %14.1f | %-10s | %s\n", what.c_str(), value, unit, note.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    int attempts = 20;
    double budget = 60;
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "--attempts")) attempts = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--seconds")) budget = std::atof(argv[++i]);
    }
    const Source sources[] = {{"spanish", 9, "/usr/share/dict/spanish"}, {"danish", 0, "/usr/share/dict/danish"}};
    std::printf("| %-44s | %14s | %-10s |\n", "measure", "value", "unit");
    std::printf("|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(16, '-').c_str(), std::string(12, '-').c_str());
    for (const Source& src : sources) {
        if (!fs::exists(src.path)) {
            std::printf("| %-44s | %14s | %-10s |\n", src.path, "missing", "");
            continue;
        }
        ScriptedHost host;
        Language language;
        language.setLanguage(src.language, host);
        BogPoint dict(BogPoint::sizeForFile(static_cast<std::int64_t>(fs::file_size(src.path))), language, host);
        LoadSummary summary;
        summary.quiet = true;
        loadWordFile(dict, src.path, &summary);

        for (const Model& m : kModels) {
            std::string error;
            auto picture = GridPicture::parse(m.picture, error);
            if (!picture) {
                std::fprintf(stderr, "%s: %s\n", m.name, error.c_str());
                return 1;
            }
            Simpelarr model = picture->makeGrid(&host);
            Route route;
            Simpelarr scratch = model;
            route.autoRoute(scratch);
            route.optimiseRoute(model);
            route.seedA = {0, 0, 0};
            route.seedB = {0, 0, 0};

            FuzzyParametre params;  // procentBrug 5, samlMax 60, blandtMax 999
            params.AGrclille = 3;
            params.AGtidlille = 1;
            params.AGstortit = 3;
            params.AGantalrcstor = 20;
            Rotor rotor;
            Random random(1);
            SteadyTickClock clock;
            FillRunState state;
            RunCounters counters;
            const bool simpleMenu = false;
            FillWorld world{dict, rotor, route, params, random, clock, state, counters, simpleMenu};

            int filled = 0, tried = 0;
            const auto t0 = Clock::now();
            double spent = 0;
            while (tried < attempts && spent < budget) {
                Simpelarr grid = model;
                if (runFill(world, grid, true) == 1) ++filled;
                ++tried;
                spent = std::chrono::duration<double>(Clock::now() - t0).count();
            }
            long visits = 0;
            for (const Vejstop& s : route.stops()) visits += s.visits;
            const std::string label = std::string(src.name) + ", " + m.name;
            row(label + ": fills", filled * 60.0 / spent, "per minute",
                std::to_string(filled) + " of " + std::to_string(tried) + " attempts");
            row(label + ": filled attempts", 100.0 * filled / tried, "%");
            row(label + ": stop visits", visits / spent, "per second");
        }
    }
    return 0;
}
