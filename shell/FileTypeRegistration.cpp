#include "shell/FileTypeRegistration.h"

namespace bv {

namespace {
constexpr std::string_view kWord = "unregister";
constexpr auto kRoot = RegistryRoot::ClassesRoot;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

void removeIfLeaf(RegistryStore& registry, std::string_view key) {
    if (!registry.hasSubkeys(kRoot, key)) registry.removeKey(kRoot, key);
}
}  // namespace

bool FileTypeRegistration::isUnregisterOption(std::string_view token) {
    if (!token.starts_with('-')) return false;
    token.remove_prefix(token.starts_with("--") ? 2 : 1);
    if (token.empty() || token.size() > kWord.size()) return false;
    for (size_t i = 0; i < token.size(); ++i)
        if (lower(token[i]) != kWord[i]) return false;
    return true;
}

bool FileTypeRegistration::wantsUnregister(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (isUnregisterOption(a)) return true;
    return false;
}

void FileTypeRegistration::write(RegistryStore& registry, const std::string& programPath) {
    registry.setValue(kRoot, "W5.Application\\DefaultIcon", "", programPath);
    registry.setValue(kRoot, ".skb", "", programPath);
    registry.setValue(kRoot, "W5.Document.1\\DefaultIcon", "", programPath + ",1");
}

void FileTypeRegistration::remove(RegistryStore& registry) {
    registry.removeKey(kRoot, "W5.Application\\DefaultIcon");
    registry.removeKey(kRoot, "W5.Document.1\\DefaultIcon");
    removeIfLeaf(registry, "W5.Application");
    removeIfLeaf(registry, "W5.Document.1");
    removeIfLeaf(registry, ".skb");
}

bool FileTypeRegistration::apply(RegistryStore& registry, const std::vector<std::string>& args,
                                 const std::string& programPath) {
    if (wantsUnregister(args)) {
        remove(registry);
        return true;
    }
    write(registry, programPath);
    return false;
}

}  // namespace bv
