#pragma once
// OrdBase: the position record shared by word slots (EtOrd) and route stops
// (Vejstop). Coordinates are 0-based cell positions: x is the column (0 = left),
// y the row (0 = top). ret is the direction: 0 across (left to right), 1 down
// (top to bottom). A fresh record has x, y and len at -1 and ret 0.
#include <cstdint>

namespace bv {

inline constexpr std::int8_t kAcross = 0;
inline constexpr std::int8_t kDown = 1;

struct OrdBase {
    std::int32_t x = -1;
    std::int32_t y = -1;
    std::int32_t len = -1;
    std::int8_t ret = kAcross;
};

}  // namespace bv
