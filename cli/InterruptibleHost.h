#pragma once
// InterruptibleHost: the console Host of a build run, with a way to stop it from
// outside the dialogue: Ctrl-C (SIGINT), SIGTERM, the terminal closing (SIGHUP)
// or a limit on fill attempts. Each signal ends the run the way Esc does, so the
// crossword being saved is finished or never appears, and the run loop puts the
// working directory back.
//
// Once a stop is requested, pollKey answers Esc (so the generator ends the
// attempt at its next check) and every question is answered No without being
// asked (so the run loop leaves at once); everything else goes to the wrapped
// ConsoleHost. The signal handler only sets a sig_atomic_t flag; install() and
// uninstall() put the handler in place and restore the previous ones.
#include "platform/ConsoleHost.h"

#include <csignal>
#include <functional>

namespace bv::cli {

class InterruptibleHost : public Host {
public:
    explicit InterruptibleHost(ConsoleHost& console) : console_(console) {}
    ~InterruptibleHost() override { uninstall(); }
    InterruptibleHost(const InterruptibleHost&) = delete;
    InterruptibleHost& operator=(const InterruptibleHost&) = delete;

    void install();
    void uninstall();
    // True once SIGINT, SIGTERM or SIGHUP arrived (since install()).
    static bool interrupted();
    // An extra stop condition, asked at every key poll and question.
    std::function<bool()> stopWhen;
    bool stopRequested() const;

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

private:
    ConsoleHost& console_;
    bool installed_ = false;
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[3] {};
};

}  // namespace bv::cli
