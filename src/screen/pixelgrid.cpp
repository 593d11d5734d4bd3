// The pixel grid, kept on the heap: at 16 bytes a pixel it is too large for a stack frame.
#include "screen/pixelgrid.h"

#include "screen/screenlayout.h"

#include <cassert>

namespace screen {

PixelGrid::PixelGrid()
    : cells(static_cast<std::size_t>(ScreenWidth) * ScreenHeight)
{
}

ScreenPixel &PixelGrid::operator()(int x, int y)
{
    assert(x >= 0 && x < ScreenWidth && y >= 0 && y < ScreenHeight);
    return cells[static_cast<std::size_t>(y) * ScreenWidth + static_cast<std::size_t>(x)];
}

const ScreenPixel &PixelGrid::operator()(int x, int y) const
{
    return const_cast<PixelGrid &>(*this)(x, y);
}

} // namespace screen
