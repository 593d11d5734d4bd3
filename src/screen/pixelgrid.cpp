// The pixel grid, kept off the stack: at 16 bytes a pixel it is too large for a stack frame.
#include "screen/pixelgrid.h"

#include "screen/screenlayout.h"

namespace screen {

PixelGrid::PixelGrid()
    : cells(static_cast<std::size_t>(ScreenWidth) * ScreenHeight)
{
}

} // namespace screen
