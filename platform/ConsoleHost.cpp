#include "platform/ConsoleHost.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <poll.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace bv {

struct ConsoleHost::Saved {
    termios mode;
};

ConsoleHost::ConsoleHost() : interactive_(::isatty(0) != 0), live_(::isatty(2) != 0) {}

ConsoleHost::~ConsoleHost() { disableKeys(); }

void ConsoleHost::enableKeys() {
    if (keysOn_ || !interactive_) return;
    termios t;
    if (::tcgetattr(0, &t) != 0) return;
    saved_ = new Saved{t};
    t.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::tcsetattr(0, TCSANOW, &t);
    keysOn_ = true;
}

void ConsoleHost::disableKeys() {
    if (!keysOn_) return;
    ::tcsetattr(0, TCSANOW, &saved_->mode);
    delete saved_;
    saved_ = nullptr;
    keysOn_ = false;
}

void ConsoleHost::endLiveLine() {
    if (lineOpen_) {
        std::fputs("\n", stderr);
        lineOpen_ = false;
    }
}

void ConsoleHost::report(std::string_view text, std::string_view caption, Icon) {
    endLiveLine();
    // Old messages mark line breaks with "/n".
    std::string t;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == 'n') {
            t.push_back('\n');
            ++i;
        } else {
            t.push_back(text[i]);
        }
    }
    if (caption.empty())
        std::fprintf(stderr, "%s\n", t.c_str());
    else
        std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(caption.size()), caption.data(), t.c_str());
}

bool ConsoleHost::ask(std::string_view text, std::string_view caption, const char* choices) {
    report(text, caption, Icon::Question);
    if (!interactive_) {
        std::fprintf(stderr, "(%s)\n", batchAnswer_ ? "yes" : "no");
        return batchAnswer_;
    }
    bool wasRaw = keysOn_;
    disableKeys();
    std::fprintf(stderr, "%s ", choices);
    std::fflush(stderr);
    std::string line;
    bool yes = false;
    if (std::getline(std::cin, line)) {
        yes = !line.empty() && std::strchr("sSyY", line[0]) != nullptr;
    } else {
        std::cin.clear();
        hungUp_ = true;  // nobody left to answer
        return false;
    }
    if (wasRaw) enableKeys();
    return yes;
}

bool ConsoleHost::askYesNo(std::string_view text, std::string_view caption, Icon) {
    return ask(text, caption, "[s/n]");
}

bool ConsoleHost::askOkCancel(std::string_view text, std::string_view caption, Icon) {
    return ask(text, caption, "[s = aceptar / n = cancelar]");
}

// The terminal went away (closed, or its end of file reached): from now on the
// work stops as after Esc, whether or not the hang-up signal has arrived yet.
std::optional<int> ConsoleHost::hangUp() {
    hungUp_ = true;
    disableKeys();
    return kKeyEsc;
}

std::optional<int> ConsoleHost::pollKey() {
    if (!keysOn_) return std::nullopt;
    pollfd p{0, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) return std::nullopt;
    if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) return hangUp();
    if (!(p.revents & POLLIN)) return std::nullopt;
    unsigned char buf[16];
    ssize_t n = ::read(0, buf, sizeof buf);
    if (n == 0 || (n < 0 && errno != EINTR && errno != EAGAIN)) return hangUp();
    if (n < 0) return std::nullopt;
    // A lone Esc byte is the Esc key; Esc followed by more bytes is a cursor or
    // function key sequence, which nobody here wants.
    if (buf[0] == 27) return n == 1 ? std::optional<int>(kKeyEsc) : std::nullopt;
    return static_cast<int>(buf[0]);
}

void ConsoleHost::showProgress(std::string_view, const std::vector<std::string>&) {}

void ConsoleHost::showCounters(std::string_view counters, std::string_view) {
    if (!live_ || quiet_) return;
    std::string c(counters);
    while (!c.empty() && c.back() == ' ') c.pop_back();
    std::fprintf(stderr, "\r%s\x1b[K", c.c_str());
    std::fflush(stderr);
    lineOpen_ = true;
}

void ConsoleHost::setStatusText(std::string_view text) {
    if (!live_ || quiet_) return;
    std::fprintf(stderr, "\r%.*s\x1b[K", static_cast<int>(text.size()), text.data());
    std::fflush(stderr);
    lineOpen_ = true;
}

std::optional<std::string> ConsoleHost::inputLine(std::string_view prompt, std::string_view caption,
                                                  std::string_view initial) {
    if (!interactive_) return std::nullopt;
    endLiveLine();
    std::fprintf(stderr, "%.*s: %.*s [%.*s] ", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(prompt.size()), prompt.data(), static_cast<int>(initial.size()),
                 initial.data());
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    if (line.empty()) return std::string(initial);
    return line;
}

std::optional<std::string> ConsoleHost::chooseFile(std::string_view caption, std::string_view,
                                                   bool) {
    return inputLine("fichero", caption, "");
}

}  // namespace bv
