// brisvane-cli route: build a route for a grid picture, and show a route file.
#include "cli/CliCommands.h"

#include "engine/GridPicture.h"
#include "engine/Route.h"

#include <cstdio>
#include <memory>
#include <string>

namespace bv::cli {

namespace {

const char* directionName(int ret) { return ret == 0 ? "across" : ret == 1 ? "down" : "?"; }

void printSeed(const char* name, const SeedPosition& s, const char* zeroMeaning) {
    if (s.x < 0)
        std::printf("Seed %s: none\n", name);
    else if (s.x == 0)
        std::printf("Seed %s: %s\n", name, zeroMeaning);
    else
        std::printf("Seed %s: column %d, row %d, %s\n", name, s.x, s.y, directionName(s.ret));
}

int autoCommand(CliContext& ctx, const std::string& gridPath, const std::string& outPath) {
    std::string error;
    auto picture = GridPicture::readFile(gridPath, error);
    if (!picture) {
        std::fprintf(stderr, "route auto: %s\n", error.c_str());
        return 1;
    }
    Simpelarr model = picture->makeGrid(&ctx.host);
    if (!model.checkRuns()) return 1;

    Route route;
    Simpelarr work(model);
    if (!route.autoRoute(work) || !route.optimiseRoute(model)) return 1;
    if (!route.writeRoute(outPath)) {
        std::fprintf(stderr, "route auto: cannot write %s\n", outPath.c_str());
        return 1;
    }
    std::printf("%s: %zu stops for a %d x %d grid\n", outPath.c_str(), route.stopCount(), model.width(),
                model.height());
    return 0;
}

int showCommand(const std::string& path) {
    Route route;
    if (!route.readRoute(path)) {
        std::fprintf(stderr, "route show: cannot read %s\n", path.c_str());
        return 1;
    }
    printSeed("A", route.seedA, "the first stop");
    printSeed("B", route.seedB, "the second stop");
    std::printf("%5s %7s %4s %-9s %9s %4s\n", "Stop", "Column", "Row", "Direction", "Back-jump", "Type");
    const std::size_t n = route.stopCount();
    for (std::size_t i = 0; i < n; ++i) {
        const Vejstop& s = route.stops()[i];
        std::printf("%5d %7d %4d %-9s %9d %4d\n", s.nr, s.x, s.y, directionName(s.ret), s.rc, s.Type);
    }
    std::printf("%zu stops\n", n);
    return 0;
}

}  // namespace

void addRouteCommands(CLI::App& app, CliContext& ctx) {
    CLI::App* route = app.add_subcommand("route", "Build and inspect routes (.vej): the order in which slots are filled");
    route->require_subcommand(1);

    auto gridPath = std::make_shared<std::string>();
    auto outPath = std::make_shared<std::string>();
    CLI::App* autoCmd = route->add_subcommand(
        "auto", "Build the automatic route for a grid picture and compute its back-jump counts");
    autoCmd->add_option("--grid", *gridPath,
                        "Grid picture: one line per row, '#' for a clue cell, any other character a letter cell")
        ->required()
        ->check(CLI::ExistingFile);
    autoCmd->add_option("-o,--output", *outPath, "Route file to write")->required();
    autoCmd->callback([&ctx, gridPath, outPath] { ctx.exitCode = autoCommand(ctx, *gridPath, *outPath); });

    auto showPath = std::make_shared<std::string>();
    CLI::App* showCmd = route->add_subcommand("show", "Print the seeds and stops of a route file");
    showCmd->add_option("file", *showPath, "Route file (.vej)")->required();
    showCmd->callback([&ctx, showPath] { ctx.exitCode = showCommand(*showPath); });
}

}  // namespace bv::cli
