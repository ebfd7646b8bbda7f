#pragma once
// RegistryStore: the registry values the suite keeps (file-type registration,
// the installer's "W5.Application\..." values, the product key), stored in an
// INI file: one section per key, named "<ROOT>\<key path>", one line per value;
// the key's default (unnamed) value is "@".
//
// The file is $BRISVANE_REGISTRY when set, else
// $XDG_CONFIG_HOME/brisvane/registry.ini (~/.config when XDG_CONFIG_HOME is
// unset). Key and value names match without regard to ASCII case, as in the
// registry. Every change is written through at once; a change that cannot be
// written answers false and leaves the file as it was.
#include "platform/IniProfile.h"

#include <optional>
#include <string>
#include <string_view>

namespace bv {

enum class RegistryRoot { ClassesRoot, LocalMachine, CurrentUser };

class RegistryStore {
public:
    explicit RegistryStore(std::string path = defaultPath());

    static std::string defaultPath();
    const std::string& path() const { return profile_.path(); }

    // nullopt when the key or the value does not exist. An empty name is the default value.
    std::optional<std::string> value(RegistryRoot root, std::string_view key,
                                     std::string_view name = {}) const;
    bool keyExists(RegistryRoot root, std::string_view key) const;
    // True when the key has at least one sub-key.
    bool hasSubkeys(RegistryRoot root, std::string_view key) const;
    bool setValue(RegistryRoot root, std::string_view key, std::string_view name, std::string_view data,
                  std::string* error = nullptr);
    // Removes the key with all its sub-keys.
    bool removeKey(RegistryRoot root, std::string_view key, std::string* error = nullptr);

    // Reads the file again (another process may have changed it).
    void reload() { profile_.reload(); }

private:
    static std::string sectionName(RegistryRoot root, std::string_view key);
    bool save(std::string* error);

    IniProfile profile_;
};

}  // namespace bv
