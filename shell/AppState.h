#pragma once
// AppState: everything the application object holds that is not a window — the
// settings, the directories, the names of the current rule, dictionary, route
// and parameter files, the open rule-file profile, the recent-files list, the
// program's one dictionary, route, fuzzy parameters, language tables, rotor,
// random source and tick clock, the run counters and the generator's state
// between runs, the two menu flags, and the
// crossword document.
//
// One AppState per program run (tests build a fresh one each). It is built the
// way start-up builds the application object: the settings file is opened, the
// directories are read from it (the installer's registry values standing in for
// missing keys, with their reports through the Host) and made absolute. No rule
// file is loaded: the document is the empty 10 × 10 grid, the dictionary the
// empty start-up one, no route or parameter file is current.
//
// Ownership: the AppState owns all of it; the dictionary borrows `language` and
// the Host given at construction, which must outlive the AppState. It is neither
// copied nor moved (other objects hold references into it).
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "dictionary/Rotor.h"
#include "documents/Kpoint.h"
#include "documents/RuleFile.h"
#include "engine/FillRunState.h"
#include "engine/FillWorld.h"
#include "engine/FuzzyParametre.h"
#include "engine/Route.h"
#include "platform/Host.h"
#include "platform/Random.h"
#include "platform/RegistryStore.h"
#include "platform/TickClock.h"
#include "shell/AppDirectories.h"
#include "shell/ProgramCounters.h"
#include "shell/RecentFiles.h"
#include "shell/Settings.h"

#include <memory>
#include <string>
#include <string_view>

namespace bv {

class AppState {
public:
    static constexpr std::string_view kAppName = "Brisvane de crucigramas";
    // Filters of the file dialogs the application object owns.
    static constexpr std::string_view kRuleFilter = RuleFile::kFilter;
    static constexpr std::string_view kParameterFilter = "Parámetros (*.par)|*.par|";
    static constexpr std::string_view kRouteFilter = "Lista de la parada de la ruta(*.vej)|*.vej|";
    static constexpr std::string_view kDictionaryFilter =
        "Diccionarios  (*.dic)|*.dic|Glosario(*.txt)|*.txt|Todos(*.*)|*.*|";

    struct Paths {
        std::string startDir;      // empty: the current directory
        std::string settingsPath;  // empty: Settings::defaultPath(startDir)
        std::string registryPath;  // empty: RegistryStore::defaultPath()
    };

    AppState(Host& host, const Paths& paths);
    explicit AppState(Host& host) : AppState(host, Paths{}) {}
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    Host& host() const { return *host_; }

    // The language code a rule file records: the number setLanguage answered.
    int languageCode() const { return language.number(); }

    // The objects one fill run works with, borrowed from this state.
    FillWorld fillWorld() {
        return FillWorld{*dictionary, rotor, route, params, random, *clock, fillRunState, counters, simpleMenu};
    }

    // Destroys the current dictionary and makes a new, empty one of size n.
    void replaceDictionary(std::int64_t n);

    // "&Lugar donde se guarda" once the user has answered: a text of at least
    // two characters becomes the destination directory and is written to the
    // settings as Gemmested; a shorter one changes nothing (false).
    bool setDestinationDirectory(std::string_view text);
    // The whole command: asks with the input dialog, then as above.
    bool askDestinationDirectory();

    RegistryStore registry;
    Settings settings;
    AppDirectories dirs;
    RecentFiles recentFiles;

    // Current file names (the file-name fields of the four dialogs); the
    // model's name is the document's modelFileName().
    std::string ruleFileName;
    std::string dictionaryFileName;
    std::string routeFileName;
    std::string parameterFileName;
    // The profile of the rule file loaded last; open until the next load.
    RuleFile ruleProfile;
    // Rule-file loads in this run of the program.
    int loadCount = 0;

    Language language;
    Rotor rotor;
    std::unique_ptr<BogPoint> dictionary;  // never null
    Route route;
    FuzzyParametre params;
    Random random;
    std::unique_ptr<TickClock> clock;
    ProgramCounters counters;
    FillRunState fillRunState;  // the generator's state between runs
    Kpoint document;

    bool simpleMenu = true;  // the simple menu is active
    bool editMode = false;   // writing in the grid allowed; generation keeps filled cells

private:
    Host* host_;
};

}  // namespace bv
