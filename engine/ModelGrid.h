#pragma once
// ModelGrid: what the batch functions need of a crossword document, seen from
// the fill engine.
//
// The crossword document lives in documents/, which depends on the engine; the
// engine therefore sees it only through this small interface, implemented by an
// adapter on the document side (and by plain grids in tests and tools). Cells are
// addressed 1-based as (column, row), as the document is. Letters are external
// Windows-1252 bytes.
namespace bv {

class ModelGrid {
public:
    virtual ~ModelGrid() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    // True for a clue cell.
    virtual bool isClue(int col, int row) const = 0;
    // The letter of a letter cell: a blank or zero when the cell is empty; zero
    // for a clue cell.
    virtual char letterOf(int col, int row) const = 0;
    // Makes the cell a letter cell holding `c`.
    virtual void setLetter(int col, int row, char c) = 0;
};

}  // namespace bv
