#include "platform/RegistryStore.h"

#include <cstdlib>
#include <filesystem>

namespace bv {

namespace {
std::string_view rootName(RegistryRoot r) {
    switch (r) {
        case RegistryRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
        case RegistryRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
        case RegistryRoot::CurrentUser: return "HKEY_CURRENT_USER";
    }
    return "HKEY_CLASSES_ROOT";
}

std::string_view valueName(std::string_view name) { return name.empty() ? std::string_view("@") : name; }

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char a = s[i], b = prefix[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a + 32);
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b + 32);
        if (a != b) return false;
    }
    return true;
}
}  // namespace

std::string RegistryStore::defaultPath() {
    if (const char* p = std::getenv("BRISVANE_REGISTRY"); p && *p) return p;
    std::string base;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        base = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        base = std::string(h) + "/.config";
    else
        base = ".";
    return base + "/brisvane/registry.ini";
}

RegistryStore::RegistryStore(std::string path) : profile_(std::move(path)) {}

std::string RegistryStore::sectionName(RegistryRoot root, std::string_view key) {
    std::string k(key);
    while (!k.empty() && k.back() == '\\') k.pop_back();
    while (!k.empty() && k.front() == '\\') k.erase(0, 1);
    return std::string(rootName(root)) + "\\" + k;
}

std::optional<std::string> RegistryStore::value(RegistryRoot root, std::string_view key,
                                                std::string_view name) const {
    auto sec = sectionName(root, key);
    if (!profile_.hasKey(sec, valueName(name))) return std::nullopt;
    return profile_.getString(sec, valueName(name), "");
}

bool RegistryStore::keyExists(RegistryRoot root, std::string_view key) const {
    auto sec = sectionName(root, key);
    for (const auto& s : profile_.sections())
        if (s.size() >= sec.size() && startsWithNoCase(s, sec) && (s.size() == sec.size() || s[sec.size()] == '\\'))
            return true;
    return false;
}

bool RegistryStore::hasSubkeys(RegistryRoot root, std::string_view key) const {
    auto sec = sectionName(root, key);
    for (const auto& s : profile_.sections())
        if (s.size() > sec.size() + 1 && startsWithNoCase(s, sec) && s[sec.size()] == '\\') return true;
    return false;
}

bool RegistryStore::save(std::string* error) {
    std::error_code ec;
    auto dir = std::filesystem::path(profile_.path()).parent_path();
    if (!dir.empty()) std::filesystem::create_directories(dir, ec);
    if (profile_.flush(error)) return true;
    profile_.reload();  // keep memory and file in step
    return false;
}

bool RegistryStore::setValue(RegistryRoot root, std::string_view key, std::string_view name,
                             std::string_view data, std::string* error) {
    profile_.setString(sectionName(root, key), valueName(name), data);
    return save(error);
}

bool RegistryStore::removeKey(RegistryRoot root, std::string_view key, std::string* error) {
    auto sec = sectionName(root, key);
    bool any = false;
    for (const auto& s : profile_.sections())
        if (startsWithNoCase(s, sec) && (s.size() == sec.size() || s[sec.size()] == '\\')) {
            profile_.removeSection(s);
            any = true;
        }
    return !any || save(error);
}

}  // namespace bv
