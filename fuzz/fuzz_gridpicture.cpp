// Grid pictures (the command line's text grids): a picture that is accepted
// gives a work grid of its size with clue cells where the picture has them.
#include "FuzzSupport.h"
#include "engine/GridPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    auto picture = bv::GridPicture::parse(bytes, error);
    if (!picture) {
        if (error.empty()) bvfuzz::fail("refused without a reason", bytes);
        return 0;
    }
    const int w = picture->width(), h = picture->height();
    if (w < bv::GridPicture::kMinSide || w > bv::GridPicture::kMaxSide || h < bv::GridPicture::kMinSide ||
        h > bv::GridPicture::kMaxSide)
        bvfuzz::fail("accepted a picture of a size out of range", bytes);
    if (static_cast<int>(picture->rows().size()) != h) bvfuzz::fail("row count differs from height", bytes);
    bvfuzz::QuietHost host;
    for (bool keep : {false, true}) {
        bv::Simpelarr grid = picture->makeGrid(&host, keep);
        if (grid.width() != w || grid.height() != h) bvfuzz::fail("grid size differs from the picture", bytes);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((grid.get(x, y) == bv::BLOCK) != picture->isClue(x, y))
                    bvfuzz::fail("clue cell differs from the picture", bytes);
    }
    return 0;
}
