// PNG through libpng's simplified interface: its errors come back as a status and a message, and
// its own error handling never unwinds through our frames.
#include "thumbnailer/pngencoder.h"

#include <png.h>

#include <array>
#include <cstring>
#include <memory>

namespace thumbnailer {

namespace {

constexpr std::size_t PaletteLimit = 256;

// The picture as palette indices and its colours in order of first use; no colours when there are
// more than a palette holds.
struct Indexed
{
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
};

// Each colour's palette index, found by hashing: a table twice the palette's size is at most half
// full, so nearly every pixel finds its colour in the first slot it looks at, with no branch that
// depends on whether neighbouring pixels differ.
class ColourIndex
{
public:
    // The colour's index, given it the next one when it is new; false when the palette is full.
    bool find(std::uint32_t colour, std::vector<std::uint32_t> &palette, std::uint8_t &index)
    {
        std::size_t slot = std::size_t(colour * 0x9E3779B1u) >> (32 - SlotBits);
        while (used[slot] && colours[slot] != colour)
            slot = (slot + 1) & (Slots - 1);
        if (!used[slot]) {
            if (palette.size() == PaletteLimit)
                return false;
            used[slot] = true;
            colours[slot] = colour;
            indices[slot] = std::uint8_t(palette.size());
            palette.push_back(colour);
        }
        index = indices[slot];
        return true;
    }

private:
    static constexpr int SlotBits = 9;
    static constexpr std::size_t Slots = std::size_t(1) << SlotBits;
    static_assert(Slots >= 2 * PaletteLimit);
    std::array<bool, Slots> used {};
    std::array<std::uint32_t, Slots> colours {};
    std::array<std::uint8_t, Slots> indices {};
};

Indexed indexed(const preview::Image &picture)
{
    Indexed result { {}, std::vector<std::uint8_t>(picture.pixels.size()) };
    ColourIndex colourIndex;
    std::uint8_t *index = result.indices.data();
    for (const std::uint32_t pixel : picture.pixels)
        if (!colourIndex.find(pixel, result.palette, *index++))
            return {};
    return result;
}

// One pass of the encoder into a buffer of the largest size the image can take, cut to what it took.
EncodedPng write(png_image &image, const void *pixels, const void *colourMap)
{
    // Left uninitialised: the encoder writes what it uses, and the memory it never reaches is never touched.
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    const std::unique_ptr<std::uint8_t[]> buffer = std::make_unique_for_overwrite<std::uint8_t[]>(size);
    EncodedPng png;
    if (png_image_write_to_memory(&image, buffer.get(), &size, 0, pixels, 0, colourMap))
        png.bytes.assign(buffer.get(), buffer.get() + size);
    else
        png.error = image.message;
    png_image_free(&image);
    return png;
}

} // namespace

EncodedPng encodePng(const preview::Image &picture)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.width);
    image.height = png_uint_32(picture.height);

    const Indexed colours = indexed(picture);
    if (!colours.palette.empty()) {
        std::vector<std::uint8_t> colourMap;
        colourMap.reserve(colours.palette.size() * 3);
        for (const std::uint32_t colour : colours.palette)
            colourMap.insert(colourMap.end(), { std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour) });
        image.format = PNG_FORMAT_RGB_COLORMAP;
        image.colormap_entries = png_uint_32(colours.palette.size());
        return write(image, colours.indices.data(), colourMap.data());
    }
    std::vector<std::uint8_t> rgb;
    rgb.reserve(picture.pixels.size() * 3);
    for (const std::uint32_t pixel : picture.pixels)
        rgb.insert(rgb.end(), { std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel) });
    image.format = PNG_FORMAT_RGB;
    return write(image, rgb.data(), nullptr);
}

} // namespace thumbnailer
