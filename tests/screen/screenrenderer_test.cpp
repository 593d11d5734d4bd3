// The renderer against a fake picture area and fake run-time services: the calls it makes, where
// each byte lands, the colours, and files of every length.
#include "screen/picturearea.h"
#include "screen/runtime.h"
#include "screen/screenlayout.h"
#include "screen/screenrenderer.h"
#include "support/screendecode.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace {

using testsupport::Rgb;

struct Call
{
    enum Kind { Cls, PSet, Get, DoEvents, Sleep, CloseAll } kind;
    int a = 0, b = 0;
    screen::Colour colour = 0;
};

// Records every call, and keeps the picture as it would look.
class FakeScreen : public screen::PictureArea, public screen::RunTime
{
public:
    explicit FakeScreen(std::vector<std::uint8_t> file = {}) : file(std::move(file)), picture(256 * 192, Rgb { 1, 2, 3 }) {}

    void Cls() override
    {
        calls.push_back({ Call::Cls });
        std::fill(picture.begin(), picture.end(), Rgb { 220, 220, 220 });
    }
    void PSet(int x, int y, screen::Colour colour) override
    {
        calls.push_back({ Call::PSet, x, y, colour });
        ASSERT_TRUE(x >= 0 && x < 256 && y >= 0 && y < 192) << x << "," << y;
        picture[static_cast<std::size_t>(y * 256 + x)] = { screen::redOf(colour), screen::greenOf(colour), screen::blueOf(colour) };
    }
    void get(int fileNumber, long position, std::uint8_t &byte) override
    {
        calls.push_back({ Call::Get, fileNumber, static_cast<int>(position) });
        if (failAt == position)
            throw std::runtime_error("Device I/O error");
        byte = position >= 1 && position <= static_cast<long>(file.size()) ? file[static_cast<std::size_t>(position - 1)] : 0;
    }
    void closeAll() override { calls.push_back({ Call::CloseAll }); }
    void doEvents() override
    {
        calls.push_back({ Call::DoEvents });
        if (duringYield)
            duringYield();
    }
    void Sleep(int milliseconds) override { calls.push_back({ Call::Sleep, milliseconds }); }

    std::vector<std::uint8_t> file;
    std::vector<Rgb> picture;
    std::vector<Call> calls;
    long failAt = -1;
    std::function<void()> duringYield;
};

struct Rendered
{
    FakeScreen fake;
    screen::ScreenRenderer renderer { fake, fake };
    explicit Rendered(std::vector<std::uint8_t> file) : fake(std::move(file)) {}
    screen::ScreenRenderer::Outcome run() { return renderer.ShowScreen(); }
};

// One walk over the whole log of a render, checking the order of every call.
TEST(ScreenRenderer, CallOrderOfAWholeRender)
{
    Rendered r(testsupport::patternedScreen(1));
    ASSERT_EQ(r.run(), screen::ScreenRenderer::Outcome::Complete);
    const auto &calls = r.fake.calls;

    std::size_t i = 0;
    ASSERT_EQ(calls.at(i++).kind, Call::Cls);
    // Pass 1: a read, then for each of its eight pixels one PSet and one yield with Sleep(0).
    for (int position = 1; position <= 6144; ++position) {
        ASSERT_EQ(calls.at(i).kind, Call::Get) << position;
        ASSERT_EQ(calls.at(i).a, 1);
        ASSERT_EQ(calls.at(i++).b, position);
        for (int bit = 0; bit < 8; ++bit) {
            ASSERT_EQ(calls.at(i++).kind, Call::PSet) << position;
            ASSERT_EQ(calls.at(i++).kind, Call::DoEvents) << position;
            ASSERT_EQ(calls.at(i).kind, Call::Sleep) << position;
            ASSERT_EQ(calls.at(i++).a, 0) << position;
        }
    }
    // Pass 2: a read, then the cell's 64 pixels row by row, then one yield with Sleep(2).
    for (int cell = 0; cell < 768; ++cell) {
        ASSERT_EQ(calls.at(i).kind, Call::Get) << cell;
        ASSERT_EQ(calls.at(i++).b, 6145 + cell);
        for (int pixel = 0; pixel < 64; ++pixel) {
            const Call &c = calls.at(i++);
            ASSERT_EQ(c.kind, Call::PSet) << cell;
            ASSERT_EQ(c.a, (cell % 32) * 8 + pixel % 8);
            ASSERT_EQ(c.b, (cell / 32) * 8 + pixel / 8);
        }
        ASSERT_EQ(calls.at(i++).kind, Call::DoEvents) << cell;
        ASSERT_EQ(calls.at(i).kind, Call::Sleep);
        ASSERT_EQ(calls.at(i++).a, 2);
    }
    ASSERT_EQ(calls.at(i++).kind, Call::CloseAll);
    EXPECT_EQ(i, calls.size());
}

// The pixels that follow the read of position, in order.
std::vector<std::pair<int, int>> pixelsAfterRead(const std::vector<Call> &calls, int position)
{
    std::vector<std::pair<int, int>> placed;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        if (calls[i].kind == Call::Get && calls[i].b == position) {
            for (std::size_t j = i + 1; j < calls.size() && calls[j].kind != Call::Get; ++j)
                if (calls[j].kind == Call::PSet)
                    placed.emplace_back(calls[j].a, calls[j].b);
        }
    }
    return placed;
}

TEST(ScreenRenderer, BitmapBytesLandOnTheirLines)
{
    Rendered r({});
    r.run();
    const std::pair<int, int> landings[] = { { 1, 0 }, { 33, 8 }, { 257, 1 }, { 2049, 64 }, { 4097, 128 }, { 6144, 191 } };
    for (const auto &[position, line] : landings) {
        const auto placed = pixelsAfterRead(r.fake.calls, position);
        ASSERT_EQ(placed.size(), 8u) << position;
        const int firstColumn = ((position - 1) % 32) * 8;
        for (int bit = 0; bit < 8; ++bit)
            EXPECT_EQ(placed[static_cast<std::size_t>(bit)], std::make_pair(firstColumn + bit, line)) << position;
    }
    // Every position lands where the display-file formula puts it.
    for (int y = 0; y < 192; y += 7)
        for (int x = 0; x < 256; x += 40)
            EXPECT_EQ(pixelsAfterRead(r.fake.calls, testsupport::ScreenBytes::bitmapPosition(x, y)).at(0),
                      std::make_pair(x - x % 8, y));
}

TEST(ScreenRenderer, LinesFillInDisplayOrderWithinEachThird)
{
    Rendered r({});
    r.run();
    std::vector<int> lineOrder;
    bool inBitmap = true;
    for (const Call &c : r.fake.calls) {
        if (c.kind == Call::Get && c.b > 6144)
            inBitmap = false;
        if (inBitmap && c.kind == Call::PSet && (lineOrder.empty() || lineOrder.back() != c.b))
            lineOrder.push_back(c.b);
    }
    ASSERT_EQ(lineOrder.size(), 192u);
    std::vector<int> expected;
    for (int third = 0; third < 3; ++third)
        for (int scan = 0; scan < 8; ++scan)
            for (int row = 0; row < 8; ++row)
                expected.push_back(third * 64 + row * 8 + scan);
    EXPECT_EQ(lineOrder, expected);
    EXPECT_EQ(std::vector<int>(lineOrder.begin(), lineOrder.begin() + 10), (std::vector<int> { 0, 8, 16, 24, 32, 40, 48, 56, 1, 9 }));
}

TEST(ScreenRenderer, BitmapPassShowsSetBitsInGreyOnBlack)
{
    std::vector<std::uint8_t> file(6912, 0);
    file[0] = 128;
    Rendered r(file);
    int looks = 0;
    r.fake.duringYield = [&] {
        // Look once, just before the attribute pass starts.
        if (r.renderer.bytePos == 6144 && r.renderer.attrNo == 0 && r.renderer.bitNo == 7 && r.renderer.colX == 248
            && r.renderer.lineY == 191) {
            ++looks;
            EXPECT_EQ(r.fake.picture[0], (Rgb { 100, 100, 100 }));
            for (int x = 1; x < 8; ++x)
                EXPECT_EQ(r.fake.picture[static_cast<std::size_t>(x)], (Rgb { 0, 0, 0 })) << x;
            EXPECT_EQ(r.fake.picture, testsupport::decodeBitmapPreview(file));
            EXPECT_EQ(r.renderer.pixels(0, 0).isInk, -1);
            EXPECT_EQ(r.renderer.pixels(1, 0).isInk, 0);
        }
    };
    r.run();
    EXPECT_EQ(looks, 1) << "the yield just before the attribute pass came once";
}

// The colours of each ink and paper, normal and bright, as the bits (green, red, blue) give them.
struct PaletteCase
{
    int colour; // 0 to 7: bit 0 blue, bit 1 red, bit 2 green
    Rgb normal, bright;
};

class Palette : public ::testing::TestWithParam<PaletteCase>
{
};

TEST_P(Palette, InkAndPaperNormalAndBright)
{
    const PaletteCase &c = GetParam();
    testsupport::ScreenBytes s;
    // Cell (0, 0): this colour as ink on paper 0, normal; cell (1, 0) bright. Cells (2, 0) and (3, 0): as paper.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            s.setInk(x, y);
    s.setAttribute(0, 0, static_cast<std::uint8_t>(c.colour));
    s.setAttribute(1, 0, static_cast<std::uint8_t>(0x40 | c.colour));
    s.setAttribute(2, 0, static_cast<std::uint8_t>(c.colour << 3 | 7));
    s.setAttribute(3, 0, static_cast<std::uint8_t>(0x40 | c.colour << 3 | 7));
    Rendered r(s.bytes);
    r.run();
    const auto &p = r.fake.picture;
    EXPECT_EQ(p[0], c.normal);
    EXPECT_EQ(p[8], c.bright);
    EXPECT_EQ(p[16], c.normal);
    EXPECT_EQ(p[24], c.bright);
    EXPECT_EQ(p, testsupport::decodeScreen(s.bytes));
    const screen::ScreenPixel &inkPixel = r.renderer.pixels(9, 3);
    EXPECT_EQ(inkPixel.level, 255);
    EXPECT_EQ(inkPixel.isInk, -1);
    EXPECT_EQ(inkPixel.inkRed, (c.colour >> 1) & 1);
    EXPECT_EQ(inkPixel.inkGreen, (c.colour >> 2) & 1);
    EXPECT_EQ(inkPixel.inkBlue, c.colour & 1);
    EXPECT_EQ(r.renderer.pixels(17, 3).paperRed, (c.colour >> 1) & 1);
    EXPECT_EQ(r.renderer.pixels(17, 3).level, 200);
}

constexpr const char *colourNames[] = { "black", "blue", "red", "magenta", "green", "cyan", "yellow", "white" };

INSTANTIATE_TEST_SUITE_P(AllColours, Palette,
                         ::testing::Values(PaletteCase { 0, { 0, 0, 0 }, { 0, 0, 0 } },
                                           PaletteCase { 1, { 0, 0, 200 }, { 0, 0, 255 } },
                                           PaletteCase { 2, { 200, 0, 0 }, { 255, 0, 0 } },
                                           PaletteCase { 3, { 200, 0, 200 }, { 255, 0, 255 } },
                                           PaletteCase { 4, { 0, 200, 0 }, { 0, 255, 0 } },
                                           PaletteCase { 5, { 0, 200, 200 }, { 0, 255, 255 } },
                                           PaletteCase { 6, { 200, 200, 0 }, { 255, 255, 0 } },
                                           PaletteCase { 7, { 200, 200, 200 }, { 255, 255, 255 } }),
                         [](const auto &info) { return std::string(colourNames[info.param.colour]); });

// Whole screens: what is drawn equals the independent decode.
struct FileCase
{
    const char *name;
    std::vector<std::uint8_t> file;
    std::vector<std::uint8_t> drawnAs; // the file that the picture must equal
    friend void PrintTo(const FileCase &c, std::ostream *out) { *out << c.name; }
};

class WholeFiles : public ::testing::TestWithParam<FileCase>
{
};

TEST_P(WholeFiles, DrawAsTheirDecode)
{
    const FileCase &c = GetParam();
    Rendered r(c.file);
    ASSERT_EQ(r.run(), screen::ScreenRenderer::Outcome::Complete);
    EXPECT_EQ(r.fake.picture, testsupport::decodeScreen(c.drawnAs));
    EXPECT_EQ(r.fake.calls.back().kind, Call::CloseAll);
}

std::vector<std::uint8_t> uniformAttributes(std::uint8_t attribute, std::vector<std::uint8_t> bytes = testsupport::patternedScreen(3))
{
    std::fill(bytes.begin() + 6144, bytes.begin() + 6912, attribute);
    return bytes;
}

std::vector<std::uint8_t> longerFile()
{
    auto bytes = testsupport::patternedScreen(4);
    bytes.resize(9000, 0xFF);
    return bytes;
}

std::vector<std::uint8_t> firstBytes(std::vector<std::uint8_t> bytes, std::size_t count)
{
    bytes.resize(count);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, WholeFiles,
    ::testing::Values(FileCase { "zeros", std::vector<std::uint8_t>(6912, 0), std::vector<std::uint8_t>(6912, 0) },
                      FileCase { "attribute56", uniformAttributes(56), uniformAttributes(56) },
                      FileCase { "attribute71", uniformAttributes(71), uniformAttributes(71) },
                      FileCase { "flashIgnored", uniformAttributes(184), uniformAttributes(56) },
                      FileCase { "patterned", testsupport::patternedScreen(5), testsupport::patternedScreen(5) },
                      FileCase { "longer", longerFile(), firstBytes(longerFile(), 6912) },
                      FileCase { "bitmapOnly", firstBytes(testsupport::patternedScreen(6), 6144), firstBytes(testsupport::patternedScreen(6), 6144) },
                      FileCase { "short", firstBytes(testsupport::patternedScreen(7), 100), firstBytes(testsupport::patternedScreen(7), 100) },
                      FileCase { "empty", {}, {} }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ScreenRenderer, SecondRenderLeavesOnlyTheSecondPictureAndGrid)
{
    FakeScreen fake(testsupport::patternedScreen(8));
    screen::ScreenRenderer renderer(fake, fake);
    renderer.ShowScreen();
    fake.file = uniformAttributes(0x47, std::vector<std::uint8_t>(6912, 0));
    renderer.ShowScreen();
    EXPECT_EQ(fake.picture, testsupport::decodeScreen(fake.file));

    Rendered fresh(fake.file);
    fresh.run();
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 256; ++x)
            ASSERT_EQ(renderer.pixels(x, y), fresh.renderer.pixels(x, y)) << x << "," << y;
}

TEST(ScreenRenderer, StopAtAYieldEndsTheRenderAndClosesFiles)
{
    Rendered r(testsupport::patternedScreen(9));
    int yields = 0;
    r.fake.duringYield = [&] {
        if (++yields == 100) {
            EXPECT_TRUE(r.renderer.isRunning());
            r.renderer.requestStop();
        }
    };
    EXPECT_EQ(r.run(), screen::ScreenRenderer::Outcome::Stopped);
    EXPECT_FALSE(r.renderer.isRunning());
    EXPECT_EQ(r.fake.calls.back().kind, Call::CloseAll);
    // Nothing was drawn or slept after the yield in which the stop was asked for.
    EXPECT_EQ(r.fake.calls[r.fake.calls.size() - 2].kind, Call::DoEvents);
    // The next render starts afresh and completes.
    r.fake.duringYield = nullptr;
    EXPECT_EQ(r.run(), screen::ScreenRenderer::Outcome::Complete);
    EXPECT_EQ(r.fake.picture, testsupport::decodeScreen(r.fake.file));
}

TEST(ScreenRenderer, FailedReadIsPassedOnAfterClosingFiles)
{
    for (long failAt : { 1L, 3000L, 6500L }) {
        Rendered r(testsupport::patternedScreen(10));
        r.fake.failAt = failAt;
        EXPECT_THROW(r.run(), std::runtime_error) << failAt;
        EXPECT_EQ(r.fake.calls.back().kind, Call::CloseAll) << failAt;
        EXPECT_FALSE(r.renderer.isRunning());
    }
}

} // namespace
