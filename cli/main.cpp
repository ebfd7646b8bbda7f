// brisvane-cli: the fill engine, dictionaries and anagrams from a terminal.
#include "cli/CliCommands.h"

#include <cstdio>

int main(int argc, char** argv) {
    CLI::App app{"brisvane-cli: build crosswords, maintain dictionaries and find anagrams"};
    app.require_subcommand(1);
    bv::cli::CliContext ctx;
    bv::cli::addRouteCommands(app, ctx);
    bv::cli::addDictCommands(app, ctx);
    bv::cli::addBuildCommands(app, ctx);
    bv::cli::addAnagramCommands(app, ctx);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    std::fflush(stdout);
    return ctx.exitCode;
}
