#include "dictionary/DictionaryCommands.h"
#include "dictionary/WordFiles.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace bv {
namespace {

namespace fs = std::filesystem;
using Set = std::set<std::string>;

class DictionaryCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("bv_dictcmd_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        language.setLanguage(Language::kSpanish, host);
        current = std::make_unique<BogPoint>(BogPoint::kStartSize, language, host);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, std::string_view bytes) const {
        EXPECT_TRUE(TextFile::writeAtomic(path(name), bytes));
        return path(name);
    }
    Set words() const {
        Set out;
        Random r(3);
        char ext[32];
        current->forEachWord([&](const char* c) {
            language.toExternal(c, ext);
            out.insert(ext);
            return true;
        }, r);
        return out;
    }
    bool capacitiesFor(std::int64_t n) const {
        for (int len = BogPoint::kMinLength; len <= BogPoint::kMaxLength; ++len)
            if (current->ordstribe(len).capacity() != BogPoint::capacityFor(len, n)) return false;
        return true;
    }

    fs::path dir_;
    Language language;
    ScriptedHost host;
    Random random{7};
    std::unique_ptr<BogPoint> current;
};

TEST_F(DictionaryCommandsTest, ExtensionsAreComparedExactly) {
    struct Case {
        const char* path;
        bool reads, saves;
    };
    for (const Case& c : {Case{"a.txt", true, false}, Case{"a.TXT", true, false}, Case{"a.dic", true, true},
                          Case{"dir.x/a.DIC", true, true}, Case{"a.Dic", false, false}, Case{"a.lst", false, false},
                          Case{"a.dic.bak", false, false}, Case{"adic", false, false}}) {
        EXPECT_EQ(DictionaryCommands::readsExtension(c.path), c.reads) << c.path;
        EXPECT_EQ(DictionaryCommands::savesExtension(c.path), c.saves) << c.path;
    }
}

// Filler lines of 97 letters are read and dropped as too long, so the file's
// size, not its words, sets the dictionary's size.
std::string listOfSize(std::size_t bytes) {
    std::string s = "casa\r\nmesa\r\n";
    const std::string filler = std::string(97, 'x') + "\r\n";
    while (s.size() + filler.size() <= bytes) s += filler;
    s += std::string(bytes - s.size(), '\n');
    return s;
}

TEST_F(DictionaryCommandsTest, OpenSizesTheDictionaryByTheFile) {
    struct Case {
        std::size_t bytes;
        std::int64_t n;
    };
    for (const Case& c : {Case{300000, 60000}, Case{50000, 20000}}) {
        std::string file = write("words.txt", listOfSize(c.bytes));
        ASSERT_EQ(fs::file_size(file), c.bytes);
        ASSERT_TRUE(DictionaryCommands::open(current, file, language, host));
        EXPECT_TRUE(capacitiesFor(c.n)) << c.bytes;
        EXPECT_EQ(words(), (Set{"CASA", "MESA"}));
    }
}

TEST_F(DictionaryCommandsTest, OpenOfAnUnacceptedExtensionLeavesAnEmptyDictionary) {
    current->addWord("perro");
    ASSERT_TRUE(DictionaryCommands::open(current, write("words.lst", listOfSize(1000)), language, host));
    EXPECT_EQ(current->wordCount(), 0);
    EXPECT_TRUE(capacitiesFor(20000));
}

TEST_F(DictionaryCommandsTest, OpenOfAMissingFileChangesNothing) {
    current->addWord("perro");
    const BogPoint* before = current.get();
    EXPECT_FALSE(DictionaryCommands::open(current, path("none.dic"), language, host));
    EXPECT_EQ(current.get(), before);
    EXPECT_EQ(words(), (Set{"PERRO"}));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, path("none.dic"));
    EXPECT_EQ(host.reports()[0].caption, "Cannot find file");
    EXPECT_EQ(host.reports()[0].icon, Icon::Error);
}

TEST_F(DictionaryCommandsTest, AddAndSubtractOnlyAcceptedExtensions) {
    current->addWord("perro");
    std::string list = "gato\r\nperro\r\nvaca\r\n";
    EXPECT_FALSE(DictionaryCommands::add(*current, write("l.lst", list)));
    EXPECT_EQ(words(), (Set{"PERRO"}));
    EXPECT_TRUE(DictionaryCommands::add(*current, write("l.TXT", list)));
    EXPECT_EQ(words(), (Set{"GATO", "PERRO", "VACA"}));
    EXPECT_FALSE(DictionaryCommands::subtract(*current, write("s.Txt", "gato\r\n")));
    EXPECT_TRUE(DictionaryCommands::subtract(*current, write("s.txt", "gato\r\nleon\r\n")));
    EXPECT_EQ(words(), (Set{"PERRO", "VACA"}));
}

class WorkingDirectory {
public:
    explicit WorkingDirectory(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
    ~WorkingDirectory() { fs::current_path(old_); }

private:
    fs::path old_;
};

TEST_F(DictionaryCommandsTest, JoinKeepsTheWordsTheListAlsoHolds) {
    Set all, half;
    const char* names[] = {"casa", "mesa", "perro", "gato", "sol", "luna", "mar", "rio", "arbol", "flor"};
    std::string list = "nube\r\nx\r\n";
    for (int i = 0; i < 10; ++i) {
        current->addWord(names[i]);
        if (i % 2 == 0) {
            list += std::string(names[i]) + "\r\n";
            std::string up = names[i];
            for (char& ch : up) ch = static_cast<char>(ch - 'a' + 'A');
            half.insert(up);
        }
    }
    const std::string file = write("half.txt", list);
    const std::string stale = write("bygtmp.dic", "=");
    {
        WorkingDirectory here(dir_);
        ASSERT_TRUE(DictionaryCommands::join(current, file, random));
    }
    EXPECT_EQ(words(), half);
    EXPECT_TRUE(capacitiesFor(110000));
    // The intermediate file stays in the working directory and holds the result.
    BogPoint reread(1000, language, host);
    ASSERT_TRUE(loadWordFile(reread, path("bygtmp.dic")));
    EXPECT_EQ(reread.wordCount(), 5);
}

TEST_F(DictionaryCommandsTest, AJoinThatCannotReadItsListKeepsTheDictionary) {
    current->addWord("perro");
    write("bygtmp.dic", "=");  // an earlier join's result must not be taken
    {
        WorkingDirectory here(dir_);
        EXPECT_FALSE(DictionaryCommands::join(current, path("missing.txt"), random));
        EXPECT_FALSE(DictionaryCommands::join(current, path("list.lst"), random));
    }
    EXPECT_EQ(words(), (Set{"PERRO"}));
}

TEST_F(DictionaryCommandsTest, SaveWritesOnlyDictionaryNames) {
    current->addWord("perro");
    current->addWord("gato");
    EXPECT_FALSE(DictionaryCommands::save(*current, path("out.txt"), random));
    EXPECT_FALSE(DictionaryCommands::save(*current, path("out.Dic"), random));
    EXPECT_FALSE(fs::exists(path("out.txt")));
    EXPECT_FALSE(fs::exists(path("out.Dic")));
    ASSERT_TRUE(DictionaryCommands::save(*current, path("out.DIC"), random));
    ASSERT_TRUE(DictionaryCommands::open(current, path("out.DIC"), language, host));
    EXPECT_EQ(words(), (Set{"GATO", "PERRO"}));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(DictionaryCommandsTest, InformationShowsTheStatistics) {
    current->addWord("perro");
    DictionaryCommands::information(*current, host);
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, current->statistics());
    EXPECT_EQ(host.reports()[0].caption,
              " La cantidad de palabras en el diccionario dividida por el largo de la palabra");
}

TEST_F(DictionaryCommandsTest, EditWordButtons) {
    auto testCaption = [&](const char* word) {
        host.clear();
        DictionaryCommands::testWord(*current, Cp1252::fromUtf8(word), host);
        EXPECT_EQ(host.reports().size(), 1u);
        if (host.reports().empty()) return std::string();
        EXPECT_EQ(host.reports()[0].text, "Controle los componentes del diccionario");
        return host.reports()[0].caption;
    };
    DictionaryCommands::registerWord(*current, Cp1252::fromUtf8("Ñandú"));
    EXPECT_EQ(testCaption("ñandu"), "Las palabras están ahí.");
    DictionaryCommands::deleteWord(*current, "nandu");  // not stored: nothing happens
    DictionaryCommands::deleteWord(*current, Cp1252::fromUtf8("ÑANDU"));
    EXPECT_EQ(testCaption("ñandu"), "Falta la palabra.");
    EXPECT_EQ(testCaption("x"), "Las palabras están ahí.");  // one letter counts as stored

    host.clear();
    DictionaryCommands::registerWord(*current, "");
    DictionaryCommands::testWord(*current, "", host);
    DictionaryCommands::registerWord(*current, std::string(45, 'a'));  // cut to 39 letters: too long to store
    DictionaryCommands::registerWord(*current, "b");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(current->wordCount(), 0);
}

TEST_F(DictionaryCommandsTest, NewDictionaryAsksUntilTheSizeIsInRange) {
    current->addWord("perro");
    host.inputs = {std::string("999"), std::string("2000001"), std::string("1000")};
    ASSERT_TRUE(DictionaryCommands::newDictionary(current, language, host));
    std::vector<std::string> seen;
    for (const auto& m : host.messages) seen.push_back(m.kind + ":" + m.caption + ":" + m.text);
    const std::string ask = "input:Nuevo diccionario:Para cuántas palabras debe de haber lugar en el nuevo diccionario";
    const std::string range = "report:Ha sido dado un valor erróneo:El valor de Tamaño del diccionario debe ser entre 1000 y 2000000";
    EXPECT_EQ(seen, (std::vector<std::string>{ask, range, ask, range, ask,
                                              "report:Ejecutado:Se ha hecho un diccionario nuevo"}));
    EXPECT_EQ(current->wordCount(), 0);
    const std::string stats = current->statistics();
    EXPECT_NE(stats.find("Total:  palabras : 0  Separa lugar para 1365 "), std::string::npos) << stats;
}

TEST_F(DictionaryCommandsTest, NewDictionaryCancelledOrOutOfRangeChangesNothing) {
    current->addWord("perro");
    EXPECT_FALSE(DictionaryCommands::newDictionary(current, language, host));  // no answer: cancelled
    EXPECT_FALSE(DictionaryCommands::newDictionary(current, "abc", language, host));
    EXPECT_EQ(words(), (Set{"PERRO"}));
    struct Case {
        const char* entry;
        std::int64_t n;
    };
    for (const Case& c : {Case{"110000", 110000}, Case{" 42x", 42}, Case{"abc", 0}, Case{"", 0}})
        EXPECT_EQ(DictionaryCommands::readNumber(c.entry), c.n) << c.entry;
    EXPECT_TRUE(DictionaryCommands::newDictionary(current, "20000007", language, host));  // typed 2000000, cut to 7
    EXPECT_TRUE(capacitiesFor(2000000));
}

}  // namespace
}  // namespace bv
