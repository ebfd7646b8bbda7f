#pragma once
// NumberText: the number spellings of the crossword file, independent of the
// process locale (a desktop program runs under the user's locale, where the C
// library would write and read "45,0000").
#include <string>
#include <string_view>

namespace bv {

struct NumberText {
    // printf's "%#g": 6 significant digits, decimal point and trailing zeros
    // always shown (45.0 -> "45.0000", -0.1 -> "-0.100000", 0 -> "0.00000").
    static std::string hashG(double v);
    // Reads a number as scanf's "%lf" does after the blanks: optional sign,
    // digits, point, exponent. Answers the characters used, 0 when there is no number.
    static size_t parseDouble(std::string_view s, double& out);
};

}  // namespace bv
