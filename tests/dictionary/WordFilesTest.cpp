#include "dictionary/WordFiles.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace bv {
namespace {

namespace fs = std::filesystem;

class WordFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("bv_words_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, std::string_view bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
    static std::set<std::string> words(const BogPoint& d) {
        std::set<std::string> out;
        Random r(3);
        char ext[32];
        d.forEachWord([&](const char* c) {
            d.language().toExternal(c, ext);
            out.insert(ext);
            return true;
        }, r);
        return out;
    }

    fs::path dir_;
    Language language;
    ScriptedHost host;
    Random random{42};
};

using Set = std::set<std::string>;
std::string cp(const char* utf8) { return Cp1252::fromUtf8(utf8); }

TEST(DicCharTest, GroupsCarryTheCharacterInTheOddBits) {
    EXPECT_EQ(encodeDicChar('A', 0), 0x0022);
    EXPECT_EQ(encodeDicChar(0, 0), 0x0000);
    EXPECT_EQ(encodeDicChar(0, 0xFFFF), 0x5555);
    EXPECT_EQ(encodeDicChar(0xFF, 0), 0xAAAA);
    EXPECT_EQ(encodeDicChar(0x04, 0), 1 << 13);
    EXPECT_EQ(encodeDicChar(0x40, 0), 1 << 5);
    Random r(9);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(decodeDicChar(encodeDicChar(static_cast<unsigned char>(c), static_cast<std::uint16_t>(r.next()))), c);
}

TEST_F(WordFilesTest, DictionaryRoundTripUnderTheSameLanguage) {
    for (int lang : {9, 0, 5, 2}) {
        SCOPED_TRACE(lang);
        language.setLanguage(lang, host);
        BogPoint d(20000, language, host);
        for (const char* w : {"casa", "Ñandú", "blåbær", "straße", "þorn", "zz", "abcdefghijklmnopqrstuvwxy"})
            d.addWord(cp(w));
        host.clear();
        ASSERT_GT(d.wordCount(), 2);
        ASSERT_TRUE(saveDicFile(d, path("a.dic"), random));
        BogPoint back(20000, language, host);
        ASSERT_TRUE(loadWordFile(back, path("a.dic")));
        EXPECT_EQ(words(back), words(d));
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(WordFilesTest, SavedFileHasTheMarkerAndRandomFiller) {
    language.setLanguage(9, host);
    BogPoint d(20000, language, host);
    d.addWord("AB");
    ASSERT_TRUE(saveDicFile(d, path("one.dic"), random));
    std::string bytes;
    ASSERT_TRUE(TextFile::read(path("one.dic"), bytes));
    ASSERT_EQ(bytes.size(), 7u);
    EXPECT_EQ(bytes[0], '=');
    auto group = [&](int i) {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[1 + 2 * i]) |
                                          static_cast<unsigned char>(bytes[2 + 2 * i]) << 8);
    };
    EXPECT_EQ(group(0) & 0xAAAA, encodeDicChar('A', 0));
    EXPECT_EQ(group(1) & 0xAAAA, encodeDicChar('B', 0));
    EXPECT_EQ(group(2) & 0xAAAA, 0);
    std::string again;
    ASSERT_TRUE(saveDicFile(d, path("two.dic"), random));
    ASSERT_TRUE(TextFile::read(path("two.dic"), again));
    EXPECT_NE(again, bytes);  // the filler differs from write to write
}

TEST_F(WordFilesTest, MarkerOnlyAndEmptyFiles) {
    BogPoint d(20000, language, host);
    EXPECT_TRUE(loadWordFile(d, write("m.dic", "=")));
    EXPECT_TRUE(loadWordFile(d, write("e.txt", "")));
    EXPECT_EQ(d.wordCount(), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(WordFilesTest, MissingFileReportsWithThePath) {
    BogPoint d(20000, language, host);
    EXPECT_FALSE(loadWordFile(d, path("nothing.txt")));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Error en la abertura del archivo del diccionario");
    EXPECT_EQ(host.reports()[0].caption, path("nothing.txt"));
    EXPECT_FALSE(saveDicFile(d, dir_.string(), random));  // a directory cannot be written
    EXPECT_EQ(host.reports().back().text, "Error en la abertura del archivo del diccionario de guardar");
}

// The same list in every encoding a Linux or Windows editor leaves behind.
TEST_F(WordFilesTest, WordListsInWindows1252AndUtf8) {
    language.setLanguage(9, host);
    const std::string utf8 = "casa\n\xC3\x81rbol\r\nx\nDOS PALABRAS\n\xC3\xB1" "and\xC3\xBA\n";
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"cp1252.txt", Cp1252::fromUtf8(utf8)},
        {"utf8.txt", utf8},
        {"bom.txt", "\xEF\xBB\xBF" + utf8},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        BogPoint d(20000, language, host);
        EXPECT_TRUE(loadWordFile(d, write(f.name, f.bytes)));
        EXPECT_EQ(words(d), (Set{"CASA", "ARBOL", "DOS", "\xD1" "ANDU"}));
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST_F(WordFilesTest, FirstByteDecidesTheKindOfFile) {
    BogPoint d(20000, language, host);
    EXPECT_TRUE(loadWordFile(d, write("digits.txt", "1\ncasa\n")));
    EXPECT_TRUE(loadWordFile(d, write("blank.txt", " casa\nmesa\n")));
    EXPECT_EQ(d.wordCount(), 0);
    EXPECT_TRUE(loadWordFile(d, write("list.dic", "sol\n")));
    EXPECT_EQ(words(d), Set{"SOL"});
    std::string dic = "=";
    for (char c : std::string("MAR")) {
        auto g = encodeDicChar(static_cast<unsigned char>(c), 0);
        dic += static_cast<char>(g & 0xFF);
        dic += static_cast<char>(g >> 8);
    }
    dic += std::string(2, '\0');
    EXPECT_TRUE(loadWordFile(d, write("words.txt", dic)));
    EXPECT_EQ(words(d), (Set{"SOL", "MAR"}));
}

std::string dicOf(std::initializer_list<std::string> ws) {
    std::string out = "=";
    for (const auto& w : ws) {
        for (char c : w + std::string(1, '\0')) {
            auto g = encodeDicChar(static_cast<unsigned char>(c), 0x1234);
            out += static_cast<char>(g & 0xFF);
            out += static_cast<char>(g >> 8);
        }
    }
    return out;
}

TEST_F(WordFilesTest, CutOffAndOverlongDictionaryWords) {
    BogPoint d(20000, language, host);
    std::string bytes = dicOf({"UNO", std::string(300, 'Q'), "DOS", "TRES"});
    bytes.resize(bytes.size() - 3);  // TRES loses its end group and half a group
    EXPECT_TRUE(loadWordFile(d, write("cut.dic", bytes)));
    EXPECT_EQ(words(d), (Set{"UNO", "DOS"}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(WordFilesTest, LongLinesAreReadInPiecesOf98Bytes) {
    BogPoint d(20000, language, host);
    std::string line = std::string(98, 'Z') + "sol\r\n" + std::string(98, 'Y') + "\nmar\n";
    EXPECT_TRUE(loadWordFile(d, write("long.txt", line)));
    EXPECT_EQ(words(d), (Set{"SOL", "MAR"}));
}

TEST_F(WordFilesTest, DanishDictionaryReadUnderSpanishDropsTheNordicLetters) {
    BogPoint danish(20000, language, host);
    for (const char* w : {"blåbær", "sø", "hus", "kat", "æble", "hest", "ål"}) danish.addWord(cp(w));
    ASSERT_TRUE(saveDicFile(danish, path("da.dic"), random));
    ASSERT_TRUE(host.messages.empty());
    language.setLanguage(9, host);
    BogPoint spanish(20000, language, host);
    EXPECT_TRUE(loadWordFile(spanish, path("da.dic")));
    EXPECT_EQ(words(spanish), (Set{"HUS", "KAT", "HEST"}));
    std::multiset<std::string> reported;
    for (const auto& m : host.reports()) {
        EXPECT_EQ(m.caption, "El idioma y el juego de dibujos no vienen bien");
        reported.insert(m.text);
    }
    EXPECT_EQ(reported, (std::multiset<std::string>{"ÅBÆR", "Ø", "ÆBLE", "ÅL"}));

    // A quiet load counts them instead.
    host.clear();
    BogPoint quiet(20000, language, host);
    LoadSummary s;
    s.quiet = true;
    EXPECT_TRUE(loadWordFile(quiet, path("da.dic"), &s));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(s.words, 7);
    EXPECT_EQ(s.stored, 3);
    EXPECT_EQ(s.unknown, 4);
    EXPECT_EQ(words(quiet), (Set{"HUS", "KAT", "HEST"}));
}

TEST_F(WordFilesTest, FilterKeepsTheSpellingOfTheList) {
    language.setLanguage(9, host);
    BogPoint d(20000, language, host);
    for (const char* w : {"CASA", "MESA", "SOL"}) d.addWord(w);
    write("list.txt", "casa\nPerro\nMes\xE1\nx\n");
    EXPECT_TRUE(filterWordFile(d, path("list.txt"), path("out.dic"), random));
    std::string bytes;
    ASSERT_TRUE(TextFile::read(path("out.dic"), bytes));
    std::string decoded;
    for (std::size_t i = 1; i + 1 < bytes.size(); i += 2) {
        char c = static_cast<char>(decodeDicChar(static_cast<std::uint16_t>(
            static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8)));
        decoded += c ? c : '|';
    }
    EXPECT_EQ(decoded, "casa|Mes\xE1|");  // x is 1 byte long: never handed on
    BogPoint joined(BogPoint::kRuleFileSize, language, host);
    loadWordFile(joined, path("out.dic"));
    EXPECT_EQ(words(joined), (Set{"CASA", "MESA"}));
    EXPECT_FALSE(filterWordFile(d, path("none.txt"), path("out2.dic"), random));
    EXPECT_EQ(host.reports().back().caption, path("none.txt"));
    EXPECT_FALSE(filterWordFile(d, path("list.txt"), dir_.string(), random));  // cannot write a directory
    EXPECT_EQ(host.reports().back().caption, path("list.txt"));
}

// A disk that fills up while writing: the save and the join's filter answer
// false and say so, instead of leaving a cut-off file that looks whole.
TEST_F(WordFilesTest, WriteFailuresAreReported) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    BogPoint d(20000, language, host);
    for (const auto& w : {"CASA", "MESA", "SOL"}) d.addWord(w);
    EXPECT_FALSE(saveDicFile(d, "/dev/full", random));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Error en la abertura del archivo del diccionario de guardar");
    EXPECT_EQ(host.reports()[0].caption, "/dev/full");
    write("list.txt", "casa\nmesa\n");
    EXPECT_FALSE(filterWordFile(d, path("list.txt"), "/dev/full", random));
    EXPECT_EQ(host.reports().size(), 2u);
}

TEST_F(WordFilesTest, SubtractRemovesTheListsWords) {
    BogPoint d(20000, language, host);
    for (const char* w : {"CASA", "MESA", "SOL", "MAR"}) d.addWord(w);
    write("minus.txt", "mesa\nsol\nluna\n");
    subtractWordFile(d, path("minus.txt"));
    EXPECT_EQ(words(d), (Set{"CASA", "MAR"}));
    EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace bv
