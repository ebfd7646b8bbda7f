#pragma once
// Decimal integers in the engine's text formats (route and parameter files, the
// parameter dialog). These follow the C library's "%d" scan: blanks (including
// line ends) skipped, an optional sign, then digits. Values beyond the int32
// range are clamped instead of overflowing.
#include <cstdint>
#include <string_view>

namespace bv::numtext {

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Scans one integer at `pos`, moving `pos` past it. False (pos unchanged) when
// there is none.
inline bool scanInt(std::string_view s, std::size_t& pos, std::int32_t& out) {
    std::size_t p = pos;
    while (p < s.size() && isBlank(s[p])) ++p;
    bool neg = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        neg = s[p] == '-';
        ++p;
    }
    if (p >= s.size() || s[p] < '0' || s[p] > '9') return false;
    std::int64_t v = 0;
    for (; p < s.size() && s[p] >= '0' && s[p] <= '9'; ++p) {
        if (v <= INT64_C(1) << 32) v = v * 10 + (s[p] - '0');
    }
    if (neg) v = -v;
    if (v > INT32_MAX) v = INT32_MAX;
    if (v < INT32_MIN) v = INT32_MIN;
    out = static_cast<std::int32_t>(v);
    pos = p;
    return true;
}

// Scans up to `max` integers from the start of `s`; answers how many were found.
inline int scanInts(std::string_view s, std::int32_t* out, int max) {
    std::size_t pos = 0;
    int n = 0;
    while (n < max && scanInt(s, pos, out[n])) ++n;
    return n;
}

// The usual decimal conversion of a text: like scanInt, but no digits give 0.
inline std::int32_t toInt(std::string_view s) {
    std::size_t pos = 0;
    std::int32_t v = 0;
    return scanInt(s, pos, v) ? v : 0;
}

}  // namespace bv::numtext
