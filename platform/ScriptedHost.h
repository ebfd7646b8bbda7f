#pragma once
// ScriptedHost: a Host for tests. It records every call and answers from
// queues the test fills beforehand. An empty answer queue gives the default
// answer (yes / OK / no key / cancel), so a test never blocks.
#include "platform/Host.h"

#include <deque>
#include <string>
#include <vector>

namespace bv {

class ScriptedHost : public Host {
public:
    struct Message {
        std::string kind;  // "report", "yesno", "okcancel", "input", "file"
        std::string text;
        std::string caption;
        Icon icon = Icon::None;
    };

    void report(std::string_view text, std::string_view caption, Icon icon) override;
    bool askYesNo(std::string_view text, std::string_view caption, Icon icon) override;
    bool askOkCancel(std::string_view text, std::string_view caption, Icon icon) override;
    std::optional<int> pollKey() override;
    void showProgress(std::string_view status, const std::vector<std::string>& rows) override;
    void showCounters(std::string_view counters, std::string_view attemptStart) override;
    void setStatusText(std::string_view text) override;
    std::optional<std::string> inputLine(std::string_view prompt, std::string_view caption,
                                         std::string_view initial) override;
    std::optional<std::string> chooseFile(std::string_view caption, std::string_view filter,
                                          bool forSaving) override;

    // Script.
    std::deque<bool> answers;                       // for askYesNo / askOkCancel
    std::deque<std::optional<int>> keys;            // for pollKey, one entry per call
    std::deque<std::optional<std::string>> inputs;  // for inputLine and chooseFile

    // Record.
    std::vector<Message> messages;        // reports and questions, in order
    std::vector<std::string> statusTexts;  // setStatusText and showProgress status
    std::vector<std::string> counters;     // showCounters first line
    int progressCalls = 0;
    int pollCalls = 0;

    // Messages of kind "report" only.
    std::vector<Message> reports() const;
    void clear();
};

}  // namespace bv
