#pragma once
// ConsoleHost: the Host of the command line.
//
// Messages go to stderr as "caption: text". Questions are asked on the terminal
// when stdin is one; otherwise the configured batch answer is taken and printed.
// With keys enabled and stdin a terminal, the terminal is put in raw mode (no
// echo, no line buffering) so that pollKey sees Esc and the digit keys while
// work goes on; the mode is restored by disableKeys() or the destructor.
// Progress is a single live line on stderr when stderr is a terminal.
#include "platform/Host.h"

#include <cstdio>

namespace bv {

class ConsoleHost : public Host {
public:
    ConsoleHost();
    ~ConsoleHost() override;
    ConsoleHost(const ConsoleHost&) = delete;
    ConsoleHost& operator=(const ConsoleHost&) = delete;

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

    // Answer to questions when nobody can be asked.
    void setBatchAnswer(bool yes) { batchAnswer_ = yes; }
    bool interactive() const { return interactive_; }
    bool liveProgress() const { return live_; }
    void setQuiet(bool q) { quiet_ = q; }

    // True once the terminal hung up or reached its end while a key or an
    // answer was wanted; pollKey then answers Esc and questions No.
    bool hungUp() const { return hungUp_; }

    void enableKeys();
    void disableKeys();
    // Ends the live progress line (prints a line end if one is open).
    void endLiveLine();

private:
    bool ask(std::string_view text, std::string_view caption, const char* choices);
    std::optional<int> hangUp();

    bool interactive_;
    bool live_;
    bool quiet_ = false;
    bool batchAnswer_ = false;
    bool keysOn_ = false;
    bool lineOpen_ = false;
    bool hungUp_ = false;
    struct Saved;
    Saved* saved_ = nullptr;
};

}  // namespace bv
