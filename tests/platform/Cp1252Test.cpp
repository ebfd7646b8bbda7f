#include "platform/Cp1252.h"

#include <gtest/gtest.h>

using bv::Cp1252;

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    bool lossless = false;
    EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(all), &lossless), all);
    EXPECT_TRUE(lossless);
    EXPECT_TRUE(Cp1252::isValidUtf8(Cp1252::toUtf8(all)));
}

TEST(Cp1252, KnownLetters) {
    struct Case { const char* utf8; const char* cp; };
    const Case cases[] = {
        {"ÆØÅ", "\xC6\xD8\xC5"}, {"ñÑ", "\xF1\xD1"}, {"€", "\x80"}, {"Œœ", "\x8C\x9C"},
        {"ß", "\xDF"}, {"Ž", "\x8E"}, {"ÞÐ", "\xDE\xD0"}, {"plain", "plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1252::fromUtf8(c.utf8), c.cp) << c.utf8;
        EXPECT_EQ(Cp1252::toUtf8(c.cp), c.utf8) << c.utf8;
    }
}

TEST(Cp1252, UnmappableAndInvalidInput) {
    bool lossless = true;
    EXPECT_EQ(Cp1252::fromUtf8("a\xE2\x98\x83" "b", &lossless), "a?b");  // snowman
    EXPECT_FALSE(lossless);
    // A stray Windows-1252 byte inside otherwise UTF-8 text is kept as it is.
    EXPECT_EQ(Cp1252::fromUtf8("\xF1" "o"), "\xF1o");
    EXPECT_FALSE(Cp1252::isValidUtf8("\xC3"));            // cut short
    EXPECT_FALSE(Cp1252::isValidUtf8("\xC0\x80"));        // overlong
    EXPECT_FALSE(Cp1252::isValidUtf8("\xED\xA0\x80"));    // surrogate
    EXPECT_FALSE(Cp1252::looksLikeUtf8("abc"));           // nothing multi-byte
    EXPECT_TRUE(Cp1252::looksLikeUtf8("ma\xC3\xB1" "ana"));
    EXPECT_FALSE(Cp1252::looksLikeUtf8("ma\xF1" "ana"));
}
