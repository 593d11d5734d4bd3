// Writes the sample screen files: a colour test card, a pattern of the thirds and interleaved lines, and two pictures.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int Width = 256;
constexpr int Height = 192;
constexpr int BitmapBytes = 6144;
constexpr int FileBytes = 6912;

enum Colour { Black, Blue, Red, Magenta, Green, Cyan, Yellow, White };

// A screen being drawn: set pixels and cell colours; it stores them in display-memory order.
class Screen
{
public:
    void plot(int x, int y, bool ink = true)
    {
        if (x < 0 || x >= Width || y < 0 || y >= Height)
            return;
        const int address = (y / 64) * 2048 + (y % 8) * 256 + ((y / 8) % 8) * 32 + x / 8;
        const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
        bytes[address] = static_cast<std::uint8_t>(ink ? bytes[address] | bit : bytes[address] & ~bit);
    }

    void colour(int column, int row, int ink, int paper, bool bright = false, bool flash = false)
    {
        bytes[BitmapBytes + row * 32 + column] = static_cast<std::uint8_t>((flash ? 0x80 : 0) | (bright ? 0x40 : 0) | paper << 3 | ink);
    }

    bool write(const std::string &path) const
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }

private:
    std::array<std::uint8_t, FileBytes> bytes {};
};

// Every ink on every paper: rows 0-7 normal, 8-15 bright, 16-23 normal with flash set (drawn as normal).
// Each paper has a row; each ink a block of four cells: a checkerboard, a diagonal, solid ink, bare paper.
Screen testCard()
{
    Screen s;
    for (int row = 0; row < 24; ++row) {
        const int paper = row % 8;
        for (int column = 0; column < 32; ++column)
            s.colour(column, row, column / 4, paper, row >= 8 && row < 16, row >= 16);
    }
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const int kind = (x / 8) % 4;
            const bool ink = kind == 0 ? (x + y) % 2 == 0 : kind == 1 ? (x % 8) == (y % 8) : kind == 2;
            s.plot(x, y, ink);
        }
    }
    return s;
}

// Each third in its own paper; each scan line of a character row marked by the position of its stripe,
// so the order of filling is plain to see: line 0 of all rows of a third, then line 1, and so on.
Screen thirds()
{
    Screen s;
    const int papers[3] = { Red, Green, Blue };
    for (int row = 0; row < 24; ++row)
        for (int column = 0; column < 32; ++column)
            s.colour(column, row, White, papers[row / 8], true);
    for (int y = 0; y < Height; ++y) {
        const int scanLine = y % 8;
        const int characterRow = (y / 8) % 8;
        for (int x = 0; x < Width; ++x) {
            const bool stripe = (x % 32) / 4 == scanLine;
            const bool bar = x >= 248 && x - 248 <= characterRow;
            s.plot(x, y, stripe || bar);
        }
    }
    return s;
}

// Concentric rings on a night sky, coloured ring by ring.
Screen rings()
{
    Screen s;
    const double cx = 127.5, cy = 95.5;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            s.plot(x, y, static_cast<int>(std::hypot(x - cx, y - cy)) % 12 < 5);
    for (int row = 0; row < 24; ++row) {
        for (int column = 0; column < 32; ++column) {
            const double r = std::hypot(column * 8 + 4 - cx, row * 8 + 4 - cy);
            const int ink = 1 + static_cast<int>(r / 18) % 7;
            s.colour(column, row, ink, Black, r < 54);
        }
    }
    return s;
}

// A sun setting into the sea: a dithered sky, a disc, and waves.
Screen sunset()
{
    Screen s;
    const int horizon = 128;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            bool ink;
            if (y < horizon) {
                const bool sun = std::hypot(x - 128.0, y - 118.0) < 40;
                const int density = y * 4 / horizon; // 0 to 3: the sky thickens towards the horizon
                const int bayer[2][2] = { { 0, 2 }, { 3, 1 } };
                ink = sun || bayer[y % 2][x % 2] < density;
            } else {
                ink = ((x + static_cast<int>(6 * std::sin((y - horizon) * 0.7))) / 6) % 3 == 0 && (y % 3) != 0;
            }
            s.plot(x, y, ink);
        }
    }
    for (int row = 0; row < 24; ++row) {
        for (int column = 0; column < 32; ++column) {
            const bool inSun = std::hypot(column * 8 + 4 - 128.0, row * 8 + 4 - 118.0) < 42 && row < 16;
            if (row < 16)
                s.colour(column, row, inSun ? Yellow : (row < 6 ? Magenta : Red), row < 6 ? Blue : Magenta, inSun);
            else
                s.colour(column, row, Cyan, Blue, row == 16);
        }
    }
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const bool written = testCard().write(directory + "/test card.scr") && thirds().write(directory + "/thirds.scr")
        && rings().write(directory + "/rings.scr") && sunset().write(directory + "/sunset.scr");
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the samples into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
