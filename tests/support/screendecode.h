// An independent decoder of screen files, written from the file layout, for checking what was drawn.
#pragma once

#include <cstdint>
#include <vector>

namespace testsupport {

struct Rgb
{
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb &) const = default;
};

// The 6912 bytes of a screen file, built up pixel by pixel and cell by cell.
class ScreenBytes
{
public:
    ScreenBytes() : bytes(6912, 0) {}
    // The 1-based file position of the bitmap byte covering pixel (x, y).
    static int bitmapPosition(int x, int y);
    void setInk(int x, int y, bool ink = true);
    void setAttribute(int column, int row, std::uint8_t attribute);
    std::vector<std::uint8_t> bytes;
};

// The expected final picture, row by row, for a file's bytes (missing bytes count as 0; extra ones are ignored).
std::vector<Rgb> decodeScreen(const std::vector<std::uint8_t> &file);
// The expected grey-on-black picture after the bitmap pass.
std::vector<Rgb> decodeBitmapPreview(const std::vector<std::uint8_t> &file);

// A screen with varied bitmap and attribute bytes, from a seed.
std::vector<std::uint8_t> patternedScreen(unsigned seed);

} // namespace testsupport
