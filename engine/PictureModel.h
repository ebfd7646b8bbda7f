#pragma once
// PictureModel: a ModelGrid held as plain rows of text, for the command line,
// benchmarks and tests (the desktop program hands the batches its crossword
// document instead). '#' is a clue cell; any other byte is a letter cell holding
// that letter, ' ' or 0 for an empty one. Built from a GridPicture ('.', '_'
// and '-' become ' ') or from rows directly.
#include "engine/GridPicture.h"
#include "engine/ModelGrid.h"

#include <string>
#include <vector>

namespace bv {

class PictureModel : public ModelGrid {
public:
    // All rows must be equally long.
    explicit PictureModel(std::vector<std::string> rows);
    explicit PictureModel(const GridPicture& picture);

    int width() const override { return width_; }
    int height() const override { return static_cast<int>(rows_.size()); }
    bool isClue(int col, int row) const override;
    char letterOf(int col, int row) const override;
    void setLetter(int col, int row, char c) override;

    const std::vector<std::string>& rows() const { return rows_; }

private:
    std::vector<std::string> rows_;
    int width_ = 0;
};

}  // namespace bv
