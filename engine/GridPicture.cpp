#include "engine/GridPicture.h"

#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace bv {

namespace {
bool isEmptyMark(char c) { return c == ' ' || c == '.' || c == '_' || c == '-'; }
}  // namespace

std::optional<GridPicture> GridPicture::parse(std::string_view bytes, std::string& error) {
    std::string text = Cp1252::looksLikeUtf8(bytes) ? Cp1252::fromUtf8(bytes) : std::string(bytes);
    std::vector<std::string> lines = TextFile::splitLines(text);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();

    if (lines.empty()) {
        error = "the grid picture is empty";
        return std::nullopt;
    }
    const std::size_t width = lines[0].size();
    for (std::size_t y = 0; y < lines.size(); ++y) {
        if (lines[y].size() != width) {
            error = "row " + std::to_string(y + 1) + " has " + std::to_string(lines[y].size()) +
                    " cells, row 1 has " + std::to_string(width) + "; all rows must be equally wide";
            return std::nullopt;
        }
        if (lines[y].find('\0') != std::string::npos) {
            error = "row " + std::to_string(y + 1) + " holds a zero byte";
            return std::nullopt;
        }
    }
    auto sideOk = [](std::size_t n) { return n >= kMinSide && n <= kMaxSide; };
    if (!sideOk(width) || !sideOk(lines.size())) {
        error = "the grid is " + std::to_string(width) + " x " + std::to_string(lines.size()) +
                " cells; width and height must be between " + std::to_string(kMinSide) + " and " +
                std::to_string(kMaxSide);
        return std::nullopt;
    }
    GridPicture p;
    p.width_ = static_cast<int>(width);
    p.height_ = static_cast<int>(lines.size());
    p.rows_ = std::move(lines);
    return p;
}

std::optional<GridPicture> GridPicture::readFile(const std::string& path, std::string& error) {
    std::string bytes;
    if (!TextFile::read(path, bytes)) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    auto p = parse(bytes, error);
    if (!p) error = path + ": " + error;
    return p;
}

bool GridPicture::isClue(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return true;
    return rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == BLOCK;
}

Simpelarr GridPicture::makeGrid(Host* host, bool keepLetters) const {
    Simpelarr g(width_, height_, host);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            char c = rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            if (c == BLOCK)
                g.put(BLOCK, x, y);
            else if (keepLetters && !isEmptyMark(c))
                g.put(c, x, y);
        }
    }
    return g;
}

}  // namespace bv
