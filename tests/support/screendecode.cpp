// Decoding by the formula of the display file: third, scan line, character row, column.
#include "support/screendecode.h"

namespace testsupport {

namespace {

std::uint8_t at(const std::vector<std::uint8_t> &file, int index)
{
    return index < static_cast<int>(file.size()) ? file[static_cast<std::size_t>(index)] : 0;
}

bool inkBit(const std::vector<std::uint8_t> &file, int x, int y)
{
    return (at(file, ScreenBytes::bitmapPosition(x, y) - 1) >> (7 - x % 8) & 1) != 0;
}

} // namespace

int ScreenBytes::bitmapPosition(int x, int y)
{
    const int third = y / 64, characterRow = (y / 8) % 8, scanLine = y % 8;
    return 1 + third * 2048 + scanLine * 256 + characterRow * 32 + x / 8;
}

void ScreenBytes::setInk(int x, int y, bool ink)
{
    auto &byte = bytes[static_cast<std::size_t>(bitmapPosition(x, y) - 1)];
    const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
    byte = static_cast<std::uint8_t>(ink ? byte | bit : byte & ~bit);
}

void ScreenBytes::setAttribute(int column, int row, std::uint8_t attribute)
{
    bytes[static_cast<std::size_t>(6144 + row * 32 + column)] = attribute;
}

std::vector<Rgb> decodeScreen(const std::vector<std::uint8_t> &file)
{
    std::vector<Rgb> picture;
    picture.reserve(256 * 192);
    for (int y = 0; y < 192; ++y) {
        for (int x = 0; x < 256; ++x) {
            const std::uint8_t attribute = at(file, 6144 + (y / 8) * 32 + x / 8);
            const int level = (attribute & 0x40) ? 255 : 200;
            const int colour = inkBit(file, x, y) ? attribute & 7 : (attribute >> 3) & 7;
            // Colour numbers: bit 0 blue, bit 1 red, bit 2 green.
            picture.push_back({ (colour & 2) ? level : 0, (colour & 4) ? level : 0, (colour & 1) ? level : 0 });
        }
    }
    return picture;
}

std::vector<Rgb> decodeBitmapPreview(const std::vector<std::uint8_t> &file)
{
    std::vector<Rgb> picture;
    picture.reserve(256 * 192);
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            picture.push_back(inkBit(file, x, y) ? Rgb { 100, 100, 100 } : Rgb { 0, 0, 0 });
    return picture;
}

std::vector<std::uint8_t> patternedScreen(unsigned seed)
{
    std::vector<std::uint8_t> bytes(6912);
    unsigned state = seed * 2654435761u + 1;
    for (auto &byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    return bytes;
}

} // namespace testsupport
