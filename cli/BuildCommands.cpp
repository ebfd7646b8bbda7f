#include "cli/CliCommands.h"

namespace bv::cli {

void addBuildCommands(CLI::App&, CliContext&) {}

}  // namespace bv::cli
