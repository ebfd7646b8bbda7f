#include "platform/TextFile.h"

#include "tests/platform/SmallFilesystem.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace bv {
namespace {

namespace fs = std::filesystem;

std::string readAll(const std::string& path) {
    std::string bytes;
    TextFile::read(path, bytes);
    return bytes;
}

bool leftTemporaryFiles(const fs::path& dir) {
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().starts_with(".bv-tmp")) return true;
    return false;
}

// A write that runs out of space fails with a reason and leaves what was there
// as it was: the old file whole, no new name, no temporary file.
TEST(TextFile, FullFilesystemLeavesTheOldFileAndNoTrace) {
    bvtest::SmallFilesystem fsys;
    if (!fsys.mounted()) GTEST_SKIP() << fsys.reason();
    ASSERT_TRUE(TextFile::writeAtomic(fsys / "a.txt", "old\r\n"));
    fsys.fill();
    const std::string big(200 * 1024, 'y');

    std::string error;
    EXPECT_FALSE(TextFile::writeAtomic(fsys / "a.txt", big, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(readAll(fsys / "a.txt"), "old\r\n");

    error.clear();
    EXPECT_FALSE(TextFile::writeNew(fsys / "b.txt", big, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(fsys / "b.txt"));
    EXPECT_FALSE(leftTemporaryFiles(fsys.path()));
}

TEST(TextFile, ReadOnlyFilesystemRefusesBothWriters) {
    bvtest::SmallFilesystem fsys("ro,size=64k");
    if (!fsys.mounted()) GTEST_SKIP() << fsys.reason();
    std::string error;
    EXPECT_FALSE(TextFile::writeAtomic(fsys / "a.txt", "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(TextFile::writeNew(fsys / "b.txt", "x"));
    EXPECT_TRUE(fs::is_empty(fsys.path()));
}

// Renaming a temporary file over a device would replace the device by a plain
// file (root may do that in /dev); such targets are written in place instead.
TEST(TextFile, DevicesStayDevices) {
    struct Case {
        const char* path;
        bool writes;
    };
    for (const Case& c : {Case{"/dev/null", true}, Case{"/dev/full", false}}) {
        struct stat before {};
        if (::stat(c.path, &before) != 0 || !S_ISCHR(before.st_mode)) continue;
        EXPECT_EQ(TextFile::writeAtomic(c.path, "bytes"), c.writes) << c.path;
        struct stat after {};
        ASSERT_EQ(::stat(c.path, &after), 0) << c.path;
        EXPECT_TRUE(S_ISCHR(after.st_mode)) << c.path;
        EXPECT_EQ(after.st_rdev, before.st_rdev) << c.path;
    }
}

TEST(TextFile, SymbolicLinkStaysALinkAndItsFileIsReplaced) {
    fs::path dir = fs::temp_directory_path() / ("bv-textfile-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "real");
    ASSERT_TRUE(TextFile::writeAtomic((dir / "real" / "f.txt").string(), "old"));
    fs::create_symlink("real/f.txt", dir / "link.txt");

    ASSERT_TRUE(TextFile::writeAtomic((dir / "link.txt").string(), "new"));

    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    EXPECT_EQ(readAll((dir / "real" / "f.txt").string()), "new");
    EXPECT_FALSE(leftTemporaryFiles(dir));
    EXPECT_FALSE(leftTemporaryFiles(dir / "real"));
    fs::remove_all(dir);
}

// Readers take whole regular files only: a FIFO with no writer would make the
// open wait for ever, /dev/zero would never end, a directory has no bytes.
TEST(TextFile, ReadRefusesWhatIsNoRegularFile) {
    fs::path dir = fs::temp_directory_path() / ("bv-textfile-read-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    ASSERT_TRUE(TextFile::writeAtomic((dir / "plain.txt").string(), "abc\r\n"));
    fs::create_symlink("plain.txt", dir / "link.txt");

    struct Case {
        std::string path;
        bool reads;
    };
    const Case cases[] = {
        {(dir / "fifo").string(), false},    {"/dev/zero", false},
        {dir.string(), false},               {(dir / "missing").string(), false},
        {(dir / "plain.txt").string(), true}, {(dir / "link.txt").string(), true},
    };
    for (const Case& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(TextFile::read(c.path, bytes), c.reads) << c.path;
        EXPECT_EQ(bytes, c.reads ? "abc\r\n" : "") << c.path;
        EXPECT_EQ(TextFile::isReadableFile(c.path), c.reads) << c.path;
    }
    fs::remove_all(dir);
}

TEST(TextFile, ReadRefusesAFileOverTheLimit) {
    fs::path path = fs::temp_directory_path() / ("bv-textfile-big-" + std::to_string(::getpid()));
    ASSERT_TRUE(TextFile::writeAtomic(path.string(), std::string(1000, 'x')));
    std::string bytes;
    EXPECT_FALSE(TextFile::read(path.string(), bytes, 999));
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(TextFile::read(path.string(), bytes, 1000));
    EXPECT_EQ(bytes.size(), 1000u);
    fs::remove(path);
}

}  // namespace
}  // namespace bv
