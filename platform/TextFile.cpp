#include "platform/TextFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bv {

namespace {

// Opens `path` for reading only when it is a regular file. O_NONBLOCK keeps the
// open from waiting for a writer when the name is a FIFO; it is cleared again
// once the file is known to be regular. -1 (nothing open) otherwise.
int openRegular(const std::string& path, struct stat& st) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return fd;
}

}  // namespace

bool TextFile::read(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    struct stat st {};
    int fd = openRegular(path, st);
    if (fd < 0) return false;
    bool ok = static_cast<std::uintmax_t>(st.st_size) <= maxBytes;
    if (ok) bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    while (ok) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        // The file may grow while it is read; the limit holds for what is read.
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) ok = false;
        else bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) bytes.clear();
    return ok;
}

bool TextFile::isReadableFile(const std::string& path) {
    struct stat st {};
    int fd = openRegular(path, st);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::vector<std::string> TextFile::splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t nl = bytes.find('\n', start);
        size_t end = nl == std::string_view::npos ? bytes.size() : nl;
        size_t e = end;
        if (e > start && bytes[e - 1] == '\r') --e;
        lines.emplace_back(bytes.substr(start, e - start));
        if (nl == std::string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

namespace {
bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        left -= static_cast<size_t>(w);
    }
    return true;
}

std::string tempNameFor(const std::string& path) {
    auto slash = path.rfind('/');
    std::string dir = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return dir + ".bv-tmp-XXXXXX";
}

bool writeTemp(const std::string& path, std::string_view bytes, std::string& tmp, std::string* error) {
    tmp = tempNameFor(path);
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        if (error) *error = std::strerror(err ? err : errno);
        ::unlink(tmp.c_str());
        return false;
    }
    ::chmod(tmp.c_str(), 0644);
    return true;
}
bool writeInPlace(const std::string& path, std::string_view bytes, std::string* error) {
    int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    errno = 0;
    bool ok = writeAll(fd, bytes);
    int err = errno;
    ok = (::close(fd) == 0) && ok;
    if (!ok && error) *error = std::strerror(err ? err : errno);
    return ok;
}
}  // namespace

bool TextFile::writeAtomic(const std::string& path, std::string_view bytes, std::string* error) {
    std::string target = path;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return writeInPlace(path, bytes, error);
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            if (char* real = ::realpath(path.c_str(), nullptr)) {
                target = real;
                std::free(real);
            }
        }
    }
    std::string tmp;
    if (!writeTemp(target, bytes, tmp, error)) return false;
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        if (error) *error = std::strerror(errno);
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

bool TextFile::writeNew(const std::string& path, std::string_view bytes, std::string* error) {
    std::string tmp;
    if (!writeTemp(path, bytes, tmp, error)) return false;
    // link() fails with EEXIST when the name is taken, so two writers never
    // share a name and a finished file appears whole.
    if (::link(tmp.c_str(), path.c_str()) != 0) {
        if (error) *error = std::strerror(errno);
        ::unlink(tmp.c_str());
        return false;
    }
    ::unlink(tmp.c_str());
    return true;
}

}  // namespace bv
