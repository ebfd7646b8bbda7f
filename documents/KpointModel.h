#pragma once
// KpointModel: the crossword document seen as the fill engine's ModelGrid, so
// that the batches can read the model from it and write finished crosswords
// back. Borrows the document, which must outlive the adapter.
#include "documents/Kpoint.h"
#include "engine/ModelGrid.h"

namespace bv {

class KpointModel : public ModelGrid {
public:
    explicit KpointModel(Kpoint& doc) : doc_(doc) {}

    int width() const override { return doc_.width(); }
    int height() const override { return doc_.height(); }
    bool isClue(int col, int row) const override { return doc_.isClue(col, row); }
    char letterOf(int col, int row) const override { return doc_.letterOf(col, row); }
    void setLetter(int col, int row, char c) override { doc_.setLetter(col, row, c); }

private:
    Kpoint& doc_;
};

}  // namespace bv
