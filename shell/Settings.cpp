#include "shell/Settings.h"

#include "shell/PathName.h"

#include <cstdlib>

namespace bv {

namespace {
// The codes the registry functions answer in these cases.
constexpr int kErrorFileNotFound = 2;
constexpr int kErrorNoMoreItems = 259;
}  // namespace

std::string readRegistryDefault(const RegistryStore& registry, std::string_view subkey, Host& host) {
    if (!registry.keyExists(RegistryRoot::ClassesRoot, subkey)) {
        host.report("Error to open registry code " + std::to_string(kErrorFileNotFound), "DisplayKeyData()",
                    Icon::None);
        return {};
    }
    auto v = registry.value(RegistryRoot::ClassesRoot, subkey);
    if (!v) {
        host.report("Error from EnumVal code " + std::to_string(kErrorNoMoreItems) + " data  in line 126", "",
                    Icon::None);
        return {};
    }
    return *v;
}

std::string Settings::defaultPath(const std::string& startDir) {
    if (const char* p = std::getenv(kEnvVar); p && *p) return p;
    return PathName::join(startDir, kFileName);
}

Settings::Settings(std::string path) : profile_(std::move(path)) {}

std::string Settings::getOr(std::string_view key, std::string_view subkey, const RegistryStore& registry,
                            Host& host) const {
    if (has(key)) return get(key, "");
    return readRegistryDefault(registry, subkey, host);
}

bool Settings::set(std::string_view key, std::string_view value, std::string* error) {
    profile_.setString(kSection, key, value);
    return profile_.flush(error);
}

}  // namespace bv
