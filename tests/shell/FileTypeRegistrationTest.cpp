#include "shell/FileTypeRegistration.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace bv {
namespace {

TEST(FileTypeRegistration, UnregisterOption) {
    struct Case {
        const char* token;
        bool matches;
    } cases[] = {
        {"-UNREG", true},     {"-u", true},       {"--unregister", true}, {"-UnRegister", true},
        {"-unregisterx", false}, {"-x", false},   {"unregister", false},  {"-", false},
        {"/u", false},        {"-reg", false},
    };
    for (const auto& c : cases) EXPECT_EQ(FileTypeRegistration::isUnregisterOption(c.token), c.matches) << c.token;
    EXPECT_TRUE(FileTypeRegistration::wantsUnregister({"a.skb", "-unr"}));
    EXPECT_FALSE(FileTypeRegistration::wantsUnregister({"a.skb", "-unregisterx"}));
}

TEST(FileTypeRegistration, WriteThenRemoveKeepsTheInstallersValues) {
    test::TempDir t;
    RegistryStore reg(t / "registry.ini");
    reg.setValue(RegistryRoot::ClassesRoot, "w5.Application\\Dictionary", "", "/opt/dic");

    EXPECT_FALSE(FileTypeRegistration::apply(reg, {"x.skb"}, "/usr/bin/brisvane"));
    EXPECT_EQ(reg.value(RegistryRoot::ClassesRoot, "W5.Application\\DefaultIcon"), "/usr/bin/brisvane");
    EXPECT_EQ(reg.value(RegistryRoot::ClassesRoot, ".skb"), "/usr/bin/brisvane");
    EXPECT_EQ(reg.value(RegistryRoot::ClassesRoot, "W5.Document.1\\DefaultIcon"), "/usr/bin/brisvane,1");

    EXPECT_TRUE(FileTypeRegistration::apply(reg, {"-UNREG"}, "/usr/bin/brisvane"));
    EXPECT_FALSE(reg.keyExists(RegistryRoot::ClassesRoot, "W5.Application\\DefaultIcon"));
    EXPECT_FALSE(reg.keyExists(RegistryRoot::ClassesRoot, "W5.Document.1"));
    EXPECT_FALSE(reg.keyExists(RegistryRoot::ClassesRoot, ".skb"));
    EXPECT_EQ(reg.value(RegistryRoot::ClassesRoot, "w5.Application\\Dictionary"), "/opt/dic");
}

}  // namespace
}  // namespace bv
