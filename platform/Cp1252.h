#pragma once
// Cp1252: the one Windows-1252 <-> UTF-8 codec of the program.
//
// Data inside the core is Windows-1252; messages, terminals and Linux word lists
// are UTF-8. Conversion never fails: bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D (unused
// in Windows-1252) map to the C1 controls of the same value and back, and a
// character with no Windows-1252 form becomes '?' (reported through `lossless`).
#include <string>
#include <string_view>

namespace bv {

struct Cp1252 {
    static std::string toUtf8(std::string_view cp1252);
    // Invalid UTF-8 bytes are taken as Windows-1252 bytes as they are.
    static std::string fromUtf8(std::string_view utf8, bool* lossless = nullptr);
    static bool isValidUtf8(std::string_view bytes);
    // True when `bytes` has at least one multi-byte sequence and is valid UTF-8.
    static bool looksLikeUtf8(std::string_view bytes);
    // The Windows-1252 byte for a code point; -1 when there is none.
    static int byteFor(char32_t cp);
    static char32_t codePointOf(unsigned char b);
};

}  // namespace bv
