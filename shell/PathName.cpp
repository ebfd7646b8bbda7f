#include "shell/PathName.h"

#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace bv {

std::string PathName::native(std::string_view name) {
    std::string s(name);
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

std::string PathName::join(std::string_view dir, std::string_view name) {
    if (dir.empty()) return native(name);
    std::string d = native(dir);
    std::string n = native(name);
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    while (!n.empty() && n.front() == '/') n.erase(0, 1);
    if (d == "/") return d + n;
    return d + "/" + n;
}

bool PathName::isRooted(std::string_view name) {
    return (!name.empty() && (name.front() == '/' || name.front() == '\\')) ||
           name.find(':') != std::string_view::npos;
}

std::string PathName::baseName(std::string_view name) {
    auto cut = name.find_last_of("/\\:");
    return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

std::string PathName::directoryOf(std::string_view name) {
    auto cut = name.find_last_of("/\\");
    if (cut == std::string_view::npos) return {};
    if (cut == 0) return "/";
    return native(name.substr(0, cut));
}

std::string PathName::forMessage(std::string_view name) {
    return Cp1252::isValidUtf8(name) ? std::string(name) : Cp1252::toUtf8(name);
}

bool PathName::readable(const std::string& name) { return !name.empty() && TextFile::isReadableFile(name); }

}  // namespace bv
