// The progressive renderer: draws the screen file open as number 1 in two passes the user watches.
#pragma once

#include "screen/bittext.h"
#include "screen/colour.h"
#include "screen/picturearea.h"
#include "screen/pixelgrid.h"
#include "screen/runtime.h"
#include "screen/screenlayout.h"

#include <cmath>
#include <concepts>
#include <cstdint>
#include <string>

namespace screen {

// The renderer reads the screen from file number 1: whoever chooses the file opens it as that number.
constexpr int ScreenFileNumber = 1;

// The renderer is written once and draws through the two interfaces it owns, a picture area and
// the run-time services. ScreenRenderer, for the interfaces themselves, is what the viewer and the
// tests use. A program that draws with final implementations of them (the preview core) may name
// those instead, so that each pixel's calls are bound when it is compiled, not looked up at run time.
template <std::derived_from<PictureArea> Picture = PictureArea, std::derived_from<RunTime> Services = RunTime>
class BasicScreenRenderer
{
public:
    enum class Outcome { Complete, Stopped };

    BasicScreenRenderer(Picture &picture, Services &runtime);

    // Clears the picture, draws the bitmap in grey on black pixel by pixel in file order, then
    // colours it cell by cell from the attributes, yielding after every pixel and every cell,
    // and closes all files. Returns Stopped if requestStop() was called during a yield; the
    // files are closed then too, and also when a read fails (the error is passed on).
    Outcome ShowScreen();

    bool isRunning() const { return running; }
    // Asks a running render to stop at its next yield.
    void requestStop() { stopRequested = true; }

    // The render state. It lives as long as its owner and keeps its values between renders.
    std::int16_t thirdTop = 0; // pass 1: top line of the current third
    std::int16_t rowTop = 0;   // pass 1: thirdTop plus the scan line within the character rows
    std::int16_t colX = 0;     // pass 1: left column of the current byte; pass 2: cell column
    std::int16_t lineY = 0;    // pass 1: current pixel line; pass 2: cell row
    std::int16_t bitNo = 0;    // pass 1: bit within the byte, 0 leftmost; pass 2: column within the cell
    std::int16_t subRow = 0;   // pass 2: line within the cell
    std::int16_t bytePos = 0;  // file position of the last bitmap byte read
    std::uint8_t dataByte = 0;
    std::string dataBits;
    std::uint8_t attrByte = 0;
    std::string attrBits;
    float attrNo = 0;          // attribute bytes read so far
    PixelGrid pixels;

private:
    // Pass 1 shows set bits in grey, clear ones in black.
    static constexpr Colour PreviewInk = Rgb(100, 100, 100);
    static constexpr Colour PreviewPaper = Rgb(0, 0, 0);

    // A yield after every pass-1 pixel gives up only the time slice; after every cell it sleeps 2 ms.
    static constexpr int PixelPause = 0;
    static constexpr int CellPause = 2;

    // Positions of the attribute's bits in its bit text (1 is bit 7, the flash bit, which is never read).
    static constexpr int BrightPosition = 2;
    static constexpr int PaperGreenPosition = 3;
    static constexpr int PaperRedPosition = 4;
    static constexpr int PaperBluePosition = 5;
    static constexpr int InkGreenPosition = 6;
    static constexpr int InkRedPosition = 7;
    static constexpr int InkBluePosition = 8;

    // A colour component is 0 or the cell's level.
    static constexpr std::int16_t NormalLevel = 200;
    static constexpr std::int16_t BrightLevel = 255;

    struct StopRequested
    {
    };

    void drawBitmap();
    void drawAttributes();
    // One processing of pending events, then one sleep; ends the render if a stop was asked for meanwhile.
    void yield(int milliseconds);

    Picture &picture;
    Services &runtime;
    bool running = false;
    bool stopRequested = false;
};

using ScreenRenderer = BasicScreenRenderer<>;
extern template class BasicScreenRenderer<>; // compiled once, in screenrenderer.cpp

// The two passes of the renderer: grey-on-black bitmap in file order, then colours cell by cell.

template <std::derived_from<PictureArea> Picture, std::derived_from<RunTime> Services>
BasicScreenRenderer<Picture, Services>::BasicScreenRenderer(Picture &picture, Services &runtime)
    : picture(picture)
    , runtime(runtime)
{
}

template <std::derived_from<PictureArea> Picture, std::derived_from<RunTime> Services>
auto BasicScreenRenderer<Picture, Services>::ShowScreen() -> Outcome
{
    running = true;
    stopRequested = false;
    Outcome outcome = Outcome::Complete;
    try {
        picture.Cls();
        bytePos = 0;
        attrNo = 0;
        drawBitmap();
        drawAttributes();
    } catch (const StopRequested &) {
        outcome = Outcome::Stopped;
    } catch (...) {
        runtime.closeAll();
        running = false;
        throw;
    }
    runtime.closeAll();
    running = false;
    return outcome;
}

template <std::derived_from<PictureArea> Picture, std::derived_from<RunTime> Services>
void BasicScreenRenderer<Picture, Services>::drawBitmap()
{
    // In file order: within each third, scan line 0 of all eight character rows, then scan line 1, ...
    for (thirdTop = 0; thirdTop <= 2 * ThirdHeight; thirdTop += ThirdHeight) {
        for (rowTop = thirdTop; rowTop <= thirdTop + CellSize - 1; ++rowTop) {
            for (lineY = rowTop; lineY <= rowTop + (CharacterRowsPerThird - 1) * CellSize; lineY += CellSize) {
                for (colX = 0; colX <= ScreenWidth - 1; colX += PixelsPerByte) {
                    ++bytePos;
                    runtime.get(ScreenFileNumber, bytePos, dataByte);
                    dataBits = ByteToBits(dataByte);
                    for (bitNo = 0; bitNo <= PixelsPerByte - 1; ++bitNo) {
                        ScreenPixel &pixel = pixels(colX + bitNo, lineY);
                        if (bitAt(dataBits, bitNo + 1) == 1) {
                            picture.PSet(colX + bitNo, lineY, PreviewInk);
                            pixel.isInk = -1;
                        } else {
                            picture.PSet(colX + bitNo, lineY, PreviewPaper);
                            pixel.isInk = 0;
                        }
                        yield(PixelPause);
                    }
                }
            }
        }
    }
}

template <std::derived_from<PictureArea> Picture, std::derived_from<RunTime> Services>
void BasicScreenRenderer<Picture, Services>::drawAttributes()
{
    for (lineY = 0; lineY <= CellRows - 1; ++lineY) {
        for (colX = 0; colX <= CellColumns - 1; ++colX) {
            attrNo += 1;
            runtime.get(ScreenFileNumber, std::lround(attrNo + static_cast<float>(BitmapBytes)), attrByte);
            attrBits = ByteToBits(attrByte);
            // What the attribute gives every pixel of the cell, read from its bit text once.
            ScreenPixel cell;
            cell.level = static_cast<std::int16_t>(bitAt(attrBits, BrightPosition));
            if (cell.level == 0)
                cell.level = NormalLevel;
            if (cell.level == 1)
                cell.level = BrightLevel;
            cell.inkRed = static_cast<std::int16_t>(bitAt(attrBits, InkRedPosition));
            cell.inkGreen = static_cast<std::int16_t>(bitAt(attrBits, InkGreenPosition));
            cell.inkBlue = static_cast<std::int16_t>(bitAt(attrBits, InkBluePosition));
            cell.paperRed = static_cast<std::int16_t>(bitAt(attrBits, PaperRedPosition));
            cell.paperGreen = static_cast<std::int16_t>(bitAt(attrBits, PaperGreenPosition));
            cell.paperBlue = static_cast<std::int16_t>(bitAt(attrBits, PaperBluePosition));
            const Colour ink = Rgb(cell.level * cell.inkRed, cell.level * cell.inkGreen, cell.level * cell.inkBlue);
            const Colour paper = Rgb(cell.level * cell.paperRed, cell.level * cell.paperGreen, cell.level * cell.paperBlue);
            for (subRow = 0; subRow <= CellSize - 1; ++subRow) {
                for (bitNo = 0; bitNo <= CellSize - 1; ++bitNo) {
                    const int x = CellSize * colX + bitNo;
                    const int y = CellSize * lineY + subRow;
                    ScreenPixel &pixel = pixels(x, y);
                    cell.isInk = pixel.isInk; // the one field the bitmap pass set
                    pixel = cell;
                    picture.PSet(x, y, pixel.isInk == -1 ? ink : paper);
                }
            }
            yield(CellPause);
        }
    }
}

template <std::derived_from<PictureArea> Picture, std::derived_from<RunTime> Services>
void BasicScreenRenderer<Picture, Services>::yield(int milliseconds)
{
    runtime.doEvents();
    if (stopRequested)
        throw StopRequested {};
    runtime.Sleep(milliseconds);
}

} // namespace screen
