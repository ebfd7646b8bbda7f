#pragma once
// A fresh directory per test, removed afterwards, with small file helpers.
#include "platform/TextFile.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace bv::test {

class TempDir {
public:
    TempDir() {
        static int n = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("bv-shell-" + std::to_string(::getpid()) + "-" + std::to_string(++n));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        path_ = std::filesystem::canonical(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string str() const { return path_.string(); }
    std::string operator/(const std::string& rel) const { return (path_ / rel).string(); }
    std::string mkdir(const std::string& rel) const {
        std::filesystem::create_directories(path_ / rel);
        return (path_ / rel).string();
    }
    std::string write(const std::string& rel, const std::string& bytes) const {
        auto p = path_ / rel;
        std::filesystem::create_directories(p.parent_path());
        TextFile::writeAtomic(p.string(), bytes);
        return p.string();
    }
    std::string read(const std::string& rel) const {
        std::string b;
        TextFile::read((path_ / rel).string(), b);
        return b;
    }

private:
    std::filesystem::path path_;
};

}  // namespace bv::test
