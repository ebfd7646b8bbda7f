#include "shell/RuleFileLoader.h"

#include "dictionary/WordFiles.h"
#include "shell/PathName.h"

#include <filesystem>

namespace bv {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kWaitText = "Registra el diccionario  - Espera por favor";
// The CD prompt repeats while the user answers OK; a host that always answers
// OK (a batch run) must not spin for ever.
constexpr int kMaxDiscPrompts = 100;

bool hasOrdinaryFile(const std::string& dir) {
    std::error_code ec;
    fs::directory_iterator it(dir.empty() ? std::string(".") : dir, ec), end;
    for (; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec)) return true;
    return false;
}

// Where a rule file named without a directory is found: the current directory,
// then the start directory, then the models directory the installer recorded.
std::string findRuleFile(const AppState& app, const std::string& name) {
    std::string n = PathName::native(name);
    if (PathName::readable(n) || n.find('/') != std::string::npos) return n;
    std::vector<std::string> dirs{app.dirs.start};
    if (app.settings.has(Settings::kSkabelon)) dirs.push_back(app.settings.get(Settings::kSkabelon, ""));
    if (auto v = app.registry.value(RegistryRoot::ClassesRoot, kRegSkabelon)) dirs.push_back(*v);
    for (const auto& d : dirs) {
        if (d.empty()) continue;
        std::string c = PathName::join(d, n);
        if (PathName::readable(c)) return c;
    }
    return n;
}

// The data-file fallback: the name itself when it opens; else (our addition)
// the name beside the rule file; else the name inside the installed directory
// of its kind. nullopt when no such directory is recorded (reported).
std::optional<std::string> resolveDataFile(AppState& app, Host& host, const std::string& given,
                                           std::string_view subkey, std::string_view settingsKey) {
    std::string name = PathName::native(given);
    if (PathName::readable(name)) return name;
    if (!PathName::isRooted(name)) {
        std::string beside = PathName::join(PathName::directoryOf(app.ruleProfile.path()), name);
        if (!PathName::directoryOf(app.ruleProfile.path()).empty() && PathName::readable(beside)) return beside;
    }
    std::string installed = readRegistryDefault(app.registry, subkey, host);
    if (installed.empty()) {
        host.report(kInstallErrorText, "Error", Icon::Error);
        return std::nullopt;
    }
    std::string dataDir = app.settings.get(settingsKey, installed);
    locateDataFile(name, dataDir, app.registry, host);
    return name;
}

}  // namespace

void locateDataFile(std::string& name, const std::string& dataDir, const RegistryStore& registry, Host& host) {
    std::string dir = PathName::native(dataDir);
    for (int round = 0; !hasOrdinaryFile(dir); ++round) {
        std::string cd = PathName::native(readRegistryDefault(registry, kRegCDRom, host));
        bool onDisc = !cd.empty() && dir.starts_with(cd);
        if (!onDisc) {
            host.askOkCancel(kInstallErrorText, "Error", Icon::Error);
            return;
        }
        if (round >= kMaxDiscPrompts ||
            !host.askOkCancel("Coloca el crucigrama en el CD-ROM en el disco de ordenador",
                              "Echa de menos información", Icon::Warning))
            return;
    }
    if (!PathName::isRooted(name)) {
        name = PathName::join(dir, name);
        return;
    }
    std::string base = PathName::baseName(name);
    if (base.empty()) {
        host.report("No puede encontrar el archivo en esta biblioteca.", PathName::forMessage(name), Icon::Error);
        return;
    }
    name = PathName::join(dir, base);
}

bool loadRuleFile(AppState& app, Host& host, const std::optional<std::string>& name) {
    if (name) app.ruleFileName = *name;
    app.ruleProfile = RuleFile(findRuleFile(app, app.ruleFileName));
    const RuleFile& rules = app.ruleProfile;

    auto model = resolveDataFile(app, host, rules.model(), kRegSkabelon, Settings::kSkabelon);
    if (!model) return false;
    const Language& language = app.language;
    app.document.readCrosswordFile(*model, host, [&language](unsigned char b) { return language.isLetter(b); });
    app.document.setModelFileName(*model);

    app.language.setLanguage(rules.sprog(), host);

    auto trie = resolveDataFile(app, host, rules.trie(), kRegDictionary, Settings::kDictionary);
    if (!trie) return false;
    if (*trie != app.dictionaryFileName) {
        host.setStatusText(kWaitText);
        app.replaceDictionary(BogPoint::kRuleFileSize);
        loadWordFile(*app.dictionary, *trie);
        host.setStatusText("");
        app.dictionaryFileName = *trie;
    }

    auto vej = resolveDataFile(app, host, rules.vej(), kRegModelOgVej, Settings::kModelOgVej);
    if (!vej) return false;
    app.route.readRoute(*vej);
    app.routeFileName = *vej;

    auto par = resolveDataFile(app, host, rules.parametre(), kRegModelOgVej, Settings::kParametre);
    if (!par) return false;
    app.params.readParameters(*par, host);
    app.parameterFileName = *par;

    // The rule file's DestDir, else the settings' Gemmested, else the installer's.
    if (rules.hasDestDir())
        app.dirs.destination = PathName::native(rules.destDir(""));
    else
        app.dirs.destination = app.settings.getOr(Settings::kGemmested, kRegGemmested, app.registry, host);

    if (app.loadCount != 0) app.recentFiles.add(app.ruleFileName);
    ++app.loadCount;
    return true;
}

std::optional<std::string> openRuleFile(AppState& app, Host& host) {
    app.ruleFileName.clear();
    auto chosen = host.chooseFile("Abrir", RuleFile::kFilter, false);
    if (!chosen || chosen->empty()) return std::nullopt;
    loadRuleFile(app, host, *chosen);
    return chosen;
}

bool saveRuleFile(AppState& app, Host& host) {
    if (app.ruleFileName.size() < 2) return saveRuleFileAs(app, host);
    RuleFile::Names names{app.document.modelFileName(), app.dictionaryFileName, app.routeFileName,
                          app.parameterFileName, app.dirs.destination, app.languageCode()};
    std::string path = PathName::native(app.ruleFileName);
    if (!RuleFile::save(path, names)) {
        host.report("No se puede abrir " + PathName::forMessage(path), "Error", Icon::Error);
        return false;
    }
    return true;
}

bool saveRuleFileAs(AppState& app, Host& host) {
    auto chosen = host.chooseFile("Guardar Como", RuleFile::kFilter, true);
    if (!chosen || chosen->empty()) return false;
    std::string n = *chosen;
    if (PathName::baseName(n).find('.') == std::string::npos) n += ".skb";
    app.ruleFileName = n;
    if (n.size() < 2) return false;
    return saveRuleFile(app, host);
}

}  // namespace bv
