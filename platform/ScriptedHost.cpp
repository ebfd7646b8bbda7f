#include "platform/ScriptedHost.h"

namespace bv {

namespace {
bool takeAnswer(std::deque<bool>& q, bool dflt) {
    if (q.empty()) return dflt;
    bool a = q.front();
    q.pop_front();
    return a;
}
}  // namespace

void ScriptedHost::report(std::string_view text, std::string_view caption, Icon icon) {
    messages.push_back({"report", std::string(text), std::string(caption), icon});
}

bool ScriptedHost::askYesNo(std::string_view text, std::string_view caption, Icon icon) {
    messages.push_back({"yesno", std::string(text), std::string(caption), icon});
    return takeAnswer(answers, true);
}

bool ScriptedHost::askOkCancel(std::string_view text, std::string_view caption, Icon icon) {
    messages.push_back({"okcancel", std::string(text), std::string(caption), icon});
    return takeAnswer(answers, true);
}

std::optional<int> ScriptedHost::pollKey() {
    ++pollCalls;
    if (keys.empty()) return std::nullopt;
    auto k = keys.front();
    keys.pop_front();
    return k;
}

void ScriptedHost::showProgress(std::string_view status, const std::vector<std::string>&) {
    ++progressCalls;
    statusTexts.emplace_back(status);
}

void ScriptedHost::showCounters(std::string_view line, std::string_view) {
    counters.emplace_back(line);
}

void ScriptedHost::setStatusText(std::string_view text) { statusTexts.emplace_back(text); }

std::optional<std::string> ScriptedHost::inputLine(std::string_view prompt, std::string_view caption,
                                                   std::string_view) {
    messages.push_back({"input", std::string(prompt), std::string(caption), Icon::None});
    if (inputs.empty()) return std::nullopt;
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

std::optional<std::string> ScriptedHost::chooseFile(std::string_view caption, std::string_view filter,
                                                    bool) {
    messages.push_back({"file", std::string(filter), std::string(caption), Icon::None});
    if (inputs.empty()) return std::nullopt;
    auto a = inputs.front();
    inputs.pop_front();
    return a;
}

std::vector<ScriptedHost::Message> ScriptedHost::reports() const {
    std::vector<Message> out;
    for (const auto& m : messages)
        if (m.kind == "report") out.push_back(m);
    return out;
}

void ScriptedHost::clear() {
    messages.clear();
    statusTexts.clear();
    counters.clear();
    progressCalls = 0;
    pollCalls = 0;
}

}  // namespace bv
