#include "engine/GrepPak.h"

#include <cstring>

namespace bv {

GrepPak::GrepPak(std::size_t capacity)
    : buffer_(std::make_unique<char[]>(capacity)), capacity_(capacity) {}

void GrepPak::reset(int wordLength) {
    count_ = 0;
    wordLength_ = wordLength;
    readPos_ = 0;
    writePos_ = 0;
}

int GrepPak::roomFor() const {
    return static_cast<int>(capacity_ / stride());
}

bool GrepPak::append(const char* codes) {
    if (writePos_ + stride() > capacity_) return false;
    std::memcpy(buffer_.get() + writePos_, codes, static_cast<std::size_t>(wordLength_));
    buffer_[writePos_ + static_cast<std::size_t>(wordLength_)] = 0;
    writePos_ += stride();
    ++count_;
    return true;
}

void GrepPak::overwrite(int index, const char* codes) {
    if (index < 0 || index >= count_) return;
    char* at = buffer_.get() + readPos_ + static_cast<std::size_t>(index) * stride();
    std::memcpy(at, codes, static_cast<std::size_t>(wordLength_));
    at[wordLength_] = 0;
}

bool GrepPak::nextCandidate(EtOrd& slot, std::string_view alphabet) {
    if (count_ < 1) return false;
    const unsigned char* w = reinterpret_cast<const unsigned char*>(buffer_.get() + readPos_);
    std::size_t i = 0;
    for (; w[i] != 0 && i + 1 < sizeof(slot.letters); ++i) {
        const std::size_t place = w[i] & 31u;
        slot.letters[i] = place < alphabet.size() ? alphabet[place] : '?';
    }
    slot.letters[i] = 0;
    readPos_ += stride();
    --count_;
    return true;
}

GrepPak GrepPak::privateCopy() const {
    GrepPak copy(writePos_ - readPos_);
    if (copy.capacity_ > 0) std::memcpy(copy.buffer_.get(), buffer_.get() + readPos_, copy.capacity_);
    copy.count_ = count_;
    copy.wordLength_ = wordLength_;
    copy.writePos_ = copy.capacity_;
    copy.savedSlot = savedSlot;
    return copy;
}

}  // namespace bv
