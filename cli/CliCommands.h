#pragma once
// The subcommand groups of brisvane-cli. Each group lives in its own source file
// and registers its subcommands on the application; a handler returns the
// process exit code through CliContext::exitCode.
#include "platform/ConsoleHost.h"

#include <CLI/CLI.hpp>

namespace bv::cli {

struct CliContext {
    ConsoleHost host;
    int exitCode = 0;
};

void addRouteCommands(CLI::App& app, CliContext& ctx);
void addDictCommands(CLI::App& app, CliContext& ctx);
void addBuildCommands(CLI::App& app, CliContext& ctx);
void addAnagramCommands(CLI::App& app, CliContext& ctx);

}  // namespace bv::cli
