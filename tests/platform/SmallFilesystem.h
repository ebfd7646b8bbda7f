#pragma once
// SmallFilesystem: a tmpfs of a few pages mounted on a fresh directory for the
// life of the object, to run writers out of space. Mounting needs root (and a
// system that allows it); when it is not possible, mounted() is false and the
// test skips with reason(). Permission bits cannot stand in for it, because
// tests often run as root, whom they do not stop.
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace bvtest {

class SmallFilesystem {
public:
    // `options` as for mount -o, e.g. "size=64k" or "ro,size=64k".
    explicit SmallFilesystem(const std::string& options = "size=64k") {
        static int n = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("bv-smallfs-" + std::to_string(::getpid()) + "-" + std::to_string(++n));
        std::filesystem::create_directories(path_);
        if (::mount("tmpfs", path_.c_str(), "tmpfs", 0, options.c_str()) == 0)
            mounted_ = true;
        else
            reason_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
    }
    ~SmallFilesystem() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& reason() const { return reason_; }
    std::string operator/(const std::string& rel) const { return (path_ / rel).string(); }
    const std::filesystem::path& path() const { return path_; }

    // Fills the filesystem with one file until a write fails.
    void fill() const {
        std::ofstream f(path_ / "filler", std::ios::binary);
        std::string page(4096, 'x');
        while (f.write(page.data(), static_cast<std::streamsize>(page.size())) && f.flush()) {
        }
    }

private:
    std::filesystem::path path_;
    bool mounted_ = false;
    std::string reason_;
};

}  // namespace bvtest
