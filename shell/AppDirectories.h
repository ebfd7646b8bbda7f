#pragma once
// AppDirectories: the directories the program works with, as start-up finds
// them: the start directory (the current directory when the program started),
// the destination for finished crosswords, and the directories the dictionary,
// route and parameter dialogs open in.
//
// read() takes each from the settings file, or from the installer's registry
// value when the file lacks the key (with the registry's reports when that is
// missing too), and makes it absolute. A directory that does not exist, cannot
// be entered or is empty becomes the start directory; a relative one is taken
// from the start directory. The process's current directory is not changed.
#include "platform/Host.h"
#include "platform/RegistryStore.h"
#include "shell/Settings.h"

#include <string>
#include <string_view>

namespace bv {

struct AppDirectories {
    std::string start;
    std::string destination;
    std::string dictionary;
    std::string route;
    std::string parameter;

    static AppDirectories read(const Settings& settings, const RegistryStore& registry, Host& host,
                               const std::string& startDir);
    // The absolute, symlink-resolved form of `dir` ('\' read as '/', relative to
    // `startDir`); `startDir` itself when `dir` is no enterable directory.
    static std::string makeAbsolute(std::string_view dir, const std::string& startDir);
    // The process's current directory.
    static std::string currentDirectory();
};

}  // namespace bv
