#pragma once
// Vejstop: one stop of the route, naming a word slot by a cell (normally its first
// cell) and a direction. A stop whose x is negative is an end marker: the route
// ends at the first one. `len` is not used by the route (reading a file sets -1,
// autoRoute copies the slot's length).
#include "engine/EtOrd.h"
#include "engine/OrdBase.h"

#include <cstdint>

namespace bv {

struct Vejstop : OrdBase {
    std::int32_t nr = 0;       // running number, 1 for the first stop (renumberRoute)
    std::int32_t rc = 0;       // back-jump count: no candidate here -> the generator returns -rc
    EtOrd* slotRef = nullptr;  // borrowed; set and cleared again inside autoRoute / optimiseRoute
    std::int32_t visits = 0;   // times the generator entered the stop
    std::int32_t elapsed = 0;  // milliseconds spent at the stop over all visits
    std::int32_t Type = 0;     // editor tag 0..3; stored, shown, not interpreted

    bool isEndMarker() const { return x < 0; }
};

}  // namespace bv
