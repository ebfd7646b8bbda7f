// Crossword-file inputs found by fuzzing the reader (fuzz/fuzz_ktd.cpp).
#include "documents/Kpoint.h"

#include "platform/ScriptedHost.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace bv {
namespace {

bool asciiLetter(unsigned char b) { return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z'); }

// Clue-cell layout values of 1e6 and more, or below 1e-4, are written with an
// exponent ("4.50000e+06"). The clue reader once stopped at the 'e', and the
// rest of the record ("e+06", ...) was read as the following fields, so the
// document read back differed from the one written, from that cell on.
TEST(KpointHostileInput, ClueLayoutValuesWithAnExponentReadBack) {
    struct Case {
        double value;
        const char* written;
    };
    const Case cases[] = {
        {4500000.0, "4.50000e+06"},
        {0.00001, "1.00000e-05"},
        {-2.5e-7, "-2.50000e-07"},
        {1e300, "1.00000e+300"},
    };
    for (const Case& c : cases) {
        Kpoint d(2, 1);
        d.setClue(1, 1, "rio");
        Felt& clue = d.cell(1, 1);
        clue.layout.hoj[5] = c.value;
        clue.layout.op[5] = c.value;
        clue.rightBorder = false;
        d.setLetter(2, 1, 'A');
        const std::string text = d.crosswordText();
        ASSERT_NE(text.find(c.written), std::string::npos) << text;

        ScriptedHost host;
        Kpoint back;
        ASSERT_TRUE(back.readCrosswordText(text, host, asciiLetter));
        EXPECT_TRUE(host.messages.empty()) << c.written;
        EXPECT_EQ(back.crosswordText(), text) << c.written;
        EXPECT_NEAR(back.cell(1, 1).layout.hoj[5] / c.value, 1.0, 1e-5) << c.written;
        EXPECT_NEAR(back.cell(1, 1).layout.op[5] / c.value, 1.0, 1e-5) << c.written;
        EXPECT_DOUBLE_EQ(back.cell(1, 1).layout.vaegt[5], 0.36) << c.written;
        EXPECT_FALSE(back.cell(1, 1).rightBorder) << c.written;
        EXPECT_EQ(back.letterOf(2, 1), 'A') << c.written;
    }
}

// A clue value with more digits than a double holds is kept finite, so that it
// is written as a number that reads back, not as "inf".
TEST(KpointHostileInput, HugeClueValueStaysFinite) {
    std::string digits(400, '9');
    std::string text = "1\t1\r\nBEGIN\t0\r\n\tLEDEORD\t\"x\"\t" + digits + "\t0\t0.36\t0";
    for (int l = 1; l < 10; ++l) text += "\t45\t0\t0.36\t-0.1";
    text += "\t1\t1\r\nEND\t0\r\n";
    ScriptedHost host;
    Kpoint d;
    ASSERT_TRUE(d.readCrosswordText(text, host, asciiLetter));
    EXPECT_EQ(d.cell(1, 1).layout.hoj[0], std::numeric_limits<double>::max());
    Kpoint back;
    ASSERT_TRUE(back.readCrosswordText(d.crosswordText(), host, asciiLetter));
    EXPECT_EQ(back.crosswordText(), d.crosswordText());
}

}  // namespace
}  // namespace bv
