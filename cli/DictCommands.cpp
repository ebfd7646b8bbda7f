#include "cli/CliCommands.h"

namespace bv::cli {

void addDictCommands(CLI::App&, CliContext&) {}

}  // namespace bv::cli
