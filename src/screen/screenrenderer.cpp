// The two passes of the renderer: grey-on-black bitmap in file order, then colours cell by cell.
#include "screen/screenrenderer.h"

#include "screen/colour.h"
#include "screen/picturearea.h"
#include "screen/runtime.h"
#include "screen/bittext.h"
#include "screen/screenlayout.h"

#include <cmath>

namespace screen {

namespace {

// Pass 1 shows set bits in grey, clear ones in black.
constexpr screen::Colour PreviewInk = screen::Rgb(100, 100, 100);
constexpr screen::Colour PreviewPaper = screen::Rgb(0, 0, 0);

// A yield after every pass-1 pixel gives up only the time slice; after every cell it sleeps 2 ms.
constexpr int PixelPause = 0;
constexpr int CellPause = 2;

// Positions of the attribute's bits in its bit text (1 is bit 7, the flash bit, which is never read).
constexpr int BrightPosition = 2;
constexpr int PaperGreenPosition = 3;
constexpr int PaperRedPosition = 4;
constexpr int PaperBluePosition = 5;
constexpr int InkGreenPosition = 6;
constexpr int InkRedPosition = 7;
constexpr int InkBluePosition = 8;

// A colour component is 0 or the cell's level.
constexpr std::int16_t NormalLevel = 200;
constexpr std::int16_t BrightLevel = 255;

} // namespace

ScreenRenderer::ScreenRenderer(screen::PictureArea &picture, screen::RunTime &runtime, std::pmr::memory_resource *memory)
    : pixels(memory)
    , picture(picture)
    , runtime(runtime)
{
}

ScreenRenderer::Outcome ScreenRenderer::ShowScreen()
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

void ScreenRenderer::drawBitmap()
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

void ScreenRenderer::drawAttributes()
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
            const screen::Colour ink = screen::Rgb(cell.level * cell.inkRed, cell.level * cell.inkGreen, cell.level * cell.inkBlue);
            const screen::Colour paper = screen::Rgb(cell.level * cell.paperRed, cell.level * cell.paperGreen, cell.level * cell.paperBlue);
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

void ScreenRenderer::yield(int milliseconds)
{
    runtime.doEvents();
    if (stopRequested)
        throw StopRequested {};
    runtime.Sleep(milliseconds);
}

} // namespace screen
