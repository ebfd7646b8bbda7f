#include "shell/AppState.h"

namespace bv {

namespace {
std::string orCurrent(const std::string& dir) { return dir.empty() ? AppDirectories::currentDirectory() : dir; }
}  // namespace

AppState::AppState(Host& host, const Paths& paths)
    : registry(paths.registryPath.empty() ? RegistryStore::defaultPath() : paths.registryPath),
      settings(paths.settingsPath.empty() ? Settings::defaultPath(orCurrent(paths.startDir)) : paths.settingsPath),
      recentFiles(settings.profile()),
      dictionary(std::make_unique<BogPoint>(BogPoint::kStartSize, language, host)),
      clock(std::make_unique<SteadyTickClock>()),
      host_(&host) {
    dirs = AppDirectories::read(settings, registry, host, orCurrent(paths.startDir));
    random.seedFromClock();
}

void AppState::replaceDictionary(std::int64_t n) {
    dictionary.reset();  // the old one goes first, as its memory is large
    dictionary = std::make_unique<BogPoint>(n, language, *host_);
}

bool AppState::setDestinationDirectory(std::string_view text) {
    if (text.size() < 2) return false;
    dirs.destination = std::string(text);
    settings.set(Settings::kGemmested, text);
    return true;
}

bool AppState::askDestinationDirectory() {
    auto answer = host_->inputLine(
        "Informa dónde (Disco y directorio) tienen que guardarse los crucigramas ya terminados.", "Adonde",
        dirs.destination);
    return answer && setDestinationDirectory(*answer);
}

}  // namespace bv
