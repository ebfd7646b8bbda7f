#include "documents/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace bv {

std::string NumberText::hashG(double v) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
    char buf[64];
    // The exponent after rounding to 6 digits decides between the two styles.
    auto sci = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 5);
    std::string s(buf, sci.ptr);
    auto e = s.find('e');
    int exp = std::atoi(s.c_str() + e + 1);
    if (exp < -4 || exp >= 6) return s;
    int precision = 5 - exp;
    auto fix = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, precision);
    std::string f(buf, fix.ptr);
    if (precision == 0) f += '.';
    return f;
}

size_t NumberText::parseDouble(std::string_view s, double& out) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) return 0;
    double v = 0;
    auto r = std::from_chars(s.data() + i, s.data() + s.size(), v, std::chars_format::general);
    if (r.ec == std::errc::invalid_argument) return 0;
    // Out of range: scanf gives the nearest representable value (0 or huge).
    if (r.ec == std::errc::result_out_of_range) {
        std::string_view t = s.substr(i, static_cast<size_t>(r.ptr - (s.data() + i)));
        bool tiny = t.find("e-") != std::string_view::npos || t.find("E-") != std::string_view::npos ||
                    t.starts_with("0.") || t.starts_with(".");
        v = tiny ? 0.0 : HUGE_VAL;
    }
    out = negative ? -v : v;
    return static_cast<size_t>(r.ptr - s.data());
}

}  // namespace bv
