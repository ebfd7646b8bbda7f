#pragma once
// The dictionary-editing subcommands of brisvane-cli (dict add, subtract, join,
// new-word, remove-word, new). They join the "dict" subcommand when it exists
// already and create it otherwise.
#include "cli/CliCommands.h"

namespace bv::cli {

void addDictEditCommands(CLI::App& app, CliContext& ctx);

}  // namespace bv::cli
