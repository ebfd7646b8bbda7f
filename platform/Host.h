#pragma once
// Host: the core's only way to reach the user.
//
// Every text handed to a Host is UTF-8 (the core converts Windows-1252 data such
// as words or clue texts with Cp1252 before it builds a message). Every call runs
// on the caller's thread and returns when the user has answered; a Host never
// throws. Implementations: ConsoleHost (terminal / batch), ScriptedHost (tests),
// and the Qt host of the desktop program.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

enum class Icon { None, Information, Warning, Error, Question };

// Key codes reported by pollKey. Esc is 27; the digit keys of the main row and
// of the numeric keypad are both reported as '0'..'9'.
inline constexpr int kKeyEsc = 27;

class Host {
public:
    virtual ~Host() = default;

    // Shows a message and waits for acknowledgement.
    virtual void report(std::string_view text, std::string_view caption, Icon icon) = 0;
    // Yes/No question; true for yes.
    virtual bool askYesNo(std::string_view text, std::string_view caption, Icon icon) = 0;
    // OK/Cancel question; true for OK.
    virtual bool askOkCancel(std::string_view text, std::string_view caption, Icon icon) = 0;
    // Takes one pending key press, if any; a taken key is seen by nobody else.
    virtual std::optional<int> pollKey() = 0;
    // Status text with the work grid below it, one row per line.
    virtual void showProgress(std::string_view status, const std::vector<std::string>& rows) = 0;
    // The counters line and, below it, the start of the current attempt.
    virtual void showCounters(std::string_view counters, std::string_view attemptStart) = 0;
    // Status-bar text that shows at once, even during long work.
    virtual void setStatusText(std::string_view text) = 0;
    // One-line input; nullopt when the user cancels.
    virtual std::optional<std::string> inputLine(std::string_view prompt, std::string_view caption,
                                                 std::string_view initial) = 0;
    // File choice; nullopt when the user cancels. `filter` is "Name|*.ext|..." style.
    virtual std::optional<std::string> chooseFile(std::string_view caption, std::string_view filter,
                                                  bool forSaving) = 0;
};

}  // namespace bv
