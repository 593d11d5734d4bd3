// The pixel grid, kept off the stack: at 16 bytes a pixel it is too large for a stack frame.
#include "screen/pixelgrid.h"

#include "screen/screenlayout.h"

#include <new>
#include <type_traits>

namespace screen {

PixelGrid::PixelGrid()
    : cells(static_cast<ScreenPixel *>(std::calloc(static_cast<std::size_t>(ScreenWidth) * ScreenHeight, sizeof(ScreenPixel))))
{
    // calloc makes the records as a zeroed array of them makes them: an aggregate of integers
    // whose every starting value is 0.
    static_assert(std::is_aggregate_v<ScreenPixel> && std::is_trivially_copyable_v<ScreenPixel>);
    static_assert(ScreenPixel {} == ScreenPixel { 0, 0, 0, 0, 0, 0, 0, 0 });
    if (!cells)
        throw std::bad_alloc();
}

} // namespace screen
