// The grid of ScreenPixel records for the whole 256 × 192 screen, x varying fastest.
#pragma once

#include "screen/screenpixel.h"

#include <vector>

namespace screen {

class PixelGrid
{
public:
    PixelGrid();

    // Pixel (x, y), with 0 <= x < 256 and 0 <= y < 192.
    ScreenPixel &operator()(int x, int y);
    const ScreenPixel &operator()(int x, int y) const;

private:
    std::vector<ScreenPixel> cells;
};

} // namespace screen
