#include "cli/InterruptibleHost.h"

#include <iterator>

namespace bv::cli {

namespace {
volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onStopSignal(int) { gInterrupted = 1; }
}  // namespace

void InterruptibleHost::install() {
    if (installed_) return;
    gInterrupted = 0;
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;  // no SA_RESTART: a blocking read on the terminal returns
    for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &sa, &previous_[i]);
    installed_ = true;
}

void InterruptibleHost::uninstall() {
    if (!installed_) return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
    installed_ = false;
}

bool InterruptibleHost::interrupted() { return gInterrupted != 0; }

bool InterruptibleHost::stopRequested() const {
    // A terminal that hung up ends the run as its hang-up signal does, even when
    // the host notices before the signal arrives.
    if (console_.hungUp()) gInterrupted = 1;
    return interrupted() || (stopWhen && stopWhen());
}

void InterruptibleHost::report(std::string_view text, std::string_view caption, Icon icon) {
    console_.report(text, caption, icon);
}

bool InterruptibleHost::askYesNo(std::string_view text, std::string_view caption, Icon icon) {
    if (stopRequested()) return false;
    bool yes = console_.askYesNo(text, caption, icon);
    // Ctrl-C while the question waited for its answer.
    return yes && !stopRequested();
}

bool InterruptibleHost::askOkCancel(std::string_view text, std::string_view caption, Icon icon) {
    if (stopRequested()) return false;
    bool ok = console_.askOkCancel(text, caption, icon);
    return ok && !stopRequested();
}

std::optional<int> InterruptibleHost::pollKey() {
    if (stopRequested()) return kKeyEsc;
    return console_.pollKey();
}

void InterruptibleHost::showProgress(std::string_view status, const std::vector<std::string>& rows) {
    console_.showProgress(status, rows);
}

void InterruptibleHost::showCounters(std::string_view counters, std::string_view attemptStart) {
    console_.showCounters(counters, attemptStart);
}

void InterruptibleHost::setStatusText(std::string_view text) { console_.setStatusText(text); }

std::optional<std::string> InterruptibleHost::inputLine(std::string_view prompt, std::string_view caption,
                                                        std::string_view initial) {
    if (stopRequested()) return std::nullopt;
    return console_.inputLine(prompt, caption, initial);
}

std::optional<std::string> InterruptibleHost::chooseFile(std::string_view caption, std::string_view filter,
                                                         bool forSaving) {
    if (stopRequested()) return std::nullopt;
    return console_.chooseFile(caption, filter, forSaving);
}

}  // namespace bv::cli
