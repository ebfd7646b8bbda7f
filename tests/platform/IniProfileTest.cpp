#include "platform/IniProfile.h"
#include "platform/RegistryStore.h"
#include "platform/TextFile.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using bv::IniProfile;

namespace {
struct TempDir {
    fs::path path;
    TempDir() {
        std::string t = (fs::temp_directory_path() / "bvtest-XXXXXX").string();
        path = ::mkdtemp(t.data());
    }
    ~TempDir() { fs::remove_all(path); }
};
}  // namespace

TEST(IniProfile, PrivateProfileReading) {
    IniProfile p;
    p.parse("; comment\r\n[Skabelon]\r\nModel = model1.ktd \r\nTom=\r\nTal=  42abc\r\nNeg=-7\r\n"
            "Citat=\"a b\"\r\nOrd=x\r\n[Andet]\nModel=other\n");
    struct Case { const char* section; const char* key; const char* expected; };
    const Case cases[] = {
        {"Skabelon", "Model", "model1.ktd"}, {"skabelon", "MODEL", "model1.ktd"},
        {"Skabelon", "Tom", ""},             {"Skabelon", "Mangler", "dflt"},
        {"Ingen", "Model", "dflt"},          {"Skabelon", "Citat", "a b"},
        {"Andet", "Model", "other"},
    };
    for (const auto& c : cases) EXPECT_EQ(p.getString(c.section, c.key, "dflt"), c.expected) << c.key;
    EXPECT_EQ(p.getInt("Skabelon", "Tal", 5), 42);
    EXPECT_EQ(p.getInt("Skabelon", "Neg", 5), -7);
    EXPECT_EQ(p.getInt("Skabelon", "Ord", 5), 0);
    EXPECT_EQ(p.getInt("Skabelon", "Mangler", 5), 5);
}

TEST(IniProfile, WritingKeepsUnknownLines) {
    TempDir d;
    auto file = (d.path / "r.skb").string();
    ASSERT_TRUE(bv::TextFile::writeAtomic(file, "; kept\n[Skabelon]\nModel=a\nFremmed=1\n\n[Ukendt]\nX=y\n"));
    IniProfile p(file);
    p.setString("Skabelon", "Model", "b");
    p.setString("skabelon", "Ny", "v");
    p.setInt("Nyt", "Tal", 3);
    ASSERT_TRUE(p.flush());
    std::string bytes;
    ASSERT_TRUE(bv::TextFile::read(file, bytes));
    EXPECT_EQ(bytes, "; kept\r\n[Skabelon]\r\nModel=b\r\nFremmed=1\r\nNy=v\r\n\r\n[Ukendt]\r\nX=y\r\n[Nyt]\r\nTal=3\r\n");
    IniProfile back(file);
    EXPECT_EQ(back.getString("Ukendt", "X", ""), "y");
    EXPECT_EQ(back.getInt("Nyt", "Tal", 0), 3);
}

TEST(IniProfile, FlushFailureLeavesFileAlone) {
    TempDir d;
    auto file = (d.path / "s.ini").string();
    ASSERT_TRUE(bv::TextFile::writeAtomic(file, "[A]\nk=1\n"));
    IniProfile p(file);
    p.setString("A", "k", "2");
    // The profile's place is taken by a directory: the write must fail and say why.
    p.setPath((d.path / "sub").string());
    fs::create_directory(d.path / "sub");
    fs::create_directory(d.path / "sub" / "inside");
    std::string err;
    EXPECT_FALSE(p.flush(&err));
    EXPECT_FALSE(err.empty());
    EXPECT_TRUE(p.dirty());
    EXPECT_EQ(IniProfile(file).getString("A", "k", ""), "1");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.path), fs::directory_iterator()), 2);  // no temp left
}

TEST(TextFile, WriteNewNeverOverwrites) {
    TempDir d;
    auto file = (d.path / "x10_001.010").string();
    ASSERT_TRUE(bv::TextFile::writeNew(file, "one"));
    EXPECT_FALSE(bv::TextFile::writeNew(file, "two"));
    std::string bytes;
    ASSERT_TRUE(bv::TextFile::read(file, bytes));
    EXPECT_EQ(bytes, "one");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.path), fs::directory_iterator()), 1);  // no temp left
    EXPECT_EQ(bv::TextFile::splitLines("a\r\nb\n\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
}

TEST(RegistryStore, ValuesKeysAndRemoval) {
    TempDir d;
    auto file = (d.path / "sub" / "registry.ini").string();
    {
        bv::RegistryStore r(file);
        EXPECT_FALSE(r.value(bv::RegistryRoot::ClassesRoot, "W5.Application\\Dictionary"));
        ASSERT_TRUE(r.setValue(bv::RegistryRoot::ClassesRoot, "W5.Application\\Dictionary", "", "C:\\Tornquil\\dic"));
        ASSERT_TRUE(r.setValue(bv::RegistryRoot::ClassesRoot, "W5.Application\\DefaultIcon", "", "icon"));
        ASSERT_TRUE(r.setValue(bv::RegistryRoot::LocalMachine, "Software\\Product", "Path", "/opt"));
    }
    bv::RegistryStore r(file);
    EXPECT_EQ(*r.value(bv::RegistryRoot::ClassesRoot, "w5.application\\dictionary"), "C:\\Tornquil\\dic");
    EXPECT_EQ(*r.value(bv::RegistryRoot::LocalMachine, "Software\\Product", "path"), "/opt");
    EXPECT_TRUE(r.keyExists(bv::RegistryRoot::ClassesRoot, "W5.Application"));
    ASSERT_TRUE(r.removeKey(bv::RegistryRoot::ClassesRoot, "W5.Application"));
    EXPECT_FALSE(r.keyExists(bv::RegistryRoot::ClassesRoot, "W5.Application"));
    EXPECT_TRUE(r.value(bv::RegistryRoot::LocalMachine, "Software\\Product", "Path"));
}

TEST(RegistryStore, PathFromEnvironment) {
    ::setenv("BRISVANE_REGISTRY", "/tmp/x/reg.ini", 1);
    EXPECT_EQ(bv::RegistryStore::defaultPath(), "/tmp/x/reg.ini");
    ::unsetenv("BRISVANE_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(bv::RegistryStore::defaultPath(), "/tmp/cfg/brisvane/registry.ini");
}
