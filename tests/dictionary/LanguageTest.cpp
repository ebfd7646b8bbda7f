// The language tables are checked entry by entry against tables written out
// independently in data/languages.txt.
#include "dictionary/Language.h"
#include "platform/Cp1252.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace bv {
namespace {

using Table = std::array<int, 256>;

struct Expected {
    std::map<std::string, std::string> alphabets;  // Windows-1252, 32 bytes
    std::map<std::string, Table> codeMaps;         // expected letter code per byte
    std::map<std::string, Table> letterTables;     // expected shown form per byte
    struct Lang {
        int number, answer;
        std::string tables, letters;
    };
    std::vector<Lang> langs;
};

// A token is a glyph, 0xNN, or a range X-Y; answers the bytes it stands for.
std::vector<int> bytesOf(const std::string& token) {
    if (token.size() > 2 && token[0] == '0' && token[1] == 'x') return {std::stoi(token.substr(2), nullptr, 16)};
    std::string b = Cp1252::fromUtf8(token);
    if (b.size() == 1) return {static_cast<unsigned char>(b[0])};
    if (b.size() == 3 && b[1] == '-') {
        std::vector<int> out;
        for (int c = static_cast<unsigned char>(b[0]); c <= static_cast<unsigned char>(b[2]); ++c) out.push_back(c);
        return out;
    }
    ADD_FAILURE() << "bad token " << token;
    return {};
}

Expected readExpected() {
    Expected e;
    std::string text;
    EXPECT_TRUE(TextFile::read(std::string(BV_SOURCE_DIR) + "/tests/dictionary/data/languages.txt", text));
    for (const std::string& line : TextFile::splitLines(text)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        std::string kind, name;
        in >> kind;
        if (kind == "lang") {
            Expected::Lang l;
            in >> l.number >> l.answer >> l.tables >> l.letters;
            e.langs.push_back(l);
            continue;
        }
        in >> name;
        if (kind == "alphabet") {
            std::string glyphs;
            in >> glyphs;
            e.alphabets[name] = Cp1252::fromUtf8(glyphs);
            continue;
        }
        std::vector<std::string> tokens;
        for (std::string t; in >> t;) tokens.push_back(t);
        if (kind == "map") {
            auto [it, fresh] = e.codeMaps.try_emplace(name, Table{});
            if (fresh)
                for (int c = 'A'; c <= 'Z'; ++c) it->second[c] = it->second[c + 32] = c;
            int code = bytesOf(tokens.at(0)).at(0);
            for (size_t i = 1; i < tokens.size(); ++i)
                for (int b : bytesOf(tokens[i])) it->second[b] = code;
            continue;
        }
        Table& t = e.letterTables.try_emplace(name, Table{}).first->second;
        if (kind == "keep") {
            for (const auto& tok : tokens)
                for (int b : bytesOf(tok)) t[b] = b;
        } else if (kind == "fold" && tokens.at(0) == "latin") {
            for (int c = 'a'; c <= 'z'; ++c) t[c] = c - 32;
        } else if (kind == "fold") {
            int target = bytesOf(tokens.at(0)).at(0);
            for (size_t i = 1; i < tokens.size(); ++i)
                for (int b : bytesOf(tokens[i])) t[b] = target;
        } else if (kind == "shift") {
            for (int b : bytesOf(tokens.at(0))) t[b] = b - 0x20;
        } else if (kind == "drop") {
            for (const auto& tok : tokens)
                for (int b : bytesOf(tok)) t[b] = 0;
        } else {
            ADD_FAILURE() << "bad line " << line;
        }
    }
    return e;
}

TEST(LanguageTest, EveryTableEntryOfEveryLanguage) {
    Expected e = readExpected();
    ASSERT_EQ(e.langs.size(), 12u);
    for (const auto& l : e.langs) {
        SCOPED_TRACE("language " + std::to_string(l.number));
        Language lang;
        ScriptedHost host;
        EXPECT_EQ(lang.setLanguage(l.number, host), l.answer);
        EXPECT_EQ(lang.number(), l.answer);
        EXPECT_TRUE(host.messages.empty());
        const std::string& alpha = e.alphabets.at(l.tables);
        ASSERT_EQ(alpha.size(), 32u);
        for (int i = 0; i < 32; ++i) EXPECT_EQ(lang.alphabet()[i], static_cast<unsigned char>(alpha[i])) << i;
        const Table& map = e.codeMaps.at(l.tables);
        const Table& letters = e.letterTables.at(l.letters);
        for (int b = 0; b < 256; ++b) {
            EXPECT_EQ(lang.codeOf(static_cast<unsigned char>(b)), map[b]) << "code map, byte " << b;
            EXPECT_EQ(lang.foldLetter(static_cast<unsigned char>(b)), letters[b]) << "letter table, byte " << b;
            EXPECT_EQ(lang.isLetter(static_cast<unsigned char>(b)), letters[b] != 0) << b;
        }
    }
}

TEST(LanguageTest, StartsWithDanishAlphabetAndNordicLetters) {
    Expected e = readExpected();
    Language lang;
    EXPECT_EQ(lang.number(), 0);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(lang.alphabet()[i], static_cast<unsigned char>(e.alphabets.at("danish")[i]));
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(lang.codeOf(static_cast<unsigned char>(b)), e.codeMaps.at("danish")[b]);
        EXPECT_EQ(lang.foldLetter(static_cast<unsigned char>(b)), e.letterTables.at("nordic")[b]);
    }
}

TEST(LanguageTest, IcelandicMapHoldsRaw7FForItsLastPlace) {
    Language lang;
    ScriptedHost host;
    lang.setLanguage(5, host);
    for (unsigned char b : {0x5F, 0x7F, 0xA1, 0xCD, 0xED}) EXPECT_EQ(lang.codeMapEntry(b), 0x7F);
}

TEST(LanguageTest, FrenchAndDutchAreNotAvailable) {
    for (int n : {6, 7}) {
        Language lang;
        ScriptedHost host;
        lang.setLanguage(9, host);
        EXPECT_EQ(lang.setLanguage(n, host), 9);
        ASSERT_EQ(host.reports().size(), 1u);
        EXPECT_EQ(host.reports()[0].text, "Todavía");
        EXPECT_EQ(host.reports()[0].caption, "Todavía");
        EXPECT_EQ(lang.number(), 9);
        EXPECT_EQ(lang.codeOf(0xF1), 0x5B);  // ñ still Spanish
    }
}

std::string cp(const char* utf8) { return Cp1252::fromUtf8(utf8); }

TEST(LanguageTest, ToCodesAndBack) {
    Language lang;
    ScriptedHost host;
    char codes[64];
    char word[64];
    ASSERT_EQ(lang.toCodes(cp("blåbær"), codes, sizeof codes, host), 6);
    EXPECT_EQ(std::string(codes), "\x42\x4C\x5D\x42\x5B\x52");
    lang.toExternal(codes, word);
    EXPECT_EQ(std::string(word), cp("BLÅBÆR"));
    EXPECT_TRUE(host.messages.empty());

    lang.setLanguage(9, host);
    ASSERT_EQ(lang.toCodes(cp("Ñandú"), codes, sizeof codes, host), 5);
    lang.toExternal(codes, word);
    EXPECT_EQ(std::string(word), cp("ÑANDU"));

    lang.setLanguage(0, host);
    EXPECT_EQ(lang.toCodes(cp("Ñandú"), codes, sizeof codes, host), 0);
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "Ñandú");
    EXPECT_EQ(host.reports()[0].caption, "El idioma y el juego de dibujos no vienen bien");
}

TEST(LanguageTest, IcelandicShowsCQWZAsItsOwnLetters) {
    Language lang;
    ScriptedHost host;
    lang.setLanguage(5, host);
    char codes[8], word[8];
    ASSERT_EQ(lang.toCodes("CQWZ", codes, sizeof codes, host), 4);
    EXPECT_EQ(std::string(codes), "\x43\x51\x57\x5A");
    lang.toExternal(codes, word);
    EXPECT_EQ(std::string(word), cp("ÐÞÉÓ"));
}

TEST(LanguageTest, BlankEndsAWordQuietlyOtherBytesReport) {
    Language lang;
    ScriptedHost host;
    char codes[16];
    EXPECT_EQ(lang.toCodes("AB CD", codes, sizeof codes, host), 2);
    EXPECT_EQ(std::string(codes), "AB");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(lang.toCodes("AB-CD", codes, sizeof codes, host), 0);
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, "-CD");
}

TEST(LanguageTest, OverlongWordIsCountedButNotWrittenPastTheBuffer) {
    Language lang;
    ScriptedHost host;
    char codes[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(lang.toCodes("ABCDEFGH", codes, 4, host), 8);
    EXPECT_EQ(std::string(codes), "ABC");
    EXPECT_EQ(codes[4], 'x');
}

TEST(LanguageTest, PatternToCodes) {
    Language lang;
    char codes[8];
    EXPECT_EQ(lang.patternToCodes("a.?B", codes), 4);
    EXPECT_EQ(std::string(codes), "A  B");
    EXPECT_EQ(lang.patternToCodes("A-B", codes), 3);
    EXPECT_EQ(std::string(codes), "A");  // a non-letter ends the converted pattern
}

}  // namespace
}  // namespace bv
