#include "documents/RuleFile.h"

#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace bv {
namespace {

namespace fs = std::filesystem;

class RuleFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("bv-skb-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string file(const std::string& name, const std::string& text) {
        std::string p = (dir_ / name).string();
        TextFile::writeAtomic(p, text);
        return p;
    }
    fs::path dir_;
};

TEST_F(RuleFileTest, MissingKeysTakeTheDefaultsEmptyValuesStayEmpty) {
    struct Case {
        const char* text;
        const char* model;
        const char* trie;
        int sprog;
        const char* destDir;
    } cases[] = {
        {"[Skabelon]\r\n", "PuslFlad.ktd", "dksort.dic", 9, "<settings>"},
        {"", "PuslFlad.ktd", "dksort.dic", 9, "<settings>"},
        {"[Skabelon]\nModel=\nTrie=\nDestDir=\nSprog=\n", "", "", 0, ""},
        {"[skabelon]\nmodel = m.ktd\nTRIE=es.dic\nSprog=3\nDestDir=out\n", "m.ktd", "es.dic", 3, "out"},
        {"[Other]\nModel=x.ktd\n", "PuslFlad.ktd", "dksort.dic", 9, "<settings>"},
    };
    for (const auto& c : cases) {
        RuleFile r(file("r.skb", c.text));
        EXPECT_EQ(r.model(), c.model) << c.text;
        EXPECT_EQ(r.trie(), c.trie) << c.text;
        EXPECT_EQ(r.sprog(), c.sprog) << c.text;
        EXPECT_EQ(r.destDir("<settings>"), c.destDir) << c.text;
    }
    RuleFile none((dir_ / "missing.skb").string());
    EXPECT_EQ(none.vej(), "Puslflad.vej");
    EXPECT_EQ(none.parametre(), "Default.par");
}

TEST_F(RuleFileTest, SaveWritesTheKeysInOrderAndKeepsForeignLines) {
    std::string p = file("r.skb", "; kept\r\n[Skabelon]\r\nExtra=1\r\nSprog=5\r\n[Mine]\r\nk=v\r\n");
    RuleFile::Names n{"m.ktd", "d.dic", "", "p.par", "/out", 10};
    ASSERT_TRUE(RuleFile::save(p, n));
    std::string text;
    ASSERT_TRUE(TextFile::read(p, text));
    EXPECT_NE(text.find("; kept"), std::string::npos);
    EXPECT_NE(text.find("Extra=1"), std::string::npos);
    EXPECT_NE(text.find("k=v"), std::string::npos);
    EXPECT_LT(text.find("Model=m.ktd"), text.find("Trie=d.dic"));
    EXPECT_LT(text.find("Trie="), text.find("Vej="));
    EXPECT_LT(text.find("Parametre=p.par"), text.find("DestDir=/out"));
    RuleFile back(p);
    EXPECT_EQ(back.model(), "m.ktd");
    EXPECT_EQ(back.vej(), "");  // empty names are written as empty values
    EXPECT_EQ(back.sprog(), 10);
    EXPECT_EQ(back.destDir("?"), "/out");

    EXPECT_FALSE(RuleFile::save((dir_ / "no/such/dir.skb").string(), n));
}

}  // namespace
}  // namespace bv
