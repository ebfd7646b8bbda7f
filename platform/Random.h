#pragma once
// Random: the program's one source of random numbers, with the C library's
// contract (next() gives 0..32767) and the classic linear congruential sequence,
// so that the same seed gives the same crosswords on every machine.
// Owned by the application state and handed to whoever draws numbers.
#include <cstdint>

namespace bv {

class Random {
public:
    static constexpr int kMax = 32767;

    explicit Random(uint32_t seed = 1) : state_(seed) {}
    void seed(uint32_t s) { state_ = s; }
    // Seeds from the wall clock, in seconds, as the program does at start.
    void seedFromClock();
    int next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    // next() % n, the way the program draws "uniformly from 0 to n-1"; 0 when n <= 0.
    int below(int n) { return n > 0 ? next() % n : 0; }
    uint32_t state() const { return state_; }

private:
    uint32_t state_;
};

}  // namespace bv
