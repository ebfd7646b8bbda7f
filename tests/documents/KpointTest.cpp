#include "documents/Kpoint.h"

#include "platform/Random.h"
#include "platform/ScriptedHost.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace bv {
namespace {

namespace fs = std::filesystem;

bool asciiLetter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }

std::string defaultLetterRecord() {
    return std::string("\r\n\tBOGSTAV\t\"") + '\0' + "\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t1";
}

// A document that uses every part of the format.
Kpoint sampleDocument() {
    Kpoint d(4, 3);
    d.setLetter(1, 1, 'A');
    d.setLetter(2, 1, ' ');
    d.setLetter(3, 1, static_cast<char>(0xC6));  // Æ
    d.setClue(4, 1, "Rio de\xF1 Europa");
    d.setClue(1, 2, "");
    Felt& c = d.cell(2, 2);
    Kpoint::setClue(c, "dos\nlineas");
    for (int l = 0; l < RelaFont::kLines; ++l) {
        c.layout.hoj[l] = 30.0 + l;
        c.layout.defVaegt[l] = l % 2 == 1;
        c.layout.vaegt[l] = 0.5 + l / 100.0;
        c.layout.op[l] = -0.25 * l;
    }
    c.rightBorder = false;
    Felt& b = d.cell(3, 3);
    Kpoint::setLetter(b, 'Z');
    b.layout.hoj[0] = 12.5;
    b.layout.defVaegt[0] = true;
    b.layout.vaegt[0] = 1.25;
    b.layout.op[0] = -3.0;
    b.layout.extra = 7.75;
    b.bottomBorder = false;
    return d;
}

TEST(Kpoint, NewDocumentIsTenByTenUntitled) {
    Kpoint d;
    EXPECT_EQ(d.width(), 10);
    EXPECT_EQ(d.height(), 10);
    EXPECT_TRUE(d.untitled());
    EXPECT_EQ(d.letterOf(1, 1), 0);
    EXPECT_FALSE(d.isClue(10, 10));
    EXPECT_TRUE(d.imageTokens().empty());
}

TEST(Kpoint, DefaultDocumentWritesTheExactBytes) {
    Kpoint d;
    std::string expected = "10\t10";
    for (int r = 0; r < 10; ++r) {
        expected += "\r\nBEGIN\t" + std::to_string(r);
        for (int x = 0; x < 10; ++x) expected += defaultLetterRecord();
        expected += "\r\nEND\t" + std::to_string(r);
    }
    EXPECT_EQ(d.crosswordText(), expected);
}

TEST(Kpoint, ClueRecordLayout) {
    Kpoint d(1, 1);
    d.setClue(1, 1, "Sol");
    std::string expected = "1\t1\r\nBEGIN\t0\r\n\tLEDEORD\t\"Sol\"\t45.0000\t0\t0.360000\t0.00000";
    for (int l = 1; l < 10; ++l) expected += "\t45.0000\t0\t0.360000\t-0.100000";
    expected += "\t1\t1\r\nEND\t0";
    EXPECT_EQ(d.crosswordText(), expected);
}

TEST(Kpoint, WriteReadWriteGivesTheSameBytesAndCells) {
    Kpoint d = sampleDocument();
    d.imageTokens() = {{"IMAGES"}, {"p"}, {"1"}, {"2"}, {"+3"}, {"4"}, {"5"}, {"6"}};
    std::string first = d.crosswordText();

    ScriptedHost host;
    Kpoint back;
    ASSERT_TRUE(back.readCrosswordText(first, host, asciiLetter));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(back.crosswordText(), first);
    ASSERT_EQ(back.width(), 4);
    ASSERT_EQ(back.height(), 3);
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 3; ++y) {
            const Felt& a = d.cell(x, y);
            const Felt& b = back.cell(x, y);
            EXPECT_EQ(a.isClue, b.isClue) << x << "," << y;
            EXPECT_EQ(a.text, b.text) << x << "," << y;
            EXPECT_EQ(a.rightBorder, b.rightBorder);
            EXPECT_EQ(a.bottomBorder, b.bottomBorder);
            EXPECT_DOUBLE_EQ(a.layout.hoj[0], b.layout.hoj[0]);
            EXPECT_EQ(a.layout.defVaegt, b.layout.defVaegt);
            EXPECT_NEAR(a.layout.vaegt[9], b.layout.vaegt[9], 1e-9);
            EXPECT_NEAR(a.layout.op[9], b.layout.op[9], 1e-9);
        }
    EXPECT_DOUBLE_EQ(back.cell(3, 3).layout.extra, 7.75);
    EXPECT_EQ(back.imageTokens(), d.imageTokens());
    EXPECT_FALSE(back.untitled());
}

TEST(Kpoint, ReadsLfAndCrlfAlike) {
    std::string crlf = sampleDocument().crosswordText();
    std::string lf;
    for (size_t i = 0; i < crlf.size(); ++i)
        if (!(crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n')) lf += crlf[i];
    ScriptedHost host;
    Kpoint a, b;
    ASSERT_TRUE(a.readCrosswordText(crlf, host, asciiLetter));
    ASSERT_TRUE(b.readCrosswordText(lf, host, asciiLetter));
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.cell(2, 2).text, "dos\nlineas");
}

TEST(Kpoint, SizeOutsideOneToFiftyIsRefused) {
    for (const char* header : {"0\t5", "5\t0", "51\t10", "10\t51", "-3\t4", "abc", ""}) {
        ScriptedHost host;
        Kpoint d = sampleDocument();
        Kpoint before = d;
        EXPECT_FALSE(d.readCrosswordText(std::string(header) + "\r\nBEGIN\t0", host, asciiLetter)) << header;
        EXPECT_EQ(d, before) << header;
        ASSERT_EQ(host.reports().size(), 1u) << header;
        EXPECT_EQ(host.reports()[0].text, "Mucho|Extrano|Input|Interruptor");
        EXPECT_EQ(host.reports()[0].caption, "Advertencia");
    }
}

TEST(Kpoint, SameSizeKeepsTheUnreadLayoutLines) {
    Kpoint d(2, 1);
    d.cell(1, 1).layout.hoj[5] = 99.0;
    d.cell(1, 1).layout.op[9] = 2.0;
    ScriptedHost host;
    ASSERT_TRUE(d.readCrosswordText(Kpoint(2, 1).crosswordText(), host, asciiLetter));
    EXPECT_DOUBLE_EQ(d.cell(1, 1).layout.hoj[5], 99.0);
    EXPECT_DOUBLE_EQ(d.cell(1, 1).layout.op[9], 2.0);

    Kpoint other(3, 1);
    other.cell(1, 1).layout.hoj[5] = 99.0;
    ASSERT_TRUE(other.readCrosswordText(Kpoint(2, 1).crosswordText(), host, asciiLetter));
    EXPECT_DOUBLE_EQ(other.cell(1, 1).layout.hoj[5], 45.0);  // new size: default cells
}

TEST(Kpoint, OldLineFormat) {
    ScriptedHost host;
    Kpoint d;
    std::string text = "6\t2\r\nAB+\xA5\xDB#\r\nz\x01" "C\r\nIMAGES\tq\t1\t2\t3\r\n";
    ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(d.width(), 6);
    EXPECT_EQ(d.letterOf(1, 1), 'A');
    EXPECT_EQ(d.letterOf(2, 1), 'B');
    EXPECT_EQ(d.letterOf(3, 1), '\xD8');
    EXPECT_EQ(d.letterOf(4, 1), '\xD8');
    EXPECT_FALSE(d.isClue(5, 1));
    EXPECT_EQ(d.letterOf(5, 1), ' ');
    EXPECT_TRUE(d.isClue(6, 1));
    EXPECT_EQ(d.letterOf(1, 2), 'z');
    EXPECT_TRUE(d.isClue(2, 2));
    EXPECT_EQ(d.letterOf(3, 2), 'C');
    for (int x = 4; x <= 6; ++x) EXPECT_TRUE(d.isClue(x, 2)) << x;  // past the short line's end
    EXPECT_EQ(d.imageTokens().size(), 5u);
}

TEST(Kpoint, OldLineFormatReadsAtMost147BytesPerRow) {
    // A longer line is read in pieces, the rest counting as the next row.
    ScriptedHost host;
    Kpoint d;
    std::string text = "2\t2\n" + std::string(147, 'A') + "BC\nZZ\n";
    ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
    EXPECT_EQ(d.letterOf(1, 1), 'A');
    EXPECT_EQ(d.letterOf(1, 2), 'B');
    EXPECT_EQ(d.letterOf(2, 2), 'C');
}

TEST(Kpoint, OldLineFormatUsesTheLanguageLetters) {
    ScriptedHost host;
    Kpoint d;
    auto onlyA = [](unsigned char b) { return b == 'A'; };
    ASSERT_TRUE(d.readCrosswordText("2\t1\nAB\n", host, onlyA));
    EXPECT_EQ(d.letterOf(1, 1), 'A');
    EXPECT_TRUE(d.isClue(2, 1));
}

TEST(Kpoint, PictureSectionKeepsItsTokensInOrder) {
    ScriptedHost host;
    Kpoint d(1, 1);
    std::string text = Kpoint(1, 1).crosswordText() + "\r\nIMAGES p 1 2 +3 4 5 6 7 8 9";
    ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
    std::vector<std::string> tokens;
    for (const Hale& h : d.imageTokens()) tokens.push_back(h.token);
    EXPECT_EQ(tokens, (std::vector<std::string>{"IMAGES", "p", "1", "2", "+3", "4", "5", "6"}));
    std::string written = d.crosswordText();
    EXPECT_EQ(written.substr(written.find("END\t0") + 5), "\r\nIMAGES\tp\r\n1\t2\t+3\r\n4\t5\t6");
    // Reading again empties the list first.
    ASSERT_TRUE(d.readCrosswordText(Kpoint(1, 1).crosswordText(), host, asciiLetter));
    EXPECT_TRUE(d.imageTokens().empty());
}

TEST(Kpoint, ClueStylesAreKeptAcrossReadsButNotWritten) {
    ScriptedHost host;
    Kpoint d(1, 1);
    std::string base = Kpoint(1, 1).crosswordText();
    ASSERT_TRUE(d.readCrosswordText(base + "\r\nKODEFELT 40.5 1 0.2 -0.5 3.0 2 7 9", host, asciiLetter));
    ASSERT_TRUE(d.readCrosswordText(base + "\nKODEFELT 41 0 0.3 0 0 1 1 1\nIMAGES x 1 2 3", host, asciiLetter));
    ASSERT_EQ(d.clueStyles().size(), 2u);
    const KodeFelt& k = d.clueStyles()[0];
    EXPECT_DOUBLE_EQ(k.layout.hoj[0], 40.5);
    EXPECT_TRUE(k.layout.defVaegt[0]);
    EXPECT_DOUBLE_EQ(k.layout.vaegt[0], 0.2);
    EXPECT_DOUBLE_EQ(k.layout.op[0], -0.5);
    EXPECT_DOUBLE_EQ(k.layout.extra, 3.0);
    EXPECT_EQ(k.type, 2);
    EXPECT_EQ(k.column, 7);
    EXPECT_EQ(k.row, 9);
    EXPECT_EQ(d.imageTokens().size(), 5u);
    EXPECT_EQ(d.crosswordText().find("KODEFELT"), std::string::npos);
}

TEST(Kpoint, ClueTextsUpTo1999BytesAndLongerOnesCut) {
    ScriptedHost host;
    for (size_t len : {size_t{1999}, size_t{2500}}) {
        std::string clue(len, 'x');
        std::string text = "2\t1\nBEGIN\t0\n\tLEDEORD\t\"" + clue + "\"";
        for (int l = 0; l < 10; ++l) text += "\t45.0000\t0\t0.360000\t-0.100000";
        text += "\t0\t1\n\tBOGSTAV\t\"Q\"\t45.0000\t0\t0.360000\t0.00000\t0.00000\t1\t0\nEND\t0";
        Kpoint d;
        ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
        EXPECT_EQ(d.cell(1, 1).text, std::string(1999, 'x')) << len;
        EXPECT_FALSE(d.cell(1, 1).rightBorder);
        EXPECT_EQ(d.letterOf(2, 1), 'Q');  // the rest of the file is read as before
        EXPECT_FALSE(d.cell(2, 1).bottomBorder);
        std::string written = d.crosswordText();
        EXPECT_NE(written.find("\"" + std::string(1999, 'x') + "\""), std::string::npos);
    }
    EXPECT_TRUE(host.messages.empty());
    Felt f;
    Kpoint::setClue(f, std::string(3000, 'y'));
    EXPECT_EQ(f.text.size(), 1999u);
}

TEST(Kpoint, QuotesInCluesCannotBreakTheFile) {
    Kpoint d(2, 1);
    d.setClue(1, 1, "el \"rey\"");
    d.cell(2, 1).isClue = true;
    d.cell(2, 1).text = "a\"b";  // set directly, past setClue
    ScriptedHost host;
    Kpoint back;
    ASSERT_TRUE(back.readCrosswordText(d.crosswordText(), host, asciiLetter));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(back.cell(1, 1).text, "el 'rey'");
    EXPECT_EQ(back.cell(2, 1).text, "a'b");
}

// An exponent right after the digits counts (the writer puts one there for
// values from 1e6 and below 1e-4); an "e" without digits ends the number.
TEST(Kpoint, LenientNumbersOfClueCells) {
    struct Case {
        const char* field;
        double value;
    } cases[] = {{"12.5", 12.5}, {"-0.25", -0.25}, {"x-7", -7.0}, {"1.2.3", 1.23},
                 {".5", 0.5},   {"3e2", 300.0},   {"3e", 3.0},   {"2E-1", 0.2}};
    for (const auto& c : cases) {
        std::string text = std::string("1\t1\nBEGIN 0\n LEDEORD \"t\" ") + c.field;
        for (int i = 0; i < 39; ++i) text += " 1";
        text += " 0 0\nEND 0";
        Kpoint d(1, 1);
        ScriptedHost host;
        ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
        EXPECT_DOUBLE_EQ(d.cell(1, 1).layout.hoj[0], c.value) << c.field;
    }
}

TEST(Kpoint, UnknownCellKindIsReportedAndReadingGoesOn) {
    std::string text = "2\t1\nBEGIN\t0\n\tFOO\n\tBOGSTAV\t\"K\"\t45.0\t0\t0.36\t0\t0\t1\t1\nEND\t0";
    Kpoint d;
    ScriptedHost host;
    ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, ">>FOO<< strlen 3");
    EXPECT_EQ(host.reports()[0].caption, "Error en Kpoint");
    EXPECT_EQ(d.letterOf(2, 1), 'K');
}

TEST(Kpoint, TruncatedFilesKeepWhatWasRead) {
    std::string full = sampleDocument().crosswordText();
    for (size_t cut = 0; cut <= full.size(); cut += 7) {
        Kpoint d;
        ScriptedHost host;
        d.readCrosswordText(full.substr(0, cut), host, asciiLetter);  // must not crash
    }
    Kpoint d;
    ScriptedHost host;
    ASSERT_TRUE(d.readCrosswordText(full.substr(0, full.find("END\t0")), host, asciiLetter));
    EXPECT_EQ(d.letterOf(1, 1), 'A');
    EXPECT_EQ(d.letterOf(3, 3), 0);
}

TEST(Kpoint, DamagedInputNeverCrashes) {
    std::string base = sampleDocument().crosswordText();
    Random rnd(7);
    const char junk[] = {'"', '\t', '\n', ' ', '-', '.', '9', 'B', 'E', '\0', '\xFF'};
    for (int round = 0; round < 300; ++round) {
        std::string text = base;
        for (int i = 0; i < 6; ++i) {
            size_t at = static_cast<size_t>(rnd.below(static_cast<int>(text.size())));
            text[at] = junk[rnd.below(sizeof junk)];
        }
        Kpoint d;
        ScriptedHost host;
        d.readCrosswordText(text, host, asciiLetter);
        EXPECT_GE(d.width(), 1);
        EXPECT_LE(d.width(), Kpoint::kMaxSide);
    }
}

TEST(Kpoint, ResizeKeepsTheTopLeftPart) {
    Kpoint d(3, 3);
    d.setLetter(1, 1, 'A');
    d.setLetter(3, 3, 'C');
    d.setClue(2, 3, "x");
    d.resize(5, 2);
    EXPECT_EQ(d.width(), 5);
    EXPECT_EQ(d.height(), 2);
    EXPECT_EQ(d.letterOf(1, 1), 'A');
    EXPECT_EQ(d.cell(5, 2), Felt{});
    d.resize(2, 4);
    EXPECT_EQ(d.letterOf(1, 1), 'A');
    EXPECT_EQ(d.cell(2, 3), Felt{});
    EXPECT_EQ(d.cell(2, 4), Felt{});
}

TEST(Kpoint, FilesOnDisk) {
    fs::path dir = fs::temp_directory_path() / ("bv-ktd-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ScriptedHost host;
    Kpoint d = sampleDocument();
    std::string name = (dir / "a.ktd").string();
    ASSERT_TRUE(d.writeCrosswordFile(name, host));
    EXPECT_FALSE(d.untitled());
    std::string bytes;
    ASSERT_TRUE(TextFile::read(name, bytes));
    EXPECT_EQ(bytes, d.crosswordText());
    Kpoint back;
    ASSERT_TRUE(back.readCrosswordFile(name, host, asciiLetter));
    EXPECT_EQ(back.modelFileName(), name);
    EXPECT_TRUE(host.messages.empty());

    std::string missing = (dir / "nada.ktd").string();
    Kpoint before = back;
    EXPECT_FALSE(back.readCrosswordFile(missing, host, asciiLetter));
    EXPECT_EQ(back, before);
    ASSERT_EQ(host.reports().size(), 1u);
    EXPECT_EQ(host.reports()[0].text, missing);
    EXPECT_EQ(host.reports()[0].caption, "Error");
    EXPECT_EQ(host.reports()[0].icon, Icon::Error);

    std::string bad = (dir / "no" / "b.ktd").string();
    EXPECT_FALSE(d.writeCrosswordFile(bad, host));
    ASSERT_EQ(host.reports().size(), 2u);
    EXPECT_EQ(host.reports()[1].text, "No se puede abrir " + bad);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace bv
