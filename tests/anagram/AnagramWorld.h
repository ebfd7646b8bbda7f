#pragma once
// A fresh world for one anagram test: its own temporary directory, a recording
// host, a language and a small dictionary.
#include "dictionary/BogPoint.h"
#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace bv::test {

class AnagramWorld : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("bv-anagram-" + std::string(info->test_suite_name()) + "-" + info->name() + "-" +
               std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        useLanguage(Language::kSpanish);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // A new, empty dictionary under `number`.
    void useLanguage(int number) {
        language.setLanguage(number, host);
        dictionary = std::make_unique<BogPoint>(1000, language, host);
    }
    // Words given in UTF-8 for readability.
    void addWords(std::initializer_list<const char*> words) {
        for (const char* w : words) ASSERT_TRUE(dictionary->addWord(Cp1252::fromUtf8(w))) << w;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    std::string output() const { return path("anagram.txt"); }
    std::string readBytes(const std::string& p) const {
        std::string bytes;
        EXPECT_TRUE(TextFile::read(p, bytes)) << p;
        return bytes;
    }
    // The answer lines, checked to end in CRLF, in UTF-8.
    std::vector<std::string> answerLines() const {
        std::string bytes = readBytes(output());
        std::vector<std::string> lines;
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            std::size_t end = bytes.find("\r\n", pos);
            if (end == std::string::npos) {
                ADD_FAILURE() << "line without CRLF: " << bytes.substr(pos);
                break;
            }
            lines.push_back(Cp1252::toUtf8(bytes.substr(pos, end - pos)));
            pos = end + 2;
        }
        return lines;
    }

    std::filesystem::path dir;
    ScriptedHost host;
    Language language;
    std::unique_ptr<BogPoint> dictionary;
};

}  // namespace bv::test
