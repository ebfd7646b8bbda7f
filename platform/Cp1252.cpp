#include "platform/Cp1252.h"

namespace bv {

namespace {
// 0x80..0x9F; the unused bytes keep their own value.
constexpr char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when invalid.
size_t decode(std::string_view s, size_t i, char32_t& cp) {
    auto b0 = static_cast<unsigned char>(s[i]);
    size_t n;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}
}  // namespace

char32_t Cp1252::codePointOf(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80];
    return b;
}

int Cp1252::byteFor(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return 0x80 + i;
    return -1;
}

std::string Cp1252::toUtf8(std::string_view in) {
    std::string out;
    out.reserve(in.size() + in.size() / 4);
    for (char c : in) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Cp1252::fromUtf8(std::string_view in, bool* lossless) {
    std::string out;
    out.reserve(in.size());
    bool ok = true;
    for (size_t i = 0; i < in.size();) {
        char32_t cp;
        size_t n = decode(in, i, cp);
        if (n == 0) {  // not UTF-8 here: keep the byte as it is
            out.push_back(in[i]);
            ++i;
            continue;
        }
        int b = byteFor(cp);
        if (b < 0) {
            out.push_back('?');
            ok = false;
        } else {
            out.push_back(static_cast<char>(b));
        }
        i += n;
    }
    if (lossless) *lossless = ok;
    return out;
}

bool Cp1252::isValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        char32_t cp;
        size_t n = decode(s, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

bool Cp1252::looksLikeUtf8(std::string_view s) {
    bool multi = false;
    for (size_t i = 0; i < s.size();) {
        char32_t cp;
        size_t n = decode(s, i, cp);
        if (n == 0) return false;
        if (n > 1) multi = true;
        i += n;
    }
    return multi;
}

}  // namespace bv
