#pragma once
// Hale: one token of the picture section ("IMAGES ...") of a crossword file.
// The document keeps the tokens in file order so that writing it puts the
// picture section back as it was read.
#include <string>

namespace bv {

struct Hale {
    std::string token;  // whitespace-free, Windows-1252

    bool operator==(const Hale&) const = default;
};

}  // namespace bv
