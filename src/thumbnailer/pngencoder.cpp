// PNG through libpng's simplified interface: its errors come back as a status and a message, and
// its own error handling never unwinds through our frames.
#include "thumbnailer/pngencoder.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace thumbnailer {

namespace {

constexpr std::size_t PaletteLimit = 256;

// The picture as palette indices and its colours in order of first use; no colours when there are
// more than a palette holds. Neighbouring pixels mostly share a colour, so the last one is kept at
// hand. The indices take their memory where the picture has its own.
struct Indexed
{
    std::vector<std::uint32_t> palette;
    std::pmr::vector<std::uint8_t> indices;
};

Indexed indexed(const preview::Image &picture)
{
    Indexed result { {}, std::pmr::vector<std::uint8_t>(picture.pixels.size(), picture.pixels.get_allocator()) };
    std::uint8_t *index = result.indices.data();
    std::uint32_t last = 0;
    std::uint8_t lastIndex = 0;
    for (const std::uint32_t pixel : picture.pixels) {
        if (pixel != last || result.palette.empty()) {
            auto found = std::find(result.palette.begin(), result.palette.end(), pixel);
            if (found == result.palette.end()) {
                if (result.palette.size() == PaletteLimit)
                    return {};
                found = result.palette.insert(found, pixel);
            }
            last = pixel;
            lastIndex = std::uint8_t(found - result.palette.begin());
        }
        *index++ = lastIndex;
    }
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
    std::pmr::vector<std::uint8_t> rgb(picture.pixels.get_allocator());
    rgb.reserve(picture.pixels.size() * 3);
    for (const std::uint32_t pixel : picture.pixels)
        rgb.insert(rgb.end(), { std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel) });
    image.format = PNG_FORMAT_RGB;
    return write(image, rgb.data(), nullptr);
}

} // namespace thumbnailer
