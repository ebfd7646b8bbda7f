#pragma once
// KodeFelt: a clue-cell style record of a crossword file (the "KODEFELT"
// records). The builder reads these records and keeps them with the document,
// in file order, but uses them nowhere and does not write them.
#include "documents/RelaFont.h"

#include <cstdint>

namespace bv {

struct KodeFelt {
    RelaFont layout;
    int32_t type = 0;
    int32_t column = 0;
    int32_t row = 0;

    bool operator==(const KodeFelt&) const = default;
};

}  // namespace bv
