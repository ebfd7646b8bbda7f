#pragma once
// Helpers shared by the fuzz targets: the readers under test mostly take a path,
// so each input is written to a scratch file first. Scratch files live in one
// directory per fuzzing process ($TMPDIR or /tmp) and are reused between inputs.
#include "platform/Host.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <iterator>
#include <optional>
#include <vector>

namespace bvfuzz {

// A Host that answers like a user who cancels everything and keeps no record,
// so that a long fuzzing run does not grow its memory with messages.
class QuietHost : public bv::Host {
public:
    void report(std::string_view, std::string_view, bv::Icon) override { ++reports; }
    bool askYesNo(std::string_view, std::string_view, bv::Icon) override { return false; }
    bool askOkCancel(std::string_view, std::string_view, bv::Icon) override { return false; }
    std::optional<int> pollKey() override { return std::nullopt; }
    void showProgress(std::string_view, const std::vector<std::string>&) override {}
    void showCounters(std::string_view, std::string_view) override {}
    void setStatusText(std::string_view) override {}
    std::optional<std::string> inputLine(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFile(std::string_view, std::string_view, bool) override {
        return std::nullopt;
    }
    long reports = 0;
};

inline std::string scratchPath(std::string_view name) {
    static const std::string dir = [] {
        const char* t = std::getenv("TMPDIR");
        std::string d = std::string(t && *t ? t : "/tmp") + "/bvfuzz." + std::to_string(::getpid());
        ::mkdir(d.c_str(), 0700);
        return d;
    }();
    return dir + "/" + std::string(name);
}

inline std::string writeScratch(std::string_view name, const std::uint8_t* data, std::size_t size) {
    std::string path = scratchPath(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

inline std::string readScratch(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A failed property: print what differs and stop the run so libFuzzer keeps the input.
[[noreturn]] inline void fail(const char* what, std::string_view a = {}, std::string_view b = {}) {
    std::fprintf(stderr, "PROPERTY FAILED: %s\n--- first (%zu bytes)\n%.*s\n--- second (%zu bytes)\n%.*s\n", what,
                 a.size(), static_cast<int>(a.size() > 2000 ? 2000 : a.size()), a.data(), b.size(),
                 static_cast<int>(b.size() > 2000 ? 2000 : b.size()), b.data());
    std::abort();
}

}  // namespace bvfuzz
