#pragma once
// TickClock: the millisecond tick count the generator times its returns with.
// SteadyTickClock is the real one; ManualTickClock lets tests move time by hand.
#include <chrono>
#include <cstdint>

namespace bv {

class TickClock {
public:
    virtual ~TickClock() = default;
    // Milliseconds since an arbitrary start; wraps like a 32-bit tick count.
    virtual uint32_t ticks() = 0;
};

class SteadyTickClock : public TickClock {
public:
    uint32_t ticks() override {
        using namespace std::chrono;
        return static_cast<uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
};

class ManualTickClock : public TickClock {
public:
    uint32_t ticks() override { return now; }
    uint32_t now = 0;
};

}  // namespace bv
