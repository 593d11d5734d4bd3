// The progressive renderer: draws the screen file open as number 1 in two passes the user watches.
#pragma once

#include "screen/pixelgrid.h"

#include <cstdint>
#include <memory_resource>
#include <string>

namespace screen {

class PictureArea;
class RunTime;

// The renderer reads the screen from file number 1: whoever chooses the file opens it as that number.
constexpr int ScreenFileNumber = 1;

class ScreenRenderer
{
public:
    enum class Outcome { Complete, Stopped };

    // The pixel grid's memory comes from memory: the heap, unless the owner has a better place for it.
    ScreenRenderer(screen::PictureArea &picture, screen::RunTime &runtime,
                   std::pmr::memory_resource *memory = std::pmr::get_default_resource());

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
    struct StopRequested
    {
    };

    void drawBitmap();
    void drawAttributes();
    // One processing of pending events, then one sleep; ends the render if a stop was asked for meanwhile.
    void yield(int milliseconds);

    screen::PictureArea &picture;
    screen::RunTime &runtime;
    bool running = false;
    bool stopRequested = false;
};

} // namespace screen
