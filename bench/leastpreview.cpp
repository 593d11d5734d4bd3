// The least a preview program needs, as a yardstick for tarnvel-thumbnailer: read a screen file's
// 6912 bytes, decode them, and write the 256 × 192 picture as a 16-colour PNG with libpng.
// Usage: leastpreview INPUT OUTPUT
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    std::uint8_t screen[6912] = {};
    std::FILE *input = std::fopen(argv[1], "rb");
    if (!input)
        return 1;
    const std::size_t got = std::fread(screen, 1, sizeof screen, input);
    std::fclose(input);
    (void)got; // missing bytes stay 0

    // Colour index: bright × 8 + colour, where colour bits are green, red, blue.
    std::uint8_t colourMap[16 * 3];
    for (int i = 0; i < 16; ++i) {
        const int level = i >= 8 ? 255 : 200, colour = i & 7;
        colourMap[i * 3] = colour & 2 ? level : 0;
        colourMap[i * 3 + 1] = colour & 4 ? level : 0;
        colourMap[i * 3 + 2] = colour & 1 ? level : 0;
    }
    static std::uint8_t indices[192][256];
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x) {
            const int byte = screen[(y & 0xC0) << 5 | (y & 7) << 8 | (y & 0x38) << 2 | x >> 3];
            const int attribute = screen[6144 + (y >> 3) * 32 + (x >> 3)];
            const bool ink = byte >> (7 - (x & 7)) & 1;
            indices[y][x] = std::uint8_t((attribute & 0x40 ? 8 : 0) + (ink ? attribute & 7 : attribute >> 3 & 7));
        }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = 256;
    image.height = 192;
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = 16;
    return png_image_write_to_file(&image, argv[2], 0, indices, 0, colourMap) ? 0 : 1;
}
