#include "cli/CliCommands.h"

namespace bv::cli {

void addAnagramCommands(CLI::App&, CliContext&) {}

}  // namespace bv::cli
