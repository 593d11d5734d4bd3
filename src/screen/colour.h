// Colour values packed into 32 bits: red in the low byte, then green, then blue, top byte 0.
#pragma once

#include <cstdint>

namespace screen {

using Colour = std::uint32_t;

// Packs a (red, green, blue) triple; each component is taken modulo 256.
constexpr Colour Rgb(int red, int green, int blue)
{
    return (static_cast<Colour>(red) & 0xFFu) | (static_cast<Colour>(green) & 0xFFu) << 8
        | (static_cast<Colour>(blue) & 0xFFu) << 16;
}

constexpr int redOf(Colour colour) { return static_cast<int>(colour & 0xFFu); }
constexpr int greenOf(Colour colour) { return static_cast<int>(colour >> 8 & 0xFFu); }
constexpr int blueOf(Colour colour) { return static_cast<int>(colour >> 16 & 0xFFu); }

// The same colour as an opaque 32-bit pixel 0xFFRRGGBB, the layout of Qt's QRgb and of the
// preview core's images.
constexpr std::uint32_t opaquePixelOf(Colour colour)
{
    return 0xFF000000u | (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}

} // namespace screen
