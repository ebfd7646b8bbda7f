#pragma once
// FileTypeRegistration: the registry entries that tie rule files (.skb) to the
// program, written at every start and removed with the option "-unregister".
//
// Keys (classes root, each as its default value): "W5.Application\DefaultIcon"
// and ".skb" hold the program's path, "W5.Document.1\DefaultIcon" the path
// followed by ",1". No open command is registered. Errors are ignored: the
// registration is a convenience, and start-up goes on without it.
#include "platform/RegistryStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace bv {

struct FileTypeRegistration {
    // An option ("-" or "--" and at least one letter) whose text equals the
    // beginning of "unregister" of the same length, in any letter case:
    // -u, -UNREG, --unregister; not -unregisterx. Tokens starting with '/' are
    // file names on this platform, not options.
    static bool isUnregisterOption(std::string_view token);
    // True when any token of the command line is such an option.
    static bool wantsUnregister(const std::vector<std::string>& args);

    static void write(RegistryStore& registry, const std::string& programPath);
    // Removes the DefaultIcon sub-keys, then the keys "W5.Application",
    // "W5.Document.1" and ".skb" — each only when no other sub-key is left
    // under it, so that the installer's values under "W5.Application" survive.
    static void remove(RegistryStore& registry);
    // Start-up: removes the registration when the command line asks for it,
    // writes it otherwise. Answers true when it was removed.
    static bool apply(RegistryStore& registry, const std::vector<std::string>& args,
                      const std::string& programPath);
};

}  // namespace bv
