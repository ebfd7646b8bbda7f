#include "documents/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

namespace bv {
namespace {

TEST(NumberText, HashGMatchesPrintf) {
    const double values[] = {45.0, 0.36, 0.0, -0.1, -0.0, 1.0, 100.0, 123456.0, 999999.4, 1234567.0,
                             0.0001, 0.00001, 1e-5, 12.5, 3.14159265, -273.15, 1e100, 5e-324};
    for (double v : values) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%#g", v);
        EXPECT_EQ(NumberText::hashG(v), buf) << v;
    }
}

TEST(NumberText, HashGIgnoresTheProcessLocale) {
    // A desktop session may run under a locale with a decimal comma.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(NumberText::hashG(0.36), "0.360000");
    double v = 0;
    EXPECT_EQ(NumberText::parseDouble("0.36", v), 4u);
    EXPECT_DOUBLE_EQ(v, 0.36);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!switched) GTEST_SKIP() << "no de_DE locale installed; checked under C only";
}

TEST(NumberText, ParseDoubleLikeScanf) {
    struct Case {
        const char* text;
        size_t used;
        double value;
    } cases[] = {
        {"45.0000\t0", 7, 45.0}, {"-0.100000", 9, -0.1}, {"+3", 2, 3.0},   {"1e3x", 3, 1000.0},
        {".5", 2, 0.5},          {"7.", 2, 7.0},         {"abc", 0, -1.0}, {"-", 0, -1.0},
        {"1e-400", 6, 0.0},
    };
    for (const auto& c : cases) {
        double v = -1.0;
        EXPECT_EQ(NumberText::parseDouble(c.text, v), c.used) << c.text;
        EXPECT_DOUBLE_EQ(v, c.value) << c.text;
    }
}

}  // namespace
}  // namespace bv
