#pragma once
// GridPicture: a grid model drawn as text, for the command line and benchmarks.
//
// One line per row, all rows equally wide, 2 to 40 cells each way. '#' is a clue
// cell; every other character is a letter cell. ' ', '.', '_' and '-' stand for an
// empty letter cell; any other character is a letter already in place (kept only
// when asked for). Files may be UTF-8 or Windows-1252, with CRLF or LF line ends;
// empty lines at the end are ignored. A faulty picture is refused with an English
// explanation in `error`; nothing throws.
#include "engine/Simpelarr.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bv {

class GridPicture {
public:
    static constexpr int kMinSide = 2;
    static constexpr int kMaxSide = 40;

    // Parses picture text (bytes as read from the file).
    static std::optional<GridPicture> parse(std::string_view bytes, std::string& error);
    // Reads and parses a picture file.
    static std::optional<GridPicture> readFile(const std::string& path, std::string& error);

    int width() const { return width_; }
    int height() const { return height_; }
    // The picture's rows, Windows-1252.
    const std::vector<std::string>& rows() const { return rows_; }
    bool isClue(int x, int y) const;

    // A work grid of the picture's size: BLOCK for clue cells, BLANK for letter
    // cells, and with keepLetters the picture's letters in their cells.
    Simpelarr makeGrid(Host* host, bool keepLetters = false) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::string> rows_;
};

}  // namespace bv
