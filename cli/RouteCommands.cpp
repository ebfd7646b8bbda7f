#include "cli/CliCommands.h"

namespace bv::cli {

void addRouteCommands(CLI::App&, CliContext&) {}

}  // namespace bv::cli
