// The geometry of a Spectrum screen file: a bitmap of interleaved lines, then one attribute per cell.
#pragma once

namespace screen {

// The picture is 256 pixels across and 192 lines down.
constexpr int ScreenWidth = 256;
constexpr int ScreenHeight = 192;

// One bitmap byte holds eight pixels side by side, bit 7 leftmost; 32 bytes make a line.
constexpr int PixelsPerByte = 8;
constexpr int BytesPerLine = ScreenWidth / PixelsPerByte;

// The screen is stacked from three thirds of 64 lines each; a third holds eight character rows of eight lines.
constexpr int ThirdHeight = 64;
constexpr int CharacterRowsPerThird = 8;

// Colours are given per cell of 8 × 8 pixels: 32 cells across, 24 down.
constexpr int CellSize = 8;
constexpr int CellColumns = ScreenWidth / CellSize;
constexpr int CellRows = ScreenHeight / CellSize;

// The file: 6144 bitmap bytes (positions 1 to 6144), then 768 attribute bytes (6145 to 6912).
constexpr int BitmapBytes = BytesPerLine * ScreenHeight;
constexpr int AttributeBytes = CellColumns * CellRows;
constexpr int ScreenFileBytes = BitmapBytes + AttributeBytes;

static_assert(BitmapBytes == 6144 && AttributeBytes == 768 && ScreenFileBytes == 6912);

} // namespace screen
