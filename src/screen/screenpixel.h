// What the renderer knows of one pixel: its cell's ink and paper flags, whether it is ink, and the cell's level.
#pragma once

#include <cstdint>

namespace screen {

// Every field is a 16-bit integer, as the machine's BASIC-era design kept them; the colour flags are
// single attribute bits, so that a component is simply level × flag.
struct ScreenPixel
{
    std::int16_t paperRed = 0;
    std::int16_t paperBlue = 0;
    std::int16_t paperGreen = 0;
    std::int16_t inkRed = 0;
    std::int16_t inkBlue = 0;
    std::int16_t inkGreen = 0;
    std::int16_t isInk = 0; // -1 (true) where the bitmap bit is set, 0 where it is clear
    std::int16_t level = 0; // 200 for a normal cell, 255 for a bright one

    bool operator==(const ScreenPixel &) const = default;
};

} // namespace screen
