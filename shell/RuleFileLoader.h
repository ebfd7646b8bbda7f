#pragma once
// Opening and saving rule files (.skb) against the application state.
//
// loadRuleFile reads the model into the document, switches the language,
// reloads the dictionary only when its file name differs (exact comparison),
// reads the route and the parameters, and sets the destination directory —
// in that order. A data file that cannot be opened is looked for in the
// directory the installer recorded for its kind (settings key, else registry
// value); when even that is not recorded the installation message is shown
// and the load stops there: what was loaded stays, the rest keeps its state.
// Problems inside the single readers are reported by them and the load goes
// on. Rule-file names and the names inside them may use '\' separators.
#include "shell/AppState.h"

#include <optional>
#include <string>
#include <string_view>

namespace bv {

inline constexpr std::string_view kInstallErrorText =
    "Hay un error en la instalación. Reinstala el crucigrama en CD-rom del CD original, y prueba de nuevo.";

// Loads the rule file `name`, or the current one when `name` is empty. False
// when the load stopped at a missing installation directory.
bool loadRuleFile(AppState& app, Host& host, const std::optional<std::string>& name = std::nullopt);

// The command "&Abrir...": empties the current rule-file name (so that a
// cancelled choice leaves none), lets the user choose a rule file and loads it.
// The chosen name (for the frame's caption); nullopt when cancelled.
std::optional<std::string> openRuleFile(AppState& app, Host& host);

// Writes the current names under the current rule-file name; with no name
// (fewer than two characters) it asks for one as saveRuleFileAs. False when
// nothing was written (cancelled, or the file could not be written: reported).
bool saveRuleFile(AppState& app, Host& host);
// Asks for a name (the save dialog), makes it the current rule-file name and saves.
bool saveRuleFileAs(AppState& app, Host& host);

// Rewrites `name` to lie in `dataDir`: a relative name is put under it, a
// rooted one ("/x/y.ktd", "C:\Old\y.ktd") keeps only its file name. When the
// directory holds no file the user is asked for the CD (when it lies on the
// CD-ROM the installer recorded) or told that the installation is broken; the
// name then stays unchanged.
void locateDataFile(std::string& name, const std::string& dataDir, const RegistryStore& registry, Host& host);

}  // namespace bv
