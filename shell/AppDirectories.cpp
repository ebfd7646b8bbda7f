#include "shell/AppDirectories.h"

#include "shell/PathName.h"

#include <filesystem>
#include <unistd.h>

namespace bv {

namespace fs = std::filesystem;

std::string AppDirectories::currentDirectory() {
    std::error_code ec;
    auto p = fs::current_path(ec);
    return ec ? std::string(".") : p.string();
}

std::string AppDirectories::makeAbsolute(std::string_view dir, const std::string& startDir) {
    if (dir.empty()) return startDir;
    fs::path p(PathName::native(dir));
    if (p.is_relative()) p = fs::path(startDir) / p;
    std::error_code ec;
    // Entering a directory needs search permission, as changing into it does.
    if (!fs::is_directory(p, ec) || ::access(p.c_str(), X_OK) != 0) return startDir;
    auto c = fs::canonical(p, ec);
    return ec ? startDir : c.string();
}

AppDirectories AppDirectories::read(const Settings& settings, const RegistryStore& registry, Host& host,
                                    const std::string& startDir) {
    AppDirectories d;
    d.destination = settings.getOr(Settings::kGemmested, kRegGemmested, registry, host);
    d.dictionary = settings.getOr(Settings::kDictionary, kRegDictionary, registry, host);
    d.route = settings.getOr(Settings::kModelOgVej, kRegModelOgVej, registry, host);
    d.parameter = settings.getOr(Settings::kParametre, kRegModelOgVej, registry, host);
    d.start = startDir;
    d.parameter = makeAbsolute(d.parameter, startDir);
    d.route = makeAbsolute(d.route, startDir);
    d.dictionary = makeAbsolute(d.dictionary, startDir);
    d.destination = makeAbsolute(d.destination, startDir);
    return d;
}

}  // namespace bv
