#include "anagram/Anacon.h"

#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace bv {

namespace {

// Word lists on Linux are UTF-8; the code map sees Windows-1252 bytes.
std::string asCp1252(std::string bytes) {
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    bool bom = std::string_view(bytes).substr(0, 3) == kBom;
    if (bom) bytes.erase(0, 3);
    if (bom || Cp1252::looksLikeUtf8(bytes)) return Cp1252::fromUtf8(bytes);
    return bytes;
}

}  // namespace

void Anacon::loadWordList(const std::string& path, const Language& language, Host& host) {
    if (loaded_) return;
    text_ = std::make_unique<char[]>(kTextBytes);
    offsets_ = std::make_unique<std::uint16_t[]>(kMaxEntries);
    lengths_ = std::make_unique<std::uint8_t[]>(kMaxEntries);
    sets_ = std::make_unique<LetterSet[]>(kMaxEntries);
    count_ = 0;

    std::string raw;
    if (!TextFile::read(path, raw)) return;
    loaded_ = true;
    const std::string bytes = asCp1252(std::move(raw));

    std::size_t used = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        // One piece: up to the line end, but never more than kLinePiece bytes;
        // the rest of a longer line is read as the next piece.
        std::size_t nl = bytes.find('\n', pos);
        std::size_t end = nl == std::string::npos ? bytes.size() : nl + 1;
        end = std::min(end, pos + kLinePiece);
        std::string_view piece(bytes.data() + pos, end - pos);
        pos = end;
        while (!piece.empty() && static_cast<unsigned char>(piece.back()) < 32) piece.remove_suffix(1);

        char codes[kLinePiece + 1];
        std::size_t n = 0;
        LetterSet set = 0;
        for (char ch : piece) {
            unsigned char code = language.codeOf(static_cast<unsigned char>(ch));
            if (code == 0) break;  // the first word ends at a blank or any other non-letter
            codes[n++] = static_cast<char>(code);
            set |= 1u << (code & 31);
        }
        if (n == 0) continue;

        if (count_ >= kUsableEntries || used + n + 1 > kTextBytes) {
            host.report(kTooManyText, kTooManyCaption, Icon::None);
            break;
        }
        std::copy(codes, codes + n, text_.get() + used);
        text_[used + n] = '\0';
        offsets_[count_] = static_cast<std::uint16_t>(used);
        lengths_[count_] = static_cast<std::uint8_t>(n);
        sets_[count_] = set;
        ++count_;
        used += n + 1;
    }
}

void Anacon::release() {
    text_.reset();
    offsets_.reset();
    lengths_.reset();
    sets_.reset();
    loaded_ = false;
    count_ = 0;
}

}  // namespace bv
