#include "engine/PictureModel.h"

namespace bv {

PictureModel::PictureModel(std::vector<std::string> rows) : rows_(std::move(rows)) {
    width_ = rows_.empty() ? 0 : static_cast<int>(rows_.front().size());
}

PictureModel::PictureModel(const GridPicture& picture) : width_(picture.width()) {
    for (std::string row : picture.rows()) {
        for (char& c : row)
            if (c == '.' || c == '_' || c == '-') c = ' ';
        rows_.push_back(std::move(row));
    }
}

bool PictureModel::isClue(int col, int row) const {
    return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] == '#';
}

char PictureModel::letterOf(int col, int row) const {
    char c = rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)];
    return c == '#' ? '\0' : c;
}

void PictureModel::setLetter(int col, int row, char c) {
    rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 1)] = c;
}

}  // namespace bv
