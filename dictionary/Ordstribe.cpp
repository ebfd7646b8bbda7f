#include "dictionary/Ordstribe.h"

#include "platform/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace bv {

namespace {
constexpr std::string_view kNoMemory = "No más memoria/No puede leer más palabras";
constexpr std::string_view kNoMemoryCaption = "FATAL ERROR";
constexpr std::string_view kEraseFailed = "Fracasada la prueba de borrar";

// An index entry is the word number (below 2^23, since a block holds fewer
// than 2^24 cells) with the top byte of its hash above it, so that most
// foreign entries are passed over without reading the word's cells.
constexpr std::uint32_t kNumberMask = 0x00FFFFFF;
inline std::uint32_t entryOf(std::uint32_t hash, int number) {
    return (hash & ~kNumberMask) | static_cast<std::uint32_t>(number);
}

inline unsigned char letterOf(std::uint32_t cell) { return static_cast<unsigned char>(cell >> 24); }
inline unsigned char byteOf(const char* s, int i) { return static_cast<unsigned char>(s[i]); }
}  // namespace

Ordstribe::Ordstribe(int length, std::int64_t capacity, int growth, Host* host, std::int64_t maxCells)
    : lists_(std::make_unique<Bogstavliste[]>(static_cast<std::size_t>(length) * 32)),
      length_(length),
      growth_(growth),
      maxCells_(std::min(maxCells, kMaxCells)),
      host_(host) {
    // Rows 0..capacity+1 must all be addressable by a 24-bit link.
    std::int64_t most = maxCells_ / length_ - 2;
    capacity = std::clamp<std::int64_t>(capacity, 0, std::max<std::int64_t>(most, 0));
    auto* block = static_cast<std::uint32_t*>(
        std::calloc(static_cast<std::size_t>(capacity + 2) * static_cast<std::size_t>(length_), sizeof(std::uint32_t)));
    const std::uint32_t indexSize = indexSizeFor(capacity);
    auto* index = static_cast<std::uint32_t*>(std::calloc(indexSize, sizeof(std::uint32_t)));
    if (block == nullptr || index == nullptr) {
        if (host_) host_->report(kNoMemory, kNoMemoryCaption, Icon::Error);
        std::free(block);
        std::free(index);
        block = index = nullptr;
        capacity = 0;
    }
    cells_.reset(block);
    index_.reset(index);
    indexMask_ = index ? indexSize - 1 : 0;
    capacity_ = static_cast<int>(capacity);
    for (int i = 0; i < length_ * 32; ++i) lists_[i].base = block;
}

std::int64_t Ordstribe::reservedBytes() const {
    if (length_ == 0) return 0;
    std::int64_t cells = cells_ ? (std::int64_t{capacity_} + 2) * length_ : 0;
    std::int64_t index = index_ ? std::int64_t{indexMask_} + 1 : 0;
    return (cells + index) * 4 + std::int64_t{length_} * 32 * static_cast<std::int64_t>(sizeof(Bogstavliste));
}

bool Ordstribe::grow() {
    if (length_ == 0) return false;
    std::int64_t most = maxCells_ / length_ - 2;
    std::int64_t wanted = std::min<std::int64_t>(std::int64_t{capacity_} + growth_, most);
    std::uint32_t* block = nullptr;
    if (wanted > capacity_)
        block = static_cast<std::uint32_t*>(std::calloc(static_cast<std::size_t>(wanted + 2) * length_, sizeof(std::uint32_t)));
    const std::uint32_t indexSize = indexSizeFor(wanted);
    auto* index = block ? static_cast<std::uint32_t*>(std::calloc(indexSize, sizeof(std::uint32_t))) : nullptr;
    if (block == nullptr || index == nullptr) {
        if (host_) host_->report(kNoMemory, kNoMemoryCaption, Icon::Error);
        std::free(block);
        return false;
    }
    std::uint32_t* old = cells_.get();
    if (old != nullptr)
        std::memcpy(block, old, static_cast<std::size_t>(capacity_ + 2) * length_ * sizeof(std::uint32_t));
    for (int i = 0; i < length_ * 32; ++i) {
        Bogstavliste& l = lists_[i];
        if (l.head != nullptr) l.head = block + (l.head - old);
        l.base = block;
    }
    cells_.reset(block);
    if (const std::uint32_t* oldIndex = index_.get())
        for (std::uint32_t i = 0; i <= indexMask_; ++i)
            if (oldIndex[i] != 0) indexAdd(index, indexSize - 1, static_cast<int>(oldIndex[i] & kNumberMask));
    index_.reset(index);
    indexMask_ = indexSize - 1;
    capacity_ = static_cast<int>(wanted);
    return true;
}

Ordstribe::Rarest Ordstribe::chooseRarest(const char* pattern, int length) const {
    // Every count may be chosen: a list of 65535 or more words is still a list
    // (starting from a 65535 sentinel would make such patterns look letterless).
    Rarest r;
    std::int32_t c1 = 0, c2 = 0;
    for (int p = 0; p < length && pattern[p] != '\0'; ++p) {
        if (pattern[p] == ' ') continue;
        std::int32_t c = list(p, byteOf(pattern, p)).count;
        if (r.known == 0 || c < c1) {
            r.p2 = r.p1, c2 = c1;
            r.p1 = p, c1 = c;
            if (r.known < 2) ++r.known;
        } else if (r.known == 1 || c < c2) {
            r.p2 = p, c2 = c;
            r.known = 2;
        }
    }
    return r;
}

bool Ordstribe::matchesPattern(const char* pattern) const {
    if (length_ == 0) return false;
    int known = 0;
    while (known < length_ && pattern[known] != ' ' && pattern[known] != '\0') ++known;
    if (known == length_) return findNumber(pattern) != 0;
    Rarest r = chooseRarest(pattern, length_);
    if (r.known == 0) return count_ > 0;
    const Bogstavliste& l = list(r.p1, byteOf(pattern, r.p1));
    if (r.known == 1) return l.count > 0;
    const unsigned char a = byteOf(pattern, r.p1), b = byteOf(pattern, r.p2);
    for (const std::uint32_t* cell = l.head; cell != nullptr;) {
        const std::uint32_t* w = cell - r.p1;
        if (letterOf(w[r.p1]) == a && letterOf(w[r.p2]) == b) {
            bool all = true;
            for (int i = 0; i < length_ && pattern[i] != '\0'; ++i)
                if (pattern[i] != ' ' && letterOf(w[i]) != byteOf(pattern, i)) {
                    all = false;
                    break;
                }
            if (all) return true;
        }
        std::uint32_t link = *cell & kLinkMask;
        cell = link ? l.base + link : nullptr;
    }
    return false;
}

bool Ordstribe::insertCodes(const char* codes) {
    if (length_ == 0 || matchesPattern(codes)) return false;
    if (numbersUsed_ + 1 > capacity_ && !grow()) return false;
    const int w = ++numbersUsed_;
    std::uint32_t* base = cells_.get();
    for (int p = 0; p < length_; ++p) {
        const unsigned char code = byteOf(codes, p);
        std::uint32_t* cell = base + static_cast<std::ptrdiff_t>(w) * length_ + p;
        *cell = std::uint32_t{code} << 24;
        Bogstavliste& l = lists_[p * 32 + (code & 31)];
        if (l.count == 0) {
            l.count = 1;
        } else {
            *cell |= static_cast<std::uint32_t>(l.head - l.base);
            ++l.count;
        }
        l.head = cell;
    }
    indexAdd(index_.get(), indexMask_, w);
    ++count_;
    return true;
}

bool Ordstribe::sameWord(const std::uint32_t* first, const char* codes) const {
    for (int i = 0; i < length_; ++i)
        if (letterOf(first[i]) != byteOf(codes, i)) return false;
    return true;
}

void Ordstribe::eraseCodes(const char* codes) {
    if (length_ == 0) return;
    // A word that is not stored is on none of its lists; taking it off some of
    // them and lowering the count would break the counts every search relies on.
    const int number = findNumber(codes);
    if (number == 0) {
        if (host_) host_->report(kEraseFailed, Cp1252::toUtf8(std::string_view(codes, length_)), Icon::Warning);
        return;
    }
    for (int p = 0; p < length_; ++p) {
        Bogstavliste& l = lists_[p * 32 + (byteOf(codes, p) & 31)];
        if (l.head == nullptr) continue;  // cannot happen for a stored word
        if (sameWord(l.head - p, codes)) {
            std::uint32_t link = *l.head & kLinkMask;
            l.head = link ? l.base + link : nullptr;
            --l.count;
            continue;
        }
        for (std::uint32_t* cur = l.head;;) {
            std::uint32_t link = *cur & kLinkMask;
            if (link == 0) break;
            std::uint32_t* next = l.base + link;
            if (sameWord(next - p, codes)) {
                *cur = (*cur & ~kLinkMask) | (*next & kLinkMask);
                --l.count;
                break;
            }
            cur = next;
        }
    }
    indexRemove(number);
    --count_;
}

void Ordstribe::wordAt(const std::uint32_t* cell, int position, char* out) const {
    const std::uint32_t* w = cell - position;
    for (int i = 0; i < length_; ++i) out[i] = static_cast<char>(letterOf(w[i]));
    out[length_] = '\0';
}

bool Ordstribe::walkList(int position, int letter, WordVisitor visitor) const {
    if (length_ == 0) return true;
    const Bogstavliste& l = list(position, letter);
    char word[32];
    for (const std::uint32_t* cell = l.head; cell != nullptr;) {
        wordAt(cell, position, word);
        if (!visitor(word)) return false;
        std::uint32_t link = *cell & kLinkMask;
        cell = link ? l.base + link : nullptr;
    }
    return true;
}

bool Ordstribe::lettersAt(const char* pattern, int position, int length, LetterSet& set) const {
    if (length_ == 0 || length != length_ || position < 0 || position >= length) return false;
    const unsigned char asked = byteOf(pattern, position);
    if (asked != ' ' && asked != '\0') {
        set |= LetterSet{1} << (asked & 31);
        return matchesPattern(pattern);
    }
    Rarest r = chooseRarest(pattern, length);
    if (r.known == 0) {
        bool any = false;
        for (int c = 0; c < 32; ++c)
            if (list(position, c).count > 0) {
                set |= LetterSet{1} << c;
                any = true;
            }
        return any;
    }
    const Bogstavliste& l = list(r.p1, byteOf(pattern, r.p1));
    const int offset = position - r.p1;
    if (r.known == 1) {
        if (l.count == 0) return false;
        for (const std::uint32_t* cell = l.head; cell != nullptr;) {
            set |= LetterSet{1} << (letterOf(cell[offset]) & 31);
            std::uint32_t link = *cell & kLinkMask;
            cell = link ? l.base + link : nullptr;
        }
        return true;
    }
    const unsigned char b = byteOf(pattern, r.p2);
    bool matched = false;
    for (const std::uint32_t* cell = l.head; cell != nullptr;) {
        const std::uint32_t* w = cell - r.p1;
        if (letterOf(w[r.p2]) == b) {
            bool all = true;
            for (int i = 0; i < length && pattern[i] != '\0'; ++i)
                if (pattern[i] != ' ' && letterOf(w[i]) != byteOf(pattern, i)) {
                    all = false;
                    break;
                }
            if (all) {
                set |= LetterSet{1} << (letterOf(w[position]) & 31);
                matched = true;
            }
        }
        std::uint32_t link = *cell & kLinkMask;
        cell = link ? l.base + link : nullptr;
    }
    return matched;
}

std::uint32_t Ordstribe::indexSizeFor(std::int64_t capacity) {
    // At most half full, so probes stay short.
    std::uint32_t size = 16;
    while (size < 2 * static_cast<std::uint64_t>(capacity + 1)) size <<= 1;
    return size;
}

std::uint32_t Ordstribe::hashCodes(const char* codes) const {
    std::uint32_t h = 2166136261u;
    for (int i = 0; i < length_; ++i) h = (h ^ byteOf(codes, i)) * 16777619u;
    return h ^ (h >> 15);
}

std::uint32_t Ordstribe::hashWord(int number) const {
    const std::uint32_t* w = cells_.get() + static_cast<std::ptrdiff_t>(number) * length_;
    std::uint32_t h = 2166136261u;
    for (int i = 0; i < length_; ++i) h = (h ^ letterOf(w[i])) * 16777619u;
    return h ^ (h >> 15);
}

int Ordstribe::findNumber(const char* codes) const {
    const std::uint32_t* table = index_.get();
    if (table == nullptr) return 0;
    const std::uint32_t h = hashCodes(codes);
    const std::uint32_t tag = h & ~kNumberMask;
    for (std::uint32_t i = h & indexMask_;; i = (i + 1) & indexMask_) {
        const std::uint32_t e = table[i];
        if (e == 0) return 0;
        const std::uint32_t w = e & kNumberMask;
        if ((e & ~kNumberMask) == tag && sameWord(cells_.get() + static_cast<std::ptrdiff_t>(w) * length_, codes))
            return static_cast<int>(w);
    }
}

void Ordstribe::indexAdd(std::uint32_t* table, std::uint32_t mask, int number) const {
    const std::uint32_t h = hashWord(number);
    std::uint32_t i = h & mask;
    while (table[i] != 0) i = (i + 1) & mask;
    table[i] = entryOf(h, number);
}

void Ordstribe::indexRemove(int number) {
    std::uint32_t* table = index_.get();
    std::uint32_t i = hashWord(number) & indexMask_;
    while ((table[i] & kNumberMask) != static_cast<std::uint32_t>(number)) i = (i + 1) & indexMask_;
    // Backward-shift deletion: move later entries of the probe run into the gap.
    for (std::uint32_t j = (i + 1) & indexMask_; table[j] != 0; j = (j + 1) & indexMask_) {
        const std::uint32_t home = hashWord(static_cast<int>(table[j] & kNumberMask)) & indexMask_;
        // Entry j may fill the gap at i unless its home lies cyclically in (i, j].
        const bool homeBetween = (i <= j) ? (home > i && home <= j) : (home > i || home <= j);
        if (!homeBetween) {
            table[i] = table[j];
            i = j;
        }
    }
    table[i] = 0;
}

}  // namespace bv
