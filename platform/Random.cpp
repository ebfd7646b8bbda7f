#include "platform/Random.h"

#include <ctime>

namespace bv {

void Random::seedFromClock() { seed(static_cast<uint32_t>(std::time(nullptr))); }

}  // namespace bv
