#include "engine/Tvang.h"

#include "engine/Simpelarr.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace bv {

bool Tvang::fitsAnEntry(std::string_view word) {
    if (word.empty() || word.size() > static_cast<std::size_t>(kMaxLetters)) return false;
    // Placed into the work grid, a '#' would turn a letter cell into a clue cell,
    // and a control byte would become a letter no dictionary holds. (A blank is
    // an open cell there, which the generator fills.)
    for (char c : word)
        if (c == BLOCK || static_cast<unsigned char>(c) < ' ') return false;
    return true;
}

bool Tvang::add(std::string_view word) {
    if (full() || !fitsAnEntry(word)) return false;
    EtOrd& e = entries_[static_cast<std::size_t>(count_)];
    e = EtOrd{};
    e.setWord(word);
    e.len = static_cast<std::int32_t>(word.size());
    ++count_;
    return true;
}

unsigned char Tvang::upperCase(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;  // š
        case 0x9C: return 0x8C;  // œ
        case 0x9E: return 0x8E;  // ž
        case 0xFF: return 0x9F;  // ÿ
        default: return c;
    }
}

std::string Tvang::prepareLine(std::string_view line) {
    // A line is a C string to the format: a zero byte ends it. Kept, it would
    // make an entry whose length counts bytes its word does not have.
    line = line.substr(0, line.find('\0'));
    std::size_t n = line.size();
    while (n > 0 && static_cast<unsigned char>(line[n - 1]) <= ' ') --n;
    std::string out(line.substr(0, n));
    for (char& c : out) c = static_cast<char>(upperCase(static_cast<unsigned char>(c)));
    return out;
}

std::vector<std::string> Tvang::wordLines(std::string bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    if (Cp1252::looksLikeUtf8(bytes)) bytes = Cp1252::fromUtf8(bytes);
    std::vector<std::string> words;
    for (const std::string& line : TextFile::splitLines(bytes)) {
        std::string w = prepareLine(line);
        if (!w.empty()) words.push_back(std::move(w));
    }
    return words;
}

bool Tvang::readTvangFile(const std::string& name, Host& host) {
    std::string bytes;
    if (!TextFile::read(name, bytes)) {
        host.report(kCannotOpenText, Cp1252::toUtf8(name), Icon::Error);
        return false;
    }
    std::string tooLong;
    for (const std::string& w : wordLines(std::move(bytes))) {
        if (w.size() > static_cast<std::size_t>(kMaxLetters)) {
            tooLong += "\n" + w;
            continue;
        }
        if (full()) break;
        add(w);
    }
    if (!tooLong.empty()) host.report(std::string(kTooLongText) + Cp1252::toUtf8(tooLong), kTooLongCaption, Icon::Warning);
    return true;
}

}  // namespace bv
