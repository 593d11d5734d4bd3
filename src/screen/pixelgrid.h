// The grid of ScreenPixel records for the whole 256 × 192 screen, x varying fastest.
#pragma once

#include "screen/screenlayout.h"
#include "screen/screenpixel.h"

#include <cassert>
#include <vector>

namespace screen {

class PixelGrid
{
public:
    PixelGrid();

    // Pixel (x, y), with 0 <= x < 256 and 0 <= y < 192. Inline: the renderer asks for every pixel twice.
    ScreenPixel &operator()(int x, int y)
    {
        assert(x >= 0 && x < ScreenWidth && y >= 0 && y < ScreenHeight);
        return cells[static_cast<std::size_t>(y) * ScreenWidth + static_cast<std::size_t>(x)];
    }
    const ScreenPixel &operator()(int x, int y) const { return const_cast<PixelGrid &>(*this)(x, y); }

private:
    std::vector<ScreenPixel> cells;
};

} // namespace screen
