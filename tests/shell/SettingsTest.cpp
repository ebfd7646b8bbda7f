#include "shell/AppDirectories.h"
#include "shell/RecentFiles.h"
#include "shell/Settings.h"

#include "TempDir.h"
#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace bv {
namespace {

using test::TempDir;

TEST(ReadRegistryDefault, ValueMissingKeyAndKeyWithoutValue) {
    TempDir t;
    RegistryStore reg(t / "registry.ini");
    reg.setValue(RegistryRoot::ClassesRoot, "W5.Application\\Dictionary", "", "/opt/dic");
    reg.setValue(RegistryRoot::ClassesRoot, "W5.Application\\Skabelon", "Other", "x");
    reg.setValue(RegistryRoot::ClassesRoot, "W5.Application\\Gemmested", "", "");

    ScriptedHost host;
    // Names match without regard to case, as in the registry.
    EXPECT_EQ(readRegistryDefault(reg, "w5.Application\\Dictionary", host), "/opt/dic");
    EXPECT_EQ(readRegistryDefault(reg, "w5.Application\\Gemmested", host), "");
    EXPECT_TRUE(host.messages.empty());

    EXPECT_EQ(readRegistryDefault(reg, "w5.Application\\ModelOgVej", host), "");
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Error to open registry code 2");
    EXPECT_EQ(host.reports()[0].caption, "DisplayKeyData()");
    EXPECT_EQ(host.reports()[0].icon, Icon::None);

    EXPECT_EQ(readRegistryDefault(reg, "w5.Application\\Skabelon", host), "");
    ASSERT_EQ(host.reports().size(), 2u);
    EXPECT_EQ(host.reports()[1].text, "Error from EnumVal code 259 data  in line 126");
    EXPECT_EQ(host.reports()[1].caption, "");
}

TEST(Settings, FileValueWinsOverRegistryAndRegistryIsReadOnlyWhenNeeded) {
    TempDir t;
    RegistryStore reg(t / "registry.ini");
    reg.setValue(RegistryRoot::ClassesRoot, "w5.Application\\Dictionary", "", "from-registry");
    Settings s(t.write("W5E.ini", "[Opsat]\r\nModelOgVej=from-file\r\nParametre=\r\n"));
    ScriptedHost host;
    EXPECT_EQ(s.getOr(Settings::kModelOgVej, kRegModelOgVej, reg, host), "from-file");
    EXPECT_EQ(s.getOr(Settings::kParametre, kRegModelOgVej, reg, host), "");  // empty value, not the default
    EXPECT_EQ(s.getOr(Settings::kDictionary, kRegDictionary, reg, host), "from-registry");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(s.getOr(Settings::kGemmested, kRegGemmested, reg, host), "");
    EXPECT_EQ(host.reports().size(), 1u);
}

TEST(Settings, PathFromEnvironmentOrStartDirectory) {
    const char* old = std::getenv(Settings::kEnvVar);
    std::string saved = old ? old : "";
    ::unsetenv(Settings::kEnvVar);
    EXPECT_EQ(Settings::defaultPath("/home/u/work"), "/home/u/work/W5E.ini");
    ::setenv(Settings::kEnvVar, "/tmp/other.ini", 1);
    EXPECT_EQ(Settings::defaultPath("/home/u/work"), "/tmp/other.ini");
    if (old)
        ::setenv(Settings::kEnvVar, saved.c_str(), 1);
    else
        ::unsetenv(Settings::kEnvVar);
}

TEST(Settings, SetWritesThroughAndKeepsOtherLines) {
    TempDir t;
    std::string path = t.write("W5E.ini", "[Opsat]\r\nDictionary=dic\r\n[Other]\r\nx=1\r\n");
    Settings s(path);
    ASSERT_TRUE(s.set(Settings::kGemmested, "/srv/out"));
    Settings again(path);
    EXPECT_EQ(again.get(Settings::kGemmested, "?"), "/srv/out");
    EXPECT_EQ(again.get(Settings::kDictionary, "?"), "dic");
    EXPECT_EQ(again.profile().getString("Other", "x", "?"), "1");
}

TEST(AppDirectories, MakeAbsolute) {
    TempDir t;
    t.mkdir("dic");
    t.mkdir("a/b");
    ::symlink((t / "a").c_str(), (t / "link").c_str());
    struct Case {
        std::string dir;
        std::string expected;
    } cases[] = {
        {"dic", t / "dic"},            // relative to the start directory
        {t / "a/b", t / "a/b"},        // absolute stays
        {"a\\b", t / "a/b"},           // '\' separators
        {"link/b", t / "a/b"},         // resolved as changing into it would
        {"a/../dic", t / "dic"},
        {"missing", t.str()},          // cannot be entered: the start directory
        {"", t.str()},
        {"D:\\Crucis", t.str()},
    };
    for (const auto& c : cases) EXPECT_EQ(AppDirectories::makeAbsolute(c.dir, t.str()), c.expected) << c.dir;
}

TEST(AppDirectories, ReadFromSettingsAndRegistry) {
    TempDir t;
    t.mkdir("start/dic");
    std::string crucis = t.mkdir("Crucis");
    std::string routes = t.mkdir("routes");
    RegistryStore reg(t / "registry.ini");
    reg.setValue(RegistryRoot::ClassesRoot, "w5.Application\\Gemmested", "", crucis);
    reg.setValue(RegistryRoot::ClassesRoot, "w5.Application\\ModelOgVej", "", routes);
    Settings s(t.write("W5E.ini", "[Opsat]\r\nDictionary=dic\r\n"));
    ScriptedHost host;
    auto d = AppDirectories::read(s, reg, host, t / "start");
    EXPECT_EQ(d.start, t / "start");
    EXPECT_EQ(d.destination, crucis);
    EXPECT_EQ(d.dictionary, t / "start/dic");
    EXPECT_EQ(d.route, routes);
    EXPECT_EQ(d.parameter, routes);  // Parametre falls back on the ModelOgVej value
    EXPECT_TRUE(host.messages.empty());

    std::filesystem::remove(crucis);  // a destination that is gone becomes the start directory
    EXPECT_EQ(AppDirectories::read(s, reg, host, t / "start").destination, t / "start");
}

TEST(AppDirectories, NothingInstalledGivesTheRegistryReportsAndTheStartDirectory) {
    TempDir t;
    RegistryStore reg(t / "registry.ini");
    Settings s(t / "W5E.ini");
    ScriptedHost host;
    auto d = AppDirectories::read(s, reg, host, t.str());
    EXPECT_EQ(host.reports().size(), 4u);
    for (const auto& m : host.reports()) {
        EXPECT_EQ(m.text, "Error to open registry code 2");
        EXPECT_EQ(m.caption, "DisplayKeyData()");
    }
    EXPECT_EQ(d.destination, t.str());
    EXPECT_EQ(d.dictionary, t.str());
    EXPECT_EQ(d.route, t.str());
    EXPECT_EQ(d.parameter, t.str());
}

TEST(RecentFiles, NewestFirstFourKeptAndSurviveARestart) {
    TempDir t;
    Settings s(t / "W5E.ini");
    RecentFiles r(s.profile());
    for (const char* n : {"a.skb", "b.skb", "c.skb", "d.skb", "e.skb", "c.skb"}) r.add(n);
    EXPECT_EQ(r.names(), (std::vector<std::string>{"c.skb", "e.skb", "d.skb", "b.skb"}));
    Settings again(t / "W5E.ini");
    RecentFiles r2(again.profile());
    EXPECT_EQ(r2.names(), r.names());
}

}  // namespace
}  // namespace bv
