#pragma once
// WorkTickClock: a tick count that follows the work done instead of the wall
// clock, for runs that must repeat exactly (brisvane-cli build --seed, tests).
//
// The generator times its small and large returns with the tick count; with the
// real clock a return lands wherever the search happens to be when the second is
// up, so the same seed gives different crosswords from one run to the next. This
// clock advances one millisecond every kCallsPerMs calls, about the rate at which
// the generator asks for the time on a current machine, so that the returns come
// at roughly the usual intervals but at the same point of the search every time.
#include "platform/TickClock.h"

#include <cstdint>

namespace bv {

class WorkTickClock : public TickClock {
public:
    static constexpr std::uint64_t kCallsPerMs = 400;

    std::uint32_t ticks() override { return static_cast<std::uint32_t>(++calls_ / kCallsPerMs); }

private:
    std::uint64_t calls_ = 0;
};

}  // namespace bv
