// The main window's layout as designed, in twips, and in logical pixels at the designed size.
#pragma once

#include <QRect>
#include <QSize>

namespace designed {

// The layout is designed in twips, 15 to a logical pixel.
constexpr int TwipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

// On screen all of it is scaled by one factor (see ScaledLayout).
// The client area below the menu bar: 402 × 286, the smallest it can be.
constexpr QSize ClientSize = fromTwips(0, 0, 6030, 4290).size();
// The panel covers the picture completely when shown.
constexpr QRect NavigatorRect = fromTwips(600, 360, 4815, 3375);
constexpr QRect PictureRect = fromTwips(1080, 720, 3840, 2880);
// The lists, relative to the panel's top-left corner.
constexpr QRect DriveListRect = fromTwips(120, 360, 1455, 315);
constexpr QRect DirListRect = fromTwips(1800, 360, 2655, 1215);
constexpr QRect FileListRect = fromTwips(240, 1800, 4215, 1260);

} // namespace designed
